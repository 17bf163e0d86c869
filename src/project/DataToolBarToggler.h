#pragma once

#include <string>

#include "Data.h"
#include "Geometry.h"
#include "ToolBarTogglerPIM.h"

namespace vantoro {

// Section "ToolBarToggler" of the project file.
class CDataToolBarToggler : public CDataElement<CSkinElement::ToolBarToggler, CToolBarTogglerPIM> {
public:
    std::string Bmp;
    std::string BmpMask;
    CRect Rect;
};

}  // namespace vantoro
