#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>
#include <type_traits>
#include <utility>

#include "engine/core/records.h"

namespace mv {

// A filter prepared once for a statistic selection that judges whole runs of combinations.
// Apply copies the combinations to keep, in order, to `out` (which may be `in` itself) and
// returns how many were kept: a combination is kept when it matches and `keep` is true, or
// does not match and `keep` is false. `out` has room for `count` combinations; what follows
// the kept ones there is unspecified.
class TCombFilter {
public:
    virtual ~TCombFilter() = default;
    virtual std::size_t Apply(const TComb* in, std::size_t count, bool keep, TComb* out) const = 0;
    // For a filter whose combinations match exactly when one of their numbers is marked: the
    // per-number table (non-zero: marked). nullptr for every other filter.
    virtual const std::array<std::uint8_t, 256>* NumberHits() const { return nullptr; }
};

// The five numbers of one combination held in a register: n[0] is the first number.
class TCombNums {
public:
    explicit TCombNums(std::uint64_t word) : m_word(word) {}
    std::uint8_t operator[](int i) const { return static_cast<std::uint8_t>(m_word >> (8 * i)); }
    // Numbers i and i + 1 as one index n[i] + 256 * n[i + 1] into a TPairTable.
    std::uint16_t Pair(int i) const { return static_cast<std::uint16_t>(m_word >> (8 * i)); }
    // The differences of neighbours n[i + 1] - n[i] as four bytes (the first lowest), when the
    // five numbers ascend strictly and are below 128, as every list holds them; false
    // otherwise. A handful of word operations for all four.
    bool AscendingDiffs(std::uint32_t& diffs) const {
        constexpr std::uint64_t kHigh5 = 0x8080808080ull;
        constexpr std::uint32_t kHigh = 0x80808080u;
        if ((m_word & kHigh5) != 0) return false;
        const auto low = static_cast<std::uint32_t>(m_word);        // n[0] .. n[3]
        const auto high = static_cast<std::uint32_t>(m_word >> 8);  // n[1] .. n[4]
        // Each byte is 128 + n[i + 1] - n[i]: no byte borrows from its neighbour.
        const std::uint32_t biased = (high | kHigh) - low;
        diffs = biased ^ kHigh;
        // Strictly ascending: every byte kept its top bit (no negative difference) and no
        // difference is 0.
        const bool anyZero = ((diffs - 0x01010101u) & ~diffs & kHigh) != 0;
        return (biased & kHigh) == kHigh && !anyZero;
    }

private:
    std::uint64_t m_word;
};

// A per-number table extended to pairs: entry a + 256 * b is combine(single[a], single[b])
// for every two bytes a and b, so that two numbers of a combination cost one lookup
// (TCombNums::Pair). It covers every byte value, so combinations holding numbers outside
// 1..36 are judged as by the per-number table. Building it takes a few microseconds (64 Ki
// entries); copies share the one table.
template <class T>
class TPairTable {
public:
    template <class TCombine>
    TPairTable(const std::array<T, 256>& single, TCombine combine)
        : m_table(std::make_shared<std::array<T, 65536>>()) {
        T* row = m_table->data();
        for (std::size_t b = 0; b < 256; ++b, row += 256) {
            for (std::size_t a = 0; a < 256; ++a) row[a] = combine(single[a], single[b]);
        }
    }
    T operator[](std::uint16_t index) const { return (*m_table)[index]; }

private:
    std::shared_ptr<std::array<T, 65536>> m_table;
};

// A filter from a predicate on the five numbers: one virtual call per run, a branch-free
// compacting loop with the predicate inlined. The predicate takes TCombNums (preferred: the
// numbers come from a register) or a pointer to the five numbers.
//
// The loop moves each combination as one 8-byte word: one load and one store instead of two
// of each. A word reaches 3 bytes into the next combination, so every combination but the
// last goes this way; its word then stays inside both arrays (out[kept] with kept <= i). In
// place, the 3 extra bytes land on combinations already read, or (while nothing has been
// dropped) rewrite the bytes that are there.
template <class TPredicate>
class TPredicateFilter final : public TCombFilter {
public:
    explicit TPredicateFilter(TPredicate predicate) : m_predicate(std::move(predicate)) {}
    std::size_t Apply(const TComb* in, std::size_t count, bool keep, TComb* out) const override {
        // The mode as a constant of the loop: one compare less per combination.
        return keep ? Run<true>(in, count, out) : Run<false>(in, count, out);
    }

private:
    template <bool Keep>
    std::size_t Run(const TComb* in, std::size_t count, TComb* out) const {
        static_assert(sizeof(TComb) == 5);
        // A local copy: stores through `out` cannot alias it, so its fields stay in registers.
        const TPredicate predicate = m_predicate;
        const auto* src = reinterpret_cast<const unsigned char*>(in);
        auto* dst = reinterpret_cast<unsigned char*>(out);
        std::size_t kept = 0;
        std::size_t i = 0;
        for (; i + 1 < count; ++i) {
            std::uint64_t word;
            std::memcpy(&word, src + i * sizeof(TComb), sizeof word);
            std::memcpy(dst + kept * sizeof(TComb), &word, sizeof word);
            kept += static_cast<std::size_t>(Test(predicate, word) == Keep);
        }
        if (i < count) {
            std::uint64_t word = 0;
            std::memcpy(&word, src + i * sizeof(TComb), sizeof(TComb));
            std::memcpy(dst + kept * sizeof(TComb), &word, sizeof(TComb));
            kept += static_cast<std::size_t>(Test(predicate, word) == Keep);
        }
        return kept;
    }

