#include "engine/stats/families/characteristic.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "engine/core/messages.h"

namespace mv {
namespace {

constexpr int kVarnelGroup = 11;
constexpr int kShreddingGroup = 12;
constexpr int kShreddingMethods = 3;

std::pair<int, int> ShreddingRange(const TConfigData&) {
    return {1, kShreddingMethods};
}

std::string ShreddingCaption(int index) {
    // The registry formats the caption once more with the method's formula.
    return Msg(TMsg::ShreddingMethodPrefix) + std::to_string(index) + ": %s";
}

TShreddingFormula::TDrawNumbers NumbersOf(const std::uint8_t* nums, const TDrawRec& previous,
                                          const TDrawRec& third) {
    TShreddingFormula::TDrawNumbers numbers{};
    std::copy(nums, nums + NumbersInDraw, numbers[0].begin());
    std::copy(previous.Nums.begin(), previous.Nums.begin() + NumbersInDraw, numbers[1].begin());
    std::copy(third.Nums.begin(), third.Nums.begin() + NumbersInDraw, numbers[2].begin());
    return numbers;
}

// A combination's place in the full set in lexicographic order, from 0, for five numbers
// 1..36 in strictly ascending order. Lists keep that order, so a pass over a list reads a
// table indexed by it from front to back.
class TCombRank {
public:
    TCombRank() {
        // m_steps[i][p][c]: combinations whose number at position i lies between p and c
        // (both exclusive), the numbers before it fixed; position 0 counts from 0.
        for (int i = 0; i < NumbersInDraw; ++i) {
            const int rest = NumbersInDraw - 1 - i;
            for (int p = 0; p <= MaxNumber; ++p) {
                std::uint32_t sum = 0;
                for (int c = p + 1; c <= MaxNumber; ++c) {
                    m_steps[i][p][c] = sum;
                    sum += Binomial(MaxNumber - c, rest);
                }
            }
        }
    }
    static bool Ranks(const std::uint8_t* nums) {
        return nums[0] >= 1 && nums[0] < nums[1] && nums[1] < nums[2] && nums[2] < nums[3] &&
               nums[3] < nums[4] && nums[4] <= MaxNumber;
    }
    std::uint32_t operator()(const std::uint8_t* nums) const {
        return m_steps[0][0][nums[0]] + m_steps[1][nums[0]][nums[1]] +
               m_steps[2][nums[1]][nums[2]] + m_steps[3][nums[2]][nums[3]] +
               m_steps[4][nums[3]][nums[4]];
    }
    static constexpr std::uint32_t Count = 376992;

private:
    static std::uint32_t Binomial(int n, int k) {
        if (k > n) return 0;
        std::uint64_t r = 1;
        for (int i = 1; i <= k; ++i) r = r * static_cast<std::uint64_t>(n - k + i) / i;
        return static_cast<std::uint32_t>(r);
    }
    using TSteps = std::array<std::array<std::uint32_t, MaxNumber + 1>, MaxNumber + 1>;
    std::array<TSteps, NumbersInDraw> m_steps{};
};

const TCombRank& CombRank() {
    static const TCombRank rank;
    return rank;
}

using TValueTable = std::vector<std::int32_t>;

// The values of a formula that reads only the combination's own numbers, for every
// combination of the full set by its rank. Scenario runs prepare the same method's filter
// pass after pass; the table is computed once and then each combination costs a lookup
// instead of an evaluation. A few tables are kept (1.5 MB each), the oldest dropped first.
std::shared_ptr<const TValueTable> CombValueTable(const TShreddingFormula& formula, int digits) {
    static std::mutex guard;
    static std::map<std::pair<std::string, int>, std::shared_ptr<const TValueTable>> tables;
    static std::vector<std::pair<std::string, int>> order;
    constexpr std::size_t kKept = 6;
    const std::lock_guard lock(guard);
    const auto key = std::make_pair(formula.Text(), digits);
    if (auto it = tables.find(key); it != tables.end()) return it->second;
    auto table = std::make_shared<TValueTable>(TCombRank::Count);
    TShreddingFormula::TDrawNumbers numbers{};
    auto& n = numbers[0];
    const TCombRank& rank = CombRank();
    for (n[0] = 1; n[0] <= MaxNumber - 4; ++n[0])
        for (n[1] = n[0] + 1; n[1] <= MaxNumber - 3; ++n[1])
            for (n[2] = n[1] + 1; n[2] <= MaxNumber - 2; ++n[2])
                for (n[3] = n[2] + 1; n[3] <= MaxNumber - 1; ++n[3])
                    for (n[4] = n[3] + 1; n[4] <= MaxNumber; ++n[4])
                        (*table)[rank(n.data())] = formula.Shred(numbers, digits);
    if (order.size() >= kKept) {
        tables.erase(order.front());
        order.erase(order.begin());
    }
    order.push_back(key);
    tables.emplace(key, table);
    return table;
}

}  // namespace

TVarnelResult VarnelReduction(const std::uint8_t* nums, int k, int mode) {
    std::array<int, NumbersInDraw> x{};
    k = std::clamp(k, 2, NumbersInDraw);
    for (int i = 0; i < k; ++i) x[static_cast<std::size_t>(i)] = nums[i];
    for (int n = k; n > 2; --n) {
        for (int i = 0; i + 1 < n; ++i) {
            x[static_cast<std::size_t>(i)] =
                std::abs(x[static_cast<std::size_t>(i + 1)] - x[static_cast<std::size_t>(i)]);
        }
    }
    const int a = x[0];
    const int b = x[1];
    const int d = std::abs(b - a);
    switch (mode) {
        case 1:
            return {d < 2 ? a + b : d, false};
        case 2:
            if (d == 0) return {a + b, false};
            if (d == 1) return {a + b, true};
            return {d, false};
        default:
            return {d, false};
    }
}

// --- Varnel 1 and 2 -----------------------------------------------------------------------

void TCustomVarnelGraphStat::ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const {
    keys.AddK1(VarnelReduction(nums, NumbersInDraw, m_mode).Value);
}

bool TCustomVarnelGraphStat::Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool,
                                     bool, int) {
    return HasPart(selected, 1, VarnelReduction(nums, NumbersInDraw, m_mode).Value);
}

