#include "engine/core/processes.h"

#include <unistd.h>

#include <string>
#include <string_view>
#include <system_error>

#include "engine/core/text_utils.h"

namespace mv {
namespace {

// The kernel shows the program file of a process whose file was unlinked (deleted, or
// replaced by a rename over it) as its old path followed by this text.
constexpr std::string_view kDeletedSuffix = " (deleted)";

bool SameProgramFile(const std::string& linkLower, const std::string& wantedLower) {
    if (linkLower == wantedLower) return true;
    return linkLower.size() == wantedLower.size() + kDeletedSuffix.size() &&
           linkLower.compare(0, wantedLower.size(), wantedLower) == 0 &&
           linkLower.ends_with(kDeletedSuffix);
}

}  // namespace

bool OtherInstanceRunning(const std::filesystem::path& executable) {
    const std::string self = std::to_string(::getpid());
    const std::string wanted = ToLowerAscii(executable.string());
    std::error_code ec;
    for (std::filesystem::directory_iterator it("/proc", ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string pid = it->path().filename().string();
        if (pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos ||
            pid == self) {
            continue;
        }
        std::error_code linkError;
        const auto exe = std::filesystem::read_symlink(it->path() / "exe", linkError);
        if (!linkError && SameProgramFile(ToLowerAscii(exe.string()), wanted)) return true;
    }
    return false;
}

}  // namespace mv
