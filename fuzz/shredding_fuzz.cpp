// The shredding formula: any text compiles to a valid formula or an invalid one, and a
// valid one gives the same shredded value on its short path and its general evaluation,
// within the digits asked for.
#include "engine/stats/shredding_formula.h"
#include "fuzz_target.h"

MV_FUZZ_TARGET(shredding) {
    using namespace mv;
    const TShreddingFormula formula{std::string(fuzz::AsText(data, size))};
    const TShreddingFormula::TDrawNumbers draws[] = {
        {{{1, 2, 3, 4, 5}, {32, 33, 34, 35, 36}, {7, 14, 21, 28, 35}}},
        {{{36, 1, 18, 9, 27}, {2, 4, 8, 16, 32}, {10, 20, 30, 5, 15}}},
        {{{0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}}},
    };
    for (const auto& numbers : draws) {
        for (int digits : {0, 1, 3, 5, 9}) {
            const std::int32_t value = formula.Shred(numbers, digits);
            MV_FUZZ_CHECK(value == formula.ShredGeneral(numbers, digits));
            MV_FUZZ_CHECK(value >= 0);
            if (!formula.Valid()) MV_FUZZ_CHECK(value == 0);
        }
    }
    return 0;
}
