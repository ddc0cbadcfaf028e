// CrewTrac's crew activity extract (what each crew member did in the 31 days before the month)
// and the prior-period pairing extract that describes the pairings it names.
#include <algorithm>
#include <array>
#include <map>
#include <tuple>

#include "writers.h"

namespace lwgen {

namespace {

constexpr size_t kSlotWidth = 40;
constexpr size_t kBlockTimesColumn = 1481;
constexpr size_t kDutyPeriods = 31;
constexpr size_t kDutyColumn = 70, kDutyWidth = 24;
constexpr size_t kDailyColumn = 814, kDailyWidth = 11, kDailyEntries = 33;

// One pairing flown in the prior period, as the pairing extract lists it.
struct Instance {
    const Trip* trip = nullptr;
    Date start;
};

using InstanceKey = std::tuple<Date, std::string>;  // start, designation: the extract's order

std::string PriorPairingLine(const Instance& inst) {
    const Trip& t = *inst.trip;
    const int shift = inst.start.DaysSince(t.firstDate);
    const int base = t.BaseAirport();
    FixedLine line(kPriorPairingWidth);
    const LocalTime release = LocalOn(base, t.duties.back().release, shift);
    line.Put(0, t.Designation()).Put(6, Yyyymmdd(inst.start)).Put(14, Yyyymmdd(inst.start));
    line.Digits(22, 4, LocalOn(base, t.duties.front().report, shift).minute);
    // Release, total block and total duty: shown, not needed for the carry-in.
    line.Put(26, Yyyymmdd(release.date)).Digits(34, 4, release.minute).Digits(38, 6, t.TotalBlock());
    line.Digits(44, 6, t.totalCredit).Digits(50, 8, t.tafb).Digits(58, 8, t.TotalDuty());
    line.Digits(66, 4, t.restAfter);
    for (size_t k = 0; k < t.duties.size() && k < kDutyPeriods; ++k) {
        const Duty& d = t.duties[k];
        const LocalTime start = LocalOn(d.startStation, d.report, shift);
        const LocalTime end = LocalOn(d.endStation, d.release, shift);
        const size_t c = kDutyColumn + kDutyWidth * k;
        line.Put(c, Yyyymmdd(start.date)).Digits(c + 8, 4, start.minute);
        line.Put(c + 12, Yyyymmdd(end.date)).Digits(c + 20, 4, end.minute);
    }
    // Daily entries: entry 0 is the day before the pairing, entry k its day k; each names the
    // station the day ends at, with that day's block and credit.
    const int lastDay = t.duties.back().dayIndex;
    int station = base;
    for (int day = 0; day <= lastDay && static_cast<size_t>(day) + 1 < kDailyEntries; ++day) {
        for (const Duty& d : t.duties)
            if (d.dayIndex == day) station = d.endStation;
        const size_t c = kDailyColumn + kDailyWidth * static_cast<size_t>(day + 1);
        line.Put(c, Airports()[static_cast<size_t>(station)].code);
        line.Digits(c + 3, 4, t.dayBlock[static_cast<size_t>(day)]).Digits(c + 7, 4, t.dayCredit[static_cast<size_t>(day)]);
    }
    return line.Text();
}

}  // namespace

std::vector<TextFile> WriteActivity(const Options& options, const std::vector<CrewMember>& roster,
                                    const std::vector<CrewCalendar>& calendars) {
    TextFile activity{ExtractName(options, 1, "act"), {}};
    std::map<InstanceKey, Instance> instances;
    for (size_t i = 0; i < roster.size(); ++i) {
        FixedLine line(kActivityWidth);
        line.Digits(0, 9, roster[i].employee);

        // Slots in the order the days come: pairings and activities that start before the month.
        struct Slot {
            int first;
            const Span* span;
            const PriorTrip* trip;
        };
        std::vector<Slot> slots;
        for (const Span& s : calendars[i].spans)
            if (s.first < kPriorDays) slots.push_back({s.first, &s, nullptr});
        for (const PriorTrip& t : calendars[i].trips) slots.push_back({t.startDay, nullptr, &t});
        std::stable_sort(slots.begin(), slots.end(), [](const Slot& a, const Slot& b) { return a.first < b.first; });

        std::array<int, kPriorDays> block{};
        for (size_t k = 0; k < slots.size() && k < 31; ++k) {
            const size_t v = 9 + kSlotWidth * k;
            if (slots[k].trip) {
                const PriorTrip& pt = *slots[k].trip;
                const Date start = DayDate(options, pt.startDay);
                line.Put(v + 2, pt.pattern->Designation()).Put(v + 8, Yyyymmdd(start));
                instances.emplace(InstanceKey{start, pt.pattern->Designation()}, Instance{pt.pattern, start});
                for (size_t d = 0; d < pt.pattern->dayBlock.size(); ++d) {
                    const size_t day = static_cast<size_t>(pt.startDay) + d;
                    if (day < block.size()) block[day] += pt.pattern->dayBlock[d];
                }
            } else {
                const Span& s = *slots[k].span;
                // Only the days before the month: the month's own come with the absences.
                const int last = std::min(s.last, kPriorDays - 1);
                line.Put(v, s.code).Put(v + 16, Yyyymmdd(DayDate(options, s.first))).Digits(v + 24, 4, s.start);
                line.Put(v + 28, Yyyymmdd(DayDate(options, last))).Digits(v + 36, 4, s.end);
            }
        }
        for (size_t w = 0; w < block.size(); ++w) line.Digits(kBlockTimesColumn + 4 * w, 4, block[w]);
        activity.lines.push_back(line.Text());
    }

    TextFile prior{ExtractName(options, 1, "prg"), {}};
    for (const auto& [key, inst] : instances) prior.lines.push_back(PriorPairingLine(inst));
    return {activity, prior};
}

}  // namespace lwgen
