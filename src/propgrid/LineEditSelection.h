#pragma once

#include <QLineEdit>

namespace vantoro {

// Selects the whole text with the caret at its start, so a value wider than its cell shows
// its beginning ("10,20 (..."), not its end.
inline void SelectAllShowingStart(QLineEdit& edit) {
    const int length = int(edit.text().size());
    edit.setSelection(length, -length);
}

}  // namespace vantoro
