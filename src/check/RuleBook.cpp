#include "RuleBook.h"

#include <QImage>
#include <algorithm>
#include <array>
#include <bit>
#include <cctype>
#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

#include "BitmapCache.h"
#include "ColourDepth.h"
#include "FileNameResolver.h"
#include "ProfileFile.h"
#include "ProfileStore.h"
#include "ProjectPath.h"
#include "Resolution.h"
#include "SkinProject.h"
#include "TextCodec.h"
#include "UnkeptText.h"
#include "WriteRule.h"

namespace vantoro {
namespace {

using S = CSkinProblem::Severity;

CFieldValue ValueOf(const CSkinProject& project, const CSkinField& field) {
    return project.Element(field.Element).Get(field);
}

std::string SizeText(int64_t w, int64_t h) {
    return std::to_string(w) + "x" + std::to_string(h);
}

// The screen's side, or 0 for a code outside the table: then nothing is judged against a
// screen, and the code itself is the finding (ResoCode).
int ScreenSize(int reso) {
    const std::optional<CResolution> known = CResolution::FromCode(reso);
    return known ? known->Side() : 0;
}

bool IsKnownDepth(int depth) {
    return CColourDepth::FromCode(depth).has_value();
}

// Names Windows keeps for its devices, with or without an extension. The superscript
// digits (Windows-1252 0xB9, 0xB2, 0xB3) count as digits there too.
bool IsReservedName(std::string_view name) {
    std::string stem(name.substr(0, name.find('.')));
    while (!stem.empty() && stem.back() == ' ') stem.pop_back();
    for (char& c : stem) c = char(std::toupper(static_cast<unsigned char>(c)));
    static const char* const kNames[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    for (const char* reserved : kNames)
        if (stem == reserved) return true;
    if (stem.size() != 4 || (stem.rfind("COM", 0) != 0 && stem.rfind("LPT", 0) != 0)) return false;
    const unsigned char digit = static_cast<unsigned char>(stem[3]);
    return (digit >= '1' && digit <= '9') || digit == 0xB9 || digit == 0xB2 || digit == 0xB3;
}

// Control characters, and the five bytes Windows-1252 leaves without a character.
bool IsNoCharacter(unsigned char c) {
    return c < 0x20 || c == 0x7F || c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
}

// The files a build writes into the project folder, each with what it is. The names are
// the ones src/compile gives them.
std::vector<std::pair<std::string, std::string>> BuildOutputs(const CSkinProject& project) {
    std::vector<std::pair<std::string, std::string>> files = {
        {CRuleBook::DatabasePath(project), "the skin database"},
        {project.Folder + "_script.txt", "the resource script"}};
    if (project.SkinInfo.Reso == 2)
        for (int i = 1; i <= 4; ++i)
            files.push_back(
                {project.Folder + "__bkg" + std::to_string(i) + ".bmp", "a wall paper tile"});
    return files;
}

// The rules on one field's value. `only`, when set, is the one row whose rules are wanted.
class CValueRules {
public:
    // `entry`: a value being typed or dragged, held to what the grid's texts and dialogs
    // can express (a rectangle starts at 0,0 or further and is at least a pixel wide).
    CValueRules(const CSkinProject& project, const CSkinField& field, std::string file,
                std::vector<CSkinProblem>& out, bool entry = false)
        : m_project(project), m_field(field), m_file(std::move(file)), m_out(out), m_entry(entry) {}

    void Run(const CFieldValue& value) {
        const size_t first = m_out.size();
        std::visit([this](const auto& v) { Apply(v); }, value);
        Special(value);
        // Advice about a value that cannot be held at all is noise.
        const bool broken = std::any_of(m_out.begin() + std::ptrdiff_t(first), m_out.end(),
                                        [](const CSkinProblem& p) { return p.IsError(); });
        if (broken)
            m_out.erase(std::remove_if(m_out.begin() + std::ptrdiff_t(first), m_out.end(),
                                       [](const CSkinProblem& p) { return !p.IsError(); }),
                        m_out.end());
    }

private:
    const CFieldRow* RowOf(CFieldPart part) const {
        for (const CFieldRow& row : m_field.Rows)
            if (row.ItemId && (row.Part == part || part == CFieldPart::Whole)) return &row;
        return nullptr;
    }
    std::string LabelOf(CFieldPart part) const {
        const CFieldRow* row = RowOf(part);
        return row ? row->Label : m_field.Member;
    }
    void Add(S level, CFieldPart part, std::string message, std::string entry = {}) {
        const CSkinField* shown = &m_field;
        if (const CSkinField* in = CSkinFields::Sibling(m_field, m_field.ShownIn)) shown = in;
        const CFieldRow* row = shown == &m_field ? RowOf(part) : &shown->Rows[0];
        m_out.push_back({level, CSkinFields::Id(*shown), m_file, std::move(message),
                         uint8_t(row ? row->ItemId : 0), std::move(entry)});
    }

    void Number(int64_t value, CFieldPart part, const char* what = nullptr) {
        int64_t min = 0, max = 0;
        switch (m_field.Range) {
            case CNumberRange::Any:
                return;
            case CNumberRange::Coordinate:
                min = CRuleBook::kWordMin;
                break;
            case CNumberRange::Extent:
                min = 0;
                break;
        }
        max = CRuleBook::kWordMax;
        if (value >= min && value <= max) return;
        const std::string range = std::to_string(min) + " and " + std::to_string(max);
        const std::string subject = what ? std::string("The ") + what + " " : "The value ";
        Add(S::Error, part, subject + std::to_string(value) + " is not between " + range + ".",
            LabelOf(part) + " must be between " + range + ".");
    }

    void Apply(const std::string& text) {
        const std::string label = LabelOf(CFieldPart::Whole);
        if (m_field.Rule != CFieldRule::SkinName && m_field.MaxBytes &&
            text.size() > m_field.MaxBytes) {
            const std::string limit = std::to_string(m_field.MaxBytes);
            Add(S::Error, CFieldPart::Whole,
                "The text is " + std::to_string(text.size()) + " bytes long; the project file " +
                    "keeps " + limit + ".",
                label + " must not be longer than " + limit + " characters.");
        }
        const auto control = std::find_if(text.begin(), text.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
        });
        if (m_field.Rule != CFieldRule::SkinName && control != text.end())
            Add(S::Error, CFieldPart::Whole,
                "The text holds a line break or another control character, which the project "
                "file cannot keep.",
                label + " must not hold line breaks or other control characters.");
        if (m_field.AdviseBytes && text.size() > m_field.AdviseBytes)
            Add(S::Warning, CFieldPart::Whole,
                "The text is " + std::to_string(text.size()) + " characters long; the help " +
                    "asks for at most " + std::to_string(m_field.AdviseBytes) + ".");
    }

    void Apply(int32_t value) { Number(value, CFieldPart::Whole); }

    void Apply(COLORREF value) {
        if (value <= 0xFFFFFF) return;
        Add(S::Error, CFieldPart::Whole,
            "The value " + std::to_string(value) + " is not a colour: red, green and blue " +
                "are each 0 to 255 (0 to 16777215 in all).",
            LabelOf(CFieldPart::Whole) + " must be red,green,blue, each from 0 to 255.");
    }

    void Apply(const CRect& r) {
        const int64_t w = int64_t(r.right) - r.left, h = int64_t(r.bottom) - r.top;
        const std::string label = LabelOf(CFieldPart::Whole);
        auto word = [&](int64_t v, const char* what, int32_t entryMin) {
            const int64_t min = m_entry ? entryMin : CRuleBook::kWordMin;
            if (v >= min && v <= CRuleBook::kWordMax) return true;
            const std::string range =
                std::to_string(min) + " and " + std::to_string(CRuleBook::kWordMax);
            Add(S::Error, CFieldPart::Whole,
                std::string("The ") + what + " " + std::to_string(v) + " is not between " + range +
                    ".",
                label + " must have its " + what + " between " + range + ".");
            return false;
        };
        const bool fits = word(r.left, "left edge", 0) & word(r.top, "top edge", 0) &
                          word(w, "width", 1) & word(h, "height", 1);
        if (!fits) return;
        const std::string text = r.Text();
        if (w < 0 || h < 0) {
            Add(S::Warning, CFieldPart::Whole,
                "The rectangle " + text + " has a negative width or height.");
            return;
        }
        const int screen = ScreenSize(m_project.SkinInfo.Reso);
        if (m_field.OnScreen && screen &&
            (r.left < 0 || r.top < 0 || r.right > screen || r.bottom > screen))
            Add(S::Warning, CFieldPart::Whole,
                "The rectangle " + text + " lies outside the " + SizeText(screen, screen) +
                    " screen.");
    }

    void Apply(const CPoint& p) {
        Number(p.x, CFieldPart::X);
        Number(p.y, CFieldPart::Y);
        const int screen = ScreenSize(m_project.SkinInfo.Reso);
        if (!m_field.OnScreen || !screen) return;
        if (p.x < 0 || p.x > screen)
            Add(S::Warning, CFieldPart::X,
                "The point " + std::to_string(p.x) + "," + std::to_string(p.y) +
                    " lies outside the " + SizeText(screen, screen) + " screen.");
        if (p.y < 0 || p.y > screen)
            Add(S::Warning, CFieldPart::Y,
                "The point " + std::to_string(p.x) + "," + std::to_string(p.y) +
                    " lies outside the " + SizeText(screen, screen) + " screen.");
    }

    void Apply(const CSize& s) {
        Number(s.cx, CFieldPart::X, "width");
        Number(s.cy, CFieldPart::Y, "height");
    }

    void Special(const CFieldValue& value) {
        const std::string label = LabelOf(CFieldPart::Whole);
        switch (m_field.Rule) {
            case CFieldRule::SkinName: {
                const std::string& name = std::get<std::string>(value);
                if (std::string problem = CRuleBook::SkinNameProblem(name); !problem.empty()) {
                    Add(S::Error, CFieldPart::Whole, problem, label + ": " + problem);
                    return;
                }
                const std::string path = m_project.Folder + TextToPath(name) + ".PDB";
                if (path.size() > CRuleBook::kMaxPathLength)
                    Add(S::Error, CFieldPart::Whole,
                        "The database path '" + path + "' is longer than 259 characters.",
                        label + ": the database path '" + path +
                            "' would be longer than 259 characters.");
                return;
            }
            case CFieldRule::ResoCode: {
                const int32_t reso = std::get<int32_t>(value);
                if (!CResolution::FromCode(reso))
                    Add(S::Error, CFieldPart::Whole,
                        "The resolution code " + std::to_string(reso) +
                            " is neither 1 (160x160) nor 2 (320x320).");
                return;
            }
            case CFieldRule::DepthCode: {
                const int32_t depth = std::get<int32_t>(value);
                if (!IsKnownDepth(depth))
                    Add(S::Error, CFieldPart::Whole,
                        "The depth code " + std::to_string(depth) + " is not one of " +
                            CColourDepth::CodesText(" and ") + ".");
                return;
            }
            case CFieldRule::AtLeftEdge: {
                const CRect& r = std::get<CRect>(value);
                if (r.left != 0)
                    Add(S::Warning, CFieldPart::Whole,
                        "The tool bar starts at x = " + std::to_string(r.left) +
                            "; the launcher expects it at x = 0.");
                return;
            }
            case CFieldRule::WithinToolBar: {
                const CRect& r = std::get<CRect>(value);
                const CRect& bar = m_project.ToolBar.Rect;
                const int64_t w = int64_t(bar.right) - bar.left, h = int64_t(bar.bottom) - bar.top;
                if (w >= 0 && h >= 0 && r.right >= r.left && r.bottom >= r.top &&
                    (r.left < 0 || r.top < 0 || r.right > w || r.bottom > h))
                    Add(S::Warning, CFieldPart::Whole,
                        "The button lies outside the tool bar, which is " + SizeText(w, h) + ".");
                return;
            }
            default:
                return;
        }
    }

    const CSkinProject& m_project;
    const CSkinField& m_field;
    std::string m_file;
    std::vector<CSkinProblem>& m_out;
    bool m_entry;
};

// Whether the project file leaves out the key `field` is read from. The load reads a
// missing key as "1", which as a bitmap's name would send the author looking for a file
// called 1.
bool KeyLeftOut(const CSkinProject& project, const CSkinField& field) {
    if (project.PathName.empty() || !field.Key) return false;
    CProfileStore store;
    const std::string section = CSkinFields::Element(field.Element).Section;
    const std::string key = field.ReadKey ? field.ReadKey : field.Key;
    std::string withoutDefault, withDefault;
    store.ReadString(project.PathName, section, key, "", withoutDefault);
    store.ReadString(project.PathName, section, key, "1", withDefault);
    return withoutDefault.empty() && withDefault == "1";
}

// The rules on the bitmap file a field names.
class CBitmapRules {
public:
    CBitmapRules(const CSkinProject& project, CBitmapCache& bitmaps, std::vector<CSkinProblem>& out)
        : m_project(project),
          m_bitmaps(bitmaps),
          m_out(out),
          m_writes(CWriteRule::ForProject(project)) {}

