#include "engine/combs/selection.h"

#include <algorithm>

#include "engine/core/errors.h"
#include "engine/core/text_utils.h"

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

void FilterCombinations(TCustomStat& stat, const TStatDrawArray& values, bool removed,
                        bool sorted, int lastIndex, const TCombsArray& source,
                        TCombsArray& target) {
    try {
        const auto filter = stat.PrepareFilter(values, removed, sorted, lastIndex);
        target.Reserve(source.Count());
        target.SetCount(filter->Apply(source.Data(), source.Count(), !removed, target.Data()));
    } catch (...) {
        target.CopyFrom(source);
        throw;
    }
}

}  // namespace mv
