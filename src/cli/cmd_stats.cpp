// marvolet stats table | methods | graph

#include <algorithm>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "cli/stats_setup.h"
#include "cli/table_output.h"
#include "engine/core/text_utils.h"
#include "engine/session/list_commands.h"
#include "engine/session/setup.h"
#include "engine/stats/graph_data.h"
#include "engine/stats/stat_list.h"
#include "engine/stats/stat_table.h"

namespace mv::cli {
namespace {

constexpr int kDefaultWindow = 1000;

// The options of the commands that analyse a window of draws ending `Offset` draws before the
// newest.
struct TWindowArgs {
    bool Sorted = false;
    int Window = 0;
    int Offset = 0;
};

TWindowArgs TakeWindowArgs(TArgs& args, int defaultWindow) {
    TWindowArgs w;
    w.Sorted = args.TakeFlag("sorted");
    const auto windowText = args.TakeOption("window");
    w.Offset = OffsetOption(args.TakeOption("offset"));
    constexpr int kMaxInt = std::numeric_limits<int>::max();
    w.Window = windowText ? IntegerOption(*windowText, 1, kMaxInt, "Некорректная длина окна")
                          : defaultWindow;
    return w;
}

// Reads the registry and the archive for the window; returns the method's index. `lock`: the
// command may write data files.
int OpenWindow(TCliContext& context, const std::string& code, const TWindowArgs& w, bool lock) {
    LoadRegistry(context);
    TWorkspace& ws = context.Workspace();
    const int method = FindMethodOrFail(ws.Stats(), code);
    if (lock) context.LockDataFiles();
    ReadArchiveWithOffset(context, w.Offset);
    ws.SetSortedDraws(w.Sorted);
    return method;
}

// The statistics table of one method over a window of draws, with the texts of the
// statistics tab. Reading needs no lock; --compare takes it, since it may build the method's
// full-set comparison file.
int Table(TCliContext& context, TArgs& args) {
    const bool compare = args.TakeFlag("compare");
    const TWindowArgs w = TakeWindowArgs(args, kDefaultWindow);
    args.ExpectPositional(1, 1);
    const int method = OpenWindow(context, args[0], w, compare);
    TWorkspace& ws = context.Workspace();

    TStatTableRequest request = StatRequest(ws, method, w.Window);
    SetPrefetchsEnabled(ws, compare);
    const TStatTable table = ComputeStatTableWithNorm(ws, request);

    const auto& captions = StatColumnCaptions();
    WriteRow(context.Out(), std::vector<std::string>(captions.begin(), captions.end()));
    for (const TStatRow& row : table.Rows) {
        WriteRow(context.Out(), std::vector<std::string>(row.Texts.begin(), row.Texts.end()));
    }
    return ExitOk;
}

constexpr int kDefaultGraphWindow = 100;

// The graphs tab's data for one method: the graph value of every draw of the window, then
// the window's mean and its most frequent value.
int Graph(TCliContext& context, TArgs& args) {
    const TWindowArgs w = TakeWindowArgs(args, kDefaultGraphWindow);
    args.ExpectPositional(1, 1);
    const int method = OpenWindow(context, args[0], w, false);
    TWorkspace& ws = context.Workspace();

    const TGraphSeries series = ComputeGraphSeries(ws.Stats(), method, ws.DrawArchive(),
                                                   ws.DrawsOffset(), w.Window, w.Sorted);
    WriteRow(context.Out(), {"Тираж", "Значение"});
    for (const TGraphPoint& p : series.Values) {
        WriteRow(context.Out(), {std::to_string(p.DrawNumber), std::to_string(p.Value)});
    }
    WriteRow(context.Out(), {"Среднее значение", FormatFloat(series.Mean, 2)});
    WriteRow(context.Out(), {"Наиболее часто встречающееся значение", std::to_string(series.Mode)});
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
    {"", "КОД [--window N] [--offset K] [--sorted] [--compare]",
     "таблица статистики метода: окно N тиражей (1000), K последних скрыто (0); --compare - "
     "с нормой по полному набору комбинаций",
     &Table},
};
const TCommand kMethodsCommands[] = {
    {"", "", "методы расчета статистики: код, группа, флаги, название", &Methods},
};

const TCommand kGraphCommands[] = {
    {"", "КОД [--window N] [--offset K] [--sorted]",
     "график метода: значение каждого тиража окна из N тиражей (100), K последних скрыто (0), "
     "затем среднее и наиболее часто встречающееся значение",
     &Graph},
};

const TCommandGroup kStatsGroup{"stats", kStatsCommands};
const TCommandGroup kGraphGroup{"graph", kGraphCommands};
const TCommandGroup kMethodsGroup{"methods", kMethodsCommands};

}  // namespace

const TCommandGroup& StatsCommands() {
    return kStatsGroup;
}
const TCommandGroup& GraphCommands() {
    return kGraphGroup;
}
const TCommandGroup& MethodsCommands() {
    return kMethodsGroup;
}

}  // namespace mv::cli
