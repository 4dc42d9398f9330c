// The draws archive: 24-byte records read from any bytes, written back byte for byte, and
// what the archive check and the draw texts make of them.
#include <cstring>

#include "engine/core/game.h"
#include "engine/draws/archive_check.h"
#include "engine/draws/archive_file.h"
#include "fuzz_target.h"

MV_FUZZ_TARGET(archive) {
    using namespace mv;
    const std::size_t whole = size / DrawRecSize;
    TDrawsArray draws(whole);
    for (std::size_t i = 0; i < whole; ++i) DecodeDrawRec(data + i * DrawRecSize, draws[i]);
    const std::string written = EncodeArchive(draws);
    MV_FUZZ_CHECK(written.size() == whole * DrawRecSize);
    MV_FUZZ_CHECK(std::memcmp(written.data(), data, written.size()) == 0);

    const std::vector<TArchiveFinding> findings = CheckArchive(draws);
    for (const TArchiveFinding& finding : findings) (void)ArchiveFindingLine(finding);
    (void)ArchiveCheckSummary(static_cast<int>(draws.size()), findings);
    for (const TDrawRec& draw : draws) {
        (void)draw.Date();
        (void)DrawLineText(draw);
    }
    return 0;
}
