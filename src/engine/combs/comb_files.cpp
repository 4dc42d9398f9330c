#include "engine/combs/comb_files.h"

#include <array>

#include "engine/core/errors.h"
#include "engine/core/game.h"
#include "engine/core/messages.h"
#include "engine/core/text_utils.h"
#include "engine/support/atomic_file.h"

namespace mv {

// Built by appending: "text" + std::string&& trips a GCC 12 -Wrestrict false positive at -O3.
std::string Quoted(const std::filesystem::path& file) {
    std::string quoted(1, '"');
    quoted += file.string();
    quoted += '"';
    return quoted;
}

namespace {

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
        throw EError(
            OperationMessage(Msg(TMsg::ReadFileErrorPrefix) + Quoted(file) + "!", e.what()));
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

}  // namespace mv
