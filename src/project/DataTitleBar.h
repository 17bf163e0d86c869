#pragma once

#include <string>

#include "Data.h"
#include "Geometry.h"
#include "TitleBarPIM.h"

namespace vantoro {

// Section "TitleBar" of the project file.
class CDataTitleBar : public CDataElement<CSkinElement::TitleBar, CTitleBarPIM> {
public:
    CRect Rect;
    std::string Bmp;
    std::string BmpMask;
};

}  // namespace vantoro
