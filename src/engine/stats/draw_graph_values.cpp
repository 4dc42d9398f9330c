#include "engine/stats/draw_graph_values.h"

#include <algorithm>
#include <array>

namespace mv {
namespace {

// Every listed graph method's name and the value `value` gives for its statistic.
template <class TValue>
std::vector<std::pair<std::string, std::int32_t>> GraphValues(const TStatList& registry,
                                                              TValue value) {
    std::vector<std::pair<std::string, std::int32_t>> rows;
    for (int i = 0; i < registry.MethodCount(); ++i) {
        const TStatMethod& method = registry.Method(i);
        if (!method.StatClass->HasGraph || !method.StatClass->Listed) continue;
        auto stat = registry.CreateStat(method);
        auto* graph = dynamic_cast<TCustomGraphStat*>(stat.get());
        if (!graph) continue;
        rows.emplace_back(registry.MethodName(method), value(*graph));
    }
    return rows;
}

}  // namespace

std::vector<std::pair<std::string, std::int32_t>> DrawGraphValues(const TStatList& registry,
                                                                  int drawIndex, bool sorted) {
    return GraphValues(registry, [&](TCustomGraphStat& graph) {
        return graph.DrawGraphValue(drawIndex, 0, sorted);
    });
}

std::vector<std::pair<std::string, std::int32_t>> CombGraphValues(const TStatList& registry,
                                                                  const std::uint8_t* nums,
                                                                  int position, bool sorted) {
    std::array<std::uint8_t, NumbersInDraw> n{};
    std::copy(nums, nums + NumbersInDraw, n.begin());
    if (sorted) std::sort(n.begin(), n.end());
    return GraphValues(registry, [&](TCustomGraphStat& graph) {
        return graph.GraphValue(n.data(), position, sorted, 0);
    });
}

}  // namespace mv
