#pragma once

#include <QListWidget>
#include <QPointer>

namespace vantoro {

// The choice editor's pop-up list: a top-level pop-up that reports a choice (release of
// the button, Enter) or its closing (Tab, Escape, a click elsewhere) to the combo.
class CInPlaceCBListBoxImp : public QListWidget {
    Q_OBJECT
public:
    explicit CInPlaceCBListBoxImp(QWidget* combo);

    // The selected entry, -1 for none.
    int SelectedIndex() const;

protected:
    bool event(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void SendSelect();
    QPointer<QWidget> m_pCombo;
};

}  // namespace vantoro
