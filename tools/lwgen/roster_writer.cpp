// CrewTrac's employee record extract: one line per crew member of the base, in seniority order.
// Pilot lines carry a licence section and are 147 characters; cabin lines are 102.
#include "writers.h"

namespace lwgen {

namespace {

std::string CodeField(const std::vector<std::string>& codes) {
    std::string field;
    for (const std::string& c : codes) field += c + " ";
    return field;
}

}  // namespace

TextFile WriteRoster(const Options& options, const std::vector<CrewMember>& roster) {
    TextFile file{ExtractName(options, 1, "per"), {}};
    for (const CrewMember& m : roster) {
        FixedLine line(m.Cabin() ? kRosterCabinWidth : kRosterPilotWidth);
        line.Digits(0, 9, m.employee);
        line.PutPadded(9, 20, m.surname);
        line.Put(29, m.given.substr(0, 1));
        line.Put(31, m.GroupKey());
        line.Put(40, Yyyymmdd(m.hired));     // seniority date
        line.Digits(49, 5, m.seniority);
        line.PutPadded(55, 20, m.given);
        line.PutPadded(77, 12, CodeField(m.codes));
        line.Put(89, "ACTV");
        if (!m.Cabin()) {
            line.Put(102, m.licence).Digits(107, 6, m.licenceNumber);
            line.Put(114, Yyyymmdd(m.medicalDue)).Put(123, std::string(EqpName(m.eqp)));
        }
        file.lines.push_back(line.Text());
    }
    return file;
}

}  // namespace lwgen
