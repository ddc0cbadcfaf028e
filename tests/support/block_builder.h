#pragma once
// Builds real months for rule tests and benchmarks: pairings with their daily figures and the
// pairing-file lines they were read from, crew members, and what sits on their days.
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/activity_codes.h"
#include "model/document.h"
#include "base/time_text.h"
#include "platform/interaction.h"

namespace lw::test {

// A month of `days` days from `first` for the crew group; no clock change unless the test asks.
inline std::unique_ptr<model::Document> NewMonth(base::Date first, int days, model::CrewGroupKind group,
                                                 platform::Interaction& ui) {
    auto doc = std::make_unique<model::Document>(first.Number());
    doc->CrewGroup = group;
    doc->GroupCode = group == model::kFlightAttendants ? "YYZDH8FAZ" : "YYZDH8CAZ";
    doc->SetMonthDates(first, first.AddDays(days - 1), ui);
    return doc;
}

// One calendar day of a pairing: its duty (start 0 and length 0 on a day without duty), block
// time, credit and the legs flown.
struct DutyDay {
    int32_t start = 0;
    int32_t length = 0;
    int32_t hard = 0;
    int32_t credit = 0;
    int legs = 2;
};

struct PairingPlan {
    int32_t number = 8101;       // the first digit is the equipment code
    char base = 'Z';
    std::string type = "CA";
    int32_t report = -1;         // report on day 1; -1 = the first duty's start
    int32_t release = -1;        // minute of the last duty day (past 1440 after midnight); -1 = its end
    std::vector<DutyDay> days{}; // one per calendar day from report to the last duty
    int32_t restAfter = 660;
    bool lateRelease = false;
    int32_t fatigue = -1;        // -1 = as the pairing file gives it: duty minutes and 60 a leg
    std::string route = "YYZ YUL YYZ";
    std::string marks{};         // further pairing text: "FRENCH PAIRING", "USA SEGMENTS", "EXTRA FA ON"
    std::vector<int> operates{}; // day indexes; empty = every day of the month
};

namespace detail {
inline void PutField(std::string& line, size_t column, std::string_view text) {
    if (line.size() < column + text.size()) line.resize(column + text.size(), ' ');
    line.replace(column, text.size(), text);
}
inline void PutNumber(std::string& line, size_t column, int width, int32_t value) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "%0*d", width, value);
    PutField(line, column, buf);
}
}  // namespace detail

// Duty minutes of each calendar day of a pairing whose duties are `days` (split at midnight),
// with one more entry for what runs into the day after the last.
inline std::vector<int32_t> CalendarDayDuty(const std::vector<DutyDay>& days) {
    std::vector<int32_t> minutes(days.size() + 2, 0);
    for (size_t k = 0; k < days.size(); ++k) {
        const int32_t end = days[k].start + days[k].length;
        minutes[k] += std::min(end, 1440) - std::min(days[k].start, 1440);
        if (end > 1440) minutes[k + 1] += end - std::max(days[k].start, 1440);
    }
    return minutes;
}

