#pragma once
// The activity codes the generated extracts use and the toolbox file defines: CrewTrac's
// two-letter code, the planners' display code, usual times and credit.
#include <string_view>
#include <vector>

namespace lwgen {

struct ActivityCode {
    const char* display;
    bool cabin;  // a cabin crew code; otherwise a pilots' one
    const char* outside;
    const char* caption;
    int start, end;     // minutes after midnight; an end before the start is the next morning
    int credit, hard;   // minutes
    bool duty, cars, counts, inToolbox;
};

const std::vector<ActivityCode>& ActivityCodes();
// Throws when the code is not defined for the crew kind (a generator bug).
const ActivityCode& CodeFor(std::string_view outside, bool cabin);

}  // namespace lwgen
