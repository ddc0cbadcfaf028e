#include "output/viewer_export.h"

#include <algorithm>
#include <memory>
#include <string>
#include <system_error>

#include "output/exceptions_report.h"
#include "persist/schedule_file.h"
#include "rules/complement.h"

namespace lw::output {

namespace {

using model::Document;

constexpr const char* kUnnamed = "File Must be Named First, Select Save As";

struct CopyPlan {
    std::filesystem::path target;
    int kind = model::kWorkingFile;
    int lastStrippedDay = 0;
    bool keepSharedNotes = true;
    const char* question = "";
};

// Reads back the schedule just saved and writes it, stripped, as the copy. The planner's
// month is not touched: a copy that cannot be made costs nothing but the copy.
CopyOutcome WriteCopy(const Document& doc, platform::Interaction& ui, const CopyPlan& plan, platform::FileOps& ops) {
    CopyOutcome outcome;
    const std::filesystem::path schedule = doc.CurrentFileName;
    std::error_code ec;
    // A folder that cannot be made shows up as a copy that cannot be created.
    std::filesystem::create_directories(plan.target.parent_path(), ec);
    {
        platform::BusyScope busy(ui);
        auto copy = std::make_unique<Document>(doc.Today());
        copy->RunLog = doc.RunLog;
        if (!persist::LoadSchedule(*copy, ui, schedule)) return outcome;
        // Taken without a name means the end marker was missing: what was read is not the month.
        if (copy->CurrentFileName.empty()) return outcome;
        StripPersonalData(*copy, plan.lastStrippedDay);
        if (!plan.keepSharedNotes) copy->DocTexts[model::kSharedNotesText].clear();
        if (!persist::SaveSchedule(*copy, ui, plan.target, plan.kind, ops)) return outcome;
    }
    outcome.written = true;
    outcome.path = plan.target;

    const std::string shown = plan.target.string();
    std::string question = plan.question;
    question.replace(question.find("%s"), 2, shown);
    if (ui.Ask(question, "Linewright", platform::Buttons::YesNo) != platform::Answer::Yes) return outcome;
    if (!ui.MailFile(shown, plan.target.filename().string()))
        ui.Message("No mail program could be started. The copy is saved as " + shown + ".", "Linewright",
                   platform::Icon::Warning);
    return outcome;
}

// The steps both commands take before the copy: the two-captain marks, the report, the name
// check, the save.
bool NamedAndSaved(Document& doc, platform::Interaction& ui, const std::function<bool()>& beforeSave,
                   platform::FileOps& ops, const MonthSave& save) {
    // The file keeps no two-captain marks: any a reload lost are put back before the month is
    // reported and saved.
    rules::FlagTwoCaptPairs(doc);
    ShowExceptionsReport(doc, ui);
    if (doc.CurrentFileName.empty()) {
        ui.Message(kUnnamed, "File Error", platform::Icon::Information);
        return false;
    }
    if (beforeSave && !beforeSave()) return false;
    // The copy is made from the file; a month that could not be saved gives no copy.
    if (save) return save(doc);
    return persist::SaveSchedule(doc, ui, doc.CurrentFileName, model::kWorkingFile, ops);
}

}  // namespace

std::string_view ViewerPrefix(int stage) {
    switch (stage) {
        case kViewerPreBuild: return "PreBuild_";
        case kViewerPreSked: return "Presked_";
        case kViewerFinal: return "Final_";
        default: return "";
    }
}

std::filesystem::path ViewerCopyPath(const std::filesystem::path& schedule, int stage) {
    std::filesystem::path name = std::string(ViewerPrefix(stage)) + schedule.filename().string();
    name.replace_extension(".lwv");
    return schedule.parent_path() / "Viewer" / name;
}

std::filesystem::path CompanyCopyPath(const std::filesystem::path& schedule) {
    // Shown, offered for mail and written under the same ".lw2" name.
    std::filesystem::path name = schedule.filename();
    name.replace_extension(".lw2");
    return schedule.parent_path() / "Company" / name;
}

void StripPersonalData(Document& doc, int lastDay) {
    const int last = std::min(lastDay, model::kDayCells - 1);
    for (int c = 0; c < doc.CrewCount && c < model::kCrewRows; ++c) {
        model::TPilot& p = doc.Crew[static_cast<size_t>(c)];
        p.Phone1.clear();
        p.Phone2.clear();
        p.QuickNotes.clear();
        p.SavedFilters.clear();
        p.BidText.clear();
        for (int d = 0; d <= last; ++d) {
            p.DayFlagA[static_cast<size_t>(d)] = 0;
            p.DayLocked[static_cast<size_t>(d)] = 0;
        }
    }
    doc.History.Clear();
}

CopyOutcome SaveForViewer(Document& doc, platform::Interaction& ui, const ViewerStageChooser& chooseStage,
                          platform::FileOps& ops, const MonthSave& save) {
    std::optional<int> stage;
    auto choose = [&] {
        stage = chooseStage();
        return stage && !ViewerPrefix(*stage).empty();
    };
    if (!NamedAndSaved(doc, ui, choose, ops, save)) return {};
    CopyPlan plan;
    plan.target = ViewerCopyPath(doc.CurrentFileName, *stage);
    plan.kind = *stage;
    // Requests and locks of the days after the month are personal too: the viewer copy goes
    // to the crew, so it keeps none of them.
    plan.lastStrippedDay = doc.DayCount + 30;
    plan.keepSharedNotes = false;
    plan.question = "Viewer File Saved as %s without personal data.\nDo you want to e-mail the lwv file now.";
    return WriteCopy(doc, ui, plan, ops);
}

CopyOutcome SaveForCompany(Document& doc, platform::Interaction& ui, platform::FileOps& ops,
                           const MonthSave& save) {
    if (!NamedAndSaved(doc, ui, nullptr, ops, save)) return {};
    CopyPlan plan;
    plan.target = CompanyCopyPath(doc.CurrentFileName);
    plan.kind = model::kWorkingFile;
    plan.lastStrippedDay = doc.DayCount + 30;
    plan.keepSharedNotes = true;
    plan.question = "File Saved as %s without personal data.\nDo you want to e-mail the lw2 file now.";
    return WriteCopy(doc, ui, plan, ops);
}

}  // namespace lw::output
