// The operator's workbook as it arrives: any bytes opened as a zip package, read as the
// first sheet or refused with a message.
#include "engine/core/errors.h"
#include "engine/download/workbook.h"
#include "fuzz_target.h"

MV_FUZZ_TARGET(workbook) {
    using namespace mv;
    try {
        for (const TSheetRow& row : ReadFirstSheetFromMemory(fuzz::AsText(data, size), 12)) {
            MV_FUZZ_CHECK(row.Row >= 1 && row.Cells.size() <= 12);
        }
    } catch (const EError&) {
    }
    return 0;
}
