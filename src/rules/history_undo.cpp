#include "rules/history_undo.h"

#include <cstdio>

namespace lw::rules {

using model::Document;
using model::History;
using model::TAction;

namespace {

// A step of several assignments (a proposal) goes back whole: each of its assignments is
// sent back to open time, newest first.
UndoOutcome UndoGroup(Document& doc, Board& board, platform::Interaction& ui) {
    size_t left = doc.History.NewestStepSize();
    bool refused = false;
    for (; left > 0; --left) {
        const TAction action = doc.History[0];
        doc.History.DropNewest();
        const int result = action.Kind == History::kAssigned
                               ? RemovePair(doc, board, action.Crew, action.Pair, action.Day)
                               : AssignPair(doc, board, ui, action.Crew, action.Pair, action.Day, false);
        if (result == kAssignDone) doc.History.DropNewest();
        else refused = true;
    }
    if (!refused) return UndoOutcome::Undone;
    ui.Message("Unable to UNDO that Transaction", "Linewright", platform::Icon::None);
    doc.Modified = true;
    return UndoOutcome::Refused;
}

}  // namespace

UndoOutcome Undo(Document& doc, Board& board, platform::Interaction& ui, bool fromMenu) {
    if (fromMenu) doc.Log("Undo\n");
    if (doc.History.Empty()) {
        ui.Beep();
        return UndoOutcome::Empty;
    }
    if (doc.History.NewestStepSize() > 1) return UndoGroup(doc, board, ui);
    const TAction action = doc.History[0];
    const History before = doc.History;
    // Taken off first, so that the engine's own record of the reverse step never pushes the
    // oldest transaction out of a full history.
    doc.History.DropNewest();
    int result = kAssignDayTaken;
    bool declined = false;
    if (action.Kind == History::kAssigned) {
        result = RemovePair(doc, board, action.Crew, action.Pair, action.Day);
    } else if (action.Kind == History::kRemoved) {
        result = AssignPair(doc, board, ui, action.Crew, action.Pair, action.Day, false, &declined);
    }
    if (result == kAssignDone) {
        doc.History.DropNewest();
        return UndoOutcome::Undone;
    }
    if (declined) {
        doc.History = before;
        return UndoOutcome::Declined;
    }
    ui.Message("Unable to UNDO that Transaction", "Linewright", platform::Icon::None);
    doc.Modified = true;  // the history is saved with the month
    return UndoOutcome::Refused;
}

std::string ListText(const Document& doc) {
    std::string text;
    char line[256];
    for (const TAction& a : doc.History.Actions()) {
        const int32_t number =
            a.Pair >= 0 && a.Pair < model::kPairSlots ? doc.Pairings[static_cast<size_t>(a.Pair)].PairNumber : 0;
        const base::CalendarDate date =
            a.Day >= 0 && a.Day < model::kDayCells ? doc.DayDate[static_cast<size_t>(a.Day)] : base::CalendarDate{};
        std::snprintf(line, sizeof line, "%s\t%d\t%02d/%02d/%04d\t", a.Kind == History::kAssigned ? "Assign" : "Remove",
                      number, date.day, date.month, date.year);
        text += line;
        if (a.Crew >= 0 && a.Crew < model::kCrewRows) text += doc.Crew[static_cast<size_t>(a.Crew)].Name;
        text += '+';
    }
    return text;
}

std::vector<std::string> SplitListText(std::string_view text) {
    std::vector<std::string> lines;
    size_t from = 0;
    while (from < text.size()) {
        const size_t plus = text.find('+', from);
        if (plus == std::string_view::npos) {
            lines.emplace_back(text.substr(from));
            break;
        }
        lines.emplace_back(text.substr(from, plus - from));
        from = plus + 1;
    }
    return lines;
}

}  // namespace lw::rules
