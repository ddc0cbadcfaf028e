#pragma once
// Activity codes: the built-in activity table, the day-off request codes, the reserve codes,
// the lookup of a CrewTrac code and the toolbox buttons.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/pilot.h"

namespace lw::model {

class Document;

// ---- built-in activity table
// Stands in for the toolbox when no toolbox file has been loaded. Fixed-column rows:
//   0..2 display code (a two-letter code keeps a blank in column 2), 6 crew kind 'C'/'P',
//   23 credit mark ('E' = a toolbox button excludes the credit), 26..30 credit h:mm,
//   42 'D' contains duty, 43 'D' CARS duty, 50..69 description, 71..72 CrewTrac code,
//   121..125 usual start h:mm, 127..131 usual end h:mm. Blank time fields read as 0.
inline constexpr int kBuiltInActivityRows = 117;
inline constexpr int kBuiltInToolboxRows = 89;  // only these rows get toolbox buttons
inline constexpr size_t kBuiltInRowMaxLength = 140;
extern const std::array<std::string_view, kBuiltInActivityRows> kBuiltInActivities;

// ---- day-off requests: the first twelve toolbox buttons. The value is stored where an
// activity keeps its credit; without its sign it is the day's DayFlagA mark.
struct DayOffRequest {
    std::string_view code;
    int32_t value;
    std::string_view caption;
};
inline constexpr std::array<DayOffRequest, 12> kDayOffRequests = {{
    {"X1", -1, "X1 First Request"},
    {"X2", -2, "X2 Second Request"},
    {"X3", -3, "X3 Third Request"},
    {"X4", -4, "X4 Forth Request"},
    {"X5", -5, "X5 Fifth Request"},
    {"X6", -6, "X6 Sixth Request"},
    {"X7", -7, "X7 Seventh Request"},
    {"X8", -8, "X8 Eighth Request"},
    {"X9", -9, "X9 Nineth Request"},
    {"XA", -10, "XA Off in the AM"},
    {"XP", -11, "XP Off in the PM"},
    {"XM", -12, "XM Off in the Middle of Day"},
}};

// ---- reserve codes (CrewTrac codes that mark a reserve day)
inline constexpr std::array<std::string_view, 4> kCabinReserveCodes = {"RA", "RB", "RC", "RE"};
inline constexpr std::array<std::string_view, 22> kPilotReserveCodes = {
    "RA", "RB", "RC", "RE", "RK", "AT", "16", "ET", "CF", "34", "FB",
    "FE", "OR", "09", "14", "03", "18", "19", "17", "AR", "ER", "BR"};
// Toolbox activities with these CrewTrac codes are reserves and show the code on their button.
inline constexpr std::array<std::string_view, 4> kCabinReserveLabels = {"RA", "RB", "RC", "RE"};
inline constexpr std::array<std::string_view, 11> kPilotReserveLabels = {"RA", "RB", "RC", "RE", "RK", "AT",
                                                                        "ET", "CF", "FB", "FE", "OR"};
// The return-to-base code is never a reserve day, whatever its CrewTrac code.
inline constexpr std::string_view kNeverReserveCode = "RTB";

// True when the CrewTrac code marks a reserve day for the crew group.
bool IsReserveCode(int8_t crewGroup, std::string_view outsideCode);

// ---- CrewTrac code lookup
struct OutsideCodeMatch {
    std::string code;  // display code; from the built-in table always three characters ("RB ")
    int32_t credit = 0;
    int32_t hardTime = 0;
    bool containsDuty = false;
    bool carsDuty = false;
    bool reserve = false;
    bool creditCounts = false;
    bool operator==(const OutsideCodeMatch&) const = default;
};

// The activity a CrewTrac code stands for: the document's toolbox activities when it has
// any, else the built-in table for the document's crew kind. nullopt when nothing matches.
std::optional<OutsideCodeMatch> LookupOutsideCode(const Document& doc, std::string_view outsideCode);
// The same over another built-in table (a damaged table in tests).
std::optional<OutsideCodeMatch> LookupOutsideCode(const Document& doc, std::string_view outsideCode,
                                                  std::span<const std::string_view> builtInRows);

// ---- toolbox
inline constexpr int kToolboxButtonWidth = 35;
inline constexpr int kToolboxButtonHeight = 20;
inline constexpr int kToolboxColumnPitch = 37;
inline constexpr int kToolboxRowPitch = 22;
inline constexpr int kToolboxButtonsPerRow = 12;

struct ToolboxRect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const ToolboxRect&) const = default;
};

struct ToolboxButton {
    std::string label;
    int32_t value = 0;  // day-off request value (negative), else the activity's credit
    std::string caption;
    bool reserve = false;
    // What a press puts on a day. A request button carries its code, caption and value
    // (as Credit) only: it marks the day's request, not the day cell.
    TAbsence activity;
    bool excludeCredit = false;
    ToolboxRect rect;
    bool operator==(const ToolboxButton&) const = default;
};

struct Toolbox {
    std::string title;
    std::vector<ToolboxButton> buttons;
};

// Where button n (0-based, request buttons first) sits in the toolbox window.
ToolboxRect ToolboxButtonRect(int n);

// The request buttons, then one button per toolbox activity (or built-in row) of the
// document's crew kind.
Toolbox BuildToolbox(const Document& doc);

}  // namespace lw::model
