#include "engine/stats/families/repeats.h"

#include <algorithm>

#include "engine/core/messages.h"

namespace mv {
namespace {

constexpr int kGroup = 7;

bool Holds(const TDrawRec& draw, int n) {
    return n >= 1 && n <= MaxNumber &&
           std::find(draw.Nums.begin(), draw.Nums.begin() + NumbersInDraw, n) !=
               draw.Nums.begin() + NumbersInDraw;
}

// Keeps (or drops) the combinations whose count of marked numbers is selected.
std::unique_ptr<TCombFilter> MakeCountFilter(const std::array<std::uint8_t, 256>& counted,
                                             const TStatDrawArray& selected) {
    std::array<std::uint8_t, NumbersInDraw + 1> chosen{};
    for (int k = 0; k <= NumbersInDraw; ++k)
        chosen[static_cast<std::size_t>(k)] = HasPart(selected, 1, k);
    const TPairTable<std::uint8_t> pairs(
        counted, [](std::uint8_t a, std::uint8_t b) { return static_cast<std::uint8_t>(a + b); });
    return MakeCombFilter([pairs, counted, chosen](TCombNums n) {
        return chosen[static_cast<std::size_t>(pairs[n.Pair(0)] + pairs[n.Pair(2)] +
                                               counted[n[4]])] != 0;
    });
}

}  // namespace

std::uint8_t ShiftNumber(std::uint8_t n, int shift) {
    if (n < 1 || n > MaxNumber) return n;
    int s = n + shift;
    while (s > MaxNumber) s -= MaxNumber;
    while (s < 1) s += MaxNumber;
    return static_cast<std::uint8_t>(s);
}

// --- value methods ------------------------------------------------------------------------

void TCustomRepValues2Stat::InitValues(int lastIndex, TStatDrawArray& values) {
    TCustomStat::InitValues(lastIndex, values);
    const TDrawRec latest = DrawAt(Draws(), lastIndex, false);
    for (int i = 0; i < NumbersInDraw; ++i) {
        Value.Key = TValueKey::FromK1(ShiftNumber(latest.Nums[static_cast<std::size_t>(i)], Shift));
        AddValue(values, Value, false);
    }
}

void TCustomRepValues2Stat::AddDraw(int index, int lastIndex, TLastValueArray&, TStatScratch&,
                                    TStatDrawArray& values, bool sorted) {
    BeginDraw(index, lastIndex, sorted);
    const TDrawRec earlier = DrawAt(Draws(), index - Gap, sorted);
    TKeyBuffer keys;
    for (int i = 0; i < NumbersInDraw; ++i) {
        const std::uint8_t p = earlier.Nums[static_cast<std::size_t>(i)];
        // A shift maps 1..36 onto itself one to one: S(p) is a shifted latest number exactly
        // when p is a latest number.
        if (Holds(ReferenceDraw, p) && Holds(CurrentDraw, ShiftNumber(p, Shift))) {
            keys.AddK1(ShiftNumber(p, Shift));
        }
    }
    AddDrawValues(values, Value, keys.begin(), keys.Count);
}

void TCustomRepValues3Stat::InitValues(int lastIndex, TStatDrawArray& values) {
    TCustomStat::InitValues(lastIndex, values);
    const TDrawRec latest = DrawAt(Draws(), lastIndex, false);
    for (int i = 0; i < NumbersInDraw; ++i) {
        Value.Key = TValueKey::FromK1(latest.Nums[static_cast<std::size_t>(i)]);
        AddValue(values, Value, false);
    }
}

void TCustomRepValues3Stat::AddDraw(int index, int lastIndex, TLastValueArray&, TStatScratch&,
                                    TStatDrawArray& values, bool sorted) {
    BeginDraw(index, lastIndex, sorted);
    const TDrawRec previous = DrawAt(Draws(), index - 1, sorted);
    const TDrawRec third = DrawAt(Draws(), index - 2, sorted);
    TKeyBuffer keys;
    for (int i = 0; i < NumbersInDraw; ++i) {
        const std::uint8_t x = CurrentDraw.Nums[static_cast<std::size_t>(i)];
        if (Holds(ReferenceDraw, x) && Holds(previous, x) && Holds(third, x) == m_three) {
            keys.AddK1(x);
        }
    }
    AddDrawValues(values, Value, keys.begin(), keys.Count);
}

void TCustomRepNumbersStat::AddCombination(const std::uint8_t*, TStatDrawArray&) {}

bool TCustomRepNumbersStat::Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool,
                                    bool, int) {
    return std::any_of(nums, nums + NumbersInDraw,
                       [&](std::uint8_t n) { return HasPart(selected, 1, n); });
}

