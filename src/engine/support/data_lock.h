#pragma once

#include <filesystem>

#include "engine/core/errors.h"

namespace mv {

// Thrown by TDataLock::Acquire when another open of the stakes file holds the lock (another
// copy of the program or the command line on the same data directory), as distinct from a
// file that cannot be opened at all.
class EDataLockBusy : public EError {
public:
    using EError::EError;
};

// The message shown when the data files are held by another copy of the program.
extern const char* const LockFailedMessage;

// Holds the stakes file open and exclusively locked (flock) for the lifetime of the object,
// which keeps a second copy of the program, or the command line, off the same data files.
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

private:
    int m_fd = -1;
};

}  // namespace mv
