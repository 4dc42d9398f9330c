#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "engine/core/records.h"
#include "engine/stats/comb_filter.h"
#include "engine/stats/stat_values.h"
#include "engine/support/config_file.h"

namespace mv {

class TCustomStat;

// Method flags and their letters.
enum TStatFlag : unsigned {
    sfPositional = 1,  // S: the sorted-draws option changes the value
    sfNorm = 2,        // N: evaluates a bare combination; a full-set comparison file exists
    sfReference = 4,   // D: judges a draw against a reference draw
    sfPeriod = 8,      // P: period method
    sfGraph = 16,      // G: has a graph
};

// The letters S, N, D, P, G of the bits set in a flag set, in bit order; empty for none.
std::string FlagLetters(unsigned flags);

inline constexpr int StatGroupCount = 13;
// "num", "sum", ... for groups 0..12; nullptr outside.
const char* StatGroupCode(int group);
const char* StatGroupCaption(int group);
// "{ code } caption", or "#ERROR#" for a group outside 0..12.
std::string StatGroupHeading(int group);

// What a statistic reads besides its index: the archive and the settings. Owned by the
// registry; it must outlive every statistic created from it and not change during a use.
struct TStatEnvironment {
    const TDrawsArray* Draws = nullptr;
    const TConfigData* Config = nullptr;
    const TShreddingSettings* Shredding = nullptr;
};

// The class-level side of a statistic method: everything the registry asks without an
// instance, and the factory. One constant per method class.
struct TStatClass {
    const char* Name = "";  // class name, e.g. "TstValues"
    const char* Code = "";  // code template, e.g. "NUMS", "POS%d"
    TMsgText Caption;  // caption template, e.g. "Число в %0:d позиции тиража"
    const char* HelpCode = nullptr;  // defaults to Code
    int Group = 0;
    unsigned Flags = 0;
    bool HasGraph = false;
    bool Available = true;
    bool Listed = true;
    // The value text reads as one integer (patterns, for one, do not).
    bool HasValueList = true;
    // Index range of indexed methods; may depend on the configuration.
    std::pair<int, int> (*IndexRange)(const TConfigData&) = nullptr;
    std::unique_ptr<TCustomStat> (*Create)(const TStatEnvironment&, int index) = nullptr;
    // How many values AddCombination adds for one combination, repeats counted: the fewest
    // and the most over all combinations. A full-set comparison file whose counts do not add
    // up to what that allows for 376,992 combinations is damaged.
    std::pair<int, int> ValuesPerComb{1, 1};
    // The caption of one index when the template alone cannot give it (arguments besides the
    // index); null for the plain template.
    std::string (*CaptionOf)(int index) = nullptr;

    unsigned FullFlags() const { return Flags | (HasGraph ? unsigned{sfGraph} : 0u); }
    bool HasNorm() const { return (FullFlags() & sfNorm) != 0; }
    bool HasIndexRange() const { return IndexRange != nullptr; }
    std::string CodeFor(int index) const;
    std::string CaptionFor(int index) const;
    std::string HelpCodeFor(int index) const;
};

// Replaces "%d", "%0:d" (and "%.Nd") by the integer, "%s", "%0:s" by the text.
std::string FormatTemplate(const std::string& pattern, long long number, const std::string& text = {});

// Up to 48 values that one draw or one combination yields, without allocating (a count per
// matrix column gives up to 36, and one more for bytes outside 1..36).
struct TKeyBuffer {
    std::array<TValueKey, 48> Keys;
    int Count = 0;
    void Add(TValueKey key) {
        if (Count < static_cast<int>(Keys.size())) Keys[static_cast<std::size_t>(Count++)] = key;
    }
    void AddK1(std::int32_t k1) { Add(TValueKey::FromK1(k1)); }
    const TValueKey* begin() const { return Keys.data(); }
    const TValueKey* end() const { return Keys.data() + Count; }
};

// One statistic method at work. Created from the registry for one use (a table, a filter
// pass, a graph, a full-set file) and freed right after it; it keeps no state between uses.
class TCustomStat {
public:
    TCustomStat(const TStatEnvironment& env, int index);
    virtual ~TCustomStat() = default;
    TCustomStat(const TCustomStat&) = delete;
    TCustomStat& operator=(const TCustomStat&) = delete;

    const TStatClass& Class() const { return *m_class; }
    std::string GetCaption() const { return Class().CaptionFor(Index); }

    virtual std::string ValueText(const TStatValueRec& value) const = 0;
    // The text as a decimal integer, 0 when it is not one.
    virtual std::int32_t ParseValue(const std::string& text) const;
    std::int32_t SelectionValue(const std::string& text) const;

