#pragma once

#include <string>

#include "Data.h"
#include "Geometry.h"
#include "SkinInfoPIM.h"

namespace vantoro {

// Section "SkinInfo" of the project file.
class CDataSkinInfo : public CData {
public:
    bool LoadFromFile(const std::string& path) override;
    bool SaveToFile(const std::string& path) override;
    void UpdateSheet() override;
    void DrawPreview(QPainter& painter) override;

    // Position of a depth code in the depth choice list; 0 for a code outside it.
    static int DepthIndexOf(int depth);

    CSkinInfoPIM& Sheet() { return m_Sheet; }
    const CSkinInfoPIM& Sheet() const { return m_Sheet; }
    CPropertyItemManager& PropertySheet() override { return m_Sheet; }

protected:
    void ExchangeKeys(CProfileSection& keys) override;

private:
    CSkinInfoPIM m_Sheet;

public:
    std::string SkinName;
    int Reso = 0;
    int ResoIndex = 0;
    int Depth = 0;
    int DepthIndex = 0;
    std::string Version;
    std::string Author;
    std::string Comments;
};

}  // namespace vantoro
