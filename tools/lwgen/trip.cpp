#include "trip.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace lwgen {

namespace {

constexpr int kMaxDuty = 780;        // 13:00
constexpr int kMaxDayBlock = 480;    // 8:00 at the controls
constexpr int kReleaseAfter = 15;    // on blocks to release
constexpr int kMaxTurn = 55;
constexpr int kLatestRelease = 1560;  // 02:00 the next morning, on the clock of the report day

Instant RoundUpToFive(Instant t) { return (t + 4) / 5 * 5; }

const Zone& ZoneOf(int airport) { return Airports()[static_cast<size_t>(airport)].zone; }

Instant LocalAt(int airport, Instant utc) { return ToLocal(ZoneOf(airport), utc); }

}  // namespace

std::string Trip::Designation() const {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%c%04d", letter, number);
    return buf;
}

int Trip::BaseAirport() const { return AirportIndex(Bases()[static_cast<size_t>(base)].code); }

int Trip::SpanDays() const {
    const Instant release = LocalAt(BaseAirport(), duties.back().release);
    int span = DateOf(release).DaysSince(firstDate) + 1;
    if (span > 1 && MinuteOf(release) < 120) --span;
    return span;
}

int Trip::TotalBlock() const {
    int sum = 0;
    for (const Duty& d : duties) sum += d.block;
    return sum;
}

int Trip::TotalDuty() const {
    int sum = 0;
    for (const Duty& d : duties) sum += d.Minutes();
    return sum;
}

int FlightNumbers::For(int from, int to, int localDeparture) {
    const auto key = std::make_tuple(from, to, localDeparture);
    auto it = numbers_.find(key);
    if (it != numbers_.end()) return it->second;
    const int number = next_;
    next_ += 1 + (from + to + localDeparture / 5) % 4;
    if (next_ > 2999) next_ = 101 + next_ % 7;
    numbers_.emplace(key, number);
    return number;
}

int SeatsOf(const std::string& type) {
    if (type == "DH1") return 37;
    if (type == "DH3" || type == "CRA") return 50;
    if (type == "DH4") return 74;
    return 75;  // CRJ (the larger jet) and E75
}

Trip TripBuilder::Build(int base, Eqp eqp, Side side, Date firstDate, int duties) {
    Trip trip;
    trip.base = base;
    trip.eqp = eqp;
    trip.side = side;
    trip.firstDate = firstDate;
    if (net_.Spokes(base, eqp).empty()) throw std::logic_error("no station in reach of the base");
    for (int attempt = 0; attempt < 60; ++attempt) {
        // Long trips that will not close are shortened rather than given up.
        const int days = attempt < 40 ? duties : std::max(1, duties - 1 - (attempt - 40) / 10);
        if (BuildTrip(trip, days)) {
            Finish(trip);
            return trip;
        }
    }
    throw std::logic_error(std::string("cannot build a trip from ") + Bases()[static_cast<size_t>(base)].code);
}

bool TripBuilder::BuildTrip(Trip& trip, int duties) {
    trip.duties.clear();
    static const std::vector<int> kCraShares = {0, 25, 50, 75, 100, 60, 40};
    craShare_ = rng_.Pick(kCraShares);
    const int base = trip.BaseAirport();
    const int lead = trip.side == Side::Cockpit ? 60 : 45;

    // First departure of the trip: mostly mornings, some afternoons, a few evenings.
    static const std::vector<int> kWaves = {40, 30, 20, 10};
    int departure = 0;
    switch (rng_.Weighted(kWaves)) {
    case 0: departure = rng_.Step(360, 475, 5); break;
    case 1: departure = rng_.Step(480, 715, 5); break;
    case 2: departure = rng_.Step(720, 955, 5); break;
    default: departure = rng_.Step(960, 1140, 5); break;
    }
    Instant report = FromLocal(ZoneOf(base), AtMidnight(trip.firstDate) + departure - lead);
    int station = base;
    for (int k = 0; k < duties; ++k) {
        const bool last = k + 1 == duties;
        Duty duty;
        bool built = false;
        for (int attempt = 0; attempt < 12 && !built; ++attempt)
            built = BuildDuty(trip, station, report, k == 0, last, &duty);
        if (!built) return false;
        duty.dayIndex = DateOf(LocalAt(station, duty.report)).DaysSince(trip.firstDate);
        if (duty.dayIndex > 5) return false;
        trip.duties.push_back(duty);
        if (last) break;

        // Rest at the layover: 11 to 14 hours, now and then a day off in the middle of the trip.
        int rest = rng_.Step(660, 840, 5);
        if (rng_.Percent(7)) rest = rng_.Step(1440, 1680, 5);
        Instant next = RoundUpToFive(duty.release + rest);
        const Zone& zone = ZoneOf(duty.endStation);
        const Instant local = ToLocal(zone, next);
        if (MinuteOf(local) < 285)  // nobody reports before a quarter to five
            next = FromLocal(zone, AtMidnight(DateOf(local)) + rng_.Step(300, 390, 5));
        trip.duties.back().restAfter = static_cast<int>(next - duty.release);
        report = next;
        station = duty.endStation;
    }
    return true;
}

