#pragma once

#include <QLineEdit>
#include <QPointer>

namespace vantoro {

// The read-only field of the choice editor. Up and Down step through the choices (and
// commit each step); Tab, Enter and Escape give the focus back to the list.
class CInPlaceCBEditImp : public QLineEdit {
    Q_OBJECT
public:
    CInPlaceCBEditImp(QWidget* combo, QWidget* list);

protected:
    bool event(QEvent* event) override;

private:
    QPointer<QWidget> m_pList;
};

}  // namespace vantoro
