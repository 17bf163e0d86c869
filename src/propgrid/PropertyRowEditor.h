#pragma once

#include <QRect>
#include <vector>

#include "InPlaceEditor.h"

class QWidget;

namespace vantoro {

class CPropertyItem;
class CPropertyListCtrl;

// The grid's edit row and the in-place editor over its value cell. The list keeps one
// editor of each kind, made on first use, hidden and reused. The life of a typed value:
// the row's field is opened on the row's value; what is typed is then taken (Enter, Tab,
// a step key, the keyboard leaving the field, a choice made, a dialog's OK), which reads
// it through the row and enters it through the list, or abandoned (Escape). A refused
// text stays in the field for the user to mend. Hiding an editor takes nothing.
class CPropertyRowEditor {
public:
    explicit CPropertyRowEditor(CPropertyListCtrl& list);
    CPropertyRowEditor(const CPropertyRowEditor&) = delete;
    CPropertyRowEditor& operator=(const CPropertyRowEditor&) = delete;

    // The list is going away: the editors are destroyed before their focus can move, and
    // take nothing with them.
    void DestroyEditors();

    int EditIndex() const { return m_nEditIndex; }
    void SetEditIndex(int index) { m_nEditIndex = index; }
    // A row came in at `index`: the edit row keeps its item when rows come in above it.
    void RowInserted(int index);
    // Row `index` is about to go: the editor hides with its row.
    void RowRemoving(int index);

    IInPlaceEditor* Current() const { return m_pEditor; }
    QWidget* CurrentWidget() const;
    // The cached editor of `kind`, or null; any other shown editor is hidden.
    IInPlaceEditor* Find(EEditorKind kind);
    void Set(IInPlaceEditor* editor, bool created);
    IInPlaceEditor* Create(EEditorKind kind, const QRect& cell);
    void Hide();
    // Lets the edit row's item put its editor over its value cell, opening its field on
    // the row's value when `loadValue` is set; the item, or null without an edit row.
    CPropertyItem* Place(bool loadValue);
    // Opens the edit row's field on its value again without moving the keyboard.
    void ReloadQuietly();
    // The open field shows the value in bold when the row differs from the saved file.
    void ShowChanged();

    // Takes what the open field holds: the row reads it and the list enters it. False
    // without an editor or edit row, when the row or the text refuses it (with a message)
    // and when the entry was refused; the field then keeps the text for mending.
    bool Take();
    // Takes the open field's typing when it reads as a value other than the row's; silent
    // about text that reads as none (commands must not stop to complain about half-typed
    // text). True when it took a value.
    bool TakeTyping();
    // Takes the open field's typing, with the messages a refused or invalid text gets.
    // True when it went in or nothing was typed.
    bool TakeOpenField();
    // Drops the open field's typing: it shows the row's value again and the list takes
    // the keyboard.
    void Abandon();
    // After a refused entry: the field keeps the typed text and, unless the user went
    // elsewhere, the keyboard.
    void KeepRefusedText();

    bool IsHiding() const { return m_bHidingEditor; }
    // While set, editors being loaded do not take the keyboard focus.
    bool IsQuiet() const { return m_bQuietPlace; }
    void SetQuiet(bool quiet) { m_bQuietPlace = quiet; }
    // Whether an entry was refused in the current turn of the event loop; forgets it.
    bool TakeRefusedJustNow();

private:
    // An editor and its widget, as made.
    struct CMadeEditor {
        IInPlaceEditor* Editor;
        QWidget* Widget;
    };
    // Hears what `editor` reports.
    template <class Editor>
    Editor* Connected(Editor* editor);
    // An editor reports what its field holds is to be taken; not while editors are being
    // hidden, which takes nothing.
    void OnTaken();

    CPropertyListCtrl& m_list;
    int m_nEditIndex = -1;
    IInPlaceEditor* m_pEditor = nullptr;
    // One editor per kind; the widgets are children of the viewport and go with it.
    std::vector<CMadeEditor> m_listEditors;
    bool m_bHidingEditor = false;
    // Set while an editor is loaded without taking the focus.
    bool m_bQuietPlace = false;
    // An entry was refused in the current turn of the event loop: the press that took the
    // focus from the field does not move the selection.
    bool m_bRefusedJustNow = false;
};

}  // namespace vantoro
