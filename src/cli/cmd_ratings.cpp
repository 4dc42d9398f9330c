// marvolet ratings list | rebuild | export | to-scenario

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "cli/stats_setup.h"
#include "cli/table_output.h"
#include "engine/core/text_utils.h"
#include "engine/draws/run_identity.h"
#include "engine/ratings/ratings.h"
#include "engine/session/rating_commands.h"
#include "engine/session/setup.h"
#include "engine/support/atomic_file.h"

namespace mv::cli {
namespace {

int SortColumnOption(const std::string& text) {
    const auto& captions = RatingColumnCaptions();
    for (int c = 0; c < RatingColumnCount; ++c)
        if (text == captions[static_cast<std::size_t>(c)]) return c;
    return IntegerOption(text, 0, RatingColumnCount - 1, "Некорректный столбец сортировки");
}

// The rating rows as the list shows them, numbered from 1, with the distance from chance of
// each row as two extra columns.
int List(TCliContext& context, TArgs& args) {
    const auto modeText = args.TakeOption("mode");
    const auto sortText = args.TakeOption("sort");
    const bool descending = args.TakeFlag("desc");
    args.ExpectPositional(0, 0);
    const int mode = modeText ? IntegerOption(*modeText, 0, 2, "Некорректный режим") : remAbsolute;
    TRatings rows = LoadRatings(RatingsPath(context.Workspace()));
    if (sortText) SortRatings(rows, SortColumnOption(*sortText), descending);
    std::vector<std::string> header = {"№"};
    for (const auto& caption : RatingColumnCaptions()) header.push_back(caption);
    header.push_back("z");
    header.push_back("p");
    WriteRow(context.Out(), header);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::vector<std::string> row = {std::to_string(i + 1)};
        for (int c = 0; c < RatingColumnCount; ++c) row.push_back(RatingCellText(rows[i], c, mode));
        const auto chance = RatingChance(rows[i]);
        row.push_back(chance ? FormatFloat(chance->Z, 3) : std::string());
        row.push_back(chance ? FormatFloat(chance->P, 6) : std::string());
        WriteRow(context.Out(), row);
    }
    context.Err() << "Рейтинг: " << rows.size() << '\n';
    return ExitOk;
}

int Rebuild(TCliContext& context, TArgs& args) {
    args.ExpectPositional(0, 0);
    context.LockDataFiles();
    TWorkspace& ws = context.Workspace();
    if (!ws.Ratings().empty() &&
        !ws.Hooks().Ask(TAskKind::Confirm, "Подтверждение", RebuildRatingsQuestion)) {
        context.Err() << "Обновление отменено.\n";
        return ExitError;
    }
    RebuildRatingsFromStakes(ws);
    context.Err() << "Рейтинг: " << ws.Ratings().size() << '\n';
    return ExitOk;
}

// With --identity the file ends with the identity of the data the ratings stand beside: the
// archive, the configuration's prize table and cost at offset 0, and this program.
int Export(TCliContext& context, TArgs& args) {
    const bool withIdentity = args.TakeFlag("identity");
    args.ExpectPositional(1, 1);
    TWorkspace& ws = context.Workspace();
    const TRatings rows = LoadRatings(RatingsPath(ws));
    std::optional<TRunIdentity> identity;
    if (withIdentity) {
        LoadAnalysisSettings(ws);
        identity = MakeRunIdentity(ws.Paths().Archive(), ws.DrawsOffset(), ws.Config());
    }
    WriteFileAtomically(args[0], RatingsCsv(rows, identity));
    context.Err() << "Рейтинг: " << rows.size() << '\n';
    return ExitOk;
}

// The rows (numbers as `list` prints them) appended to the current scenario as lines.
int ToScenario(TCliContext& context, TArgs& args) {
    args.ExpectPositional(1, 1000);
    context.LockDataFiles();
    TWorkspace& ws = context.Workspace();
    ws.EditScript([](TCurrentScript& script) { script.ReadCurrentScript(); });
    std::vector<std::string> names;
    for (std::size_t i = 0; i < args.Count(); ++i) {
        const int row = IntegerOption(args[i], 1, static_cast<int>(ws.Ratings().size()),
                                      "Некорректный номер строки рейтинга");
        names.push_back(ws.Ratings()[static_cast<std::size_t>(row - 1)].Name);
    }
    bool anyRefused = false;
    const int added = RatingsToScript(ws, names, [&](const std::string& text) {
        anyRefused = true;
        ws.Hooks().ShowMessage(TMessageKind::Error, text);
    });
    context.Err() << "Добавлено строк: " << added << '\n';
    return anyRefused ? ExitError : ExitOk;
}

const TCommand kRatingsCommands[] = {
    {"list", "[--mode 0|1|2] [--sort СТОЛБЕЦ] [--desc]",
     "рейтинг ставок по комментариям, с отклонением от случайного угадывания (z, p)", &List},
    {"rebuild", "", "пересчитать рейтинг по текущим ставкам (нужен --yes)", &Rebuild},
    {"export", "ФАЙЛ.csv [--identity]",
     "экспорт рейтинга в CSV-файл (--identity: последней строкой идентификатор запуска)", &Export},
    {"to-scenario", "СТРОКА...", "добавить строки рейтинга в текущий сценарий", &ToScenario},
};
const TCommandGroup kRatingsGroup{"ratings", kRatingsCommands};

}  // namespace

const TCommandGroup& RatingsCommands() {
    return kRatingsGroup;
}

}  // namespace mv::cli
