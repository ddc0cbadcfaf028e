#pragma once
// What the planner's mouse does on the block grid, as core operations: click assignment,
// drag-and-drop moves, locking, painting toolbox activities and day-off requests, right-click
// removals, the activity details of one day and the quick employee flags. The window maps
// the mouse to a crew row and a day index and opens the dialogs an outcome asks for.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "model/activity_codes.h"
#include "model/document.h"
#include "platform/interaction.h"
#include "rules/assignment.h"

namespace lw::platform { class Profile; }

namespace lw::rules {

struct Keys {
    bool shift = false;
    bool ctrl = false;
};

// The planner's preferences the gestures follow (INI section "LW").
struct GridPrefs {
    bool HoldCtrlKey = true;   // "HoldCtrlKey": confirm a right-click removal unless Ctrl is held
    bool RemindBackup = true;  // "RemindBackup": remind after many click assignments
};
GridPrefs ReadGridPrefs(const platform::Profile& profile);

// Click assignments after which the planner is reminded to back up.
inline constexpr int32_t kAssignsBeforeReminder = 80;

enum class GridEffect {
    None,
    DragStarted,
    Assigned,       // click assignment made
    AssignRefused,  // the engine refused; result holds its code
    Moved,          // dragged to another row
    MovedBack,      // the target row could not take it: back on the source row
    LockedNoDrag,   // a locked pairing stays where it is
    Painted,        // a toolbox activity put on the day
    Covered,        // a pairing covers the day: nothing painted
    RequestMarked,
    RequestCleared,
    LockToggled,
    Removed,   // right-click removal of a pairing or an activity
    Declined,  // the planner answered No
    Dialog,    // the window must open the dialog in `open`
};

enum class GridDialog { None, ActivityDetails, PairingText, MoveOnRoster, QuickEmployeeInfo };

struct GridOutcome {
    GridEffect effect = GridEffect::None;
    GridDialog open = GridDialog::None;
    int result = -1;  // engine result code, when the engine was called
    int crew = -1;
    int day = -1;
    int pair = -1;  // the pairing concerned, when there is one
    bool operator==(const GridOutcome&) const = default;
};

// "Other Assignment Details" of one day.
struct ActivityDetails {
    std::string caption;      // "%s Assignment Details"
    std::string date;         // "%s %d"; for a day of last month "%d %d %d"
    std::string code;         // DayCode; for a day of last month its DayText
    std::string extractCode;  // DayExtractCode
    std::string start;        // "Time starting Work"
    std::string atWork;       // "Hours:Mins at Work"
    std::string credit;       // "Credit"
    std::string hardTime;     // "Hard Time"
    bool reserve = false;
    bool containsDuty = false;
    bool excludeCredit = false;  // "Exlcude Credit from Block"
    bool carsDuty = false;
    bool readOnly = false;  // a day of last month: shown, never stored
    bool operator==(const ActivityDetails&) const = default;
};

// What the dialog shows for a day index; -31..-1 are the days of last month.
ActivityDetails ReadActivityDetails(const model::Document& doc, int crew, int day);

// Open crew per day of the month shown above the grid: members who still need work less the
// open pairing days.
std::array<int32_t, model::kMonthDays> CrewBalance(const model::Document& doc);

class GridGestures {
public:
    GridGestures(model::Document& doc, Board& board, platform::Interaction& ui, GridPrefs prefs = {});

    // The toolbox button pressed for painting; nullopt switches painting off.
    void ChooseTool(std::optional<model::ToolboxButton> button) { tool_ = std::move(button); }
    const std::optional<model::ToolboxButton>& Tool() const { return tool_; }

    GridOutcome LeftDown(int crew, int day, Keys keys);
    GridOutcome LeftUp(int crew, int day, Keys keys);
    GridOutcome RightClick(int crew, int day, Keys keys);
    GridOutcome RightClickName(int crew);

    // OK of the activity details dialog; false when nothing could be stored.
    bool StoreActivityDetails(int crew, int day, const ActivityDetails& details);
    // OK of the quick employee dialog: "Bidding Res or On Leave" and "Block is Complete".
    void StoreQuickEmployeeInfo(int crew, bool bidsReserve, bool blockComplete);

    bool Dragging() const { return dragging_; }
    const std::array<int32_t, model::kMonthDays>& Balance() const { return balance_; }
    void RecomputeBalance() { balance_ = CrewBalance(doc_); }

private:
    GridOutcome Click(int crew, int day, Keys keys);
    GridOutcome Move(int source, int target, int day);
    GridOutcome Paint(int crew, int day);
    GridOutcome RemovePairingByRightClick(int crew, int day, Keys keys);
    GridOutcome RemoveActivityByRightClick(int crew, int day, Keys keys);
    void RightClickFollowUp(int crew);
    void CountClickAssignment();

    model::Document& doc_;
    Board& board_;
    platform::Interaction& ui_;
    GridPrefs prefs_;
    std::optional<model::ToolboxButton> tool_;
    bool dragging_ = false;
    int dragCrew_ = -1;
    int dragDay_ = -1;
    bool lockClick_ = false;  // the button went down to lock: its release does nothing more
    std::array<int32_t, model::kMonthDays> balance_{};
};

}  // namespace lw::rules
