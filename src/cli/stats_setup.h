#pragma once

#include <optional>
#include <string>

#include "cli/cli_app.h"

namespace mv::cli {

// What the commands that analyse draws share.

// An integer option within low..high; anything else is a wrong command line (`what` names it).
int IntegerOption(const std::string& text, int low, int high, const char* what);

// The registry as the desktop program has it after start-up: the analysis settings of the
// configuration file (weights, matrix, channels, which also decide the indexed methods),
// the shredding formulas and the user's method names. A names file that cannot be read is
// reported and the class captions are used, as the desktop program does.
void LoadRegistry(TCliContext& context);

// The registry entry of a method code; EError "Метод расчета статистики ... на найден!".
int FindMethodOrFail(const TStatList& stats, const std::string& code);

// The value of --offset: 0 without it; a wrong command line unless a non-negative integer.
int OffsetOption(const std::optional<std::string>& offsetText);
// Reads the archive and hides its `offset` newest draws. Offset 0 always stands (an empty
// archive gives an empty table); others must leave at least one draw visible, as the offset
// field of the draws tab allows; anything else is a wrong command line.
void ReadArchiveWithOffset(TCliContext& context, int offset);

}  // namespace mv::cli
