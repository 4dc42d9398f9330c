#include "stats/draw_graph_values.h"

namespace mv {

std::vector<std::pair<std::string, std::int32_t>> DrawGraphValues(const TStatList& registry,
                                                                  int drawIndex, bool sorted) {
    std::vector<std::pair<std::string, std::int32_t>> rows;
    for (int i = 0; i < registry.MethodCount(); ++i) {
        const TStatMethod& method = registry.Method(i);
        if (!method.StatClass->HasGraph || !method.StatClass->Listed) continue;
        auto stat = registry.CreateStat(method);
        auto* graph = dynamic_cast<TCustomGraphStat*>(stat.get());
        if (!graph) continue;
        rows.emplace_back(registry.MethodName(method), graph->DrawGraphValue(drawIndex, 0, sorted));
    }
    return rows;
}

}  // namespace mv
