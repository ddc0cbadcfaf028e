// A save killed at any moment must leave the previous file or the new one, whole, never a mix
// or a stub: the old month is still there to open after a crash or power cut mid-save.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <random>
#include <string>

#include "fake_interaction.h"
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
    // Both outcomes must actually have been seen, or the moments were not spread over the save.
    EXPECT_GT(oldSeen, 0);
    EXPECT_GT(newSeen, 0);
}

}  // namespace
