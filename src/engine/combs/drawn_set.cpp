#include "engine/combs/drawn_set.h"

#include <algorithm>
#include <bit>

namespace mv {
namespace {

using TCounted = TDrawnSet::TCounted;

TCounted CountNumbers(const std::uint8_t* nums) {
    std::array<std::uint8_t, NumbersInDraw> sorted{};
    std::copy_n(nums, NumbersInDraw, sorted.begin());
    std::sort(sorted.begin(), sorted.end());
    TCounted counted;
    for (const std::uint8_t n : sorted) {
        if (counted.Count > 0 && counted.Value[static_cast<std::size_t>(counted.Count - 1)] == n) {
            ++counted.Times[static_cast<std::size_t>(counted.Count - 1)];
        } else {
            counted.Value[static_cast<std::size_t>(counted.Count)] = n;
            counted.Times[static_cast<std::size_t>(counted.Count)] = 1;
            ++counted.Count;
        }
    }
    return counted;
}

// A collection of at most five numbers (repeats allowed) as one integer: how many in the top
// byte, the numbers ascending from the lowest byte. Equal collections give equal keys.
class TKey {
public:
    void Add(std::uint8_t number, int times) {
        for (int t = 0; t < times; ++t) m_key |= std::uint64_t{number} << (8 * m_count++);
    }
    std::uint64_t Get() const { return m_key | std::uint64_t(m_count) << 56; }

private:
    std::uint64_t m_key = 0;
    int m_count = 0;
};

// The numbers of `c` whose position is in `mask`, each as often as `c` has it (or once).
std::uint64_t PartKey(const TCounted& c, unsigned mask, bool withRepeats) {
    TKey key;
    for (int i = 0; i < c.Count; ++i) {
        if ((mask >> i) & 1u) {
            key.Add(c.Value[static_cast<std::size_t>(i)],
                    withRepeats ? c.Times[static_cast<std::size_t>(i)] : 1);
        }
    }
    return key.Get();
}

// How many times each of a combination's different numbers is taken.
using TVector = std::array<int, NumbersInDraw>;

std::uint64_t VectorKey(const TCounted& comb, const TVector& x) {
    TKey key;
    for (int j = 0; j < comb.Count; ++j) {
        key.Add(comb.Value[static_cast<std::size_t>(j)], x[static_cast<std::size_t>(j)]);
    }
    return key.Get();
}

// The sum, over the parts U of x's support on which the combination's multiplicities times x
// give 5, of (-1) to the number of positions x has outside U.
int RestrictionSign(const TCounted& comb, const TVector& x) {
    unsigned support = 0;
    for (int j = 0; j < comb.Count; ++j) {
        if (x[static_cast<std::size_t>(j)] > 0) support |= 1u << j;
    }
    int sign = 0;
    for (unsigned u = support; u != 0; u = (u - 1) & support) {
        int dot = 0;
        for (int j = 0; j < comb.Count; ++j) {
            if ((u >> j) & 1u) {
                dot += comb.Times[static_cast<std::size_t>(j)] * x[static_cast<std::size_t>(j)];
            }
        }
        if (dot == NumbersInDraw) sign += std::popcount(support ^ u) % 2 == 0 ? 1 : -1;
    }
    return sign;
}

}  // namespace

TDrawnSet::TDrawnSet(const std::vector<const std::uint8_t*>& draws) {
    m_draws.reserve(draws.size());
    for (const std::uint8_t* d : draws) {
        const TCounted counted = CountNumbers(d);
        m_supports.insert(PartKey(counted, (1u << counted.Count) - 1, false));
        m_supportSizes |= 1u << counted.Count;
        m_draws.push_back(counted);
    }
}

bool TDrawnSet::Contains(const std::uint8_t* comb) {
    const TCounted c = CountNumbers(comb);
    if (c.Count < NumbersInDraw) return ContainsIrregular(c);
    // Five different numbers: CountMatches with a draw is the number of the draw's numbers
    // among them, 5 exactly when every different number of the draw is one of them.
    for (unsigned part = 1; part < (1u << NumbersInDraw); ++part) {
        if (((m_supportSizes >> std::popcount(part)) & 1u) == 0) continue;
        if (m_supports.count(PartKey(c, part, false)) != 0) return true;
    }
    return false;
}

void TDrawnSet::BuildSubsetCounts() {
    for (const TCounted& d : m_draws) {
        for (unsigned part = 1; part < (1u << d.Count); ++part)
            ++m_subsetCounts[PartKey(d, part, true)];
    }
    m_subsetCountsBuilt = true;
}

// A combination with a repeated number. With m(v) how often it holds number v and d(v) how
// often a draw does, CountMatches = sum of m(v) d(v) over the combination's different numbers
// S: it depends on the draw only through d on S. The draws whose d on S is exactly a vector
// y are counted from the part counts by inclusion and exclusion over the numbers of S that y
// leaves out; the combination is drawn when that count, summed over every y with m.y = 5, is
// above 0. Gathered per stored part x (a vector on S: the draws having exactly x on its
// support), x enters once for every y it extends, which is RestrictionSign.
bool TDrawnSet::ContainsIrregular(const TCounted& comb) {
    const std::uint64_t combKey = PartKey(comb, (1u << comb.Count) - 1, true);
    if (const auto known = m_irregularAnswers.find(combKey); known != m_irregularAnswers.end()) {
        return known->second;
    }
    if (!m_subsetCountsBuilt) BuildSubsetCounts();
    std::int64_t matching = 0;
    TVector x{};
    // Every x on S holding 1..5 numbers in all (a draw has five).
    const auto visit = [&](const auto& self, int i, int mass) -> void {
        if (i < comb.Count) {
            for (int t = 0; mass + t <= NumbersInDraw; ++t) {
                x[static_cast<std::size_t>(i)] = t;
                self(self, i + 1, mass + t);
            }
        } else if (mass > 0) {
            const auto found = m_subsetCounts.find(VectorKey(comb, x));
            if (found != m_subsetCounts.end()) matching += RestrictionSign(comb, x) * found->second;
        }
    };
    visit(visit, 0, 0);
    const bool drawn = matching > 0;
    m_irregularAnswers.emplace(combKey, drawn);
    return drawn;
}

}  // namespace mv
