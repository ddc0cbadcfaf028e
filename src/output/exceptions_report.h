#pragma once
// "&Warnings and Exceptions": every block's illegalities and warnings, checked afresh.
#include <string>
#include <vector>

#include "model/document.h"
#include "platform/interaction.h"

namespace lw::output {

inline constexpr const char* kExceptionsReportTitle = "Linewright Exceptions and Warnings Report";
inline constexpr const char* kCopyCaption = "Copy to Windows Clipboard";

// Checks every block again (and the two-captain pairs in a captains' month), then lists the
// members with illegalities, then those with warnings, by roster position.
std::vector<std::string> ExceptionsReport(model::Document& doc);
// Shown with OK, Cancel and "Copy to Windows Clipboard".
void ShowExceptionsReport(model::Document& doc, platform::Interaction& ui);
// "Copy to Windows Clipboard": the lines with CR LF ends, then the confirmation.
void CopyExceptionsReport(const std::vector<std::string>& lines, platform::Interaction& ui);

}  // namespace lw::output
