// The pairing file: every pairing of the airline, its block of records repeated for each date it
// operates on. Only the columns the loader reads are written; the rest stay blank.
#include <cstdio>

#include "airline.h"
#include "writers.h"

namespace lwgen {

namespace {

// Columns 0-5 of every record: type, base letter, pairing number (its first digit is the type's).
FixedLine Record(int type, const Trip& trip) {
    FixedLine line(kPairingWidths[type]);
    line.Put(0, std::to_string(type)).Put(1, std::string(1, trip.letter)).Digits(2, 4, trip.number);
    return line;
}

std::string HeaderRecord(const Trip& trip, Date date) {
    FixedLine line = Record(1, trip);
    const OperatingPeriod period = PeriodOf(trip.dates);
    line.Digits(19, 2, period.first.Month()).Digits(21, 2, period.first.Day());
    line.Digits(27, 2, period.last.Month()).Digits(29, 2, period.last.Day());
    for (size_t w = 0; w < 7; ++w) line.Put(31 + w, period.weekdays[w] ? "Y" : "N");
    for (size_t k = 0; k < 4; ++k) {
        const bool used = k < period.exceptions.size();
        line.Digits(38 + 4 * k, 2, used ? period.exceptions[k].Month() : 0);
        line.Digits(40 + 4 * k, 2, used ? period.exceptions[k].Day() : 0);
    }
    line.Put(70, Yyyymmdd(date));
    line.Digits(78, 4, LocalOn(trip.BaseAirport(), trip.duties.front().report, 0).minute);
    line.Digits(107, 5, trip.tafb);
    line.Put(112, trip.lateRelease ? "Y" : "N");
    line.PutPadded(113, 32, trip.complement);
    line.Digits(145, 4, trip.restAfter);
    for (size_t d = 0; d < 6; ++d) line.Digits(150 + 4 * d, 4, trip.dayBlock[d]);
    line.Digits(299, 4, trip.totalCredit);
    return line.Text();
}

std::string FlightRecord(const Trip& trip, const Segment& s, Date date, int shift) {
    FixedLine line = Record(2, trip);
    const LocalTime dep = LocalOn(s.from, s.dep, shift), arr = LocalOn(s.to, s.arr, shift);
    line.Put(7, Yyyymmdd(date)).Digits(15, 4, s.flight);
    line.Put(28, Airports()[static_cast<size_t>(s.from)].code).Put(31, Yyyymmdd(dep.date)).Digits(39, 4, dep.minute);
    line.Put(43, Airports()[static_cast<size_t>(s.to)].code).Digits(54, 4, arr.minute);
    if (s.kind == SegKind::Deadhead) line.Put(61, "D");
    line.Digits(64, 4, s.Minutes());
    return line.Text();
}

std::string CarrierRecord(const Trip& trip, const Segment& s, Date date, int shift) {
    FixedLine line = Record(4, trip);
    const LocalTime dep = LocalOn(s.from, s.dep, shift), arr = LocalOn(s.to, s.arr, shift);
    char flight[16];
    std::snprintf(flight, sizeof flight, "%s%04d", s.carrier.c_str(), s.carrierFlight);
    line.Put(7, Yyyymmdd(date)).PutPadded(18, 7, flight).Put(26, Yyyymmdd(dep.date));
    line.Put(34, Airports()[static_cast<size_t>(s.from)].code).Digits(45, 4, dep.minute);
    line.Put(49, Airports()[static_cast<size_t>(s.to)].code).Digits(60, 4, arr.minute);
    line.Put(83, "POS");  // positive space
    return line.Text();
}

std::string GroundRecord(const Trip& trip, const Segment& s, Date date, int shift) {
    FixedLine line = Record(5, trip);
    const LocalTime dep = LocalOn(s.from, s.dep, shift), arr = LocalOn(s.to, s.arr, shift);
    line.Put(7, Yyyymmdd(date)).Put(18, s.groundCode);
    line.Put(29, Airports()[static_cast<size_t>(s.from)].code).Put(32, Yyyymmdd(dep.date)).Digits(40, 4, dep.minute);
    line.Put(44, Airports()[static_cast<size_t>(s.to)].code).Digits(55, 4, arr.minute);
    return line.Text();
}

std::string DutyRecord(const Trip& trip, const Duty& d, bool last, int shift) {
    FixedLine line = Record(3, trip);
    const LocalTime start = LocalOn(d.startStation, d.report, shift);
    const LocalTime end = LocalOn(d.endStation, d.release, shift);
    line.Put(22, Yyyymmdd(start.date)).Digits(30, 4, start.minute).Digits(42, 4, end.minute);
    line.Digits(47, 4, d.Minutes()).Digits(51, 5, d.restAfter);
    line.Put(56, Airports()[static_cast<size_t>(d.endStation)].code);
    if (!last) line.PutPadded(59, 40, HotelText(d.endStation));
    // Shown with the duty: its block, scheduled credit, pay credit and deadhead time.
    line.Digits(114, 4, d.block).Digits(122, 4, d.credit).Digits(126, 4, d.credit).Digits(130, 4, d.deadhead);
    return line.Text();
}

}  // namespace

LocalTime LocalOn(int airport, Instant utc, int shiftDays) {
    const Instant local = ToLocal(Airports()[static_cast<size_t>(airport)].zone, utc);
    return {DateOf(local).AddDays(shiftDays), MinuteOf(local)};
}

TextFile WritePairingFile(const Options& options, const std::vector<Trip>& trips) {
    TextFile file{MonthStem(options) + ".PRG", {}};
    for (const Trip& trip : trips) {
        for (Date date : trip.dates) {
            const int shift = date.DaysSince(trip.firstDate);
            file.lines.push_back(HeaderRecord(trip, date));
            for (size_t k = 0; k < trip.duties.size(); ++k) {
                const Duty& d = trip.duties[k];
                for (const Segment& s : d.segs) {
                    switch (s.kind) {
                    case SegKind::Flight:
                    case SegKind::Deadhead: file.lines.push_back(FlightRecord(trip, s, date, shift)); break;
                    case SegKind::OtherCarrier: file.lines.push_back(CarrierRecord(trip, s, date, shift)); break;
                    case SegKind::Ground: file.lines.push_back(GroundRecord(trip, s, date, shift)); break;
                    }
                }
                file.lines.push_back(DutyRecord(trip, d, k + 1 == trip.duties.size(), shift));
            }
        }
    }
    return file;
}

}  // namespace lwgen
