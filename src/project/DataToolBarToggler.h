#pragma once

#include <string>

#include "Data.h"
#include "Geometry.h"
#include "ToolBarTogglerPIM.h"

namespace vantoro {

// Section "ToolBarToggler" of the project file.
class CDataToolBarToggler : public CData {
public:
    bool LoadFromFile(const std::string& path) override;
    bool SaveToFile(const std::string& path) override;
    void UpdateSheet() override;
    void DrawPreview(QPainter& painter) override;

    CToolBarTogglerPIM& Sheet() { return m_Sheet; }
    const CToolBarTogglerPIM& Sheet() const { return m_Sheet; }
    CPropertyItemManager& PropertySheet() override { return m_Sheet; }

protected:
    void ExchangeKeys(CProfileSection& keys) override;

private:
    CToolBarTogglerPIM m_Sheet;

public:
    std::string Bmp;
    std::string BmpMask;
    CRect Rect;
};

}  // namespace vantoro
