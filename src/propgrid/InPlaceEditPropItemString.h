#pragma once

#include "InPlaceEditImp.h"

namespace vantoro {

// The editor of a text row.
class CInPlaceEditPropItemString : public CInPlaceEditImp {
    Q_OBJECT
public:
    using CInPlaceEditImp::CInPlaceEditImp;
    EEditorKind Kind() const override { return EEditorKind::Text; }
};

}  // namespace vantoro
