#pragma once

#include "engine/stats/custom_stat.h"

namespace mv {

// Group 0: the five numbers of one draw looked at directly — the numbers, their digits, how
// many are even, low or prime and the patterns of those by position, the number at a
// position and the extra number.

class TstValues final : public TCustomValuesStat {
public:
    static const TStatClass Descriptor;
    using TCustomValuesStat::TCustomValuesStat;
    void InitValues(int lastIndex, TStatDrawArray& values) override;
    bool Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool deleteMode,
                 bool sorted, int lastIndex) override;
    std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected, bool deleteMode,
                                              bool sorted, int lastIndex) override;

protected:
    void ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const override;
};

class TstDigits final : public TCustomNumbersStat {
public:
    static const TStatClass Descriptor;
    using TCustomNumbersStat::TCustomNumbersStat;
    bool Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool deleteMode,
                 bool sorted, int lastIndex) override;
    std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected, bool deleteMode,
                                              bool sorted, int lastIndex) override;

protected:
    void ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const override;
};

class TstEvenCount final : public TCustomRatioStat {
public:
    static const TStatClass Descriptor;
    using TCustomRatioStat::TCustomRatioStat;

protected:
    bool HasProperty(std::uint8_t number) const override;
};

class TstEvenValues final : public TCustomMaskStat {
public:
    static const TStatClass Descriptor;
    using TCustomMaskStat::TCustomMaskStat;

protected:
    const char* ZeroSymbol() const override { return "Ч"; }
    const char* OneSymbol() const override { return "н"; }
    bool OneBit(std::uint8_t number) const override;
};

class TstSmallCount final : public TCustomRatioStat {
public:
    static const TStatClass Descriptor;
    using TCustomRatioStat::TCustomRatioStat;

protected:
    bool HasProperty(std::uint8_t number) const override;
};

class TstSmallValues final : public TCustomMaskStat {
public:
    static const TStatClass Descriptor;
    using TCustomMaskStat::TCustomMaskStat;
    // Enumerates nothing in advance: only patterns that occur get a row.
    void InitValues(int lastIndex, TStatDrawArray& values) override;

protected:
    const char* ZeroSymbol() const override { return "1"; }
    const char* OneSymbol() const override { return "2"; }
    bool OneBit(std::uint8_t number) const override;
};

class TstPrimeCount final : public TCustomRatioStat {
public:
    static const TStatClass Descriptor;
    using TCustomRatioStat::TCustomRatioStat;

protected:
    bool HasProperty(std::uint8_t number) const override;
};

class TstPrimeValues final : public TCustomMaskStat {
public:
    static const TStatClass Descriptor;
    using TCustomMaskStat::TCustomMaskStat;

protected:
    const char* ZeroSymbol() const override { return "С"; }
    const char* OneSymbol() const override { return "П"; }
    bool OneBit(std::uint8_t number) const override;
};

// The number at position Index (1..5).
class TstPosVal final : public TCustomGraphStat {
public:
    static const TStatClass Descriptor;
    using TCustomGraphStat::TCustomGraphStat;
    void InitValues(int lastIndex, TStatDrawArray& values) override;
    bool Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool deleteMode,
                 bool sorted, int lastIndex) override;
    std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected, bool deleteMode,
                                              bool sorted, int lastIndex) override;
    std::int32_t GraphValue(const std::uint8_t* nums, int drawIndex, bool sorted,
                            int extra) override;

protected:
    void ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const override;
};

// The extra number of a draw. It has no value for a bare combination, so it never filters.
class TstPosExt final : public TCustomGraphStat {
public:
    static const TStatClass Descriptor;
    using TCustomGraphStat::TCustomGraphStat;
    void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatScratch& scratch,
                 TStatDrawArray& values, bool sorted) override;
    bool Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool deleteMode,
                 bool sorted, int lastIndex) override;
    std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected, bool deleteMode,
                                              bool sorted, int lastIndex) override;
    std::int32_t GraphValue(const std::uint8_t* nums, int drawIndex, bool sorted,
                            int extra) override;
};

// A number's decimal digits as a bit set (bit d for digit d).
std::uint16_t DigitMask(int number);
bool IsPrimeSetNumber(int number);

}  // namespace mv
