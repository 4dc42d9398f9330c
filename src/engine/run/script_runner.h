#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/core/constants.h"
#include "engine/core/records.h"
#include "engine/session/rating_commands.h"
#include "engine/session/workspace.h"
#include "engine/stats/filter_item.h"
#include "engine/stats/stat_table.h"

namespace mv {

inline constexpr const char* LogEqualsLine =
    "============================================================================================="
    "=";
inline constexpr const char* LogDashLine =
    "---------------------------------------------------------------------------------------------"
    "-";

// The texts of the used parts joined by " + ".
std::string VariantText(const TFilterRec& variant);
// "LL.KKK: [C ]@ T", cut to the 255 characters a stake comment holds.
std::string ScriptStakeComment(int line, int variant, const std::string& comment,
                               const std::string& text);

// Every variant of a line's used items, depth first (item 1 outermost; within an item the
// window lengths outside the values). Throws EError "Некорректное описание фильтра: %s!" for
// an item without window lengths, or with a selection mode but without values. `step` is
// called after every variant with the count so far; returning true stops the expansion.
std::vector<TFilterRec> ExpandVariants(const std::vector<TFilterItem>& items,
                                       const std::function<bool(std::size_t)>& step = {});

// Table rows in the order a scenario walks them from the top: descending by `column`, cells
// that both read as numbers (a "," read as ".") as numbers, others as text without regard to
// case; ties by the value text, likewise descending. Returns row indices.
std::vector<std::size_t> ScriptRowOrder(const TStatTable& table, int column);

// What the same number of random combinations would have won: per match count the expected
// number of stakes, and the expected profit (prize minus cost, in TMoney units).
struct TChanceBaseline {
    std::array<long double, NumbersInDraw + 1> Matches{};
    long double Profit = 0;
};
TChanceBaseline ChanceBaseline(const TStatList& registry, std::int64_t stakes);

// What a test's stakes actually won, read back from the stakes file after the last check.
struct TRunTotals {
    std::int64_t Stakes = 0;  // scenario stakes made in the run
    std::int64_t Checked = 0;
    std::array<std::int64_t, NumbersInDraw + 1> Matches{};
    TMoney Profit = 0;
};

// Where a run spent its time, in seconds: statistics tables (window analysis), filter passes
// over the list, starting lists, and stake handling (making, appending, checking).
struct TRunTimes {
    double Tables = 0;
    double Filters = 0;
    double Lists = 0;
    double Stakes = 0;
};

struct TScriptRunSettings {
    bool LogEnabled = false;          // ScriptLogEnabled
    bool CheckOnLine = true;          // StakesCheckOnLine
    std::filesystem::path LogFolder;  // where "ScriptLog_*.txt" goes
    // Single-select removal steps of number filters counted in one pass (the same results;
    // off only to compare with the step-by-step walk).
    bool FuseRemovalSteps = true;
    // The seed of the RAND stake mode's picks, taken afresh at the start of every run; without
    // one every run draws its own.
    std::optional<std::uint64_t> RandSeed;
};

// The scenario engine over a workspace: forecast and test runs of the current scenario. Every
// change of the workspace goes through its session operations. Single thread: the front end's
// Checkpoint hook lets events run and reports a stop; RequestStop only sets the flag.
class TScriptRunner {
public:
    TScriptRunner(TWorkspace& ws, TScriptRunSettings settings);

    // Status panels 1 "Цикл", 2 "Строка", 3 "Ставок", 4 free text (panel, text).
    std::function<void(int, const std::string&)> OnPanel;
    // Called when a finished log should be shown (the desktop opens it).
    std::function<void(const std::filesystem::path&)> OnLogFinished;
    // Lines to run instead of the workspace's current scenario (the command line runs a file
    // without making it the current scenario); not owned.
    const std::vector<std::string>* Lines = nullptr;
    // Called after a line's stake is added (the CLI prints it).
    std::function<void(const TStakeRecord&)> OnStake;
    // Called with a line's index before it runs, and with -1 after it (the desktop selects the
    // line in the scenario list meanwhile).
    std::function<void(int)> OnLine;

    // One pass at the current offset.
    void Forecast();
    // Passes at offsets n .. 1; the offset comes back unless the run was stopped.
    void Test(int passes);

    // The user's stop: logs the interruption and sets the flag (the run ends at the next
    // checkpoint).
    void RequestStop();

    bool Running() const { return m_running; }
    bool StopRequested() const { return m_stop; }
    int Cycle() const { return m_cycle; }
    std::int64_t StakeCount() const { return m_stakeCount; }
    const std::filesystem::path& LogFile() const { return m_logFile; }
    // The last run's results (a test: every pass) and its chance baseline.
    const TRunTotals& Totals() const { return m_totals; }
    TChanceBaseline Baseline() const;
    // How often the statistics table was actually computed in the last run.
    int TableComputations() const { return m_tableComputations; }
    const TRunTimes& Times() const { return m_times; }
    // The method index and window length of the last statistics table the run computed, or
    // std::nullopt: the statistics tab shows that table afterwards.
    std::optional<std::pair<int, int>> LastTable() const;

    // Run pieces, public for tests and the benchmark.
    void RunLines();
    void RunLine(int index, const std::string& text);
    void WriteLog(const std::string& text);

private:
    struct TTableKey {
        int Method = -1;
        int Window = 0;
        int Offset = 0;
        int Draws = 0;
        bool Sorted = false;
        TWeightCoefs Weights;
        bool operator==(const TTableKey& o) const;
    };

    bool Checkpoint();
    void Panel(int panel, const std::string& text);
    void Begin();
    void End();
    void LogOffsetBlock(int offset);
    void PrepareList(const struct TScriptOptions& options);
    void ApplyPart(const TFilterPart& part);
    const TStatTable& Table(int methodIndex, int window, const TFilterPart& part);
    void MakeStakes(const struct TScriptOptions& options, int line, int variant,
                    const std::string& comment, const std::string& text);
    void AddSystemStakes(bool allCombinations, const struct TScriptOptions& options,
                         const std::string& stakeComment);
    bool StakeRecord(const struct TScriptOptions& options, const std::uint8_t* nums,
                     const std::string& stakeComment, std::vector<TStakeRecord>* bulk);
    void CheckStakesNow();
    void CollectTotals(std::int64_t firstRecord);
    void StartLog();
    void FinishLog();

    TWorkspace& m_ws;
    TScriptRunSettings m_settings;
    bool m_running = false;
    bool m_stop = false;
    int m_cycle = 0;
    std::int64_t m_stakeCount = 0;
    std::filesystem::path m_logFile;
    TRunTotals m_totals;
    int m_tableComputations = 0;
    TRunTimes m_times;
    std::optional<TTableKey> m_tableKey;
    TStatTable m_table;
    std::mt19937_64 m_rng;
    // From Begin to End the ratings file is written once, not after every stake check.
    std::optional<TRatingsSaveHold> m_ratingsHold;
};

}  // namespace mv
