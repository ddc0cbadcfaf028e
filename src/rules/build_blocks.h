#pragma once
// Build Blocks: turns a loaded month into a working board. Validates the pairings, repairs
// assignments that disagree with the pairing table, computes credit, legality and the reserve
// cut-off, and tells the windows what to show.
#include <cstdint>
#include <functional>

#include "model/document.h"
#include "platform/interaction.h"
#include "rules/assignment.h"

namespace lw::platform { class Profile; }

namespace lw::rules {

// The block window's view settings (INI section "LW").
struct ViewSettings {
    bool HideLeaveBlocks = false, HideBlockHolders = false, HideCompleted = false, HideCheckPilots = false,
         ShowBlockHolders = false, ShowCCP = false, ShowLTC = false, FilterSearch = false, NameCheck = true,
         EmpNumCheck = true, PairCheck = true, BidCheck = true;
    bool operator==(const ViewSettings&) const = default;
};
ViewSettings ReadViewSettings(const platform::Profile& profile);
// False when the INI file could not be written.
bool WriteViewSettings(const ViewSettings& v, platform::Profile& profile);

struct BuildOptions {
    bool showPairings = true, showBids = true, showToolbox = true;
};

struct BuildOutcome {
    bool built = false;          // BlocksBuilt now set (also true when it was already built)
    int32_t editPair = -1;       // Yes to the invalid-pairings question: open the pairing editor here
    bool showPairings = false, showBids = false, showToolbox = false;  // what the windows should do
    ViewSettings view;
    int32_t gridColumns = 0;     // block grid size: 62 day columns, CrewCount + 10 rows
    int32_t gridRows = 0;
    int32_t reserveCutoff = -1;
};

// Sets every assignment straight with the pairing table; the notes are shown through ui.
// Returns whether anything was repaired.
bool RepairAssignments(model::Document& doc, platform::Interaction& ui);
// Shows the pairing warnings report; the caller passes the output layer's report in.
using PairingWarningsReport = std::function<void(model::Document&, platform::Interaction&)>;
// When a pairing is invalid, showWarnings (if given) runs before the planner is asked whether to
// edit the pairings.
BuildOutcome BuildBlocks(model::Document& doc, Board& board, platform::Interaction& ui,
                         const platform::Profile& profile, const BuildOptions& options,
                         const PairingWarningsReport& showWarnings = nullptr);
// What a month file does not keep, worked out again once it is open; every reader of a month
// file calls it. Always the two-captain marks; for a month whose blocks are built also the
// clock change, the reserve cut-off, every block's checks (illegal and warned days, their
// texts, the duty rule log) and who is on long leave. Leaves the Modified mark alone.
void AfterOpeningMonth(model::Document& doc);
// The block window of a month whose blocks are built, as BuildBlocks leaves it: which windows
// show, the view settings, the grid size and the open time (not the cut-off, which BuildBlocks
// reports); built false when they are not built.
BuildOutcome BuiltBlocksView(const model::Document& doc, Board& board, const platform::Profile& profile,
                             const BuildOptions& options);
// Takes the blocks down as the complement and roster commands do (clears BlocksBuilt; the UI hides its windows
// and saves its view settings itself).
void TakeDownBlocks(model::Document& doc, Board& board);

}  // namespace lw::rules
