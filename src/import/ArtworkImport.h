#pragma once

#include <string>
#include <vector>

namespace vantoro {

struct CSkinField;

// One bitmap file an import writes: what it held before and what it holds after.
struct CImportedFile {
    const CSkinField* Field = nullptr;  // the field that names it
    std::string Name;                   // as the field names it, relative to the project folder
    std::string Path;                   // where it is
    std::string NewBytes;
    // Before the import: whether the file was there, and what it held. Write() sets them
    // again from the disk just before it writes, so an undo puts back what was really there.
    bool Existed = false;
    std::string OldBytes;
};

// A field the import sets: an empty bitmap field that now names the file written for it.
struct CImportedField {
    const CSkinField* Field = nullptr;
    std::string OldValue;
    std::string NewValue;
};

// Everything an import of one picture into one bitmap field changes, worked out before
// anything is written: enough to write it, and to undo and redo it as one edit.
struct CArtworkImport {
    const CSkinField* Field = nullptr;  // the field imported into
    std::string Project;                // the project file: its lock and journal lie beside it
    std::string Image;                  // the picture's path, or the name it came by
    int Width = 0;                      // the size written
    int Height = 0;
    // The field's bitmap first, then the mask made from the picture's alpha, if any.
    std::vector<CImportedFile> Files;
    std::vector<CImportedField> Fields;
    // What the user should know that is not a problem of the skin ("The picture was cut to
    // 160x16 pixels.").
    std::vector<std::string> Notes;
};

}  // namespace vantoro
