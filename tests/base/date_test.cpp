#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <ostream>

#include "base/date.h"

namespace lw::base {

static void PrintTo(const CalendarDate& c, std::ostream* os) {
    *os << c.day << '/' << c.month << '/' << c.year;
}

namespace {

// An independent calendar: day number 2440588 is 1 January 1970.
constexpr int32_t kUnixEpochDayNumber = 2440588;

std::chrono::sys_days SysDays(int32_t dayNumber) {
    return std::chrono::sys_days{std::chrono::days{dayNumber - kUnixEpochDayNumber}};
}

int32_t DayNumberOf(int year, unsigned month, unsigned day) {
    using namespace std::chrono;
    return static_cast<int32_t>(sys_days{std::chrono::year{year} / month / day}.time_since_epoch().count()) +
           kUnixEpochDayNumber;
}

CalendarDate CivilDate(int32_t dayNumber) {
    const std::chrono::year_month_day ymd{SysDays(dayNumber)};
    return {static_cast<int32_t>(static_cast<unsigned>(ymd.day())),
            static_cast<int32_t>(static_cast<unsigned>(ymd.month())), static_cast<int32_t>(static_cast<int>(ymd.year()))};
}

TEST(Date, DayNumbersOfKnownDates) {
    struct Case {
        int32_t day, month, year;
        int32_t number;
    };
    const Case cases[] = {
        {1, 1, 2000, 2451545},  {31, 12, 1999, 2451544}, {29, 2, 2000, 2451604}, {1, 3, 2000, 2451605},
        {1, 1, 1970, 2440588},  {1, 1, 1900, 2415021},   {28, 2, 1900, 2415079}, {1, 3, 1900, 2415080},
        {15, 10, 1582, 2299161}, {15, 1, 2025, 2460691}, {1, 11, 2025, 2460981},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.day << '/' << c.month << '/' << c.year);
        EXPECT_EQ(Date::FromDmy(c.day, c.month, c.year).Number(), c.number);
    }
}

TEST(Date, ImpossibleDatesGiveZero) {
    struct Case {
        int32_t day, month, year;
    };
    const Case cases[] = {
        {31, 4, 2025}, {31, 6, 2025}, {31, 9, 2025}, {31, 11, 2025},
        {29, 2, 1900},  // divisible by 100, not by 400
        {29, 2, 2100}, {29, 2, 2023}, {30, 2, 2000}, {1, 13, 2025}, {1, 0, 2025}, {0, 1, 2025},
        {32, 1, 2025}, {-1, 1, 2025}, {1, -3, 2025},
        {29, 2, 0},  // year 0 is 1900
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.day << '/' << c.month << '/' << c.year);
        const Date d = Date::FromDmy(c.day, c.month, c.year);
        EXPECT_EQ(d.Number(), 0);
        EXPECT_FALSE(d.IsValid());
    }

    // Leap days that do exist.
    for (int32_t year : {2000, 2024, 1996, 2400, 100 /* 2000 */}) {
        SCOPED_TRACE(year);
        EXPECT_TRUE(Date::FromDmy(29, 2, year).IsValid());
    }
}

TEST(Date, ShortYearsAreTakenAsNineteenHundreds) {
    EXPECT_EQ(Date::FromDmy(1, 1, 99).Number(), Date::FromDmy(1, 1, 1999).Number());
    EXPECT_EQ(Date::FromDmy(1, 1, 99).Split(), (CalendarDate{1, 1, 1999}));
    EXPECT_EQ(Date::FromDmy(15, 6, 0).Split(), (CalendarDate{15, 6, 1900}));
    EXPECT_EQ(Date::FromDmy(15, 6, 125).Split(), (CalendarDate{15, 6, 2025}));
    EXPECT_EQ(Date::FromDmy(15, 6, 999).Split(), (CalendarDate{15, 6, 2899}));
    EXPECT_EQ(Date::FromDmy(15, 6, 1000).Split(), (CalendarDate{15, 6, 1000}));
}

