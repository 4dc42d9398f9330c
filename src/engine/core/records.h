#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/core/constants.h"

namespace mv {

// One draw. Its 24 bytes are also the record of the archive file:
//   0  int32      Number
//   4  5 x uint8  Nums (drawing order, not sorted)
//   9  uint8      Extra
//  10  uint8      DateLen, then 10 bytes of Windows-1251 date text (bytes past DateLen are
//                 not significant but are kept as read)
//  21  3 bytes    padding: zero in records the program builds, otherwise kept as read
// The struct is read and written field by field (DecodeDrawRec and EncodeDrawRec in
// engine/draws/archive_file.h), never as raw memory.
struct TDrawRec {
    std::int32_t Number = 0;
    std::array<std::uint8_t, NumbersInDraw> Nums{};
    std::uint8_t Extra = 0;
    std::uint8_t DateLen = 0;
    std::array<char, 10> DateChars{};
    std::array<std::uint8_t, 3> Padding{};

    // The date text in UTF-8 (at most 10 characters as stored).
    std::string Date() const;
    // Stores a UTF-8 text, converted to Windows-1251 and cut to its first 10 characters;
    // the unused bytes become zero.
    void SetDate(const std::string& utf8);
};

inline constexpr std::size_t DrawRecSize = 24;
static_assert(sizeof(TDrawRec) == DrawRecSize);
static_assert(offsetof(TDrawRec, Nums) == 4 && offsetof(TDrawRec, Extra) == 9);
static_assert(offsetof(TDrawRec, DateLen) == 10 && offsetof(TDrawRec, DateChars) == 11);
static_assert(offsetof(TDrawRec, Padding) == 21);

using TDrawsArray = std::vector<TDrawRec>;

// One combination of five numbers, one byte each.
struct TComb {
    std::array<std::uint8_t, NumbersInDraw> Nums{};
    friend bool operator==(const TComb&, const TComb&) = default;
};
static_assert(sizeof(TComb) == NumbersInDraw);

// Lists of combinations are TCombsArray (combs/combs_array.h): flat and preallocated.
using TIntArray = std::vector<std::int32_t>;
using TByteArray = std::vector<std::uint8_t>;

// Money is held in ten-thousandths of the currency unit.
using TMoney = std::int64_t;
inline constexpr TMoney MoneyScale = 10000;

struct TProfitRec {
    std::uint8_t Overlap = 0;  // matches 0..5
    TMoney Profit = 0;
    friend bool operator==(const TProfitRec&, const TProfitRec&) = default;
};

// Coefficients of the computed "Вес" column; stored as 80-bit extended values.
struct TWeightCoefs {
    long double CoefCount = 0.0L;
    long double CoefDeviation = -1.0L;
    long double CoefLevel = 1.0L;
    bool UsePercents = false;
    bool UseAbsValues = false;
    friend bool operator==(const TWeightCoefs&, const TWeightCoefs&) = default;
};

struct TConfigData {
    std::int32_t MatrixCols = 6;
    std::int32_t ChannelSize = 6;
    TMoney Cost = 0;
    std::int32_t MaxStake = 5;
    std::vector<TProfitRec> Profits;
    TWeightCoefs Weights;
    // Segment 1..9 of each number; element i belongs to number i + 1.
    std::array<std::uint8_t, MaxNumber> MatrixSegments = DefaultSegments();

    static constexpr std::array<std::uint8_t, MaxNumber> DefaultSegments() {
        std::array<std::uint8_t, MaxNumber> s{};
        for (auto& v : s) v = 1;
        return s;
    }
    friend bool operator==(const TConfigData&, const TConfigData&) = default;
};

struct TRgb {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;
    friend bool operator==(const TRgb&, const TRgb&) = default;
};

// Number of combinations sharing exactly k numbers with a draw, and its probability.
struct THitEntry {
    std::int32_t Count = 0;
    long double Probability = 0.0L;
};

}  // namespace mv
