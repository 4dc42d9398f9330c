#include "engine/core/command_line.h"

#include "engine/core/text_utils.h"

namespace mv {

bool MatchesSwitch(std::string_view argument, std::string_view name) {
    for (const std::string_view prefix : {"", "-", "--", "/", "\\"}) {
        if (argument.size() == prefix.size() + name.size() && argument.substr(0, prefix.size()) == prefix &&
            EqualsNoCase(argument.substr(prefix.size()), name)) {
            return true;
        }
    }
    return false;
}

TSwitches ParseSwitches(const std::vector<std::string>& args) {
    TSwitches s;
    for (const std::string& a : args) {
        s.Restart = s.Restart || MatchesSwitch(a, "restart");
        s.NoLanguage = s.NoLanguage || MatchesSwitch(a, "no-language");
        s.LoadOnly = s.LoadOnly || MatchesSwitch(a, "loadonly");
        s.FullRecreate = s.FullRecreate || MatchesSwitch(a, "fullrecreate");
        s.FullRefresh = s.FullRefresh || MatchesSwitch(a, "fullrefresh");
    }
    return s;
}

}  // namespace mv
