#include "engine/support/busy.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace mv {
namespace {

TEST(Busy, NestsAndNeverGoesBelowZero) {
    std::vector<int> seen;
    SetBusyObserver([&](int count) { seen.push_back(count); });
    ASSERT_TRUE(IsIdle());
    BeginBusy();
    BeginBusy();
    EndBusy();
    EXPECT_FALSE(IsIdle());  // two begins need two ends
    EndBusy();
    EXPECT_TRUE(IsIdle());
    EndBusy();  // unmatched
    EXPECT_EQ(BusyCount(), 0);
    BeginBusy();
    EXPECT_EQ(BusyCount(), 1);
    EndBusy();
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 1, 0, 0, 1, 0}));
    SetBusyObserver({});
}

TEST(Busy, GuardEndsAlsoWhenTheWorkFails) {
    try {
        const TBusyGuard outer;
        const TBusyGuard inner;
        EXPECT_EQ(BusyCount(), 2);
        throw std::runtime_error("failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_TRUE(IsIdle());
}

}  // namespace
}  // namespace mv
