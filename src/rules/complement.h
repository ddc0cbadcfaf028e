#pragma once
// Crew complement: pairing days that need a second captain (no first officer) or an extra
// flight attendant. The marks become pairing copies or "CAPT PAIRINGS" lines, so that open
// time, the legality checks and the assignment engine treat them like any other work.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/document.h"
#include "platform/interaction.h"
#include "rules/assignment.h"
#include "rules/build_blocks.h"

namespace lw::platform { class Profile; }

namespace lw::rules {

inline constexpr std::string_view kCaptPairingsName = "CAPT PAIRINGS";

// A line that holds pairings without an employee: left out of rule checks and dragging.
bool IsCaptPairingsLine(const model::TPilot& p);

// One operating day of a base pairing in the complement dialog.
struct ComplementLine {
    // " %c%04d   %-30s%03d%02d", then "%03d" with the holder's crew index when the day's copy
    // was assigned: pairing index at position 39, day index at 42, holder at 44.
    std::string text;
    int32_t pair = -1;    // base pairing index
    int32_t day = -1;     // day index
    int32_t holder = -1;  // crew row that held the day's copy, -1 when none
    bool operator==(const ComplementLine&) const = default;
};

struct ComplementDialog {
    std::string caption;  // "Change Crew Required for Pairings" / "Change FA Crew Required for Pairings"
    std::string note;     // what the planner is asked to select
    std::vector<ComplementLine> lines;
    std::vector<bool> selected;  // the days marked when the dialog opened, one per line
};

// Opens the dialog for the document's crew group: takes every mark, copy and emptied
// "CAPT PAIRINGS" line apart into dialog lines, freeing the days the copies' holders had.
ComplementDialog OpenCrewComplement(model::Document& doc);

// "Done": turns the selected lines (one flag per line of the dialog) into copies or
// "CAPT PAIRINGS" assignments and marks. Copies go after the loaded pairings while the
// pairing table has room; beyond that the planner is told and the rest are not made.
void CloseCrewComplement(model::Document& doc, Board& board, platform::Interaction& ui, const ComplementDialog& dialog,
                         const std::vector<bool>& selected);

// Puts back the two-captain marks the schedule file does not keep. Run after a schedule file
// is opened and before the viewer and company copies are written.
void FlagTwoCaptPairs(model::Document& doc);

// The dialog itself: shown the lines and the days marked so far, returns the selection
// (one flag per line).
using ComplementChooser = std::function<std::vector<bool>(const ComplementDialog&)>;

// "Change Pairing Crew Complement...": takes the blocks down, opens the dialog, lets the
// planner choose, closes it and builds the blocks again with the pairings and bids shown.
BuildOutcome ChangeCrewComplement(model::Document& doc, Board& board, platform::Interaction& ui,
                                  const platform::Profile& profile, const ComplementChooser& choose,
                                  const PairingWarningsReport& showWarnings = nullptr);

}  // namespace lw::rules
