// The pairing system's listings: one pilot and one cabin listing per base, a block per pairing
// with its legs and their aircraft types, the duties, layovers, the French requirement of cabin
// pairings and the meal allowances.
#include <cstdio>

#include "airline.h"
#include "writers.h"

namespace lwgen {

namespace {

constexpr size_t kPageLines = 60;
constexpr size_t kFlightColumn = 6;
// How far the aircraft type stands after the leg's flight number: pilot listings carry one
// more column than cabin listings.
constexpr size_t kPilotTypeOffset = 71;
constexpr size_t kCabinTypeOffset = 63;
constexpr size_t kLegWidth = kFlightColumn + kPilotTypeOffset + 8;

// As the pairing system prints flight numbers: a leading zero shown as a blank.
std::string FlightText(int flight) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%04d", flight);
    if (buf[0] == '0') buf[0] = ' ';
    return buf;
}

std::string Money(int cents) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%03d.%02d", cents / 100, cents % 100);
    return buf;
}

std::string Code(int airport) { return Airports()[static_cast<size_t>(airport)].code; }

class Listing {
public:
    Listing(const Options& o, int base, Side side) : o_(o), base_(base), side_(side) {
        const char* kind = side == Side::Cockpit ? "PILOT" : "CABIN";
        file_.name = std::string(Bases()[static_cast<size_t>(base)].code) + "_" + kind + "_" + MonthStem(o) + ".LIS";
    }

    void Add(const Trip& trip) {
        std::vector<std::string> block = Block(trip);
        if (used_ == 0 || used_ + block.size() > kPageLines) NewPage();
        for (std::string& line : block) file_.lines.push_back(std::move(line));
        used_ += block.size();
    }

    TextFile Take() { return std::move(file_); }

private:
    void NewPage() {
        ++page_;
        char title[128];
        std::snprintf(title, sizeof title, "%sPAIRING LISTING - %s   BASE %s   %s %d   PAGE %4d", page_ > 1 ? "\f" : "",
                      side_ == Side::Cockpit ? "PILOTS" : "CABIN CREW", Bases()[static_cast<size_t>(base_)].code,
                      o_.month.first.AddDays(15).MonthName().c_str(), o_.month.YearNumber(), page_);
        file_.lines.push_back(title);
        file_.lines.push_back("PERIOD " + IsoDate(o_.month.first) + " TO " + IsoDate(o_.month.last) +
                              "   TIMES LOCAL   BLOCK AND CREDIT H:MM");
        file_.lines.push_back("");
        used_ = 3;
    }

    std::vector<std::string> Block(const Trip& trip) const {
        std::vector<std::string> lines;
        const OperatingPeriod period = PeriodOf(trip.dates);
        std::string days = "MTWTFSS";
        for (size_t w = 0; w < 7; ++w)
            if (!period.weekdays[w]) days[w] = '.';
        std::string head = trip.Designation() + "  " + std::string(EqpName(trip.eqp)) + "  " + trip.complement;
        head.resize(26, ' ');
        head += "OPS " + MonthDay(period.first) + "-" + MonthDay(period.last) + "  " + days;
        if (!period.exceptions.empty()) {
            head += "  EXC";
            for (Date d : period.exceptions) head += " " + MonthDay(d);
        }
        lines.push_back(head);
        lines.push_back(side_ == Side::Cockpit
                            ? "  DAY FLT    DH  DEP  DEPT  ARR  ARRT   BLK   GRND  TAIL    ELAPSED            TYPE"
                            : "  DAY FLT    DH  DEP  DEPT  ARR  ARRT   BLK   GRND  TAIL    SERVICE    TYPE");
        for (size_t k = 0; k < trip.duties.size(); ++k) {
            const Duty& d = trip.duties[k];
            for (size_t i = 0; i < d.segs.size(); ++i) {
                const Segment* next = i + 1 < d.segs.size() ? &d.segs[i + 1] : nullptr;
                lines.push_back(Leg(d, d.segs[i], next));
            }
            const LocalTime rep = LocalOn(d.startStation, d.report, 0), rel = LocalOn(d.endStation, d.release, 0);
            lines.push_back("       DUTY  REPT " + Hhmm(rep.minute) + "  REL " + Hhmm(rel.minute) + "  DUTY" +
                            HoursMinutesRight(d.Minutes(), 6) + "  BLK" + HoursMinutesRight(d.block, 6) + "  CRDT" +
                            HoursMinutesRight(d.credit, 6));
            if (k + 1 < trip.duties.size())
                lines.push_back("       LAYOVER " + Code(d.endStation) + HoursMinutesRight(d.restAfter, 7) + "  " +
                                HotelText(d.endStation));
        }
        lines.push_back("  TOTALS  BLK" + HoursMinutesRight(trip.TotalBlock(), 7) + "  CRDT" +
                        HoursMinutesRight(trip.totalCredit, 7) + "  TAFB" + HoursMinutesRight(trip.tafb, 7) +
                        (trip.lateRelease ? "  LATE RELEASE" : ""));
        if (side_ == Side::Cabin && trip.french) lines.push_back("  LANGUAGE  FRENCH REQUIRED");
        lines.push_back("  " + Meals(trip));
        lines.push_back("");
        return lines;
    }

