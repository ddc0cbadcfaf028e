#include "platform/clock.h"

#include <ctime>

namespace lw::platform {

base::Date Clock::Today() const {
    const LocalDateTime now = Now();
    return base::Date::FromDmy(now.day, now.month, now.year);
}

std::optional<base::CalendarDate> ParseIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    auto number = [&](size_t from, size_t count) -> std::optional<int> {
        int value = 0;
        for (size_t i = from; i < from + count; ++i) {
            if (text[i] < '0' || text[i] > '9') return std::nullopt;
            value = value * 10 + (text[i] - '0');
        }
        return value;
    };
    const auto year = number(0, 4), month = number(5, 2), day = number(8, 2);
    if (!year || !month || !day) return std::nullopt;
    // Date takes years below 1000 as 1900 + year; such a date cannot be meant here.
    if (*year < 1000) return std::nullopt;
    if (!base::Date::FromDmy(*day, *month, *year).IsValid()) return std::nullopt;  // 30 February and the like
    return base::CalendarDate{*day, *month, *year};
}

SystemClock::SystemClock(std::string_view todayOverride) : override_(ParseIsoDate(todayOverride)) {}

SystemClock SystemClock::FromEnvironment(const EnvironmentLookup& env) {
    const auto text = env("LWRIGHT_TODAY");
    return SystemClock(text ? std::string_view(*text) : std::string_view());
}

LocalDateTime SystemClock::Now() const {
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
    localtime_r(&seconds, &local);
    LocalDateTime now{local.tm_mday, local.tm_mon + 1, local.tm_year + 1900, local.tm_hour, local.tm_min, local.tm_sec};
    if (override_) {
        now.day = override_->day;
        now.month = override_->month;
        now.year = override_->year;
    }
    return now;
}

}  // namespace lw::platform
