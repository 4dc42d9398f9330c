#include "engine/stats/families/serials.h"

#include <algorithm>
#include <cstdio>

#include "engine/core/game.h"
#include "engine/core/messages.h"
#include "engine/stats/families/channels.h"
#include "engine/stats/families/segments.h"

namespace mv {
namespace {

constexpr int kSerialGroup = 8;
constexpr int kPeriodGroup = 9;

std::string TwoDigits(int item) {
    char text[16];
    std::snprintf(text, sizeof text, "%.2d", item);
    return text;
}

std::string ItemAndLength(const std::string& item, const TStatValueRec& value) {
    return item + " x " + std::to_string(value.Key.K(2));
}

int ChannelsOf(const TConfigData& config) {
    return ChannelOf(MaxNumber, ChannelSizeOf(config));
}

std::pair<int, int> SegmentRange(const TConfigData& config) {
    int low = 9, high = 1;
    for (int n = 1; n <= MaxNumber; ++n) {
        low = std::min(low, ConfiguredSegment(config, n));
        high = std::max(high, ConfiguredSegment(config, n));
    }
    return {low, high};
}

// Which items of the range [low, high] the five numbers hold, as bits item - low.
std::uint64_t ItemsHeld(const TItemTable& items, const std::uint8_t* nums, int low, int high) {
    std::uint64_t held = 0;
    for (int j = 0; j < NumbersInDraw; ++j) {
        const int item = items[nums[j]];
        if (item >= low && item <= high) held |= std::uint64_t{1} << (item - low);
    }
    return held;
}

}  // namespace

TItemTable NumberItems() {
    TItemTable items{};
    for (std::size_t b = 0; b < items.size(); ++b) items[b] = static_cast<std::uint8_t>(b);
    return items;
}

TItemTable ChannelItems(const TConfigData& config) {
    return ChannelMap(ChannelSizeOf(config)).Item;
}

TItemTable SegmentItems(const TConfigData& config) {
    return TSegmentMap(config).Table();
}

// --- groups and pauses ------------------------------------------------------------------------

TCustomSerialStat::TCustomSerialStat(const TStatEnvironment& env, int index, bool runsOfPresence,
                                     const TItemTable& items, int itemMin, int itemMax)
    : TCustomStat(env, index),
      m_presence(runsOfPresence),
      m_items(items),
      m_itemMin(itemMin),
      // The scratch table has one slot per number: no layout has more items.
      m_itemMax(std::min(itemMax, itemMin + MaxNumber - 1)) {}

std::string TCustomSerialStat::ValueText(const TStatValueRec& value) const {
    return ItemAndLength(ItemText(value.Key.K1()), value);
}

void TCustomSerialStat::AddDraw(int index, int lastIndex, TLastValueArray&, TStatScratch& scratch,
                                TStatDrawArray& values, bool sorted) {
    BeginDraw(index, lastIndex, sorted);
    const std::uint64_t present = ItemsHeld(m_items, CurrentDraw.Nums.data(), m_itemMin, m_itemMax);
    const std::uint64_t latest =
        ItemsHeld(m_items, ReferenceDraw.Nums.data(), m_itemMin, m_itemMax);
    TStatValueRec run = Value;
    const auto addRun = [&](int item, const std::array<std::int32_t, 3>& slot) {
        run.Key = TValueKey{};
        run.Key.SetK(1, item);
        run.Key.SetK(2, slot[0]);
        run.LastDraw = run.PrevDraw = slot[1];
        run.Depth = slot[2];
        AddValue(values, run, true);
    };
    for (int item = m_itemMin; item <= m_itemMax; ++item) {
        const auto bit = std::uint64_t{1} << (item - m_itemMin);
        auto& slot = scratch[static_cast<std::size_t>(item - m_itemMin)];
        const bool inLatest = (latest & bit) != 0;
        if (((present & bit) != 0) == m_presence) {
            ++slot[0];
            slot[1] = CurrentDraw.Number;
            slot[2] = lastIndex - index + 1;
            if (index == lastIndex && inLatest) addRun(item, slot);
        } else {
            if (slot[0] > 0 && inLatest) addRun(item, slot);
            slot = {0, 0, 0};
        }
    }
}

bool TCustomSerialStat::Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool,
                                bool, int) {
    for (int j = 0; j < NumbersInDraw; ++j) {
        if (HasPart(selected, 1, m_items[nums[j]])) return true;
    }
    return false;
}

