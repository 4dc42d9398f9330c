#include "engine/stats/filter_modes.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

#include "engine/core/errors.h"
#include "engine/core/text_utils.h"

namespace mv {
namespace {

enum class TTest { All, AtLeast, AtMost, InList };

struct TLevelInfo {
    const char* Code;
    const char* Caption;
    int Column;  // TStatColumn, -1 for none
    TTest Test;
    bool Real;            // the cell is a real number ("%"-columns, weight, period)
    long double Default;  // what a dash cell counts as in the threshold modes
};

constexpr long double kNoMax = 65535;

// clang-format off
const std::array<TLevelInfo, LevelModeCount> kLevels = {{
    {"LNO", "Весь список (без условий)", -1, TTest::All, false, 0},
    {"LMV", "\"Глубина\": не менее заданного значения", scDepth, TTest::AtLeast, false, 0},
    {"LMP", "\"Глубина\": не менее заданного процента", scDepthPercent, TTest::AtLeast, true, 0},
    {"LLV", "\"Глубина\": не более заданного значения", scDepth, TTest::AtMost, false, kNoMax},
    {"LLP", "\"Глубина\": не более заданного процента", scDepthPercent, TTest::AtMost, true, kNoMax},
    {"LDV", "\"Глубина\": из заданного списка значений", scDepth, TTest::InList, false, 0},
    {"LDP", "\"Глубина\": из заданного списка процентов", scDepthPercent, TTest::InList, true, 0},
    {"DMV", "\"Отклонение\": не менее заданного значения", scDeviation, TTest::AtLeast, false, 0},
    {"DMP", "\"Отклонение\": не менее заданного процента", scDeviationPercent, TTest::AtLeast, true, 0},
    {"DLV", "\"Отклонение\": не более заданного значения", scDeviation, TTest::AtMost, false, kNoMax},
    {"DLP", "\"Отклонение\": не более заданного процента", scDeviationPercent, TTest::AtMost, true, kNoMax},
    {"DDV", "\"Отклонение\": из заданного списка значений", scDeviation, TTest::InList, false, 0},
    {"DDP", "\"Отклонение\": из заданного списка процентов", scDeviationPercent, TTest::InList, true, 0},
    {"CMV", "\"Количество\": не менее заданного значения", scCount, TTest::AtLeast, false, 0},
    {"CMP", "\"Количество\": не менее заданного процента", scCountPercent, TTest::AtLeast, true, 0},
    {"CLV", "\"Количество\": не более заданного значения", scCount, TTest::AtMost, false, kNoMax},
    {"CLP", "\"Количество\": не более заданного процента", scCountPercent, TTest::AtMost, true, kNoMax},
    {"CDV", "\"Количество\": из заданного списка значений", scCount, TTest::InList, false, 0},
    {"CDP", "\"Количество\": из заданного списка процентов", scCountPercent, TTest::InList, true, 0},
    {"WMV", "\"Вес\": не менее заданного значения", scWeight, TTest::AtLeast, true, 0},
    {"WLV", "\"Вес\": не более заданного значения", scWeight, TTest::AtMost, true, 0},
    {"WDV", "\"Вес\": из заданного списка значений", scWeight, TTest::InList, true, 0},
    {"PIM", "\"Период min\": не менее заданного значения", scPeriodMin, TTest::AtLeast, false, 0},
    {"PIL", "\"Период min\": не более заданного значения", scPeriodMin, TTest::AtMost, false, kNoMax},
    {"PIR", "\"Период min\": из заданного списка значений", scPeriodMin, TTest::InList, false, 0},
    {"PAM", "\"Период\": не менее заданного значения", scPeriod, TTest::AtLeast, true, 0},
    {"PAL", "\"Период\": не более заданного значения", scPeriod, TTest::AtMost, true, 0},
    {"PAR", "\"Период\": из заданного списка значений", scPeriod, TTest::InList, true, 0},
    {"PXM", "\"Период max\": не менее заданного значения", scPeriodMax, TTest::AtLeast, false, 0},
    {"PXL", "\"Период max\": не более заданного значения", scPeriodMax, TTest::AtMost, false, kNoMax},
    {"PXR", "\"Период max\": из заданного списка значений", scPeriodMax, TTest::InList, false, 0},
    {"LVA", "\"Значения\": из заданного списка значений", scValue, TTest::InList, false, 0},
}};
// clang-format on

constexpr int kSelectionValueMode = 31;

struct TStopInfo {
    const char* Code;
    const char* Caption;
};

const std::array<TStopInfo, StopModeCount> kStops = {{
    {"SF", "Обработать все записи"},
    {"SC", "Количеству оставшихся комбинаций"},
    {"SZ", "Пока список не будет пуст и откатить на шаг"},
    {"ST", "Количеству шагов"},
    {"SV", "Значению в списке статистики"},
    {"SP", "Процентному соотношению в списке статистики"},
}};

const TLevelInfo* LevelInfo(int mode) {
    return mode >= 0 && mode < LevelModeCount ? &kLevels[static_cast<std::size_t>(mode)] : nullptr;
}

[[noreturn]] void ThrowNotInteger(const std::string& text) {
    throw EConvertError("\"" + text + "\" - недопустимое целое число");
}

[[noreturn]] void ThrowNotReal(const std::string& text) {
    throw EConvertError("\"" + text + "\" - недопустимое вещественное число");
}

std::optional<std::int32_t> StrictInt(std::string_view text) {
    const auto v = StrToInt64(text);
    if (!v || *v < std::numeric_limits<std::int32_t>::min() ||
        *v > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(*v);
}

// The cell as a number, or the default when it shows none.
long double CellOr(const std::string& cell, bool real, long double def) {
    if (real) {
        const auto v = ParseFloat(cell);
        return v ? *v : def;
    }
    const auto v = StrictInt(cell);
    return v ? static_cast<long double>(*v) : def;
}

long double CellStrict(const std::string& cell, bool real) {
    if (real) {
        const auto v = ParseFloat(cell);
        if (!v) ThrowNotReal(cell);
        return *v;
    }
    const auto v = StrictInt(cell);
    if (!v) ThrowNotInteger(cell);
    return static_cast<long double>(*v);
}

}  // namespace

const char* LevelCode(int mode) {
    const TLevelInfo* info = LevelInfo(mode);
    return info ? info->Code : "";
}

const char* LevelCaption(int mode) {
    const TLevelInfo* info = LevelInfo(mode);
    return info ? info->Caption : ModeErrorCaption;
}

const char* StopCode(int mode) {
    return mode >= 0 && mode < StopModeCount ? kStops[static_cast<std::size_t>(mode)].Code : "";
}

const char* StopCaption(int mode) {
    return mode >= 0 && mode < StopModeCount ? kStops[static_cast<std::size_t>(mode)].Caption
                                             : ModeErrorCaption;
}

bool IsListLevelMode(int mode) {
    const TLevelInfo* info = LevelInfo(mode);
    return info && info->Test == TTest::InList;
}

int LevelColumn(int mode) {
    const TLevelInfo* info = LevelInfo(mode);
    return info ? info->Column : -1;
}

const std::string& StatValuesCell(const TStatValues& row, int column) {
    static const std::string kNone;
    switch (column) {
        case scValue:
            return row.ValueText;
        case scCount:
            return row.Count;
        case scCountPercent:
            return row.CountPercent;
        case scDeviation:
            return row.Deviation;
        case scDeviationPercent:
            return row.DeviationPercent;
        case scDepth:
            return row.Depth;
        case scDepthPercent:
            return row.DepthPercent;
        case scWeight:
            return row.Weight;
        case scPeriodMin:
            return row.PeriodMin;
        case scPeriod:
            return row.Period;
        case scPeriodMax:
            return row.PeriodMax;
        default:
            return kNone;
    }
}

TLevelTest::TLevelTest(int mode, std::string_view levelValue) : m_mode(mode), m_value(levelValue) {
    const TLevelInfo* info = LevelInfo(mode);
    if (!info || info->Test == TTest::All) return;
    m_real = info->Real;
    m_default = info->Default;
    if (info->Test != TTest::InList) {
        m_kind = info->Test == TTest::AtLeast ? TKind::AtLeast : TKind::AtMost;
        const auto threshold = StrictInt(Trim(levelValue));
        m_valueBad = !threshold;
        m_threshold = threshold.value_or(0);
        return;
    }
    m_kind = TKind::InList;
    // Entries are read like cells: reals where the column holds reals. A bad entry is
    // reported when the first row is compared, as the comparison is what fails.
    for (const std::string& word : SplitWords(levelValue, ",;")) {
        const std::string entry = Trim(word);
        if (entry.empty()) continue;
        const auto value = m_real ? ParseFloat(entry) : [&]() -> std::optional<long double> {
            const auto v = StrictInt(entry);
            return v ? std::optional<long double>(*v) : std::nullopt;
        }();
        if (!value) {
            if (m_badEntry.empty()) m_badEntry = entry;
            continue;
        }
        m_list.push_back(*value);
    }
}

bool TLevelTest::Matches(const TStatValues& row) const {
    if (m_kind == TKind::All) return true;
    if (m_kind != TKind::InList) {
        if (m_valueBad) ThrowNotInteger(m_value);
        const std::string& cell = StatValuesCell(row, LevelColumn(m_mode));
        const long double v = CellOr(cell, m_real, m_default);
        return m_kind == TKind::AtLeast ? v >= m_threshold : v <= m_threshold;
    }
    if (!m_badEntry.empty()) {
        if (m_real) ThrowNotReal(m_badEntry);
        ThrowNotInteger(m_badEntry);
    }
    const long double v = m_mode == kSelectionValueMode
                              ? static_cast<long double>(row.SelectionValue)
                              : CellStrict(StatValuesCell(row, LevelColumn(m_mode)), m_real);
    return std::find(m_list.begin(), m_list.end(), v) != m_list.end();
}

bool LevelMatches(int mode, std::string_view levelValue, const TStatValues& row) {
    return TLevelTest(mode, levelValue).Matches(row);
}

}  // namespace mv
