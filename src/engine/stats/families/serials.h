#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/stats/custom_stat.h"

namespace mv {

// Groups 8 and 9: items (numbers, channels or segments) followed through a window draw by
// draw. A group is a run of draws in a row in which an item appeared, a pause a run in which
// it stayed away; both are reported only for the items of the window's latest draw. A period
// is the distance in draw numbers between two appearances of an item, for every item.
// Values are K1 = the item and K2 = a length; the text is "item x length".
//
// The item of every byte value: numbers map to themselves, channels and segments to their
// number (0 for bytes outside 1..36). The statistic copies the configuration it needs when it
// is created.
using TItemTable = std::array<std::uint8_t, 256>;

// Groups (RunsOfPresence) or pauses of the items ItemMin..ItemMax. A window analysis keeps one
// scratch slot per item: run length, draw number and depth of the run's latest draw.
class TCustomSerialStat : public TCustomStat {
public:
    TCustomSerialStat(const TStatEnvironment& env, int index, bool runsOfPresence,
                      const TItemTable& items, int itemMin, int itemMax);
    std::string ValueText(const TStatValueRec& value) const override;
    void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatScratch& scratch,
                 TStatDrawArray& values, bool sorted) override;
    // Some number's item is a selected K1.
    bool Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool deleteMode,
                 bool sorted, int lastIndex) override;
    std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected, bool deleteMode,
                                               bool sorted, int lastIndex) override;
    bool RunsOfPresence() const { return m_presence; }
    int ItemMin() const { return m_itemMin; }
    int ItemMax() const { return m_itemMax; }

protected:
    virtual std::string ItemText(int item) const { return std::to_string(item); }

private:
    bool m_presence;
    TItemTable m_items;
    int m_itemMin, m_itemMax;
};

// Periods between appearances of an item, remembered in the window's last-values array.
class TCustomPeriodsStat : public TCustomStat {
public:
    TCustomPeriodsStat(const TStatEnvironment& env, int index, const TItemTable& items)
        : TCustomStat(env, index), m_items(items) {}
    std::string ValueText(const TStatValueRec& value) const override;
    void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatScratch& scratch,
                 TStatDrawArray& values, bool sorted) override;
    // A selected period d of item K1 is confirmed when the draw d - 1 before the latest holds
    // the item (keep mode) or does not (delete mode); some item of the combination with a
    // confirmed period matches.
    bool Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool deleteMode,
                 bool sorted, int lastIndex) override;
    std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected, bool deleteMode,
                                               bool sorted, int lastIndex) override;

protected:
    virtual std::string ItemText(int item) const { return std::to_string(item); }

private:
    bool Confirmed(const TStatValueRec& v, bool deleteMode, int lastIndex) const;
    TItemTable m_items;
};

// The item tables and ranges of the three kinds of items.
TItemTable NumberItems();
TItemTable ChannelItems(const TConfigData& config);
TItemTable SegmentItems(const TConfigData& config);

#define MV_SERIAL_CLASS(Class, Base)                   \
    class Class final : public Base {                  \
    public:                                            \
        static const TStatClass Descriptor;            \
        Class(const TStatEnvironment& env, int index); \
                                                       \
    protected:                                         \
        std::string ItemText(int item) const override; \
    };

MV_SERIAL_CLASS(TstNumGroups, TCustomSerialStat)
MV_SERIAL_CLASS(TstNumPauses, TCustomSerialStat)
MV_SERIAL_CLASS(TstChnGroups, TCustomSerialStat)
MV_SERIAL_CLASS(TstChnPauses, TCustomSerialStat)
MV_SERIAL_CLASS(TstSgmGroups, TCustomSerialStat)
MV_SERIAL_CLASS(TstSgmPauses, TCustomSerialStat)
MV_SERIAL_CLASS(TstNumPeriods, TCustomPeriodsStat)
MV_SERIAL_CLASS(TstChnPeriods, TCustomPeriodsStat)
MV_SERIAL_CLASS(TstSgmPeriods, TCustomPeriodsStat)

#undef MV_SERIAL_CLASS

}  // namespace mv
