#include "PropertyRowText.h"

#include "PropertyItemColorRef.h"
#include "PropertyItemInt.h"
#include "PropertyItemList.h"
#include "PropertyItemRect.h"
#include "PropertyItemString.h"
#include "TypedValueParser.h"

namespace vantoro {

std::string PropertyRowValueText(const CPropertyItem& item) {
    if (auto* text = dynamic_cast<const CPropertyItemString*>(&item)) return text->m_strValue;
    if (auto* number = dynamic_cast<const CPropertyItemInt*>(&item))
        return std::to_string(number->m_nValue);
    if (auto* list = dynamic_cast<const CPropertyItemList*>(&item)) {
        const char* choice = list->GetChoiceText(list->m_nSelected);
        return choice ? choice : "";
    }
    if (auto* color = dynamic_cast<const CPropertyItemColorRef*>(&item))
        return FormatColorText(color->m_crValue);
    if (auto* rect = dynamic_cast<const CPropertyItemRect*>(&item))
        return FormatRectText(rect->m_rcValue);
    return {};
}

}  // namespace vantoro
