#pragma once
// lwtool commands of the block build and the pairings window: build, select-pairing and
// whos-legal.
#include "cli/commands.h"

namespace lw::cli {

int CommandBuild(Context& ctx, const CommandArgs& argv);
int CommandSelectPairing(Context& ctx, const CommandArgs& argv);
int CommandWhosLegal(Context& ctx, const CommandArgs& argv);

}  // namespace lw::cli
