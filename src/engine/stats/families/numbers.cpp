#include "engine/stats/families/numbers.h"

#include <string>

#include "engine/core/messages.h"

namespace mv {
namespace {

constexpr int kLowHalfLast = 18;

std::pair<int, int> PositionRange(const TConfigData&) { return {1, NumbersInDraw}; }
std::pair<int, int> ExtraRange(const TConfigData&) { return {1, ExtraCount}; }

// A 256-entry membership table of the selected K1 values whose other parts are 0 (the
// methods that compare all key parts of a number value).
std::array<std::uint8_t, 256> SelectedNumbers(const TStatDrawArray& selected) {
    std::array<std::uint8_t, 256> table{};
    for (const TStatValueRec& s : selected) {
        if (s.Key.Raw < 256) table[s.Key.Raw] = 1;
    }
    return table;
}

void AddK1Range(TCustomStat& stat, TStatDrawArray& values, int low, int high) {
    for (int v = low; v <= high; ++v) {
        stat.Value.Key = TValueKey::FromK1(v);
        AddValue(values, stat.Value, false);
    }
}

}  // namespace

std::uint16_t DigitMask(int number) {
    std::uint16_t mask = 0;
    for (const char c : std::to_string(number)) {
        if (c >= '0' && c <= '9') mask |= static_cast<std::uint16_t>(1u << (c - '0'));
    }
    return mask;
}

bool IsPrimeSetNumber(int number) {
    switch (number) {
        case 1: case 2: case 3: case 5: case 7: case 11: case 13: case 17: case 19: case 23:
        case 29: case 31:
            return true;
        default:
            return false;
    }
}

// --- TstValues ----------------------------------------------------------------------------

const TStatClass TstValues::Descriptor = {.Name = "TstValues",
                                          .Code = "NUMS",
                                          .Caption = TMsg::GroupNumbers,
                                          .Group = 0,
                                          .Flags = sfNorm,
                                          .Create = CreateStat<TstValues>,
                                          .ValuesPerComb = {5, 5}};

void TstValues::InitValues(int lastIndex, TStatDrawArray& values) {
    TCustomStat::InitValues(lastIndex, values);
    AddK1Range(*this, values, 1, MaxNumber);
}

void TstValues::ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const {
    for (int i = 0; i < NumbersInDraw; ++i) keys.AddK1(nums[i]);
}

bool TstValues::Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool, bool,
                        int) {
    for (int i = 0; i < NumbersInDraw; ++i) {
        if (HasKey(selected, TValueKey::FromK1(nums[i]))) return true;
    }
    return false;
}

std::unique_ptr<TCombFilter> TstValues::PrepareFilter(const TStatDrawArray& selected, bool, bool,
                                                      int) {
    return MakeAnyNumberFilter(SelectedNumbers(selected));
}

// --- TstDigits ----------------------------------------------------------------------------

const TStatClass TstDigits::Descriptor = {
    .Name = "TstDigits",
    .Code = "DIGS",
    .Caption = TMsg::CapDigits,
    .Group = 0,
    .Flags = sfNorm,
    .Create = CreateStat<TstDigits>,
    .ValuesPerComb = {5, 10}};  // five numbers of one or two digits each

void TstDigits::ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const {
    for (int i = 0; i < NumbersInDraw; ++i) {
        for (const char c : std::to_string(nums[i])) keys.AddK1(c - '0');
    }
}

bool TstDigits::Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool, bool,
                        int) {
    TKeyBuffer keys;
    ValuesOf(nums, keys);
    for (const TValueKey& key : keys) {
        if (HasKey(selected, key)) return true;
    }
    return false;
}

std::unique_ptr<TCombFilter> TstDigits::PrepareFilter(const TStatDrawArray& selected, bool, bool,
                                                      int) {
    std::uint16_t digits = 0;
    for (const TStatValueRec& s : selected) {
        if (s.Key.Raw < 10) digits |= static_cast<std::uint16_t>(1u << s.Key.Raw);
    }
    // A combination has a selected digit exactly when one of its numbers has one.
    std::array<std::uint8_t, 256> hit{};
    for (int n = 0; n < 256; ++n) hit[n] = (DigitMask(n) & digits) != 0 ? 1 : 0;
    return MakeAnyNumberFilter(hit);
}

// --- ratios and patterns ----------------------------------------------------------------------

const TStatClass TstEvenCount::Descriptor = {.Name = "TstEvenCount",
                                             .Code = "EVEN",
                                             .Caption = TMsg::CapEvenCount,
                                             .Group = 0,
                                             .Flags = sfNorm,
                                             .HasGraph = true,
                                             .Create = CreateStat<TstEvenCount>};
bool TstEvenCount::HasProperty(std::uint8_t number) const {
    return number % 2 == 0;
}

const TStatClass TstEvenValues::Descriptor = {.Name = "TstEvenValues",
                                              .Code = "EVNV",
                                              .Caption = TMsg::CapEvenPattern,
                                              .Group = 0,
                                              .Flags = sfPositional | sfNorm,
                                              .HasValueList = false,
                                              .Create = CreateStat<TstEvenValues>};
