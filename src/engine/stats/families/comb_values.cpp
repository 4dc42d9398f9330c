#include "engine/stats/families/comb_values.h"

#include <algorithm>
#include <vector>

#include "engine/core/messages.h"

namespace mv {
namespace {

constexpr int kGroup = 0;
constexpr int kNumberBits = 6;
static_assert(MaxNumber < (1 << kNumberBits));

const TItemMap& Identity() {
    static const TItemMap map = NumberMap();
    return map;
}

std::pair<int, int> Pos2Range(const TConfigData&) {
    return {1, NumbersInDraw - 1};
}
std::pair<int, int> Pos3Range(const TConfigData&) {
    return {1, NumbersInDraw - 2};
}
std::pair<int, int> Pos4Range(const TConfigData&) {
    return {1, NumbersInDraw - 3};
}

}  // namespace

TItemMap NumberMap() {
    TItemMap map;
    for (int n = 1; n <= MaxNumber; ++n)
        map.Item[static_cast<std::size_t>(n)] = static_cast<std::uint8_t>(n);
    map.Count = MaxNumber;
    return map;
}

#define MV_COMB_VALUE_CLASS(Class, CodeText, K, Windows, Values)                                 \
    const TStatClass Class::Descriptor = {                                                       \
        .Name = #Class,                                                                          \
        .Code = CodeText,                                                                        \
        .Caption = (Windows) ? TMsg::CapCombAdjacent : TMsg::CapCombAll,                         \
        .Group = kGroup,                                                                         \
        .Flags = sfPositional,                                                                   \
        .HasValueList = false,                                                                   \
        .Create = CreateStat<Class>,                                                             \
        .ValuesPerComb = {Values, Values},                                                       \
        .CaptionOf = [](int) {                                                                   \
            return FormatTemplate(Msg((Windows) ? TMsg::CapCombAdjacent : TMsg::CapCombAll), K); \
        }};                                                                                      \
    Class::Class(const TStatEnvironment& env, int index)                                         \
        : TCustomItemTupleStat(env, index, Identity(), K, Windows) {}

MV_COMB_VALUE_CLASS(TstCombValMix2, "KNM2", 2, false, 10)
MV_COMB_VALUE_CLASS(TstCombValMix3, "KNM3", 3, false, 10)
MV_COMB_VALUE_CLASS(TstCombValMix4, "KNM4", 4, false, 5)
MV_COMB_VALUE_CLASS(TstCombValSeq2, "KNS2", 2, true, 4)
MV_COMB_VALUE_CLASS(TstCombValSeq3, "KNS3", 3, true, 3)
MV_COMB_VALUE_CLASS(TstCombValSeq4, "KNS4", 4, true, 2)

#undef MV_COMB_VALUE_CLASS

// --- position groups ----------------------------------------------------------------------

int TCustomCombValPosStat::First() const {
    return std::clamp(Index, 1, NumbersInDraw - m_k + 1) - 1;
}

std::string TCustomCombValPosStat::ValueText(const TStatValueRec& value) const {
    std::string text = std::to_string(value.Key.K(1));
    for (int part = 2; part <= m_k; ++part) text += ":" + std::to_string(value.Key.K(part));
    return text;
}

void TCustomCombValPosStat::ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const {
    TValueKey key;
    for (int i = 0; i < m_k; ++i) key.SetK(i + 1, Identity()[nums[First() + i]]);
    keys.Add(key);
}

void TCustomCombValPosStat::AddDraw(int index, int lastIndex, TLastValueArray&, TStatScratch&,
                                    TStatDrawArray& values, bool sorted) {
    BeginDraw(index, lastIndex, sorted);
    TKeyBuffer keys;
    ValuesOf(CurrentDraw.Nums.data(), keys);
    AddDrawValues(values, Value, keys.begin(), keys.Count);
}

bool TCustomCombValPosStat::Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool,
                                    bool, int) {
    TKeyBuffer keys;
    ValuesOf(nums, keys);
    return HasKey(selected, keys.Keys[0]);
}

