#include "ScreenLayout.h"

#include <algorithm>

#include "Data.h"
#include "SkinProject.h"

namespace vantoro {

std::vector<CScreenElement> CScreenLayout::Elements(const CSkinProject& p, bool maximized) {
    const CScreenState hidden = maximized ? CScreenState::Normal : CScreenState::Maximized;
    std::vector<const CSkinField*> shown;
    for (const CSkinField& field : CSkinFields::All())
        if (field.Screen.Order && field.Screen.State != hidden) shown.push_back(&field);
    std::stable_sort(shown.begin(), shown.end(), [](const CSkinField* a, const CSkinField* b) {
        return a->Screen.Order < b->Screen.Order;
    });
    std::vector<CScreenElement> list;
    for (const CSkinField* field : shown)
        list.push_back({field->Element, field, field->Screen.Name, CSkinFields::Id(*field),
                        CSkinFields::RowOf(*field),
                        std::get<CRect>(p.Element(field->Element).Get(*field)),
                        QRgb(0xFF000000u | field->Screen.Outline)});
    return list;
}

CPropertyItemManager& CScreenLayout::Sheet(CSkinProject& p, CSkinElement element) {
    return p.Element(element).PropertySheet();
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
