#include "ProfileSection.h"

#include "ProfileStore.h"
#include "ProjectFileAccess.h"

namespace vantoro {

CProfileSection::CProfileSection(CProfileStore& store, const std::string& path, const char* section,
                                 Mode mode, std::string& failure)
    : m_store(store), m_path(path), m_section(section), m_mode(mode), m_failure(failure) {
    m_failure.clear();
}

bool CProfileSection::Exists() {
    if (!ProjectFileExists(m_path)) {
        m_ok = false;
        m_failure = "file not found";
    }
    return m_ok;
}

template <typename Fn>
CProfileSection& CProfileSection::Step(const char* key, const char* what, Fn fn) {
    if (m_ok && !fn()) {
        m_ok = false;
        m_failure = std::string("section [") + m_section + "], key \"" + key + "\": " + what;
    }
    return *this;
}

CProfileSection& CProfileSection::Read(const char* key, std::string& value) {
    return Step(key, "cannot be read",
                [&] { return ReadProfileString(m_store, m_path, m_section, key, value); });
}
CProfileSection& CProfileSection::Read(const char* key, int& value) {
    return Step(key, "the value is empty",
                [&] { return ReadProfileInt(m_store, m_path, m_section, key, value); });
}
CProfileSection& CProfileSection::Read(const char* key, COLORREF& value) {
    return Step(key, "the value is empty",
                [&] { return ReadProfileColor(m_store, m_path, m_section, key, value); });
}
CProfileSection& CProfileSection::Read(const char* key, CRect& value) {
    return Step(key, "the value is empty",
                [&] { return ReadProfileRect(m_store, m_path, m_section, key, value); });
}
CProfileSection& CProfileSection::Read(const char* key, CPoint& value) {
    return Step(key, "the value is empty",
                [&] { return ReadProfilePoint(m_store, m_path, m_section, key, value); });
}
CProfileSection& CProfileSection::Read(const char* key, CSize& value) {
    return Step(key, "the value is empty",
                [&] { return ReadProfilePoint(m_store, m_path, m_section, key, value); });
}

bool CProfileSection::ReadOptional(const char* key, COLORREF& value) {
    // A missing key reads as the default "1" elsewhere; here missing means absent.
    std::string text;
    COLORREF read = 0;
    if (!m_ok || m_store.ReadString(m_path, m_section, key, "", text) <= 0 ||
        !ReadProfileColor(m_store, m_path, m_section, key, read))
        return false;
    value = read;
    return true;
}

CProfileSection& CProfileSection::Write(const char* key, const std::string& value) {
    return Step(key, "cannot be written",
                [&] { return WriteProfileString(m_store, m_path, m_section, key, value); });
}
CProfileSection& CProfileSection::Write(const char* key, int value) {
    return Step(key, "cannot be written",
                [&] { return WriteProfileInt(m_store, m_path, m_section, key, value); });
}
CProfileSection& CProfileSection::Write(const char* key, COLORREF value) {
    return Step(key, "cannot be written",
                [&] { return WriteProfileColor(m_store, m_path, m_section, key, value); });
}
CProfileSection& CProfileSection::Write(const char* key, const CRect& value) {
    return Step(key, "cannot be written",
                [&] { return WriteProfileRect(m_store, m_path, m_section, key, value); });
}
CProfileSection& CProfileSection::Write(const char* key, const CPoint& value) {
    return Step(key, "cannot be written",
                [&] { return WriteProfilePoint(m_store, m_path, m_section, key, value); });
}
CProfileSection& CProfileSection::Write(const char* key, const CSize& value) {
    return Step(key, "cannot be written",
                [&] { return WriteProfilePoint(m_store, m_path, m_section, key, value); });
}

}  // namespace vantoro
