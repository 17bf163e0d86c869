#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#include "Bmp.h"
#include "TempFolder.h"
#include "TestSupport.h"

using namespace brres_test;
using namespace vantoro::test;

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
            entry_ = reinterpret_cast<Entry>(reinterpret_cast<void (*)()>(
                GetProcAddress(static_cast<HMODULE>(handle_), "main")));
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
    Entry Main() const {
        return entry_;
    }
    void* Handle() const {
        return handle_;
    }

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
    folder.MakeCurrent();
    WriteSolidBmp("w.bmp", 3, 3, 0x00FF00, 24);
    WriteText("_script.txt", "BITMAPCOLOR ID 3001 \"w.bmp\" \r\nINTEGER ID 3001 VALUE 1\r\n");
    const std::string database = folder.Path("Blue.PDB");

    LoadedLibrary library(BRRES_LIBRARY_PATH);
    ASSERT_NE(library.Main(), nullptr);
    EXPECT_EQ(Call(library.Main(), BuildArgs(database)), 0);
    const Bytes db = ReadFile(database);
    ASSERT_EQ(db.size(), 78u + 20u + 2u + (16u + 4u * 3u) + 4u);
    EXPECT_EQ(Bytes(db.begin() + 60, db.begin() + 68),
              (Bytes{'S', 'K', 'I', 'N', 'K', 'r', 'd', 'o'}));
    // Green (0,255,0) is entry 210 of the system palette.
    EXPECT_EQ(db[100 + 16], 210);

    // A second call in the same process starts afresh.
    WriteText("_script.txt", "BOGUS\n");
    EXPECT_NE(Call(library.Main(), BuildArgs(database)), 0);
    EXPECT_EQ(ReadFile(database), db);
}

#ifdef _WIN32
namespace {

// Libraries every Windows installation has; the compiler library may need no others.
bool IsSystemLibrary(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
    static const char* const kSystem[] = {"kernel32.dll", "msvcrt.dll",   "ntdll.dll",
                                          "user32.dll",   "advapi32.dll", "ucrtbase.dll"};
    return std::find(std::begin(kSystem), std::end(kSystem), name) != std::end(kSystem) ||
           name.rfind("api-ms-win-", 0) == 0;
}

}  // namespace

// Read from the loaded image's own tables, as the loader reads them.
TEST(LibraryEntry, ExportsMainAloneAndNeedsOnlySystemLibraries) {
    LoadedLibrary library(BRRES_LIBRARY_PATH);
    ASSERT_NE(library.Handle(), nullptr);
    const auto* base = static_cast<const uint8_t*>(library.Handle());
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    ASSERT_EQ(dos->e_magic, IMAGE_DOS_SIGNATURE);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    ASSERT_EQ(nt->Signature, IMAGE_NT_SIGNATURE);
    const IMAGE_DATA_DIRECTORY* directories = nt->OptionalHeader.DataDirectory;

    const IMAGE_DATA_DIRECTORY& exportTable = directories[IMAGE_DIRECTORY_ENTRY_EXPORT];
    ASSERT_NE(exportTable.VirtualAddress, 0u);
    const auto* exports =
        reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + exportTable.VirtualAddress);
    EXPECT_EQ(exports->NumberOfFunctions, 1u);
    std::vector<std::string> names;
    const auto* nameRvas = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
    for (DWORD i = 0; i < exports->NumberOfNames; ++i)
        names.emplace_back(reinterpret_cast<const char*>(base + nameRvas[i]));
    EXPECT_EQ(names, std::vector<std::string>{"main"});
    const auto* functions = reinterpret_cast<const DWORD*>(base + exports->AddressOfFunctions);
    EXPECT_EQ(reinterpret_cast<const void*>(base + functions[0]),
              reinterpret_cast<const void*>(library.Main()));

    const IMAGE_DATA_DIRECTORY& importTable = directories[IMAGE_DIRECTORY_ENTRY_IMPORT];
    std::vector<std::string> imported;
    if (importTable.VirtualAddress != 0) {
        for (const auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(
                 base + importTable.VirtualAddress);
             d->Name != 0; ++d)
            imported.emplace_back(reinterpret_cast<const char*>(base + d->Name));
    }
    EXPECT_FALSE(imported.empty());
    for (const std::string& name : imported)
        EXPECT_TRUE(IsSystemLibrary(name)) << name << " is not part of Windows";
}
#endif
