#pragma once
// Which month is open, kept on disk while the program runs, so that the next start knows when a
// run ended abnormally (a crash, a kill, a power cut) whatever the run log setting, and which
// month's timed copy may hold the work of that run.
#include <filesystem>
#include <optional>

namespace lw::persist {

class SessionRecord {
public:
    // folder: the program's state folder (the run log's folder).
    explicit SessionRecord(std::filesystem::path folder);
    // A normal end: the record is removed.
    ~SessionRecord();
    SessionRecord(const SessionRecord&) = delete;
    SessionRecord& operator=(const SessionRecord&) = delete;

    // The month open when an earlier run ended without closing its record (its process gone).
    // The record is taken over by this run. An empty path: that run had no month open.
    std::optional<std::filesystem::path> AbnormalEnd();
    // The month now open; empty when none is.
    void MonthOpen(const std::filesystem::path& month);

private:
    std::filesystem::path file_;
};

// The month's timed copy (May.lw2 -> May.BAK) when it is newer than the month itself, else empty.
std::filesystem::path NewerTimedCopy(const std::filesystem::path& month);

}  // namespace lw::persist
