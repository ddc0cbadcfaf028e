#pragma once
// lwtool pair-edit: the pairing editor in edit mode for one pairing.
#include "cli/commands.h"

namespace lw::cli {

int CommandPairEdit(Context& ctx, const CommandArgs& argv);

}  // namespace lw::cli
