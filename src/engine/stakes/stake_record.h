#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "engine/core/records.h"

namespace mv {

// The stakes file "Marvolet_5z36.lsk" is a plain sequence of 312-byte records, little-endian,
// without a header. A record (offsets in bytes):
//    0  uint8      Version, always 2
//    1  uint8      Kind (TStakeKind)
//    2  2 bytes    reserved, 0
//    4  int32      DrawNumber: the draw the stake is for; -1 in a marker
//    8  uint8      Checked: 0 or 1
//    9  3 bytes    reserved, 0
//   12  int32      SampleSize: length of the list the stake was taken from
//   16  12 bytes   Numbers (TStakeNumbers): the staked numbers, ascending
//   28  5 bytes    DrawResult: the draw's numbers in archive order, 0 until checked
//   33  3 bytes    reserved, 0
//   36  12 bytes   Matches (TStakeNumbers): count -1 until checked, else the matched numbers
//   48  int64      Profit in ten-thousandths: the negative cost before checking, the
//                  balance after it
//   56  256 bytes  Comment: a length byte and up to 255 Windows-1251 characters
// Every record is written zero-filled before its fields are set, so reserved bytes and slots
// past a count are 0. Records are encoded and decoded field by field, never as raw memory.
inline constexpr std::size_t StakeRecSize = 312;
inline constexpr std::uint8_t StakeVersion = 2;
inline constexpr int StakeNumberSlots = 8;
inline constexpr std::size_t StakeCommentMax = 255;

enum TStakeKind : std::uint8_t {
    skMarker = 0,
    skManual = 1,   // "Вручную"
    skRegular = 2,  // "Регуляр"
    skScript = 3,   // "Сценарий"
    skSystem = 4,   // "Система"
};

// A count and eight one-byte number slots (12 bytes on disk: int32 count, 8 bytes).
struct TStakeNumbers {
    std::int32_t Count = 0;
    std::array<std::uint8_t, StakeNumberSlots> Nums{};

    // The first min(Count, 8) numbers (none for a negative count).
    std::span<const std::uint8_t> Used() const;
    // Sets the numbers (at most 8 are kept); the slots past them become 0.
    void Assign(std::span<const std::uint8_t> numbers);
    bool Contains(std::uint8_t number) const;
    friend bool operator==(const TStakeNumbers&, const TStakeNumbers&) = default;
};

struct TStakeRecord {
    std::uint8_t Version = StakeVersion;
    std::uint8_t Kind = skMarker;
    std::int32_t DrawNumber = 0;
    std::uint8_t Checked = 0;
    std::int32_t SampleSize = 0;
    TStakeNumbers Numbers;
    std::array<std::uint8_t, NumbersInDraw> DrawResult{};
    TStakeNumbers Matches{-1, {}};
    TMoney Profit = 0;
    // UTF-8 in memory; on disk Windows-1251, cut to its first 255 bytes.
    std::string Comment;

    bool IsMarker() const { return DrawNumber <= 0; }
    friend bool operator==(const TStakeRecord&, const TStakeRecord&) = default;
};

// The block separator: version 2, kind 0, draw -1, match count -1, everything else 0.
TStakeRecord MakeStakeMarker();

using TStakeBytes = std::array<unsigned char, StakeRecSize>;
void EncodeStakeRec(const TStakeRecord& rec, unsigned char* out);
TStakeBytes EncodeStakeRec(const TStakeRecord& rec);
TStakeRecord DecodeStakeRec(const unsigned char* in);
// Everything but the comment (left empty): what scans need, without converting text.
TStakeRecord DecodeStakeRecWithoutComment(const unsigned char* in);
// Writes only the fields checking fills in (Checked, DrawResult, Matches, Profit) into an
// encoded record; every other byte stays as it was.
void EncodeStakeResult(const TStakeRecord& rec, unsigned char* out);

// The grid's text of a kind: "Вручную", "Регуляр", "Сценарий", "Система"; empty otherwise.
const char* StakeKindText(int kind);
// The numbers joined by `separator` ("7;12;30").
std::string StakeNumbersText(std::span<const std::uint8_t> numbers, const char* separator = ";");
// Money as the program shows it: "%.2f" of the amount / 10 000 with the interface's decimal
// separator.
std::string MoneyText(TMoney amount);

}  // namespace mv
