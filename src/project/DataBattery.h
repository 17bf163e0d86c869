#pragma once

#include <string>

#include "BatteryPIM.h"
#include "Data.h"
#include "Geometry.h"

namespace vantoro {

// Section "Battery" of the project file.
class CDataBattery : public CDataElement<CSkinElement::Battery, CBatteryPIM> {
public:
    CRect Rect;
    std::string Bmp;
};

}  // namespace vantoro
