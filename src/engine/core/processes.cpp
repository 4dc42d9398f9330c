#include "core/processes.h"

#include <unistd.h>

#include <string>
#include <system_error>

#include "support/text_utils.h"

namespace mv {

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
        if (!linkError && ToLowerAscii(exe.string()) == wanted) return true;
    }
    return false;
}

}  // namespace mv
