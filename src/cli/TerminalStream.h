#pragma once

#include <ostream>
#include <streambuf>
#include <string>

namespace vantoro {

// An output stream whose text reaches `target` escaped by CTerminalText, a line at a time.
// Every command's listing and messages go through one, so that no name read from a file
// reaches the terminal with its control characters.
class CTerminalStream : public std::ostream {
public:
    explicit CTerminalStream(std::ostream& target);
    ~CTerminalStream() override;
    CTerminalStream(const CTerminalStream&) = delete;
    CTerminalStream& operator=(const CTerminalStream&) = delete;

private:
    class Buffer : public std::streambuf {
    public:
        explicit Buffer(std::ostream& target) : m_target(target) {}
        // Passes on the text held back; false when the target has failed.
        bool Drain();

    protected:
        int_type overflow(int_type c) override;
        std::streamsize xsputn(const char* s, std::streamsize n) override;
        int sync() override;

    private:
        // Passes on every whole line held back.
        void PassLines();

        std::ostream& m_target;
        std::string m_pending;
    };

    Buffer m_buffer;
};

}  // namespace vantoro
