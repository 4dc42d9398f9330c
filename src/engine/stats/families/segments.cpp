#include "engine/stats/families/segments.h"

#include <algorithm>
#include <bit>
#include <vector>

#include "engine/core/messages.h"

namespace mv {
namespace {

constexpr int kLowestSegment = 1;
constexpr int kHighestSegment = 9;
// Segment codes 0..9 (0: a byte outside 1..36) take four bits in the tuple tables.
constexpr int kCodeBits = 4;

std::pair<int, int> SegmentIndexes(const TConfigData& config) {
    int low = kHighestSegment;
    int high = kLowestSegment;
    for (int n = 1; n <= MaxNumber; ++n) {
        low = std::min(low, ConfiguredSegment(config, n));
        high = std::max(high, ConfiguredSegment(config, n));
    }
    return {low, high};
}

// The counts that selected K1 values name, as bits 0..15.
std::uint16_t SelectedK1Bits(const TStatDrawArray& selected) {
    std::uint16_t bits = 0;
    for (const TStatValueRec& s : selected) {
        const int k = s.Key.K1();
        if (k >= 0 && k < 16) bits |= static_cast<std::uint16_t>(1u << k);
    }
    return bits;
}

// A byte table of the numbers' count in one segment (0 or 1), summed over pairs: the count of
// five numbers in the segment costs two pair lookups and one single one.
std::unique_ptr<TCombFilter> MakeCountFilter(const std::array<std::uint8_t, 256>& inSegment,
                                             std::uint16_t counts) {
    const TPairTable<std::uint8_t> pairs(
        inSegment, [](std::uint8_t a, std::uint8_t b) { return static_cast<std::uint8_t>(a + b); });
    return MakeCombFilter([pairs, inSegment, counts](TCombNums n) {
        const int k = pairs[n.Pair(0)] + pairs[n.Pair(2)] + inSegment[n[4]];
        return ((counts >> k) & 1u) != 0;
    });
}

// Keeps (or drops) the combinations whose five segment codes (0..9, 0 for a byte outside
// 1..36) `judge` marks. Every arrangement of five codes that bytes can have is judged once
// when the filter is prepared (up to 10^5 of them with nine segments, 32 with the default
// layout); a combination then costs two pair lookups, one code lookup and one bit test of the
// codes packed four bits each, the first number's highest.
template <class TJudge>
std::unique_ptr<TCombFilter> MakeCodeTupleFilter(const std::array<std::uint8_t, 256>& codes,
                                                 TJudge judge) {
    std::vector<unsigned> present(codes.begin(), codes.end());
    std::sort(present.begin(), present.end());
    present.erase(std::unique(present.begin(), present.end()), present.end());
    const auto last = present.size() - 1;
    auto marked = std::make_shared<std::vector<std::uint64_t>>(
        (std::size_t{1} << (NumbersInDraw * kCodeBits)) / 64, 0);
    std::size_t at[NumbersInDraw] = {};
    for (;;) {
        unsigned s[NumbersInDraw];
        unsigned index = 0;
        for (int i = 0; i < NumbersInDraw; ++i) {
            s[i] = present[at[i]];
            index = index << kCodeBits | s[i];
        }
        if (judge(static_cast<const unsigned*>(s))) {
            (*marked)[index >> 6] |= std::uint64_t{1} << (index & 63);
        }
        int i = NumbersInDraw - 1;
        while (i >= 0 && at[i] == last) at[i--] = 0;
        if (i < 0) break;
        ++at[i];
    }
    std::array<std::uint16_t, 256> wide{};
    for (std::size_t n = 0; n < wide.size(); ++n) wide[n] = codes[n];
    const TPairTable<std::uint16_t> pairs(wide, [](std::uint16_t a, std::uint16_t b) {
        return static_cast<std::uint16_t>(a << kCodeBits | b);
    });
    return MakeCombFilter([pairs, codes, marked](TCombNums n) {
        const unsigned index = unsigned{pairs[n.Pair(0)]} << (3 * kCodeBits) |
                               unsigned{pairs[n.Pair(2)]} << kCodeBits | codes[n[4]];
        return (((*marked)[index >> 6] >> (index & 63)) & 1u) != 0;
    });
}

}  // namespace

int ConfiguredSegment(const TConfigData& config, int number) {
    if (number < 1 || number > MaxNumber) return 0;
    const int s = config.MatrixSegments[static_cast<std::size_t>(number - 1)];
    return s >= kLowestSegment && s <= kHighestSegment ? s : kLowestSegment;
}

// --- the segment layout -----------------------------------------------------------------------

TSegmentMap::TSegmentMap(const TConfigData& config) {
    for (int n = 1; n <= MaxNumber; ++n) {
        const auto s = static_cast<std::uint8_t>(ConfiguredSegment(config, n));
        m_segment[static_cast<std::size_t>(n)] = s;
        if (!Has(s)) m_distinct[static_cast<std::size_t>(m_distinctCount++)] = s;
    }
}

bool TSegmentMap::Has(int segment) const {
    return std::find(begin(), end(), segment) != end();
}

int TSegmentMap::CountIn(const std::uint8_t* nums, int segment) const {
    int k = 0;
    for (int i = 0; i < NumbersInDraw; ++i) k += m_segment[nums[i]] == segment ? 1 : 0;
    return k;
}

std::uint16_t TSegmentMap::OccupiedMask(const std::uint8_t* nums) const {
    std::uint16_t mask = 0;
    for (int i = 0; i < NumbersInDraw; ++i) {
        if (m_segment[nums[i]] != 0) mask |= static_cast<std::uint16_t>(1u << m_segment[nums[i]]);
    }
    return mask;
}

// --- bases ----------------------------------------------------------------------------------

void TCustomSegmentsStat::AddDraw(int index, int lastIndex, TLastValueArray&, TStatScratch&,
                                  TStatDrawArray& values, bool sorted) {
    BeginDraw(index, lastIndex, sorted);
    TKeyBuffer keys;
    ValuesOf(CurrentDraw.Nums.data(), keys);
    AddDrawValues(values, Value, keys.begin(), keys.Count);
}

void TCustomSegmentsGraphStat::ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const {
    keys.AddK1(ValueOf(nums));
}

bool TCustomSegmentsGraphStat::Matches(const std::uint8_t* nums, const TStatDrawArray& selected,
                                       bool, bool, int) {
    return HasPart(selected, 1, ValueOf(nums));
}

std::int32_t TCustomSegmentsGraphStat::GraphValue(const std::uint8_t* nums, int, bool, int) {
    return ValueOf(nums);
}

// --- TstSegments ----------------------------------------------------------------------------

const TStatClass TstSegments::Descriptor = {.Name = "TstSegments",
                                            .Code = "SGMS",
                                            .Caption = TMsg::CapSegments,
                                            .Group = 5,
                                            .Flags = sfNorm,
                                            .Create = CreateStat<TstSegments>,
                                            .ValuesPerComb = {NumbersInDraw, NumbersInDraw}};

void TstSegments::InitValues(int lastIndex, TStatDrawArray& values) {
    TCustomStat::InitValues(lastIndex, values);
    for (const std::uint8_t s : Segments()) {
        Value.Key = TValueKey::FromK1(s);
        AddValue(values, Value, false);
    }
}

void TstSegments::ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const {
    for (int i = 0; i < NumbersInDraw; ++i) keys.AddK1(Segments()[nums[i]]);
}

bool TstSegments::Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool, bool,
                          int) {
    for (int i = 0; i < NumbersInDraw; ++i) {
        if (HasPart(selected, 1, Segments()[nums[i]])) return true;
    }
    return false;
}

