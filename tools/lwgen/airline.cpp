#include "airline.h"

#include <algorithm>
#include <limits>
#include <set>

namespace lwgen {

namespace {

// Pairing work per crew member and month: about 12 days of 30 for a regional line.
constexpr int kDaysPerMember = 12;
// Crews of the groups nobody asked for.
constexpr int kOtherGroupCrew = 15;
// Pairing numbers of a type left to the other side when a large month needs all the rest.
constexpr int kReservedNumbers = 300;

struct PairingSet {
    int base = 0;
    Eqp eqp = Eqp::DH8;
    Side side = Side::Cockpit;
    bool focus = false;
    int demand = 0;      // position-days of work to build
    int copyLimit = 0;   // large month: stored copies for the crew group instead
};

int CountFor(const Complement& c, Side side, Status focus) {
    if (side == Side::Cabin) return c.fa + c.pu;
    return focus == Status::FirstOfficer ? c.fo : c.ca;
}

std::string CockpitComplement(Rng& rng) {
    static const std::vector<std::string> kTexts = {"CA01FO01", "CA02FO01", "CA01FO02"};
    return kTexts[rng.Weighted({94, 4, 2})];
}

std::string CabinComplement(Rng& rng, Eqp eqp) {
    switch (eqp) {
    case Eqp::DH8: return "FA01";
    case Eqp::DH4: return rng.Percent(85) ? "FA01PU01" : "FA02PU01";
    case Eqp::CRJ: return rng.Percent(65) ? "FA01" : "FA01PU01";
    case Eqp::E75: return rng.Percent(70) ? "FA02PU01" : "FA01PU01";
    }
    return "FA01";
}

bool NeedsFrench(const Trip& trip, Rng& rng) {
    bool quebec = Bases()[static_cast<size_t>(trip.base)].letter == 'M', bilingual = false;
    for (const Duty& d : trip.duties) {
        for (const Segment& s : d.segs) {
            for (int a : {s.from, s.to}) {
                quebec = quebec || Airports()[static_cast<size_t>(a)].quebec;
                bilingual = bilingual || Airports()[static_cast<size_t>(a)].bilingual;
            }
        }
    }
    return rng.Percent(quebec ? 85 : bilingual ? 35 : 4);
}

// Monday = 0 .. Sunday = 6.
int MondayFirst(Date d) { return (d.Weekday() + 6) % 7; }

std::vector<Date> PatternDates(Rng& rng, const Month& month) {
    const int days = month.DayCount();
    std::array<bool, 7> on{};
    int from = 0, to = days - 1;
    switch (rng.Weighted({30, 20, 5, 10, 20, 10, 5})) {
    case 0: return {month.first.AddDays(rng.Range(0, days - 1))};
    case 1:  // a week or two, every day
        from = rng.Range(0, std::max(0, days - 7));
        to = std::min(days - 1, from + rng.Range(6, 13));
        on.fill(true);
        break;
    case 2: on.fill(true); break;
    case 3:
        for (int w = 0; w < 5; ++w) on[static_cast<size_t>(w)] = true;
        from = rng.Range(0, std::min(6, days - 1));
        to = std::max(from, days - 1 - rng.Range(0, 6));
        break;
    case 4:
        for (int k = rng.Range(2, 3); k > 0; --k) on[static_cast<size_t>(rng.Range(0, 6))] = true;
        break;
    case 5: on[5] = on[6] = true; break;
    default: {
        std::set<int> picked;
        for (int k = rng.Range(2, 3); k > 0; --k) picked.insert(rng.Range(0, days - 1));
        std::vector<Date> dates;
        for (int p : picked) dates.push_back(month.first.AddDays(p));
        return dates;
    }
    }
    std::vector<Date> dates;
    for (int d = from; d <= to; ++d)
        if (on[static_cast<size_t>(MondayFirst(month.first.AddDays(d)))]) dates.push_back(month.first.AddDays(d));
    // A holiday or two cancelled.
    if (dates.size() > 4) {
        for (int k = rng.Range(0, 2); k > 0; --k)
            dates.erase(dates.begin() + static_cast<std::ptrdiff_t>(rng.Below(dates.size() - 1) + 1));
    }
    if (dates.empty()) dates.push_back(month.first.AddDays(rng.Range(0, days - 1)));
    return dates;
}

std::vector<Date> OperatingDates(Rng& rng, const Month& month, bool large) {
    if (large) {  // many distinct pairings, each flown once or twice
        const Date d = month.first.AddDays(rng.Range(0, month.DayCount() - 1));
        if (rng.Percent(60) || d.AddDays(7) > month.last) return {d};
        return {d, d.AddDays(7)};
    }
    for (;;) {
        std::vector<Date> dates = PatternDates(rng, month);
        if (PeriodOf(dates).exceptions.size() <= 4) return dates;
    }
}

// Pairing numbers: the type's digit then three digits. Cockpit pairings count up from 1 and
// cabin pairings from 501 while each side stays under 500; otherwise one run through the
// type's digits. A repeated trip keeps the number of the trip it repeats.
void NumberTrips(std::vector<Trip>& cockpit, std::vector<Trip>& cabin, Eqp eqp) {
    const std::vector<int> digits = EqpDigits(eqp);
    auto originals = [](const std::vector<Trip>& trips) {
        return std::count_if(trips.begin(), trips.end(), [](const Trip& t) { return t.repeatOf < 0; });
    };
    const bool split = originals(cockpit) < 500 && originals(cabin) < 500;
    int k = 0;
    for (std::vector<Trip>* side : {&cockpit, &cabin}) {
        if (split) k = side == &cockpit ? 0 : 500;
        for (Trip& t : *side) {
            if (t.repeatOf >= 0) {
                t.number = (*side)[static_cast<size_t>(t.repeatOf)].number;
                continue;
            }
            // Past the last number of the last digit only if the reserve for the other side ran out.
            const int digit = digits[static_cast<size_t>(k / 999) % digits.size()];
            t.number = digit * 1000 + k % 999 + 1;
            ++k;
        }
    }
}

std::vector<PairingSet> PlanSets(const Options& o) {
    const int days = o.month.DayCount();
    const int otherDemand = kOtherGroupCrew * kDaysPerMember * days / 30;
    const int focusDemand = o.crew * kDaysPerMember * days / 30;
    std::vector<PairingSet> sets;
    for (size_t b = 0; b < Bases().size(); ++b) {
        const bool focusBase = static_cast<int>(b) == o.base;
        std::vector<Eqp> fleet = Bases()[b].fleet;
        if (focusBase && o.Pilots() && std::find(fleet.begin(), fleet.end(), o.eqp) == fleet.end())
            fleet.push_back(o.eqp);
        const int fleetSize = static_cast<int>(fleet.size());
        for (size_t e = 0; e < fleet.size(); ++e) {
            for (Side side : {Side::Cockpit, Side::Cabin}) {
                PairingSet s;
                s.base = static_cast<int>(b);
                s.eqp = fleet[e];
                s.side = side;
                s.demand = otherDemand;
                if (focusBase && side == Side::Cockpit && o.Pilots() && fleet[e] == o.eqp) {
                    s.focus = true;
                    s.demand = focusDemand;
                    if (o.large) s.copyLimit = kLargePairings;
                } else if (focusBase && side == Side::Cabin && !o.Pilots()) {
                    s.focus = true;
                    s.demand = focusDemand / fleetSize;
                    if (o.large)
                        s.copyLimit = kLargePairings / fleetSize + (e == 0 ? kLargePairings % fleetSize : 0);
                }
                sets.push_back(s);
            }
        }
    }
    return sets;
}

std::vector<Trip> BuildSet(const PairingSet& set, const Options& o, TripBuilder& builder, Rng& rng) {
    std::vector<Trip> trips;
    Date change;
    const bool clockChange = set.focus && o.month.ClockChange(&change) && change > o.month.first;
    int done = 0, ca = 0, fo = 0, cabin = 0;
    // A large month keeps room in the type's numbers for the other side's pairings.
    const int distinct = set.copyLimit > 0 ? static_cast<int>(EqpDigits(set.eqp).size()) * 999 - kReservedNumbers
                                           : std::numeric_limits<int>::max();
    for (;;) {
        if (set.copyLimit > 0) {
            if (std::max({ca, fo, cabin}) > set.copyLimit - 3) break;
        } else if (done >= set.demand) {
            break;
        }
        std::vector<Date> dates = OperatingDates(rng, o.month, set.copyLimit > 0);
        int duties = 1 + static_cast<int>(rng.Weighted({18, 24, 30, 20, 8}));
        // A few trips of the chosen group leave the day before the clock change and span it.
        if (clockChange && trips.size() < 4) {
            dates = {change.AddDays(-1)};
            if (dates[0] < o.month.first) dates[0] = o.month.first;
            duties = std::max(duties, 2);
        }
        Trip trip;
        if (static_cast<int>(trips.size()) >= distinct) {
            // Out of numbers: an earlier trip flies again on other dates, listed further down the
            // file so that it loads as a pairing of its own.
            const int original = static_cast<int>(trips.size() - static_cast<size_t>(distinct)) % distinct;
            trip = trips[static_cast<size_t>(original)];
            trip.repeatOf = original;
        } else {
            trip = builder.Build(set.base, set.eqp, set.side, dates[0], duties);
            trip.letter = Bases()[static_cast<size_t>(set.base)].letter;
            trip.complement = set.side == Side::Cockpit ? CockpitComplement(rng) : CabinComplement(rng, set.eqp);
            trip.french = set.side == Side::Cabin && NeedsFrench(trip, rng);
        }
        trip.dates = dates;
        const Complement c = ParseComplement(trip.complement);
        if (set.copyLimit > 0 && std::max({ca + c.ca, fo + c.fo, cabin + c.fa + c.pu}) > set.copyLimit) break;
        ca += set.side == Side::Cockpit ? c.ca : 0;
        fo += set.side == Side::Cockpit ? c.fo : 0;
        cabin += set.side == Side::Cabin ? c.fa + c.pu : 0;
        done += trip.SpanDays() * static_cast<int>(dates.size()) * CountFor(c, set.side, o.status);
        trips.push_back(std::move(trip));
    }
    return trips;
}

}  // namespace

Complement ParseComplement(const std::string& text) {
    Complement c;
    for (size_t i = 0; i + 4 <= text.size(); i += 4) {
        const std::string code = text.substr(i, 2);
        const int n = (text[i + 2] - '0') * 10 + (text[i + 3] - '0');
        if (code == "CA") c.ca = n;
        if (code == "FO") c.fo = n;
        if (code == "FA") c.fa = n;
        if (code == "PU") c.pu = n;
    }
    return c;
}

int CopiesFor(const Complement& c, Status status) {
    switch (status) {
    case Status::Captain: return c.ca;
    case Status::FirstOfficer: return c.fo;
    case Status::Cabin: return c.fa + c.pu;
    }
    return 0;
}

OperatingPeriod PeriodOf(const std::vector<Date>& dates) {
    OperatingPeriod p;
    p.first = *std::min_element(dates.begin(), dates.end());
    p.last = *std::max_element(dates.begin(), dates.end());
    for (Date d : dates) p.weekdays[static_cast<size_t>(MondayFirst(d))] = true;
    for (Date d = p.first; d <= p.last; d = d.Next()) {
        if (p.weekdays[static_cast<size_t>(MondayFirst(d))] && std::find(dates.begin(), dates.end(), d) == dates.end())
            p.exceptions.push_back(d);
    }
    return p;
}

std::vector<Trip> BuildMonthPairings(const Options& options, const Network& network) {
    Rng rng = Rng::Stream(options.seed, "pairings");
    FlightNumbers flights;
    TripBuilder builder(network, rng, flights);
    const std::vector<PairingSet> sets = PlanSets(options);
    std::vector<Trip> all;
    for (size_t i = 0; i + 1 < sets.size(); i += 2) {  // cockpit and cabin of one base and type
        std::vector<Trip> cockpit = BuildSet(sets[i], options, builder, rng);
        std::vector<Trip> cabin = BuildSet(sets[i + 1], options, builder, rng);
        NumberTrips(cockpit, cabin, sets[i].eqp);
        for (auto* side : {&cockpit, &cabin})
            for (Trip& t : *side) all.push_back(std::move(t));
    }
    return all;
}

}  // namespace lwgen
