#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace mv {

inline constexpr const char* ProgramName = "Marvolet_5z36";

// Where the data files live: by default the directory of the executable, or the directory
// given with --data-dir. Every file keeps its fixed name inside it.
struct TDataPaths {
    std::filesystem::path Dir;

    std::filesystem::path File(const std::string& extension) const {
        return Dir / (std::string(ProgramName) + extension);
    }
    std::filesystem::path Archive() const { return File(".ldr"); }
    std::filesystem::path Stakes() const { return File(".lsk"); }
    std::filesystem::path Config() const { return File(".ini"); }
    std::filesystem::path WindowSettings() const { return File(".frm"); }
    std::filesystem::path MethodNames() const { return File(".flt"); }
    std::filesystem::path Prefetchs() const { return Dir / "Prefetchs"; }
};

// The running executable's path (from /proc/self/exe).
std::filesystem::path ExecutablePath();

// Takes "--data-dir DIR" or "--data-dir=DIR" out of the arguments. Throws EError when the
// option is given without a directory.
std::optional<std::filesystem::path> TakeDataDirOption(std::vector<std::string>& args);

// The data paths for the given option value, or the executable's directory without one.
TDataPaths ResolveDataPaths(const std::optional<std::filesystem::path>& dataDir);

}  // namespace mv
