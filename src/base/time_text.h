#pragma once
// Minutes, hh:mm text and fixed-column integers: the one way every part of the
// program writes and reads times.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lw::base {

class LogSink;

// Every clock in the program counts the day as this many minutes.
inline constexpr int32_t kMinutesPerDay = 1440;

// "%02d:%02d" (85:00), "%2d:%02d" with spacePad (" 5:30"), "%02d%02d" without colon (0530).
// Negative values print the sign in both fields (-90 -> "-1:-30").
std::string FormatTime(int32_t minutes, bool spacePad = false, bool withColon = true);

// Hours, any non-digit separator, minutes. -1 when hours < 0, minutes > 59, or
// hourLimit and hours > 23. Text without a separator ("0730") is refused with -1.
int32_t ParseTime(std::string_view text, bool hourLimit);

// The decimal integer at [pos, pos+len) of a fixed-column line, leading blanks skipped.
// A line shorter than pos+len gives 0 and one run-log line.
int32_t GetInt(std::string_view line, int pos, int len, base::LogSink* log = nullptr);

// Leading decimal integer as a C conversion reads it (blanks, sign, digits), saturating
// at the 32-bit range instead of overflowing. No digits gives 0.
int32_t LeadingInt(std::string_view text);

// "JAN".."DEC"; "?" for any other number.
std::string MonthLabel(int month);
// "January".."December"; "?" for any other number.
std::string MonthName(int month);
// "SU".."SA" for 0..6; "??" otherwise.
std::string WeekdayLabel(int weekday);

void UpperCase(std::string& text);
void LowerCase(std::string& text);

// Hours fields taking "0-9:.": decimal hours when the text has ".", h:mm when it has ":",
// else whole hours. Returns minutes; -1 when unreadable.
int32_t ParseHoursEntry(std::string_view text);

// Free-form "%d%c%d" and "%d%c%d%c%d" fields: scanned only when at least 4 characters were
// entered (else all zero). nullopt when the numbers are not all there.
struct HoursMinutes { int32_t hours = 0, minutes = 0; };
struct DaysHoursMinutes { int32_t days = 0, hours = 0, minutes = 0; };
std::optional<HoursMinutes> ScanHoursMinutes(std::string_view text);
std::optional<DaysHoursMinutes> ScanDaysHoursMinutes(std::string_view text);

}  // namespace lw::base
