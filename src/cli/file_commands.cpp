// lwtool new, info, dump and save: making, describing and rewriting schedule files.
#include <cstdio>
#include <iostream>

#include "cli/commands.h"
#include "import/new_month.h"
#include "import/toolbox_file.h"
#include "output/document_dump.h"
#include "output/pairing_reports.h"
#include "persist/file_set.h"
#include "persist/guarded_save.h"
#include "persist/month_lock.h"
#include "persist/schedule_file.h"
#include "rules/build_blocks.h"

namespace lw::cli {

namespace {

const std::set<std::string> kAnswerFlags = {"--yes", "--no"};

std::set<std::string> With(std::set<std::string> flags) {
    flags.insert(kAnswerFlags.begin(), kAnswerFlags.end());
    return flags;
}

base::Date ParseDateArg(const std::string& option, const std::string& text) {
    const auto d = platform::ParseIsoDate(text);
    if (!d) throw UsageError(option + " needs a date as YYYY-MM-DD, not " + text);
    return base::Date::FromDmy(d->day, d->month, d->year);
}

std::string IsoDate(const base::CalendarDate& d) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.year, d.month, d.day);
    return buf;
}

const char* GroupName(int group) {
    switch (group) {
        case model::kCaptains: return "captains";
        case model::kFirstOfficers: return "first officers";
        case model::kFlightAttendants: return "flight attendants and pursers";
        default: return "unknown group";
    }
}

const char* VariantName(int variant) {
    switch (variant) {
        case model::kWorkingFile: return "working file";
        case model::kRosterViewer: return "roster viewer (pre-build)";
        case model::kScheduleViewer: return "schedule viewer (pre-sked)";
        case model::kFinalViewer: return "final viewer";
        default: return "unknown";
    }
}

std::string OneFile(const Args& args, const char* usage) {
    if (args.Positionals().size() != 1) throw UsageError(usage);
    return args.Positionals()[0];
}

}  // namespace

std::unique_ptr<model::Document> OpenSchedule(Context& ctx, const std::string& file) {
    // A set of exported files a kill left half written beside the month is finished first.
    std::filesystem::path folder = std::filesystem::path(file).parent_path();
    if (folder.empty()) folder = ".";
    persist::RepairFileSets(folder);
    persist::RepairFileSets(folder / "Export");  // where the CrewTrac pair goes
    auto doc = std::make_unique<model::Document>(ctx.clock.Today().Number());
    platform::FileIdentity readAs;
    if (!persist::LoadSchedule(*doc, ctx.ui, file, &readAs)) return nullptr;
    ctx.readAs[file] = readAs;
    // The file keeps neither the block checks nor the reserve lines: they are worked out again.
    rules::AfterOpeningMonth(*doc);
    return doc;
}

bool SaveLocked(Context& ctx, model::Document& doc, const std::string& target, int kind,
                const platform::FileIdentity* readAs) {
    persist::LockHolder holder;
    switch (persist::SaveMonthGuarded(doc, ctx.ui, target, kind, readAs, nullptr, ctx.force, holder)) {
        case persist::GuardedSave::Saved: return true;
        case persist::GuardedSave::Failed: return false;
        case persist::GuardedSave::HeldByOther:
            ctx.ui.Message(persist::HeldByMessage(target, holder) + " Nothing was saved; use --force to save anyway.",
                           "File Error", platform::Icon::Stop);
            return false;
        case persist::GuardedSave::ChangedOnDisk:
            ctx.ui.Message(persist::ChangedOnDiskMessage(target) + " Nothing was saved; run the command again.",
                           "File Error", platform::Icon::Stop);
            return false;
    }
    return false;
}

