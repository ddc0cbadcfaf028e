#pragma once
// Saving a month that other planners may also have open: under the month's lock, and never over
// a file that changed on disk since it was read.
#include <filesystem>

#include "model/document.h"
#include "platform/atomic_file.h"
#include "platform/file_ops.h"
#include "persist/month_lock.h"

namespace lw::platform { class Interaction; }

namespace lw::persist {

enum class GuardedSave {
    Saved,
    HeldByOther,    // another planner holds the lock: nothing written (holder says who)
    ChangedOnDisk,  // the file is no longer the one read: nothing written
    Failed,         // the save itself failed; the planner was told why
};

// Saves doc to target with the target's lock held for the save. readAs: what was read from
// target when the month came from it (null for a month new to that name). lock: a lock the
// caller already holds on target (the desktop holds one while the month is open), else null.
GuardedSave SaveMonthGuarded(model::Document& doc, platform::Interaction& ui, const std::filesystem::path& target,
                             int kind, const platform::FileIdentity* readAs, const MonthLock* lock, bool force,
                             LockHolder& holder, platform::FileOps& ops = platform::RealFileOps());

}  // namespace lw::persist