std::unique_ptr<TCombFilter> TstSegments::PrepareFilter(const TStatDrawArray& selected, bool, bool,
                                                        int) {
    const auto k1 = SelectedK1Table(selected);
    std::array<std::uint8_t, 256> hit{};
    for (int n = 0; n < 256; ++n) hit[n] = k1[Segments()[static_cast<std::uint8_t>(n)]];
    return MakeAnyNumberFilter(hit);
}

// --- TstSegmValues --------------------------------------------------------------------------

const TStatClass TstSegmValues::Descriptor = {
    .Name = "TstSegmValues",
    .Code = "SGMV",
    .Caption = TMsg::CapSegmentNumberCount,
    .Group = 5,
    .Flags = sfNorm,
    .HasValueList = false,
    .Create = CreateStat<TstSegmValues>,
    .ValuesPerComb = {1, kHighestSegment}};  // one per segment of the layout

std::string TstSegmValues::ValueText(const TStatValueRec& value) const {
    return std::to_string(value.Key.K(1)) + " x " + std::to_string(value.Key.K(2));
}

void TstSegmValues::ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const {
    for (const std::uint8_t s : Segments()) {
        TValueKey key = TValueKey::FromK1(s);
        key.SetK(2, Segments().CountIn(nums, s));
        keys.Add(key);
    }
}

