#include "Data.h"

#include "ProfileSection.h"
#include "ProjectFileAccess.h"

namespace vantoro {

bool CData::LoadFromFile(const std::string& path) {
    return ProjectFileExists(path);
}

bool CData::SaveToFile(const std::string& path) {
    return ProjectFileExists(path);
}

void CData::DrawPreview(QPainter&) {}

bool CData::LoadSection(const std::string& path, const char* section) {
    CProfileSection keys(path, section, CProfileSection::Mode::Load, m_strFailure);
    if (!keys.Exists()) return false;
    ExchangeKeys(keys);
    if (!keys.Ok()) return false;
    UpdateSheet();
    return true;
}

bool CData::SaveSection(const std::string& path, const char* section) {
    CProfileSection keys(path, section, CProfileSection::Mode::Save, m_strFailure);
    if (!keys.Exists()) return false;
    ExchangeKeys(keys);
    return keys.Ok();
}

}  // namespace vantoro
