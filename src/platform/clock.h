#pragma once
// Today's date and the time of day, as the core sees them. Tests and demos fix the date with
// LWRIGHT_TODAY=YYYY-MM-DD or use a FixedClock.
#include <optional>
#include <string_view>

#include "base/date.h"
#include "platform/environment.h"

namespace lw::platform {

struct LocalDateTime {
    int day = 1, month = 1, year = 2000;  // calendar date, month 1..12
    int hour = 0, minute = 0, second = 0;
    bool operator==(const LocalDateTime&) const = default;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime Now() const = 0;
    // The day number of Now()'s date.
    base::Date Today() const;
};

// Local time of the system. A valid date override replaces the date and keeps the real time of day.
class SystemClock : public Clock {
public:
    // todayOverride is the text of LWRIGHT_TODAY ("YYYY-MM-DD"); empty or malformed text is ignored.
    explicit SystemClock(std::string_view todayOverride = {});
    // Takes the override from LWRIGHT_TODAY.
    static SystemClock FromEnvironment(const EnvironmentLookup& env = ProcessEnvironment);

    LocalDateTime Now() const override;
    bool HasDateOverride() const { return override_.has_value(); }

private:
    std::optional<base::CalendarDate> override_;
};

// Always answers the same moment until told otherwise.
class FixedClock : public Clock {
public:
    explicit FixedClock(const LocalDateTime& now) : now_(now) {}
    LocalDateTime Now() const override { return now_; }
    void Set(const LocalDateTime& now) { now_ = now; }

private:
    LocalDateTime now_;
};

// "YYYY-MM-DD" with a real calendar date and a four-digit year of 1000 or later; nullopt otherwise.
std::optional<base::CalendarDate> ParseIsoDate(std::string_view text);

}  // namespace lw::platform
