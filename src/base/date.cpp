#include "base/date.h"

#include "base/time_text.h"

namespace lw::base {

bool IsLeapYear(int32_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int32_t DaysInMonth(int32_t month, int32_t year) {
    static constexpr int32_t kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

Date Date::FromDmy(int32_t day, int32_t month, int32_t year) {
    if (year <= 999) year += 1900;
    if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(month, year)) return Date(0);
    if (year < 0 || year > 999999) return Date(0);
    const int64_t m = month;
    const int64_t y = month < 3 ? year - 1 : year;
    const int64_t n = ((m < 3 ? 1836 : 0) + 153 * m - 457) / 5 + (((y % 100) * 1461) >> 2) +
                      ((y / 100) * 146097) / 4 + day + 1721119;
    return Date(static_cast<int32_t>(n));
}

CalendarDate Date::Split() const {
    // Inverse of the day-number formula (Fliegel and Van Flandern).
    int64_t l = int64_t{number_} + 68569;
    const int64_t n = (4 * l) / 146097;
    l = l - (146097 * n + 3) / 4;
    const int64_t i = (4000 * (l + 1)) / 1461001;
    l = l - (1461 * i) / 4 + 31;
    const int64_t j = (80 * l) / 2447;
    const int64_t day = l - (2447 * j) / 80;
    l = j / 11;
    const int64_t month = j + 2 - 12 * l;
    const int64_t year = 100 * (n - 49) + i + l;
    return {static_cast<int32_t>(day), static_cast<int32_t>(month), static_cast<int32_t>(year)};
}

int32_t Date::Weekday() const {
    const int64_t n = number_;
    int64_t w = (((n + 1) % 7 + 7) % 7 + 6) % 7 + 1;
    return static_cast<int32_t>(w == 7 ? 0 : w);
}

std::string Date::WeekdayLabel() const { return base::WeekdayLabel(Weekday()); }

std::string Date::MonthName() const { return base::MonthName(Month()); }

}  // namespace lw::base
