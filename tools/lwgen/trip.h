#pragma once
// A pairing as the generator builds it: duty days of real legs between real stations, times
// kept in UTC and shown in each station's local time, with the figures the pairing file and
// the listings print (block, credit, time away from base, rests).
#include <array>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "airports.h"
#include "random.h"
#include "timeutil.h"

namespace lwgen {

enum class Side { Cockpit, Cabin };

enum class SegKind {
    Flight,        // flown by the crew
    Deadhead,      // riding one of the airline's own flights
    OtherCarrier,  // riding another airline's flight
    Ground,        // driven between airports
};

struct Segment {
    SegKind kind = SegKind::Flight;
    int from = 0, to = 0;     // airport indices
    Instant dep = 0, arr = 0;  // UTC
    int flight = 0;            // the airline's own flight number
    std::string carrier;       // another airline: "WS", and its flight number
    int carrierFlight = 0;
    std::string groundCode;  // "LIM"
    std::string acType;      // the listing's aircraft type: "DH1", "CRA", ...
    std::string tail;
    int seats = 0;
    int Minutes() const { return static_cast<int>(arr - dep); }
};

struct Duty {
    std::vector<Segment> segs;
    int startStation = 0, endStation = 0;
    Instant report = 0, release = 0;  // UTC
    int restAfter = 0;                // minutes to the next report; 0 after the last duty
    int block = 0, deadhead = 0, credit = 0;
    int dayIndex = 0;  // pairing day, from the local date of the report
    int Minutes() const { return static_cast<int>(release - report); }
};

struct Trip {
    int base = 0;  // index into Bases()
    Eqp eqp = Eqp::DH8;
    Side side = Side::Cockpit;
    std::vector<Duty> duties;
    Date firstDate;  // local date of the first report at base
    int tafb = 0, totalCredit = 0, restAfter = 660;
    bool lateRelease = false;
    std::array<int, 6> dayBlock{}, dayCredit{};
    bool usa = false;     // a segment leaves a US airport
    bool french = false;  // cabin pairing that needs a French speaker
    std::string complement;
    char letter = ' ';
    int number = 0;
    std::vector<Date> dates;  // operating dates; firstDate is the date its times were worked out for
    // A large month runs short of pairing numbers: this trip then flies again later in the file
    // under the number of trip repeatOf of its set (index), on other dates.
    int repeatOf = -1;

    std::string Designation() const;
    int BaseAirport() const;
    // Days the trip keeps a crew member from other work, counted from the first: a release
    // before 02:00 does not take the next day.
    int SpanDays() const;
    int TotalBlock() const;
    int TotalDuty() const;
};

// The same leg at the same time of day keeps its flight number all month.
class FlightNumbers {
public:
    int For(int from, int to, int localDeparture);

private:
    std::map<std::tuple<int, int, int>, int> numbers_;
    int next_ = 101;
};

class TripBuilder {
public:
    TripBuilder(const Network& network, Rng& rng, FlightNumbers& flights)
        : net_(network), rng_(rng), flights_(flights) {}

    // A trip of the given number of duty days reporting at base on firstDate (local). Throws
    // when the base cannot be flown from on the type at all (a generator bug).
    Trip Build(int base, Eqp eqp, Side side, Date firstDate, int duties);

private:
    bool BuildTrip(Trip& trip, int duties);
    bool BuildDuty(const Trip& trip, int start, Instant report, bool first, bool last, Duty* out);
    void AddLeg(const Trip& trip, Duty& duty, SegKind kind, int from, int to, Instant dep);
    void GoHome(const Trip& trip, Duty& duty, int from, Instant t, Instant dutyLimit);
    std::string AircraftType(const Trip& trip, SegKind kind);
    std::string Tail(const std::string& type);
    void Finish(Trip& trip) const;

    const Network& net_;
    Rng& rng_;
    FlightNumbers& flights_;
    int craShare_ = 0;  // per cent of a CRJ trip's legs on the smaller jet
};

int SeatsOf(const std::string& type);

}  // namespace lwgen
