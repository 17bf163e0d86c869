#pragma once

#include <string>

#include "Data.h"
#include "DateTimePIM.h"
#include "Geometry.h"

namespace vantoro {

// Section "DateTime" of the project file.
class CDataDateTime : public CData {
public:
    bool LoadFromFile(const std::string& path) override;
    bool SaveToFile(const std::string& path) override;
    void UpdateSheet() override;
    void DrawPreview(QPainter& painter) override;

    CDateTimePIM& Sheet() { return m_Sheet; }
    const CDateTimePIM& Sheet() const { return m_Sheet; }
    CPropertyItemManager& PropertySheet() override { return m_Sheet; }

protected:
    void ExchangeKeys(CProfileSection& keys) override;

private:
    CDateTimePIM m_Sheet;

public:
    CRect Rect;
    COLORREF TextColor = 0;
};

}  // namespace vantoro
