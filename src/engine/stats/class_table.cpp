// The statistic classes in the order of the method list. A family of methods is added by
// adding its file under families/ and its classes here, in their place in the order.
#include "engine/stats/families/channels.h"
#include "engine/stats/families/characteristic.h"
#include "engine/stats/families/comb_values.h"
#include "engine/stats/families/differences.h"
#include "engine/stats/families/matrix.h"
#include "engine/stats/families/numbers.h"
#include "engine/stats/families/repeats.h"
#include "engine/stats/families/segments.h"
#include "engine/stats/families/sequences.h"
#include "engine/stats/families/serials.h"
#include "engine/stats/families/sums.h"
#include "engine/stats/families/transitions.h"
#include "engine/stats/stat_list.h"

namespace mv {

const std::vector<const TStatClass*>& StatClassTable() {
    static const std::vector<const TStatClass*> table = {
        // Numbers, parity, halves, primes.
        &TstValues::Descriptor, &TstDigits::Descriptor, &TstEvenCount::Descriptor,
        &TstEvenValues::Descriptor, &TstSmallCount::Descriptor, &TstSmallValues::Descriptor,
        &TstPrimeCount::Descriptor, &TstPrimeValues::Descriptor,
        // Sums.
        &TstSumValues::Descriptor, &TstSumRanges::Descriptor, &TstSumChange::Descriptor,
        &TstSumChangeSome::Descriptor, &TstSumTrend::Descriptor, &TstSumEvenValues::Descriptor,
        &TstSumPrimeValues::Descriptor, &TstSum2To3::Descriptor,
        // Differences.
        &TstDiffTotal::Descriptor, &TstDiffMax::Descriptor, &TstMinMaxDiffs::Descriptor,
        &TstDiffSame::Descriptor, &TstDiffSameCnt::Descriptor,
        // Channels.
        &TstChannels::Descriptor, &TstChanValues::Descriptor, &TstChanCount::Descriptor,
        // Matrix columns and rows.
        &TstColumns::Descriptor, &TstRows::Descriptor, &TstColValues::Descriptor,
        &TstRowValues::Descriptor, &TstColCount::Descriptor, &TstRowCount::Descriptor,
        &TstColMask::Descriptor, &TstRowMask::Descriptor, &TstColAjacent::Descriptor,
        &TstRowAjacent::Descriptor, &TstColAjacentCnt::Descriptor, &TstRowAjacentCnt::Descriptor,
        // Segments.
        &TstSegments::Descriptor, &TstSegmValues::Descriptor, &TstSegmCount::Descriptor,
        // Sequences.
        &TstSequenceLen::Descriptor, &TstSequenceCnt::Descriptor, &TstSequenceLenMax::Descriptor,
        // Repeats across draws.
        &TstRepValues2::Descriptor, &TstRepValues3::Descriptor, &TstRepValues2B3::Descriptor,
        &TstRepValues2over1::Descriptor, &TstRepValues2over2::Descriptor,
        &TstRepValues2over3::Descriptor, &TstRepValues2P1::Descriptor, &TstRepValues2N1::Descriptor,
        &TstRepValues2P2::Descriptor, &TstRepValues2N2::Descriptor, &TstRepCount2::Descriptor,
        &TstRepCount3::Descriptor, &TstRepCount2B3::Descriptor, &TstRepCount2over1::Descriptor,
        &TstRepCount2over2::Descriptor, &TstRepCount2over3::Descriptor,
        &TstRepCount2P1::Descriptor, &TstRepCount2N1::Descriptor, &TstRepCount2P2::Descriptor,
        &TstRepCount2N2::Descriptor,
        // Combination values: the numbers themselves.
        &TstCombValMix2::Descriptor, &TstCombValMix3::Descriptor, &TstCombValMix4::Descriptor,
        &TstCombValSeq2::Descriptor, &TstCombValSeq3::Descriptor, &TstCombValSeq4::Descriptor,
        &TstCombValPos2::Descriptor, &TstCombValPos3::Descriptor, &TstCombValPos4::Descriptor,
        &TstCombValSort2::Descriptor, &TstCombValSort3::Descriptor, &TstCombValSort4::Descriptor,
        // Combination values.
        &TstCombDiffSeq2::Descriptor, &TstCombDiffSeq3::Descriptor, &TstCombDiffSeq4::Descriptor,
        // Combinations of channels.
        &TstCombChnMix2::Descriptor, &TstCombChnMix3::Descriptor, &TstCombChnMix4::Descriptor,
        &TstCombChnSeq2::Descriptor, &TstCombChnSeq3::Descriptor, &TstCombChnSeq4::Descriptor,
        // Combinations of matrix columns and rows.
        &TstCombColMix2::Descriptor, &TstCombColMix3::Descriptor, &TstCombColMix4::Descriptor,
        &TstCombColSeq2::Descriptor, &TstCombColSeq3::Descriptor, &TstCombColSeq4::Descriptor,
        &TstCombRowMix2::Descriptor, &TstCombRowMix3::Descriptor, &TstCombRowMix4::Descriptor,
        &TstCombRowSeq2::Descriptor, &TstCombRowSeq3::Descriptor, &TstCombRowSeq4::Descriptor,
        // Combination values: segments.
        &TstCombSegmMix2::Descriptor, &TstCombSegmMix3::Descriptor, &TstCombSegmMix4::Descriptor,
        &TstCombSegmSeq2::Descriptor, &TstCombSegmSeq3::Descriptor, &TstCombSegmSeq4::Descriptor,
        // Indexed counts.
        &TstPosVal::Descriptor, &TstPosExt::Descriptor,
        // Indexed counts of channels.
        &TstChnValCnt::Descriptor,
        // Indexed counts of matrix columns and rows.
        &TstColValCnt::Descriptor, &TstRowValCnt::Descriptor,
        // Indexed counts: segments.
        &TstSgmValCnt::Descriptor,
        // Serial groups and pauses, periods.
        &TstNumGroups::Descriptor, &TstNumPauses::Descriptor, &TstChnGroups::Descriptor,
        &TstChnPauses::Descriptor, &TstSgmGroups::Descriptor, &TstSgmPauses::Descriptor,
        &TstNumPeriods::Descriptor, &TstChnPeriods::Descriptor, &TstSgmPeriods::Descriptor,
        // Transitions between draws.
        &TstChain2DrawsAll::Descriptor, &TstChain2DrawsPos::Descriptor, &TstChain2Pos::Descriptor,
        &TstChain3DrawsPos::Descriptor, &TstChain3Pos::Descriptor,
        &TstChain2ChannelsAll::Descriptor, &TstChain2ChannelsPos::Descriptor,
        &TstChain2Channel::Descriptor, &TstChain3ChannelsPos::Descriptor,
        &TstChain3Channel::Descriptor, &TstChain2CnlCnt::Descriptor, &TstChain3CnlCnt::Descriptor,
        &TstChainChannels2InsideAll::Descriptor, &TstChainChannels2InsideSuc::Descriptor,
        &TstChainChannels2InsideBad::Descriptor, &TstChainChannels2InsideCnt::Descriptor,
        &TstChain2SegmentsAll::Descriptor, &TstChain2SegmentsPos::Descriptor,
        &TstChain2Segment::Descriptor, &TstChain3SegmentsPos::Descriptor,
        &TstChain3Segment::Descriptor, &TstChain2SgmCnt::Descriptor, &TstChain3SgmCnt::Descriptor,
        // Characteristic numbers and shredding.
        &TstVarnel1::Descriptor, &TstVarnel2::Descriptor, &TstVarnel3::Descriptor,
        &TstShreddingStat::Descriptor,
    };
    return table;
}

}  // namespace mv
