#pragma once
// The assignment engine: the only road by which a pairing enters or leaves a crew member's
// block. It refuses what breaks a hard limit, asks the planner about the soft ones, records
// the transaction and brings the checks and totals of the board up to date.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/document.h"
#include "platform/interaction.h"

namespace lw::rules {

// Result codes of AssignPair and RemovePair.
enum AssignResult : int {
    kAssignDone = 0,
    // AssignPair: day not free, rest below the minimum, or No to a rest or French question.
    // RemovePair: that pairing does not start on the day.
    kAssignDayTaken = 1,
    kAssignNotOperating = 2,
    // AssignPair: already assigned that day. RemovePair: open that day.
    kAssignAlreadyTaken = 3,
    kAssignCrewOutOfRange = 4,
    kAssignPairOutOfRange = 5,
    kAssignReserveDeclined = 6,
};

// Results of TrialAssign.
enum TrialResult : int {
    kTrialRefused = 0,
    kTrialLegal = 1,
    kTrialException = 2,  // legal as to rest, but the block gains illegal days
};

// What the who's-legal dialog says about a result; empty for 0 and 6.
std::string_view AssignResultMessage(int result);

// One pairing instance as the pairings window knows it: the pairing index and its place
// (day column, row) in the open-time grid; -1 where unknown.
struct PairingPick {
    int32_t pair = -1;
    int32_t day = -1;
    int32_t row = -1;
    bool operator==(const PairingPick&) const = default;
};

// What the engine keeps beside the document while the planner works the board; not saved.
struct Board {
    PairingPick Selected;      // SelectedPair: chosen for assignment by click
    PairingPick LastAssigned;  // LastAssignedPair: lets the pairings window show where it went
    bool IncludeExcludedCredit = false;  // the main window's credit mode
    int32_t OpenTime = 0;      // open-time total for the status bar, minutes
};

// Puts pair on the crew member's day. skipChecks (Shift held) skips the rest checks and
// every question but the reserve one. declined, when given, tells whether a No to a
// question caused the refusal.
int AssignPair(model::Document& doc, Board& board, platform::Interaction& ui, int crew, int pair, int day,
               bool skipChecks, bool* declined = nullptr);

// How a pairing leaves a block. The planner's right-click is logged as such, keeps the pairing
// chosen in the pairings window, and also clears a day that disagrees with the pairing table.
struct RemoveHow {
    bool rightClick = false;
};

// Sends the pairing that starts on the crew member's day back to open time.
int RemovePair(model::Document& doc, Board& board, int crew, int pair, int day, RemoveHow how = {});

// Puts back on the crew member's day a pairing that a failed move took off it: no checks, no
// questions, nothing recorded; the blocks are judged again.
void PutBackPair(model::Document& doc, Board& board, int crew, int pair, int day);

// Whether the crew member could take the pairing on the day; changes nothing.
int TrialAssign(model::Document& doc, int crew, int pair, int day);

// The rest the engine judges before putting the pairing on the day (the checks AssignPair
// runs unless Shift is held).
struct RestJudgement {
    bool shortBefore = false;  // below the hard minimum after the work before
    bool shortAfter = false;   // below the hard minimum before the work after
    std::string before;        // " %d:%02d Crew Rest Before " when the planner would be asked
    std::string after;         // " %d:%02d Crew Rest After "
    bool Refused() const { return shortBefore || shortAfter; }
    bool Asks() const { return !before.empty() || !after.empty(); }
};
RestJudgement JudgeAssignRest(const model::Document& doc, int crew, int pair, int day);
// The trial's walk over the whole block with the pairing on the day: every piece of work
// starts after the rest of the one before.
bool TrialRestWalkHolds(const model::Document& doc, int crew, int pair, int day);
// Days flagged illegal in the member's block, days 0 to DayCount + 5, as the trial counts them.
int CountFlaggedDays(const model::Document& doc, const model::TPilot& p);

// The pairing index starting on the crew member's day, -1 when none or out of range.
int32_t PairOnDay(const model::Document& doc, int crew, int day);

// ---- the French cabin rule (flight attendants)
struct FrenchCabinCheck {
    bool passes = true;
    int reference = -1;        // the member the question names
    std::vector<int> holders;  // crew rows holding another cabin position of the trip that day
};
// Judges the candidate against the other cabin positions of the trip on the day.
FrenchCabinCheck JudgeFrenchCabin(const model::Document& doc, int crew, int pair, int day);
// The question asked when the rule fails.
std::string FrenchCabinQuestion(const model::Document& doc, int crew, const FrenchCabinCheck& check);
// Crew rows holding another cabin position of the trip on the day.
std::vector<int> CabinSiblingHolders(const model::Document& doc, int pair, int day);

// ---- totals kept up to date after every change
// Everything that must follow a change to the crew member's block: the block check, the
// two-captain check, re-checks of flight attendants whose results went stale, the credit
// total, the reserve cut-off and the open-time total.
void RecheckAfterChange(model::Document& doc, Board& board, int crew);

// Sets ReserveLine below the reserve cut-off; returns the cut-off (roster index of the
// last member expected to hold a full line).
int ComputeReserveCutoff(model::Document& doc);

// Credit of the pairing's instance starting on day that falls inside the month: the whole
// TotalCredit, or the daily credits up to the month's last day when it runs past it.
int32_t InstanceCredit(const model::Document& doc, const model::TPair& q, int day);
// Credit of every open pairing instance inside the month, minutes.
int32_t OpenTimeTotal(const model::Document& doc);
// "%04d:%02d" of the open-time total, as the status bar shows it.
std::string OpenTimeText(int32_t minutes);

}  // namespace lw::rules
