#include "rules/check_support.h"

#include <algorithm>

namespace lw::rules::blockcheck {

int WorkedDays(const TPair& q) {
    const int32_t release = q.ReportTime + q.Tafb;
    int last = release / kMinutesPerDay;
    if (release % kMinutesPerDay < 120 && last > 0) --last;
    return std::max(last, 0) + 1;
}

int CalendarDays(int32_t report, int32_t length) {
    const int32_t release = report + length;
    return std::max(1, (release + kMinutesPerDay - 1) / kMinutesPerDay);
}

int SpanDays(int32_t end) {
    if (end <= kMinutesPerDay) return 1;
    return 1 + (end - kMinutesPerDay + kMinutesPerDay - 1) / kMinutesPerDay;
}

base::CalendarDate DateOfDay(const Document& doc, int w) {
    if (w < 0) return {};
    if (w < kMonthOffset) return doc.PrevDates[static_cast<size_t>(w)];
    const int d = w - kMonthOffset;
    if (d > kLastDayCell) return {};
    return doc.DayDate[static_cast<size_t>(d)];
}

std::string_view Trimmed(std::string_view code) {
    while (!code.empty() && code.back() == ' ') code.remove_suffix(1);
    return code;
}

namespace {
void AppendPadded(std::string& out, int32_t value, int width) {
    char buf[16];
    const auto res = std::to_chars(buf, buf + sizeof buf, value < 0 ? -value : value);
    const int digits = static_cast<int>(res.ptr - buf);
    if (value < 0) out += '-';
    for (int i = digits + (value < 0 ? 1 : 0); i < width; ++i) out += '0';
    out.append(buf, res.ptr);
}
}  // namespace

void AppendDate(std::string& out, const base::CalendarDate& date) {
    const int32_t d = date.day, m = date.month, y = date.year;
    if (d >= 0 && d <= 99 && m >= 0 && m <= 99 && y >= 0 && y <= 9999) {
        const char text[10] = {char('0' + d / 10), char('0' + d % 10), '/', char('0' + m / 10), char('0' + m % 10), '/',
                               char('0' + y / 1000), char('0' + y / 100 % 10), char('0' + y / 10 % 10), char('0' + y % 10)};
        out.append(text, sizeof text);
        return;
    }
    AppendPadded(out, d, 2);
    out += '/';
    AppendPadded(out, m, 2);
    out += '/';
    AppendPadded(out, y, 4);
}

HardTimeTable BuildHardTimeTable(const Document& doc, const TPilot& p) {
    HardTimeTable hard{};
    for (int d = 0; d <= kLastDayCell; ++d) {
        if (const TPair* q = PairOn(doc, p, d)) {
            const int length = std::clamp<int>(q->PairLength, 0, model::kMonthDays);
            for (int k = 0; k < length && d + k <= kLastDayCell; ++k)
                hard[static_cast<size_t>(d + k)] += q->DailyHardTime[static_cast<size_t>(k)];
        } else if (IsActivity(p, d)) {
            hard[static_cast<size_t>(d)] += Activity(p, d)[model::kActHardTime];
        }
    }
    return hard;
}

}  // namespace lw::rules::blockcheck
