#include "persist/run_log.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <system_error>

#include "base/time_text.h"
#include "platform/atomic_file.h"

namespace lw::persist {

namespace {

namespace fs = std::filesystem;

constexpr const char* kLogName = "LWDebug.txt";

// A name for the previous log that nothing in the folder has yet. Two abnormal ends in the same
// minute would give the same dated name; the earlier log must not be overwritten, so the later
// one gets " (2)", " (3)"... before ".txt". Empty when no such name is found.
fs::path FreeDatedName(const fs::path& folder, const platform::LocalDateTime& now) {
    char stem[96];
    std::snprintf(stem, sizeof stem, "LWDebug %d %s %d at %02d%02d", now.day, base::MonthLabel(now.month).c_str(),
                  now.year, now.hour, now.minute);
    for (int n = 1; n <= 1000; ++n) {
        const std::string suffix = n == 1 ? std::string(".txt") : " (" + std::to_string(n) + ").txt";
        const fs::path candidate = folder / (stem + suffix);
        std::error_code ec;
        if (!fs::exists(fs::symlink_status(candidate, ec))) return candidate;
    }
    return {};
}

}  // namespace

RunLog::~RunLog() { Close(); }

fs::path RunLog::DefaultFolder(const platform::EnvironmentLookup& env) {
    const fs::path base = platform::XdgBaseFolder(env, "XDG_STATE_HOME", ".local/state");
    if (base.empty()) return {};
    return base / "linewright";
}

bool RunLog::Wanted(const platform::Profile& profile) { return profile.GetInt("LW", "DebugFile", 0) == 1; }

bool RunLog::Start(const fs::path& folder, platform::Interaction& ui, const platform::Clock& clock) {
    if (IsOpen()) return true;
    if (folder.empty()) return false;
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) return false;

    const fs::path logFile = folder / kLogName;
    std::string previous;
    // A normal end is the log's last line: its tail is enough, however long the run was.
    if (platform::ReadFileTail(logFile, 64 * 1024, previous) == platform::ReadStatus::Ok && previous.size() > 1 &&
        previous.find("Termination") == std::string::npos) {
        const fs::path kept = FreeDatedName(folder, clock.Now());
        // When the old log cannot be moved aside, leave it be and run without a log rather than
        // truncate the only record of what went wrong.
        if (kept.empty()) return false;
        fs::rename(logFile, kept, ec);
        if (ec) return false;
        ui.Message("Linewright did not shut down normally. A file named " + kept.string() +
                       " contains a log of the last program run. Linewright will now continue",
                   "Linewright", platform::Icon::Stop);
    }

    fd_ = ::open(logFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_APPEND | O_CLOEXEC, 0644);
    return IsOpen();
}

bool RunLog::StartIfWanted(const platform::Profile& profile, const fs::path& folder, platform::Interaction& ui,
                           const platform::Clock& clock) {
    return Wanted(profile) && Start(folder, ui, clock);
}

void RunLog::Write(std::string_view line) {
    // Straight to the file without a user-space buffer: what was written is in the file even when
    // the program is killed on the next line. (No fsync per line: tracing a whole-airline pairing
    // load writes thousands of lines.)
    size_t done = 0;
    while (IsOpen() && done < line.size()) {
        const ssize_t n = ::write(fd_, line.data() + done, line.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;  // a full disk costs the rest of this line, not the run
        done += static_cast<size_t>(n);
    }
}

void RunLog::End() {
    if (!IsOpen()) return;
    Write("Linewright Termination Normal\n");
    ::fsync(fd_);
    Close();
}

void RunLog::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

}  // namespace lw::persist