bool TripBuilder::BuildDuty(const Trip& trip, int start, Instant report, bool first, bool last, Duty* out) {
    const int base = trip.BaseAirport();
    const Eqp eqp = trip.eqp;
    const std::vector<int>& spokes = net_.Spokes(trip.base, eqp);
    const int reportMinute = MinuteOf(LocalAt(start, report));
    const Instant limit = report + std::min(kMaxDuty, kLatestRelease - reportMinute);
    const int target = std::min(rng_.Step(390, 750, 5), static_cast<int>(limit - report));
    if (target < 360) return false;
    const int maxLegs = rng_.Range(3, 6);

    Duty d;
    d.startStation = start;
    d.report = report;
    Instant t = report + (trip.side == Side::Cockpit ? 60 : 45);
    int x = start, legs = 0, block = 0;

    if (first && x == base && rng_.Percent(4)) {  // positioning on our own flight
        const int y = rng_.Pick(spokes);
        AddLeg(trip, d, SegKind::Deadhead, x, y, t);
        x = y;
        t = d.segs.back().arr + rng_.Step(30, kMaxTurn, 5);
    }
    while (true) {
        const Instant elapsed = t - report;
        if (legs > 0) {
            if (last && x == base) {
                if (elapsed >= target - 120 || legs >= maxLegs) break;
            } else if (last) {
                const int home = net_.Block(eqp, x, base);
                if (elapsed + home + kReleaseAfter >= target || legs + 1 >= maxLegs) {
                    GoHome(trip, d, x, t, limit);
                    x = base;
                    break;
                }
            } else if (x != base && (elapsed >= target - 90 || legs >= maxLegs)) {
                break;
            }
        }
        std::vector<int> candidates, weights;
        int others = 0;
        for (int y : spokes) {
            if (y == x) continue;
            const int b = net_.Block(eqp, x, y);
            if (b == 0 || block + b > kMaxDayBlock) continue;
            const Instant arr = t + b;
            if (arr + kReleaseAfter > limit) continue;
            if (last) {
                const int home = net_.Block(eqp, y, base);
                if (home == 0 || arr + kMaxTurn + home + kReleaseAfter > limit || block + b + home > kMaxDayBlock)
                    continue;
            }
            candidates.push_back(y);
            const int w = Airports()[static_cast<size_t>(y)].usa ? 1 : 3;
            weights.push_back(w);
            others += w;
        }
        if (x != base) {
            const int b = net_.Block(eqp, x, base);
            const Instant arr = t + b;
            const bool roomAfter = last || arr + kMaxTurn + 40 + kReleaseAfter <= limit;
            if (b > 0 && block + b <= kMaxDayBlock && arr + kReleaseAfter <= limit && roomAfter) {
                candidates.push_back(base);
                weights.push_back(std::max(1, others * 6 / 5));  // back through the hub, mostly
            }
        }
        if (candidates.empty()) {
            if (legs == 0 || (last && x != base) || (!last && x == base)) return false;
            break;
        }
        const int y = candidates[rng_.Weighted(weights)];
        AddLeg(trip, d, SegKind::Flight, x, y, t);
        block += d.segs.back().Minutes();
        ++legs;
        x = y;
        t = d.segs.back().arr + rng_.Step(30, kMaxTurn, 5);
    }

    const Segment& lastSeg = d.segs.back();
    d.release = lastSeg.arr + (lastSeg.kind == SegKind::Ground ? 0 : kReleaseAfter);
    d.endStation = lastSeg.to;
    if (last && d.endStation != base) return false;
    if (!last && d.endStation == base) return false;
    if (d.Minutes() < 360 || d.release > limit) return false;
    *out = d;
    return true;
}

