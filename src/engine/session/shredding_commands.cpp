#include "engine/session/shredding_commands.h"

#include <algorithm>

#include "engine/core/errors.h"
#include "engine/core/messages.h"
#include "engine/support/ui_hooks.h"

namespace mv {

bool ShreddingSettingsValid(const TShreddingSettings& settings) {
    return std::all_of(settings.Digits.begin(), settings.Digits.end(),
                       [](std::int32_t d) { return d >= 1 && d <= 5; });
}

bool ChangeShreddingSettings(TWorkspace& ws, const TShreddingSettings& settings) {
    if (!ShreddingSettingsValid(settings)) {
        throw EError(Msg(TMsg::InvalidDecimalPlaces));
    }
    TStatList& stats = ws.Stats();
    if (stats.Shredding == settings) return false;
    // The settings are in force before the file is written: a failed save keeps them, and the
    // views hear of the change either way. The comparison files need no marking of their own:
    // each one's record holds the formula and digit count it was counted with.
    stats.SetShredding(settings);
    struct TNotify {
        TWorkspace& Ws;
        ~TNotify() { Ws.Notify(chSettings); }
    } notify{ws};
    TStatusGuard status(ws.Hooks(), ConfigSaveStatus);
    stats.SaveShredding(ws.Paths().Config());
    return true;
}

}  // namespace mv
