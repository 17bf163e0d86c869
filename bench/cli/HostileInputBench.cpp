// What crafted input costs the command line: the worst a database can ask of info (every
// family as large as the decoder takes, far more than the decoding limit) and a BMP whose
// header claims 128 MiB. Both should stay in the milliseconds the limit allows.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "DIBSectionLite.h"
#include "InfoCommand.h"

using namespace vantoro;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<uint8_t>;

void Put16(Bytes& out, unsigned value) {
    out.push_back(uint8_t(value >> 8));
    out.push_back(uint8_t(value));
}

// A 2048x2048 1-bit version 2 bitmap, every row one PackBits run pair: 4 bytes a row.
Bytes Member(bool last) {
    Bytes rows;
    for (int y = 0; y < 2048; ++y) rows.insert(rows.end(), {0x81, 0x00, 0x81, 0x00});
    Bytes member;
    Put16(member, 2048);
    Put16(member, 2048);
    Put16(member, 256);     // row bytes
    Put16(member, 0x8000);  // compressed
    member.insert(member.end(), {1, 2});
    const size_t size = 16 + 2 + rows.size();
    Put16(member, last ? 0 : unsigned((size + 3) / 4));
    member.insert(member.end(), {0, 2, 0, 0});  // PackBits
    Put16(member, unsigned(rows.size() + 2));
    member.insert(member.end(), rows.begin(), rows.end());
    if (!last) member.resize((member.size() + 3) & ~size_t(3), 0);
    return member;
}

// `count` Tbmp resources, each a family of 64 such members.
std::string WorstDatabase(int count) {
    Bytes family;
    for (int i = 0; i < 64; ++i) {
        const Bytes m = Member(i == 63);
        family.insert(family.end(), m.begin(), m.end());
    }
    Bytes db(78, 0);
    const char name[] = "Worst";
    std::copy(name, name + 5, db.begin());
    db[33] = 1;  // a resource database
    const char codes[] = "SKINKrdo";
    std::copy(codes, codes + 8, db.begin() + 60);
    db[76] = uint8_t(count >> 8);
    db[77] = uint8_t(count);
    const size_t data = 78 + 10 * size_t(count) + 2;
    for (int i = 0; i < count; ++i) {
        db.insert(db.end(), {'T', 'b', 'm', 'p'});
        Put16(db, unsigned(3000 + i));
        const size_t at = data + family.size() * size_t(i);
        for (int k = 3; k >= 0; --k) db.push_back(uint8_t(at >> (8 * k)));
    }
    db.insert(db.end(), {0, 0});
    for (int i = 0; i < count; ++i) db.insert(db.end(), family.begin(), family.end());
    const std::string path = (fs::temp_directory_path() / "vantoro-bench-worst.PDB").string();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(db.data()), std::streamsize(db.size()));
    return path;
}

void BM_InfoOnTheWorstDatabase(benchmark::State& state) {
    const std::string path = WorstDatabase(int(state.range(0)));
    for (auto _ : state) {
        std::ostringstream out, err;
        if (RunInfoCommand({path}, out, err) != 0) {
            state.SkipWithError(err.str().c_str());
            break;
        }
        // Past the limit the rest is refused, not decoded.
        if (state.range(0) > 1 && out.str().find("not decoded") == std::string::npos) {
            state.SkipWithError("nothing was refused for the limit");
            break;
        }
    }
    fs::remove(path);
}
BENCHMARK(BM_InfoOnTheWorstDatabase)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);

void BM_LoadABmpThatClaimsMoreThanItHolds(benchmark::State& state) {
    // 8192x4096 at 32 bits in the header, one byte of pixels in the file.
    const uint8_t bytes[55] = {'B', 'M', 55, 0, 0,    0, 0, 0, 0,    0, 54, 0, 0, 0,  40,
                               0,   0,   0,  0, 0x20, 0, 0, 0, 0x10, 0, 0,  1, 0, 32, 0};
    const std::string path = (fs::temp_directory_path() / "vantoro-bench-claims.bmp").string();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes), 55);
    for (auto _ : state) {
        CDIBSectionLite dib;
        benchmark::DoNotOptimize(dib.Load(path));
    }
    fs::remove(path);
}
BENCHMARK(BM_LoadABmpThatClaimsMoreThanItHolds)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
