#pragma once

#include <string>

#include "Geometry.h"

namespace vantoro {

// One element's section of one project file. Reads and writes stop counting once one
// has failed, and the first failure is described (section and key) for the user.
class CProfileSection {
public:
    CProfileSection(const std::string& path, const char* section, std::string& failure);

    // False (and a description) when the project file is missing.
    bool Exists();

    CProfileSection& Read(const char* key, std::string& value);
    CProfileSection& Read(const char* key, int& value);
    CProfileSection& Read(const char* key, COLORREF& value);
    CProfileSection& Read(const char* key, CRect& value);
    CProfileSection& Read(const char* key, CPoint& value);
    CProfileSection& Read(const char* key, CSize& value);

    CProfileSection& Write(const char* key, const std::string& value);
    CProfileSection& Write(const char* key, int value);
    CProfileSection& Write(const char* key, COLORREF value);
    CProfileSection& Write(const char* key, const CRect& value);
    CProfileSection& Write(const char* key, const CPoint& value);
    CProfileSection& Write(const char* key, const CSize& value);

    bool Ok() const { return m_ok; }

private:
    template <typename Fn>
    CProfileSection& Step(const char* key, const char* what, Fn fn);

    const std::string& m_path;
    const char* m_section;
    std::string& m_failure;
    bool m_ok = true;
};

}  // namespace vantoro
