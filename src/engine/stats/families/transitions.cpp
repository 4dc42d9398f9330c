#include "engine/stats/families/transitions.h"

#include <algorithm>
#include <cstdio>

#include "engine/core/game.h"
#include "engine/core/messages.h"
#include "engine/stats/families/channels.h"
#include "engine/stats/families/segments.h"

namespace mv {
namespace {

constexpr int kGroup = 10;

std::pair<int, int> ChannelCountRange(const TConfigData& config) {
    if (config.ChannelSize <= 0) return {0, -1};
    return {1, ChannelOf(MaxNumber, config.ChannelSize)};
}

std::pair<int, int> SegmentCountRange(const TConfigData& config) {
    int low = 9, high = 1;
    for (int n = 1; n <= MaxNumber; ++n) {
        low = std::min(low, ConfiguredSegment(config, n));
        high = std::max(high, ConfiguredSegment(config, n));
    }
    return {low, high};
}

TItemTable ItemsOf(TChainItems kind, const TConfigData& config) {
    switch (kind) {
        case TChainItems::Channels:
            return ChannelItems(config);
        case TChainItems::Segments:
            return SegmentItems(config);
        case TChainItems::Numbers:
            break;
    }
    return NumberItems();
}

TValueKey ChainKey(int k1, int k2, int k3 = 0) {
    TValueKey key;
    key.SetK(1, k1);
    key.SetK(2, k2);
    key.SetK(3, k3);
    return key;
}

bool Exists(const TDrawRec& draw) {
    return draw.Number > 0;
}

}  // namespace

TCustomChainStat::TCustomChainStat(const TStatEnvironment& env, int index, TChainItems items,
                                   int draws, TChainShape shape, TChainInside inside)
    : TCustomStat(env, index),
      m_kind(items),
      m_draws(draws),
      m_shape(shape),
      m_inside(inside),
      m_channelSize(ChannelSizeOf(*env.Config)),
      m_items(ItemsOf(items, *env.Config)),
      m_channels(ChannelItems(*env.Config)) {}

std::string TCustomChainStat::ValueText(const TStatValueRec& value) const {
    const bool twoDigits = m_kind == TChainItems::Channels && m_shape != TChainShape::Count &&
                           !(m_shape == TChainShape::Inside && m_inside == TChainInside::Counted);
    const auto part = [&](int k) {
        char text[16];
        std::snprintf(text, sizeof text, twoDigits ? "%.2d" : "%d", value.Key.K(k));
        return std::string(text);
    };
    if (m_draws == 3) return part(1) + "-" + part(2) + " -> " + part(3);
    return part(1) + " -> " + part(2);
}

int TCustomChainStat::CountIn(const std::uint8_t* nums) const {
    int k = 0;
    for (int j = 0; j < NumbersInDraw; ++j) k += m_items[nums[j]] == Index ? 1 : 0;
    return k;
}

// The count methods list their "after" counts in advance: every count a channel could hold
// (0 .. the channel size), or for segments the zero row only.
void TCustomChainStat::InitValues(int lastIndex, TStatDrawArray& values) {
    TCustomStat::InitValues(lastIndex, values);
    if (m_shape != TChainShape::Count) return;
    const int nL = CountIn(DrawAt(Draws(), lastIndex, false).Nums.data());
    const int nL1 = CountIn(DrawAt(Draws(), lastIndex - 1, false).Nums.data());
    const int highest = m_kind == TChainItems::Channels ? m_channelSize : 0;
    for (int m = 0; m <= highest; ++m) {
        Value.Key = m_draws == 3 ? ChainKey(nL1, nL, m) : ChainKey(nL, m);
        AddValue(values, Value, false);
    }
}

void TCustomChainStat::AddDraw(int index, int lastIndex, TLastValueArray&, TStatScratch&,
                               TStatDrawArray& values, bool sorted) {
    BeginDraw(index, lastIndex, sorted);
    // The earlier draws follow the sorted-draws option where positions matter.
    const bool sortEarlier = sorted && (Class().Flags & sfPositional) != 0;
    const TDrawRec p = DrawAt(Draws(), index - 1, sortEarlier);
    if (!Exists(p)) return;
    TDrawRec q, l1;
    if (m_draws == 3) {
        q = DrawAt(Draws(), index - 2, sortEarlier);
        if (!Exists(q)) return;
        l1 = DrawAt(Draws(), lastIndex - 1, sortEarlier);
    }
    const auto& c = CurrentDraw.Nums;
    const auto& l = ReferenceDraw.Nums;
    const auto f = [this](std::uint8_t n) -> int { return m_items[n]; };
    TKeyBuffer keys;
    switch (m_shape) {
        case TChainShape::Anywhere:
            for (const std::uint8_t before : p.Nums) {
                const bool held = std::any_of(l.begin(), l.end(),
                                              [&](std::uint8_t x) { return f(x) == f(before); });
                if (!held) continue;
                for (const std::uint8_t after : c) keys.Add(ChainKey(f(before), f(after)));
            }
            break;
        case TChainShape::Positions:
        case TChainShape::OnePosition:
            for (int j = 0; j < NumbersInDraw; ++j) {
                if (m_shape == TChainShape::OnePosition && j != Index - 1) continue;
                const auto at = static_cast<std::size_t>(j);
                if (f(p.Nums[at]) != f(l[at])) continue;
                if (m_draws == 2) {
                    keys.Add(ChainKey(f(p.Nums[at]), f(c[at])));
                } else if (f(q.Nums[at]) == f(l1.Nums[at])) {
                    keys.Add(ChainKey(f(q.Nums[at]), f(p.Nums[at]), f(c[at])));
                }
            }
            break;
        case TChainShape::Count: {
            const int nP = CountIn(p.Nums.data());
            if (nP != CountIn(l.data())) break;
            if (m_draws == 2) {
                keys.Add(ChainKey(nP, CountIn(c.data())));
            } else if (CountIn(q.Nums.data()) == CountIn(l1.Nums.data())) {
                keys.Add(ChainKey(CountIn(q.Nums.data()), nP, CountIn(c.data())));
            }
            break;
        }
        case TChainShape::Inside:
            for (const std::uint8_t r : p.Nums) {
                if (std::find(l.begin(), l.end(), r) == l.end()) continue;
                int inChannel = 0;
                for (const std::uint8_t x : c) {
                    if (m_channels[x] != m_channels[r]) continue;
                    ++inChannel;
                    if (m_inside == TChainInside::All || m_inside == TChainInside::Successful) {
                        keys.Add(ChainKey(r, x));
                    }
                }
                if (inChannel == 0 &&
                    (m_inside == TChainInside::All || m_inside == TChainInside::Unsuccessful)) {
                    keys.Add(ChainKey(r, 0));
                }
                if (m_inside == TChainInside::Counted) keys.Add(ChainKey(r, inChannel));
            }
            break;
    }
    AddDrawValues(values, Value, keys.begin(), keys.Count);
}

bool TCustomChainStat::InsidePair(std::uint8_t p, std::uint8_t q, const TStatValueRec& v) const {
    if (p != v.Key.K1()) return false;
    // A selected "N-0" row, and every row of the count method, stands for the whole channel.
    if (m_inside == TChainInside::Counted || (v.Key.K1() != 0 && v.Key.K(2) == 0)) {
        return m_channels[q] == m_channels[p];
    }
    return q == v.Key.K(2);
}

bool TCustomChainStat::Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool, bool,
                               int lastIndex) {
    if (m_shape == TChainShape::Count) return HasPart(selected, AfterPart(), CountIn(nums));
    if (m_shape != TChainShape::Inside) {
        for (int j = 0; j < NumbersInDraw; ++j) {
            if (HasPart(selected, AfterPart(), m_items[nums[j]])) return true;
        }
        return false;
    }
    const TDrawRec latest = DrawAt(Draws(), lastIndex, false);
    for (const std::uint8_t p : latest.Nums) {
        for (int j = 0; j < NumbersInDraw; ++j) {
            for (const TStatValueRec& v : selected) {
                if (InsidePair(p, nums[j], v)) return true;
            }
        }
    }
    return false;
}

