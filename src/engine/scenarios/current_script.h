#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "engine/scenarios/script_file.h"
#include "engine/support/ui_hooks.h"

namespace mv {

// The current scenario (`ScriptLines`): its lines as texts, in order, and the current-scenario
// file that mirrors them.
//
// Every change made through this class is written to the current-scenario file at once
// (SaveCurrentScript). When that write fails the change stays in memory and the method throws
// EError "Ошибка записи в файл \"<path>\"!\r\r<reason>"; the caller shows it and refreshes its
// view in either case. Reading a file replaces or extends the lines only after the whole file
// was read, so a failed read changes nothing.
//
// Line indices are 0-based; an index outside the list raises EError
// "Запись со индексом <i> в файле данных не найдена!" before anything is changed.
// Lines are stored as given, except that line breaks and NULs inside a line become blanks
// (the file holds one line per text line).
// Not thread-safe; the hooks show the status texts of file operations.
class TCurrentScript {
public:
    // `currentFile` empty: the lines are not mirrored anywhere.
    TCurrentScript(std::filesystem::path currentFile, IUiHooks& hooks);

    const std::filesystem::path& CurrentFile() const { return m_currentFile; }
    const TScriptLines& Lines() const { return m_lines; }
    int Count() const { return static_cast<int>(m_lines.size()); }
    bool Empty() const { return m_lines.empty(); }
    const std::string& Line(int index) const;
    bool IsSeparator(int index) const;
    // The scenario as one text, CR LF after every line (what the online catalog publishes).
    std::string Text() const { return ScriptLinesToText(m_lines); }

    // --- editing: each writes the current-scenario file afterwards ------------------------
    // Adds a line at the end and returns its index; "" adds a separator.
    int AppendLine(std::string_view text);
    void ReplaceLine(int index, std::string_view text);
    // Removes the lines at these indices (any order, duplicates allowed), walking from the
    // last to the first so that the indices still to visit stay valid.
    void DeleteLines(std::vector<int> indices);
    void Clear();
    // Swap with the line above / below; return the moved line's new index. The first line
    // cannot move up nor the last one down: nothing changes and the index is returned.
    int MoveUp(int index);
    int MoveDown(int index);
    // Replaces all lines (opening a file, the catalog download).
    void ReplaceAll(TScriptLines lines);
    void ReplaceText(std::string_view text) { ReplaceAll(ScriptTextToLines(text)); }
    // Appends a scenario: into an empty scenario it simply comes in; otherwise, when it has
    // lines, an empty separator line goes first unless the last line is already exactly
    // empty. Appending no lines changes nothing (and writes nothing). Returns whether
    // anything changed.
    bool AppendScript(const TScriptLines& lines);

    // --- files ----------------------------------------------------------------------------
    // "Открыть": replaces the lines with the file's. "Добавить сценарий": appends the file
    // (AppendScript). Both show "Загрузка файла \"<path>\"..." while reading and throw EError
    // "Ошибка чтения файла \"<path>\"!\r\r<reason>" leaving the lines unchanged.
    void OpenFile(const std::filesystem::path& file);
    bool LoadFile(const std::filesystem::path& file);
    // "Сохранить": writes the lines to a file of the user's; shows "Сохранение файла..." and
    // throws EError "Ошибка записи в файл...".
    void SaveToFile(const std::filesystem::path& file) const;
    // Rewrites the current-scenario file (nothing when there is none).
    void SaveCurrentScript() const;
    // At start-up: reads the current-scenario file into the lines (replacing them); a missing
    // file gives an empty scenario. Throws the reading EError for a file that exists but
    // cannot be read, leaving the lines unchanged. Writes nothing.
    void ReadCurrentScript();

private:
    void CheckIndex(int index) const;
    TScriptLines ReadWithStatus(const std::filesystem::path& file) const;

    std::filesystem::path m_currentFile;
    IUiHooks& m_hooks;
    TScriptLines m_lines;
};

}  // namespace mv
