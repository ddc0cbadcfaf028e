#pragma once
// Dates as day numbers (Julian day numbers): 1 January 2000 is 2451545.
#include <cstdint>
#include <string>

namespace lw::base {

struct CalendarDate {
    int32_t day = 0, month = 0, year = 0;
    bool operator==(const CalendarDate&) const = default;
};

class Date {
public:
    Date() = default;
    explicit constexpr Date(int32_t dayNumber) : number_(dayNumber) {}

    // A year of 999 or less is taken as 1900 + year. An impossible date gives day number 0.
    static Date FromDmy(int32_t day, int32_t month, int32_t year);

    int32_t Number() const { return number_; }
    bool IsValid() const { return number_ > 0; }

    CalendarDate Split() const;
    int32_t Day() const { return Split().day; }
    int32_t Month() const { return Split().month; }
    int32_t Year() const { return Split().year; }
    // 0 = Sunday .. 6 = Saturday.
    int32_t Weekday() const;
    std::string WeekdayLabel() const;
    std::string MonthName() const;

    Date Next() const { return Date(number_ + 1); }
    Date Previous() const { return Date(number_ - 1); }
    Date AddDays(int32_t days) const { return Date(number_ + days); }
    int32_t DaysSince(Date other) const { return number_ - other.number_; }

    auto operator<=>(const Date&) const = default;

private:
    int32_t number_ = 0;
};

bool IsLeapYear(int32_t year);
int32_t DaysInMonth(int32_t month, int32_t year);

}  // namespace lw::base
