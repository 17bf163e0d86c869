#include "InPlaceColorEditImp.h"

#include <QColorDialog>
#include <QPainter>

#include "InPlaceMetrics.h"
#include "PropertyRowGeometry.h"
#include "TextCodec.h"

namespace vantoro {

CInPlaceColorEditImp::CInPlaceColorEditImp(QWidget* parent, QWidget* list)
    : CInPlaceButtonEditImp(parent, list, QStringLiteral("Choose colour...")) {}

QString CInPlaceColorEditImp::TextOf(const CPropertyValue& value) const {
    const auto* color = std::get_if<COLORREF>(&value);
    return color ? ToQString(FormatColorText(*color)) : QString();
}

ETypedValue CInPlaceColorEditImp::ParseText(const std::string& text, CPropertyValue& value) const {
    COLORREF color = 0;
    const ETypedValue read = ParseColorText(text, color);
    if (read == ETypedValue::Valid) value = color;
    return read;
}

std::optional<CPropertyValue> CInPlaceColorEditImp::RunDialog() {
    QColorDialog dialog(QColor(RedOf(m_crColor), GreenOf(m_crColor), BlueOf(m_crColor)), this);
    dialog.setAccessibleDescription(RowName());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QColor chosen = dialog.selectedColor();
    if (!chosen.isValid()) return std::nullopt;
    return RgbColor(chosen.red(), chosen.green(), chosen.blue());
}

QRect CInPlaceColorEditImp::EditRect(const QSize& size) const {
    return QRect(16, 1, size.width() - InPlaceButtonWidth() - 16, size.height());
}

void CInPlaceColorEditImp::PaintDecoration(QPainter& painter) {
    // The swatch from (2, 2) to (14, height - 2): a black outline, inside the colour the
    // field was opened on, not one typed that is still being judged.
    const QRect swatch = RectFromEdges(2, 2, 14, height() - 2);
    painter.fillRect(swatch, Qt::black);
    painter.fillRect(swatch.adjusted(1, 1, -1, -1),
                     QColor(RedOf(m_crColor), GreenOf(m_crColor), BlueOf(m_crColor)));
}

}  // namespace vantoro
