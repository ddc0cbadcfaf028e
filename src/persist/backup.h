#pragma once
// The two copies that protect a month built up over hours: the timed ".BAK" copy beside the
// working file every twentieth timer tick while there are unsaved changes, and the planner's
// backup to another place (a USB stick, a mounted share, the home folder). Both write the whole
// month through SaveSchedule, so a failed copy is reported and never leaves a partial file.
// The desktop program's timer and Backup dialog call these; lwtool runs them headless.
#include <filesystem>
#include <string>
#include <vector>

#include "model/document.h"
#include "platform/file_ops.h"
#include "platform/clock.h"
#include "platform/interaction.h"
#include "platform/profile.h"

namespace lw::persist {

inline constexpr int kBackupTicks = 20;  // 20 ticks of 30 seconds: ten minutes

// What one timer tick did.
enum class TimerTick {
    AutoSaveOff,    // the "AutoSave" setting is off: nothing, not even counting
    Counting,       // BackupCountdown went down and has not reached 0
    NothingToCopy,  // time for a copy, but the month is untitled, unchanged or not built
    NoExtension,    // the file name has no "." to put ".BAK" in place of
    Copied,         // the .BAK copy was written
    CopyFailed,     // writing the copy failed (the planner was told)
};

// The timed copy's name: the file name with everything from its last "." replaced by ".BAK"
// (May.lw2 becomes May.BAK). Only the name counts, not the folders above it. Empty when the name
// has no ".".
std::filesystem::path TimedCopyName(const std::filesystem::path& file);

// The 30-second timer. autoSave is the "AutoSave" setting (default 1). A copy leaves the
// document marked modified: the working file itself is still unsaved.
TimerTick OnTimer(model::Document& doc, platform::Interaction& ui, bool autoSave, platform::FileOps& ops = platform::RealFileOps());

// The "AutoSave" setting of section "LW" (default on).
bool AutoSaveWanted(const platform::Profile& profile);

// ---- the Backup command

// The folders the Backup dialog offers: the mounted removable volumes (mount points under
// /media, /run/media and /mnt, as mountsFile lists them, normally /proc/self/mounts) in the
// order mounted, then the home folder when there is one.
std::vector<std::filesystem::path> BackupFolders(const std::filesystem::path& mountsFile,
                                                 const std::filesystem::path& home);

// What the dialog shows when it opens: the folders offered, the one preselected (the one last
// used, "LastBackupFolder"; it is added at the end when it is no longer among the mounted ones
// but still exists; else the first) and the "New File on each backup" box ("LastBackupDateTimeOpt").
struct BackupDialogSetup {
    std::vector<std::filesystem::path> folders;
    int selected = 0;  // -1 when there is no folder to offer
    bool newFileEachBackup = false;
};
BackupDialogSetup PrepareBackupDialog(const platform::Profile& profile, std::vector<std::filesystem::path> offered);

// The backup's file name: "Backup ", with the box set the date and time as
// "Sept 7 2026 at 1430 ", then the working file's name without its folders.
std::string BackupFileName(const std::filesystem::path& workingFile, bool newFileEachBackup,
                           const platform::LocalDateTime& now);

struct BackupChoice {
    std::filesystem::path folder;
    bool newFileEachBackup = false;
};

// OK in the Backup dialog: writes the month (working-file kind) into the chosen folder, keeps the
// Modified mark as it was (the working file is not saved by a backup), remembers the choice and,
// when the copy was written, starts the reminder count again. An untitled month is refused with
// "Cannot Backup File. Select Save As from File Menu" ("File Not Named"); the caller offers
// Save As first. Returns the backup's path, empty when nothing was written.
std::filesystem::path BackupTo(model::Document& doc, platform::Interaction& ui, platform::Profile* profile,
                               const BackupChoice& choice, const platform::Clock& clock,
                               platform::FileOps& ops = platform::RealFileOps());

}  // namespace lw::persist