bool TstSegmValues::Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool, bool,
                            int) {
    for (const std::uint8_t s : Segments()) {
        TValueKey key = TValueKey::FromK1(s);
        key.SetK(2, Segments().CountIn(nums, s));
        if (HasKey(selected, key)) return true;
    }
    return false;
}

std::unique_ptr<TCombFilter> TstSegmValues::PrepareFilter(const TStatDrawArray& selected, bool,
                                                          bool, int) {
    // Per segment of the layout, the selected counts as bits.
    std::array<std::uint8_t, kHighestSegment + 1> counts{};
    for (const TStatValueRec& sel : selected) {
        const int s = sel.Key.K(1);
        const int k = sel.Key.K(2);
        if (sel.Key.K3K4() == 0 && s >= kLowestSegment && s <= kHighestSegment &&
            Segments().Has(s) && k >= 0 && k <= NumbersInDraw) {
            counts[static_cast<std::size_t>(s)] |= static_cast<std::uint8_t>(1u << k);
        }
    }
    return MakeCodeTupleFilter(Segments().Table(), [&](const unsigned* codes) {
        for (const std::uint8_t s : Segments()) {
            const auto k = std::count(codes, codes + NumbersInDraw, unsigned{s});
            if ((counts[s] >> k) & 1u) return true;
        }
        return false;
    });
}

// --- counts -------------------------------------------------------------------------------

const TStatClass TstSegmCount::Descriptor = {.Name = "TstSegmCount",
                                             .Code = "SGMC",
                                             .Caption = TMsg::CapSegmentCount,
                                             .Group = 5,
                                             .Flags = sfNorm,
                                             .HasGraph = true,
                                             .Create = CreateStat<TstSegmCount>};

int TstSegmCount::ValueOf(const std::uint8_t* nums) const {
    return std::popcount(Segments().OccupiedMask(nums));
}

std::unique_ptr<TCombFilter> TstSegmCount::PrepareFilter(const TStatDrawArray& selected, bool, bool,
                                                         int) {
    std::array<std::uint16_t, 256> bit{};
    for (int n = 0; n < 256; ++n) {
        const int s = Segments()[static_cast<std::uint8_t>(n)];
        if (s != 0) bit[n] = static_cast<std::uint16_t>(1u << s);
    }
    const TPairTable<std::uint16_t> pairs(
        bit, [](std::uint16_t a, std::uint16_t b) { return static_cast<std::uint16_t>(a | b); });
    // Whether the segments of an occupied mask are a selected count: a lookup instead of a
    // population count per combination.
    constexpr std::size_t kMasks = std::size_t{1} << (kHighestSegment + 1);
    auto hit = std::make_shared<std::array<std::uint8_t, kMasks>>();
    const std::uint16_t counts = SelectedK1Bits(selected);
    for (std::size_t m = 0; m < kMasks; ++m) {
        (*hit)[m] = static_cast<std::uint8_t>((counts >> std::popcount(m)) & 1u);
    }
    return MakeCombFilter([pairs, bit, hit](TCombNums n) {
        return (*hit)[pairs[n.Pair(0)] | pairs[n.Pair(2)] | bit[n[4]]] != 0;
    });
}

const TStatClass TstSgmValCnt::Descriptor = {.Name = "TstSgmValCnt",
                                             .Code = "SGM%d",
                                             .Caption = TMsg::CapSegmentIndexCount,
                                             .HelpCode = "SGMx",
                                             .Group = 5,
                                             .Flags = sfNorm,
                                             .HasGraph = true,
                                             .IndexRange = SegmentIndexes,
                                             .Create = CreateStat<TstSgmValCnt>};

int TstSgmValCnt::ValueOf(const std::uint8_t* nums) const {
    return Segments().CountIn(nums, Index);
}

std::unique_ptr<TCombFilter> TstSgmValCnt::PrepareFilter(const TStatDrawArray& selected, bool, bool,
                                                         int) {
    std::array<std::uint8_t, 256> inSegment{};
    for (int n = 0; n < 256; ++n) {
        inSegment[n] = Segments()[static_cast<std::uint8_t>(n)] == Index ? 1 : 0;
    }
    return MakeCountFilter(inSegment, SelectedK1Bits(selected));
}

