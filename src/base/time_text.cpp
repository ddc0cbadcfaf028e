#include "base/time_text.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <limits>

#include "base/log_sink.h"

namespace lw::base {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

// Reads an optionally signed decimal at pos (after blanks). Advances pos past it.
// Returns nullopt when there are no digits (pos is left unchanged then).
std::optional<int32_t> ReadInt(std::string_view text, size_t& pos) {
    size_t p = pos;
    while (p < text.size() && IsBlank(text[p])) ++p;
    bool negative = false;
    if (p < text.size() && (text[p] == '-' || text[p] == '+')) {
        negative = text[p] == '-';
        ++p;
    }
    if (p >= text.size() || !IsDigit(text[p])) return std::nullopt;
    int64_t value = 0;
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    while (p < text.size() && IsDigit(text[p])) {
        if (value < kLimit) value = value * 10 + (text[p] - '0');
        ++p;
    }
    if (value > kLimit) value = kLimit;
    if (!negative && value == kLimit) value = kLimit - 1;
    pos = p;
    return static_cast<int32_t>(negative ? -value : value);
}

}  // namespace

std::string FormatTime(int32_t minutes, bool spacePad, bool withColon) {
    const int32_t h = minutes / 60;
    const int32_t m = minutes % 60;
    std::array<char, 32> buf{};
    const char* format = !withColon ? "%02d%02d" : (spacePad ? "%2d:%02d" : "%02d:%02d");
    std::snprintf(buf.data(), buf.size(), format, h, m);
    return buf.data();
}

int32_t LeadingInt(std::string_view text) {
    size_t pos = 0;
    return ReadInt(text, pos).value_or(0);
}

int32_t ParseTime(std::string_view text, bool hourLimit) {
    const int32_t hours = LeadingInt(text);
    // The separator is the first character after the hours, so " 5:30" reads as 5:30.
    size_t sep = 0;
    while (sep < text.size() && IsBlank(text[sep])) ++sep;
    if (sep < text.size() && (text[sep] == '-' || text[sep] == '+')) ++sep;
    while (sep < text.size() && IsDigit(text[sep])) ++sep;
    if (sep >= text.size()) return -1;  // no separator: not a masked time entry
    int32_t minutes = LeadingInt(text.substr(sep + 1));
    if (minutes < 0) minutes = 0;
    if (hours < 0 || minutes > 59 || (hourLimit && hours > 23)) return -1;
    const int64_t total = int64_t{hours} * 60 + minutes;
    if (total > std::numeric_limits<int32_t>::max()) return -1;
    return static_cast<int32_t>(total);
}

int32_t GetInt(std::string_view line, int pos, int len, base::LogSink* log) {
    if (pos < 0 || len < 0 || line.size() < static_cast<size_t>(pos) + static_cast<size_t>(len)) {
        if (log) log->Write("Cannot GetInt. String too Short\n");
        return 0;
    }
    return LeadingInt(line.substr(static_cast<size_t>(pos), static_cast<size_t>(len)));
}

std::string MonthLabel(int month) {
    static constexpr std::array<const char*, 12> kLabels = {
        "JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    return (month >= 1 && month <= 12) ? kLabels[static_cast<size_t>(month - 1)] : "?";
}

std::string MonthName(int month) {
    static constexpr std::array<const char*, 12> kNames = {
        "January", "February", "March",     "April",   "May",      "June",
        "July",    "August",   "September", "October", "November", "December"};
    return (month >= 1 && month <= 12) ? kNames[static_cast<size_t>(month - 1)] : "?";
}

std::string WeekdayLabel(int weekday) {
    static constexpr std::array<const char*, 7> kLabels = {"SU", "MO", "TU", "WE", "TH", "FR", "SA"};
    return (weekday >= 0 && weekday <= 6) ? kLabels[static_cast<size_t>(weekday)] : "??";
}

void UpperCase(std::string& text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

void LowerCase(std::string& text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

int32_t ParseHoursEntry(std::string_view text) {
    if (text.find('.') != std::string_view::npos) {
        // Decimal hours, truncated to whole minutes.
        size_t pos = 0;
        const auto whole = ReadInt(text, pos);
        const size_t dot = text.find('.');
        int64_t hours = whole.value_or(0);
        if (hours < 0) return -1;
        int64_t fraction = 0, scale = 1;
        for (size_t i = dot + 1; i < text.size() && IsDigit(text[i]) && scale < 1000000; ++i) {
            fraction = fraction * 10 + (text[i] - '0');
            scale *= 10;
        }
        const int64_t minutes = hours * 60 + (fraction * 60) / scale;
        return minutes > std::numeric_limits<int32_t>::max() ? -1 : static_cast<int32_t>(minutes);
    }
    if (text.find(':') != std::string_view::npos) return ParseTime(text, false);
    const int64_t minutes = int64_t{LeadingInt(text)} * 60;
    if (minutes < 0 || minutes > std::numeric_limits<int32_t>::max()) return -1;
    return static_cast<int32_t>(minutes);
}

namespace {

// Scans "%d%c%d..." with n numbers, each separated by exactly one character.
template <size_t N>
std::optional<std::array<int32_t, N>> ScanNumbers(std::string_view text) {
    std::array<int32_t, N> out{};
    if (text.size() < 4) return out;  // short fields count as zero
    size_t pos = 0;
    for (size_t i = 0; i < N; ++i) {
        if (i > 0) {
            if (pos >= text.size()) return std::nullopt;
            ++pos;  // the separator, whatever it is
        }
        const auto v = ReadInt(text, pos);
        if (!v) return std::nullopt;
        out[i] = *v;
    }
    return out;
}

}  // namespace

std::optional<HoursMinutes> ScanHoursMinutes(std::string_view text) {
    const auto v = ScanNumbers<2>(text);
    if (!v) return std::nullopt;
    return HoursMinutes{(*v)[0], (*v)[1]};
}

std::optional<DaysHoursMinutes> ScanDaysHoursMinutes(std::string_view text) {
    const auto v = ScanNumbers<3>(text);
    if (!v) return std::nullopt;
    return DaysHoursMinutes{(*v)[0], (*v)[1], (*v)[2]};
}

}  // namespace lw::base
