#include "InPlaceFileEditImp.h"

#include "InPlaceButtonEditBoxImp.h"
#include "InPlaceMessages.h"
#include "InPlaceMetrics.h"
#include "PropertyListCtrl.h"
#include "TextCodec.h"

namespace vantoro {

CInPlaceFileEditImp::CInPlaceFileEditImp(QWidget* parent, QWidget* list)
    : CInPlaceButtonEditImp(parent, list, WM_INPLACE_FILE_ENTER, QStringLiteral("Browse...")) {}

void CInPlaceFileEditImp::SetText(const std::string& text) {
    m_strText = text;
    ShowValueText();
}

QString CInPlaceFileEditImp::ValueText() const {
    return ToQString(m_strText);
}

ETypedValue CInPlaceFileEditImp::ReadTypedText(bool store) {
    // Any name reads: whether the file is there is the rules' to say.
    const QString text = Edit()->text();
    if (store) m_strText = FromQString(text);
    return ETypedValue::Valid;
}

bool CInPlaceFileEditImp::RunDialog() {
    // The window chooses the picture and takes it through the history itself.
    if (auto* list = qobject_cast<CPropertyListCtrl*>(List())) list->RequestBrowse();
    return false;
}

QRect CInPlaceFileEditImp::EditRect(const QSize& size) const {
    return QRect(0, 1, size.width() - InPlaceButtonWidth() - 2, size.height());
}

}  // namespace vantoro
