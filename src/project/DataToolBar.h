#pragma once

#include <string>

#include "Data.h"
#include "Geometry.h"
#include "ToolBarPIM.h"

namespace vantoro {

// Section "ToolBar" of the project file.
class CDataToolBar : public CData {
public:
    bool LoadFromFile(const std::string& path) override;
    bool SaveToFile(const std::string& path) override;
    void UpdateSheet() override;
    void DrawPreview(QPainter& painter) override;

    CToolBarPIM& Sheet() { return m_Sheet; }
    const CToolBarPIM& Sheet() const { return m_Sheet; }
    CPropertyItemManager& PropertySheet() override { return m_Sheet; }

protected:
    void ExchangeKeys(CProfileSection& keys) override;

private:
    CToolBarPIM m_Sheet;

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
