// The matrix family: the values each method takes from a draw at the default and at other
// column counts, texts and patterns, selection, the batch path against Matches, and the
// full-set counts against counts made here by plain loops.
#include <gtest/gtest.h>

#include <map>

#include "engine/combs/full_set.h"
#include "engine/combs/full_set_files.h"
#include "engine/stats/families/matrix.h"
#include "engine/stats/stat_list.h"
#include "family_fixture.h"

namespace mv {
namespace {

using Nums = std::array<std::uint8_t, 5>;
using Strings = std::vector<std::string>;

const char* const kCodes[] = {"COLS", "ROWS", "COLV", "ROWV", "COLN", "ROWN",
                              "COLM", "ROWM", "COLA", "ROWA", "COLC", "ROWC",
                              "COL2", "ROW9", "KFM2", "KFS3", "KRM4", "KRS2"};

TValueKey Key(std::initializer_list<int> parts) {
    TValueKey key;
    int part = 1;
    for (const int p : parts) key.SetK(part++, p);
    return key;
}

class MatrixFamilyTest : public test::TFamilyTest {
protected:
    void SetCols(int cols) {
        m_registry.Config().MatrixCols = cols;
        m_registry.BuildMethods();
    }
    void SetDraws(const std::vector<std::pair<int, Nums>>& draws) {
        m_draws.assign(draws.size(), TDrawRec{});
        for (std::size_t i = 0; i < draws.size(); ++i) {
            m_draws[i].Number = draws[i].first;
            m_draws[i].Nums = draws[i].second;
        }
    }
    // The values one draw adds, as "text x count" in the order they were added.
    Strings DrawValues(const std::string& code, Nums nums, bool sorted = false) {
        SetDraws({{1, nums}});
        auto stat = Stat(code);
        Strings out;
        for (const auto& v : Window(*stat, sorted)) {
            out.push_back(stat->ValueText(v) + "x" + std::to_string(v.Count));
        }
        return out;
    }
    Strings Codes(const std::string& prefix) {
        Strings codes;
        for (int i = 0; i < m_registry.MethodCount(); ++i) {
            const std::string code = TStatList::MethodCode(m_registry.Method(i));
            if (code.rfind(prefix, 0) == 0) codes.push_back(code);
        }
        return codes;
    }
};

TEST_F(MatrixFamilyTest, ValuesOfOneDraw) {
    const Nums draw = {1, 7, 8, 14, 36};  // columns 1 1 2 2 6, rows 1 2 2 3 6 (6 columns)
    struct Case {
        int cols;
        const char* code;
        Nums nums;
        Strings values;
    } cases[] = {
        {6, "COLS", draw, {"1x2", "2x2", "6x1"}},
        {6, "ROWS", draw, {"1x1", "2x2", "3x1", "6x1"}},
        {6, "COLV", draw, {"1 x 2x1", "2 x 2x1", "3 x 0x1", "4 x 0x1", "5 x 0x1", "6 x 1x1"}},
        {6, "ROWV", draw, {"1 x 1x1", "2 x 2x1", "3 x 1x1", "4 x 0x1", "5 x 0x1", "6 x 1x1"}},
        {6, "COLN", draw, {"3x1"}},
        {6, "ROWN", draw, {"4x1"}},
        {6, "COLM", draw, {"110001 (049)x1"}},
        {6, "ROWM", draw, {"111001 (057)x1"}},
        {6, "COLA", draw, {"1 x 2x1", "2 x 2x1"}},
        {6, "COLC", draw, {"2x1"}},
        {6, "ROWA", draw, {"2 x 2x1"}},
        {6, "ROWC", draw, {"1x1"}},
        {6, "COL1", draw, {"2x1"}},
        {6, "ROW6", draw, {"1x1"}},
        {6, "KFS2", draw, {"1:1x1", "1:2x1", "2:2x1", "2:6x1"}},
        {6, "KRS3", draw, {"1:2:2x1", "2:2:3x1", "2:3:6x1"}},
        {6, "KFM4", draw, {"1:1:2:2x1", "1:1:2:6x2", "1:2:2:6x2"}},
        // One column holding rows 1, 2, 3, and rows 1, 2 and 4, 5: two pairs, K2 = 3.
        {6, "COLA", {3, 9, 15, 20, 36}, {"3 x 3x1"}},
        {6, "COLA", {2, 8, 20, 26, 36}, {"2 x 3x1"}},
        {6, "COLA", {1, 2, 3, 4, 5}, {}},
        {6, "COLA", {1, 7, 7, 13, 36}, {"1 x 3x1"}},  // a number held twice counts once
        {6, "COLC", {1, 2, 3, 4, 5}, {"0x1"}},
        {6, "ROWA", {1, 2, 3, 4, 5}, {"1 x 5x1"}},
        // Four columns: nine rows.
        {4, "COLS", draw, {"1x1", "3x1", "4x2", "2x1"}},
        {4, "ROWS", draw, {"1x1", "2x2", "4x1", "9x1"}},
        {4, "ROWM", draw, {"110100001 (417)x1"}},
        {4, "COLA", {1, 5, 9, 14, 18}, {"1 x 3x1", "2 x 2x1"}},
        {4, "ROWA", {1, 5, 9, 14, 18}, {}},
        {4, "ROW9", draw, {"1x1"}},
        // One column: every number in its own row, 36 rows.
        {1, "ROWM", {1, 2, 35, 36, 3}, {"111000000000000000000000000000000011 (60129542147)x1"}},
        {1, "COLA", {1, 2, 35, 36, 3}, {"1 x 4x1"}},
    };
    for (const Case& c : cases) {
        SetCols(c.cols);
        EXPECT_EQ(DrawValues(c.code, c.nums), c.values) << c.cols << " " << c.code;
    }
}

TEST_F(MatrixFamilyTest, DescriptorsEnumerationAndIndexRanges) {
    struct Case {
        const char* code;
        const char* flags;
        bool valueList;
    } cases[] = {{"COLS", "N", true},  {"ROWV", "N", false}, {"COLN", "NG", true},
                 {"ROWM", "N", true},  {"COLA", "N", true},  {"ROWC", "NG", true},
                 {"COL3", "NG", true}, {"KFM2", "S", false}, {"KRS4", "S", false}};
    for (const Case& c : cases) {
        auto stat = Stat(c.code);
        EXPECT_EQ(FlagLetters(stat->Class().FullFlags()), c.flags) << c.code;
        EXPECT_EQ(stat->Class().Group, 4) << c.code;
        EXPECT_EQ(stat->Class().HasValueList, c.valueList) << c.code;
    }
    EXPECT_EQ(Stat("COL3")->GetCaption(), "Количество чисел в 3 столбце матрицы");
    EXPECT_EQ(Stat("ROW2")->GetCaption(), "Количество чисел в 2 строке матрицы");
    EXPECT_EQ(Stat("KRM3")->GetCaption(), "Сочетания из 3 строк по всем числам тиража");
    EXPECT_EQ(Stat("KFS2")->GetCaption(), "Сочетания из 2 столбцов по соседним числам");
    EXPECT_EQ(Stat("ROW2")->Class().HelpCodeFor(2), "ROWx");
    EXPECT_EQ(Stat("COL2")->Class().HelpCodeFor(2), "COLx");

    struct Enumerated {
        int cols;
        const char* code;
        Strings texts;
    } enumerated[] = {
        {6, "COLS", {"1", "2", "3", "4", "5", "6"}},
        {4, "ROWS", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}},
        {4, "COLN", {"1", "2", "3", "4"}},
        {4, "ROWN", {"1", "2", "3", "4", "5"}},
        {4, "COL1", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}},
        {4, "ROW1", {"1", "2", "3", "4"}},
        {12,
         "ROWV",
         {"1 x 0", "1 x 1", "1 x 2", "1 x 3", "1 x 4", "1 x 5", "2 x 0", "2 x 1", "2 x 2", "2 x 3",
          "2 x 4", "2 x 5", "3 x 0", "3 x 1", "3 x 2", "3 x 3", "3 x 4", "3 x 5"}},
        {12, "COLV", {"1 x 0",  "1 x 1",  "1 x 2",  "1 x 3",  "2 x 0",  "2 x 1",  "2 x 2",
                      "2 x 3",  "3 x 0",  "3 x 1",  "3 x 2",  "3 x 3",  "4 x 0",  "4 x 1",
                      "4 x 2",  "4 x 3",  "5 x 0",  "5 x 1",  "5 x 2",  "5 x 3",  "6 x 0",
                      "6 x 1",  "6 x 2",  "6 x 3",  "7 x 0",  "7 x 1",  "7 x 2",  "7 x 3",
                      "8 x 0",  "8 x 1",  "8 x 2",  "8 x 3",  "9 x 0",  "9 x 1",  "9 x 2",
                      "9 x 3",  "10 x 0", "10 x 1", "10 x 2", "10 x 3", "11 x 0", "11 x 1",
                      "11 x 2", "11 x 3", "12 x 0", "12 x 1", "12 x 2", "12 x 3"}},
        {6, "COLM", {}},
        {6, "COLA", {}},
        {6, "COLC", {}},
    };
    for (const Enumerated& e : enumerated) {
        SetCols(e.cols);
        auto stat = Stat(e.code);
        TStatDrawArray values;
        stat->InitValues(0, values);
        Strings texts;
        for (const auto& v : values) texts.push_back(stat->ValueText(v));
        EXPECT_EQ(texts, e.texts) << e.cols << " " << e.code;
    }

