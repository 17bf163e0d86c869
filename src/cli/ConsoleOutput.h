#pragma once

#include <memory>
#include <streambuf>
#include <string>

namespace vantoro {

// On Windows, text the program writes to a console window is in the system's code page,
// while the console shows bytes in its own (cmd starts in the OEM one, 850 or 437, where
// "é" of Windows-1252 reads "Ú"). While one of these lives, what std::cout and std::cerr
// write to a console goes through the console's wide-character output instead, so every
// name reads as it was typed. Output into a pipe or a file stays bytes, as scripts expect;
// elsewhere nothing changes.
class CConsoleOutput {
public:
    CConsoleOutput();
    ~CConsoleOutput();
    CConsoleOutput(const CConsoleOutput&) = delete;
    CConsoleOutput& operator=(const CConsoleOutput&) = delete;

#ifdef _WIN32
    // Text in `codePage` (the system's) as the console's wide characters: whole characters
    // only, so `text` keeps a two-byte character's first byte (an East Asian code page's)
    // for the next call when it ends with one.
    static std::wstring Widen(std::string& text, unsigned codePage);
#endif

private:
    class Buffer;
    std::unique_ptr<Buffer> m_out, m_err;
    std::streambuf* m_previousOut = nullptr;
    std::streambuf* m_previousErr = nullptr;
};

}  // namespace vantoro
