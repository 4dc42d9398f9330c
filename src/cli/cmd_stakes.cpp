// marvolet stakes list | add | check | delete
// marvolet systems list | stake

#include <algorithm>
#include <bitset>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "cli/catalog_commands.h"
#include "cli/cli_app.h"
#include "cli/stats_setup.h"
#include "cli/table_output.h"
#include "engine/combs/comb_files.h"
#include "engine/core/constants.h"
#include "engine/core/text_codec.h"
#include "engine/core/text_utils.h"
#include "engine/session/list_commands.h"
#include "engine/session/setup.h"
#include "engine/session/stake_commands.h"
#include "engine/stakes/stake_check.h"
#include "engine/stakes/stake_record.h"
#include "engine/stakes/systems.h"
#include "engine/support/atomic_file.h"
#include "engine/support/file_basics.h"

namespace mv::cli {
namespace {

constexpr int kMaxInt = std::numeric_limits<int>::max();
// The stake dialog's limits.
constexpr int kMaxDraws = 65535;
constexpr std::size_t kMaxComment = 64;
constexpr const char* kManualComment = "Ставка \"вручную\"";

const std::vector<std::string> kStakesColumns = {
    "№ тиража",   "Вид ставки", "Моя ставка", "Выборка",    "Результаты тиража",
    "Совпадений", "Совпадения", "Профит",     "Комментарий"};

// A row as the stakes grid shows it; a marker is a row of empty cells.
std::vector<std::string> StakeRow(const TStakeRecord& rec) {
    if (rec.IsMarker()) return std::vector<std::string>(kStakesColumns.size());
    const bool checked = rec.Checked != 0;
    return {std::to_string(rec.DrawNumber),
            StakeKindText(rec.Kind),
            StakeNumbersText(rec.Numbers.Used()),
            std::to_string(rec.SampleSize),
            checked ? StakeNumbersText(rec.DrawResult) : std::string(),
            checked ? std::to_string(rec.Matches.Count) : std::string(),
            checked ? StakeNumbersText(rec.Matches.Used(), " ") : std::string(),
            MoneyText(rec.Profit),
            rec.Comment};
}

// The stakes table, from grid row --from (the first record is row 1). Reading takes no lock:
// the file is only read, whole records only.
int List(TCliContext& context, TArgs& args) {
    const auto fromText = args.TakeOption("from");
    args.ExpectPositional(0, 0);
    const int from =
        fromText ? IntegerOption(*fromText, 1, kMaxInt, "Некорректный номер строки") : 1;
    const auto path = context.Workspace().Paths().Stakes();
    std::string bytes;
    if (PathExists(path)) {
        try {
            bytes = ReadWholeFile(path, std::size_t{4} << 30);
        } catch (const EError& e) {
            throw EError(OperationMessage("Ошибка чтения файла ставок!", e.what()));
        }
    }
    const std::size_t count = bytes.size() / StakeRecSize;
    WriteRow(context.Out(), kStakesColumns);
    for (std::size_t i = static_cast<std::size_t>(from) - 1; i < count; ++i) {
        const auto* raw = reinterpret_cast<const unsigned char*>(bytes.data()) + i * StakeRecSize;
        WriteRow(context.Out(), StakeRow(DecodeStakeRec(raw)));
    }
    context.Err() << "Ставок: " << count << '\n';
    return ExitOk;
}

// "n1;n2;n3;n4;n5" (or ","): five different numbers of 1..36, ascending afterwards.
std::vector<std::uint8_t> StakeNumbersArgument(const std::string& text) {
    std::vector<std::uint8_t> numbers;
    std::bitset<MaxNumber + 1> seen;
    for (const std::string& word : SplitWords(text, ";,")) {
        const int n = StrToIntDef(Trim(word), 0);
        if (n < 1 || n > MaxNumber || seen[static_cast<std::size_t>(n)]) {
            throw EError("Введена некорректная комбинация!");
        }
        seen[static_cast<std::size_t>(n)] = true;
        numbers.push_back(static_cast<std::uint8_t>(n));
    }
    if (numbers.size() != static_cast<std::size_t>(NumbersInDraw)) {
        throw EError("Введена некорректная комбинация!");
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

std::string CommentArgument(const std::optional<std::string>& text, const std::string& fallback) {
    const std::string comment = text ? *text : fallback;
    if (Trim(comment).empty()) throw EError("Необходимо ввести комментарий!");
    if (Utf8Length(comment) > kMaxComment) {
        throw EUsageError("Комментарий длиннее " + std::to_string(kMaxComment) + " символов");
    }
    return comment;
}

// The stake cost and the profit table of the configuration file, which price new and checked
// stakes.
void LoadPrices(TCliContext& context) {
    LoadAnalysisSettings(context.Workspace());
}

void ReportCheck(TCliContext& context, const TStakeCheckResult& result) {
    context.Err() << "Проверено ставок: " << result.CheckedCount << '\n';
}

int Add(TCliContext& context, TArgs& args) {
    const auto drawText = args.TakeOption("draw");
    const auto drawsText = args.TakeOption("draws");
    const auto commentText = args.TakeOption("comment");
    args.ExpectPositional(1, 1);
    const std::vector<std::uint8_t> numbers = StakeNumbersArgument(args[0]);
    const int draws =
        drawsText ? IntegerOption(*drawsText, 1, kMaxDraws, "Некорректное число тиражей") : 1;
    const std::string comment = CommentArgument(commentText, kManualComment);
    context.LockDataFiles();
    context.ReadArchive();
    LoadPrices(context);
    TWorkspace& ws = context.Workspace();
    TStakeRecord rec = NewStakeRecord(ws, skManual, numbers, comment);
    if (drawText)
        rec.DrawNumber = IntegerOption(*drawText, 1, kMaxInt, "Некорректный номер тиража");
    const std::int64_t before = ws.Stakes().Count();
    const TStakeCheckResult result = AddStake(ws, rec, draws);
    context.Err() << "Добавлено записей: " << ws.Stakes().Count() - before << '\n';
    ReportCheck(context, result);
    return ExitOk;
}

// Checks the stakes; prints how many were checked now and the total profit of every checked
// stake of the file.
int Check(TCliContext& context, TArgs& args) {
    args.ExpectPositional(0, 0);
    context.LockDataFiles();
    context.ReadArchive();
    LoadPrices(context);
    TWorkspace& ws = context.Workspace();
    const TStakeCheckResult result = CheckAndRefreshStakes(ws);
    TMoney total = 0;
    std::int64_t checked = 0;
    const std::int64_t count = ws.Stakes().Count();
    constexpr std::int64_t kPage = 4096;
    for (std::int64_t first = 0; first < count; first += kPage) {
        for (const TStakeRecord& rec : ws.Stakes().ReadRange(first, kPage)) {
            if (rec.IsMarker() || rec.Checked == 0) continue;
            total += rec.Profit;
            ++checked;
        }
    }
    context.Out() << "Проверено ставок: " << result.CheckedCount << '\n';
    context.Out() << "Суммарный профит (" << checked << " проверенных ставок): " << MoneyText(total)
                  << '\n';
    return ExitOk;
}

int ConditionArgument(const std::string& op) {
    static const char* const kOps[StakeConditionCount] = {"=", ">", ">=", "<", "<="};
    for (int c = 0; c < StakeConditionCount; ++c) {
        if (op == kOps[c]) return c;
    }
    throw EUsageError("Некорректное условие (=, >, >=, <, <=): " + op);
}

// Deletes the stakes whose match count satisfies the condition (unchecked stakes count as
// -1); markers stay.
int Delete(TCliContext& context, TArgs& args) {
    const auto op = args.TakeOption("matches");
    args.ExpectPositional(1, 1);
    if (!op) throw EUsageError("Не указано условие (--matches УСЛОВИЕ ЧИСЛО)");
    const int condition = ConditionArgument(*op);
    const int value = IntegerOption(args[0], 0, NumbersInDraw, "Некорректное число совпадений");
    context.LockDataFiles();
    context.ReadArchive();
    LoadPrices(context);
    TWorkspace& ws = context.Workspace();
    const std::string question = "Удалить ставки по условию \"" +
                                 std::string(StakeConditionCaption(condition)) + " " +
                                 std::to_string(value) + "\"?";
    if (!ws.Hooks().Ask(TAskKind::ConfirmDelete, std::string(), question)) {
        context.Err() << "Удаление отменено.\n";
        return ExitError;
    }
    const std::int64_t removed = DeleteStakesByCount(ws, condition, value);
    context.Err() << "Удалено ставок: " << removed << '\n';
    return ExitOk;
}

// The systems of the data directory's "Systems" folder.
int SystemsList(TCliContext& context, TArgs& args) {
    args.ExpectPositional(0, 0);
    const auto folder = SystemsFolder(context.Workspace().Paths().Dir);
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code typeEc;
        if (it->is_regular_file(typeEc) &&
            MaskMatches("5-*-*_*.dat", it->path().filename().string())) {
            files.push_back(it->path());
        }
    }
    std::sort(files.begin(), files.end());
    WriteRow(context.Out(), {"Файл", "Чисел", "Комбинаций"});
    for (const auto& file : files) {
        const std::string name = file.filename().string();
        const int numbers = StrToIntDef(name.substr(2, 2), 0);
        std::string lines = "?";
        try {
            lines =
                std::to_string(SplitTextLines(ReadWholeFile(file, std::size_t{64} << 20)).size());
        } catch (const EError&) {
        }
        WriteRow(context.Out(), {name, std::to_string(numbers), lines});
    }
    context.Err() << "Систем: " << files.size() << '\n';
    return ExitOk;
}

// "n1;...;nk": k (6..36) different numbers of 1..36, in the given order.
std::vector<std::uint8_t> SystemNumbersArgument(const std::string& text) {
    std::vector<std::uint8_t> numbers;
    std::bitset<MaxNumber + 1> seen;
    for (const std::string& word : SplitWords(text, ";,")) {
        const int n = StrToIntDef(Trim(word), 0);
        if (n < 1 || n > MaxNumber || seen[static_cast<std::size_t>(n)]) {
            throw EUsageError("Некорректный набор чисел системы: " + text);
        }
        seen[static_cast<std::size_t>(n)] = true;
        numbers.push_back(static_cast<std::uint8_t>(n));
    }
    if (numbers.size() < 6) throw EUsageError("В системе должно быть от 6 до 36 чисел: " + text);
    return numbers;
}

// Stakes one system game: the system FILE (a path, or a name in the "Systems" folder) over
// the given numbers (or the distinct numbers of the --in list), every combination or, with
// --mode list, those the --in list holds too.
int SystemsStake(TCliContext& context, TArgs& args) {
    const auto numbersText = args.TakeOption("numbers");
    const auto modeText = args.TakeOption("mode");
    const auto in = args.TakeOption("in");
    const auto drawText = args.TakeOption("draw");
    const auto drawsText = args.TakeOption("draws");
    const auto commentText = args.TakeOption("comment");
    args.ExpectPositional(1, 1);
    TSystemStakeMode mode = TSystemStakeMode::WholeSystem;
    if (modeText && *modeText == "list") {
        mode = TSystemStakeMode::ListOnly;
    } else if (modeText && *modeText != "all") {
        throw EUsageError("Некорректный режим (all или list): " + *modeText);
    }
    if (mode == TSystemStakeMode::ListOnly && !in) {
        throw EUsageError("Для режима list нужен список комбинаций (--in ФАЙЛ.lcv)");
    }
    if (!numbersText && !in)
        throw EUsageError("Не указаны числа системы (--numbers \"n1;...;nk\")");
    const int draws =
        drawsText ? IntegerOption(*drawsText, 1, kMaxDraws, "Некорректное число тиражей") : 1;

    TWorkspace& ws = context.Workspace();
    std::filesystem::path file = args[0];
    if (!PathExists(file) && !file.has_parent_path()) file = SystemsFolder(ws.Paths().Dir) / file;
    if (in) {
        TCombsArray list;
        ReadCombinationsFile(*in, list);
        ReplaceCombinations(ws, std::vector<TComb>(list.begin(), list.end()));
    }
    const std::vector<std::uint8_t> numbers = numbersText
                                                  ? SystemNumbersArgument(*numbersText)
                                                  : DistinctListNumbers(ws.Combs().CurrentList);
    TSystemStakePlan plan;
    plan.Mode = mode;
    try {
        plan.System.Combs = ReadSystemFile(file, numbers);
    } catch (const EError& e) {
        throw EError(OperationMessage("Ошибка загрузки комбинаций системы!", e.what()));
    }
    plan.System.Found = !plan.System.Combs.Empty();
    plan.System.Text = AbsolutePath(file).string();
    if (!plan.System.Found) throw EError("\"" + plan.System.Text + "\": в системе нет комбинаций.");
    plan.Draws = draws;
    plan.Comment = CommentArgument(
        commentText, SystemStakeComment(mode, static_cast<int>(numbers.size()), file));

    context.LockDataFiles();
    context.ReadArchive();
    LoadPrices(context);
    plan.Draw = drawText ? IntegerOption(*drawText, 1, kMaxInt, "Некорректный номер тиража")
                         : ws.NextDrawNumber(ws.DrawsOffset());
    const std::int64_t made = MakeSystemStakes(ws, plan);
    context.Err() << "Ставок системы: " << made << '\n';
    return ExitOk;
}

const TCommand kStakesCommands[] = {
    {"list", "[--from N]", "ставки (с N-й строки), как в таблице ставок", &List},
    {"add", "\"n1;n2;n3;n4;n5\" [--draw N] [--draws K] [--comment ТЕКСТ]",
     "сделать ставку на тираж N (по умолчанию - следующий) и K-1 следующих, затем проверить", &Add},
    {"check", "", "проверить ставки по архиву: сколько проверено и суммарный профит", &Check},
    {"delete", "--matches (=|>|>=|<|<=) ЧИСЛО", "удалить ставки по числу совпадений (нужен --yes)",
     &Delete},
};
const TCommand kSystemsCommands[] = {
    {"list", "", "системы в папке Systems каталога данных", &SystemsList},
    {"stake",
     "ФАЙЛ (--numbers \"n1;...;nk\" | --in ФАЙЛ.lcv) [--mode all|list] [--draw N] [--draws K] "
     "[--comment ТЕКСТ]",
     "системная игра: все комбинации системы (all) или только те, что есть в списке --in (list)",
     &SystemsStake},
    {"catalog", "[--user ИМЯ] [--mail АДРЕС]", "online-каталог систем", &SystemsCatalog},
    {"get", "НОМЕР [--user ИМЯ] [--mail АДРЕС]",
     "загрузить систему из online-каталога в папку Systems (другие системы для того же "
     "количества чисел удаляются)",
     &SystemsGet},
};

const TCommandGroup kStakesGroup{"stakes", kStakesCommands};
const TCommandGroup kSystemsGroup{"systems", kSystemsCommands};

}  // namespace

const TCommandGroup& StakesCommands() {
    return kStakesGroup;
}

const TCommandGroup& SystemsCommands() {
    return kSystemsGroup;
}

}  // namespace mv::cli
