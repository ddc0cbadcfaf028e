#include "rules/build_blocks.h"

#include <string>

#include "platform/profile.h"
#include "rules/block_checks.h"
#include "rules/complement.h"

namespace lw::rules {

namespace {

using model::Document;

constexpr const char* kSection = "LW";
constexpr int32_t kGridDayColumns = model::kDayCells;
constexpr int32_t kGridSpareRows = 10;

struct ViewKey {
    const char* key;
    bool ViewSettings::*field;
    bool fallback;
};
constexpr ViewKey kViewKeys[] = {
    {"HideLeaveBlocks", &ViewSettings::HideLeaveBlocks, false},
    {"HideBlockHolders", &ViewSettings::HideBlockHolders, false},
    {"HideCompleted", &ViewSettings::HideCompleted, false},
    {"HideCheckPilots", &ViewSettings::HideCheckPilots, false},
    {"ShowBlockHolders", &ViewSettings::ShowBlockHolders, false},
    {"ShowCCP", &ViewSettings::ShowCCP, false},
    {"ShowLTC", &ViewSettings::ShowLTC, false},
    {"FilterSearch", &ViewSettings::FilterSearch, false},
    {"NameCheck", &ViewSettings::NameCheck, true},
    {"EmpNumCheck", &ViewSettings::EmpNumCheck, true},
    {"PairCheck", &ViewSettings::PairCheck, true},
    {"BidCheck", &ViewSettings::BidCheck, true},
};

int PairCount(const Document& doc) {
    const int count = doc.LastPairIndex + 1;
    return count < 0 ? 0 : (count > model::kPairSlots ? model::kPairSlots : count);
}

int MonthDays(const Document& doc) {
    return doc.DayCount < 0 ? 0 : (doc.DayCount > model::kMonthDays ? model::kMonthDays : doc.DayCount);
}

// Index of the first pairing that fails validation, -1 when all pass.
int FirstInvalidPairing(Document& doc) {
    int first = -1;
    for (int i = 0; i < PairCount(doc); ++i)
        if (!doc.Pairings[static_cast<size_t>(i)].Validate(doc.DayCount) && first < 0) first = i;
    return first;
}

// The block checks of every member, with the long-leave marks and the two-captain notes.
void CheckEveryBlock(Document& doc) {
    for (int c = 0; c < doc.CrewCount && c < model::kCrewRows; ++c) {
        CheckBlock(doc, c);
        doc.Crew[static_cast<size_t>(c)].UpdateLongLeave(doc.DayCount);
    }
    if (doc.CrewGroup == model::kCaptains) CheckTwoCaptains(doc);
}

}  // namespace

ViewSettings ReadViewSettings(const platform::Profile& profile) {
    ViewSettings v;
    for (const ViewKey& k : kViewKeys) v.*k.field = profile.GetInt(kSection, k.key, k.fallback ? 1 : 0) != 0;
    return v;
}

bool WriteViewSettings(const ViewSettings& v, platform::Profile& profile) {
    bool written = true;
    for (const ViewKey& k : kViewKeys) written = profile.WriteInt(kSection, k.key, v.*k.field ? 1 : 0) && written;
    return written;
}

bool RepairAssignments(Document& doc, platform::Interaction& ui) {
    const int pairs = PairCount(doc);
    const int days = MonthDays(doc);
    // Who holds what is decided again from the blocks, most senior first.
    for (int i = 0; i < pairs; ++i) {
        model::MonthArray& status = doc.Pairings[static_cast<size_t>(i)].DayStatus;
        for (int d = 0; d < days; ++d) {
            int32_t& s = status[static_cast<size_t>(d)];
            if (s == 2) s = 1;
            else if (s == -2) s = -1;
        }
    }

    std::string notes;
    for (int c = 0; c < doc.CrewCount && c < model::kCrewRows; ++c) {
        model::TPilot& p = doc.Crew[static_cast<size_t>(c)];
        for (int d = 0; d < days; ++d) {
            int32_t& cell = p.DayAssignment[static_cast<size_t>(d)];
            if (cell < model::kDayActivity || cell > doc.LastPairIndex || cell >= model::kPairSlots) {
                cell = model::kDayEmpty;
                p.DayLocked[static_cast<size_t>(d)] = 0;
                notes += "Error 100 Emp " + p.Name + " ";
                continue;
            }
            if (cell < 0) continue;
            model::TPair& q = doc.Pairings[static_cast<size_t>(cell)];
            if (q.IsOpen(d)) {
                q.TakeInstance(d);
                continue;
            }
            // Not operating that day, or a more senior member already holds it.
            cell = model::kDayEmpty;
            p.DayLocked[static_cast<size_t>(d)] = 0;
            notes += "Error 101 Emp " + p.Name + " Day " + std::to_string(doc.DayDate[static_cast<size_t>(d)].day);
        }
    }
    if (notes.empty()) return false;
    doc.Modified = true;
    ui.Message(notes + " Errors Corrected OK to proceed", "Linewright", platform::Icon::Information);
    return true;
}

BuildOutcome BuildBlocks(Document& doc, Board& board, platform::Interaction& ui, const platform::Profile& profile,
                         const BuildOptions& options, const PairingWarningsReport& showWarnings) {
    BuildOutcome outcome;
    if (doc.BlocksBuilt) {
        outcome.built = true;
        return outcome;
    }
    doc.Log("BuildBlocksBegin\n");
    RepairAssignments(doc, ui);

    int invalid = FirstInvalidPairing(doc);
    if (invalid >= 0) {
        if (showWarnings) showWarnings(doc, ui);
        invalid = FirstInvalidPairing(doc);
        if (invalid >= 0 &&
            ui.Ask("Not all Pairings are Valid. Do you want to edit the pairings to correct the errors as noted.",
                   "Linewright", platform::Buttons::YesNo, platform::Icon::Question) == platform::Answer::Yes) {
            outcome.editPair = invalid;
            return outcome;
        }
    }

    board.Selected = {};
    board.LastAssigned = {};
    for (int c = 0; c < doc.CrewCount && c < model::kCrewRows; ++c) ComputeCredit(doc, c, false, ui);

    doc.BlocksBuilt = 1;
    const int32_t cutoff = ComputeReserveCutoff(doc);

    if (!doc.SetupDaylightSaving())
        ui.Message(
            "Problem occured in Setting up Daylight Savings Time Data. Please contact support. You may continue to "
            "Build Blocks",
            "Linewright", platform::Icon::Information);

    CheckEveryBlock(doc);
    outcome = BuiltBlocksView(doc, board, profile, options);
    outcome.reserveCutoff = cutoff;
    doc.Log("BuildBlocksEnd\n");
    return outcome;
}

void AfterOpeningMonth(Document& doc) {
    FlagTwoCaptPairs(doc);
    if (!doc.BlocksBuilt) return;
    // A month without its change day was built without one; the build has said so already.
    doc.SetupDaylightSaving();
    ComputeReserveCutoff(doc);
    CheckEveryBlock(doc);
}

BuildOutcome BuiltBlocksView(const Document& doc, Board& board, const platform::Profile& profile,
                             const BuildOptions& options) {
    BuildOutcome outcome;
    if (!doc.BlocksBuilt) return outcome;
    outcome.built = true;
    outcome.gridColumns = kGridDayColumns;
    outcome.gridRows = doc.CrewCount + kGridSpareRows;
    board.OpenTime = OpenTimeTotal(doc);
    outcome.showPairings = options.showPairings;
    outcome.showBids = options.showBids;
    outcome.showToolbox = options.showToolbox && !doc.IsFlightAttendants();
    outcome.view = ReadViewSettings(profile);
    return outcome;
}

void TakeDownBlocks(Document& doc, Board& board) {
    doc.BlocksBuilt = 0;
    board.Selected = {};
    board.LastAssigned = {};
}

}  // namespace lw::rules
