#include "TerminalStream.h"

#include "TerminalText.h"

namespace vantoro {
namespace {

// A line longer than this is passed on in pieces, so nothing grows without end.
constexpr size_t kLongestHeldText = 64 * 1024;

}  // namespace

CTerminalStream::CTerminalStream(std::ostream& target) : std::ostream(nullptr), m_buffer(target) {
    rdbuf(&m_buffer);
}

CTerminalStream::~CTerminalStream() {
    m_buffer.Drain();
}

bool CTerminalStream::Buffer::Drain() {
    if (!m_pending.empty()) m_target << CTerminalText::Escape(m_pending);
    m_pending.clear();
    m_target.flush();
    return bool(m_target);
}

void CTerminalStream::Buffer::PassLines() {
    const size_t end = m_pending.rfind('\n');
    if (end == std::string::npos) {
        if (m_pending.size() > kLongestHeldText) Drain();
        return;
    }
    m_target << CTerminalText::Escape(std::string_view(m_pending).substr(0, end + 1));
    m_pending.erase(0, end + 1);
}

CTerminalStream::Buffer::int_type CTerminalStream::Buffer::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    m_pending.push_back(traits_type::to_char_type(c));
    if (c == '\n') PassLines();
    return m_target ? c : traits_type::eof();
}

std::streamsize CTerminalStream::Buffer::xsputn(const char* s, std::streamsize n) {
    m_pending.append(s, size_t(n));
    PassLines();
    return m_target ? n : 0;
}

int CTerminalStream::Buffer::sync() {
    return Drain() ? 0 : -1;
}

}  // namespace vantoro