    void Run(const CSkinField& field) {
        const int reso = m_project.SkinInfo.Reso;
        // Only a 320x320 skin declares the second preview.
        if (field.Rule == CFieldRule::SmallPreview && reso != 2) return;
        const std::string name = std::get<std::string>(ValueOf(m_project, field));
        const std::string id = CSkinFields::Id(field);
        auto add = [&](S level, const std::string& file, const std::string& message) {
            m_out.push_back({level, id, file, message, 0, {}});
        };
        if (name.empty()) {
            add(S::Error, m_project.PathName, "No bitmap file is named.");
            return;
        }
        const std::string path = ResolveFileName(m_project.Folder, name);
        std::error_code ec;
        if (!std::filesystem::exists(std::filesystem::path(path), ec)) {
            if (name == "1" && KeyLeftOut(m_project, field))
                add(S::Error, m_project.PathName,
                    std::string("The key ") + (field.ReadKey ? field.ReadKey : field.Key) +
                        " of [" + CSkinFields::Element(field.Element).Section +
                        "] is missing from the project file, so no bitmap file is named.");
            else
                add(S::Error, path, "The file '" + path + "' is missing.");
            return;
        }
        // An import writes the file a bitmap names: never one of the project's own files,
        // and never outside its folder (a skin from elsewhere may name any file). A bitmap
        // the build only reads may lie elsewhere, so that much is advice.
        if (const CWriteRule::CVerdict verdict = m_writes.Judge(path)) {
            if (verdict.Why == CWriteRule::Reason::Reserved) {
                add(S::Error, path, verdict.Message + " Give the bitmap another name.");
                return;
            }
            if (verdict.Why != CWriteRule::Reason::NotAFile)
                add(S::Warning, path, verdict.Message + " An import will not write it.");
        }
        const CResult<CBitmapCache::Bitmap> bitmap = m_bitmaps.Get(path);
        if (!bitmap) {
            add(S::Error, path, bitmap.Error());
            return;
        }
        const CDIBSectionLite& dib = (*bitmap)->Dib();
        const int w = dib.GetWidth(), h = dib.GetHeight();
        if (const int side = CRuleBook::ExpectedSide(field, m_project.SkinInfo.Reso);
            side && (w != side || h != side))
            add(S::Warning, path,
                "The bitmap is " + SizeText(w, h) + " pixels; this skin's resolution asks for " +
                    SizeText(side, side) + ".");
        FitsRectangle(field, path, w, h, add);
        if (field.Mask) {
            if (dib.GetBitCount() != 1)
                add(S::Warning, path,
                    "The mask has " + std::to_string(dib.GetBitCount()) +
                        " bits per pixel; a mask should be 1-bit.");
            MatchesItsBitmap(field, w, h, path, add);
        } else {
            Colours(**bitmap, path, add);
        }
        ResourceSize(field, w, h, path, add);
    }

private:
    using Adder = std::function<void(S, const std::string&, const std::string&)>;