// --- combinations of segments -------------------------------------------------------------

namespace {

// The selected tuples of k segment codes: for every prefix of k - 1 codes (four bits each,
// the first the highest), the last codes completing a selected tuple, as bits 0..15.
using TTupleTable = std::vector<std::uint16_t>;

template <int K>
unsigned Prefix(unsigned a, unsigned b, unsigned c) {
    if constexpr (K == 2) {
        return a;
    } else if constexpr (K == 3) {
        return a << kCodeBits | b;
    } else {
        return (a << kCodeBits | b) << kCodeBits | c;
    }
}

// Whether some k-subset (Windows false) or k-window (Windows true) of the codes s[0..4] is a
// selected tuple. The subsets are taken by their last position: the prefixes of all earlier
// positions are OR-ed as the last position moves on.
template <int K, bool Windows>
bool TupleHit(const std::uint16_t* r, const unsigned* s) {
    unsigned hit = 0;
    if constexpr (Windows) {
        for (int i = 0; i + K <= NumbersInDraw; ++i) {
            if constexpr (K == 2) {
                hit |= r[s[i]] >> s[i + 1];
            } else if constexpr (K == 3) {
                hit |= r[Prefix<3>(s[i], s[i + 1], 0)] >> s[i + 2];
            } else {
                hit |= r[Prefix<4>(s[i], s[i + 1], s[i + 2])] >> s[i + 3];
            }
        }
    } else if constexpr (K == 2) {
        unsigned p = r[s[0]];
        hit = p >> s[1];
        p |= r[s[1]];
        hit |= p >> s[2];
        p |= r[s[2]];
        hit |= p >> s[3];
        p |= r[s[3]];
        hit |= p >> s[4];
    } else if constexpr (K == 3) {
        unsigned p = r[Prefix<3>(s[0], s[1], 0)];
        hit = p >> s[2];
        p |= r[Prefix<3>(s[0], s[2], 0)] | r[Prefix<3>(s[1], s[2], 0)];
        hit |= p >> s[3];
        p |=
            r[Prefix<3>(s[0], s[3], 0)] | r[Prefix<3>(s[1], s[3], 0)] | r[Prefix<3>(s[2], s[3], 0)];
        hit |= p >> s[4];
    } else {
        unsigned p = r[Prefix<4>(s[0], s[1], s[2])];
        hit = p >> s[3];
        p |= r[Prefix<4>(s[0], s[1], s[3])] | r[Prefix<4>(s[0], s[2], s[3])] |
             r[Prefix<4>(s[1], s[2], s[3])];
        hit |= p >> s[4];
    }
    return (hit & 1u) != 0;
}

template <int K, bool Windows>
std::unique_ptr<TCombFilter> MakeTupleFilter(const std::array<std::uint8_t, 256>& codes,
                                             std::shared_ptr<const TTupleTable> table) {
    return MakeCodeTupleFilter(
        codes, [&table](const unsigned* s) { return TupleHit<K, Windows>(table->data(), s); });
}

}  // namespace

std::string TCustomSegmCombStat::ValueText(const TStatValueRec& value) const {
    std::string text = std::to_string(value.Key.K(1));
    for (int part = 2; part <= m_length; ++part) text += ":" + std::to_string(value.Key.K(part));
    return text;
}

void TCustomSegmCombStat::ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const {
    const auto add = [&](const int* positions) {
        TValueKey key;
        for (int i = 0; i < m_length; ++i) key.SetK(i + 1, Segments()[nums[positions[i]]]);
        keys.Add(key);
    };
    if (m_windows) {
        for (int start = 0; start + m_length <= NumbersInDraw; ++start) {
            const int positions[] = {start, start + 1, start + 2, start + 3};
            add(positions);
        }
        return;
    }
    // The k-subsets of the positions in lexicographic order.
    int positions[NumbersInDraw];
    for (int i = 0; i < m_length; ++i) positions[i] = i;
    for (;;) {
        add(positions);
        int i = m_length - 1;
        while (i >= 0 && positions[i] == NumbersInDraw - m_length + i) --i;
        if (i < 0) break;
        ++positions[i];
        for (int j = i + 1; j < m_length; ++j) positions[j] = positions[j - 1] + 1;
    }
}

