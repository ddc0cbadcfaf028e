// Building the duty rule checker's day arrays.
#include "rules/duty_days.h"

#include <algorithm>

#include "base/time_text.h"

namespace lw::rules::dutyrule {

namespace {

constexpr int kOutsideLast = 59;             // outside duty starts read up to here
constexpr int kOutsideSpanLast = 60;         // and the days they cover
constexpr int kSwitchCloseDay = 76;          // closes the free days after the month
constexpr int kMapMinutes = 108000;          // 75 days from 00:00 of w = 0
constexpr int kMapWindow = 2880;             // 48 hours
constexpr int kMapEnd = 100800;
constexpr int kMapDays = 70;

// The end of a period moved by the clock change when the change falls inside it.
int32_t EndAcrossClockChange(const Document& doc, int w, int32_t start, int32_t length) {
    int32_t end = start + length;
    const int32_t change = doc.DstChangeTime + kMonthOffset * kMinutesPerDay;
    const int32_t absolute = w * kMinutesPerDay + start;
    if (doc.DstShift != 0 && absolute < change && absolute + length >= change) end += doc.DstShift;
    return end;
}

// More than 24 hours of duty in the 48 hours before some duty minute of the day. The minute map
// holds one bit a minute; the 48-hour window slides a word (64 minutes) at a time and is looked
// at minute by minute only where the words it touches could hold more than 24 hours.
class MinuteMap {
public:
    static constexpr int kBits = 64;
    static constexpr int kWords = kMapMinutes / kBits + 1;
    static constexpr int kWindowWords = kMapWindow / kBits;  // 45: the window is whole words

