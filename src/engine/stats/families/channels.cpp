#include "engine/stats/families/channels.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <vector>

#include "engine/core/game.h"
#include "engine/core/messages.h"
#include "engine/core/text_utils.h"

namespace mv {
namespace {

constexpr int kGroup = 3;

// Items lie in 0..36, so one item takes 6 bits of a tuple code and a bit of a 64-bit mask.
constexpr int kItemBits = 6;
static_assert(MaxNumber < (1 << kItemBits));

std::pair<int, int> ChannelRange(const TConfigData& config) {
    if (config.ChannelSize <= 0) return {1, 0};
    return {1, ChannelOf(MaxNumber, config.ChannelSize)};
}

// The five items of a combination; TNums is a pointer or TCombNums.
template <class TNums>
std::array<int, NumbersInDraw> ItemsOf(const TItemMap& map, const TNums& n) {
    return {map.Item[n[0]], map.Item[n[1]], map.Item[n[2]], map.Item[n[3]], map.Item[n[4]]};
}

int DistinctCount(const std::array<int, NumbersInDraw>& a) {
    return 1 + (a[1] != a[0]) + ((a[2] != a[0]) & (a[2] != a[1])) +
           ((a[3] != a[0]) & (a[3] != a[1]) & (a[3] != a[2])) +
           ((a[4] != a[0]) & (a[4] != a[1]) & (a[4] != a[2]) & (a[4] != a[3]));
}

// The bit of each byte's item in a mask of items (items lie in 0..36).
std::array<std::uint64_t, 256> ItemBits(const TItemMap& map) {
    std::array<std::uint64_t, 256> bits{};
    for (std::size_t n = 0; n < bits.size(); ++n) bits[n] = std::uint64_t{1} << map.Item[n];
    return bits;
}

bool HasAnyKey(const TStatDrawArray& selected, const TKeyBuffer& keys) {
    return std::any_of(keys.begin(), keys.end(),
                       [&](const TValueKey& key) { return HasKey(selected, key); });
}

}  // namespace

TItemMap ChannelMap(int size) {
    size = std::max(1, size);
    TItemMap map;
    for (int n = 1; n <= MaxNumber; ++n) {
        map.Item[static_cast<std::size_t>(n)] = static_cast<std::uint8_t>(ChannelOf(n, size));
    }
    map.Count = ChannelOf(MaxNumber, size);
    return map;
}

int ChannelSizeOf(const TConfigData& config) {
    return std::max(1, config.ChannelSize);
}

std::string ChannelText(int channel, int size) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2d [%d-%d]", channel, (channel - 1) * size + 1,
                  channel * size);
    return text;
}

// --- items of the numbers --------------------------------------------------------------------

void TCustomItemsStat::InitValues(int lastIndex, TStatDrawArray& values) {
    TCustomStat::InitValues(lastIndex, values);
    for (int item = 1; item <= m_items.Count; ++item) {
        Value.Key = TValueKey::FromK1(item);
        AddValue(values, Value, false);
    }
}

void TCustomItemsStat::ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const {
    for (const int item : ItemsOf(m_items, nums)) keys.AddK1(item);
}

void TCustomItemsStat::AddDraw(int index, int lastIndex, TLastValueArray&, TStatScratch&,
                               TStatDrawArray& values, bool sorted) {
    BeginDraw(index, lastIndex, sorted);
    TKeyBuffer keys;
    ValuesOf(CurrentDraw.Nums.data(), keys);
    AddDrawValues(values, Value, keys.begin(), keys.Count);
}

bool TCustomItemsStat::Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool, bool,
                               int) {
    const auto items = ItemsOf(m_items, nums);
    return std::any_of(selected.begin(), selected.end(), [&](const TStatValueRec& s) {
        const int named = SelectedItem(s.Key);
        return std::find(items.begin(), items.end(), named) != items.end();
    });
}