bool SaveScheduleTo(Context& ctx, model::Document& doc, const Args& args, const std::string& openedFile, int kind) {
    const std::string target = args.Value("-o").value_or(openedFile);
    const auto read = ctx.readAs.find(openedFile);
    const bool overOpened = read != ctx.readAs.end() && platform::RealTarget(target) == platform::RealTarget(openedFile);
    // A month opened without its end marker may be only part of the month.
    if (overOpened && doc.CurrentFileName.empty()) {
        ctx.ui.Message(target + " was opened as a damaged month (No End Of File found) and is not saved over. "
                                "Save the result under another name with -o OUT.",
                       "File Error", platform::Icon::Stop);
        return false;
    }
    return SaveLocked(ctx, doc, target, kind, overOpened ? &read->second : nullptr);
}

int CommandNew(Context& ctx, const CommandArgs& argv) {
    const Args args(argv,
                    {"--first", "--last", "--month", "--group", "--status", "--toolbox", "--roster", "--absences",
                     "--next-absences", "--activity", "--prior-pairings", "--pairings", "--lis"},
                    With({"--force"}));
    const std::string out = OneFile(args,
                                    "usage: lwtool new OUT.lw2 (--first DATE --last DATE | --month YYYY-MM) --group CODE9 "
                                    "--status capt|fo|fa");
    base::Date first, last;
    if (const auto month = args.Value("--month")) {
        if (args.Has("--first") || args.Has("--last")) throw UsageError("--month replaces --first and --last");
        const auto d = platform::ParseIsoDate(*month + "-01");
        if (month->size() != 7 || !d) throw UsageError("--month needs YYYY-MM, not " + *month);
        const import::MonthSpan span = import::ScheduleMonthSpan(d->month, d->year);
        first = span.first;
        last = span.last;
    } else {
        first = ParseDateArg("--first", args.Required("--first"));
        last = ParseDateArg("--last", args.Required("--last"));
    }
    const std::string group = args.Required("--group");
    const std::string status = args.Required("--status");
    int8_t crewGroup = 0;
    if (status == "capt") crewGroup = model::kCaptains;
    else if (status == "fo") crewGroup = model::kFirstOfficers;
    else if (status == "fa") crewGroup = model::kFlightAttendants;
    else throw UsageError("--status is capt, fo or fa, not " + status);

    std::error_code ec;
    if (!args.Has("--force") && std::filesystem::exists(out, ec)) {
        ctx.ui.Message(out + " already exists. Use --force to replace it.", "File Error", platform::Icon::Stop);
        return kExitFailed;
    }
    if (args.Has("--activity") != args.Has("--prior-pairings"))
        throw UsageError("--activity and --prior-pairings go together");
    if (args.Has("--next-absences") && !args.Has("--absences"))
        throw UsageError("--next-absences needs --absences: the second month is offered after the first");
    if (!import::CheckTypedGroupCode(group, ctx.ui)) return kExitFailed;

    auto doc = std::make_unique<model::Document>(ctx.clock.Today().Number());
    doc->Log("FileNewBegin\n");
    doc->DeleteAll();
    if (!import::SetUpNewMonth(*doc, ctx.ui, first, last, crewGroup, group)) return kExitFailed;
    import::NewMonthFiles files;
    auto file = [&args](const char* option) -> std::optional<std::filesystem::path> {
        if (const auto v = args.Value(option)) return std::filesystem::path(*v);
        return std::nullopt;
    };
    files.toolbox = file("--toolbox");  // without one the built-in activity table stands
    files.roster = file("--roster");
    files.absences = file("--absences");
    files.nextAbsences = file("--next-absences");
    files.activity = file("--activity");
    files.priorPairings = file("--prior-pairings");
    files.pairings = file("--pairings");
    for (const std::string& lis : args.Values("--lis")) files.lis.emplace_back(lis);
    const std::vector<import::NewMonthStep> steps = import::LoadNewMonthFiles(*doc, ctx.ui, files);
    // The pairing step is followed by the pairing warnings report, which validates every pairing.
    for (const import::NewMonthStep& step : steps)
        if (step.name == import::kPairingStepName && step.done) output::ShowPairingReport(*doc, ctx.ui);
    // Like the wizard, a failed step does not stop the month from being saved.
    if (!SaveLocked(ctx, *doc, out, model::kWorkingFile, nullptr)) return kExitFailed;
    bool allDone = true;
    for (const import::NewMonthStep& step : steps) {
        std::cout << step.name << ": " << (step.done ? "Done" : "Not Loaded") << "\n";
        allDone = allDone && step.done;
    }
    std::cout << "Created " << out << "\n";
    return allDone ? kExitDone : kExitFailed;
}

