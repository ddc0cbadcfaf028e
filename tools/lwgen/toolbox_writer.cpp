// The toolbox definition file: a header, the issue date, the number of records, then twelve
// lines per activity, pilots' and cabin crews' together (each group keeps its own kind).
#include "codes.h"
#include "writers.h"

namespace lwgen {

namespace {

std::string YesNo(bool value) { return value ? "Y" : "N"; }

}  // namespace

TextFile WriteToolbox(const Options& options) {
    TextFile file{MonthStem(options) + ".box", {}};
    const std::vector<ActivityCode>& codes = ActivityCodes();
    const Date issued = options.month.first.AddDays(-14);
    file.lines.push_back("LWToolBox");
    file.lines.push_back(issued.MonthName().substr(0, 3) + " " + std::to_string(issued.Day()) + " " +
                         std::to_string(issued.Year()));
    file.lines.push_back(std::to_string(codes.size()));
    for (const ActivityCode& c : codes) {
        file.lines.push_back(c.display);
        file.lines.push_back(c.cabin ? "Cabin" : "Pilot");
        file.lines.push_back(c.outside);
        file.lines.push_back(c.caption);
        file.lines.push_back(ClockText(c.start));
        file.lines.push_back(ClockText(c.end));
        file.lines.push_back(HoursMinutes(c.credit));
        file.lines.push_back(HoursMinutes(c.hard));
        file.lines.push_back(YesNo(c.duty));
        file.lines.push_back(YesNo(c.cars));
        file.lines.push_back(YesNo(c.counts));
        file.lines.push_back(YesNo(c.inToolbox));
    }
    return file;
}

}  // namespace lwgen