std::unique_ptr<TCombFilter> TCustomRepNumbersStat::PrepareFilter(const TStatDrawArray& selected,
                                                                  bool, bool, int) {
    return MakeAnyNumberFilter(SelectedK1Table(selected));
}

// --- count methods ------------------------------------------------------------------------

void TCustomRepCountStat::InitValues(int lastIndex, TStatDrawArray& values) {
    TCustomStat::InitValues(lastIndex, values);
    for (int k = 1; k <= NumbersInDraw; ++k) {
        Value.Key = TValueKey::FromK1(k);
        AddValue(values, Value, false);
    }
}

void TCustomRepCountStat::LoadDraws(int index, int referenceIndex, bool sorted) {
    TCustomStat::LoadDraws(index, referenceIndex, sorted);
    m_counted.fill(0);
    CountedNumbers(referenceIndex, sorted, m_counted);
}

void TCustomRepCountStat::AddDraw(int index, int lastIndex, TLastValueArray&, TStatScratch&,
                                  TStatDrawArray& values, bool sorted) {
    BeginDraw(index, lastIndex, sorted);
    Value.Key = TValueKey::FromK1(DrawCount(index, sorted));
    AddValue(values, Value, true);
}

void TCustomRepCountStat::AddCombination(const std::uint8_t*, TStatDrawArray&) {}

bool TCustomRepCountStat::Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool,
                                  bool, int) {
    int count = 0;
    for (int i = 0; i < NumbersInDraw; ++i) count += m_counted[nums[i]];
    return HasPart(selected, 1, count);
}

std::unique_ptr<TCombFilter> TCustomRepCountStat::PrepareFilter(const TStatDrawArray& selected,
                                                                bool, bool sorted, int lastIndex) {
    LoadDraws(-1, lastIndex, sorted);
    return MakeCountFilter(m_counted, selected);
}

int TCustomRepCount2Stat::DrawCount(int index, bool sorted) const {
    const TDrawRec current = DrawAt(Draws(), index, sorted);
    const TDrawRec earlier = DrawAt(Draws(), index - Gap, sorted);
    int count = 0;
    for (int i = 0; i < NumbersInDraw; ++i) {
        const std::uint8_t p = earlier.Nums[static_cast<std::size_t>(i)];
        count += p >= 1 && p <= MaxNumber && Holds(current, ShiftNumber(p, Shift)) ? 1 : 0;
    }
    return count;
}

void TCustomRepCount2Stat::CountedNumbers(int lastIndex, bool sorted,
                                          std::array<std::uint8_t, 256>& counted) const {
    const TDrawRec r = DrawAt(Draws(), lastIndex - Gap + 1, sorted);
    for (int i = 0; i < NumbersInDraw; ++i) {
        const std::uint8_t n = r.Nums[static_cast<std::size_t>(i)];
        if (n >= 1 && n <= MaxNumber) counted[ShiftNumber(n, Shift)] = 1;
    }
}

int TCustomRepCount3Stat::DrawCount(int index, bool sorted) const {
    const TDrawRec current = DrawAt(Draws(), index, sorted);
    const TDrawRec previous = DrawAt(Draws(), index - 1, sorted);
    const TDrawRec third = DrawAt(Draws(), index - 2, sorted);
    int count = 0;
    for (int i = 0; i < NumbersInDraw; ++i) {
        const std::uint8_t x = current.Nums[static_cast<std::size_t>(i)];
        count += Holds(previous, x) && Holds(third, x) == m_three ? 1 : 0;
    }
    return count;
}

void TCustomRepCount3Stat::CountedNumbers(int lastIndex, bool sorted,
                                          std::array<std::uint8_t, 256>& counted) const {
    const TDrawRec latest = DrawAt(Draws(), lastIndex, sorted);
    const TDrawRec before = DrawAt(Draws(), lastIndex - 1, sorted);
    for (int n = 1; n <= MaxNumber; ++n) {
        if (Holds(latest, n) && Holds(before, n) == m_three)
            counted[static_cast<std::size_t>(n)] = 1;
    }
}

