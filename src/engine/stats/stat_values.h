#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/core/constants.h"
#include "engine/core/records.h"

namespace mv {

// The 8-byte key of a statistic value. Read as four signed 16-bit parts K1..K4, as two
// 32-bit halves K1K2 and K3K4 (little-endian), or as eight bytes; parts a method does not
// set are 0, and two values are the same value when all eight bytes are equal.
struct TValueKey {
    std::uint64_t Raw = 0;

    // Part 1..4.
    std::int16_t K(int part) const {
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(Raw >> (16 * (part - 1))));
    }
    void SetK(int part, std::int32_t value) {
        const int shift = 16 * (part - 1);
        Raw = (Raw & ~(std::uint64_t{0xFFFF} << shift)) |
              (std::uint64_t{static_cast<std::uint16_t>(value)} << shift);
    }
    std::int16_t K1() const { return K(1); }
    std::int32_t K1K2() const { return static_cast<std::int32_t>(static_cast<std::uint32_t>(Raw)); }
    std::int32_t K3K4() const {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(Raw >> 32));
    }
    void SetK1K2(std::int32_t v) {
        Raw = (Raw & 0xFFFFFFFF00000000ull) | static_cast<std::uint32_t>(v);
    }
    void SetK3K4(std::int32_t v) {
        Raw = (Raw & 0x00000000FFFFFFFFull) | (std::uint64_t{static_cast<std::uint32_t>(v)} << 32);
    }
    // Byte 1..8.
    std::uint8_t Byte(int index) const {
        return static_cast<std::uint8_t>(Raw >> (8 * (index - 1)));
    }
    void SetByte(int index, std::uint8_t v) {
        const int shift = 8 * (index - 1);
        Raw = (Raw & ~(std::uint64_t{0xFF} << shift)) | (std::uint64_t{v} << shift);
    }
    static TValueKey FromK1(std::int32_t k1) {
        TValueKey key;
        key.SetK(1, k1);
        return key;
    }
    friend bool operator==(const TValueKey&, const TValueKey&) = default;
};

// What a method accumulates per value over a window of draws.
struct TStatValueRec {
    std::int32_t LastDraw = 0;  // draw number of the latest occurrence; 0 = never seen
    std::int32_t Depth = 0;     // 1 = the window's last draw; 0 = not seen
    std::int32_t PrevDraw = 0;  // draw number of the occurrence before (period tracking)
    std::uint16_t PeriodMin = 0;
    std::uint16_t PeriodMax = 0;
    std::int32_t Count = 0;
    std::int32_t Norm = 0;  // expected count from the full-set comparison
    TValueKey Key;
};

using TStatDrawArray = std::vector<TStatValueRec>;

struct TStatSimplePair {
    std::int32_t Key = 0;
    std::int32_t Count = 0;
};
using TStatSimpleArray = std::vector<TStatSimplePair>;

struct TLastValue {
    std::int32_t DrawNumber = 0;
    TValueKey Key;
};
using TLastValueArray = std::vector<TLastValue>;

// Per-window state of methods that need it: 36 slots of three integers.
using TStatScratch = std::array<std::array<std::int32_t, 3>, MaxNumber>;

struct TStatTotals {
    std::int32_t MinCount = 0;
    std::int32_t MaxCount = 0;
    std::int32_t MaxDepth = 0;
    std::int64_t Total = 0;
};

// Merges one value into the array (a new key is appended; an existing one counts, keeps its
// latest occurrence and, when tracking, its shortest and longest gap in draw numbers).
void AddValue(TStatDrawArray& values, const TStatValueRec& v, bool trackPeriods);
// Merges the `count` values one draw yields, `v` carrying the draw's occurrence. A value the
// draw yields more than once measures its gap since its previous draw once: measured again
// against the same draw it would record a gap of 0.
void AddDrawValues(TStatDrawArray& values, TStatValueRec v, const TValueKey* keys, int count);
TStatTotals StatTotals(const TStatDrawArray& values);
// Stable ascending order by K1 (unsigned), then K2, K3, K4.
void SortByKey(TStatDrawArray& values);
bool KeyLess(const TValueKey& a, const TValueKey& b);

// Searches over a selected-values array.
bool HasKey(const TStatDrawArray& selected, const TValueKey& key);
bool HasK1K3(const TStatDrawArray& selected, const TValueKey& key);
bool HasPart(const TStatDrawArray& selected, int part, std::int32_t value);
bool HasByte(const TStatDrawArray& selected, int index, std::int32_t value);
// type 1: K1K2, type 2: K3K4.
bool HasHalf(const TStatDrawArray& selected, int type, std::int32_t value);
// The selected K1 values that a byte can hold, as a 256-entry membership table (1: selected),
// for the batch filters that compare K1 only.
std::array<std::uint8_t, 256> SelectedK1Table(const TStatDrawArray& selected);

void AddSimple(TStatSimpleArray& array, std::int32_t key, std::int32_t count);
void SortSimple(TStatSimpleArray& array);

// Copy of archive draw `index` (all zero outside the archive), numbers ascending on request.
TDrawRec DrawAt(const TDrawsArray& draws, int index, bool sorted);

// The text form of one statistics-table row, as scenario selection reads it.
struct TStatValues {
    std::string ValueText;
    std::int32_t SelectionValue = 0;
    std::string Count, CountPercent, Deviation, DeviationPercent, Depth, DepthPercent, Weight,
        PeriodMin, Period, PeriodMax;
};

}  // namespace mv
