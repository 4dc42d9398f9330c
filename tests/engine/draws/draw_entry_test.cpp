#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "engine/core/game.h"
#include "engine/draws/draw_entry.h"

namespace mv {
namespace {

TEST(DrawEntry, AcceptsAndRefuses) {
    struct TCase {
        const char* Text;
        std::optional<TDrawEntry> Expected;
    };
    const std::vector<TCase> cases = {
        {"3;17;22;30;36;9", TDrawEntry{{3, 17, 22, 30, 36}, 9}},
        {"36,1,2,3,4,1", TDrawEntry{{36, 1, 2, 3, 4}, 1}},  // order kept, extra may repeat
        {"1;2;3;4;5;5", TDrawEntry{{1, 2, 3, 4, 5}, 5}},
        {" 1 ; 2,3;4 ;05;\t36 ", TDrawEntry{{1, 2, 3, 4, 5}, 36}},
        {"1;;2;3;4;5;6", TDrawEntry{{1, 2, 3, 4, 5}, 6}},  // a run of separators is one
        {"5;5;7;8;9;1", std::nullopt},                     // repeated number
        {"1;2;3;4;5", std::nullopt},                       // no extra number
        {"0;2;3;4;5;6", std::nullopt},                     // 0 is out of range
        {"1;2;3;4;37;6", std::nullopt},
        {"1;2;3;4;5;0", std::nullopt},
        {"1;2;3;4;5;37", std::nullopt},
        {"1;2;3;4;5;6;7", std::nullopt},
        {"1 2 3 4 5 6", std::nullopt},  // blanks do not separate
        {"a;2;3;4;5;6", std::nullopt},
        {"1;2;3;4;5;x", std::nullopt},
        {"-1;2;3;4;5;6", std::nullopt},
        {"257;2;3;4;5;6", std::nullopt},  // would wrap to 1 in a byte
        {"", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseDrawEntry(c.Text), c.Expected) << c.Text;
}

TEST(DrawEntry, BuildsTheRecordAndItsText) {
    const TDrawRec d = MakeDrawRec(1024, *ParseDrawEntry("36;1;2;3;4;9"), "05.01.2024 12:30");
    EXPECT_EQ(d.Number, 1024);
    EXPECT_EQ(d.Date(), "05.01.2024");
    EXPECT_EQ(d.Padding, (std::array<std::uint8_t, 3>{}));
    EXPECT_EQ(DrawEntryText(d), "36;1;2;3;4;9");
    EXPECT_EQ(ParseDrawEntry(DrawEntryText(d)), (TDrawEntry{d.Nums, d.Extra}));
}

}  // namespace
}  // namespace mv
