// The working list, its undo copy, the keyed buffer and the operations list.
#include <gtest/gtest.h>

#include "combs_fixture.h"
#include "engine/combs/generation.h"

namespace mv::test {
namespace {

TEST(CombsArray, GrowsKeepingItsEntriesAndCopiesGrowTheTarget) {
    TCombsArray list(2);
    list.Append(Comb(1, 2, 3, 4, 5));
    list.Append(Comb(6, 7, 8, 9, 10));
    list.Append(Comb(11, 12, 13, 14, 15));  // past the allocation
    EXPECT_GE(list.Capacity(), 3u);
    EXPECT_EQ(ListOf(list), (std::vector<TComb>{Comb(1, 2, 3, 4, 5), Comb(6, 7, 8, 9, 10),
                                                Comb(11, 12, 13, 14, 15)}));
    list.Reserve(1);  // never shrinks
    EXPECT_EQ(list.Count(), 3u);

    TCombsArray copy;
    copy.CopyFrom(list);
    EXPECT_EQ(copy.Capacity(), list.Capacity());
    EXPECT_EQ(ListOf(copy), ListOf(list));
    EXPECT_THROW(copy.SetCount(copy.Capacity() + 1), std::length_error);
    copy.Release();
    EXPECT_EQ(copy.Count(), 0u);
    EXPECT_EQ(copy.Capacity(), 0u);
}

// The lists of one workspace as the combs layer keeps them (no session commands).
class CombinationsTest : public ::testing::Test {
protected:
    TRecordingHooks Hooks;
    TCombinations Combs{Hooks};
};

TEST_F(CombinationsTest, StartsPreallocatedAndEmpty) {
    for (const TCombsArray* list : {&Combs.CurrentList, &Combs.UndoList, &Combs.ListBuffer}) {
        EXPECT_EQ(list->Count(), 0u);
        EXPECT_GE(list->Capacity(), static_cast<std::size_t>(FullSetSize));
    }
    EXPECT_EQ(Combs.BufferKey(), (TBufferKey{-1, -1}));
    EXPECT_FALSE(Combs.CanUndo());
}

TEST_F(CombinationsTest, InteractiveFormsShowTheirStatusSilentOnesNothing) {
    SetList(Combs.CurrentList, {Comb(1, 2, 3, 4, 5)});
    Combs.SnapshotForUndo(false);
    Combs.UndoLastOperation(false);
    EXPECT_TRUE(Hooks.Statuses.empty());
    Combs.SnapshotForUndo(true);
    Combs.UndoLastOperation(true);
    EXPECT_EQ(Hooks.Statuses, (std::vector<std::string>{"Создание файла отката...", "",
                                                        "Отмена изменений...", ""}));
}

TEST_F(CombinationsTest, OperationRowsCarryCountAndMark) {
    SetList(Combs.CurrentList, {Comb(1, 2, 3, 4, 5), Comb(1, 2, 3, 4, 6)});
    Combs.AddFilterLine(false, "Числа тиража", "7; 12");
    Combs.AddFilterLine(true, "Карта", "3");
    Combs.AddUndoLine();
    EXPECT_EQ(
        Combs.FilterLines(),
        (std::vector<TFilterLine>{{"Числа тиража", "7; 12", 2, TFilterMark::Kept},
                                  {"Карта", "3", 2, TFilterMark::Removed},
                                  {"Отмена последней операции", "", 2, TFilterMark::Undone}}));
    Combs.ClearFilterLines();
    EXPECT_TRUE(Combs.FilterLines().empty());
}

TEST_F(CombinationsTest, BufferIsKeyedAndAnEqualKeyKeepsTheStoredList) {
    SetList(Combs.CurrentList, {Comb(1, 2, 3, 4, 5)});
    Combs.SaveToBuffer(2, 3);
    EXPECT_EQ(Hooks.Statuses.front(), "Создание буфера комбинаций...");
    SetList(Combs.CurrentList, {Comb(6, 7, 8, 9, 10), Comb(1, 7, 8, 9, 10)});
    Combs.SaveToBuffer(2, 3);  // same key: nothing happens
    EXPECT_EQ(ListOf(Combs.ListBuffer), std::vector<TComb>{Comb(1, 2, 3, 4, 5)});

    EXPECT_FALSE(Combs.LoadFromBuffer(2, 4));
    EXPECT_EQ(Combs.CurrentList.Count(), 2u);
    EXPECT_TRUE(Combs.LoadFromBuffer(2, 3));
    EXPECT_EQ(ListOf(Combs.CurrentList), std::vector<TComb>{Comb(1, 2, 3, 4, 5)});

    Combs.InvalidateBuffer();
    EXPECT_EQ(Combs.BufferKey(), (TBufferKey{-1, -1}));
    EXPECT_FALSE(Combs.LoadFromBuffer(-1, -1));
}

// The same lists behind a workspace, changed only through its list commands.
using ListCommandsTest = CombsTest;

// Two filters in a row, then undo: the list is as after the first, its row is the last one,
// and a second undo is impossible. Every command tells the subscribers that the list changed.
TEST_F(ListCommandsTest, UndoAfterTwoFiltersRestoresTheFirstResultOnce) {
    std::vector<TChanges> heard;
    const int handle = Ws.Subscribe([&heard](TChanges c) { heard.push_back(c); });
    GenerateCombinations(Ws, gmOnlyMine, "1,2,3,4,5,6");
    ASSERT_EQ(Combs().CurrentList.Count(), 6u);
    EXPECT_FALSE(Combs().CanUndo()) << "generation leaves nothing to undo";

    DeleteSelectedCombinations(Ws, {0});
    const std::vector<TComb> afterFirst = ListOf(Combs().CurrentList);
    DeleteSelectedCombinations(Ws, {0, 1, 1, 99});  // a repeated row and one past the list
    EXPECT_EQ(Combs().CurrentList.Count(), 3u);
    ASSERT_EQ(Combs().FilterLines().size(), 2u);
    EXPECT_EQ(Combs().FilterLines()[1],
              (TFilterLine{"Выделенные комбинации", "2", 3, TFilterMark::Removed}));

    UndoCombinations(Ws);
    EXPECT_EQ(ListOf(Combs().CurrentList), afterFirst);
    ASSERT_EQ(Combs().FilterLines().size(), 1u);
    EXPECT_EQ(Combs().FilterLines()[0].Count, 5);
    EXPECT_FALSE(Combs().CanUndo());
    UndoCombinations(Ws);
    EXPECT_EQ(ListOf(Combs().CurrentList), afterFirst);
    EXPECT_EQ(Combs().FilterLines().size(), 1u);
    EXPECT_EQ(heard, std::vector<TChanges>(5, chList));

    Ws.Unsubscribe(handle);
    UndoCombinations(Ws);
    EXPECT_EQ(heard.size(), 5u);
}

// A command that fails still tells the subscribers: the view must show the list put back.
TEST_F(ListCommandsTest, AFailedCommandStillNotifies) {
    int heard = 0;
    Ws.Subscribe([&heard](TChanges c) { heard += (c & chList) ? 1 : 0; });
    SetCurrent({Comb(1, 2, 3, 4, 5)});
    EXPECT_THROW(PasteCombinations(Ws, "1 2 3"), EError);
    EXPECT_EQ(ListOf(Combs().CurrentList), std::vector<TComb>{Comb(1, 2, 3, 4, 5)});
    EXPECT_EQ(heard, 2);
}

TEST_F(ListCommandsTest, NewGenerationEmptiesTheBufferButKeepsItsKey) {
    GenerateCombinations(Ws, gmFullSet, "");
    SaveListToBuffer(Ws, 0, 3);
    GenerateCombinations(Ws, gmFullSet, "");
    EXPECT_EQ(Combs().BufferKey(), (TBufferKey{0, 3}));
    EXPECT_FALSE(LoadListFromBuffer(Ws, 0, 3));
    // The silent form (scenarios) leaves the buffer alone.
    InvalidateListBuffer(Ws);
    SaveListToBuffer(Ws, 0, 3);
    GenerateCombinations(Ws, gmFullSet, "", false);
    EXPECT_TRUE(LoadListFromBuffer(Ws, 0, 3));
}

}  // namespace
}  // namespace mv::test
