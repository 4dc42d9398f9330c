// Scenario files: the lines of any bytes written as a scenario text read back as the same
// lines, and each line reads back field for field once written.
#include "engine/core/text_codec.h"
#include "engine/scenarios/script_file.h"
#include "engine/scenarios/script_line.h"
#include "fuzz_target.h"

MV_FUZZ_TARGET(script_file) {
    using namespace mv;
    const TScriptLines lines = ScriptFileBytesToLines(fuzz::AsText(data, size));
    const std::string text = ScriptLinesToText(lines);
    MV_FUZZ_CHECK(ScriptTextToLines(text) == lines);
    // What the writer puts on disk reads back the same through the file's codec.
    const TScriptLines fromDisk = ScriptFileBytesToLines(Utf8ToCp1251(text));
    MV_FUZZ_CHECK(fromDisk.size() == lines.size());
    for (const std::string& line : lines) {
        const TScriptLine fields = ReadScriptLine(line);
        MV_FUZZ_CHECK(ReadScriptLine(ScriptLineText(fields)) == fields);
    }
    return 0;
}
