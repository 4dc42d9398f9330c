#include "engine/combs/comb_tools.h"

#include "engine/core/game.h"
#include "engine/core/messages.h"
#include "engine/stats/draw_graph_values.h"

namespace mv {

std::string TArchiveLookup::Message() const {
    if (Lines.empty()) return Msg(TMsg::CombNotInArchive);
    std::string text = Msg(TMsg::CombFoundInDraws);
    for (const std::string& line : Lines) text += "\r" + line;
    return text;
}

TArchiveLookup FindInArchive(const TDrawsArray& draws, const TComb& comb, IUiHooks& hooks) {
    TStatusGuard status(hooks, Msg(TMsg::SearchArchiveStatus));
    TArchiveLookup result;
    for (auto it = draws.rbegin(); it != draws.rend() && result.Lines.size() < ArchiveLookupLimit;
         ++it) {
        const TDrawRec& draw = *it;
        if (CountMatches(comb.Nums.data(), draw.Nums.data()) == NumbersInDraw) {
            result.Lines.push_back(DrawLineText(draw));
        }
    }
    return result;
}

std::string UniqueNumbersMessage(const TCombsArray& list, IUiHooks& hooks) {
    TStatusGuard status(hooks, Msg(TMsg::PleaseWaitStatus));
    return Msg(TMsg::UniqueNumbersPrefix) +
           std::to_string(UniqueNumberCount(list.Data(), list.Count())) +
           Msg(TMsg::UniqueNumbersSuffix);
}

std::vector<std::pair<std::string, std::int32_t>> CombinationInfoValues(
    const TStatList& registry, const TComb& comb, int drawsOffset, bool sorted) {
    return CombGraphValues(registry, comb.Nums.data(), drawsOffset, sorted);
}

}  // namespace mv
