#pragma once

#include <filesystem>
#include <functional>

#include "engine/support/operation_log.h"
#include "engine/support/ui_hooks.h"

// Single logged file steps: each does one thing (delete a file, delete a folder, make a
// folder, copy or move a file) and describes what happened in a TTransaction. A step never
// throws for a failing item: the failure is its status (5) and text.

namespace mv {

// Options of the file steps and operations (a set of bits). The low bits are those of
// deleting; the bits from 0x10000 up are those of copying and moving.
enum TFileOption : unsigned {
    foIgnoreFolders = 0x04,  // matching folders are skipped: "Каталог игнорирован"
    foEmptyFoldersOnly = 0x08,  // delete empty folders only; a non-empty one is skipped
    foRetry = 0x20,             // a failed step is tried again after a pause
    foSkipReadOnly = 0x800,     // read-only items are skipped instead of made writable
    foSkipSystem = 0x1000,      // system items are skipped (there are none on this platform)
    foSkipHidden = 0x2000,      // hidden items (names starting with ".") are skipped

    foReplace = 0x10000,         // an existing target is replaced (else the step is skipped)
    foCompareTime = 0x20000,     // ...unless it has the source's last-write time
    foCompareSize = 0x40000,     // ...and size
    foCompareCrc = 0x80000,      // ...and CRC-32 (all chosen comparisons must find them equal)
    foCreateFolders = 0x100000,  // the target's folder is created when missing
    // An existing target is first moved aside to its ".~" name, then the new file takes its
    // name (for a running program file, which keeps running from the moved-aside file).
    foRenameTarget = 0x200000,
};

// What the file steps and operations use of their surroundings. Every member may be empty.
struct TFileOpHooks {
    // Receives the retry notice (ShowStatus) and is asked for a stop during a retry pause
    // (Checkpoint).
    IUiHooks* Ui = nullptr;
    // The message viewer for steps added with sfShowMessage.
    TViewerSink Viewer;
    // Waits the given milliseconds, one slice of a retry pause; empty: the thread sleeps.
    std::function<void(int milliseconds)> Sleep;
    // Test seam: consulted before an existing target is replaced; a non-zero errno code
    // makes the replacement fail with that code, as if the system had refused it.
    std::function<int(const std::filesystem::path& target)> ReplaceFault;
};

// How a copy or move step is named: "Копирование \"from\" в \"to\"", or with the file name
// and both folders: "Копирование \"name\" из \"folder\" в \"folder\"".
enum class TStepNaming { Paths, NameAndFolders };

TTransaction DeleteFileStep(const std::filesystem::path& path, unsigned options);
TTransaction DeleteFolderStep(const std::filesystem::path& path, unsigned options);
TTransaction CreateFolderStep(const std::filesystem::path& path, bool parentRequired);

// Copies or moves one file to the full target path `to`. The content goes to a temporary
// file in the target's folder first and is renamed into place, so a failed step never leaves
// a half-written target. An existing target that the system refuses to replace because it is
// in use (EACCES, EPERM, ETXTBSY, EBUSY) is moved aside to its ".~" name instead.
TTransaction CopyFileStep(const std::filesystem::path& from, const std::filesystem::path& to,
                          unsigned options, TStepNaming naming = TStepNaming::Paths,
                          const TFileOpHooks& hooks = {});
TTransaction MoveFileStep(const std::filesystem::path& from, const std::filesystem::path& to,
                          unsigned options, TStepNaming naming = TStepNaming::Paths,
                          const TFileOpHooks& hooks = {});

}  // namespace mv
