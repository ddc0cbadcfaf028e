#pragma once
// Publishing the month's blocks for people outside the scheduling office: an HTML page with a
// row per block and three CSV files, all named after the schedule file.
#include <filesystem>
#include <string>
#include <vector>

#include "model/document.h"
#include "platform/file_ops.h"
#include "platform/interaction.h"

namespace lw::output {

// The page, lines ending in CR LF.
std::string PublishPageText(const model::Document& doc);

// The four files for a schedule saved as <folder>/<stem>.<ext>, in the order they are written.
struct PublishFiles {
    std::filesystem::path page;        // <stem>.htm
    std::filesystem::path blockList;   // <stem>.csv
    std::filesystem::path layout;      // <stem>_Month_Layout.csv
    std::filesystem::path absences;    // "<stem> CT Planned Absences.csv"
};
// folder empty: beside the schedule file.
PublishFiles PublishFilesFor(const model::Document& doc, const std::filesystem::path& folder = {});

struct PublishResult {
    bool completed = false;
    std::vector<std::filesystem::path> written;  // the files replaced, in order
};

// "Save Internet .htm and .csv files": writes the page, then the three CSV files, into folder
// (empty: the schedule's own folder, created when missing). Existing files are replaced without
// asking. A file that cannot be made or written stops the command with its message; the files
// written before it stand. Only reads the document.
PublishResult PublishForInternet(const model::Document& doc, platform::Interaction& ui,
                                 const std::filesystem::path& folder = {},
                                 platform::FileOps& ops = platform::RealFileOps());

}  // namespace lw::output
