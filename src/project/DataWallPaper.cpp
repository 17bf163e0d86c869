#include "DataWallPaper.h"

#include "BitmapDrawer.h"
#include "ProfileSection.h"

namespace vantoro {

bool CDataWallPaper::LoadFromFile(const std::string& path) {
    return LoadSection(path, "WallPaper");
}

bool CDataWallPaper::SaveToFile(const std::string& path) {
    return SaveSection(path, "WallPaper");
}

void CDataWallPaper::ExchangeKeys(CProfileSection& keys) {
    keys.Key("Bmp", Bmp);
}

void CDataWallPaper::UpdateSheet() {
    m_Sheet.LoadItems(this);
}

void CDataWallPaper::DrawPreview(QPainter& painter) {
    RelayDrawBitmap(painter, Bmp, true);
}

}  // namespace vantoro
