// Combination files: the combinations of any bytes written as a file read back as the same
// combinations.
#include "engine/combs/comb_files.h"
#include "fuzz_target.h"

MV_FUZZ_TARGET(comb_file) {
    using namespace mv;
    TCombsArray list;
    const std::size_t added = ParseCombinationsFile(fuzz::AsText(data, size), list);
    MV_FUZZ_CHECK(added == list.Count());
    const std::string text = CombinationsFileText(list.Data(), list.Count());
    TCombsArray again;
    MV_FUZZ_CHECK(ParseCombinationsFile(text, again) == added);
    for (std::size_t i = 0; i < added; ++i) MV_FUZZ_CHECK(again[i] == list[i]);
    return 0;
}
