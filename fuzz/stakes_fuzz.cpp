// The stakes file: 312-byte records from any bytes; a decoded record written and decoded
// again is the same record, and the texts the stakes grid shows are made from it.
#include "engine/stakes/stake_record.h"
#include "fuzz_target.h"

MV_FUZZ_TARGET(stakes) {
    using namespace mv;
    for (std::size_t at = 0; at + StakeRecSize <= size; at += StakeRecSize) {
        const TStakeRecord rec = DecodeStakeRec(data + at);
        const TStakeBytes bytes = EncodeStakeRec(rec);
        MV_FUZZ_CHECK(DecodeStakeRec(bytes.data()) == rec);
        TStakeRecord withoutComment = DecodeStakeRecWithoutComment(data + at);
        withoutComment.Comment = rec.Comment;
        MV_FUZZ_CHECK(withoutComment == rec);
        (void)StakeKindText(rec.Kind);
        (void)StakeNumbersText(rec.Numbers.Used());
        (void)StakeNumbersText(rec.Matches.Used());
        (void)MoneyText(rec.Profit);
    }
    return 0;
}
