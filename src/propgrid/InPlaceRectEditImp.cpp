#include "InPlaceRectEditImp.h"

#include "InPlaceButtonEditBoxImp.h"
#include "InPlaceMessages.h"
#include "InPlaceMetrics.h"
#include "RectDlg.h"
#include "TextCodec.h"

namespace vantoro {

CInPlaceRectEditImp::CInPlaceRectEditImp(QWidget* parent, QWidget* list)
    : CInPlaceButtonEditImp(parent, list, WM_INPLACE_RECT_ENTER,
                            QStringLiteral("Edit rectangle...")) {}

void CInPlaceRectEditImp::SetRect(const CRect& rect) {
    m_rect = rect;
    ShowValueText();
}

QString CInPlaceRectEditImp::ValueText() const {
    return ToQString(FormatRectText(m_rect));
}

ETypedValue CInPlaceRectEditImp::ReadTypedText(bool store) {
    CRect rect;
    const ETypedValue read = ParseRectText(FromQString(Edit()->text()), rect);
    if (read == ETypedValue::Valid && store) m_rect = rect;
    return read;
}

bool CInPlaceRectEditImp::RunDialog() {
    CRectDlg dialog(m_rect, this, [this](const CRect& rect) { return Refusal(rect); });
    dialog.SetRowName(RowName());
    if (dialog.exec() != QDialog::Accepted) return false;
    m_rect = dialog.GetRect();
    return true;
}

QRect CInPlaceRectEditImp::EditRect(const QSize& size) const {
    return QRect(0, 1, size.width() - InPlaceButtonWidth() - 2, size.height());
}

}  // namespace vantoro
