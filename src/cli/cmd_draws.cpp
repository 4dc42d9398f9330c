// marvolet draws list | import | export | check | add | delete | download

#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "cli/table_output.h"
#include "engine/core/constants.h"
#include "engine/core/game.h"
#include "engine/core/text_utils.h"
#include "engine/draws/archive_check.h"
#include "engine/download/draws_download.h"
#include "engine/draws/archive_file.h"
#include "engine/draws/draw_entry.h"
#include "engine/support/config_file.h"

namespace mv::cli {
namespace {

// The column captions of the draws list.
const std::vector<std::string> kDrawsColumns = {"Тираж", "1", "2", "3",          "4",
                                                "5",     "E", "S", "Дата тиража"};

std::vector<std::string> DrawRow(const TDrawRec& draw) {
    std::vector<std::string> row{std::to_string(draw.Number)};
    for (const auto n : draw.Nums) row.push_back(std::to_string(n));
    row.push_back(std::to_string(draw.Extra));
    row.push_back(std::to_string(DrawSum(draw)));
    row.push_back(draw.Date());
    return row;
}

// A draw number of 1..`largest`: a new draw's number as the draw dialog accepts it, or the
// number of a stored draw, which may be larger when an older archive holds one.
std::int32_t DrawNumberArgument(const std::string& text, std::int32_t largest) {
    const std::int32_t number = StrToIntDef(Trim(text), 0);
    if (number < 1 || number > largest) {
        throw EUsageError("Некорректный номер тиража (допустимо 1.." + std::to_string(largest) +
                          "): " + text);
    }
    return number;
}

int List(TCliContext& context, TArgs& args) {
    const bool sorted = args.TakeFlag("sorted");
    args.ExpectPositional(0, 0);
    context.ReadArchive();
    TWorkspace& ws = context.Workspace();
    ws.SetSortedDraws(sorted);
    WriteRow(context.Out(), kDrawsColumns);
    for (int position = 0; position < ws.DrawCount(); ++position) {
        WriteRow(context.Out(), DrawRow(ws.DrawAtPosition(position)));
    }
    return ExitOk;
}

int Import(TCliContext& context, TArgs& args) {
    args.ExpectPositional(1, 1);
    context.LockDataFiles();
    context.ReadArchive();
    const int added = context.Workspace().ImportDrawsCsv(args[0]);
    context.Err() << "Добавлено тиражей: " << added << '\n';
    return ExitOk;
}

int Export(TCliContext& context, TArgs& args) {
    args.ExpectPositional(1, 1);
    context.ReadArchive();
    context.Workspace().ExportDrawsCsv(args[0]);
    context.Err() << "Выгружено тиражей: " << context.Workspace().DrawCount() << '\n';
    return ExitOk;
}

// The date argument as the draw dialog stores it: "dd.mm.yyyy", today without one.
std::string DateArgument(const TArgs& args) {
    if (args.Count() < 3) return DrawDateText(Now());
    return DrawDateText(ParseDrawDate(args[2]));
}

int Add(TCliContext& context, TArgs& args) {
    args.ExpectPositional(2, 3);
    const std::int32_t number = DrawNumberArgument(args[0], MaxDrawNumber);
    const auto entry = ParseDrawEntry(args[1]);
    if (!entry) throw EError(InvalidDrawEntryMessage);
    const TDrawRec draw = MakeDrawRec(number, *entry, DateArgument(args));
    context.LockDataFiles();
    context.ReadArchive();
    context.Workspace().StoreDraw(draw);
    context.Err() << "Добавлен: " << DrawLineText(draw) << '\n';
    return ExitOk;
}

int Delete(TCliContext& context, TArgs& args) {
    args.ExpectPositional(1, static_cast<std::size_t>(-1));
    std::vector<std::int32_t> numbers;
    for (std::size_t i = 0; i < args.Count(); ++i) {
        numbers.push_back(DrawNumberArgument(args[i], std::numeric_limits<std::int32_t>::max()));
    }
    context.LockDataFiles();
    context.ReadArchive();
    TWorkspace& ws = context.Workspace();
    // Every number must name a draw still there after the ones before it went, so that a
    // number given twice deletes two draws of that number or nothing at all.
    TDrawsArray remaining = ws.DrawArchive();
    for (const std::int32_t number : numbers) {
        const int index = FindDrawIndex(remaining, number);
        if (index < 0) throw EError("Тираж № " + std::to_string(number) + " не найден в архиве!");
        remaining.erase(remaining.begin() + index);
    }
    const int count = static_cast<int>(numbers.size());
    if (!ws.Hooks().Ask(TAskKind::ConfirmDelete, std::string(), ConfirmDeleteText(count))) {
        context.Err() << "Удаление отменено.\n";
        return ExitError;
    }
    ws.DeleteDraws(numbers);
    context.Err() << "Удалено тиражей: " << count << '\n';
    return ExitOk;
}

// One line per finding of the archive check and a summary; exit 1 when anything but a
// notice (a gap in the numbering) was found. Reading needs no lock: nothing is changed.
int Check(TCliContext& context, TArgs& args) {
    args.ExpectPositional(0, 0);
    context.ReadArchive();
    const TDrawsArray& draws = context.Workspace().DrawArchive();
    const std::vector<TArchiveFinding> findings = CheckArchive(draws);
    for (const TArchiveFinding& f : findings) context.Out() << ArchiveFindingLine(f) << '\n';
    context.Out() << ArchiveCheckSummary(static_cast<int>(draws.size()), findings) << '\n';
    return ArchiveProblemCount(findings) > 0 ? ExitError : ExitOk;
}

// The numbers of a few draws, "1001, 1002 и ещё 3" past the first five.
std::string FewNumbers(const std::vector<std::int32_t>& numbers) {
    constexpr std::size_t kShown = 5;
    std::string text;
    for (std::size_t i = 0; i < numbers.size() && i < kShown; ++i)
        text += (i ? ", " : "") + std::to_string(numbers[i]);
    if (numbers.size() > kShown) text += " и ещё " + std::to_string(numbers.size() - kShown);
    return text;
}

// One attempt: nobody is there to answer a retry question. The stored proxy settings apply.
int Download(TCliContext& context, TArgs& args) {
    const auto url = args.TakeOption("url");
    args.ExpectPositional(0, 0);
    context.LockDataFiles();
    context.ReadArchive();
    TWorkspace& ws = context.Workspace();
    LoadProxySettings(ws.Paths().Config(), ws.Proxy);
    TDownloadParams params;
    params.Url = url ? *url : LoadDrawsUrl(ws.Paths().Config());
    params.AskRetry = false;
    const TDownloadResult r = DownloadDraws(ws, params);
    if (r.NoAddress) throw EError(r.Error + "\r\rАдрес можно передать и параметром --url.");
    if (r.Failed) throw EError("Ошибка загрузки архива тиражей с сайта!\r\r" + r.Error);
    context.Err() << "Добавлено тиражей: " << r.Added << '\n';
    const int skipped = r.Existing + r.Invalid + r.WithoutNumber;
    context.Err() << "Пропущено строк: " << skipped << '\n';
    if (r.Existing > 0) context.Err() << "  уже в архиве: " << r.Existing << '\n';
    if (r.Invalid > 0) {
        context.Err() << "  числа вне 1.." << MaxNumber << " или повторяются: " << r.Invalid
                      << " (тиражи № " << FewNumbers(r.InvalidNumbers) << ")\n";
    }
    if (r.WithoutNumber > 0) context.Err() << "  без номера тиража: " << r.WithoutNumber << '\n';
    return ExitOk;
}

const TCommand kCommands[] = {
    {"list", "[--sorted]", "архив тиражей, новые сверху; --sorted - числа по возрастанию", &List},
    {"import", "ФАЙЛ.csv", "добавить тиражи из CSV-файла", &Import},
    {"export", "ФАЙЛ.csv", "выгрузить архив в CSV-файл", &Export},
    {"check", "", "проверка архива: повторы и пропуски номеров, некорректные числа и даты", &Check},
    {"add", "НОМЕР \"n1;n2;n3;n4;n5;доп\" [дд.мм.гггг]", "добавить тираж (без даты - сегодняшняя)",
     &Add},
    {"delete", "НОМЕР...", "удалить тиражи с этими номерами (нужен --yes)", &Delete},
    {"download", "[--url АДРЕС]",
     "загрузить новые тиражи с сайта лотереи (адрес - DOWNLOAD/DrawsUrl файла конфигурации)",
     &Download},
};

const TCommandGroup kGroup{"draws", kCommands};

}  // namespace

const TCommandGroup& DrawsCommands() {
    return kGroup;
}

}  // namespace mv::cli
