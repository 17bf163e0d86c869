#pragma once

#include <QToolButton>

namespace vantoro {

// The "..." button at the right of the colour and rectangle editors: a push button face
// with three dots, drawn pressed while its dialog is open. Tab from the field reaches it
// (a click does not take the focus from the field), so screen readers announce it by its
// name; it presses with Space or Enter and through its accessible press action.
class CInPlaceDotsButton : public QToolButton {
    Q_OBJECT
public:
    CInPlaceDotsButton(const QString& name, QWidget* editor);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace vantoro
