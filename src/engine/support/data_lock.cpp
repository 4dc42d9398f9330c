#include "engine/support/data_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "engine/core/errors.h"
#include "engine/core/messages.h"

namespace mv {

TDataLock::~TDataLock() {
    Release();
}

void TDataLock::Acquire(const std::filesystem::path& stakesFile) {
    Release();
    // The copy that holds the lock rewrites every data file through a temporary file beside
    // it, so a folder it cannot write in fails the lock even when the stakes file itself is
    // writable. The effective ids decide, as they do for the writes themselves.
    const std::filesystem::path dir =
        stakesFile.has_parent_path() ? stakesFile.parent_path() : std::filesystem::path(".");
    if (::faccessat(AT_FDCWD, dir.c_str(), W_OK | X_OK, AT_EACCESS) != 0) {
        throw EError(OperationMessage(Msg(TMsg::StakesReadLoadError),
                                      "\"" + dir.string() + "\": " + SystemMessage(errno)));
    }
    // A copy holding the lock may rename a new stakes file over the path at any moment; a
    // lock taken on the file that was just replaced would guard nothing, so the file locked
    // must still be the one under the path. A few attempts suffice: each failed one means a
    // rename happened, and the holder then holds the new file.
    constexpr int kAttempts = 8;
    for (int attempt = 1;; ++attempt) {
        const int fd = ::open(stakesFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0) {
            throw EError(
                OperationMessage(Msg(TMsg::StakesReadLoadError),
                                 "\"" + stakesFile.string() + "\": " + SystemMessage(errno)));
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int code = errno;
            ::close(fd);
            const std::string where = "\"" + stakesFile.string() + "\": ";
            if (code == EWOULDBLOCK) {
                throw EDataLockBusy(
                    OperationMessage(Msg(TMsg::StakesReadLoadError), where + Msg(TMsg::FileBusy)));
            }
            throw EError(
                OperationMessage(Msg(TMsg::StakesReadLoadError), where + SystemMessage(code)));
        }
        struct stat held {};
        struct stat named {};
        const bool same = ::fstat(fd, &held) == 0 && ::stat(stakesFile.c_str(), &named) == 0 &&
                          held.st_dev == named.st_dev && held.st_ino == named.st_ino;
        if (same) {
            m_fd = fd;
            m_path = stakesFile;
            return;
        }
        ::close(fd);
        if (attempt == kAttempts) {
            throw EDataLockBusy(
                OperationMessage(Msg(TMsg::StakesReadLoadError),
                                 "\"" + stakesFile.string() + Msg(TMsg::FileBusyQuoted)));
        }
    }
}

void TDataLock::ReplaceWith(const std::filesystem::path& replacement, int replacementFd) {
    if (::rename(replacement.c_str(), m_path.c_str()) != 0) RaiseLastSystemError();
    // The path now names the replacement, which the caller locked before the rename; only
    // then does the old file's lock go.
    const int old = m_fd;
    m_fd = replacementFd;
    if (old >= 0) ::close(old);
}

void TDataLock::Release() {
    if (m_fd >= 0) {
        ::flock(m_fd, LOCK_UN);
        ::close(m_fd);
        m_fd = -1;
    }
}

}  // namespace mv
