#include "DataSkinInfo.h"

#include <optional>
#include <string_view>

#include "ColourDepth.h"
#include "ProfileSection.h"

namespace vantoro {
namespace {

// Codes are taken as they are, even far out of range: wrap instead of overflowing, so
// that loading and saving any number gives that number back.
int AddWrapping(int value, int delta) {
    return int(unsigned(value) + unsigned(delta));
}

}  // namespace

int CDataSkinInfo::DepthIndexOf(int depth) {
    const std::optional<CColourDepth> known = CColourDepth::FromCode(depth);
    return known ? known->Index() : 0;
}

void CDataSkinInfo::Derive(const CFieldChange& change, std::vector<CFieldChange>& changes) const {
    const std::string_view member = change.Field->Member;
    const int32_t* index = std::get_if<int32_t>(&change.Value);
    if (!index) return;
    const char* code = nullptr;
    int32_t value = 0;
    if (member == "ResoIndex") {
        code = "Reso";
        value = AddWrapping(*index, 1);
    } else if (member == "DepthIndex") {
        if (const std::optional<CColourDepth> depth = CColourDepth::FromIndex(*index)) {
            code = "Depth";
            value = depth->Code();
        }
    }
    if (!code) return;
    CFieldChange& derived = changes.emplace_back();
    derived.Field = CSkinFields::Sibling(*change.Field, code);
    derived.Value.emplace<int32_t>(value);
}

void CDataSkinInfo::ExchangeKeys(CProfileSection& keys) {
    if (!keys.Loading()) {
        Reso = AddWrapping(ResoIndex, 1);
        if (const std::optional<CColourDepth> depth = CColourDepth::FromIndex(DepthIndex))
            Depth = depth->Code();
    }
    CData::ExchangeKeys(keys);
    if (keys.Loading() && keys.Ok()) {
        Version = "1.0";
        ResoIndex = AddWrapping(Reso, -1);
        DepthIndex = DepthIndexOf(Depth);
    }
}

}  // namespace vantoro
