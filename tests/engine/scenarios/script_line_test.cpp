// Scenario lines: fields separated by runs of "|", the writer that never leaves a field
// empty, the options field and its texts, and the cells of the scenario list.
#include "engine/scenarios/script_line.h"

#include <gtest/gtest.h>

#include "engine/scenarios/script_options.h"

namespace mv {
namespace {

TScriptLine Line(std::string options, std::array<std::string, FiltersPerLine> filters,
                 std::string comment) {
    return {std::move(options), std::move(filters), std::move(comment)};
}

TEST(ScriptLine, WritingKeepsEveryFieldInPlace) {
    const std::string f = "TSD1#NUMS:10#LNO:#SF:1";
    struct TCase {
        TScriptLine Line;
        std::string Text;
        TScriptLine Back;  // what reading the text gives
    };
    const std::vector<TCase> cases = {
        {Line("FULL:0#RAND", {}, "comment"), "FULL:0#RAND| | | | | | | |comment",
         Line("FULL:0#RAND", {}, "comment")},
        // An empty filter 1 is written as a blank, so filter 2 stays in field 3.
        {Line("FULL:0#RAND", {"", f}, ""), "FULL:0#RAND| |" + f + "| | | | | |",
         Line("FULL:0#RAND", {"", f}, "")},
        {Line("EXCL:3#FIRST#NEX", {f, f, f, f, f, f, f}, "  "),
         "EXCL:3#FIRST#NEX|" + f + "|" + f + "|" + f + "|" + f + "|" + f + "|" + f + "|" + f + "|",
         Line("EXCL:3#FIRST#NEX", {f, f, f, f, f, f, f}, "")},
        // Blank options are a field too; fields are written trimmed.
        {Line("", {" ", "  " + f + "  "}, " note "), " | |" + f + "| | | | | |note",
         Line("", {"", f}, "note")},
        // A "|" inside options or a filter would shift the fields after it; line breaks
        // would split the line in the file.
        {Line("FULL:0#RAND|x", {"TSD1#NUMS:10|EVEN"}, "a\r\nb"),
         "FULL:0#RAND x|TSD1#NUMS:10 EVEN| | | | | | |a  b",
         Line("FULL:0#RAND x", {"TSD1#NUMS:10 EVEN"}, "a  b")},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        const std::string text = ScriptLineText(c.Line);
        EXPECT_EQ(text, c.Text);
        EXPECT_EQ(std::count(text.begin(), text.end(), '|'), 8);
        EXPECT_EQ(ReadScriptLine(text), c.Back);
    }
}

TEST(ScriptLine, ReadingFields) {
    struct TCase {
        std::string Text;
        TScriptLine Line;
    };
    const std::vector<TCase> cases = {
        // A comment is read up to its first "|".
        {"FULL:0#RAND| | | | | | | |note|more", Line("FULL:0#RAND", {}, "note")},
        // Runs of "|" are one separator; leading and trailing ones are ignored.
        {"||FULL:0#RAND|||A||B|", Line("FULL:0#RAND", {"A", "B"}, "")},
        {"  EXCL:2  |  A  ", Line("EXCL:2", {"A"}, "")},
        {"A|1|2|3|4|5|6|7|C|D|E", Line("A", {"1", "2", "3", "4", "5", "6", "7"}, "C")},
        {"", Line("", {}, "")},
    };
    for (const TCase& c : cases) EXPECT_EQ(ReadScriptLine(c.Text), c.Line) << c.Text;
}

TEST(ScriptLine, Separators) {
    for (const std::string text : {"", " ", " \t "}) {
        EXPECT_TRUE(IsSeparatorLine(text));
    }
    EXPECT_FALSE(IsSeparatorLine("|"));
    EXPECT_FALSE(IsSeparatorLine(" x "));
}

TEST(ScriptOptions, ReadingByPrefixAndKeyword) {
    struct TCase {
        std::string Text;
        TScriptOptions Options;
    };
    const std::vector<TCase> cases = {
        {"", {}},
        {"excl:5#first#nex", {5, slmExclude, ssmFirst, false, true}},
        {"EXCLUDE:2#ALL", {2, slmExclude, ssmAll, false, false}},
        {"FULL#XYZ", {0, slmFull, ssmRandom, false, false}},
        {"FULL:7#RAND", {7, slmFull, ssmRandom, false, false}},
        {"CURR:0#NONE#CLR", {0, slmCurrent, ssmNone, true, false}},
        {"##full:3##sysc## clr #x# Nex", {3, slmFull, ssmSystemCombs, true, true}},
        // The stake keyword must be equal, the list keyword a prefix; N is read anyway.
        {"EXCL:abc#FIRSTX", {0, slmExclude, ssmRandom, false, false}},
        {"XYZ:4#last", {4, slmFull, ssmLast, false, false}},
        // Flags count only from the third word on.
        {"CURR:1#NEX#CLR", {1, slmCurrent, ssmRandom, true, false}},
    };
    for (const TCase& c : cases) EXPECT_EQ(ReadScriptOptions(c.Text), c.Options) << c.Text;
}

TEST(ScriptOptions, WrittenFormsAndTexts) {
    struct TCase {
        TScriptOptions Options;
        std::string Dialog, Key, Text;
    };
    const std::vector<TCase> cases = {
        {{0, slmFull, ssmRandom, false, false},
         "FULL:0#RAND",
         "FULL#RAND",
         "Исходный список; Случайно; Все создаваемые ставки"},
        {{3, slmExclude, ssmFirst, false, true},
         "EXCL:3#FIRST#NEX",
         "EXCL:3#FIRST#NEX",
         "Исключить 3 тиражей; Первая; Только новые ставки"},
        {{0, slmCurrent, ssmNone, true, false},
         "CURR:0#NONE#CLR",
         "CURR#NONE",
         "Текущий список; Не делать ставок; Удалить ставки; Все создаваемые ставки"},
        {{7, slmFull, ssmSystemAll, true, true},
         "FULL:7#SYSA#CLR#NEX",
         "FULL#SYSA#NEX",
         "Исходный список; Система [все]; Удалить ставки; Только новые ставки"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Dialog);
        EXPECT_EQ(ScriptOptionsText(c.Options), c.Dialog);
        EXPECT_EQ(ReadScriptOptions(c.Dialog), c.Options);
        EXPECT_EQ(ScriptVariantKey(c.Options), c.Key);
        EXPECT_EQ(OptionsText(c.Options), c.Text);
        // The key reads back as the same options without CLR (and without N unless EXCL).
        TScriptOptions withoutClear = c.Options;
        withoutClear.ClearStakes = false;
        if (withoutClear.ListMode != slmExclude) withoutClear.ExcludeDraws = 0;
        EXPECT_EQ(ReadScriptOptions(c.Key), withoutClear);
    }
    EXPECT_EQ(OptionsText({0, 3, 9, false, false}), "# ERROR #; # ERROR #; Все создаваемые ставки");
    EXPECT_STREQ(ListModeCaption(1), "Удалить N последних тиражей (для прогнозов)");
    EXPECT_STREQ(StakeModeCaption(8), "Не делать ставок (для последовательного выполнения)");
    EXPECT_STREQ(StakeModeShortText(5), "Система [комб]");
    EXPECT_STREQ(StakeModeKeyword(6), "STOP");
    EXPECT_STREQ(ListModeCaption(3), "# ERROR #");
}

TEST(ScriptLine, ListCells) {
    TStatList registry;
    registry.BuildMethods();
    const auto& captions = ScriptColumnCaptions();
    EXPECT_EQ(captions[0], "Комментарии");
    EXPECT_EQ(captions[1], "Опции");
    EXPECT_EQ(captions[8], "Фильтр 7");

    const auto cells = ScriptRowTexts(
        "excl:3#first| bmf1#nums:10#cmv:5#st | |TSD1#XYZW:3#LNO:#SF:1| | | | |Тест", registry);
    const std::array<std::string, ScriptFieldCount> expected = {
        "Тест",
        "Исключить 3 тиражей; Первая; Все создаваемые ставки",
        "TSD1#NUMS:10#CMV:5#ST:1",
        "",
        "TSD1#XYZW:3#LNO:#SF:1",
        "",
        "",
        "",
        ""};
    EXPECT_EQ(cells, expected);
    EXPECT_EQ(ScriptRowTexts("   ", registry), (std::array<std::string, ScriptFieldCount>{}));
}

}  // namespace
}  // namespace mv
