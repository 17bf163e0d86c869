#include "ResourceScript.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <sstream>

#include "AtomicFile.h"
#include "Data.h"
#include "SkinProject.h"

namespace vantoro {
namespace {

constexpr const char* kEol = "\r\n";

std::string Number(int64_t v) {
    return std::to_string(v);
}

// The script carries rectangles as left, top, width, height.
std::string Xywh(const CRect& r) {
    return Number(r.left) + " " + Number(r.top) + " " + Number(int64_t(r.right) - r.left) + " " +
           Number(int64_t(r.bottom) - r.top);
}
std::string Xy(const CRect& r) {
    return Number(r.left) + " " + Number(r.top);
}
std::string Wh(const CRect& r) {
    return Number(int64_t(r.right) - r.left) + " " + Number(int64_t(r.bottom) - r.top);
}
std::string Rgb(COLORREF c) {
    return Number(RedOf(c)) + " " + Number(GreenOf(c)) + " " + Number(BlueOf(c));
}

class CScriptLines {
public:
    CScriptLines(std::ostream& out, std::vector<CScriptLineOrigin>* origins)
        : m_out(out), m_origins(origins) {}

    void Bitmap(const std::string& keyword, int id, const std::string& file, const char* key) {
        m_out << keyword << " ID " << id << " \"" << file << "\" " << kEol;
        Came(1, key, file);
    }
    void Integer(int id, int value, const char* key) {
        m_out << "INTEGER ID " << id << " VALUE " << value << kEol;
        Came(1, key);
    }
    void String(int id, const std::string& text, const char* key) {
        m_out << "STRING ID " << id << " \"" << text << "\"" << kEol;
        Came(1, key);
    }
    void WordList(int id, std::initializer_list<std::string> values, const char* key) {
        m_out << "WORDLIST ID " << id << kEol << "BEGIN" << kEol << "\t";
        bool first = true;
        for (const std::string& v : values) {
            if (!first) m_out << ' ';
            m_out << v;
            first = false;
        }
        m_out << kEol << "END" << kEol;
        Came(4, key);
    }

private:
    void Came(int lines, const char* key, const std::string& file = {}) {
        if (!m_origins) return;
        for (int i = 0; i < lines; ++i) m_origins->push_back({key, file});
    }

