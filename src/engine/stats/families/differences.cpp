#include "engine/stats/families/differences.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "engine/core/messages.h"

namespace mv {
namespace {

// The largest difference two numbers can have (1 and 36); the values 1..35 are enumerated.
constexpr int kLargestDiff = MaxNumber - 1;
constexpr int kDiffCount = NumbersInDraw - 1;

// The helpers below take the five numbers as a pointer or as TCombNums (a register), so that
// Matches and the batch filters compute exactly the same thing. Any bytes are accepted:
// differences of bytes stay within 0..255.
template <class TNums>
int DiffAt(const TNums& n, int i) {
    return std::abs(static_cast<int>(n[i + 1]) - static_cast<int>(n[i]));
}

template <class TNums>
std::array<int, kDiffCount> DiffsOf(const TNums& n) {
    return {DiffAt(n, 0), DiffAt(n, 1), DiffAt(n, 2), DiffAt(n, 3)};
}

template <class TNums>
int MaxDiff(const TNums& n) {
    const auto d = DiffsOf(n);
    return std::max(std::max(d[0], d[1]), std::max(d[2], d[3]));
}

template <class TNums>
int Spread(const TNums& n) {
    int low = n[0];
    int high = n[0];
    for (int i = 1; i < NumbersInDraw; ++i) {
        low = std::min(low, static_cast<int>(n[i]));
        high = std::max(high, static_cast<int>(n[i]));
    }
    return high - low;
}

// How many of the four differences equal difference i.
int Multiplicity(const std::array<int, kDiffCount>& d, std::size_t i) {
    return (d[0] == d[i]) + (d[1] == d[i]) + (d[2] == d[i]) + (d[3] == d[i]);
}

template <class TNums>
int SameCount(const TNums& n) {
    const auto d = DiffsOf(n);
    return std::max(std::max(Multiplicity(d, 0), Multiplicity(d, 1)),
                    std::max(Multiplicity(d, 2), Multiplicity(d, 3)));
}

// A batch filter that takes the four differences as one word for ascending numbers (every
// combination of a list) and the general helpers above for anything else.
template <class TFast, class TSlow>
std::unique_ptr<TCombFilter> MakeDiffFilter(TFast fast, TSlow slow) {
    return MakeCombFilter([fast, slow](TCombNums n) {
        std::uint32_t diffs;
        return n.AscendingDiffs(diffs) ? fast(diffs) : slow(n);
    });
}

inline std::uint16_t LowPair(std::uint32_t diffs) {
    return static_cast<std::uint16_t>(diffs);
}
inline std::uint16_t HighPair(std::uint32_t diffs) {
    return static_cast<std::uint16_t>(diffs >> 16);
}

// 1 in every byte of x that is 0, 0 in the others.
inline std::uint32_t ZeroBytes(std::uint32_t x) {
    const std::uint32_t y = (x & 0x7F7F7F7Fu) + 0x7F7F7F7Fu;
    return (~(y | x | 0x7F7F7F7Fu)) >> 7;
}

// Equalities among four differences packed in a word. Byte i of Next is 1 when d[i] equals
// d[(i + 1) % 4]; byte i of Apart when d[i] equals d[(i + 2) % 4] (bytes 2 and 3 repeat 0
// and 1).
struct TDiffEqualities {
    std::uint32_t Next;
    std::uint32_t Apart;
    explicit TDiffEqualities(std::uint32_t d)
        : Next(ZeroBytes(d ^ (d >> 8 | d << 24))), Apart(ZeroBytes(d ^ (d >> 16 | d << 16))) {}
    // How many of the six pairs are equal: 0, 1, 2 (two different pairs), 3 (three alike)
    // or 6 (all four alike).
    int EqualPairs() const {
        return static_cast<int>(((Next + (Apart & 0xFFFFu)) * 0x01010101u) >> 24);
    }
    // Byte i: how many of the four differences equal d[i] (1..4).
    std::uint32_t Multiplicities() const {
        return 0x01010101u + Next + (Next << 8 | Next >> 24) + Apart;
    }
};

// The largest multiplicity for a number of equal pairs.
constexpr std::uint8_t kLargestForEqualPairs[8] = {1, 2, 2, 3, 0, 0, 4, 0};

// Identity bytes, for pair tables that combine the bytes themselves.
std::array<std::uint8_t, 256> ByteIdentity() {
    std::array<std::uint8_t, 256> bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i);
    return bytes;
}

// Adds the values of one draw; only the first of them measures the gap since the value's
// previous occurrence (the others still move that occurrence mark).
void AddTrackingFirst(TStatValueRec& value, const TKeyBuffer& keys, TStatDrawArray& values) {
    bool first = true;
    for (const TValueKey& key : keys) {
        value.Key = key;
        AddValue(values, value, first);
        first = false;
    }
}

bool HasAnyKey(const TStatDrawArray& selected, const TKeyBuffer& keys) {
    return std::any_of(keys.begin(), keys.end(),
                       [&](const TValueKey& key) { return HasKey(selected, key); });
}

}  // namespace

