#pragma once
// Clock, calendar and fixed-column helpers shared by the generator's writers.
#include <cstdint>
#include <string>
#include <string_view>

#include "base/date.h"

namespace lwgen {

using lw::base::Date;

// An instant as minutes: day number × 1440 + minute of the day. In UTC unless named local.
using Instant = int64_t;

inline constexpr Instant kDay = 1440;

inline Instant AtMidnight(Date d) { return Instant{d.Number()} * kDay; }
inline Date DateOf(Instant local) { return Date(static_cast<int32_t>(local / kDay)); }
inline int MinuteOf(Instant local) { return static_cast<int>(local % kDay); }

// A station's clock: its standard offset from UTC in minutes (negative in the Americas) and
// whether it moves to summer time (Saskatchewan, north-east BC and the Yukon do not).
struct Zone {
    int standardOffset = 0;
    bool summerTime = true;
};

// Summer time runs from the second Sunday of March to the first Sunday of November, 02:00 local.
Date SecondSundayOfMarch(int year);
Date FirstSundayOfNovember(int year);

int OffsetAt(const Zone& zone, Instant utc);
inline Instant ToLocal(const Zone& zone, Instant utc) { return utc + OffsetAt(zone, utc); }
// The UTC instant of a wall-clock time; in the hour skipped in spring the later reading wins.
Instant FromLocal(const Zone& zone, Instant local);

// One schedule month: the planners' dates, not always the calendar's.
struct Month {
    Date first, last;
    int DayCount() const { return last.DaysSince(first) + 1; }
    // The calendar month and year the schedule month is named after (15 days in).
    int MonthNumber() const { return first.AddDays(15).Month(); }
    int YearNumber() const { return first.AddDays(15).Year(); }
    std::string Title() const;  // "MAR"
    // The clock change inside the month, when there is one: the day it happens on.
    bool ClockChange(Date* day) const;
};

// January ends on the 30th, February runs from 31 January to 1 March, March starts on the 2nd.
Month ScheduleMonth(int year, int month);
// The month that follows: from the day after the last, ending where its calendar month's
// schedule month ends (31 days at most).
Month FollowingMonth(const Month& month);

// "YYYYMMDD" and "YYYY-MM-DD".
std::string Yyyymmdd(Date d);
std::string IsoDate(Date d);
// "MM/DD".
std::string MonthDay(Date d);
// Reads "YYYY-MM-DD"; an invalid Date when the text is not one.
Date ParseIsoDate(std::string_view text);

// h:mm with the hours unpadded ("5:30", "12:05"), and the same right-aligned in width.
std::string HoursMinutes(int minutes);
std::string HoursMinutesRight(int minutes, size_t width);
// "HHMM" of a minute of the day.
std::string Hhmm(int minuteOfDay);
// hh:mm with two-digit hours, as the toolbox file writes times ("08:00", "2:50" for credits).
std::string ClockText(int minuteOfDay);

// A fixed-width record, blank-filled, written field by field at 0-based columns. A field that
// does not fit is a generator bug and throws.
class FixedLine {
public:
    explicit FixedLine(size_t width) : text_(width, ' ') {}
    FixedLine& Put(size_t column, std::string_view value);
    // Text padded or cut to exactly width (names, hotel texts).
    FixedLine& PutPadded(size_t column, size_t width, std::string_view value);
    // A zero-padded decimal number of exactly width digits.
    FixedLine& Digits(size_t column, size_t width, int64_t value);
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

}  // namespace lwgen