    SetCols(6);
    EXPECT_EQ(Codes("COL"), (Strings{"COLS", "COLV", "COLN", "COLM", "COLA", "COLC", "COL1", "COL2",
                                     "COL3", "COL4", "COL5", "COL6"}));
    EXPECT_EQ(Codes("ROW").back(), "ROW6");
    SetCols(4);
    EXPECT_EQ(Codes("COL").back(), "COL4");
    EXPECT_EQ(Codes("ROW").back(), "ROW9");
    SetCols(36);
    EXPECT_EQ(Codes("COL").back(), "COL36");
    EXPECT_EQ(Codes("ROW").back(), "ROW1");
    SetCols(0);
    EXPECT_EQ(Codes("COL").back(), "COLC");
    EXPECT_EQ(Codes("ROW").back(), "ROWC");
}

// A pattern text reads back to the pattern, at any width.
TEST_F(MatrixFamilyTest, PatternTextsParseBack) {
    const Nums draw = {1, 7, 8, 14, 36};
    for (const int cols : {6, 4, 9, 32}) {
        SetCols(cols);
        for (const char* code : {"COLM", "ROWM"}) {
            auto stat = Stat(code);
            TStatDrawArray values;
            stat->AddCombination(draw.data(), values);
            ASSERT_EQ(values.size(), 1u);
            const std::string text = stat->ValueText(values[0]);
            EXPECT_EQ(stat->ParseValue(text), values[0].Key.K1K2()) << cols << " " << code;
            EXPECT_EQ(stat->SelectionValue(text), values[0].Key.K1K2()) << cols << " " << code;
        }
    }
    SetCols(4);
    EXPECT_EQ(Stat("ROWM")->ParseValue("110100001 (417)"), 417);
    EXPECT_EQ(Stat("ROWM")->ParseValue("11"), 384);  // missing symbols are 0 bits
    // 32 columns: column 1 is the sign bit of K1K2; the text shows the pattern unsigned.
    SetCols(32);
    auto wide = Stat("COLM");
    const Nums edges = {1, 2, 3, 4, 32};
    TStatDrawArray values;
    wide->AddCombination(edges.data(), values);
    EXPECT_EQ(wide->ValueText(values[0]), "11110000000000000000000000000001 (4026531841)");
}

