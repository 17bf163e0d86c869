#pragma once

#include <string>

#include "Data.h"
#include "Geometry.h"
#include "PreviewPIM.h"

namespace vantoro {

// Section "Preview" of the project file.
class CDataPreview : public CDataElement<CSkinElement::Preview, CPreviewPIM> {
public:
    // Clears the link to the resolution; the project sets it again.
    bool LoadFromFile(CProfileStore& store, const std::string& path) override;

    // Links to the SkinInfo element's Reso: the second preview belongs to 320x320 skins.
    const int* SkinReso = nullptr;
    std::string Preview1;
    std::string Preview2;

protected:
    bool Draws(const CSkinField& field) const override;
};

}  // namespace vantoro