// --- TstDiffTotal ---------------------------------------------------------------------------

const TStatClass TstDiffTotal::Descriptor = {.Name = "TstDiffTotal",
                                             .Code = "DIFA",
                                             .Caption = TMsg::CapDiffAll,
                                             .Group = 2,
                                             .Flags = sfPositional | sfNorm,
                                             .Create = CreateStat<TstDiffTotal>,
                                             .ValuesPerComb = {kDiffCount, kDiffCount}};

void TstDiffTotal::InitValues(int lastIndex, TStatDrawArray& values) {
    TCustomStat::InitValues(lastIndex, values);
    for (int d = 1; d <= kLargestDiff; ++d) {
        Value.Key = TValueKey::FromK1(d);
        AddValue(values, Value, false);
    }
}

void TstDiffTotal::ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const {
    for (const int d : DiffsOf(nums)) keys.AddK1(d);
}

void TstDiffTotal::AddDraw(int index, int lastIndex, TLastValueArray&, TStatScratch&,
                           TStatDrawArray& values, bool sorted) {
    BeginDraw(index, lastIndex, sorted);
    TKeyBuffer keys;
    ValuesOf(CurrentDraw.Nums.data(), keys);
    AddTrackingFirst(Value, keys, values);
}

bool TstDiffTotal::Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool, bool,
                           int) {
    const auto d = DiffsOf(nums);
    return std::any_of(d.begin(), d.end(), [&](int v) { return HasPart(selected, 1, v); });
}

std::unique_ptr<TCombFilter> TstDiffTotal::PrepareFilter(const TStatDrawArray& selected, bool, bool,
                                                         int) {
    const auto t = SelectedK1Table(selected);
    const TPairTable<std::uint8_t> pairs(
        t, [](std::uint8_t a, std::uint8_t b) { return static_cast<std::uint8_t>(a | b); });
    return MakeDiffFilter(
        [pairs](std::uint32_t d) { return (pairs[LowPair(d)] | pairs[HighPair(d)]) != 0; },
        [t](TCombNums n) {
            return (t[DiffAt(n, 0)] | t[DiffAt(n, 1)] | t[DiffAt(n, 2)] | t[DiffAt(n, 3)]) != 0;
        });
}

// --- one value per draw, compared by K1 -----------------------------------------------------

void TCustomDiffValueStat::InitValues(int lastIndex, TStatDrawArray& values) {
    TCustomStat::InitValues(lastIndex, values);
    const auto [low, high] = InitRange();
    for (int v = low; v <= high; ++v) {
        Value.Key = TValueKey::FromK1(v);
        AddValue(values, Value, false);
    }
}

void TCustomDiffValueStat::ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const {
    keys.AddK1(ValueOf(nums));
}

bool TCustomDiffValueStat::Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool,
                                   bool, int) {
    return HasPart(selected, 1, ValueOf(nums));
}

std::int32_t TCustomDiffValueStat::GraphValue(const std::uint8_t* nums, int, bool, int) {
    return ValueOf(nums);
}

