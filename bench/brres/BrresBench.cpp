// Conversion speed per depth and whole-skin compile time, on the sample skins of examples/
// and on generated artwork: a 320x320 wall paper with smooth gradients and shapes, and a
// noisy variant with tens of thousands of distinct colours like a scanned photo. The
// compiler's own path starts from a BMP file's stored rows, of every kind a skin may hold;
// large 16-bit compiles (forty wall papers, one 2000x2000 bitmap) time the direct-colour
// path and the writing of the database together.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "BmpReader.h"
#include "ByteSink.h"
#include "Compiler.h"
#include "RgbImage.h"
#include "TbmpEncoder.h"

namespace {

namespace fs = std::filesystem;

uint8_t Clamp(double v) {
    return static_cast<uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
}

vantoro::RgbImage Artwork(int width, int height, bool noisy, unsigned seed = 1) {
    vantoro::RgbImage image(width, height);
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> noise(-24, 24);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double dx = x - width * 0.6, dy = y - height * 0.4;
            const double ring = std::sin(std::sqrt(dx * dx + dy * dy) / 9.0);
            double r = 40 + 180.0 * y / height + 30 * ring;
            double g = 90 + 120.0 * x / width;
            double b = 200 - 150.0 * (x + y) / (width + height) + 25 * ring;
            if ((x / 40 + y / 40) % 5 == 0) r = 230, g = 200, b = 40;  // flat shapes
            if (noisy) r += noise(random), g += noise(random), b += noise(random);
            image.SetPixel(x, y, vantoro::RgbImage::Rgb(Clamp(r), Clamp(g), Clamp(b)));
        }
    }
    return image;
}

// The image as a bottom-up BMP file of `bits` per pixel: 16 is 5-6-5 by its masks, 15 is
// 5-5-5 without; 8 keeps the image's first 256 colours in the table (the rest map to 0).
std::vector<uint8_t> BmpOf(const vantoro::RgbImage& image, int bits) {
    const int stored = bits == 15 ? 16 : bits;
    const uint32_t masks = bits == 16 ? 12 : 0;
    const uint32_t table = bits == 8 ? 1024 : 0;
    const uint32_t offset = 54 + masks + table;
    const uint32_t stride = (uint32_t(image.Width()) * uint32_t(stored) / 8 + 3) & ~3u;
    const uint32_t size = stride * uint32_t(image.Height());
    std::vector<uint8_t> file(offset + size, 0);
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) file[at + size_t(i)] = uint8_t(v >> (8 * i));
    };
    file[0] = 'B', file[1] = 'M';
    put32(2, offset + size);
    put32(10, offset);
    put32(14, 40);
    put32(18, uint32_t(image.Width()));
    put32(22, uint32_t(image.Height()));
    file[26] = 1, file[28] = uint8_t(stored);
    put32(30, masks ? 3 : 0);
    put32(34, size);
    if (masks) put32(54, 0xF800), put32(58, 0x07E0), put32(62, 0x001F);
    std::map<uint32_t, uint8_t> colours;
    for (int y = 0; y < image.Height(); ++y) {
        uint8_t* row = file.data() + offset + size_t(image.Height() - 1 - y) * stride;
        for (int x = 0; x < image.Width(); ++x) {
            const uint32_t c = image.Pixel(x, y);
            const uint32_t r = c >> 16 & 0xFF, g = c >> 8 & 0xFF, b = c & 0xFF;
            uint32_t v = 0;
            switch (bits) {
                case 8: {
                    const auto it = colours.find(c);
                    if (it != colours.end()) {
                        v = it->second;
                    } else if (colours.size() < 256) {
                        v = colours.size();
                        put32(54 + 4 * v, c);
                        colours.emplace(c, uint8_t(v));
                    }
                    break;
                }
                case 15:
                    v = (r >> 3) << 10 | (g >> 3) << 5 | b >> 3;
                    break;
                case 16:
                    v = (r >> 3) << 11 | (g >> 2) << 5 | b >> 3;
                    break;
                default:
                    v = c;
                    break;
            }
            for (int i = 0; i < stored / 8; ++i) row[x * stored / 8 + i] = uint8_t(v >> (8 * i));
        }
    }
    return file;
}

