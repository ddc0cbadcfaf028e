// The outside bidding system's export of the month's pilot bids: one quoted comma-separated
// record per bidding pilot of the group, closed by end_x_bid. A few records carry the slips
// the planners meet in real exports: too many GDOs, a day that does not exist, a record cut off.
#include <cstdio>

#include "random.h"
#include "writers.h"

namespace lwgen {

namespace {

std::string Num(const char* format, long long value) {
    char buf[32];
    std::snprintf(buf, sizeof buf, format, value);
    return buf;
}

std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// Day of month of the schedule's k-th day.
int DayOf(const Options& options, int k) { return options.month.first.AddDays(k).Day(); }

std::string DayList(Rng& rng, const Options& options, int count, bool nextMonth) {
    std::string out;
    for (int i = 0; i < count; ++i) {
        if (!out.empty()) out += ",";
        if (nextMonth && i == count - 1) out += "+" + std::to_string(rng.Range(1, 5));
        else out += std::to_string(DayOf(options, rng.Range(0, options.month.DayCount() - 1)));
    }
    return out;
}

std::string Request(Rng& rng, const Options& options, const std::vector<std::string>& pairings) {
    const int days = options.month.DayCount();
    switch (rng.Range(0, 5)) {
    case 0: {
        const int from = rng.Range(0, days - 5);
        return "OFF " + std::to_string(DayOf(options, from)) + "-" + std::to_string(DayOf(options, from + rng.Range(2, 4)));
    }
    case 1: return "OFF WEEKENDS";
    case 2: return "Off " + std::to_string(DayOf(options, rng.Range(0, days - 1))) + ", " +
                   std::to_string(DayOf(options, rng.Range(0, days - 1)));
    case 3:
        if (!pairings.empty()) return rng.Pick(pairings) + " " + rng.Pick(pairings);
        return "Any 4 day pairings";
    case 4: return "OFF " + std::to_string(DayOf(options, rng.Range(0, days - 1))) + "\v" + "Prefer early reports\v";
    default: return "Lates only please";
    }
}

}  // namespace

std::vector<TextFile> WritePilotBids(const Options& options, const std::vector<CrewMember>& roster,
                                     const std::vector<Trip>& trips) {
    if (!options.Pilots()) return {};
    Rng rng = Rng::Stream(options.seed, "pilot bids");
    std::vector<std::string> pairings;
    for (const Trip& t : trips)
        if (t.base == options.base && t.side == Side::Cockpit && t.eqp == options.eqp && t.repeatOf < 0)
            pairings.push_back(t.Designation());
    static const std::vector<std::string> comments = {"", "", "Thanks", "Need the 14th for a wedding",
                                                      "Prefer to keep weekends together", "Same as last month"};

    TextFile file{std::string(Bases()[static_cast<size_t>(options.base)].code) + "_PILOT_BIDS_" + MonthStem(options) +
                      ".csv",
                  {"\"EMPNO\",\"FIRST\",\"LAST\",\"EMAIL\",\"PHONE1\",\"PHONE2\",\"BIDS\""}};
    int written = 0;
    for (const CrewMember& m : roster) {
        if (!m.chosenGroup || rng.Percent(20)) continue;
        ++written;
        const Date submitted = options.month.first.AddDays(-rng.Range(10, 20));
        std::vector<std::string> f = {
            Num("%06lld", m.employee), m.given, m.surname, Lower(m.given + "." + m.surname) + "@example.com",
            Num("416-555-%04lld", rng.Range(0, 9999)), rng.Percent(40) ? Num("905-555-%04lld", rng.Range(0, 9999)) : "",
            "Y", "", std::to_string(rng.Range(0, 5)), rng.Percent(20) ? "1" : "", rng.Percent(15) ? "2" : "",
            DayList(rng, options, rng.Range(0, 3), rng.Percent(10)), DayList(rng, options, rng.Range(0, 2), false), "",
            "", std::to_string(rng.Range(0, 4)), rng.Percent(10) ? "Y" : "", std::to_string(rng.Range(15, 19)),
            rng.Percent(50) ? "Y" : "N", rng.Percent(10) ? "Reserve" : "Pairings",
            rng.Percent(30) ? std::to_string(rng.Range(16, 18)) : ""};
        const int requests = rng.Range(1, 5);
        for (int r = 0; r < 8; ++r) f.push_back(r < requests ? Request(rng, options, pairings) : "");
        f.push_back(pairings.empty() ? "" : rng.Pick(pairings));
        f.push_back(rng.Pick(comments));
        f.push_back("");
        f.push_back(rng.Percent(30) ? "2,15" : "");
        f.push_back(Num("%04lld-", submitted.Year()) + Num("%02lld-", submitted.Month()) + Num("%02lld", submitted.Day()));
        f.push_back(Num("%02lld:", rng.Range(6, 22)) + Num("%02lld:", rng.Range(0, 59)) + Num("%02lld.417", rng.Range(0, 59)));
        // The slips: ten GDOs, a 35th day, and the last record cut off before its end marker.
        if (written == 3) f[11] = "1,2,3,4,5,6,7,8,9,10";
        if (written == 5) f[12] = "35";
        std::string line;
        for (size_t i = 0; i < f.size(); ++i) line += (i == 0 ? "\"" : "\",\"") + f[i];
        file.lines.push_back(line + "\",\"end_x_bid\"");
    }
    if (!file.lines.empty() && written > 6) {
        std::string& last = file.lines.back();
        last.resize(last.size() - std::string("\",\"end_x_bid\"").size());
    }
    return {file};
}

}  // namespace lwgen
