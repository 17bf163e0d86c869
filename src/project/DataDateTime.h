#pragma once

#include <string>

#include "Data.h"
#include "DateTimePIM.h"
#include "Geometry.h"

namespace vantoro {

// Section "DateTime" of the project file.
class CDataDateTime : public CDataElement<CSkinElement::DateTime, CDateTimePIM> {
public:
    CRect Rect;
    COLORREF TextColor = 0;
};

}  // namespace vantoro
