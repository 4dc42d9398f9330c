#include "gui/core/main_window_keys.h"

namespace mv {

std::int32_t ReadMainSetting(const TWindowSettings& settings, const TSettingKey& key,
                             std::int32_t designed) {
    const std::int32_t def = key.DesignedDefault ? designed : key.Default;
    if (key.Kind == TSettingKind::Boolean) {
        return settings.ReadBool(MainWindowSection, key.Name, def != 0) ? 1 : 0;
    }
    return settings.ReadInteger(MainWindowSection, key.Name, def);
}

bool ReadMainFlag(const TWindowSettings& settings, const TSettingKey& key) {
    return ReadMainSetting(settings, key) != 0;
}

void WriteMainSetting(TWindowSettings& settings, const TSettingKey& key, std::int32_t value) {
    if (key.Kind == TSettingKind::Boolean) {
        settings.WriteBool(MainWindowSection, key.Name, value != 0);
    } else {
        settings.WriteInteger(MainWindowSection, key.Name, value);
    }
}

std::optional<int> ApplyFirstStart(TWindowSettings& settings, bool comparisonEnabled) {
    if (ReadMainFlag(settings, MainWindowKey::PrefetchsInit)) return std::nullopt;
    settings.BeginUpdate();
    try {
        WriteMainSetting(settings, MainWindowKey::PrefetchsInit, 1);
        WriteMainSetting(settings, MainWindowKey::PrefetchsEnabled, comparisonEnabled ? 1 : 0);
    } catch (...) {
        settings.EndUpdate();
        throw;
    }
    settings.EndUpdate();
    return comparisonEnabled ? ComparisonColumnWidth : 0;
}

}  // namespace mv
