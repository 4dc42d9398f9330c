// The draw map and the layout of drawn numbers: contents, runs and cell colours.
#include <gtest/gtest.h>

#include "engine/core/game.h"
#include "engine/views/card.h"
#include "engine/views/layout.h"
#include "views_fixture.h"

namespace mv {
namespace {

using test::Draw;

constexpr TRgb kYellow{255, 255, 0}, kLime{0, 255, 0}, kAqua{0, 255, 255};

TEST(CardTest, RowsNewestFirstWithNumbersInTheirColumns) {
    const TCard card({Draw(1, {1, 2, 3, 4, 5}), Draw(2, {5, 6, 20, 33, 34}, 7)});
    ASSERT_EQ(card.RowCount(), 2);
    EXPECT_EQ(card.CellText(0, 0), "2");
    for (int n : {5, 6, 20, 33, 34}) EXPECT_EQ(card.CellText(0, n), std::to_string(n));
    EXPECT_EQ(card.CellText(0, 7), "");
    EXPECT_EQ(card.CellText(0, CardExtraColumn), "7");
    EXPECT_EQ(card.CellText(1, 0), "1");
    EXPECT_EQ(card.CellText(2, 0), "");  // past the last row
    EXPECT_EQ(TCard(TDrawsArray{}).RowCount(), 0);
}

TEST(CardTest, RunsAndTheirColours) {
    // Newest first: row 0 = draw 3, row 1 = draw 2, row 2 = draw 1.
    const TCard card(
        {Draw(1, {10, 12, 14, 16, 18}), Draw(2, {6, 20, 28, 30, 35}), Draw(3, {5, 6, 20, 33, 36})});
    struct TCase {
        int Row, Number;
        TCardRun Run;
    };
    const TCase cases[] = {
        {0, 5, TCardRun::Neighbour},           // 6 beside it
        {0, 6, TCardRun::RepeatAndNeighbour},  // 5 beside it, 6 also in draw 2
        {0, 20, TCardRun::Repeat},             // 20 also in draw 2
        {1, 20, TCardRun::Repeat},             // and the other way round
        {0, 33, TCardRun::None},
        {0, 36, TCardRun::None},  // column 37 never counts as a neighbour
        {1, 35, TCardRun::None},
        {2, 10, TCardRun::None},
        {0, 7, TCardRun::None},  // empty cell
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(card.Run(c.Row, c.Number), c.Run) << c.Row << " " << c.Number;
    }
    const TCard edge({Draw(1, {1, 2, 3, 35, 36})});
    EXPECT_EQ(edge.Run(0, 36), TCardRun::Neighbour);
    EXPECT_EQ(edge.Run(0, 1), TCardRun::Neighbour);

    EXPECT_EQ(CardCellColour(card, 0, 6, true, true, 6), kYellow);
    EXPECT_EQ(CardCellColour(card, 0, 20, true, true, 6), kLime);
    EXPECT_EQ(CardCellColour(card, 0, 5, true, true, 6), kAqua);
    // Without sequences, or in a plain or empty cell: the column's channel.
    EXPECT_EQ(CardCellColour(card, 0, 6, true, false, 6), ChannelColor(6, 6));
    EXPECT_EQ(CardCellColour(card, 0, 33, true, true, 6), ChannelColor(33, 6));
    EXPECT_EQ(CardCellColour(card, 0, 7, true, true, 6), ChannelColor(7, 6));
    // Both options off: the grid's own colours.
    EXPECT_FALSE(CardCellColour(card, 0, 6, false, false, 6));
    EXPECT_FALSE(CardCellColour(card, 0, 7, false, true, 6));
    EXPECT_FALSE(CardCellColour(card, 0, CardExtraColumn, true, true, 6));
}

TEST(LayoutTest, GridOfCountsAndLastDraws) {
    const TDrawsArray draws = {Draw(99, {30, 31, 32, 33, 34}), Draw(100, {1, 6, 7, 8, 9}),
                               Draw(101, {1, 2, 3, 4, 5})};
    const TLayoutGrid grid = BuildLayoutGrid(draws, 0, 2, {});
    EXPECT_EQ(grid.Counts, (std::vector<std::int32_t>{2, 1}));
    EXPECT_EQ(grid.LastDraws, (std::vector<std::int32_t>{101, 100}));
    EXPECT_EQ(grid.Cells[0][0], "1");
    EXPECT_EQ(grid.Cells[0][1], "");
    EXPECT_EQ(grid.Cells[1][0], "2, 3, 4, 5");
    EXPECT_EQ(grid.Cells[1][1], "6, 7, 8, 9");

    // A window longer than the archive takes every visible draw; the offset hides the newest,
    // whose numbers in the window are bracketed.
    THiddenNumbers hidden;
    for (int n : {1, 2, 3, 4, 5}) hidden.set(static_cast<std::size_t>(n));
    const TLayoutGrid offset = BuildLayoutGrid(draws, 1, 50, hidden);
    EXPECT_EQ(offset.LastDraws, (std::vector<std::int32_t>{100, 99}));
    EXPECT_EQ(offset.Counts, (std::vector<std::int32_t>{1}));
    EXPECT_EQ(offset.Cells[0][0], "[1], 6, 7, 8, 9");
    EXPECT_TRUE(offset.Bracketed[0][0]);
    EXPECT_FALSE(offset.Bracketed[0][1]);

    EXPECT_TRUE(BuildLayoutGrid({}, 0, 100, {}).Cells.empty());
}

TEST(LayoutTest, ShemaKeepsTheOrderNumbersAreFirstMet) {
    const TDrawsArray draws = {Draw(1, {9, 8, 7, 6, 5}), Draw(2, {5, 4, 3, 2, 1})};
    const TShemaArray shema = CountShema(draws, RecentDrawsWindow(2, 0, 10));
    ASSERT_EQ(shema.size(), 9U);
    EXPECT_EQ(shema[0], (TShemaRec{5, 2, 2}));
    EXPECT_EQ(shema[4], (TShemaRec{1, 1, 2}));
    EXPECT_EQ(shema[5], (TShemaRec{9, 1, 1}));
}

TEST(LayoutTest, ComparisonListsPerWindow) {
    TDrawsArray draws;
    for (int i = 1; i <= 100; ++i) {
        const auto n = static_cast<std::uint8_t>(i % 30 + 1);
        draws.push_back(Draw(i, {n, static_cast<std::uint8_t>(n + 1), 33, 34, 35}));
    }
    const TCompareList list = BuildCompareList(draws, 0, 50);
    EXPECT_EQ(list.Caption, "51 - 100");
    ASSERT_FALSE(list.Rows.empty());
    EXPECT_EQ(list.Rows[0], (TCompareRow{50, "33, 34, 35"}));
    for (std::size_t i = 1; i < list.Rows.size(); ++i) {
        EXPECT_GT(list.Rows[i - 1].Count, list.Rows[i].Count);
    }
    EXPECT_EQ(BuildCompareList(draws, 10, 50).Caption, "41 - 90");
    const TCompareList empty = BuildCompareList({}, 0, 50);
    EXPECT_TRUE(empty.Caption.empty());
    EXPECT_TRUE(empty.Rows.empty());
}

TEST(LayoutTest, CellColours) {
    EXPECT_EQ(LayoutCellColour(3, 7, 10, 10, false, false), (TRgb{255, 233, 234}));
    EXPECT_EQ(LayoutCellColour(3, 12, 20, 20, false, false), (TRgb{234, 255, 234}));
    EXPECT_EQ(LayoutCellColour(6, 7, 20, 20, false, false), (TRgb{234, 255, 234}));
    EXPECT_EQ(LayoutCellColour(96, 3, 100, 100, false, false), (TRgb{255, 233, 234}));
    EXPECT_EQ(LayoutCellColour(3, 7, 10, 10, true, true), (TRgb{0, 255, 0}));
    // 255 - 155 * 1 / 2 = 177.5 -> 178 (halves to even), 255 - 155 * 1 / 4 = 216.25 -> 216,
    // 100 + 77.5 = 177.5 -> 178.
    EXPECT_EQ(LayoutCellColour(1, 1, 2, 4, true, false), (TRgb{178, 216, 178}));
    // 255 - 155 * 3 / 6 = 177.5 -> 178; 255 - 155 * 1 / 10 = 239.5 -> 240; 100 + 77.5 -> 178.
    EXPECT_EQ(LayoutCellColour(3, 1, 6, 10, true, false), (TRgb{178, 240, 178}));
}

}  // namespace
}  // namespace mv
