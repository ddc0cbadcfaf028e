// lwtool month and notes: the month's blocking rules and its shared notes, changed and kept in
// the month file as the desktop's Setup Month and notes editor keep them.
#include <gtest/gtest.h>

#include <filesystem>

#include "run_tool.h"

namespace {

using lw::test::RunTool;
using lw::test::TempFolder;

TEST(LwtoolMonth, SettingsAndNotesAreChangedAndKept) {
    TempFolder dir;
    const std::string sample = LW_SOURCE_DIR "/samples/capt-yyz-dh8-2027-03/capt-yyz-dh8-2027-03.lw2";
    const std::string out = (dir / "out.lw2").string();
    auto r = RunTool(dir, {"month", sample, "--avg", "78:00", "--days-off-reserve", "11", "--reduced-min", "40:15",
                           "-o", out});
    ASSERT_EQ(r.exit, 0) << r.err;
    EXPECT_EQ(r.out,
              "Avg: 78:00\nMax: 80:00\nMin: 75:00\nCheck Pilot Max Hours: 90:00\nDays Off Required Block Holder: 12\n"
              "Days Off Required Reserve: 11\nReduced Blocks Max: 45:00\nReduced Blocks Min: 40:15\n"
              "Reduced Blocks Min Days Off: 21\n");
    EXPECT_EQ(RunTool(dir, {"month", out}).out, r.out);
    EXPECT_EQ(RunTool(dir, {"month", out, "--max", "151:00"}).exit, 2);
    EXPECT_EQ(RunTool(dir, {"month", out, "--days-off-holder", "32"}).exit, 2);

    r = RunTool(dir, {"notes", out, "--set", "OPEN lines go last\nNo swaps on the 15th"});
    ASSERT_EQ(r.exit, 0) << r.err;
    EXPECT_EQ(RunTool(dir, {"notes", out}).out, "OPEN lines go last\nNo swaps on the 15th");
    // Only what the month keeps: the notes are cut at 31999 characters.
    lw::test::WriteBytes(dir / "long.txt", std::string(40000, 'n'));
    ASSERT_EQ(RunTool(dir, {"notes", out, "--from", (dir / "long.txt").string()}).exit, 0);
    EXPECT_EQ(RunTool(dir, {"notes", out}).out, std::string(31999, 'n'));
    EXPECT_EQ(RunTool(dir, {"notes", out, "--set", "a", "--from", "b"}).exit, 2);
}

}  // namespace
