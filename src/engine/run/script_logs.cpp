#include "engine/run/script_logs.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "engine/core/messages.h"
#include "engine/session/workspace.h"
#include "engine/support/file_basics.h"
#include "engine/support/file_operations.h"
#include "engine/support/ui_hooks.h"

namespace mv {

std::filesystem::path ClaimScriptLogFile(const std::filesystem::path& folder,
                                         const std::string& stamp) {
    const std::string base = "ScriptLog_" + stamp;
    for (int n = 1;; ++n) {
        const std::filesystem::path name =
            folder / (n == 1 ? base + ".txt" : base + "_" + std::to_string(n) + ".txt");
        // Creating the file exclusively claims the name even against another process.
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            ::close(fd);
            return name;
        }
        if (errno != EEXIST) return folder / (base + ".txt");
    }
}

std::optional<TOperation> LogsDelete(TWorkspace& ws) {
    const std::filesystem::path& folder = ws.Paths().Dir;
    if (!AnyFileMatches(folder, ScriptLogMask)) return std::nullopt;
    TStatusGuard status(ws.Hooks(), Msg(TMsg::SearchLogsStatus));
    return DeleteFiles(folder / ScriptLogMask, TFileOpParams{});
}

}  // namespace mv
