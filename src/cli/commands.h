#pragma once
#include <string>
#include <vector>

#include "cli/context.h"

namespace lw::cli {

using CommandArgs = std::vector<std::string>;

int CommandNew(Context& ctx, const CommandArgs& argv);
int CommandInfo(Context& ctx, const CommandArgs& argv);
int CommandDump(Context& ctx, const CommandArgs& argv);
int CommandSave(Context& ctx, const CommandArgs& argv);
int CommandToolbox(Context& ctx, const CommandArgs& argv);
int CommandImport(Context& ctx, const CommandArgs& argv);
int CommandMonth(Context& ctx, const CommandArgs& argv);
int CommandNotes(Context& ctx, const CommandArgs& argv);

}  // namespace lw::cli
