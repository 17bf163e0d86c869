#include "ColourDepth.h"

namespace vantoro {

const std::array<CColourDepth, 5>& CColourDepth::All() {
    static const std::array<CColourDepth, 5> kDepths = {
        CColourDepth(1, "monochrome", true, 0), CColourDepth(2, "4 grey", true, 1),
        CColourDepth(4, "16 grey", true, 2), CColourDepth(8, "256 Colors", false, 3),
        CColourDepth(16, "64k Colors", false, 4)};
    return kDepths;
}

std::optional<CColourDepth> CColourDepth::FromCode(int code) {
    for (const CColourDepth& depth : All())
        if (depth.Code() == code) return depth;
    return std::nullopt;
}

std::optional<CColourDepth> CColourDepth::FromIndex(int index) {
    if (index < 0 || index >= int(All().size())) return std::nullopt;
    return All()[size_t(index)];
}

std::string CColourDepth::CodesText(const char* lastJoin) {
    std::string text;
    for (const CColourDepth& depth : All()) {
        if (!text.empty()) text += depth.Index() + 1 == int(All().size()) ? lastJoin : ", ";
        text += std::to_string(depth.Code());
    }
    return text;
}

}  // namespace vantoro
