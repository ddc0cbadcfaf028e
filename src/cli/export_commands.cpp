// lwtool export KIND: the export dialogs, their fields given as options (the dialog's defaults
// stand for any left out), the Export Summary lines printed one a line.
#include "cli/export_commands.h"

#include <iostream>

#include "output/crewtrac_export.h"
#include "output/training_report.h"
#include "output/viewer_export.h"
#include "output/html_publish.h"

namespace lw::cli {

namespace {

// The dialog's edit filters: nothing else can be typed there.
void Filter(const std::optional<std::string>& value, const char* option, const std::string& allowed) {
    if (!value) return;
    for (char c : *value)
        if (allowed.find(c) == std::string::npos) throw UsageError(std::string(option) + " takes only " + allowed);
}

int ExportCrewTrac(Context& ctx, const Args& args) {
    const auto& pos = args.Positionals();
    if (pos.size() != 2)
        throw UsageError("usage: lwtool export crewtrac FILE [--stem S] [--base L] [--eqp D] [--type capt|fo|fapu]");
    const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ", digits = "0123456789";
    Filter(args.Value("--stem"), "--stem", letters + digits);
    Filter(args.Value("--base"), "--base", letters);
    Filter(args.Value("--eqp"), "--eqp", digits);
    if (args.Value("--base").value_or("").size() > 1) throw UsageError("--base is one letter");
    if (args.Value("--eqp").value_or("").size() > 1) throw UsageError("--eqp is one digit");
    auto doc = OpenSchedule(ctx, pos[1]);
    if (!doc) return kExitFailed;
    output::CrewTracInputs in = output::CrewTracDefaults(*doc);
    in.fileName = args.Value("--stem").value_or(in.fileName);
    in.baseCode = args.Value("--base").value_or(in.baseCode);
    in.eqpCode = args.Value("--eqp").value_or(in.eqpCode);
    if (const auto type = args.Value("--type")) {
        if (*type == "capt") in.crewType = output::CrewTracCrewType::Captain;
        else if (*type == "fo") in.crewType = output::CrewTracCrewType::FirstOfficer;
        else if (*type == "fapu") in.crewType = output::CrewTracCrewType::FlightAttendant;
        else throw UsageError("--type is capt, fo or fapu");
    }
    const output::CrewTracResult result = output::ExportCrewTrac(*doc, ctx.ui, in);
    for (const std::string& line : result.summary) std::cout << line << "\n";
    return result.completed ? kExitDone : kExitFailed;
}

// The page and the three CSV files, beside the schedule or in --folder; the files written
// are printed one a line.
int ExportPublish(Context& ctx, const Args& args) {
    const auto& pos = args.Positionals();
    if (pos.size() != 2) throw UsageError("usage: lwtool export publish FILE [--folder DIR]");
    const auto doc = OpenSchedule(ctx, pos[1]);
    if (!doc) return kExitFailed;
    const output::PublishResult result = output::PublishForInternet(*doc, ctx.ui, args.Value("--folder").value_or(""));
    for (const auto& file : result.written) std::cout << file.string() << "\n";
    return result.completed ? kExitDone : kExitFailed;
}

// The copies offer to mail themselves; without --yes the offer is declined.
int ExportCopy(Context& ctx, const Args& args, bool viewer) {
    const auto& pos = args.Positionals();
    if (pos.size() != 2)
        throw UsageError(viewer ? "usage: lwtool export viewer FILE [--stage prebuild|presked|final] [--yes]"
                                : "usage: lwtool export company FILE [--yes]");
    int stage = output::kViewerPreBuild;
    if (const auto text = args.Value("--stage")) {
        if (!viewer) throw UsageError("--stage is for the viewer copy");
        if (*text == "prebuild") stage = output::kViewerPreBuild;
        else if (*text == "presked") stage = output::kViewerPreSked;
        else if (*text == "final") stage = output::kViewerFinal;
        else throw UsageError("--stage is prebuild, presked or final, not " + *text);
    }
    auto doc = OpenSchedule(ctx, pos[1]);
    if (!doc) return kExitFailed;
    CliInteraction noMail(platform::Answer::No);
    platform::Interaction& ui = args.Has("--yes") || args.Has("--no") ? static_cast<platform::Interaction&>(ctx.ui)
                                                                       : noMail;
    // The month is saved as every writing command saves it: under its lock, never over a
    // colleague's newer save.
    const std::string file = pos[1];
    const auto readAs = ctx.readAs.find(file);
    const output::MonthSave save = [&](model::Document& month) {
        return SaveLocked(ctx, month, file, model::kWorkingFile,
                          readAs != ctx.readAs.end() ? &readAs->second : nullptr);
    };
    const output::CopyOutcome outcome =
        viewer ? output::SaveForViewer(*doc, ui, [stage] { return std::optional<int>(stage); },
                                       platform::RealFileOps(), save)
               : output::SaveForCompany(*doc, ui, platform::RealFileOps(), save);
    if (!outcome.written) return kExitFailed;
    std::cout << outcome.path.string() << "\n";
    return kExitDone;
}

int ExportTraining(Context& ctx, const Args& args) {
    const auto& pos = args.Positionals();
    if (pos.size() != 3) throw UsageError("usage: lwtool export training FILE OUT");
    const auto doc = OpenSchedule(ctx, pos[1]);
    if (!doc) return kExitFailed;
    // OUT answers the report's save chooser.
    ctx.ui.QueueFile(pos[2]);
    return output::GenerateTrainingReport(*doc, ctx.ui) ? kExitDone : kExitFailed;
}

}  // namespace

int CommandExport(Context& ctx, const CommandArgs& argv) {
    const Args args(argv, {"--stem", "--base", "--eqp", "--type", "--folder", "--stage"}, {"--yes", "--no"});
    const auto& pos = args.Positionals();
    if (pos.empty()) throw UsageError("usage: lwtool export KIND FILE ...   (KIND: crewtrac, publish, viewer, company, training)");
    if (pos[0] == "crewtrac") return ExportCrewTrac(ctx, args);
    if (pos[0] == "publish") return ExportPublish(ctx, args);
    if (pos[0] == "viewer") return ExportCopy(ctx, args, true);
    if (pos[0] == "company") return ExportCopy(ctx, args, false);
    if (pos[0] == "training") return ExportTraining(ctx, args);
    throw UsageError("unknown export kind " + pos[0]);
}

}  // namespace lw::cli
