#include "PropertyRowCache.h"

#include <QPainter>
#include <cmath>

namespace vantoro {

const QPixmap& CPropertyRowCache::Row(const CPropertyItem* item, const CPropertyRowLook& look,
                                      const QColor& background, const Painter& paint) {
    auto found = m_rows.find(item);
    if (found != m_rows.end() && found->Look == look) return found->Picture;
    if (found == m_rows.end()) {
        if (m_rows.size() >= kMaxRows) m_rows.clear();
        found = m_rows.insert(item, CEntry());
    }
    CEntry& entry = *found;
    entry.Look = look;
    const QSize pixels(int(std::ceil(look.Size.width() * look.Ratio)),
                       int(std::ceil(look.Size.height() * look.Ratio)));
    if (entry.Picture.size() != pixels || entry.Picture.devicePixelRatio() != look.Ratio) {
        entry.Picture = QPixmap(pixels);
        entry.Picture.setDevicePixelRatio(look.Ratio);
    }
    entry.Picture.fill(background);
    QPainter painter(&entry.Picture);
    paint(painter, QRect(QPoint(0, 0), look.Size));
    return entry.Picture;
}

}  // namespace vantoro
