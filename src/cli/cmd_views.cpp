// marvolet card | layout | week | repeats | sums: the tables of the analysis views.

#include <algorithm>
#include <limits>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "cli/stats_setup.h"
#include "cli/table_output.h"
#include "engine/core/text_utils.h"
#include "engine/views/card.h"
#include "engine/views/layout.h"
#include "engine/views/repeats.h"
#include "engine/views/sums.h"
#include "engine/views/week.h"

namespace mv::cli {
namespace {

constexpr int kMaxInt = std::numeric_limits<int>::max();

int PositiveOption(TArgs& args, const char* name, int defaultValue, const char* what) {
    const auto text = args.TakeOption(name);
    return text ? IntegerOption(*text, 1, kMaxInt, what) : defaultValue;
}

// The draw map, newest draw first: the draw number, the 36 number columns and the extra
// number.
int Card(TCliContext& context, TArgs& args) {
    const int rows = PositiveOption(args, "rows", kMaxInt, "Некорректное количество строк");
    args.ExpectPositional(0, 0);
    context.ReadArchive();
    const TCard card(context.Workspace().DrawArchive());
    std::vector<std::string> fields{""};
    for (int n = 1; n <= MaxNumber; ++n) fields.push_back(std::to_string(n));
    fields.emplace_back("E");
    WriteRow(context.Out(), fields);
    for (int r = 0; r < std::min(rows, card.RowCount()); ++r) {
        for (int c = 0; c <= CardExtraColumn; ++c) {
            fields[static_cast<std::size_t>(c)] = card.CellText(r, c);
        }
        WriteRow(context.Out(), fields);
    }
    return ExitOk;
}

// The windows of the five comparison lists: "N1,N2,N3,N4,N5".
std::vector<int> CompareWindows(const std::optional<std::string>& text) {
    if (!text) return {50, 100, 200, 300, 400};
    std::vector<int> windows;
    for (const std::string& word : SplitWords(*text, ",")) {
        windows.push_back(IntegerOption(Trim(word), 1, kMaxInt, "Некорректная длина окна"));
    }
    if (windows.size() != LayoutCompareLists) {
        throw EUsageError("Нужно " + std::to_string(LayoutCompareLists) + " длин окна");
    }
    return windows;
}

// The layout: the counts down the side, the last draws across the top, the numbers in the
// cells (hidden ones bracketed). With --compare, the five comparison lists instead, one row
// per list and count.
int Layout(TCliContext& context, TArgs& args) {
    const bool compare = args.TakeFlag("compare");
    const auto windowsText = args.TakeOption("windows");
    const int window = PositiveOption(args, "window", 100, "Некорректная длина окна");
    const int offset = OffsetOption(args.TakeOption("offset"));
    args.ExpectPositional(0, 0);
    const std::vector<int> windows = CompareWindows(windowsText);
    ReadArchiveWithOffset(context, offset);
    const TWorkspace& ws = context.Workspace();
    if (compare) {
        WriteRow(context.Out(), {"Тиражи", "Кол-во", "Числа"});
        for (const int length : windows) {
            const TCompareList list = BuildCompareList(ws.DrawArchive(), offset, length);
            for (const TCompareRow& row : list.Rows) {
                WriteRow(context.Out(), {list.Caption, std::to_string(row.Count), row.Numbers});
            }
        }
        return ExitOk;
    }
    const TLayoutGrid grid =
        BuildLayoutGrid(ws.DrawArchive(), offset, window, ws.HiddenDrawNumbers());
    std::vector<std::string> fields{""};
    for (const std::int32_t draw : grid.LastDraws) fields.push_back(std::to_string(draw));
    WriteRow(context.Out(), fields);
    for (std::size_t r = 0; r < grid.Counts.size(); ++r) {
        fields = {std::to_string(grid.Counts[r])};
        fields.insert(fields.end(), grid.Cells[r].begin(), grid.Cells[r].end());
        WriteRow(context.Out(), fields);
    }
    return ExitOk;
}

// The week grid: a row per day of the week, a column per number, empty for 0. Draws whose
// date cannot be read are reported once on stderr.
int Week(TCliContext& context, TArgs& args) {
    const int window = PositiveOption(args, "window", 1000, "Некорректная длина окна");
    const int offset = OffsetOption(args.TakeOption("offset"));
    args.ExpectPositional(0, 0);
    ReadArchiveWithOffset(context, offset);
    const TWeekCounts counts = ComputeWeekCounts(context.Workspace().DrawArchive(), offset, window);
    std::vector<std::string> fields{""};
    for (int n = 1; n <= MaxNumber; ++n) fields.push_back(std::to_string(n));
    WriteRow(context.Out(), fields);
    for (int day = 1; day <= DaysInWeek; ++day) {
        fields = {WeekDayNames()[static_cast<std::size_t>(day - 1)]};
        for (int n = 1; n <= MaxNumber; ++n) {
            const std::int32_t count = counts.Count(n, day);
            fields.push_back(count ? std::to_string(count) : std::string());
        }
        WriteRow(context.Out(), fields);
    }
    if (counts.Skipped) context.Err() << WeekSkippedText(counts) << '\n';
    return ExitOk;
}

int Repeats(TCliContext& context, TArgs& args) {
    const int draws = PositiveOption(args, "draws", 100, "Некорректное количество тиражей");
    const int depth = PositiveOption(args, "depth", 100, "Некорректная глубина");
    args.ExpectPositional(0, 0);
    context.ReadArchive();
    TWorkspace& ws = context.Workspace();
    const TRepeatsResult result = ComputeRepeats(ws.DrawArchive(), draws, depth, ws.Hooks());
    WriteRow(context.Out(), {"Тираж", "Совпадений", "Кол-во повторов", "Список тиражей"});
    for (const TRepeatRow& row : result.Rows) {
        WriteRow(context.Out(), {std::to_string(row.DrawNumber), std::to_string(row.Common),
                                 std::to_string(row.Count()), row.DrawsText()});
    }
    return ExitOk;
}

// Every sum with its count over all combinations and over the draws; the three bands of the
// most frequent sums go to stderr.
int Sums(TCliContext& context, TArgs& args) {
    const auto windowText = args.TakeOption("window");
    const int window =
        windowText ? IntegerOption(*windowText, 1, kMaxInt, "Некорректная длина окна") : 0;
    args.ExpectPositional(0, 0);
    context.ReadArchive();
    const TSumsDistribution d = ComputeSumsDistribution(context.Workspace().DrawArchive(), window);
    std::map<std::int32_t, std::pair<std::int32_t, std::int32_t>> bySum;
    for (const TSumCount& s : d.Theoretical) bySum[s.Sum].first = s.Count;
    for (const TSumCount& s : d.Actual) bySum[s.Sum].second = s.Count;
    WriteRow(context.Out(), {"Сумма", "Комбинаций", "Тиражей"});
    for (const auto& [sum, counts] : bySum) {
        WriteRow(context.Out(), {std::to_string(sum), std::to_string(counts.first),
                                 std::to_string(counts.second)});
    }
    for (const TSumLevel& level : d.Levels) context.Err() << level.Title << '\n';
    return ExitOk;
}

const TCommand kCardCommands[] = {
    {"", "[--rows N]", "карта тиражей: N последних тиражей (все), новые сверху", &Card},
};
const TCommand kLayoutCommands[] = {
    {"", "[--window N] [--offset K] [--compare [--windows N1,N2,N3,N4,N5]]",
     "схема выпадения номеров по окну из N тиражей (100), K последних скрыто (0); --compare - "
     "пять таблиц сравнения (окна 50,100,200,300,400)",
     &Layout},
};
const TCommand kWeekCommands[] = {
    {"", "[--window N] [--offset K]",
     "статистика по дням недели: окно из N тиражей (1000), K последних скрыто (0)", &Week},
};
const TCommand kRepeatsCommands[] = {
    {"", "[--draws N] [--depth D]",
     "количество повторов в зависимости от тиража: N последних тиражей (100), каждый с D "
     "предыдущими (100)",
     &Repeats},
};
const TCommand kSumsCommands[] = {
    {"", "[--window N]",
     "распределение сумм всех возможных комбинаций и архива тиражей (N последних тиражей, все)",
     &Sums},
};

const TCommandGroup kCardGroup{"card", kCardCommands};
const TCommandGroup kLayoutGroup{"layout", kLayoutCommands};
const TCommandGroup kWeekGroup{"week", kWeekCommands};
const TCommandGroup kRepeatsGroup{"repeats", kRepeatsCommands};
const TCommandGroup kSumsGroup{"sums", kSumsCommands};

}  // namespace

const TCommandGroup& CardCommands() {
    return kCardGroup;
}
const TCommandGroup& LayoutCommands() {
    return kLayoutGroup;
}
const TCommandGroup& WeekCommands() {
    return kWeekGroup;
}
const TCommandGroup& RepeatsCommands() {
    return kRepeatsGroup;
}
const TCommandGroup& SumsCommands() {
    return kSumsGroup;
}

}  // namespace mv::cli
