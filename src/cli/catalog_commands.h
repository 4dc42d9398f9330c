#pragma once

#include "cli/cli_app.h"

namespace mv::cli {

// The systems catalog's commands, listed in the "systems" group.
int SystemsCatalog(TCliContext& context, TArgs& args);
int SystemsGet(TCliContext& context, TArgs& args);

}  // namespace mv::cli
