#pragma once

#include <QChar>

class QKeyEvent;

namespace vantoro {

class CPropertyListCtrl;

// What keys do in the grid itself (its editors have their own): Enter and the keypad's
// plus and minus open and close a category; Enter and Tab give a value row's editor the
// keyboard; a character typed on a value row with a field to type into goes into the
// field; F4 and Alt+Down press the row editor's button (a choice row's choices open);
// any other typed letter selects the next row whose label starts with it.
class CPropertyListKeys {
public:
    explicit CPropertyListKeys(CPropertyListCtrl& list);

    // Handles a key the list was sent; false when it is left to the list view's own keys.
    bool KeyPress(QKeyEvent& event);
    // Tab or Enter on a value row: the shown editor takes the focus. False on a category.
    bool FocusEditorOfValueRow();
    // The selected value row's field takes the keyboard, all of its text selected. False
    // when the row has no field to type into.
    bool FocusFieldOfValueRow();

    // Type-ahead: selects the next row after the selection whose label starts with `c`,
    // wrapping to the top. False when there is none.
    bool SelectByLetter(QChar c);
    // The first of `count` rows from `start` whose label starts with `c`, or -1.
    int FindByLetter(QChar c, int start, int count) const;

private:
    CPropertyListCtrl& m_list;
};

}  // namespace vantoro
