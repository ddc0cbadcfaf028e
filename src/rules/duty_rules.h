#pragma once
// The pilots' rolling duty rules (60 or 70 hours in 7 days, local night rests, 12-hour duties,
// early and late duties, 24 in 48) with their day-by-day evidence.
#include "model/document.h"

namespace lw::rules {

// Fills the member's RuleWindow and RuleLog; on a failure also IllegalText and DayIllegal.
// Returns true when every rule holds.
bool CheckDutyRules(model::Document& doc, int crew);

}  // namespace lw::rules
