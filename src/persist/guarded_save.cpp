#include "persist/guarded_save.h"

#include "persist/schedule_file.h"

namespace lw::persist {

GuardedSave SaveMonthGuarded(model::Document& doc, platform::Interaction& ui, const std::filesystem::path& target,
                             int kind, const platform::FileIdentity* readAs, const MonthLock* lock, bool force,
                             LockHolder& holder, platform::FileOps& ops) {
    std::unique_ptr<MonthLock> taken;
    if (!lock && MonthLock::Take(target, taken, holder, force) == MonthLock::Outcome::HeldByOther)
        return GuardedSave::HeldByOther;
    // Compared under the lock: no other planner's save can slip in between. A month deleted or
    // replaced by something that is no month is no colleague's work: the save itself reports it.
    std::error_code ec;
    if (readAs && std::filesystem::is_regular_file(target, ec) && !(platform::IdentityOf(target) == *readAs))
        return GuardedSave::ChangedOnDisk;
    return SaveSchedule(doc, ui, target, kind, ops) ? GuardedSave::Saved : GuardedSave::Failed;
}

}  // namespace lw::persist
