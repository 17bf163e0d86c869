#pragma once

#include <QLineEdit>

namespace vantoro {

class CInPlaceButtonEditImp;

// The text field of the colour and rectangle editors. Its keys and its focus loss are
// the editor's to handle (Enter, Tab, Escape, the step keys, the dialog keys), and so is
// whether the window's Undo and Redo keys pass through it.
class CInPlaceButtonEditBoxImp : public QLineEdit {
    Q_OBJECT
public:
    explicit CInPlaceButtonEditBoxImp(CInPlaceButtonEditImp* editor);
    // The editor is going away: from now on the field is a plain line edit.
    void Detach() { m_pEditor = nullptr; }

protected:
    bool event(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    CInPlaceButtonEditImp* m_pEditor;
};

}  // namespace vantoro