bool TstEvenValues::OneBit(std::uint8_t number) const {
    return number % 2 != 0;
}

const TStatClass TstSmallCount::Descriptor = {.Name = "TstSmallCount",
                                              .Code = "SMAL",
                                              .Caption = TMsg::CapLowHalfCount,
                                              .Group = 0,
                                              .Flags = sfNorm,
                                              .HasGraph = true,
                                              .Create = CreateStat<TstSmallCount>};
bool TstSmallCount::HasProperty(std::uint8_t number) const {
    return number <= kLowHalfLast;
}

const TStatClass TstSmallValues::Descriptor = {.Name = "TstSmallValues",
                                               .Code = "SMLV",
                                               .Caption = TMsg::CapLowHalfPattern,
                                               .Group = 0,
                                               .Flags = sfPositional | sfNorm,
                                               .HasValueList = false,
                                               .Create = CreateStat<TstSmallValues>};
bool TstSmallValues::OneBit(std::uint8_t number) const {
    return number > kLowHalfLast;
}
void TstSmallValues::InitValues(int lastIndex, TStatDrawArray& values) {
    TCustomStat::InitValues(lastIndex, values);
}

const TStatClass TstPrimeCount::Descriptor = {.Name = "TstPrimeCount",
                                              .Code = "PRIM",
                                              .Caption = TMsg::CapPrimeCount,
                                              .Group = 0,
                                              .Flags = sfNorm,
                                              .HasGraph = true,
                                              .Create = CreateStat<TstPrimeCount>};
bool TstPrimeCount::HasProperty(std::uint8_t number) const {
    return IsPrimeSetNumber(number);
}

const TStatClass TstPrimeValues::Descriptor = {.Name = "TstPrimeValues",
                                               .Code = "PRMV",
                                               .Caption = TMsg::CapPrimePattern,
                                               .Group = 0,
                                               .Flags = sfPositional | sfNorm,
                                               .HasValueList = false,
                                               .Create = CreateStat<TstPrimeValues>};
bool TstPrimeValues::OneBit(std::uint8_t number) const {
    return IsPrimeSetNumber(number);
}

// --- TstPosVal ----------------------------------------------------------------------------

const TStatClass TstPosVal::Descriptor = {.Name = "TstPosVal",
                                          .Code = "POS%d",
                                          .Caption = TMsg::CapPositionValue,
                                          .HelpCode = "POSx",
                                          .Group = 0,
                                          .Flags = sfPositional | sfNorm,
                                          .HasGraph = true,
                                          .IndexRange = PositionRange,
                                          .Create = CreateStat<TstPosVal>};

void TstPosVal::InitValues(int lastIndex, TStatDrawArray& values) {
    TCustomStat::InitValues(lastIndex, values);
    AddK1Range(*this, values, 1, MaxNumber);
}

void TstPosVal::ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const {
    if (Index >= 1 && Index <= NumbersInDraw) keys.AddK1(nums[Index - 1]);
}

bool TstPosVal::Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool, bool,
                        int) {
    return Index >= 1 && Index <= NumbersInDraw && HasPart(selected, 1, nums[Index - 1]);
}

std::unique_ptr<TCombFilter> TstPosVal::PrepareFilter(const TStatDrawArray& selected, bool, bool,
                                                      int) {
    const auto t = SelectedK1Table(selected);
    if (Index < 1 || Index > NumbersInDraw) {
        return MakeCombFilter([](TCombNums) { return false; });
    }
    return MakeCombFilter([t, pos = Index - 1](TCombNums n) { return t[n[pos]] != 0; });
}

std::int32_t TstPosVal::GraphValue(const std::uint8_t* nums, int, bool, int) {
    return Index >= 1 && Index <= NumbersInDraw ? nums[Index - 1] : 0;
}

// --- TstPosExt ----------------------------------------------------------------------------

const TStatClass TstPosExt::Descriptor = {.Name = "TstPosExt",
                                          .Code = "POE%d",
                                          .Caption = TMsg::CapExtraNumber,
                                          .HelpCode = "POSx",
                                          .Group = 0,
                                          .Flags = 0,
                                          .HasGraph = true,
                                          .IndexRange = ExtraRange,
                                          .Create = CreateStat<TstPosExt>};

void TstPosExt::AddDraw(int index, int lastIndex, TLastValueArray&, TStatScratch&,
                        TStatDrawArray& values, bool sorted) {
    BeginDraw(index, lastIndex, sorted);
    Value.Key = TValueKey::FromK1(CurrentDraw.Extra);
    AddValue(values, Value, true);
}

bool TstPosExt::Matches(const std::uint8_t*, const TStatDrawArray&, bool, bool, int) {
    return false;
}

std::unique_ptr<TCombFilter> TstPosExt::PrepareFilter(const TStatDrawArray&, bool, bool, int) {
    return MakeCombFilter([](TCombNums) { return false; });
}

std::int32_t TstPosExt::GraphValue(const std::uint8_t*, int drawIndex, bool sorted, int) {
    LoadDraws(drawIndex, drawIndex, sorted);
    return CurrentDraw.Extra;
}

}  // namespace mv
