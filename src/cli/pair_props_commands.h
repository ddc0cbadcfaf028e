#pragma once
// lwtool pair-props: "Set Pairing Properties" for one pairing on one day of operation.
#include "cli/commands.h"

namespace lw::cli {

int CommandPairProps(Context& ctx, const CommandArgs& argv);

}  // namespace lw::cli
