// Pilot rest, fatigue, hard time in 28 days, long duties in a row, duty in 28 days.
#include <algorithm>

#include "rules/check_support.h"
#include "model/rest_rules.h"

namespace lw::rules::blockcheck {

namespace {

using model::kPilotRest;
constexpr int32_t kReserveRest = 539;
constexpr int32_t kWarnMargin = 60;
constexpr int32_t kReserveEarlyAllowance = 121;

bool IsPlainDayOff(std::string_view code) {
    const std::string_view c = Trimmed(code);
    return c == "STT" || c == "VAC" || c == "GO" || c == "STA";
}

// " %d" for a day of the month, " %d+" for a day of next month.
void AppendRestDays(const Document& doc, std::string& out, const DayFlags& days, int last) {
    for (int d = 0; d <= last; ++d) {
        if (!days[static_cast<size_t>(d)]) continue;
        AppendDay(out, DayOfMonth(doc, d));
        if (d >= doc.DayCount) out += '+';
    }
}

}  // namespace

void CheckPilotRest(Document& doc, TPilot& p) {
    const int last = std::min(doc.DayCount + 30, kLastDayCell);
    int32_t earliest = p.LegalCheckIn;
    int32_t lastRest = kPilotRest;
    int32_t previousStart = p.LegalCheckIn;
    DayFlags illegal{}, warned{};
    bool anyIllegal = false, anyWarned = false;
    auto markIllegal = [&](int d) { illegal[static_cast<size_t>(d)] = anyIllegal = true; };
    auto markWarned = [&](int d) { warned[static_cast<size_t>(d)] = anyWarned = true; };

    for (int d = 0; d <= last; ++d) {
        const int32_t dayStart = d * kMinutesPerDay;
        if (const TPair* q = PairOn(doc, p, d)) {
            const int32_t required = q->RestAfter > kPilotRest ? q->RestAfter : kPilotRest;
            const int32_t report = dayStart + q->ReportTime;
            const int32_t start = AdjustForClockChange(doc, previousStart, report);
            if (start < earliest)
                markIllegal(d);
            else if (start < earliest + kWarnMargin)
                markWarned(d);
            earliest = report + q->Tafb + required;
            lastRest = required;
            previousStart = report;
        } else if (IsActivity(p, d)) {
            const model::DayValues& a = Activity(p, d);
            const bool reserve = a[model::kActReserve] != 0;
            const int32_t begin = dayStart + a[model::kActStart];
            if (a[model::kActContainsDuty] != 0) {
                const int32_t start = AdjustForClockChange(doc, previousStart, begin);
                if (start < earliest) {
                    // A reserve may be called a little inside the rest, but not after a
                    // reserve day at the end of last month.
                    const bool afterLastMonthReserve = d == 0 && PrevDay(p, kMonthOffset - 1)[model::kPrevWorked] == 2;
                    if (!reserve || earliest - start > kReserveEarlyAllowance || afterLastMonthReserve) markIllegal(d);
                } else if (start < earliest + kWarnMargin && !reserve) {
                    markWarned(d);
                }
                lastRest = reserve ? kReserveRest : kPilotRest;
                earliest = begin + a[model::kActDuration] + lastRest;
            } else {
                const int32_t start = IsPlainDayOff(p.DayCode[static_cast<size_t>(d)]) ? dayStart + lastRest + 120
                                                                                        : begin + kPilotRest;
                if (start < earliest && !reserve) markIllegal(d);
                earliest = begin + a[model::kActDuration];
                lastRest = 0;
            }
            previousStart = begin;
        }
    }
    if (anyIllegal) {
        p.IllegalText += " Rest ";
        AppendRestDays(doc, p.IllegalText, illegal, last);
        for (int d = 0; d <= last; ++d)
            if (illegal[static_cast<size_t>(d)]) Flag(p.DayIllegal, d);
    }
    if (anyWarned) {
        p.WarningText += " Rest ";
        AppendRestDays(doc, p.WarningText, warned, last);
        for (int d = 0; d <= last; ++d)
            if (warned[static_cast<size_t>(d)]) Flag(p.DayWarning, d);
    }
}

void CheckFatigue(Document& doc, TPilot& p) {
    constexpr int32_t kFatigueLimit = 6000;
    int32_t sum = FatigueCarriedIn(p);
    int coveredUntil = -1;
    std::string days;
    auto judge = [&](int d) {
        if (sum <= kFatigueLimit) return;
        AppendDay(days, DayOfMonth(doc, d));
        Flag(p.DayIllegal, d);
        sum = 0;
    };
    for (int d = 0; d < doc.DayCount; ++d) {
        if (const TPair* q = PairOn(doc, p, d)) {
            sum += q->FatigueUnits;
            coveredUntil = std::max(coveredUntil, d + WorkedDays(*q) - 1);
            judge(d);
        } else if (IsActivity(p, d)) {
            const model::DayValues& a = Activity(p, d);
            if (a[model::kActContainsDuty] != 0) {
                sum += a[model::kActDuration];
                judge(d);
            } else {
                sum = 0;
            }
        } else if (d > coveredUntil) {
            sum = 0;
        }
    }
    if (!days.empty()) p.IllegalText += " 100+ Fatigue Units on" + days;
}

void CheckHardTimeIn28(Document& doc, TPilot& p, const HardTimeTable& hard) {
    constexpr int32_t kHardLimit = 6720;
    constexpr int kOutsideDays = 5;  // last month and the first days of this month count outside time
    constexpr int kFirstStart = -27;
    const int lastTable = std::min(doc.DayCount + 4, kLastDayCell);
    // Each day's hard time by day index -27..61: outside time up to day index 4, the block's
    // from day index 0 to DayCount + 4. Day i is over when the sum from some window start
    // (day -27 to the month's last day, at most 27 days back) to day i is over.
    constexpr int kSpan = -kFirstStart + model::kDayCells;
    std::array<int32_t, kSpan + 1> before{};  // before[x] = hard time of days kFirstStart .. x - 1
    for (int i = kFirstStart; i <= kLastDayCell; ++i) {
        int32_t day = 0;
        if (i < kOutsideDays) day += PrevDay(p, i + kMonthOffset)[model::kPrevHardTime];
        if (i >= 0 && i <= lastTable) day += hard[static_cast<size_t>(i)];
        before[static_cast<size_t>(i - kFirstStart + 1)] = before[static_cast<size_t>(i - kFirstStart)] + day;
    }
    auto sumBefore = [&before](int i) { return before[static_cast<size_t>(i - kFirstStart)]; };
    DayFlags flagged{};
    bool any = false;
    for (int i = 0; i <= lastTable; ++i) {
        const int firstStart = std::max(kFirstStart, i - 27);
        const int lastStart = std::min(i, doc.DayCount - 1);
        int32_t least = sumBefore(firstStart);
        for (int j = firstStart + 1; j <= lastStart; ++j) least = std::min(least, sumBefore(j));
        if (firstStart <= lastStart && sumBefore(i + 1) - least > kHardLimit) flagged[static_cast<size_t>(i)] = any = true;
    }
    if (!any) return;
    p.IllegalText += " 112+ Hours Hard in 28 on";
    for (int d = 0; d <= lastTable; ++d) {
        if (!flagged[static_cast<size_t>(d)]) continue;
        Flag(p.DayIllegal, d);
        if (d >= doc.DayCount) {
            p.IllegalText += " C/Out";
            break;
        }
        AppendDay(p.IllegalText, DayOfMonth(doc, d));
    }
}

void CheckLongDuties(Document& doc, TPilot& p) {
    constexpr int kDays = 69;           // w = 0..68
    constexpr int kOutsideLast = 44;    // outside duty is read up to here
    constexpr int32_t kLongDuty = 720;
    std::array<int32_t, kDays> dutyStart{}, dutyLength{};
    std::array<bool, kDays> hasDuty{}, freeDayBefore{}, flagged{};
    int32_t previousEnd = -kMinutesPerDay;
    auto startsAfterFreeDay = [&](int w, int32_t start, int32_t end) {
        if (start - previousEnd >= kMinutesPerDay) freeDayBefore[static_cast<size_t>(w)] = true;
        previousEnd = end;
    };
    auto setDuty = [&](int w, int32_t start, int32_t length) {
        hasDuty[static_cast<size_t>(w)] = true;
        dutyStart[static_cast<size_t>(w)] = start;
        dutyLength[static_cast<size_t>(w)] = length;
    };
    for (int w = 0; w < kDays; ++w) {
        if (w <= kOutsideLast) {
            const model::DayValues& prev = PrevDay(p, w);
            if (prev[model::kPrevPairTafb] > 0) {
                const int32_t start = w * kMinutesPerDay + prev[model::kPrevPairStart];
                startsAfterFreeDay(w, start, start + prev[model::kPrevPairTafb]);
                const int span = SpanDays(prev[model::kPrevPairStart] + prev[model::kPrevPairTafb]);
                for (int x = w; x < w + span && x <= kOutsideLast; ++x) {
                    const model::DayValues& day = PrevDay(p, x);
                    if (day[model::kPrevWorked] == 1) setDuty(x, day[model::kPrevDutyStart], day[model::kPrevDutyLength]);
                }
            }
        }
        const int d = w - kMonthOffset;
        if (d < 0) continue;
        if (const TPair* q = PairOn(doc, p, d)) {
            const int32_t start = w * kMinutesPerDay + q->ReportTime;
            startsAfterFreeDay(w, start, start + q->Tafb);
            const int length = std::clamp<int>(q->PairLength, 0, model::kMonthDays);
            for (int k = 0; k < length && w + k < kDays; ++k) {
                const size_t i = static_cast<size_t>(k);
                if (q->DailyHardTime[i] > 0) setDuty(w + k, q->DailyStart[i], q->DailyDuty[i]);
            }
        } else if (IsActivity(p, d) && Activity(p, d)[model::kActHardTime] > 0) {
            setDuty(w, Activity(p, d)[model::kActStart], Activity(p, d)[model::kActDuration]);
        }
    }

    int count = 0;
    int32_t lastEnd = -kMinutesPerDay;
    bool any = false;
    for (int w = 0; w < kDays; ++w) {
        const size_t i = static_cast<size_t>(w);
        if (freeDayBefore[i]) count = 0;
        if (!hasDuty[i]) continue;
        const int32_t start = w * kMinutesPerDay + dutyStart[i];
        if (dutyLength[i] >= kLongDuty) {
            ++count;
        } else {
            if (start - lastEnd >= kMinutesPerDay) count = 0;
            count = count > 2 ? count + 1 : 0;
        }
        lastEnd = start + dutyLength[i];
        if (count > 3) {
            flagged[i] = any = true;
            count = 0;
        }
    }
    if (!any) return;
    p.IllegalText += " 3+ 12 Hr Duty on";
    bool lastMonthWritten = false;
    for (int w = 0; w < kDays; ++w) {
        if (!flagged[static_cast<size_t>(w)]) continue;
        const int d = w - kMonthOffset;
        if (d < 0) {
            if (!lastMonthWritten) p.IllegalText += " Last Month";
            lastMonthWritten = true;
        } else if (d < doc.DayCount) {
            AppendDay(p.IllegalText, DayOfMonth(doc, d));
            Flag(p.DayIllegal, d);
        } else {
            p.IllegalText += " C/O";
            Flag(p.DayIllegal, d);
            break;
        }
    }
}

void CheckDutyIn28(Document& doc, TPilot& p) {
    constexpr int32_t kDutyLimit = 11520;
    const int last = std::min(doc.DayCount + 5, kLastExtendedDay - kMonthOffset);
    std::string days;
    for (int d = 0; d <= last; ++d) {
        if (p.RuleWindow[static_cast<size_t>(d + kMonthOffset)][2] <= kDutyLimit) continue;
        Flag(p.DayIllegal, d);
        if (d >= doc.DayCount) {
            days += " C/O.";
            break;
        }
        AppendDay(days, DayOfMonth(doc, d));
    }
    if (!days.empty()) p.IllegalText += " 192h+/28d On" + days;
}

}  // namespace lw::rules::blockcheck
