#pragma once
// Each crew member's days around the month: what they flew and did in the 31 days before it
// (the activity extract), and the absences CrewTrac already holds for this month and the next.
// Days are counted from 31 days before the month: day 31 is the month's first day.
#include <map>
#include <string>
#include <vector>

#include "crew.h"
#include "options.h"
#include "trip.h"

namespace lwgen {

inline constexpr int kPriorDays = 31;

struct Span {
    std::string code;  // CrewTrac's two-letter code
    int first = 0, last = 0;
    int start = 0, end = 0;  // minutes after midnight
};

struct PriorTrip {
    const Trip* pattern = nullptr;
    int startDay = 0;  // 0..30
};

struct CrewCalendar {
    std::vector<Span> spans;
    std::vector<PriorTrip> trips;
};

// The prior period's pairings, one small set per type and side of the base.
class PriorPairings {
public:
    PriorPairings(const Options& options, const Network& network);
    // A trip of about the given length for the member's type and side.
    const Trip& Pick(const CrewMember& member, int duties, Rng& rng);

private:
    const std::vector<Trip>& PoolFor(const CrewMember& member);

    const Options& options_;
    const Network& network_;
    Rng rng_;
    FlightNumbers flights_;
    std::map<std::pair<int, int>, std::vector<Trip>> pools_;  // (type, side)
};

// Days of each member, in roster order.
std::vector<CrewCalendar> PlanCalendars(const Options& options, const std::vector<CrewMember>& roster,
                                        PriorPairings& prior);

// The date of day index k of the extended range.
inline Date DayDate(const Options& o, int k) { return o.month.first.AddDays(k - kPriorDays); }

}  // namespace lwgen
