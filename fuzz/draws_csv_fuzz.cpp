// Draws CSV: whatever a CSV text adds to an archive is written as CSV again and read into an
// empty archive as the very same draws.
#include "engine/core/text_utils.h"
#include "engine/draws/archive_file.h"
#include "engine/draws/draws_csv.h"
#include "fuzz_target.h"

MV_FUZZ_TARGET(draws_csv) {
    using namespace mv;
    const std::string_view text = fuzz::AsText(data, size);
    TDrawsArray draws;
    const int added = MergeDrawsCsv(text, draws);
    MV_FUZZ_CHECK(added == static_cast<int>(draws.size()));
    for (const std::string_view line : SplitTextLines(text)) (void)SplitCsvFields(line);

    const std::string csv = DrawsToCsv(draws);
    TDrawsArray again;
    MV_FUZZ_CHECK(MergeDrawsCsv(csv, again) == added);
    MV_FUZZ_CHECK(EncodeArchive(again) == EncodeArchive(draws));
    return 0;
}
