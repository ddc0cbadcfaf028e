#include "output/exceptions_report.h"

#include "rules/block_checks.h"

namespace lw::output {

std::vector<std::string> ExceptionsReport(model::Document& doc) {
    rules::CheckAllBlocks(doc);
    if (doc.CrewGroup == model::kCaptains) rules::CheckTwoCaptains(doc);
    std::vector<std::string> lines = {"------- EXCEPTIONS -------", ""};
    for (int c = 0; c < doc.CrewCount; ++c) {
        const model::TPilot& p = doc.Crew[static_cast<size_t>(c)];
        if (!p.IllegalText.empty()) lines.push_back(std::to_string(c + 1) + "  " + p.Name + " " + p.IllegalText);
    }
    lines.insert(lines.end(), {"", "------ WARNINGS ------", ""});
    for (int c = 0; c < doc.CrewCount; ++c) {
        const model::TPilot& p = doc.Crew[static_cast<size_t>(c)];
        if (!p.WarningText.empty()) lines.push_back(std::to_string(c + 1) + "  " + p.Name + " Warning " + p.WarningText);
    }
    return lines;
}

void ShowExceptionsReport(model::Document& doc, platform::Interaction& ui) {
    const std::vector<std::string> lines = ExceptionsReport(doc);
    platform::ListOptions options;
    options.cancel = true;
    options.copyCaption = kCopyCaption;
    options.copy = [&lines, &ui] { CopyExceptionsReport(lines, ui); };
    ui.ShowList(kExceptionsReportTitle, lines, options);
}

void CopyExceptionsReport(const std::vector<std::string>& lines, platform::Interaction& ui) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    // The clipboard service reports no failure, so "Error Copying to Windows Clipboard." never shows.
    ui.SetClipboard(text);
    ui.Message("Copied to Windows Clipboard.", "Linewright");
}

}  // namespace lw::output
