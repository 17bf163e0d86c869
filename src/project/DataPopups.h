#pragma once

#include <string>

#include "Data.h"
#include "Geometry.h"
#include "PopupsPIM.h"

namespace vantoro {

// Section "Popups" of the project file.
class CDataPopups : public CData {
public:
    bool LoadFromFile(const std::string& path) override;
    bool SaveToFile(const std::string& path) override;
    void UpdateSheet() override;
    void DrawPreview(QPainter& painter) override;

    CPopupsPIM& Sheet() { return m_Sheet; }
    const CPopupsPIM& Sheet() const { return m_Sheet; }
    CPropertyItemManager& PropertySheet() override { return m_Sheet; }

protected:
    void ExchangeKeys(CProfileSection& keys) override;

private:
    CPopupsPIM m_Sheet;

public:
    CPoint PtTools;
    CPoint PtCategory;
    CSize MaxSizeCategory;
    COLORREF CategoryTextColor = 0;
};

}  // namespace vantoro
