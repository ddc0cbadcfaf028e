#pragma once
// Small pieces shared by the texts that show blocks day by day: printf-style fields, the
// month's days, the weekday labels and the schedule's own name.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "model/document.h"
#include "rules/check_support.h"

namespace lw::output::blocktext {

using rules::blockcheck::IsActivity;
using rules::blockcheck::PairOn;

// These texts go to Windows-minded readers (spreadsheets, mail, the clipboard): CR LF lines.
constexpr const char* kEnd = "\r\n";

// One printf-style field, as long as it needs to be.
template <typename... V>
std::string Printf(const char* format, V... values) {
    const int size = std::snprintf(nullptr, 0, format, values...);
    if (size <= 0) return {};
    std::string out(static_cast<size_t>(size) + 1, '\0');
    std::snprintf(out.data(), out.size(), format, values...);
    out.pop_back();
    return out;
}

// Days of the month, whatever a damaged file claims.
inline int MonthDayCount(const model::Document& doc) { return std::clamp(doc.DayCount, 0, model::kMonthDays); }

// "SU".."SA" of day index d.
inline std::string WeekdayText(const model::Document& doc, int d) {
    const auto& label = doc.DayLabel[static_cast<size_t>(d)];
    return std::string(label.data(), strnlen(label.data(), label.size()));
}

// The schedule's file name without its folder and extension ("ROSTER" for /a/ROSTER.lw2).
inline std::string ScheduleStem(const model::Document& doc) {
    return std::filesystem::path(doc.CurrentFileName).stem().string();
}

// yyyymmdd, or with separators "%04d-%02d-%02d".
inline std::string DateDigits(const base::CalendarDate& date, const char* format = "%04d%02d%02d") {
    return Printf(format, date.year, date.month, date.day);
}

}  // namespace lw::output::blocktext
