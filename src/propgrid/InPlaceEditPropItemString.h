#pragma once

#include "InPlaceEditImp.h"

namespace vantoro {

// The editor of a text row: commits when it loses the focus.
class CInPlaceEditPropItemString : public CInPlaceEditImp {
    Q_OBJECT
public:
    using CInPlaceEditImp::CInPlaceEditImp;
    const char* EditorClassName() const override { return "CInPlaceEditPropItemString"; }

protected:
    void OnEditKillFocus() override { NotifyApply(); }
};

}  // namespace vantoro
