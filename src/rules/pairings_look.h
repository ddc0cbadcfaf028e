#pragma once
// How one pairing instance looks in the pairings window: the number, the bar and its fill,
// the taken box, the bold French mark, the purser underline and the layover stations or the
// arrow. The window only turns this into pixels.
#include <cstdint>
#include <string>
#include <vector>

#include "model/document.h"

namespace lw::rules {

// What fills the instance's bar.
enum class BarFill {
    Category,      // the credit category's colour
    Taken,         // grey (128, 128, 128)
    TransientMark, // white: the instance carries the two-captain mark
    LineIndoc,     // light blue (102, 178, 255)
    LineCheck,     // pink (255, 51, 153)
    RecurrentLck,  // light green (196, 255, 128)
};

// The planner's display switches that change a cell ("ShowFullPair", "Layovers", "ShowFullLayOver").
struct PairingsLookPrefs {
    bool showFullPair = false;
    bool layovers = true;
    bool showFullLayOver = false;
};

struct InstanceLook {
    std::string number;     // "%04d", or its last three digits
    uint8_t category = 0;   // colour of the number and of an untaken bar
    BarFill fill = BarFill::Category;
    int32_t barFrom = 0;    // minutes from the start of the first day: the report
    int32_t barTo = 0;      // minutes from the start of the first day: the release on the last day
    int32_t takenDays = 0;  // a taken instance is boxed over this many day cells (0: not taken)
    bool bold = false;      // a French cabin pairing that still wants a French speaker
    bool purser = false;    // double underline
    std::vector<std::string> layovers;  // text of the 1st, 2nd ... day cell after the start
    int32_t arrowTo = 0;    // when > 0, an arrow from the next day cell to this many cells after the start
    bool operator==(const InstanceLook&) const = default;
};

// The look of the pairing's instance starting on day (0..30). category is the pairing's credit
// category from the layout.
InstanceLook LookOfInstance(const model::Document& doc, int pair, int day, uint8_t category,
                            const PairingsLookPrefs& prefs);

// A cabin pairing marked "FRENCH PAIRING" still wants a French speaker on the day unless a
// French-speaking member already holds one of its twins (another entry with the same number)
// that day, or a twin is still open that day. Always false for pilots.
bool WantsFrenchSpeaker(const model::Document& doc, int pair, int day);

// The pairings window's caption after the open-only switch was flipped: the filter state, which
// for a flight-attendant month is left blank when switching to open instances with filters off.
std::string OpenOnlyCaption(const model::Document& doc);

}  // namespace lw::rules
