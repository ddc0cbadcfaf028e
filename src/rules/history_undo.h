#pragma once
// Taking back the newest assignment or removal (F1), and the list of the month's transactions.
#include <string>
#include <string_view>
#include <vector>

#include "model/document.h"
#include "platform/interaction.h"
#include "rules/assignment.h"

namespace lw::rules {

enum class UndoOutcome {
    Empty,     // nothing to take back: a beep
    Undone,    // taken back; nothing of it is left in the history
    Refused,   // the engine could not take it back: "Unable to UNDO that Transaction", entry dropped
    Declined,  // the planner answered No to a question: nothing changed
};

// Undoes the newest transaction through the engine. fromMenu: the Undo menu command, which
// also traces "Undo" in the run log.
UndoOutcome Undo(model::Document& doc, Board& board, platform::Interaction& ui, bool fromMenu = false);

// The history dialog's text: "%s\t%d\t%02d/%02d/%04d\t%s+" per transaction, newest first.
std::string ListText(const model::Document& doc);

// A "+"-separated text as list lines (the history list, the duty rule results); the empty
// piece after a closing "+" is no line.
std::vector<std::string> SplitListText(std::string_view text);

}  // namespace lw::rules
