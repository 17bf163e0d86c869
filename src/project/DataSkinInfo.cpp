#include "DataSkinInfo.h"

#include "ProfileSection.h"

namespace vantoro {
namespace {

constexpr int kDepthCodes[] = {1, 2, 4, 8, 16};

// Codes are taken as they are, even far out of range: wrap instead of overflowing, so
// that loading and saving any number gives that number back.
int AddWrapping(int value, int delta) {
    return int(unsigned(value) + unsigned(delta));
}

}  // namespace

int CDataSkinInfo::DepthIndexOf(int depth) {
    for (int i = 0; i < 5; ++i) {
        if (kDepthCodes[i] == depth) return i;
    }
    return 0;
}

void CDataSkinInfo::ExchangeKeys(CProfileSection& keys) {
    if (!keys.Loading()) {
        Reso = AddWrapping(ResoIndex, 1);
        if (DepthIndex >= 0 && DepthIndex < 5) Depth = kDepthCodes[DepthIndex];
    }
    CData::ExchangeKeys(keys);
    if (keys.Loading() && keys.Ok()) {
        Version = "1.0";
        ResoIndex = AddWrapping(Reso, -1);
        DepthIndex = DepthIndexOf(Depth);
    }
}

}  // namespace vantoro
