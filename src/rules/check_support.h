#pragma once
// What the block checks share: reading a member's days safely, the days a pairing covers,
// the calendar of extended days, and the day lists the checks write.
#include <array>
#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/time_text.h"
#include "model/document.h"

namespace lw::rules::blockcheck {

using model::Document;
using model::TPair;
using model::TPilot;

using base::kMinutesPerDay;
inline constexpr int kLastDayCell = model::kDayCells - 1;  // day index 61
inline constexpr int kLastExtendedDay = model::kExtendedDays - 1;  // w = 92
inline constexpr int kMonthOffset = model::kPrevDays;  // w = d + 31

// The pairing that starts on day d of the member, or null for a free day, an activity, or an
// index that does not name a slot of the table.
inline const TPair* PairOn(const Document& doc, const TPilot& p, int d) {
    if (d < 0 || d > kLastDayCell) return nullptr;
    const int32_t index = p.DayAssignment[static_cast<size_t>(d)];
    if (index < 0 || static_cast<size_t>(index) >= doc.Pairings.size()) return nullptr;
    return &doc.Pairings[static_cast<size_t>(index)];
}

inline bool IsActivity(const TPilot& p, int d) { return p.DayAssignment[static_cast<size_t>(d)] == model::kDayActivity; }
inline const model::DayValues& Activity(const TPilot& p, int d) { return p.DayActivity[static_cast<size_t>(d)]; }
inline const model::DayValues& PrevDay(const TPilot& p, int w) { return p.PrevDayData[static_cast<size_t>(w)]; }

// Days from the first day through the release day; a release before 02:00 leaves its day free.
int WorkedDays(const TPair& q);
// Calendar days from report to release, the release rounded up to a whole day (at least 1).
int CalendarDays(int32_t report, int32_t length);
// Calendar days covered by work ending at minute `end` counted from 00:00 of its first day:
// one more for each 1440 (or part of it) by which the end passes 24:00.
int SpanDays(int32_t end);

// The fatigue brought over from last month (third value of the member's settings).
inline int32_t FatigueCarriedIn(const TPilot& p) { return p.ReservedSettingsA[0]; }

// The date of extended day w (0..30 the days before the month, 31 + d day index d).
base::CalendarDate DateOfDay(const Document& doc, int w);
inline int DayOfMonth(const Document& doc, int d) { return doc.DayDate[static_cast<size_t>(d)].day; }

// An activity code without its trailing blanks ("GO " and "GO" are the same day off).
std::string_view Trimmed(std::string_view code);
inline bool StartsWith(std::string_view text, std::string_view head) { return text.substr(0, head.size()) == head; }

// A start after a clock change is moved back by the shift when the work before it started
// before the change.
inline int32_t AdjustForClockChange(const Document& doc, int32_t previousStart, int32_t start) {
    if (doc.DstShift != 0 && previousStart < doc.DstChangeTime && start >= doc.DstChangeTime) return start - doc.DstShift;
    return start;
}

inline void AppendNumber(std::string& out, int32_t value) {
    char buf[16];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, res.ptr);
}
// " %d"
inline void AppendDay(std::string& out, int32_t day) {
    out += ' ';
    AppendNumber(out, day);
}
// "%02d/%02d/%04d"
void AppendDate(std::string& out, const base::CalendarDate& date);

inline void Flag(std::array<int8_t, model::kDayCells>& marks, int d) {
    if (d >= 0 && d <= kLastDayCell) marks[static_cast<size_t>(d)] = 1;
}

// Flags by day index, for the checks that list days of the month and after.
using DayFlags = std::array<bool, model::kDayCells>;
// Flags by extended day index.
using ExtendedFlags = std::array<bool, model::kExtendedDays>;

// Block hard time per day index, rebuilt for each member under check.
using HardTimeTable = std::array<int32_t, model::kDayCells>;
HardTimeTable BuildHardTimeTable(const Document& doc, const TPilot& p);

// Who holds what, found once when the whole crew is checked: the other cabin positions of each
// trip and the members holding each pairing instance. Only valid while no block changes.
class CabinIndex {
public:
    static constexpr int kMaxSiblings = 10;
    explicit CabinIndex(const Document& doc);
    // Pairings below this index are indexed.
    int Slots() const { return slots_; }
    // The other positions of the trip of pairing `index` (same number and base code), at most
    // ten, in table order.
    const std::vector<int>& Siblings(int index) const { return siblings_[static_cast<size_t>(index)]; }
    // Rows holding pairing `index` on day d, in seniority order.
    std::vector<int> Holders(const Document& doc, int index, int d) const;

private:
    std::vector<std::vector<int>> siblings_;
    std::vector<int32_t> firstHolder_;  // by index * days + day; -1 none
    std::vector<bool> sharedInstance_;  // more than one holder: look through the crew
    int days_ = 0;
    int slots_ = 0;
};

// ---- the checks, in the files named
// pilot_checks.cpp
void CheckPilotRest(Document& doc, TPilot& p);
void CheckFatigue(Document& doc, TPilot& p);
void CheckHardTimeIn28(Document& doc, TPilot& p, const HardTimeTable& hard);
void CheckLongDuties(Document& doc, TPilot& p);
void CheckDutyIn28(Document& doc, TPilot& p);
// pilot_limits.cpp
void CheckPilotConsecutiveDays(Document& doc, TPilot& p);
void CheckReserveMix(Document& doc, TPilot& p);
void CheckCheckPilotCredit(Document& doc, TPilot& p);
void CheckPairTextDays(Document& doc, TPilot& p, std::string_view marker, std::string_view heading);
// cabin_checks.cpp
void CheckCabinRest(Document& doc, TPilot& p);
void CheckCabinDaysOnOff(Document& doc, TPilot& p);
// With an index when the whole crew is checked; without, the table and crew are searched.
void CheckFrenchCabin(Document& doc, int crew, const CabinIndex* index);
void CheckFamPairings(Document& doc, TPilot& p);
void CheckReducedBlockReserve(Document& doc, TPilot& p);

}  // namespace lw::rules::blockcheck
