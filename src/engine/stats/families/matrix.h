#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/stats/families/channels.h"

namespace mv {

// Group 4: the number matrix of the configuration, 1..36 laid out row by row in MatrixCols
// columns C (number n in column (n - 1) mod C + 1 and row (n - 1) div C + 1; R = ceil(36 / C)
// rows). The methods look at the occupied columns or rows, how full they are, their
// pattern, numbers standing next to each other in a column or a row, and the columns or rows
// the numbers form together. Every column method has a row twin: the same algorithm with
// columns and rows exchanged, built here from the row map in place of the column map.

// The columns or rows of the matrix with `cols` columns (at least 1, at most 36).
TItemMap ColumnMap(int cols);
TItemMap RowMap(int cols);
// The column count a statistic works with: the configured one within 1..36.
int MatrixColsOf(const TConfigData& config);

// The pattern of occupied items (columns or rows): item 1 is the most significant of
// Count bits. It is the whole 8-byte key: K1K2 for up to 32 items, which the selection
// compares, and with more items (one row of 33..36 columns, or one column) the bits above
// run into K3K4 and the selection compares the whole key.
class TCustomItemMaskStat : public TCustomNumbersStat {
public:
    TCustomItemMaskStat(const TStatEnvironment& env, int index, const TItemMap& items);
    // "100001 (033)": the Count symbols "1" (occupied) or "0", item 1 first, and the
    // pattern's number.
    std::string ValueText(const TStatValueRec& value) const override;
    // The first Count symbols: "1" is a 1 bit, anything else a 0 bit. A pattern of more
    // than 31 items does not fit the result: its low 32 bits are given.
    std::int32_t ParseValue(const std::string& text) const override;
    bool Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool deleteMode,
                 bool sorted, int lastIndex) override;
    std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected, bool deleteMode,
                                               bool sorted, int lastIndex) override;
    std::uint64_t PatternOf(const std::uint8_t* nums) const;

protected:
    void ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const override;

private:
    // The key bits the selection compares.
    std::uint64_t Compared(std::uint64_t key) const;
    int m_width;
    std::array<std::uint64_t, 256> m_bit{};  // the pattern bit of each byte, 0 outside 1..36
};

// Which pairs of numbers stand next to each other along an item: in the same column with
// rows differing by 1 (for columns), or in the same row with columns differing by 1 (for
// rows). Bytes outside 1..36 stand next to nothing.
class TAdjacency {
public:
    TAdjacency(const TItemMap& items, const TItemMap& across);
    // The item both numbers share when they stand next to each other, else 0.
    int ItemOf(std::uint8_t a, std::uint8_t b) const {
        return m_item[static_cast<std::size_t>(m_slot[a]) * kSlots + m_slot[b]];
    }
    // The pairs of distinct numbers standing next to each other, as the bits of their
    // smaller numbers; 0 exactly when PairItems gives no item.
    template <class TNums>
    std::uint64_t Pairs(const TNums& n) const {
        const std::uint64_t occupied =
            m_bit[n[0]] | m_bit[n[1]] | m_bit[n[2]] | m_bit[n[3]] | m_bit[n[4]];
        return occupied & (occupied >> m_step) & m_first;
    }
    // The item of the pair whose smaller number is a (1..36), and the bits of all such pairs
    // of one item.
    int ItemOfFirst(int a) const { return m_items.Item[static_cast<std::size_t>(a)]; }
    std::uint64_t FirstsOf(int item) const { return m_firsts[static_cast<std::size_t>(item)]; }
    // The items of the ten pairs of positions i < j, in lexicographic order (0: not adjacent).
    template <class TNums>
    std::array<int, 10> PairItems(const TNums& n) const {
        return {ItemOf(n[0], n[1]), ItemOf(n[0], n[2]), ItemOf(n[0], n[3]), ItemOf(n[0], n[4]),
                ItemOf(n[1], n[2]), ItemOf(n[1], n[3]), ItemOf(n[1], n[4]), ItemOf(n[2], n[3]),
                ItemOf(n[2], n[4]), ItemOf(n[3], n[4])};
    }

private:
    static constexpr std::size_t kSlots = 37;
    std::array<std::uint8_t, 256> m_slot{};  // the number itself within 1..36, else 0
    std::array<std::uint8_t, kSlots * kSlots> m_item{};
    // Adjacent numbers differ by one step (the column count along a column, 1 along a row);
    // bit a of m_first is set when a and a + step are adjacent.
    std::array<std::uint64_t, 256> m_bit{};  // bit n for a number n of 1..36, else 0
    int m_step = 1;
    std::uint64_t m_first = 0;
    TItemMap m_items;
    std::array<std::uint64_t, MaxNumber + 1> m_firsts{};  // m_first split by item
};