std::unique_ptr<TCombFilter> TCustomItemsStat::PrepareFilter(const TStatDrawArray& selected, bool,
                                                             bool, int) {
    std::array<std::uint8_t, 256> named{};
    for (const TStatValueRec& s : selected) {
        const int item = SelectedItem(s.Key);
        if (item >= 0 && item < 256) named[static_cast<std::size_t>(item)] = 1;
    }
    std::array<std::uint8_t, 256> hit{};
    for (std::size_t n = 0; n < hit.size(); ++n) hit[n] = named[m_items.Item[n]];
    return MakeAnyNumberFilter(hit);
}

// --- numbers per item ------------------------------------------------------------------------

std::string TCustomItemCountsStat::ValueText(const TStatValueRec& value) const {
    return ItemText(value.Key.K(1)) + " x " + std::to_string(value.Key.K(2));
}

void TCustomItemCountsStat::InitValues(int lastIndex, TStatDrawArray& values) {
    TCustomStat::InitValues(lastIndex, values);
    const int most = std::min(m_capacity, NumbersInDraw);
    for (int item = 1; item <= m_items.Count; ++item) {
        for (int count = 0; count <= most; ++count) {
            Value.Key = TValueKey::FromK1(item);
            Value.Key.SetK(2, count);
            AddValue(values, Value, false);
        }
    }
}

void TCustomItemCountsStat::ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const {
    // Every item first with no numbers, then one per number: the values follow the items.
    TStatSimpleArray counts;
    for (int item = 1; item <= m_items.Count; ++item) AddSimple(counts, item, 0);
    for (int i = 0; i < NumbersInDraw; ++i) AddSimple(counts, m_items.Item[nums[i]], 1);
    for (const TStatSimplePair& c : counts) {
        TValueKey key = TValueKey::FromK1(c.Key);
        key.SetK(2, c.Count);
        keys.Add(key);
    }
}

bool TCustomItemCountsStat::Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool,
                                    bool, int) {
    TKeyBuffer keys;
    ValuesOf(nums, keys);
    return std::any_of(keys.begin(), keys.end(),
                       [&](const TValueKey& key) { return HasHalf(selected, 1, key.K1K2()); });
}

std::unique_ptr<TCombFilter> TCustomItemCountsStat::PrepareFilter(const TStatDrawArray& selected,
                                                                  bool, bool, int) {
    // Per count k, the items whose count k is selected (count 0 only for the items of
    // 1..36: item 0 never goes without numbers). The combination's items holding exactly k
    // numbers come from masks of the items holding at least 1, 2, ... 5 numbers, each number
    // carried up like a counter.
    std::array<std::uint64_t, NumbersInDraw + 1> chosen{};
    for (const TStatValueRec& s : selected) {
        const int item = s.Key.K(1);
        const int count = s.Key.K(2);
        if (item < 0 || item > MaxNumber || count < 0 || count > NumbersInDraw) continue;
        if (count == 0 && (item < 1 || item > m_items.Count)) continue;
        chosen[static_cast<std::size_t>(count)] |= std::uint64_t{1} << item;
    }
    return MakeCombFilter([bits = ItemBits(m_items), chosen](TCombNums n) {
        std::uint64_t atLeast[NumbersInDraw + 2] = {};
        for (int i = 0; i < NumbersInDraw; ++i) {
            const std::uint64_t b = bits[n[i]];
            atLeast[5] |= atLeast[4] & b;
            atLeast[4] |= atLeast[3] & b;
            atLeast[3] |= atLeast[2] & b;
            atLeast[2] |= atLeast[1] & b;
            atLeast[1] |= b;
        }
        std::uint64_t hit = chosen[0] & ~atLeast[1];
        for (std::size_t k = 1; k <= NumbersInDraw; ++k) {
            hit |= chosen[k] & atLeast[k] & ~atLeast[k + 1];
        }
        return hit != 0;
    });
}

// --- one value per draw ----------------------------------------------------------------------

void TCustomItemValueStat::InitValues(int lastIndex, TStatDrawArray& values) {
    TCustomStat::InitValues(lastIndex, values);
    const auto [low, high] = InitRange();
    for (int v = low; v <= high; ++v) {
        Value.Key = TValueKey::FromK1(v);
        AddValue(values, Value, false);
    }
}

