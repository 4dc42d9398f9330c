#include "engine/core/game.h"

#include <gtest/gtest.h>

#include "engine/core/errors.h"

namespace mv {
namespace {

TEST(GameConstants, BinomialAndHitTable) {
    EXPECT_EQ(Binomial(36, 5), 376992);
    EXPECT_EQ(Binomial(5, 5), 1);
    EXPECT_EQ(Binomial(3, 7), 1);  // k >= n gives 1
    EXPECT_EQ(Binomial(10, 3), 120);
    const std::int64_t expected[] = {169911, 157325, 44950, 4650, 155, 1};
    std::int64_t total = 0;
    for (int k = 0; k <= 5; ++k) {
        EXPECT_EQ(HitCount(k), expected[k]) << k;
        EXPECT_EQ(HitTable()[k].Count, expected[k]);
        total += HitTable()[k].Count;
    }
    EXPECT_EQ(total, FullSetSize);
    EXPECT_NEAR(static_cast<double>(HitTable()[5].Probability), 1.0 / 376992, 1e-15);
}

TEST(GameUtils, ChannelColor) {
    const TRgb red{255, 0, 0};
    struct Case {
        int number, width;
        TRgb colour;
    } cases[] = {
        {0, 6, red}, {37, 6, red}, {0, 2, red}, {37, 36, red},
        {1, 6, {170, 255, 170}},   // channel 1
        {7, 6, {255, 255, 170}},   // channel 2
        {36, 2, {233, 233, 233}},  // channel 18
        {36, 36, {170, 255, 170}},
    };
    for (const auto& c : cases) EXPECT_EQ(ChannelColor(c.number, c.width), c.colour) << c.number;
    EXPECT_EQ(ChannelOf(36, 2), 18);
    EXPECT_EQ(ChannelOf(13, 6), 3);
    // Channels past the palette wrap around: 2 numbers per channel at width 2 never reach
    // channel 20 for 36 numbers, but a channel index of 20 maps to entry 1.
    EXPECT_EQ(ChannelPalette(19), (TRgb{213, 234, 255}));
}

TEST(GameUtils, MatrixAndCells) {
    EXPECT_EQ(MatrixRows(6), 6);
    EXPECT_EQ(MatrixRows(5), 8);
    EXPECT_EQ(MatrixRows(36), 1);
    EXPECT_EQ(MatrixRows(1), 36);
    EXPECT_EQ(CellNumber(0, 0, 6), 1);
    EXPECT_EQ(CellNumber(5, 5, 6), 36);
    EXPECT_EQ(CellNumber(0, 7, 5), 36);
    EXPECT_GT(CellNumber(1, 7, 5), 36);  // empty cell
    EXPECT_EQ(NumberCell(36, 5), (TCardCell{7, 0}));
    EXPECT_EQ(NumberCell(1, 36), (TCardCell{0, 0}));
    for (int cols = 1; cols <= MaxNumber; ++cols) {
        for (int number = 1; number <= MaxNumber; ++number) {
            const TCardCell cell = NumberCell(number, cols);
            EXPECT_LT(cell.Row, MatrixRows(cols));
            EXPECT_LT(cell.Col, cols);
            EXPECT_EQ(CellNumber(cell.Col, cell.Row, cols), number) << number << " " << cols;
        }
    }
}

TEST(GameUtils, SortAndMatches) {
    TDrawRec d;
    d.Number = 7;
    d.Nums = {30, 3, 36, 17, 22};
    d.Extra = 9;
    d.SetDate("05.01.2024");
    TDrawRec sorted = d;
    SortNumbers(sorted);
    EXPECT_EQ(sorted.Nums, (std::array<std::uint8_t, 5>{3, 17, 22, 30, 36}));
    EXPECT_EQ(sorted.Number, 7);
    EXPECT_EQ(sorted.Extra, 9);
    EXPECT_EQ(sorted.Date(), "05.01.2024");
    EXPECT_EQ(CountMatches(d.Nums.data(), sorted.Nums.data()), 5);
    const std::uint8_t other[] = {1, 2, 3, 17, 5};
    EXPECT_EQ(CountMatches(d.Nums.data(), other), 2);
    EXPECT_EQ(DrawLineText(d), "Тираж № 7 от 05.01.2024, значения: 30;3;36;17;22 e:9");
    EXPECT_EQ(DrawSum(d), 108);
}

TEST(GameUtils, CombTexts) {
    EXPECT_EQ(CombText(TComb{{7, 8, 9, 10, 11}}), "07 08 09 10 11");
    EXPECT_EQ(CombText(TComb{{1, 5, 12, 23, 36}}), "01 05 12 23 36");
    EXPECT_EQ(ParseCombText("1|2|3|4|5"), (TComb{{1, 2, 3, 4, 5}}));
    EXPECT_EQ(ParseCombText(" 01 05\t12 - 23 : 36 "), (TComb{{1, 5, 12, 23, 36}}));
    EXPECT_EQ(ParseCombText("1;x;3;4;5"), (TComb{{1, 0, 3, 4, 5}}));  // default 0
    // Beyond a byte reads as 0 as well, never modulo 256.
    EXPECT_EQ(ParseCombText("257 255 256 1000 2"), (TComb{{0, 255, 0, 0, 2}}));
    try {
        ParseCombText("1,2,3,4");
        FAIL() << "four numbers must fail";
    } catch (const EError& e) {
        EXPECT_STREQ(e.what(), "Некорректная комбинация: \"1,2,3,4\"!");
    }
    EXPECT_THROW(ParseCombText("1 2 3 4 5 6"), EError);
}

TEST(GameUtils, DrawDates) {
    EXPECT_EQ(DrawDateText(0), "");
    EXPECT_EQ(DrawDateText(-5), "");
    EXPECT_EQ(ParseDrawDate(""), 0);
    EXPECT_EQ(ParseDrawDate("   "), 0);
    const TDateTime t = ParseDrawDate("05.01.2024");
    EXPECT_EQ(DrawDateText(t), "05.01.2024");
    EXPECT_EQ(DrawDateText(t + 0.75), "05.01.2024");  // the time is dropped
    EXPECT_EQ(t, 45296);                                // days since 30.12.1899
    EXPECT_EQ(DrawDateText(ParseDrawDate("29.02.2024 10:00")), "29.02.2024");
    EXPECT_THROW(ParseDrawDate("31.02.2024"), EConvertError);
    EXPECT_THROW(ParseDrawDate("завтра"), EConvertError);
}

TEST(GameUtils, UniqueNumberCount) {
    std::vector<TComb> list = {{{1, 2, 3, 4, 5}}, {{4, 5, 6, 7, 8}}, {{1, 2, 3, 4, 5}}};
    EXPECT_EQ(UniqueNumberCount(list.data(), 0), 0);
    EXPECT_EQ(UniqueNumberCount(list.data(), 1), 5);
    EXPECT_EQ(UniqueNumberCount(list.data(), 3), 8);
}

}  // namespace
}  // namespace mv
