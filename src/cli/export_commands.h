#pragma once
#include "cli/commands.h"

namespace lw::cli {

// lwtool export KIND FILE ...: the month's hand-overs to outside systems.
int CommandExport(Context& ctx, const CommandArgs& argv);

}  // namespace lw::cli
