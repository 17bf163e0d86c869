#include "Resolution.h"

namespace vantoro {

const std::array<CResolution, 2>& CResolution::All() {
    static const std::array<CResolution, 2> kResolutions = {CResolution(1, 160, "160x160 pixels"),
                                                            CResolution(2, 320, "320x320 pixels")};
    return kResolutions;
}

std::optional<CResolution> CResolution::FromCode(int code) {
    for (const CResolution& reso : All())
        if (reso.Code() == code) return reso;
    return std::nullopt;
}

std::optional<CResolution> CResolution::FromIndex(int index) {
    if (index < 0 || index >= int(All().size())) return std::nullopt;
    return All()[size_t(index)];
}

std::optional<CResolution> CResolution::FromSide(int side) {
    for (const CResolution& reso : All())
        if (reso.Side() == side) return reso;
    return std::nullopt;
}

int CResolution::DrawingSide(int code) {
    const std::optional<CResolution> reso = FromCode(code);
    return reso ? reso->Side() : All()[0].Side();
}

std::string CResolution::SidesText(const char* lastJoin) {
    std::string text;
    for (const CResolution& reso : All()) {
        if (!text.empty()) text += reso.Index() + 1 == int(All().size()) ? lastJoin : ", ";
        text += std::to_string(reso.Side());
    }
    return text;
}

}  // namespace vantoro
