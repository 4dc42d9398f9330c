#include "engine/combs/comb_tools.h"

#include "engine/core/game.h"
#include "engine/session/workspace.h"
#include "engine/stats/draw_graph_values.h"

namespace mv {

std::string TArchiveLookup::Message() const {
    if (Lines.empty()) return "Выделенная комбинация не найдена архиве тиражей!";
    std::string text = "Выделенная комбинация найдена в следующих тиражах:\r";
    for (const std::string& line : Lines) text += "\r" + line;
    return text;
}

TArchiveLookup FindInArchive(TWorkspace& ws, const TComb& comb) {
    TStatusGuard status(ws.Hooks(), "Поиск по архиву тиражей...");
    TArchiveLookup result;
    for (int i = ws.DrawCount() - 1; i >= 0 && result.Lines.size() < ArchiveLookupLimit; --i) {
        const TDrawRec& draw = ws.DrawArchive[static_cast<std::size_t>(i)];
        if (CountMatches(comb.Nums.data(), draw.Nums.data()) == NumbersInDraw) {
            result.Lines.push_back(DrawLineText(draw));
        }
    }
    return result;
}

std::string UniqueNumbersMessage(TWorkspace& ws) {
    TStatusGuard status(ws.Hooks(), "Подождите пожалуйста...");
    const TCombsArray& list = ws.Combs().CurrentList;
    return "В текущем списке комбинаций содержится " +
           std::to_string(UniqueNumberCount(list.Data(), list.Count())) + " уникальных номеров";
}

std::vector<std::pair<std::string, std::int32_t>> CombinationInfoValues(const TWorkspace& ws,
                                                                        const TComb& comb) {
    return CombGraphValues(ws.Stats(), comb.Nums.data(), ws.DrawsOffset(), ws.SortedDraws);
}

}  // namespace mv
