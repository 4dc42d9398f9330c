#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "engine/core/messages.h"
#include "engine/support/operation_log.h"

namespace mv {

class TWorkspace;

// The execution logs of scenario runs: "ScriptLog_<yyyy-mm-dd-hh-nn-ss>.txt" in the data folder.
inline constexpr const char* ScriptLogMask = "ScriptLog_*.txt";
inline constexpr TMsgText NoScriptLogsMessage{TMsg::NoScriptLogsMessage};

// Claims a new log file for a run started at `stamp` by creating it empty: the plain name
// "ScriptLog_<stamp>.txt" when it is free, otherwise "ScriptLog_<stamp>_2.txt", "_3", ... so
// that a run never writes into the log of an earlier run started within the same second.
// When the folder cannot take a file, returns the plain name (the first write reports the
// error).
std::filesystem::path ClaimScriptLogFile(const std::filesystem::path& folder,
                                         const std::string& stamp);

// "Удалить журналы выполнения сценариев": std::nullopt when the data folder holds no
// execution log (the caller shows NoScriptLogsMessage); otherwise status "Поиск файлов
// журналов..." and the deletion of every log as a logged file operation, whose result the
// caller shows (an information box when it completed, a warning otherwise).
std::optional<TOperation> LogsDelete(TWorkspace& ws);

}  // namespace mv
