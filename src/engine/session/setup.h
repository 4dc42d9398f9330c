#pragma once

#include <optional>
#include <string>

#include "engine/session/workspace.h"
#include "engine/stats/stat_table.h"

namespace mv {

// The set-up the desktop program and the command line share, so that both analyse draws with
// the same registry and the same request.

// The analysis settings of the configuration file: the generation defaults, the
// configuration (weights, matrix columns, channel size, which also decide the indexed
// methods) and the shredding formulas; the weights are kept as the backup that filter items
// with their own weights restore. Throws EError when the file cannot be read. Raises
// chSettings.
void LoadAnalysisSettings(TWorkspace& ws);

// Builds the method list for the settings in force and applies the names file (the user's
// method names and the favourites with their display options). Returns the message to show
// when the names file could not be read; the class captions are used then.
std::optional<std::string> LoadMethodRegistry(TWorkspace& ws);

// The statistics request for a method over the window of `windowLength` draws ending at the
// latest visible draw, with the workspace's sorting.
TStatTableRequest StatRequest(const TWorkspace& ws, int methodIndex, int windowLength);

}  // namespace mv
