#pragma once
// lwtool commands of the crew: the pairing crew complement, the roster and one member's
// employee information.
#include "cli/commands.h"

namespace lw::cli {

int CommandComplement(Context& ctx, const CommandArgs& argv);
int CommandRoster(Context& ctx, const CommandArgs& argv);
int CommandCrew(Context& ctx, const CommandArgs& argv);

}  // namespace lw::cli
