#include "engine/session/setup.h"

namespace mv {

void LoadAnalysisSettings(TWorkspace& ws) {
    TStatList& stats = ws.Stats();
    const auto& config = ws.Paths().Config();
    stats.LoadGenerateSettings(config);
    stats.LoadConfig(config);
    stats.LoadShredding(config);
    stats.SaveWeights();
    ws.Notify(chSettings);
}

std::optional<std::string> LoadMethodRegistry(TWorkspace& ws) {
    TStatList& stats = ws.Stats();
    stats.BuildMethods();
    return stats.ReadNames(ws.Paths().MethodNames(), true);
}

TStatTableRequest StatRequest(const TWorkspace& ws, int methodIndex, int windowLength) {
    TStatTableRequest request;
    request.Registry = &ws.Stats();
    request.MethodIndex = methodIndex;
    request.Draws = &ws.DrawArchive();
    request.DrawsOffset = ws.DrawsOffset();
    request.WindowLength = windowLength;
    request.Sorted = ws.SortedDraws();
    return request;
}

}  // namespace mv
