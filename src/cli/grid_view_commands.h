#pragma once
// lwtool grid-view: the rows the block grid shows under the view filters and the search.
#include "cli/commands.h"

namespace lw::cli {

int CommandGridView(Context& ctx, const CommandArgs& argv);

}  // namespace lw::cli
