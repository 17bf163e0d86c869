#include "ResourceScript.h"

#include <cstdint>
#include <initializer_list>
#include <sstream>

#include "AtomicFile.h"
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

    if (reso == 1) {
        s.Bitmap(k, 3001, p.WallPaper.Bmp, "WallPaper.Bmp");
    } else if (reso == 2) {
        s.Bitmap(k, 3001, tileFolder + "__bkg1.bmp", "WallPaper.Bmp");
        s.Bitmap(k, 3002, tileFolder + "__bkg2.bmp", "WallPaper.Bmp");
        s.Bitmap(k, 3003, tileFolder + "__bkg3.bmp", "WallPaper.Bmp");
        s.Bitmap(k, 3004, tileFolder + "__bkg4.bmp", "WallPaper.Bmp");
    }
    s.Bitmap(k, 3021, p.ToolBar.BmpNormal, "ToolBar.BmpNormal");
    s.Bitmap(k, 3041, p.ToolBar.BmpHighlight, "ToolBar.BmpHighlight");
    s.Bitmap(k, 3026, p.ToolBarToggler.Bmp, "ToolBarToggler.Bmp");
    s.Bitmap(mask, 3027, p.ToolBarToggler.BmpMask, "ToolBarToggler.BmpMask");
    s.Bitmap(k, 3030, p.Battery.Bmp, "Battery.Bmp");
    s.Bitmap(k, 3043, p.TitleBar.Bmp, "TitleBar.Bmp");
    s.Bitmap(mask, 3044, p.TitleBar.BmpMask, "TitleBar.BmpMask");
    s.Bitmap(k, 3045, p.Preview.Preview1, "Preview.Preview1");
    if (reso == 2) s.Bitmap(k, 3054, p.Preview.Preview2, "Preview.Preview2");
    s.Bitmap(k, 3046, p.SystemIcons.BmpCategories, "SystemIcons.BmpCategories");
    s.Bitmap(mask, 3047, p.SystemIcons.BmpCategoriesMask, "SystemIcons.BmpCategoriesMask");
    s.Bitmap(k, 3048, p.SystemIcons.BmpPopupTools, "SystemIcons.BmpPopupTools");
    s.Bitmap(mask, 3049, p.SystemIcons.BmpPopupToolsMask, "SystemIcons.BmpPopupToolsMask");
    s.Bitmap(k, 3050, p.SystemIcons.BmpMiscIcons, "SystemIcons.BmpMiscIcons");
    s.Bitmap(k, 3051, p.ScrollBar.Bmp, "ScrollBar.Bmp");
    s.Bitmap(k, 3052, p.MaximizeVuzuRuzIcon.Bmp, "MaximizeVuzuRuzIcon.Bmp");
    s.Bitmap(mask, 3053, p.MaximizeVuzuRuzIcon.BmpMask, "MaximizeVuzuRuzIcon.BmpMask");

    s.Integer(3001, reso, "SkinInfo.Reso");
    s.Integer(3002, p.SkinInfo.Depth, "SkinInfo.Depth");
    s.String(3001, p.SkinInfo.Version, "SkinInfo.Version");
    s.String(3002, p.SkinInfo.Author, "SkinInfo.Author");
    s.String(3003, p.SkinInfo.Comments, "SkinInfo.Comments");

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