// Matches and the batch path on single combinations: which key parts take part.
TEST_F(MatrixFamilyTest, MatchesComparesTheStatedKeyParts) {
    const Nums a = {1, 7, 8, 14, 36};  // columns 1 1 2 2 6, rows 1 2 2 3 6 (6 columns)
    struct Case {
        int cols;
        const char* code;
        Nums nums;
        TValueKey selected;
        bool matches;
    } cases[] = {
        {6, "COLS", a, Key({2}), true},
        {6, "COLS", a, Key({3}), false},
        {6, "COLS", a, Key({6, 1, 1, 1}), true},  // K1 only
        {6, "COLS", a, Key({256 + 6}), false},
        {6, "ROWS", a, Key({3}), true},
        {6, "COLV", a, Key({3, 0}), true},
        {6, "COLV", a, Key({1, 2, 9}), true},  // K1 and K2 only
        {6, "COLV", a, Key({6, 2}), false},
        {6, "ROWV", a, Key({2, 2}), true},
        {6, "COLN", a, Key({3}), true},
        {6, "ROWN", a, Key({3}), false},
        {6, "COLM", a, Key({49}), true},
        {6, "COLM", a, Key({49, 0, 1}), true},  // K1K2 only
        {6, "COLM", a, Key({48}), false},
        {6, "ROWM", a, Key({57}), true},
        {6, "COLA", a, Key({2, 2}), true},
        {6, "COLA", a, Key({2, 3}), false},
        {6, "COLA", a, Key({2, 2, 1}), false},  // the whole key
        {6, "ROWA", a, Key({2, 2}), true},
        {6, "ROWA", a, Key({1, 2}), false},
        {6, "COLC", a, Key({2}), true},
        {6, "COLC", {1, 2, 3, 4, 5}, Key({0}), true},
        {6, "ROWC", a, Key({2}), false},
        {6, "COL6", a, Key({1}), true},
        {6, "ROW4", a, Key({0}), true},
        {6, "KFM2", a, Key({1, 6}), true},
        {6, "KFS2", a, Key({1, 6}), false},
        {6, "KRM3", a, Key({2, 2, 6}), true},
        {6, "KRS4", a, Key({2, 2, 3, 6}), true},
        {6, "KRS4", a, Key({2, 2, 3, 6}), true},
        {4, "COLS", a, Key({4}), true},
        {4, "ROWM", a, Key({417}), true},
        {4, "ROWV", a, Key({9, 1}), true},
        {4, "KRS2", a, Key({4, 9}), true},
        {4, "KFS2", a, Key({1, 3}), true},
        // One column: the row pattern runs past K1K2 and the whole key is compared.
        {1,
         "ROWM",
         {1, 2, 35, 36, 3},
         [] {
             TValueKey key;
             key.Raw = 60129542147ull;
             return key;
         }(),
         true},
        {1, "ROWM", {1, 2, 35, 36, 3}, Key({3}), false},
    };
    for (const Case& t : cases) {
        SetCols(t.cols);
        TStatDrawArray selected(1);
        selected[0].Key = t.selected;
        auto stat = Stat(t.code);
        stat->LoadDraws(-1, -1, false);
        EXPECT_EQ(stat->Matches(t.nums.data(), selected, false, false, -1), t.matches)
            << t.cols << " " << t.code << " " << t.selected.Raw;
        TComb comb;
        comb.Nums = t.nums;
        EXPECT_EQ(stat->PrepareFilter(selected, false, false, -1)->Apply(&comb, 1, true, &comb),
                  t.matches ? 1u : 0u)
            << t.cols << " " << t.code << " " << t.selected.Raw;
    }
}

