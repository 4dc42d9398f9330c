// The regular stakes file: records from any bytes written and decoded again are the same
// records; advancing a damaged one is refused rather than stepping outside the game.
#include <algorithm>

#include "engine/ratings/regulars.h"
#include "fuzz_target.h"

MV_FUZZ_TARGET(regulars) {
    using namespace mv;
    const TRegulars regulars = DecodeRegulars(fuzz::AsText(data, size));
    TDrawsArray draws(3);
    for (std::size_t i = 0; i < draws.size(); ++i) {
        draws[i].Number = static_cast<std::int32_t>(i + 1);
        draws[i].Nums = {1, 9, 17, 25, static_cast<std::uint8_t>(33 + i)};
    }
    for (const TTableRecord& rec : regulars) {
        const TRegularBytes bytes = EncodeRegularRec(rec);
        MV_FUZZ_CHECK(DecodeRegularRec(bytes.data()) == rec);
        (void)RegularCombText(rec.Start);
        const std::string current = RegularCombText(rec.Current);
        if (const auto comb = ParseRegularComb(current)) {
            TRegularComb sorted = rec.Current;
            std::sort(sorted.begin(), sorted.end());
            MV_FUZZ_CHECK(*comb == sorted);
        }
        for (int offset : {0, 2, 5}) {
            TTableRecord advanced = rec;
            if (!AdvanceRegular(advanced, draws, offset)) continue;
            for (std::uint8_t n : advanced.Current) MV_FUZZ_CHECK(n >= 1 && n <= MaxNumber);
        }
    }
    return 0;
}
