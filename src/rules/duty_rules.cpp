// The pilots' cumulative duty rules: 60 hours in 7 days with single free days and local night
// rests, or the 70/7 alternative after a run of five free days; with the day-by-day trace.
#include "rules/duty_rules.h"

#include <algorithm>
#include <array>
#include <string>

#include "rules/duty_days.h"

namespace lw::rules {

namespace {

using namespace dutyrule;

constexpr int32_t kSevenDayLimit = 3600;
constexpr int32_t kDayDutyLimit = 720;
constexpr int32_t kEarliestStart = 420;

enum class Scheme { Sixty, Seventy };

// The dates of w = 0..92 as "dd/mm/yyyy", kept while the month's dates stay the same.
const std::array<std::string, kDays>& DateTexts(const Document& doc) {
    struct Cache {
        std::array<base::CalendarDate, kDays> dates{};
        std::array<std::string, kDays> texts{};
        bool filled = false;
    };
    static thread_local Cache cache;
    std::array<base::CalendarDate, kDays> dates;
    for (int w = 0; w < kDays; ++w) dates[static_cast<size_t>(w)] = DateOfDay(doc, w);
    if (!cache.filled || dates != cache.dates) {
        cache.dates = dates;
        for (int w = 0; w < kDays; ++w) {
            cache.texts[static_cast<size_t>(w)].clear();
            AppendDate(cache.texts[static_cast<size_t>(w)], dates[static_cast<size_t>(w)]);
        }
        cache.filled = true;
    }
    return cache.texts;
}

class Evaluation {
public:
    Evaluation(const Document& doc, TPilot& p, DutyDays& days) : doc_(doc), p_(p), days_(days), dates_(DateTexts(doc)) {}

    bool Run() {
        const int lastDay = std::min(doc_.DayCount + 37, kDays - 1);
        Scheme scheme = Scheme::Sixty, saved = Scheme::Sixty;
        bool switchAllowed = true, switchMade = false, anyFail = false;
        int lowestSwitch = 0, failDay = -1;
        int guard = kDays * kDays * 2;
        for (int w = 27; w <= lastDay && --guard > 0;) {
            if (!days_.duty[static_cast<size_t>(w)]) {
                ++w;
                continue;
            }
            const bool passed = scheme == Scheme::Sixty ? SixtyInSeven(w) : SeventyInSeven(w);
            if (passed) {
                switchAllowed = true;
                ++w;
                continue;
            }
            if (switchAllowed) {
                switchAllowed = false;
                failDay = w;
                const int v = LatestFiveRun(w, lowestSwitch);
                if (v >= 0) {
                    saved = scheme;
                    scheme = scheme == Scheme::Sixty ? Scheme::Seventy : Scheme::Sixty;
                    lowestSwitch = v + 1;
                    switchMade = true;
                    LogSwitch(scheme, v);
                    w = v + 1;
                    continue;  // switching waits until the end of the next evaluated day
                }
            }
            // A failed change of scheme goes back to the day that first failed: that day is
            // the one flagged, and the walk carries on after it.
            if (w < failDay) w = failDay;
            anyFail = true;
            days_.fail[static_cast<size_t>(w)] = true;
            scheme = saved;
            if (switchMade) p_.RuleLog += "ATTEMPT LOGIC CHANGE FAIL. +";
            switchMade = false;
            switchAllowed = true;
            ++w;
        }
        return !anyFail;
    }

private:
    // The day carries only the last minutes of a duty that began earlier.
    bool OnlyEndOfEarlierDuty(int w) const {
        const size_t i = static_cast<size_t>(w);
        if (days_.dutyStart[i] > 0 || days_.dutyLength[i] > 0) return false;
        for (int v = w - 1; v > 10; --v) {
            if (!days_.HasAssign(v)) continue;
            const int32_t end = days_.AssignEnd(v);
            return end >= w * kMinutesPerDay && end <= w * kMinutesPerDay + 30;
        }
        return false;
    }

    void LogChecking(int w) {
        p_.RuleLog += "Checking ";
        p_.RuleLog += dates_[static_cast<size_t>(w)];
    }

    bool SixtyInSeven(int w) {
        const bool endOnly = OnlyEndOfEarlierDuty(w);
        LogChecking(w);
        bool passed = true;
        if (p_.RuleWindow[static_cast<size_t>(w)][1] > kSevenDayLimit) {
            p_.RuleLog += " FAIL 60HR/7D";
            passed = false;
        }
        if (!endOnly) {
            bool freeDay = false;
            for (int x = w; x >= w - 6 && !freeDay; --x) freeDay = x < 0 || days_.sdfd[static_cast<size_t>(x)];
            if (!freeDay) {
                p_.RuleLog += " FAIL 2LNR";
                passed = false;
            }
            int freeDays = 0;
            for (int x = std::max(0, w - 27); x <= w; ++x) freeDays += days_.sdfd[static_cast<size_t>(x)] ? 1 : 0;
            if (freeDays < 4) {
                p_.RuleLog += " FAIL 4SDFD";
                passed = false;
            }
        }
        if (passed) p_.RuleLog += " PASSED 2LNR 60/7 4SDFD";
        p_.RuleLog += '+';
        return passed;
    }

