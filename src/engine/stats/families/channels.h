#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "engine/stats/custom_stat.h"

namespace mv {

// Group 3: channels, runs of ChannelSize consecutive numbers of the configuration (channel c
// holds (c - 1) * size + 1 .. c * size). The methods look at which channels a draw touches,
// how many numbers each holds, and which channels its numbers form together, as every k of
// the five positions or as runs of k neighbouring positions.
//
// The matrix methods (matrix.h) have the same shapes with columns or rows in place of
// channels, so the shapes are written once here over an item map: each number lies in one
// item (its channel, column or row). A statistic builds its map from the configuration when
// it is created, so a changed configuration gives the next statistic new values.

// The item of every byte value. Numbers 1..36 lie in items 1..Count; any other byte lies in
// no item and maps to 0. Only odd combinations hold such bytes; Matches and the batch
// filters read the same map, so they judge them alike.
struct TItemMap {
    std::array<std::uint8_t, 256> Item{};
    int Count = 0;  // the highest item of the numbers 1..36
    int operator[](std::uint8_t number) const { return Item[number]; }
};

// Bits set in a word, without relying on a popcount instruction of the target.
constexpr int BitCount(std::uint64_t x) {
    x = x - ((x >> 1) & 0x5555555555555555ull);
    x = (x & 0x3333333333333333ull) + ((x >> 2) & 0x3333333333333333ull);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return static_cast<int>((x * 0x0101010101010101ull) >> 56);
}

// Channel size s (at least 1): number n lies in channel ceil(n / s).
TItemMap ChannelMap(int size);
// The channel size a statistic works with: the configured one, at least 1.
int ChannelSizeOf(const TConfigData& config);
// "01 [1-6]": the channel and the texts of its first and last number (the last may lie
// beyond 36).
std::string ChannelText(int channel, int size);

// The positions a combination shape takes, in the order their values are added: every k of
// the five positions in lexicographic order (C(5, k) values), or the runs of k neighbouring
// positions (6 - k values).
struct TPositionShapes {
    std::array<std::array<int, 4>, 10> Positions{};
    int Count = 0;
};
constexpr TPositionShapes PositionShapes(int k, bool windows) {
    constexpr int five = 5;
    TPositionShapes shapes;
    if (k < 1 || k > 4) return shapes;
    if (windows) {
        for (int start = 0; start + k <= five; ++start) {
            for (int i = 0; i < k; ++i) shapes.Positions[shapes.Count][i] = start + i;
            ++shapes.Count;
        }
        return shapes;
    }
    std::array<int, 4> idx{0, 1, 2, 3};
    for (;;) {
        for (int i = 0; i < k; ++i) shapes.Positions[shapes.Count][i] = idx[i];
        ++shapes.Count;
        int i = k - 1;
        while (i >= 0 && idx[i] == five - k + i) --i;
        if (i < 0) break;
        ++idx[i];
        for (int j = i + 1; j < k; ++j) idx[j] = idx[j - 1] + 1;
    }
    return shapes;
}

// Five values, K1 = the item of each number in draw order; an item held twice is added twice
// (its gap since the previous draw is measured once).
class TCustomItemsStat : public TCustomNumbersStat {
public:
    TCustomItemsStat(const TStatEnvironment& env, int index, const TItemMap& items)
        : TCustomNumbersStat(env, index), m_items(items) {}
    const TItemMap& Items() const { return m_items; }
    // Every item of the numbers 1..36.
    void InitValues(int lastIndex, TStatDrawArray& values) override;
    void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatScratch& scratch,
                 TStatDrawArray& values, bool sorted) override;
    // Some number's item is the one a selected value names.
    bool Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool deleteMode,
                 bool sorted, int lastIndex) override;
    std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected, bool deleteMode,
                                               bool sorted, int lastIndex) override;

protected:
    void ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const override;
    // The item a selected key names: K1 here.
    virtual int SelectedItem(const TValueKey& key) const { return key.K1(); }

private:
    TItemMap m_items;
};

// One value for every item of the numbers 1..36, empty ones too, in item order: K1 = the
// item, K2 = how many numbers lie in it. A combination holding bytes outside 1..36 adds
// item 0 after them.
class TCustomItemCountsStat : public TCustomNumbersStat {
public:
    // `capacity`: how many of the numbers 1..36 one item holds at most.
    TCustomItemCountsStat(const TStatEnvironment& env, int index, const TItemMap& items,
                          int capacity)
        : TCustomNumbersStat(env, index), m_items(items), m_capacity(capacity) {}
    // "item x count".
    std::string ValueText(const TStatValueRec& value) const override;
    // For every item the counts 0..min(capacity, 5).
    void InitValues(int lastIndex, TStatDrawArray& values) override;
    // Some (item, count) of the combination equals a selected (K1, K2).
    bool Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool deleteMode,
                 bool sorted, int lastIndex) override;
    std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected, bool deleteMode,
                                               bool sorted, int lastIndex) override;

protected:
    void ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const override;
    virtual std::string ItemText(int item) const { return std::to_string(item); }

private:
    TItemMap m_items;
    int m_capacity;
};

