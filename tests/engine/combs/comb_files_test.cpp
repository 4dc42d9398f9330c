// Combination files, the clipboard form, opening and pasting with their restore rules.
#include <gtest/gtest.h>

#include "combs_fixture.h"
#include "engine/combs/comb_files.h"
#include "engine/combs/generation.h"

namespace mv::test {
namespace {

struct TLineCase {
    const char* Line;
    std::vector<TComb> Read;
};

class CombFileLines : public ::testing::TestWithParam<TLineCase> {};

TEST_P(CombFileLines, ReadOrSkipped) {
    TCombsArray list;
    const std::size_t n = ParseCombinationsFile(GetParam().Line, list);
    EXPECT_EQ(n, GetParam().Read.size());
    EXPECT_EQ(ListOf(list), GetParam().Read);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, CombFileLines,
    ::testing::Values(TLineCase{"1;2;3;4;5", {Comb(1, 2, 3, 4, 5)}},
                      TLineCase{"1,2,3,4,5\r\n", {Comb(1, 2, 3, 4, 5)}},
                      TLineCase{"1 2 3 4 5", {}},                               // one word
                      TLineCase{"40;41;42;43;44", {Comb(40, 41, 42, 43, 44)}},  // no range check
                      // a number that does not fit a byte reads as 0, never modulo 256
                      TLineCase{"257;255;256;-1;4294967297", {Comb(0, 255, 0, 0, 0)}},
                      TLineCase{" 7 ; x ;9;10;11",
                                {Comb(7, 0, 9, 10, 11)}},  // trimmed, 0 for a non-number
                      TLineCase{"1;;2,3;4;5;", {Comb(1, 2, 3, 4, 5)}},  // runs of separators
                      TLineCase{"1;2;3;4", {}}, TLineCase{"1;2;3;4;5;6", {}}, TLineCase{"", {}},
                      TLineCase{"\r\n\r\n", {}},
                      TLineCase{"1;2;3;4;5\n6;7;8;9;10\r11;12;13;14;15\r\n\r\n16;17;18;19;20",
                                {Comb(1, 2, 3, 4, 5), Comb(6, 7, 8, 9, 10),
                                 Comb(11, 12, 13, 14, 15), Comb(16, 17, 18, 19, 20)}}));

TEST(CombFileText, NumbersJoinedBySemicolonsLinesEndedByCrLf) {
    const std::vector<TComb> combs = {Comb(1, 2, 3, 4, 5), Comb(36, 35, 1, 2, 3)};
    EXPECT_EQ(CombinationsFileText(combs.data(), combs.size()), "1;2;3;4;5\r\n36;35;1;2;3\r\n");
    EXPECT_EQ(CombinationsFileText(combs.data(), 0), "");
}

TEST(TextLines, AsAStringListTakesThem) {
    EXPECT_EQ(SplitTextLines("a\r\nb\nc\rd\r\n"),
              (std::vector<std::string_view>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitTextLines("a\r\n\r\nb"), (std::vector<std::string_view>{"a", "", "b"}));
    EXPECT_TRUE(SplitTextLines("").empty());
}

using CombFilesTest = CombsTest;

TEST_F(CombFilesTest, SaveAndOpenRoundTripWithoutUndo) {
    SetCurrent({Comb(1, 2, 3, 4, 5), Comb(7, 8, 9, 10, 11)});
    SaveCombinationsFile(Ws, Dir / "list.lcv");
    EXPECT_EQ(ReadBytes(Dir / "list.lcv"), "1;2;3;4;5\r\n7;8;9;10;11\r\n");

    GenerateCombinations(Ws, gmFullSet, "");
    DeleteSelectedCombinations(Ws, {});  // an operations row
    EXPECT_EQ(OpenCombinationsFile(Ws, Dir / "list.lcv"), 2u);
    EXPECT_EQ(ListOf(Combs().CurrentList),
              (std::vector<TComb>{Comb(1, 2, 3, 4, 5), Comb(7, 8, 9, 10, 11)}));
    EXPECT_FALSE(Combs().CanUndo());
    EXPECT_TRUE(Combs().FilterLines().empty());
}

TEST_F(CombFilesTest, FailedOpenKeepsThePreviousListWithoutUndo) {
    SetCurrent({Comb(1, 2, 3, 4, 5)});
    DeleteSelectedCombinations(Ws, {});  // an operations row
    try {
        OpenCombinationsFile(Ws, Dir / "none.lcv");
        FAIL() << "no error";
    } catch (const EError& e) {
        EXPECT_EQ(std::string(e.what()).rfind(
                      "Ошибка чтения файла \"" + (Dir / "none.lcv").string() + "\"!\r\r", 0),
                  0u);
    }
    EXPECT_EQ(ListOf(Combs().CurrentList), std::vector<TComb>{Comb(1, 2, 3, 4, 5)});
    EXPECT_FALSE(Combs().CanUndo());
    EXPECT_TRUE(Combs().FilterLines().empty());
}

TEST_F(CombFilesTest, FailedSaveNamesTheFile) {
    const auto file = Dir / "no-such-dir" / "list.lcv";
    try {
        SaveCombinationsFile(Ws, file);
        FAIL() << "no error";
    } catch (const EError& e) {
        EXPECT_EQ(
            std::string(e.what()).rfind("Ошибка записи в файл \"" + file.string() + "\"!\r\r", 0),
            0u);
    }
}

// A file longer than the full set grows the list instead of failing.
TEST_F(CombFilesTest, FileLongerThanTheFullSetGrowsTheList) {
    GenerateCombinations(Ws, gmFullSet, "");
    SaveCombinationsFile(Ws, Dir / "full.lcv");
    std::string bytes = ReadBytes(Dir / "full.lcv");
    bytes += "40;41;42;43;44\r\n1;2;3;4;5\r\n";
    WriteBytes(Dir / "full.lcv", bytes);
    EXPECT_EQ(OpenCombinationsFile(Ws, Dir / "full.lcv"),
              static_cast<std::size_t>(FullSetSize + 2));
    EXPECT_EQ(Combs().CurrentList[FullSetSize], Comb(40, 41, 42, 43, 44));
    DeleteSelectedCombinations(Ws, {});  // the undo copy grows with it
    EXPECT_EQ(Combs().UndoList.Count(), static_cast<std::size_t>(FullSetSize + 2));
}

TEST_F(CombFilesTest, ClipboardTextOfTheGivenRows) {
    SetCurrent({Comb(1, 2, 3, 4, 5), Comb(6, 7, 8, 9, 10), Comb(11, 12, 13, 14, 36)});
    EXPECT_EQ(CombinationsClipboardText(Combs().CurrentList, {0, 2, 7}),
              "01 02 03 04 05\r\n11 12 13 14 36");
    EXPECT_EQ(CombinationsClipboardText(Combs().CurrentList, {}), "");
}

TEST_F(CombFilesTest, PasteReplacesTheListAndClearsOperations) {
    SetCurrent({Comb(1, 2, 3, 4, 5)});
    DeleteSelectedCombinations(Ws, {});  // an operations row
    EXPECT_EQ(PasteCombinations(Ws, "01 02 03 04 05\r\n06 07 08 09 10\r\n"), 2u);
    EXPECT_EQ(ListOf(Combs().CurrentList),
              (std::vector<TComb>{Comb(1, 2, 3, 4, 5), Comb(6, 7, 8, 9, 10)}));
    EXPECT_TRUE(Combs().FilterLines().empty());
    EXPECT_FALSE(Combs().CanUndo());
}

TEST_F(CombFilesTest, PasteWithAnEmptyLineInTheMiddleRestoresTheList) {
    SetCurrent({Comb(1, 2, 3, 4, 5)});
    DeleteSelectedCombinations(Ws, {});  // an operations row
    try {
        PasteCombinations(Ws, "06 07 08 09 10\r\n\r\n11 12 13 14 15");
        FAIL() << "no error";
    } catch (const EError& e) {
        EXPECT_STREQ(e.what(), "Некорректная комбинация: \"\"!");
    }
    EXPECT_EQ(ListOf(Combs().CurrentList), std::vector<TComb>{Comb(1, 2, 3, 4, 5)});
    EXPECT_EQ(Combs().FilterLines().size(), 1u);
    EXPECT_FALSE(Combs().CanUndo());

    EXPECT_EQ(PasteCombinations(Ws, ""), 0u);  // no lines: nothing happens
    EXPECT_EQ(Combs().CurrentList.Count(), 1u);
}

}  // namespace
}  // namespace mv::test
