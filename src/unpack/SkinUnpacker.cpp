#include "SkinUnpacker.h"

#include <array>

#include "ColourDepth.h"
#include "NewSkinProject.h"
#include "PalmBmpEncoder.h"
#include "ProfileFile.h"
#include "Resolution.h"
#include "RuleBook.h"
#include "SkinProject.h"
#include "SkinResources.h"
#include "WallPaperJoiner.h"
#include "WriteRule.h"

namespace vantoro {
namespace {

using brres::PalmBitmap;
using brres::PdbReader;

constexpr const char* kSkinType = "SKIN";
constexpr const char* kSkinCreator = "Krdo";

// The word lists of a skin: ID, what it holds, how many values.
struct WordList {
    int id;
    const char* what;
    size_t count;
};
constexpr WordList kWordLists[] = {
    {3002, "the tool bar", 4},
    {3004, "the tool bar toggler", 4},
    {3005, "the sizes of the tool bar buttons", 8},
    {3006, "the places of the tool bar buttons", 8},
    {3007, "the battery indicator", 4},
    {3008, "the date and time", 7},
    {3009, "the application list", 8},
    {3010, "the title bar", 4},
    {3012, "the tools popup", 2},
    {3013, "the size of the small icons", 2},
    {3014, "the scroll bar", 13},
    {3015, "the category popup", 8},
    {3016, "the maximize icon", 4},
    {3017, "the maximized list and scroll bar", 8},
};

// The bitmaps, named like the files of the sample projects. The wall paper (3001, and
// 3002 to 3004 at 320x320) and the second preview (3054, 320x320 only) are read apart.
struct BitmapResource {
    uint16_t id;
    const char* file;
    const char* what;
    bool mask;
};
constexpr BitmapResource kBitmaps[] = {
    {3021, "toolbar.bmp", "the tool bar", false},
    {3041, "toolbarhi.bmp", "the pressed tool bar", false},
    {3026, "toggler.bmp", "the tool bar toggler", false},
    {3027, "togglermask.bmp", "the tool bar toggler's mask", true},
    {3030, "battery.bmp", "the battery indicator", false},
    {3043, "title.bmp", "the title bar", false},
    {3044, "titlemask.bmp", "the title bar's mask", true},
    {3045, "preview.bmp", "the preview", false},
    {3046, "categories.bmp", "the category icons", false},
    {3047, "categoriesmask.bmp", "the category icons' mask", true},
    {3048, "popuptools.bmp", "the tool icons", false},
    {3049, "popuptoolsmask.bmp", "the tool icons' mask", true},
    {3050, "miscicons.bmp", "the small icons", false},
    {3051, "scrollbar.bmp", "the scroll bar", false},
    {3052, "maximize.bmp", "the maximize icon", false},
    {3053, "maximizemask.bmp", "the maximize icon's mask", true},
};
constexpr const char* kWallPaper = "wallpaper.bmp";
constexpr const char* kPreview2 = "preview2.bmp";
constexpr uint16_t kPreview2Id = 3054;

// The file the bitmap of `id` is written to.
std::string FileOf(uint16_t id) {
    for (const BitmapResource& b : kBitmaps)
        if (b.id == id) return b.file;
    return {};
}

// Four bytes of a database header as text, with anything unprintable shown as '?'.
std::string Code(const std::string& fourBytes) {
    std::string text;
    for (unsigned char c : fourBytes) text += c < 0x20 || c == 0x7F ? '?' : char(c);
    return text;
}

// Whether the bytes after a header that is not a resource database's make the record
// list a record database has: entries of 8 bytes whose data lies in the file, in order.
bool HasRecordList(const std::vector<uint8_t>& bytes) {
    auto u32 = [&](size_t at) {
        return uint32_t(bytes[at]) << 24 | uint32_t(bytes[at + 1]) << 16 |
               uint32_t(bytes[at + 2]) << 8 | bytes[at + 3];
    };
    const size_t count = size_t(bytes[76] << 8 | bytes[77]);
    const size_t end = PdbReader::kHeaderSize + 8 * count;
    if (u32(72) != 0 || end > bytes.size()) return false;
    uint32_t previous = uint32_t(end);
    for (size_t i = 0; i < count; ++i) {
        const uint32_t offset = u32(PdbReader::kHeaderSize + 8 * i);
        if (offset < previous || offset > bytes.size()) return false;
        previous = offset;
    }
    return true;
}

// The word lists carry rectangles as left, top, width, height.
CRect RectAt(const std::vector<int>& v, size_t i) {
    return {v[i], v[i + 1], v[i] + v[i + 2], v[i + 1] + v[i + 3]};
}
COLORREF ColourAt(const std::vector<int>& v, size_t i) {
    return RgbColor(v[i], v[i + 1], v[i + 2]);
}

// Whether `text` reads back from a project file as it is: the file keeps one line per
// value, trims blanks, drops enclosing quotes and cuts long values.
bool KeptExactly(const std::string& text) {
    if (text.size() > CProfileFile::kMaxValueLength) return false;
    if (text.find_first_of("\r\n") != std::string::npos) return false;
    if (!text.empty() &&
        (text.front() == ' ' || text.front() == '\t' || text.back() == ' ' || text.back() == '\t'))
        return false;
    return !(text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
             text.back() == text.front());
}

bool IsControl(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
}

// `text` without its control characters, which no project file keeps and the rule book
// refuses: a line break or a tab becomes a blank, as it parted words; the others (an
// escape, a bell) go. `found` gets each one removed, written out ("\x1B"), once.
std::string WithoutControls(const std::string& text, std::string& found) {
    static const char digits[] = "0123456789ABCDEF";
    std::string kept;
    for (char c : text) {
        if (!IsControl(c)) {
            kept += c;
            continue;
        }
        const unsigned char u = static_cast<unsigned char>(c);
        const std::string written = std::string("\\x") + digits[u >> 4] + digits[u & 15];
        if (found.find(written) == std::string::npos)
            found += (found.empty() ? "" : ", ") + written;
        if (c == '\r' || c == '\n' || c == '\t') kept += ' ';
    }
    return kept;
}

}  // namespace

bool CSkinUnpacker::Fail(const std::string& message) {
    m_lastError = message;
    return false;
}

bool CSkinUnpacker::Unpack(const std::string& databasePath, const std::string& folder) {
    return Read(databasePath) && Write(folder);
}

bool CSkinUnpacker::Read(const std::string& databasePath) {
    m_databasePath = databasePath;
    m_projectPath.clear();
    m_lastError.clear();
    m_notes.clear();
    m_words.clear();
    m_bitmaps.clear();

    std::vector<uint8_t> bytes;
    PdbReader::Database database;
    if (!ReadDatabase(databasePath, bytes, database)) return false;
    CSkinResources resources(database);
    m_skinName = database.name;
    if (!ReadValues(resources) || !ReadBitmaps(resources)) return false;
    if (const std::string problem = CRuleBook::SkinNameProblem(m_skinName); !problem.empty())
        return Fail("'" + databasePath + "' cannot be unpacked: " + problem);
    CleanText("author", m_author);
    CleanText("comments", m_comments);
    NoteText("skin name", m_skinName);
    NoteText("author", m_author);
    NoteText("comments", m_comments);
    return true;
}

bool CSkinUnpacker::Write(const std::string& folder) {
    m_projectPath.clear();
    m_lastError.clear();
    return WriteProject(folder);
}

bool CSkinUnpacker::ReadDatabase(const std::string& path, std::vector<uint8_t>& bytes,
                                 PdbReader::Database& database) {
    std::string error;
    if (!PdbReader::Load(path, bytes, error))
        return Fail("The file '" + path + "' cannot be read: " + error + ".");
    if (!PdbReader::Parse(bytes, database, error)) {
        PdbReader::Database header;
        std::string headerError;
        if (PdbReader::ParseHeader(bytes, header, headerError) &&
            !(header.attributes & PdbReader::kResourceDatabase)) {
            if (HasRecordList(bytes))
                return Fail("'" + path + "' is a Palm record database of type '" +
                            Code(header.type) + "', creator '" + Code(header.creator) +
                            "', not a Korrido skin.");
            return Fail("'" + path + "' is not a Palm database.");
        }
        // The reader's reason may say the same first.
        const std::string same = "not a Palm OS database: ";
        if (error.rfind(same, 0) == 0) error.erase(0, same.size());
        return Fail("'" + path + "' is not a Palm database: " + error + ".");
    }
    if (database.type != kSkinType || database.creator != kSkinCreator)
        return Fail("'" + path + "' is a Palm resource database of type '" + Code(database.type) +
                    "', creator '" + Code(database.creator) + "', not a Korrido skin.");
    return true;
}

bool CSkinUnpacker::ReadValues(CSkinResources& r) {
    const std::string failed = "'" + m_databasePath + "' cannot be unpacked: ";
    if (!r.Integer(3001, "the resolution", m_reso) || !r.Integer(3002, "the depth", m_depth) ||
        !r.String(3002, "the author", m_author) || !r.String(3003, "the comments", m_comments))
        return Fail(failed + r.LastError());
    if (!CResolution::FromCode(m_reso))
        return Fail(failed + "the resolution code in tint 3001 is " + std::to_string(m_reso) +
                    ", neither 1 (160x160) nor 2 (320x320).");
    if (!CColourDepth::FromCode(m_depth))
        return Fail(failed + "the depth in tint 3002 is " + std::to_string(m_depth) +
                    ", not one of " + CColourDepth::CodesText(" and ") + " bits per pixel.");
    for (const WordList& list : kWordLists)
        if (!r.Words(uint16_t(list.id), list.what, list.count, m_words[list.id]))
            return Fail(failed + r.LastError());
    return true;
}

bool CSkinUnpacker::ReadBitmaps(CSkinResources& r) {
    const std::string failed = "'" + m_databasePath + "' cannot be unpacked: ";
    PalmBitmap bitmap;
    if (m_reso == 1) {
        if (!r.Bitmap(3001, "the wall paper", m_depth, bitmap)) return Fail(failed + r.LastError());
    } else {
        std::array<PalmBitmap, 4> tiles;
        for (uint16_t i = 0; i < 4; ++i)
            if (!r.Bitmap(uint16_t(3001 + i), "a quarter of the wall paper", m_depth, tiles[i]))
                return Fail(failed + r.LastError());
        std::string error;
        if (!CWallPaperJoiner::Join(tiles, bitmap, error)) return Fail(failed + error + ".");
    }
    m_bitmaps.push_back({kWallPaper, CPalmBmpEncoder::Encode(bitmap)});
    for (const BitmapResource& b : kBitmaps) {
        if (!r.Bitmap(b.id, b.what, b.mask ? 1 : m_depth, bitmap))
            return Fail(failed + r.LastError());
        m_bitmaps.push_back({b.file, b.mask ? CPalmBmpEncoder::EncodeMask(bitmap)
                                            : CPalmBmpEncoder::Encode(bitmap)});
    }
    if (m_reso == 2) {
        if (!r.Bitmap(kPreview2Id, "the second preview", m_depth, bitmap))
            return Fail(failed + r.LastError());
        m_bitmaps.push_back({kPreview2, CPalmBmpEncoder::Encode(bitmap)});
    }
    return true;
}

void CSkinUnpacker::CleanText(const char* what, std::string& text) {
    std::string found;
    text = WithoutControls(text, found);
    if (!found.empty())
        m_notes.push_back(std::string("The text of the ") + what + " held control characters (" +
                          found +
                          ") that a project file cannot keep; line breaks and tabs became "
                          "blanks, the others were left out.");
}

void CSkinUnpacker::NoteText(const char* what, const std::string& text) {
    if (!KeptExactly(text))
        m_notes.push_back(std::string("The text of the ") + what +
                          " has blanks at an end, enclosing quotes or more than " +
                          std::to_string(CProfileFile::kMaxValueLength) +
                          " characters; the project file keeps it as near as it can.");
}

bool CSkinUnpacker::WriteProject(const std::string& folder) {
    const std::string projectName = CNewSkinProject::ProjectFileName(m_skinName);
    std::vector<std::string> names = {projectName};
    for (const BitmapFile& file : m_bitmaps) names.push_back(file.name);
    if (!m_files.Begin(folder, names)) return Fail(m_files.LastError());
    // The names come from the database: each must stay a plain new file of the folder.
    const CWriteRule rule(m_files.Folder());
    for (const std::string& name : names)
        if (const std::string refusal = rule.Refusal(m_files.PathOf(name)); !refusal.empty()) {
            m_files.RemoveWritten();
            return Fail(refusal + " Nothing was written.");
        }
    auto failed = [&] {
        m_files.RemoveWritten();
        return Fail(m_files.LastError());
    };
    if (!m_files.WriteEmptyProject(projectName)) return failed();
    for (const BitmapFile& file : m_bitmaps)
        if (!m_files.Write(file.name, file.bytes)) return failed();

    // The bare file loads with every value at its default; the save writes them all.
    CSkinProject project;
    if (const CResult<void> loaded = project.LoadProject(m_files.StagedPathOf(projectName));
        !loaded) {
        m_files.RemoveWritten();
        return Fail(loaded.Error());
    }
    Apply(project);
    if (!m_files.SaveProject(project)) return failed();
    m_projectPath = project.PathName;
    return true;
}

void CSkinUnpacker::Apply(CSkinProject& p) const {
    const auto& w = m_words;
    p.SkinInfo.SkinName = m_skinName;
    p.SkinInfo.Reso = m_reso;
    p.SkinInfo.ResoIndex = m_reso - 1;
    p.SkinInfo.Depth = m_depth;
    p.SkinInfo.DepthIndex = CDataSkinInfo::DepthIndexOf(m_depth);
    p.SkinInfo.Author = m_author;
    p.SkinInfo.Comments = m_comments;

    p.WallPaper.Bmp = kWallPaper;

    const std::vector<int>& sizes = w.at(3005);
    const std::vector<int>& places = w.at(3006);
    auto button = [&](size_t i) {
        return CRect{places[i], places[i + 1], places[i] + sizes[i], places[i + 1] + sizes[i + 1]};
    };
    p.ToolBar.BmpNormal = FileOf(3021);
    p.ToolBar.BmpHighlight = FileOf(3041);
    p.ToolBar.Rect = RectAt(w.at(3002), 0);
    p.ToolBar.RectButtonInfo = button(0);
    p.ToolBar.RectButtonBeam = button(2);
    p.ToolBar.RectButtonDelete = button(4);
    p.ToolBar.RectButtonTools = button(6);

    p.ToolBarToggler.Bmp = FileOf(3026);
    p.ToolBarToggler.BmpMask = FileOf(3027);
    p.ToolBarToggler.Rect = RectAt(w.at(3004), 0);

    p.TitleBar.Bmp = FileOf(3043);
    p.TitleBar.BmpMask = FileOf(3044);
    p.TitleBar.Rect = RectAt(w.at(3010), 0);

    p.Battery.Bmp = FileOf(3030);
    p.Battery.Rect = RectAt(w.at(3007), 0);

    const std::vector<int>& dateTime = w.at(3008);
    p.DateTime.Rect = RectAt(dateTime, 0);
    p.DateTime.TextColor = ColourAt(dateTime, 4);

    const std::vector<int>& list = w.at(3009);
    p.AppList.Rect = RectAt(list, 0);
    p.AppList.TextColor = ColourAt(list, 5);
    const std::vector<int>& maximized = w.at(3017);
    p.AppList.RectMaximized = RectAt(maximized, 0);

    // RectNormal, the three button heights, the thumb's left, top and width, the three
    // thumb heights: the thumb's own height is not kept, its three parts make it up.
    const std::vector<int>& scroll = w.at(3014);
    p.ScrollBar.Bmp = FileOf(3051);
    p.ScrollBar.RectNormal = RectAt(scroll, 0);
    p.ScrollBar.RectMaximized = RectAt(maximized, 4);
    p.ScrollBar.ButtonTopHeight = scroll[4];
    p.ScrollBar.ButtonCenterHeight = scroll[5];
    p.ScrollBar.ButtonBottomHeight = scroll[6];
    p.ScrollBar.ThumbTopHeight = scroll[10];
    p.ScrollBar.ThumbCenterHeight = scroll[11];
    p.ScrollBar.ThumbBottomHeight = scroll[12];
    p.ScrollBar.RectThumb = {scroll[7], scroll[8], scroll[7] + scroll[9],
                             scroll[8] + scroll[10] + scroll[11] + scroll[12]};

    p.MaximizeVuzuRuzIcon.Bmp = FileOf(3052);
    p.MaximizeVuzuRuzIcon.BmpMask = FileOf(3053);
    p.MaximizeVuzuRuzIcon.Rect = RectAt(w.at(3016), 0);

    const std::vector<int>& tools = w.at(3012);
    const std::vector<int>& category = w.at(3015);
    p.Popups.PtTools = {tools[0], tools[1]};
    p.Popups.PtCategory = {category[0], category[1]};
    p.Popups.MaxSizeCategory = {category[2], category[3]};
    p.Popups.CategoryTextColor = ColourAt(category, 5);

    // A 160x160 skin has one preview; the project still names a second, as the samples do.
    p.Preview.Preview1 = FileOf(3045);
    p.Preview.Preview2 = m_reso == 2 ? kPreview2 : FileOf(3045);

    const std::vector<int>& small = w.at(3013);
    p.SystemIcons.BmpCategories = FileOf(3046);
    p.SystemIcons.BmpCategoriesMask = FileOf(3047);
    p.SystemIcons.BmpPopupTools = FileOf(3048);
    p.SystemIcons.BmpPopupToolsMask = FileOf(3049);
    p.SystemIcons.BmpMiscIcons = FileOf(3050);
    p.SystemIcons.MiscIconsSize = {small[0], small[1]};
}

}  // namespace vantoro
