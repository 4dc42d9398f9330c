// The ratings file: rows from any bytes written and decoded again are the same rows, and
// every cell, the CSV export and the chance figures are made from them.
#include "engine/ratings/ratings.h"
#include "fuzz_target.h"

MV_FUZZ_TARGET(ratings) {
    using namespace mv;
    TRatings rows = DecodeRatings(fuzz::AsText(data, size));
    MV_FUZZ_CHECK(rows.size() == size / RatingRecSize);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const TRatingBytes bytes = EncodeRatingRec(rows[i]);
        MV_FUZZ_CHECK(DecodeRatingRec(bytes.data()) == rows[i]);
        for (int column = 0; column < RatingColumnCount; ++column) {
            for (int mode : {remExpected, remAbsolute, remRelative})
                (void)RatingCellText(rows[i], column, mode);
        }
        (void)RatingToScriptLine(rows[i].Name);
        // The chance of a row is worked out when it is shown, a few at a time.
        if (i < 8) (void)RatingChanceText(rows[i]);
    }
    (void)RatingsCsv(rows);
    for (int column = 0; column < RatingColumnCount; ++column) SortRatings(rows, column, true);
    return 0;
}
