// Combinations pasted from the clipboard: each line is one combination or refused with a
// message, and an accepted one copied to the clipboard pastes back the same.
#include "engine/combs/comb_files.h"
#include "engine/core/errors.h"
#include "engine/core/game.h"
#include "engine/core/text_utils.h"
#include "fuzz_target.h"

MV_FUZZ_TARGET(clipboard) {
    using namespace mv;
    TCombsArray list;
    for (const std::string_view line : SplitTextLines(fuzz::AsText(data, size))) {
        try {
            list.Append(ParseCombText(std::string(line)));
        } catch (const EError&) {
            continue;
        }
    }
    std::vector<std::size_t> rows(list.Count());
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = i;
    const std::string text = CombinationsClipboardText(list, rows);
    std::size_t i = 0;
    for (const std::string_view line : SplitTextLines(text)) {
        MV_FUZZ_CHECK(i < list.Count());
        MV_FUZZ_CHECK(ParseCombText(std::string(line)) == list[i]);
        ++i;
    }
    MV_FUZZ_CHECK(i == list.Count());
    return 0;
}
