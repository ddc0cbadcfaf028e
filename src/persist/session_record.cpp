#include "persist/session_record.h"

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "platform/atomic_file.h"
#include "persist/backup.h"
#include "persist/month_lock.h"

namespace lw::persist {

SessionRecord::SessionRecord(std::filesystem::path folder) {
    if (folder.empty()) return;
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    // One record per computer: a home folder shared between computers holds one for each.
    file_ = folder / ("session-" + HostName());
}

SessionRecord::~SessionRecord() {
    if (!file_.empty()) ::unlink(file_.c_str());
}

std::optional<std::filesystem::path> SessionRecord::AbnormalEnd() {
    std::string text;
    if (file_.empty() || platform::ReadRegularFile(file_, 64 * 1024, text) != platform::ReadStatus::Ok) return std::nullopt;
    const size_t newline = text.find('\n');
    if (newline == std::string::npos) return std::nullopt;
    const long pid = std::strtol(text.c_str(), nullptr, 10);
    // Still running: another window of the program on this computer, not an abnormal end.
    if (pid > 0 && pid != static_cast<long>(::getpid()) && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM))
        return std::nullopt;
    std::string month = text.substr(newline + 1);
    if (!month.empty() && month.back() == '\n') month.pop_back();
    MonthOpen({});
    return std::filesystem::path(month);
}

void SessionRecord::MonthOpen(const std::filesystem::path& month) {
    if (file_.empty()) return;
    std::error_code ec;
    const std::filesystem::path full = month.empty() ? month : std::filesystem::absolute(month, ec);
    platform::WriteFileAtomically(file_, std::to_string(static_cast<long>(::getpid())) + "\n" + full.string() + "\n");
}

std::filesystem::path NewerTimedCopy(const std::filesystem::path& month) {
    const std::filesystem::path copy = TimedCopyName(month);
    if (copy.empty()) return {};
    struct stat m{}, c{};
    if (::stat(copy.c_str(), &c) != 0 || !S_ISREG(c.st_mode)) return {};
    if (::stat(month.c_str(), &m) != 0) return copy;
    const auto ns = [](const struct stat& s) { return s.st_mtim.tv_sec * 1000000000LL + s.st_mtim.tv_nsec; };
    return ns(c) > ns(m) ? copy : std::filesystem::path();
}

}  // namespace lw::persist
