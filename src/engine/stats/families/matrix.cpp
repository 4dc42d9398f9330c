#include "engine/stats/families/matrix.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/core/game.h"
#include "engine/core/messages.h"

namespace mv {
namespace {

constexpr int kGroup = 4;
// Ten pairs of positions: at most two items hold adjacent pairs, at most four pairs in one.
constexpr int kPairCount = 10;

std::pair<int, int> ColumnRange(const TConfigData& config) {
    if (config.MatrixCols <= 0) return {1, 0};
    return {1, MatrixColsOf(config)};
}

std::pair<int, int> RowRange(const TConfigData& config) {
    if (config.MatrixCols <= 0) return {1, 0};
    return {1, MatrixRows(MatrixColsOf(config))};
}

int Cols(const TStatEnvironment& env) {
    return MatrixColsOf(*env.Config);
}
int Rows(const TStatEnvironment& env) {
    return MatrixRows(Cols(env));
}

// The number of distinct items among the adjacent pairs (0 = not adjacent).
int AdjacentItemCount(const std::array<int, kPairCount>& c) {
    int count = 0;
    for (std::size_t p = 0; p < c.size(); ++p) {
        bool first = c[p] != 0;
        for (std::size_t q = 0; q < p; ++q) first = first && c[q] != c[p];
        count += first ? 1 : 0;
    }
    return count;
}

bool AnyAdjacent(const std::array<int, kPairCount>& c) {
    int any = 0;
    for (const int item : c) any |= item;
    return any != 0;
}

}  // namespace

TItemMap ColumnMap(int cols) {
    cols = std::clamp(cols, 1, MaxNumber);
    TItemMap map;
    for (int n = 1; n <= MaxNumber; ++n) {
        map.Item[static_cast<std::size_t>(n)] = static_cast<std::uint8_t>((n - 1) % cols + 1);
    }
    map.Count = cols;
    return map;
}

TItemMap RowMap(int cols) {
    cols = std::clamp(cols, 1, MaxNumber);
    TItemMap map;
    for (int n = 1; n <= MaxNumber; ++n) {
        map.Item[static_cast<std::size_t>(n)] = static_cast<std::uint8_t>((n - 1) / cols + 1);
    }
    map.Count = MatrixRows(cols);
    return map;
}

int MatrixColsOf(const TConfigData& config) {
    return std::clamp(config.MatrixCols, 1, MaxNumber);
}

// --- patterns ---------------------------------------------------------------------------------

TCustomItemMaskStat::TCustomItemMaskStat(const TStatEnvironment& env, int index,
                                         const TItemMap& items)
    : TCustomNumbersStat(env, index), m_width(items.Count) {
    for (std::size_t n = 0; n < m_bit.size(); ++n) {
        const int item = items.Item[n];
        m_bit[n] = item == 0 ? 0 : std::uint64_t{1} << (m_width - item);
    }
}

std::uint64_t TCustomItemMaskStat::PatternOf(const std::uint8_t* nums) const {
    return m_bit[nums[0]] | m_bit[nums[1]] | m_bit[nums[2]] | m_bit[nums[3]] | m_bit[nums[4]];
}

std::uint64_t TCustomItemMaskStat::Compared(std::uint64_t key) const {
    return m_width <= 32 ? key & 0xFFFFFFFFu : key;
}

void TCustomItemMaskStat::ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const {
    TValueKey key;
    key.Raw = PatternOf(nums);
    keys.Add(key);
}

std::string TCustomItemMaskStat::ValueText(const TStatValueRec& value) const {
    const std::uint64_t pattern = Compared(value.Key.Raw);
    std::string text;
    for (int bit = m_width - 1; bit >= 0; --bit) text += ((pattern >> bit) & 1) ? '1' : '0';
    char number[32];
    std::snprintf(number, sizeof number, " (%.3llu)", static_cast<unsigned long long>(pattern));
    return text + number;
}

std::int32_t TCustomItemMaskStat::ParseValue(const std::string& text) const {
    std::uint64_t pattern = 0;
    for (int i = 0; i < m_width; ++i) {
        const bool one =
            static_cast<std::size_t>(i) < text.size() && text[static_cast<std::size_t>(i)] == '1';
        pattern = pattern << 1 | (one ? 1u : 0u);
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(pattern));
}

bool TCustomItemMaskStat::Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool,
                                  bool, int) {
    const std::uint64_t pattern = PatternOf(nums);
    return std::any_of(selected.begin(), selected.end(),
                       [&](const TStatValueRec& s) { return Compared(s.Key.Raw) == pattern; });
}

