#pragma once

#include "InPlaceEditImp.h"

namespace vantoro {

// The editor of an integer row: commits when it loses the focus and lets only digits
// and the editing keys through (no leading 0; Ctrl keys pass, so pasting is possible).
class CInPlaceEditPropItemInt : public CInPlaceEditImp {
    Q_OBJECT
public:
    using CInPlaceEditImp::CInPlaceEditImp;
    const char* EditorClassName() const override { return "CInPlaceEditPropItemInt"; }

    // Whether the key filter lets `event` reach the field holding `currentText`.
    static bool KeyPasses(const QKeyEvent& event, const QString& currentText);

protected:
    void OnEditKillFocus() override { NotifyApply(); }
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace vantoro
