#include "InPlaceColorEditImp.h"

#include <QColorDialog>
#include <QPainter>

#include "InPlaceButtonEditBoxImp.h"
#include "InPlaceMessages.h"
#include "InPlaceMetrics.h"
#include "PropertyRowGeometry.h"
#include "TextCodec.h"

namespace vantoro {

CInPlaceColorEditImp::CInPlaceColorEditImp(QWidget* parent, QWidget* list)
    : CInPlaceButtonEditImp(parent, list, WM_INPLACE_COLOR_ENTER,
                            QStringLiteral("Choose colour...")) {}

void CInPlaceColorEditImp::SetColor(COLORREF color) {
    m_crColor = color;
    ShowValueText();
    update();
}

QString CInPlaceColorEditImp::ValueText() const {
    return ToQString(FormatColorText(m_crColor));
}

ETypedValue CInPlaceColorEditImp::ReadTypedText(bool store) {
    COLORREF color = 0;
    const ETypedValue read = ParseColorText(FromQString(Edit()->text()), color);
    if (read == ETypedValue::Valid && store) m_crColor = color;
    return read;
}

bool CInPlaceColorEditImp::RunDialog() {
    QColorDialog dialog(QColor(RedOf(m_crColor), GreenOf(m_crColor), BlueOf(m_crColor)), this);
    dialog.setAccessibleDescription(RowName());
    if (dialog.exec() != QDialog::Accepted) return false;
    const QColor chosen = dialog.selectedColor();
    if (!chosen.isValid()) return false;
    m_crColor = RgbColor(chosen.red(), chosen.green(), chosen.blue());
    return true;
}

QRect CInPlaceColorEditImp::EditRect(const QSize& size) const {
    return QRect(16, 1, size.width() - InPlaceButtonWidth() - 16, size.height());
}

void CInPlaceColorEditImp::PaintDecoration(QPainter& painter) {
    // The swatch from (2, 2) to (14, height - 2): a black outline, the colour inside.
    const QRect swatch = RectFromEdges(2, 2, 14, height() - 2);
    painter.fillRect(swatch, Qt::black);
    painter.fillRect(swatch.adjusted(1, 1, -1, -1),
                     QColor(RedOf(m_crSwatch), GreenOf(m_crSwatch), BlueOf(m_crSwatch)));
}

void CInPlaceColorEditImp::OnValueShown() {
    m_crSwatch = m_crColor;
    update();
}

}  // namespace vantoro
