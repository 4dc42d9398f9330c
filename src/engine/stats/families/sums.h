#pragma once

#include "engine/stats/custom_stat.h"

namespace mv {

// Group 1: the sum of a draw's five numbers — its value, partial sums (even numbers, numbers
// of the prime set), three fixed sum ranges, how the sum changes from one draw to the next
// and how many numbers of a draw are the sum of two others.
//
// The three change methods (flag D) look at the previous draw and at the window's latest
// draw: their tables hold only what followed the earlier draws whose sum resembles the
// latest one, and a combination is judged as a successor of the latest draw.

class TstSumValues final : public TCustomGraphStat {
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

// Whether the sum lies in the fixed range Index (1..3): value 1 inside, 0 outside.
class TstSumRanges final : public TCustomGraphStat {
public:
    static const TStatClass Descriptor;
    using TCustomGraphStat::TCustomGraphStat;
    std::string ValueText(const TStatValueRec& value) const override;
    void InitValues(int lastIndex, TStatDrawArray& values) override;
    bool Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool deleteMode,
                 bool sorted, int lastIndex) override;
    std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected, bool deleteMode,
                                               bool sorted, int lastIndex) override;
    std::int32_t GraphValue(const std::uint8_t* nums, int drawIndex, bool sorted,
                            int extra) override;
    bool InRange(int sum) const;

protected:
    void ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const override;
};

// The exact change of the sum after a draw with the latest draw's sum: K1K2 the starting
// sum, K3K4 the following one.
class TstSumChange final : public TCustomGraphStat {
public:
    static const TStatClass Descriptor;
    using TCustomGraphStat::TCustomGraphStat;
    std::string ValueText(const TStatValueRec& value) const override;
    void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatScratch& scratch,
                 TStatDrawArray& values, bool sorted) override;
    bool Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool deleteMode,
                 bool sorted, int lastIndex) override;
    std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected, bool deleteMode,
                                               bool sorted, int lastIndex) override;
    std::int32_t GraphValue(const std::uint8_t* nums, int drawIndex, bool sorted,
                            int extra) override;
};

// The change of the sum after a draw whose sum is within the sum tolerance of the latest one.
class TstSumChangeSome final : public TCustomStat {
public:
    static const TStatClass Descriptor;
    using TCustomStat::TCustomStat;
    std::string ValueText(const TStatValueRec& value) const override;
    void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatScratch& scratch,
                 TStatDrawArray& values, bool sorted) override;
    bool Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool deleteMode,
                 bool sorted, int lastIndex) override;
    std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected, bool deleteMode,
                                               bool sorted, int lastIndex) override;
};

// The direction of the change after a draw with the latest draw's sum: +1, -1 or 0.
class TstSumTrend final : public TCustomGraphStat {
public:
    static const TStatClass Descriptor;
    using TCustomGraphStat::TCustomGraphStat;
    std::string ValueText(const TStatValueRec& value) const override;
    void InitValues(int lastIndex, TStatDrawArray& values) override;
    void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatScratch& scratch,
                 TStatDrawArray& values, bool sorted) override;
    bool Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool deleteMode,
                 bool sorted, int lastIndex) override;
    std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected, bool deleteMode,
                                               bool sorted, int lastIndex) override;
    std::int32_t GraphValue(const std::uint8_t* nums, int drawIndex, bool sorted,
                            int extra) override;
};

// A partial sum: the numbers that pass Counts, each at its own value.
class TCustomPartialSumStat : public TCustomGraphStat {
public:
    using TCustomGraphStat::TCustomGraphStat;
    bool Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool deleteMode,
                 bool sorted, int lastIndex) override;
    std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected, bool deleteMode,
                                               bool sorted, int lastIndex) override;
    std::int32_t GraphValue(const std::uint8_t* nums, int drawIndex, bool sorted,
                            int extra) override;
    int PartialSum(const std::uint8_t* nums) const;

protected:
    // Whether a number counts; a pure function of the number.
    virtual bool Counts(std::uint8_t number) const = 0;
    void ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const override;
};

class TstSumEvenValues final : public TCustomPartialSumStat {
public:
    static const TStatClass Descriptor;
    using TCustomPartialSumStat::TCustomPartialSumStat;

protected:
    bool Counts(std::uint8_t number) const override;
};

class TstSumPrimeValues final : public TCustomPartialSumStat {
public:
    static const TStatClass Descriptor;
    using TCustomPartialSumStat::TCustomPartialSumStat;

protected:
    bool Counts(std::uint8_t number) const override;
};

// How many numbers of a draw are the sum of two others.
class TstSum2To3 final : public TCustomGraphStat {
public:
    static const TStatClass Descriptor;
    using TCustomGraphStat::TCustomGraphStat;
    bool Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool deleteMode,
                 bool sorted, int lastIndex) override;
    std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected, bool deleteMode,
                                               bool sorted, int lastIndex) override;
    std::int32_t GraphValue(const std::uint8_t* nums, int drawIndex, bool sorted,
                            int extra) override;

protected:
    void ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const override;
};

// The number of (number, unordered pair of two other numbers) with the pair summing to the
// number.
int SumTripleCount(const std::uint8_t* nums);

}  // namespace mv
