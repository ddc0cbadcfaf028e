#pragma once
// Proposing blocks: filling the open time with legal placements, senior members' bids first,
// every member brought inside the credit range where the open time allows. A proposal is
// worked out on a copy of the month and only says what it would do; applying it goes through
// the assignment engine as one undoable step.
#include <cstdint>
#include <string>
#include <vector>

#include "model/document.h"
#include "platform/interaction.h"
#include "rules/assignment.h"

namespace lw::rules {

enum class ProposeStrategy {
    Best,      // bids by seniority, then up to the minimum, then up to the maximum; never worse than FirstFit
    FirstFit,  // roster order, each member takes the first legal open instance until the minimum
};

struct ProposeOptions {
    ProposeStrategy strategy = ProposeStrategy::Best;
    std::vector<int> rows;  // crew table indexes to fill; empty = every member
    double seconds = 0;     // Best only: time for exchanges between members after the passes
};

struct Placement {
    int32_t crew = -1;
    int32_t pair = -1;
    int32_t day = -1;
    bool bid = false;  // the pairing is one the member asked for
    bool operator==(const Placement&) const = default;
};

struct ReasonCount {
    std::string reason;
    int32_t members = 0;
    bool operator==(const ReasonCount&) const = default;
};

// An instance the proposal leaves open, with how many members each reason kept away.
struct LeftOpen {
    int32_t pair = -1;
    int32_t day = -1;
    int32_t credit = 0;
    std::vector<ReasonCount> reasons;  // most members first
};

struct ProposalFigures {
    int32_t openBefore = 0;      // open time, minutes of credit
    int32_t openAfter = 0;
    int32_t members = 0;         // members the proposal may fill
    int32_t inRangeBefore = 0;   // of them, inside their credit range
    int32_t inRangeAfter = 0;
    int32_t bidsGranted = 0;     // placements of pairings the member asked for
    bool operator==(const ProposalFigures&) const = default;
};

struct Proposal {
    ProposeStrategy used = ProposeStrategy::FirstFit;  // Best falls back to FirstFit when it does not dominate
    bool cancelled = false;
    std::vector<Placement> placements;  // in the order they are applied
    std::vector<LeftOpen> leftOpen;
    ProposalFigures figures;
};

// Works out a proposal for the month; the document is not changed. Progress is reported and
// a cancel gives an empty proposal marked cancelled.
Proposal Propose(const model::Document& doc, const ProposeOptions& options, platform::Interaction& ui);

// The members a proposal may fill: crew with an employee number, neither bidding reserve nor
// on a reserve line nor marked complete, among rows when rows are given.
std::vector<int> ProposableMembers(const model::Document& doc, const std::vector<int>& rows);
// The member asked for the pairing: a pilot's bid requests, or the member's saved filter
// (its picked numbers and its text filter).
bool IsBidPairing(const model::Document& doc, int crew, const model::TPair& q);
// Inside the member's credit range (own minimum and maximum, or the month's).
bool InsideCreditRange(const model::Document& doc, const model::TPilot& p);

struct ApplyOutcome {
    int32_t applied = 0;
    int32_t refused = 0;  // placements the engine would not take (the month changed meanwhile)
};
// Puts the proposal into the blocks through AssignPair with every check on, recorded as one
// step that a single Undo takes back.
ApplyOutcome ApplyProposal(model::Document& doc, Board& board, platform::Interaction& ui, const Proposal& proposal);

// The summary the planner reviews: open time before and after, members inside the credit
// range, bids granted by seniority.
std::vector<std::string> ProposalSummary(const model::Document& doc, const Proposal& proposal);
// One line per placement: "%03d %s  %c%04d on %02d" and " (bid)" for a granted bid.
std::vector<std::string> PlacementLines(const model::Document& doc, const Proposal& proposal);
// One line per instance left open with its reasons and member counts.
std::vector<std::string> LeftOpenLines(const model::Document& doc, const Proposal& proposal);

}  // namespace lw::rules
