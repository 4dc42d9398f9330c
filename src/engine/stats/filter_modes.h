#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/stats/stat_table.h"
#include "engine/stats/stat_values.h"

namespace mv {

// Selection modes of a filter item: which rows of the statistics table a step selects.
// Codes are what scenario texts store; captions are what the filter dialog lists.
inline constexpr int LevelModeCount = 32;
// Stop modes: when the walk over the table ends.
inline constexpr int StopModeCount = 6;

inline constexpr const char* ModeErrorCaption = "# ERROR #";

// "LNO", "LMV", ... for modes 0..31; "" outside.
const char* LevelCode(int mode);
// "Весь список (без условий)", ...; "# ERROR #" outside 0..31.
const char* LevelCaption(int mode);
// "SF", "SC", "SZ", "ST", "SV", "SP" for modes 0..5; "" outside.
const char* StopCode(int mode);
// "Обработать все записи", ...; "# ERROR #" outside 0..5.
const char* StopCaption(int mode);

// Whether the mode compares with a list of values (5, 6, 11, 12, 17, 18, 21, 24, 27, 30, 31)
// rather than with one threshold.
bool IsListLevelMode(int mode);
// The statistics-table column a mode compares; -1 for mode 0 and modes outside 0..31.
int LevelColumn(int mode);

// The predicate of one selection mode with its value, prepared once and applied to every row
// of a table.
// - Threshold modes read the value as an integer and compare the row's number with it; a cell
//   that shows no number (a dash) counts as the mode's default (0, or 65535 for the "not
//   more than" modes of whole numbers).
// - List modes read the value as numbers separated by "," or ";" and select a row whose number
//   is one of them; here the cell must be a number.
// - Mode 0 and modes outside 0..31 select every row.
// Matches throws EConvertError when a value or a list-mode cell is not a number.
class TLevelTest {
public:
    TLevelTest(int mode, std::string_view levelValue);
    bool Matches(const TStatValues& row) const;

private:
    enum class TKind { All, AtLeast, AtMost, InList };
    TKind m_kind = TKind::All;
    int m_mode = 0;
    bool m_real = false;
    long double m_default = 0;
    std::string m_value;  // as given, for the conversion error
    std::int32_t m_threshold = 0;
    std::vector<long double> m_list;
    std::string m_badEntry;  // the first list entry that is not a number
    bool m_valueBad = false;
};

// One-off form of TLevelTest.
bool LevelMatches(int mode, std::string_view levelValue, const TStatValues& row);

// The cell of a row that a statistics-table column names; empty for columns the row does not
// carry.
const std::string& StatValuesCell(const TStatValues& row, int column);

}  // namespace mv