bool TCustomSegmCombStat::Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool,
                                  bool, int) {
    TKeyBuffer keys;
    ValuesOf(nums, keys);
    return std::any_of(keys.begin(), keys.end(),
                       [&](const TValueKey& key) { return HasKey(selected, key); });
}

std::unique_ptr<TCombFilter> TCustomSegmCombStat::PrepareFilter(const TStatDrawArray& selected,
                                                                bool, bool, int) {
    auto table = std::make_shared<TTupleTable>(std::size_t{1} << (kCodeBits * (m_length - 1)), 0);
    for (const TStatValueRec& sel : selected) {
        // Parts within the tuple are segment codes, the parts after it 0; any other key is no
        // combination's value.
        bool possible = true;
        unsigned prefix = 0;
        for (int part = 1; part <= 4; ++part) {
            const int k = sel.Key.K(part);
            if (part > m_length) {
                possible = possible && k == 0;
            } else if (k < 0 || k > kHighestSegment) {
                possible = false;
            } else if (part < m_length) {
                prefix = prefix << kCodeBits | static_cast<unsigned>(k);
            }
        }
        if (!possible) continue;
        (*table)[prefix] |= static_cast<std::uint16_t>(1u << sel.Key.K(m_length));
    }
    const auto& codes = Segments().Table();
    switch (m_length * 2 + (m_windows ? 1 : 0)) {
        case 4:
            return MakeTupleFilter<2, false>(codes, std::move(table));
        case 5:
            return MakeTupleFilter<2, true>(codes, std::move(table));
        case 6:
            return MakeTupleFilter<3, false>(codes, std::move(table));
        case 7:
            return MakeTupleFilter<3, true>(codes, std::move(table));
        case 8:
            return MakeTupleFilter<4, false>(codes, std::move(table));
        default:
            return MakeTupleFilter<4, true>(codes, std::move(table));
    }
}

const TStatClass TstCombSegmMix2::Descriptor = {.Name = "TstCombSegmMix2",
                                                .Code = "KGM2",
                                                .Caption = TMsg::CapSegmentMix2,
                                                .Group = 5,
                                                .Flags = sfPositional,
                                                .HasValueList = false,
                                                .Create = CreateStat<TstCombSegmMix2>,
                                                .ValuesPerComb = {10, 10}};

const TStatClass TstCombSegmMix3::Descriptor = {.Name = "TstCombSegmMix3",
                                                .Code = "KGM3",
                                                .Caption = TMsg::CapSegmentMix3,
                                                .Group = 5,
                                                .Flags = sfPositional,
                                                .HasValueList = false,
                                                .Create = CreateStat<TstCombSegmMix3>,
                                                .ValuesPerComb = {10, 10}};

const TStatClass TstCombSegmMix4::Descriptor = {.Name = "TstCombSegmMix4",
                                                .Code = "KGM4",
                                                .Caption = TMsg::CapSegmentMix4,
                                                .Group = 5,
                                                .Flags = sfPositional,
                                                .HasValueList = false,
                                                .Create = CreateStat<TstCombSegmMix4>,
                                                .ValuesPerComb = {5, 5}};

const TStatClass TstCombSegmSeq2::Descriptor = {.Name = "TstCombSegmSeq2",
                                                .Code = "KGS2",
                                                .Caption = TMsg::CapSegmentSeq2,
                                                .Group = 5,
                                                .Flags = sfPositional,
                                                .HasValueList = false,
                                                .Create = CreateStat<TstCombSegmSeq2>,
                                                .ValuesPerComb = {4, 4}};

const TStatClass TstCombSegmSeq3::Descriptor = {.Name = "TstCombSegmSeq3",
                                                .Code = "KGS3",
                                                .Caption = TMsg::CapSegmentSeq3,
                                                .Group = 5,
                                                .Flags = sfPositional,
                                                .HasValueList = false,
                                                .Create = CreateStat<TstCombSegmSeq3>,
                                                .ValuesPerComb = {3, 3}};

const TStatClass TstCombSegmSeq4::Descriptor = {.Name = "TstCombSegmSeq4",
                                                .Code = "KGS4",
                                                .Caption = TMsg::CapSegmentSeq4,
                                                .Group = 5,
                                                .Flags = sfPositional,
                                                .HasValueList = false,
                                                .Create = CreateStat<TstCombSegmSeq4>,
                                                .ValuesPerComb = {2, 2}};

}  // namespace mv
