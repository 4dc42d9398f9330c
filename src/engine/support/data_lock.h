#pragma once

#include <filesystem>

#include "engine/core/errors.h"
#include "engine/core/messages.h"

namespace mv {

// Thrown by TDataLock::Acquire when another open of the stakes file holds the lock (another
// copy of the program or the command line on the same data directory), as distinct from a
// file that cannot be opened at all.
class EDataLockBusy : public EError {
public:
    using EError::EError;
};

// The message shown when the data files are held by another copy of the program.
inline constexpr TMsgText LockFailedMessage{TMsg::DataLockFailed};

// Holds the stakes file open and exclusively locked (flock) for the lifetime of the object,
// which keeps a second copy of the program, or the command line, off the same data files.
//
// The lock belongs to the file under the path, not to the path: a rewrite of the stakes file
// renames a new file over it (ReplaceWith), and the lock moves to the new file without a
// moment in which the path names an unlocked file. Acquire checks after locking that the file
// it locked is still the one under the path, so a copy that opened the old file just before
// such a rename does not end up holding a lock on a file nobody sees any more.
class TDataLock {
public:
    TDataLock() = default;
    ~TDataLock();
    TDataLock(const TDataLock&) = delete;
    TDataLock& operator=(const TDataLock&) = delete;

    // Opens (creating when missing) and locks the file. Throws EError
    // "Ошибка чтения файла ставок!\r\r<reason>" when it cannot or when its folder is not
    // writable, EDataLockBusy (same text) when the file is locked by someone else.
    void Acquire(const std::filesystem::path& stakesFile);
    void Release();
    bool Held() const { return m_fd >= 0; }
    // The open descriptor of the stakes file, for its reader and writer.
    int Descriptor() const { return m_fd; }
    // The locked path (empty before the first Acquire).
    const std::filesystem::path& Path() const { return m_path; }

    // Renames `replacement` over the locked path and keeps holding the lock on it. The
    // caller has opened `replacement` as `replacementFd` (in the same folder) and already
    // holds an exclusive flock on it. On success the lock owns `replacementFd` and the old
    // file is closed; throws EOSError with the system's message when the rename fails, and
    // then nothing changed (the caller still owns `replacementFd`).
    void ReplaceWith(const std::filesystem::path& replacement, int replacementFd);

private:
    int m_fd = -1;
    std::filesystem::path m_path;
};

}  // namespace mv