std::unique_ptr<TCombFilter> TCustomSerialStat::PrepareFilter(const TStatDrawArray& selected, bool,
                                                              bool, int) {
    const std::array<std::uint8_t, 256> items = SelectedK1Table(selected);
    std::array<std::uint8_t, 256> hit{};
    for (std::size_t b = 0; b < hit.size(); ++b) hit[b] = items[m_items[b]];
    return MakeAnyNumberFilter(hit);
}

// --- periods ----------------------------------------------------------------------------------

std::string TCustomPeriodsStat::ValueText(const TStatValueRec& value) const {
    return ItemAndLength(ItemText(value.Key.K1()), value);
}

void TCustomPeriodsStat::AddDraw(int index, int lastIndex, TLastValueArray& lastValues,
                                 TStatScratch&, TStatDrawArray& values, bool sorted) {
    BeginDraw(index, lastIndex, sorted);
    const std::int32_t number = CurrentDraw.Number;
    for (int j = 0; j < NumbersInDraw; ++j) {
        const TValueKey item =
            TValueKey::FromK1(m_items[CurrentDraw.Nums[static_cast<std::size_t>(j)]]);
        const auto seen = std::find_if(lastValues.begin(), lastValues.end(),
                                       [&](const TLastValue& l) { return l.Key == item; });
        if (seen == lastValues.end()) {
            lastValues.push_back({number, item});
            continue;
        }
        const std::int32_t d = number - seen->DrawNumber;
        seen->DrawNumber = number;
        // An item met twice in one draw gives 0 the second time.
        if (d <= 0) continue;
        Value.Key = item;
        Value.Key.SetK(2, d);
        AddValue(values, Value, true);
    }
}

bool TCustomPeriodsStat::Confirmed(const TStatValueRec& v, bool deleteMode, int lastIndex) const {
    const TDrawRec draw = DrawAt(Draws(), lastIndex - v.Key.K(2) + 1, false);
    bool held = false;
    for (const std::uint8_t n : draw.Nums) held = held || m_items[n] == v.Key.K1();
    return held != deleteMode;
}

bool TCustomPeriodsStat::Matches(const std::uint8_t* nums, const TStatDrawArray& selected,
                                 bool deleteMode, bool, int lastIndex) {
    for (int j = 0; j < NumbersInDraw; ++j) {
        const int item = m_items[nums[j]];
        for (const TStatValueRec& v : selected) {
            if (v.Key.K1() == item && Confirmed(v, deleteMode, lastIndex)) return true;
        }
    }
    return false;
}

// The draws the selected periods point to are read once: an item either has a confirmed
// period or not, whatever the combination.
std::unique_ptr<TCombFilter> TCustomPeriodsStat::PrepareFilter(const TStatDrawArray& selected,
                                                               bool deleteMode, bool,
                                                               int lastIndex) {
    std::array<std::uint8_t, 256> confirmedItem{};
    for (const TStatValueRec& v : selected) {
        const int item = v.Key.K1();
        if (item >= 0 && item < 256 && Confirmed(v, deleteMode, lastIndex)) {
            confirmedItem[static_cast<std::size_t>(item)] = 1;
        }
    }
    std::array<std::uint8_t, 256> hit{};
    for (std::size_t b = 0; b < hit.size(); ++b) hit[b] = confirmedItem[m_items[b]];
    return MakeAnyNumberFilter(hit);
}

// --- the classes ------------------------------------------------------------------------------

#define MV_SERIAL_DESCRIPTOR(Class, CodeText, CaptionText, GroupNumber, FlagBits) \
    const TStatClass Class::Descriptor = {.Name = #Class,                         \
                                          .Code = CodeText,                       \
                                          .Caption = CaptionText,                 \
                                          .Group = GroupNumber,                   \
                                          .Flags = FlagBits,                      \
                                          .HasValueList = false,                  \
                                          .Create = CreateStat<Class>,            \
                                          .ValuesPerComb = {0, 0}};

