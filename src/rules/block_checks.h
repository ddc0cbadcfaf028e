#pragma once
// Judging blocks: every rule a crew member's month is checked against after each change.
// The checks never refuse anything; they mark days (DayIllegal, DayWarning) and write the
// member's IllegalText and WarningText (and, for pilots, RuleLog).
#include <cstdint>
#include <string>

#include "model/document.h"

namespace lw::platform { class Interaction; }

namespace lw::rules {

// Re-checks one crew member's block. A captain-pairings line (employee number -1) is left alone.
// Any row of the table may be checked, the legality trial's scratch row included.
void CheckBlock(model::Document& doc, int crew);
// The two-captain check over the whole crew (captains' months).
void CheckTwoCaptains(model::Document& doc);
// Recomputes the member's credit total (CreditHours/CreditMinutes, the time-bank and ALB
// totals) and returns it less the leave credit.
int32_t ComputeCredit(model::Document& doc, int crew, bool includeExcluded);
// The same, telling the planner when the block names a pairing outside the table
// ("Pairing Number out of RANGE", once per computation); the form above writes it to the run log.
int32_t ComputeCredit(model::Document& doc, int crew, bool includeExcluded, platform::Interaction& ui);
// CheckBlock for every crew member.
void CheckAllBlocks(model::Document& doc);

// Time bank of the whole crew: each member's TimeBank plus the credit of their "TBB" days.
int32_t CrewTimeBank(const model::Document& doc);
// " TB %d:%02d", as the control bar shows it.
std::string CrewTimeBankText(const model::Document& doc);

}  // namespace lw::rules
