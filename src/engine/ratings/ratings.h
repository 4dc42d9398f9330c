#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/core/records.h"
#include "engine/draws/run_identity.h"
#include "engine/stakes/stake_record.h"

namespace mv {

class TStakesFile;

// The ratings file "Marvolet_5z36.lrt" is a plain sequence of 296-byte records, little-endian,
// without a header. A record (offsets in bytes):
//     0  256 bytes  Name: a length byte and up to 255 Windows-1251 characters (the comment
//                   shared by the stakes the row sums up)
//   256  int32      Stakes: how many checked stakes were added
//   260  int32      Matched: the sum of their match counts
//   264  int32[6]   Histogram: how many of them matched 0, 1, ..., 5 numbers
//   288  int64      Profit in ten-thousandths: the sum of their balances
inline constexpr std::size_t RatingRecSize = 296;
inline constexpr int RatingColumnCount = 18;
inline constexpr std::size_t RatingNameMax = 255;
inline constexpr const char* RatingsFileName = "Marvolet_5z36.lrt";

struct TRatingRecord {
    std::string Name;  // UTF-8 in memory
    std::int32_t Stakes = 0;
    std::int32_t Matched = 0;
    std::array<std::int32_t, NumbersInDraw + 1> Histogram{};
    TMoney Profit = 0;
    friend bool operator==(const TRatingRecord&, const TRatingRecord&) = default;
};

using TRatings = std::vector<TRatingRecord>;

using TRatingBytes = std::array<unsigned char, RatingRecSize>;
TRatingBytes EncodeRatingRec(const TRatingRecord& rec);
TRatingRecord DecodeRatingRec(const unsigned char* in);

// Every row, in order; a missing file gives no rows, a partial record at the end is ignored.
// Throws "Ошибка чтения файла рейтинга!\r\r<system message>".
TRatings LoadRatings(const std::filesystem::path& path);
// The rows of the file's bytes.
TRatings DecodeRatings(std::string_view bytes);
// Replaces the file with the rows in their order (through a temporary file renamed over it).
// Throws "Ошибка записи в файл рейтинга!\r\r<system message>"; the old file then stays.
void SaveRatings(const std::filesystem::path& path, const TRatings& rows);

// Adds one checked stake to the row named like its comment (letters compared without regard
// to case; the first such row), or appends a new row. Stakes with a negative match count
// (not checked) are ignored; a count above 5 cannot come from a check and is ignored as well.
void AddStakeToRatings(TRatings& rows, const TStakeRecord& stake);
// The rows built afresh from every record of the stakes file with a draw number >= 0 and
// the checked flag set, in file order.
TRatings RebuildRatings(const TStakesFile& stakes);

// The order of two rows for column 0..17: negative, 0 or positive. Rows where either side has
// no stakes are equal, and so are all rows for columns 12..17; real-valued columns compare
// their difference rounded to hundredths (of the average, of the money) so near-ties are equal.
int CompareRatings(const TRatingRecord& a, const TRatingRecord& b, int column);
// Sorts by column (nothing happens for a negative column or fewer than two rows).
void SortRatings(TRatings& rows, int column, bool descending);

// Efficiency modes of columns 12..17: the expected count of each match class for the row's
// stakes, the difference of its share from chance in percent, and its share relative to
// chance in percent.
enum TRatingEffMode : int { remExpected = 0, remAbsolute = 1, remRelative = 2 };

// The list's captions: "Комментарий", "Ставок", "Угадано", "Среднее", "Профит",
// "Ср. профит", "0" ... "5", "E0" ... "E5".
std::array<std::string, RatingColumnCount> RatingColumnCaptions();
// Whether a row can be shown: no negative counts, and no histogram class above the stakes.
bool RatingRowValid(const TRatingRecord& row);
// The text of one cell in the given efficiency mode; "# bad data #" for a row that cannot be
// shown. Real numbers use the interface's decimal separator.
std::string RatingCellText(const TRatingRecord& row, int column, int effMode);
inline constexpr const char* RatingBadDataText = "# bad data #";

// The CSV export: a line of the 18 quoted captions, then for each row its quoted name,
// stakes, matched, average, profit, average profit and the six histogram classes, all
// separated by ";". Windows-1251 bytes, CR LF line ends. With an identity the last line is
// "# " and its RunIdentityText: a comment line, which readers of the 12-field rows skip.
std::string RatingsCsv(const TRatings& rows,
                       const std::optional<TRunIdentity>& identity = std::nullopt);

// The scenario line a row's name stands for: "<comment> @ <options> + <filter> + ..." gives
// options, filters and the comment; nullopt when no filter field would be filled (manual,
// regular and system stakes, plain comments).
std::optional<std::string> RatingToScriptLine(std::string_view name);

// How far a row's total matches stand from chance: z is (matched - s * 25/36) divided by the
// standard deviation of the total of s random stakes; p is the chance that s random stakes
// match at least as many numbers in total (exact for s <= 2000, normal approximation above).
struct TRatingChance {
    double Z = 0.0;
    double P = 1.0;
};
inline constexpr int RatingExactChanceLimit = 2000;
// nullopt for a row without stakes or that cannot be shown.
std::optional<TRatingChance> RatingChance(const TRatingRecord& row);
// "z = 1,234; p = 0,0123" as the list's tooltip and the command line show it; empty for none.
std::string RatingChanceText(const TRatingRecord& row);

}  // namespace mv