    void FitsRectangle(const CSkinField& field, const std::string& path, int width, int height,
                       const Adder& add) const {
        const CSkinField* rectField = CSkinFields::Sibling(field, field.DrawnIn);
        if (!rectField) return;
        const CRect r = std::get<CRect>(ValueOf(m_project, *rectField));
        // Wide: the edges of a damaged project can be any 32-bit numbers.
        const int64_t w = int64_t(r.right) - r.left, h = int64_t(r.bottom) - r.top;
        // A rectangle of negative or impossible size has a problem of its own.
        if (w < 0 || h < 0 || w > CRuleBook::kWordMax || h > CRuleBook::kWordMax) return;
        const std::string rect = "its rectangle (" + CSkinFields::Label(*rectField) + ")";
        if (field.WidthOnly) {
            if (width != w)
                add(S::Warning, path,
                    "The bitmap is " + std::to_string(width) + " pixels wide; " + rect + " is " +
                        std::to_string(w) + ".");
        } else if (width != w || height != h) {
            add(S::Warning, path,
                "The bitmap is " + SizeText(width, height) + " pixels; " + rect + " is " +
                    SizeText(w, h) + ".");
        }
    }

    void MatchesItsBitmap(const CSkinField& mask, int width, int height, const std::string& path,
                          const Adder& add) const {
        const CSkinField* bitmap = CSkinFields::Sibling(mask, mask.MaskOf);
        if (!bitmap) return;
        const std::string name = std::get<std::string>(ValueOf(m_project, *bitmap));
        if (name.empty()) return;
        const CResult<CBitmapCache::Bitmap> masked =
            m_bitmaps.Get(ResolveFileName(m_project.Folder, name));
        if (!masked) return;
        if ((*masked)->Width() != width || (*masked)->Height() != height)
            add(S::Warning, path,
                "The mask is " + SizeText(width, height) + " pixels; the bitmap it masks (" +
                    CSkinFields::Label(*bitmap) + ") is " +
                    SizeText((*masked)->Width(), (*masked)->Height()) + ".");
    }