std::unique_ptr<TCombFilter> TCustomVarnelGraphStat::PrepareFilter(const TStatDrawArray& selected,
                                                                   bool, bool, int) {
    // Values reach 2 * 255 for odd bytes.
    auto hit = std::make_shared<std::array<std::uint8_t, 512>>();
    for (int v = 0; v < static_cast<int>(hit->size()); ++v) {
        (*hit)[static_cast<std::size_t>(v)] = HasPart(selected, 1, v) ? 1 : 0;
    }
    return MakeCombFilter([hit, mode = m_mode](const std::uint8_t* nums) {
        return (*hit)[static_cast<std::size_t>(VarnelReduction(nums, NumbersInDraw, mode).Value)] !=
               0;
    });
}

std::int32_t TCustomVarnelGraphStat::GraphValue(const std::uint8_t* nums, int, bool, int) {
    return VarnelReduction(nums, NumbersInDraw, m_mode).Value;
}

const TStatClass TstVarnel1::Descriptor = {.Name = "TstVarnel1",
                                           .Code = "VRN1",
                                           .Caption = TMsg::CapWarnell1,
                                           .Group = kVarnelGroup,
                                           .Flags = sfPositional | sfNorm,
                                           .HasGraph = true,
                                           .Create = CreateStat<TstVarnel1>};

const TStatClass TstVarnel2::Descriptor = {.Name = "TstVarnel2",
                                           .Code = "VRN2",
                                           .Caption = TMsg::CapWarnell2,
                                           .Group = kVarnelGroup,
                                           .Flags = sfPositional | sfNorm,
                                           .HasGraph = true,
                                           .Create = CreateStat<TstVarnel2>};

