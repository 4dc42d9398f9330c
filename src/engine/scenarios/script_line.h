#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/stats/filter_item.h"
#include "engine/stats/stat_list.h"

namespace mv {

// A scenario line as text: options, seven filter fields and a comment separated by "|":
//   FULL:0#RAND|TSD1#NUMS:10#LNO:#SF:1| | | | | | |comment
// A field is a maximal run of characters other than "|" (runs of "|" are one separator,
// leading and trailing "|" are ignored), trimmed; a missing field is empty. Hence the writer
// puts a blank into every empty field, and a comment is read only up to its first "|".
struct TScriptLine {
    std::string Options;
    std::array<std::string, FiltersPerLine> Filters;
    std::string Comment;
    friend bool operator==(const TScriptLine&, const TScriptLine&) = default;
};

inline constexpr int ScriptFieldCount = FiltersPerLine + 2;

// A separator line: blank after trimming. It shows empty cells and is never executed.
bool IsSeparatorLine(std::string_view text);

// Splits a line into its fields; never fails.
TScriptLine ReadScriptLine(std::string_view text);

// Writes a line so that it reads back field for field: options and every filter field
// followed by "|", a blank for an empty one, then the comment when it is not blank. A "|" or
// a line break inside options or filters (which would shift the fields) and a line break in
// the comment (which would split the line in the file) become blanks.
std::string ScriptLineText(const TScriptLine& line);

// The nine columns of the scenario list: "Комментарии", "Опции", "Фильтр 1" ... "Фильтр 7".
std::array<std::string, ScriptFieldCount> ScriptColumnCaptions();

// The cells of one row of the scenario list: the comment, the options text and each filter
// field read and written again as a filter item (empty field: empty cell). All cells of a
// separator are empty.
std::array<std::string, ScriptFieldCount> ScriptRowTexts(std::string_view line,
                                                         const TStatList& registry);

}  // namespace mv
