// marvolet stats table | methods

#include <algorithm>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "cli_app.h"
#include "stats/stat_list.h"
#include "stats/stat_table.h"
#include "support/text_utils.h"
#include "table_output.h"

namespace mv::cli {
namespace {

constexpr int kDefaultWindow = 1000;

// An integer option within low..high; anything else is a wrong command line.
int IntegerOption(const std::string& text, int low, int high, const char* what) {
    const auto value = StrToInt64(Trim(text));
    if (!value || *value < low || *value > high) throw EUsageError(std::string(what) + ": " + text);
    return static_cast<int>(*value);
}

// The registry as the desktop program has it after start-up: the analysis settings of the
// configuration file (weights, matrix, channels, which also decide the indexed methods),
// the shredding formulas and the user's method names. A names file that cannot be read is
// reported and the class captions are used, as the desktop program does.
void LoadRegistry(TCliContext& context) {
    TWorkspace& ws = context.Workspace();
    TStatList& stats = ws.Stats();
    stats.LoadConfig(ws.Paths().Config());
    stats.LoadShredding(ws.Paths().Config());
    stats.SaveWeights();
    stats.BuildMethods();
    if (const auto failure = stats.ReadNames(ws.Paths().MethodNames(), false)) {
        ws.Hooks().ShowMessage(TMessageKind::Error, *failure);
    }
}

int FindMethodOrFail(const TStatList& stats, const std::string& code) {
    const int index = stats.FindMethod(code);
    if (index < 0) throw EError(Fmt("Метод расчета статистики \"%s\" на найден!", {code}));
    return index;
}

// The statistics table of one method over a window of draws, with the texts of the
// statistics tab. Reading needs no lock: nothing is changed.
int Table(TCliContext& context, TArgs& args) {
    const bool sorted = args.TakeFlag("sorted");
    const auto windowText = args.TakeOption("window");
    const auto offsetText = args.TakeOption("offset");
    args.ExpectPositional(1, 1);
    constexpr int kMaxInt = std::numeric_limits<int>::max();
    const int window = windowText
                           ? IntegerOption(*windowText, 1, kMaxInt, "Некорректная длина окна")
                           : kDefaultWindow;
    const int offset =
        offsetText ? IntegerOption(*offsetText, 0, kMaxInt, "Некорректное смещение") : 0;

    LoadRegistry(context);
    TWorkspace& ws = context.Workspace();
    const int method = FindMethodOrFail(ws.Stats(), args[0]);
    context.ReadArchive();
    // Offset 0 always stands (an empty archive gives an empty table); others must leave at
    // least one draw visible, as the offset field of the draws tab allows.
    if (offset > 0 && offset >= ws.DrawCount()) {
        throw EUsageError("Некорректное смещение (допустимо 0.." +
                          std::to_string(std::max(0, ws.DrawCount() - 1)) + "): " + *offsetText);
    }
    ws.SetDrawsOffset(offset);
    ws.SortedDraws = sorted;

    TStatTableRequest request;
    request.Registry = &ws.Stats();
    request.MethodIndex = method;
    request.Draws = &ws.DrawArchive;
    request.DrawsOffset = ws.DrawsOffset();
    request.WindowLength = window;
    request.Sorted = sorted;
    const TStatTable table = ComputeStatTable(request);

    const auto& captions = StatColumnCaptions();
    WriteRow(context.Out(), std::vector<std::string>(captions.begin(), captions.end()));
    for (const TStatRow& row : table.Rows) {
        WriteRow(context.Out(), std::vector<std::string>(row.Texts.begin(), row.Texts.end()));
    }
    return ExitOk;
}

int Methods(TCliContext& context, TArgs& args) {
    args.ExpectPositional(0, 0);
    LoadRegistry(context);
    const TStatList& stats = context.Workspace().Stats();
    WriteRow(context.Out(), {"Код", "Группа", "Флаги", "Название"});
    for (int i = 0; i < stats.MethodCount(); ++i) {
        const TStatMethod& m = stats.Method(i);
        const char* group = StatGroupCode(m.StatClass->Group);
        WriteRow(context.Out(), {TStatList::MethodCode(m), group ? group : "#ERROR#",
                                 FlagLetters(m.StatClass->FullFlags()), stats.MethodName(m)});
    }
    return ExitOk;
}

const TCommand kStatsCommands[] = {
    {"", "КОД [--window N] [--offset K] [--sorted]",
     "таблица статистики метода: окно N тиражей (1000), K последних скрыто (0)", &Table},
};
const TCommand kMethodsCommands[] = {
    {"", "", "методы расчета статистики: код, группа, флаги, название", &Methods},
};

const TCommandGroup kStatsGroup{"stats", kStatsCommands};
const TCommandGroup kMethodsGroup{"methods", kMethodsCommands};

}  // namespace

const TCommandGroup& StatsCommands() { return kStatsGroup; }
const TCommandGroup& MethodsCommands() { return kMethodsGroup; }

}  // namespace mv::cli
