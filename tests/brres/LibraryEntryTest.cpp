#include <gtest/gtest.h>

#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#include "TestSupport.h"

using namespace brres_test;

namespace {

using Entry = int (*)(int, char**);

// Loads the built library the way the editor does and looks up its entry.
class LoadedLibrary {
public:
    explicit LoadedLibrary(const char* path) {
#ifdef _WIN32
        // The loader wants backslashes in a path.
        std::string native = path;
        for (char& c : native) {
            if (c == '/') c = '\\';
        }
        handle_ = LoadLibraryA(native.c_str());
        // By way of void (*)(): the one function type a cast to any other is meant to go through.
        if (handle_)
            entry_ = reinterpret_cast<Entry>(
                reinterpret_cast<void (*)()>(GetProcAddress(static_cast<HMODULE>(handle_), "main")));
#else
        handle_ = dlopen(path, RTLD_NOW | RTLD_LOCAL);
        if (handle_) entry_ = reinterpret_cast<Entry>(dlsym(handle_, "main"));
#endif
    }
    ~LoadedLibrary() {
#ifdef _WIN32
        if (handle_) FreeLibrary(static_cast<HMODULE>(handle_));
#else
        if (handle_) dlclose(handle_);
#endif
    }
    Entry Main() const { return entry_; }

private:
    void* handle_ = nullptr;
    Entry entry_ = nullptr;
};

int Call(Entry entry, std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    return entry(int(argv.size()), argv.data());
}

}  // namespace

TEST(LibraryEntry, TheBuildsCallWritesTheDatabase) {
    TempFolder folder;
    WriteFile("w.bmp", SolidBmp24(3, 3, 0x00FF00));
    WriteText("_script.txt", "BITMAPCOLOR ID 3001 \"w.bmp\" \r\nINTEGER ID 3001 VALUE 1\r\n");
    const std::string database = (folder.Path() / "Blue.PDB").string();

    LoadedLibrary library(BRRES_LIBRARY_PATH);
    ASSERT_NE(library.Main(), nullptr);
    EXPECT_EQ(Call(library.Main(), BuildArgs(database)), 0);
    const Bytes db = ReadFile(database);
    ASSERT_EQ(db.size(), 78u + 20u + 2u + (16u + 4u * 3u) + 4u);
    EXPECT_EQ(Bytes(db.begin() + 60, db.begin() + 68), (Bytes{'S', 'K', 'I', 'N', 'K', 'r', 'd', 'o'}));
    // Green (0,255,0) is entry 210 of the system palette.
    EXPECT_EQ(db[100 + 16], 210);

    // A second call in the same process starts afresh.
    WriteText("_script.txt", "BOGUS\n");
    EXPECT_NE(Call(library.Main(), BuildArgs(database)), 0);
    EXPECT_EQ(ReadFile(database), db);
}
