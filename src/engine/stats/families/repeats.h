#pragma once

#include <array>
#include <memory>

#include "engine/stats/custom_stat.h"

namespace mv {

// Group 7: numbers that come back from one draw to a later one. Value methods list, for the
// numbers of the window's latest draw, how often each re-appeared in the method's pattern; a
// combination matches when it holds a selected number. Count methods count how many numbers
// of a draw repeat the pattern and judge a combination by the same count against the latest
// draws. Draws before the archive start count as empty.

// n + shift brought back into 1..36 (36 + 1 gives 1, 1 - 2 gives 35); other bytes are kept.
std::uint8_t ShiftNumber(std::uint8_t n, int shift);

// The value methods: rows are numbers of the latest draw, a bare combination adds nothing, and
// a combination matches when it holds a selected number.
class TCustomRepNumbersStat : public TCustomValuesStat {
public:
    using TCustomValuesStat::TCustomValuesStat;
    void AddCombination(const std::uint8_t* nums, TStatDrawArray& values) override;
    bool Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool deleteMode,
                 bool sorted, int lastIndex) override;
    std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected, bool deleteMode,
                                               bool sorted, int lastIndex) override;
};

// The numbers of the latest draw (shifted) as rows; a row counts each time a number of the
// draw `Gap` draws back, shifted, is a shifted latest number and lies in the current draw.
class TCustomRepValues2Stat : public TCustomRepNumbersStat {
public:
    TCustomRepValues2Stat(const TStatEnvironment& env, int index, int shift, int gap)
        : TCustomRepNumbersStat(env, index), Shift(shift), Gap(gap) {}
    void InitValues(int lastIndex, TStatDrawArray& values) override;
    void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatScratch& scratch,
                 TStatDrawArray& values, bool sorted) override;

    const int Shift;
    const int Gap;
};

// The latest draw's numbers as rows; a row counts each time the number is in a draw, the
// draw before it and (Three) the draw two back, or (not Three) not the draw two back.
class TCustomRepValues3Stat : public TCustomRepNumbersStat {
public:
    TCustomRepValues3Stat(const TStatEnvironment& env, int index, bool three)
        : TCustomRepNumbersStat(env, index), m_three(three) {}
    void InitValues(int lastIndex, TStatDrawArray& values) override;
    void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatScratch& scratch,
                 TStatDrawArray& values, bool sorted) override;

private:
    bool m_three;
};

// A count per draw of numbers repeating a pattern against earlier draws; a combination is
// counted against the latest draws of the window, which LoadDraws reads once per pass.
class TCustomRepCountStat : public TCustomNumbersStat {
public:
    using TCustomNumbersStat::TCustomNumbersStat;
    void InitValues(int lastIndex, TStatDrawArray& values) override;
    void LoadDraws(int index, int referenceIndex, bool sorted) override;
    void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatScratch& scratch,
                 TStatDrawArray& values, bool sorted) override;
    void AddCombination(const std::uint8_t* nums, TStatDrawArray& values) override;
    bool Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool deleteMode,
                 bool sorted, int lastIndex) override;
    std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected, bool deleteMode,
                                               bool sorted, int lastIndex) override;

protected:
    // The count of archive draw `index`.
    virtual int DrawCount(int index, bool sorted) const = 0;
    // Marks the bytes a combination's number must be to count, for a window ending at
    // `lastIndex`.
    virtual void CountedNumbers(int lastIndex, bool sorted,
                                std::array<std::uint8_t, 256>& counted) const = 0;

private:
    std::array<std::uint8_t, 256> m_counted{};
};

// Numbers p of the draw `Gap` back whose shift lies in the current draw; a combination counts
// its numbers in the shifted draw `Gap` - 1 before the latest.
class TCustomRepCount2Stat : public TCustomRepCountStat {
public:
    TCustomRepCount2Stat(const TStatEnvironment& env, int index, int shift, int gap)
        : TCustomRepCountStat(env, index), Shift(shift), Gap(gap) {}
    const int Shift;
    const int Gap;

protected:
    int DrawCount(int index, bool sorted) const override;
    void CountedNumbers(int lastIndex, bool sorted,
                        std::array<std::uint8_t, 256>& counted) const override;
};

// Numbers of a draw in the draw before it and (Three) in, or (not Three) not in, the draw two
// back; a combination counts against the latest draw and the one before it.
class TCustomRepCount3Stat : public TCustomRepCountStat {
public:
    TCustomRepCount3Stat(const TStatEnvironment& env, int index, bool three)
        : TCustomRepCountStat(env, index), m_three(three) {}

protected:
    int DrawCount(int index, bool sorted) const override;
    void CountedNumbers(int lastIndex, bool sorted,
                        std::array<std::uint8_t, 256>& counted) const override;

private:
    bool m_three;
};

#define MV_REPEAT_CLASS(Class, Base)                   \
    class Class final : public Base {                  \
    public:                                            \
        static const TStatClass Descriptor;            \
        Class(const TStatEnvironment& env, int index); \
    };

MV_REPEAT_CLASS(TstRepValues2, TCustomRepValues2Stat)
MV_REPEAT_CLASS(TstRepValues3, TCustomRepValues3Stat)
MV_REPEAT_CLASS(TstRepValues2B3, TCustomRepValues3Stat)
MV_REPEAT_CLASS(TstRepValues2over1, TCustomRepValues2Stat)
MV_REPEAT_CLASS(TstRepValues2over2, TCustomRepValues2Stat)
MV_REPEAT_CLASS(TstRepValues2over3, TCustomRepValues2Stat)
MV_REPEAT_CLASS(TstRepValues2P1, TCustomRepValues2Stat)
MV_REPEAT_CLASS(TstRepValues2N1, TCustomRepValues2Stat)
MV_REPEAT_CLASS(TstRepValues2P2, TCustomRepValues2Stat)
MV_REPEAT_CLASS(TstRepValues2N2, TCustomRepValues2Stat)
MV_REPEAT_CLASS(TstRepCount2, TCustomRepCount2Stat)
MV_REPEAT_CLASS(TstRepCount3, TCustomRepCount3Stat)
MV_REPEAT_CLASS(TstRepCount2B3, TCustomRepCount3Stat)
MV_REPEAT_CLASS(TstRepCount2over1, TCustomRepCount2Stat)
MV_REPEAT_CLASS(TstRepCount2over2, TCustomRepCount2Stat)
MV_REPEAT_CLASS(TstRepCount2over3, TCustomRepCount2Stat)
MV_REPEAT_CLASS(TstRepCount2P1, TCustomRepCount2Stat)
MV_REPEAT_CLASS(TstRepCount2N1, TCustomRepCount2Stat)
MV_REPEAT_CLASS(TstRepCount2P2, TCustomRepCount2Stat)
MV_REPEAT_CLASS(TstRepCount2N2, TCustomRepCount2Stat)

#undef MV_REPEAT_CLASS

}  // namespace mv
