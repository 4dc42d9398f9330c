#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "engine/support/file_basics.h"
#include "engine/support/file_steps.h"
#include "engine/support/operation_log.h"

// Logged file operations: each searches a folder for the items that match its masks, runs one
// step per item (with retries when asked), counts the steps in a TOperation and finishes it
// with a status and a summary. Failures of single items never throw; the caller decides from
// the operation's status (2 = everything done, 6 = stopped by a stop request) and shows its
// name and text.
//
// The search lists the folder itself, not its subfolders, in name order. A symbolic link is
// an item of its own (deleting it never touches what it points to).

namespace mv {

struct TFileOpParams {
    unsigned Options = 0;  // TFileOption bits
    // With foRetry: how often a failing step is tried in all (the first try included), and
    // the pause in seconds before each further try.
    int Attempts = 1;
    int PauseSeconds = 0;
    unsigned StepFlags = 0;  // TStepFlags passed to AddStep for every step
    // What finding nothing amounts to: ssInformation (nothing to do), ssWarning or ssError.
    std::uint8_t NothingFound = ssInformation;
};

// Deletes the files and folders that match the masks of `pathWithMask` ("dir/ScriptLog_*.txt",
// several masks separated by ";" in the last part). With foEmptyFoldersOnly only folders are
// considered and the operation is named "Удаление пустых каталогов \"%s\"".
TOperation DeleteFiles(const std::filesystem::path& pathWithMask, const TFileOpParams& params,
                       const TFileOpHooks& hooks = {});

// Copy or move every file of `sourceFolder` that matches `masks` into `targetFolder`.
TOperation CopyFiles(const std::filesystem::path& sourceFolder, const std::string& masks,
                     const std::filesystem::path& targetFolder, const TFileOpParams& params,
                     const TFileOpHooks& hooks = {});
TOperation MoveFiles(const std::filesystem::path& sourceFolder, const std::string& masks,
                     const std::filesystem::path& targetFolder, const TFileOpParams& params,
                     const TFileOpHooks& hooks = {});

// The single create-folder step as an operation of its own (named like the step).
TOperation CreateFolder(const std::filesystem::path& path, bool parentRequired,
                        const TFileOpParams& params, const TFileOpHooks& hooks = {});

}  // namespace mv