    void Colours(const CDecodedBitmap& bitmap, const std::string& path, const Adder& add) const {
        const int depth = m_project.SkinInfo.Depth;
        if (!IsKnownDepth(depth)) return;
        const int limit = 1 << depth;
        // Only bitmaps that could hold more colours than that need counting, and none holds
        // more than it has pixels.
        const int bits = bitmap.Dib().GetBitCount();
        const bool couldExceed =
            (bits > 16 || (1 << bits) > limit) && int64_t(bitmap.Width()) * bitmap.Height() > limit;
        if (!couldExceed) return;
        if (bitmap.ColourCount(limit) > limit)
            add(S::Warning, path,
                "The bitmap has more than " + std::to_string(limit) + " colours; a " +
                    std::to_string(depth) + "-bit skin shows at most " + std::to_string(limit) +
                    ".");
    }

    void ResourceSize(const CSkinField& field, int width, int height, const std::string& path,
                      const Adder& add) const {
        const size_t bytes = CRuleBook::ResourceBytes(m_project, field, width, height);
        const int depth = field.Mask ? 1 : m_project.SkinInfo.Depth;
        // The compiler writes such a resource, but no handheld record holds it, and the
        // database readers refuse it: an error, not advice.
        if (bytes > CRuleBook::kMaxResourceBytes)
            add(S::Error, path,
                "The bitmap takes " + std::to_string(bytes) + " bytes at " + std::to_string(depth) +
                    " bits per pixel; a handheld resource holds at most " +
                    std::to_string(CRuleBook::kMaxResourceBytes) + ".");
    }