// Adds the pairing to the document's table (after LastPairIndex, also counted as loaded) and
// returns its index. SourceLine holds the type 1 record, with the duty minutes of each calendar
// day at column 343 + 4k, and the type 2 and 3 records of its legs and duties.
inline int AddPairing(model::Document& doc, const PairingPlan& plan) {
    const int index = ++doc.LastPairIndex;
    doc.LastLoadedPairIndex = index;
    model::TPair& q = doc.Pairings[static_cast<size_t>(index)];
    q.Reset();
    q.PairNumber = plan.number;
    q.BaseEqpCode = std::string{plan.base} + std::to_string(plan.number).substr(0, 1);
    q.PairType = plan.type;
    const DutyDay& first = plan.days.front();
    const DutyDay& last = plan.days.back();
    const int n = static_cast<int>(plan.days.size());
    q.ReportTime = plan.report >= 0 ? plan.report : first.start;
    const int32_t release = plan.release >= 0 ? plan.release : last.start + last.length;
    q.Tafb = (n - 1) * 1440 + release - q.ReportTime;
    q.PairLength = static_cast<int8_t>(n);
    q.ReleaseTime = release % 1440 == 0 ? 1440 : release % 1440;
    q.RestAfter = plan.restAfter;
    q.LateRelease = plan.lateRelease;
    int32_t fatigue = 0;
    for (int k = 0; k < n; ++k) {
        const DutyDay& day = plan.days[static_cast<size_t>(k)];
        const size_t i = static_cast<size_t>(k);
        q.DailyStart[i] = day.start;
        q.DailyDuty[i] = day.length;
        q.DailyHardTime[i] = day.hard;
        q.DailyCredit[i] = day.credit;
        q.TotalCredit += day.credit;
        if (day.length > 0) fatigue += day.length + 60 * day.legs;
    }
    q.FatigueUnits = plan.fatigue >= 0 ? plan.fatigue : fatigue;
    for (int d = 0; d < doc.DayCount; ++d)
        if (plan.operates.empty() || std::find(plan.operates.begin(), plan.operates.end(), d) != plan.operates.end())
            q.DayStatus[static_cast<size_t>(d)] = 1;

    using detail::PutField;
    using detail::PutNumber;
    std::string head = "1";
    PutField(head, 1, std::string{plan.base});
    PutNumber(head, 2, 4, plan.number);
    const base::CalendarDate date = doc.DayDate[0];
    PutNumber(head, 70, 4, date.year);
    PutNumber(head, 74, 2, date.month);
    PutNumber(head, 76, 2, date.day);
    PutNumber(head, 78, 4, q.ReportTime);
    PutNumber(head, 107, 5, q.Tafb);
    PutField(head, 112, plan.lateRelease ? "Y" : "N");
    PutField(head, 113, plan.type + "01");
    PutNumber(head, 145, 4, plan.restAfter);
    for (int k = 0; k < 6; ++k) PutNumber(head, 150 + 4 * static_cast<size_t>(k), 4, k < n ? plan.days[static_cast<size_t>(k)].hard : 0);
    PutNumber(head, 299, 4, q.TotalCredit);
    const std::vector<int32_t> calendar = CalendarDayDuty(plan.days);
    for (size_t k = 0; k < calendar.size(); ++k) PutNumber(head, 343 + 4 * k, 4, calendar[k]);
    q.SourceLine = head + "\n";

    std::string text = q.Designation() + "  REPORT " + base::FormatTime(q.ReportTime) + "\r\n";
    for (int k = 0; k < n; ++k) {
        const DutyDay& day = plan.days[static_cast<size_t>(k)];
        if (day.length <= 0) {
            text += "        LAYOVER\r\n";
            continue;
        }
        for (int leg = 0; leg < day.legs; ++leg) {
            std::string seg = "2";
            PutField(seg, 1, std::string{plan.base});
            PutNumber(seg, 2, 4, plan.number);
            PutNumber(seg, 15, 4, 7100 + leg);
            PutField(seg, 28, plan.route.substr(0, 3));
            PutNumber(seg, 39, 4, day.start + 45 + leg * 120);
            PutField(seg, 43, plan.route.substr(plan.route.size() - 3));
            PutNumber(seg, 54, 4, day.start + 135 + leg * 120);
            q.SourceLine += seg + "\n";
        }
        std::string duty = "3";
        PutField(duty, 1, std::string{plan.base});
        PutNumber(duty, 2, 4, plan.number);
        PutNumber(duty, 30, 4, day.start);
        PutNumber(duty, 42, 4, (day.start + day.length) % 1440);
        PutNumber(duty, 47, 4, day.length);
        PutField(duty, 56, plan.route.substr(plan.route.size() - 3));
        PutNumber(duty, 126, 4, day.credit);
        q.SourceLine += duty + "\n";
        text += " " + std::to_string(k + 1) + "  " + plan.route + "  DUTY " + base::FormatTime(day.start) + " " +
                base::FormatTime(day.length) + "\r\n";
    }
    q.PairText = text + plan.marks;
    q.UsaSegments = q.PairText.find("USA SEGMENTS") != std::string::npos;
    q.IsValid = true;
    return index;
}

// A one-day pairing from start to start + length with 2 legs.
inline PairingPlan DayTrip(int32_t number, int32_t start, int32_t length, int32_t hard = 300, int32_t credit = 330) {
    PairingPlan plan;
    plan.number = number;
    plan.days = {{start, length, hard, credit}};
    return plan;
}

// A trip of `count` days, each with the same duty.
inline PairingPlan Trip(int32_t number, int count, int32_t start, int32_t length, int32_t hard = 300, int32_t credit = 330) {
    PairingPlan plan;
    plan.number = number;
    plan.days.assign(static_cast<size_t>(count), DutyDay{start, length, hard, credit});
    return plan;
}

// Adds a crew member at the end of the roster and returns the row.
inline int AddMember(model::Document& doc, std::string name, int32_t employee) {
    const int row = doc.CrewCount++;
    model::TPilot& p = doc.Crew[static_cast<size_t>(row)];
    p.Reset();
    p.Name = std::move(name);
    p.EmployeeNumber = employee;
    return row;
}

