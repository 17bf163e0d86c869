#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace vantoro {

// The lock that keeps two imports of one project (two windows, a window and a script, two
// scripts) from replacing its pictures at once: a file beside the project, ".NAME.skn.lock",
// held by the system's file lock for as long as this object lives and removed with it. The
// system lets go of the lock when the process ends, killed or not, so no lock outlives its
// holder; the file a killed holder leaves is taken over by the next.
class CProjectLock {
public:
    // How long Acquire waits for another holder before it gives up.
    static std::chrono::milliseconds Patience;
    // Told, with the sentence to show, when Acquire starts to wait for another holder: a
    // command that seems to hang says why.
    using WaitNotice = std::function<void(const std::string& sentence)>;

    explicit CProjectLock(const std::string& projectPath);
    ~CProjectLock();
    CProjectLock(const CProjectLock&) = delete;
    CProjectLock& operator=(const CProjectLock&) = delete;

    // Takes the lock, waiting up to Patience while another holds it. False with `error`
    // naming the project and why (another import is still running, or the lock file
    // cannot be made).
    bool Acquire(std::string* error);
    // The same, waiting at most `patience` (zero: one try, to learn whether anyone holds it).
    bool Acquire(std::string* error, std::chrono::milliseconds patience);
    void SetWaitNotice(WaitNotice notice) { m_waiting = std::move(notice); }

    const std::string& Path() const { return m_path; }

private:
    std::string CannotTake(int reason) const;

    std::string m_project;
    std::string m_path;
    int m_fd = -1;
    WaitNotice m_waiting;
};

}  // namespace vantoro
