#pragma once
// What a block check leaves on a member, in one value a test can compare whole.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "model/document.h"
#include "rules/block_checks.h"

namespace lw::test {

struct Marks {
    std::string illegal;
    std::string warning;
    std::vector<int> illegalDays;  // day indexes with DayIllegal set
    std::vector<int> warnedDays;   // day indexes with DayWarning set
    bool operator==(const Marks&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Marks& m) {
    os << "{illegal \"" << m.illegal << "\", warning \"" << m.warning << "\", illegal days";
    for (int d : m.illegalDays) os << ' ' << d;
    os << ", warned days";
    for (int d : m.warnedDays) os << ' ' << d;
    return os << "}";
}

inline Marks MarksOf(const model::TPilot& p) {
    Marks m{p.IllegalText, p.WarningText, {}, {}};
    for (int d = 0; d < model::kDayCells; ++d) {
        if (p.DayIllegal[static_cast<size_t>(d)]) m.illegalDays.push_back(d);
        if (p.DayWarning[static_cast<size_t>(d)]) m.warnedDays.push_back(d);
    }
    return m;
}

inline Marks Judge(model::Document& doc, int crew) {
    rules::CheckBlock(doc, crew);
    return MarksOf(doc.Crew[static_cast<size_t>(crew)]);
}

// RuleLog split at its "+" separators.
inline std::vector<std::string> LogLines(const std::string& log) {
    std::vector<std::string> lines;
    size_t from = 0;
    for (size_t at = log.find('+'); at != std::string::npos; at = log.find('+', from)) {
        lines.push_back(log.substr(from, at - from));
        from = at + 1;
    }
    if (from < log.size()) lines.push_back(log.substr(from));
    return lines;
}

// The evaluation lines of a RuleLog: everything before the data table.
inline std::vector<std::string> TraceLines(const std::string& log) {
    std::vector<std::string> lines = LogLines(log);
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i] == std::string(80, '-')) return {lines.begin(), lines.begin() + static_cast<long>(i)};
    return lines;
}

// The data-table line of a date ("11/04/2026  DUTY   LNR   "), or empty.
inline std::string TableLine(const std::string& log, const std::string& date) {
    const std::vector<std::string> lines = LogLines(log);
    for (auto it = lines.rbegin(); it != lines.rend(); ++it)
        if (it->rfind(date + "  ", 0) == 0) return *it;
    return {};
}

}  // namespace lw::test
