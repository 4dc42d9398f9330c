#include "engine/combs/full_set.h"

namespace mv {

void FillFullSet(TComb* out) {
    std::size_t k = 0;
    for (int a = 1; a <= MaxNumber - 4; ++a) {
        for (int b = a + 1; b <= MaxNumber - 3; ++b) {
            for (int c = b + 1; c <= MaxNumber - 2; ++c) {
                for (int d = c + 1; d <= MaxNumber - 1; ++d) {
                    for (int e = d + 1; e <= MaxNumber; ++e) {
                        out[k++].Nums = {static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b),
                                         static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(d),
                                         static_cast<std::uint8_t>(e)};
                    }
                }
            }
        }
    }
}

std::vector<TComb> FullSet() {
    std::vector<TComb> set(FullSetSize);
    FillFullSet(set.data());
    return set;
}

}  // namespace mv
