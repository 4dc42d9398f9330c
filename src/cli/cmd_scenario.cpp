// marvolet scenario show | run | test | delete-logs

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "cli/stats_setup.h"
#include "cli/table_output.h"
#include "engine/core/text_utils.h"
#include "engine/draws/run_identity.h"
#include "engine/run/script_logs.h"
#include "engine/run/script_runner.h"
#include "engine/scenarios/script_file.h"
#include "engine/scenarios/script_line.h"
#include "engine/session/setup.h"
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

// Ctrl+C asks for the stop at the next checkpoint; the run then ends through its closing
// steps. The previous handler comes back when the run ends.
class TStopOnInterrupt {
public:
    TStopOnInterrupt() {
        CliStopFlag().store(false);
        m_previous = std::signal(SIGINT, &Handle);
    }
    ~TStopOnInterrupt() { std::signal(SIGINT, m_previous); }
    TStopOnInterrupt(const TStopOnInterrupt&) = delete;
    TStopOnInterrupt& operator=(const TStopOnInterrupt&) = delete;

private:
    static void Handle(int) { CliStopFlag().store(true); }
    void (*m_previous)(int) = SIG_DFL;
};

std::string Money(TMoney value) {
    return FormatFloat(static_cast<long double>(value) / MoneyScale, 2);
}

// Runs a scenario file over the data directory: its stakes go into the stakes file, printed
// one row each (draw, numbers, comment); a test prints its totals beside what as many random
// stakes would have been expected to do.
int RunScenario(TCliContext& context, TArgs& args, bool test) {
    const auto passesText = args.TakeOption("passes");
    const bool log = args.TakeFlag("log");
    const auto seedText = args.TakeOption("seed");
    args.ExpectPositional(1, 1);
    std::optional<std::uint64_t> seed;
    if (seedText) {
        const auto value = StrToInt64(Trim(*seedText));
        if (!value || *value < 0)
            throw EUsageError("Некорректное начальное значение (--seed): " + *seedText);
        seed = static_cast<std::uint64_t>(*value);
    }
    const TScriptLines lines = ReadScriptFile(args[0]);
    context.LockDataFiles();
    context.ReadArchive();
    LoadRegistry(context);
    TWorkspace& ws = context.Workspace();
    ws.Stats().LoadGenerateSettings(ws.Paths().Config());
    int passes = 1;
    if (test) {
        if (!passesText) throw EUsageError("Не указано количество тестов (--passes N)");
        passes = IntegerOption(*passesText, 1, std::max(1, ws.DrawCount() - 1),
                               "Некорректное количество тестов");
    }
    if (ws.DrawCount() == 0) throw EError("Архив тиражей пуст!");
    TScriptRunSettings settings;
    settings.LogEnabled = log;
    settings.LogFolder = ws.Paths().Dir;
    settings.RandSeed = seed;
    TScriptRunner runner(ws, settings);
    runner.Lines = &lines;
    runner.OnStake = [&](const TStakeRecord& rec) {
        std::string numbers;
        for (const std::uint8_t n : rec.Numbers.Used())
            numbers += (numbers.empty() ? "" : " ") + std::to_string(n);
        WriteRow(context.Out(), {std::to_string(rec.DrawNumber), numbers, rec.Comment});
    };
    runner.OnLogFinished = [&](const std::filesystem::path& file) {
        context.Err() << TerminalText("Журнал выполнения: " + file.string()) << '\n';
    };
    {
        TStopOnInterrupt interrupt;
        if (test)
            runner.Test(passes);
        else
            runner.Forecast();
    }
    const bool stopped = CliStopFlag().load();
    context.Err() << "Ставок: " << runner.StakeCount() << '\n';
    if (test) {
        const TRunTotals& t = runner.Totals();
        const TChanceBaseline b = runner.Baseline();
        WriteRow(context.Out(), {"Совпадений", "Ставок", "Случайные ставки"});
        for (int k = 0; k <= NumbersInDraw; ++k) {
            WriteRow(context.Out(), {std::to_string(k), std::to_string(t.Matches[k]),
                                     FormatFloat(b.Matches[k], 3)});
        }
        WriteRow(context.Out(), {"Всего", std::to_string(t.Checked), std::to_string(t.Checked)});
        WriteRow(context.Out(), {"Доход", Money(t.Profit), FormatFloat(b.Profit / MoneyScale, 2)});
        // What the totals were computed from, so that they can be traced back.
        WriteRow(context.Out(), {RunIdentityText(MakeRunIdentity(ws.Paths().Archive(),
                                                                 ws.DrawsOffset(), ws.Config()))});
    }
    if (stopped) {
        context.Err() << TerminalText("Выполнение сценария прервано") << '\n';
        return ExitError;
    }
    return ExitOk;
}

int Run(TCliContext& context, TArgs& args) {
    return RunScenario(context, args, false);
}

int Test(TCliContext& context, TArgs& args) {
    return RunScenario(context, args, true);
}

// Deletes the execution logs of the data directory. The lock is taken because a running
// program may be writing one of them.
int DeleteLogs(TCliContext& context, TArgs& args) {
    args.ExpectPositional(0, 0);
    context.LockDataFiles();
    const std::optional<TOperation> operation = LogsDelete(context.Workspace());
    if (!operation) {
        context.Err() << TerminalText(NoScriptLogsMessage) << '\n';
        return ExitOk;
    }
    context.Err() << TerminalText(operation->Name) << '\n' << TerminalText(operation->Text) << '\n';
    return operation->Status <= ssDone ? ExitOk : ExitError;
}

const TCommand kCommands[] = {
    {"show", "FILE.lsc",
     "строки сценария: комментарий, опции и семь фильтров, как их показывает список сценария",
     &Show},
    {"run", "FILE.lsc [--log] [--seed N]",
     "прогноз по сценарию при текущем смещении: ставки в файл ставок", &Run},
    {"test", "FILE.lsc --passes N [--log] [--seed N]",
     "тест сценария на N последних тиражах: ставки, совпадения и доход рядом со случайными "
     "ставками, и идентификатор запуска; --seed задает выбор ставок в режиме \"Случайно\"",
     &Test},
    {"delete-logs", "", "удалить журналы выполнения сценариев (ScriptLog_*.txt)", &DeleteLogs},
};

const TCommandGroup kGroup{"scenario", kCommands};

}  // namespace

const TCommandGroup& ScenarioCommands() {
    return kGroup;
}

}  // namespace mv::cli
