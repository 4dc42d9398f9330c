#include "engine/stats/families/sums.h"

#include <cstdio>
#include <cstdlib>

#include "engine/core/game.h"
#include "engine/core/messages.h"
#include "engine/stats/families/numbers.h"

namespace mv {
namespace {

// A sum of five bytes, whatever they hold, is below this; the batch filters index by it.
constexpr int kSumSlots = NumbersInDraw * 255 + 1;
using TSumTable = std::array<std::uint8_t, kSumSlots>;
using TWeights = std::array<std::uint8_t, 256>;

struct TSumRange {
    int Low, High, A, B;
};
constexpr TSumRange kSumRanges[] = {{59, 127, 1, 3}, {66, 119, 1, 2}, {72, 113, 2, 3}};

const TSumRange* SumRange(int index) {
    return index >= 1 && index <= 3 ? &kSumRanges[index - 1] : nullptr;
}

std::pair<int, int> SumRangeIndexes(const TConfigData&) {
    return {1, 3};
}

std::string SumRangeCaption(int index) {
    const TSumRange* range = SumRange(index);
    if (!range) return FormatTemplate(TstSumRanges::Descriptor.Caption, index);
    // The template's three "%d" in turn: the index and the range's two arguments.
    std::string text = TstSumRanges::Descriptor.Caption;
    for (const int argument : {index, range->A, range->B}) {
        const std::size_t at = text.find("%d");
        if (at == std::string::npos) break;
        text.replace(at, 2, std::to_string(argument));
    }
    return text;
}

int Sum(const std::uint8_t* nums) {
    int s = 0;
    for (int i = 0; i < NumbersInDraw; ++i) s += nums[i];
    return s;
}

int Sign(int x) {
    return (x > 0) - (x < 0);
}

TWeights PlainWeights() {
    TWeights w{};
    for (int n = 0; n < 256; ++n) w[n] = static_cast<std::uint8_t>(n);
    return w;
}

// Keeps (or drops) the combinations whose weighted sum is marked in `hit`.
std::unique_ptr<TCombFilter> MakeSumFilter(const TWeights& weights, const TSumTable& hit) {
    std::array<std::uint16_t, 256> wide{};
    for (int n = 0; n < 256; ++n) wide[n] = weights[n];
    const TPairTable<std::uint16_t> pairs(
        wide, [](std::uint16_t a, std::uint16_t b) { return static_cast<std::uint16_t>(a + b); });
    return MakeCombFilter([pairs, wide, hit](TCombNums n) {
        return hit[pairs[n.Pair(0)] + pairs[n.Pair(2)] + wide[n[4]]] != 0;
    });
}

// The sums s whose value `valueOf(s)` some selected key has in K1 with K3 = 0.
template <class TValueOf>
TSumTable SumsWithK1K3(const TStatDrawArray& selected, TValueOf valueOf) {
    TSumTable hit{};
    for (int s = 0; s < kSumSlots; ++s) {
        hit[s] = HasK1K3(selected, TValueKey::FromK1(valueOf(s))) ? 1 : 0;
    }
    return hit;
}

// The sums s whose value `valueOf(s)` some selected key has as its half `type`.
template <class TValueOf>
TSumTable SumsWithHalf(const TStatDrawArray& selected, int type, TValueOf valueOf) {
    TSumTable hit{};
    for (int s = 0; s < kSumSlots; ++s) hit[s] = HasHalf(selected, type, valueOf(s)) ? 1 : 0;
    return hit;
}

int PreviousSum(const TDrawsArray& draws, int index, bool sorted) {
    return DrawSum(DrawAt(draws, index - 1, sorted));
}

// "+05", "- 05": a change with its sign, at least two digits.
std::string SignedChange(int change) {
    char text[32];
    if (change >= 0) {
        std::snprintf(text, sizeof text, "+%.2d", change);
    } else {
        std::snprintf(text, sizeof text, "- %.2d", -change);
    }
    return text;
}

}  // namespace

int SumTripleCount(const std::uint8_t* nums) {
    int count = 0;
    for (int i = 0; i < NumbersInDraw; ++i) {
        for (int j = 0; j < NumbersInDraw; ++j) {
            for (int k = j + 1; k < NumbersInDraw; ++k) {
                if (j != i && k != i && nums[j] + nums[k] == nums[i]) ++count;
            }
        }
    }
    return count;
}

// --- TstSumValues -------------------------------------------------------------------------

const TStatClass TstSumValues::Descriptor = {.Name = "TstSumValues",
                                             .Code = "SUMS",
                                             .Caption = TMsg::CapSumValues,
                                             .Group = 1,
                                             .Flags = sfNorm,
                                             .HasGraph = true,
                                             .Create = CreateStat<TstSumValues>};

void TstSumValues::InitValues(int lastIndex, TStatDrawArray& values) {
    TCustomStat::InitValues(lastIndex, values);
    for (int s = MinSum; s <= MaxSum; ++s) {
        Value.Key = TValueKey::FromK1(s);
        AddValue(values, Value, false);
    }
}

void TstSumValues::ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const {
    keys.AddK1(Sum(nums));
}

bool TstSumValues::Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool, bool,
                           int) {
    return HasK1K3(selected, TValueKey::FromK1(Sum(nums)));
}

