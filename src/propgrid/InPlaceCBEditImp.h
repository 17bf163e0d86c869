#pragma once

#include <QLineEdit>
#include <QPointer>

namespace vantoro {

// The read-only field of the choice editor. Up and Down step through the choices;
// Alt+Down and F4 open them; Tab, Enter and Escape give the keyboard back to the list.
class CInPlaceCBEditImp : public QLineEdit {
    Q_OBJECT
public:
    CInPlaceCBEditImp(QWidget* combo, QWidget* list);

signals:
    // Up (-1) or Down (+1): the next choice up or down is to be made.
    void StepRequested(int direction);
    // The choices are to be shown.
    void DropRequested();

protected:
    bool event(QEvent* event) override;

private:
    QPointer<QWidget> m_pList;
};

}  // namespace vantoro
