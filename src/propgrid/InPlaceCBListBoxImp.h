#pragma once

#include <QListWidget>

namespace vantoro {

// The choice editor's pop-up list: a top-level pop-up that reports a choice (release of
// the button, Enter) or its closing without one (Tab, Escape, a click elsewhere).
class CInPlaceCBListBoxImp : public QListWidget {
    Q_OBJECT
public:
    explicit CInPlaceCBListBoxImp(QWidget* combo);

    // The selected entry, -1 for none.
    int SelectedIndex() const;

signals:
    // Entry `index` (-1: none) was chosen.
    void Chosen(int index);
    // The list is to close, or closed, without a choice.
    void ClosedUp();

protected:
    bool event(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
};

}  // namespace vantoro
