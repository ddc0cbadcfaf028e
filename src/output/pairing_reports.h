#pragma once
// The planner's checks of the month's pairings: the pairing warnings and report list, the
// pairing report with its occurrence table for the clipboard, and the hours still in open.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/document.h"
#include "platform/interaction.h"

namespace lw::output {

// DocTexts entry where the pairing loader keeps the city-pair summary.

inline constexpr const char* kPairingReportTitle = "Pairing Warnings and Report";
inline constexpr const char* kPairingReportHint = "DoubleClick on any one of the pairings to edit it.";

// What the instance starting on day d earns inside the month: a trip running past the month
// end counts only its days inside it.
int32_t MonthCredit(const model::Document& doc, const model::TPair& q, int day);
int32_t MonthHardTime(const model::Document& doc, const model::TPair& q, int day);
// Days of the month on which the pairing operates.
int OperatingDays(const model::Document& doc, const model::TPair& q);

// "%d:%02d" of total credit over total trip days of every operating instance; "0:00" when none.
std::string AveragePairingCreditText(const model::Document& doc);

// Credit still open, for the status bar and its gauge.
struct OpenHours {
    int32_t open = 0;       // minutes in open instances (month credit)
    int32_t operating = 0;  // minutes of every operating instance (month credit)
    std::string text;       // "%04d:%02d"
    int32_t gaugeValue = 0; // open / 1000
    int32_t gaugeRange = 0; // operating / 1000
};
OpenHours HoursInOpen(const model::Document& doc);

// The "Pairing Warnings and Report" list. Validates every pairing first.
std::vector<std::string> PairingWarningsReport(model::Document& doc);
void ShowPairingReport(model::Document& doc, platform::Interaction& ui);
// The same, where a double-click on a pairing line opens that pairing: openPairing gets its
// index (it runs the pairing editor), and the list is then built again from the corrected
// month. A line that names no pairing beeps.
using PairingOpener = std::function<void(int pair)>;
void ShowEditablePairingReport(model::Document& doc, platform::Interaction& ui, const PairingOpener& openPairing);
// The pairing a double-click on a report line opens: the first with the number at the sixth
// character; -1 (the dialog beeps) when the line names none.
int PairingForReportLine(const model::Document& doc, std::string_view line);

// Occurrence table column of a pairing: 0..5 by work days ("One".."Six"), 6 for a late-release
// two-day trip ("C/D"), 7 for seven days and more; -1 for a pairing without work days.
// Work days and late release are judged from the trip's times, validated or not.
int OccurrenceColumn(const model::TPair& q);
using OccurrenceRow = std::array<int, 8>;
// Per day of the month, open and taken instances starting that day by column.
std::vector<OccurrenceRow> OccurrenceCounts(const model::Document& doc);

// The whole clipboard text of "Print Pairing Report to Clipboard": the pairing report, the
// occurrence table and the city-pair summary.
std::string PairingReportClipboardText(const model::Document& doc);
// Puts it on the clipboard and tells the planner.
void CopyPairingReport(const model::Document& doc, platform::Interaction& ui);

}  // namespace lw::output