// --- Varnel 3 -----------------------------------------------------------------------------

const TStatClass TstVarnel3::Descriptor = {.Name = "TstVarnel3",
                                           .Code = "VRN3",
                                           .Caption = TMsg::CapWarnell3,
                                           .Group = kVarnelGroup,
                                           .Flags = sfPositional | sfReference,
                                           .HasValueList = false,
                                           .Create = CreateStat<TstVarnel3>,
                                           .ValuesPerComb = {0, 0}};

std::string TstVarnel3::ValueText(const TStatValueRec& value) const {
    std::string text = std::to_string(value.Key.K1());
    if (value.Key.K(4) == 2) text += " (" + std::to_string(value.Key.K(2)) + ")";
    return text;
}

void TstVarnel3::AddDraw(int index, int lastIndex, TLastValueArray&, TStatScratch&,
                         TStatDrawArray& values, bool sorted) {
    BeginDraw(index, lastIndex, sorted);
    if (CurrentDraw.Number != ReferenceDraw.Number) return;
    const TDrawRec next = DrawAt(Draws(), lastIndex + 1, sorted);
    const auto inNext = [&](int n) {
        return std::find(next.Nums.begin(), next.Nums.begin() + NumbersInDraw, n) !=
               next.Nums.begin() + NumbersInDraw;
    };
    const TVarnelResult r = VarnelReduction(CurrentDraw.Nums.data(), NumbersInDraw, 2);
    TStatValueRec v = Value;
    v.Key = TValueKey::FromK1(r.Value);
    if (r.Pair) {
        v.Key.SetK(2, 1);
        v.Key.SetK(4, 2);
    }
    v.Count = inNext(r.Value) ? 1 : 0;
    AddValue(values, v, false);
    // The pair (1, s) reduces to a difference of 1, which has no multiples.
    const int f = r.Pair ? 1 : r.Value;
    if (f <= 1) return;
    for (int g = f * f > MaxNumber - 1 ? f * f : f * f * f; g > f; g -= f) {
        if (g < 1 || g > MaxNumber) continue;
        v.Key = TValueKey::FromK1(g);
        v.Count = inNext(g) ? 1 : 0;
        AddValue(values, v, false);
    }
}

void TstVarnel3::AddCombination(const std::uint8_t*, TStatDrawArray&) {}

bool TstVarnel3::Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool, bool,
                         int) {
    return std::any_of(nums, nums + NumbersInDraw,
                       [&](std::uint8_t n) { return HasPart(selected, 1, n); });
}

std::unique_ptr<TCombFilter> TstVarnel3::PrepareFilter(const TStatDrawArray& selected, bool, bool,
                                                       int) {
    return MakeAnyNumberFilter(SelectedK1Table(selected));
}

// --- shredding ----------------------------------------------------------------------------

const TStatClass TstShreddingStat::Descriptor = {.Name = "TstShreddingStat",
                                                 .Code = "SHR%d",
                                                 .Caption = TMsg::CapShredding,
                                                 .HelpCode = "SHRx",
                                                 .Group = kShreddingGroup,
                                                 .Flags = sfPositional | sfNorm,
                                                 .HasGraph = true,
                                                 .IndexRange = ShreddingRange,
                                                 .Create = CreateStat<TstShreddingStat>,
                                                 .CaptionOf = ShreddingCaption};

namespace {

TShreddingSettings SettingsOf(const TStatEnvironment& env) {
    return env.Shredding ? *env.Shredding : TShreddingSettings{};
}

std::size_t SlotOf(int index) {
    return static_cast<std::size_t>(std::clamp(index, 1, kShreddingMethods) - 1);
}

}  // namespace

TstShreddingStat::TstShreddingStat(const TStatEnvironment& env, int index)
    : TCustomGraphStat(env, index),
      Formula(SettingsOf(env).Formulas[SlotOf(index)]),
      Digits(std::clamp(SettingsOf(env).Digits[SlotOf(index)], 0, 9)),
      m_formula(Formula) {}

