#pragma once
// lwtool pairings-view: what the pairings window draws, instance by instance.
#include "cli/commands.h"

namespace lw::cli {

int CommandPairingsView(Context& ctx, const CommandArgs& argv);

}  // namespace lw::cli
