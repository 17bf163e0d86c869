#include "ProjectLock.h"

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <thread>

#include "PathString.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vantoro {

std::chrono::milliseconds CProjectLock::Patience{std::chrono::seconds(30)};

CProjectLock::CProjectLock(const std::string& projectPath) : m_project(projectPath) {
    const std::filesystem::path project(projectPath);
    m_path = PathString(project.parent_path() / ("." + PathString(project.filename()) + ".lock"));
}

CProjectLock::~CProjectLock() {
    if (m_fd < 0) return;
#ifdef _WIN32
    ::_close(m_fd);
    ::_unlink(m_path.c_str());
#else
    // Removed while held, so no lock file stays in the folder; a waiter that opened the
    // old file sees it gone (Acquire compares the two) and makes a new one.
    ::unlink(m_path.c_str());
    ::close(m_fd);
#endif
}

std::string CProjectLock::CannotTake(int reason) const {
#ifdef ELOOP
    // O_NOFOLLOW's answer: a link where only the lock's own file belongs.
    if (reason == ELOOP)
        return "'" + m_path + "' is a symbolic link where the lock file of the project '" +
               m_project +
               "' belongs (the file that keeps two imports from writing at once); this program "
               "never makes one there. Delete the link and try again";
#endif
    return "The lock file '" + m_path + "' of the project '" + m_project +
           "' (the file that keeps two imports from writing at once) cannot be made: " +
           std::generic_category().message(reason);
}

bool CProjectLock::Acquire(std::string* error) {
    return Acquire(error, Patience);
}

bool CProjectLock::Acquire(std::string* error, std::chrono::milliseconds patience) {
    if (m_fd >= 0) return true;
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        int reason = 0;
#ifdef _WIN32
        // Windows: a file opened for no one else to share is the lock.
        if (::_sopen_s(&m_fd, m_path.c_str(), _O_RDWR | _O_CREAT | _O_BINARY, _SH_DENYRW,
                       _S_IREAD | _S_IWRITE) == 0)
            return true;
        reason = errno;
        const bool busy = reason == EACCES;
#else
        // Never through a link: the lock file is made in the project folder or refused.
        const int fd = ::open(m_path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0) {
            reason = errno;
        } else if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            struct stat held, named;
            if (::fstat(fd, &held) == 0 && ::lstat(m_path.c_str(), &named) == 0 &&
                held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
                m_fd = fd;
                return true;
            }
            // The holder before removed this file: the lock is the file now at the name.
            ::close(fd);
            continue;
        } else {
            reason = errno;
            ::close(fd);
        }
        const bool busy = reason == EWOULDBLOCK || reason == EINTR;
#endif
        if (!busy) {
            if (error) *error = CannotTake(reason);
            return false;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            if (error)
                *error = "Another import into '" + m_project +
                         "' is still running; nothing was written. Try again when it has "
                         "finished";
            return false;
        }
        if (m_waiting) {
            m_waiting(
                "Waiting for another import into '" + m_project + "' to finish (up to " +
                std::to_string(std::chrono::duration_cast<std::chrono::seconds>(patience).count()) +
                " seconds)...");
            m_waiting = {};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

}  // namespace vantoro