int CommandInfo(Context& ctx, const CommandArgs& argv) {
    const Args args(argv, {}, With({}));
    const std::string file = OneFile(args, "usage: lwtool info FILE");
    const auto doc = OpenSchedule(ctx, file);
    if (!doc) return kExitFailed;
    const model::Document& d = *doc;
    std::cout << "file: " << file << "\n";
    std::cout << "variant: " << d.FileVariant << " " << VariantName(d.FileVariant) << "\n";
    std::cout << "group: " << d.GroupCode << " (" << GroupName(d.CrewGroup) << ")\n";
    std::cout << "month: " << d.MonthTitleText() << " " << d.YearTitleText() << "\n";
    if (d.DayCount > 0) {
        std::cout << "dates: " << IsoDate(d.DayDate[0]) << " to " << IsoDate(d.DayDate[static_cast<size_t>(d.DayCount - 1)])
                  << " (" << d.DayCount << " days)\n";
    } else {
        std::cout << "dates: none\n";
    }
    std::cout << "crew: " << d.CrewCount << "\n";
    std::cout << "pairings: " << d.LastPairIndex + 1 << " (from the pairing file: " << d.LastLoadedPairIndex + 1 << ")\n";
    if (d.ActivityCount > 0)
        std::cout << "activities: " << d.ActivityCount << " (ToolBox Date " << d.DocTexts[model::kToolboxDateText] << ")\n";
    else
        std::cout << "activities: built-in table\n";
    std::cout << "history: " << d.History.Size() << " transactions\n";
    std::cout << "blocks built: " << (d.BlocksBuilt ? "yes" : "no") << "\n";
    std::cout << "modified: " << (d.Modified ? "yes" : "no") << "\n";
    return kExitDone;
}

int CommandDump(Context& ctx, const CommandArgs& argv) {
    const Args args(argv, {}, With({"--crew", "--pairings", "--history", "--help"}));
    if (args.Has("--help")) {
        std::cout << output::kDumpFormatHelp;
        return kExitDone;
    }
    const std::string file = OneFile(args, "usage: lwtool dump FILE [--crew] [--pairings] [--history]");
    const auto doc = OpenSchedule(ctx, file);
    if (!doc) return kExitFailed;
    output::DumpSections sections;
    if (args.Has("--crew") || args.Has("--pairings") || args.Has("--history")) {
        sections.crew = args.Has("--crew");
        sections.pairings = args.Has("--pairings");
        sections.history = args.Has("--history");
    }
    std::cout << output::DumpDocument(*doc, sections);
    return kExitDone;
}

int CommandSave(Context& ctx, const CommandArgs& argv) {
    const Args args(argv, {"-o", "--kind"}, With({}));
    const std::string file = OneFile(args, "usage: lwtool save FILE -o OUT [--kind working|prebuild|presked|final]");
    const std::string kindText = args.Value("--kind").value_or("working");
    int kind = 0;
    if (kindText == "working") kind = model::kWorkingFile;
    else if (kindText == "prebuild") kind = model::kRosterViewer;
    else if (kindText == "presked") kind = model::kScheduleViewer;
    else if (kindText == "final") kind = model::kFinalViewer;
    else throw UsageError("--kind is working, prebuild, presked or final, not " + kindText);
    auto doc = OpenSchedule(ctx, file);
    if (!doc) return kExitFailed;
    return SaveScheduleTo(ctx, *doc, args, file, kind) ? kExitDone : kExitFailed;
}

}  // namespace lw::cli
