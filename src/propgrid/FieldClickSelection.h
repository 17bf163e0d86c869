#pragma once

#include <QObject>
#include <functional>

class QLineEdit;

namespace vantoro {

// The first click into a row's field that holds no typing selects its whole text, so that
// what is typed next replaces the value (the keyboard may still be in the field after Enter
// or an undo, showing the value anew); a further click places the caret. A key or the
// keyboard leaving the field makes the next click the first again.
class CFieldClickSelection : public QObject {
    Q_OBJECT
public:
    // Watches `field` (its parent); `typing` says whether it holds typing of its own.
    CFieldClickSelection(QLineEdit* field, std::function<bool()> typing);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_pField;
    std::function<bool()> m_typing;
    bool m_bArmed = true;
};

}  // namespace vantoro
