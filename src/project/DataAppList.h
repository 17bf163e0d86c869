#pragma once

#include <string>

#include "AppListPIM.h"
#include "Data.h"
#include "Geometry.h"

namespace vantoro {

// Section "AppView" of the project file.
class CDataAppList : public CDataElement<CSkinElement::AppList, CAppListPIM> {
public:
    CRect Rect;
    CRect RectMaximized;
    COLORREF TextColor = 0;

protected:
    void ExchangeKeys(CProfileSection& keys) override;
    void TakeFileState(const CData& other) override;

private:
    // Whether the file has a "TextColor" key, and the colour as the last load left it.
    bool m_bTextColorInFile = false;
    COLORREF m_crLoadedTextColor = 0;
};

}  // namespace vantoro
