#include "PropertyItem.h"

#include "PropertyListHost.h"
#include "TextCodec.h"

namespace vantoro {

void CPropertyItem::DrawValue(IValuePainter&, const QRect&) const {}

void CPropertyItem::ShowEditor(IPropertyListHost& list, const QRect& cell, bool load) {
    const std::optional<EEditorKind> kind = EditorKind();
    if (!kind) {
        list.SetEditor(nullptr, false);
        return;
    }
    IInPlaceEditor* editor = list.FindEditor(*kind);
    const bool created = editor == nullptr;
    if (created)
        editor = list.CreateEditor(*kind, cell);
    else
        editor->MoveTo(cell);
    if (editor && load) editor->Load(GetValue(), Choices());
    list.SetEditor(editor, created && editor);
}

CEditorValue CPropertyItem::ReadEditor(IInPlaceEditor& editor) const {
    CResult<CPropertyValue> read = editor.Read();
    if (!read) return {std::nullopt, read.Error()};
    return {std::move(read).Value(), {}};
}

bool CPropertyItem::SetShown(bool shown) {
    if (m_bShown == shown) return false;
    m_bShown = shown;
    return true;
}

}  // namespace vantoro
