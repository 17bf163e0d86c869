#pragma once

#include <string>

#include "Data.h"
#include "Geometry.h"
#include "WallPaperPIM.h"

namespace vantoro {

// Section "WallPaper" of the project file.
class CDataWallPaper : public CData {
public:
    bool LoadFromFile(const std::string& path) override;
    bool SaveToFile(const std::string& path) override;
    void UpdateSheet() override;
    void DrawPreview(QPainter& painter) override;

    CWallPaperPIM& Sheet() { return m_Sheet; }
    const CWallPaperPIM& Sheet() const { return m_Sheet; }
    CPropertyItemManager& PropertySheet() override { return m_Sheet; }

protected:
    void ExchangeKeys(CProfileSection& keys) override;

private:
    CWallPaperPIM m_Sheet;

public:
    std::string Bmp;
};

}  // namespace vantoro