std::unique_ptr<TCombFilter> TCustomItemMaskStat::PrepareFilter(const TStatDrawArray& selected,
                                                                bool, bool, int) {
    // A bit per hash of the selected patterns answers most combinations; the rest are looked
    // up among the sorted patterns.
    struct TPatternSet {
        std::array<std::uint64_t, 64> Hashes{};
        std::vector<std::uint64_t> Patterns;
        static std::uint32_t Hash(std::uint64_t p) {
            return static_cast<std::uint32_t>((p * 0x9E3779B97F4A7C15ull) >> 52);
        }
        bool Has(std::uint64_t p) const {
            const std::uint32_t h = Hash(p);
            return ((Hashes[h >> 6] >> (h & 63)) & 1) != 0 &&
                   std::binary_search(Patterns.begin(), Patterns.end(), p);
        }
    };
    auto set = std::make_shared<TPatternSet>();
    for (const TStatValueRec& s : selected) {
        const std::uint64_t p = Compared(s.Key.Raw);
        const std::uint32_t h = TPatternSet::Hash(p);
        set->Hashes[h >> 6] |= std::uint64_t{1} << (h & 63);
        set->Patterns.push_back(p);
    }
    std::sort(set->Patterns.begin(), set->Patterns.end());
    return MakeCombFilter(
        [bit = m_bit, set = std::shared_ptr<const TPatternSet>(std::move(set))](TCombNums n) {
            return set->Has(bit[n[0]] | bit[n[1]] | bit[n[2]] | bit[n[3]] | bit[n[4]]);
        });
}

// --- numbers next to each other ------------------------------------------------------------------

TAdjacency::TAdjacency(const TItemMap& items, const TItemMap& across) : m_items(items) {
    for (int a = 1; a <= MaxNumber; ++a) {
        m_slot[static_cast<std::size_t>(a)] = static_cast<std::uint8_t>(a);
        m_bit[static_cast<std::size_t>(a)] = std::uint64_t{1} << a;
        for (int b = 1; b <= MaxNumber; ++b) {
            const auto ua = static_cast<std::uint8_t>(a);
            const auto ub = static_cast<std::uint8_t>(b);
            if (items[ua] == items[ub] && std::abs(across[ua] - across[ub]) == 1) {
                m_item[static_cast<std::size_t>(a) * kSlots + static_cast<std::size_t>(b)] =
                    static_cast<std::uint8_t>(items[ua]);
                if (a < b) {
                    // The matrix is laid out row by row: the step is the same for every pair.
                    m_step = b - a;
                    m_first |= std::uint64_t{1} << a;
                    m_firsts[static_cast<std::size_t>(items[ua])] |= std::uint64_t{1} << a;
                }
            }
        }
    }
}

std::string TCustomAdjacentStat::ValueText(const TStatValueRec& value) const {
    return std::to_string(value.Key.K(1)) + " x " + std::to_string(value.Key.K(2));
}

void TCustomAdjacentStat::ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const {
    auto c = m_adjacency.PairItems(nums);
    if (!AnyAdjacent(c)) return;
    // A repeated number takes part in its first position only.
    std::size_t pair = 0;
    for (int i = 0; i < NumbersInDraw; ++i) {
        for (int j = i + 1; j < NumbersInDraw; ++j, ++pair) {
            if (std::find(nums, nums + i, nums[i]) != nums + i ||
                std::find(nums, nums + j, nums[j]) != nums + j) {
                c[pair] = 0;
            }
        }
    }
    TStatSimpleArray pairs;
    for (const int item : c) {
        if (item != 0) AddSimple(pairs, item, 1);
    }
    for (const TStatSimplePair& p : pairs) {
        TValueKey key = TValueKey::FromK1(p.Key);
        key.SetK(2, p.Count + 1);
        keys.Add(key);
    }
}

bool TCustomAdjacentStat::Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool,
                                  bool, int) {
    TKeyBuffer keys;
    ValuesOf(nums, keys);
    return std::any_of(keys.begin(), keys.end(),
                       [&](const TValueKey& key) { return HasKey(selected, key); });
}

