#include "PathString.h"

#ifdef _WIN32
#include <windows.h>

#include <clocale>
#endif

namespace vantoro {

std::string PathString(const std::filesystem::path& path) {
#ifdef _WIN32
    const std::wstring& wide = path.native();
    if (wide.empty()) return {};
    const int size = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), int(wide.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string text(size_t(size > 0 ? size : 0), '\0');
    if (size > 0)
        ::WideCharToMultiByte(CP_ACP, 0, wide.data(), int(wide.size()), text.data(), size, nullptr,
                              nullptr);
    return text;
#else
    return path.string();
#endif
}

void ReadPathsInSystemCodePage() {
#ifdef _WIN32
    // The system's code page, which the command line and the file functions use, not the
    // user's locale's, which may differ.
    std::setlocale(LC_CTYPE, ("." + std::to_string(::GetACP())).c_str());
#endif
}

}  // namespace vantoro
