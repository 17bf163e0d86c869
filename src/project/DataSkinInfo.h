#pragma once

#include <string>

#include "Data.h"
#include "Geometry.h"
#include "SkinInfoPIM.h"

namespace vantoro {

// Section "SkinInfo" of the project file. The sheet edits the positions in the choice
// lists; the file and the build take the codes.
class CDataSkinInfo : public CDataElement<CSkinElement::SkinInfo, CSkinInfoPIM> {
public:
    // Position of a depth code in the depth choice list; 0 for a code outside it.
    static int DepthIndexOf(int depth);

    // A choice made in the grid changes its code at once: the build, the rules and the
    // importer read the codes, and must see what the grid shows.
    void Derive(const CFieldChange& change, std::vector<CFieldChange>& changes) const override;

    std::string SkinName;
    int Reso = 0;
    int ResoIndex = 0;
    int Depth = 0;
    int DepthIndex = 0;
    std::string Version;
    std::string Author;
    std::string Comments;

protected:
    void ExchangeKeys(CProfileSection& keys) override;
};

}  // namespace vantoro
