// Arbitrary bytes as a project file: the parser must keep every byte it does not
// change, read every key it lists, and a whole project load and save must survive it.

#include <QDir>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "ProfileFile.h"
#include "SkinProject.h"

using vantoro::CProfileFile;

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

const std::string& ScratchFile() {
    static QTemporaryDir dir;
    static const std::string path = QDir(dir.path()).filePath("fuzz.skn").toStdString();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    CProfileFile file(bytes);
    Check(file.Bytes() == bytes);
    for (const std::string& section : file.Sections()) {
        for (const std::string& key : file.Keys(section)) {
            const auto value = file.Get(section, key);
            Check(value.has_value());
            Check(value->size() <= CProfileFile::kMaxValueLength);
        }
    }
    file.Set("SkinInfo", "Author", "written back");
    const CProfileFile again(file.Bytes());
    Check(again.Get("SkinInfo", "Author") == "written back");

    {
        std::ofstream out(ScratchFile(), std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), std::streamsize(bytes.size()));
    }
    vantoro::CSkinProject project;
    if (project.LoadProject(ScratchFile())) {
        Check(project.SaveProject().Ok());
        vantoro::CSkinProject reloaded;
        Check(reloaded.LoadProject(ScratchFile()).Ok());
        Check(reloaded.ToolBar.Rect == project.ToolBar.Rect);
        Check(reloaded.SkinInfo.Reso == project.SkinInfo.Reso);
    }
    return 0;
}
