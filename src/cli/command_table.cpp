// The command groups of `marvolet`.
//
// A group is one file, cmd_<group>.cpp, that defines `const TCommandGroup& <Group>Commands()`
// returning its name and its table of TCommand. Adding a group means adding that file and
// one line to the table below (with the function's declaration beside it); the dispatcher
// and the usage text pick it up from there. src/cli/CMakeLists.txt globs every *.cpp.

#include "cli/cli_app.h"

namespace mv::cli {

const TCommandGroup& DrawsCommands();
const TCommandGroup& ConfigCommands();
const TCommandGroup& StatsCommands();
const TCommandGroup& MethodsCommands();
const TCommandGroup& GraphCommands();
const TCommandGroup& ScenarioCommands();
const TCommandGroup& CombsCommands();
const TCommandGroup& FilterCommands();
const TCommandGroup& PrefetchCommands();
const TCommandGroup& StakesCommands();
const TCommandGroup& SystemsCommands();

const TCommandGroup& RatingsCommands();
const TCommandGroup& RegularsCommands();

const TCommandGroup& CardCommands();
const TCommandGroup& LayoutCommands();
const TCommandGroup& WeekCommands();
const TCommandGroup& RepeatsCommands();
const TCommandGroup& SumsCommands();

const TCommandGroup& UpdateCommands();
const TCommandGroup& CatalogCommands();

std::span<const TCommandGroup* const> CommandGroups() {
    static const TCommandGroup* const groups[] = {
        &DrawsCommands(),    &ConfigCommands(),   &StatsCommands(),   &MethodsCommands(),
        &GraphCommands(),    &ScenarioCommands(), &CombsCommands(),   &FilterCommands(),
        &PrefetchCommands(), &StakesCommands(),   &SystemsCommands(),

        &RatingsCommands(),  &RegularsCommands(),

        &CardCommands(),     &LayoutCommands(),   &WeekCommands(),    &RepeatsCommands(),
        &SumsCommands(),

        &UpdateCommands(),
        &CatalogCommands(),
    };
    return groups;
}

}  // namespace mv::cli