std::unique_ptr<TCombFilter> TstSumValues::PrepareFilter(const TStatDrawArray& selected, bool, bool,
                                                         int) {
    return MakeSumFilter(PlainWeights(), SumsWithK1K3(selected, [](int s) { return s; }));
}

std::int32_t TstSumValues::GraphValue(const std::uint8_t* nums, int, bool, int) {
    return Sum(nums);
}

// --- TstSumRanges -------------------------------------------------------------------------

const TStatClass TstSumRanges::Descriptor = {.Name = "TstSumRanges",
                                             .Code = "SUM%d",
                                             .Caption = TMsg::CapSumRange,
                                             .Group = 1,
                                             .Flags = sfNorm,
                                             .HasGraph = true,
                                             .HasValueList = false,
                                             .IndexRange = SumRangeIndexes,
                                             .Create = CreateStat<TstSumRanges>,
                                             .CaptionOf = SumRangeCaption};

bool TstSumRanges::InRange(int sum) const {
    const TSumRange* range = SumRange(Index);
    return range && sum >= range->Low && sum <= range->High;
}

std::string TstSumRanges::ValueText(const TStatValueRec& value) const {
    const TSumRange* range = SumRange(Index);
    if (value.Key.K1K2() != 1 || !range) return Msg(TMsg::SumRangeOthers);
    return std::to_string(range->Low) + "-" + std::to_string(range->High);
}

void TstSumRanges::InitValues(int lastIndex, TStatDrawArray& values) {
    TCustomStat::InitValues(lastIndex, values);
    for (int v = 0; v <= 1; ++v) {
        Value.Key = TValueKey::FromK1(v);
        AddValue(values, Value, false);
    }
}

void TstSumRanges::ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const {
    keys.AddK1(InRange(Sum(nums)) ? 1 : 0);
}

// Selecting the range row keeps the sums inside it, with or without the other row; anything
// else keeps the sums outside.
bool TstSumRanges::Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool, bool,
                           int) {
    return InRange(Sum(nums)) == HasKey(selected, TValueKey::FromK1(1));
}

std::unique_ptr<TCombFilter> TstSumRanges::PrepareFilter(const TStatDrawArray& selected, bool, bool,
                                                         int) {
    const bool inside = HasKey(selected, TValueKey::FromK1(1));
    TSumTable hit{};
    for (int s = 0; s < kSumSlots; ++s) hit[s] = InRange(s) == inside ? 1 : 0;
    return MakeSumFilter(PlainWeights(), hit);
}

std::int32_t TstSumRanges::GraphValue(const std::uint8_t* nums, int, bool, int) {
    return InRange(Sum(nums)) ? 1 : 0;
}

// --- TstSumChange -------------------------------------------------------------------------

const TStatClass TstSumChange::Descriptor = {.Name = "TstSumChange",
                                             .Code = "SUMC",
                                             .Caption = TMsg::CapSumChangesExact,
                                             .Group = 1,
                                             .Flags = sfReference,
                                             .HasGraph = true,
                                             .HasValueList = false,
                                             .Create = CreateStat<TstSumChange>};

std::string TstSumChange::ValueText(const TStatValueRec& value) const {
    const int s1 = value.Key.K1K2();
    const int s2 = value.Key.K3K4();
    char text[96];
    if (s2 >= s1) {
        std::snprintf(text, sizeof text, "+%.2d : %d + %d = %d", s2 - s1, s1, s2 - s1, s2);
    } else {
        std::snprintf(text, sizeof text, "- %.2d : %d - %d = %d", s1 - s2, s1, s1 - s2, s2);
    }
    return text;
}

