#pragma once

#include <QRect>
#include <vector>

class QWidget;

namespace vantoro {

class CPropertyItem;
class CPropertyListCtrl;
class IInPlaceEditor;

// The grid's edit row and the in-place editor over its value cell. The list keeps one
// editor of each kind, made on first use, hidden and reused. A commit lets the row read
// its editor back and the sheet store it; a refused text stays in the field for the user
// to mend. Hiding an editor never commits it.
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
    // The cached editor of `editorClass`, or null; any other shown editor is hidden.
    IInPlaceEditor* Find(const char* editorClass);
    void Set(IInPlaceEditor* editor, bool created);
    IInPlaceEditor* Create(const char* editorClass, const QRect& cell);
    void Hide();
    // Lets the edit row's item put its editor over its value cell, loading the value
    // when `loadValue` is set; the item, or null without an edit row.
    CPropertyItem* Place(bool loadValue);
    // Loads the edit row's value into its editor without moving the keyboard focus.
    void ReloadQuietly();
    // The open field shows the value in bold when the row differs from the saved file.
    void ShowChanged();

    // The edit row reads its editor back and the sheet stores it. False without an
    // editor or edit row, for characters a skin cannot hold, and when the sheet refuses
    // the value; a value the row could not read is reported and goes on to the sheet.
    bool Commit();
    // Commits a typed text that differs from the row; true when it committed.
    bool CommitPending();
    // Commits a typed text with the messages a refused or invalid one gets; true when it
    // went in or nothing was typed.
    bool CommitOpen();
    // The field shows the row's value again and the list takes the keyboard focus.
    void Abandon();
    // After a refused commit: the field keeps the typed text and, unless the user went
    // elsewhere, the keyboard.
    void KeepRefusedText();
    // An editor asks to be committed: nothing is refused while editors are being hidden.
    bool Apply() { return m_bHidingEditor || Commit(); }

    bool IsHiding() const { return m_bHidingEditor; }
    // While set, editors being loaded do not take the keyboard focus.
    bool IsQuiet() const { return m_bQuietPlace; }
    void SetQuiet(bool quiet) { m_bQuietPlace = quiet; }
    // Whether a commit was refused in the current turn of the event loop; forgets it.
    bool TakeRefusedJustNow();

private:
    CPropertyListCtrl& m_list;
    int m_nEditIndex = -1;
    IInPlaceEditor* m_pEditor = nullptr;
    // One editor per class; the widgets are children of the viewport and go with it.
    std::vector<IInPlaceEditor*> m_listEditors;
    bool m_bHidingEditor = false;
    // Set while an editor is loaded without taking the focus.
    bool m_bQuietPlace = false;
    // A commit was refused in the current turn of the event loop: the press that took the
    // focus from the field does not move the selection.
    bool m_bRefusedJustNow = false;
};

}  // namespace vantoro
