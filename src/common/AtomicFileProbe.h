#pragma once

#include <functional>
#include <string>

#include "AtomicFile.h"

namespace vantoro {

// What a test makes of the stages of every CAtomicFile write while the probe lives: a
// failure at one stage, as the system would give it, or a look at the disk at each stage,
// where a process killed at that moment would leave it. Probes nest; the newest decides.
class CAtomicFileProbe {
public:
    // Called before each stage runs (Write once for every piece put to disk, Overwrite
    // included): 0 lets it run, an error number (ENOSPC) makes it fail with that reason.
    using Callback = std::function<int(CAtomicFile::Stage stage, const std::string& target)>;

    explicit CAtomicFileProbe(Callback callback);
    // Every write fails at `stage` with `error`.
    CAtomicFileProbe(CAtomicFile::Stage stage, int error);
    ~CAtomicFileProbe();
    CAtomicFileProbe(const CAtomicFileProbe&) = delete;
    CAtomicFileProbe& operator=(const CAtomicFileProbe&) = delete;

    // What the newest probe says of `stage`; 0 when there is none.
    static int At(CAtomicFile::Stage stage, const std::string& target);

private:
    Callback m_callback;
    CAtomicFileProbe* m_previous;
};

}  // namespace vantoro