    std::string Leg(const Duty& d, const Segment& s, const Segment* next) const {
        FixedLine line(kLegWidth);
        const LocalTime dep = LocalOn(s.from, s.dep, 0), arr = LocalOn(s.to, s.arr, 0);
        line.Digits(2, 1, d.dayIndex + 1);
        if (s.kind == SegKind::OtherCarrier) {
            char flight[16];
            std::snprintf(flight, sizeof flight, "%s%04d", s.carrier.c_str(), s.carrierFlight);
            line.Put(kFlightColumn, flight);
        } else if (s.kind == SegKind::Ground) {
            line.Put(kFlightColumn, s.groundCode);
        } else {
            line.Put(kFlightColumn, FlightText(s.flight));
        }
        if (s.kind == SegKind::Deadhead || s.kind == SegKind::OtherCarrier) line.Put(13, "DH");
        line.Put(17, Code(s.from)).Put(22, Hhmm(dep.minute)).Put(28, Code(s.to)).Put(33, Hhmm(arr.minute));
        line.Put(38, HoursMinutesRight(s.Minutes(), 5));
        if (next) line.Put(45, HoursMinutesRight(static_cast<int>(next->dep - s.arr), 5));
        if (!s.tail.empty()) line.Put(52, s.tail);
        if (side_ == Side::Cockpit) line.Put(60, HoursMinutesRight(static_cast<int>(s.arr - d.report), 6));
        else if (s.kind == SegKind::Flight) line.Put(60, s.Minutes() >= 90 ? "SNACK" : "BEV");
        if (s.kind == SegKind::Flight || s.kind == SegKind::Deadhead) {
            const size_t at = kFlightColumn + (side_ == Side::Cockpit ? kPilotTypeOffset : kCabinTypeOffset);
            line.Put(at, s.acType + " [" + std::to_string(s.seats) + "]");
        }
        std::string text = line.Text();
        text.erase(text.find_last_not_of(' ') + 1);
        return text;
    }

    // Allowances by time away: US meals for the legs out of and the nights in US cities.
    static std::string Meals(const Trip& trip) {
        int us = 0;
        for (size_t k = 0; k < trip.duties.size(); ++k) {
            const Duty& d = trip.duties[k];
            for (const Segment& s : d.segs)
                if (Airports()[static_cast<size_t>(s.from)].usa) us += 1850;
            if (k + 1 < trip.duties.size() && Airports()[static_cast<size_t>(d.endStation)].usa) us += 4500;
        }
        const int cad = std::max(1500, trip.tafb * 220 / 60 - us / 2);
        // The two notes share a line: the meals note the scan copies runs from "MEALS US:" to
        // just short of the end of the Canadian amount.
        if (us > 0) return "MEALS US: " + Money(us) + "  MEALS CAD: " + Money(cad);
        return "MEALS CAD: " + Money(cad);
    }

    const Options& o_;
    int base_;
    Side side_;
    TextFile file_;
    size_t used_ = 0;
    int page_ = 0;
};

}  // namespace

std::vector<TextFile> WriteListings(const Options& options, const std::vector<Trip>& trips) {
    std::vector<TextFile> files;
    for (size_t b = 0; b < Bases().size(); ++b) {
        for (Side side : {Side::Cockpit, Side::Cabin}) {
            Listing listing(options, static_cast<int>(b), side);
            for (const Trip& t : trips)
                if (t.base == static_cast<int>(b) && t.side == side && t.repeatOf < 0) listing.Add(t);
            files.push_back(listing.Take());
        }
    }
    return files;
}

}  // namespace lwgen
