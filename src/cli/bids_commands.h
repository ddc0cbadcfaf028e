#pragma once
// lwtool commands of the pairing filters and the bids window.
#include "cli/commands.h"

namespace lw::cli {

int CommandFilter(Context& ctx, const CommandArgs& argv);
int CommandBids(Context& ctx, const CommandArgs& argv);

}  // namespace lw::cli