void TCustomItemValueStat::ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const {
    keys.AddK1(ValueOf(nums));
}

bool TCustomItemValueStat::Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool,
                                   bool, int) {
    return HasPart(selected, 1, ValueOf(nums));
}

std::unique_ptr<TCombFilter> TCustomItemValueStat::PrepareFilter(const TStatDrawArray& selected,
                                                                 bool, bool, int) {
    return ValueFilter(SelectedK1Table(selected));
}

std::int32_t TCustomItemValueStat::GraphValue(const std::uint8_t* nums, int, bool, int) {
    return ValueOf(nums);
}

int TCustomDistinctItemsStat::ValueOf(const std::uint8_t* nums) const {
    return DistinctCount(ItemsOf(Items(), nums));
}

std::pair<int, int> TCustomDistinctItemsStat::InitRange() const {
    return {1, std::min(m_capacity, NumbersInDraw)};
}

std::unique_ptr<TCombFilter> TCustomDistinctItemsStat::ValueFilter(const TK1Table& t) const {
    // The number of distinct items is the number of item bits the five numbers set.
    return MakeCombFilter([t, bits = ItemBits(Items())](TCombNums n) {
        return t[static_cast<std::size_t>(
                   BitCount(bits[n[0]] | bits[n[1]] | bits[n[2]] | bits[n[3]] | bits[n[4]]))] != 0;
    });
}

int TCustomItemFillStat::ValueOf(const std::uint8_t* nums) const {
    int count = 0;
    for (int i = 0; i < NumbersInDraw; ++i) count += Items()[nums[i]] == Index ? 1 : 0;
    return count;
}

std::pair<int, int> TCustomItemFillStat::InitRange() const {
    return {1, m_capacity};
}

std::unique_ptr<TCombFilter> TCustomItemFillStat::ValueFilter(const TK1Table& t) const {
    std::array<std::uint8_t, 256> inside{};
    for (std::size_t n = 0; n < inside.size(); ++n) inside[n] = Items().Item[n] == Index ? 1 : 0;
    const TPairTable<std::uint8_t> pairs(
        inside, [](std::uint8_t a, std::uint8_t b) { return static_cast<std::uint8_t>(a + b); });
    return MakeCombFilter([t, pairs, inside](TCombNums n) {
        return t[static_cast<std::size_t>(pairs[n.Pair(0)] + pairs[n.Pair(2)] + inside[n[4]])] != 0;
    });
}

// --- items of k numbers together ---------------------------------------------------------------

namespace {

// Selected tuples of k items, coded 6 bits per item, the first item lowest. Tuples of two
// and three are answered by a bit table; a tuple of four by the bit table of its first three
// and then a search among the sorted codes.
struct TTupleSet {
    std::vector<std::uint64_t> Bits;  // 2^(6 * min(k, 3)) bits
    std::vector<std::uint32_t> Codes;
    // Tuples of four: a bit per hash of the whole code, so that a prefix met by chance rarely
    // costs a search.
    std::array<std::uint64_t, 1024> Hashes{};

