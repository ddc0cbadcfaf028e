#pragma once
// How one day cell of a member's row looks on the block grid: the duty bar and the rest after
// it, the pairing number or activity code and their colours, the request code, the lock, the
// frames and marks of the checks, a proposed trip. The grid only turns this into pixels.
#include <cstdint>
#include <string>
#include <string_view>

#include "model/document.h"

namespace lw::rules {

// The colours a day cell uses; the planner's colour set decides the ones named after it.
enum class GridColour : uint8_t {
    Black,
    Red,
    DarkGray,
    Blue,
    DutyTime,        // the planner's "Duty Time"
    RestTime,        // the planner's "Rest Time"
    Purser,          // (153, 102, 204)
    LineIndoc,       // (102, 178, 255)
    LineCheck,       // (255, 51, 153)
    RecurrentLck,    // (196, 255, 128)
    Credit0,         // the planner's colours of the credit categories 0..3
    Credit1,
    Credit2,
    Credit3,
};
inline constexpr int kGridColourCount = static_cast<int>(GridColour::Credit3) + 1;

// The display switches that change a cell ("ShowFullPair", "Layovers", "ShowFullLayOver").
struct GridLookPrefs {
    bool showFullPair = false;
    bool layovers = true;
    bool showFullLayOver = false;
};

enum class DutyBar : uint8_t {
    None,
    Solid,      // a 4-pixel bar in barColour
    Transient,  // the two-captain mark: white with a thin line of barColour through it
};

struct GridDayLook {
    // ---- a pairing starting on the day (drawn even when the day itself is scrolled off)
    DutyBar bar = DutyBar::None;
    GridColour barColour = GridColour::DutyTime;
    int32_t barFrom = 0;  // minutes from the start of the day: the report
    int32_t barTo = 0;    // minutes from the start of the day: the release; the part past the month is greyed
    int32_t restMinutes = 0;  // the rest bar after the release
    GridColour restColour = GridColour::RestTime;
    uint64_t overDaysOff = 0;  // bit k: day d + k of the trip falls on a requested day off
    std::string_view layovers;  // the trip's stations, three letters a night; see LayoverAfter
    int32_t nights = 0;         // layover texts after the first day (0 when the switch is off)
    bool fullLayovers = false;

    // ---- the day's own cell
    std::string text;  // pairing number, activity code or requested day off
    GridColour textColour = GridColour::Black;
    bool centred = false;  // an activity code shorter than three letters sits in the middle
    bool locked = false;   // small black square top left
    int32_t reserveFrom = 0;  // light grey RB reserve bar, when reserveMinutes > 0
    int32_t reserveMinutes = 0;
    std::string proposed;  // number of a proposed trip, blue in a blue frame; empty for none
    bool illegal = false;   // red frame
    bool warning = false;   // orange square top right

    // ---- the first day of the month only
    int32_t checkInBar = 0;     // the earliest report after last month's work, in minutes
    bool fromLastMonth = false;  // red arrow: a run of days reaching back into last month

    bool operator==(const GridDayLook&) const = default;
};

// The look of day d (0..61) of crew row `crew`. proposedPair is the pairing a proposal would
// place on the day, -1 for none.
GridDayLook LookOfDay(const model::Document& doc, int crew, int d, const GridLookPrefs& prefs, int proposedPair = -1);

// The station shown on the k-th day after the trip's first (1..nights).
std::string_view LayoverAfter(const GridDayLook& look, int k);

}  // namespace lw::rules
