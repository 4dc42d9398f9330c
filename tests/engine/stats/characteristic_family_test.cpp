// Varnel numbers and shredding: the difference reduction, the candidate numbers of the third
// Varnel method, the formula evaluator (exact decimals, errors giving 0, hostile texts), the
// shredding values of draws, combinations and filters, and full-set counts against counts
// made here.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>

#include "engine/combs/full_set.h"
#include "engine/combs/full_set_files.h"
#include "engine/stats/families/characteristic.h"
#include "family_fixture.h"

namespace mv {
namespace {

using Nums = std::array<std::uint8_t, 5>;
using Strings = std::vector<std::string>;

class CharacteristicFamilyTest : public test::TFamilyTest {
protected:
    void SetDraws(const std::vector<Nums>& draws) {
        m_draws.assign(draws.size(), TDrawRec{});
        for (std::size_t i = 0; i < draws.size(); ++i) {
            m_draws[i].Number = static_cast<int>(i) + 1;
            m_draws[i].Nums = draws[i];
        }
    }
    // The values a window of the first `count` archive draws gives, as "text x count".
    Strings WindowValues(const std::string& code, int count) {
        auto stat = Stat(code);
        TStatDrawArray values;
        TLastValueArray last;
        TStatScratch scratch{};
        for (int i = 0; i < count; ++i) stat->AddDraw(i, count - 1, last, scratch, values, false);
        Strings out;
        for (const auto& v : values)
            out.push_back(stat->ValueText(v) + "x" + std::to_string(v.Count));
        return out;
    }
};

TEST_F(CharacteristicFamilyTest, DifferenceReduction) {
    struct Case {
        Nums nums;
        int vrn1, vrn2, vrn3;
        bool pair;
    } cases[] = {
        {{3, 10, 12, 20, 27}, 4, 4, 4, false},
        {{1, 2, 3, 4, 5}, 0, 0, 0, false},  // a + b of the last two differences, 0 + 0
        // 2, 9, 11, 19, 30 -> 7, 2, 8, 11 -> 5, 6, 3 -> 1, 3: d = 2.
        {{2, 9, 11, 19, 30}, 2, 2, 2, false},
        // 1, 5, 10, 16, 23 -> 4, 5, 6, 7 -> 1, 1, 1 -> 0, 0.
        {{1, 5, 10, 16, 23}, 0, 0, 0, false},
        // 1, 2, 4, 9, 20 -> 1, 2, 5, 11 -> 1, 3, 6 -> 2, 3: d = 1, a + b = 5.
        {{1, 2, 4, 9, 20}, 1, 5, 5, true},
    };
    for (const Case& c : cases) {
        const std::string draw = std::to_string(c.nums[0]) + "," + std::to_string(c.nums[4]);
        EXPECT_EQ(VarnelReduction(c.nums.data(), 5, 0).Value, c.vrn1) << draw;
        EXPECT_EQ(VarnelReduction(c.nums.data(), 5, 1).Value, c.vrn2) << draw;
        EXPECT_EQ(VarnelReduction(c.nums.data(), 5, 2).Value, c.vrn3) << draw;
        EXPECT_EQ(VarnelReduction(c.nums.data(), 5, 2).Pair, c.pair) << draw;
        SetDraws({c.nums});
        EXPECT_EQ(WindowValues("VRN1", 1), Strings{std::to_string(c.vrn1) + "x1"}) << draw;
        EXPECT_EQ(WindowValues("VRN2", 1), Strings{std::to_string(c.vrn2) + "x1"}) << draw;
        auto graph = Stat("VRN2");
        EXPECT_EQ(dynamic_cast<TCustomGraphStat&>(*graph).DrawGraphValue(0, 0, false), c.vrn2);
    }
}

// Only the latest draw of the window adds candidates; each counts 1 when the draw after the
// window (hidden by the offset) holds it.
TEST_F(CharacteristicFamilyTest, Varnel3Candidates) {
    SetDraws({{1, 2, 3, 4, 5}, {3, 10, 12, 20, 27}, {4, 8, 13, 32, 36}});
    EXPECT_EQ(WindowValues("VRN3", 2),
              (Strings{"4x1", "36x1", "32x1", "28x0", "24x0", "20x0", "16x0", "12x0", "8x1"}));
    // f = 2: 2 * 2 * 2 = 8 stepping down to 4; no draw after the window.
    SetDraws({{2, 9, 11, 19, 30}});
    EXPECT_EQ(WindowValues("VRN3", 1), (Strings{"2x0", "8x0", "6x0", "4x0"}));
    // A reduction ending in 1 shows the sum and the 1; it has no multiples.
    SetDraws({{1, 2, 4, 9, 20}});
    EXPECT_EQ(WindowValues("VRN3", 1), (Strings{"5 (1)x0"}));
    // The filter takes the combinations holding a selected number.
    auto stat = Stat("VRN3");
    TStatDrawArray selected(1);
    selected[0].Key = TValueKey::FromK1(9);
    stat->LoadDraws(-1, 0, false);
    const Nums with = {1, 9, 20, 30, 31}, without = {1, 10, 20, 30, 31};
    EXPECT_TRUE(stat->Matches(with.data(), selected, false, false, 0));
    EXPECT_FALSE(stat->Matches(without.data(), selected, false, false, 0));
    EXPECT_EQ(FlagLetters(stat->Class().FullFlags()), "SD");
    EXPECT_FALSE(stat->Class().HasValueList);
}

TEST(ShreddingFormula, ValuesOfFormulas) {
    const TShreddingFormula::TDrawNumbers draw = {
        {{3, 10, 12, 20, 27}, {24, 5, 1, 2, 36}, {0, 0, 0, 0, 0}}};
    struct Case {
        const char* formula;
        int digits;
        int expected;
    } cases[] = {
        {"(n1+n2+n3)/(n4+n5)", 2, 53},
        {"(N1+n2+N3)/(N4+N5)", 4, 5319},
        {"n1/n2", 3, 300},
        {"p1/p2", 2, 80},  // 4.8: exact, not 4.7999...
        {"96/20", 2, 80},
        {"-p1/p2", 2, 80},
        {"1/3", 3, 333},
        {"p3/n1", 3, 333},
        {"2/3", 5, 66666},
        {"0.1+0.2", 1, 3},
        {"0.7*3", 1, 1},   // 2.1
        {"n10/7", 2, 28},  // n1 next to a digit reads as 30: 4.2857...
        {"n1.5", 1, 5},    // 3.5
        {"2^-1", 2, 50},
        {"2^3^2/1000", 3, 512},  // 2^9
        {"-2^2+0.25", 2, 75},    // -(2^2) + 0.25
        {"SQRT(n5)", 2, 19},     // 5.196...
        {"sqr(p2)/100", 2, 25},
        {"FRAC(p1/p2)+INT(7.9)", 1, 8},
        {"ROUND(2.5)+ABS(-0.5)", 1, 5},
        {"SIGN(-3)/4", 2, 25},
        {"NOT(t1)/4+LN(1)", 2, 25},
        {" ( n1 + n2 ) / 7 ", 2, 85},
        {"100000000000000000000000000000/3", 2, 33},
        {"t1+t2+t3+t4+t5", 2, 0},
    };
    for (const Case& c : cases) {
        const TShreddingFormula formula(c.formula);
        EXPECT_TRUE(formula.Valid()) << c.formula;
        EXPECT_EQ(formula.Shred(draw, c.digits), c.expected) << c.formula;
    }
}

TEST(ShreddingFormula, ErrorsGiveZero) {
    const TShreddingFormula::TDrawNumbers draw = {{{3, 10, 12, 20, 27}, {}, {}}};
    // Malformed texts compile to nothing.
    for (const char* text :
         {"",  " ",      "(",     ")",   "n1+",   "n6",   "q1",  "n1)",      "(n1",   "1..2",
          ".", "SIN n1", "SIN()", "abc", "n1 n2", "2**3", "n1/", "\x01\xff", "SQRT(", "1,5"}) {
        const TShreddingFormula formula(text);
        EXPECT_FALSE(formula.Valid()) << text;
        EXPECT_EQ(formula.Shred(draw, 2), 0) << text;
    }
    // Valid texts whose value cannot be had.
    for (const char* text :
         {"n1/(n2-n2)", "n1/p1", "1/0+5", "SQRT(-1)", "LN(0)", "ARCSIN(2)", "0^-1", "10^400"}) {
        const TShreddingFormula formula(text);
        EXPECT_TRUE(formula.Valid()) << text;
        EXPECT_EQ(formula.Shred(draw, 2), 0) << text;
    }
}

// Deep nesting and long texts are refused or evaluated without exhausting the stack, and
// random texts from the formula alphabet never crash (the sanitizers watch the loop).
TEST(ShreddingFormula, HostileTexts) {
    const TShreddingFormula::TDrawNumbers draw = {{{3, 10, 12, 20, 27}, {1, 2, 3, 4, 5}, {}}};
    EXPECT_FALSE(
        TShreddingFormula(std::string(10000, '(') + "1" + std::string(10000, ')')).Valid());
    EXPECT_FALSE(TShreddingFormula(std::string(10000, '(')).Valid());
    EXPECT_FALSE(TShreddingFormula("2" + std::string(5000, '^') + "2").Valid());
    EXPECT_FALSE(TShreddingFormula(std::string(3000, 's') + "qrt(").Valid());
    std::string powers = "2";
    for (int i = 0; i < 3000; ++i) powers += "^2";
    EXPECT_FALSE(TShreddingFormula(powers).Valid());
    // Long flat texts are fine: signs and sums loop rather than nest.
    std::string sum = "n1";
    int terms = 0;
    for (; sum.size() < 10000; ++terms) sum += "+n2/3";
    const TShreddingFormula longSum(sum);
    EXPECT_TRUE(longSum.Valid());
    // 3 + terms * 10 / 3 exactly.
    EXPECT_EQ(longSum.Shred(draw, 4), (9 + terms * 10) % 3 * 10000 / 3);
    EXPECT_TRUE(TShreddingFormula(std::string(10000, '-') + "n1").Valid());
    // Exact values too large to keep go on in floating point.
    EXPECT_TRUE(
        TShreddingFormula("999999999999999999999999999999999999999*999999999999999999").Valid());

    const std::string alphabet = "0123456789.+-*/^() nptNPT12345SQRTLNabsINTfrac(\x80\xfe,";
    std::mt19937 random(7);
    for (int round = 0; round < 20000; ++round) {
        const std::size_t length = random() % (round % 100 == 0 ? 3000 : 40);
        std::string text;
        for (std::size_t i = 0; i < length; ++i) {
            text += round % 3 == 0 ? static_cast<char>(random() % 256)
                                   : alphabet[random() % alphabet.size()];
        }
        const TShreddingFormula formula(text);
        const std::int32_t value = formula.Shred(draw, 5);
        EXPECT_TRUE(value >= 0 && value < 100000) << text;
        if (!formula.Valid()) {
            EXPECT_EQ(value, 0) << text;
        }
    }
}

// Formulas of the four operations take a short way over unreduced 64-bit fractions; random
// formulas of that kind (large constants, nesting, divisions by zero, long chains that
// overflow 64 bits) give the same value both ways, at every digit count.
TEST(ShreddingFormula, ShortWayEqualsGeneralEvaluation) {
    std::mt19937 random(11);
    const auto pick = [&](std::initializer_list<const char*> words) {
        return std::string(*(words.begin() + random() % words.size()));
    };
    std::function<std::string(int)> expression = [&](int depth) -> std::string {
        if (depth == 0 || random() % 3 == 0) {
            switch (random() % 4) {
                case 0:
                    return pick({"n", "p", "t", "N"}) + std::to_string(random() % 5 + 1);
                case 1:
                    return std::to_string(random() % 40);
                case 2:
                    return pick({"0.5", "1.25", ".75", "2.", "123456789012", "0.001"});
                default:
                    return "-" + expression(depth - 1 < 0 ? 0 : depth - 1);
            }
        }
        const std::string op = pick({"+", "-", "*", "/", "/"});
        const std::string text = expression(depth - 1) + op + expression(depth - 1);
        return random() % 2 ? "(" + text + ")" : text;
    };
    int nonZero = 0;
    for (int round = 0; round < 3000; ++round) {
        const TShreddingFormula formula(expression(static_cast<int>(random() % 7)));
        ASSERT_TRUE(formula.Valid());
        TShreddingFormula::TDrawNumbers draw{};
        for (auto& numbers : draw) {
            for (auto& n : numbers) n = static_cast<std::uint8_t>(random() % 37);
        }
        for (int digits = 0; digits <= 9; digits += 3) {
            const std::int32_t value = formula.Shred(draw, digits);
            EXPECT_EQ(value, formula.ShredGeneral(draw, digits)) << digits;
            nonZero += value != 0;
        }
    }
    EXPECT_GT(nonZero, 1000);
}

// The shredding methods: a draw with the two before it, a bare combination with zeros before
// it, a combination in a filter after the window's latest draws, and settings other than the
// defaults in the caption and the values.
TEST_F(CharacteristicFamilyTest, ShreddingValues) {
    SetDraws({{1, 2, 3, 4, 5}, {24, 5, 7, 8, 9}, {3, 10, 12, 20, 27}});
    m_registry.Shredding.Formulas[1] = "n1/p2+t1";
    m_registry.Shredding.Digits[1] = 3;
    m_registry.Shredding.Formulas[2] = "n1/(";
    m_registry.BuildMethods();
    EXPECT_EQ(WindowValues("SHR1", 3), (Strings{"66x1", "11x1", "53x1"}));  // 6/9, 36/17, 25/47
    // 1 / 0 + 0, 24 / 2 + 0, 3 / 5 + 1.
    EXPECT_EQ(WindowValues("SHR2", 3), (Strings{"0x2", "600x1"}));
    EXPECT_EQ(WindowValues("SHR3", 3), (Strings{"0x3"}));
    EXPECT_EQ(m_registry.MethodName(m_registry.Method(m_registry.FindMethod("SHR2"))),
              "Метод шинковки 2: n1/p2+t1");
    auto shr2 = Stat("SHR2");
    EXPECT_EQ(shr2->Class().HelpCodeFor(2), "SHRx");
    EXPECT_EQ(FlagLetters(shr2->Class().FullFlags()), "SNG");
    EXPECT_EQ(dynamic_cast<TCustomGraphStat&>(*shr2).DrawGraphValue(2, 0, false), 600);

    // A bare combination: 7 / 0 is an error.
    TStatDrawArray values;
    const Nums comb = {7, 8, 9, 10, 11};
    shr2->AddCombination(comb.data(), values);
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(shr2->ValueText(values[0]), "0");
    // In a filter after the window: 7 / 10 + 24.
    TStatDrawArray selected(1);
    selected[0].Key.SetK1K2(700);
    shr2->LoadDraws(-1, 2, false);
    EXPECT_TRUE(shr2->Matches(comb.data(), selected, false, false, 2));
    auto filter = shr2->PrepareFilter(selected, false, false, 2);
    TComb combs[2] = {};
    combs[0].Nums = comb;
    combs[1].Nums = {8, 9, 10, 11, 12};
    EXPECT_EQ(filter->Apply(combs, 2, true, combs), 1u);
    EXPECT_TRUE(combs[0].Nums == comb);

    // SHR1 reads only the combination: its filter looks ascending combinations up in a table
    // of the full set and evaluates any other order by position: 30 / 15 against 24 / 21.
    auto shr1 = Stat("SHR1");
    shr1->LoadDraws(-1, 2, false);
    TStatDrawArray zero(1);
    zero[0].Key.SetK1K2(0);
    TComb order[2] = {};
    order[0].Nums = {11, 10, 9, 8, 7};
    order[1].Nums = {7, 8, 9, 10, 11};
    EXPECT_EQ(shr1->PrepareFilter(zero, false, false, 2)->Apply(order, 2, true, order), 1u);
    EXPECT_TRUE(order[0].Nums == (Nums{11, 10, 9, 8, 7}));

    // Five digits exceed a 16-bit part.
    m_registry.Shredding.Digits[0] = 5;
    m_registry.BuildMethods();
    EXPECT_EQ(WindowValues("SHR1", 3).back(), "53191x1");
}

// Batch path against Matches over the full set for a few selections of every method.
TEST_F(CharacteristicFamilyTest, BatchPathEqualsMatchesOnFullSet) {
    SetDraws({{1, 2, 3, 4, 5}, {24, 5, 7, 8, 9}, {3, 10, 12, 20, 27}});
    m_registry.Shredding.Formulas[2] = "n1*p1/(n5-t5)";
    m_registry.BuildMethods();
    const std::vector<TComb> full = FullSet();
    for (const char* code : {"VRN1", "VRN2", "VRN3", "SHR1", "SHR2", "SHR3"}) {
        auto stat = Stat(code);
        auto reference = Stat(code);
        reference->LoadDraws(-1, 2, false);
        for (const auto& values : std::vector<std::vector<int>>{{0}, {4, 8, 36}, {50, 53, 33, 1}}) {
            TStatDrawArray selected;
            for (const int v : values) {
                selected.push_back(TStatValueRec{});
                selected.back().Key.SetK1K2(v);
            }
            std::vector<TComb> matching;
            for (const TComb& c : full) {
                if (reference->Matches(c.Nums.data(), selected, false, false, 2))
                    matching.push_back(c);
            }
            std::vector<TComb> batch = full;
            batch.resize(stat->PrepareFilter(selected, false, false, 2)
                             ->Apply(batch.data(), batch.size(), true, batch.data()));
            EXPECT_TRUE(batch == matching) << code << " " << values[0];
        }
    }
}

TEST_F(CharacteristicFamilyTest, FullSetCountsMatchPlainLoops) {
    std::map<std::string, std::map<std::uint64_t, int>> expected;
    for (int a = 1; a <= 36; ++a) {
        for (int b = a + 1; b <= 36; ++b) {
            for (int c = b + 1; c <= 36; ++c) {
                for (int d = c + 1; d <= 36; ++d) {
                    for (int e = d + 1; e <= 36; ++e) {
                        const int d4 = std::abs(
                            std::abs(std::abs(c - b - (b - a)) - std::abs(d - c - (c - b))) -
                            std::abs(std::abs(d - c - (c - b)) - std::abs(e - d - (d - c))));
                        ++expected["VRN1"][TValueKey::FromK1(d4).Raw];
                        // (a + b + c) / (d + e) to two decimals in integers.
                        const int shred = (a + b + c) % (d + e) * 100 / (d + e);
                        TValueKey key;
                        key.SetK1K2(shred);
                        ++expected["SHR1"][key.Raw];
                    }
                }
            }
        }
    }
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

}  // namespace
}  // namespace mv
