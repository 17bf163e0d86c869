#include "PropertyItemListDepth.h"

#include <optional>

#include "ColourDepth.h"

namespace vantoro {

const char* CPropertyItemListDepth::GetChoiceText(int32_t index) const {
    const std::optional<CColourDepth> depth = CColourDepth::FromIndex(index);
    return depth ? depth->Name() : nullptr;
}

}  // namespace vantoro
