#include "ConsoleOutput.h"

#include <iostream>

#ifdef _WIN32
#include <windows.h>
#endif

namespace vantoro {

#ifdef _WIN32

// Holds what is written until a line ends or the stream is flushed, then writes it to the
// console as wide characters.
class CConsoleOutput::Buffer : public std::streambuf {
public:
    explicit Buffer(HANDLE console) : m_console(console) {}
    ~Buffer() override { sync(); }

protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        m_pending.push_back(traits_type::to_char_type(c));
        if (c == '\n') sync();
        return c;
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        m_pending.append(s, size_t(n));
        if (m_pending.find('\n') != std::string::npos) sync();
        return n;
    }
    int sync() override {
        const std::wstring wide = Widen(m_pending, ::GetACP());
        DWORD written = 0;
        return wide.empty() || ::WriteConsoleW(m_console, wide.data(), DWORD(wide.size()), &written,
                                               nullptr)
                   ? 0
                   : -1;
    }

private:
    HANDLE m_console;
    std::string m_pending;
};

namespace {

// The console behind a standard handle, or null when it leads into a pipe or a file.
HANDLE ConsoleOf(DWORD which) {
    const HANDLE handle = ::GetStdHandle(which);
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && handle && ::GetConsoleMode(handle, &mode) ? handle
                                                                                       : nullptr;
}

}  // namespace

CConsoleOutput::CConsoleOutput() {
    std::cout.flush();
    std::cerr.flush();
    if (const HANDLE out = ConsoleOf(STD_OUTPUT_HANDLE)) {
        m_out = std::make_unique<Buffer>(out);
        m_previousOut = std::cout.rdbuf(m_out.get());
    }
    if (const HANDLE err = ConsoleOf(STD_ERROR_HANDLE)) {
        m_err = std::make_unique<Buffer>(err);
        m_previousErr = std::cerr.rdbuf(m_err.get());
    }
}

CConsoleOutput::~CConsoleOutput() {
    if (m_out) {
        std::cout.flush();
        std::cout.rdbuf(m_previousOut);
    }
    if (m_err) {
        std::cerr.flush();
        std::cerr.rdbuf(m_previousErr);
    }
}

std::wstring CConsoleOutput::Widen(std::string& text, unsigned codePage) {
    size_t whole = 0;
    while (whole < text.size()) {
        const size_t length = ::IsDBCSLeadByteEx(codePage, BYTE(text[whole])) ? 2 : 1;
        if (whole + length > text.size()) break;  // a lead byte waits for its partner
        whole += length;
    }
    std::wstring wide;
    if (whole > 0) {
        const int size = ::MultiByteToWideChar(codePage, 0, text.data(), int(whole), nullptr, 0);
        wide.resize(size_t(size > 0 ? size : 0));
        if (size > 0)
            ::MultiByteToWideChar(codePage, 0, text.data(), int(whole), wide.data(), size);
    }
    text.erase(0, whole);
    return wide;
}

#else

class CConsoleOutput::Buffer {};

CConsoleOutput::CConsoleOutput() = default;
CConsoleOutput::~CConsoleOutput() = default;

#endif

}  // namespace vantoro
