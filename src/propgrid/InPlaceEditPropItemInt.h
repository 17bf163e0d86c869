#pragma once

#include "InPlaceEditImp.h"

namespace vantoro {

// The editor of an integer row: lets only digits and the editing keys through (no
// leading 0; Ctrl keys pass, so pasting is possible), and reads what it holds as the
// C library's atoi does. Pasted text that starts with no number is refused by name.
class CInPlaceEditPropItemInt : public CInPlaceEditImp {
    Q_OBJECT
public:
    using CInPlaceEditImp::CInPlaceEditImp;
    EEditorKind Kind() const override { return EEditorKind::Integer; }
    CResult<CPropertyValue> Read() const override;

    // Whether the key filter lets `event` reach the field holding `currentText`.
    static bool KeyPasses(const QKeyEvent& event, const QString& currentText);

protected:
    CPropertyValue ValueOf(const std::string& text) const override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace vantoro
