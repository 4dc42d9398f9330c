#pragma once

#include <filesystem>

namespace mv {

// True when a process other than this one runs the program file `executable` (paths compared
// without regard to case), also when that process's file has since been deleted or replaced
// by a new one at the same path, as a self-update does. Reads /proc; processes it may not
// inspect are passed over.
bool OtherInstanceRunning(const std::filesystem::path& executable);

}  // namespace mv
