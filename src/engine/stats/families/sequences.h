#pragma once

#include "engine/stats/custom_stat.h"

namespace mv {

// Group 6: runs of consecutive numbers inside one draw, such as 7, 8, 9. A run is a maximal
// stretch of neighbouring positions each one more than the number before it, in draw order
// (ascending for a combination and with the sorted-draws option); a number in no longer run
// is a run of length 1, and a sequence is a run of two or more. Every value is a function of
// the four steps between neighbouring positions.
//
// The graphs count a step of -1 as well, so that a draw shown in drawing order has 9, 8 as a
// sequence in its graph; the tables and the filters count +1 steps only.

// The steps between neighbouring positions that continue a run, as bits 0..3 (bit i: the
// number at position i + 2 is one more than the one at position i + 1, or with `eitherWay`
// one more or one less).
unsigned RunSteps(const std::uint8_t* nums, bool eitherWay);

// The length of every run, in position order.
class TstSequenceLen final : public TCustomNumbersStat {
public:
    static const TStatClass Descriptor;
    using TCustomNumbersStat::TCustomNumbersStat;
    void InitValues(int lastIndex, TStatDrawArray& values) override;
    // A length the draw has several runs of measures its gap between draws once.
    void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatScratch& scratch,
                 TStatDrawArray& values, bool sorted) override;
    bool Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool deleteMode,
                 bool sorted, int lastIndex) override;
    std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected, bool deleteMode,
                                               bool sorted, int lastIndex) override;

protected:
    void ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const override;
};

// A method whose one value per draw is a function of the run steps, also its graph value
// (with steps of -1 counted); the selection compares K1.
class TCustomSequenceGraphStat : public TCustomGraphStat {
public:
    using TCustomGraphStat::TCustomGraphStat;
    void InitValues(int lastIndex, TStatDrawArray& values) override;
    bool Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool deleteMode,
                 bool sorted, int lastIndex) override;
    std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected, bool deleteMode,
                                               bool sorted, int lastIndex) override;
    std::int32_t GraphValue(const std::uint8_t* nums, int drawIndex, bool sorted,
                            int extra) override;

protected:
    virtual int ValueOfSteps(unsigned steps) const = 0;
    // The values enumerated in advance.
    virtual std::pair<int, int> InitRange() const = 0;
    void ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const override;
};

// How many sequences (runs of two or more) the draw has: 0, 1 or 2.
class TstSequenceCnt final : public TCustomSequenceGraphStat {
public:
    static const TStatClass Descriptor;
    using TCustomSequenceGraphStat::TCustomSequenceGraphStat;

protected:
    int ValueOfSteps(unsigned steps) const override;
    std::pair<int, int> InitRange() const override;
};

// The length of the longest run, 1 when there is no sequence.
class TstSequenceLenMax final : public TCustomSequenceGraphStat {
public:
    static const TStatClass Descriptor;
    using TCustomSequenceGraphStat::TCustomSequenceGraphStat;

protected:
    int ValueOfSteps(unsigned steps) const override;
    std::pair<int, int> InitRange() const override;
};

}  // namespace mv
