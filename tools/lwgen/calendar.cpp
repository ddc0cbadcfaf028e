#include "calendar.h"

#include <algorithm>
#include <set>

#include "airline.h"
#include "codes.h"

namespace lwgen {

namespace {

constexpr int kPoolPerType = 26;

struct Course {
    const char* code;
    int minDays, maxDays, percent;
};

const std::vector<Course> kPilotCourses = {{"SM", 2, 2, 8}, {"GS", 2, 3, 4}, {"CT", 1, 1, 6}, {"CM", 1, 1, 3},
                                           {"SC", 1, 1, 3}, {"OC", 1, 1, 2}, {"AL", 1, 1, 2}, {"TL", 1, 1, 1}};
const std::vector<Course> kCabinCourses = {{"RT", 1, 1, 8}, {"SC", 1, 1, 3}, {"FT", 1, 1, 3},
                                           {"OC", 1, 1, 2}, {"TE", 1, 1, 2}, {"FN", 2, 2, 2}};

class MemberPlanner {
public:
    MemberPlanner(const Options& o, const CrewMember& m, PriorPairings& prior, Rng& rng)
        : o_(o), m_(m), prior_(prior), rng_(rng), busy_(static_cast<size_t>(Total(o)), false) {}

    CrewCalendar Plan() {
        const int total = Total(o_);
        if (rng_.Below(1000) < 15) {  // on long leave throughout
            static const std::vector<std::string> kLeave = {"MD", "LA", "MT", "LD"};
            Add(rng_.Pick(kLeave), 0, total - 1);
            return calendar_;
        }
        if (rng_.Percent(18)) Place("VC", rng_.Range(5, 10), 0, total);
        for (const Course& c : m_.Cabin() ? kCabinCourses : kPilotCourses) {
            if (std::string(c.code) == "FN" && HasCode("FR")) continue;
            if (rng_.Percent(c.percent)) Place(c.code, rng_.Range(c.minDays, c.maxDays), 0, total);
        }
        if (rng_.Percent(10)) Place("GO", rng_.Range(1, 2), kPriorDays, total);
        if (rng_.Percent(80)) FlyLine();
        else SitReserve();
        std::sort(calendar_.spans.begin(), calendar_.spans.end(),
                  [](const Span& a, const Span& b) { return a.first < b.first; });
        return calendar_;
    }

private:
    static int Total(const Options& o) {
        return kPriorDays + o.month.DayCount() + FollowingMonth(o.month).DayCount();
    }

    bool HasCode(const std::string& code) const {
        return std::find(m_.codes.begin(), m_.codes.end(), code) != m_.codes.end();
    }

    bool Free(int first, int last) const {
        if (first < 0 || last >= static_cast<int>(busy_.size())) return false;
        for (int k = first; k <= last; ++k)
            if (busy_[static_cast<size_t>(k)]) return false;
        return true;
    }

    void Mark(int first, int last) {
        for (int k = first; k <= last; ++k) busy_[static_cast<size_t>(k)] = true;
    }

    void Add(const std::string& code, int first, int last) {
        const ActivityCode& a = CodeFor(code, m_.Cabin());
        calendar_.spans.push_back({code, first, last, a.start, a.end});
        Mark(first, last);
    }

    // Somewhere free between from and to (exclusive), when a few tries find room.
    void Place(const std::string& code, int days, int from, int to) {
        for (int attempt = 0; attempt < 10; ++attempt) {
            const int first = rng_.Range(from, std::max(from, to - days));
            if (Free(first, first + days - 1)) {
                Add(code, first, first + days - 1);
                return;
            }
        }
    }

