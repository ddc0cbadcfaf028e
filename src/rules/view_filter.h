#pragma once
// Which crew rows the block grid shows: the view filters (hide or show only some kinds of
// block), the search over names, employee numbers, bids and pairings, and the per-day figures
// the grid draws beside the rows (days off, reserve days of each kind).
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/document.h"
#include "platform/interaction.h"
#include "rules/build_blocks.h"

namespace lw::rules {

enum class ViewSwitch {
    HideLeaveBlocks,
    HideCompleted,
    HideCheckPilots,
    HideBlockHolders,
    ShowBlockHolders,
    ShowCCP,
    ShowLTC,
    FilterSearch,
};
bool SwitchOn(const ViewSettings& settings, ViewSwitch which);
// Flips one switch. Hiding and showing-only do not mix: a "Hide" switch clears the "Show Only"
// ones and the other way round; the search switch stands apart.
void ToggleViewSwitch(ViewSettings& settings, ViewSwitch which);

// Kinds of block the switches pick out.
bool IsBlockHolder(const model::TPilot& p);
bool IsCheckPilot(const model::TPilot& p);
bool IsLtc(const model::TPilot& p);

// Crew rows to show, in roster order.
std::vector<int> SelectDisplayRows(const model::Document& doc, const ViewSettings& settings);

inline constexpr int kMaxSearchWords = 20;
inline constexpr size_t kMaxSearchText = 100;
inline constexpr int kSearchMark = 99;  // ViewMarks entry of a member the search matched
// The search text upper-cased and split at spaces and commas. Only the first 100 characters
// are read; the twentieth word is the last, and the planner is told so.
std::vector<std::string> SplitSearchText(std::string_view text, platform::Interaction& ui);
// Marks every crew member the words match (all of them when there are no words) and sets the
// document's marked-only view from the search switch.
void MarkSearchMatches(model::Document& doc, const std::vector<std::string>& words, const ViewSettings& settings);
bool SearchMatches(const model::Document& doc, const model::TPilot& p, const std::vector<std::string>& words,
                   const ViewSettings& settings);

// The row label: "%d %s%s" (roster position, name, " *" for a completed block).
std::string RowLabel(const model::Document& doc, int crew);
// The credit total as the row shows it: "%02d:%02d".
std::string CreditText(const model::TPilot& p);

// Which colour the credit figure takes: "Reserve", "Blk Total outside Specified Range" or
// "Blk Total in Specified Range".
enum class CreditShade { Reserve, OutsideRange, InRange };
CreditShade CreditShadeOf(const model::Document& doc, const model::TPilot& p);

// A day code without the blank a two-letter code keeps ("RB " is "RB").
std::string_view CodeWithoutBlank(std::string_view code);

// The day-off request code shown on a day ("X1".."XM", "GDO", "PDO"), empty for no request.
std::string RequestCodeText(int8_t mark);
// Days of the month on which the member neither works nor stands reserve.
int DaysOffCount(const model::Document& doc, const model::TPilot& p);

// Per day of the month, members on each kind of reserve: "E RESERVE DAYS", "A RESERVE DAYS",
// "B RESERVE DAYS" and "RK RESERVE DAY".
inline constexpr std::array<std::string_view, 4> kReserveSummaryLabels = {"E RESERVE DAYS", "A RESERVE DAYS",
                                                                         "B RESERVE DAYS", "RK RESERVE DAY"};
using ReserveSummary = std::array<std::array<int32_t, model::kMonthDays>, 4>;
ReserveSummary CountReserveDays(const model::Document& doc);

}  // namespace lw::rules
