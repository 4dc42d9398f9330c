#pragma once

#include <array>
#include <cstdint>

#include "engine/stats/custom_stat.h"

namespace mv {

// Group 5: the segments of the number matrix, regions the user draws in the configuration
// that give every number 1..36 a segment 1..9. Which segments a draw touches, how many of its
// numbers fall into each, and the segments its numbers form together.
//
// A statistic copies the segment layout of the configuration when it is created, so a
// changed layout takes effect with the next statistic. A value that a draw yields more than
// once (a segment holding two of its numbers) measures its gap between draws once.

// The segment layout as a statistic sees it.
class TSegmentMap {
public:
    explicit TSegmentMap(const TConfigData& config);
    // The segment 1..9 of a number 1..36; 0 (no segment) for any other byte.
    std::uint8_t operator[](std::uint8_t number) const { return m_segment[number]; }
    const std::array<std::uint8_t, 256>& Table() const { return m_segment; }
    // The segments of the layout, each once, in order of first appearance among 1..36.
    const std::uint8_t* begin() const { return m_distinct.data(); }
    const std::uint8_t* end() const { return m_distinct.data() + m_distinctCount; }
    int DistinctCount() const { return m_distinctCount; }
    bool Has(int segment) const;
    // How many of the five numbers lie in the segment.
    int CountIn(const std::uint8_t* nums, int segment) const;
    // Bit s set for each segment s among the five numbers.
    std::uint16_t OccupiedMask(const std::uint8_t* nums) const;

private:
    std::array<std::uint8_t, 256> m_segment{};
    std::array<std::uint8_t, 9> m_distinct{};
    int m_distinctCount = 0;
};

// The segment a configuration gives a number 1..36: its stored digit, and 1 for a digit
// outside 1..9 (as the configuration file reads one).
int ConfiguredSegment(const TConfigData& config, int number);

class TCustomSegmentsStat : public TCustomNumbersStat {
public:
    TCustomSegmentsStat(const TStatEnvironment& env, int index)
        : TCustomNumbersStat(env, index), m_segments(Config()) {}
    const TSegmentMap& Segments() const { return m_segments; }
    void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatScratch& scratch,
                 TStatDrawArray& values, bool sorted) override;

private:
    TSegmentMap m_segments;
};

class TCustomSegmentsGraphStat : public TCustomGraphStat {
public:
    TCustomSegmentsGraphStat(const TStatEnvironment& env, int index)
        : TCustomGraphStat(env, index), m_segments(Config()) {}
    const TSegmentMap& Segments() const { return m_segments; }
    bool Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool deleteMode,
                 bool sorted, int lastIndex) override;
    std::int32_t GraphValue(const std::uint8_t* nums, int drawIndex, bool sorted,
                            int extra) override;
    // The method's one value: a pure function of the numbers.
    virtual int ValueOf(const std::uint8_t* nums) const = 0;

protected:
    void ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const override;

private:
    TSegmentMap m_segments;
};

// The segment of each number: five values, a segment holding several numbers several times.
class TstSegments final : public TCustomSegmentsStat {
public:
    static const TStatClass Descriptor;
    using TCustomSegmentsStat::TCustomSegmentsStat;
    void InitValues(int lastIndex, TStatDrawArray& values) override;
    bool Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool deleteMode,
                 bool sorted, int lastIndex) override;
    std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected, bool deleteMode,
                                               bool sorted, int lastIndex) override;

protected:
    void ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const override;
};

// One value per segment of the layout, empty ones too: K1 the segment, K2 how many numbers
// lie in it.
class TstSegmValues final : public TCustomSegmentsStat {
public:
    static const TStatClass Descriptor;
    using TCustomSegmentsStat::TCustomSegmentsStat;
    // "segment x count", e.g. "2 x 4".
    std::string ValueText(const TStatValueRec& value) const override;
    bool Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool deleteMode,
                 bool sorted, int lastIndex) override;
    std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected, bool deleteMode,
                                               bool sorted, int lastIndex) override;

protected:
    void ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const override;
};

// How many segments the numbers occupy.
class TstSegmCount final : public TCustomSegmentsGraphStat {
public:
    static const TStatClass Descriptor;
    using TCustomSegmentsGraphStat::TCustomSegmentsGraphStat;
    int ValueOf(const std::uint8_t* nums) const override;
    std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected, bool deleteMode,
                                               bool sorted, int lastIndex) override;
};

// How many numbers lie in segment Index.
class TstSgmValCnt final : public TCustomSegmentsGraphStat {
public:
    static const TStatClass Descriptor;
    using TCustomSegmentsGraphStat::TCustomSegmentsGraphStat;
    int ValueOf(const std::uint8_t* nums) const override;
    std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected, bool deleteMode,
                                               bool sorted, int lastIndex) override;
};

// The segments of Length() numbers taken together in position order, in K1..K(Length()):
// every choice of Length() of the five positions (Windows() false, C(5, k) values), or every
// run of Length() neighbouring positions (Windows() true, 6 - k values).
class TCustomSegmCombStat : public TCustomSegmentsStat {
public:
    TCustomSegmCombStat(const TStatEnvironment& env, int index, int length, bool windows)
        : TCustomSegmentsStat(env, index), m_length(length), m_windows(windows) {}
    int Length() const { return m_length; }
    bool Windows() const { return m_windows; }
    // The segments joined by ":", e.g. "1:3".
    std::string ValueText(const TStatValueRec& value) const override;
    bool Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool deleteMode,
                 bool sorted, int lastIndex) override;
    std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected, bool deleteMode,
                                               bool sorted, int lastIndex) override;

protected:
    void ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const override;

private:
    int m_length;
    bool m_windows;
};

class TstCombSegmMix2 final : public TCustomSegmCombStat {
public:
    static const TStatClass Descriptor;
    TstCombSegmMix2(const TStatEnvironment& env, int index)
        : TCustomSegmCombStat(env, index, 2, false) {}
};

class TstCombSegmMix3 final : public TCustomSegmCombStat {
public:
    static const TStatClass Descriptor;
    TstCombSegmMix3(const TStatEnvironment& env, int index)
        : TCustomSegmCombStat(env, index, 3, false) {}
};

class TstCombSegmMix4 final : public TCustomSegmCombStat {
public:
    static const TStatClass Descriptor;
    TstCombSegmMix4(const TStatEnvironment& env, int index)
        : TCustomSegmCombStat(env, index, 4, false) {}
};

class TstCombSegmSeq2 final : public TCustomSegmCombStat {
public:
    static const TStatClass Descriptor;
    TstCombSegmSeq2(const TStatEnvironment& env, int index)
        : TCustomSegmCombStat(env, index, 2, true) {}
};

class TstCombSegmSeq3 final : public TCustomSegmCombStat {
public:
    static const TStatClass Descriptor;
    TstCombSegmSeq3(const TStatEnvironment& env, int index)
        : TCustomSegmCombStat(env, index, 3, true) {}
};

class TstCombSegmSeq4 final : public TCustomSegmCombStat {
public:
    static const TStatClass Descriptor;
    TstCombSegmSeq4(const TStatEnvironment& env, int index)
        : TCustomSegmCombStat(env, index, 4, true) {}
};

}  // namespace mv
