#include "PropertyRowPainter.h"

#include <QPainter>
#include <QStyle>
#include <algorithm>

#include "PropertyItem.h"
#include "PropertyItemCategory.h"
#include "PropertyListCtrl.h"
#include "PropertyRowGeometry.h"
#include "PropertyRowText.h"
#include "QtValuePainter.h"
#include "TextCodec.h"

namespace vantoro {

CPropertyRowPainter::CPropertyRowPainter(const CPropertyListCtrl& list) : m_list(list) {}

QRect CPropertyRowPainter::MarkIcon(const QRect& valueCell) {
    const int side = std::max(8, valueCell.height() - 2);
    return QRect(valueCell.right() - side, valueCell.top() + (valueCell.height() - side) / 2, side,
                 side);
}

void CPropertyRowPainter::Draw(QPainter& painter, const QRect& rowRect, bool selected,
                               const CPropertyItem* row) const {
    if (!row) return;
    const CPropertyRowGeometry geometry = m_list.Geometry(rowRect);
    const int right = rowRect.left() + rowRect.width();
    const int bottom = rowRect.top() + rowRect.height();
    painter.setRenderHint(QPainter::Antialiasing, false);

    if (row->IsCategory()) {
        // A white box with a black frame; a minus when expanded, a plus as well when not.
        // Every stroke is a filled rectangle, so it stays sharp at any scale.
        const QRect& box = geometry.box;
        painter.fillRect(box, Qt::white);
        painter.fillRect(QRect(box.left(), box.top(), box.width(), 1), Qt::black);
        painter.fillRect(QRect(box.left(), box.bottom(), box.width(), 1), Qt::black);
        painter.fillRect(QRect(box.left(), box.top(), 1, box.height()), Qt::black);
        painter.fillRect(QRect(box.right(), box.top(), 1, box.height()), Qt::black);
        const QLine& minus = geometry.minusStroke;
        painter.fillRect(QRect(minus.x1(), minus.y1(), minus.x2() - minus.x1(), 1), Qt::black);
        if (!static_cast<const CPropertyItemCategory*>(row)->m_bExpanded) {
            const QLine& plus = geometry.plusStroke;
            painter.fillRect(QRect(plus.x1(), plus.y1(), 1, plus.y2() - plus.y1()), Qt::black);
        }
    }

    const QColor grid = GridLineColor();
    painter.fillRect(RectFromEdges(geometry.gutterX, rowRect.top(), geometry.gutterX + 1, bottom),
                     grid);
    painter.fillRect(
        RectFromEdges(geometry.gutterX, geometry.gridLineY, right, geometry.gridLineY + 1), grid);
    painter.fillRect(RectFromEdges(geometry.splitX, rowRect.top(), geometry.splitX + 1, bottom - 1),
                     grid);

    const QPalette& colors = m_list.palette();
    const QColor background =
        colors.color(QPalette::Active, selected ? QPalette::Highlight : QPalette::Base);
    const QColor text =
        colors.color(QPalette::Active, selected ? QPalette::HighlightedText : QPalette::Text);
    painter.fillRect(geometry.nameCell, background);

    QFont labelFont = m_list.font();
    labelFont.setBold(row->IsCategory());
    painter.setFont(labelFont);
    painter.setPen(text);
    painter.save();
    painter.setClipRect(geometry.labelArea);
    // A label wider than its column ends in "..." rather than in the middle of a word.
    painter.drawText(geometry.labelArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     painter.fontMetrics().elidedText(ToQString(row->m_strLabel), Qt::ElideRight,
                                                      geometry.labelArea.width()));
    painter.restore();

    if (selected) return;  // the editor covers the value cell
    QFont valueFont = m_list.font();
    valueFont.setBold(m_list.ChangedRows().contains(row->m_nItemId));
    painter.setFont(valueFont);
    painter.setPen(colors.color(QPalette::Active, QPalette::Text));
    painter.setBrush(colors.color(QPalette::Active, QPalette::Base));
    painter.save();
    painter.setClipRect(geometry.valueCell);
    CQtValuePainter valuePainter(painter);
    row->DrawValue(valuePainter, geometry.valueCell);
    painter.restore();
    // The rules' mark stands at the right end of the value cell, over a long value.
    if (const CPropertyRowMark mark = m_list.RowMarks().value(row->m_nItemId);
        !row->IsCategory() && !mark.Text.isEmpty()) {
        const QRect icon = MarkIcon(geometry.valueCell);
        painter.fillRect(icon.adjusted(-2, 0, 0, 0),
                         colors.color(QPalette::Active, QPalette::Base));
        m_list.style()
            ->standardIcon(mark.Error ? QStyle::SP_MessageBoxCritical
                                      : QStyle::SP_MessageBoxWarning)
            .paint(&painter, icon);
    }
}

void CPropertyRowPainter::Paint(QPainter& painter, const QRect& rowRect, bool selected,
                                const CPropertyItem* row) {
    if (!row) return;
    CPropertyRowLook look;
    look.Generation = m_nGeneration;
    look.Size = rowRect.size();
    look.Ratio = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
    look.Selected = selected;
    look.Expanded =
        row->IsCategory() && static_cast<const CPropertyItemCategory*>(row)->m_bExpanded;
    look.ItemId = row->m_nItemId;
    look.Class = row->ClassName();
    look.Label = row->m_strLabel;
    if (!row->IsCategory() && !selected) look.Value = PropertyRowValueText(*row);
    const QColor background = m_list.palette().color(QPalette::Active, QPalette::Base);
    const QPixmap& picture =
        m_rowCache.Row(row, look, background,
                       [&](QPainter& into, const QRect& at) { Draw(into, at, selected, row); });
    painter.drawPixmap(rowRect.topLeft(), picture);
}

}  // namespace vantoro
