#pragma once
// The desk calculator the planner reaches from the menus.
#include <string>

#include "platform/interaction.h"

namespace lw::ui {

// Starts the first desk calculator found; tells the planner when there is none.
void StartCalculator(platform::Interaction& ui);

}  // namespace lw::ui
