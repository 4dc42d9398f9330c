#include "engine/combs/selection.h"

#include <algorithm>
#include <cstring>

#include "engine/core/errors.h"
#include "engine/core/text_utils.h"
#include "engine/stats/comb_filter.h"

namespace mv {
namespace {

void AddNumberValue(TStatSelection& selection, const std::string& text) {
    const TValueKey key = TValueKey::FromK1(StrToIntDef(Trim(text), 0));
    const bool known = std::any_of(selection.Values.begin(), selection.Values.end(),
                                   [&](const TStatValueRec& v) { return v.Key.K1() == key.K1(); });
    if (known) return;
    selection.Values.emplace_back().Key = key;
    if (!selection.Text.empty()) selection.Text += "; ";
    selection.Text += text;
}

}  // namespace

TStatSelection TableSelection(const TStatTable& table, const std::vector<std::size_t>& rows) {
    TStatSelection selection;
    for (const std::size_t row : rows) {
        if (row >= table.Rows.size()) continue;
        selection.Values.push_back(table.Rows[row].Rec);
        if (!selection.Text.empty()) selection.Text += "; ";
        selection.Text += table.Rows[row].Texts[scValue];
    }
    return selection;
}

TStatSelection CardSelection(const std::vector<std::string>& cellTexts) {
    TStatSelection selection;
    for (const std::string& text : cellTexts) {
        if (!Trim(text).empty()) AddNumberValue(selection, text);
    }
    return selection;
}

TStatSelection LayoutSelection(const std::vector<std::string>& cellTexts) {
    TStatSelection selection;
    for (const std::string& text : cellTexts) {
        for (std::string word : SplitWords(text, ",")) {
            std::erase_if(word, [](char c) { return c == '[' || c == ']'; });
            word = Trim(word);
            if (!word.empty()) AddNumberValue(selection, word);
        }
    }
    return selection;
}

TStatSelection WeekSelection(int leftColumn, int rightColumn) {
    TStatSelection selection;
    for (int column = leftColumn; column <= rightColumn; ++column) {
        selection.Values.emplace_back().Key = TValueKey::FromK1(column);
        if (!selection.Text.empty()) selection.Text += "; ";
        selection.Text += std::to_string(column);
    }
    return selection;
}

void FilterCombinations(TCustomStat& stat, const TStatDrawArray& values, bool removed, bool sorted,
                        int lastIndex, const TCombsArray& source, TCombsArray& target) {
    try {
        const auto filter = stat.PrepareFilter(values, removed, sorted, lastIndex);
        target.Reserve(source.Count());
        target.SetCount(filter->Apply(source.Data(), source.Count(), !removed, target.Data()));
    } catch (...) {
        target.CopyFrom(source);
        throw;
    }
}

namespace {

// The first step of each combination: the least of its numbers' first steps, three lookups.
class TFirstStepOf {
public:
    explicit TFirstStepOf(const TFirstStepTable& firstStep)
        : m_single(firstStep),
          m_pairs(firstStep, [](std::uint16_t a, std::uint16_t b) { return std::min(a, b); }) {}
    std::uint16_t operator()(std::uint64_t word) const {
        const TCombNums n(word);
        return std::min(std::min(m_pairs[n.Pair(0)], m_pairs[n.Pair(2)]), m_single[n[4]]);
    }

private:
    TFirstStepTable m_single;
    TPairTable<std::uint16_t> m_pairs;
};

// Calls visit(word, comb) for every combination in order, its five numbers read as one
// 8-byte word (one load; the last combination, whose word would leave the array, bytewise).
template <class TVisit>
void ForEachWord(const TCombsArray& list, TVisit visit) {
    static_assert(sizeof(TComb) == 5);
    const std::size_t count = list.Count();
    const auto* src = reinterpret_cast<const unsigned char*>(list.Data());
    for (std::size_t i = 0; i + 1 < count; ++i) {
        std::uint64_t word;
        std::memcpy(&word, src + i * sizeof(TComb), sizeof word);
        visit(word, list[i]);
    }
    if (count > 0) {
        std::uint64_t word = 0;
        std::memcpy(&word, src + (count - 1) * sizeof(TComb), sizeof(TComb));
        visit(word, list[count - 1]);
    }
}

}  // namespace

std::vector<std::size_t> CountFirstSteps(const TCombsArray& list, const TFirstStepTable& firstStep,
                                         std::size_t steps) {
    // One more slot takes every combination no counted step drops. Neighbours count into
    // different tables, so that runs of combinations going at one step do not wait for each
    // other's increments.
    constexpr std::size_t kTables = 4;
    const std::size_t width = steps + 1;
    std::vector<std::size_t> tables(kTables * width, 0);
    const TFirstStepOf stepOf(firstStep);
    std::size_t* slots = tables.data();
    std::size_t i = 0;
    ForEachWord(list, [&](std::uint64_t word, const TComb&) {
        ++slots[(i++ % kTables) * width + std::min<std::size_t>(stepOf(word), steps)];
    });
    std::vector<std::size_t> counts(steps, 0);
    for (std::size_t t = 0; t < kTables; ++t)
        for (std::size_t s = 0; s < steps; ++s) counts[s] += tables[t * width + s];
    return counts;
}

void SplitAtRemovalStep(TCombsArray& source, const TFirstStepTable& firstStep, std::size_t steps,
                        TCombsArray& kept) {
    const TFirstStepOf stepOf(firstStep);
    kept.Reserve(source.Count());
    TComb* out = source.Data();
    TComb* keptOut = kept.Data();
    std::size_t before = 0, after = 0;
    const std::size_t last = steps - 1;
    // Most combinations go at one of the steps: the branches are well predicted.
    ForEachWord(source, [&](std::uint64_t word, const TComb& comb) {
        const std::size_t step = stepOf(word);
        if (step < last) return;
        const TComb copy = comb;
        out[before++] = copy;
        if (step >= steps) keptOut[after++] = copy;
    });
    kept.SetCount(after);
    source.SetCount(before);
}

}  // namespace mv
