#include "InPlaceFileEditImp.h"

#include "InPlaceButtonEditBoxImp.h"
#include "InPlaceMetrics.h"
#include "TextCodec.h"

namespace vantoro {

CInPlaceFileEditImp::CInPlaceFileEditImp(QWidget* parent, QWidget* list)
    : CInPlaceButtonEditImp(parent, list, QStringLiteral("Browse...")) {}

QString CInPlaceFileEditImp::TextOf(const CPropertyValue& value) const {
    const auto* text = std::get_if<std::string>(&value);
    return text ? ToQString(*text) : QString();
}

ETypedValue CInPlaceFileEditImp::ParseText(const std::string& text, CPropertyValue& value) const {
    // Any name reads, none too: whether the file is there is the rules' to say.
    value = text;
    return ETypedValue::Valid;
}

CResult<CPropertyValue> CInPlaceFileEditImp::Read() const {
    // A character the skin's code page lacks would come back as '?': say so instead.
    if (const QString missing = Unencodable(Edit()->text()); !missing.isEmpty())
        return Fail(FromQString(RowName() +
                                QStringLiteral(" holds characters a skin cannot hold: ") + missing +
                                QStringLiteral(".")));
    return CInPlaceButtonEditImp::Read();
}

std::optional<CPropertyValue> CInPlaceFileEditImp::RunDialog() {
    emit BrowseRequested();
    return std::nullopt;
}

QRect CInPlaceFileEditImp::EditRect(const QSize& size) const {
    return QRect(0, 1, size.width() - InPlaceButtonWidth() - 2, size.height());
}

}  // namespace vantoro