void TstSumChange::AddDraw(int index, int lastIndex, TLastValueArray&, TStatScratch&,
                           TStatDrawArray& values, bool sorted) {
    BeginDraw(index, lastIndex, sorted);
    const int previous = PreviousSum(Draws(), index, sorted);
    if (previous != DrawSum(ReferenceDraw)) return;
    Value.Key = TValueKey{};
    Value.Key.SetK1K2(previous);
    Value.Key.SetK3K4(DrawSum(CurrentDraw));
    AddValue(values, Value, true);
}

bool TstSumChange::Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool, bool,
                           int) {
    return HasHalf(selected, 2, Sum(nums));
}

std::unique_ptr<TCombFilter> TstSumChange::PrepareFilter(const TStatDrawArray& selected, bool, bool,
                                                         int) {
    return MakeSumFilter(PlainWeights(), SumsWithHalf(selected, 2, [](int s) { return s; }));
}

std::int32_t TstSumChange::GraphValue(const std::uint8_t* nums, int drawIndex, bool sorted, int) {
    return Sum(nums) - PreviousSum(Draws(), drawIndex, sorted);
}

// --- TstSumChangeSome ---------------------------------------------------------------------

const TStatClass TstSumChangeSome::Descriptor = {.Name = "TstSumChangeSome",
                                                 .Code = "SUMV",
                                                 .Caption = TMsg::CapSumChangesRange,
                                                 .Group = 1,
                                                 .Flags = sfReference,
                                                 .HasValueList = false,
                                                 .Create = CreateStat<TstSumChangeSome>};

std::string TstSumChangeSome::ValueText(const TStatValueRec& value) const {
    return SignedChange(value.Key.K1K2());
}

void TstSumChangeSome::AddDraw(int index, int lastIndex, TLastValueArray&, TStatScratch&,
                               TStatDrawArray& values, bool sorted) {
    BeginDraw(index, lastIndex, sorted);
    const int previous = PreviousSum(Draws(), index, sorted);
    if (std::abs(DrawSum(ReferenceDraw) - previous) > SumStep) return;
    Value.Key = TValueKey{};
    Value.Key.SetK1K2(DrawSum(CurrentDraw) - previous);
    AddValue(values, Value, true);
}

bool TstSumChangeSome::Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool, bool,
                               int) {
    return HasHalf(selected, 1, Sum(nums) - DrawSum(ReferenceDraw));
}

std::unique_ptr<TCombFilter> TstSumChangeSome::PrepareFilter(const TStatDrawArray& selected, bool,
                                                             bool sorted, int lastIndex) {
    LoadDraws(lastIndex, lastIndex, sorted);
    const int latest = DrawSum(ReferenceDraw);
    return MakeSumFilter(PlainWeights(),
                         SumsWithHalf(selected, 1, [latest](int s) { return s - latest; }));
}

// --- TstSumTrend --------------------------------------------------------------------------

const TStatClass TstSumTrend::Descriptor = {.Name = "TstSumTrend",
                                            .Code = "SUMT",
                                            .Caption = TMsg::CapSumDirection,
                                            .Group = 1,
                                            .Flags = sfReference,
                                            .HasGraph = true,
                                            .HasValueList = false,
                                            .Create = CreateStat<TstSumTrend>};

std::string TstSumTrend::ValueText(const TStatValueRec& value) const {
    const int v = value.Key.K1K2();
    return v == 0 ? "=" : v > 0 ? "+" : "-";
}

void TstSumTrend::InitValues(int lastIndex, TStatDrawArray& values) {
    TCustomStat::InitValues(lastIndex, values);
    for (const int v : {0, 1, -1}) {
        Value.Key = TValueKey{};
        Value.Key.SetK1K2(v);
        AddValue(values, Value, false);
    }
}

void TstSumTrend::AddDraw(int index, int lastIndex, TLastValueArray&, TStatScratch&,
                          TStatDrawArray& values, bool sorted) {
    BeginDraw(index, lastIndex, sorted);
    const int previous = PreviousSum(Draws(), index, sorted);
    if (previous != DrawSum(ReferenceDraw)) return;
    Value.Key = TValueKey{};
    Value.Key.SetK1K2(Sign(DrawSum(CurrentDraw) - previous));
    AddValue(values, Value, true);
}

bool TstSumTrend::Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool, bool,
                          int) {
    return HasHalf(selected, 1, Sign(Sum(nums) - DrawSum(ReferenceDraw)));
}

std::unique_ptr<TCombFilter> TstSumTrend::PrepareFilter(const TStatDrawArray& selected, bool,
                                                        bool sorted, int lastIndex) {
    LoadDraws(lastIndex, lastIndex, sorted);
    const int latest = DrawSum(ReferenceDraw);
    return MakeSumFilter(PlainWeights(),
                         SumsWithHalf(selected, 1, [latest](int s) { return Sign(s - latest); }));
}

