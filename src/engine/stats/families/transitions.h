#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/stats/custom_stat.h"
#include "engine/stats/families/serials.h"

namespace mv {

// Group 10: transitions between draws. Looking back through the window for draws whose
// predecessor (or two predecessors) showed the state the latest draw of the window (and the
// one before it) shows now, a method lists what came next: values K1 = the item before, K2 =
// the item after (three-draw methods: K1 two draws before, K2 one draw before, K3 after). The
// state comes from numbers, channels or segments: any item of the draw, the item at the same
// position, at one position (Index), or how many numbers lie in channel or segment Index.
// A combination matches when it holds a selected "after" item (or count).

enum class TChainItems { Numbers, Channels, Segments };
enum class TChainShape {
    Anywhere,     // every item of the predecessor that the latest draw holds, to every item
    Positions,    // each position whose item equals the latest draw's there
    OnePosition,  // position Index only
    Count,        // how many numbers lie in channel or segment Index
    Inside,       // number transitions kept within one channel, see TChainInside
};
// What the inside methods add for a number r of the predecessor that the latest draw holds,
// S being the numbers of the analysed draw in r's channel.
enum class TChainInside { All, Successful, Unsuccessful, Counted };

class TCustomChainStat : public TCustomStat {
public:
    TCustomChainStat(const TStatEnvironment& env, int index, TChainItems items, int draws,
                     TChainShape shape, TChainInside inside = TChainInside::All);
    std::string ValueText(const TStatValueRec& value) const override;
    void InitValues(int lastIndex, TStatDrawArray& values) override;
    void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatScratch& scratch,
                 TStatDrawArray& values, bool sorted) override;
    bool Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool deleteMode,
                 bool sorted, int lastIndex) override;
    std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected, bool deleteMode,
                                               bool sorted, int lastIndex) override;

private:
    int CountIn(const std::uint8_t* nums) const;
    // The part of a value holding the "after" item: 2 or 3.
    int AfterPart() const { return m_draws; }
    // Inside methods: whether number q pairs with number p of the latest draw under value v.
    bool InsidePair(std::uint8_t p, std::uint8_t q, const TStatValueRec& v) const;

    TChainItems m_kind;
    int m_draws;
    TChainShape m_shape;
    TChainInside m_inside;
    int m_channelSize;
    TItemTable m_items;     // f: the item of a byte
    TItemTable m_channels;  // the channel of a byte (inside methods)
};

#define MV_CHAIN_CLASS(Class)                          \
    class Class final : public TCustomChainStat {      \
    public:                                            \
        static const TStatClass Descriptor;            \
        Class(const TStatEnvironment& env, int index); \
    };

MV_CHAIN_CLASS(TstChain2DrawsAll)
MV_CHAIN_CLASS(TstChain2DrawsPos)
MV_CHAIN_CLASS(TstChain2Pos)
MV_CHAIN_CLASS(TstChain3DrawsPos)
MV_CHAIN_CLASS(TstChain3Pos)
MV_CHAIN_CLASS(TstChain2ChannelsAll)
MV_CHAIN_CLASS(TstChain2ChannelsPos)
MV_CHAIN_CLASS(TstChain2Channel)
MV_CHAIN_CLASS(TstChain3ChannelsPos)
MV_CHAIN_CLASS(TstChain3Channel)
MV_CHAIN_CLASS(TstChain2CnlCnt)
MV_CHAIN_CLASS(TstChain3CnlCnt)
MV_CHAIN_CLASS(TstChainChannels2InsideAll)
MV_CHAIN_CLASS(TstChainChannels2InsideSuc)
MV_CHAIN_CLASS(TstChainChannels2InsideBad)
MV_CHAIN_CLASS(TstChainChannels2InsideCnt)
MV_CHAIN_CLASS(TstChain2SegmentsAll)
MV_CHAIN_CLASS(TstChain2SegmentsPos)
MV_CHAIN_CLASS(TstChain2Segment)
MV_CHAIN_CLASS(TstChain3SegmentsPos)
MV_CHAIN_CLASS(TstChain3Segment)
MV_CHAIN_CLASS(TstChain2SgmCnt)
MV_CHAIN_CLASS(TstChain3SgmCnt)

#undef MV_CHAIN_CLASS

}  // namespace mv