// Every day from 1800 to 2200 against an independent calendar: split, rebuild, weekday,
// next and previous.
TEST(Date, AgreesWithTheCalendarOverFourCenturies) {
    const int32_t first = DayNumberOf(1800, 1, 1);
    const int32_t last = DayNumberOf(2200, 12, 31);
    for (int32_t n = first; n <= last; ++n) {
        const Date date(n);
        const CalendarDate expected = CivilDate(n);
        ASSERT_EQ(date.Split(), expected) << "day number " << n;
        ASSERT_EQ(date.Day(), expected.day) << n;
        ASSERT_EQ(date.Month(), expected.month) << n;
        ASSERT_EQ(date.Year(), expected.year) << n;
        ASSERT_EQ(Date::FromDmy(expected.day, expected.month, expected.year).Number(), n);
        const auto weekday = static_cast<int32_t>(std::chrono::weekday{SysDays(n)}.c_encoding());
        ASSERT_EQ(date.Weekday(), weekday) << n;
        ASSERT_EQ(date.Next().Split(), CivilDate(n + 1)) << n;
        ASSERT_EQ(date.Previous().Split(), CivilDate(n - 1)) << n;
    }
}

TEST(Date, WeekdaysAndLabels) {
    struct Case {
        int32_t day, month, year;
        int32_t weekday;
        const char* label;
    };
    const Case cases[] = {
        {2, 1, 2000, 0, "SU"},  {3, 1, 2000, 1, "MO"},  {4, 1, 2000, 2, "TU"}, {5, 1, 2000, 3, "WE"},
        {6, 1, 2000, 4, "TH"},  {7, 1, 2000, 5, "FR"},  {1, 1, 2000, 6, "SA"}, {9, 3, 2025, 0, "SU"},
        {2, 11, 2025, 0, "SU"}, {15, 1, 2025, 3, "WE"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.day << '/' << c.month << '/' << c.year);
        const Date d = Date::FromDmy(c.day, c.month, c.year);
        EXPECT_EQ(d.Weekday(), c.weekday);
        EXPECT_EQ(d.WeekdayLabel(), c.label);
    }
}

TEST(Date, StepsAcrossMonthAndYearEnds) {
    EXPECT_EQ(Date::FromDmy(31, 12, 1999).Next().Split(), (CalendarDate{1, 1, 2000}));
    EXPECT_EQ(Date::FromDmy(28, 2, 2024).Next().Split(), (CalendarDate{29, 2, 2024}));
    EXPECT_EQ(Date::FromDmy(28, 2, 2025).Next().Split(), (CalendarDate{1, 3, 2025}));
    EXPECT_EQ(Date::FromDmy(1, 3, 2024).Previous().Split(), (CalendarDate{29, 2, 2024}));
    EXPECT_EQ(Date::FromDmy(1, 1, 2025).Previous().Split(), (CalendarDate{31, 12, 2024}));
    EXPECT_EQ(Date::FromDmy(15, 1, 2025).AddDays(15).Split(), (CalendarDate{30, 1, 2025}));
    EXPECT_EQ(Date::FromDmy(15, 1, 2025).AddDays(-31).Split(), (CalendarDate{15, 12, 2024}));

    EXPECT_EQ(Date::FromDmy(1, 1, 2001).DaysSince(Date::FromDmy(1, 1, 2000)), 366);
    EXPECT_EQ(Date::FromDmy(14, 2, 2025).DaysSince(Date::FromDmy(15, 1, 2025)), 30);
    EXPECT_EQ(Date::FromDmy(15, 1, 2025).DaysSince(Date::FromDmy(14, 2, 2025)), -30);
}

TEST(Date, MonthNames) {
    EXPECT_EQ(Date::FromDmy(15, 1, 2025).MonthName(), "January");
    EXPECT_EQ(Date::FromDmy(29, 2, 2024).MonthName(), "February");
    EXPECT_EQ(Date::FromDmy(9, 9, 2025).MonthName(), "September");
    EXPECT_EQ(Date::FromDmy(31, 12, 2025).MonthName(), "December");
}

TEST(Date, LeapYearsAndMonthLengths) {
    struct Case {
        int32_t month, year, days;
    };
    const Case cases[] = {
        {1, 2025, 31}, {2, 2025, 28}, {2, 2024, 29}, {2, 2000, 29}, {2, 1900, 28}, {2, 2100, 28},
        {3, 2025, 31}, {4, 2025, 30}, {6, 2025, 30}, {9, 2025, 30}, {11, 2025, 30}, {12, 2025, 31},
        {0, 2025, 0},  {13, 2025, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.month << '/' << c.year);
        EXPECT_EQ(DaysInMonth(c.month, c.year), c.days);
    }
}

}  // namespace
}  // namespace lw::base
