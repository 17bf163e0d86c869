#pragma once

#include <string>

#include "BatteryPIM.h"
#include "Data.h"
#include "Geometry.h"

namespace vantoro {

// Section "Battery" of the project file.
class CDataBattery : public CData {
public:
    bool LoadFromFile(const std::string& path) override;
    bool SaveToFile(const std::string& path) override;
    void UpdateSheet() override;
    void DrawPreview(QPainter& painter) override;

    CBatteryPIM& Sheet() { return m_Sheet; }
    const CBatteryPIM& Sheet() const { return m_Sheet; }
    CPropertyItemManager& PropertySheet() override { return m_Sheet; }

protected:
    void ExchangeKeys(CProfileSection& keys) override;

private:
    CBatteryPIM m_Sheet;

public:
    CRect Rect;
    std::string Bmp;
};

}  // namespace vantoro
