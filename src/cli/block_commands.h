#pragma once
// lwtool commands that work blocks: assign, remove, undo, check, report, rules, activity,
// request, clear-day and lock.
#include "cli/commands.h"

namespace lw::cli {

int CommandAssign(Context& ctx, const CommandArgs& argv);
int CommandRemove(Context& ctx, const CommandArgs& argv);
int CommandUndo(Context& ctx, const CommandArgs& argv);
int CommandCheck(Context& ctx, const CommandArgs& argv);
int CommandReport(Context& ctx, const CommandArgs& argv);
int CommandRules(Context& ctx, const CommandArgs& argv);
int CommandActivity(Context& ctx, const CommandArgs& argv);
int CommandRequest(Context& ctx, const CommandArgs& argv);
int CommandClearDay(Context& ctx, const CommandArgs& argv);
int CommandLock(Context& ctx, const CommandArgs& argv);

}  // namespace lw::cli
