#pragma once

#include <QDockWidget>
#include <cstdint>

class QTabWidget;

namespace vantoro {

class CPropDescWnd;
class CPropertyItemManager;
class CPropertyListCtrl;

// The "Property" docking window: a tab window whose one tab, "Property", is the property
// list, and under it the description pane, 120 pixels high with 5-pixel gaps.
class CDockPropertyWnd : public QDockWidget {
    Q_OBJECT
public:
    explicit CDockPropertyWnd(QWidget* parent = nullptr);

    // Shows `sheet` (not owned) in the list, rebuilding it when `force` is set or the
    // sheet is another one. False for null.
    bool ShowPropertySheet(CPropertyItemManager* sheet, bool force);
    // Empties the list and the pane; the list keeps its sheet.
    void ClearPropertySheet();
    // Empties the list and forgets its sheet, taking nothing: for when the sheets are
    // about to go away.
    void ReleasePropertySheet();
    // Takes what the open field holds when it was typed; true when it took a value.
    bool TakeTyping();
    // Undo or redo put a value back into `sheet`'s row `itemId`.
    void OnValueApplied(CPropertyItemManager* sheet, uint8_t itemId);

    CPropertyListCtrl* List() const { return m_wndList; }
    CPropDescWnd* DescriptionPane() const { return m_wndDesc; }
    QTabWidget* TabWindow() const { return m_wndTab; }

    static constexpr int kDescHeight = 120;

private:
    QTabWidget* m_wndTab;
    CPropertyListCtrl* m_wndList;
    CPropDescWnd* m_wndDesc;
};

}  // namespace vantoro
