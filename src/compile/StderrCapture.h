#pragma once

#include <cstdio>
#include <string>

namespace vantoro {

// Sends the process's standard error (file descriptor 2) into a temporary file while
// it lives, so what a library prints there can be shown to the user. Not reentrant.
class CStderrCapture {
public:
    // Starts capturing; when that is impossible, standard error is left alone and
    // Finish() returns an empty text.
    CStderrCapture();
    ~CStderrCapture();
    CStderrCapture(const CStderrCapture&) = delete;
    CStderrCapture& operator=(const CStderrCapture&) = delete;

    // Restores standard error and returns what was written meanwhile.
    std::string Finish();

private:
    std::FILE* m_file = nullptr;
    int m_savedFd = -1;
};

}  // namespace vantoro
