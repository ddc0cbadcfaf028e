#pragma once
#include "cli/commands.h"

namespace lw::cli {

// lwtool prefs: the planner's display and safety preferences as the desktop program reads them.
int CommandPrefs(Context& ctx, const CommandArgs& argv);

}  // namespace lw::cli
