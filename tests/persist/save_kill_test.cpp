// A save killed at any moment must leave the previous file or the new one, whole, never a mix
// or a stub: the old month is still there to open after a crash or power cut mid-save.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <vector>
#include <memory>
#include <random>
#include <string>

#include "fake_interaction.h"
#include "persist/file_set.h"
#include "persist/month_lock.h"
#include "persist/schedule_file.h"
#include "support/full_document.h"
#include "temp_folder.h"

namespace {

using lw::model::Document;
using lw::test::FakeInteraction;
using lw::test::ReadBytes;
using lw::test::TempFolder;

constexpr int32_t kToday = 2461000;

std::string SavedBytes(Document& doc, const std::filesystem::path& file) {
    FakeInteraction ui;
    EXPECT_TRUE(lw::persist::SaveSchedule(doc, ui, file, lw::model::kWorkingFile));
    return ReadBytes(file);
}

std::vector<std::string> Names(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Puts the old file back and starts a child saving the month over it.
pid_t StartSave(Document& doc, const std::filesystem::path& target, const std::string& oldBytes) {
    lw::test::WriteBytes(target, oldBytes);
    doc.Modified = true;
    const pid_t child = fork();
    if (child == 0) {
        FakeInteraction ui;
        _exit(lw::persist::SaveSchedule(doc, ui, target, lw::model::kWorkingFile) ? 0 : 1);
    }
    return child;
}

TEST(SaveKill, KilledSaveLeavesTheOldFileOrTheNewOneWhole) {
    TempFolder dir;
    const auto target = dir / "month.lw2";

    auto small = std::make_unique<Document>(kToday);
    lw::test::FillFullDocument(*small, 5, 12);
    const std::string oldBytes = SavedBytes(*small, dir / "old.lw2");

    auto big = std::make_unique<Document>(kToday);
    lw::test::FillFullDocument(*big, 999, 3000);
    const std::string newBytes = SavedBytes(*big, dir / "new.lw2");
    ASSERT_NE(oldBytes, newBytes);

    // Time the save as the killed children will run it: in a forked child, whose first writes
    // pay for copied pages and fresh memory, so it can take several times the parent's warm save.
    long saveMicros = 1000;
    for (int i = 0; i < 3; ++i) {
        const auto started = std::chrono::steady_clock::now();
        const pid_t child = StartSave(*big, target, oldBytes);
        ASSERT_GE(child, 0);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the save failed on its own";
        const auto took = std::chrono::steady_clock::now() - started;
        saveMicros = std::max<long>(
            saveMicros, static_cast<long>(std::chrono::duration_cast<std::chrono::microseconds>(took).count()));
    }

    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    // Kill anywhere from before the save starts to a little after it would have finished. The
    // machine's pace drifts (other jobs, the sanitizers), so the window follows what is seen: a
    // child that finished first shrinks it, a run of kills that all caught the old file widens it.
    long window = saveMicros * 6 / 5;
    int oldInARow = 0;

    int kills = 0, oldSeen = 0, newSeen = 0;
    for (int round = 0; round < 400 && (kills < 24 || oldSeen == 0 || newSeen == 0); ++round) {
        const pid_t child = StartSave(*big, target, oldBytes);
        ASSERT_GE(child, 0);
        const long micros = std::uniform_int_distribution<long>(0, window)(random);
        const timespec pause{micros / 1000000, (micros % 1000000) * 1000};
        nanosleep(&pause, nullptr);
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) {
            ++kills;
        } else {
            ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the save failed on its own";
            window = std::max<long>(1000, window * 7 / 8);
        }

        const std::string now = ReadBytes(target);
        ASSERT_TRUE(now == oldBytes || now == newBytes)
            << "round " << round << " after " << micros << " us: " << now.size() << " bytes, neither file";
        (now == oldBytes ? oldSeen : newSeen)++;
        oldInARow = now == oldBytes ? oldInARow + 1 : 0;
        if (oldInARow >= 6) {
            window = window * 3 / 2;
            oldInARow = 0;
        }
        // The bytes are the whole old or new file, so loading each once covers every round.
        if ((now == oldBytes && oldSeen == 1) || (now == newBytes && newSeen == 1)) {
            Document loaded(kToday);
            FakeInteraction ui;
            EXPECT_TRUE(lw::persist::LoadSchedule(loaded, ui, target)) << "round " << round;
        }
    }
    EXPECT_GE(kills, 20) << "the saves finished before they could be killed";
    // What the killed saves left behind goes with the next save.
    SavedBytes(*big, target);
    EXPECT_EQ(Names(dir.Path()), (std::vector<std::string>{"month.lw2", "new.lw2", "old.lw2"}));
    // Both outcomes must actually have been seen, or the moments were not spread over the save.
    EXPECT_GT(oldSeen, 0);
    EXPECT_GT(newSeen, 0);
}

// A file layer that ends the process just before its n-th operation, as a kill would.
class DyingAt : public lw::platform::FileOps {
public:
    explicit DyingAt(int n) : n_(n) {}
    int Create(const std::filesystem::path& f, unsigned m, int& h) override { Step(); return real_.Create(f, m, h); }
    int Write(int h, const char* d, size_t s, size_t& t) override { Step(); return real_.Write(h, d, s, t); }
    int Flush(int h) override { Step(); return real_.Flush(h); }
    int Sync(int h) override { Step(); return real_.Sync(h); }
    int Close(int h) override { Step(); return real_.Close(h); }
    int Rename(const std::filesystem::path& a, const std::filesystem::path& b) override { Step(); return real_.Rename(a, b); }
    int Remove(const std::filesystem::path& f) override { Step(); return real_.Remove(f); }
    int SyncFolder(const std::filesystem::path& f) override { Step(); return real_.SyncFolder(f); }

private:
    void Step() {
        if (++done_ == n_) _exit(9);
    }
    lw::platform::FileOps& real_ = lw::platform::RealFileOps();
    int n_, done_ = 0;
};

// The four published files (and so the CrewTrac pair, written the same way) killed before each
// step of their writing: once the next start has mended the folder, they are all last month's or
// all this month's, and nothing else is left in the folder.
TEST(SaveKill, KilledFileSetIsAllOldOrAllNewAfterTheNextStart) {
    TempFolder dir;
    const std::vector<std::string> names = {"may.htm", "may.csv", "may_Month_Layout.csv", "may CT Planned Absences.csv"};
    std::vector<lw::persist::SetFile> set;
    for (const std::string& name : names) set.push_back({dir / name, "new " + name + std::string(5000, 'n')});
    int oldSeen = 0, newSeen = 0;
    for (int n = 1; n < 200; ++n) {
        for (const std::string& name : names) lw::test::WriteBytes(dir / name, "old " + name);
        const pid_t child = fork();
        if (child == 0) {
            DyingAt ops(n);
            const auto result = lw::persist::WriteFileSet(set, ops);
            _exit(result.result == lw::platform::WriteResult::Ok ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        const bool finished = WEXITSTATUS(status) == 0;
        ASSERT_TRUE(finished || WEXITSTATUS(status) == 9) << "killed before step " << n;

        lw::persist::RepairFileSets(dir.Path());
        std::vector<std::string> expected = names;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(Names(dir.Path()), expected) << "killed before step " << n;
        const bool allNew = std::all_of(names.begin(), names.end(), [&](const std::string& name) {
            return ReadBytes(dir / name) == "new " + name + std::string(5000, 'n');
        });
        const bool allOld = std::all_of(names.begin(), names.end(),
                                        [&](const std::string& name) { return ReadBytes(dir / name) == "old " + name; });
        EXPECT_TRUE(allNew || allOld) << "killed before step " << n << ": a mix of old and new files";
        (allNew ? newSeen : oldSeen)++;
        if (finished) break;
    }
    // Kills before the journal is on disk keep the old set; later ones finish the new one.
    EXPECT_GT(oldSeen, 15);
    EXPECT_GT(newSeen, 4);
}

// A planner whose session is killed while holding a month does not lock it for ever.
TEST(SaveKill, KilledHoldersLockIsTakenOver) {
    TempFolder dir;
    const auto month = dir / "may.lw2";
    lw::test::WriteBytes(month, "month");
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    if (child == 0) {
        std::unique_ptr<lw::persist::MonthLock> lock;
        lw::persist::LockHolder holder;
        const char taken = lw::persist::MonthLock::Take(month, lock, holder) == lw::persist::MonthLock::Outcome::Taken ? 't' : 'f';
        (void)!write(ready[1], &taken, 1);
        pause();
        _exit(0);
    }
    char taken = 0;
    ASSERT_EQ(read(ready[0], &taken, 1), 1);
    ASSERT_EQ(taken, 't');
    std::unique_ptr<lw::persist::MonthLock> mine;
    lw::persist::LockHolder holder;
    EXPECT_EQ(lw::persist::MonthLock::Take(month, mine, holder), lw::persist::MonthLock::Outcome::HeldByOther);
    EXPECT_EQ(holder.pid, child);
    kill(child, SIGKILL);
    ASSERT_EQ(waitpid(child, nullptr, 0), child);
    EXPECT_EQ(lw::persist::MonthLock::Take(month, mine, holder), lw::persist::MonthLock::Outcome::Taken);
    close(ready[0]);
    close(ready[1]);
}

}  // namespace