    // A line holder's last month: trips with two to four days off between them; the last trip
    // may run into the new month.
    void FlyLine() {
        int day = rng_.Range(0, 3);
        while (day < kPriorDays) {
            if (!Free(day, day)) {
                ++day;
                continue;
            }
            if (rng_.Percent(8)) {  // a day of reserve between trips
                Add(rng_.Percent(50) ? "RA" : "RB", day, day);
                day += 2;
                continue;
            }
            const int duties = 1 + static_cast<int>(rng_.Weighted({20, 30, 30, 20}));
            const Trip& trip = prior_.Pick(m_, duties, rng_);
            const int span = trip.SpanDays();
            if (!Free(day, day + span - 1)) {
                ++day;
                continue;
            }
            calendar_.trips.push_back({&trip, day});
            Mark(day, day + span - 1);
            day += span + (rng_.Percent(15) ? 1 : rng_.Range(2, 4));
        }
    }

    // A reserve's last month: blocks of four to six reserve days.
    void SitReserve() {
        static const std::vector<std::string> kPilot = {"RA", "RB"};
        static const std::vector<std::string> kCabin = {"RA", "RB", "RE"};
        int day = rng_.Range(0, 3);
        while (day < kPriorDays) {
            const std::string code = rng_.Pick(m_.Cabin() ? kCabin : kPilot);
            int last = day;
            const int want = day + rng_.Range(4, 6) - 1;
            while (last + 1 <= want && last + 1 < kPriorDays && Free(last + 1, last + 1)) ++last;
            if (Free(day, day)) Add(code, day, Free(day, last) ? last : day);
            day = last + 1 + rng_.Range(2, 4);
        }
    }

    const Options& o_;
    const CrewMember& m_;
    PriorPairings& prior_;
    Rng& rng_;
    std::vector<bool> busy_;
    CrewCalendar calendar_;
};

}  // namespace

PriorPairings::PriorPairings(const Options& options, const Network& network)
    : options_(options), network_(network), rng_(Rng::Stream(options.seed, "prior")) {}

const std::vector<Trip>& PriorPairings::PoolFor(const CrewMember& member) {
    const int type = member.Cabin() ? -1 : static_cast<int>(member.eqp);
    const auto key = std::make_pair(type, static_cast<int>(member.CrewSide()));
    auto found = pools_.find(key);
    if (found != pools_.end()) return found->second;

    const Base& base = Bases()[static_cast<size_t>(options_.base)];
    // Cabin crews fly every type of the base.
    const std::vector<Eqp> types = member.Cabin() ? base.fleet : std::vector<Eqp>{member.eqp};
    TripBuilder builder(network_, rng_, flights_);
    const Date reference = options_.month.first.AddDays(-16);
    std::vector<Trip> pool;
    std::set<int> used;
    for (int i = 0; i < kPoolPerType * static_cast<int>(types.size()); ++i) {
        const Eqp eqp = types[static_cast<size_t>(i) % types.size()];
        Trip trip = builder.Build(options_.base, eqp, member.CrewSide(), reference, 1 + i % 4);
        trip.letter = base.letter;
        trip.dates = {reference};
        trip.complement = member.Cabin() ? "FA01PU01" : "CA01FO01";
        const std::vector<int> digits = EqpDigits(eqp);
        do {
            trip.number = digits[0] * 1000 + rng_.Range(1, 999);
        } while (!used.insert(trip.number).second);
        pool.push_back(std::move(trip));
    }
    return pools_.emplace(key, std::move(pool)).first->second;
}

const Trip& PriorPairings::Pick(const CrewMember& member, int duties, Rng& rng) {
    const std::vector<Trip>& pool = PoolFor(member);
    std::vector<const Trip*> fitting;
    for (const Trip& t : pool)
        if (static_cast<int>(t.duties.size()) == duties) fitting.push_back(&t);
    if (fitting.empty()) return pool[static_cast<size_t>(rng.Below(pool.size()))];
    return *fitting[static_cast<size_t>(rng.Below(fitting.size()))];
}

std::vector<CrewCalendar> PlanCalendars(const Options& options, const std::vector<CrewMember>& roster,
                                        PriorPairings& prior) {
    Rng rng = Rng::Stream(options.seed, "calendar");
    std::vector<CrewCalendar> calendars;
    calendars.reserve(roster.size());
    for (const CrewMember& m : roster) calendars.push_back(MemberPlanner(options, m, prior, rng).Plan());
    return calendars;
}

}  // namespace lwgen
