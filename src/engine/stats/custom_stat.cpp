#include "engine/stats/custom_stat.h"

#include <cstdio>

#include "engine/core/game.h"
#include "engine/core/messages.h"
#include "engine/core/text_utils.h"

namespace mv {
namespace {

struct TGroupInfo {
    const char* Code;
    TMsgText Caption;
};

constexpr TGroupInfo kGroups[StatGroupCount] = {
    {"num", TMsg::GroupNumbers},     {"sum", TMsg::GroupSums},
    {"dif", TMsg::GroupDifferences}, {"grp", TMsg::GroupChannels},
    {"mtx", TMsg::GroupMatrix},      {"sgm", TMsg::GroupSegments},
    {"seq", TMsg::GroupSequences},   {"rep", TMsg::GroupRepeats},
    {"ser", TMsg::GroupSerials},     {"per", TMsg::GroupPeriods},
    {"mov", TMsg::GroupTransitions}, {"vrn", TMsg::GroupCharacteristic},
    {"shr", TMsg::GroupShredding},
};

}  // namespace

std::string FlagLetters(unsigned flags) {
    static const char kLetters[] = {'S', 'N', 'D', 'P', 'G'};
    std::string letters;
    for (unsigned bit = 0; bit < sizeof kLetters; ++bit) {
        if (flags & (1u << bit)) letters += kLetters[bit];
    }
    return letters;
}

const char* StatGroupCode(int group) {
    return group >= 0 && group < StatGroupCount ? kGroups[group].Code : nullptr;
}

const char* StatGroupCaption(int group) {
    return group >= 0 && group < StatGroupCount ? kGroups[group].Caption.c_str() : nullptr;
}

std::string StatGroupHeading(int group) {
    if (group < 0 || group >= StatGroupCount) return "#ERROR#";
    return std::string("{ ") + kGroups[group].Code + " } " + kGroups[group].Caption;
}

std::string FormatTemplate(const std::string& pattern, long long number, const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%' || i + 1 >= pattern.size()) {
            out += pattern[i];
            continue;
        }
        // %[index:][.precision](d|s)
        std::size_t j = i + 1;
        while (j < pattern.size() && (std::isdigit(static_cast<unsigned char>(pattern[j])) ||
                                      pattern[j] == ':' || pattern[j] == '.')) {
            ++j;
        }
        if (j >= pattern.size() || (pattern[j] != 'd' && pattern[j] != 's')) {
            out += pattern[i];
            continue;
        }
        const std::string format = pattern.substr(i + 1, j - i - 1);
        if (pattern[j] == 's') {
            out += text;
        } else {
            const std::size_t dot = format.find('.');
            const int width = dot == std::string::npos ? 0 : std::atoi(format.c_str() + dot + 1);
            char buffer[32];
            std::snprintf(buffer, sizeof buffer, "%0*lld", width, number);
            out += buffer;
        }
        i = j;
    }
    return out;
}

std::string TStatClass::CodeFor(int index) const { return FormatTemplate(Code, index); }
std::string TStatClass::CaptionFor(int index) const {
    return CaptionOf ? CaptionOf(index) : FormatTemplate(Caption, index);
}
std::string TStatClass::HelpCodeFor(int index) const {
    return FormatTemplate(HelpCode ? HelpCode : Code, index);
}

// --- TCustomStat ------------------------------------------------------------------------

TCustomStat::TCustomStat(const TStatEnvironment& env, int index) : Index(index), m_env(env) {}

std::int32_t TCustomStat::ParseValue(const std::string& text) const {
    return StrToIntDef(text, 0);
}

std::int32_t TCustomStat::SelectionValue(const std::string& text) const {
    return Class().HasValueList ? ParseValue(text) : 0;
}

void TCustomStat::InitValues(int /*lastIndex*/, TStatDrawArray& /*values*/) {
    Value = TStatValueRec{};
}

void TCustomStat::LoadDraws(int index, int referenceIndex, bool sorted) {
    CurrentDraw = DrawAt(Draws(), index, sorted);
    ReferenceDraw = (Class().Flags & sfReference) ? DrawAt(Draws(), referenceIndex, sorted)
                                                  : TDrawRec{};
}

void TCustomStat::ValuesOf(const std::uint8_t* /*nums*/, TKeyBuffer& /*keys*/) const {}

