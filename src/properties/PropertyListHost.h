#pragma once

#include <QRect>

#include "InPlaceEditor.h"

namespace vantoro {

class CPropertyItem;

// What rows and sheets need of the property list: filling it, its editor cache and a
// way to make editors.
class IPropertyListHost {
public:
    virtual ~IPropertyListHost() = default;
    // Puts `item` (not owned) into the list as row `index`.
    virtual void InsertItem(int index, CPropertyItem* item) = 0;
    // Inserts the shown child rows of the category at row `index` after it and marks it
    // expanded.
    virtual void ExpandCategory(int index) = 0;
    // The cached editor of `kind`, or null. Whatever the answer, when it is not the
    // current editor, the current one is hidden first.
    virtual IInPlaceEditor* FindEditor(EEditorKind kind) = 0;
    // Makes `editor` (null: none, hiding the current one) the current editor; an editor
    // made just now joins the cache.
    virtual void SetEditor(IInPlaceEditor* editor, bool created) = 0;
    // A new editor of `kind` over `cell`, owned by the list once handed to SetEditor with
    // `created` set.
    virtual IInPlaceEditor* CreateEditor(EEditorKind kind, const QRect& cell) = 0;
};

}  // namespace vantoro
