// Filter items: the text form and its reading rules, value lists, the selection and stop
// modes, and the predicate each selection mode applies to a statistics-table row.
#include "engine/stats/filter_item.h"

#include <gtest/gtest.h>

#include "engine/core/errors.h"
#include "engine/core/text_utils.h"
#include "engine/stats/value_list.h"

namespace mv {
namespace {

class FilterItemTest : public ::testing::Test {
protected:
    void SetUp() override { m_registry.BuildMethods(); }
    const TStatMethod* Method(const std::string& code) const {
        const int i = m_registry.FindMethod(code);
        return i < 0 ? nullptr : &m_registry.Method(i);
    }
    TStatList m_registry;
};

TEST_F(FilterItemTest, SampleItemReadsAndWritesBackIdentically) {
    for (const std::string code : {"NUMS", "SUMS"}) {
        const std::string text = "TSD1#" + code + ":10#LNO:#SF:1";
        const TFilterItem item = TextToItem(text, m_registry);
        EXPECT_TRUE(item.Active);
        EXPECT_EQ(item.SortColumn, 1);
        EXPECT_FALSE(item.BottomUp || item.MultiSelect || item.Keep || item.OverrideWeights);
        EXPECT_EQ(item.CodeText, code + ":10");
        // A method the registry does not (yet) know stays unresolved but keeps its token.
        EXPECT_EQ(item.Method, Method(code)) << code;
        EXPECT_EQ(item.WindowText, item.Method ? "10" : "");
        EXPECT_EQ(item.LevelMode, 0);
        EXPECT_EQ(item.LevelText, "");
        EXPECT_EQ(item.StopMode, 0);
        EXPECT_EQ(item.StopValue, 1);
        EXPECT_EQ(ItemToText(item), text);
    }
    ASSERT_NE(Method("NUMS"), nullptr);
}

TEST_F(FilterItemTest, ReadingRules) {
    struct TCase {
        std::string Text;
        std::string Normal;  // ItemToText of what was read
        int Sort;
        bool B, M, F;
        int Level;
        std::string LevelText;
        int Stop, StopValue;
    };
    const std::vector<TCase> cases = {
        // Letters are case-sensitive, codes are not; a stop token without a number gives 1.
        {"bmf5#nums:20#cmv:5#st", "TSD5#NUMS:20#CMV:5#ST:1", 5, false, false, false, 13, "5", 3, 1},
        {"BMF#NUMS:20#CMV:5#ST:4", "BMF1#NUMS:20#CMV:5#ST:4", 1, true, true, true, 13, "5", 3, 4},
        {"FDB0#NUMS:7", "BSF0#NUMS:7#LNO:#SF:0", 0, true, false, true, 0, "", 0, 0},
        {"TSDx#NUMS:7#LMV:3", "TSD1#NUMS:7#LMV:3#SF:0", 1, false, false, false, 1, "3", 0, 0},
        // Columns 10..19 need a second digit; beyond that only the first digit counts.
        {"TSD12#NUMS:7#LNO:#SF:1", "TSD12#NUMS:7#LNO:#SF:1", 12, false, false, false, 0, "", 0, 1},
        {"TSD25#NUMS:7#LNO:#SF:1", "TSD2#NUMS:7#LNO:#SF:1", 2, false, false, false, 0, "", 0, 1},
        {"TSD05#NUMS:7#LNO:#SF:1", "TSD0#NUMS:7#LNO:#SF:1", 0, false, false, false, 0, "", 0, 1},
        // Value lists are kept as written, trimmed.
        {"TMD3#NUMS: 10-50;10 #LDV: 1,2;3 #SP:abc", "TMD3#NUMS:10-50;10#LDV:1,2;3#SP:1", 3, false,
         true, false, 5, "1,2;3", 5, 1},
        // An unknown selection code leaves mode 0 and no values; runs of "#" and blanks vanish.
        {" TSD2 ## NUMS:5 # QQQ:9 # SV:7 ", "TSD2#NUMS:5#LNO:#SV:7", 2, false, false, false, 0, "",
         4, 7},
        // The stop code is matched as a prefix; an unknown stop still reads its number.
        {"TSD1#NUMS:5#PXR:9#SPX:12", "TSD1#NUMS:5#PXR:9#SP:12", 1, false, false, false, 30, "9", 5,
         12},
        {"TSD1#NUMS:5#LVA:1#XX:12", "TSD1#NUMS:5#LVA:1#SF:12", 1, false, false, false, 31, "1", 0,
         12},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        const TFilterItem item = TextToItem(c.Text, m_registry);
        EXPECT_TRUE(item.Active);
        EXPECT_EQ(item.Method, Method("NUMS"));
        EXPECT_EQ(item.SortColumn, c.Sort);
        EXPECT_EQ(item.BottomUp, c.B);
        EXPECT_EQ(item.MultiSelect, c.M);
        EXPECT_EQ(item.Keep, c.F);
        EXPECT_EQ(item.LevelMode, c.Level);
        EXPECT_EQ(item.LevelText, c.LevelText);
        EXPECT_EQ(item.StopMode, c.Stop);
        EXPECT_EQ(item.StopValue, c.StopValue);
        EXPECT_EQ(ItemToText(item), c.Normal);
        EXPECT_EQ(NormalizeItemText(c.Normal, m_registry), c.Normal);
    }
}

TEST_F(FilterItemTest, EmptyTextsAndUnknownMethods) {
    for (const std::string text : {"", "   ", "##"}) {
        const TFilterItem item = TextToItem(text, m_registry);
        EXPECT_FALSE(item.Active) << '"' << text << '"';
        EXPECT_EQ(ItemToText(item), "");
    }
    // An unknown code keeps the token it was read with, window lengths and all.
    const TFilterItem unknown = TextToItem("TSD1#XYZW:10#CMV:5#ST:2", m_registry);
    EXPECT_TRUE(unknown.Active);
    EXPECT_EQ(unknown.Method, nullptr);
    EXPECT_EQ(unknown.CodeText, "XYZW:10");
    EXPECT_EQ(unknown.WindowText, "");
    EXPECT_EQ(ItemToText(unknown), "TSD1#XYZW:10#CMV:5#ST:2");
    // A code is resolved by the registry as a whole code, never as the beginning of the text.
    EXPECT_EQ(NormalizeItemText("TSD1#pos3:10", m_registry), "TSD1#POS3:10#LNO:#SF:0");
    EXPECT_EQ(NormalizeItemText("TSD1#NUMSX:10", m_registry), "TSD1#NUMSX:10#LNO:#SF:0");
    const TFilterItem longer = TextToItem("TSD1#POS10:10", m_registry);
    EXPECT_EQ(longer.Method, nullptr);
    EXPECT_EQ(longer.WindowText, "");
    EXPECT_EQ(NormalizeItemText("TSD1#NUMS", m_registry), "TSD1#NUMS:#LNO:#SF:0");
}

// An item of flags alone (no method token) was written with an empty token, "TSD2##LNO:",
// which read back with the selection token in the method's place and the stop token in the
// selection's, so every save of the scenario shifted the item further.
TEST_F(FilterItemTest, ItemWithoutMethodTokenReadsBackTheSame) {
    for (const std::string text : {"10;20;30", "TSD2", "BMF1#"}) {
        SCOPED_TRACE(text);
        const std::string written = NormalizeItemText(text, m_registry);
        EXPECT_EQ(NormalizeItemText(written, m_registry), written);
        const TFilterItem again = TextToItem(written, m_registry);
        EXPECT_EQ(again.LevelMode, 0);
        EXPECT_EQ(again.StopMode, 0);
        EXPECT_EQ(again.Method, nullptr);
    }
    EXPECT_EQ(NormalizeItemText("TSD2", m_registry), "TSD2#:#LNO:#SF:0");
}

TEST_F(FilterItemTest, WeightToken) {
    struct TCase {
        std::string Token;
        long double Count, Deviation, Depth;
        bool Percents, Abs;
        std::string Normal;
    };
    const std::vector<TCase> cases = {
        {"0:-1:1:0:0", 0, -1, 1, false, false, "0:-1:1:0:0"},
        // Written under a comma locale by an older writer, or typed with either separator.
        {"0,5:-1,25:1.5:1:1", 0.5L, -1.25L, 1.5L, true, true, "0.5:-1.25:1.5:1:1"},
        // Lenient: stray characters are ignored, nothing readable is 0, switches need "1".
        {"x1.5y:abc:-2:true:1", 1.5L, 0, -2, false, true, "1.5:0:-2:0:1"},
        {"2", 2, 0, 0, false, false, "2:0:0:0:0"},
        {"1e5:0:0:01:1 ", 15, 0, 0, false, true, "15:0:0:0:1"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Token);
        const TFilterItem item = TextToItem("TSD1#NUMS:10#WMV:3#SF:1#" + c.Token, m_registry);
        EXPECT_TRUE(item.OverrideWeights);
        EXPECT_EQ(item.Weights.CoefCount, c.Count);
        EXPECT_EQ(item.Weights.CoefDeviation, c.Deviation);
        EXPECT_EQ(item.Weights.CoefLevel, c.Depth);
        EXPECT_EQ(item.Weights.UsePercents, c.Percents);
        EXPECT_EQ(item.Weights.UseAbsValues, c.Abs);
        EXPECT_EQ(ItemToText(item), "TSD1#NUMS:10#WMV:3#SF:1#" + c.Normal);
    }
}

// Coefficients go out with "." in their shortest form of 15 significant digits whatever the
// interface's separator, and come back as the same values on any system.
TEST_F(FilterItemTest, CoefficientsSurviveACommaLocale) {
    const char saved = DecimalSeparator();
    SetDecimalSeparator(',');
    TFilterItem item = TextToItem("TSD1#NUMS:10#WLV:2#SF:1", m_registry);
    item.OverrideWeights = true;
    item.Weights = {0.1L, -1.25L, 1e-7L, true, false};
    const std::string text = ItemToText(item);
    SetDecimalSeparator(saved);
    EXPECT_EQ(text, "TSD1#NUMS:10#WLV:2#SF:1#0.1:-1.25:0.0000001:1:0");
    for (const char separator : {',', '.'}) {
        SetDecimalSeparator(separator);
        const TFilterItem back = TextToItem(text, m_registry);
        EXPECT_EQ(back.Weights, item.Weights) << separator;
        EXPECT_EQ(ItemToText(back), text);
    }
    SetDecimalSeparator(saved);

    struct TCase {
        long double Value;
        std::string Text;
    };
    const std::vector<TCase> exact = {
        {0, "0"},
        {-0.0L, "0"},
        {-1, "-1"},
        {0.1L, "0.1"},
        {1e-5L, "0.00001"},
        {1234567.125L, "1234567.125"},
        {2.5e20L, "250000000000000000000"},
        {-0.333L, "-0.333"},
        {123456789012345L, "123456789012345"},
    };
    for (const TCase& c : exact) {
        EXPECT_EQ(CoefficientText(c.Value), c.Text);
        EXPECT_EQ(ReadCoefficient(c.Text), c.Value) << c.Text;
    }
    // More digits than 15 are rounded; a value that passed through a double is written as
    // typed.
    EXPECT_EQ(CoefficientText(-1.0L / 3.0L), "-0.333333333333333");
    EXPECT_EQ(CoefficientText(static_cast<long double>(0.1)), "0.1");
    EXPECT_EQ(CoefficientText(1234567890123456789.0L), "1234567890123460000");
    EXPECT_EQ(CoefficientText(0.99999999999999999L), "1");
}

TEST(ValueList, ListAndRangeForms) {
    using V = std::vector<std::int32_t>;
    const std::vector<std::pair<std::string, V>> cases = {
        {"", {}},
        {"5", {5}},
        {"0", {0}},
        {"-5", {-5}},
        {"1; 2; 3", {1, 2, 3}},
        {"1,2,3", {1, 2, 3}},
        {" 1 ,, 2 ;", {1, 2}},
        {"1-10;2", {1, 3, 5, 7, 9}},
        {"10-1;-3", {10, 7, 4, 1}},
        {"1-10;3", {1, 4, 7, 10}},
        {" 1 - 10 , 5 ", {1, 6}},
        {"-5--1;2", {-5, -3, -1}},
        {"1-2;5", {1}},   // (2 - 1) div 5 + 1 = 1
        {"1-10", {}},     // no step
        {"1-10;0", {}},   // zero step
        {"1-10;-1", {}},  // negative count
        {"10-1;1", {}},
        {"1-10;2;3", {}},  // the step must be one integer
        {"a,b", {}},
        {"1;2-3", {}},
        {"1.5", {}},
        {"3000000000", {}},   // outside int32
        {"1-3000000;1", {}},  // would expand past MaxValueListCount
        {"-2147483648-2147483647;1", {}},
        {"1-100000;1", {}},  // exactly MaxValueListCount values is still allowed, checked below
    };
    for (const auto& [text, expected] : cases) {
        if (text == "1-100000;1") continue;
        EXPECT_EQ(ParseValueList(text), expected) << '"' << text << '"';
    }
    EXPECT_EQ(ParseValueList("1-100000;1").size(), static_cast<std::size_t>(MaxValueListCount));
    EXPECT_TRUE(ParseValueList("1-100001;1").empty());
    EXPECT_EQ(ParseValueList("-2147483648-2147483647;2147483647"),
              (V{-2147483647 - 1, -1, 2147483646}));
    EXPECT_EQ(JoinValueList({1, -2, 30}, ","), "1,-2,30");
    EXPECT_EQ(JoinValueList({7}, ", "), "7");
    EXPECT_EQ(JoinValueList({}, ","), "");
}

TEST(FilterModes, CodesAndCaptions) {
    std::string codes;
    for (int mode = 0; mode < LevelModeCount; ++mode) codes += std::string(LevelCode(mode)) + " ";
    EXPECT_EQ(codes,
              "LNO LMV LMP LLV LLP LDV LDP DMV DMP DLV DLP DDV DDP CMV CMP CLV CLP CDV CDP WMV "
              "WLV WDV PIM PIL PIR PAM PAL PAR PXM PXL PXR LVA ");
    EXPECT_STREQ(LevelCaption(0), "Весь список (без условий)");
    EXPECT_STREQ(LevelCaption(12), "\"Отклонение\": из заданного списка процентов");
    EXPECT_STREQ(LevelCaption(16), "\"Количество\": не более заданного процента");
    EXPECT_STREQ(LevelCaption(31), "\"Значения\": из заданного списка значений");
    EXPECT_STREQ(LevelCaption(32), "# ERROR #");
    EXPECT_STREQ(LevelCaption(-1), "# ERROR #");
    EXPECT_STREQ(LevelCode(32), "");
    std::string stops;
    for (int mode = 0; mode < StopModeCount; ++mode) stops += std::string(StopCode(mode)) + " ";
    EXPECT_EQ(stops, "SF SC SZ ST SV SP ");
    EXPECT_STREQ(StopCaption(2), "Пока список не будет пуст и откатить на шаг");
    EXPECT_STREQ(StopCaption(6), "# ERROR #");
    std::vector<int> lists;
    for (int mode = -1; mode <= LevelModeCount; ++mode) {
        if (IsListLevelMode(mode)) lists.push_back(mode);
    }
    EXPECT_EQ(lists, (std::vector<int>{5, 6, 11, 12, 17, 18, 21, 24, 27, 30, 31}));
    EXPECT_EQ(LevelColumn(0), -1);
    EXPECT_EQ(LevelColumn(13), scCount);
    EXPECT_EQ(LevelColumn(31), scValue);
}

TEST(FilterModes, RowPredicates) {
    TStatValues seen;
    seen.ValueText = "17";
    seen.SelectionValue = 17;
    seen.Count = "7";
    seen.CountPercent = "12,50000";
    seen.Deviation = "-2";
    seen.DeviationPercent = "-22.22222";  // either separator is a number
    seen.Depth = "3";
    seen.DepthPercent = "50,00";
    seen.Weight = "5,00";
    seen.PeriodMin = "2";
    seen.Period = "4,5000";
    seen.PeriodMax = "9";
    // A value never drawn in the window: dashes from the depth on, no comparison.
    TStatValues unseen;
    unseen.ValueText = "3";
    unseen.SelectionValue = 3;
    unseen.Count = "0";
    unseen.CountPercent = "0,00000";
    unseen.Deviation = unseen.DeviationPercent = unseen.Depth = unseen.DepthPercent = "-";
    unseen.Weight = unseen.PeriodMin = unseen.Period = unseen.PeriodMax = "-";

    struct TCase {
        int Mode;
        std::string Value;
        bool Seen, Unseen;
    };
    const std::vector<TCase> cases = {
        {0, "", true, true},       {1, "3", true, false},    {1, "0", true, true},
        {1, "4", false, false},    {2, "50", true, false},   {3, "3", true, false},
        {3, "2", false, false},    {3, "65535", true, true}, {4, "49", false, false},
        {4, "65535", true, true},  {7, "-2", true, true},    {7, "1", false, false},
        {9, "-3", false, false},   {9, "-2", true, false},   {10, "-22", true, false},
        {13, "7", true, false},    {13, "0", true, true},    {14, "12", true, false},
        {14, "13", false, false},  {15, "6", false, true},   {16, "12", false, true},
        {19, "5", true, false},    {19, "0", true, true},    {20, "4", false, true},
        {20, "5", true, true},     {22, "2", true, false},   {23, "1", false, false},
        {25, "4", true, false},    {26, "4", false, true},   {28, "10", false, false},
        {29, "9", true, false},    {29, "100", true, false}, {31, "1,17", true, false},
        {31, "3; 4", false, true}, {32, "x", true, true},    {255, "", true, true},
        {-1, "", true, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.Mode) + " " + c.Value);
        const TLevelTest test(c.Mode, c.Value);
        EXPECT_EQ(test.Matches(seen), c.Seen);
        EXPECT_EQ(test.Matches(unseen), c.Unseen);
    }

