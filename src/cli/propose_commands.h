#pragma once
// lwtool commands that propose blocks and say why a member cannot take a pairing.
#include "cli/commands.h"

namespace lw::cli {

int CommandPropose(Context& ctx, const CommandArgs& argv);
int CommandWhy(Context& ctx, const CommandArgs& argv);

}  // namespace lw::cli
