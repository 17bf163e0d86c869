// Any bytes as one Tbmp resource: the decoder either yields members that are whole and
// inside the resource, or refuses with a message naming a byte of it.

#include <string>
#include <vector>

#include "FuzzScratch.h"
#include "PalmBitmapDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vantoro;
    // A copy of its exact size, so the sanitizer sees any read past the resource.
    const std::vector<uint8_t> resource(data, data + size);
    std::vector<brres::PalmBitmap> members;
    std::string error;
    const bool whole = brres::PalmBitmapDecoder::Decode(resource.data(), resource.size(), "Tbmp 1",
                                                        members, error);
    fuzz::Check(whole ? error.empty() : error.rfind("Tbmp 1, byte ", 0) == 0);
    fuzz::Check(!whole || !members.empty());
    for (const brres::PalmBitmap& bitmap : members) {
        fuzz::Check(bitmap.offset < size);
        fuzz::Check(bitmap.values.size() == size_t(bitmap.width) * size_t(bitmap.height));
        fuzz::Check(bitmap.Argb().size() == bitmap.values.size());
    }
    return 0;
}
