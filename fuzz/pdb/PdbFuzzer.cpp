// Any bytes as a database for vantoro-cli info: the reader, the bitmap decoder and the
// summaries must refuse what they cannot read and never read outside the file.

#include <sstream>

#include "FuzzScratch.h"
#include "InfoCommand.h"
#include "PalmBitmapDecoder.h"
#include "PdbReader.h"

using namespace vantoro;
using brres::PdbReader;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> bytes(data, data + size);
    PdbReader::Database database;
    std::string error;
    if (PdbReader::Parse(bytes, database, error)) {
        for (const PdbReader::Resource& resource : database.resources) {
            fuzz::Check(resource.data >= bytes.data() &&
                        resource.data + resource.size <= bytes.data() + bytes.size());
            if (resource.type != "Tbmp" && resource.type != "tAIB") continue;
            std::vector<brres::PalmBitmap> members;
            const bool whole = brres::PalmBitmapDecoder::Decode(resource.data, resource.size,
                                                                resource.Name(), members, error);
            fuzz::Check(whole || !error.empty());
            for (const brres::PalmBitmap& bitmap : members)
                fuzz::Check(bitmap.values.size() == size_t(bitmap.width) * size_t(bitmap.height));
        }
    } else {
        fuzz::Check(!error.empty());
    }

    const std::string path = fuzz::WriteScratch(
        "input.PDB", std::string_view(reinterpret_cast<const char*>(data), size));
    std::ostringstream out;
    std::ostringstream err;
    const int result = RunInfoCommand({path}, out, err);
    fuzz::Check(result == 0 || result == 1);
    return 0;
}
