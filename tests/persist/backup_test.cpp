// The timed .BAK copy and the Backup command on real months and real folders.
#include "persist/backup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "fake_interaction.h"
#include "persist/schedule_file.h"
#include "recording_log.h"
#include "support/full_document.h"
#include "temp_folder.h"

namespace lw::persist {
namespace {

using test::FakeInteraction;
using test::ReadBytes;
using test::RecordingLog;
using test::TempFolder;
using Lines = std::vector<std::string>;

constexpr const char* kTrigger = "BackupTimerTrigger\n";
constexpr const char* kNoName = "Backup Timer Failed FileData FileName data missing\n";

class TimedCopy : public ::testing::Test {
protected:
    void SetUp() override {
        doc = std::make_unique<model::Document>(2461000);
        test::FillFullDocument(*doc, 2, 3);
        doc->CurrentFileName = (dir / "May.lw2").string();
        doc->BlocksBuilt = 1;
        doc->Modified = true;
        doc->RunLog = &log;
        test::WriteBytes(dir / "May.lw2", working);
    }
    // What each of n ticks did, as the tick numbers of everything but counting.
    std::vector<std::pair<int, TimerTick>> Ticks(int n, bool autoSave = true) {
        std::vector<std::pair<int, TimerTick>> seen;
        for (int i = 1; i <= n; ++i) {
            const TimerTick t = OnTimer(*doc, ui, autoSave);
            if (t != TimerTick::Counting) seen.emplace_back(i, t);
        }
        return seen;
    }
    std::vector<std::string> Folder() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dir.Path())) names.push_back(e.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }

    TempFolder dir;
    std::unique_ptr<model::Document> doc;
    FakeInteraction ui;
    RecordingLog log;
    const std::string working = "May as saved at nine";
};