// For every item holding at least one adjacent pair: K1 = the item, K2 = its pairs + 1, in
// the order the items are first met among the pairs. A number held twice (only odd
// combinations do) counts once. A match is some value of the
// combination equal to a selected key (all four parts).
class TCustomAdjacentStat : public TCustomNumbersStat {
public:
    TCustomAdjacentStat(const TStatEnvironment& env, int index, const TItemMap& items,
                        const TItemMap& across)
        : TCustomNumbersStat(env, index), m_adjacency(items, across) {}
    // "item x pairs+1".
    std::string ValueText(const TStatValueRec& value) const override;
    bool Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool deleteMode,
                 bool sorted, int lastIndex) override;
    std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected, bool deleteMode,
                                               bool sorted, int lastIndex) override;

protected:
    void ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const override;

private:
    TAdjacency m_adjacency;
};

// The number of items holding at least one adjacent pair; nothing enumerated in advance.
class TCustomAdjacentCountStat : public TCustomItemValueStat {
public:
    TCustomAdjacentCountStat(const TStatEnvironment& env, int index, const TItemMap& items,
                             const TItemMap& across)
        : TCustomItemValueStat(env, index, items), m_adjacency(items, across) {}
    int ValueOf(const std::uint8_t* nums) const override;

protected:
    std::pair<int, int> InitRange() const override { return {1, 0}; }
    std::unique_ptr<TCombFilter> ValueFilter(const TK1Table& selected) const override;

private:
    TAdjacency m_adjacency;
};

// --- the matrix methods ---------------------------------------------------------------------

#define MV_MATRIX_CLASS(Class, Base)                   \
    class Class final : public Base {                  \
    public:                                            \
        static const TStatClass Descriptor;            \
        Class(const TStatEnvironment& env, int index); \
    }

// The column (row) of each number.
MV_MATRIX_CLASS(TstColumns, TCustomItemsStat);
MV_MATRIX_CLASS(TstRows, TCustomItemsStat);
// "1 x 2": every column (row) with the count of numbers in it.
MV_MATRIX_CLASS(TstColValues, TCustomItemCountsStat);
MV_MATRIX_CLASS(TstRowValues, TCustomItemCountsStat);
// The number of occupied columns (rows).
MV_MATRIX_CLASS(TstColCount, TCustomDistinctItemsStat);
MV_MATRIX_CLASS(TstRowCount, TCustomDistinctItemsStat);
// The pattern of occupied columns (rows).
MV_MATRIX_CLASS(TstColMask, TCustomItemMaskStat);
MV_MATRIX_CLASS(TstRowMask, TCustomItemMaskStat);
// Columns (rows) holding numbers next to each other, and their number.
MV_MATRIX_CLASS(TstColAjacent, TCustomAdjacentStat);
MV_MATRIX_CLASS(TstRowAjacent, TCustomAdjacentStat);
MV_MATRIX_CLASS(TstColAjacentCnt, TCustomAdjacentCountStat);
MV_MATRIX_CLASS(TstRowAjacentCnt, TCustomAdjacentCountStat);
// The numbers in column (row) Index.
MV_MATRIX_CLASS(TstColValCnt, TCustomItemFillStat);
MV_MATRIX_CLASS(TstRowValCnt, TCustomItemFillStat);
// The columns (rows) of every 2, 3 or 4 of the five positions, and of runs of neighbours.
MV_MATRIX_CLASS(TstCombColMix2, TCustomItemTupleStat);
MV_MATRIX_CLASS(TstCombColMix3, TCustomItemTupleStat);
MV_MATRIX_CLASS(TstCombColMix4, TCustomItemTupleStat);
MV_MATRIX_CLASS(TstCombColSeq2, TCustomItemTupleStat);
MV_MATRIX_CLASS(TstCombColSeq3, TCustomItemTupleStat);
MV_MATRIX_CLASS(TstCombColSeq4, TCustomItemTupleStat);
MV_MATRIX_CLASS(TstCombRowMix2, TCustomItemTupleStat);
MV_MATRIX_CLASS(TstCombRowMix3, TCustomItemTupleStat);
MV_MATRIX_CLASS(TstCombRowMix4, TCustomItemTupleStat);
MV_MATRIX_CLASS(TstCombRowSeq2, TCustomItemTupleStat);
MV_MATRIX_CLASS(TstCombRowSeq3, TCustomItemTupleStat);
MV_MATRIX_CLASS(TstCombRowSeq4, TCustomItemTupleStat);

#undef MV_MATRIX_CLASS

}  // namespace mv
