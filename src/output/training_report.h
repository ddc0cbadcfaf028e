#pragma once
// The training department's month: every block that holds a pairing on a day marked as line
// indoctrination or line check, and the credit minutes of each kind, as a small CSV file.
#include <filesystem>
#include <string>

#include "model/document.h"
#include "platform/file_ops.h"
#include "platform/interaction.h"

namespace lw::output {

// The whole report, lines ending in CR LF.
std::string TrainingReportText(const model::Document& doc);

// Writes the report to file; every failure is told to the planner. True when written.
bool WriteTrainingReport(const model::Document& doc, platform::Interaction& ui, const std::filesystem::path& file,
                         platform::FileOps& ops = platform::RealFileOps());

// "Generate Training Report...": the save chooser, then the report. False when cancelled or
// not written; written, when given, receives the report's path.
bool GenerateTrainingReport(const model::Document& doc, platform::Interaction& ui,
                            platform::FileOps& ops = platform::RealFileOps(), std::filesystem::path* written = nullptr);

}  // namespace lw::output
