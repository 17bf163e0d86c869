#include "PropertyItemListReso.h"

#include <array>

namespace vantoro {

const char* CPropertyItemListReso::GetChoiceText(int32_t index) const {
    static constexpr std::array<const char*, 2> kChoices = {"160x160 pixels", "320x320 pixels"};
    return index >= 0 && index < int32_t(kChoices.size()) ? kChoices[std::size_t(index)] : nullptr;
}

}  // namespace vantoro