    std::ostream& m_out;
    std::vector<CScriptLineOrigin>* m_origins;
};

}  // namespace

const char* BitmapKeyword(int depth) {
    switch (depth) {
        case 1:
            return "BITMAP";
        case 2:
            return "BITMAPGREY";
        case 4:
            return "BITMAPGREY16";
        case 8:
            return "BITMAPCOLOR";
        case 16:
            return "BITMAPCOLOR16K";
        default:
            return "";
    }
}

void WriteResourceScript(const CSkinProject& p, std::ostream& out,
                         std::vector<CScriptLineOrigin>* origins, const std::string& tileFolder) {
    if (origins) origins->clear();
    CScriptLines s(out, origins);
    const std::string k = BitmapKeyword(p.SkinInfo.Depth);
    const std::string mask = "BITMAP";
    const int reso = p.SkinInfo.Reso;

    // The lines of single fields, in the order the table gives.
    std::vector<const CSkinField*> lines;
    for (const CSkinField& field : CSkinFields::All())
        if (field.Resource.Order) lines.push_back(&field);
    std::sort(lines.begin(), lines.end(), [](const CSkinField* a, const CSkinField* b) {
        return a->Resource.Order < b->Resource.Order;
    });
    for (const CSkinField* field : lines) {
        const std::string id = CSkinFields::Id(*field);
        const CFieldValue value = p.Element(field->Element).Get(*field);
        const int resource = field->Resource.Id;
        switch (field->Kind) {
            case CFieldKind::Bitmap:
                // The second preview is for 320x320 skins alone.
                if (field->Rule == CFieldRule::SmallPreview && reso != 2) break;
                if (field->Rule == CFieldRule::ScreenSquare && reso == 2) {
                    // A 320x320 wall paper goes in as four tiles of 160x160.
                    for (int tile = 0; tile < 4; ++tile)
                        s.Bitmap(k, resource + tile,
                                 tileFolder + "__bkg" + std::to_string(tile + 1) + ".bmp",
                                 id.c_str());
                    break;
                }
                if (field->Rule == CFieldRule::ScreenSquare && reso != 1) break;
                s.Bitmap(field->Mask ? mask : k, resource, std::get<std::string>(value),
                         id.c_str());
                break;
            case CFieldKind::Integer:
                s.Integer(resource, std::get<int32_t>(value), id.c_str());
                break;
            default:
                s.String(resource, std::get<std::string>(value), id.c_str());
                break;
        }
    }

    const CDataToolBar& tb = p.ToolBar;
    const CDataScrollBar& sb = p.ScrollBar;
    const CDataPopups& pop = p.Popups;
    s.WordList(3002, {Xywh(tb.Rect)}, "ToolBar.Rect");
    s.WordList(3004, {Xywh(p.ToolBarToggler.Rect)}, "ToolBarToggler.Rect");
    s.WordList(3005,
               {Wh(tb.RectButtonInfo), Wh(tb.RectButtonBeam), Wh(tb.RectButtonDelete),
                Wh(tb.RectButtonTools)},
               "ToolBar");
    s.WordList(3006,
               {Xy(tb.RectButtonInfo), Xy(tb.RectButtonBeam), Xy(tb.RectButtonDelete),
                Xy(tb.RectButtonTools)},
               "ToolBar");
    s.WordList(3007, {Xywh(p.Battery.Rect)}, "Battery.Rect");
    s.WordList(3008, {Xywh(p.DateTime.Rect), Rgb(p.DateTime.TextColor)}, "DateTime");
    s.WordList(3009, {Xywh(p.AppList.Rect), "0", Rgb(p.AppList.TextColor)}, "AppList");
    s.WordList(3010, {Xywh(p.TitleBar.Rect)}, "TitleBar.Rect");
    s.WordList(3011, {reso == 1 ? "13 11" : "22 18"}, "SkinInfo.Reso");
    s.WordList(3012, {Number(pop.PtTools.x), Number(pop.PtTools.y)}, "Popups");
    s.WordList(3013,
               {Number(p.SystemIcons.MiscIconsSize.cx), Number(p.SystemIcons.MiscIconsSize.cy)},
               "SystemIcons.MiscIconsSize");
    // The thumb's height is not part of the list: the three thumb heights say it.
    s.WordList(3014,
               {Xywh(sb.RectNormal), Number(sb.ButtonTopHeight), Number(sb.ButtonCenterHeight),
                Number(sb.ButtonBottomHeight), Xy(sb.RectThumb),
                Number(int64_t(sb.RectThumb.right) - sb.RectThumb.left), Number(sb.ThumbTopHeight),
                Number(sb.ThumbCenterHeight), Number(sb.ThumbBottomHeight)},
               "ScrollBar");
    s.WordList(3015,
               {Number(pop.PtCategory.x), Number(pop.PtCategory.y), Number(pop.MaxSizeCategory.cx),
                Number(pop.MaxSizeCategory.cy), "0", Rgb(pop.CategoryTextColor)},
               "Popups");
    s.WordList(3016, {Xywh(p.MaximizeVuzuRuzIcon.Rect)}, "MaximizeVuzuRuzIcon.Rect");
    // Both maximized rectangles; the list is the application list's first.
    s.WordList(3017, {Xywh(p.AppList.RectMaximized), Xywh(sb.RectMaximized)},
               "AppList.RectMaximized");
}

CResult<void> WriteResourceScript(const CSkinProject& project,
                                  std::vector<CScriptLineOrigin>* origins) {
    // Removed after the build: replaced in one step, but not forced to the disk.
    return WriteResourceScript(project, project.Folder + kScriptFileName, {}, origins,
                               CAtomicFile::Mode::Scratch);
}

CResult<void> WriteResourceScript(const CSkinProject& project, const std::string& path,
                                  const std::string& tileFolder,
                                  std::vector<CScriptLineOrigin>* origins, CAtomicFile::Mode mode) {
    std::ostringstream text;
    WriteResourceScript(project, text, origins, tileFolder);
    return CAtomicFile::Write(path, text.str(), mode, CAtomicFile::Links::Replace);
}

}  // namespace vantoro
