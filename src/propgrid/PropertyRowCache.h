#pragma once

#include <QHash>
#include <QPixmap>
#include <QSize>
#include <cstdint>
#include <functional>
#include <string>

class QPainter;

namespace vantoro {

class CPropertyItem;

// Everything a painted grid row depends on. `Generation` stands for what the list changes
// for all rows at once (font, palette, style, split, marks, changed rows).
struct CPropertyRowLook {
    int Generation = 0;
    QSize Size;
    qreal Ratio = 1;
    bool Selected = false;
    bool Expanded = false;
    uint8_t ItemId = 0;
    const char* Class = nullptr;
    std::string Label;
    std::string Value;

    bool operator==(const CPropertyRowLook&) const = default;
};

// The grid's rows as pictures: a row is painted once and copied from then on, until
// anything it shows changes. Laying out text is most of what painting a row costs, and
// a row mostly looks as it did the last time. Kept per item, so a sheet shown again
// paints from its pictures; bounded, so a long session does not grow it.
class CPropertyRowCache {
public:
    using Painter = std::function<void(QPainter& painter, const QRect& row)>;

    // The picture of `item`'s row as `look` has it, painted by `paint` (into a row at
    // (0, 0) of look.Size, filled with `background` first) when not cached.
    const QPixmap& Row(const CPropertyItem* item, const CPropertyRowLook& look,
                       const QColor& background, const Painter& paint);
    void Clear() { m_rows.clear(); }
    int Count() const { return int(m_rows.size()); }

    static constexpr int kMaxRows = 256;

private:
    struct CEntry {
        CPropertyRowLook Look;
        QPixmap Picture;
    };
    QHash<const CPropertyItem*, CEntry> m_rows;
};

}  // namespace vantoro
