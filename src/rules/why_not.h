#pragma once
// Why a crew member cannot take a pairing instance: each reason in the words of the check
// that stands in the way, so the planner sees what to change (a day off, a rest, the range).
#include <array>
#include <string>
#include <vector>

#include "model/document.h"

namespace lw::rules {

enum class WhyKind {
    PseudoLine,     // a line without an employee ("CAPT PAIRINGS")
    BidsReserve,    // the member bids reserve or is on leave
    ReserveLine,    // below the reserve cut-off
    BlockComplete,  // the planner marked the block complete
    NotOperating,   // the pairing does not operate that day
    AlreadyTaken,   // someone holds the instance
    NotFree,        // a day the pairing covers already holds work
    Locked,         // a day the pairing covers is locked
    DayOffRequest,  // a day the pairing covers carries a day-off request
    RestBefore,     // below the hard minimum after the work before
    RestAfter,      // below the hard minimum before the work after
    RestWalk,       // the trial's rest walk over the whole block fails
    ShortRest,      // legal, but the engine would ask the planner about a short rest
    French,         // no French cabin member on the trip
    TwoCaptains,    // both captains of a two-captain day are 65+ (or both Med)
    BlockCheck,     // the block check flags a day that was not flagged before
    OverMaximum,    // the block would go over the maximum credit
};

struct WhyReason {
    WhyKind kind = WhyKind::BlockCheck;
    std::string text;  // "rest before", "60h/7d 2LNR Rules: FAIL 60HR/7D", "block over the maximum" ...
    bool operator==(const WhyReason&) const = default;
};

// The days the member asked off: day-off request marks on the block and, for pilots, the
// days off their bid requests name (every day of the month with that day of month).
using DayMarks = std::array<bool, model::kDayCells>;
DayMarks DaysAskedOff(const model::Document& doc, int crew);

struct WhyNotOptions {
    bool stopAtFirst = false;   // the first reason found is enough (counting over many members)
    bool creditRange = true;    // a block pushed over its maximum counts as a reason
    bool shortRestRefuses = true;  // a rest the engine would ask about counts as a reason
    const DayMarks* daysOff = nullptr;  // DaysAskedOff of the member when already at hand
};

// Every reason the member cannot take the pairing on the day; empty when nothing stands in
// the way. The document is used as a scratch pad and left as it was found.
std::vector<WhyReason> WhyNot(model::Document& doc, int crew, int pair, int day, const WhyNotOptions& options = {});

// The days a pairing starting on day covers: its first day through the day of its release.
int LastCoveredDay(const model::TPair& q, int day);

// Both captains of a two-captain day would carry the same age or medical limit: the finding
// text, or empty.
std::string TwoCaptainConflict(const model::Document& doc, int crew, int pair, int day);

// The block check's illegality headings whose day lists changed between two texts, as reasons;
// the duty rule checker's heading names the tests that newly fail in the rule log.
std::vector<WhyReason> BlockCheckReasons(const std::string& illegalBefore, const std::string& illegalAfter,
                                         const std::string& ruleLogBefore, const std::string& ruleLogAfter);

}  // namespace lw::rules
