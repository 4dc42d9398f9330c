// System files and downloaded systems: every accepted line maps onto the game's numbers,
// and a system accepted for download reads as a local file to the same combinations.
#include <array>
#include <numeric>

#include "engine/core/errors.h"
#include "engine/core/text_utils.h"
#include "engine/online/system_catalog.h"
#include "engine/stakes/systems.h"
#include "fuzz_target.h"

MV_FUZZ_TARGET(systems) {
    using namespace mv;
    const std::string_view text = fuzz::AsText(data, size);
    std::array<std::uint8_t, MaxNumber> all{};
    std::iota(all.begin(), all.end(), std::uint8_t{1});
    for (std::size_t k : {std::size_t{6}, std::size_t{12}, std::size_t{MaxNumber}}) {
        const std::span<const std::uint8_t> numbers(all.data(), k);
        try {
            const TCombsArray combs = ParseSystemText(text, numbers, "5-12-0_0001.dat");
            for (const TComb& comb : combs) {
                for (std::uint8_t n : comb.Nums) MV_FUZZ_CHECK(n >= 1 && n <= k);
            }
        } catch (const EError&) {
        }
    }

    TSystemInfo info;
    info.Id = 1;
    info.Numbers = 12;
    info.Combinations = static_cast<std::int32_t>(SplitTextLines(text).size());
    try {
        const std::vector<std::string> lines = CheckDownloadedSystem(std::string(text), info);
        std::string file;
        for (const std::string& line : lines) file += line + "\r\n";
        const TCombsArray combs =
            ParseSystemText(file, std::span<const std::uint8_t>(all.data(), 12), "x");
        MV_FUZZ_CHECK(combs.Count() == lines.size());
    } catch (const EError&) {
    }
    return 0;
}
