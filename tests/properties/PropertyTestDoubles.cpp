#include "PropertyTestDoubles.h"

#include "PropertyItemCategory.h"

namespace vantoro::test {

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

IInPlaceEditor* StubListHost::FindEditor(EEditorKind kind) {
    for (const auto& editor : cache)
        if (editor->Kind() == kind) return editor.get();
    return nullptr;
}

void StubListHost::SetEditor(IInPlaceEditor* editor, bool) {
    current = editor;
}

IInPlaceEditor* StubListHost::CreateEditor(EEditorKind kind, const QRect& cell) {
    ++created;
    cache.push_back(std::make_unique<StubEditor>(kind));
    cache.back()->MoveTo(cell);
    return cache.back().get();
}

}  // namespace vantoro::test
