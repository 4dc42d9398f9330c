#include "engine/stats/families/characteristic.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

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
    return "Метод шинковки " + std::to_string(index) + ": %s";
}

TShreddingFormula::TDrawNumbers NumbersOf(const std::uint8_t* nums, const TDrawRec& previous,
                                          const TDrawRec& third) {
    TShreddingFormula::TDrawNumbers numbers{};
    std::copy(nums, nums + NumbersInDraw, numbers[0].begin());
    std::copy(previous.Nums.begin(), previous.Nums.begin() + NumbersInDraw, numbers[1].begin());
    std::copy(third.Nums.begin(), third.Nums.begin() + NumbersInDraw, numbers[2].begin());
    return numbers;
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
                                           .Caption = "Число Варнела 1 (только разность)",
                                           .Group = kVarnelGroup,
                                           .Flags = sfPositional | sfNorm,
                                           .HasGraph = true,
                                           .Create = CreateStat<TstVarnel1>};

const TStatClass TstVarnel2::Descriptor = {
    .Name = "TstVarnel2",
    .Code = "VRN2",
    .Caption = "Число Варнела 2 (разность + сложение, если {0,1})",
    .Group = kVarnelGroup,
    .Flags = sfPositional | sfNorm,
    .HasGraph = true,
    .Create = CreateStat<TstVarnel2>};

// --- Varnel 3 -----------------------------------------------------------------------------

const TStatClass TstVarnel3::Descriptor = {
    .Name = "TstVarnel3",
    .Code = "VRN3",
    .Caption = "Числа Варнела 3 (динамический, только фильтр)",
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
                                                 .Caption = "Метод шинковки %0:d: %%s",
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
    auto chosen = std::make_shared<std::vector<bool>>(static_cast<std::size_t>(limit), false);
    for (const TStatValueRec& s : selected) {
        const std::int32_t v = s.Key.K1K2();
        if (v >= 0 && v < limit) (*chosen)[static_cast<std::size_t>(v)] = true;
    }
    const TDrawRec previous = DrawAt(Draws(), lastIndex, sorted);
    const TDrawRec third = DrawAt(Draws(), lastIndex - 1, sorted);
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
