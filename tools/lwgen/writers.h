#pragma once
// One writer per input format. Each returns the file's name and lines; main writes them.
#include <string>
#include <string_view>
#include <vector>

#include "calendar.h"
#include "crew.h"
#include "options.h"
#include "trip.h"

namespace lwgen {

struct TextFile {
    std::string name;
    std::vector<std::string> lines;
};

// Record widths of the pairing file, by record type 1 to 5.
inline constexpr size_t kPairingWidths[6] = {0, 303, 80, 134, 86, 80};
inline constexpr size_t kRosterPilotWidth = 147, kRosterCabinWidth = 102;
inline constexpr size_t kAbsenceWidth = 443;
inline constexpr size_t kActivityWidth = 1605;
inline constexpr size_t kPriorPairingWidth = 1178;
// Employee number of the absence extract's closing line.
inline constexpr int kAbsenceEnd = 99999;

// "MAR2027": the month's title and year, as the month's files are named.
std::string MonthStem(const Options& options);
// CrewTrac extract names: base, period digit (1 this month, 2 the next), kind ("per", "abs",
// "act", "prg"), then p for pilots or c for cabin crew: "YYZ1perp.ext".
std::string ExtractName(const Options& options, int period, std::string_view kind);

// Where a trip's stations stand on its k-th operating date (trip times repeat date by date).
struct LocalTime {
    Date date;
    int minute = 0;
};
LocalTime LocalOn(int airport, Instant utc, int shiftDays);

TextFile WritePairingFile(const Options& options, const std::vector<Trip>& trips);
std::vector<TextFile> WriteListings(const Options& options, const std::vector<Trip>& trips);
TextFile WriteToolbox(const Options& options);
TextFile WriteRoster(const Options& options, const std::vector<CrewMember>& roster);
TextFile WriteAbsences(const Options& options, const std::vector<CrewMember>& roster,
                       const std::vector<CrewCalendar>& calendars, bool nextMonth);
// The crew activity extract and its prior-period pairing extract.
std::vector<TextFile> WriteActivity(const Options& options, const std::vector<CrewMember>& roster,
                                    const std::vector<CrewCalendar>& calendars);
// The bidding system's export of the month's pilot bids; none for a cabin month.
std::vector<TextFile> WritePilotBids(const Options& options, const std::vector<CrewMember>& roster,
                                     const std::vector<Trip>& trips);

}  // namespace lwgen
