#include "engine/stats/filter_modes.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

#include "engine/core/errors.h"
#include "engine/core/messages.h"
#include "engine/core/text_utils.h"

namespace mv {
namespace {

enum class TTest { All, AtLeast, AtMost, InList };

struct TLevelInfo {
    const char* Code;
    TMsgText Caption;
    int Column;  // TStatColumn, -1 for none
    TTest Test;
    bool Real;            // the cell is a real number ("%"-columns, weight, period)
    long double Default;  // what a dash cell counts as in the threshold modes
};

constexpr long double kNoMax = 65535;

// clang-format off
const std::array<TLevelInfo, LevelModeCount> kLevels = {{
    {"LNO", TMsg::ModeWholeList, -1, TTest::All, false, 0},
    {"LMV", TMsg::ModeDepthAtLeastValue, scDepth, TTest::AtLeast, false, 0},
    {"LMP", TMsg::ModeDepthAtLeastPercent, scDepthPercent, TTest::AtLeast, true, 0},
    {"LLV", TMsg::ModeDepthAtMostValue, scDepth, TTest::AtMost, false, kNoMax},
    {"LLP", TMsg::ModeDepthAtMostPercent, scDepthPercent, TTest::AtMost, true, kNoMax},
    {"LDV", TMsg::ModeDepthInValues, scDepth, TTest::InList, false, 0},
    {"LDP", TMsg::ModeDepthInPercents, scDepthPercent, TTest::InList, true, 0},
    {"DMV", TMsg::ModeDeviationAtLeastValue, scDeviation, TTest::AtLeast, false, 0},
    {"DMP", TMsg::ModeDeviationAtLeastPercent, scDeviationPercent, TTest::AtLeast, true, 0},
    {"DLV", TMsg::ModeDeviationAtMostValue, scDeviation, TTest::AtMost, false, kNoMax},
    {"DLP", TMsg::ModeDeviationAtMostPercent, scDeviationPercent, TTest::AtMost, true, kNoMax},
    {"DDV", TMsg::ModeDeviationInValues, scDeviation, TTest::InList, false, 0},
    {"DDP", TMsg::ModeDeviationInPercents, scDeviationPercent, TTest::InList, true, 0},
    {"CMV", TMsg::ModeCountAtLeastValue, scCount, TTest::AtLeast, false, 0},
    {"CMP", TMsg::ModeCountAtLeastPercent, scCountPercent, TTest::AtLeast, true, 0},
    {"CLV", TMsg::ModeCountAtMostValue, scCount, TTest::AtMost, false, kNoMax},
    {"CLP", TMsg::ModeCountAtMostPercent, scCountPercent, TTest::AtMost, true, kNoMax},
    {"CDV", TMsg::ModeCountInValues, scCount, TTest::InList, false, 0},
    {"CDP", TMsg::ModeCountInPercents, scCountPercent, TTest::InList, true, 0},
    {"WMV", TMsg::ModeWeightAtLeast, scWeight, TTest::AtLeast, true, 0},
    {"WLV", TMsg::ModeWeightAtMost, scWeight, TTest::AtMost, true, 0},
    {"WDV", TMsg::ModeWeightInValues, scWeight, TTest::InList, true, 0},
    {"PIM", TMsg::ModePeriodMinAtLeast, scPeriodMin, TTest::AtLeast, false, 0},
    {"PIL", TMsg::ModePeriodMinAtMost, scPeriodMin, TTest::AtMost, false, kNoMax},
    {"PIR", TMsg::ModePeriodMinInValues, scPeriodMin, TTest::InList, false, 0},
    {"PAM", TMsg::ModePeriodAtLeast, scPeriod, TTest::AtLeast, true, 0},
    {"PAL", TMsg::ModePeriodAtMost, scPeriod, TTest::AtMost, true, 0},
    {"PAR", TMsg::ModePeriodInValues, scPeriod, TTest::InList, true, 0},
    {"PXM", TMsg::ModePeriodMaxAtLeast, scPeriodMax, TTest::AtLeast, false, 0},
    {"PXL", TMsg::ModePeriodMaxAtMost, scPeriodMax, TTest::AtMost, false, kNoMax},
    {"PXR", TMsg::ModePeriodMaxInValues, scPeriodMax, TTest::InList, false, 0},
    {"LVA", TMsg::ModeValuesInList, scValue, TTest::InList, false, 0},
}};
// clang-format on

constexpr int kSelectionValueMode = 31;

struct TStopInfo {
    const char* Code;
    TMsgText Caption;
};

const std::array<TStopInfo, StopModeCount> kStops = {{
    {"SF", TMsg::StopAllRecords},
    {"SC", TMsg::StopRemainingCount},
    {"SZ", TMsg::StopUntilEmpty},
    {"ST", TMsg::StopStepCount},
    {"SV", TMsg::StopStatValue},
    {"SP", TMsg::StopStatPercent},
}};

const TLevelInfo* LevelInfo(int mode) {
    return mode >= 0 && mode < LevelModeCount ? &kLevels[static_cast<std::size_t>(mode)] : nullptr;
}

[[noreturn]] void ThrowNotInteger(const std::string& text) {
    throw EConvertError("\"" + text + Msg(TMsg::InvalidIntegerSuffix));
}

[[noreturn]] void ThrowNotReal(const std::string& text) {
    throw EConvertError("\"" + text + Msg(TMsg::InvalidFloatSuffix));
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
    return info ? info->Caption.c_str() : ModeErrorCaption;
}

const char* StopCode(int mode) {
    return mode >= 0 && mode < StopModeCount ? kStops[static_cast<std::size_t>(mode)].Code : "";
}

const char* StopCaption(int mode) {
    return mode >= 0 && mode < StopModeCount
               ? kStops[static_cast<std::size_t>(mode)].Caption.c_str()
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
