// After a killed session the month and its newer timed copy are offered; files that are not
// what they claim (FIFOs, devices, huge files, months with impossible day values) are refused
// without hanging or reading them whole.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <memory>

#include "fake_interaction.h"
#include "import/roster_extract.h"
#include "persist/run_log.h"
#include "persist/schedule_file.h"
#include "persist/session_record.h"
#include "support/full_document.h"
#include "temp_folder.h"

namespace lw::test {
namespace {

constexpr int32_t kToday = 2461000;
using Calls = std::vector<FakeInteraction::Call>;

// Runs fn in a child that may take at most five seconds: a reader that blocks fails the test
// instead of hanging the suite. fn's result is the child's exit code.
int WithinFiveSeconds(const std::function<int()>& fn) {
    const pid_t child = fork();
    if (child == 0) {
        alarm(5);
        _exit(fn());
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

void SetTime(const std::filesystem::path& file, time_t when) {
    const timespec times[2] = {{when, 0}, {when, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
}

TEST(Recovery, AKilledSessionNamesItsMonthAndANewerCopyIsFound) {
    TempFolder state, work;
    const auto month = work / "may.lw2";
    WriteBytes(month, "month");
    const pid_t child = fork();
    if (child == 0) {
        persist::SessionRecord* record = new persist::SessionRecord(state.Path());
        record->MonthOpen(month);
        _exit(0);  // killed: the record is never closed
    }
    ASSERT_EQ(waitpid(child, nullptr, 0), child);
    {
        persist::SessionRecord next(state.Path());
        EXPECT_EQ(next.AbnormalEnd(), std::optional<std::filesystem::path>(month));
        EXPECT_EQ(next.AbnormalEnd(), std::optional<std::filesystem::path>(std::filesystem::path()));
        next.MonthOpen(month);
    }
    persist::SessionRecord afterNormalEnd(state.Path());
    EXPECT_EQ(afterNormalEnd.AbnormalEnd(), std::nullopt);

    EXPECT_EQ(persist::NewerTimedCopy(month), std::filesystem::path());
    WriteBytes(work / "may.BAK", "copy");
    SetTime(month, 1700000000);
    SetTime(work / "may.BAK", 1700000600);
    EXPECT_EQ(persist::NewerTimedCopy(month), work / "may.BAK");
    SetTime(month, 1700001200);
    EXPECT_EQ(persist::NewerTimedCopy(month), std::filesystem::path());
}

TEST(ReadBounds, FifosDevicesAndHugeFilesAreRefusedWithoutReading) {
    TempFolder dir;
    ASSERT_EQ(mkfifo((dir / "pipe.lw2").c_str(), 0600), 0);
    const auto refused = [&](const std::filesystem::path& file, const Calls& expected) {
        return WithinFiveSeconds([&] {
            model::Document doc(kToday);
            FakeInteraction ui;
            return !persist::LoadSchedule(doc, ui, file) && ui.Messages() == expected ? 0 : 1;
        });
    };
    EXPECT_EQ(refused(dir / "pipe.lw2", {{"Message", "Linewright - Cannot Open File", (dir / "pipe.lw2").string()}}), 0);
    EXPECT_EQ(refused("/dev/zero", {{"Message", "Linewright - Cannot Open File", "/dev/zero"}}), 0);

    // Two gigabytes that are no month; and a month's header on a file no month can be.
    const auto huge = dir / "huge.lw2";
    WriteBytes(huge, "not a month");
    ASSERT_EQ(truncate(huge.c_str(), off_t{2} << 30), 0);
    EXPECT_EQ(refused(huge, {{"Message", "This is Not a Valid Linewright 2 File.", huge.string()}}), 0);
    model::Document doc(kToday);
    FillFullDocument(doc, 2, 2);
    const auto big = dir / "big.lw2";
    WriteBytes(big, persist::EncodeSchedule(doc, model::kWorkingFile));
    ASSERT_EQ(truncate(big.c_str(), off_t{1} << 30), 0);
    EXPECT_EQ(refused(big, {{"Message", "File Error", big.string() + " is larger than any month can be and was not opened."}}),
              0);

    // The extract readers take regular files only.
    EXPECT_EQ(WithinFiveSeconds([&] {
                  model::Document month(kToday);
                  month.GroupCode = "YYZDH8CAZ";
                  FakeInteraction ui;
                  const bool loaded = import::LoadRosterExtract(month, ui, dir / "pipe.lw2");
                  return !loaded && ui.Messages() == Calls{{"Message", "Unable to Open File", (dir / "pipe.lw2").string()}}
                             ? 0
                             : 1;
              }),
              0);
}

// A run log of a long run is judged by its end: a log of 1.5 GB that ended normally is no
// abnormal end and the program starts.
TEST(ReadBounds, AHugeRunLogIsReadFromItsEnd) {
    TempFolder state;
    const auto log = state / "LWDebug.txt";
    WriteBytes(log, "LoadBlksBegin\n");
    ASSERT_EQ(truncate(log.c_str(), (off_t{3} << 29)), 0);
    {
        std::FILE* f = std::fopen(log.c_str(), "ab");
        ASSERT_NE(f, nullptr);
        std::fputs("Linewright Termination Normal\n", f);
        std::fclose(f);
    }
    FakeInteraction ui;
    persist::RunLog run;
    const platform::FixedClock clock({7, 12, 2026, 1, 35, 12});
    EXPECT_TRUE(run.Start(state.Path(), ui, clock));
    EXPECT_TRUE(ui.Messages().empty());
    run.End();
    EXPECT_EQ(ReadBytes(log), "Linewright Termination Normal\n");
}

// Day values no month can hold are refused on load, before any check adds them up.
TEST(ReadBounds, ImpossibleDayValuesAreRefused) {
    TempFolder dir;
    for (int which = 0; which < 3; ++which) {
        model::Document doc(kToday);
        FillFullDocument(doc, 2, 2);
        std::string where;
        if (which == 0) {
            doc.Crew[1].DayActivity[5][1] = 0x7fffffff;
            where = "crew row 2 holds a day value beyond any month";
        } else if (which == 1) {
            doc.Crew[0].PrevDayData[3][0] = -0x7fffffff;
            where = "crew row 1 holds a day value beyond any month";
        } else {
            doc.Pairings[1].DailyDuty[2] = 0x7fffffff;
            where = "pairing " + std::to_string(doc.Pairings[1].PairNumber) + " holds a time beyond any month";
        }
        const auto file = dir / ("bad" + std::to_string(which) + ".lw2");
        WriteBytes(file, persist::EncodeSchedule(doc, model::kWorkingFile));
        model::Document loaded(kToday);
        FakeInteraction ui;
        EXPECT_FALSE(persist::LoadSchedule(loaded, ui, file));
        EXPECT_EQ(ui.Messages(), (Calls{{"Message", "File Error",
                                         file.string() + " is damaged and was not opened: " + where +
                                             ". Consider loading the Backup File."}}));
    }
}

}  // namespace
}  // namespace lw::test
