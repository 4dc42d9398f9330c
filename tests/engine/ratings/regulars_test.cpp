#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/ratings/regulars.h"
#include "engine/session/regular_commands.h"
#include "engine/session/workspace.h"
#include "test_support.h"

namespace mv {
namespace {

TEST(Regulars, ShiftAroundTheRing) {
    struct Case {
        int Number, Step, Expected;
    };
    const Case cases[] = {{33, 5, 2}, {3, -5, 34}, {36, 1, 1},  {1, -1, 36}, {36, -36, 36},
                          {1, 36, 1}, {17, 0, 17}, {10, -9, 1}, {31, 5, 36}};
    for (const Case& c : cases)
        EXPECT_EQ(ShiftNumber(c.Number, c.Step), c.Expected) << c.Number << " " << c.Step;
}

TEST(Regulars, AdvanceFromStartOrFromTheLastVisibleDraw) {
    TTableRecord constant;
    constant.Start = constant.Current = {1, 2, 3, 4, 5};
    ASSERT_TRUE(AdvanceRegular(constant, {}, 0));
    EXPECT_EQ(constant.Current, (TRegularComb{2, 3, 4, 5, 6}));
    ASSERT_TRUE(AdvanceRegular(constant, {}, 0));
    EXPECT_EQ(constant.Current, (TRegularComb{3, 4, 5, 6, 7}));
    EXPECT_EQ(constant.StakesMade, 2);
    EXPECT_EQ(constant.Start, (TRegularComb{1, 2, 3, 4, 5}));

    TDrawsArray draws(2);
    draws[0].Nums = {1, 2, 3, 4, 5};
    draws[1].Nums = {36, 1, 17, 5, 9};
    TTableRecord last;
    last.UseLastDraw = true;
    ASSERT_TRUE(AdvanceRegular(last, draws, 0));
    EXPECT_EQ(last.Current, (TRegularComb{1, 2, 6, 10, 18}));
    last.Step = -3;
    ASSERT_TRUE(AdvanceRegular(last, draws, 1));  // the draw before the last
    EXPECT_EQ(last.Current, (TRegularComb{1, 2, 34, 35, 36}));
    EXPECT_FALSE(AdvanceRegular(last, draws, 2));
    EXPECT_EQ(last.StakesMade, 2);
}

TEST(Regulars, DamagedRegularsMakeNoStakes) {
    TTableRecord ok;
    ok.Current = {1, 2, 3, 4, 5};
    const auto damaged = [&](auto change) {
        TTableRecord rec = ok;
        change(rec);
        const TTableRecord before = rec;
        return !AdvanceRegular(rec, {}, 0) && rec == before;
    };
    EXPECT_TRUE(damaged([](TTableRecord& r) { r.Step = 37; }));
    EXPECT_TRUE(damaged([](TTableRecord& r) { r.Step = -2147483647 - 1; }));
    EXPECT_TRUE(damaged([](TTableRecord& r) { r.Step = 2147483647; }));
    EXPECT_TRUE(damaged([](TTableRecord& r) { r.Current = {}; }));
    EXPECT_TRUE(damaged([](TTableRecord& r) { r.Current = {1, 2, 3, 4, 40}; }));
    EXPECT_FALSE(damaged([](TTableRecord& r) { r.Step = -36; }));
}

TEST(Regulars, FileByteForByte) {
    TTableRecord rec;
    rec.Comment = "Рег";
    rec.UseLastDraw = true;
    rec.Start = {1, 2, 3, 4, 5};
    rec.Current = {2, 3, 4, 5, 6};
    rec.Step = -2;
    rec.StakesMade = 258;
    test::TTempDir dir;
    SaveRegulars(dir / RegularsFileName, {rec, rec});
    const std::string bytes = test::ReadBytes(dir / RegularsFileName);
    ASSERT_EQ(bytes.size(), 2 * RegularRecSize);
    std::string expected(RegularRecSize, '\0');
    expected.replace(0, 4, "\x03\xD0\xE5\xE3");
    expected[256] = 1;
    expected.replace(257, 10, "\x01\x02\x03\x04\x05\x02\x03\x04\x05\x06");
    expected.replace(268, 4, "\xFE\xFF\xFF\xFF");
    expected.replace(272, 4, std::string("\x02\x01\x00\x00", 4));
    EXPECT_EQ(bytes.substr(0, RegularRecSize), expected);
    EXPECT_EQ(LoadRegulars(dir / RegularsFileName), (TRegulars{rec, rec}));
}

TEST(Regulars, DialogRules) {
    TTableRecord existing;
    existing.Comment = "Моя ставка";
    const TRegulars list = {existing};
    struct Case {
        const char* Comment;
        bool CheckStart;
        const char* Start;
        TRegularField Field;
    };
    const Case cases[] = {
        {"новая", true, "5;4,3;2;1", TRegularField::None},
        {"новая", true, "1;2;3;4", TRegularField::Start},
        {"новая", true, "1;2;3;4;37", TRegularField::Start},
        {"новая", true, "1;2;3;4;4", TRegularField::Start},
        {"новая", true, "1;2;3;4;x", TRegularField::Start},
        {"новая", false, "", TRegularField::None},
        {"  ", false, "", TRegularField::Comment},
        {"МОЯ СТАВКА", false, "", TRegularField::Comment},
        {"", true, "junk", TRegularField::Start},  // the start is checked first
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckRegularDialog(list, c.Comment, c.CheckStart, c.Start).Field, c.Field)
            << c.Comment << " " << c.Start;
    EXPECT_EQ(CheckRegularDialog(list, "a", true, "5;4,3;2;1").Start,
              (TRegularComb{1, 2, 3, 4, 5}));

    const std::vector<TRegularSelection> three = {
        {2, {1, 2, 3, 4, 5}}, {5, {2, 3, 4, 5, 6}}, {9, {3, 4, 5, 6, 7}}};
    const TRegulars made = NewRegulars("Р", false, 2, {}, three);
    ASSERT_EQ(made.size(), 3u);
    EXPECT_EQ(made[1].Comment, "Р (5)");
    EXPECT_EQ(made[1].Current, (TRegularComb{2, 3, 4, 5, 6}));
    EXPECT_EQ(NewRegulars("Р", true, 1, {}, three).size(), 1u);
    EXPECT_TRUE(NewRegulars("Р", false, 1, {}, {}).empty());
}

TEST(Regulars, TestOverPastDrawsRestoresTheOffset) {
    test::TTempDir dir;
    test::TRecordingHooks hooks;
    TWorkspace ws{TDataPaths{dir.Path()}, hooks};
    ws.LockDataFiles();
    for (int i = 1; i <= 8; ++i) {
        TDrawRec draw;
        draw.Number = i;
        draw.Nums = {static_cast<std::uint8_t>(i), 10, 20, 30, 33};
        ws.StoreDraw(draw);
    }
    ws.SetDrawsOffset(2);
    TRegulars regulars(3);
    regulars[0].Comment = "a";
    regulars[0].Start = regulars[0].Current = {1, 2, 3, 4, 5};
    regulars[1].Comment = "b";
    regulars[2].Comment = "c";
    regulars[2].UseLastDraw = true;
    regulars[2].Step = -1;
    EXPECT_EQ(TestRegulars(ws, regulars, {0, 2}, 5), 10);
    EXPECT_EQ(ws.DrawsOffset(), 2);
    EXPECT_EQ(ws.Stakes().Count(), 10);
    EXPECT_EQ(regulars[0].StakesMade, 5);
    EXPECT_EQ(regulars[0].Current, (TRegularComb{6, 7, 8, 9, 10}));
    EXPECT_EQ(regulars[1].StakesMade, 0);
    // The last pass is at offset 1: the base is draw 7, the stake for draw 8.
    EXPECT_EQ(regulars[2].Current, (TRegularComb{6, 9, 19, 29, 32}));
    const TStakeRecord first = ws.Stakes().Read(0);
    EXPECT_EQ(first.DrawNumber, 4);  // offset 5: the next draw after draw 3
    EXPECT_EQ(first.Kind, skRegular);
    const TStakeRecord lastStake = ws.Stakes().Read(-1, true);
    EXPECT_EQ(lastStake.DrawNumber, 8);
    EXPECT_EQ(lastStake.Comment, "c");
    EXPECT_EQ(lastStake.Checked, 1);  // checked against the draw that was hidden
    EXPECT_EQ(LoadRegulars(dir / RegularsFileName), regulars);
    EXPECT_EQ(TestRegulars(ws, regulars, {0}, 0), 0);
}

}  // namespace
}  // namespace mv
