#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "engine/core/records.h"

namespace mv {

// Draws as semicolon-separated Windows-1251 text, one draw per CR LF line, no header:
//   number;"date";n1;n2;n3;n4;n5;extra      (export form, 8 fields)
//   date;n1;n2;n3;n4;n5;extra               (also read: 7 fields, numbered by the archive)

std::string DrawsToCsv(const TDrawsArray& draws);

// Splits one line into fields: ";" separates, double quotes quote (a doubled quote inside is
// one quote), runs of blanks and control characters outside quotes separate as well, and a
// ";" ending the line adds one empty field.
std::vector<std::string> SplitCsvFields(std::string_view line);

// Appends the draws of a CSV text to `archive`: 8-field lines carry their number, 7-field
// lines get the archive's length + 1; a draw is taken when its number lies in
// 1..MaxDrawNumber and is not in the archive yet (checked as the archive grows). Other lines are
// skipped. A UTF-8 byte-order mark at the start is skipped. Returns the number of draws added.
int MergeDrawsCsv(std::string_view csvBytes, TDrawsArray& archive);

}  // namespace mv
