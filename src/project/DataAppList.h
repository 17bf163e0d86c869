#pragma once

#include <string>

#include "AppListPIM.h"
#include "Data.h"
#include "Geometry.h"

namespace vantoro {

// Section "AppView" of the project file.
class CDataAppList : public CData {
public:
    bool LoadFromFile(const std::string& path) override;
    bool SaveToFile(const std::string& path) override;
    void UpdateSheet() override;
    void DrawPreview(QPainter& painter) override;

    CAppListPIM& Sheet() { return m_Sheet; }
    const CAppListPIM& Sheet() const { return m_Sheet; }
    CPropertyItemManager& PropertySheet() override { return m_Sheet; }

protected:
    void ExchangeKeys(CProfileSection& keys) override;

private:
    CAppListPIM m_Sheet;
    // Whether the file has a "TextColor" key, and the colour as the last load left it.
    bool m_bTextColorInFile = false;
    COLORREF m_crLoadedTextColor = 0;

public:
    CRect Rect;
    CRect RectMaximized;
    COLORREF TextColor = 0;
};

}  // namespace vantoro
