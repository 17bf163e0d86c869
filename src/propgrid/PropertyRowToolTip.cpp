#include "PropertyRowToolTip.h"

#include <QHelpEvent>
#include <QStringList>
#include <QToolTip>
#include <algorithm>

#include "PropertyItem.h"
#include "PropertyItemColorRef.h"
#include "PropertyListCtrl.h"
#include "PropertyRowGeometry.h"
#include "PropertyRowPainter.h"
#include "PropertyRowText.h"
#include "TextCodec.h"

namespace vantoro {

CPropertyRowToolTip::CPropertyRowToolTip(const CPropertyListCtrl& list) : m_list(list) {}

QString CPropertyRowToolTip::TextAt(const QPoint& pos) const {
    const int index = m_list.indexAt(pos).row();
    const CPropertyItem* row = m_list.GetItem(index);
    if (!row) return {};
    const CPropertyRowGeometry geometry = m_list.Geometry(m_list.RowRect(index));
    QFont labelFont = m_list.font();
    labelFont.setBold(row->IsCategory());
    const QString label = ToQString(row->m_strLabel);
    bool cut = QFontMetrics(labelFont).horizontalAdvance(label) > geometry.labelArea.width();
    QString value;
    CPropertyRowMark mark;
    if (!row->IsCategory()) {
        value = ToQString(PropertyRowValueText(*row));
        mark = m_list.RowMarks().value(row->m_nItemId);
        QFont valueFont = m_list.font();
        valueFont.setBold(m_list.ChangedRows().contains(row->m_nItemId));
        int room = geometry.valueCell.width();
        if (dynamic_cast<const CPropertyItemColorRef*>(row)) room -= 16;  // the swatch
        if (!mark.Text.isEmpty())
            room -= CPropertyRowPainter::MarkIcon(geometry.valueCell).width() + 2;
        cut = cut || QFontMetrics(valueFont).horizontalAdvance(value) > room;
    }
    QStringList lines;
    if (cut) lines << (value.isEmpty() ? label : label + QStringLiteral(": ") + value);
    if (!mark.Text.isEmpty()) lines << mark.Text;
    return lines.join(u'\n');
}

bool CPropertyRowToolTip::Show(const QHelpEvent& help) const {
    const QString tip = TextAt(help.pos());
    if (tip.isEmpty()) {
        QToolTip::hideText();
        return false;
    }
    QToolTip::showText(help.globalPos(), tip, m_list.viewport(),
                       m_list.visualRect(m_list.indexAt(help.pos())));
    return true;
}

}  // namespace vantoro
