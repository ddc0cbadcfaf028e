#pragma once
// The lock beside an open month on a shared folder: who holds it (user, computer, process,
// since when). It is made exclusively, so two planners can never both believe they hold a month;
// the lock of a process that has died on this computer is stale and taken over.
#include <filesystem>
#include <memory>
#include <string>

namespace lw::persist {

// This computer's name, as locks and session records name it.
std::string HostName();

struct LockHolder {
    std::string user, host, since;
    long pid = 0;
};

// "jsmith on ops-pc-4 (process 4711) since 2026-12-08 17:40"
std::string DescribeHolder(const LockHolder& holder);

// The lock file of a month (beside the real file when the month is a symlink).
std::filesystem::path LockFileOf(const std::filesystem::path& month);

class MonthLock {
public:
    enum class Outcome {
        Taken,
        HeldByOther,  // a live holder (or one on another computer): holder says who
        NotPossible,  // no lock can be made there (a read-only folder): nobody can save there either
    };
    // Takes the month's lock. force takes it even from a live holder (the planner said so).
    static Outcome Take(const std::filesystem::path& month, std::unique_ptr<MonthLock>& lock, LockHolder& holder,
                        bool force = false);
    // Who holds the month's lock now, if anyone.
    static bool ReadHolder(const std::filesystem::path& month, LockHolder& holder);

    // Gives the lock up, unless someone has since taken it over.
    ~MonthLock();
    MonthLock(const MonthLock&) = delete;
    MonthLock& operator=(const MonthLock&) = delete;

    const std::filesystem::path& File() const { return file_; }

private:
    MonthLock(std::filesystem::path file, std::string text) : file_(std::move(file)), text_(std::move(text)) {}
    std::filesystem::path file_;
    std::string text_;
};

}  // namespace lw::persist

namespace lw::persist {

// What the planner is told when another planner holds the month.
std::string HeldByMessage(const std::filesystem::path& month, const LockHolder& holder);
// What the planner is told when the month on disk is no longer the one read.
std::string ChangedOnDiskMessage(const std::filesystem::path& month);

}  // namespace lw::persist
