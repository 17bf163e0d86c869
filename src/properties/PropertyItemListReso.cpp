#include "PropertyItemListReso.h"

#include <optional>

#include "Resolution.h"

namespace vantoro {

const char* CPropertyItemListReso::GetChoiceText(int32_t index) const {
    const std::optional<CResolution> reso = CResolution::FromIndex(index);
    return reso ? reso->Name() : nullptr;
}

}  // namespace vantoro
