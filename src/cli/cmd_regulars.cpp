// marvolet regulars list | add | stake | test

#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "cli/stats_setup.h"
#include "cli/table_output.h"
#include "engine/core/text_codec.h"
#include "engine/core/text_utils.h"
#include "engine/ratings/regulars.h"
#include "engine/session/regular_commands.h"
#include "engine/session/setup.h"
#include "engine/session/stake_commands.h"

namespace mv::cli {
namespace {

constexpr int kMaxDraws = 65535;

int List(TCliContext& context, TArgs& args) {
    args.ExpectPositional(0, 0);
    const TRegulars regulars = LoadRegulars(RegularsPath(context.Workspace()));
    std::vector<std::string> header = {"№"};
    for (const auto& caption : RegularColumnCaptions()) header.push_back(caption);
    WriteRow(context.Out(), header);
    for (std::size_t i = 0; i < regulars.size(); ++i) {
        std::vector<std::string> row = {std::to_string(i + 1)};
        for (int c = 0; c < 5; ++c) row.push_back(RegularCellText(regulars[i], c));
        WriteRow(context.Out(), row);
    }
    context.Err() << "Регулярных ставок: " << regulars.size() << '\n';
    return ExitOk;
}

// One regular: with --last-draw its base is the last visible draw, otherwise --start gives its
// constant start combination.
int Add(TCliContext& context, TArgs& args) {
    const auto comment = args.TakeOption("comment");
    const auto startText = args.TakeOption("start");
    const auto stepText = args.TakeOption("step");
    const bool lastDraw = args.TakeFlag("last-draw");
    args.ExpectPositional(0, 0);
    const int step =
        stepText ? IntegerOption(*stepText, -MaxNumber, MaxNumber, "Некорректный шаг") : 1;
    const std::string text = comment ? *comment : DefaultRegularComment;
    if (Utf8Length(text) > static_cast<std::size_t>(RegularCommentMax))
        throw EUsageError("Комментарий длиннее " + std::to_string(RegularCommentMax) + " символов");
    context.LockDataFiles();
    const auto path = RegularsPath(context.Workspace());
    TRegulars regulars = LoadRegulars(path);
    const TRegularCheck check =
        CheckRegularDialog(regulars, text, !lastDraw, startText ? *startText : std::string());
    if (check.Field != TRegularField::None) throw EError(check.Error);
    const TRegulars added = NewRegulars(text, lastDraw, step, check.Start, {{1, check.Start}});
    regulars.insert(regulars.end(), added.begin(), added.end());
    SaveRegulars(path, regulars);
    context.Err() << "Регулярных ставок: " << regulars.size() << '\n';
    return ExitOk;
}

std::size_t RowArgument(const std::string& text, const TRegulars& regulars) {
    return static_cast<std::size_t>(IntegerOption(text, 1, static_cast<int>(regulars.size()),
                                                  "Некорректный номер регулярной ставки")) -
           1;
}

// The next stake of a regular for the draw after the last one, for --draws draws.
int Stake(TCliContext& context, TArgs& args) {
    const auto drawsText = args.TakeOption("draws");
    args.ExpectPositional(1, 1);
    const int draws =
        drawsText ? IntegerOption(*drawsText, 1, kMaxDraws, "Некорректное число тиражей") : 1;
    context.LockDataFiles();
    context.ReadArchive();
    TWorkspace& ws = context.Workspace();
    LoadAnalysisSettings(ws);
    const auto path = RegularsPath(ws);
    TRegulars regulars = LoadRegulars(path);
    const std::size_t index = RowArgument(args[0], regulars);
    const auto next = PrepareRegularStake(ws, regulars[index], ws.DrawsOffset());
    if (!next) throw EError("Нет тиража для регулярной ставки!");
    regulars[index] = next->Advanced;
    SaveRegulars(path, regulars);
    const TStakeCheckResult result = AddStake(ws, next->Stake, draws);
    context.Out() << StakeNumbersText(next->Stake.Numbers.Used()) << '\n';
    context.Err() << "Проверено ставок: " << result.CheckedCount << '\n';
    return ExitOk;
}

// The test over the last --passes draws for the given regulars (all without any).
int Test(TCliContext& context, TArgs& args) {
    const auto passesText = args.TakeOption("passes");
    args.ExpectPositional(0, 1000);
    if (!passesText) throw EUsageError("Не указано число тиражей (--passes N)");
    context.LockDataFiles();
    context.ReadArchive();
    TWorkspace& ws = context.Workspace();
    LoadAnalysisSettings(ws);
    const int maxPasses = static_cast<int>(ws.DrawArchive().size()) - 1;
    const int passes =
        IntegerOption(*passesText, 0, std::max(maxPasses, 0), "Некорректное число тиражей");
    TRegulars regulars = LoadRegulars(RegularsPath(ws));
    std::vector<int> selected;
    for (std::size_t i = 0; i < args.Count(); ++i)
        selected.push_back(static_cast<int>(RowArgument(args[i], regulars)));
    if (args.Count() == 0)
        for (std::size_t i = 0; i < regulars.size(); ++i) selected.push_back(static_cast<int>(i));
    const int added = TestRegulars(ws, regulars, selected, passes);
    context.Err() << "Добавлено ставок: " << added << '\n';
    return ExitOk;
}

const TCommand kRegularsCommands[] = {
    {"list", "", "регулярные ставки", &List},
    {"add", "[--comment ТЕКСТ] (--start \"n1;...;n5\" | --last-draw) [--step -36..36]",
     "добавить регулярную ставку", &Add},
    {"stake", "СТРОКА [--draws K]", "сделать ставку по регуляру", &Stake},
    {"test", "--passes N [СТРОКА...]",
     "тест регуляров на N прошедших тиражах (все регуляры, если строки не указаны)", &Test},
};
const TCommandGroup kRegularsGroup{"regulars", kRegularsCommands};

}  // namespace

const TCommandGroup& RegularsCommands() {
    return kRegularsGroup;
}

}  // namespace mv::cli