std::unique_ptr<TCombFilter> TCustomDiffValueStat::PrepareFilter(const TStatDrawArray& selected,
                                                                 bool, bool, int) {
    return ValueFilter(SelectedK1Table(selected));
}

const TStatClass TstDiffMax::Descriptor = {.Name = "TstDiffMax",
                                           .Code = "DIFM",
                                           .Caption = TMsg::CapDiffMax,
                                           .Group = 2,
                                           .Flags = sfPositional | sfNorm,
                                           .HasGraph = true,
                                           .Create = CreateStat<TstDiffMax>};
int TstDiffMax::ValueOf(const std::uint8_t* nums) const {
    return MaxDiff(nums);
}
std::pair<int, int> TstDiffMax::InitRange() const {
    return {1, kLargestDiff};
}
std::unique_ptr<TCombFilter> TstDiffMax::ValueFilter(const TK1Table& t) const {
    const TPairTable<std::uint8_t> larger(
        ByteIdentity(), [](std::uint8_t a, std::uint8_t b) { return std::max(a, b); });
    return MakeDiffFilter(
        [t, larger](std::uint32_t d) {
            return t[std::max(larger[LowPair(d)], larger[HighPair(d)])] != 0;
        },
        [t](TCombNums n) { return t[MaxDiff(n)] != 0; });
}

const TStatClass TstMinMaxDiffs::Descriptor = {.Name = "TstMinMaxDiffs",
                                               .Code = "DIFD",
                                               .Caption = TMsg::CapDiffMinMax,
                                               .Group = 2,
                                               .Flags = sfNorm,
                                               .HasGraph = true,
                                               .Create = CreateStat<TstMinMaxDiffs>};
int TstMinMaxDiffs::ValueOf(const std::uint8_t* nums) const {
    return Spread(nums);
}
std::pair<int, int> TstMinMaxDiffs::InitRange() const {
    return {1, kLargestDiff};
}
std::unique_ptr<TCombFilter> TstMinMaxDiffs::ValueFilter(const TK1Table& t) const {
    // For ascending numbers the spread is the sum of the differences (below 256).
    return MakeDiffFilter([t](std::uint32_t d) { return t[(d * 0x01010101u) >> 24] != 0; },
                          [t](TCombNums n) { return t[Spread(n)] != 0; });
}

const TStatClass TstDiffSameCnt::Descriptor = {.Name = "TstDiffSameCnt",
                                               .Code = "DIFK",
                                               .Caption = TMsg::CapDiffSameCount,
                                               .Group = 2,
                                               .Flags = sfPositional | sfNorm,
                                               .HasGraph = true,
                                               .Create = CreateStat<TstDiffSameCnt>};
int TstDiffSameCnt::ValueOf(const std::uint8_t* nums) const {
    return SameCount(nums);
}
std::pair<int, int> TstDiffSameCnt::InitRange() const {
    return {1, kDiffCount};
}
std::unique_ptr<TCombFilter> TstDiffSameCnt::ValueFilter(const TK1Table& t) const {
    // The selection by number of equal pairs: one lookup instead of two.
    std::array<std::uint8_t, 8> byPairs{};
    for (std::size_t e = 0; e < byPairs.size(); ++e) byPairs[e] = t[kLargestForEqualPairs[e]];
    return MakeDiffFilter(
        [byPairs](std::uint32_t d) { return byPairs[TDiffEqualities(d).EqualPairs()] != 0; },
        [t](TCombNums n) { return t[SameCount(n)] != 0; });
}

// --- TstDiffSame ----------------------------------------------------------------------------

const TStatClass TstDiffSame::Descriptor = {
    .Name = "TstDiffSame",
    .Code = "DIFO",
    .Caption = TMsg::CapDiffSame,
    .Group = 2,
    .Flags = sfPositional | sfNorm,
    .HasValueList = false,
    .Create = CreateStat<TstDiffSame>,
    .ValuesPerComb = {1, kDiffCount}};  // one value per distinct difference