std::unique_ptr<TCombFilter> TCustomAdjacentStat::PrepareFilter(const TStatDrawArray& selected,
                                                                bool, bool, int) {
    // Per item the selected K2 values as bits. Item 0 and keys with K3 or K4 set are no
    // value of any combination.
    std::array<std::uint16_t, 256> chosen{};
    for (const TStatValueRec& s : selected) {
        const int item = s.Key.K(1);
        const int k2 = s.Key.K(2);
        if (s.Key.K3K4() != 0 || item < 1 || item > 255 || k2 < 0 || k2 > 15) continue;
        chosen[static_cast<std::size_t>(item)] |= static_cast<std::uint16_t>(1u << k2);
    }
    // Each pair of the combination is a bit; an item's pairs are its bits.
    return MakeCombFilter([adjacency = m_adjacency, chosen](TCombNums n) {
        const std::uint64_t pairs = adjacency.Pairs(n);
        unsigned hit = 0;
        for (std::uint64_t rest = pairs; rest != 0; rest &= rest - 1) {
            const int item = adjacency.ItemOfFirst(std::countr_zero(rest));
            const int count = BitCount(pairs & adjacency.FirstsOf(item));
            hit |= static_cast<unsigned>(chosen[static_cast<std::size_t>(item)] >> (count + 1));
        }
        return (hit & 1u) != 0;
    });
}

int TCustomAdjacentCountStat::ValueOf(const std::uint8_t* nums) const {
    return AdjacentItemCount(m_adjacency.PairItems(nums));
}

std::unique_ptr<TCombFilter> TCustomAdjacentCountStat::ValueFilter(const TK1Table& t) const {
    return MakeCombFilter([adjacency = m_adjacency, t](TCombNums n) {
        std::uint64_t items = 0;
        for (std::uint64_t rest = adjacency.Pairs(n); rest != 0; rest &= rest - 1) {
            items |= std::uint64_t{1} << adjacency.ItemOfFirst(std::countr_zero(rest));
        }
        return t[static_cast<std::size_t>(BitCount(items))] != 0;
    });
}

// --- the matrix methods
// ----------------------------------------------------------------------------

const TStatClass TstColumns::Descriptor = {.Name = "TstColumns",
                                           .Code = "COLS",
                                           .Caption = TMsg::CapMatrixColumns,
                                           .Group = kGroup,
                                           .Flags = sfNorm,
                                           .Create = CreateStat<TstColumns>,
                                           .ValuesPerComb = {NumbersInDraw, NumbersInDraw}};
TstColumns::TstColumns(const TStatEnvironment& env, int index)
    : TCustomItemsStat(env, index, ColumnMap(Cols(env))) {}

const TStatClass TstRows::Descriptor = {.Name = "TstRows",
                                        .Code = "ROWS",
                                        .Caption = TMsg::CapMatrixRows,
                                        .Group = kGroup,
                                        .Flags = sfNorm,
                                        .Create = CreateStat<TstRows>,
                                        .ValuesPerComb = {NumbersInDraw, NumbersInDraw}};
TstRows::TstRows(const TStatEnvironment& env, int index)
    : TCustomItemsStat(env, index, RowMap(Cols(env))) {}

const TStatClass TstColValues::Descriptor = {.Name = "TstColValues",
                                             .Code = "COLV",
                                             .Caption = TMsg::CapMatrixColumnNumberCount,
                                             .Group = kGroup,
                                             .Flags = sfNorm,
                                             .HasValueList = false,
                                             .Create = CreateStat<TstColValues>,
                                             // one per column: up to 36 columns
                                             .ValuesPerComb = {1, MaxNumber}};
TstColValues::TstColValues(const TStatEnvironment& env, int index)
    : TCustomItemCountsStat(env, index, ColumnMap(Cols(env)), Rows(env)) {}

const TStatClass TstRowValues::Descriptor = {.Name = "TstRowValues",
                                             .Code = "ROWV",
                                             .Caption = TMsg::CapMatrixRowNumberCount,
                                             .Group = kGroup,
                                             .Flags = sfNorm,
                                             .HasValueList = false,
                                             .Create = CreateStat<TstRowValues>,
                                             .ValuesPerComb = {1, MaxNumber}};
