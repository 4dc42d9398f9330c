#include "engine/core/data_paths.h"

#include <system_error>

#include "engine/core/errors.h"
#include "engine/core/messages.h"

namespace mv {

std::filesystem::path ExecutablePath() {
    std::error_code ec;
    auto path = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : path;
}

std::optional<std::filesystem::path> TakeDataDirOption(std::vector<std::string>& args) {
    static const std::string kOption = "--data-dir";
    std::optional<std::filesystem::path> dir;
    for (std::size_t i = 0; i < args.size();) {
        const std::string& a = args[i];
        if (a == kOption) {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                throw EError(Msg(TMsg::DataDirMissing));
            }
            dir = args[i + 1];
            args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                       args.begin() + static_cast<std::ptrdiff_t>(i + 2));
        } else if (a.rfind(kOption + "=", 0) == 0) {
            const std::string value = a.substr(kOption.size() + 1);
            if (value.empty()) throw EError(Msg(TMsg::DataDirMissing));
            dir = value;
            args.erase(args.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
        }
    }
    return dir;
}

TDataPaths ResolveDataPaths(const std::optional<std::filesystem::path>& dataDir) {
    TDataPaths paths;
    if (dataDir) {
        std::error_code ec;
        const auto absolute = std::filesystem::absolute(*dataDir, ec);
        paths.Dir = ec ? *dataDir : absolute.lexically_normal();
    } else {
        paths.Dir = ExecutablePath().parent_path();
    }
    return paths;
}

}  // namespace mv
