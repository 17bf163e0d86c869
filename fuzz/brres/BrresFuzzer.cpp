// Any bytes as a resource script with bitmaps beside it: the input is cut at "\n#BMP#\n",
// the first part is the script and the others are a.bmp, b.bmp and c.bmp. The compiler
// either writes a database that reads back whole, or fails and leaves none.

#include <filesystem>
#include <sstream>

#include "Compiler.h"
#include "FuzzScratch.h"
#include "PdbReader.h"

using namespace vantoro;
using brres::PdbReader;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto parts =
        fuzz::Split(std::string_view(reinterpret_cast<const char*>(data), size), "\n#BMP#\n");
    const std::filesystem::path folder = fuzz::ScratchFolder();
    std::filesystem::current_path(folder);
    std::filesystem::remove(folder / "out.PDB");
    fuzz::WriteScratch("_script.txt", parts[0]);
    const char* names[] = {"a.bmp", "b.bmp", "c.bmp"};
    for (size_t i = 0; i < 3; ++i) {
        if (i + 1 < parts.size()) {
            fuzz::WriteScratch(names[i], parts[i + 1]);
        } else {
            std::filesystem::remove(folder / names[i]);
        }
    }

    std::ostringstream out;
    std::ostringstream err;
    const int result =
        brres::Compiler(out, err).Run({"-q", "-creator", "Krdo", "-name", "Fuzz", "-type", "SKIN",
                                       "-o", "out.PDB", "-ro", "_script.txt"});
    const bool written = std::filesystem::exists(folder / "out.PDB");
    if (result != 0) {
        fuzz::Check(!written);
        fuzz::Check(!err.str().empty());
        return 0;
    }
    fuzz::Check(written);
    std::ifstream in(folder / "out.PDB", std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
    PdbReader::Database database;
    std::string error;
    fuzz::Check(PdbReader::Parse(bytes, database, error));
    fuzz::Check(database.name == "Fuzz" && database.type == "SKIN" && database.creator == "Krdo");
    return 0;
}