    bool HasBit(std::uint32_t code) const { return ((Bits[code >> 6] >> (code & 63)) & 1) != 0; }
    static std::uint32_t Hash(std::uint32_t code) { return (code * 0x9E3779B1u) >> 16; }
    void AddHash(std::uint32_t code) {
        const std::uint32_t h = Hash(code);
        Hashes[h >> 6] |= std::uint64_t{1} << (h & 63);
    }
    bool Has(std::uint32_t code) const {
        const std::uint32_t h = Hash(code);
        return ((Hashes[h >> 6] >> (h & 63)) & 1) != 0 &&
               std::binary_search(Codes.begin(), Codes.end(), code);
    }
};

template <int K, bool Windows>
std::unique_ptr<TCombFilter> MakeTupleFilter(const TItemMap& items,
                                             std::shared_ptr<const TTupleSet> set) {
    return MakeCombFilter([map = items.Item, set = std::move(set)](TCombNums n) {
        static constexpr TPositionShapes shapes = PositionShapes(K, Windows);
        const std::array<std::uint32_t, NumbersInDraw> a = {map[n[0]], map[n[1]], map[n[2]],
                                                            map[n[3]], map[n[4]]};
        for (int s = 0; s < shapes.Count; ++s) {
            const auto& p = shapes.Positions[static_cast<std::size_t>(s)];
            std::uint32_t code = 0;
            for (int i = std::min(K, 3) - 1; i >= 0; --i) {
                code =
                    code << kItemBits | a[static_cast<std::size_t>(p[static_cast<std::size_t>(i)])];
            }
            if (!set->HasBit(code)) continue;
            if constexpr (K < 4) {
                return true;
            } else {
                code |= a[static_cast<std::size_t>(p[3])] << (3 * kItemBits);
                if (set->Has(code)) return true;
            }
        }
        return false;
    });
}

// Selected tuples of k items as one bit per code packing the items in as few bits as the
// highest item any byte maps to needs (3 for six columns, where the general set takes 6):
// the table of every tuple stays in the first-level cache, and a shape costs a few shifts
// and one bit test instead of the general set's prefix test and search.
struct TDenseTupleSet {
    int Shift = 0;
    std::vector<std::uint64_t> Bits;
    bool Has(std::uint32_t code) const { return ((Bits[code >> 6] >> (code & 63)) & 1) != 0; }
};

constexpr int kDenseTupleBits = 16;  // 8 KiB of table

template <int K, bool Windows>
std::unique_ptr<TCombFilter> MakeDenseTupleFilter(const TItemMap& items,
                                                  std::shared_ptr<const TDenseTupleSet> set) {
    return MakeCombFilter([map = items.Item, set = std::move(set)](TCombNums n) {
        static constexpr TPositionShapes shapes = PositionShapes(K, Windows);
        const int shift = set->Shift;
        const std::array<std::uint32_t, NumbersInDraw> a = {map[n[0]], map[n[1]], map[n[2]],
                                                            map[n[3]], map[n[4]]};
        for (int s = 0; s < shapes.Count; ++s) {
            const auto& p = shapes.Positions[static_cast<std::size_t>(s)];
            std::uint32_t code = 0;
            for (int i = K - 1; i >= 0; --i) {
                code = code << shift | a[static_cast<std::size_t>(p[static_cast<std::size_t>(i)])];
            }
            if (set->Has(code)) return true;
        }
        return false;
    });
}

}  // namespace

std::string TCustomItemTupleStat::ValueText(const TStatValueRec& value) const {
    std::string text = std::to_string(value.Key.K(1));
    for (int part = 2; part <= m_k; ++part) text += ":" + std::to_string(value.Key.K(part));
    return text;
}

void TCustomItemTupleStat::ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const {
    const TPositionShapes shapes = PositionShapes(m_k, m_windows);
    for (int s = 0; s < shapes.Count; ++s) {
        TValueKey key;
        for (int i = 0; i < m_k; ++i) {
            const auto position =
                shapes.Positions[static_cast<std::size_t>(s)][static_cast<std::size_t>(i)];
            key.SetK(i + 1, m_items.Item[nums[position]]);
        }
        keys.Add(key);
    }
}

void TCustomItemTupleStat::AddDraw(int index, int lastIndex, TLastValueArray&, TStatScratch&,
                                   TStatDrawArray& values, bool sorted) {
    BeginDraw(index, lastIndex, sorted);
    TKeyBuffer keys;
    ValuesOf(CurrentDraw.Nums.data(), keys);
    AddDrawValues(values, Value, keys.begin(), keys.Count);
}

bool TCustomItemTupleStat::Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool,
                                   bool, int) {
    TKeyBuffer keys;
    ValuesOf(nums, keys);
    return HasAnyKey(selected, keys);
}