std::string TstDiffSame::ValueText(const TStatValueRec& value) const {
    return std::to_string(value.Key.K(1)) + " x " + std::to_string(value.Key.K(2));
}

void TstDiffSame::ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const {
    const auto d = DiffsOf(nums);
    for (std::size_t i = 0; i < d.size(); ++i) {
        const auto first = d.begin() + static_cast<std::ptrdiff_t>(i);
        if (std::find(d.begin(), first, d[i]) != first) continue;  // each difference once
        TValueKey key = TValueKey::FromK1(d[i]);
        key.SetK(2, Multiplicity(d, i));
        keys.Add(key);
    }
}

bool TstDiffSame::Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool, bool,
                          int) {
    TKeyBuffer keys;
    ValuesOf(nums, keys);
    return HasAnyKey(selected, keys);
}

std::unique_ptr<TCombFilter> TstDiffSame::PrepareFilter(const TStatDrawArray& selected, bool, bool,
                                                        int) {
    // Per difference, the selected multiplicities as bits 1..4. A key with K3 or K4 set, or
    // outside those ranges, is no combination's value.
    std::array<std::uint8_t, 256> multiplicities{};
    for (const TStatValueRec& s : selected) {
        const int d = s.Key.K(1);
        const int m = s.Key.K(2);
        if (s.Key.K3K4() == 0 && d >= 0 && d < 256 && m >= 1 && m <= kDiffCount) {
            multiplicities[static_cast<std::size_t>(d)] |= static_cast<std::uint8_t>(1u << m);
        }
    }
    // Testing every position is testing every distinct difference: equal differences share
    // their multiplicity.
    return MakeDiffFilter(
        [t = multiplicities](std::uint32_t d) {
            const std::uint32_t m = TDiffEqualities(d).Multiplicities();
            unsigned hit = 0;
            for (int i = 0; i < kDiffCount; ++i) {
                hit |= t[(d >> (8 * i)) & 0xFF] >> ((m >> (8 * i)) & 0xFF);
            }
            return (hit & 1u) != 0;
        },
        [t = multiplicities](TCombNums n) {
            const auto d = DiffsOf(n);
            unsigned hit = 0;
            for (std::size_t i = 0; i < d.size(); ++i) {
                hit |= t[static_cast<std::size_t>(d[i])] >> Multiplicity(d, i);
            }
            return (hit & 1u) != 0;
        });
}

// --- runs of consecutive differences ----------------------------------------------------------

namespace {

// Selected runs of consecutive differences, each packed one byte per difference (the first
// in the lowest byte). The bit table of the first two differences answers most combinations
// at once; a run of three or four is then looked up among the sorted keys.
struct TDiffRunSet {
    std::array<std::uint64_t, 65536 / 64> Prefix{};
    std::vector<std::uint32_t> Runs;

    bool HasPrefix(std::uint32_t pair) const {
        return ((Prefix[pair >> 6] >> (pair & 63)) & 1) != 0;
    }
    bool HasRun(std::uint32_t run) const {
        return std::binary_search(Runs.begin(), Runs.end(), run);
    }
};

// The runs of a combination whose four differences are packed in a word.
template <int Length>
bool HasSelectedRun(const TDiffRunSet& set, std::uint32_t diffs) {
    constexpr std::uint32_t kMask = Length == 4 ? 0xFFFFFFFFu : (1u << (8 * Length)) - 1;
    for (int start = 0; start + Length <= kDiffCount; ++start) {
        const std::uint32_t run = diffs >> (8 * start);
        if (!set.HasPrefix(run & 0xFFFF)) continue;
        if constexpr (Length == 2) {
            return true;
        } else {
            if (set.HasRun(run & kMask)) return true;
        }
    }
    return false;
}

template <int Length>
std::unique_ptr<TCombFilter> MakeRunFilter(std::shared_ptr<const TDiffRunSet> set) {
    return MakeDiffFilter([set](std::uint32_t d) { return HasSelectedRun<Length>(*set, d); },
                          [set](TCombNums n) {
                              // Differences of any bytes stay below 256: one byte each.
                              const auto d = DiffsOf(n);
                              const auto packed = static_cast<std::uint32_t>(
                                  d[0] | d[1] << 8 | d[2] << 16 | d[3] << 24);
                              return HasSelectedRun<Length>(*set, packed);
                          });
}

}  // namespace

