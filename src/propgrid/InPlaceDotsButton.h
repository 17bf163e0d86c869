#pragma once

#include <QToolButton>

namespace vantoro {

// The "..." button at the right of the colour and rectangle editors: a push button face
// with three dots, drawn pressed while its dialog is open. It takes no focus (the field
// keeps the keyboard; F4 opens the dialog from there) but is a real button for screen
// readers, with a name and a press action.
class CInPlaceDotsButton : public QToolButton {
    Q_OBJECT
public:
    CInPlaceDotsButton(const QString& name, QWidget* editor);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace vantoro