    // List modes convert the cell strictly: a dash is a conversion error, not a default.
    struct TListCase {
        int Mode;
        std::string Value;
        bool Seen;
    };
    const std::vector<TListCase> lists = {
        {5, "1,3;5", true}, {5, "1,2", false},  {6, "50", true},   {6, "37", false},
        {11, "-2", true},   {12, "-22", false}, {17, "6;7", true}, {18, "12", false},
        {21, "5", true},    {24, "2", true},    {27, "4", false},  {30, "8,9", true},
    };
    for (const TListCase& c : lists) {
        SCOPED_TRACE(std::to_string(c.Mode) + " " + c.Value);
        EXPECT_EQ(LevelMatches(c.Mode, c.Value, seen), c.Seen);
        if (c.Mode != 17 && c.Mode != 18) {  // count cells always hold numbers
            EXPECT_THROW(LevelMatches(c.Mode, c.Value, unseen), EConvertError);
        }
    }
    // Values that are not numbers fail the comparison as well.
    EXPECT_THROW(LevelMatches(13, "x", seen), EConvertError);
    EXPECT_THROW(LevelMatches(13, "1.5", seen), EConvertError);
    EXPECT_THROW(LevelMatches(17, "1,x", seen), EConvertError);
    EXPECT_NO_THROW(LevelMatches(0, "x", seen));
    try {
        LevelMatches(5, "1", unseen);
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "\"-\" - недопустимое целое число");
    }
}

