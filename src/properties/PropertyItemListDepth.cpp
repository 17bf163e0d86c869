#include "PropertyItemListDepth.h"

#include <array>

namespace vantoro {

const char* CPropertyItemListDepth::GetChoiceText(int32_t index) const {
    static constexpr std::array<const char*, 5> kChoices = {"monochrome", "4 grey", "16 grey",
                                                            "256 Colors", "64k Colors"};
    return index >= 0 && index < int32_t(kChoices.size()) ? kChoices[std::size_t(index)] : nullptr;
}

}  // namespace vantoro
