#pragma once

#include <string>
#include <string_view>

#include "ArtworkImport.h"
#include "ImageQuantiser.h"

class QImage;

namespace vantoro {

class CSkinProject;
struct CSkinField;

struct CImportOptions {
    CDither Dither = CDither::None;
    // Cut or pad (with transparent pixels) to the size the element draws, top-left kept.
    bool Fit = false;
};

// Brings a picture drawn in a painting program into a bitmap of a skin, in one step: the
// colours mapped to the skin's depth (the nearest the handheld shows, dithered when asked),
// written as the BMP the field names, and for an element with a mask, the mask from the
// picture's alpha. A mask field itself takes the alpha, or the brightness of an opaque
// picture.
//
// Compute works everything out and refuses what the compiler would refuse without touching
// a file; Write then writes the files; Undo puts back what they held. The fields an import
// sets (an empty field names the file written for it) are the caller's to set: the editor
// through its undo command, the command line with SetFields and a save.
class CArtworkImporter {
public:
    // The field the project file names "Section.Key" ("TitleBar.BmpMask", "AppView.Rect"),
    // or the field of that id ("AppList.Rect"); any kind. Null when there is none.
    static const CSkinField* FindField(std::string_view name);

    bool Compute(const CSkinProject& project, const CSkinField& field, const std::string& imagePath,
                 const CImportOptions& options, CArtworkImport& result);
    // The same for a picture already read; `imageName` names it in messages.
    bool Compute(const CSkinProject& project, const CSkinField& field, const QImage& image,
                 const std::string& imageName, const CImportOptions& options,
                 CArtworkImport& result);

    // Why the bitmaps `import` writes could not be built (more bytes than a handheld resource
    // holds), as a sentence naming the field; empty when they fit.
    static std::string Oversize(const CSkinProject& project, const CArtworkImport& import);

    // Writes every file of `import`, each whole, first taking what they hold now as the
    // state to undo to. On failure nothing is changed, and `error` names the file.
    static bool Write(CArtworkImport& import, std::string* error);
    // Puts every file back as it was before Write: its old bytes, or no file.
    static bool Undo(const CArtworkImport& import, std::string* error);
    // Sets the fields the import changes in `project`'s records: their new values, or with
    // `undo` the old ones.
    static void SetFields(CSkinProject& project, const CArtworkImport& import, bool undo = false);

    const std::string& LastError() const { return m_lastError; }

private:
    bool Fail(const std::string& message);

    std::string m_lastError;
};

}  // namespace vantoro
