#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "engine/stakes/stake_entry.h"

namespace mv {
namespace {

TEST(StakeEntryTest, AcceptsFiveDifferentNumbersAndSortsThem) {
    struct TCase {
        const char* Text;
        std::optional<std::vector<std::uint8_t>> Expected;
    };
    const TCase cases[] = {
        {"30;7;12;3;9", std::vector<std::uint8_t>{3, 7, 9, 12, 30}},
        {" 1 , 2;3 ;; 4,36 ", std::vector<std::uint8_t>{1, 2, 3, 4, 36}},
        {"1;2;3;4", std::nullopt},      // four numbers
        {"1;2;3;4;5;6", std::nullopt},  // six
        {"1;2;3;4;37", std::nullopt},   // outside 1..36
        {"0;2;3;4;5", std::nullopt},
        {"1;2;3;4;4", std::nullopt},  // repeated
        {"1;2;3;4;x", std::nullopt},  // not a number
        {"1 2 3 4 5", std::nullopt},  // blanks do not separate
        {"", std::nullopt},
    };
    for (const TCase& c : cases) EXPECT_EQ(ParseStakeEntry(c.Text), c.Expected) << c.Text;
}

TEST(StakeEntryTest, SumCountsWordsThatAreNotNumbersAsZero) {
    EXPECT_EQ(StakeEntrySum("1;2;3;4;5"), 15);
    EXPECT_EQ(StakeEntrySum("10, x ;-3;;40"), 47);
    EXPECT_EQ(StakeEntrySum(""), 0);
}

}  // namespace
}  // namespace mv
