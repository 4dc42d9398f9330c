#include <algorithm>

#include "engine/scenarios/script_line.h"

#include <vector>

#include "engine/core/messages.h"
#include "engine/core/text_utils.h"
#include "engine/scenarios/script_options.h"

namespace mv {
namespace {

// Characters that would break a field or the line apart become blanks.
std::string Clean(std::string_view text, bool keepBars) {
    std::string out = SingleLine(Trim(text));
    if (!keepBars) std::replace(out.begin(), out.end(), '|', ' ');
    return out;
}

// A field as written: never empty, so that the fields after it keep their places.
std::string Field(std::string_view text) {
    std::string out = Clean(text, false);
    return out.empty() ? std::string(" ") : out;
}

}  // namespace

bool IsSeparatorLine(std::string_view text) {
    return Trim(text).empty();
}

TScriptLine ReadScriptLine(std::string_view text) {
    const std::vector<std::string> fields = SplitWords(text, "|");
    const auto field = [&fields](std::size_t k) {
        return k < fields.size() ? Trim(fields[k]) : std::string();
    };
    TScriptLine line;
    line.Options = field(0);
    for (std::size_t i = 0; i < line.Filters.size(); ++i) line.Filters[i] = field(i + 1);
    line.Comment = field(FiltersPerLine + 1);
    return line;
}

std::string ScriptLineText(const TScriptLine& line) {
    std::string text = Field(line.Options) + "|";
    for (const std::string& filter : line.Filters) text += Field(filter) + "|";
    text += Clean(line.Comment, true);
    return text;
}

std::array<std::string, ScriptFieldCount> ScriptColumnCaptions() {
    const std::array<std::string, ScriptFieldCount> captions = [] {
        std::array<std::string, ScriptFieldCount> c;
        c[0] = Msg(TMsg::ColumnComments);
        c[1] = Msg(TMsg::ScriptColumnOptions);
        for (int i = 0; i < FiltersPerLine; ++i) {
            c[static_cast<std::size_t>(i + 2)] =
                Msg(TMsg::ScriptColumnFilter) + std::to_string(i + 1);
        }
        return c;
    }();
    return captions;
}

std::array<std::string, ScriptFieldCount> ScriptRowTexts(std::string_view text,
                                                         const TStatList& registry) {
    std::array<std::string, ScriptFieldCount> cells;
    if (IsSeparatorLine(text)) return cells;
    const TScriptLine line = ReadScriptLine(text);
    cells[0] = line.Comment;
    cells[1] = OptionsText(ReadScriptOptions(line.Options));
    for (std::size_t i = 0; i < line.Filters.size(); ++i) {
        cells[i + 2] = NormalizeItemText(line.Filters[i], registry);
    }
    return cells;
}

}  // namespace mv
