#include "persist/backup.h"

#include <algorithm>
#include <sstream>

#include "base/text.h"
#include "base/time_text.h"
#include "platform/atomic_file.h"
#include "persist/schedule_file.h"

namespace lw::persist {

std::filesystem::path TimedCopyName(const std::filesystem::path& file) {
    const std::string name = file.filename().string();
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos) return {};
    return file.parent_path() / (name.substr(0, dot) + ".BAK");
}

TimerTick OnTimer(model::Document& doc, platform::Interaction& ui, bool autoSave, platform::FileOps& ops) {
    if (!autoSave) return TimerTick::AutoSaveOff;
    // A count that is somehow already at or below zero still comes round to a copy.
    if (doc.BackupCountdown > 1) {
        --doc.BackupCountdown;
        return TimerTick::Counting;
    }
    doc.BackupCountdown = kBackupTicks;
    if (doc.CurrentFileName.empty() || !doc.Modified || !doc.BlocksBuilt) return TimerTick::NothingToCopy;

    doc.Log("BackupTimerTrigger\n");
    const std::filesystem::path copy = TimedCopyName(doc.CurrentFileName);
    if (copy.empty()) {
        doc.Log("Backup Timer Failed FileData FileName data missing\n");
        return TimerTick::NoExtension;
    }
    const bool written = SaveSchedule(doc, ui, copy, model::kWorkingFile, ops, doc.CurrentFileName);
    doc.Modified = true;  // the working file itself is still unsaved
    if (!written) return TimerTick::CopyFailed;
    doc.Log("BackupTimerFinish\n");
    return TimerTick::Copied;
}

bool AutoSaveWanted(const platform::Profile& profile) { return profile.GetInt("LW", "AutoSave", 1) != 0; }

namespace {

// Mount points in the mounts file write a space as "\040" (and tab, newline, backslash alike).
std::string UnescapeMountPoint(const std::string& field) {
    auto octal = [](char c) { return c >= '0' && c <= '7'; };
    std::string out;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && octal(field[i + 1]) && octal(field[i + 2]) &&
            octal(field[i + 3])) {
            out += static_cast<char>(((field[i + 1] - '0') << 6) | ((field[i + 2] - '0') << 3) | (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

bool UnderRemovableRoot(const std::string& mountPoint) {
    for (const std::string_view root : {"/media", "/run/media", "/mnt"}) {
        if (mountPoint.size() > root.size() && mountPoint.compare(0, root.size(), root) == 0 &&
            mountPoint[root.size()] == '/')
            return true;
        if (mountPoint == root) return true;
    }
    return false;
}

}  // namespace

std::vector<std::filesystem::path> BackupFolders(const std::filesystem::path& mountsFile,
                                                 const std::filesystem::path& home) {
    std::vector<std::filesystem::path> folders;
    auto add = [&](const std::filesystem::path& folder) {
        if (std::find(folders.begin(), folders.end(), folder) == folders.end()) folders.push_back(folder);
    };
    std::string mounts;
    if (platform::ReadWholeFile(mountsFile, mounts)) {
        std::istringstream lines(mounts);
        std::string line;
        while (std::getline(lines, line)) {
            std::istringstream fields(line);
            std::string device, mountPoint;
            if (!(fields >> device >> mountPoint)) continue;
            mountPoint = UnescapeMountPoint(mountPoint);
            if (UnderRemovableRoot(mountPoint)) add(mountPoint);
        }
    }
    if (!home.empty()) add(home);
    return folders;
}

BackupDialogSetup PrepareBackupDialog(const platform::Profile& profile, std::vector<std::filesystem::path> offered) {
    BackupDialogSetup setup;
    setup.folders = std::move(offered);
    setup.newFileEachBackup = profile.GetInt("LW", "LastBackupDateTimeOpt", 0) != 0;
    const std::filesystem::path last = profile.GetString("LW", "LastBackupFolder", "");
    const auto found = std::find(setup.folders.begin(), setup.folders.end(), last);
    if (!last.empty() && found != setup.folders.end()) {
        setup.selected = static_cast<int>(found - setup.folders.begin());
    } else if (std::error_code ec; !last.empty() && std::filesystem::is_directory(last, ec)) {
        setup.folders.push_back(last);
        setup.selected = static_cast<int>(setup.folders.size()) - 1;
    } else {
        setup.selected = setup.folders.empty() ? -1 : 0;
    }
    return setup;
}

std::string BackupFileName(const std::filesystem::path& workingFile, bool newFileEachBackup,
                           const platform::LocalDateTime& now) {
    std::string name = "Backup ";
    if (newFileEachBackup) {
        // "Sept" is the one month of four letters.
        const std::string month = base::MonthName(now.month).substr(0, now.month == 9 ? 4 : 3);
        name += month + base::PrintfString(" %d %d at %02d%02d ", now.day, now.year, now.hour, now.minute);
    }
    return name + workingFile.filename().string();
}

std::filesystem::path BackupTo(model::Document& doc, platform::Interaction& ui, platform::Profile* profile,
                               const BackupChoice& choice, const platform::Clock& clock, platform::FileOps& ops) {
    if (doc.CurrentFileName.empty()) {
        ui.Message("Cannot Backup File. Select Save As from File Menu", "File Not Named", platform::Icon::Stop);
        return {};
    }
    // The choice is remembered even when the copy fails: the planner picked that place.
    if (profile) {
        profile->WriteString("LW", "LastBackupFolder", choice.folder.string());
        profile->WriteString("LW", "LastBackupDateTimeOpt", choice.newFileEachBackup ? "1" : "0");
    }
    const std::filesystem::path target =
        choice.folder / BackupFileName(doc.CurrentFileName, choice.newFileEachBackup, clock.Now());
    const bool wasModified = doc.Modified;
    const bool written = SaveSchedule(doc, ui, target, model::kWorkingFile, ops, doc.CurrentFileName);
    doc.Modified = wasModified;
    if (!written) return {};
    doc.AssignsSinceBackup = 0;
    return target;
}

}  // namespace lw::persist
