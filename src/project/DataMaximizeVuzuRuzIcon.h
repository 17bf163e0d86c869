#pragma once

#include <string>

#include "Data.h"
#include "Geometry.h"
#include "MaximizeVuzuRuzIconPIM.h"

namespace vantoro {

// Section "MaximizeVuzuRuzIcon" of the project file.
class CDataMaximizeVuzuRuzIcon
    : public CDataElement<CSkinElement::MaximizeVuzuRuzIcon, CMaximizeVuzuRuzIconPIM> {
public:
    std::string Bmp;
    std::string BmpMask;
    CRect Rect;
};

}  // namespace vantoro
