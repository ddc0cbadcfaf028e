#include "persist/month_lock.h"

#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <sstream>

#include "platform/atomic_file.h"

namespace lw::persist {

std::string HostName() {
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    return host;
}

namespace {

std::string UserName() {
    if (const passwd* pw = ::getpwuid(::geteuid())) return pw->pw_name;
    return std::to_string(static_cast<long>(::geteuid()));
}

std::string Now() {
    const time_t now = ::time(nullptr);
    tm local{};
    ::localtime_r(&now, &local);
    char text[32];
    ::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

std::string LockText() {
    return "user=" + UserName() + "\nhost=" + HostName() + "\npid=" + std::to_string(static_cast<long>(::getpid())) +
           "\nsince=" + Now() + "\n";
}

LockHolder ParseHolder(const std::string& text) {
    LockHolder h;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        const size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        const std::string key = line.substr(0, eq), value = line.substr(eq + 1);
        if (key == "user") h.user = value;
        else if (key == "host") h.host = value;
        else if (key == "pid") h.pid = std::strtol(value.c_str(), nullptr, 10);
        else if (key == "since") h.since = value;
    }
    return h;
}

bool ReadLock(const std::filesystem::path& file, std::string& text) {
    return platform::ReadRegularFile(file, 4096, text) == platform::ReadStatus::Ok;
}

// Dead on this computer: the only holder whose end can be known for sure.
bool Stale(const LockHolder& h) {
    if (h.host != HostName() || h.pid <= 0) return false;
    if (h.pid == static_cast<long>(::getpid())) return true;  // this process's own, left by an earlier open
    return ::kill(static_cast<pid_t>(h.pid), 0) != 0 && errno == ESRCH;
}

// Removes the lock file only if it still holds what was read, with the folder held so that two
// planners taking over the same stale lock cannot remove each other's fresh one.
void RemoveIfUnchanged(const std::filesystem::path& file, const std::string& seen) {
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) ::flock(dir, LOCK_EX);
    std::string now;
    if (ReadLock(file, now) && now == seen) ::unlink(file.c_str());
    if (dir >= 0) ::close(dir);
}

}  // namespace

std::string DescribeHolder(const LockHolder& h) {
    std::string text = (h.user.empty() ? "another planner" : h.user) + " on " + (h.host.empty() ? "another computer" : h.host);
    if (h.pid > 0) text += " (process " + std::to_string(h.pid) + ")";
    if (!h.since.empty()) text += " since " + h.since;
    return text;
}

std::filesystem::path LockFileOf(const std::filesystem::path& month) { return platform::SideFileName(platform::RealTarget(month), ".lock"); }

bool MonthLock::ReadHolder(const std::filesystem::path& month, LockHolder& holder) {
    std::string text;
    if (!ReadLock(LockFileOf(month), text)) return false;
    holder = ParseHolder(text);
    return true;
}

MonthLock::Outcome MonthLock::Take(const std::filesystem::path& month, std::unique_ptr<MonthLock>& lock,
                                   LockHolder& holder, bool force) {
    const std::filesystem::path file = LockFileOf(month);
    const std::string mine = LockText();
    for (int attempt = 0; attempt < 50; ++attempt) {
        const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            const bool whole = ::write(fd, mine.data(), mine.size()) == static_cast<ssize_t>(mine.size());
            ::fsync(fd);
            ::close(fd);
            if (!whole) {
                ::unlink(file.c_str());
                return Outcome::NotPossible;
            }
            lock.reset(new MonthLock(file, mine));
            return Outcome::Taken;
        }
        if (errno != EEXIST) return Outcome::NotPossible;
        std::string seen;
        if (!ReadLock(file, seen)) continue;  // given up this moment: try again
        holder = ParseHolder(seen);
        if (holder.pid == 0 && holder.host.empty()) {
            // Made but not yet written by its taker, or left empty by a kill at that moment.
            struct stat st{};
            if (::stat(file.c_str(), &st) == 0 && ::time(nullptr) - st.st_mtime < 5) {
                const timespec pause{0, 20 * 1000 * 1000};
                ::nanosleep(&pause, nullptr);
                continue;
            }
        } else if (!force && !Stale(holder)) {
            return Outcome::HeldByOther;
        }
        RemoveIfUnchanged(file, seen);
    }
    return Outcome::HeldByOther;
}

MonthLock::~MonthLock() { RemoveIfUnchanged(file_, text_); }

}  // namespace lw::persist

namespace lw::persist {

std::string HeldByMessage(const std::filesystem::path& month, const LockHolder& holder) {
    return month.string() + " is open by " + DescribeHolder(holder) + ".";
}

std::string ChangedOnDiskMessage(const std::filesystem::path& month) {
    return month.string() + " was changed on disk by someone else since it was read. Saving now would lose those changes.";
}

}  // namespace lw::persist
