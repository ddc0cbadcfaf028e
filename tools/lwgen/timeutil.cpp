#include "timeutil.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "base/time_text.h"

namespace lwgen {

Date SecondSundayOfMarch(int year) {
    Date d = Date::FromDmy(1, 3, year);
    while (d.Weekday() != 0) d = d.Next();
    return d.AddDays(7);
}

Date FirstSundayOfNovember(int year) {
    Date d = Date::FromDmy(1, 11, year);
    while (d.Weekday() != 0) d = d.Next();
    return d;
}

int OffsetAt(const Zone& zone, Instant utc) {
    if (!zone.summerTime) return zone.standardOffset;
    const int year = DateOf(utc + zone.standardOffset).Year();
    // Both changes happen at 02:00 on the clock then showing.
    const Instant start = AtMidnight(SecondSundayOfMarch(year)) + 120 - zone.standardOffset;
    const Instant end = AtMidnight(FirstSundayOfNovember(year)) + 120 - (zone.standardOffset + 60);
    return utc >= start && utc < end ? zone.standardOffset + 60 : zone.standardOffset;
}

Instant FromLocal(const Zone& zone, Instant local) {
    const Instant summer = local - (zone.standardOffset + 60);
    if (zone.summerTime && OffsetAt(zone, summer) == zone.standardOffset + 60) return summer;
    return local - zone.standardOffset;
}

std::string Month::Title() const {
    std::string title = lw::base::MonthLabel(MonthNumber());
    return title;
}

bool Month::ClockChange(Date* day) const {
    for (const int year : {first.Year(), last.Year()}) {
        for (const Date change : {SecondSundayOfMarch(year), FirstSundayOfNovember(year)}) {
            if (change >= first && change <= last) {
                if (day) *day = change;
                return true;
            }
        }
    }
    return false;
}

Month ScheduleMonth(int year, int month) {
    Month m{Date::FromDmy(1, month, year), Date::FromDmy(lw::base::DaysInMonth(month, year), month, year)};
    if (month == 1) m.last = Date::FromDmy(30, 1, year);
    if (month == 2) {
        m.first = Date::FromDmy(31, 1, year);
        m.last = Date::FromDmy(1, 3, year);
    }
    if (month == 3) m.first = Date::FromDmy(2, 3, year);
    return m;
}

Month FollowingMonth(const Month& month) {
    const Date first = month.last.Next();
    const Date named = first.AddDays(15);
    Month next = ScheduleMonth(named.Year(), named.Month());
    next.first = first;
    if (next.last < first || next.last.DaysSince(first) > 30) next.last = first.AddDays(29);
    return next;
}

std::string Yyyymmdd(Date d) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d%02d%02d", d.Year(), d.Month(), d.Day());
    return buf;
}

std::string IsoDate(Date d) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.Year(), d.Month(), d.Day());
    return buf;
}

std::string MonthDay(Date d) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d/%02d", d.Month(), d.Day());
    return buf;
}

Date ParseIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return Date();
    int parts[3] = {0, 0, 0};
    const size_t starts[3] = {0, 5, 8};
    const size_t lengths[3] = {4, 2, 2};
    for (int p = 0; p < 3; ++p) {
        for (size_t i = 0; i < lengths[p]; ++i) {
            const char c = text[starts[p] + i];
            if (c < '0' || c > '9') return Date();
            parts[p] = parts[p] * 10 + (c - '0');
        }
    }
    if (parts[0] < 1900) return Date();
    return Date::FromDmy(parts[2], parts[1], parts[0]);
}

std::string HoursMinutes(int minutes) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d:%02d", minutes / 60, minutes % 60);
    return buf;
}

std::string HoursMinutesRight(int minutes, size_t width) {
    std::string text = HoursMinutes(minutes);
    if (text.size() < width) text.insert(0, width - text.size(), ' ');
    return text;
}

std::string Hhmm(int minuteOfDay) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d%02d", minuteOfDay / 60, minuteOfDay % 60);
    return buf;
}

std::string ClockText(int minuteOfDay) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d", minuteOfDay / 60, minuteOfDay % 60);
    return buf;
}

FixedLine& FixedLine::Put(size_t column, std::string_view value) {
    if (column + value.size() > text_.size())
        throw std::logic_error("field '" + std::string(value) + "' runs past column " + std::to_string(text_.size()));
    std::copy(value.begin(), value.end(), text_.begin() + static_cast<std::ptrdiff_t>(column));
    return *this;
}

FixedLine& FixedLine::PutPadded(size_t column, size_t width, std::string_view value) {
    std::string field(value.substr(0, width));
    field.resize(width, ' ');
    return Put(column, field);
}

FixedLine& FixedLine::Digits(size_t column, size_t width, int64_t value) {
    std::string digits = std::to_string(value);
    if (value < 0 || digits.size() > width)
        throw std::logic_error("number " + digits + " does not fit " + std::to_string(width) + " digits");
    digits.insert(0, width - digits.size(), '0');
    return Put(column, digits);
}

}  // namespace lwgen
