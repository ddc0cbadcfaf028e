// lwtool export KIND: the export dialogs, their fields given as options (the dialog's defaults
// stand for any left out), the Export Summary lines printed one a line.
#include "cli/export_commands.h"

#include <iostream>

#include "output/crewtrac_export.h"

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

}  // namespace

int CommandExport(Context& ctx, const CommandArgs& argv) {
    const Args args(argv, {"--stem", "--base", "--eqp", "--type"}, {"--yes", "--no"});
    const auto& pos = args.Positionals();
    if (pos.empty()) throw UsageError("usage: lwtool export KIND FILE ...   (KIND: crewtrac)");
    if (pos[0] == "crewtrac") return ExportCrewTrac(ctx, args);
    throw UsageError("unknown export kind " + pos[0]);
}

}  // namespace lw::cli
