// Full-set comparison files: bytes that decode encode back to the very same bytes, and the
// check against each statistic class refuses what cannot be a full set without failing
// otherwise.
#include "engine/combs/full_set_files.h"
#include "engine/core/errors.h"
#include "engine/stats/stat_list.h"
#include "fuzz_target.h"

MV_FUZZ_TARGET(full_set) {
    using namespace mv;
    const std::string_view bytes = fuzz::AsText(data, size);
    TFullSetCounts counts;
    try {
        counts = DecodeFullSetFile(bytes);
    } catch (const EError&) {
        return 0;
    }
    MV_FUZZ_CHECK(EncodeFullSetFile(counts) == bytes);
    for (const TStatClass* statClass : StatClassTable()) {
        try {
            CheckFullSetCounts(counts, *statClass);
        } catch (const EError&) {
        }
    }
    return 0;
}