std::vector<uint8_t> Bmp24(const vantoro::RgbImage& image) {
    return BmpOf(image, 24);
}

void SetMpixelRate(benchmark::State& state, int64_t pixels) {
    state.counters["Mpixel/s"] = benchmark::Counter(
        double(pixels) * double(state.iterations()) / 1e6, benchmark::Counter::kIsRate);
}

void BM_ConvertWallPaper(benchmark::State& state) {
    const int depth = int(state.range(0));
    const bool noisy = state.range(1) != 0;
    const vantoro::RgbImage image = Artwork(320, 320, noisy);
    for (auto _ : state) benchmark::DoNotOptimize(brres::TbmpEncoder::Encode(image, depth));
    SetMpixelRate(state, 320 * 320);
    state.SetLabel(noisy ? "noisy photo" : "drawn art");
}
BENCHMARK(BM_ConvertWallPaper)
    ->ArgNames({"depth", "noisy"})
    ->ArgsProduct({{1, 2, 4, 8, 16}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

void BM_DecodeBmp24(benchmark::State& state) {
    const std::vector<uint8_t> file = Bmp24(Artwork(320, 320, true));
    for (auto _ : state) benchmark::DoNotOptimize(vantoro::BmpReader::Decode(file));
    SetMpixelRate(state, 320 * 320);
}
BENCHMARK(BM_DecodeBmp24)->Unit(benchmark::kMicrosecond);

class CountingSink : public brres::ByteSink {
public:
    void Write(const uint8_t*, size_t size) override { bytes += size; }
    size_t bytes = 0;
};

// The compiler's own path: the rows of a BMP file as stored, straight to Tbmp rows.
void BM_ConvertBmp(benchmark::State& state) {
    const int bits = int(state.range(0));
    const int depth = int(state.range(1));
    const std::vector<uint8_t> file = BmpOf(Artwork(320, 320, false), bits);
    const vantoro::BmpImage image = vantoro::BmpReader::View(file);
    CountingSink sink;
    for (auto _ : state) brres::TbmpEncoder::Encode(image.Rows(), depth, sink);
    benchmark::DoNotOptimize(sink.bytes);
    SetMpixelRate(state, 320 * 320);
    state.SetLabel(bits == 15 ? "5-5-5 source" : bits == 16 ? "5-6-5 source" : "");
}
BENCHMARK(BM_ConvertBmp)
    ->ArgNames({"bits", "depth"})
    ->ArgsProduct({{8, 15, 16, 24, 32}, {1, 8, 16}})
    ->Unit(benchmark::kMicrosecond);

void CompileIn(benchmark::State& state, const fs::path& folder);

// A 320x320 skin shaped like the build's own output: the four wall paper tiles and the
// element bitmaps of their usual sizes, 26 bitmaps, five values, fifteen word lists.
class SkinFolder {
public:
    explicit SkinFolder(int depth) {
        folder_ = fs::temp_directory_path() / ("brres-bench-skin-" + std::to_string(depth));
        fs::create_directories(folder_);
        const std::string keyword = depth == 1   ? "BITMAP"
                                    : depth == 2 ? "BITMAPGREY"
                                    : depth == 4 ? "BITMAPGREY16"
                                    : depth == 8 ? "BITMAPCOLOR"
                                                 : "BITMAPCOLOR16K";
        std::ostringstream script;
        const vantoro::RgbImage wall = Artwork(320, 320, false);
        for (int tile = 0; tile < 4; ++tile) {
            vantoro::RgbImage part(160, 160);
            for (int y = 0; y < 160; ++y) {
                for (int x = 0; x < 160; ++x)
                    part.SetPixel(x, y, wall.Pixel(x + 160 * (tile % 2), y + 160 * (tile / 2)));
            }
            const std::string name = "__bkg" + std::to_string(tile + 1) + ".bmp";
            Write(name, Bmp24(part));
            script << keyword << " ID " << 3001 + tile << " \"" << name << "\" \r\n";
        }
        const struct {
            int id;
            int w;
            int h;
            bool mask;
        } elements[] = {
            {3021, 320, 30, false}, {3041, 320, 30, false}, {3026, 24, 24, false},
            {3027, 24, 24, true},   {3030, 40, 20, false},  {3043, 320, 26, false},
            {3044, 320, 26, true},  {3045, 80, 80, false},  {3054, 80, 80, false},
            {3046, 220, 22, false}, {3047, 220, 22, true},  {3048, 180, 22, false},
            {3049, 180, 22, true},  {3050, 200, 22, false}, {3051, 14, 200, false},
            {3052, 22, 22, false},  {3053, 22, 22, true},
        };
        unsigned seed = 2;
        for (const auto& e : elements) {
            const std::string name = "bmp\\Element" + std::to_string(e.id) + ".BMP";
            Write("bmp/Element" + std::to_string(e.id) + ".BMP",
                  Bmp24(Artwork(e.w, e.h, false, seed++)));
            script << (e.mask ? "BITMAP" : keyword) << " ID " << e.id << " \"" << name << "\" \r\n";
        }
        script << "INTEGER ID 3001 VALUE 2\r\nINTEGER ID 3002 VALUE " << depth << "\r\n"
               << "STRING ID 3001 \"1.0\"\r\nSTRING ID 3002 \"Bench\"\r\nSTRING ID 3003 \"A "
                  "comment\"\r\n";
        for (int id : {3002, 3004, 3005, 3006, 3007, 3008, 3009, 3010, 3011, 3012, 3013, 3014, 3015,
                       3016, 3017}) {
            script << "WORDLIST ID " << id
                   << "\r\nBEGIN\r\n\t0 290 320 30 0 0 0 0 0 0 0 0 0\r\nEND\r\n";
        }
        const std::string text = script.str();
        Write("_script.txt", std::vector<uint8_t>(text.begin(), text.end()));
    }
    ~SkinFolder() {
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }
    const fs::path& Path() const { return folder_; }

private:
    void Write(const std::string& name, const std::vector<uint8_t>& bytes) {
        const fs::path path = folder_ / name;
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    fs::path folder_;
};

void BM_CompileWholeSkin320(benchmark::State& state) {
    const int depth = int(state.range(0));
    SkinFolder skin(depth);
    CompileIn(state, skin.Path());
}
BENCHMARK(BM_CompileWholeSkin320)
    ->ArgName("depth")
    ->Arg(1)
    ->Arg(2)
    ->Arg(4)
    ->Arg(8)
    ->Arg(16)
    ->Unit(benchmark::kMillisecond);

// `count` bitmaps of `size` x `size` pixels, BMP files of `bits` per pixel (as BmpOf), all
// compiled to 16 bits: the direct-colour path and the database writing of a large skin.
class SixteenBitFolder {
public:
    SixteenBitFolder(int count, int size, int bits) {
        folder_ = fs::temp_directory_path() /
                  ("brres-bench-16-" + std::to_string(count) + "-" + std::to_string(bits));
        fs::create_directories(folder_);
        std::ostringstream script;
        for (int i = 0; i < count; ++i) {
            const std::string name = "b" + std::to_string(i) + ".bmp";
            const std::vector<uint8_t> bytes = BmpOf(Artwork(size, size, false, unsigned(i)), bits);
            std::ofstream(folder_ / name, std::ios::binary)
                .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
            script << "BITMAPCOLOR16K ID " << 3000 + i << " \"" << name << "\" \r\n";
        }
        std::ofstream(folder_ / "_script.txt", std::ios::binary) << script.str();
    }
    ~SixteenBitFolder() {
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }
    const fs::path& Path() const { return folder_; }

private:
    fs::path folder_;
};

void BM_CompileFortyWallPapers16(benchmark::State& state) {
    SixteenBitFolder folder(40, 320, int(state.range(0)));
    CompileIn(state, folder.Path());
    SetMpixelRate(state, 40 * 320 * 320);
}
BENCHMARK(BM_CompileFortyWallPapers16)
    ->ArgName("bits")
    ->Arg(16)
    ->Arg(24)
    ->Unit(benchmark::kMillisecond);

void BM_CompileLargeBitmap16(benchmark::State& state) {
    SixteenBitFolder folder(1, 2000, int(state.range(0)));
    CompileIn(state, folder.Path());
    SetMpixelRate(state, 2000 * 2000);
}
BENCHMARK(BM_CompileLargeBitmap16)
    ->ArgName("bits")
    ->Arg(16)
    ->Arg(24)
    ->Unit(benchmark::kMillisecond);

// ---- the sample skins in examples/, when they are there -----------------------------------

// A profile file read just far enough for the bench: section -> key -> value.
std::map<std::string, std::map<std::string, std::string>> ReadProfile(const fs::path& path) {
    std::map<std::string, std::map<std::string, std::string>> sections;
    std::ifstream in(path, std::ios::binary);
    std::string line, section;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() > 1 && line[0] == '[') {
            section = line.substr(1, line.find(']') - 1);
        } else if (const size_t eq = line.find('='); eq != std::string::npos) {
            sections[section][line.substr(0, eq)] = line.substr(eq + 1);
        }
    }
    return sections;
}

// A copy of a sample project with the files the build hands the compiler: the script with
// every bitmap line the build writes (and its values), and for 320x320 the four tiles.
class SampleSkin {
public:
    explicit SampleSkin(const std::string& name) {
        const fs::path source = fs::path(VANTORO_EXAMPLES_DIR) / name;
        folder_ = fs::temp_directory_path() / ("brres-bench-sample-" + name);
        std::error_code ec;
        fs::remove_all(folder_, ec);
        fs::copy(source, folder_, fs::copy_options::recursive, ec);
        if (ec) return;
        auto skn = ReadProfile(folder_ / (name + ".skn"));
        const int depth = std::stoi(skn["SkinInfo"]["Depth"]);
        const bool large = skn["SkinInfo"]["Reso"] == "2";
        const std::string keyword = depth == 1   ? "BITMAP"
                                    : depth == 2 ? "BITMAPGREY"
                                    : depth == 4 ? "BITMAPGREY16"
                                    : depth == 8 ? "BITMAPCOLOR"
                                                 : "BITMAPCOLOR16K";
        std::ostringstream script;
        auto line = [&](const std::string& word, int id, const std::string& file) {
            script << word << " ID " << id << " \"" << file << "\" \r\n";
        };
        if (large) {
            const vantoro::RgbImage wall =
                vantoro::BmpReader::ReadFile((folder_ / skn["WallPaper"]["Bmp"]).string());
            for (int tile = 0; tile < 4; ++tile) {
                vantoro::RgbImage part(160, 160);
                for (int y = 0; y < 160; ++y) {
                    for (int x = 0; x < 160; ++x) {
                        part.SetPixel(x, y, wall.Pixel(x + 160 * (tile % 2), y + 160 * (tile / 2)));
                    }
                }
                const std::string tileName = "__bkg" + std::to_string(tile + 1) + ".bmp";
                const std::vector<uint8_t> bytes = Bmp24(part);
                std::ofstream(folder_ / tileName, std::ios::binary)
                    .write(reinterpret_cast<const char*>(bytes.data()),
                           std::streamsize(bytes.size()));
                line(keyword, 3001 + tile, tileName);
            }
        } else {
            line(keyword, 3001, skn["WallPaper"]["Bmp"]);
        }
        const struct {
            int id;
            const char* section;
            const char* key;
            bool mask;
        } bitmaps[] = {
            {3021, "ToolBar", "BmpNormal", false},
            {3041, "ToolBar", "BmpHighlight", false},
            {3026, "ToolBarToggler", "Bmp", false},
            {3027, "ToolBarToggler", "BmpMask", true},
            {3030, "Battery", "Bmp", false},
            {3043, "TitleBar", "Bmp", false},
            {3044, "TitleBar", "BmpMask", true},
            {3045, "Preview", "Preview1", false},
            {3054, "Preview", "Preview2", false},
            {3046, "SystemIcons", "BmpCategories", false},
            {3047, "SystemIcons", "BmpCategoriesMask", true},
            {3048, "SystemIcons", "BmpPopupTools", false},
            {3049, "SystemIcons", "BmpPopupToolsMask", true},
            {3050, "SystemIcons", "BmpMiscIcons", false},
            {3051, "ScrollBar", "Bmp", false},
            {3052, "MaximizeVuzuRuzIcon", "Bmp", false},
            {3053, "MaximizeVuzuRuzIcon", "BmpMask", true},
        };
        for (const auto& b : bitmaps) {
            if (b.id == 3054 && !large) continue;
            line(b.mask ? "BITMAP" : keyword, b.id, skn[b.section][b.key]);
        }
        script << "INTEGER ID 3001 VALUE " << (large ? 2 : 1) << "\r\nINTEGER ID 3002 VALUE "
               << depth << "\r\n"
               << "STRING ID 3001 \"1.0\"\r\nSTRING ID 3002 \"" << skn["SkinInfo"]["Author"]
               << "\"\r\n"
               << "STRING ID 3003 \"" << skn["SkinInfo"]["Comments"] << "\"\r\n";
        for (int id : {3002, 3004, 3005, 3006, 3007, 3008, 3009, 3010, 3011, 3012, 3013, 3014, 3015,
                       3016, 3017}) {
            script << "WORDLIST ID " << id << "\r\nBEGIN\r\n\t0 1 2 3 4 5 6 7\r\nEND\r\n";
        }
        std::ofstream(folder_ / "_script.txt", std::ios::binary) << script.str();
        ready_ = true;
    }
    ~SampleSkin() {
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }
    bool Ready() const { return ready_; }
    const fs::path& Path() const { return folder_; }

private:
    fs::path folder_;
    bool ready_ = false;
};

void CompileIn(benchmark::State& state, const fs::path& folder) {
    const fs::path previous = fs::current_path();
    fs::current_path(folder);
    const std::vector<std::string> args = {"-q",    "-creator",   "Krdo",
                                           "-name", "Bench",      "-type",
                                           "SKIN",  "-o",         (folder / "Bench.PDB").string(),
                                           "-ro",   "_script.txt"};
    std::ostringstream out, err;
    for (auto _ : state) {
        if (brres::Compiler(out, err).Run(args) != 0) {
            state.SkipWithError(err.str().c_str());
            break;
        }
    }
    fs::current_path(previous);
}

void BM_CompileSampleSkin(benchmark::State& state, const std::string& name) {
    SampleSkin skin(name);
    if (!skin.Ready()) {
        state.SkipWithError(("sample " + name + " not found in examples/").c_str());
        return;
    }
    CompileIn(state, skin.Path());
}
BENCHMARK_CAPTURE(BM_CompileSampleSkin, Meadow_160_8bit, std::string("Meadow"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CompileSampleSkin, Nightfall_320_16bit, std::string("Nightfall"))
    ->Unit(benchmark::kMillisecond);

// The 320x320 24-bit wall paper of the Nightfall sample: real artwork.
void BM_ConvertSampleWallPaper(benchmark::State& state) {
    const int depth = int(state.range(0));
    const fs::path path = fs::path(VANTORO_EXAMPLES_DIR) / "Nightfall" / "wallpaper.bmp";
    if (!fs::exists(path)) {
        state.SkipWithError("examples/Nightfall/wallpaper.bmp not found");
        return;
    }
    const vantoro::RgbImage image = vantoro::BmpReader::ReadFile(path.string());
    for (auto _ : state) benchmark::DoNotOptimize(brres::TbmpEncoder::Encode(image, depth));
    SetMpixelRate(state, int64_t(image.Width()) * image.Height());
}
BENCHMARK(BM_ConvertSampleWallPaper)
    ->ArgName("depth")
    ->Arg(1)
    ->Arg(2)
    ->Arg(4)
    ->Arg(8)
    ->Arg(16)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
