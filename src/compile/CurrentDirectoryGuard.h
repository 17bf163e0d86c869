#pragma once

#include <filesystem>
#include <string>

namespace vantoro {

// Remembers the current directory when made and makes it current again when destroyed,
// whichever way the scope is left.
class CCurrentDirectoryGuard {
public:
    CCurrentDirectoryGuard();
    ~CCurrentDirectoryGuard();
    CCurrentDirectoryGuard(const CCurrentDirectoryGuard&) = delete;
    CCurrentDirectoryGuard& operator=(const CCurrentDirectoryGuard&) = delete;

    // Makes `folder` current; false (and `error` set) when it cannot be.
    bool Enter(const std::string& folder, std::string* error = nullptr);
    bool HasSaved() const { return m_bSaved; }

private:
    std::filesystem::path m_saved;
    bool m_bSaved = false;
};

}  // namespace vantoro
