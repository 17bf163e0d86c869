#pragma once

#include <QEvent>

namespace vantoro {

class CPropertyItemManager;

constexpr int WM_USER = 0x0400;
// The tree's "an element was selected" notice to the main frame.
constexpr QEvent::Type WM_ELEMENT_SELECTED = QEvent::Type(WM_USER + 2000);

// Posted, not sent, so the tree finishes its own selection handling before the frame
// rebuilds the property window and repaints the view.
class CElementSelectedEvent : public QEvent {
public:
    // `sheet` is the selected element's property sheet, or null for a category node.
    explicit CElementSelectedEvent(CPropertyItemManager* sheet)
        : QEvent(WM_ELEMENT_SELECTED), m_pSheet(sheet) {}

    CPropertyItemManager* Sheet() const { return m_pSheet; }

private:
    CPropertyItemManager* m_pSheet;
};

}  // namespace vantoro
