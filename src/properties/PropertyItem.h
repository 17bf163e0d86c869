#pragma once

#include <QRect>
#include <cstdint>
#include <string>

#include "PropertyValue.h"
#include "Result.h"

class QPainter;

namespace vantoro {

class IInPlaceEditor;
class IPropertyListHost;

// One row of the property grid: a category or a value of a skin element. A value row
// holds a copy of its value; the sheet copies it from and to the element record.
class CPropertyItem {
public:
    explicit CPropertyItem(std::string label) : m_strLabel(std::move(label)) {}
    virtual ~CPropertyItem() = default;
    CPropertyItem(const CPropertyItem&) = delete;
    CPropertyItem& operator=(const CPropertyItem&) = delete;

    // The run-time class: the list asks whether a row is a category.
    virtual const char* ClassName() const { return "CPropertyItem"; }
    virtual bool IsCategory() const { return false; }

    // Draws the value into the value cell, one line, left-aligned, vertically centred,
    // in the painter's font and pen.
    virtual void DrawValue(QPainter& painter, const QRect& cell) const;
    // Puts the row's editor over `cell`, loading the value when `load` is set. The base
    // has no editor: it leaves the list with none.
    virtual void ShowEditor(IPropertyListHost& list, const QRect& cell, bool load);
    // Takes the value back from `editor`. An error when the entry was not taken as typed
    // (refused, or cut to fit), with what the user is to be told; the row then holds what
    // it did take.
    virtual CResult<void> ReadEditor(IInPlaceEditor& editor);

    // The value as it stands, and a value put back (undo, redo); monostate for none.
    virtual CPropertyValue GetValue() const { return {}; }
    virtual void SetValue(const CPropertyValue&) {}

    // True when the flag changed.
    bool SetShown(bool shown);
    void SetRefreshView(bool refresh) { m_bRefreshView = refresh; }
    bool GetRefreshView() const { return m_bRefreshView; }

    const std::string m_strLabel;
    bool m_bShown = true;
    bool m_bRefreshView = false;
    uint8_t m_nItemId = 0;
    uint32_t m_nHelpId = 0;

protected:
    // The common part of every value row's ShowEditor: the cached editor of `editorClass`
    // moved to `cell`, or a new one there; `created` says which.
    static IInPlaceEditor* FindOrCreateEditor(IPropertyListHost& list, const char* editorClass,
                                              const QRect& cell, bool& created);
    // ShowEditor of a row whose editor of interface `Editor` is loaded by `loadValue`
    // (a value put in, all of it selected, the focus given).
    template <class Editor, class Load>
    static void ShowLoadedEditor(IPropertyListHost& list, const char* editorClass,
                                 const QRect& cell, bool load, Load loadValue) {
        bool created = false;
        auto* editor = dynamic_cast<Editor*>(FindOrCreateEditor(list, editorClass, cell, created));
        if (editor && load) {
            loadValue(*editor);
            editor->SelectAllAndFocus();
        }
        HandOver(list, editor, created);
    }
    static void HandOver(IPropertyListHost& list, IInPlaceEditor* editor, bool created);
    // One line of text in `cell`, as every value is drawn.
    static void DrawValueText(QPainter& painter, const QRect& cell, const std::string& text);
};

}  // namespace vantoro
