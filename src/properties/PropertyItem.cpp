#include "PropertyItem.h"

#include <QPainter>

#include "InPlaceEditor.h"
#include "PropertyListHost.h"
#include "TextCodec.h"

namespace vantoro {

void CPropertyItem::DrawValue(QPainter&, const QRect&) const {}

void CPropertyItem::ShowEditor(IPropertyListHost& list, const QRect&, bool) {
    list.SetEditor(nullptr, false);
}

CResult<void> CPropertyItem::ReadEditor(IInPlaceEditor&) {
    return {};
}

bool CPropertyItem::SetShown(bool shown) {
    if (m_bShown == shown) return false;
    m_bShown = shown;
    return true;
}

IInPlaceEditor* CPropertyItem::FindOrCreateEditor(IPropertyListHost& list, const char* editorClass,
                                                  const QRect& cell, bool& created) {
    IInPlaceEditor* editor = list.FindEditor(editorClass);
    created = editor == nullptr;
    if (created)
        editor = list.CreateEditor(editorClass, cell);
    else
        editor->MoveTo(cell);
    return editor;
}

void CPropertyItem::HandOver(IPropertyListHost& list, IInPlaceEditor* editor, bool created) {
    list.SetEditor(editor, created);
}

void CPropertyItem::DrawValueText(QPainter& painter, const QRect& cell, const std::string& text) {
    painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, ToQString(text));
}

}  // namespace vantoro