MV_SERIAL_DESCRIPTOR(TstNumGroups, "GRPV", TMsg::CapNumberSeries, kSerialGroup, sfReference)
MV_SERIAL_DESCRIPTOR(TstNumPauses, "GRPP", TMsg::CapNumberPauses, kSerialGroup, sfReference)
MV_SERIAL_DESCRIPTOR(TstChnGroups, "GRCV", TMsg::CapChannelSeries, kSerialGroup, sfReference)
MV_SERIAL_DESCRIPTOR(TstChnPauses, "GRCP", TMsg::CapChannelPauses, kSerialGroup, sfReference)
MV_SERIAL_DESCRIPTOR(TstSgmGroups, "GRSV", TMsg::CapSegmentSeries, kSerialGroup, sfReference)
MV_SERIAL_DESCRIPTOR(TstSgmPauses, "GRSP", TMsg::CapSegmentPauses, kSerialGroup, sfReference)
MV_SERIAL_DESCRIPTOR(TstNumPeriods, "PRDV", TMsg::CapNumberPeriods, kPeriodGroup, sfPeriod)
MV_SERIAL_DESCRIPTOR(TstChnPeriods, "PRDC", TMsg::CapChannelPeriods, kPeriodGroup, sfPeriod)
MV_SERIAL_DESCRIPTOR(TstSgmPeriods, "PRDG", TMsg::CapSegmentPeriods, kPeriodGroup, sfPeriod)

#undef MV_SERIAL_DESCRIPTOR

TstNumGroups::TstNumGroups(const TStatEnvironment& env, int index)
    : TCustomSerialStat(env, index, true, NumberItems(), 1, MaxNumber) {}
TstNumPauses::TstNumPauses(const TStatEnvironment& env, int index)
    : TCustomSerialStat(env, index, false, NumberItems(), 1, MaxNumber) {}
TstChnGroups::TstChnGroups(const TStatEnvironment& env, int index)
    : TCustomSerialStat(env, index, true, ChannelItems(*env.Config), 1, ChannelsOf(*env.Config)) {}
TstChnPauses::TstChnPauses(const TStatEnvironment& env, int index)
    : TCustomSerialStat(env, index, false, ChannelItems(*env.Config), 1, ChannelsOf(*env.Config)) {}
TstSgmGroups::TstSgmGroups(const TStatEnvironment& env, int index)
    : TCustomSerialStat(env, index, true, SegmentItems(*env.Config),
                        SegmentRange(*env.Config).first, SegmentRange(*env.Config).second) {}
TstSgmPauses::TstSgmPauses(const TStatEnvironment& env, int index)
    : TCustomSerialStat(env, index, false, SegmentItems(*env.Config),
                        SegmentRange(*env.Config).first, SegmentRange(*env.Config).second) {}
TstNumPeriods::TstNumPeriods(const TStatEnvironment& env, int index)
    : TCustomPeriodsStat(env, index, NumberItems()) {}
TstChnPeriods::TstChnPeriods(const TStatEnvironment& env, int index)
    : TCustomPeriodsStat(env, index, ChannelItems(*env.Config)) {}
TstSgmPeriods::TstSgmPeriods(const TStatEnvironment& env, int index)
    : TCustomPeriodsStat(env, index, SegmentItems(*env.Config)) {}

std::string TstNumGroups::ItemText(int item) const {
    return std::to_string(item);
}
std::string TstNumPauses::ItemText(int item) const {
    return std::to_string(item);
}
std::string TstChnGroups::ItemText(int item) const {
    return TwoDigits(item);
}
std::string TstChnPauses::ItemText(int item) const {
    return TwoDigits(item);
}
std::string TstSgmGroups::ItemText(int item) const {
    return std::to_string(item);
}
std::string TstSgmPauses::ItemText(int item) const {
    return std::to_string(item);
}
std::string TstNumPeriods::ItemText(int item) const {
    return std::to_string(item);
}
std::string TstChnPeriods::ItemText(int item) const {
    return TwoDigits(item);
}
std::string TstSgmPeriods::ItemText(int item) const {
    return std::to_string(item);
}

}  // namespace mv
