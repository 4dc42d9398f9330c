#include "engine/combs/comb_files.h"

#include <array>

#include "engine/core/errors.h"
#include "engine/core/game.h"
#include "engine/session/workspace.h"
#include "engine/support/atomic_file.h"
#include "engine/core/text_utils.h"

namespace mv {
namespace {

// Built by appending: "text" + std::string&& trips a GCC 12 -Wrestrict false positive at -O3.
std::string Quoted(const std::filesystem::path& file) {
    std::string quoted(1, '"');
    quoted += file.string();
    quoted += '"';
    return quoted;
}

// The words of a line separated by "," or ";", at most `Max` + 1 of them (one more than a
// combination needs is enough to reject the line); runs of separators give no empty words.
template <std::size_t Max>
std::size_t SplitCombLine(std::string_view line, std::array<std::string_view, Max + 1>& words) {
    std::size_t count = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size() && count <= Max; ++i) {
        if (i < line.size() && line[i] != ',' && line[i] != ';') continue;
        if (i > start) words[count++] = line.substr(start, i - start);
        start = i + 1;
    }
    return count;
}

}  // namespace

std::size_t ParseCombinationsFile(std::string_view bytes, TCombsArray& list) {
    std::size_t added = 0;
    std::array<std::string_view, NumbersInDraw + 1> words;
    for (const std::string_view line : SplitTextLines(bytes)) {
        if (SplitCombLine<NumbersInDraw>(line, words) != NumbersInDraw) continue;
        TComb comb;
        for (int i = 0; i < NumbersInDraw; ++i) {
            comb.Nums[static_cast<std::size_t>(i)] =
                StrToByteOrZero(words[static_cast<std::size_t>(i)]);
        }
        list.Append(comb);
        ++added;
    }
    return added;
}

std::size_t ReadCombinationsFile(const std::filesystem::path& file, TCombsArray& list) {
    std::string bytes;
    try {
        bytes = ReadWholeFile(file);
    } catch (const std::exception& e) {
        throw EError(OperationMessage("Ошибка чтения файла " + Quoted(file) + "!", e.what()));
    }
    return ParseCombinationsFile(bytes, list);
}

std::string CombinationsFileText(const TComb* list, std::size_t count) {
    std::string text;
    text.reserve(count * 16);
    for (std::size_t i = 0; i < count; ++i) {
        for (int k = 0; k < NumbersInDraw; ++k) {
            if (k > 0) text += ';';
            text += std::to_string(list[i].Nums[static_cast<std::size_t>(k)]);
        }
        text += "\r\n";
    }
    return text;
}

std::size_t OpenCombinationsFile(TWorkspace& ws, const std::filesystem::path& file) {
    TCombinations& combs = ws.Combs();
    combs.SnapshotForUndo(true);
    std::exception_ptr failure;
    {
        TStatusGuard status(ws.Hooks(), "Загрузка файла " + Quoted(file) + "...");
        combs.CurrentList.Clear();
        try {
            ReadCombinationsFile(file, combs.CurrentList);
        } catch (...) {
            failure = std::current_exception();
        }
    }
    if (failure) combs.UndoLastOperation(true);
    combs.DiscardUndo();
    combs.ClearFilterLines();
    combs.UpdateCombsView();
    if (failure) std::rethrow_exception(failure);
    return combs.CurrentList.Count();
}

void SaveCombinationsFile(TWorkspace& ws, const std::filesystem::path& file) {
    TStatusGuard status(ws.Hooks(), "Сохранение файла " + Quoted(file) + "...");
    const TCombsArray& list = ws.Combs().CurrentList;
    try {
        WriteFileAtomically(file, CombinationsFileText(list.Data(), list.Count()));
    } catch (const std::exception& e) {
        throw EError(OperationMessage("Ошибка записи в файл " + Quoted(file) + "!", e.what()));
    }
}

std::string CombinationsClipboardText(const TCombsArray& list,
                                      const std::vector<std::size_t>& rows) {
    std::string text;
    bool first = true;
    for (const std::size_t row : rows) {
        if (row >= list.Count()) continue;
        if (!first) text += "\r\n";
        first = false;
        text += CombText(list[row]);
    }
    return text;
}

std::size_t PasteCombinations(TWorkspace& ws, std::string_view text) {
    TStatusGuard status(ws.Hooks(), "Подождите пожалуйста...");
    const std::vector<std::string_view> lines = SplitTextLines(text);
    if (lines.empty()) return 0;
    TCombinations& combs = ws.Combs();
    combs.SnapshotForUndo(false);
    std::exception_ptr failure;
    try {
        combs.CurrentList.Clear();
        combs.CurrentList.Reserve(lines.size());
        for (const std::string_view line : lines) {
            combs.CurrentList.Append(ParseCombText(std::string(line)));
        }
        combs.ClearFilterLines();
    } catch (...) {
        failure = std::current_exception();
    }
    if (failure) combs.UndoLastOperation(true);
    combs.DiscardUndo();
    combs.UpdateCombsView();
    if (failure) std::rethrow_exception(failure);
    return lines.size();
}

}  // namespace mv
