#pragma once

#include <string>

#include "Data.h"
#include "Geometry.h"
#include "PreviewPIM.h"

namespace vantoro {

// Section "Preview" of the project file.
class CDataPreview : public CData {
public:
    bool LoadFromFile(const std::string& path) override;
    bool SaveToFile(const std::string& path) override;
    void UpdateSheet() override;
    void DrawPreview(QPainter& painter) override;

    CPreviewPIM& Sheet() { return m_Sheet; }
    const CPreviewPIM& Sheet() const { return m_Sheet; }
    CPropertyItemManager& PropertySheet() override { return m_Sheet; }

protected:
    void ExchangeKeys(CProfileSection& keys) override;

private:
    CPreviewPIM m_Sheet;

public:
    // Links to the SkinInfo element's Reso: the second preview belongs to 320x320 skins.
    const int* SkinReso = nullptr;
    std::string Preview1;
    std::string Preview2;
};

}  // namespace vantoro