// Selections made of a value of a few combinations, with keys no combination has mixed in:
// the batch path keeps exactly what Matches keeps, in both modes, at a column count other
// than the default (the generic test of every method covers the default).
TEST_F(MatrixFamilyTest, BatchPathEqualsMatchesOnFullSet) {
    const std::vector<TComb> full = FullSet();
    SetCols(4);
    for (const char* code : kCodes) {
        auto stat = Stat(code);
        TStatDrawArray selected;
        const Nums unsorted = {30, 2, 17, 9, 33};
        const Nums adjacent = {3, 7, 11, 12, 30};
        // COLC 1, 0 and 1: the combinations with two such columns stay unselected.
        for (const std::uint8_t* nums :
             {full[250000].Nums.data(), unsorted.data(), adjacent.data()}) {
            TStatDrawArray values;
            stat->AddCombination(nums, values);
            values.resize(std::min<std::size_t>(values.size(), 1));
            selected.insert(selected.end(), values.begin(), values.end());
        }
        for (const TValueKey key : {Key({-3}), Key({300}), Key({40, 1, 1, 1}), Key({37, 2})}) {
            selected.push_back(TStatValueRec{});
            selected.back().Key = key;
        }
        auto reference = Stat(code);
        reference->LoadDraws(-1, -1, false);
        std::vector<bool> matched(full.size());
        for (std::size_t i = 0; i < full.size(); ++i) {
            matched[i] = reference->Matches(full[i].Nums.data(), selected, false, false, -1);
        }
        for (const bool keep : {true, false}) {
            std::vector<TComb> batch = full;
            batch.resize(stat->PrepareFilter(selected, !keep, false, -1)
                             ->Apply(batch.data(), batch.size(), keep, batch.data()));
            std::vector<TComb> expected;
            for (std::size_t i = 0; i < full.size(); ++i) {
                if (matched[i] == keep) expected.push_back(full[i]);
            }
            EXPECT_GT(expected.size(), 0u) << code << " keep=" << keep;
            EXPECT_TRUE(batch == expected) << code << " keep=" << keep;
        }
    }
}

