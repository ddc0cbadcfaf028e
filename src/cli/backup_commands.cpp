// lwtool backup and autosave-tick: the two safety copies of a month without a display.
#include "cli/backup_commands.h"

#include <iostream>
#include <optional>

#include "persist/backup.h"
#include "base/log_sink.h"
#include "platform/profile.h"

namespace lw::cli {

namespace {

std::optional<platform::Profile> PreferenceFile() {
    const std::filesystem::path file = platform::Profile::DefaultPath();
    if (file.empty()) return std::nullopt;
    return platform::Profile(file);
}

// The run-log lines a tick writes, shown as they happen.
class TickLog : public base::LogSink {
public:
    int tick = 0;
    void Write(std::string_view line) override {
        if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
        std::cout << "tick " << tick << ": " << line << "\n";
    }
};

}  // namespace

int CommandBackup(Context& ctx, const CommandArgs& argv) {
    const Args args(argv, {"--to"}, {"--new-file", "--folders", "--yes", "--no"});
    const auto& pos = args.Positionals();
    if (pos.size() != 1 || args.Has("--folders") == args.Has("--to"))
        throw UsageError("usage: lwtool backup FILE --to DIR [--new-file]  |  lwtool backup FILE --folders");
    std::optional<platform::Profile> profile = PreferenceFile();
    if (args.Has("--folders")) {
        // What the Backup dialog would offer, the preselected folder marked.
        const auto home = platform::ProcessEnvironment("HOME");
        const auto offered = persist::BackupFolders("/proc/self/mounts", home.value_or(""));
        const persist::BackupDialogSetup setup =
            profile ? persist::PrepareBackupDialog(*profile, offered) : persist::BackupDialogSetup{offered, 0, false};
        for (size_t i = 0; i < setup.folders.size(); ++i)
            std::cout << (static_cast<int>(i) == setup.selected ? "* " : "  ") << setup.folders[i].string() << "\n";
        return kExitDone;
    }
    auto doc = OpenSchedule(ctx, pos[0]);
    if (!doc) return kExitFailed;
    const persist::BackupChoice choice{args.Required("--to"), args.Has("--new-file")};
    const std::filesystem::path written =
        persist::BackupTo(*doc, ctx.ui, profile ? &*profile : nullptr, choice, ctx.clock);
    if (written.empty()) return kExitFailed;
    std::cout << "Backed up to " << written.string() << "\n";
    return kExitDone;
}

int CommandAutosaveTick(Context& ctx, const CommandArgs& argv) {
    const Args args(argv, {"--ticks"}, {"--yes", "--no"});
    const auto& pos = args.Positionals();
    const std::optional<int> ticks = args.Int("--ticks");
    if (pos.size() != 1 || !ticks) throw UsageError("usage: lwtool autosave-tick FILE --ticks N");
    if (*ticks < 1 || *ticks > 100000) throw UsageError("--ticks is 1 to 100000");
    auto doc = OpenSchedule(ctx, pos[0]);
    if (!doc) return kExitFailed;
    // As if the planner had changed something since opening: unchanged months are never copied.
    doc->Modified = true;
    const std::optional<platform::Profile> profile = PreferenceFile();
    const bool autoSave = !profile || persist::AutoSaveWanted(*profile);
    TickLog log;
    doc->RunLog = &log;
    bool failed = false;
    for (log.tick = 1; log.tick <= *ticks; ++log.tick) {
        const std::string at = "tick " + std::to_string(log.tick) + ": ";
        switch (persist::OnTimer(*doc, ctx.ui, autoSave)) {
            case persist::TimerTick::AutoSaveOff:
                std::cout << "AutoSave is off: no timed copies\n";
                doc->RunLog = nullptr;
                return kExitDone;
            case persist::TimerTick::Counting:
                break;
            case persist::TimerTick::NothingToCopy:
                std::cout << at << "no copy (the month is untitled, unchanged or not built)\n";
                break;
            case persist::TimerTick::NoExtension:
                std::cout << at << "no copy (the file name has no extension)\n";
                break;
            case persist::TimerTick::Copied:
                std::cout << at << "copied to " << persist::TimedCopyName(doc->CurrentFileName).string() << "\n";
                break;
            case persist::TimerTick::CopyFailed:
                std::cout << at << "copy failed\n";
                failed = true;
                break;
        }
    }
    doc->RunLog = nullptr;
    std::cout << "ticks to the next copy: " << static_cast<int>(doc->BackupCountdown) << "\n";
    return failed ? kExitFailed : kExitDone;
}

}  // namespace lw::cli
