// Generation modes, my numbers, exclusion of the latest draws and deletion of rows.
#include <gtest/gtest.h>

#include <algorithm>

#include "combs_fixture.h"
#include "engine/combs/comb_files.h"
#include "engine/combs/generation.h"
#include "engine/core/game.h"

namespace mv::test {
namespace {

struct TModeCase {
    int Mode;
    const char* Parameter;
    std::size_t Expected;
};

class GenerationTest : public CombsTest, public ::testing::WithParamInterface<TModeCase> {};

TEST_P(GenerationTest, KeepsTheModesCount) {
    const TModeCase c = GetParam();
    GenerateCombinations(Ws, c.Mode, c.Parameter);
    EXPECT_EQ(Combs().CurrentList.Count(), c.Expected);
    // Every generated combination is ascending and in lexicographic order.
    const auto& list = Combs().CurrentList;
    EXPECT_TRUE(std::is_sorted(list.begin(), list.end(),
                               [](const TComb& a, const TComb& b) { return a.Nums < b.Nums; }));
}

INSTANTIATE_TEST_SUITE_P(
    Modes, GenerationTest,
    ::testing::Values(TModeCase{0, "", 376992}, TModeCase{0, "1,2", 376992},
                      TModeCase{1, "1,2", 98736},      // 376,992 - C(34, 5)
                      TModeCase{3, "1;2", 278256},     // C(34, 5)
                      TModeCase{2, "1,2,3,4", 0},      // fewer than five
                      TModeCase{2, "1, 2 ,3;4;5", 1},  // exactly 1..5
                      TModeCase{2, "1,2,3,4,5,6,7", 21}, TModeCase{1, "", 0},
                      TModeCase{3, "", 376992},
                      TModeCase{1, "x;36;300", 52360},  // "x" is 0, 300 is ignored: only 36
                      TModeCase{9, "1", 376992},        // an unknown mode is the full set
                      TModeCase{-1, "1", 376992}));

TEST(MyNumbers, WordsAtCommasAndSemicolonsWithinAByte) {
    const auto set = ParseMyNumbers(" 5 ,abc;;255;256;-1; 17");
    EXPECT_EQ(set.count(), 4u);
    for (const int n : {0, 5, 17, 255}) EXPECT_TRUE(set[static_cast<std::size_t>(n)]) << n;
}

using GenerationFlowTest = CombsTest;

TEST_F(GenerationFlowTest, FullSetStartsAndEndsInOrder) {
    GenerateCombinations(Ws, gmFullSet, "");
    const auto& list = Combs().CurrentList;
    EXPECT_EQ(list[0], Comb(1, 2, 3, 4, 5));
    EXPECT_EQ(list[1], Comb(1, 2, 3, 4, 6));
    EXPECT_EQ(list[list.Count() - 1], Comb(32, 33, 34, 35, 36));
    EXPECT_EQ(Hooks.Statuses.front(), "Генерация возможных комбинаций...");
}

TEST_F(GenerationFlowTest, InteractiveGenerationClearsOperationsAndUndo) {
    GenerateCombinations(Ws, gmOnlyMine, "1,2,3,4,5,6");
    DeleteSelectedCombinations(Ws, {2});
    ASSERT_TRUE(Combs().CanUndo());
    GenerateCombinations(Ws, gmOnlyMine, "1,2,3,4,5,6");
    EXPECT_FALSE(Combs().CanUndo());
    EXPECT_TRUE(Combs().FilterLines().empty());
    EXPECT_EQ(Combs().CurrentList.Count(), 6u);
}

TEST_F(GenerationFlowTest, FileModeReadsTheFileAndReportsAnUnreadableOne) {
    WriteBytes(Dir / "mine.lcv", "1;2;3;4;5\r\n40,41,42,43,44\r\n");
    std::string blanked = " ";  // the name is trimmed
    blanked += (Dir / "mine.lcv").string() + " ";
    GenerateCombinations(Ws, gmFromFile, blanked);
    EXPECT_EQ(ListOf(Combs().CurrentList),
              (std::vector<TComb>{Comb(1, 2, 3, 4, 5), Comb(40, 41, 42, 43, 44)}));
    EXPECT_TRUE(Hooks.Messages.empty());

    GenerateCombinations(Ws, gmFromFile, (Dir / "missing.lcv").string());
    EXPECT_EQ(Combs().CurrentList.Count(), 0u);
    ASSERT_EQ(Hooks.Messages.size(), 1u);
    EXPECT_EQ(Hooks.Messages[0].first, TMessageKind::Error);
    EXPECT_EQ(Hooks.Messages[0].second.rfind(
                  "Ошибка чтения файла \"" + (Dir / "missing.lcv").string() + "\"!\r\r", 0),
              0u);
}

// Eight draws, the two newest hidden: excluding 3 removes the draws at indices 3, 4 and 5.
TEST_F(GenerationFlowTest, ExcludeLastDrawsEndsAtTheLatestVisibleDraw) {
    const std::vector<std::vector<int>> draws = {
        {1, 2, 3, 4, 5},  {2, 3, 4, 5, 6},     {3, 4, 5, 6, 7}, {9, 4, 5, 6, 7},
        {10, 5, 6, 7, 8}, {36, 35, 34, 33, 1}, {1, 2, 3, 4, 6}, {20, 21, 22, 23, 24}};
    for (const auto& d : draws) AddDraw({d[0], d[1], d[2], d[3], d[4]});
    Ws.SetDrawsOffset(2);
    GenerateCombinations(Ws, gmFullSet, "");
    Hooks.Statuses.clear();
    ExcludeLastDraws(Ws, 3);

    const auto& list = Combs().CurrentList;
    EXPECT_EQ(list.Count(), static_cast<std::size_t>(FullSetSize - 3));
    const auto has = [&list](const TComb& c) {
        return std::find(list.begin(), list.end(), c) != list.end();
    };
    EXPECT_FALSE(has(Comb(4, 5, 6, 7, 9)));
    EXPECT_FALSE(has(Comb(5, 6, 7, 8, 10)));
    EXPECT_FALSE(has(Comb(1, 33, 34, 35, 36)));
    EXPECT_TRUE(has(Comb(3, 4, 5, 6, 7)));  // index 2: before the window
    EXPECT_TRUE(has(Comb(1, 2, 3, 4, 6)));  // index 6: hidden
    EXPECT_EQ(Combs().FilterLines().back(),
              (TFilterLine{"Последние тиражи", "3", FullSetSize - 3, TFilterMark::Removed}));

    const std::string head = "Удаление из списка комбинаций 3 последних тиражей";
    ASSERT_GE(Hooks.Statuses.size(), 3u);
    EXPECT_EQ(Hooks.Statuses[0], "Создание файла отката...");  // the command's undo copy
    EXPECT_EQ(Hooks.Statuses[2], head + "...");
    const auto progress = std::count_if(
        Hooks.Statuses.begin(), Hooks.Statuses.end(),
        [&](const std::string& s) { return s.find("завершено") != std::string::npos; });
    EXPECT_GE(progress, 100);
    EXPECT_LE(progress, 101);
    EXPECT_NE(
        std::find(Hooks.Statuses.begin(), Hooks.Statuses.end(), head + " ( завершено 100 % )..."),
        Hooks.Statuses.end());
}

// The test is CountMatches == 5 with each draw, also for lists holding a repeated number.
TEST_F(GenerationFlowTest, ExcludeLastDrawsJudgesIrregularCombinationsByCountMatches) {
    AddDraw({1, 2, 3, 4, 9});
    SetCurrent({Comb(1, 1, 2, 3, 4), Comb(1, 2, 3, 4, 8), Comb(9, 4, 3, 2, 1),
                                  Comb(70, 71, 72, 73, 74)});
    ExcludeLastDraws(Ws, 1);
    EXPECT_EQ(ListOf(Combs().CurrentList),
              (std::vector<TComb>{Comb(1, 2, 3, 4, 8), Comb(70, 71, 72, 73, 74)}));

    ExcludeLastDraws(Ws, 0);  // an empty window
    EXPECT_EQ(Combs().CurrentList.Count(), 2u);
}

// Odd draws of a damaged archive (repeats, zeros, numbers above 36, any order) remove from
// the full set exactly the combinations CountMatches says they hold.
TEST_F(GenerationFlowTest, ExcludeLastDrawsOnOddDrawsRemovesWhatCountMatchesSays) {
    const std::vector<std::vector<int>> draws = {
        {1, 1, 2, 3, 4},   {0, 0, 0, 0, 0},      {40, 41, 42, 43, 44}, {9, 8, 7, 6, 5},
        {7, 8, 9, 10, 40}, {20, 20, 20, 20, 20}, {30, 31, 31, 0, 255}};
    for (const auto& d : draws) AddDraw({d[0], d[1], d[2], d[3], d[4]});
    GenerateCombinations(Ws, gmFullSet, "");
    const std::vector<TComb> all = ListOf(Combs().CurrentList);
    ExcludeLastDraws(Ws, static_cast<int>(draws.size()));

    std::vector<TComb> expected;
    for (const TComb& c : all) {
        const bool drawn = std::any_of(
            Ws.DrawArchive().begin(), Ws.DrawArchive().end(),
            [&c](const TDrawRec& d) { return CountMatches(c.Nums.data(), d.Nums.data()) == 5; });
        if (!drawn) expected.push_back(c);
    }
    // 1 1 2 3 4: the four sets of 1, 2, 3, 4 and one more; 5..9; 20 x 5: every set with 20.
    EXPECT_EQ(all.size() - expected.size(), 32u + 1u + 52360u - 1u);
    EXPECT_EQ(ListOf(Combs().CurrentList), expected);
}

}  // namespace
}  // namespace mv::test
