// marvolet scenario show

#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "cli/table_output.h"
#include "engine/scenarios/script_file.h"
#include "engine/scenarios/script_line.h"
#include "engine/stats/filter_item.h"

namespace mv::cli {
namespace {

// The method list as the configuration makes it: the indexed methods (channels, matrix
// columns and rows) depend on it, and with them the codes a scenario may use.
void LoadMethodList(TCliContext& context) {
    TWorkspace& ws = context.Workspace();
    ws.Stats().LoadConfig(ws.Paths().Config());
    ws.Stats().BuildMethods();
}

// Tells which filters of a line name a method the list does not have; the desktop program
// would stop a run at them.
void ReportUnknownMethods(std::ostream& err, int lineNumber, const TScriptLine& line,
                          const TStatList& registry) {
    for (std::size_t k = 0; k < line.Filters.size(); ++k) {
        const TFilterItem item = TextToItem(line.Filters[k], registry);
        if (!item.Active || item.Method) continue;
        const std::string code = item.CodeText.substr(0, item.CodeText.find(':'));
        err << TerminalText("Строка " + std::to_string(lineNumber) + ", фильтр " +
                            std::to_string(k + 1) + ": метод расчета статистики \"" + code +
                            "\" не найден")
            << '\n';
    }
}

// The scenario list of a scenario file: comment, options and the seven filters as the
// scenario tab shows them; a separator is a row of empty cells. Reads only the file and the
// configuration, so no lock is taken.
int Show(TCliContext& context, TArgs& args) {
    args.ExpectPositional(1, 1);
    LoadMethodList(context);
    const TStatList& registry = context.Workspace().Stats();
    const TScriptLines lines = ReadScriptFile(args[0]);
    const auto& captions = ScriptColumnCaptions();
    WriteRow(context.Out(), std::vector<std::string>(captions.begin(), captions.end()));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto cells = ScriptRowTexts(lines[i], registry);
        WriteRow(context.Out(), std::vector<std::string>(cells.begin(), cells.end()));
        if (!IsSeparatorLine(lines[i])) {
            ReportUnknownMethods(context.Err(), static_cast<int>(i + 1), ReadScriptLine(lines[i]),
                                 registry);
        }
    }
    return ExitOk;
}

const TCommand kCommands[] = {
    {"show", "FILE.lsc",
     "строки сценария: комментарий, опции и семь фильтров, как их показывает список сценария",
     &Show},
};

const TCommandGroup kGroup{"scenario", kCommands};

}  // namespace

const TCommandGroup& ScenarioCommands() {
    return kGroup;
}

}  // namespace mv::cli
