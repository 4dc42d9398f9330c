#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "engine/core/game.h"
#include "engine/core/text_codec.h"
#include "engine/run/script_runner.h"
#include "engine/scenarios/script_options.h"
#include "engine/session/list_commands.h"
#include "engine/session/rating_commands.h"
#include "engine/session/stake_commands.h"
#include "test_support.h"

namespace mv {
namespace {

TComb Comb(int a, int b, int c, int d, int e) {
    TComb comb;
    comb.Nums = {static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b),
                 static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(d),
                 static_cast<std::uint8_t>(e)};
    return comb;
}

// Five draws: 1 in every one, 2 in three, 3..19 once, 20..36 never.
class ScriptRunTest : public ::testing::Test {
protected:
    test::TTempDir Dir;
    test::TRecordingHooks Hooks;
    TWorkspace Ws{TDataPaths{Dir.Path()}, Hooks};

    void SetUp() override {
        Ws.LockDataFiles();
        Ws.Stats().BuildMethods();
        Ws.Config().Cost = 10000;
        const int draws[5][5] = {{1, 2, 3, 4, 5},
                                 {1, 2, 6, 7, 8},
                                 {1, 2, 9, 10, 11},
                                 {1, 12, 13, 14, 15},
                                 {1, 16, 17, 18, 19}};
        TDrawsArray archive;
        for (int i = 0; i < 5; ++i) {
            TDrawRec d;
            d.Number = i + 1;
            for (int j = 0; j < 5; ++j) d.Nums[j] = static_cast<std::uint8_t>(draws[i][j]);
            d.Extra = 1;
            d.SetDate("01.02.2024");
            archive.push_back(d);
        }
        Ws.ResetDraws(std::move(archive));
        ReplaceCombinations(
            Ws, {Comb(1, 20, 21, 22, 23), Comb(2, 24, 25, 26, 27), Comb(3, 28, 29, 30, 31)});
    }
    void Script(std::vector<std::string> lines) {
        Ws.EditScript([&](TCurrentScript& s) { s.ReplaceAll(std::move(lines)); });
    }
    TScriptRunSettings Settings(bool log = false) {
        TScriptRunSettings s;
        s.LogEnabled = log;
        s.LogFolder = Dir.Path();
        return s;
    }
    std::vector<TStakeRecord> Stakes() const {
        return Ws.Stakes().ReadRange(0, Ws.Stakes().Count());
    }
    // The log's lines without their time prefix.
    static std::vector<std::string> LogLines(const std::filesystem::path& file) {
        const std::string text = Cp1251ToUtf8(test::ReadBytes(file));
        std::vector<std::string> out;
        std::size_t pos = 0;
        while (pos < text.size()) {
            const std::size_t end = text.find("\r\n", pos);
            std::string line = text.substr(pos, end - pos);
            EXPECT_EQ(line.substr(0, 1), "[");
            EXPECT_EQ(line.substr(20, 3), "]: ");
            out.push_back(line.substr(23));
            pos = end + 2;
        }
        return out;
    }
    static int Count(const std::vector<std::string>& lines, const std::string& prefix) {
        int n = 0;
        for (const auto& l : lines) n += l.rfind(prefix, 0) == 0 ? 1 : 0;
        return n;
    }
    std::vector<std::string> RunLogged(const std::string& line) {
        Script({line});
        TScriptRunner runner(Ws, Settings(true));
        std::filesystem::path shown;
        runner.OnLogFinished = [&](const std::filesystem::path& p) { shown = p; };
        runner.Forecast();
        EXPECT_FALSE(shown.empty());
        if (shown.empty()) return {};
        auto lines = LogLines(shown);
        // Every run claims a log of its own; this one has been read.
        std::filesystem::remove(shown);
        return lines;
    }
};

TEST_F(ScriptRunTest, VariantCountsAndOrder) {
    auto expand = [&](std::vector<std::string> texts) {
        std::vector<TFilterItem> items;
        for (const auto& t : texts) items.push_back(TextToItem(t, Ws.Stats()));
        std::vector<std::string> out;
        for (const TFilterRec& v : ExpandVariants(items)) {
            std::string s;
            for (const TFilterPart& p : v)
                if (p.Active) s += std::to_string(p.WindowLength) + "/" + p.LevelValue + " ";
            out.push_back(s);
        }
        return out;
    };
    EXPECT_EQ(expand({"TSD1#NUMS:10,20#LMV:1-3;1#SF:0"}),
              (std::vector<std::string>{"10/1 ", "10/2 ", "10/3 ", "20/1 ", "20/2 ", "20/3 "}));
    EXPECT_EQ(expand({"TSD1#NUMS:10,20#LDV:1-3;1#SF:0"}),
              (std::vector<std::string>{"10/1,2,3 ", "20/1,2,3 "}));
    EXPECT_EQ(expand({"TSD1#NUMS:5#LNO:x#SF:0"}), (std::vector<std::string>{"5/x "}));
    // The first filter changes slowest.
    EXPECT_EQ(expand({"TSD1#NUMS:1,2#LNO:#SF:0", "TSD1#SUMS:7#LMV:4;5;6#SF:0"}),
              (std::vector<std::string>{"1/ 7/4 ", "1/ 7/5 ", "1/ 7/6 ", "2/ 7/4 ", "2/ 7/5 ",
                                        "2/ 7/6 "}));
    for (const char* bad :
         {"TSD1#NUMS:#LNO:#SF:0", "TSD1#NUMS:5#LMV:#SF:0", "TSD1#NUMS:5-1;0#LNO:#SF:0"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(expand({bad}), EError);
    }
}

TEST_F(ScriptRunTest, StakeComments) {
    EXPECT_EQ(ScriptStakeComment(2, 5, "A1", "FULL#RAND + X"), "02.005: A1 @ FULL#RAND + X");
    EXPECT_EQ(ScriptStakeComment(2, 5, "", "FULL#RAND + X"), "02.005: @ FULL#RAND + X");
    auto letters = [](int n) {
        std::string s;
        for (int i = 0; i < n; ++i) s += "ж";
        return s;
    };
    EXPECT_EQ(ScriptStakeComment(1, 0, "", letters(300)), "01.000: @ " + letters(245));
}

TEST_F(ScriptRunTest, ChanceBaselineByHand) {
    Ws.Config().Profits = {{5, 1000000000}, {4, 1000000}, {3, 100000}};
    // Over every combination once, each match count comes exactly HitCount(k) times.
    const TChanceBaseline b = ChanceBaseline(Ws.Stats(), 376992);
    const long double expected[6] = {169911, 157325, 44950, 4650, 155, 1};
    for (int k = 0; k <= 5; ++k) EXPECT_NEAR(static_cast<double>(b.Matches[k]), expected[k], 1e-6);
    EXPECT_NEAR(static_cast<double>(b.Profit), -2149920000.0, 1e-3);
}

TEST_F(ScriptRunTest, LineWithoutFiltersLogAndStake) {
    const auto log = RunLogged("CURR:0#FIRST| | | | | | | |Мой");
    const std::string key = "CURR#FIRST";
    const std::vector<std::string> expected = {
        "### ЗАПУСК СЦЕНАРИЯ "
        "##########################################################################",
        LogEqualsLine,
        "=== Выполнение сценария для смещения 000000 "
        "==================================================",
        LogEqualsLine,
        LogDashLine,
        "Выполнение строки 001: \"CURR:0#FIRST| | | | | | | |Мой\"",
        LogDashLine,
        "Создание всех вариантов фильтров...",
        "{ERROR} Фильтры не применялись!",
        "",
        "Создание начального списка комбинаций...",
        "Количество комбинаций в списке: 3",
        std::string("{*} Добавление ставки, режим: \"") + StakeModeCaption(ssmFirst) + "\"",
        "{+} Ставка на тираж 6 добавлена в список ставок: [1;20;21;22;23]",
        "### ЗАВЕРШЕНИЕ СЦЕНАРИЯ "
        "######################################################################",
        // No archive file on disk: the digest of no bytes.
        std::string("Идентификатор запуска: архив e3b0c44298fc, смещение 0, стоимость ставки 1, "
                    "выигрыши нет, версия ") +
            MV_VERSION,
    };
    EXPECT_EQ(log, expected);
    const auto stakes = Stakes();
    ASSERT_EQ(stakes.size(), 1u);
    EXPECT_EQ(stakes[0].Kind, skScript);
    EXPECT_EQ(stakes[0].DrawNumber, 6);
    EXPECT_EQ(stakes[0].Comment, "01.000: Мой @ " + key);
    EXPECT_EQ(stakes[0].SampleSize, 3);
}

TEST_F(ScriptRunTest, StopModesOfTheWalk) {
    // Rows sorted by "Количество": 1 (5), 2 (3), then 17 rows of 1 and 17 of 0.
    struct TCase {
        const char* Filter;
        int Steps;
    };
    const TCase cases[] = {
        {"TSD1#NUMS:5#LNO:#SV:3", 1},  // top-down: stops at the first count <= 3
        {"TSD1#NUMS:5#LNO:#SV:1", 2},
        {"BSD1#NUMS:5#LNO:#SV:3", 34},  // bottom-up: stops at the first count >= 3
        {"TSD1#NUMS:5#LNO:#ST:2", 2},   // successful steps
        {"TMD1#NUMS:5#LNO:#ST:5", 5},   // multi-select: rows visited
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Filter);
        ReplaceCombinations(Ws, {Comb(1, 20, 21, 22, 23), Comb(2, 24, 25, 26, 27),
                                 Comb(3, 28, 29, 30, 31), Comb(32, 33, 34, 35, 36)});
        const auto log = RunLogged(std::string("CURR:0#NONE|") + c.Filter);
        EXPECT_EQ(Count(log, "Шаг "), c.Steps);
    }
}

TEST_F(ScriptRunTest, UndoOfEmptyingSteps) {
    struct TCase {
        const char* Line;
        std::size_t Left;
        int Undos;
    };
    const TCase cases[] = {
        // Single-select: rows 1, 2 and 3 go one by one; the next deletion would empty it.
        {"CURR:0#NONE|TSD1#NUMS:5#LNO:#SZ:0", 1, 1},
        // Multi-select over every row would empty the list: undone as a whole.
        {"CURR:0#NONE|TMD1#NUMS:5#LNO:#SF:0", 3, 1},
        // No matching row leaves the list alone.
        {"CURR:0#NONE|TMD1#NUMS:5#LVA:99#SF:0", 3, 0},
        // Keeping the combinations with 2.
        {"CURR:0#NONE|TMF1#NUMS:5#LVA:2#SF:0", 1, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Line);
        ReplaceCombinations(
            Ws, {Comb(1, 20, 21, 22, 23), Comb(2, 24, 25, 26, 27), Comb(3, 28, 29, 30, 31)});
        const auto log = RunLogged(c.Line);
        if (Ws.Combs().CurrentList.Count() != c.Left)
            for (const auto& l : log) std::cerr << l << "\n";
        EXPECT_EQ(Ws.Combs().CurrentList.Count(), c.Left);
        EXPECT_EQ(Count(log, "{UNDO} Откат изменений..."), c.Undos);
        EXPECT_FALSE(Ws.Combs().CanUndo());
    }
}

TEST_F(ScriptRunTest, OneCombinationIsStakedWhateverTheMode) {
    for (const char* mode : {"STOP", "SKIP", "SYSA", "SYSC", "NONE"}) {
        SCOPED_TRACE(mode);
        ClearStakes(Ws);
        ReplaceCombinations(Ws, {Comb(1, 20, 21, 22, 23), Comb(2, 24, 25, 26, 27)});
        // The first part leaves one combination; the second is skipped.
        Script({std::string("CURR:0#") + mode + "|TMF1#NUMS:5#LVA:2#SF:0|TMD1#NUMS:5#LVA:2#SF:0"});
        TScriptRunner runner(Ws, Settings());
        runner.Forecast();
        const auto stakes = Stakes();
        const bool none = std::string(mode) == "NONE";
        ASSERT_EQ(stakes.size(), none ? 0u : 1u);
        if (!none) {
            EXPECT_EQ(stakes[0].Numbers.Nums[0], 2);
        }
        EXPECT_EQ(runner.TableComputations(), 1);  // both parts share one table
    }
}

TEST_F(ScriptRunTest, RandomStakesFollowTheSeed) {
    Script(std::vector<std::string>(12, "CURR:0#RAND"));
    const auto picks = [&](std::optional<std::uint64_t> seed) {
        ClearStakes(Ws);
        TScriptRunSettings settings = Settings();
        settings.RandSeed = seed;
        TScriptRunner runner(Ws, settings);
        runner.Forecast();
        std::string out;
        for (const auto& s : Stakes())
            if (!s.IsMarker()) out += std::to_string(s.Numbers.Nums[0]);
        EXPECT_EQ(out.size(), 12u);
        // The same runner again: the seed is taken afresh for every run.
        ClearStakes(Ws);
        runner.Forecast();
        std::string again;
        for (const auto& s : Stakes())
            if (!s.IsMarker()) again += std::to_string(s.Numbers.Nums[0]);
        EXPECT_EQ(again, out);
        return out;
    };
    const std::string first = picks(42);
    EXPECT_EQ(picks(42), first);
    EXPECT_NE(picks(43), first);
}

TEST_F(ScriptRunTest, StopModeStakesNothingAndEndsTheRun) {
    Script({"CURR:0#STOP", "CURR:0#FIRST"});
    TScriptRunner runner(Ws, Settings());
    runner.Forecast();
    EXPECT_TRUE(Stakes().empty());
    ASSERT_EQ(Hooks.Messages.size(), 1u);
    EXPECT_EQ(Hooks.Messages[0].first, TMessageKind::Warning);
    EXPECT_NE(Hooks.Messages[0].second.find("их осталось более одной: 3!"), std::string::npos);
    EXPECT_FALSE(runner.Running());
}

TEST_F(ScriptRunTest, TestPassesAndOffset) {
    Script({"CURR:0#FIRST"});
    std::vector<int> offsets;
    int stopAt = -1;
    bool savedDuringRun = false;
    TWorkspaceSubscription sub(Ws, [&](TChanges changes) {
        if (!(changes & chOffset)) return;
        if (!Ws.Ratings().empty() && std::filesystem::exists(RatingsPath(Ws))) {
            savedDuringRun = true;
        }
        offsets.push_back(Ws.DrawsOffset());
        if (Ws.DrawsOffset() == stopAt) Hooks.StopRequested = true;
    });
    TScriptRunner runner(Ws, Settings());
    runner.Test(3);
    EXPECT_EQ(offsets, (std::vector<int>{3, 2, 1, 0}));
    EXPECT_EQ(Ws.DrawsOffset(), 0);
    // Each pass stakes on the first hidden draw, which the check finds at once.
    std::vector<int> draws;
    for (const auto& s : Stakes())
        if (!s.IsMarker()) draws.push_back(s.DrawNumber);
    EXPECT_EQ(draws, (std::vector<int>{3, 4, 5}));
    EXPECT_EQ(runner.Totals().Checked, 3);
    EXPECT_EQ(runner.Totals().Matches[1] + runner.Totals().Matches[0] + runner.Totals().Matches[2],
              3);
    // The ratings follow every check in memory; their file is written once, at the run's end.
    EXPECT_FALSE(savedDuringRun);
    ASSERT_EQ(Ws.Ratings().size(), 1u);
    EXPECT_EQ(Ws.Ratings()[0].Stakes, 3);
    EXPECT_EQ(LoadRatings(RatingsPath(Ws)), Ws.Ratings());

    offsets.clear();
    stopAt = 2;
    runner.Test(3);
    Hooks.StopRequested = false;
    EXPECT_EQ(offsets, (std::vector<int>{3, 2}));
    EXPECT_EQ(Ws.DrawsOffset(), 2);
    EXPECT_FALSE(runner.Running());
}

TEST_F(ScriptRunTest, ErrorsEndTheRun) {
    const char* lines[] = {
        "CURR:0#FIRST|TSD1#NUMS:#LNO:#SF:0",      // no window lengths
        "CURR:0#FIRST|TSD1#XXXX:5#LNO:#SF:0",     // unknown method
        "CURR:0#FIRST|TSD1#NUMS:5#DDV:1,2#SF:0",  // a list mode over a dash cell
    };
    for (const char* line : lines) {
        SCOPED_TRACE(line);
        Hooks.Messages.clear();
        Script({line, "CURR:0#FIRST"});
        TScriptRunner runner(Ws, Settings());
        runner.Forecast();
        ASSERT_EQ(Hooks.Messages.size(), 1u);
        EXPECT_EQ(Hooks.Messages[0].first, TMessageKind::Error);
        EXPECT_TRUE(Stakes().empty());  // the second line never ran
        EXPECT_FALSE(runner.Running());
    }
}

}  // namespace
}  // namespace mv
