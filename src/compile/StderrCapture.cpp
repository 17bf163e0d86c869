#include "StderrCapture.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#define VANTORO_DUP _dup
#define VANTORO_DUP2 _dup2
#define VANTORO_CLOSE _close
#define VANTORO_FILENO _fileno
#else
#include <unistd.h>
#define VANTORO_DUP dup
#define VANTORO_DUP2 dup2
#define VANTORO_CLOSE close
#define VANTORO_FILENO fileno
#endif

namespace vantoro {

namespace {
constexpr int kStderrFd = 2;
constexpr long kMaxCapturedBytes = 64 * 1024;  // enough for any error list worth reading

#ifdef _WIN32
// The C runtime's tmpfile() makes its file in the drive's root folder, which only an
// administrator may write to; the user's temporary folder takes one from anybody. "T" keeps
// it in memory where it can, "D" deletes it when it is closed.
std::FILE* OpenTemporaryFile() {
    wchar_t folder[MAX_PATH + 1];
    wchar_t name[MAX_PATH + 1];
    if (GetTempPathW(MAX_PATH + 1, folder) == 0 || GetTempFileNameW(folder, L"vnt", 0, name) == 0)
        return nullptr;
    std::FILE* file = _wfopen(name, L"w+bTD");
    if (!file) DeleteFileW(name);  // made empty by GetTempFileNameW
    return file;
}
#else
std::FILE* OpenTemporaryFile() {
    return std::tmpfile();
}
#endif
}  // namespace

CStderrCapture::CStderrCapture() {
    std::fflush(stderr);
    m_file = OpenTemporaryFile();
    if (!m_file) return;
    m_savedFd = VANTORO_DUP(kStderrFd);
    if (m_savedFd < 0 || VANTORO_DUP2(VANTORO_FILENO(m_file), kStderrFd) < 0) {
        if (m_savedFd >= 0) VANTORO_CLOSE(m_savedFd);
        m_savedFd = -1;
        std::fclose(m_file);
        m_file = nullptr;
    }
}

CStderrCapture::~CStderrCapture() {
    Finish();
}

std::string CStderrCapture::Finish() {
    if (!m_file) return {};
    std::fflush(stderr);
    VANTORO_DUP2(m_savedFd, kStderrFd);
    VANTORO_CLOSE(m_savedFd);
    m_savedFd = -1;

    std::string text;
    std::fseek(m_file, 0, SEEK_END);
    const long size = std::ftell(m_file);
    const long start = size > kMaxCapturedBytes ? size - kMaxCapturedBytes : 0;
    std::fseek(m_file, start, SEEK_SET);
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, m_file)) > 0) text.append(buffer, n);
    std::fclose(m_file);
    m_file = nullptr;
    return text;
}

}  // namespace vantoro
