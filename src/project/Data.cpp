#include "Data.h"

#include "ProfileSection.h"
#include "ProjectFileAccess.h"

namespace vantoro {

bool CData::LoadFromFile(const std::string& path) { return ProjectFileExists(path); }

bool CData::SaveToFile(const std::string& path) { return ProjectFileExists(path); }

void CData::DrawPreview(QPainter&) {}

bool CData::LoadSection(const std::string& path, const char* section,
                        const std::function<void(CProfileSection&)>& reads) {
    CProfileSection keys(path, section, m_strFailure);
    if (!keys.Exists()) return false;
    reads(keys);
    if (!keys.Ok()) return false;
    UpdateSheet();
    return true;
}

bool CData::SaveSection(const std::string& path, const char* section,
                        const std::function<void(CProfileSection&)>& writes) {
    CProfileSection keys(path, section, m_strFailure);
    if (!keys.Exists()) return false;
    writes(keys);
    return keys.Ok();
}

}  // namespace vantoro
