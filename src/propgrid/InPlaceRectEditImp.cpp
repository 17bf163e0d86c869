#include "InPlaceRectEditImp.h"

#include "InPlaceMetrics.h"
#include "RectDlg.h"
#include "TextCodec.h"

namespace vantoro {

CInPlaceRectEditImp::CInPlaceRectEditImp(QWidget* parent, QWidget* list)
    : CInPlaceButtonEditImp(parent, list, QStringLiteral("Edit rectangle...")) {}

QString CInPlaceRectEditImp::TextOf(const CPropertyValue& value) const {
    const auto* rect = std::get_if<CRect>(&value);
    return rect ? ToQString(FormatRectText(*rect)) : QString();
}

ETypedValue CInPlaceRectEditImp::ParseText(const std::string& text, CPropertyValue& value) const {
    CRect rect;
    const ETypedValue read = ParseRectText(text, rect);
    if (read == ETypedValue::Valid) value = rect;
    return read;
}

std::optional<CPropertyValue> CInPlaceRectEditImp::RunDialog() {
    CRectDlg dialog(m_rect, this, [this](const CRect& rect) { return Refusal(rect); });
    dialog.SetRowName(RowName());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.GetRect();
}

QRect CInPlaceRectEditImp::EditRect(const QSize& size) const {
    return QRect(0, 1, size.width() - InPlaceButtonWidth() - 2, size.height());
}

}  // namespace vantoro
