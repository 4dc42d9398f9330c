#pragma once

#include <cstddef>
#include <memory>
#include <utility>

#include "core/records.h"

namespace mv {

// A filter prepared once for a statistic selection that judges whole runs of combinations.
// Apply copies the combinations to keep, in order, to `out` (which may be `in` itself) and
// returns how many were kept: a combination is kept when it matches and `keep` is true, or
// does not match and `keep` is false.
class TCombFilter {
public:
    virtual ~TCombFilter() = default;
    virtual std::size_t Apply(const TComb* in, std::size_t count, bool keep, TComb* out) const = 0;
};

// A filter from a predicate on the five numbers: one virtual call per run, a branch-free
// compacting loop with the predicate inlined.
template <class TPredicate>
class TPredicateFilter final : public TCombFilter {
public:
    explicit TPredicateFilter(TPredicate predicate) : m_predicate(std::move(predicate)) {}
    std::size_t Apply(const TComb* in, std::size_t count, bool keep, TComb* out) const override {
        std::size_t kept = 0;
        for (std::size_t i = 0; i < count; ++i) {
            const TComb c = in[i];
            out[kept] = c;
            kept += static_cast<std::size_t>(m_predicate(c.Nums.data()) == keep);
        }
        return kept;
    }

private:
    TPredicate m_predicate;
};

template <class TPredicate>
std::unique_ptr<TCombFilter> MakeCombFilter(TPredicate predicate) {
    return std::make_unique<TPredicateFilter<TPredicate>>(std::move(predicate));
}

}  // namespace mv
