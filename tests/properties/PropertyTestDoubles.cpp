#include "PropertyTestDoubles.h"

#include <cstring>

#include "InPlaceColorEditor.h"
#include "InPlaceRectEditor.h"
#include "PropertyItemCategory.h"

namespace vantoro::test {
namespace {

class StubColorEditor : public IInPlaceColorEditor {
public:
    const char* EditorClassName() const override { return "CInPlaceColorEditImp"; }
    void MoveTo(const QRect&) override {}
    COLORREF GetColor() const override { return color; }
    void SetColor(COLORREF value) override { color = value; }
    void SelectAllAndFocus() override {}
    COLORREF color = 0;
};

class StubRectEditor : public IInPlaceRectEditor {
public:
    const char* EditorClassName() const override { return "CInPlaceRectEditImp"; }
    void MoveTo(const QRect&) override {}
    CRect GetRect() const override { return rect; }
    void SetRect(const CRect& value) override { rect = value; }
    void SelectAllAndFocus() override {}
    CRect rect;
};

}  // namespace

void StubListHost::InsertItem(int index, CPropertyItem* item) {
    rows.insert(rows.begin() + index, item);
}

void StubListHost::ExpandCategory(int index) {
    auto* category = static_cast<CPropertyItemCategory*>(rows[std::size_t(index)]);
    int at = index + 1;
    for (CPropertyItem* child : category->m_listItems)
        if (child->m_bShown) InsertItem(at++, child);
    category->m_bExpanded = true;
}

IInPlaceEditor* StubListHost::FindEditor(const char* editorClass) {
    for (const auto& editor : cache)
        if (std::strcmp(editor->EditorClassName(), editorClass) == 0) return editor.get();
    return nullptr;
}

void StubListHost::SetEditor(IInPlaceEditor* editor, bool) {
    current = editor;
}

IInPlaceEditor* StubListHost::CreateEditor(const char* editorClass, const QRect& cell) {
    ++created;
    std::unique_ptr<IInPlaceEditor> editor;
    if (std::strcmp(editorClass, "CInPlaceComboBoxImp") == 0)
        editor = std::make_unique<StubComboEditor>();
    else if (std::strcmp(editorClass, "CInPlaceColorEditImp") == 0)
        editor = std::make_unique<StubColorEditor>();
    else if (std::strcmp(editorClass, "CInPlaceRectEditImp") == 0)
        editor = std::make_unique<StubRectEditor>();
    else
        editor = std::make_unique<StubTextEditor>(editorClass);
    editor->MoveTo(cell);
    cache.push_back(std::move(editor));
    return cache.back().get();
}

}  // namespace vantoro::test