// The full-set counts of a few methods with a norm, at 4 columns (nine rows), against counts
// made here from the five numbers by plain loops.
TEST_F(MatrixFamilyTest, FullSetCountsMatchPlainLoops) {
    SetCols(4);
    constexpr int cols = 4;
    constexpr int rows = 9;
    std::map<std::string, std::map<std::uint64_t, int>> expected;
    int rowValues[rows + 1][6] = {};
    int columnCounts[6] = {};
    int columnAdjacent[cols + 1][6] = {};
    int rowAdjacentColumns[3] = {};
    std::map<std::uint64_t, int> rowPatterns;
    for (int a = 1; a <= 36; ++a) {
        for (int b = a + 1; b <= 36; ++b) {
            for (int c = b + 1; c <= 36; ++c) {
                for (int d = c + 1; d <= 36; ++d) {
                    for (int e = d + 1; e <= 36; ++e) {
                        const int n[5] = {a, b, c, d, e};
                        int inRow[rows + 1] = {};
                        int inColumn[cols + 1] = {};
                        std::uint64_t pattern = 0;
                        for (const int x : n) {
                            ++inRow[(x - 1) / cols + 1];
                            ++inColumn[(x - 1) % cols + 1];
                            pattern |= std::uint64_t{1} << (rows - ((x - 1) / cols + 1));
                        }
                        ++rowPatterns[pattern];
                        int occupied = 0;
                        for (int col = 1; col <= cols; ++col) occupied += inColumn[col] > 0;
                        ++columnCounts[occupied];
                        for (int row = 1; row <= rows; ++row) ++rowValues[row][inRow[row]];
                        // Pairs one row apart in a column; rows holding a pair side by side.
                        int pairsInColumn[cols + 1] = {};
                        bool rowWithPair[rows + 1] = {};
                        for (int i = 0; i < 5; ++i) {
                            for (int j = i + 1; j < 5; ++j) {
                                if (n[j] - n[i] == cols) ++pairsInColumn[(n[i] - 1) % cols + 1];
                                if (n[j] - n[i] == 1 && (n[i] - 1) / cols == (n[j] - 1) / cols) {
                                    rowWithPair[(n[i] - 1) / cols + 1] = true;
                                }
                            }
                        }
                        for (int col = 1; col <= cols; ++col) {
                            if (pairsInColumn[col] > 0)
                                ++columnAdjacent[col][pairsInColumn[col] + 1];
                        }
                        int rowsWithPairs = 0;
                        for (int row = 1; row <= rows; ++row) rowsWithPairs += rowWithPair[row];
                        ++rowAdjacentColumns[rowsWithPairs];
                    }
                }
            }
        }
    }
    for (int k = 0; k <= 5; ++k) {
        if (columnCounts[k] > 0) expected["COLN"][Key({k}).Raw] = columnCounts[k];
        if (k <= 2 && rowAdjacentColumns[k] > 0)
            expected["ROWC"][Key({k}).Raw] = rowAdjacentColumns[k];
        for (int row = 1; row <= rows; ++row) {
            if (rowValues[row][k] > 0) expected["ROWV"][Key({row, k}).Raw] = rowValues[row][k];
        }
        for (int col = 1; col <= cols; ++col) {
            if (columnAdjacent[col][k] > 0)
                expected["COLA"][Key({col, k}).Raw] = columnAdjacent[col][k];
        }
    }
    for (const auto& [pattern, count] : rowPatterns) expected["ROWM"][pattern] = count;

    const std::vector<TComb> full = FullSet();
    for (const auto& [code, counts] : expected) {
        auto stat = Stat(code);
        const TFullSetCounts made = CountFullSetValues(*stat, full.data(), full.size());
        std::map<std::uint64_t, int> got;
        for (const TStatValueRec& r : made.Records) got[r.Key.Raw] = r.Count;
        EXPECT_EQ(got, counts) << code;
        EXPECT_NO_THROW(CheckFullSetCounts(made, stat->Class())) << code;
    }
}

// The statistic takes the column count when it is created.
TEST_F(MatrixFamilyTest, StatisticsTakeTheColumnsWhenCreated) {
    SetDraws({{1, {1, 7, 8, 14, 36}}});
    auto before = Stat("COLM");
    SetCols(9);
    auto after = Stat("COLM");
    EXPECT_EQ(before->ValueText(Window(*before).front()), "110001 (049)");
    EXPECT_EQ(after->ValueText(Window(*after).front()), "100010111 (279)");
}

}  // namespace
}  // namespace mv
