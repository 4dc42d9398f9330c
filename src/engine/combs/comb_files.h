#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "engine/combs/combs_array.h"
#include "engine/core/messages.h"
#include "engine/core/text_utils.h"

namespace mv {

// Combination files (".lcv"): single-byte text, one combination per line, the five numbers
// in decimal joined by ";" in stored order, lines ended by CR LF, no header. The same form is
// the file of generation mode 4.
inline constexpr const char* CombFileExtension = "lcv";
inline constexpr TMsgText CombFileFilter{TMsg::CombFileFilter};

// Appends every combination line of a combination file's bytes to `list` and returns how many
// were appended. A line counts when it splits into exactly five words at "," or ";" (runs of
// separators give no empty words); each word is trimmed and read as a decimal integer, 0 when
// it is not one or lies outside 0..255 (StrToByteOrZero), without any other range check.
// Other lines, empty ones included, are skipped. The list grows past its allocation when the
// file needs it.
std::size_t ParseCombinationsFile(std::string_view bytes, TCombsArray& list);
// Reads a combination file and appends its combinations. Throws EError
// "Ошибка чтения файла \"<file>\"!\r\r<reason>" and appends nothing when it cannot be read.
std::size_t ReadCombinationsFile(const std::filesystem::path& file, TCombsArray& list);
// "n1;n2;n3;n4;n5\r\n" for each combination.
std::string CombinationsFileText(const TComb* list, std::size_t count);

// The file name in double quotes, as the messages about files show it.
std::string Quoted(const std::filesystem::path& file);

// The clipboard text of the given rows of `list`, in the order given: each combination in
// CombText form ("01 05 12 23 36"), lines separated by CR LF. Rows outside the list are
// skipped.
std::string CombinationsClipboardText(const TCombsArray& list,
                                      const std::vector<std::size_t>& rows);
}  // namespace mv
