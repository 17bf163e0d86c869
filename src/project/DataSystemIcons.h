#pragma once

#include <string>

#include "Data.h"
#include "Geometry.h"
#include "SystemIconsPIM.h"

namespace vantoro {

// Section "SystemIcons" of the project file.
class CDataSystemIcons : public CData {
public:
    bool LoadFromFile(const std::string& path) override;
    bool SaveToFile(const std::string& path) override;
    void UpdateSheet() override;
    void DrawPreview(QPainter& painter) override;

    CSystemIconsPIM& Sheet() { return m_Sheet; }
    const CSystemIconsPIM& Sheet() const { return m_Sheet; }
    CPropertyItemManager& PropertySheet() override { return m_Sheet; }

protected:
    void ExchangeKeys(CProfileSection& keys) override;

private:
    CSystemIconsPIM m_Sheet;

public:
    std::string BmpCategories;
    std::string BmpCategoriesMask;
    std::string BmpPopupTools;
    std::string BmpPopupToolsMask;
    std::string BmpMiscIcons;
    CSize MiscIconsSize;
};

}  // namespace vantoro