    static int32_t Count(uint64_t w) {
        w = w - ((w >> 1) & 0x5555555555555555ULL);
        w = (w & 0x3333333333333333ULL) + ((w >> 2) & 0x3333333333333333ULL);
        w = (w + (w >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
        return static_cast<int32_t>((w * 0x0101010101010101ULL) >> 56);
    }

    void Clear() { words_.fill(0); }
    void Mark(int minute) { words_[static_cast<size_t>(minute / kBits)] |= uint64_t{1} << (minute % kBits); }
    // Minutes [from, to).
    void MarkRun(int from, int to) {
        for (int m = from; m < to;) {
            const int bit = m % kBits;
            const int take = std::min(kBits - bit, to - m);
            const uint64_t run = take == kBits ? ~uint64_t{0} : ((uint64_t{1} << take) - 1) << bit;
            words_[static_cast<size_t>(m / kBits)] |= run;
            m += take;
        }
    }

    // Sets over[day] for every marked minute m in [kMapWindow, kMapEnd) with more than 1440
    // marked minutes among the 2880 ending at m.
    template <class Over>
    void FindOver(Over& over) const {
        static_assert(kMapWindow % kBits == 0 && kMapEnd % kBits == 0);
        std::array<int32_t, kWords> counts;
        for (size_t k = 0; k < counts.size(); ++k) counts[k] = Count(words_[k]);
        int32_t middle = 0;  // marked minutes of the 44 whole words before word k
        const int first = kMapWindow / kBits;
        for (int k = first - kWindowWords + 1; k < first; ++k) middle += counts[static_cast<size_t>(k)];
        for (int k = first; k < kMapEnd / kBits; ++k) {
            const size_t at = static_cast<size_t>(k), out = static_cast<size_t>(k - kWindowWords);
            const uint64_t now = words_[at];
            if (now != 0 && counts[out] + middle + counts[at] > kMinutesPerDay) {
                const uint64_t leaving = words_[out];
                for (int j = 0; j < kBits; ++j) {
                    if (!(now >> j & 1)) continue;
                    const uint64_t upTo = j == kBits - 1 ? ~uint64_t{0} : (uint64_t{1} << (j + 1)) - 1;
                    const uint64_t stillIn = j == kBits - 1 ? 0 : leaving >> (j + 1);
                    if (Count(stillIn) + middle + Count(now & upTo) > kMinutesPerDay)
                        over[static_cast<size_t>((k * kBits + j) / kMinutesPerDay)] = true;
                }
            }
            middle += counts[at] - counts[out + 1];
        }
    }

private:
    std::array<uint64_t, kWords> words_{};
};

}  // namespace

void ReadOutsideDuty(const Document& doc, const TPilot& p, DutyDays& days) {
    for (int w = 0; w <= kOutsideLast; ++w) {
        const model::DayValues& prev = PrevDay(p, w);
        if (prev[model::kPrevPairTafb] > 0) {
            const int32_t start = prev[model::kPrevPairStart];
            const int32_t length = prev[model::kPrevPairTafb];
            days.assignStart[static_cast<size_t>(w)] = start;
            days.assignLength[static_cast<size_t>(w)] = length;
            const int span = SpanDays(EndAcrossClockChange(doc, w, start, length));
            for (int k = 0; k < span && w + k <= kOutsideSpanLast; ++k) {
                const int x = w + k;
                const model::DayValues& day = PrevDay(p, x);
                days.SetDuty(x, day[model::kPrevDutyStart], day[model::kPrevDutyLength]);
                if (k >= 1 && day[model::kPrevPairTafb] > 0) break;  // the next trip counts its own duty
                days.AddDayDuty(x, day[model::kPrevDutyStart], day[model::kPrevDutyLength], false);
            }
            continue;
        }
        const int32_t worked = prev[model::kPrevWorked];
        if ((worked != 1 && worked != 2) || prev[model::kPrevCarsDuty] == 0 || p.DayText[static_cast<size_t>(w)].empty())
            continue;
        const int32_t start = prev[model::kPrevDutyStart];
        const int32_t length = prev[model::kPrevDutyLength];
        days.assignStart[static_cast<size_t>(w)] = start;
        days.assignLength[static_cast<size_t>(w)] = length;
        const bool isReserve = worked == 2;
        if (isReserve) days.reserve[static_cast<size_t>(w)] = true;
        days.AddDayDuty(w, start, length, isReserve);
        const int span = SpanDays(EndAcrossClockChange(doc, w, start, length));
        for (int x = w; x < w + span && x <= kOutsideSpanLast; ++x) {
            const model::DayValues& day = PrevDay(p, x);
            days.SetDuty(x, day[model::kPrevDutyStart], day[model::kPrevDutyLength]);
        }
    }
}

void ReadBlockDuty(const Document& doc, const TPilot& p, DutyDays& days) {
    const int lastDay = std::min(doc.DayCount + 30, kLastDayCell);
    for (int d = 0; d <= lastDay; ++d) {
        const int w = d + kMonthOffset;
        if (const TPair* q = PairOn(doc, p, d)) {
            days.assignStart[static_cast<size_t>(w)] = q->ReportTime;
            days.assignLength[static_cast<size_t>(w)] = q->Tafb;
            const int span = SpanDays(q->ReportTime + q->Tafb);
            for (int k = 0; k < span && w + k < kDays; ++k) {
                const int x = w + k;
                if (k < model::kMonthDays)
                    days.SetDuty(x, q->DailyStart[static_cast<size_t>(k)], q->DailyDuty[static_cast<size_t>(k)]);
                else
                    days.SetDuty(x, 0, 0);
                // The pairing file gives the duty minutes falling on each calendar day.
                days.dayDuty[static_cast<size_t>(x)] += base::GetInt(q->SourceLine, 343 + 4 * k, 4);
                if (k == span - 1) {
                    const int32_t spill = base::GetInt(q->SourceLine, 347 + 4 * k, 4);
                    if (spill > 0) days.dayDuty[static_cast<size_t>(x + 1)] += spill;
                }
            }
        } else if (IsActivity(p, d)) {
            const model::DayValues& a = Activity(p, d);
            if (a[model::kActContainsDuty] == 0 || a[model::kActCarsDuty] == 0) continue;
            const int32_t start = a[model::kActStart];
            const int32_t length = a[model::kActDuration];
            days.assignStart[static_cast<size_t>(w)] = start;
            days.assignLength[static_cast<size_t>(w)] = length;
            days.SetDuty(w, start, length);
            const bool isReserve = a[model::kActReserve] != 0;
            if (isReserve) days.reserve[static_cast<size_t>(w)] = true;
            days.AddDayDuty(w, start, length, isReserve);
            const int span = SpanDays(EndAcrossClockChange(doc, w, start, length));
            for (int x = w + 1; x < w + span && x < kDays; ++x) days.duty[static_cast<size_t>(x)] = true;
        }
    }
}

void StoreRollingTotals(TPilot& p, const DutyDays& days) {
    int32_t seven = 0, twentyEight = 0;
    for (int w = 0; w < kDays; ++w) {
        seven += days.dayDuty[static_cast<size_t>(w)];
        twentyEight += days.dayDuty[static_cast<size_t>(w)];
        if (w >= 7) seven -= days.dayDuty[static_cast<size_t>(w - 7)];
        if (w >= 28) twentyEight -= days.dayDuty[static_cast<size_t>(w - 28)];
        p.RuleWindow[static_cast<size_t>(w)] = {days.dayDuty[static_cast<size_t>(w)], w <= 6 ? 0 : seven,
                                                w <= 28 ? 0 : twentyEight};
    }
}

void FindNightRests(DutyDays& days) {
    int32_t previousEnd = 0;
    for (int w = 0; w < kDays; ++w) {
        if (!days.HasAssign(w)) continue;
        const int32_t start = days.assignStart[static_cast<size_t>(w)];
        const int32_t capped = std::min(start, 570);  // a start after 09:30 still had its night
        const bool early = capped < 450;              // before 07:30 the night was cut short
        if (w * kMinutesPerDay + capped - previousEnd >= 540 && !early) days.lnr[static_cast<size_t>(w)] = true;
        int32_t gap = w * kMinutesPerDay + 30 - previousEnd;
        for (int x = w; gap >= kMinutesPerDay && x - 1 >= 0;) {
            gap -= kMinutesPerDay;
            days.lnr[static_cast<size_t>(--x)] = true;
        }
        previousEnd = days.AssignEnd(w);
    }
}

void FindFreeDays(DutyDays& days) {
    int32_t previousEnd = 0;
    for (int w = 0; w < kDays; ++w) {
        const bool has = days.HasAssign(w);
        if (!has && w != kSwitchCloseDay) continue;
        const int32_t end = has ? days.AssignEnd(w) : w * kMinutesPerDay;
        int32_t gap = w * kMinutesPerDay - previousEnd;
        int count = 0;
        while (gap > 1409) {
            gap -= kMinutesPerDay;
            ++count;
        }
        if (w == kSwitchCloseDay) count = std::min(count, 1);
        for (int x = w; count > 0 && x - 1 >= 0; --x, --count)
            if (days.lnr[static_cast<size_t>(x)] && days.lnr[static_cast<size_t>(x - 1)]) days.sdfd[static_cast<size_t>(x - 1)] = true;
        previousEnd = end;
    }
}

void FindFiveRuns(const Document& doc, DutyDays& days) {
    const int last = std::min(doc.DayCount + 36, kDays - 1);
    int run = 0;
    for (int w = 0; w <= last; ++w) {
        run = days.sdfd[static_cast<size_t>(w)] ? run + 1 : 0;
        if (run > 4) days.five[static_cast<size_t>(w)] = true;
    }
}

void FindEarlyLateNight(const Document& doc, DutyDays& days) {
    const int last = std::min(doc.DayCount + 36, kDays - 1);
    for (int w = 0; w <= last; ++w) {
        if (!days.HasAssign(w)) continue;
        const int32_t start = days.assignStart[static_cast<size_t>(w)];
        const int32_t end = start + days.assignLength[static_cast<size_t>(w)];
        const bool early = start >= 120 && start <= 419;
        const bool late = end >= base::kMinutesPerDay && end <= 1559;
        const bool night = (start >= 780 && end >= 1560) || start < 120;
        days.eln[static_cast<size_t>(w)] = early || late || night;
    }
}

void FindOver24In48(DutyDays& days) {
    static thread_local MinuteMap map;
    map.Clear();
    for (int w = 0; w < kMapDays; ++w) {
        if (!days.HasDuty(w)) continue;
        const int32_t from = w * kMinutesPerDay + days.dutyStart[static_cast<size_t>(w)];
        const int32_t to = std::min(from + days.dutyLength[static_cast<size_t>(w)], kMapMinutes);
        if (days.reserve[static_cast<size_t>(w)]) {
            // A reserve counts every third minute.
            for (int32_t m = from + 2; m < to; m += 3)
                if (m >= 0) map.Mark(m);
        } else {
            map.MarkRun(std::max(from, 0), to);
        }
    }
    map.FindOver(days.over);
}

}  // namespace lw::rules::dutyrule