// Gives the member the pairing's instance starting on day d.
inline void PutPairing(model::Document& doc, int crew, int pair, int day) {
    doc.Crew[static_cast<size_t>(crew)].DayAssignment[static_cast<size_t>(day)] = pair;
    doc.Pairings[static_cast<size_t>(pair)].TakeInstance(day);
}

// What an activity puts on a day ("Other Assignment Details").
struct ActivityPlan {
    std::string code{};       // display code, "RB " with its blank as the built-in table has it
    std::string extractCode{};  // CrewTrac code
    int32_t start = 0;
    int32_t length = 0;
    int32_t credit = 0;
    int32_t hard = 0;
    bool reserve = false;
    bool duty = false;
    bool excludeCredit = false;
    bool cars = false;
};

// The activity a CrewTrac code stands for in the built-in table of the document's crew kind, with
// the table's usual start and end.
inline ActivityPlan TableActivity(const model::Document& doc, std::string_view outsideCode) {
    ActivityPlan plan;
    const auto match = model::LookupOutsideCode(doc, outsideCode);
    if (!match) return plan;
    plan.code = match->code;
    plan.extractCode = std::string(outsideCode);
    plan.credit = match->credit;
    plan.hard = match->hardTime;
    plan.reserve = match->reserve;
    plan.duty = match->containsDuty;
    plan.cars = match->carsDuty;
    plan.excludeCredit = !match->creditCounts;
    const char kind = doc.IsFlightAttendants() ? 'C' : 'P';
    for (std::string_view row : model::kBuiltInActivities) {
        if (row.size() < 132 || row[6] != kind || row.substr(71, 2) != outsideCode) continue;
        const int32_t start = base::GetInt(row, 121, 2) * 60 + base::GetInt(row, 124, 2);
        const int32_t end = base::GetInt(row, 127, 2) * 60 + base::GetInt(row, 130, 2);
        plan.start = start;
        plan.length = end - start < 0 ? end - start + 1440 : end - start;
        break;
    }
    return plan;
}

inline void PutDayActivity(model::Document& doc, int crew, int day, const ActivityPlan& plan) {
    model::TPilot& p = doc.Crew[static_cast<size_t>(crew)];
    const size_t d = static_cast<size_t>(day);
    p.DayAssignment[d] = model::kDayActivity;
    p.DayCode[d] = plan.code;
    p.DayExtractCode[d] = plan.extractCode;
    p.DayActivity[d] = {};
    p.DayActivity[d][model::kActStart] = plan.start;
    p.DayActivity[d][model::kActDuration] = plan.length;
    p.DayActivity[d][model::kActCredit] = plan.credit;
    p.DayActivity[d][model::kActHardTime] = plan.hard;
    p.DayActivity[d][model::kActReserve] = plan.reserve ? 1 : 0;
    p.DayActivity[d][model::kActContainsDuty] = plan.duty ? 1 : 0;
    p.DayActivity[d][model::kActExcludeCredit] = plan.excludeCredit ? 1 : 0;
    p.DayActivity[d][model::kActCarsDuty] = plan.cars ? 1 : 0;
}

// One day of outside or last-month work ("Previous Month Data") at extended day w (30 = the
// last day of last month, 31 + d = day index d).
struct OutsideDay {
    int32_t pairStart = 0;   // start of a pairing or assignment beginning that day
    int32_t pairLength = 0;  // its time away from base; 0 when none begins that day
    int32_t dutyStart = 0;
    int32_t dutyLength = 0;
    int32_t credit = 0;
    int32_t hard = 0;
    int32_t worked = 1;      // 1 worked, 2 reserve, 0 neither
    bool cars = true;
    std::string code{};      // the day's code in the extract
};

inline void PutOutsideDay(model::Document& doc, int crew, int w, const OutsideDay& day) {
    model::TPilot& p = doc.Crew[static_cast<size_t>(crew)];
    auto& v = p.PrevDayData[static_cast<size_t>(w)];
    v = {};
    v[model::kPrevPairStart] = day.pairStart;
    v[model::kPrevPairTafb] = day.pairLength;
    v[model::kPrevDutyStart] = day.dutyStart;
    v[model::kPrevDutyLength] = day.dutyLength;
    v[4] = day.credit;
    v[model::kPrevHardTime] = day.hard;
    v[model::kPrevWorked] = day.worked;
    v[model::kPrevCarsDuty] = day.cars ? 1 : 0;
    p.DayText[static_cast<size_t>(w)] = day.code;
}

}  // namespace lw::test
