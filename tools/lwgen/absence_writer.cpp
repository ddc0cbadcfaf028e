// CrewTrac's crew absence extract for this month or the next: one line per crew member with up
// to 31 slots of code, first and last day (counted from 01 in that month) and times, closed by
// an end line with employee number 99999.
#include "writers.h"

namespace lwgen {

TextFile WriteAbsences(const Options& options, const std::vector<CrewMember>& roster,
                       const std::vector<CrewCalendar>& calendars, bool nextMonth) {
    TextFile file{ExtractName(options, nextMonth ? 2 : 1, "abs"), {}};
    const int thisDays = options.month.DayCount();
    const int from = kPriorDays + (nextMonth ? thisDays : 0);
    const int to = from + (nextMonth ? FollowingMonth(options.month).DayCount() : thisDays) - 1;
    for (size_t i = 0; i < roster.size(); ++i) {
        FixedLine line(kAbsenceWidth);
        line.Digits(0, 9, roster[i].employee);
        size_t slot = 0;
        for (const Span& s : calendars[i].spans) {
            if (s.last < from || s.first > to || slot == 31) continue;
            const size_t c = 9 + 14 * slot++;
            line.Put(c, s.code);
            line.Digits(c + 2, 2, std::max(s.first, from) - from + 1);
            line.Digits(c + 4, 2, std::min(s.last, to) - from + 1);
            line.Digits(c + 6, 4, s.start).Digits(c + 10, 4, s.end);
        }
        file.lines.push_back(line.Text());
    }
    FixedLine end(kAbsenceWidth);
    end.Digits(0, 9, kAbsenceEnd);
    file.lines.push_back(end.Text());
    return file;
}

}  // namespace lwgen
