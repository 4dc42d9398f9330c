#pragma once

#include "engine/session/workspace.h"
#include "engine/support/config_file.h"

namespace mv {

// The shredding methods' formulas and digit counts.

// Whether the settings can be stored: every digit count lies in 1..5. A formula is never
// refused: one that does not evaluate gives every combination the value 0.
bool ShreddingSettingsValid(const TShreddingSettings& settings);

// Puts new shredding settings in force: the registry takes them (the shredding methods get
// their new formulas in their names; codes, user names and favourites stay), the "SHREDDING"
// section of the configuration file is rewritten (status "Сохранение файла
// конфигурации..."), and the full-set comparison files of the methods whose formula or digit
// count changed count as stale from now on (FullSetFileStale), so they are counted again
// before they are used. Raises chSettings, also when saving fails.
//
// Returns false and changes nothing when the settings equal those in force. Throws EError
// "Некорректное количество знаков..." for a digit count outside 1..5 (nothing changes), and
// EError with ConfigWriteError when the file cannot be written (the new settings stay in
// force).
bool ChangeShreddingSettings(TWorkspace& ws, const TShreddingSettings& settings);

}  // namespace mv
