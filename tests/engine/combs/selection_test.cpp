// Applying selections of the statistics table and of the card, layout and week views.
#include <gtest/gtest.h>

#include <algorithm>

#include "combs_fixture.h"
#include "engine/combs/generation.h"
#include "engine/combs/selection.h"
#include "engine/core/errors.h"

namespace mv::test {
namespace {

bool Holds(const TComb& c, int n) {
    return std::find(c.Nums.begin(), c.Nums.end(), n) != c.Nums.end();
}

class SelectionTest : public CombsTest {
protected:
    void SetUp() override {
        AddDraw({1, 2, 3, 4, 5});
        AddDraw({2, 4, 6, 8, 10});
        GenerateCombinations(Ws, gmFullSet, "");
    }
    TStatTable Table(const std::string& code) {
        TStatTableRequest request;
        request.Registry = &Ws.Stats();
        request.MethodIndex = Ws.Stats().FindMethod(code);
        request.Draws = &Ws.DrawArchive();
        request.WindowLength = 100;
        return ComputeStatTable(request);
    }
    // Rows whose value text is one of `texts`, in table order.
    static std::vector<std::size_t> Rows(const TStatTable& table, std::vector<std::string> texts) {
        std::vector<std::size_t> rows;
        for (std::size_t i = 0; i < table.Rows.size(); ++i) {
            if (std::find(texts.begin(), texts.end(), table.Rows[i].Texts[scValue]) !=
                texts.end()) {
                rows.push_back(i);
            }
        }
        return rows;
    }
    bool Apply(const TStatSelection& selection, bool removed, const std::string& code) {
        return ApplyStatSelection(Ws, selection, removed, Ws.Stats().FindMethod(code), code);
    }
    std::size_t Count() { return Combs().CurrentList.Count(); }
};

TEST_F(SelectionTest, KeepAndRemoveSelectedTableRows) {
    const TStatTable table = Table("EVEN");
    const TStatSelection selection = TableSelection(table, Rows(table, {"2:3", "3:2"}));
    EXPECT_EQ(selection.Text, "2:3; 3:2");
    ASSERT_TRUE(Apply(selection, false, "EVEN"));
    EXPECT_EQ(Count(), 2u * 124848u);
    EXPECT_EQ(Combs().FilterLines().back(),
              (TFilterLine{"EVEN", "2:3; 3:2", 2 * 124848, TFilterMark::Kept}));
    UndoCombinations(Ws);
    EXPECT_EQ(Count(), static_cast<std::size_t>(FullSetSize));
    EXPECT_TRUE(Combs().FilterLines().empty());

    ASSERT_TRUE(Apply(selection, true, "EVEN"));
    EXPECT_EQ(Count(), static_cast<std::size_t>(FullSetSize) - 2u * 124848u);
    EXPECT_EQ(Combs().FilterLines().back().Mark, TFilterMark::Removed);
    EXPECT_EQ(Hooks.Statuses.end()[-2], "Фильтрация комбинаций...");
}

// Every value of a method that covers every combination: keeping keeps all, removing empties.
TEST_F(SelectionTest, AllRowsOfACoveringMethod) {
    const TStatTable table = Table("NUMS");
    std::vector<std::size_t> all(table.Rows.size());
    for (std::size_t i = 0; i < all.size(); ++i) all[i] = i;
    ASSERT_TRUE(Apply(TableSelection(table, all), false, "NUMS"));
    EXPECT_EQ(Count(), static_cast<std::size_t>(FullSetSize));
    ASSERT_TRUE(Apply(TableSelection(table, all), true, "NUMS"));
    EXPECT_EQ(Count(), 0u);
}

TEST_F(SelectionTest, NoSelectedRowChangesNothing) {
    DeleteSelectedCombinations(Ws, {});  // an operations row
    EXPECT_FALSE(Apply(TableSelection(Table("EVEN"), {}), false, "EVEN"));
    EXPECT_EQ(Count(), static_cast<std::size_t>(FullSetSize));
    EXPECT_EQ(Combs().FilterLines().size(), 1u);
}

TEST_F(SelectionTest, EmptyListStaysEmptyWithoutARow) {
    const TStatTable table = Table("EVEN");
    SetCurrent({});
    ASSERT_TRUE(ApplyStatSelection(Ws, TableSelection(table, {0}), false,
                                   Ws.Stats().FindMethod("EVEN"), "EVEN"));
    EXPECT_EQ(Count(), 0u);
    EXPECT_TRUE(Combs().FilterLines().empty());
}

TEST_F(SelectionTest, CardCellsSevenAndTwelve) {
    const std::vector<std::string> cells = {"7", "", "12", "7"};
    EXPECT_EQ(CardSelection(cells).Text, "7; 12");
    ApplyCardSelection(Ws, cells, false);
    const auto& list = Combs().CurrentList;
    EXPECT_EQ(Count(), static_cast<std::size_t>(FullSetSize - 278256));  // minus C(34, 5)
    EXPECT_TRUE(std::all_of(list.begin(), list.end(),
                            [](const TComb& c) { return Holds(c, 7) || Holds(c, 12); }));
    EXPECT_EQ(Combs().FilterLines().back(),
              (TFilterLine{"Карта", "7; 12", FullSetSize - 278256, TFilterMark::Kept}));

    UndoCombinations(Ws);
    ApplyCardSelection(Ws, cells, true);
    EXPECT_EQ(Count(), 278256u);
    EXPECT_TRUE(std::none_of(list.begin(), list.end(),
                             [](const TComb& c) { return Holds(c, 7) || Holds(c, 12); }));
}

TEST_F(SelectionTest, LayoutCellGivesEachBracketedNumber) {
    const TStatSelection selection = LayoutSelection({"[3], 17", "", "17,[ 20 ]"});
    EXPECT_EQ(selection.Text, "3; 17; 20");
    ASSERT_EQ(selection.Values.size(), 3u);
    EXPECT_EQ(selection.Values[0].Key, TValueKey::FromK1(3));
    EXPECT_EQ(selection.Values[2].Key, TValueKey::FromK1(20));
    ApplyLayoutSelection(Ws, {"[3], 17"}, true);
    EXPECT_EQ(Combs().FilterLines().back().Caption, "Схема");
    EXPECT_EQ(Count(), 278256u);
}

TEST_F(SelectionTest, WeekColumnsAreTheirIndices) {
    const TStatSelection selection = WeekSelection(2, 4);
    EXPECT_EQ(selection.Text, "2; 3; 4");
    ApplyWeekSelection(Ws, 2, 4, false);
    EXPECT_EQ(Combs().FilterLines().back().Caption, "Неделя");
    EXPECT_EQ(Count(), static_cast<std::size_t>(FullSetSize) - 237336u);  // minus C(33, 5)
}

TEST_F(SelectionTest, EmptyViewSelectionIsAnErrorAndKeepsTheList) {
    try {
        ApplyCardSelection(Ws, {"", " "}, false);
        FAIL() << "no error";
    } catch (const EError& e) {
        EXPECT_STREQ(e.what(), "В выделенном диапазоне нет значений для фильтра!");
    }
    EXPECT_EQ(Count(), static_cast<std::size_t>(FullSetSize));
    EXPECT_THROW(ApplyWeekSelection(Ws, 3, 2, false), EError);
    EXPECT_THROW(ApplyLayoutSelection(Ws, {"[ ]", ","}, false), EError);
    EXPECT_TRUE(Combs().FilterLines().empty());
    EXPECT_FALSE(Combs().CanUndo()) << "a rejected selection takes no undo copy";
}

}  // namespace
}  // namespace mv::test
