// marvolet combs generate | filter | prefetch

#include <algorithm>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "cli/stats_setup.h"
#include "cli/table_output.h"
#include "engine/combs/comb_files.h"
#include "engine/combs/full_set_files.h"
#include "engine/combs/generation.h"
#include "engine/combs/selection.h"
#include "engine/core/game.h"
#include "engine/core/text_utils.h"
#include "engine/session/list_commands.h"
#include "engine/session/setup.h"
#include "engine/stats/stat_table.h"

namespace mv::cli {
namespace {

constexpr int kMaxInt = std::numeric_limits<int>::max();

// The working list as the command's result: into the file when one is named (the count on
// stdout), else as a table on stdout (the count on stderr).
void PutList(TCliContext& context, const std::optional<std::string>& out) {
    TWorkspace& ws = context.Workspace();
    const TCombsArray& list = ws.Combs().CurrentList;
    if (out) {
        SaveCombinationsFile(ws, *out);
        context.Out() << "Комбинаций: " << list.Count() << '\n';
        return;
    }
    WriteRow(context.Out(), {"№", "1", "2", "3", "4", "5", "Сумма"});
    for (std::size_t i = 0; i < list.Count(); ++i) {
        std::vector<std::string> row{std::to_string(i + 1)};
        int sum = 0;
        for (const auto n : list[i].Nums) {
            row.push_back(std::to_string(n));
            sum += n;
        }
        row.push_back(std::to_string(sum));
        WriteRow(context.Out(), row);
    }
    context.Err() << "Комбинаций: " << list.Count() << '\n';
}

// A new list as the generation dialog makes it, by default with the stored generation
// settings; optionally without the latest N visible draws. Nothing in the data directory
// changes, so no lock is taken.
int Generate(TCliContext& context, TArgs& args) {
    const auto modeText = args.TakeOption("mode");
    const auto params = args.TakeOption("params");
    const auto excludeText = args.TakeOption("exclude-last");
    const int offset = OffsetOption(args.TakeOption("offset"));
    const auto out = args.TakeOption("out");
    args.ExpectPositional(0, 0);
    const int exclude =
        excludeText ? IntegerOption(*excludeText, 0, kMaxInt, "Некорректное число тиражей") : 0;

    TWorkspace& ws = context.Workspace();
    ws.Stats().LoadGenerateSettings(ws.Paths().Config());
    const TGenerateSettings& stored = ws.Stats().Generate;
    const int mode = modeText ? IntegerOption(*modeText, 0, GenerateModeCount - 1,
                                              "Некорректный режим генерации")
                              : stored.CombsGenerateMode;
    if (!GenerateCombinations(ws, mode, params ? *params : stored.CombsGenerateParameters)) {
        return ExitError;
    }
    if (exclude > 0) {
        ReadArchiveWithOffset(context, offset);
        ExcludeLastDraws(ws, exclude);
    }
    PutList(context, out);
    return ExitOk;
}

// The table rows whose value texts are listed (separated by ";"), in table order. An unknown
// text is an error naming it.
std::vector<std::size_t> RowsOfValues(const TStatTable& table, const std::string& values) {
    std::vector<std::size_t> rows;
    for (const std::string& word : SplitWords(values, ";")) {
        const std::string text = Trim(word);
        if (text.empty()) continue;
        const auto it = std::find_if(table.Rows.begin(), table.Rows.end(),
                                     [&](const TStatRow& r) { return r.Texts[scValue] == text; });
        if (it == table.Rows.end()) {
            throw EError("Значение \"" + text + "\" не найдено в таблице статистики!");
        }
        rows.push_back(static_cast<std::size_t>(it - table.Rows.begin()));
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

// Keeps or removes the combinations having the listed values of a method's statistics
// table over a window of draws, as "Оставить выделенные" / "Удалить выделенные" do.
int Filter(TCliContext& context, TArgs& args) {
    const bool keep = args.TakeFlag("keep");
    const bool remove = args.TakeFlag("remove");
    const bool sorted = args.TakeFlag("sorted");
    const auto windowText = args.TakeOption("window");
    const auto in = args.TakeOption("in");
    const int offset = OffsetOption(args.TakeOption("offset"));
    const auto out = args.TakeOption("out");
    args.ExpectPositional(2, 2);
    if (keep == remove) throw EUsageError("Укажите один из параметров --keep или --remove");
    if (!windowText) throw EUsageError("Не указана длина окна (--window N)");
    if (!out) throw EUsageError("Не указан файл результата (--out ФАЙЛ.lcv)");
    const int window = IntegerOption(*windowText, 1, kMaxInt, "Некорректная длина окна");

    LoadRegistry(context);
    TWorkspace& ws = context.Workspace();
    const int method = FindMethodOrFail(ws.Stats(), args[0]);
    ReadArchiveWithOffset(context, offset);
    ws.SetSortedDraws(sorted);
    const TStatTable table = ComputeStatTable(StatRequest(ws, method, window));
    const TStatSelection selection = TableSelection(table, RowsOfValues(table, args[1]));

    if (in) {
        TCombsArray list;
        ReadCombinationsFile(*in, list);
        ReplaceCombinations(ws, std::vector<TComb>(list.begin(), list.end()));
    } else {
        GenerateCombinations(ws, gmFullSet, "", false);
    }
    ApplyStatSelection(ws, selection, remove, method, ws.Stats().MethodListText(method, true));
    PutList(context, out);
    return ExitOk;
}

// Builds the full-set comparison files in the data directory: the missing ones, or with
// --all every one.
int Prefetch(TCliContext& context, TArgs& args) {
    const bool all = args.TakeFlag("all");
    const bool missing = args.TakeFlag("missing");
    args.ExpectPositional(0, 0);
    if (all && missing) throw EUsageError("Параметры --all и --missing несовместимы");
    context.LockDataFiles();
    LoadRegistry(context);
    const TRebuildResult result =
        RebuildFullSetFiles(context.Workspace(), true, all ? std::uint16_t{0xFFFF} : 0);
    context.Err() << "Создано файлов: " << result.Built << '\n';
    return result.Failed > 0 ? ExitError : ExitOk;
}

const TCommand kCombsCommands[] = {
    {"generate", "[--mode M] [--params ТЕКСТ] [--exclude-last N] [--offset K] [--out ФАЙЛ.lcv]",
     "новый список комбинаций (режим 0..4 и параметры - по умолчанию из файла конфигурации), "
     "без N последних тиражей (K последних скрыто)",
     &Generate},
};
const TCommand kFilterCommands[] = {
    {"",
     "КОД --window N (--keep|--remove) \"ЗНАЧЕНИЕ;...\" [--in ФАЙЛ.lcv] [--offset K] "
     "[--sorted] --out ФАЙЛ.lcv",
     "оставить или удалить комбинации со значениями таблицы статистики (без --in - полный "
     "набор)",
     &Filter},
};
const TCommand kPrefetchCommands[] = {
    {"", "[--all|--missing]",
     "файлы сравнения с полным набором комбинаций: недостающие (по умолчанию) или все", &Prefetch},
};

const TCommandGroup kCombsGroup{"combs", kCombsCommands};
const TCommandGroup kFilterGroup{"filter", kFilterCommands};
const TCommandGroup kPrefetchGroup{"prefetch", kPrefetchCommands};

}  // namespace

const TCommandGroup& CombsCommands() {
    return kCombsGroup;
}
const TCommandGroup& FilterCommands() {
    return kFilterGroup;
}
const TCommandGroup& PrefetchCommands() {
    return kPrefetchGroup;
}

}  // namespace mv::cli