TstRowValues::TstRowValues(const TStatEnvironment& env, int index)
    : TCustomItemCountsStat(env, index, RowMap(Cols(env)), Cols(env)) {}

const TStatClass TstColCount::Descriptor = {.Name = "TstColCount",
                                            .Code = "COLN",
                                            .Caption = TMsg::CapMatrixColumnCount,
                                            .Group = kGroup,
                                            .Flags = sfNorm,
                                            .HasGraph = true,
                                            .Create = CreateStat<TstColCount>};
TstColCount::TstColCount(const TStatEnvironment& env, int index)
    : TCustomDistinctItemsStat(env, index, ColumnMap(Cols(env)), Cols(env)) {}

const TStatClass TstRowCount::Descriptor = {.Name = "TstRowCount",
                                            .Code = "ROWN",
                                            .Caption = TMsg::CapMatrixRowCount,
                                            .Group = kGroup,
                                            .Flags = sfNorm,
                                            .HasGraph = true,
                                            .Create = CreateStat<TstRowCount>};
TstRowCount::TstRowCount(const TStatEnvironment& env, int index)
    : TCustomDistinctItemsStat(env, index, RowMap(Cols(env)), Rows(env)) {}

const TStatClass TstColMask::Descriptor = {.Name = "TstColMask",
                                           .Code = "COLM",
                                           .Caption = TMsg::CapMatrixColumnCombs,
                                           .Group = kGroup,
                                           .Flags = sfNorm,
                                           .Create = CreateStat<TstColMask>};
TstColMask::TstColMask(const TStatEnvironment& env, int index)
    : TCustomItemMaskStat(env, index, ColumnMap(Cols(env))) {}

const TStatClass TstRowMask::Descriptor = {.Name = "TstRowMask",
                                           .Code = "ROWM",
                                           .Caption = TMsg::CapMatrixRowCombs,
                                           .Group = kGroup,
                                           .Flags = sfNorm,
                                           .Create = CreateStat<TstRowMask>};
TstRowMask::TstRowMask(const TStatEnvironment& env, int index)
    : TCustomItemMaskStat(env, index, RowMap(Cols(env))) {}

const TStatClass TstColAjacent::Descriptor = {.Name = "TstColAjacent",
                                              .Code = "COLA",
                                              .Caption = TMsg::CapMatrixColumnsAdjacent,
                                              .Group = kGroup,
                                              .Flags = sfNorm,
                                              .Create = CreateStat<TstColAjacent>,
                                              .ValuesPerComb = {0, 2}};
TstColAjacent::TstColAjacent(const TStatEnvironment& env, int index)
    : TCustomAdjacentStat(env, index, ColumnMap(Cols(env)), RowMap(Cols(env))) {}

const TStatClass TstRowAjacent::Descriptor = {.Name = "TstRowAjacent",
                                              .Code = "ROWA",
                                              .Caption = TMsg::CapMatrixRowsAdjacent,
                                              .Group = kGroup,
                                              .Flags = sfNorm,
                                              .Create = CreateStat<TstRowAjacent>,
                                              .ValuesPerComb = {0, 2}};
TstRowAjacent::TstRowAjacent(const TStatEnvironment& env, int index)
    : TCustomAdjacentStat(env, index, RowMap(Cols(env)), ColumnMap(Cols(env))) {}

const TStatClass TstColAjacentCnt::Descriptor = {.Name = "TstColAjacentCnt",
                                                 .Code = "COLC",
                                                 .Caption = TMsg::CapMatrixColumnsAdjacentCount,
                                                 .Group = kGroup,
                                                 .Flags = sfNorm,
                                                 .HasGraph = true,
                                                 .Create = CreateStat<TstColAjacentCnt>};
TstColAjacentCnt::TstColAjacentCnt(const TStatEnvironment& env, int index)
    : TCustomAdjacentCountStat(env, index, ColumnMap(Cols(env)), RowMap(Cols(env))) {}

const TStatClass TstRowAjacentCnt::Descriptor = {.Name = "TstRowAjacentCnt",
                                                 .Code = "ROWC",
                                                 .Caption = TMsg::CapMatrixRowsAdjacentCount,
                                                 .Group = kGroup,
                                                 .Flags = sfNorm,
                                                 .HasGraph = true,
                                                 .Create = CreateStat<TstRowAjacentCnt>};
