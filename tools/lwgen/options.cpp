#include "options.h"

#include <charconv>

namespace lwgen {

namespace {

bool ParseNumber(const std::string& text, uint64_t* value) {
    if (text.empty()) return false;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, *value);
    return ec == std::errc() && ptr == end;
}

}  // namespace

std::string Usage() {
    return "usage: lwgen --seed N --out DIR (--month YYYY-MM | --first YYYY-MM-DD --last YYYY-MM-DD)\n"
           "             [--base YVR|YYC|YYZ|YUL|YHZ] [--eqp DH8|E75|DH4|CRJ] [--status capt|fo|fa]\n"
           "             [--crew N] [--large] [--crlf]\n"
           "\n"
           "Writes an invented month of input files into DIR and lists them:\n"
           "  MMMYYYY.PRG            the whole airline's pairings\n"
           "  BBB_PILOT_MMMYYYY.LIS  pilot listing of each base, BBB_CABIN_MMMYYYY.LIS cabin listing\n"
           "  MMMYYYY.box            toolbox definition file\n"
           "  BBB1perp.ext           roster extract of the base\n"
           "  BBB1absp.ext           absences this month, BBB2absp.ext next month\n"
           "  BBB1actp.ext           crew activity of the 31 days before the month, with BBB1prgp.ext\n"
           "                         (extracts end in p for pilots, c for cabin crew: BBB1perc.ext)\n"
           "\n"
           "  --seed N     the same seed and options give byte-identical files\n"
           "  --month      the schedule month of a calendar month (January ends on the 30th,\n"
           "               February runs from 31 January to 1 March, March starts on the 2nd)\n"
           "  --first/--last  any span of 1 to 31 days instead\n"
           "  --base       the crew group's base (default YYZ)\n"
           "  --eqp        the pilots' aircraft type (default DH8; cabin crew fly every type)\n"
           "  --status     captains, first officers or flight attendants (default capt)\n"
           "  --crew N     members of the crew group, 1 to 999 (default 120, 999 with --large)\n"
           "  --large      about 3000 pairings for the crew group, for benchmarks\n"
           "  --crlf       end lines with CR LF as Windows systems write them\n";
}

ParseResult ParseOptions(const std::vector<std::string>& args, Options* options, std::string* error) {
    Options o;
    bool haveSeed = false, haveCrew = false;
    std::string month, first, last;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") return ParseResult::Help;
        if (arg == "--large") {
            o.large = true;
            continue;
        }
        if (arg == "--crlf") {
            o.crlf = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            *error = arg.rfind("--", 0) == 0 ? arg + " needs a value" : "unexpected argument " + arg;
            return ParseResult::Error;
        }
        const std::string& value = args[++i];
        if (arg == "--seed") {
            if (!ParseNumber(value, &o.seed)) {
                *error = "--seed takes a whole number, not " + value;
                return ParseResult::Error;
            }
            haveSeed = true;
        } else if (arg == "--out") {
            o.out = value;
        } else if (arg == "--month") {
            month = value;
        } else if (arg == "--first") {
            first = value;
        } else if (arg == "--last") {
            last = value;
        } else if (arg == "--base") {
            o.base = BaseIndex(value);
            if (o.base < 0) {
                *error = "unknown base " + value;
                return ParseResult::Error;
            }
        } else if (arg == "--eqp") {
            if (!ParseEqp(value, &o.eqp)) {
                *error = "unknown aircraft type " + value;
                return ParseResult::Error;
            }
        } else if (arg == "--status") {
            if (value == "capt") o.status = Status::Captain;
            else if (value == "fo") o.status = Status::FirstOfficer;
            else if (value == "fa") o.status = Status::Cabin;
            else {
                *error = "--status is capt, fo or fa, not " + value;
                return ParseResult::Error;
            }
        } else if (arg == "--crew") {
            uint64_t n = 0;
            if (!ParseNumber(value, &n) || n < 1 || n > static_cast<uint64_t>(kMaxCrew)) {
                *error = "--crew takes 1 to 999, not " + value;
                return ParseResult::Error;
            }
            o.crew = static_cast<int>(n);
            haveCrew = true;
        } else {
            *error = "unknown option " + arg;
            return ParseResult::Error;
        }
    }
    if (!haveSeed) {
        *error = "--seed is required";
        return ParseResult::Error;
    }
    if (o.out.empty()) {
        *error = "--out is required";
        return ParseResult::Error;
    }
    if (!month.empty()) {
        if (!first.empty() || !last.empty()) {
            *error = "give --month or --first and --last, not both";
            return ParseResult::Error;
        }
        const Date d = ParseIsoDate(month + "-01");
        if (!d.IsValid()) {
            *error = "--month takes YYYY-MM, not " + month;
            return ParseResult::Error;
        }
        o.month = ScheduleMonth(d.Year(), d.Month());
    } else {
        if (first.empty() || last.empty()) {
            *error = "the month is required: --month, or --first and --last";
            return ParseResult::Error;
        }
        o.month.first = ParseIsoDate(first);
        o.month.last = ParseIsoDate(last);
        if (!o.month.first.IsValid() || !o.month.last.IsValid()) {
            *error = "dates are YYYY-MM-DD";
            return ParseResult::Error;
        }
        if (o.month.last < o.month.first || o.month.DayCount() > 31) {
            *error = "a month runs 1 to 31 days from --first to --last";
            return ParseResult::Error;
        }
    }
    if (o.large && !haveCrew) o.crew = kMaxCrew;
    *options = o;
    return ParseResult::Ok;
}

}  // namespace lwgen
