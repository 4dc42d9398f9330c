#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "engine/core/messages.h"

namespace mv {

// Scenario files (".lsc", and the current scenario "Marvolet_5z36.lss"): one scenario line per
// text line, no header, Windows-1251 on disk. The writer ends every line, the last one
// included, with CR LF; the reader takes CR, LF or CR LF, a last line without a line end, and
// stops at a NUL character. An empty file is an empty scenario; an empty text line is a
// separator.

using TScriptLines = std::vector<std::string>;

inline constexpr const char* ScriptFileExtension = "lsc";
inline constexpr TMsgText ScriptFileFilter{TMsg::ScriptFileFilter};
// Scenario files are small; a larger file is refused rather than read into memory.
inline constexpr std::size_t MaxScriptFileBytes = std::size_t{64} << 20;

// The lines of a scenario text (UTF-8) with the reader's rules.
TScriptLines ScriptTextToLines(std::string_view text);
// The scenario text (UTF-8) with CR LF after every line; a line break or NUL inside a line
// becomes a blank, so the text always reads back as the same number of lines.
std::string ScriptLinesToText(const TScriptLines& lines);

// The file's full path as messages show it.
std::string ScriptPathText(const std::filesystem::path& file);

// The lines of a scenario file's bytes (Windows-1251), as ReadScriptFile reads them.
TScriptLines ScriptFileBytesToLines(std::string_view bytes);
// Reads a whole file. Throws EError "Ошибка чтения файла \"<path>\"!\r\r<reason>".
TScriptLines ReadScriptFile(const std::filesystem::path& file);
// Replaces a file safely (temporary file, then rename). Throws EError
// "Ошибка записи в файл \"<path>\"!\r\r<reason>"; the old file is then left as it was.
void WriteScriptFile(const std::filesystem::path& file, const TScriptLines& lines);

}  // namespace mv
