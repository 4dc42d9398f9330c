// A scenario line and its options field: any text splits into fields that read back the
// same once written, the options read back the same once written, and the list's cells are
// made from the line with the method registry.
#include "engine/core/text_utils.h"
#include "engine/scenarios/script_line.h"
#include "engine/scenarios/script_options.h"
#include "engine/stats/stat_list.h"
#include "fuzz_registry.h"
#include "fuzz_target.h"

MV_FUZZ_TARGET(script_line) {
    using namespace mv;
    // Lines come from a scenario file or the catalog, neither of which holds a NUL.
    const std::string_view input = fuzz::AsText(data, size);
    for (const std::string_view text : SplitTextLines(input.substr(0, input.find('\0')))) {
        const TScriptLine line = ReadScriptLine(text);
        const std::string written = ScriptLineText(line);
        MV_FUZZ_CHECK(ReadScriptLine(written) == line);
        (void)IsSeparatorLine(text);
        (void)ScriptRowTexts(text, fuzz::BuiltRegistry());

        const TScriptOptions options = ReadScriptOptions(line.Options);
        MV_FUZZ_CHECK(ReadScriptOptions(ScriptOptionsText(options)) == options);
        (void)OptionsText(options);
        (void)ScriptVariantKey(options);
    }
    return 0;
}
