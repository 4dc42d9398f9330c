#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <vector>

#include "engine/core/text_utils.h"
#include "engine/session/rating_commands.h"
#include "engine/session/stake_commands.h"
#include "engine/session/workspace.h"
#include "test_support.h"

namespace mv {
namespace {

class RatingCommandsTest : public ::testing::Test {
protected:
    test::TTempDir m_dir;
    test::TRecordingHooks m_hooks;
    TWorkspace m_ws{TDataPaths{m_dir.Path()}, m_hooks};

    void SetUp() override {
        m_ws.LockDataFiles();
        m_ws.Config().Cost = 15000;
        m_ws.Config().Profits = {{3, 150000}};
        TDrawRec draw;
        draw.Number = 1;
        draw.Nums = {5, 1, 9, 30, 22};
        m_ws.StoreDraw(draw);
    }
    TStakeRecord Stake(std::vector<std::uint8_t> numbers, const std::string& comment) {
        TStakeRecord rec = NewStakeRecord(m_ws, skManual, numbers, comment);
        rec.DrawNumber = 1;
        return rec;
    }
};

TEST_F(RatingCommandsTest, CheckFeedsRatingsWhichSurviveDeletionUntilRebuilt) {
    int notified = 0;
    TWorkspaceSubscription sub(m_ws, [&](TChanges c) { notified += (c & chRatings) ? 1 : 0; });
    const TStakeRecord stakes[] = {Stake({1, 5, 9, 10, 11}, "abc"), Stake({1, 2, 3, 4, 6}, "ABC"),
                                   Stake({7, 8, 10, 11, 12}, "other")};
    AddStakeSet(m_ws, stakes, 1);
    EXPECT_EQ(notified, 1);
    ASSERT_EQ(m_ws.Ratings().size(), 2u);
    // Sorted by the average, descending: abc (2 stakes, 4 matches) before other (0).
    const TRatingRecord& abc = m_ws.Ratings()[0];
    EXPECT_EQ(abc.Name, "abc");
    EXPECT_EQ(abc.Stakes, 2);
    EXPECT_EQ(abc.Matched, 4);
    EXPECT_EQ(abc.Profit, 135000 - 15000);
    EXPECT_EQ(LoadRatings(RatingsPath(m_ws)), m_ws.Ratings());

    // A second check adds nothing: checked stakes are fed once.
    CheckAndRefreshStakes(m_ws);
    EXPECT_EQ(m_ws.Ratings()[0].Stakes, 2);

    // Deleting stakes keeps the rows; the rebuild counts only what is left.
    DeleteStakeRows(m_ws, 1, 1);
    EXPECT_EQ(m_ws.Ratings()[0].Stakes, 2);
    RebuildRatingsFromStakes(m_ws);
    ASSERT_EQ(m_ws.Ratings().size(), 2u);
    EXPECT_EQ(m_ws.Ratings()[0].Name, "ABC");
    EXPECT_EQ(m_ws.Ratings()[0].Stakes, 1);

    // A later start reads the rows back.
    m_ws.UnlockDataFiles();
    test::TRecordingHooks hooks;
    TWorkspace again(TDataPaths{m_dir.Path()}, hooks);
    again.LockDataFiles();
    EXPECT_EQ(again.Ratings(), m_ws.Ratings());
}

TEST_F(RatingCommandsTest, HeldSaveWritesTheFileOnceWhenTheLastHoldEnds) {
    {
        TRatingsSaveHold run(m_ws);
        const TStakeRecord first[] = {Stake({1, 5, 9, 10, 11}, "abc")};
        AddStakeSet(m_ws, first, 1);
        ASSERT_EQ(m_ws.Ratings().size(), 1u);
        {
            TRatingsSaveHold nested(m_ws);
            const TStakeRecord second[] = {Stake({1, 2, 3, 4, 6}, "other")};
            AddStakeSet(m_ws, second, 1);
        }
        // The rows follow every check; the file waits for the run's end.
        EXPECT_EQ(m_ws.Ratings().size(), 2u);
        EXPECT_FALSE(std::filesystem::exists(RatingsPath(m_ws)));
    }
    EXPECT_EQ(LoadRatings(RatingsPath(m_ws)), m_ws.Ratings());

    // A hold that saw no change leaves the file alone.
    std::filesystem::remove(RatingsPath(m_ws));
    { TRatingsSaveHold idle(m_ws); }
    EXPECT_FALSE(std::filesystem::exists(RatingsPath(m_ws)));
}

TEST_F(RatingCommandsTest, HeaderClicksToggleTheDirection) {
    const TStakeRecord stakes[] = {Stake({1, 5, 9, 10, 11}, "b"), Stake({1, 2, 3, 4, 6}, "a"),
                                   Stake({1, 2, 3, 4, 7}, "a")};
    AddStakeSet(m_ws, stakes, 1);
    const auto names = [&] {
        std::string out;
        for (const auto& row : m_ws.Ratings()) out += row.Name;
        return out;
    };
    SortRatingsByColumn(m_ws, 1);  // new column: ascending
    EXPECT_EQ(names(), "ba");
    EXPECT_FALSE(m_ws.RatingsSortDescending);
    SortRatingsByColumn(m_ws, 1);  // same column: toggled
    EXPECT_EQ(names(), "ab");
    EXPECT_EQ(LoadRatings(RatingsPath(m_ws)), m_ws.Ratings());
}

}  // namespace
}  // namespace mv