// Every shape reduces to a table over byte values (or, for the counts, a set of counts) built
// once per pass; the inside methods read the latest draw there, not per combination.
std::unique_ptr<TCombFilter> TCustomChainStat::PrepareFilter(const TStatDrawArray& selected, bool,
                                                             bool, int lastIndex) {
    if (m_shape == TChainShape::Count) {
        std::array<std::uint8_t, 256> inItem{};
        for (std::size_t b = 0; b < inItem.size(); ++b) inItem[b] = m_items[b] == Index ? 1 : 0;
        std::uint32_t counts = 0;
        for (const TStatValueRec& s : selected) {
            const int k = s.Key.K(AfterPart());
            if (k >= 0 && k <= NumbersInDraw) counts |= 1u << k;
        }
        const TPairTable<std::uint8_t> pairs(inItem, [](std::uint8_t a, std::uint8_t b) {
            return static_cast<std::uint8_t>(a + b);
        });
        return MakeCombFilter([pairs, inItem, counts](TCombNums n) {
            const int k = pairs[n.Pair(0)] + pairs[n.Pair(2)] + inItem[n[4]];
            return ((counts >> k) & 1u) != 0;
        });
    }
    std::array<std::uint8_t, 256> hit{};
    if (m_shape != TChainShape::Inside) {
        std::array<std::uint8_t, 256> after{};
        for (const TStatValueRec& s : selected) {
            const int k = s.Key.K(AfterPart());
            if (k >= 0 && k < 256) after[static_cast<std::size_t>(k)] = 1;
        }
        for (std::size_t b = 0; b < hit.size(); ++b) hit[b] = after[m_items[b]];
    } else {
        const TDrawRec latest = DrawAt(Draws(), lastIndex, false);
        for (std::size_t b = 0; b < hit.size(); ++b) {
            const auto q = static_cast<std::uint8_t>(b);
            for (const std::uint8_t p : latest.Nums) {
                hit[b] = hit[b] ||
                         std::any_of(selected.begin(), selected.end(),
                                     [&](const TStatValueRec& v) { return InsidePair(p, q, v); });
            }
        }
    }
    return MakeAnyNumberFilter(hit);
}

