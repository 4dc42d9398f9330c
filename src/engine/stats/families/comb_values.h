#pragma once

#include <memory>

#include "engine/stats/families/channels.h"

namespace mv {

// Group 0: groups of two, three or four numbers of a draw taken as one value, so that the
// table shows which numbers tend to come together. The shapes are those of the channel
// tuples (every k positions, or runs of k neighbouring positions) over the numbers
// themselves; the numbers keep their position order (draw order, ascending for combinations
// and with the sorted-draws option). No value is enumerated in advance: only groups that
// occurred get rows.

// The map of every number to itself: the tuple shapes applied to the numbers.
TItemMap NumberMap();

#define MV_COMB_VALUE_CLASS(Class)                     \
    class Class final : public TCustomItemTupleStat {  \
    public:                                            \
        static const TStatClass Descriptor;            \
        Class(const TStatEnvironment& env, int index); \
    };

MV_COMB_VALUE_CLASS(TstCombValMix2)
MV_COMB_VALUE_CLASS(TstCombValMix3)
MV_COMB_VALUE_CLASS(TstCombValMix4)
MV_COMB_VALUE_CLASS(TstCombValSeq2)
MV_COMB_VALUE_CLASS(TstCombValSeq3)
MV_COMB_VALUE_CLASS(TstCombValSeq4)

#undef MV_COMB_VALUE_CLASS

// The k numbers from position Index on (1-based), one value per draw.
class TCustomCombValPosStat : public TCustomNumbersStat {
public:
    TCustomCombValPosStat(const TStatEnvironment& env, int index, int k)
        : TCustomNumbersStat(env, index), m_k(k) {}
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
    // The first position, 0-based, kept inside the draw whatever the index.
    int First() const;
    int m_k;
};

class TstCombValPos2 final : public TCustomCombValPosStat {
public:
    static const TStatClass Descriptor;
    TstCombValPos2(const TStatEnvironment& env, int index) : TCustomCombValPosStat(env, index, 2) {}
};
class TstCombValPos3 final : public TCustomCombValPosStat {
public:
    static const TStatClass Descriptor;
    TstCombValPos3(const TStatEnvironment& env, int index) : TCustomCombValPosStat(env, index, 3) {}
};
class TstCombValPos4 final : public TCustomCombValPosStat {
public:
    static const TStatClass Descriptor;
    TstCombValPos4(const TStatEnvironment& env, int index) : TCustomCombValPosStat(env, index, 4) {}
};

// Runs of k neighbours of the five numbers sorted ascending. Not available as methods: with
// ascending combinations they equal the neighbour groups.
class TCustomCombValSortStat : public TCustomItemTupleStat {
public:
    TCustomCombValSortStat(const TStatEnvironment& env, int index, int k)
        : TCustomItemTupleStat(env, index, NumberMap(), k, true) {}
    // Judges each combination by Matches: the tuple tables assume the numbers' own order.
    std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected, bool deleteMode,
                                               bool sorted, int lastIndex) override;

protected:
    void ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const override;
};

class TstCombValSort2 final : public TCustomCombValSortStat {
public:
    static const TStatClass Descriptor;
    TstCombValSort2(const TStatEnvironment& env, int index)
        : TCustomCombValSortStat(env, index, 2) {}
};
class TstCombValSort3 final : public TCustomCombValSortStat {
public:
    static const TStatClass Descriptor;
    TstCombValSort3(const TStatEnvironment& env, int index)
        : TCustomCombValSortStat(env, index, 3) {}
};
class TstCombValSort4 final : public TCustomCombValSortStat {
public:
    static const TStatClass Descriptor;
    TstCombValSort4(const TStatEnvironment& env, int index)
        : TCustomCombValSortStat(env, index, 4) {}
};

}  // namespace mv
