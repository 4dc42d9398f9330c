#include "engine/session/method_names.h"

#include <optional>

namespace mv {
namespace {

// Raises chMethods when it goes out of scope, on success and on failure alike.
class TMethodsChanged {
public:
    explicit TMethodsChanged(const TWorkspace& ws) : m_ws(ws) {}
    ~TMethodsChanged() { m_ws.Notify(chMethods); }
    TMethodsChanged(const TMethodsChanged&) = delete;
    TMethodsChanged& operator=(const TMethodsChanged&) = delete;

private:
    const TWorkspace& m_ws;
};

// Shows a failure of the names file and lets the operation go on.
void Report(TWorkspace& ws, const std::optional<std::string>& failure) {
    if (failure) ws.Hooks().ShowMessage(TMessageKind::Error, *failure);
}

void ApplyChoices(TStatList& registry, const std::vector<TMethodChoice>& choices, bool withMarks) {
    for (const TMethodChoice& c : choices) {
        if (c.Method < 0 || c.Method >= registry.MethodCount()) continue;
        if (withMarks) registry.Method(c.Method).Favorite = c.Favorite;
        registry.SetMethodText(c.Method, c.Text);
    }
}

// Writes the program's names file and rebuilds the list from it; the caller notifies.
void WriteAndRebuild(TWorkspace& ws) {
    TStatList& registry = ws.Stats();
    const auto file = ws.Paths().MethodNames();
    Report(ws, registry.WriteNames(file, true, false));
    registry.BuildMethods();
    registry.SelectAll();
    Report(ws, registry.ReadNames(file, true));
}

}  // namespace

TMethodDisplay MethodDisplay(const TStatList& registry) {
    return {registry.Ordered, registry.ShowGroupName, registry.ShowMethodFlags};
}

std::vector<TMethodChoice> MethodChoices(const TStatList& registry) {
    std::vector<TMethodChoice> choices;
    choices.reserve(static_cast<std::size_t>(registry.MethodCount()));
    for (int i = 0; i < registry.MethodCount(); ++i) {
        const TStatMethod& m = registry.Method(i);
        choices.push_back(
            {i, m.Favorite, m.UserName.empty() ? m.StatClass->CaptionFor(m.Index) : m.UserName});
    }
    return choices;
}

void RebuildMethodList(TWorkspace& ws) {
    const TMethodsChanged notify(ws);
    WriteAndRebuild(ws);
}

void ConfirmMethodChoices(TWorkspace& ws, const std::vector<TMethodChoice>& choices,
                          const TMethodDisplay& display) {
    const TMethodsChanged notify(ws);
    TStatList& registry = ws.Stats();
    ApplyChoices(registry, choices, true);
    registry.NormalizeFavorites();
    registry.Ordered = display.Ordered;
    registry.ShowGroupName = display.ShowGroupName;
    registry.ShowMethodFlags = display.ShowMethodFlags;
    WriteAndRebuild(ws);
}

void ResetFavorites(TWorkspace& ws) {
    const TMethodsChanged notify(ws);
    ws.Stats().SelectAll();
    WriteAndRebuild(ws);
}

bool ImportMethodNames(TWorkspace& ws, const std::filesystem::path& file) {
    const TMethodsChanged notify(ws);
    const auto failure = ws.Stats().ReadNames(file, false);
    Report(ws, failure);
    return !failure;
}

bool ExportMethodNames(TWorkspace& ws, const std::filesystem::path& file,
                       const std::vector<TMethodChoice>& choices) {
    const TMethodsChanged notify(ws);
    TStatList& registry = ws.Stats();
    ApplyChoices(registry, choices, false);
    const auto failure = registry.WriteNames(file, false, true);
    Report(ws, failure);
    Report(ws, registry.ReadNames(ws.Paths().MethodNames(), false));
    return !failure;
}

}  // namespace mv