TEST_F(TimedCopy, FirstCopyOnTheTwentiethTickThenEveryTwentieth) {
    using T = std::vector<std::pair<int, TimerTick>>;
    EXPECT_EQ(Ticks(19), T{});
    EXPECT_EQ(doc->BackupCountdown, 1);
    EXPECT_EQ(Folder(), (Lines{"May.lw2"}));
    EXPECT_EQ(Ticks(21), (T{{1, TimerTick::Copied}, {21, TimerTick::Copied}}));
    EXPECT_EQ(ReadBytes(dir / "May.BAK"), EncodeSchedule(*doc, model::kWorkingFile));
    EXPECT_EQ(ReadBytes(dir / "May.lw2"), working);
    EXPECT_TRUE(doc->Modified);
    EXPECT_EQ(Folder(), (Lines{"May.BAK", "May.lw2"}));
    EXPECT_EQ(log.Text(), std::string(kTrigger) + "SaveBlksBegin\nSaveBlksEnd\nBackupTimerFinish\n" + kTrigger +
                              "SaveBlksBegin\nSaveBlksEnd\nBackupTimerFinish\n");
    EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(TimedCopy, UntitledUnchangedOrUnbuiltMonthsAreNeverCopied) {
    using T = std::vector<std::pair<int, TimerTick>>;
    const T every20 = {{20, TimerTick::NothingToCopy}, {40, TimerTick::NothingToCopy}, {60, TimerTick::NothingToCopy}};
    doc->CurrentFileName.clear();
    EXPECT_EQ(Ticks(60), every20);
    doc->CurrentFileName = (dir / "May.lw2").string();
    doc->BlocksBuilt = 0;
    EXPECT_EQ(Ticks(60), every20);
    doc->BlocksBuilt = 1;
    doc->Modified = false;
    EXPECT_EQ(Ticks(60), every20);
    EXPECT_EQ(log.lines, Lines{});
    EXPECT_EQ(Folder(), (Lines{"May.lw2"}));
}

TEST_F(TimedCopy, AutoSaveOffStopsEvenTheCount) {
    using T = std::vector<std::pair<int, TimerTick>>;
    T off;
    for (int i = 1; i <= 25; ++i) off.emplace_back(i, TimerTick::AutoSaveOff);
    EXPECT_EQ(Ticks(25, false), off);
    EXPECT_EQ(doc->BackupCountdown, 20);
    EXPECT_EQ(Folder(), (Lines{"May.lw2"}));
}

TEST_F(TimedCopy, NameWithoutExtensionLogsTheFailureOnEachAttempt) {
    using T = std::vector<std::pair<int, TimerTick>>;
    // The dot in the folder name is not the file's extension.
    std::filesystem::create_directory(dir / "j.smith");
    doc->CurrentFileName = (dir / "j.smith" / "May").string();
    EXPECT_EQ(Ticks(40), (T{{20, TimerTick::NoExtension}, {40, TimerTick::NoExtension}}));
    EXPECT_EQ(log.Text(), std::string(kTrigger) + kNoName + kTrigger + kNoName);
    EXPECT_TRUE(std::filesystem::is_empty(dir / "j.smith"));
    EXPECT_EQ(Folder(), (Lines{"May.lw2", "j.smith"}));
    EXPECT_EQ(doc->BackupCountdown, 20);
}

TEST_F(TimedCopy, CountAlreadySpentStillComesRoundToACopy) {
    doc->BackupCountdown = 0;
    EXPECT_EQ(OnTimer(*doc, ui, true), TimerTick::Copied);
    doc->BackupCountdown = -5;
    EXPECT_EQ(OnTimer(*doc, ui, true), TimerTick::Copied);
    EXPECT_EQ(doc->BackupCountdown, 20);
}

TEST(TimedCopyName, ReplacesTheFileNamesLastExtension) {
    EXPECT_EQ(TimedCopyName("May.lw2"), "May.BAK");
    EXPECT_EQ(TimedCopyName("/home/ann/2027/May.v2.lw2"), "/home/ann/2027/May.v2.BAK");
    EXPECT_EQ(TimedCopyName("/home/ann/May."), "/home/ann/May.BAK");
    EXPECT_EQ(TimedCopyName("/home/j.smith/May"), "");
    EXPECT_EQ(TimedCopyName(""), "");
}

TEST(BackupName, PlainAndDatedForEveryMonth) {
    EXPECT_EQ(BackupFileName("/home/ann/May.lw2", false, {7, 9, 2026, 14, 30, 0}), "Backup May.lw2");
    const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sept", "Oct", "Nov", "Dec"};
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(BackupFileName("/home/ann/May.lw2", true, {7, m, 2026, 9, 5, 59}),
                  std::string("Backup ") + months[m - 1] + " 7 2026 at 0905 May.lw2");
    EXPECT_EQ(BackupFileName("May.lw2", true, {31, 12, 2026, 23, 59, 0}), "Backup Dec 31 2026 at 2359 May.lw2");
}

class BackupCommand : public ::testing::Test {
protected:
    void SetUp() override {
        doc = std::make_unique<model::Document>(2461000);
        test::FillFullDocument(*doc, 2, 3);
        doc->CurrentFileName = (dir / "May.lw2").string();
        doc->AssignsSinceBackup = 55;
    }
    TempFolder dir, stick, config;
    std::unique_ptr<model::Document> doc;
    FakeInteraction ui;
    const platform::FixedClock clock{{7, 9, 2026, 14, 30, 5}};
};

TEST_F(BackupCommand, WritesTheMonthKeepsTheMarkAndRemembersTheChoice) {
    platform::Profile profile(config / "lwright.ini");
    for (const bool modified : {true, false}) {
        doc->Modified = modified;
        doc->AssignsSinceBackup = 55;
        const auto written = BackupTo(*doc, ui, &profile, {stick.Path(), modified}, clock);
        const auto expected = stick / (modified ? "Backup Sept 7 2026 at 1430 May.lw2" : "Backup May.lw2");
        EXPECT_EQ(written, expected);
        EXPECT_EQ(ReadBytes(expected), EncodeSchedule(*doc, model::kWorkingFile));
        EXPECT_EQ(doc->Modified, modified);
        EXPECT_EQ(doc->AssignsSinceBackup, 0);
    }
    EXPECT_EQ(ReadBytes(config / "lwright.ini"),
              "[LW]\nLastBackupFolder=" + stick.Path().string() + "\nLastBackupDateTimeOpt=0\n");
    EXPECT_TRUE(ui.Messages().empty());
    EXPECT_FALSE(std::filesystem::exists(dir / "May.lw2")) << "the working file is not written by a backup";
}

TEST_F(BackupCommand, UntitledMonthIsRefused) {
    doc->CurrentFileName.clear();
    doc->Modified = true;
    platform::Profile profile(config / "lwright.ini");
    EXPECT_EQ(BackupTo(*doc, ui, &profile, {stick.Path(), true}, clock), "");
    EXPECT_EQ(ui.Messages(),
              (std::vector<FakeInteraction::Call>{
                  {"Message", "File Not Named", "Cannot Backup File. Select Save As from File Menu"}}));
    EXPECT_TRUE(std::filesystem::is_empty(stick.Path()));
    EXPECT_FALSE(std::filesystem::exists(config / "lwright.ini"));
    EXPECT_EQ(doc->AssignsSinceBackup, 55);
}

TEST(BackupFolders, MountedVolumesFirstThenHome) {
    TempFolder dir;
    test::WriteBytes(dir / "mounts",
                     "/dev/sda1 / ext4 rw,relatime 0 0\n"
                     "proc /proc proc rw 0 0\n"
                     "/dev/sdb1 /media/ann/USB\\040STICK vfat rw,nosuid 0 0\n"
                     "/dev/sdc1 /run/media/ann/KEY exfat rw 0 0\n"
                     "server:/crew /mnt/share nfs rw 0 0\n"
                     "/dev/sdd1 /mnt vfat rw 0 0\n"
                     "/dev/sde1 /mediaeval ext4 rw 0 0\n"
                     "/dev/sdb1 /media/ann/USB\\040STICK vfat rw,nosuid 0 0\n"
                     "/dev/sdf1 /home/ann/mnt ext4 rw 0 0\n"
                     "broken-line\n");
    using Paths = std::vector<std::filesystem::path>;
    EXPECT_EQ(BackupFolders(dir / "mounts", "/home/ann"),
              (Paths{"/media/ann/USB STICK", "/run/media/ann/KEY", "/mnt/share", "/mnt", "/home/ann"}));
    EXPECT_EQ(BackupFolders(dir / "no such file", "/home/ann"), Paths{"/home/ann"});
    EXPECT_EQ(BackupFolders(dir / "no such file", ""), Paths{});
}

TEST(BackupFolders, DialogPreselectsTheLastFolderUsed) {
    TempFolder dir, config;
    using Paths = std::vector<std::filesystem::path>;
    const Paths offered = {"/media/ann/KEY", "/home/ann"};
    platform::Profile profile(config / "lwright.ini");
    BackupDialogSetup s = PrepareBackupDialog(profile, offered);
    EXPECT_EQ(s.folders, offered);
    EXPECT_EQ(s.selected, 0);
    EXPECT_FALSE(s.newFileEachBackup);

    ASSERT_TRUE(profile.WriteString("LW", "LastBackupFolder", "/home/ann"));
    ASSERT_TRUE(profile.WriteString("LW", "LastBackupDateTimeOpt", "1"));
    s = PrepareBackupDialog(profile, offered);
    EXPECT_EQ(s.folders, offered);
    EXPECT_EQ(s.selected, 1);
    EXPECT_TRUE(s.newFileEachBackup);

    // A folder chosen by hand last time is offered again while it exists.
    ASSERT_TRUE(profile.WriteString("LW", "LastBackupFolder", dir.Path().string()));
    s = PrepareBackupDialog(profile, offered);
    EXPECT_EQ(s.folders, (Paths{"/media/ann/KEY", "/home/ann", dir.Path()}));
    EXPECT_EQ(s.selected, 2);

    ASSERT_TRUE(profile.WriteString("LW", "LastBackupFolder", (dir / "gone").string()));
    s = PrepareBackupDialog(profile, offered);
    EXPECT_EQ(s.folders, offered);
    EXPECT_EQ(s.selected, 0);
    EXPECT_EQ(PrepareBackupDialog(profile, {}).selected, -1);
}

}  // namespace
}  // namespace lw::persist