// One integer per draw computed from the items of its numbers, also its graph value; the
// selection compares K1 only.
class TCustomItemValueStat : public TCustomGraphStat {
public:
    using TK1Table = std::array<std::uint8_t, 256>;
    TCustomItemValueStat(const TStatEnvironment& env, int index, const TItemMap& items)
        : TCustomGraphStat(env, index), m_items(items) {}
    const TItemMap& Items() const { return m_items; }
    void InitValues(int lastIndex, TStatDrawArray& values) override;
    bool Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool deleteMode,
                 bool sorted, int lastIndex) override;
    std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected, bool deleteMode,
                                               bool sorted, int lastIndex) override;
    std::int32_t GraphValue(const std::uint8_t* nums, int drawIndex, bool sorted,
                            int extra) override;
    // The value of five numbers (any bytes); within 0..255.
    virtual int ValueOf(const std::uint8_t* nums) const = 0;

protected:
    // The values enumerated in advance; empty when high < low.
    virtual std::pair<int, int> InitRange() const = 0;
    // The batch filter keeping the combinations whose value is marked, computed inline.
    virtual std::unique_ptr<TCombFilter> ValueFilter(const TK1Table& selected) const = 0;
    void ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const override;

private:
    TItemMap m_items;
};

// How many distinct items the numbers occupy; 1..min(capacity, 5) enumerated in advance.
class TCustomDistinctItemsStat : public TCustomItemValueStat {
public:
    TCustomDistinctItemsStat(const TStatEnvironment& env, int index, const TItemMap& items,
                             int capacity)
        : TCustomItemValueStat(env, index, items), m_capacity(capacity) {}
    int ValueOf(const std::uint8_t* nums) const override;

protected:
    std::pair<int, int> InitRange() const override;
    std::unique_ptr<TCombFilter> ValueFilter(const TK1Table& selected) const override;

private:
    int m_capacity;
};

// How many numbers lie in item Index; 1..capacity enumerated in advance.
class TCustomItemFillStat : public TCustomItemValueStat {
public:
    TCustomItemFillStat(const TStatEnvironment& env, int index, const TItemMap& items, int capacity)
        : TCustomItemValueStat(env, index, items), m_capacity(capacity) {}
    int ValueOf(const std::uint8_t* nums) const override;

protected:
    std::pair<int, int> InitRange() const override;
    std::unique_ptr<TCombFilter> ValueFilter(const TK1Table& selected) const override;

private:
    int m_capacity;
};

// The items of k numbers taken together, in K1..Kk, one value per shape of positions
// (PositionShapes); a tuple that repeats inside one draw measures its gap once. A match is
// some shape of the combination giving a selected key (all four parts).
class TCustomItemTupleStat : public TCustomNumbersStat {
public:
    TCustomItemTupleStat(const TStatEnvironment& env, int index, const TItemMap& items, int k,
                         bool windows)
        : TCustomNumbersStat(env, index), m_items(items), m_k(k), m_windows(windows) {}
    // The items joined by ":", e.g. "1:3".
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
    TItemMap m_items;
    int m_k;
    bool m_windows;
};

// --- the channel methods --------------------------------------------------------------------

// The channel of each number. A selection names a channel by the first byte of its key; a
// value text reads back by its first word ("01 [1-6]" gives 1).
class TstChannels final : public TCustomItemsStat {
public:
    static const TStatClass Descriptor;
    TstChannels(const TStatEnvironment& env, int index);
    std::string ValueText(const TStatValueRec& value) const override;
    std::int32_t ParseValue(const std::string& text) const override;
    const int ChannelSize;

protected:
    int SelectedItem(const TValueKey& key) const override { return key.Byte(1); }
};

// "02 [7-12] x 2": every channel with the count of numbers in it.
class TstChanValues final : public TCustomItemCountsStat {
public:
    static const TStatClass Descriptor;
    TstChanValues(const TStatEnvironment& env, int index);
    const int ChannelSize;

protected:
    std::string ItemText(int item) const override;
};

// The number of distinct channels.
class TstChanCount final : public TCustomDistinctItemsStat {
public:
    static const TStatClass Descriptor;
    TstChanCount(const TStatEnvironment& env, int index);
};

// The numbers in channel Index (1 .. the channel of 36).
class TstChnValCnt final : public TCustomItemFillStat {
public:
    static const TStatClass Descriptor;
    TstChnValCnt(const TStatEnvironment& env, int index);
};

// The channels of every 2, 3 or 4 of the five positions, and of runs of neighbours.
class TstCombChnMix2 final : public TCustomItemTupleStat {
public:
    static const TStatClass Descriptor;
    TstCombChnMix2(const TStatEnvironment& env, int index);
};
class TstCombChnMix3 final : public TCustomItemTupleStat {
public:
    static const TStatClass Descriptor;
    TstCombChnMix3(const TStatEnvironment& env, int index);
};
class TstCombChnMix4 final : public TCustomItemTupleStat {
public:
    static const TStatClass Descriptor;
    TstCombChnMix4(const TStatEnvironment& env, int index);
};
class TstCombChnSeq2 final : public TCustomItemTupleStat {
public:
    static const TStatClass Descriptor;
    TstCombChnSeq2(const TStatEnvironment& env, int index);
};
class TstCombChnSeq3 final : public TCustomItemTupleStat {
public:
    static const TStatClass Descriptor;
    TstCombChnSeq3(const TStatEnvironment& env, int index);
};
class TstCombChnSeq4 final : public TCustomItemTupleStat {
public:
    static const TStatClass Descriptor;
    TstCombChnSeq4(const TStatEnvironment& env, int index);
};

}  // namespace mv
