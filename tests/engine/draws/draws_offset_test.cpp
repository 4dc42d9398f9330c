#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "engine/draws/archive_file.h"
#include "engine/session/workspace.h"
#include "test_support.h"

namespace mv {
namespace {

using TNums = std::array<std::uint8_t, NumbersInDraw>;

// Draw i (index) is numbered 1001 + i, so a draw number never equals its index.
TDrawRec NumberedDraw(int i) {
    TDrawRec d;
    d.Number = 1001 + i;
    for (int k = 0; k < NumbersInDraw; ++k) {
        d.Nums[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>((i + 7 * k) % 36 + 1);
    }
    d.Nums[0] = 36;  // stored order is not ascending
    d.Extra = static_cast<std::uint8_t>(i % 36 + 1);
    return d;
}

std::vector<int> Members(const std::bitset<MaxNumber + 1>& set) {
    std::vector<int> out;
    for (int n = 0; n <= MaxNumber; ++n) {
        if (set.test(static_cast<std::size_t>(n))) out.push_back(n);
    }
    return out;
}

std::vector<int> SortedMembers(const TNums& nums) {
    std::bitset<MaxNumber + 1> set;
    for (const auto n : nums) set.set(n);
    return Members(set);
}

class DrawsOffsetTest : public ::testing::Test {
protected:
    test::TTempDir m_dir;
    test::TRecordingHooks m_hooks;
    TWorkspace m_ws{TDataPaths{m_dir.Path()}, m_hooks};

    void SetUp() override {
        TDrawsArray draws;
        for (int i = 0; i < 100; ++i) draws.push_back(NumberedDraw(i));
        m_ws.ResetDraws(std::move(draws));
    }
};

TEST_F(DrawsOffsetTest, HundredDrawsWithOffsetThree) {
    EXPECT_TRUE(m_ws.SetDrawsOffset(3));
    EXPECT_FALSE(m_ws.SetDrawsOffset(3));
    EXPECT_EQ(m_ws.DrawsOffset(), 3);
    // Analysis sees indices 0..96: the newest analysed draw is index 96.
    EXPECT_EQ(m_ws.IndexAtPosition(3), 96);
    EXPECT_EQ(m_ws.NextDrawNumber(3), NumberedDraw(96).Number + 1);
    EXPECT_EQ(m_ws.NextDrawNumber(0), 1101);
    // The first hidden draw is index 97.
    EXPECT_EQ(m_ws.DrawNumbersAt(2), NumberedDraw(97).Nums);
    EXPECT_EQ(Members(m_ws.HiddenDrawNumbers()), SortedMembers(NumberedDraw(97).Nums));
}

TEST_F(DrawsOffsetTest, PositionsOutsideTheArchive) {
    EXPECT_EQ(m_ws.NextDrawNumber(100), -1);
    EXPECT_EQ(m_ws.NextDrawNumber(-1), -1);
    EXPECT_EQ(m_ws.DrawNumbersAt(100), TNums{});
    EXPECT_EQ(m_ws.DrawNumbersAt(-1), TNums{});
    EXPECT_EQ(m_ws.DrawNumbersAt(0), NumberedDraw(99).Nums);

    m_ws.ResetDraws({});
    EXPECT_EQ(m_ws.NextDrawNumber(0), 1);
    EXPECT_EQ(m_ws.NextDrawNumber(5), 1);

    // A damaged archive's largest int32 does not overflow into a negative next number.
    TDrawRec draw = NumberedDraw(0);
    draw.Number = 2147483647;
    m_ws.ResetDraws({draw});
    EXPECT_EQ(m_ws.NextDrawNumber(0), 2147483647);
    draw.Number = MaxDrawNumber;
    m_ws.ResetDraws({draw});
    EXPECT_EQ(m_ws.NextDrawNumber(0), MaxDrawNumber + 1);
}

TEST_F(DrawsOffsetTest, OffsetIsClampedAndHiddenNumbersFollowIt) {
    EXPECT_TRUE(Members(m_ws.HiddenDrawNumbers()).empty());
    m_ws.SetDrawsOffset(500);
    EXPECT_EQ(m_ws.DrawsOffset(), 99);
    EXPECT_EQ(Members(m_ws.HiddenDrawNumbers()), SortedMembers(NumberedDraw(1).Nums));
    m_ws.SetDrawsOffset(-4);
    EXPECT_EQ(m_ws.DrawsOffset(), 0);
    EXPECT_TRUE(Members(m_ws.HiddenDrawNumbers()).empty());
}

TEST_F(DrawsOffsetTest, DeletingDrawsPullsTheOffsetBackIntoTheArchive) {
    m_ws.SetDrawsOffset(99);
    std::vector<std::int32_t> numbers;
    for (int i = 10; i < 100; ++i) numbers.push_back(NumberedDraw(i).Number);
    m_ws.DeleteDraws(numbers);
    EXPECT_EQ(m_ws.DrawCount(), 10);
    EXPECT_EQ(m_ws.DrawsOffset(), 9);
    EXPECT_EQ(Members(m_ws.HiddenDrawNumbers()), SortedMembers(NumberedDraw(1).Nums));
}

TEST_F(DrawsOffsetTest, SortedViewSortsCopiesOnly) {
    m_ws.WriteArchive();
    const std::string before = test::ReadBytes(m_ws.Paths().Archive());
    m_ws.SetSortedDraws(true);
    const TDrawRec shown = m_ws.DrawAtPosition(0);
    EXPECT_TRUE(std::is_sorted(shown.Nums.begin(), shown.Nums.end()));
    EXPECT_EQ(m_ws.DrawArchive().back().Nums, NumberedDraw(99).Nums);
    m_ws.WriteArchive();
    EXPECT_EQ(test::ReadBytes(m_ws.Paths().Archive()), before);
}

TEST_F(DrawsOffsetTest, DuplicateNumbersDeleteTheOneFoundFirst) {
    TDrawRec dup = NumberedDraw(50);
    dup.Extra = 77;
    m_ws.StoreDraw(dup);  // a second draw 1051, the newest record
    ASSERT_EQ(m_ws.DrawCount(), 101);
    // The newest draw is compared before anything else, so the copy just added goes.
    m_ws.DeleteDraws({1051});
    ASSERT_EQ(m_ws.DrawCount(), 100);
    EXPECT_EQ(m_ws.DrawArchive().back().Number, 1100);
    EXPECT_EQ(m_ws.DrawArchive()[50].Number, 1051);

    // With a later draw behind it, the walk from the interpolation guess meets the older
    // draw 1051 first.
    m_ws.StoreDraw(dup);
    TDrawRec later = NumberedDraw(199);
    m_ws.StoreDraw(later);
    m_ws.DeleteDraws({1051});
    ASSERT_EQ(m_ws.DrawCount(), 101);
    EXPECT_EQ(m_ws.DrawArchive()[50].Number, 1052);
    EXPECT_EQ(m_ws.DrawArchive()[99].Extra, 77);
}

}  // namespace
}  // namespace mv