// --- the classes ------------------------------------------------------------------------------

#define MV_CHAIN_DESCRIPTOR(Class, CodeText, CaptionText, HelpText, FlagBits, Range) \
    const TStatClass Class::Descriptor = {.Name = #Class,                            \
                                          .Code = CodeText,                          \
                                          .Caption = CaptionText,                    \
                                          .HelpCode = HelpText,                      \
                                          .Group = kGroup,                           \
                                          .Flags = FlagBits,                         \
                                          .HasValueList = false,                     \
                                          .IndexRange = Range,                       \
                                          .Create = CreateStat<Class>,               \
                                          .ValuesPerComb = {0, 0}};

constexpr unsigned kD = sfReference;
constexpr unsigned kSD = sfPositional | sfReference;
constexpr std::pair<int, int> (*kNoRange)(const TConfigData&) = nullptr;
std::pair<int, int> PositionRange(const TConfigData&) {
    return {1, NumbersInDraw};
}

MV_CHAIN_DESCRIPTOR(TstChain2DrawsAll, "SDV2", TMsg::CapChainNumbers2, nullptr, kD, kNoRange)
MV_CHAIN_DESCRIPTOR(TstChain2DrawsPos, "SDP2", TMsg::CapChainNumbers2Pos, nullptr, kSD, kNoRange)
MV_CHAIN_DESCRIPTOR(TstChain2Pos, "SDN%d", TMsg::CapChainNumbers2AtPos, "SDNx", kSD, PositionRange)
MV_CHAIN_DESCRIPTOR(TstChain3DrawsPos, "SDP3", TMsg::CapChainNumbers3Pos, nullptr, kSD, kNoRange)
MV_CHAIN_DESCRIPTOR(TstChain3Pos, "SDM%d", TMsg::CapChainNumbers3AtPos, "SDMx", kSD, PositionRange)
MV_CHAIN_DESCRIPTOR(TstChain2ChannelsAll, "SCV2", TMsg::CapChainChannels2, nullptr, kD, kNoRange)
MV_CHAIN_DESCRIPTOR(TstChain2ChannelsPos, "SCP2", TMsg::CapChainChannels2Pos, nullptr, kSD,
                    kNoRange)
MV_CHAIN_DESCRIPTOR(TstChain2Channel, "SCN%d", TMsg::CapChainChannels2AtPos, "SCNx", kSD,
                    PositionRange)
MV_CHAIN_DESCRIPTOR(TstChain3ChannelsPos, "SCP3", TMsg::CapChainChannels3Pos, nullptr, kSD,
                    kNoRange)
MV_CHAIN_DESCRIPTOR(TstChain3Channel, "SCM%d", TMsg::CapChainChannels3AtPos, "SCMx", kSD,
                    PositionRange)
MV_CHAIN_DESCRIPTOR(TstChain2CnlCnt, "SC2C%d", TMsg::CapChainChannelCount2, "SC2Cx", kD,
                    ChannelCountRange)
MV_CHAIN_DESCRIPTOR(TstChain3CnlCnt, "SC3C%d", TMsg::CapChainChannelCount3, "SC3Cx", kD,
                    ChannelCountRange)
MV_CHAIN_DESCRIPTOR(TstChainChannels2InsideAll, "SDA2", TMsg::CapChainInsideAll, nullptr, kD,
                    kNoRange)
MV_CHAIN_DESCRIPTOR(TstChainChannels2InsideSuc, "SDG2", TMsg::CapChainInsideHit, nullptr, kD,
                    kNoRange)
MV_CHAIN_DESCRIPTOR(TstChainChannels2InsideBad, "SDZ2", TMsg::CapChainInsideMiss, nullptr, kD,
                    kNoRange)
