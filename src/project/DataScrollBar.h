#pragma once

#include <string>

#include "Data.h"
#include "Geometry.h"
#include "ScrollBarPIM.h"

namespace vantoro {

// Section "ScrollBar" of the project file.
class CDataScrollBar : public CData {
public:
    bool LoadFromFile(const std::string& path) override;
    bool SaveToFile(const std::string& path) override;
    void UpdateSheet() override;
    void DrawPreview(QPainter& painter) override;

    CScrollBarPIM& Sheet() { return m_Sheet; }
    const CScrollBarPIM& Sheet() const { return m_Sheet; }
    CPropertyItemManager& PropertySheet() override { return m_Sheet; }

protected:
    void ExchangeKeys(CProfileSection& keys) override;

private:
    CScrollBarPIM m_Sheet;

public:
    CRect RectNormal;
    CRect RectMaximized;
    std::string Bmp;
    int ButtonTopHeight = 0;
    int ButtonCenterHeight = 0;
    int ButtonBottomHeight = 0;
    CRect RectThumb;
    int ThumbTopHeight = 0;
    int ThumbCenterHeight = 0;
    int ThumbBottomHeight = 0;
};

}  // namespace vantoro