void TCustomStat::AddCombination(const std::uint8_t* nums, TStatDrawArray& values) {
    Value = TStatValueRec{};
    Value.Count = 1;
    TKeyBuffer keys;
    ValuesOf(nums, keys);
    for (const TValueKey& key : keys) {
        Value.Key = key;
        AddValue(values, Value, false);
    }
}

void TCustomStat::BeginDraw(int index, int lastIndex, bool sorted) {
    LoadDraws(index, lastIndex, sorted);
    Value = TStatValueRec{};
    Value.LastDraw = CurrentDraw.Number;
    Value.PrevDraw = CurrentDraw.Number;
    Value.Depth = lastIndex - index + 1;
    Value.Count = 1;
}

void TCustomStat::AddDraw(int index, int lastIndex, TLastValueArray& /*lastValues*/,
                          TStatScratch& /*scratch*/, TStatDrawArray& values, bool sorted) {
    BeginDraw(index, lastIndex, sorted);
    TKeyBuffer keys;
    ValuesOf(CurrentDraw.Nums.data(), keys);
    for (const TValueKey& key : keys) {
        Value.Key = key;
        AddValue(values, Value, true);
    }
}

std::int32_t TCustomStat::FindNext(const TStatValueRec& record, int from, bool sorted,
                                   int lastIndex) {
    const int high = static_cast<int>(Draws().size()) - 1;
    for (int k = std::max(0, from); k <= high; ++k) {
        TStatDrawArray found;
        TLastValueArray lastValues;
        TStatScratch scratch{};
        AddDraw(k, lastIndex, lastValues, scratch, found, sorted);
        for (const TStatValueRec& v : found) {
            if (v.Key == record.Key) return v.LastDraw;
        }
    }
    return -1;
}

std::unique_ptr<TCombFilter> TCustomStat::PrepareFilter(const TStatDrawArray& selected,
                                                        bool deleteMode, bool sorted,
                                                        int lastIndex) {
    LoadDraws(-1, lastIndex, sorted);
    return MakeCombFilter([this, &selected, deleteMode, sorted, lastIndex](const std::uint8_t* n) {
        return Matches(n, selected, deleteMode, sorted, lastIndex);
    });
}

// --- bases --------------------------------------------------------------------------------

std::string TCustomGraphStat::ValueText(const TStatValueRec& value) const {
    return std::to_string(value.Key.K1());
}

std::int32_t TCustomGraphStat::DrawGraphValue(int drawIndex, int extra, bool sorted) {
    const TDrawRec draw = DrawAt(Draws(), drawIndex, sorted);
    return GraphValue(draw.Nums.data(), drawIndex, sorted, extra);
}

std::string TCustomValuesStat::ValueText(const TStatValueRec& value) const {
    return std::to_string(value.Key.K1());
}

std::string TCustomNumbersStat::ValueText(const TStatValueRec& value) const {
    return std::to_string(value.Key.K1());
}

// Ratio ----------------------------------------------------------------------------------

std::string TCustomRatioStat::ValueText(const TStatValueRec& value) const {
    const int k = value.Key.K1();
    return std::to_string(k) + ":" + std::to_string(NumbersInDraw - k);
}

std::int32_t TCustomRatioStat::ParseValue(const std::string& text) const {
    return StrToIntDef(text.substr(0, text.find(':')), 0);
}

void TCustomRatioStat::InitValues(int lastIndex, TStatDrawArray& values) {
    TCustomStat::InitValues(lastIndex, values);
    for (int k = 1; k <= NumbersInDraw; ++k) {
        Value.Key = TValueKey::FromK1(k);
        AddValue(values, Value, false);
    }
}

int TCustomRatioStat::CountIn(const std::uint8_t* nums) const {
    int k = 0;
    for (int i = 0; i < NumbersInDraw; ++i) k += HasProperty(nums[i]) ? 1 : 0;
    return k;
}

void TCustomRatioStat::ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const {
    keys.AddK1(CountIn(nums));
}

bool TCustomRatioStat::Matches(const std::uint8_t* nums, const TStatDrawArray& selected,
                               bool /*deleteMode*/, bool /*sorted*/, int /*lastIndex*/) {
    return HasPart(selected, 1, CountIn(nums));
}

