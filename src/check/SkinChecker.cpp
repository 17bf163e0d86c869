#include "SkinChecker.h"

#include <QImage>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <unordered_set>

#include "DIBSectionLite.h"
#include "FileNameResolver.h"
#include "SkinProject.h"

namespace vantoro {
namespace {

bool IsKnownDepth(int depth) {
    return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
}

std::string SizeText(int w, int h) {
    return std::to_string(w) + "x" + std::to_string(h);
}

// Distinct colours of the picture, counted up to `limit` + 1.
int CountColors(const CDIBSectionLite& dib, int limit) {
    const QImage image = dib.ToImage();
    std::unordered_set<QRgb> colors;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            colors.insert(line[x] & 0xFFFFFF);
            if (int(colors.size()) > limit) return int(colors.size());
        }
    }
    return int(colors.size());
}

}  // namespace

std::string CSkinChecker::SkinNameProblem(const std::string& name) {
    if (name.empty()) return "The skin name is empty.";
    if (name.size() > kMaxSkinNameLength)
        return "The skin name '" + name + "' is longer than 31 characters.";
    for (unsigned char c : name)
        if (c < 0x20 || std::string_view("\\/:*?\"<>|").find(char(c)) != std::string_view::npos)
            return "The skin name '" + name +
                   "' holds a character a file name cannot hold (\\ / : * ? \" < > |).";
    if (name == "." || name == "..") return "The skin name '" + name + "' cannot name a file.";
    return {};
}

std::vector<CSkinProblem> CSkinChecker::Check(const CSkinProject& p) {
    m_problems.clear();
    CheckSkinInfo(p);

    const int reso = p.SkinInfo.Reso;
    const int wallSize = reso == 1 ? 160 : reso == 2 ? 320 : 0;
    const int previewSize = reso == 1 ? 60 : reso == 2 ? 120 : 0;
    const CRect* title = &p.TitleBar.Rect;
    const CRect* toggler = &p.ToolBarToggler.Rect;
    const CRect* maximize = &p.MaximizeVuzuRuzIcon.Rect;
    std::vector<CBitmapField> fields = {
        {"WallPaper.Bmp", &p.WallPaper.Bmp, false, wallSize},
        {"ToolBar.BmpNormal", &p.ToolBar.BmpNormal, false, 0, &p.ToolBar.Rect, "ToolBar.Rect"},
        {"ToolBar.BmpHighlight", &p.ToolBar.BmpHighlight, false, 0},
        {"TitleBar.Bmp", &p.TitleBar.Bmp, false, 0, title, "TitleBar.Rect"},
        {"TitleBar.BmpMask", &p.TitleBar.BmpMask, true, 0, title, "TitleBar.Rect"},
        {"ToolBarToggler.Bmp", &p.ToolBarToggler.Bmp, false, 0, toggler, "ToolBarToggler.Rect"},
        {"ToolBarToggler.BmpMask", &p.ToolBarToggler.BmpMask, true, 0, toggler,
         "ToolBarToggler.Rect"},
        // The scroll bar's strip holds its buttons, body and thumb one below the other.
        {"ScrollBar.Bmp", &p.ScrollBar.Bmp, false, 0, &p.ScrollBar.RectNormal,
         "ScrollBar.RectNormal", true},
        {"MaximizeVuzuRuzIcon.Bmp", &p.MaximizeVuzuRuzIcon.Bmp, false, 0, maximize,
         "MaximizeVuzuRuzIcon.Rect"},
        {"MaximizeVuzuRuzIcon.BmpMask", &p.MaximizeVuzuRuzIcon.BmpMask, true, 0, maximize,
         "MaximizeVuzuRuzIcon.Rect"},
        {"Battery.Bmp", &p.Battery.Bmp, false, 0, &p.Battery.Rect, "Battery.Rect"},
        {"Preview.Preview1", &p.Preview.Preview1, false, previewSize},
        {"SystemIcons.BmpCategories", &p.SystemIcons.BmpCategories, false, 0},
        {"SystemIcons.BmpCategoriesMask", &p.SystemIcons.BmpCategoriesMask, true, 0},
        {"SystemIcons.BmpPopupTools", &p.SystemIcons.BmpPopupTools, false, 0},
        {"SystemIcons.BmpPopupToolsMask", &p.SystemIcons.BmpPopupToolsMask, true, 0},
        {"SystemIcons.BmpMiscIcons", &p.SystemIcons.BmpMiscIcons, false, 0},
    };
    // Only a 320x320 skin declares the second preview.
    if (reso == 2) fields.push_back({"Preview.Preview2", &p.Preview.Preview2, false, 60});
    for (const CBitmapField& field : fields) CheckBitmap(p, field);

    CheckRectangles(p);
    return m_problems;
}

void CSkinChecker::CheckSkinInfo(const CSkinProject& p) {
    if (const std::string problem = SkinNameProblem(p.SkinInfo.SkinName); !problem.empty())
        Add(CSkinProblem::Severity::Error, "SkinInfo.SkinName", p.PathName, problem);
    if (p.SkinInfo.Reso != 1 && p.SkinInfo.Reso != 2)
        Add(CSkinProblem::Severity::Error, "SkinInfo.Reso", p.PathName,
            "The resolution code " + std::to_string(p.SkinInfo.Reso) +
                " is neither 1 (160x160) nor 2 (320x320).");
    if (!IsKnownDepth(p.SkinInfo.Depth))
        Add(CSkinProblem::Severity::Error, "SkinInfo.Depth", p.PathName,
            "The depth code " + std::to_string(p.SkinInfo.Depth) +
                " is not one of 1, 2, 4, 8 and 16.");
}

