#include "engine/run/script_runner.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <new>
#include <random>

#include "engine/core/errors.h"
#include "engine/core/game.h"
#include "engine/core/messages.h"
#include "engine/core/text_codec.h"
#include "engine/core/text_utils.h"
#include "engine/draws/run_identity.h"
#include "engine/run/script_logs.h"
#include "engine/scenarios/script_line.h"
#include "engine/scenarios/script_options.h"
#include "engine/session/list_commands.h"
#include "engine/session/setup.h"
#include "engine/session/stake_commands.h"
#include "engine/stakes/systems.h"
#include "engine/stats/filter_modes.h"
#include "engine/stats/value_list.h"

namespace mv {

namespace {

[[gnu::format(printf, 1, 0)]] std::string VFmt(const char* format, va_list args) {
    va_list again;
    va_copy(again, args);
    const int n = std::vsnprintf(nullptr, 0, format, args);
    std::string out(n > 0 ? static_cast<std::size_t>(n) : 0, '\0');
    if (n > 0) std::vsnprintf(out.data(), out.size() + 1, format, again);
    va_end(again);
    return out;
}

[[gnu::format(printf, 1, 2)]] std::string Fmt(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string out = VFmt(format, args);
    va_end(args);
    return out;
}

// A catalogue text with printf-style arguments: translations keep every conversion in order.
std::string FmtMsg(TMsg id, ...) {
    va_list args;
    va_start(args, id);
    std::string out = VFmt(Msg(id).c_str(), args);
    va_end(args);
    return out;
}

// The local time as a file-name stamp ("yyyy-mm-dd-hh-nn-ss") or as a log prefix.
std::string LocalTime(bool forFileName) {
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    char buf[64];
    if (forFileName)
        std::strftime(buf, sizeof buf, "%Y-%m-%d-%H-%M-%S", &tm);
    else
        std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S", &tm);
    return buf;
}

std::string RowText(const TStatValues& v) {
    return FmtMsg(TMsg::FilterItemLogText, StatValuesCell(v, scValue).c_str(),
                  StatValuesCell(v, scCount).c_str(), StatValuesCell(v, scCountPercent).c_str(),
                  StatValuesCell(v, scDeviation).c_str(),
                  StatValuesCell(v, scDeviationPercent).c_str(), StatValuesCell(v, scDepth).c_str(),
                  StatValuesCell(v, scDepthPercent).c_str(), StatValuesCell(v, scWeight).c_str());
}

std::optional<long double> CellNumber(const std::string& cell) {
    std::string t = Trim(cell);
    if (t.empty()) return std::nullopt;
    std::replace(t.begin(), t.end(), ',', '.');
    char* end = nullptr;
    const long double v = std::strtold(t.c_str(), &end);
    if (end == t.c_str() || *end != '\0') return std::nullopt;
    return v;
}

// Negative, zero or positive as a is below, equal to or above b.
int CompareCells(const std::string& a, const std::string& b) {
    const auto na = CellNumber(a);
    const auto nb = CellNumber(b);
    if (na && nb) return *na < *nb ? -1 : (*na > *nb ? 1 : 0);
    const std::string la = Utf8ToCp1251(a), lb = Utf8ToCp1251(b);
    for (std::size_t i = 0; i < la.size() && i < lb.size(); ++i) {
        const int ca = std::tolower(static_cast<unsigned char>(la[i]));
        const int cb = std::tolower(static_cast<unsigned char>(lb[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return la.size() < lb.size() ? -1 : (la.size() > lb.size() ? 1 : 0);
}

std::int64_t ReadInt(const std::string& cell) {
    const auto v = CellNumber(cell);
    return v ? static_cast<std::int64_t>(*v) : 0;
}

int MethodIndexOf(const TStatList& reg, const TStatMethod* method) {
    for (int i = 0; i < reg.MethodCount(); ++i)
        if (&reg.Method(i) == method) return i;
    return -1;
}

// Adds the time of its scope to a counter.
class TTimed {
public:
    explicit TTimed(double& sink) : m_sink(sink), m_start(std::chrono::steady_clock::now()) {}
    ~TTimed() {
        m_sink += std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
    }
    TTimed(const TTimed&) = delete;
    TTimed& operator=(const TTimed&) = delete;

private:
    double& m_sink;
    std::chrono::steady_clock::time_point m_start;
};

// Removal steps of a single-select walk counted in one pass (ApplyPart): what each matching
// row's step drops when every earlier one was made, the list's count as the steps so far left
// it, and the steps made, which go to the list together.
struct TFusedRemoval {
    bool Active = false;
    TFirstStepTable FirstStep{};
    std::vector<std::size_t> StepOfRow;  // by table row
    std::vector<std::size_t> Drops;      // by step
    std::size_t Count = 0;
    std::vector<TRemovalStep> Made;
};

constexpr TMsgText kTooManyVariants{TMsg::TooManyFilterVariants};

}  // namespace

std::string VariantText(const TFilterRec& variant) {
    return StepToText(variant);
}

std::string ScriptStakeComment(int line, int variant, const std::string& comment,
                               const std::string& text) {
    std::string s = Fmt("%.2d.%.3d: ", line, variant);
    if (!comment.empty()) s += comment + " ";
    s += "@ " + text;
    // Cut on a character boundary.
    std::size_t chars = 0, pos = 0;
    while (pos < s.size() && chars < 255) {
        const unsigned char c = static_cast<unsigned char>(s[pos]);
        pos += c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : 4;
        ++chars;
    }
    return s.substr(0, std::min(pos, s.size()));
}

std::vector<TFilterRec> ExpandVariants(const std::vector<TFilterItem>& items,
                                       const std::function<bool(std::size_t)>& step) {
    struct TChoices {
        std::vector<TFilterPart> Parts;
    };
    std::vector<TChoices> choices;
    for (const TFilterItem& item : items) {
        const auto windows = ParseValueList(item.WindowText);
        std::vector<std::int32_t> values;
        if (item.LevelMode != 0) values = ParseValueList(item.LevelText);
        if (windows.empty() || (item.LevelMode != 0 && values.empty()))
            throw EError(FmtMsg(TMsg::InvalidFilterDescription, ItemToText(item).c_str()));
        TFilterPart base;
        base.Active = true;
        base.Method = item.Method;
        base.SortColumn = item.SortColumn;
        base.BottomUp = item.BottomUp;
        base.MultiSelect = item.MultiSelect;
        base.Keep = item.Keep;
        base.LevelMode = item.LevelMode;
        base.LevelText = item.LevelText;
        base.OverrideWeights = item.OverrideWeights;
        base.Weights = item.Weights;
        base.StopMode = item.StopMode;
        base.StopValue = item.StopValue;
        TChoices c;
        for (const std::int32_t w : windows) {
            base.WindowLength = w;
            if (item.LevelMode == 0) {
                base.LevelValue = item.LevelText;
                c.Parts.push_back(base);
            } else if (IsListLevelMode(item.LevelMode)) {
                base.LevelValue = JoinValueList(values, ",");
                c.Parts.push_back(base);
            } else {
                for (const std::int32_t v : values) {
                    base.LevelValue = std::to_string(v);
                    c.Parts.push_back(base);
                }
            }
        }
        choices.push_back(std::move(c));
    }
    std::vector<TFilterRec> out;
    if (choices.empty()) return out;
    std::vector<std::size_t> at(choices.size(), 0);
    TFilterRec rec{};
    // Odometer with the last item changing fastest.
    for (;;) {
        for (std::size_t i = 0; i < choices.size(); ++i) rec[i] = choices[i].Parts[at[i]];
        out.push_back(rec);
        if (step && step(out.size())) return out;
        std::size_t i = choices.size();
        while (i > 0) {
            --i;
            if (++at[i] < choices[i].Parts.size()) break;
            at[i] = 0;
            if (i == 0) return out;
        }
    }
}

std::vector<std::size_t> ScriptRowOrder(const TStatTable& table, int column) {
    std::vector<TStatValues> values;
    values.reserve(table.Rows.size());
    for (const TStatRow& row : table.Rows) values.push_back(RowValues(row));
    std::vector<std::size_t> order(table.Rows.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const auto& ra = table.Rows[a].Texts;
        const auto& rb = table.Rows[b].Texts;
        const std::string& ca = column >= 0 && column < StatColumnCount ? ra[column] : ra[0];
        const std::string& cb = column >= 0 && column < StatColumnCount ? rb[column] : rb[0];
        const int c = CompareCells(ca, cb);
        if (c != 0) return c > 0;
        return CompareCells(ra[scValue], rb[scValue]) > 0;
    });
    return order;
}

TChanceBaseline ChanceBaseline(const TStatList& registry, std::int64_t stakes) {
    TChanceBaseline b;
    for (int k = 0; k <= NumbersInDraw; ++k) {
        const long double p = HitTable()[k].Probability;
        b.Matches[k] = p * static_cast<long double>(stakes);
        b.Profit += p * static_cast<long double>(stakes) *
                    static_cast<long double>(registry.StakeBalance(NumbersInDraw, k));
    }
    return b;
}

bool TScriptRunner::TTableKey::operator==(const TTableKey& o) const {
    return Method == o.Method && Window == o.Window && Offset == o.Offset && Draws == o.Draws &&
           Sorted == o.Sorted && Weights == o.Weights;
}

TScriptRunner::TScriptRunner(TWorkspace& ws, TScriptRunSettings settings)
    : m_ws(ws), m_settings(std::move(settings)) {}

TChanceBaseline TScriptRunner::Baseline() const {
    return ChanceBaseline(m_ws.Stats(), m_totals.Checked);
}

std::optional<std::pair<int, int>> TScriptRunner::LastTable() const {
    if (!m_tableKey) return std::nullopt;
    return std::make_pair(m_tableKey->Method, m_tableKey->Window);
}

bool TScriptRunner::Checkpoint() {
    if (m_ws.Hooks().Checkpoint()) m_stop = true;
    return m_stop;
}

void TScriptRunner::Panel(int panel, const std::string& text) {
    if (OnPanel) OnPanel(panel, text);
    // A status update lets events run; a stop asked for meanwhile is kept.
    Checkpoint();
}

void TScriptRunner::RequestStop() {
    if (!m_running || m_stop) return;
    WriteLog(Msg(TMsg::LogScriptInterrupted));
    m_stop = true;
}

void TScriptRunner::StartLog() {
    m_logFile = ClaimScriptLogFile(m_settings.LogFolder, LocalTime(true));
}

void TScriptRunner::WriteLog(const std::string& text) {
    if (!m_settings.LogEnabled) return;
    if (m_logFile.empty()) StartLog();
    std::ofstream out(m_logFile, std::ios::app | std::ios::binary);
    out << Utf8ToCp1251("[" + LocalTime(false) + "]: " + text) << "\r\n";
    if (!out) {
        m_ws.Hooks().ShowMessage(TMessageKind::Error,
                                 FmtMsg(TMsg::LogWriteError, std::strerror(errno)));
    }
}

void TScriptRunner::FinishLog() {
    if (!m_logFile.empty()) {
        std::error_code ec;
        if (std::filesystem::exists(m_logFile, ec) && OnLogFinished) OnLogFinished(m_logFile);
    }
    m_logFile.clear();
}

void TScriptRunner::Begin() {
    m_ws.Hooks().ShowStatus(Msg(TMsg::RunScriptStatus));
    if (m_settings.LogEnabled) {
        StartLog();
        WriteLog(Msg(TMsg::LogScriptStart));
    }
    m_running = true;
    m_stop = false;
    m_ratingsHold.emplace(m_ws);
    m_stakeCount = 0;
    m_totals = {};
    m_tableComputations = 0;
    m_times = {};
    m_tableKey.reset();
    m_rng.seed(m_settings.RandSeed ? *m_settings.RandSeed : std::random_device{}());
    Panel(3, FmtMsg(TMsg::PanelStakes, 0));
    Panel(4, Msg(TMsg::RunScriptStatus));
}

void TScriptRunner::End() {
    m_cycle = 0;
    m_running = false;
    m_stop = false;
    Panel(1, FmtMsg(TMsg::PanelCycle, 0));
    Panel(2, FmtMsg(TMsg::PanelLine, 0));
    WriteLog(Msg(TMsg::LogScriptEnd));
    // The log ends with what its results were computed from, so they can be traced back.
    if (m_settings.LogEnabled) {
        try {
            WriteLog(RunIdentityText(
                MakeRunIdentity(m_ws.Paths().Archive(), m_ws.DrawsOffset(), m_ws.Config())));
        } catch (const std::exception& e) {
            WriteLog(std::string("{ERROR} ") + e.what());
        }
    }
    FinishLog();
    m_ratingsHold.reset();
    m_ws.Hooks().ShowStatus("");
}

void TScriptRunner::LogOffsetBlock(int offset) {
    WriteLog(LogEqualsLine);
    WriteLog(FmtMsg(TMsg::LogOffsetHeading, offset));
    WriteLog(LogEqualsLine);
}

void TScriptRunner::CollectTotals(std::int64_t first) {
    const auto& file = m_ws.Stakes();
    const std::int64_t count = file.Count();
    m_totals.Stakes = m_stakeCount;
    if (first >= count) return;
    for (const TStakeRecord& rec : file.ReadRange(first, count - first)) {
        if (rec.IsMarker() || rec.Kind != skScript || !rec.Checked) continue;
        ++m_totals.Checked;
        const int k = rec.Matches.Count;
        if (k >= 0 && k <= NumbersInDraw) ++m_totals.Matches[k];
        m_totals.Profit += rec.Profit;
    }
}

void TScriptRunner::Forecast() {
    Begin();
    m_cycle = 1;
    Panel(1, FmtMsg(TMsg::PanelCycle, m_cycle));
    const std::int64_t first = m_ws.Stakes().Count();
    try {
        LogOffsetBlock(m_ws.DrawsOffset());
        RunLines();
        if (!m_stop) Panel(4, Msg(TMsg::ScriptFinished));
    } catch (const std::exception& e) {
        m_ws.Hooks().ShowMessage(TMessageKind::Error, e.what());
    }
    CollectTotals(first);
    End();
}

void TScriptRunner::Test(int passes) {
    if (passes <= 0) return;
    Begin();
    m_cycle = 0;
    const int savedOffset = m_ws.DrawsOffset();
    const std::int64_t first = m_ws.Stakes().Count();
    try {
        for (int k = passes; k >= 1; --k) {
            ++m_cycle;
            Panel(1, FmtMsg(TMsg::PanelCycle, m_cycle));
            Panel(4, Msg(TMsg::RunScriptStatus));
            if (Checkpoint()) break;
            m_ws.SetDrawsOffset(k);
            if (Checkpoint()) break;
            LogOffsetBlock(k);
            if (Checkpoint()) break;
            RunLines();
            if (m_stop) break;
        }
        if (!m_stop) m_ws.SetDrawsOffset(savedOffset);
    } catch (const std::exception& e) {
        m_ws.Hooks().ShowMessage(TMessageKind::Error, e.what());
    }
    Panel(4, Msg(TMsg::ScriptFinished));
    CollectTotals(first);
    if (m_settings.LogEnabled) {
        const TChanceBaseline b = Baseline();
        std::string real = Msg(TMsg::TestTotalsPrefix) + std::to_string(m_totals.Checked);
        std::string chance = Msg(TMsg::TestChancePrefix);
        for (int i = 0; i <= NumbersInDraw; ++i) {
            real += FmtMsg(TMsg::TestMatchesCount, i, static_cast<long long>(m_totals.Matches[i]));
            chance += FmtMsg(TMsg::TestMatchesExpected, i, b.Matches[i]);
        }
        real += Msg(TMsg::TestIncomeLabel) +
                FormatFloat(static_cast<long double>(m_totals.Profit) / MoneyScale, 2);
        chance += Msg(TMsg::TestIncomeLabel) + FormatFloat(b.Profit / MoneyScale, 2);
        WriteLog(real);
        WriteLog(chance);
    }
    End();
}

void TScriptRunner::CheckStakesNow() {
    TTimed timed(m_times.Stakes);
    if (m_ws.Stakes().IsOpen()) CheckAndRefreshStakes(m_ws);
}

void TScriptRunner::RunLines() {
    const auto& stakes = m_ws.Stakes();
    if (stakes.IsOpen() && !stakes.Empty() && !stakes.Read(-1, true).IsMarker()) {
        const TStakeRecord marker = MakeStakeMarker();
        AppendStakeRecords(m_ws, {&marker, 1});
    }
    InvalidateListBuffer(m_ws);
    m_ws.Stats().SaveWeights();
    const std::vector<std::string> lines = Lines ? *Lines : m_ws.Script().Lines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (Checkpoint()) break;
        if (IsSeparatorLine(lines[i])) continue;
        WriteLog(LogDashLine);
        WriteLog(FmtMsg(TMsg::LogRunLine, static_cast<int>(i) + 1, lines[i].c_str()));
        WriteLog(LogDashLine);
        if (OnLine) OnLine(static_cast<int>(i));
        RunLine(static_cast<int>(i), lines[i]);
        if (OnLine) OnLine(-1);
        if (m_stop) break;
    }
    if (!m_settings.CheckOnLine) {
        try {
            CheckStakesNow();
        } catch (const std::exception& e) {
            m_ws.Hooks().ShowMessage(TMessageKind::Error, e.what());
        }
    }
    m_ws.Stats().RestoreWeights();
    InvalidateListBuffer(m_ws);
}

void TScriptRunner::RunLine(int index, const std::string& text) {
    bool inVariant = false;
    try {
        DiscardListUndo(m_ws);
        const TScriptLine line = ReadScriptLine(text);
        const TScriptOptions options = ReadScriptOptions(line.Options);
        if (Checkpoint()) throw std::exception();
        std::vector<TFilterItem> items;
        for (const std::string& field : line.Filters) {
            if (Trim(field).empty()) continue;
            TFilterItem item = TextToItem(field, m_ws.Stats());
            if (!item.Method) {
                const std::string code = Trim(field.substr(0, field.find(':')));
                throw EError(
                    FmtMsg(TMsg::ScriptMethodNotFound, item.CodeText.c_str(), code.c_str()));
            }
            const int mi = MethodIndexOf(m_ws.Stats(), item.Method);
            if (mi < 0 || !m_ws.Stats().IsShown(mi)) {
                throw EError(FmtMsg(TMsg::ScriptMethodNotFound,
                                    TStatList::MethodCode(*item.Method).c_str(),
                                    m_ws.Stats().MethodName(*item.Method).c_str()));
            }
            items.push_back(std::move(item));
        }
        if (Checkpoint()) throw std::exception();
        WriteLog(Msg(TMsg::LogCreateFilterVariants));
        Panel(2, FmtMsg(TMsg::PanelLine, index + 1));
        Panel(4, Msg(TMsg::LogCreateFilterVariants));
        std::vector<TFilterRec> variants;
        if (!items.empty()) {
            try {
                variants = ExpandVariants(items, [this](std::size_t n) {
                    if (n % 1000 == 0)
                        Panel(4, FmtMsg(TMsg::PanelCreateFilterVariants, static_cast<int>(n)));
                    return Checkpoint();
                });
            } catch (const std::bad_alloc& e) {
                throw EError(std::string(kTooManyVariants) + "\r\r" + e.what());
            }
            WriteLog(FmtMsg(TMsg::LogFilterVariantsCreated, static_cast<int>(variants.size())));
        }
        if (Checkpoint()) throw std::exception();
        const std::string key = ScriptVariantKey(options);
        if (!variants.empty()) {
            const int total = static_cast<int>(variants.size());
            for (int k = 1; k <= total; ++k) {
                if (Checkpoint()) break;
                inVariant = true;
                const TFilterRec& v = variants[static_cast<std::size_t>(k - 1)];
                const std::string vt = VariantText(v);
                WriteLog("");
                WriteLog(LogDashLine);
                WriteLog(FmtMsg(TMsg::LogApplyFilterSet, k, vt.c_str()));
                WriteLog(LogDashLine);
                Panel(2, FmtMsg(TMsg::PanelLine, index + 1));
                Panel(4, FmtMsg(TMsg::PanelFilterOf, k, total, vt.c_str()));
                WriteLog(Msg(TMsg::LogCreateStartList));
                PrepareList(options);
                WriteLog(
                    FmtMsg(TMsg::LogListCount, static_cast<int>(m_ws.Combs().CurrentList.Count())));
                if (Checkpoint()) break;
                for (const TFilterPart& part : v) {
                    if (!part.Active || m_ws.Combs().CurrentList.Count() <= 1) continue;
                    ApplyPart(part);
                    if (m_stop) break;
                }
                if (Checkpoint()) break;
                MakeStakes(options, index + 1, k, line.Comment, key + " + " + vt);
                if (Checkpoint()) break;
                WriteLog(LogDashLine);
                if (m_settings.CheckOnLine) CheckStakesNow();
                inVariant = false;
            }
        } else {
            WriteLog(Msg(TMsg::LogFiltersNotApplied));
            WriteLog("");
            Panel(4, key);
            WriteLog(Msg(TMsg::LogCreateStartList));
            PrepareList(options);
            WriteLog(
                FmtMsg(TMsg::LogListCount, static_cast<int>(m_ws.Combs().CurrentList.Count())));
            if (!Checkpoint()) {
                inVariant = true;
                MakeStakes(options, index + 1, 0, line.Comment, key);
                if (m_settings.CheckOnLine) CheckStakesNow();
                inVariant = false;
            }
        }
    } catch (const EError& e) {
        m_stop = true;
        m_ws.Hooks().ShowMessage(TMessageKind::Error, e.what());
    } catch (const std::bad_alloc& e) {
        m_stop = true;
        m_ws.Hooks().ShowMessage(TMessageKind::Error, e.what());
    } catch (const std::exception&) {
        // A stop seen at a checkpoint outside a loop.
        m_stop = true;
    }
    try {
        if (inVariant && m_settings.CheckOnLine) CheckStakesNow();
        DiscardListUndo(m_ws);
    } catch (const std::exception& e) {
        m_stop = true;
        m_ws.Hooks().ShowMessage(TMessageKind::Error, e.what());
    }
}

void TScriptRunner::PrepareList(const TScriptOptions& options) {
    TTimed timed(m_times.Lists);
    const int offset = m_ws.DrawsOffset();
    if (options.ListMode == slmExclude && options.ExcludeDraws > 0 &&
        LoadListFromBuffer(m_ws, offset, options.ExcludeDraws)) {
        // The list of this offset and N was made earlier in the pass.
    } else if (options.ListMode == slmFull || options.ListMode == slmExclude) {
        const TGenerateSettings& gen = m_ws.Stats().Generate;
        GenerateCombinations(m_ws, gen.CombsGenerateMode, gen.CombsGenerateParameters, false);
        if (Checkpoint()) return;
        if (options.ListMode == slmExclude && options.ExcludeDraws > 0) {
            ExcludeLastDraws(m_ws, options.ExcludeDraws);
            SaveListToBuffer(m_ws, offset, options.ExcludeDraws);
        }
    }
    if (Checkpoint()) return;
    if (options.ClearStakes && m_ws.Stakes().IsOpen()) ClearStakes(m_ws);
    Checkpoint();
}

// Every row that the part's mode matches becomes a step, in visiting order, until the walk
// stops; so the steps are known before the walk. The fusion needs each step's filter to drop
// exactly the combinations holding one of the numbers it marks.
namespace {

TFusedRemoval PrepareFusedRemoval(const TWorkspace& ws, const TStatTable& table,
                                  const TFilterPart& part, const TLevelTest& test,
                                  TCustomStat& stat, double& filterTime) {
    TFusedRemoval fused;
    fused.FirstStep.fill(NoRemovalStep);
    fused.StepOfRow.assign(table.Rows.size(), 0);
    const std::vector<std::size_t> top = ScriptRowOrder(table, part.SortColumn);
    const int lastIndex = std::max(0, ws.DrawCount() - 1 - ws.DrawsOffset());
    std::size_t steps = 0;
    try {
        for (std::size_t i = 0; i < top.size(); ++i) {
            const std::size_t r = part.BottomUp ? top[top.size() - 1 - i] : top[i];
            if (!test.Matches(RowValues(table.Rows[r]))) continue;
            const TStatSelection selection = TableSelection(table, {r});
            if (selection.Empty() || steps >= NoRemovalStep) return {};
            const auto filter =
                stat.PrepareFilter(selection.Values, true, ws.SortedDraws(), lastIndex);
            const std::array<std::uint8_t, 256>* hits = filter->NumberHits();
            if (!hits) return {};
            for (std::size_t b = 0; b < hits->size(); ++b) {
                if ((*hits)[b] != 0 && fused.FirstStep[b] == NoRemovalStep)
                    fused.FirstStep[b] = static_cast<std::uint16_t>(steps);
            }
            fused.StepOfRow[r] = steps++;
        }
    } catch (const std::exception&) {
        // The step itself meets the failure at its time.
        return {};
    }
    if (steps == 0) return {};
    TTimed timed(filterTime);
    fused.Drops = CountFirstSteps(ws.Combs().CurrentList, fused.FirstStep, steps);
    fused.Count = ws.Combs().CurrentList.Count();
    fused.Active = true;
    return fused;
}

}  // namespace

const TStatTable& TScriptRunner::Table(int methodIndex, int window, const TFilterPart& part) {
    m_ws.Stats().UseWeights(PartWeights(part));
    TTableKey key{methodIndex,        window,
                  m_ws.DrawsOffset(), m_ws.DrawCount(),
                  m_ws.SortedDraws(), m_ws.Config().Weights};
    if (!m_tableKey || !(*m_tableKey == key)) {
        TTimed timed(m_times.Tables);
        m_table = ComputeStatTableWithNorm(m_ws, StatRequest(m_ws, methodIndex, window));
        m_tableKey = key;
        ++m_tableComputations;
    }
    return m_table;
}

void TScriptRunner::ApplyPart(const TFilterPart& part) {
    const TStatList& reg = m_ws.Stats();
    const int mi = MethodIndexOf(reg, part.Method);
    if (mi < 0 || !reg.IsShown(mi)) throw EError(Msg(TMsg::MethodNotFound));
    const int window = std::max(1, part.WindowLength);
    const std::string caption = reg.MethodListText(mi, false);
    WriteLog(FmtMsg(TMsg::LogAnalyseDraws, caption.c_str(), window));
    const TStatTable& table = Table(mi, window, part);
    if (Checkpoint()) return;
    std::vector<TStatValues> values;
    values.reserve(table.Rows.size());
    for (const TStatRow& row : table.Rows) values.push_back(RowValues(row));
    const std::vector<std::size_t> top = ScriptRowOrder(table, part.SortColumn);
    if (m_settings.LogEnabled)
        for (const std::size_t r : top) WriteLog(RowText(values[r]));
    if (Checkpoint()) return;
    const std::unique_ptr<TCustomStat> stat = reg.CreateStat(*part.Method);
    // The "Значения" mode compares the value as the statistic reads its text.
    for (TStatValues& v : values)
        v.SelectionValue = stat->SelectionValue(StatValuesCell(v, scValue));
    const TLevelTest test(part.LevelMode, part.LevelValue);
    const bool removed = !part.Keep;
    const char* keepLine =
        part.Keep ? Msg(TMsg::LogKeepSelected).c_str() : Msg(TMsg::LogRemoveSelected).c_str();
    // Single-select removal steps of number filters are counted in one pass and made together
    // when the walk ends, unless a step would empty the list; the rest goes step by step.
    TFusedRemoval fused;
    if (!part.MultiSelect && removed && m_settings.FuseRemovalSteps)
        fused = PrepareFusedRemoval(m_ws, table, part, test, *stat, m_times.Filters);
    const auto listCount = [&] {
        return fused.Active ? fused.Count : m_ws.Combs().CurrentList.Count();
    };
    const auto finishFused = [&] {
        if (!fused.Active) return;
        fused.Active = false;
        TTimed timed(m_times.Filters);
        ApplyRemovalSteps(m_ws, fused.FirstStep, caption, fused.Made);
    };
    auto stopBefore = [&](const TStatValues& v, int counter) {
        switch (part.StopMode) {
            case 1:
                return !part.MultiSelect &&
                       static_cast<std::int64_t>(listCount()) <= part.StopValue;
            case 3:
                return counter >= part.StopValue;
            case 4: {
                const std::int64_t c = ReadInt(StatValuesCell(v, scCount));
                return part.BottomUp ? c >= part.StopValue : c <= part.StopValue;
            }
            case 5: {
                const long double c = CellNumber(StatValuesCell(v, scCountPercent)).value_or(0);
                return part.BottomUp ? c >= part.StopValue : c <= part.StopValue;
            }
            default:
                return false;
        }
    };
    int counter = 0;
    std::vector<std::size_t> marked;
    const std::size_t n = top.size();
    // Returns false when a checkpoint saw a stop.
    const auto walk = [&] {
        for (std::size_t i = 0; i < n; ++i) {
            const std::size_t r = part.BottomUp ? top[n - 1 - i] : top[i];
            if (Checkpoint()) return false;
            if (stopBefore(values[r], counter)) break;
            if (!test.Matches(values[r])) {
                if (part.MultiSelect) ++counter;
                continue;
            }
            if (part.MultiSelect) {
                marked.push_back(r);
                WriteLog(FmtMsg(TMsg::LogStepSelectRow, counter + 1) + RowText(values[r]));
                ++counter;
                continue;
            }
            WriteLog(FmtMsg(TMsg::LogStepSelectRow, counter + 1) + RowText(values[r]));
            WriteLog(keepLine);
            if (fused.Active) {
                const std::size_t left = fused.Count - fused.Drops[fused.StepOfRow[r]];
                if (left > 0) {
                    fused.Count = left;
                    fused.Made.push_back(
                        {TableSelection(table, {r}).Text, static_cast<std::int32_t>(left)});
                    WriteLog(FmtMsg(TMsg::LogListCount, static_cast<int>(left)));
                    ++counter;
                    continue;
                }
                // The step empties the list and is undone: made as it is, after the steps so
                // far; the walk goes on step by step.
                finishFused();
            }
            {
                TTimed timed(m_times.Filters);
                ApplyStatSelection(m_ws, TableSelection(table, {r}), removed, mi, caption,
                                   stat.get());
            }
            WriteLog(
                FmtMsg(TMsg::LogListCount, static_cast<int>(m_ws.Combs().CurrentList.Count())));
            if (m_ws.Combs().CurrentList.Count() == 0) {
                WriteLog(Msg(TMsg::LogUndo));
                UndoCombinations(m_ws);
                if (part.StopMode == 2) break;
            } else {
                ++counter;
            }
        }
        return true;
    };
    bool walked = false;
    try {
        walked = walk();
    } catch (...) {
        finishFused();
        throw;
    }
    finishFused();
    if (!walked || !part.MultiSelect) return;
    WriteLog(keepLine);
    if (marked.empty()) return;
    {
        TTimed timed(m_times.Filters);
        ApplyStatSelection(m_ws, TableSelection(table, marked), removed, mi, caption, stat.get());
    }
    WriteLog(FmtMsg(TMsg::LogListCount, static_cast<int>(m_ws.Combs().CurrentList.Count())));
    if (m_ws.Combs().CurrentList.Count() == 0) {
        WriteLog(Msg(TMsg::LogUndo));
        UndoCombinations(m_ws);
    }
}

bool TScriptRunner::StakeRecord(const TScriptOptions& options, const std::uint8_t* nums,
                                const std::string& stakeComment, std::vector<TStakeRecord>* bulk) {
    const TStakeRecord rec = NewStakeRecord(
        m_ws, skScript, std::span<const std::uint8_t>(nums, NumbersInDraw), stakeComment);
    std::string numText;
    for (int i = 0; i < NumbersInDraw; ++i) numText += (i ? ";" : "") + std::to_string(nums[i]);
    if (options.NewOnly &&
        m_ws.Stakes().Find(rec.DrawNumber, std::span<const std::uint8_t>(nums, NumbersInDraw))) {
        WriteLog(FmtMsg(TMsg::LogStakeDuplicate, rec.DrawNumber, numText.c_str()));
        return false;
    }
    if (bulk) {
        bulk->push_back(rec);
    } else {
        AppendStakeRecords(m_ws, {&rec, 1});
    }
    WriteLog(FmtMsg(TMsg::LogStakeAdded, rec.DrawNumber, numText.c_str()));
    ++m_stakeCount;
    if (!bulk) Panel(3, FmtMsg(TMsg::PanelStakes, static_cast<int>(m_stakeCount)));
    if (OnStake) OnStake(rec);
    return true;
}

void TScriptRunner::AddSystemStakes(bool all, const TScriptOptions& options,
                                    const std::string& stakeComment) {
    const TCombsArray& list = m_ws.Combs().CurrentList;
    const std::vector<std::uint8_t> numbers = DistinctListNumbers(list);
    const TSystemLookup sys =
        LoadSystemCombinations(SystemsFolder(m_ws.Paths().Dir), numbers, m_ws.Hooks());
    const int count = static_cast<int>(numbers.size());
    if (!sys.Found) {
        WriteLog(FmtMsg(TMsg::LogSystemStakeError, count, sys.Text.c_str()));
        return;
    }
    WriteLog(FmtMsg(all ? TMsg::LogSystemStakeAll : TMsg::LogSystemStakeCombs, count,
                    std::filesystem::path(sys.Text).stem().string().c_str()));
    std::vector<TStakeRecord> bulk;
    for (std::size_t i = 0; i < sys.Combs.Count(); ++i) {
        TComb c = sys.Combs[i];
        std::sort(c.Nums.begin(), c.Nums.end());
        if (!all) {
            bool inList = false;
            for (std::size_t j = 0; j < list.Count() && !inList; ++j) {
                TComb l = list[j];
                std::sort(l.Nums.begin(), l.Nums.end());
                inList = l == c;
            }
            if (!inList) continue;
        }
        StakeRecord(options, c.Nums.data(), stakeComment, &bulk);
    }
    AppendStakeRecords(m_ws, bulk);
    Panel(3, FmtMsg(TMsg::PanelStakes, static_cast<int>(m_stakeCount)));
}

void TScriptRunner::MakeStakes(const TScriptOptions& options, int line, int variant,
                               const std::string& comment, const std::string& text) {
    TTimed timed(m_times.Stakes);
    WriteLog(FmtMsg(TMsg::LogAddStakeMode, StakeModeCaption(options.StakeMode)));
    const TCombsArray& list = m_ws.Combs().CurrentList;
    const std::size_t n = list.Count();
    if (n == 0 || options.StakeMode == ssmNone) return;
    const std::string stakeComment = ScriptStakeComment(line, variant, comment, text);
    if (n > 1 && options.StakeMode == ssmStop) {
        m_stop = true;
        WriteLog(Msg(TMsg::LogScriptStopped));
        m_ws.Hooks().ShowMessage(
            TMessageKind::Warning,
            FmtMsg(TMsg::ScriptTooManyLeft, static_cast<int>(n), stakeComment.c_str()));
        return;
    }
    if (n > 1 && options.StakeMode == ssmSkip) {
        WriteLog(Msg(TMsg::LogStakeIgnored));
        return;
    }
    if (m_stop) return;
    if (n == 1) {
        StakeRecord(options, list[0].Nums.data(), stakeComment, nullptr);
        return;
    }
    switch (options.StakeMode) {
        case ssmFirst:
            StakeRecord(options, list[0].Nums.data(), stakeComment, nullptr);
            break;
        case ssmLast:
            StakeRecord(options, list[n - 1].Nums.data(), stakeComment, nullptr);
            break;
        case ssmAll: {
            std::vector<TStakeRecord> bulk;
            for (std::size_t i = 0; i < n; ++i) {
                if (Checkpoint()) break;
                StakeRecord(options, list[i].Nums.data(), stakeComment, &bulk);
            }
            AppendStakeRecords(m_ws, bulk);
            Panel(3, FmtMsg(TMsg::PanelStakes, static_cast<int>(m_stakeCount)));
            break;
        }
        case ssmSystemAll:
        case ssmSystemCombs:
            AddSystemStakes(options.StakeMode == ssmSystemAll, options, stakeComment);
            break;
        default: {
            std::uniform_int_distribution<std::size_t> pick(0, n - 1);
            StakeRecord(options, list[pick(m_rng)].Nums.data(), stakeComment, nullptr);
        }
    }
}

}  // namespace mv
