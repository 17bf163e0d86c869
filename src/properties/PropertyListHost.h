#pragma once

#include <QRect>

namespace vantoro {

class CPropertyItem;
class IInPlaceEditor;

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
    // The cached editor of class `editorClass`, or null. Whatever the answer, when it is
    // not the current editor, the current one is hidden first.
    virtual IInPlaceEditor* FindEditor(const char* editorClass) = 0;
    // Makes `editor` (null: none, hiding the current one) the current editor; an editor
    // made just now joins the cache.
    virtual void SetEditor(IInPlaceEditor* editor, bool created) = 0;
    // A new editor of class `editorClass` over `cell`, owned by the list once handed to
    // SetEditor with `created` set.
    virtual IInPlaceEditor* CreateEditor(const char* editorClass, const QRect& cell) = 0;
};

}  // namespace vantoro