std::unique_ptr<TCombFilter> TCustomRatioStat::PrepareFilter(const TStatDrawArray& selected,
                                                             bool /*deleteMode*/,
                                                             bool /*sorted*/, int /*lastIndex*/) {
    // Per-number property table and the set of selected counts as bits.
    std::array<std::uint8_t, 256> property{};
    for (int n = 0; n < 256; ++n) property[n] = HasProperty(static_cast<std::uint8_t>(n)) ? 1 : 0;
    std::uint32_t counts = 0;
    for (const TStatValueRec& s : selected) {
        const int k = s.Key.K1();
        if (k >= 0 && k <= NumbersInDraw) counts |= 1u << k;
    }
    const TPairTable<std::uint8_t> pairs(property, [](std::uint8_t a, std::uint8_t b) {
        return static_cast<std::uint8_t>(a + b);
    });
    return MakeCombFilter([pairs, property, counts](TCombNums n) {
        const int k = pairs[n.Pair(0)] + pairs[n.Pair(2)] + property[n[4]];
        return ((counts >> k) & 1u) != 0;
    });
}

std::int32_t TCustomRatioStat::GraphValue(const std::uint8_t* nums, int /*drawIndex*/,
                                          bool /*sorted*/, int /*extra*/) {
    return CountIn(nums);
}

// Mask -----------------------------------------------------------------------------------

int TCustomMaskStat::PatternOf(const std::uint8_t* nums) const {
    int pattern = 0;
    for (int i = 0; i < NumbersInDraw; ++i) pattern = (pattern << 1) | (OneBit(nums[i]) ? 1 : 0);
    return pattern;
}

void TCustomMaskStat::ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const {
    TValueKey key;
    key.SetK1K2(PatternOf(nums));
    keys.Add(key);
}

std::string TCustomMaskStat::ValueText(const TStatValueRec& value) const {
    const int pattern = value.Key.K1K2();
    std::string text;
    for (int bit = NumbersInDraw - 1; bit >= 0; --bit) {
        text += ((pattern >> bit) & 1) ? OneSymbol() : ZeroSymbol();
    }
    char number[16];
    std::snprintf(number, sizeof number, " (%.3d)", pattern);
    return text + number;
}

std::int32_t TCustomMaskStat::ParseValue(const std::string& text) const {
    // The first five characters (not bytes: the symbols may be Cyrillic letters).
    const std::string one = OneSymbol();
    int pattern = 0;
    std::size_t pos = 0;
    for (int i = 0; i < NumbersInDraw; ++i) {
        bool isOne = false;
        if (pos < text.size()) {
            std::size_t len = 1;
            const auto lead = static_cast<unsigned char>(text[pos]);
            if (lead >= 0xF0) len = 4;
            else if (lead >= 0xE0) len = 3;
            else if (lead >= 0xC0) len = 2;
            isOne = text.compare(pos, len, one) == 0 && len == one.size();
            pos += len;
        }
        pattern = (pattern << 1) | (isOne ? 1 : 0);
    }
    return pattern;
}

void TCustomMaskStat::InitValues(int lastIndex, TStatDrawArray& values) {
    TCustomStat::InitValues(lastIndex, values);
    for (int pattern = 0; pattern < 32; ++pattern) {
        Value.Key = TValueKey{};
        Value.Key.SetK1K2(pattern);
        AddValue(values, Value, false);
    }
}

bool TCustomMaskStat::Matches(const std::uint8_t* nums, const TStatDrawArray& selected,
                              bool /*deleteMode*/, bool /*sorted*/, int /*lastIndex*/) {
    return HasHalf(selected, 1, PatternOf(nums));
}

std::unique_ptr<TCombFilter> TCustomMaskStat::PrepareFilter(const TStatDrawArray& selected,
                                                            bool /*deleteMode*/, bool /*sorted*/,
                                                            int /*lastIndex*/) {
    std::array<std::uint8_t, 256> bit{};
    for (int n = 0; n < 256; ++n) bit[n] = OneBit(static_cast<std::uint8_t>(n)) ? 1 : 0;
    std::uint32_t patterns = 0;
    for (const TStatValueRec& s : selected) {
        const std::int32_t p = s.Key.K1K2();
        if (p >= 0 && p < 32) patterns |= 1u << p;
    }
    // Two bits per pair lookup, the first number of the pair the higher.
    const TPairTable<std::uint8_t> pairs(bit, [](std::uint8_t a, std::uint8_t b) {
        return static_cast<std::uint8_t>(a << 1 | b);
    });
    return MakeCombFilter([pairs, bit, patterns](TCombNums n) {
        const int p = pairs[n.Pair(0)] << 3 | pairs[n.Pair(2)] << 1 | bit[n[4]];
        return ((patterns >> p) & 1u) != 0;
    });
}

}  // namespace mv