std::int32_t TstShreddingStat::ValueWith(const std::uint8_t* nums, const TDrawRec& previous,
                                         const TDrawRec& third) const {
    return m_formula.Shred(NumbersOf(nums, previous, third), Digits);
}

namespace {

// Five digits exceed a 16-bit part: the value takes K1 and K2 as one 32-bit integer, which
// equals K1 for up to four digits.
TValueKey ShreddingKey(std::int32_t value) {
    TValueKey key;
    key.SetK1K2(value);
    return key;
}

}  // namespace

std::string TstShreddingStat::ValueText(const TStatValueRec& value) const {
    return std::to_string(value.Key.K1K2());
}

void TstShreddingStat::ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const {
    keys.Add(ShreddingKey(ValueWith(nums, TDrawRec{}, TDrawRec{})));
}

void TstShreddingStat::AddDraw(int index, int lastIndex, TLastValueArray&, TStatScratch&,
                               TStatDrawArray& values, bool sorted) {
    BeginDraw(index, lastIndex, sorted);
    Value.Key = ShreddingKey(ValueWith(CurrentDraw.Nums.data(), DrawAt(Draws(), index - 1, sorted),
                                       DrawAt(Draws(), index - 2, sorted)));
    AddValue(values, Value, true);
}

bool TstShreddingStat::Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool,
                               bool sorted, int lastIndex) {
    return HasHalf(selected, 1,
                   ValueWith(nums, DrawAt(Draws(), lastIndex, sorted),
                             DrawAt(Draws(), lastIndex - 1, sorted)));
}

std::unique_ptr<TCombFilter> TstShreddingStat::PrepareFilter(const TStatDrawArray& selected, bool,
                                                             bool sorted, int lastIndex) {
    // The formula was compiled with the statistic; the earlier draws and the selection are
    // fixed for the pass. Values lie in 0 .. 10^Digits - 1: a bit each.
    int limit = 1;
    for (int i = 0; i < Digits; ++i) limit *= 10;
    auto chosen = std::make_shared<std::vector<std::uint8_t>>(static_cast<std::size_t>(limit), 0);
    for (const TStatValueRec& s : selected) {
        const std::int32_t v = s.Key.K1K2();
        if (v >= 0 && v < limit) (*chosen)[static_cast<std::size_t>(v)] = 1;
    }
    const TDrawRec previous = DrawAt(Draws(), lastIndex, sorted);
    const TDrawRec third = DrawAt(Draws(), lastIndex - 1, sorted);
    if (m_formula.CurrentDrawOnly()) {
        // Combinations in ascending order (all of the full set) are looked up; any other
        // order is evaluated, since the formula may read the numbers by position.
        auto table = CombValueTable(m_formula, Digits);
        const std::int32_t* values = table->data();
        const std::uint8_t* marked = chosen->data();
        const TCombRank* rank = &CombRank();
        return MakeCombFilter([this, chosen, table, values, marked, limit, rank, previous,
                               third](const std::uint8_t* nums) {
            const std::int32_t v = TCombRank::Ranks(nums) ? values[(*rank)(nums)]
                                                          : ValueWith(nums, previous, third);
            return static_cast<std::uint32_t>(v) < static_cast<std::uint32_t>(limit) &&
                   marked[v] != 0;
        });
    }
    return MakeCombFilter([this, chosen, previous, third](const std::uint8_t* nums) {
        const std::int32_t v = ValueWith(nums, previous, third);
        return v >= 0 && v < static_cast<std::int32_t>(chosen->size()) &&
               (*chosen)[static_cast<std::size_t>(v)];
    });
}


std::int32_t TstShreddingStat::GraphValue(const std::uint8_t* nums, int drawIndex, bool sorted,
                                          int) {
    return ValueWith(nums, DrawAt(Draws(), drawIndex - 1, sorted),
                     DrawAt(Draws(), drawIndex - 2, sorted));
}

}  // namespace mv
