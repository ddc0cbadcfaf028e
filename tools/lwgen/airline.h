#pragma once
// The whole airline's month of pairings: every base and type, cockpit and cabin, sized so
// that the chosen crew group has about the work its members can fly.
#include <array>
#include <string>
#include <vector>

#include "options.h"
#include "trip.h"

namespace lwgen {

// Crew positions of a complement text such as "CA01FO01" or "FA02PU01".
struct Complement {
    int ca = 0, fo = 0, fa = 0, pu = 0;
};
Complement ParseComplement(const std::string& text);

// How many pairings the loader stores for a crew group: one copy per position of the group.
int CopiesFor(const Complement& c, Status status);

// The operating period the pairing file's first record prints.
struct OperatingPeriod {
    Date first, last;
    std::array<bool, 7> weekdays{};  // Monday .. Sunday
    std::vector<Date> exceptions;    // at most four
};
OperatingPeriod PeriodOf(const std::vector<Date>& dates);

// In pairing-file order: by base, type, cockpit before cabin.
std::vector<Trip> BuildMonthPairings(const Options& options, const Network& network);

}  // namespace lwgen
