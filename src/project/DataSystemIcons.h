#pragma once

#include <string>

#include "Data.h"
#include "Geometry.h"
#include "SystemIconsPIM.h"

namespace vantoro {

// Section "SystemIcons" of the project file.
class CDataSystemIcons : public CDataElement<CSkinElement::SystemIcons, CSystemIconsPIM> {
public:
    std::string BmpCategories;
    std::string BmpCategoriesMask;
    std::string BmpPopupTools;
    std::string BmpPopupToolsMask;
    std::string BmpMiscIcons;
    CSize MiscIconsSize;
};

}  // namespace vantoro