std::string TCustomDiffSeqStat::ValueText(const TStatValueRec& value) const {
    std::string text = std::to_string(value.Key.K(1));
    for (int part = 2; part <= m_length; ++part) text += ":" + std::to_string(value.Key.K(part));
    return text;
}

void TCustomDiffSeqStat::ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const {
    const auto d = DiffsOf(nums);
    for (int start = 0; start + m_length <= kDiffCount; ++start) {
        TValueKey key;
        for (int i = 0; i < m_length; ++i) {
            key.SetK(i + 1, d[static_cast<std::size_t>(start + i)]);
        }
        keys.Add(key);
    }
}

void TCustomDiffSeqStat::AddDraw(int index, int lastIndex, TLastValueArray&, TStatScratch&,
                                 TStatDrawArray& values, bool sorted) {
    BeginDraw(index, lastIndex, sorted);
    TKeyBuffer keys;
    ValuesOf(CurrentDraw.Nums.data(), keys);
    AddTrackingFirst(Value, keys, values);
}

bool TCustomDiffSeqStat::Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool,
                                 bool, int) {
    TKeyBuffer keys;
    ValuesOf(nums, keys);
    return HasAnyKey(selected, keys);
}

std::unique_ptr<TCombFilter> TCustomDiffSeqStat::PrepareFilter(const TStatDrawArray& selected, bool,
                                                               bool, int) {
    auto set = std::make_shared<TDiffRunSet>();
    for (const TStatValueRec& s : selected) {
        // Parts beyond the run are 0 in every value of a combination, parts within it 0..255.
        bool possible = true;
        std::uint32_t run = 0;
        for (int part = 4; part >= 1; --part) {
            const int k = s.Key.K(part);
            possible = possible && (part <= m_length ? k >= 0 && k < 256 : k == 0);
            run = run << 8 | static_cast<std::uint32_t>(k & 0xFF);
        }
        if (!possible) continue;
        const std::uint32_t pair = run & 0xFFFF;
        set->Prefix[pair >> 6] |= std::uint64_t{1} << (pair & 63);
        set->Runs.push_back(run);
    }
    std::sort(set->Runs.begin(), set->Runs.end());
    switch (m_length) {
        case 2:
            return MakeRunFilter<2>(std::move(set));
        case 3:
            return MakeRunFilter<3>(std::move(set));
        default:
            return MakeRunFilter<4>(std::move(set));
    }
}

const TStatClass TstCombDiffSeq2::Descriptor = {.Name = "TstCombDiffSeq2",
                                                .Code = "KDS2",
                                                .Caption = TMsg::CapDiffComb2,
                                                .Group = 2,
                                                .Flags = sfPositional,
                                                .HasValueList = false,
                                                .Create = CreateStat<TstCombDiffSeq2>,
                                                .ValuesPerComb = {3, 3}};

const TStatClass TstCombDiffSeq3::Descriptor = {.Name = "TstCombDiffSeq3",
                                                .Code = "KDS3",
                                                .Caption = TMsg::CapDiffComb3,
                                                .Group = 2,
                                                .Flags = sfPositional,
                                                .HasValueList = false,
                                                .Create = CreateStat<TstCombDiffSeq3>,
                                                .ValuesPerComb = {2, 2}};

const TStatClass TstCombDiffSeq4::Descriptor = {.Name = "TstCombDiffSeq4",
                                                .Code = "KDS4",
                                                .Caption = TMsg::CapDiffComb4,
                                                .Group = 2,
                                                .Flags = sfPositional,
                                                .HasValueList = false,
                                                .Create = CreateStat<TstCombDiffSeq4>,
                                                .ValuesPerComb = {1, 1}};

}  // namespace mv
