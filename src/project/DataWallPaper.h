#pragma once

#include <string>

#include "Data.h"
#include "Geometry.h"
#include "WallPaperPIM.h"

namespace vantoro {

// Section "WallPaper" of the project file.
class CDataWallPaper : public CDataElement<CSkinElement::WallPaper, CWallPaperPIM> {
public:
    std::string Bmp;
};

}  // namespace vantoro