TstRowAjacentCnt::TstRowAjacentCnt(const TStatEnvironment& env, int index)
    : TCustomAdjacentCountStat(env, index, RowMap(Cols(env)), ColumnMap(Cols(env))) {}

const TStatClass TstColValCnt::Descriptor = {.Name = "TstColValCnt",
                                             .Code = "COL%d",
                                             .Caption = TMsg::CapMatrixColumnIndexCount,
                                             .HelpCode = "COLx",
                                             .Group = kGroup,
                                             .Flags = sfNorm,
                                             .HasGraph = true,
                                             .IndexRange = ColumnRange,
                                             .Create = CreateStat<TstColValCnt>};
TstColValCnt::TstColValCnt(const TStatEnvironment& env, int index)
    : TCustomItemFillStat(env, index, ColumnMap(Cols(env)), Rows(env)) {}

const TStatClass TstRowValCnt::Descriptor = {.Name = "TstRowValCnt",
                                             .Code = "ROW%d",
                                             .Caption = TMsg::CapMatrixRowIndexCount,
                                             .HelpCode = "ROWx",
                                             .Group = kGroup,
                                             .Flags = sfNorm,
                                             .HasGraph = true,
                                             .IndexRange = RowRange,
                                             .Create = CreateStat<TstRowValCnt>};
TstRowValCnt::TstRowValCnt(const TStatEnvironment& env, int index)
    : TCustomItemFillStat(env, index, RowMap(Cols(env)), Cols(env)) {}

// The combinations of columns and of rows: k numbers of every k positions, or of runs of k
// neighbouring positions.
#define MV_MATRIX_TUPLE_CLASS(Class, CodeText, CaptionText, Map, K, Windows, Values) \
    const TStatClass Class::Descriptor = {.Name = #Class,                            \
                                          .Code = CodeText,                          \
                                          .Caption = CaptionText,                    \
                                          .Group = kGroup,                           \
                                          .Flags = sfPositional,                     \
                                          .HasValueList = false,                     \
                                          .Create = CreateStat<Class>,               \
                                          .ValuesPerComb = {Values, Values}};        \
    Class::Class(const TStatEnvironment& env, int index)                             \
        : TCustomItemTupleStat(env, index, Map(Cols(env)), K, Windows) {}

MV_MATRIX_TUPLE_CLASS(TstCombColMix2, "KFM2", TMsg::CapColumnMix2, ColumnMap, 2, false, 10)
MV_MATRIX_TUPLE_CLASS(TstCombColMix3, "KFM3", TMsg::CapColumnMix3, ColumnMap, 3, false, 10)
MV_MATRIX_TUPLE_CLASS(TstCombColMix4, "KFM4", TMsg::CapColumnMix4, ColumnMap, 4, false, 5)
MV_MATRIX_TUPLE_CLASS(TstCombColSeq2, "KFS2", TMsg::CapColumnSeq2, ColumnMap, 2, true, 4)
MV_MATRIX_TUPLE_CLASS(TstCombColSeq3, "KFS3", TMsg::CapColumnSeq3, ColumnMap, 3, true, 3)
MV_MATRIX_TUPLE_CLASS(TstCombColSeq4, "KFS4", TMsg::CapColumnSeq4, ColumnMap, 4, true, 2)
MV_MATRIX_TUPLE_CLASS(TstCombRowMix2, "KRM2", TMsg::CapRowMix2, RowMap, 2, false, 10)
MV_MATRIX_TUPLE_CLASS(TstCombRowMix3, "KRM3", TMsg::CapRowMix3, RowMap, 3, false, 10)
MV_MATRIX_TUPLE_CLASS(TstCombRowMix4, "KRM4", TMsg::CapRowMix4, RowMap, 4, false, 5)
MV_MATRIX_TUPLE_CLASS(TstCombRowSeq2, "KRS2", TMsg::CapRowSeq2, RowMap, 2, true, 4)
MV_MATRIX_TUPLE_CLASS(TstCombRowSeq3, "KRS3", TMsg::CapRowSeq3, RowMap, 3, true, 3)
MV_MATRIX_TUPLE_CLASS(TstCombRowSeq4, "KRS4", TMsg::CapRowSeq4, RowMap, 4, true, 2)

#undef MV_MATRIX_TUPLE_CLASS

}  // namespace mv
