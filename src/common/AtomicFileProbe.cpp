#include "AtomicFileProbe.h"

namespace vantoro {
namespace {

// Tests only: production code never makes a probe, so this stays null there.
CAtomicFileProbe* g_newest = nullptr;

}  // namespace

CAtomicFileProbe::CAtomicFileProbe(Callback callback)
    : m_callback(std::move(callback)), m_previous(g_newest) {
    g_newest = this;
}

CAtomicFileProbe::CAtomicFileProbe(CAtomicFile::Stage stage, int error)
    : CAtomicFileProbe([stage, error](CAtomicFile::Stage at, const std::string&) {
          return at == stage ? error : 0;
      }) {}

CAtomicFileProbe::~CAtomicFileProbe() {
    g_newest = m_previous;
}

int CAtomicFileProbe::At(CAtomicFile::Stage stage, const std::string& target) {
    return g_newest ? g_newest->m_callback(stage, target) : 0;
}

}  // namespace vantoro
