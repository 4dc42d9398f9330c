#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "engine/combs/combs_array.h"
#include "engine/core/text_utils.h"

namespace mv {

class TWorkspace;

// Combination files (".lcv"): single-byte text, one combination per line, the five numbers
// in decimal joined by ";" in stored order, lines ended by CR LF, no header. The same form is
// the file of generation mode 4.
inline constexpr const char* CombFileExtension = "lcv";
inline constexpr const char* CombFileFilter = "Файлы комбинаций (*.lcv)|*.lcv";


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

// The open action: SnapshotForUndo (interactive), "Загрузка файла \"<file>\"...", the working
// list replaced by the file's combinations. Afterwards there is nothing to undo, the
// operations list is empty and the view follows. When the file cannot be read the previous
// list is restored first and EError "Ошибка чтения файла..." is thrown. Returns the count.
std::size_t OpenCombinationsFile(TWorkspace& ws, const std::filesystem::path& file);
// The save action: "Сохранение файла \"<file>\"...", every combination of the working list
// written (through a temporary file, so a failure leaves the old file). Throws EError
// "Ошибка записи в файл \"<file>\"!\r\r<reason>".
void SaveCombinationsFile(TWorkspace& ws, const std::filesystem::path& file);

// The clipboard text of the given rows of `list`, in the order given: each combination in
// CombText form ("01 05 12 23 36"), lines separated by CR LF. Rows outside the list are
// skipped.
std::string CombinationsClipboardText(const TCombsArray& list,
                                      const std::vector<std::size_t>& rows);
// The paste action with the clipboard's text (UTF-8): when it has at least one line the
// working list becomes its combinations, line i parsed into entry i (ParseCombText), and the
// operations list is cleared. On the first bad line the previous list is restored and EError
// "Некорректная комбинация: \"<line>\"!" is thrown. In both cases there is nothing to undo
// afterwards and the view follows. Returns the number of lines taken (0: nothing happened).
std::size_t PasteCombinations(TWorkspace& ws, std::string_view text);

}  // namespace mv