void CSkinChecker::CheckBitmap(const CSkinProject& p, const CBitmapField& field) {
    using S = CSkinProblem::Severity;
    if (field.Name->empty()) {
        Add(S::Error, field.Element, p.PathName, "No bitmap file is named.");
        return;
    }
    const std::string path = ResolveFileName(p.Folder, *field.Name);
    std::error_code ec;
    if (!std::filesystem::exists(std::filesystem::path(path), ec)) {
        Add(S::Error, field.Element, path, "The file '" + path + "' is missing.");
        return;
    }
    CDIBSectionLite dib;
    if (!dib.Load(path)) {
        Add(S::Error, field.Element, path, dib.LastError());
        return;
    }
    const std::string size = SizeText(dib.GetWidth(), dib.GetHeight());
    if (field.ExpectedSize > 0 &&
        (dib.GetWidth() != field.ExpectedSize || dib.GetHeight() != field.ExpectedSize)) {
        const std::string wanted = SizeText(field.ExpectedSize, field.ExpectedSize);
        Add(S::Warning, field.Element, path,
            "The bitmap is " + size + " pixels; this skin's resolution asks for " + wanted + ".");
    }
    CheckFitsRectangle(field, path, dib.GetWidth(), dib.GetHeight());
    if (field.Mask) {
        if (dib.GetBitCount() != 1)
            Add(S::Warning, field.Element, path,
                "The mask has " + std::to_string(dib.GetBitCount()) +
                    " bits per pixel; a mask should be 1-bit.");
        return;
    }
    const int depth = p.SkinInfo.Depth;
    if (!IsKnownDepth(depth)) return;
    const int limit = 1 << depth;
    // Only bitmaps that could hold more colours than that need counting.
    const bool couldExceed = dib.GetBitCount() > 8 || (1 << dib.GetBitCount()) > limit;
    if (!couldExceed) return;
    const int colors = CountColors(dib, limit);
    if (colors > limit)
        Add(S::Warning, field.Element, path,
            "The bitmap has more than " + std::to_string(limit) + " colours; a " +
                std::to_string(depth) + "-bit skin shows at most " + std::to_string(limit) + ".");
}

void CSkinChecker::CheckRectangles(const CSkinProject& p) {
    const int reso = p.SkinInfo.Reso;
    if (reso != 1 && reso != 2) return;
    const int screen = 160 * reso;
    const struct {
        const char* Element;
        const CRect* Rect;
    } rects[] = {
        {"ToolBar.Rect", &p.ToolBar.Rect},
        {"TitleBar.Rect", &p.TitleBar.Rect},
        {"ToolBarToggler.Rect", &p.ToolBarToggler.Rect},
        {"ScrollBar.RectNormal", &p.ScrollBar.RectNormal},
        {"ScrollBar.RectMaximized", &p.ScrollBar.RectMaximized},
        {"MaximizeVuzuRuzIcon.Rect", &p.MaximizeVuzuRuzIcon.Rect},
        {"DateTime.Rect", &p.DateTime.Rect},
        {"Battery.Rect", &p.Battery.Rect},
        {"AppList.Rect", &p.AppList.Rect},
        {"AppList.RectMaximized", &p.AppList.RectMaximized},
    };
    for (const auto& entry : rects) {
        const CRect& r = *entry.Rect;
        const std::string text = "(" + std::to_string(r.left) + ", " + std::to_string(r.top) +
                                 ", " + std::to_string(r.right) + ", " + std::to_string(r.bottom) +
                                 ")";
        if (r.right < r.left || r.bottom < r.top)
            Add(CSkinProblem::Severity::Warning, entry.Element, p.PathName,
                "The rectangle " + text + " has a negative width or height.");
        else if (r.left < 0 || r.top < 0 || r.right > screen || r.bottom > screen)
            Add(CSkinProblem::Severity::Warning, entry.Element, p.PathName,
                "The rectangle " + text + " lies outside the " + SizeText(screen, screen) +
                    " screen.");
    }
}

void CSkinChecker::CheckFitsRectangle(const CBitmapField& field, const std::string& path, int width,
                                      int height) {
    if (!field.Rect) return;
    const CRect& r = *field.Rect;
    // Wide: the edges of a damaged project can be any 32-bit numbers.
    const int64_t w = int64_t(r.right) - r.left, h = int64_t(r.bottom) - r.top;
    // A rectangle of negative size has a warning of its own.
    if (w < 0 || h < 0) return;
    const std::string rect = std::string("its rectangle ") + field.RectName;
    if (field.WidthOnly) {
        if (width != w)
            Add(CSkinProblem::Severity::Warning, field.Element, path,
                "The bitmap is " + std::to_string(width) + " pixels wide; " + rect + " is " +
                    std::to_string(w) + ".");
    } else if (width != w || height != h) {
        Add(CSkinProblem::Severity::Warning, field.Element, path,
            "The bitmap is " + SizeText(width, height) + " pixels; " + rect + " is " +
                std::to_string(w) + "x" + std::to_string(h) + ".");
    }
}

void CSkinChecker::Add(CSkinProblem::Severity level, const std::string& element,
                       const std::string& file, const std::string& message) {
    m_problems.push_back({level, element, file, message});
}

}  // namespace vantoro
