#include "engine/stats/families/sequences.h"

#include <algorithm>
#include <cstdlib>

#include "engine/core/messages.h"

namespace mv {
namespace {

constexpr int kStepCount = NumbersInDraw - 1;
constexpr unsigned kStepPatterns = 1u << kStepCount;

// The run lengths of a step pattern in position order; they add up to five.
TKeyBuffer RunLengths(unsigned steps) {
    TKeyBuffer lengths;
    int length = 1;
    for (int i = 0; i < kStepCount; ++i) {
        if ((steps >> i) & 1u) {
            ++length;
        } else {
            lengths.AddK1(length);
            length = 1;
        }
    }
    lengths.AddK1(length);
    return lengths;
}

// Keeps (or drops) the combinations whose step pattern is marked in `patterns` (bit p for
// pattern p). A pair lookup gives one step: four per combination.
std::unique_ptr<TCombFilter> MakeStepFilter(std::uint16_t patterns) {
    std::array<std::uint8_t, 256> bytes{};
    for (int n = 0; n < 256; ++n) bytes[n] = static_cast<std::uint8_t>(n);
    const TPairTable<std::uint8_t> steps(bytes, [](std::uint8_t a, std::uint8_t b) {
        return static_cast<std::uint8_t>(int{b} - int{a} == 1 ? 1 : 0);
    });
    return MakeCombFilter([steps, patterns](TCombNums n) {
        const unsigned p = steps[n.Pair(0)] | steps[n.Pair(1)] << 1 | steps[n.Pair(2)] << 2 |
                           steps[n.Pair(3)] << 3;
        return ((patterns >> p) & 1u) != 0;
    });
}

}  // namespace

unsigned RunSteps(const std::uint8_t* nums, bool eitherWay) {
    unsigned steps = 0;
    for (int i = 0; i < kStepCount; ++i) {
        const int step = int{nums[i + 1]} - int{nums[i]};
        if (step == 1 || (eitherWay && step == -1)) steps |= 1u << i;
    }
    return steps;
}

// --- TstSequenceLen -----------------------------------------------------------------------

const TStatClass TstSequenceLen::Descriptor = {.Name = "TstSequenceLen",
                                               .Code = "SEQL",
                                               .Caption = TMsg::CapSequenceLength,
                                               .Group = 6,
                                               .Flags = sfPositional | sfNorm,
                                               .Create = CreateStat<TstSequenceLen>,
                                               .ValuesPerComb = {1, NumbersInDraw}};

void TstSequenceLen::InitValues(int lastIndex, TStatDrawArray& values) {
    TCustomStat::InitValues(lastIndex, values);
    for (int length = 1; length <= NumbersInDraw; ++length) {
        Value.Key = TValueKey::FromK1(length);
        AddValue(values, Value, false);
    }
}

void TstSequenceLen::ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const {
    keys = RunLengths(RunSteps(nums, false));
}

void TstSequenceLen::AddDraw(int index, int lastIndex, TLastValueArray&, TStatScratch&,
                             TStatDrawArray& values, bool sorted) {
    BeginDraw(index, lastIndex, sorted);
    TKeyBuffer keys;
    ValuesOf(CurrentDraw.Nums.data(), keys);
    AddDrawValues(values, Value, keys.begin(), keys.Count);
}

bool TstSequenceLen::Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool, bool,
                             int) {
    const TKeyBuffer lengths = RunLengths(RunSteps(nums, false));
    return std::any_of(lengths.begin(), lengths.end(),
                       [&](const TValueKey& key) { return HasPart(selected, 1, key.K1()); });
}

std::unique_ptr<TCombFilter> TstSequenceLen::PrepareFilter(const TStatDrawArray& selected, bool,
                                                           bool, int) {
    std::uint16_t patterns = 0;
    for (unsigned p = 0; p < kStepPatterns; ++p) {
        const TKeyBuffer lengths = RunLengths(p);
        if (std::any_of(lengths.begin(), lengths.end(),
                        [&](const TValueKey& key) { return HasPart(selected, 1, key.K1()); })) {
            patterns |= static_cast<std::uint16_t>(1u << p);
        }
    }
    return MakeStepFilter(patterns);
}

// --- one value per draw -------------------------------------------------------------------

void TCustomSequenceGraphStat::InitValues(int lastIndex, TStatDrawArray& values) {
    TCustomStat::InitValues(lastIndex, values);
    const auto [low, high] = InitRange();
    for (int v = low; v <= high; ++v) {
        Value.Key = TValueKey::FromK1(v);
        AddValue(values, Value, false);
    }
}

void TCustomSequenceGraphStat::ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const {
    keys.AddK1(ValueOfSteps(RunSteps(nums, false)));
}

bool TCustomSequenceGraphStat::Matches(const std::uint8_t* nums, const TStatDrawArray& selected,
                                       bool, bool, int) {
    return HasPart(selected, 1, ValueOfSteps(RunSteps(nums, false)));
}

std::unique_ptr<TCombFilter> TCustomSequenceGraphStat::PrepareFilter(const TStatDrawArray& selected,
                                                                     bool, bool, int) {
    std::uint16_t patterns = 0;
    for (unsigned p = 0; p < kStepPatterns; ++p) {
        if (HasPart(selected, 1, ValueOfSteps(p))) patterns |= static_cast<std::uint16_t>(1u << p);
    }
    return MakeStepFilter(patterns);
}

std::int32_t TCustomSequenceGraphStat::GraphValue(const std::uint8_t* nums, int, bool, int) {
    return ValueOfSteps(RunSteps(nums, true));
}

const TStatClass TstSequenceCnt::Descriptor = {.Name = "TstSequenceCnt",
                                               .Code = "SEQS",
                                               .Caption = TMsg::CapSequenceCount,
                                               .Group = 6,
                                               .Flags = sfPositional | sfNorm,
                                               .HasGraph = true,
                                               .Create = CreateStat<TstSequenceCnt>};

int TstSequenceCnt::ValueOfSteps(unsigned steps) const {
    // A sequence ends at a step that breaks a run after at least one step that continued it,
    // or at the last position.
    int count = 0;
    int continued = 0;
    for (int i = 0; i < kStepCount; ++i) {
        if ((steps >> i) & 1u) {
            ++continued;
            if (i == kStepCount - 1) ++count;
        } else {
            if (continued > 0) ++count;
            continued = 0;
        }
    }
    return count;
}

std::pair<int, int> TstSequenceCnt::InitRange() const {
    return {0, 2};
}

const TStatClass TstSequenceLenMax::Descriptor = {.Name = "TstSequenceLenMax",
                                                  .Code = "LENS",
                                                  .Caption = TMsg::CapSequenceMaxLength,
                                                  .Group = 6,
                                                  .Flags = sfPositional | sfNorm,
                                                  .HasGraph = true,
                                                  .Create = CreateStat<TstSequenceLenMax>};

int TstSequenceLenMax::ValueOfSteps(unsigned steps) const {
    int longest = 0;
    for (const TValueKey& length : RunLengths(steps)) longest = std::max(longest, int{length.K1()});
    return longest;
}

std::pair<int, int> TstSequenceLenMax::InitRange() const {
    return {1, NumbersInDraw};
}

}  // namespace mv
