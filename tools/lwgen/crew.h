#pragma once
// The crew of the chosen base as CrewTrac lists them: every pilot group of the base for a pilot
// month (the chosen group and the others the loader has to pass over), or the base's cabin crew.
#include <cstdint>
#include <string>
#include <vector>

#include "airports.h"
#include "options.h"
#include "timeutil.h"
#include "trip.h"

namespace lwgen {

struct CrewMember {
    int64_t employee = 0;
    std::string surname, given;
    int base = 0;
    Eqp eqp = Eqp::DH8;  // pilots only
    std::string status;  // "CA", "FO", "FA" or "PU"
    Date hired;
    int seniority = 0;  // 1 = the most senior in the extract
    std::vector<std::string> codes;
    std::string licence;  // pilots: "ATPL" or "CPL"
    int licenceNumber = 0;
    Date medicalDue;
    bool chosenGroup = false;  // a member of the group asked for on the command line

    bool Cabin() const { return status == "FA" || status == "PU"; }
    Side CrewSide() const { return Cabin() ? Side::Cabin : Side::Cockpit; }
    // "YYZDH8CA"; cabin crew "YYZ   FA".
    std::string GroupKey() const;
};

// In seniority order, employee numbers rising with it.
std::vector<CrewMember> BuildRoster(const Options& options);

}  // namespace lwgen