void TripBuilder::GoHome(const Trip& trip, Duty& duty, int from, Instant t, Instant limit) {
    const int base = trip.BaseAirport();
    const Base& home = Bases()[static_cast<size_t>(trip.base)];
    // Landing at a nearby airport and being driven to base.
    if (!home.satellites.empty() && rng_.Percent(6)) {
        const int s = AirportIndex(rng_.Pick(home.satellites));
        const int b = net_.Block(trip.eqp, from, s);
        const int drive = 20 + DistanceKm(s, base) * 60 / 80;
        if (b > 0 && t + b + drive <= limit) {
            AddLeg(trip, duty, SegKind::Flight, from, s, t);
            Segment g;
            g.kind = SegKind::Ground;
            g.groundCode = "LIM";
            g.from = s;
            g.to = base;
            g.dep = RoundUpToFive(duty.segs.back().arr + 15);
            g.arr = RoundUpToFive(g.dep + drive);
            duty.segs.push_back(g);
            return;
        }
    }
    // Home on another airline's flight after the day's flying.
    if (duty.segs.size() >= 2 && rng_.Percent(6)) {
        const Instant dep = t + rng_.Step(30, 90, 5);
        const int b = net_.JetBlock(from, base);
        if (b >= 40 && dep + b + kReleaseAfter <= limit) {
            Segment s;
            s.kind = SegKind::OtherCarrier;
            s.from = from;
            s.to = base;
            s.dep = dep;
            s.arr = dep + b;
            static const std::vector<std::string> kHome = {"AC", "WS", "PD"};
            static const std::vector<std::string> kUs = {"UA", "AA", "DL"};
            s.carrier = rng_.Pick(Airports()[static_cast<size_t>(from)].usa ? kUs : kHome);
            s.carrierFlight = rng_.Range(100, 1999);  // never read as one of our pairing numbers
            duty.segs.push_back(s);
            return;
        }
    }
    AddLeg(trip, duty, rng_.Percent(4) ? SegKind::Deadhead : SegKind::Flight, from, base, t);
}

void TripBuilder::AddLeg(const Trip& trip, Duty& duty, SegKind kind, int from, int to, Instant dep) {
    Segment s;
    s.kind = kind;
    s.from = from;
    s.to = to;
    s.dep = dep;
    s.arr = dep + net_.Block(trip.eqp, from, to);
    s.flight = flights_.For(from, to, MinuteOf(LocalAt(from, dep)));
    s.acType = AircraftType(trip, kind);
    s.tail = Tail(s.acType);
    s.seats = SeatsOf(s.acType);
    duty.segs.push_back(s);
}

std::string TripBuilder::AircraftType(const Trip& trip, SegKind kind) {
    if (kind == SegKind::Deadhead) {
        static const std::vector<std::string> kAny = {"DH1", "DH3", "DH4", "CRA", "CRJ", "E75"};
        return rng_.Pick(kAny);
    }
    switch (trip.eqp) {
    case Eqp::DH8: return rng_.Percent(35) ? "DH1" : "DH3";
    case Eqp::E75: return "E75";
    case Eqp::DH4: return "DH4";
    case Eqp::CRJ: return rng_.Percent(craShare_) ? "CRA" : "CRJ";
    }
    return "DH3";
}

std::string TripBuilder::Tail(const std::string& type) {
    // Each type keeps a small fleet of its own registrations.
    Rng fleet = Rng::Stream(0, type);
    const int pick = static_cast<int>(rng_.Below(18));
    std::string tail;
    for (int k = 0; k <= pick; ++k) {
        tail = "C-";
        tail += fleet.Percent(60) ? 'G' : 'F';
        for (int c = 0; c < 3; ++c) tail += static_cast<char>('A' + fleet.Below(26));
    }
    return tail;
}

void TripBuilder::Finish(Trip& trip) const {
    const int base = trip.BaseAirport();
    trip.dayBlock.fill(0);
    trip.dayCredit.fill(0);
    trip.usa = false;
    int creditSum = 0;
    for (Duty& d : trip.duties) {
        d.block = d.deadhead = 0;
        for (const Segment& s : d.segs) {
            if (s.kind == SegKind::Flight) d.block += s.Minutes();
            if (s.kind == SegKind::Deadhead || s.kind == SegKind::OtherCarrier) d.deadhead += s.Minutes();
            if (Airports()[static_cast<size_t>(s.from)].usa) trip.usa = true;
        }
        // A duty day pays its block (deadheads at half), half its duty, and never under 4:00.
        d.credit = std::max({d.block + d.deadhead / 2, d.Minutes() / 2, 240});
        trip.dayBlock[static_cast<size_t>(d.dayIndex)] += d.block;
        trip.dayCredit[static_cast<size_t>(d.dayIndex)] += d.credit;
        creditSum += d.credit;
    }
    const Duty& lastDuty = trip.duties.back();
    trip.tafb = static_cast<int>(lastDuty.release - trip.duties.front().report);
    trip.totalCredit = std::max(creditSum, trip.tafb * 2 / 7);  // trip rig: 1 hour for 3.5 away

    // Long rest after a last duty that crossed three time zones or more.
    const int start = MinuteOf(LocalAt(lastDuty.startStation, lastDuty.report));
    const int end = MinuteOf(LocalAt(lastDuty.endStation, lastDuty.release));
    const int elapsed = start < end ? end - start : 1440 - start + end;
    trip.restAfter = std::abs(elapsed - lastDuty.Minutes()) >= 180 ? 780 : 660;

    const Instant release = LocalAt(base, lastDuty.release);
    const Date lastReportDate = DateOf(LocalAt(lastDuty.startStation, lastDuty.report));
    trip.lateRelease = DateOf(release) > lastReportDate && MinuteOf(release) < 180;
}

}  // namespace lwgen
