#include "CurrentDirectoryGuard.h"

#include <system_error>

namespace vantoro {

CCurrentDirectoryGuard::CCurrentDirectoryGuard() {
    std::error_code ec;
    m_saved = std::filesystem::current_path(ec);
    m_bSaved = !ec;
}

CCurrentDirectoryGuard::~CCurrentDirectoryGuard() {
    if (!m_bSaved) return;
    std::error_code ec;
    std::filesystem::current_path(m_saved, ec);
}

bool CCurrentDirectoryGuard::Enter(const std::string& folder, std::string* error) {
    std::error_code ec;
    std::filesystem::current_path(std::filesystem::path(folder), ec);
    if (ec && error)
        *error = "The project folder '" + folder + "' cannot be entered: " + ec.message() + ".";
    return !ec;
}

}  // namespace vantoro
