#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ProfileOddities.h"
#include "PropertyValue.h"
#include "SkinFields.h"
#include "SkinProblem.h"
#include "UnkeptText.h"

namespace vantoro {

class CBitmapCache;
class CSkinProject;

// Every rule a skin's values and files must keep, each with its severity, for every part
// that judges them: the grid refuses a value that breaks an error rule where it is typed,
// `check` lists what is found, and Build Skin stops on an error. Errors are what the
// compiler, the database or the platform cannot hold; warnings are the help texts' advice
// and what the launcher would draw off its screen or at the wrong size.
class CRuleBook {
public:
    // The word lists keep every number in a 16-bit word, and the launcher reads them as
    // signed screen coordinates. The editor's one copy of that range: everything on this
    // side (the rules, the deriver's scaling) reads it here. The compiler library keeps its
    // own, wider one (a word read signed or unsigned), as it depends on nothing of ours.
    static constexpr int32_t kWordMin = -32768;
    static constexpr int32_t kWordMax = 32767;
    // The compiler refuses wider or taller bitmaps (its reader says so).
    static constexpr int kMaxBitmapSide = 4096;
    // The database's name field holds 31 bytes and its end.
    static constexpr size_t kMaxSkinNameBytes = 31;
    // The longest path Windows takes without its long-path prefix.
    static constexpr size_t kMaxPathLength = 259;
    // The compiler warns about larger resources: the handheld's records hold no more.
    static constexpr size_t kMaxResourceBytes = 65505;

    // With a cache of its own: each file is read once for this rule book's checks.
    CRuleBook();
    // With the window's (or the run's) cache, shared with the preview and the build.
    explicit CRuleBook(CBitmapCache& bitmaps);
    ~CRuleBook();

    // Everything: every value, every bitmap file, the database path.
    std::vector<CSkinProblem> Check(const CSkinProject& project);
    // What Check finds about one element's fields. No rule looks across elements but
    // through the skin's own settings (SkinInfo), so after an edit elsewhere only that
    // element needs judging again.
    std::vector<CSkinProblem> CheckElement(const CSkinProject& project, CSkinElement element);

    // The value rules of `field` as if it held `value`, held to what an entry can express:
    // what a change is refused for (errors) or marked with (warnings). No file is read.
    static std::vector<CSkinProblem> Judge(const CSkinProject& project, const CSkinField& field,
                                           const CFieldValue& value);
    // The first error of that Judge, as the sentence to show; empty when the value may go in.
    static std::string Refusal(const CSkinProject& project, const CSkinField& field,
                               const CFieldValue& value);

    // The value rules of `element`'s row `itemId`, as if it held `value`: what an entry
    // is refused for (errors) or marked with (warnings). The files it names are not read.
    static std::vector<CSkinProblem> Judge(const CSkinProject& project, CSkinElement element,
                                           uint8_t itemId, const CPropertyValue& value);
    // The first error of Judge, as the sentence to show; empty when the value may go in.
    static std::string Refusal(const CSkinProject& project, CSkinElement element, uint8_t itemId,
                               const CPropertyValue& value);

    // Why `name` cannot name a skin (the database and its file); empty when it can. The
    // name is in the project's code page, Windows-1252, one byte a character, as the
    // database's 31-byte name field takes it.
    static std::string SkinNameProblem(const std::string& name);
    // The bytes the bitmap of `field`, width x height, takes as a resource of the database
    // at the skin's depth; 0 where it is not one resource (the tiled 320x320 wall paper) or
    // the depth is unknown.
    static size_t ResourceBytes(const CSkinProject& project, const CSkinField& field, int width,
                                int height);
    // The width and height `field`'s bitmap must have in a skin of resolution code `reso`
    // (the wall paper, the previews); 0 where its rule sets none.
    static int ExpectedSide(const CSkinField& field, int reso);
    // The database Build Skin writes: the project folder, the skin name and ".PDB".
    static std::string DatabasePath(const CSkinProject& project);

    // What the project file's own text holds that its values do not show.
    struct CFileText {
        std::vector<CUnkeptCharacter> Unkept;
        std::vector<CProfileOddity> Oddities;
    };
    static CFileText FileTextOf(const CSkinProject& project);
    // CheckElement with the project file's text already read: whoever judges every element
    // reads the file once for all of them.
    std::vector<CSkinProblem> CheckElement(const CSkinProject& project, CSkinElement element,
                                           const CFileText& text);

private:
    static std::string FirstError(const std::vector<CSkinProblem>& problems);

    std::unique_ptr<CBitmapCache> m_own;
    CBitmapCache& m_bitmaps;
};

}  // namespace vantoro
