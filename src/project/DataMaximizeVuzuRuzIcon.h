#pragma once

#include <string>

#include "Data.h"
#include "Geometry.h"
#include "MaximizeVuzuRuzIconPIM.h"

namespace vantoro {

// Section "MaximizeVuzuRuzIcon" of the project file.
class CDataMaximizeVuzuRuzIcon : public CData {
public:
    bool LoadFromFile(const std::string& path) override;
    bool SaveToFile(const std::string& path) override;
    void UpdateSheet() override;
    void DrawPreview(QPainter& painter) override;

    CMaximizeVuzuRuzIconPIM& Sheet() { return m_Sheet; }
    const CMaximizeVuzuRuzIconPIM& Sheet() const { return m_Sheet; }
    CPropertyItemManager& PropertySheet() override { return m_Sheet; }

protected:
    void ExchangeKeys(CProfileSection& keys) override;

private:
    CMaximizeVuzuRuzIconPIM m_Sheet;

public:
    std::string Bmp;
    std::string BmpMask;
    CRect Rect;
};

}  // namespace vantoro
