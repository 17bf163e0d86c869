#include "DataPreview.h"

#include "BitmapDrawer.h"
#include "ProfileSection.h"

namespace vantoro {

bool CDataPreview::LoadFromFile(const std::string& path) {
    // The link is cleared here; the project sets it again once this section is read.
    SkinReso = nullptr;
    return LoadSection(path, "Preview", [&](CProfileSection& section) {
        section.Read("Preview1", Preview1).Read("Preview2", Preview2);
    });
}

bool CDataPreview::SaveToFile(const std::string& path) {
    return SaveSection(path, "Preview", [&](CProfileSection& section) {
        section.Write("Preview1", Preview1).Write("Preview2", Preview2);
    });
}

void CDataPreview::UpdateSheet() { m_Sheet.LoadItems(this); }

void CDataPreview::DrawPreview(QPainter& painter) {
    RelayDrawBitmap(painter, Preview1, true);
    if (SkinReso && *SkinReso == 2) RelayDrawBitmap(painter, Preview2, false);
}

}  // namespace vantoro
