#pragma once
// Working the board pairing by pairing: a click in the pairings window selects a pairing and
// shows its key figures; a double click lists who may legally take it and who bid it.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/document.h"
#include "platform/interaction.h"
#include "rules/assignment.h"
#include "rules/pairings_layout.h"

namespace lw::rules {

enum class PickKind {
    Nothing,    // no pairing under the click
    Selected,   // an open instance is now selected for assignment
    Described,  // a taken instance: only its holder is told
    OpenText,   // a second click: open the pairing text window for pair and day
};
struct PickOutcome {
    PickKind kind = PickKind::Nothing;
    std::string status;  // the pairings window's status text; empty when it does not change
    int32_t pair = -1;
    int32_t day = -1;
    bool stopPainting = false;  // the toolbox painting mode must be switched off
};

// Left click on the open-time grid of the pairings window (day = column 0..30, row).
PickOutcome SelectPairing(model::Document& doc, Board& board, const PairingsLayout& layout, int day, int row);
// "st" "nd" "rd" "th" for a day of the month.
std::string DaySuffix(int dayOfMonth);

struct WhosLegalLists {
    std::string caption;               // "Linewright - %04d on %02d %s"
    std::vector<std::string> legal;    // "Who Is Legal"
    std::vector<std::string> bidders;  // "Who Bid this Pairing Number"
};
// Empty lists and caption when the pairing or day is out of range.
WhosLegalLists WhosLegal(model::Document& doc, int pair, int day);
// "Assign..." with the selected line of "Who Is Legal" (empty = none selected). Returns true when the dialog closes.
bool AssignFromWhosLegal(model::Document& doc, Board& board, platform::Interaction& ui, std::string_view selectedLine,
                         int pair, int day);

}  // namespace lw::rules
