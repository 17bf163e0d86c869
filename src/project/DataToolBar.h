#pragma once

#include <string>

#include "Data.h"
#include "Geometry.h"
#include "ToolBarPIM.h"

namespace vantoro {

// Section "ToolBar" of the project file.
class CDataToolBar : public CDataElement<CSkinElement::ToolBar, CToolBarPIM> {
public:
    CRect Rect;
    std::string BmpNormal;
    std::string BmpHighlight;
    CRect RectButtonInfo;
    CRect RectButtonBeam;
    CRect RectButtonDelete;
    CRect RectButtonTools;
};

}  // namespace vantoro
