#include <gtest/gtest.h>

#include "recording_log.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/time_text.h"
#include "base/log_sink.h"

namespace lw::base {
namespace {

using lw::test::RecordingLog;

TEST(TimeText, FormatTimeCoversClockTimesDurationsAndNegatives) {
    struct Case {
        int32_t minutes;
        bool spacePad;
        bool withColon;
        const char* text;
    };
    const Case cases[] = {
        {0, false, true, "00:00"},
        {330, false, true, "05:30"},
        {1439, false, true, "23:59"},
        {1440, false, true, "24:00"},  // a release at midnight
        {5100, false, true, "85:00"},  // a maximum block
        {6000, false, true, "100:00"},
        {7815, false, true, "130:15"},
        {-90, false, true, "-1:-30"},  // both fields carry the sign
        {-30, false, true, "00:-30"},
        {330, true, true, " 5:30"},
        {0, true, true, " 0:00"},
        {5100, true, true, "85:00"},
        {-90, true, true, "-1:-30"},
        {330, false, false, "0530"},
        {1440, false, false, "2400"},
        {6000, false, false, "10000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.minutes << " pad=" << c.spacePad << " colon=" << c.withColon);
        EXPECT_EQ(FormatTime(c.minutes, c.spacePad, c.withColon), c.text);
    }
}

TEST(TimeText, ParseTimeReadsHoursSeparatorMinutes) {
    struct Case {
        const char* text;
        bool hourLimit;
        int32_t minutes;
    };
    const Case cases[] = {
        {"07:05", true, 425},
        {"7:05", true, 425},
        {"07.05", true, 425},  // any non-digit separates
        {"7:5", true, 425},
        {"00:00", true, 0},
        {"23:59", true, 1439},
        {"23:60", false, -1},
        {"23:60", true, -1},
        {"25:00", false, 1500},
        {"25:00", true, -1},
        {"24:00", false, 1440},
        {"24:00", true, -1},
        {"85:00", false, 5100},  // durations run past a day
        {"-1:30", false, -1},
        {"7:-5", true, 420},  // negative minutes are taken as 0
        {"7:", true, 420},
        // Masked fields always hold the separator; a bare number is refused.
        {"0730", false, -1},
        {"", false, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.text << "\" limit=" << c.hourLimit);
        EXPECT_EQ(ParseTime(c.text, c.hourLimit), c.minutes);
    }
}

TEST(TimeText, ParseTimeReadsBackWhatFormatTimeWrites) {
    for (int32_t minutes = 0; minutes <= 100 * 60; minutes += 7) {
        SCOPED_TRACE(minutes);
        EXPECT_EQ(ParseTime(FormatTime(minutes), false), minutes);
        EXPECT_EQ(ParseTime(FormatTime(minutes, true), false), minutes);  // the space-padded form too
    }
}

TEST(TimeText, GetIntReadsFixedColumns) {
    struct Case {
        const char* line;
        int pos;
        int len;
        int32_t value;
    };
    const Case cases[] = {
        {"1234567890", 6, 4, 7890},
        {"1234567890", 0, 4, 1234},
        {"AB  42XY", 2, 4, 42},  // leading blanks skipped
        {"AB    XY", 2, 4, 0},   // no digits
        {"AB0012XY", 2, 4, 12},
        {"AB42ZZXY", 2, 4, 42},
        {"12345", 1, 4, 2345},  // ends exactly at the line end
        {"V8101", 1, 4, 8101},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.line << "\" " << c.pos << "," << c.len);
        RecordingLog log;
        EXPECT_EQ(GetInt(c.line, c.pos, c.len, &log), c.value);
        EXPECT_TRUE(log.lines.empty());
    }
}

TEST(TimeText, GetIntOnShortLineGivesZeroAndOneLogLine) {
    RecordingLog log;
    EXPECT_EQ(GetInt("1234567890", 8, 4, &log), 0);
    EXPECT_EQ(log.lines, std::vector<std::string>{"Cannot GetInt. String too Short\n"});

    EXPECT_EQ(GetInt("12345", 2, 4, &log), 0);
    EXPECT_EQ(log.lines.size(), 2u);

    // Without an open run log the short line is still read as 0.
    EXPECT_EQ(GetInt("1234567890", 8, 4, nullptr), 0);
}

TEST(TimeText, LeadingIntReadsLikeACConversion) {
    struct Case {
        const char* text;
        int32_t value;
    };
    const Case cases[] = {
        {"42", 42},        {"  -12abc", -12}, {"+7", 7},        {"abc", 0},
        {"", 0},           {"0012", 12},      {"- 5", 0},       {"99999999999", 2147483647},
        {"-99999999999", -2147483647 - 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(LeadingInt(c.text), c.value);
    }
}

TEST(TimeText, MonthAndWeekdayLabels) {
    const std::array<const char*, 12> labels = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    const std::array<const char*, 12> names = {"January", "February", "March",     "April",
                                               "May",     "June",     "July",      "August",
                                               "September", "October", "November", "December"};
    for (int m = 1; m <= 12; ++m) {
        SCOPED_TRACE(m);
        EXPECT_EQ(MonthLabel(m), labels[static_cast<size_t>(m - 1)]);
        EXPECT_EQ(MonthName(m), names[static_cast<size_t>(m - 1)]);
    }
    for (int bad : {0, 13, -1, 100}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(MonthLabel(bad), "?");
        EXPECT_EQ(MonthName(bad), "?");
    }

    const std::array<const char*, 7> days = {"SU", "MO", "TU", "WE", "TH", "FR", "SA"};
    for (int w = 0; w < 7; ++w) EXPECT_EQ(WeekdayLabel(w), days[static_cast<size_t>(w)]) << w;
}

TEST(TimeText, UpperAndLowerCaseInPlace) {
    std::string text = "Vac loa 12-x Rb";
    UpperCase(text);
    EXPECT_EQ(text, "VAC LOA 12-X RB");
    LowerCase(text);
    EXPECT_EQ(text, "vac loa 12-x rb");
}

TEST(TimeText, HoursEntryTakesDecimalColonOrWholeHours) {
    struct Case {
        const char* text;
        int32_t minutes;
    };
    const Case cases[] = {
        {"7.5", 450},
        {"7.25", 435},
        {"7.33", 439},  // 439.8 truncated
        {"1.999", 119},
        {".5", 30},
        {"85:30", 5130},  // no 23-hour limit
        {"7:5", 425},
        {"25:60", -1},
        {"80", 4800},
        {"0", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseHoursEntry(c.text), c.minutes);
    }
}

TEST(TimeText, FreeFormFieldsScanAnySeparatorFromFourCharacters) {
    struct HmCase {
        const char* text;
        bool readable;
        int32_t hours, minutes;
    };
    const HmCase hm[] = {
        {"12:30", true, 12, 30},
        {"12h30", true, 12, 30},
        {"-2:30", true, -2, 30},
        {"1:5", true, 0, 0},  // fewer than 4 characters count as zero
        {"", true, 0, 0},
        {"abcd", false, 0, 0},
        {"1234", false, 0, 0},  // no separator, no minutes
    };
    for (const HmCase& c : hm) {
        SCOPED_TRACE(c.text);
        const auto v = ScanHoursMinutes(c.text);
        ASSERT_EQ(v.has_value(), c.readable);
        if (v) {
            EXPECT_EQ(v->hours, c.hours);
            EXPECT_EQ(v->minutes, c.minutes);
        }
    }

    struct DhmCase {
        const char* text;
        bool readable;
        int32_t days, hours, minutes;
    };
    const DhmCase dhm[] = {
        {"1:06:30", true, 1, 6, 30},
        {"0:06:30", true, 0, 6, 30},
        {"2:00:00", true, 2, 0, 0},
        {"2 7 15", true, 2, 7, 15},
        {"1:0", true, 0, 0, 0},
        {"1:06", false, 0, 0, 0},
    };
    for (const DhmCase& c : dhm) {
        SCOPED_TRACE(c.text);
        const auto v = ScanDaysHoursMinutes(c.text);
        ASSERT_EQ(v.has_value(), c.readable);
        if (v) {
            EXPECT_EQ(v->days, c.days);
            EXPECT_EQ(v->hours, c.hours);
            EXPECT_EQ(v->minutes, c.minutes);
        }
    }
}

}  // namespace
}  // namespace lw::base
