#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/core/messages.h"
#include "engine/core/records.h"

namespace mv {

// The regulars file "Marvolet_5z36.ltb" is a plain sequence of 276-byte records, little-endian,
// without a header. A record (offsets in bytes):
//     0  256 bytes  Comment: a length byte and up to 255 Windows-1251 characters; unique
//                   among the regulars without regard to case
//   256  uint8      UseLastDraw: 1 when the base is the last visible draw
//   257  5 bytes    Start: the start combination, ascending (0 when none)
//   262  5 bytes    Current: the combination of the last stake (the start before it)
//   267  1 byte     reserved, 0
//   268  int32      Step: -36..36
//   272  int32      StakesMade
inline constexpr std::size_t RegularRecSize = 276;
inline constexpr const char* RegularsFileName = "Marvolet_5z36.ltb";
inline constexpr TMsgText DefaultRegularComment{TMsg::DefaultRegularComment};
inline constexpr int RegularCommentMax = 64;

using TRegularComb = std::array<std::uint8_t, NumbersInDraw>;

struct TTableRecord {
    std::string Comment;  // UTF-8 in memory
    bool UseLastDraw = false;
    TRegularComb Start{};
    TRegularComb Current{};
    std::int32_t Step = 1;
    std::int32_t StakesMade = 0;
    friend bool operator==(const TTableRecord&, const TTableRecord&) = default;
};

using TRegulars = std::vector<TTableRecord>;

using TRegularBytes = std::array<unsigned char, RegularRecSize>;
TRegularBytes EncodeRegularRec(const TTableRecord& rec);
TTableRecord DecodeRegularRec(const unsigned char* in);

// A missing file gives none; a partial record at the end is ignored. Throws
// "Ошибка чтения файла регулярных ставок!\r\r...".
TRegulars LoadRegulars(const std::filesystem::path& path);
// The records of the file's bytes.
TRegulars DecodeRegulars(std::string_view bytes);
// Through a temporary file renamed over the target. Throws
// "Ошибка записи в файл регулярных ставок!\r\r...".
void SaveRegulars(const std::filesystem::path& path, const TRegulars& regulars);

// A number moved by `step` around the ring 1..36 (one wrap; 0 leaves it).
int ShiftNumber(int number, int step);
// Advances a regular for a stake at draws offset `offset`: the base (the draw at archive
// position last - offset in archive order, or the current combination) shifted by the step
// and sorted becomes the current combination, and one more stake is counted. Returns false
// (and changes nothing) when the regular uses the last draw and there is no such draw, or
// when its step or base numbers are outside the game (a damaged file).
bool AdvanceRegular(TTableRecord& rec, const TDrawsArray& draws, int offset);

// The numbers joined by ";" ("1;2;3;4;5"); empty for an all-zero combination.
std::string RegularCombText(const TRegularComb& comb);
// Five different numbers 1..36 separated by ";" or ",", ascending; nullopt otherwise.
std::optional<TRegularComb> ParseRegularComb(std::string_view text);

// What the regular dialog checks when confirmed, in order. `startText` is checked only when
// `checkStart` (constant start with exactly one selected combination).
enum class TRegularField { None, Start, Comment };
struct TRegularCheck {
    TRegularField Field = TRegularField::None;  // the field to focus on failure
    std::string Error;
    TRegularComb Start{};
};
TRegularCheck CheckRegularDialog(const TRegulars& existing, std::string_view comment,
                                 bool checkStart, std::string_view startText);

// The regulars the dialog adds: one (current = start) with the last-draw base or one selected
// combination; otherwise one per selected combination, its comment followed by " (<position>)"
// with the combination's 1-based position in the list.
struct TRegularSelection {
    int Position = 0;  // 1-based
    TRegularComb Comb{};
};
TRegulars NewRegulars(std::string_view comment, bool useLastDraw, int step,
                      const TRegularComb& start, const std::vector<TRegularSelection>& selected);

// The list's columns: "Комментарий", "Стартовая комбинация", "Шаг", "Текущая комбинация",
// "Ставок".
std::array<std::string, 5> RegularColumnCaptions();
std::string RegularCellText(const TTableRecord& rec, int column);

}  // namespace mv