// --- the classes --------------------------------------------------------------------------

#define MV_REPEAT_DESCRIPTOR(Class, CodeText, CaptionText, Values)     \
    const TStatClass Class::Descriptor = {.Name = #Class,              \
                                          .Code = CodeText,            \
                                          .Caption = CaptionText,      \
                                          .Group = kGroup,             \
                                          .Flags = sfReference,        \
                                          .Create = CreateStat<Class>, \
                                          .ValuesPerComb = {Values, Values}};

#define MV_REPEAT2(Class, CodeText, CaptionText, Base, Shift, Gap) \
    MV_REPEAT_DESCRIPTOR(Class, CodeText, CaptionText, 0)          \
    Class::Class(const TStatEnvironment& env, int index) : Base(env, index, Shift, Gap) {}

#define MV_REPEAT3(Class, CodeText, CaptionText, Base, Three) \
    MV_REPEAT_DESCRIPTOR(Class, CodeText, CaptionText, 0)     \
    Class::Class(const TStatEnvironment& env, int index) : Base(env, index, Three) {}

MV_REPEAT2(TstRepValues2, "RPV2", TMsg::CapRepeat2, TCustomRepValues2Stat, 0, 1)
MV_REPEAT3(TstRepValues3, "RPV3", TMsg::CapRepeat3, TCustomRepValues3Stat, true)
MV_REPEAT3(TstRepValues2B3, "PRL2", TMsg::CapRepeat2Of3, TCustomRepValues3Stat, false)
MV_REPEAT2(TstRepValues2over1, "PRV2O1", TMsg::CapRepeatOver1, TCustomRepValues2Stat, 0, 2)
MV_REPEAT2(TstRepValues2over2, "PRV2O2", TMsg::CapRepeatOver2, TCustomRepValues2Stat, 0, 3)
MV_REPEAT2(TstRepValues2over3, "PRV2O3", TMsg::CapRepeatOver3, TCustomRepValues2Stat, 0, 4)
MV_REPEAT2(TstRepValues2P1, "PRV+1", TMsg::CapPreviousPlus1, TCustomRepValues2Stat, 1, 1)
MV_REPEAT2(TstRepValues2N1, "PRV-1", TMsg::CapPreviousMinus1, TCustomRepValues2Stat, -1, 1)
MV_REPEAT2(TstRepValues2P2, "PRV+2", TMsg::CapPreviousPlus2, TCustomRepValues2Stat, 2, 1)
MV_REPEAT2(TstRepValues2N2, "PRV-2", TMsg::CapPreviousMinus2, TCustomRepValues2Stat, -2, 1)
MV_REPEAT2(TstRepCount2, "RPC2", TMsg::CapRepeatCount2, TCustomRepCount2Stat, 0, 1)
MV_REPEAT3(TstRepCount3, "RPC3", TMsg::CapRepeatCount3, TCustomRepCount3Stat, true)
MV_REPEAT3(TstRepCount2B3, "PRB2", TMsg::CapRepeatCount2Of3, TCustomRepCount3Stat, false)
MV_REPEAT2(TstRepCount2over1, "RPO1", TMsg::CapRepeatCountOver1, TCustomRepCount2Stat, 0, 2)
MV_REPEAT2(TstRepCount2over2, "PRC2O2", TMsg::CapRepeatCountOver2, TCustomRepCount2Stat, 0, 3)
MV_REPEAT2(TstRepCount2over3, "PRC2O3", TMsg::CapRepeatCountOver3, TCustomRepCount2Stat, 0, 4)
MV_REPEAT2(TstRepCount2P1, "PRC+1", TMsg::CapMatchPlus1, TCustomRepCount2Stat, 1, 1)
MV_REPEAT2(TstRepCount2N1, "PRC-1", TMsg::CapMatchMinus1, TCustomRepCount2Stat, -1, 1)
MV_REPEAT2(TstRepCount2P2, "PRC+2", TMsg::CapMatchPlus2, TCustomRepCount2Stat, 2, 1)
MV_REPEAT2(TstRepCount2N2, "PRC-2", TMsg::CapMatchMinus2, TCustomRepCount2Stat, -2, 1)

#undef MV_REPEAT2
#undef MV_REPEAT3
#undef MV_REPEAT_DESCRIPTOR

}  // namespace mv
