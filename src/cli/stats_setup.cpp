#include "cli/stats_setup.h"

#include <algorithm>
#include <limits>

#include "engine/core/text_utils.h"
#include "engine/session/setup.h"

namespace mv::cli {

int IntegerOption(const std::string& text, int low, int high, const char* what) {
    const auto value = StrToInt64(Trim(text));
    if (!value || *value < low || *value > high) throw EUsageError(std::string(what) + ": " + text);
    return static_cast<int>(*value);
}

void LoadRegistry(TCliContext& context) {
    TWorkspace& ws = context.Workspace();
    LoadAnalysisSettings(ws);
    if (const auto failure = LoadMethodRegistry(ws)) {
        ws.Hooks().ShowMessage(TMessageKind::Error, *failure);
    }
}

int FindMethodOrFail(const TStatList& stats, const std::string& code) {
    const int index = stats.FindMethod(code);
    if (index < 0) throw EError(Fmt("Метод расчета статистики \"%s\" на найден!", {code}));
    return index;
}

int OffsetOption(const std::optional<std::string>& offsetText) {
    constexpr int kMaxInt = std::numeric_limits<int>::max();
    return offsetText ? IntegerOption(*offsetText, 0, kMaxInt, "Некорректное смещение") : 0;
}

void ReadArchiveWithOffset(TCliContext& context, int offset) {
    context.ReadArchive();
    TWorkspace& ws = context.Workspace();
    if (offset > 0 && offset >= ws.DrawCount()) {
        throw EUsageError("Некорректное смещение (допустимо 0.." +
                          std::to_string(std::max(0, ws.DrawCount() - 1)) +
                          "): " + std::to_string(offset));
    }
    ws.SetDrawsOffset(offset);
}

}  // namespace mv::cli