std::int32_t TstSumTrend::GraphValue(const std::uint8_t* nums, int drawIndex, bool sorted, int) {
    return Sign(Sum(nums) - PreviousSum(Draws(), drawIndex, sorted));
}

// --- partial sums -------------------------------------------------------------------------

int TCustomPartialSumStat::PartialSum(const std::uint8_t* nums) const {
    int s = 0;
    for (int i = 0; i < NumbersInDraw; ++i) s += Counts(nums[i]) ? nums[i] : 0;
    return s;
}

void TCustomPartialSumStat::ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const {
    keys.AddK1(PartialSum(nums));
}

bool TCustomPartialSumStat::Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool,
                                    bool, int) {
    return HasK1K3(selected, TValueKey::FromK1(PartialSum(nums)));
}

std::unique_ptr<TCombFilter> TCustomPartialSumStat::PrepareFilter(const TStatDrawArray& selected,
                                                                  bool, bool, int) {
    TWeights weights{};
    for (int n = 0; n < 256; ++n) {
        weights[n] = Counts(static_cast<std::uint8_t>(n)) ? static_cast<std::uint8_t>(n) : 0;
    }
    return MakeSumFilter(weights, SumsWithK1K3(selected, [](int s) { return s; }));
}

std::int32_t TCustomPartialSumStat::GraphValue(const std::uint8_t* nums, int, bool, int) {
    return PartialSum(nums);
}

const TStatClass TstSumEvenValues::Descriptor = {.Name = "TstSumEvenValues",
                                                 .Code = "SUME",
                                                 .Caption = TMsg::CapSumEven,
                                                 .Group = 1,
                                                 .Flags = sfNorm,
                                                 .HasGraph = true,
                                                 .Create = CreateStat<TstSumEvenValues>};
bool TstSumEvenValues::Counts(std::uint8_t number) const {
    return number % 2 == 0;
}

const TStatClass TstSumPrimeValues::Descriptor = {.Name = "TstSumPrimeValues",
                                                  .Code = "SUMP",
                                                  .Caption = TMsg::CapSumPrime,
                                                  .Group = 1,
                                                  .Flags = sfNorm,
                                                  .HasGraph = true,
                                                  .Create = CreateStat<TstSumPrimeValues>};
bool TstSumPrimeValues::Counts(std::uint8_t number) const {
    return IsPrimeSetNumber(number);
}

// --- TstSum2To3 ---------------------------------------------------------------------------

const TStatClass TstSum2To3::Descriptor = {.Name = "TstSum2To3",
                                           .Code = "S2T3",
                                           .Caption = TMsg::CapSumTriple,
                                           .Group = 1,
                                           .Flags = sfNorm,
                                           .HasGraph = true,
                                           .Create = CreateStat<TstSum2To3>};

void TstSum2To3::ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const {
    keys.AddK1(SumTripleCount(nums));
}

bool TstSum2To3::Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool, bool,
                         int) {
    return HasPart(selected, 1, SumTripleCount(nums));
}

std::unique_ptr<TCombFilter> TstSum2To3::PrepareFilter(const TStatDrawArray& selected, bool, bool,
                                                       int) {
    // A count is at most 5 * 6 = 30: one bit each.
    std::uint64_t counts = 0;
    for (const TStatValueRec& s : selected) {
        const int k = s.Key.K1();
        if (k >= 0 && k < 64) counts |= std::uint64_t{1} << k;
    }
    return MakeCombFilter([counts](TCombNums n) {
        const int a = n[0], b = n[1], c = n[2], d = n[3], e = n[4];
        int count;
        if (a < b && b < c && c < d && d < e) {
            // Ascending numbers (as lists hold them): only a larger number can be the sum of
            // two smaller ones, so the ten triples in order are all there is to test.
            count = (a + b == c) + (a + b == d) + (a + c == d) + (b + c == d) + (a + b == e) +
                    (a + c == e) + (a + d == e) + (b + c == e) + (b + d == e) + (c + d == e);
        } else {
            const std::uint8_t nums[NumbersInDraw] = {n[0], n[1], n[2], n[3], n[4]};
            count = SumTripleCount(nums);
        }
        return ((counts >> count) & 1u) != 0;
    });
}

std::int32_t TstSum2To3::GraphValue(const std::uint8_t* nums, int, bool, int) {
    return SumTripleCount(nums);
}

}  // namespace mv
