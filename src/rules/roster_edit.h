#pragma once
// Roster editing: inserting, deleting and reordering crew members. A member moves with the
// whole block; the history names crew rows, so it is cleared on every change of order.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/document.h"
#include "platform/interaction.h"
#include "rules/build_blocks.h"

namespace lw::platform { class Profile; }

namespace lw::rules {

// Crew members the roster holds: the table's last row is the legality trial's scratch copy.
inline constexpr int kMostCrewMembers = model::kCrewRows - 1;

// A row of the roster that holds a crew member (or a "CAPT PAIRINGS" line).
inline bool IsRosterRow(const model::Document& doc, int row) {
    return row >= 0 && row < doc.CrewCount && row < kMostCrewMembers;
}

// One listed crew member; "CAPT PAIRINGS" lines are never listed.
struct RosterLine {
    int32_t row = -1;  // crew table index
    std::string text;
    bool operator==(const RosterLine&) const = default;
};

// The roster dialog's list: "%03d   %s   %ld" (position, name, employee number).
std::vector<RosterLine> RosterLines(const model::Document& doc);

// The employee number typed in a field: blanks, an optional sign and digits. nullopt when the
// text is anything else or lies beyond the 32-bit range.
std::optional<int32_t> ReadEmployeeNumber(std::string_view text);

enum class RosterField { Index, Name, EmployeeNumber };

struct InsertOutcome {
    bool inserted = false;
    RosterField focus = RosterField::Index;  // where the planner types next
    bool operator==(const InsertOutcome&) const = default;
};

// "Insert Employee" with the three fields as typed: position (1 to one past the listed
// members), name (1 to 20 characters), employee number (0, or one nobody holds). A refusal
// says why (caption "Oops") and names the field to correct.
InsertOutcome InsertEmployee(model::Document& doc, platform::Interaction& ui, std::string_view indexText,
                             std::string_view nameText, std::string_view employeeText);

// "Delete Selected Employee" (row = the selected member, nullopt when none). The member's
// pairings go back to open time, keeping their two-captain marks. False when refused.
bool DeleteEmployee(model::Document& doc, platform::Interaction& ui, std::optional<int> row);

// The status line while a roster line is dragged over a position (1-based): "MOVE %s TO POSITION %03d".
std::string DragStatusText(const model::Document& doc, int row, int position);
// A roster line dropped on another position (1-based). Returns the status line
// "%s MOVED TO POSITION %03d", or nullopt when nothing moved ("CAPT PAIRINGS" line, same place).
std::optional<std::string> DropRosterLine(model::Document& doc, int row, int position);

// The move dialog opened on a member's name in the block grid.
struct MoveDialogContent {
    std::string caption;             // "Linewright Move Employee on Roster"
    std::string prompt;              // "Select Position to Move %s to."
    std::vector<RosterLine> lines;   // "%03d %s"
};
MoveDialogContent MoveDialogFor(const model::Document& doc, int row);
// OK of the move dialog with the chosen table index. Moves the member there, recomputes the
// reserve cut-off and clears the history. False when nothing moved.
bool MoveOnRoster(model::Document& doc, int row, int newIndex);

// "Roster...": takes the blocks down, runs the dialog (edit), and builds them again when
// they had been built. nullopt when the blocks were not built before.
std::optional<BuildOutcome> EditRoster(model::Document& doc, Board& board, platform::Interaction& ui,
                                       const platform::Profile& profile, const std::function<void()>& edit,
                                       const PairingWarningsReport& showWarnings = nullptr);

}  // namespace lw::rules