std::unique_ptr<TCombFilter> TCustomItemTupleStat::PrepareFilter(const TStatDrawArray& selected,
                                                                 bool, bool, int) {
    int shift = 1;
    for (const std::uint8_t item : m_items.Item)
        shift = std::max(shift, static_cast<int>(std::bit_width(item)));
    if (m_k >= 3 && shift * m_k <= kDenseTupleBits) {
        auto dense = std::make_shared<TDenseTupleSet>();
        dense->Shift = shift;
        const std::uint32_t base = 1u << shift;
        dense->Bits.assign(((std::size_t{1} << (shift * m_k)) + 63) / 64, 0);
        for (const TStatValueRec& s : selected) {
            bool possible = true;
            std::uint32_t code = 0;
            for (int part = 4; part >= 1; --part) {
                const int k = s.Key.K(part);
                if (part > m_k) {
                    possible = possible && k == 0;
                } else {
                    possible = possible && k >= 0 && static_cast<std::uint32_t>(k) < base;
                    code = code << shift | static_cast<std::uint32_t>(std::max(k, 0));
                }
            }
            if (possible) dense->Bits[code >> 6] |= std::uint64_t{1} << (code & 63);
        }
        if (m_k == 3) {
            return m_windows ? MakeDenseTupleFilter<3, true>(m_items, std::move(dense))
                             : MakeDenseTupleFilter<3, false>(m_items, std::move(dense));
        }
        return m_windows ? MakeDenseTupleFilter<4, true>(m_items, std::move(dense))
                         : MakeDenseTupleFilter<4, false>(m_items, std::move(dense));
    }
    auto set = std::make_shared<TTupleSet>();
    set->Bits.assign((std::size_t{1} << (kItemBits * std::min(m_k, 3))) / 64, 0);
    for (const TStatValueRec& s : selected) {
        // Parts within the tuple hold items, the parts beyond it are 0 in every value.
        bool possible = true;
        std::uint32_t code = 0;
        for (int part = 4; part >= 1; --part) {
            const int k = s.Key.K(part);
            possible = possible && (part <= m_k ? k >= 0 && k < (1 << kItemBits) : k == 0);
            if (part <= m_k) code = code << kItemBits | static_cast<std::uint32_t>(k & 63);
        }
        if (!possible) continue;
        const std::uint32_t prefix = code & ((1u << (kItemBits * std::min(m_k, 3))) - 1);
        set->Bits[prefix >> 6] |= std::uint64_t{1} << (prefix & 63);
        set->Codes.push_back(code);
        set->AddHash(code);
    }
    std::sort(set->Codes.begin(), set->Codes.end());
    switch (m_k * 2 + (m_windows ? 1 : 0)) {
        case 4:
            return MakeTupleFilter<2, false>(m_items, std::move(set));
        case 5:
            return MakeTupleFilter<2, true>(m_items, std::move(set));
        case 6:
            return MakeTupleFilter<3, false>(m_items, std::move(set));
        case 7:
            return MakeTupleFilter<3, true>(m_items, std::move(set));
        case 8:
            return MakeTupleFilter<4, false>(m_items, std::move(set));
        default:
            return MakeTupleFilter<4, true>(m_items, std::move(set));
    }
}

// --- the channel methods ---------------------------------------------------------------------

const TStatClass TstChannels::Descriptor = {.Name = "TstChannels",
                                            .Code = "CHAN",
                                            .Caption = TMsg::CapChannels,
                                            .Group = kGroup,
                                            .Flags = sfNorm,
                                            .Create = CreateStat<TstChannels>,
                                            .ValuesPerComb = {NumbersInDraw, NumbersInDraw}};

TstChannels::TstChannels(const TStatEnvironment& env, int index)
    : TCustomItemsStat(env, index, ChannelMap(ChannelSizeOf(*env.Config))),
      ChannelSize(ChannelSizeOf(*env.Config)) {}

std::string TstChannels::ValueText(const TStatValueRec& value) const {
    return ChannelText(value.Key.K1(), ChannelSize);
}