MV_CHAIN_DESCRIPTOR(TstChainChannels2InsideCnt, "SDC2", TMsg::CapChainInsideCount, nullptr, kD,
                    kNoRange)
MV_CHAIN_DESCRIPTOR(TstChain2SegmentsAll, "SSV2", TMsg::CapChainSegments2, nullptr, kD, kNoRange)
MV_CHAIN_DESCRIPTOR(TstChain2SegmentsPos, "SSP2", TMsg::CapChainSegments2Pos, nullptr, kSD,
                    kNoRange)
MV_CHAIN_DESCRIPTOR(TstChain2Segment, "SSN%d", TMsg::CapChainSegments2AtPos, "SSNx", kSD,
                    PositionRange)
MV_CHAIN_DESCRIPTOR(TstChain3SegmentsPos, "SSP3", TMsg::CapChainSegments3Pos, nullptr, kSD,
                    kNoRange)
MV_CHAIN_DESCRIPTOR(TstChain3Segment, "SSM%d", TMsg::CapChainSegments3AtPos, "SSMx", kSD,
                    PositionRange)
MV_CHAIN_DESCRIPTOR(TstChain2SgmCnt, "SS2C%d", TMsg::CapChainSegmentCount2, "SS2Cx", kD,
                    SegmentCountRange)
MV_CHAIN_DESCRIPTOR(TstChain3SgmCnt, "SS3C%d", TMsg::CapChainSegmentCount3, "SS3Cx", kD,
                    SegmentCountRange)

#undef MV_CHAIN_DESCRIPTOR

#define MV_CHAIN_CONSTRUCTOR(Class, ...)                 \
    Class::Class(const TStatEnvironment& env, int index) \
        : TCustomChainStat(env, index, __VA_ARGS__) {}

using enum TChainItems;
using enum TChainShape;
MV_CHAIN_CONSTRUCTOR(TstChain2DrawsAll, Numbers, 2, Anywhere)
MV_CHAIN_CONSTRUCTOR(TstChain2DrawsPos, Numbers, 2, Positions)
MV_CHAIN_CONSTRUCTOR(TstChain2Pos, Numbers, 2, OnePosition)
MV_CHAIN_CONSTRUCTOR(TstChain3DrawsPos, Numbers, 3, Positions)
MV_CHAIN_CONSTRUCTOR(TstChain3Pos, Numbers, 3, OnePosition)
MV_CHAIN_CONSTRUCTOR(TstChain2ChannelsAll, Channels, 2, Anywhere)
MV_CHAIN_CONSTRUCTOR(TstChain2ChannelsPos, Channels, 2, Positions)
MV_CHAIN_CONSTRUCTOR(TstChain2Channel, Channels, 2, OnePosition)
MV_CHAIN_CONSTRUCTOR(TstChain3ChannelsPos, Channels, 3, Positions)
MV_CHAIN_CONSTRUCTOR(TstChain3Channel, Channels, 3, OnePosition)
MV_CHAIN_CONSTRUCTOR(TstChain2CnlCnt, Channels, 2, Count)
MV_CHAIN_CONSTRUCTOR(TstChain3CnlCnt, Channels, 3, Count)
MV_CHAIN_CONSTRUCTOR(TstChainChannels2InsideAll, Channels, 2, Inside, TChainInside::All)
MV_CHAIN_CONSTRUCTOR(TstChainChannels2InsideSuc, Channels, 2, Inside, TChainInside::Successful)
MV_CHAIN_CONSTRUCTOR(TstChainChannels2InsideBad, Channels, 2, Inside, TChainInside::Unsuccessful)
MV_CHAIN_CONSTRUCTOR(TstChainChannels2InsideCnt, Channels, 2, Inside, TChainInside::Counted)
MV_CHAIN_CONSTRUCTOR(TstChain2SegmentsAll, Segments, 2, Anywhere)
MV_CHAIN_CONSTRUCTOR(TstChain2SegmentsPos, Segments, 2, Positions)
MV_CHAIN_CONSTRUCTOR(TstChain2Segment, Segments, 2, OnePosition)
MV_CHAIN_CONSTRUCTOR(TstChain3SegmentsPos, Segments, 3, Positions)
MV_CHAIN_CONSTRUCTOR(TstChain3Segment, Segments, 3, OnePosition)
MV_CHAIN_CONSTRUCTOR(TstChain2SgmCnt, Segments, 2, Count)
MV_CHAIN_CONSTRUCTOR(TstChain3SgmCnt, Segments, 3, Count)

#undef MV_CHAIN_CONSTRUCTOR

}  // namespace mv