    bool SeventyInSeven(int w) {
        LogChecking(w);
        const int b = EndOfRecentFiveRun(w);
        bool passed = b >= 0;
        if (!passed) p_.RuleLog += " FAIL 5LNR/21";
        for (int d = w; passed && d >= b; --d) {
            if (days_.dayDuty[static_cast<size_t>(d)] > kDayDutyLimit) {
                p_.RuleLog += " FAIL 12HR DUTY";
                passed = false;
            }
        }
        for (int d = w; passed && d >= b; --d) {
            if (!days_.HasDuty(d)) continue;
            const int32_t start = days_.dutyStart[static_cast<size_t>(d)];
            if (start < kEarliestStart || start + days_.dutyLength[static_cast<size_t>(d)] > kMinutesPerDay) {
                p_.RuleLog += " FAIL EARLY/LATE DUTY";
                passed = false;
            }
        }
        if (passed) {
            if (!overBuilt_) FindOver24In48(days_);
            overBuilt_ = true;
            for (int d = w; passed && d >= b; --d) {
                if (days_.over[static_cast<size_t>(d)]) {
                    p_.RuleLog += " FAIL 24DUTY in 48HR";
                    passed = false;
                }
            }
        }
        p_.RuleLog += passed ? " PASSED 70/7.+" : " FAILED 70/7.+";
        return passed;
    }

    // The last day of the latest run of five free days in the 21 days to w, or -1.
    int EndOfRecentFiveRun(int w) const {
        int run = 0;
        for (int back = 0; back <= 20 && w - back >= 0; ++back) {
            run = days_.sdfd[static_cast<size_t>(w - back)] ? run + 1 : 0;
            if (run > 4) return w - back + 4;
        }
        return -1;
    }

    int LatestFiveRun(int w, int lowest) const {
        for (int v = w; v > lowest; --v)
            if (days_.five[static_cast<size_t>(v)]) return v;
        return -1;
    }

    void LogSwitch(Scheme to, int v) {
        p_.RuleLog += "ATTEMPT LOGIC CHANGE to";
        p_.RuleLog += to == Scheme::Seventy ? " 70/7 " : " 60/7 ";
        if (v > doc_.DayCount + 30) {
            p_.RuleLog += "Next Month.+";
            return;
        }
        const base::CalendarDate date = DateOfDay(doc_, v);
        p_.RuleLog += "on ";
        AppendNumber(p_.RuleLog, date.day);
        p_.RuleLog += '/';
        AppendNumber(p_.RuleLog, date.month);
        p_.RuleLog += '/';
        AppendNumber(p_.RuleLog, date.year);
        p_.RuleLog += ".+";
    }

    const Document& doc_;
    TPilot& p_;
    DutyDays& days_;
    const std::array<std::string, kDays>& dates_;
    bool overBuilt_ = false;
};

void ListFailedDays(const Document& doc, TPilot& p, const DutyDays& days) {
    p.IllegalText += " 60h/7d 2LNR Rules";
    for (int w = 17; w <= 68; ++w) {
        if (!days.fail[static_cast<size_t>(w)]) continue;
        if (w < kMonthOffset) {
            AppendDate(p.IllegalText, DateOfDay(doc, w));
            p.IllegalText += '.';
            continue;
        }
        const int d = w - kMonthOffset;
        Flag(p.DayIllegal, d);
        if (w > doc.DayCount + 30) {
            p.IllegalText += " C/Out";
            break;
        }
        AppendDay(p.IllegalText, DayOfMonth(doc, d));
    }
}

void AppendDataTable(const Document& doc, TPilot& p, const DutyDays& days) {
    static const std::string kHead = [] {
        const std::string dashes = std::string(80, '-') + "+";
        return dashes + "RULE CHECKING DATA ARRAYS+" + dashes + "DUTY IS ANY QUALIFING DUTY THAT DAY+" +
               "LNR IS LOCAL NIGHT REST PROCEEDING NIGHT+2LNR&SDFD IS A SDFFD WITH A LNR ON EACH SIDE+" +
               "5LNR IS 5 LNR AND 5 DAYS OFF TO SWAP 70/7 OR 60/6+" +
               "BELOW POPULATED IF 70/7 AND DUTY <= 12 PASS+>2448 IS OVER 24 HR DUTY IN 48.+" +
               "ELN IS EARLY LATE OT NIGHT DUTY" + "+" + dashes;
    }();
    const auto& dates = DateTexts(doc);
    std::string& log = p.RuleLog;
    log += kHead;
    for (int w = 0; w < kDays; ++w) {
        const size_t i = static_cast<size_t>(w);
        char line[96];
        size_t n = 0;
        auto put = [&line, &n](std::string_view text) {
            const size_t take = std::min(text.size(), sizeof line - n);
            std::copy_n(text.begin(), take, line + n);
            n += take;
        };
        put(dates[i]);
        put("  ");
        if (days.duty[i]) put("DUTY   ");
        if (days.lnr[i]) put("LNR   ");
        if (days.sdfd[i]) put("2LNSDFD  ");
        if (days.five[i]) put("5LNR   ");
        if (days.over[i]) put(">2448  ");
        if (days.eln[i]) put("ELN   ");
        put("+");
        log.append(line, n);
    }
}

}  // namespace

bool CheckDutyRules(model::Document& doc, int crew) {
    if (crew < 0 || crew >= static_cast<int>(doc.Crew.size())) return true;
    TPilot& p = doc.Crew[static_cast<size_t>(crew)];
    if (p.EmployeeNumber == -1) return true;
    p.RuleLog.clear();
    p.RuleLog.reserve(8192);
    DutyDays days;
    ReadOutsideDuty(doc, p, days);
    ReadBlockDuty(doc, p, days);
    StoreRollingTotals(p, days);
    FindNightRests(days);
    FindFreeDays(days);
    FindFiveRuns(doc, days);
    FindEarlyLateNight(doc, days);
    const bool passed = Evaluation(doc, p, days).Run();
    if (!passed) ListFailedDays(doc, p, days);
    AppendDataTable(doc, p, days);
    return passed;
}

}  // namespace lw::rules