TEST_F(FilterItemTest, PartAndStepDescriptions) {
    TFilterRec step{};
    TFilterPart& first = step[0];
    first.Active = true;
    first.Method = Method("NUMS");
    first.WindowLength = 10;
    first.SortColumn = 7;  // not part of a description
    first.BottomUp = first.MultiSelect = first.Keep = true;
    first.LevelMode = 13;
    first.LevelValue = "5";
    first.LevelText = "5-9;2";
    first.StopMode = 3;
    first.StopValue = 2;
    TFilterPart& third = step[2];
    third.Active = true;
    third.Method = Method("EVEN");
    third.WindowLength = 30;
    third.OverrideWeights = true;
    third.Weights = {0.25L, -1, 2, false, true};
    third.StopValue = 1;
    EXPECT_EQ(PartToText(first), "BMF#NUMS:10#CMV:5-9;2#ST:2");
    EXPECT_EQ(PartToText(step[1]), "");
    EXPECT_EQ(PartToText(third), "TSD#EVEN:30#LNO:#SF:1#0.25:-1:2:0:1");
    EXPECT_EQ(StepToText(step), "BMF#NUMS:10#CMV:5-9;2#ST:2 + TSD#EVEN:30#LNO:#SF:1#0.25:-1:2:0:1");
    EXPECT_EQ(StepToText(TFilterRec{}), "");
    EXPECT_EQ(PartWeights(third).Override, true);
    EXPECT_EQ(PartWeights(third).Weights.CoefCount, 0.25L);
}

}  // namespace
}  // namespace mv
