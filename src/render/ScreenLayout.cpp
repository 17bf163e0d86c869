#include "ScreenLayout.h"

#include "SkinProject.h"

namespace vantoro {

int CScreenLayout::ScreenSize(int reso) {
    return reso == 2 ? 320 : 160;
}

std::vector<CScreenElement> CScreenLayout::Elements(const CSkinProject& p, bool maximized) {
    using K = CScreenElement::Kind;
    std::vector<CScreenElement> list;
    // Large areas first, so the small ones on top of them stay reachable with the mouse.
    list.push_back(
        {K::TitleBar, "Title Bar", "TitleBar.Rect", 1, p.TitleBar.Rect, qRgb(0, 200, 255)});
    if (maximized)
        list.push_back({K::AppList, "App List", "AppList.RectMaximized", 2, p.AppList.RectMaximized,
                        qRgb(0, 230, 90)});
    else
        list.push_back(
            {K::AppList, "App List", "AppList.Rect", 1, p.AppList.Rect, qRgb(0, 230, 90)});
    if (maximized)
        list.push_back({K::ScrollBar, "Scroll Bar", "ScrollBar.RectMaximized", 3,
                        p.ScrollBar.RectMaximized, qRgb(255, 160, 0)});
    else
        list.push_back({K::ScrollBar, "Scroll Bar", "ScrollBar.RectNormal", 2,
                        p.ScrollBar.RectNormal, qRgb(255, 160, 0)});
    if (!maximized)
        list.push_back(
            {K::ToolBar, "Tool Bar", "ToolBar.Rect", 2, p.ToolBar.Rect, qRgb(255, 60, 200)});
    list.push_back({K::ToolBarToggler, "Toggler", "ToolBarToggler.Rect", 3, p.ToolBarToggler.Rect,
                    qRgb(170, 110, 255)});
    list.push_back(
        {K::DateTime, "Date/Time", "DateTime.Rect", 1, p.DateTime.Rect, qRgb(255, 255, 0)});
    list.push_back({K::Battery, "Battery", "Battery.Rect", 1, p.Battery.Rect, qRgb(120, 255, 255)});
    list.push_back({K::MaximizeIcon, "Maximize Icon", "MaximizeVuzuRuzIcon.Rect", 3,
                    p.MaximizeVuzuRuzIcon.Rect, qRgb(255, 120, 80)});
    return list;
}

CPropertyItemManager& CScreenLayout::Sheet(CSkinProject& p, CScreenElement::Kind kind) {
    using K = CScreenElement::Kind;
    switch (kind) {
        case K::TitleBar:
            return p.TitleBar.PropertySheet();
        case K::AppList:
            return p.AppList.PropertySheet();
        case K::ScrollBar:
            return p.ScrollBar.PropertySheet();
        case K::ToolBar:
            return p.ToolBar.PropertySheet();
        case K::ToolBarToggler:
            return p.ToolBarToggler.PropertySheet();
        case K::DateTime:
            return p.DateTime.PropertySheet();
        case K::Battery:
            return p.Battery.PropertySheet();
        case K::MaximizeIcon:
            break;
    }
    return p.MaximizeVuzuRuzIcon.PropertySheet();
}

const CScreenElement* CScreenLayout::Find(CSkinProject& project,
                                          const std::vector<CScreenElement>& elements,
                                          const CPropertyItemManager* sheet) {
    if (!sheet) return nullptr;
    for (const CScreenElement& element : elements)
        if (&Sheet(project, element.Element) == sheet) return &element;
    return nullptr;
}

}  // namespace vantoro
