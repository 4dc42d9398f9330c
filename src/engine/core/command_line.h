#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mv {

// The program's switches. Each argument is compared without regard to case with the name
// itself and with the name after "-", "--", "/" or "\"; unknown arguments are ignored.
struct TSwitches {
    bool Restart = false;
    bool NoLanguage = false;
    bool LoadOnly = false;
    bool FullRecreate = false;
    bool FullRefresh = false;

    // Any switch that turns the run into a batch job that ends by itself.
    bool IsBatch() const { return LoadOnly || FullRecreate || FullRefresh; }
};

bool MatchesSwitch(std::string_view argument, std::string_view name);
TSwitches ParseSwitches(const std::vector<std::string>& args);

}  // namespace mv
