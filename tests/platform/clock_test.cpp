#include "platform/clock.h"

#include <gtest/gtest.h>

#include <ctime>
#include <tuple>

namespace {

using lw::base::Date;
using lw::platform::LocalDateTime;
using lw::platform::SystemClock;

Date SystemToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return Date::FromDmy(local.tm_mday, local.tm_mon + 1, local.tm_year + 1900);
}

TEST(Clock, TodayOverrideReplacesTheDateOnly) {
    const SystemClock fixedDay("2028-02-29");
    const SystemClock real;
    ASSERT_TRUE(fixedDay.HasDateOverride());
    EXPECT_EQ(fixedDay.Today(), Date::FromDmy(29, 2, 2028));
    // The time of day is still the real one (retried if a minute turns over between the calls).
    for (int attempt = 0; attempt < 3; ++attempt) {
        const LocalDateTime a = fixedDay.Now(), b = real.Now();
        if (a.hour == b.hour && a.minute == b.minute) {
            EXPECT_EQ((std::tuple{a.day, a.month, a.year}), (std::tuple{29, 2, 2028}));
            return;
        }
    }
    ADD_FAILURE() << "time of day differs from the system's";
}

TEST(Clock, MalformedOverrideIsIgnored) {
    for (const char* text : {"", "2026-13-01", "2026-02-29", "2026-00-10", "2026-12-00", "0999-12-07", "26-12-07",
                             "2026-12-7", "2026/12/07", "2026-12-07x", " 2026-12-07", "2026-1a-07"}) {
        const SystemClock clock(text);
        EXPECT_FALSE(clock.HasDateOverride()) << text;
        const Date before = SystemToday();
        const Date today = clock.Today();
        EXPECT_TRUE(today == before || today == SystemToday()) << text;  // midnight may pass
    }
}

TEST(Clock, FromEnvironmentReadsLwrightToday) {
    const auto withToday = SystemClock::FromEnvironment([](const std::string& name) -> std::optional<std::string> {
        if (name == "LWRIGHT_TODAY") return "2026-12-07";
        return std::nullopt;
    });
    EXPECT_EQ(withToday.Today(), Date::FromDmy(7, 12, 2026));
    const auto without = SystemClock::FromEnvironment([](const std::string&) { return std::optional<std::string>(); });
    EXPECT_FALSE(without.HasDateOverride());
}

}  // namespace
