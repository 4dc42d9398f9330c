#pragma once

#include <memory>
#include <string>

#include "engine/stats/custom_stat.h"
#include "engine/stats/shredding_formula.h"

namespace mv {

// Groups 11 and 12: a draw reduced to one number. The Varnel numbers take the differences of
// neighbouring numbers (in draw order) until two are left; the shredding methods evaluate a
// formula of the user over the draw and the two draws before it and keep some decimals.

// The reduction of k >= 2 numbers: while more than two remain, the absolute differences of
// neighbours replace them; of the last two a, b with d = |b - a|, mode 0 gives d, mode 1
// a + b when d < 2 and d otherwise, mode 2 a + b when d = 0, the pair (1, a + b) when d = 1
// (Pair true, Value = a + b) and d otherwise.
struct TVarnelResult {
    int Value = 0;
    bool Pair = false;
};
TVarnelResult VarnelReduction(const std::uint8_t* nums, int k, int mode);

// One Varnel number per draw, also its graph value; a combination matches by its number.
class TCustomVarnelGraphStat : public TCustomGraphStat {
public:
    TCustomVarnelGraphStat(const TStatEnvironment& env, int index, int mode)
        : TCustomGraphStat(env, index), m_mode(mode) {}
    bool Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool deleteMode,
                 bool sorted, int lastIndex) override;
    std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected, bool deleteMode,
                                               bool sorted, int lastIndex) override;
    std::int32_t GraphValue(const std::uint8_t* nums, int drawIndex, bool sorted,
                            int extra) override;

protected:
    void ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const override;

private:
    int m_mode;
};

class TstVarnel1 final : public TCustomVarnelGraphStat {
public:
    static const TStatClass Descriptor;
    TstVarnel1(const TStatEnvironment& env, int index) : TCustomVarnelGraphStat(env, index, 0) {}
};

class TstVarnel2 final : public TCustomVarnelGraphStat {
public:
    static const TStatClass Descriptor;
    TstVarnel2(const TStatEnvironment& env, int index) : TCustomVarnelGraphStat(env, index, 1) {}
};

// Candidate numbers for the draw after the window: the latest draw's reduction f (mode 2)
// and the multiples of f within 1..36, each counted 1 when the archive draw following the
// latest one (there while draws are hidden by the offset) holds it. Only the latest draw of
// the window adds values. The main value shows "s (1)" for the pair (1, s).
class TstVarnel3 final : public TCustomStat {
public:
    static const TStatClass Descriptor;
    using TCustomStat::TCustomStat;
    std::string ValueText(const TStatValueRec& value) const override;
    void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatScratch& scratch,
                 TStatDrawArray& values, bool sorted) override;
    void AddCombination(const std::uint8_t* nums, TStatDrawArray& values) override;
    // Some number of the combination is a selected value.
    bool Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool deleteMode,
                 bool sorted, int lastIndex) override;
    std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected, bool deleteMode,
                                               bool sorted, int lastIndex) override;
};

// Shredding method Index (1..3): trunc(frac(|x|) * 10^Digits) of formula Index's value x over
// the current draw (n1..n5), the previous one (p1..p5) and the one before it (t1..t5). A bare
// combination has zeros for both earlier draws; a combination judged by a filter has the
// latest draw of the window as its previous draw and the one before it as the third.
class TstShreddingStat final : public TCustomGraphStat {
public:
    static const TStatClass Descriptor;
    TstShreddingStat(const TStatEnvironment& env, int index);
    std::string ValueText(const TStatValueRec& value) const override;
    void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatScratch& scratch,
                 TStatDrawArray& values, bool sorted) override;
    bool Matches(const std::uint8_t* nums, const TStatDrawArray& selected, bool deleteMode,
                 bool sorted, int lastIndex) override;
    std::unique_ptr<TCombFilter> PrepareFilter(const TStatDrawArray& selected, bool deleteMode,
                                               bool sorted, int lastIndex) override;
    std::int32_t GraphValue(const std::uint8_t* nums, int drawIndex, bool sorted,
                            int extra) override;

    std::string Formula;
    std::int32_t Digits = 2;

protected:
    void ValuesOf(const std::uint8_t* nums, TKeyBuffer& keys) const override;

private:
    std::int32_t ValueWith(const std::uint8_t* nums, const TDrawRec& previous,
                           const TDrawRec& third) const;
    TShreddingFormula m_formula;
};

}  // namespace mv