    const CSkinProject& m_project;
    CBitmapCache& m_bitmaps;
    std::vector<CSkinProblem>& m_out;
    CWriteRule m_writes;
};

std::string HexDigits(unsigned char byte) {
    static const char kHex[] = "0123456789ABCDEF";
    return {kHex[byte >> 4], kHex[byte & 15]};
}

// A line of the project file as a message quotes it: bytes that are no character written
// out ("\x00"), and a long line cut.
std::string QuotedLine(const std::string& text) {
    constexpr size_t kShown = 60;
    std::string quoted = "'";
    for (size_t i = 0; i < text.size() && i < kShown; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        quoted += IsNoCharacter(c) ? "\\x" + HexDigits(c) : std::string(1, char(c));
    }
    if (text.size() > kShown) quoted += "...";
    return quoted + "'";
}

// What the load makes of an odd line, naming the file and the line.
std::string OddityMessage(const std::string& fileName, const CProfileOddity& odd) {
    using K = CProfileOddity::Kind;
    const std::string where = fileName + ", line " + std::to_string(odd.Line) + ": ";
    const std::string line = QuotedLine(odd.Text);
    const std::string first =
        "only the first (line " + std::to_string(odd.FirstLine) + ") is read.";
    const std::string limit = std::to_string(CProfileFile::kMaxValueLength);
    switch (odd.What) {
        case K::TrailingText:
            return where + line + " is read as " + odd.ReadAs +
                   "; the rest of the value is ignored.";
        case K::MissingNumbers:
            if (odd.Needed == 1)
                return where + line + " is read as " + odd.ReadAs + "; the value is not a number.";
            if (odd.Numbers == 0)
                return where + line + " is read as " + odd.ReadAs + "; none of its " +
                       std::to_string(odd.Needed) + " numbers can be read.";
            return where + line + " is read as " + odd.ReadAs + "; only " +
                   std::to_string(odd.Numbers) + " of its " + std::to_string(odd.Needed) +
                   " numbers can be read.";
        case K::LongValue:
            return where + line + " has a value longer than " + limit +
                   " characters; only the first " + limit + " are read, and a save keeps no more.";
        case K::NulInSection:
            return where + line + " holds a NUL byte in its name; the section is not read.";
        case K::NulInKey:
            return where + line + " holds a NUL byte in its name; the line is not read.";
        case K::RepeatedSection:
            return where + line + " comes a second time and is ignored with its keys; " + first;
        case K::RepeatedKey:
            return where + line + " comes a second time in its section and is ignored; " + first;
        case K::NoCharacter:
            return where + line + " holds the byte 0x" + HexDigits(odd.Byte) +
                   ", which is no character in Windows-1252; it is kept as it is.";
    }
    return where + line;
}

}  // namespace

CRuleBook::CFileText CRuleBook::FileTextOf(const CSkinProject& project) {
    // A project not saved yet has no file.
    if (project.PathName.empty()) return {};
    return {FindUnkeptText(project.PathName), CProfileOddities::Find(project.PathName)};
}

CRuleBook::CRuleBook() : m_own(std::make_unique<CBitmapCache>()), m_bitmaps(*m_own) {}

CRuleBook::CRuleBook(CBitmapCache& bitmaps) : m_bitmaps(bitmaps) {}

CRuleBook::~CRuleBook() = default;

std::string CRuleBook::SkinNameProblem(const std::string& name) {
    if (name.empty()) return "The skin name is empty.";
    if (name.size() > kMaxSkinNameBytes)
        return "The skin name '" + name + "' is longer than 31 characters.";
    for (unsigned char c : name)
        if (IsNoCharacter(c))
            return "The skin name '" + name + "' holds a control character, which a file name " +
                   "cannot hold.";
    for (unsigned char c : name)
        if (std::string_view("\\/:*?\"<>|").find(char(c)) != std::string_view::npos)
            return "The skin name '" + name +
                   "' holds a character a file name cannot hold (\\ / : * ? \" < > |).";
    if (name == "." || name == "..") return "The skin name '" + name + "' cannot name a file.";
    if (name.back() == '.' || name.back() == ' ')
        return "The skin name '" + name + "' ends with a dot or a blank, which Windows drops.";
    if (name.front() == ' ') return "The skin name '" + name + "' starts with a blank.";
    if (IsReservedName(name))
        return "The skin name '" + name + "' is a name Windows keeps for a device.";
    return {};
}

size_t CRuleBook::ResourceBytes(const CSkinProject& project, const CSkinField& field, int width,
                                int height) {
    // A 320x320 wall paper reaches the database as four tiles.
    if (field.Rule == CFieldRule::ScreenSquare && project.SkinInfo.Reso == 2) return 0;
    const int depth = field.Mask ? 1 : project.SkinInfo.Depth;
    if (!IsKnownDepth(depth) || width < 0 || height < 0) return 0;
    const size_t rowBytes = ((size_t(width) * size_t(depth) + 15) & ~size_t(15)) / 8;
    return 16 + (depth == 16 ? 8 : 0) + rowBytes * size_t(height);
}

int CRuleBook::ExpectedSide(const CSkinField& field, int reso) {
    const int screen = ScreenSize(reso);
    switch (field.Rule) {
        case CFieldRule::ScreenSquare:
            return screen;
        case CFieldRule::PreviewSquare:
            return screen * 3 / 8;
        case CFieldRule::SmallPreview:
            return 60;
        default:
            return 0;
    }
}

std::string CRuleBook::DatabasePath(const CSkinProject& project) {
    return project.Folder + TextToPath(project.SkinInfo.SkinName) + ".PDB";
}

std::vector<CSkinProblem> CRuleBook::Check(const CSkinProject& project) {
    std::vector<CSkinProblem> problems;
    const CFileText text = FileTextOf(project);
    for (const CSkinElementInfo& info : CSkinFields::Elements()) {
        std::vector<CSkinProblem> found = CheckElement(project, info.Element, text);
        problems.insert(problems.end(), std::make_move_iterator(found.begin()),
                        std::make_move_iterator(found.end()));
    }
    return problems;
}

std::vector<CSkinProblem> CRuleBook::CheckElement(const CSkinProject& project,
                                                  CSkinElement element) {
    return CheckElement(project, element, FileTextOf(project));
}

std::vector<CSkinProblem> CRuleBook::CheckElement(const CSkinProject& project, CSkinElement element,
                                                  const CFileText& text) {
    std::vector<CSkinProblem> problems;
    const std::vector<const CSkinField*> fields = CSkinFields::Of(element);
    for (const CSkinField* field : fields)
        CValueRules(project, *field, project.PathName, problems).Run(ValueOf(project, *field));
    CBitmapRules bitmaps(project, m_bitmaps, problems);
    for (const CSkinField* field : fields)
        if (field->Kind == CFieldKind::Bitmap) bitmaps.Run(*field);
    // Text the file holds that the project (and the database, in Windows-1252) cannot.
    for (const CUnkeptCharacter& character : text.Unkept) {
        const CSkinField* field = CSkinFields::FindByKey(character.Section + "." + character.Key);
        if (!field || field->Element != element) continue;
        problems.push_back({S::Error,
                            CSkinFields::Id(*field),
                            project.PathName,
                            "The text holds " + character.Text() +
                                ", which Windows-1252, the code page of the skin database, "
                                "cannot hold; it reads as '?' and would be built as '?'.",
                            0,
                            {}});
    }
    // Lines the load reads otherwise than they look: read so all the same, as stored files
    // rely on, and said where the value is shown.
    const std::string fileName = std::filesystem::path(project.PathName).filename().string();
    for (const CProfileOddity& odd : text.Oddities) {
        if (!odd.Field || odd.Field->Element != element) continue;
        const CSkinField* shown = CSkinFields::Sibling(*odd.Field, odd.Field->ShownIn);
        problems.push_back({S::Warning,
                            CSkinFields::Id(shown ? *shown : *odd.Field),
                            project.PathName,
                            OddityMessage(fileName, odd),
                            CSkinFields::RowOf(*odd.Field),
                            {}});
    }
    if (element != CSkinElement::SkinInfo) return problems;
    // The database replaces what is at its name: only a file of the project's folder.
    const std::string database = DatabasePath(project);
    if (const CWriteRule::CVerdict verdict =
            CWriteRule::ForProject(project).Judge(database, database);
        verdict && verdict.Why != CWriteRule::Reason::Reserved)
        problems.push_back({S::Error,
                            "SkinInfo.SkinName",
                            database,
                            "The build writes the skin database there. " + verdict.Message,
                            0,
                            {}});
    // A project named like the database (or the script) would be built over.
    for (const auto& [output, what] : BuildOutputs(project))
        if (CProjectPath::IsSameFile(project.PathName, output))
            problems.push_back({S::Error,
                                "SkinInfo.SkinName",
                                project.PathName,
                                "The build writes " + what + " as '" + output +
                                    "', which is this project file; give the skin or the "
                                    "project file another name.",
                                0,
                                {}});
    return problems;
}

std::vector<CSkinProblem> CRuleBook::Judge(const CSkinProject& project, const CSkinField& field,
                                           const CFieldValue& value) {
    std::vector<CSkinProblem> problems;
    CValueRules(project, field, project.PathName, problems, true).Run(value);
    return problems;
}

std::string CRuleBook::Refusal(const CSkinProject& project, const CSkinField& field,
                               const CFieldValue& value) {
    return FirstError(Judge(project, field, value));
}

std::string CRuleBook::FirstError(const std::vector<CSkinProblem>& problems) {
    for (const CSkinProblem& problem : problems)
        if (problem.IsError()) return problem.Entry.empty() ? problem.Message : problem.Entry;
    return {};
}

std::vector<CSkinProblem> CRuleBook::Judge(const CSkinProject& project, CSkinElement element,
                                           uint8_t itemId, const CPropertyValue& value) {
    std::vector<CSkinProblem> problems;
    const CSkinField* field = CSkinFields::FindByRow(element, itemId);
    if (!field) return problems;
    const std::optional<CFieldValue> candidate =
        WithRowValue(*field, itemId, ValueOf(project, *field), value);
    if (!candidate) return problems;
    for (CSkinProblem& problem : Judge(project, *field, *candidate))
        if (problem.ItemId == itemId) problems.push_back(std::move(problem));
    return problems;
}

std::string CRuleBook::Refusal(const CSkinProject& project, CSkinElement element, uint8_t itemId,
                               const CPropertyValue& value) {
    return FirstError(Judge(project, element, itemId, value));
}

}  // namespace vantoro