std::unique_ptr<TCombFilter> TCustomCombValPosStat::PrepareFilter(const TStatDrawArray& selected,
                                                                  bool, bool, int) {
    // A bit per code of k numbers, 6 bits each, the first number lowest: 2 MiB for four.
    auto bits = std::make_shared<std::vector<std::uint64_t>>(
        std::max<std::size_t>(1, (std::size_t{1} << (kNumberBits * m_k)) / 64), 0);
    for (const TStatValueRec& s : selected) {
        bool possible = true;
        std::uint32_t code = 0;
        for (int part = 4; part >= 1; --part) {
            const int k = s.Key.K(part);
            possible = possible && (part <= m_k ? k >= 0 && k < (1 << kNumberBits) : k == 0);
            if (part <= m_k) code = code << kNumberBits | static_cast<std::uint32_t>(k & 63);
        }
        if (possible) (*bits)[code >> 6] |= std::uint64_t{1} << (code & 63);
    }
    return MakeCombFilter([bits, map = Identity().Item, first = First(), k = m_k](TCombNums n) {
        std::uint32_t code = 0;
        for (int i = k - 1; i >= 0; --i) code = code << kNumberBits | map[n[first + i]];
        return (((*bits)[code >> 6] >> (code & 63)) & 1u) != 0;
    });
}

#define MV_COMB_POS_CLASS(Class, K, CodeText, CaptionText, Range) \
    const TStatClass Class::Descriptor = {.Name = #Class,         \
                                          .Code = CodeText,       \
                                          .Caption = CaptionText, \
                                          .HelpCode = "KNP" #K,   \
                                          .Group = kGroup,        \
                                          .Flags = sfPositional,  \
                                          .HasValueList = false,  \
                                          .IndexRange = Range,    \
                                          .Create = CreateStat<Class>};

MV_COMB_POS_CLASS(TstCombValPos2, 2, "KNP2%d", TMsg::CapCombPos2, Pos2Range)
MV_COMB_POS_CLASS(TstCombValPos3, 3, "KNP3%d", TMsg::CapCombPos3, Pos3Range)
MV_COMB_POS_CLASS(TstCombValPos4, 4, "KNP4%d", TMsg::CapCombPos4, Pos4Range)

#undef MV_COMB_POS_CLASS

// --- sorted neighbour groups --------------------------------------------------------------

void TCustomCombValSortStat::ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const {
    std::array<std::uint8_t, NumbersInDraw> sorted{};
    std::copy(nums, nums + NumbersInDraw, sorted.begin());
    std::sort(sorted.begin(), sorted.end());
    TCustomItemTupleStat::ValuesOf(sorted.data(), keys);
}

std::unique_ptr<TCombFilter> TCustomCombValSortStat::PrepareFilter(const TStatDrawArray& selected,
                                                                   bool deleteMode, bool sorted,
                                                                   int lastIndex) {
    return TCustomStat::PrepareFilter(selected, deleteMode, sorted, lastIndex);
}

#define MV_COMB_SORT_CLASS(Class, CodeText, K)                               \
    const TStatClass Class::Descriptor = {                                   \
        .Name = #Class,                                                      \
        .Code = CodeText,                                                    \
        .Caption = TMsg::CapCombAscending,                                   \
        .Group = kGroup,                                                     \
        .Flags = 0,                                                          \
        .Available = false,                                                  \
        .HasValueList = false,                                               \
        .Create = CreateStat<Class>,                                         \
        .ValuesPerComb = {NumbersInDraw + 1 - (K), NumbersInDraw + 1 - (K)}, \
        .CaptionOf = [](int) { return FormatTemplate(Msg(TMsg::CapCombAscending), K); }};

MV_COMB_SORT_CLASS(TstCombValSort2, "KNO2", 2)
MV_COMB_SORT_CLASS(TstCombValSort3, "KNO3", 3)
MV_COMB_SORT_CLASS(TstCombValSort4, "KNO4", 4)

#undef MV_COMB_SORT_CLASS

}  // namespace mv
