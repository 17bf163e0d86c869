#pragma once

#include <string>

#include "Data.h"
#include "Geometry.h"
#include "ScrollBarPIM.h"

namespace vantoro {

// Section "ScrollBar" of the project file.
class CDataScrollBar : public CDataElement<CSkinElement::ScrollBar, CScrollBarPIM> {
public:
    CRect RectNormal;
    CRect RectMaximized;
    std::string Bmp;
    int ButtonTopHeight = 0;
    int ButtonCenterHeight = 0;
    int ButtonBottomHeight = 0;
    CRect RectThumb;
    int ThumbTopHeight = 0;
    int ThumbCenterHeight = 0;
    int ThumbBottomHeight = 0;
};

}  // namespace vantoro
