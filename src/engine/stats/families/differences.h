#pragma once

#include "engine/stats/custom_stat.h"

namespace mv {

// Group 2: the absolute differences between numbers standing next to each other in a draw
// (positions 1-2, 2-3, 3-4, 4-5), their maximum, the spread between the smallest and the
// largest number, repeated differences, and runs of two to four consecutive differences.
// Except for the spread every value follows the order of the numbers in the draw; a bare
// combination is ascending.

// All four differences, one value each.
class TstDiffTotal final : public TCustomNumbersStat {
public:
    static const TStatClass Descriptor;
    using TCustomNumbersStat::TCustomNumbersStat;
    void InitValues(int lastIndex, TStatDrawArray& values) override;
    // Gaps between occurrences are measured on the first difference of a draw only: a value
    // that repeats inside one draw would otherwise record a gap of 0.
    void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatScratch& scratch,
                 TStatDrawArray& values, bool sorted) override;
    bool Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool deleteMode,
                 bool sorted, int lastIndex) override;
    std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected, bool deleteMode,
                                               bool sorted, int lastIndex) override;

protected:
    void ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const override;
};

// A method whose one value per draw is a single integer that is also its graph value; the
// selection compares K1 only.
class TCustomDiffValueStat : public TCustomGraphStat {
public:
    // Marks the selected values 0..255 (every value of five bytes lies there).
    using TK1Table = std::array<std::uint8_t, 256>;
    using TCustomGraphStat::TCustomGraphStat;
    void InitValues(int lastIndex, TStatDrawArray& values) override;
    bool Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool deleteMode,
                 bool sorted, int lastIndex) override;
    std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected, bool deleteMode,
                                               bool sorted, int lastIndex) override;
    std::int32_t GraphValue(const std::uint8_t* nums, int drawIndex, bool sorted,
                            int extra) override;

protected:
    // The value of five numbers; a pure function of them, within 0..255 for any bytes.
    virtual int ValueOf(const std::uint8_t* nums) const = 0;
    // The values enumerated in advance.
    virtual std::pair<int, int> InitRange() const = 0;
    // The batch filter keeping the combinations whose value is marked; the value is
    // computed inline, without a virtual call per combination.
    virtual std::unique_ptr<TCombFilter> ValueFilter(const TK1Table& selected) const = 0;
    void ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const override;
};

class TstDiffMax final : public TCustomDiffValueStat {
public:
    static const TStatClass Descriptor;
    using TCustomDiffValueStat::TCustomDiffValueStat;

protected:
    int ValueOf(const std::uint8_t* nums) const override;
    std::pair<int, int> InitRange() const override;
    std::unique_ptr<TCombFilter> ValueFilter(const TK1Table& selected) const override;
};

// Largest minus smallest number: independent of their order.
class TstMinMaxDiffs final : public TCustomDiffValueStat {
public:
    static const TStatClass Descriptor;
    using TCustomDiffValueStat::TCustomDiffValueStat;

protected:
    int ValueOf(const std::uint8_t* nums) const override;
    std::pair<int, int> InitRange() const override;
    std::unique_ptr<TCombFilter> ValueFilter(const TK1Table& selected) const override;
};

// The largest multiplicity of one difference among the four (1..4).
class TstDiffSameCnt final : public TCustomDiffValueStat {
public:
    static const TStatClass Descriptor;
    using TCustomDiffValueStat::TCustomDiffValueStat;

protected:
    int ValueOf(const std::uint8_t* nums) const override;
    std::pair<int, int> InitRange() const override;
    std::unique_ptr<TCombFilter> ValueFilter(const TK1Table& selected) const override;
};

// One value per distinct difference: K1 = the difference, K2 = how many of the four equal
// it, in the order of first occurrence.
class TstDiffSame final : public TCustomStat {
public:
    static const TStatClass Descriptor;
    using TCustomStat::TCustomStat;
    // "difference x multiplicity", e.g. "3 x 2".
    std::string ValueText(const TStatValueRec& value) const override;
    bool Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool deleteMode,
                 bool sorted, int lastIndex) override;
    std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected, bool deleteMode,
                                               bool sorted, int lastIndex) override;

protected:
    void ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const override;
};

// Runs of Length() consecutive differences taken together, in K1..K(Length()): 5 - Length()
// values per draw. Gaps between occurrences are measured on the first run of a draw only.
class TCustomDiffSeqStat : public TCustomStat {
public:
    TCustomDiffSeqStat(const TStatEnvironment& env, int index, int length)
        : TCustomStat(env, index), m_length(length) {}
    int Length() const { return m_length; }
    // The differences joined by ":", e.g. "3:7".
    std::string ValueText(const TStatValueRec& value) const override;
    void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatScratch& scratch,
                 TStatDrawArray& values, bool sorted) override;
    bool Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool deleteMode,
                 bool sorted, int lastIndex) override;
    std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected, bool deleteMode,
                                               bool sorted, int lastIndex) override;

protected:
    void ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const override;

private:
    int m_length;
};

class TstCombDiffSeq2 final : public TCustomDiffSeqStat {
public:
    static const TStatClass Descriptor;
    TstCombDiffSeq2(const TStatEnvironment& env, int index) : TCustomDiffSeqStat(env, index, 2) {}
};

class TstCombDiffSeq3 final : public TCustomDiffSeqStat {
public:
    static const TStatClass Descriptor;
    TstCombDiffSeq3(const TStatEnvironment& env, int index) : TCustomDiffSeqStat(env, index, 3) {}
};

class TstCombDiffSeq4 final : public TCustomDiffSeqStat {
public:
    static const TStatClass Descriptor;
    TstCombDiffSeq4(const TStatEnvironment& env, int index) : TCustomDiffSeqStat(env, index, 4) {}
};

}  // namespace mv