std::int32_t TstChannels::ParseValue(const std::string& text) const {
    const std::string trimmed = Trim(text);
    return StrToIntDef(trimmed.substr(0, trimmed.find(' ')), 0);
}

const TStatClass TstChanValues::Descriptor = {.Name = "TstChanValues",
                                              .Code = "CHNV",
                                              .Caption = TMsg::CapChannelNumberCount,
                                              .Group = kGroup,
                                              .Flags = sfNorm,
                                              .HasValueList = false,
                                              .Create = CreateStat<TstChanValues>,
                                              // one per channel: 36 channels of size 1
                                              .ValuesPerComb = {1, MaxNumber}};

TstChanValues::TstChanValues(const TStatEnvironment& env, int index)
    : TCustomItemCountsStat(env, index, ChannelMap(ChannelSizeOf(*env.Config)),
                            ChannelSizeOf(*env.Config)),
      ChannelSize(ChannelSizeOf(*env.Config)) {}

std::string TstChanValues::ItemText(int item) const {
    return ChannelText(item, ChannelSize);
}

const TStatClass TstChanCount::Descriptor = {.Name = "TstChanCount",
                                             .Code = "CHNC",
                                             .Caption = TMsg::CapChannelCount,
                                             .Group = kGroup,
                                             .Flags = sfNorm,
                                             .HasGraph = true,
                                             .Create = CreateStat<TstChanCount>};

TstChanCount::TstChanCount(const TStatEnvironment& env, int index)
    : TCustomDistinctItemsStat(env, index, ChannelMap(ChannelSizeOf(*env.Config)),
                               ChannelSizeOf(*env.Config)) {}

const TStatClass TstChnValCnt::Descriptor = {.Name = "TstChnValCnt",
                                             .Code = "CHN%d",
                                             .Caption = TMsg::CapChannelIndexCount,
                                             .HelpCode = "CHNx",
                                             .Group = kGroup,
                                             .Flags = sfNorm,
                                             .HasGraph = true,
                                             .IndexRange = ChannelRange,
                                             .Create = CreateStat<TstChnValCnt>};

TstChnValCnt::TstChnValCnt(const TStatEnvironment& env, int index)
    : TCustomItemFillStat(env, index, ChannelMap(ChannelSizeOf(*env.Config)),
                          ChannelSizeOf(*env.Config)) {}

#define MV_CHANNEL_TUPLE_CLASS(Class, CodeText, CaptionText, K, Windows, Values) \
    const TStatClass Class::Descriptor = {.Name = #Class,                        \
                                          .Code = CodeText,                      \
                                          .Caption = CaptionText,                \
                                          .Group = kGroup,                       \
                                          .Flags = sfPositional,                 \
                                          .HasValueList = false,                 \
                                          .Create = CreateStat<Class>,           \
                                          .ValuesPerComb = {Values, Values}};    \
    Class::Class(const TStatEnvironment& env, int index)                         \
        : TCustomItemTupleStat(env, index, ChannelMap(ChannelSizeOf(*env.Config)), K, Windows) {}

MV_CHANNEL_TUPLE_CLASS(TstCombChnMix2, "KCM2", TMsg::CapChannelMix2, 2, false, 10)
MV_CHANNEL_TUPLE_CLASS(TstCombChnMix3, "KCM3", TMsg::CapChannelMix3, 3, false, 10)
MV_CHANNEL_TUPLE_CLASS(TstCombChnMix4, "KCM4", TMsg::CapChannelMix4, 4, false, 5)
MV_CHANNEL_TUPLE_CLASS(TstCombChnSeq2, "KCS2", TMsg::CapChannelSeq2, 2, true, 4)
MV_CHANNEL_TUPLE_CLASS(TstCombChnSeq3, "KCS3", TMsg::CapChannelSeq3, 3, true, 3)
MV_CHANNEL_TUPLE_CLASS(TstCombChnSeq4, "KCS4", TMsg::CapChannelSeq4, 4, true, 2)

#undef MV_CHANNEL_TUPLE_CLASS

}  // namespace mv