    // Clears Value; methods then add every possible value with count 0.
    virtual void InitValues(int lastIndex, TStatDrawArray& values);
    virtual void LoadDraws(int index, int referenceIndex, bool sorted);
    // Adds the combination's values with count 1 each.
    virtual void AddCombination(const std::uint8_t* nums, TStatDrawArray& values);
    // Analyses archive draw `index` of a window ending at `lastIndex`.
    virtual void AddDraw(int index, int lastIndex, TLastValueArray& lastValues,
                         TStatScratch& scratch, TStatDrawArray& values, bool sorted);
    // The number of the first draw from archive index `from` on having the record's value,
    // or -1.
    virtual std::int32_t FindNext(const TStatValueRec& record, int from, bool sorted,
                                  int lastIndex);
    // Whether the combination has one of the selected values; call after
    // LoadDraws(-1, last, sorted).
    virtual bool Matches(const std::uint8_t* nums, const TStatDrawArray& selected,
                         bool deleteMode, bool sorted, int lastIndex) = 0;

    // The batch path of filtering: a filter prepared once for the selection that judges whole
    // runs of combinations exactly as Matches would. Loads the draws itself. The filter may
    // refer to this statistic, which must outlive it. The default runs Matches per
    // combination; methods override it with table-driven predicates.
    virtual std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected,
                                                      bool deleteMode, bool sorted,
                                                      int lastIndex);

    int Index = 0;
    TDrawRec CurrentDraw{};
    TDrawRec ReferenceDraw{};
    TStatValueRec Value{};

protected:
    // The values of a draw's (or a combination's) five numbers; used by the base AddDraw and
    // AddCombination. Methods whose values need more than the numbers override those instead.
    virtual void ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const;
    const TDrawsArray& Draws() const { return *m_env.Draws; }
    const TConfigData& Config() const { return *m_env.Config; }
    const TStatEnvironment& Environment() const { return m_env; }
    // Base part of AddDraw: loads the draw and prepares Value for it.
    void BeginDraw(int index, int lastIndex, bool sorted);

private:
    template <class T>
    friend std::unique_ptr<TCustomStat> CreateStat(const TStatEnvironment&, int);
    TStatEnvironment m_env;
    const TStatClass* m_class = nullptr;
};

// The factory stored in a TStatClass.
template <class T>
std::unique_ptr<TCustomStat> CreateStat(const TStatEnvironment& env, int index) {
    auto stat = std::make_unique<T>(env, index);
    stat->m_class = &T::Descriptor;
    return stat;
}

// A method with a graph: one integer per draw.
class TCustomGraphStat : public TCustomStat {
public:
    using TCustomStat::TCustomStat;
    std::string ValueText(const TStatValueRec& value) const override;
    virtual std::int32_t GraphValue(const std::uint8_t* nums, int drawIndex, bool sorted,
                                    int extra) = 0;
    // GraphValue of archive draw `drawIndex`.
    std::int32_t DrawGraphValue(int drawIndex, int extra, bool sorted);
};

// Values that are lottery numbers, and values that are plain integers.
class TCustomValuesStat : public TCustomStat {
public:
    using TCustomStat::TCustomStat;
    std::string ValueText(const TStatValueRec& value) const override;
};
class TCustomNumbersStat : public TCustomStat {
public:
    using TCustomStat::TCustomStat;
    std::string ValueText(const TStatValueRec& value) const override;
};

// A count k (0..5) of numbers having a property, shown as "k:5-k".
class TCustomRatioStat : public TCustomGraphStat {
public:
    using TCustomGraphStat::TCustomGraphStat;
    std::string ValueText(const TStatValueRec& value) const override;
    std::int32_t ParseValue(const std::string& text) const override;
    void InitValues(int lastIndex, TStatDrawArray& values) override;
    bool Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool deleteMode,
                 bool sorted, int lastIndex) override;
    std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected, bool deleteMode,
                                              bool sorted, int lastIndex) override;
    std::int32_t GraphValue(const std::uint8_t* nums, int drawIndex, bool sorted,
                            int extra) override;
    int CountIn(const std::uint8_t* nums) const;

protected:
    // The property counted; a pure function of the number.
    virtual bool HasProperty(std::uint8_t number) const = 0;
    void ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const override;
};

// A 5-bit pattern of the numbers in draw order (first number = bit 4) in K1K2.
class TCustomMaskStat : public TCustomStat {
public:
    using TCustomStat::TCustomStat;
    std::string ValueText(const TStatValueRec& value) const override;
    std::int32_t ParseValue(const std::string& text) const override;
    void InitValues(int lastIndex, TStatDrawArray& values) override;
    bool Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool deleteMode,
                 bool sorted, int lastIndex) override;
    std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected, bool deleteMode,
                                              bool sorted, int lastIndex) override;
    int PatternOf(const std::uint8_t* nums) const;

protected:
    virtual const char* ZeroSymbol() const = 0;
    virtual const char* OneSymbol() const = 0;
    // Whether a number gives a 1 bit; a pure function of the number.
    virtual bool OneBit(std::uint8_t number) const = 0;
    void ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const override;
};

}  // namespace mv
