#pragma once
#include "cli/commands.h"

namespace lw::cli {

// lwtool backup FILE --to DIR [--new-file] | --folders: the Backup command.
int CommandBackup(Context& ctx, const CommandArgs& argv);
// lwtool autosave-tick FILE --ticks N: the 30-second timer run N times over the open month.
int CommandAutosaveTick(Context& ctx, const CommandArgs& argv);

}  // namespace lw::cli
