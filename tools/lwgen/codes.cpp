#include "codes.h"

#include <stdexcept>
#include <string>

namespace lwgen {

namespace {

constexpr int H(int hours, int minutes = 0) { return hours * 60 + minutes; }

// display, cabin, outside, caption, start, end, credit, hard, duty, cars, counts, in toolbox
const std::vector<ActivityCode> kCodes = {
    {"VAC", false, "VC", "Vacation", H(12), H(16), H(2, 50), 0, false, false, true, true},
    {"GO", false, "GO", "Guaranteed Day Off", H(12), H(16), 0, 0, false, false, true, true},
    {"RA", false, "RA", "Reserve Early", H(3), H(17), 0, 0, true, true, true, true},
    {"RB", false, "RB", "Reserve Late", H(12), H(2), 0, 0, true, true, true, true},
    {"RCK", false, "RK", "Check Pilot Standby", H(7), H(19), 0, 0, true, true, true, true},
    {"SIM", false, "SM", "Simulator Session", H(9), H(15), H(4), 0, true, true, true, true},
    {"GS", false, "GS", "Ground School", H(8), H(17), H(4), 0, true, true, true, true},
    {"CBT", false, "CT", "Computer Training", H(8), H(17), H(4), 0, true, true, true, true},
    {"CRM", false, "CM", "Crew Resource Course", H(10), H(18), H(4), 0, true, true, true, true},
    {"SEC", false, "SC", "Security Training", H(8), H(17), H(4), 0, true, true, true, true},
    {"OF", false, "OC", "Office Day", H(8), H(17), H(4, 30), 0, true, true, true, true},
    {"ALP", false, "AL", "Union Business", H(9), H(17), H(4, 30), 0, true, false, true, true},
    {"TVL", false, "TL", "Travel Day", H(9), H(17), H(4, 30), 0, true, true, true, true},
    {"LCK", false, "LC", "Line Check", H(7), H(19), H(5, 18), 0, false, false, true, true},
    {"MED", false, "MD", "Medical Leave", H(12), H(16), H(2, 50), 0, false, false, true, false},
    {"LOA", false, "LA", "Leave of Absence", H(12), H(16), H(2, 50), 0, false, false, true, false},
    {"MAT", false, "MT", "Parental Leave", H(12), H(16), H(2, 50), 0, false, false, true, false},
    {"LTD", false, "LD", "Long Term Disability", H(12), H(12, 1), 0, 0, false, false, false, false},
    {"VAC", true, "VC", "Vacation", H(12), H(16), H(2, 50), 0, false, false, true, true},
    {"GO", true, "GO", "Guaranteed Day Off", H(12), H(16), 0, 0, false, false, true, true},
    {"RA", true, "RA", "Reserve Early", H(4), H(18), H(4), 0, true, false, true, true},
    {"RB", true, "RB", "Reserve Late", H(12), H(2), H(4), 0, true, false, true, true},
    {"RE", true, "RE", "Reserve First Wave", H(3), H(17), H(4), 0, true, false, true, true},
    {"REC", true, "RT", "Recurrent Training", H(9), H(17), H(4), 0, true, false, false, true},
    {"SEC", true, "SC", "Security Training", H(8), H(17), H(4), 0, true, true, true, true},
    {"FAT", true, "FT", "First Aid Refresher", H(9), H(16), H(4, 45), 0, true, false, true, true},
    {"OF", true, "OC", "Office Day", H(8), H(16), H(4), 0, true, true, true, true},
    {"TEA", true, "TE", "Union Business", H(8), H(18), H(5), 0, true, false, true, true},
    {"FRN", true, "FN", "French Course", H(8, 30), H(15, 30), H(4), 0, true, false, true, true},
    {"MED", true, "MD", "Medical Leave", H(12), H(16), H(2, 50), 0, false, false, true, false},
    {"LOA", true, "LA", "Leave of Absence", H(12), H(16), H(2, 50), 0, false, false, true, false},
    {"MAT", true, "MT", "Parental Leave", H(12), H(16), H(2, 50), 0, false, false, true, false},
    {"LTD", true, "LD", "Long Term Disability", H(12), H(12, 1), 0, 0, false, false, false, false},
};

}  // namespace

const std::vector<ActivityCode>& ActivityCodes() { return kCodes; }

const ActivityCode& CodeFor(std::string_view outside, bool cabin) {
    for (const ActivityCode& c : kCodes)
        if (c.cabin == cabin && outside == c.outside) return c;
    throw std::logic_error("no activity code " + std::string(outside));
}

}  // namespace lwgen
