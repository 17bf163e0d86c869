#pragma once

#include <string>

#include "Data.h"
#include "Geometry.h"
#include "TitleBarPIM.h"

namespace vantoro {

// Section "TitleBar" of the project file.
class CDataTitleBar : public CData {
public:
    bool LoadFromFile(const std::string& path) override;
    bool SaveToFile(const std::string& path) override;
    void UpdateSheet() override;
    void DrawPreview(QPainter& painter) override;

    CTitleBarPIM& Sheet() { return m_Sheet; }
    const CTitleBarPIM& Sheet() const { return m_Sheet; }
    CPropertyItemManager& PropertySheet() override { return m_Sheet; }

protected:
    void ExchangeKeys(CProfileSection& keys) override;

private:
    CTitleBarPIM m_Sheet;

public:
    CRect Rect;
    std::string Bmp;
    std::string BmpMask;
};

}  // namespace vantoro
