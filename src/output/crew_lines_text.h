#pragma once
// The crew lines: every block as a fixed-pitch text, five lines side by side under a ruler of
// the month's days, for pasting into a word processor.
#include <string>

#include "model/document.h"
#include "platform/interaction.h"

namespace lw::output {

// The whole text, lines ending in CR LF (the header keeps its own LF before the CR LF).
std::string CrewLinesText(const model::Document& doc);

// Days of the month the member is free: no pairing covering the day, no activity, no work
// carried in from last month.
int DaysOffInMonth(const model::Document& doc, const model::TPilot& p);

// "Crew lines to the clipboard": places the text and tells the planner where it went.
void CopyCrewLines(const model::Document& doc, platform::Interaction& ui);

}  // namespace lw::output
