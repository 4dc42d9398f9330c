#include "engine/combs/selection.h"

#include <algorithm>

#include "engine/core/errors.h"
#include "engine/session/workspace.h"
#include "engine/core/text_utils.h"

namespace mv {
namespace {

constexpr const char* kNumbersMethod = "NUMS";

void AddNumberValue(TStatSelection& selection, const std::string& text) {
    const TValueKey key = TValueKey::FromK1(StrToIntDef(Trim(text), 0));
    const bool known = std::any_of(selection.Values.begin(), selection.Values.end(),
                                   [&](const TStatValueRec& v) { return v.Key.K1() == key.K1(); });
    if (known) return;
    selection.Values.emplace_back().Key = key;
    if (!selection.Text.empty()) selection.Text += "; ";
    selection.Text += text;
}

// The survivors of UndoList in CurrentList; CurrentList goes back to UndoList's content when
// the statistic fails.
void RunFilter(TWorkspace& ws, TCustomStat& stat, const TStatDrawArray& values, bool removed) {
    TCombinations& combs = ws.Combs();
    const TCombsArray& source = combs.UndoList;
    TCombsArray& target = combs.CurrentList;
    try {
        const int last = std::max(0, ws.DrawCount() - 1 - ws.DrawsOffset());
        const auto filter = stat.PrepareFilter(values, removed, ws.SortedDraws, last);
        target.Reserve(source.Count());
        target.SetCount(filter->Apply(source.Data(), source.Count(), !removed, target.Data()));
    } catch (...) {
        target.CopyFrom(source);
        throw;
    }
}

void ApplyViewSelection(TWorkspace& ws, const TStatSelection& selection, bool removed,
                        const char* caption) {
    if (selection.Empty()) throw EError(EmptyViewSelectionMessage);
    const int method = ws.Stats().FindMethod(kNumbersMethod);
    if (method < 0) {
        throw EError(std::string("Метод расчета статистики \"") + kNumbersMethod + "\" на найден!");
    }
    ApplyStatSelection(ws, selection, removed, method, caption);
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

bool ApplyStatSelection(TWorkspace& ws, const TStatSelection& selection, bool removed,
                        int methodIndex, const std::string& caption, TCustomStat* stat) {
    TStatusGuard status(ws.Hooks(), "Фильтрация комбинаций...");
    if (selection.Empty()) return false;
    std::unique_ptr<TCustomStat> own;
    if (!stat) {
        if (methodIndex < 0 || methodIndex >= ws.Stats().MethodCount()) {
            throw EError("Не выбран метод расчета статистики!");
        }
        own = ws.Stats().CreateStat(ws.Stats().Method(methodIndex));
        stat = own.get();
    }
    TCombinations& combs = ws.Combs();
    combs.CurrentList.Clear();
    if (combs.UndoList.Count() == 0) {
        combs.UpdateCombsView();
        return true;
    }
    RunFilter(ws, *stat, selection.Values, removed);
    combs.AddFilterLine(removed, caption, selection.Text);
    combs.UpdateCombsView();
    return true;
}

void ApplyCardSelection(TWorkspace& ws, const std::vector<std::string>& cellTexts, bool removed) {
    ApplyViewSelection(ws, CardSelection(cellTexts), removed, "Карта");
}

void ApplyLayoutSelection(TWorkspace& ws, const std::vector<std::string>& cellTexts, bool removed) {
    ApplyViewSelection(ws, LayoutSelection(cellTexts), removed, "Схема");
}

void ApplyWeekSelection(TWorkspace& ws, int leftColumn, int rightColumn, bool removed) {
    ApplyViewSelection(ws, WeekSelection(leftColumn, rightColumn), removed, "Неделя");
}

}  // namespace mv
