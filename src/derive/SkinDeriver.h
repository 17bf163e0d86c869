#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/Result.h"
#include "import/ImageQuantiser.h"

namespace vantoro {

class CSkinProject;
struct CSkinField;

// The handheld a variant is made for.
struct CVariantOptions {
    int Resolution = 160;            // the new screen's width and height: 160 or 320
    int Depth = 2;                   // bits per pixel: 1, 2, 4 (greys), 8 (palette) or 16
    CDither Dither = CDither::None;  // how colours the new depth lacks are mixed
    std::string Name;                // the variant's skin name; empty: VariantName()
};

// What could not be carried over exactly, named as the user knows it ("Title Bar",
// "Location") so a list of them reads like the check's.
struct CVariantWarning {
    std::string Element;
    std::string Field;
    std::string Text;
    // The field as the rule book names it ("TitleBar.Rect"), and the file concerned: the
    // variant's bitmap or project file, or the original's bitmap that could not be read.
    std::string Id;
    std::string File;

    static CVariantWarning For(const CSkinField& field, std::string text, std::string file);
};

struct CVariantResult {
    std::filesystem::path ProjectPath;  // the variant's .skn
    std::vector<CVariantWarning> Warnings;
    std::string Note;  // what a stopped derive into the folder had left and was cleared away
};

// Derives a skin for another screen size or depth from one that exists: every rectangle,
// point and size scaled, every bitmap resampled and mapped to the new depth.
class CSkinDeriver {
public:
    // The original's name with a short suffix that tells the variant ("Nightfall 160 4g"),
    // within the bytes the database keeps for a name.
    static std::string VariantName(const std::string& originalName, const CVariantOptions& options);

    // Writes the variant of `project` (its records as they are now, its bitmaps as its
    // folder holds them) as a new project in `folder`, which is made when missing. Nothing
    // that exists is replaced: a folder holding any file the variant would write is refused
    // with the list of them, which `inTheWay` (when given) receives too.
    static CResult<CVariantResult> Derive(const CSkinProject& project,
                                          const std::filesystem::path& folder,
                                          const CVariantOptions& options,
                                          std::vector<std::string>* inTheWay = nullptr);
};

}  // namespace vantoro
