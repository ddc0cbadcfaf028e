#pragma once
#include "cli/commands.h"

namespace lw::cli {

// lwtool print blocks|pairings FILE -o OUT.pdf [--crew ROWS] [--page-size A4|Letter]
int CommandPrint(Context& ctx, const CommandArgs& argv);

}  // namespace lw::cli
