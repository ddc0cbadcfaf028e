#pragma once
// Copies of the month for people who must not see personal data: a viewer file (pre-build,
// pre-sked or final) in the "Viewer" folder beside the schedule, and the company's schedule
// file in the "Company" folder. The schedule is saved first; the copy is made from what was
// saved, so the month the planner works on never loses anything.
#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

#include "model/document.h"
#include "platform/file_ops.h"
#include "platform/interaction.h"

namespace lw::output {

// The stages of the viewer dialog; each is also the file variant the copy is written as.
enum ViewerStage : int {
    kViewerPreBuild = model::kRosterViewer,
    kViewerPreSked = model::kScheduleViewer,
    kViewerFinal = model::kFinalViewer,
};

// "PreBuild_", "Presked_", "Final_"; empty for anything else.
std::string_view ViewerPrefix(int stage);

// Where the copies go, beside the schedule file.
std::filesystem::path ViewerCopyPath(const std::filesystem::path& schedule, int stage);
std::filesystem::path CompanyCopyPath(const std::filesystem::path& schedule);

// Takes phones, notes, saved filters and bids off every crew member, and the day-off request
// marks and locks off day indexes 0 to lastDay, and empties the history.
void StripPersonalData(model::Document& doc, int lastDay);

// The stage dialog: the stage chosen, or nullopt when cancelled.
using ViewerStageChooser = std::function<std::optional<int>()>;

struct CopyOutcome {
    bool written = false;
    std::filesystem::path path;  // the copy, once written
};

// How the caller saves the month itself before the copy: with the month's lock and the check
// that no other planner saved it since it was read. Empty: a plain save (a month nobody shares).
using MonthSave = std::function<bool(model::Document&)>;

// "Save for Viewer...": the exceptions report, the name check, the stage dialog, the save,
// the copy, and the offer to mail it.
CopyOutcome SaveForViewer(model::Document& doc, platform::Interaction& ui, const ViewerStageChooser& chooseStage,
                          platform::FileOps& ops = platform::RealFileOps(), const MonthSave& save = {});

// "Finalize and Save for Company...": the same without a stage; the shared notes stay.
CopyOutcome SaveForCompany(model::Document& doc, platform::Interaction& ui,
                           platform::FileOps& ops = platform::RealFileOps(), const MonthSave& save = {});

}  // namespace lw::output