    static bool Test(const TPredicate& predicate, std::uint64_t word) {
        if constexpr (std::is_invocable_r_v<bool, const TPredicate&, TCombNums>) {
            return predicate(TCombNums(word));
        } else {
            const std::uint8_t nums[5] = {
                static_cast<std::uint8_t>(word), static_cast<std::uint8_t>(word >> 8),
                static_cast<std::uint8_t>(word >> 16), static_cast<std::uint8_t>(word >> 24),
                static_cast<std::uint8_t>(word >> 32)};
            return predicate(nums);
        }
    }

    TPredicate m_predicate;
};

template <class TPredicate>
std::unique_ptr<TCombFilter> MakeCombFilter(TPredicate predicate) {
    return std::make_unique<TPredicateFilter<TPredicate>>(std::move(predicate));
}

// Keeps (or drops) the combinations having at least one number marked in `hit` (1 for a
// marked byte value, 0 otherwise). It tells its table (NumberHits), and builds its pair table
// only when it first filters, so that preparing one to read the table costs next to nothing.
class TAnyNumberFilter final : public TCombFilter {
public:
    explicit TAnyNumberFilter(const std::array<std::uint8_t, 256>& hit) : m_hit(hit) {}
    std::size_t Apply(const TComb* in, std::size_t count, bool keep, TComb* out) const override {
        // Once, also when several workers share the filter.
        std::call_once(m_built, [this] {
            const TPairTable<std::uint8_t> pairs(m_hit, [](std::uint8_t a, std::uint8_t b) {
                return static_cast<std::uint8_t>(a | b);
            });
            m_filter = MakeCombFilter([pairs, hit = m_hit](TCombNums n) {
                return (pairs[n.Pair(0)] | pairs[n.Pair(2)] | hit[n[4]]) != 0;
            });
        });
        return m_filter->Apply(in, count, keep, out);
    }
    const std::array<std::uint8_t, 256>* NumberHits() const override { return &m_hit; }

private:
    std::array<std::uint8_t, 256> m_hit;
    mutable std::once_flag m_built;
    mutable std::unique_ptr<TCombFilter> m_filter;
};

inline std::unique_ptr<TCombFilter> MakeAnyNumberFilter(const std::array<std::uint8_t, 256>& hit) {
    return std::make_unique<TAnyNumberFilter>(hit);
}

}  // namespace mv
