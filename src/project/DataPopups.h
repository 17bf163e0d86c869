#pragma once

#include <string>

#include "Data.h"
#include "Geometry.h"
#include "PopupsPIM.h"

namespace vantoro {

// Section "Popups" of the project file.
class CDataPopups : public CDataElement<CSkinElement::Popups, CPopupsPIM> {
public:
    CPoint PtTools;
    CPoint PtCategory;
    CSize MaxSizeCategory;
    COLORREF CategoryTextColor = 0;
};

}  // namespace vantoro
