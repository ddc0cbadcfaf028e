// lwtool build, select-pairing and whos-legal end to end on the bundled captains month, with
// the pilots' bids imported and their filters set from them.
#include <gtest/gtest.h>

#include <filesystem>

#include "fake_interaction.h"
#include "persist/schedule_file.h"
#include "run_tool.h"

namespace {

namespace fs = std::filesystem;
using lw::test::RunTool;

class LwToolBuild : public ::testing::Test {
protected:
    void SetUp() override {
        fs::copy_file(Sample() / "capt-yyz-dh8-2027-03.lw2", dir / "mar.lw2");
        lw::test::WriteBytes(dir / "lwright.ini", "");
        setenv("LWRIGHT_INI", (dir / "lwright.ini").c_str(), 1);
    }
    void TearDown() override { unsetenv("LWRIGHT_INI"); }
    static fs::path Sample() { return fs::path(LW_SOURCE_DIR) / "samples" / "capt-yyz-dh8-2027-03"; }
    std::string Month() const { return (dir / "mar.lw2").string(); }
    lw::test::TempFolder dir;
};

bool StartsWith(const std::string& text, const std::string& head) { return text.compare(0, head.size(), head) == 0; }
bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

TEST_F(LwToolBuild, BuildsOnceAndSaves) {
    const auto built = RunTool(dir, {"build", Month(), "--no-toolbox"});
    ASSERT_EQ(built.exit, 0) << built.err;
    EXPECT_EQ(built.out, "blocks built\nreserve cut-off: row 118\nopen time: 8450:58\nwindows: pairings bids\n");
    EXPECT_EQ(built.err, "");
    const auto info = RunTool(dir, {"info", Month()});
    EXPECT_NE(info.out.find("blocks built: yes\n"), std::string::npos);
    const auto again = RunTool(dir, {"build", Month()});
    EXPECT_EQ(again.exit, 0);
    EXPECT_EQ(again.out, "blocks already built\n");
}

TEST_F(LwToolBuild, InvalidPairingsAskBeforeBuilding) {
    {
        lw::test::FakeInteraction ui;
        lw::model::Document doc;
        ASSERT_TRUE(lw::persist::LoadSchedule(doc, ui, Month()));
        doc.Pairings[3].TotalCredit += 1;  // its days no longer add up; its one trip adds a minute to open time
        ASSERT_TRUE(lw::persist::SaveSchedule(doc, ui, Month(), lw::model::kWorkingFile));
    }
    const std::string before = lw::test::ReadBytes(Month());
    const std::string question =
        "[Linewright] Not all Pairings are Valid. Do you want to edit the pairings to correct the errors as noted.\n";

    const auto unanswered = RunTool(dir, {"build", Month()});
    EXPECT_EQ(unanswered.exit, 3);
    EXPECT_TRUE(EndsWith(unanswered.err, question + "lwtool build: answer the question above with --yes or --no\n"))
        << unanswered.err;
    EXPECT_NE(unanswered.err.find("[Pairing Warnings and Report]\n  Number of Pairings 78  Average Pairing Credit "),
              std::string::npos);
    EXPECT_NE(unanswered.err.find("\n  Pair 8003  Credit for each Day does not add up to Total Credit\n"),
              std::string::npos);

    const auto yes = RunTool(dir, {"build", Month(), "--yes"});
    EXPECT_EQ(yes.exit, 1);
    EXPECT_EQ(yes.out, "not built: the pairing editor would open on pairing 3 (Z8003)\n");
    EXPECT_TRUE(EndsWith(yes.err, question));
    EXPECT_EQ(lw::test::ReadBytes(Month()), before);

    const auto no = RunTool(dir, {"build", Month(), "--no", "-o", (dir / "built.lw2").string()});
    EXPECT_EQ(no.exit, 0) << no.err;
    EXPECT_EQ(no.out, "blocks built\nreserve cut-off: row 118\nopen time: 8450:59\nwindows: pairings bids toolbox\n");
    EXPECT_EQ(lw::test::ReadBytes(Month()), before);
}

TEST_F(LwToolBuild, BiddersOfAPairingAfterTheBidsImport) {
    const auto imported = RunTool(dir, {"import", "bids", Month(), (Sample() / "YYZ_PILOT_BIDS_MAR2027.csv").string()});
    ASSERT_EQ(imported.exit, 0) << imported.err;
    const auto baker = RunTool(dir, {"bids", "set-filters", Month(), "--crew", "6"});
    EXPECT_EQ(baker.out, "--- Pairing Filters: ---\nAlways Show:\n8028, 8038, \n");
    const auto anderson = RunTool(dir, {"bids", "set-filters", Month(), "--crew", "17"});
    EXPECT_EQ(anderson.out, "--- Pairing Filters: ---\nAlways Show:\n8064, 8017, \n");

    // S BAKER asked for 8028 and may fly it on the 5th.
    const auto lists = RunTool(dir, {"whos-legal", Month(), "--pair", "28", "--day", "4"});
    ASSERT_EQ(lists.exit, 0) << lists.err;
    EXPECT_TRUE(StartsWith(lists.out, "Linewright - 8028 on 05 MAR\nWho Is Legal\n001 J SCHMIDT\n")) << lists.out;
    EXPECT_NE(lists.out.find("\n006 S BAKER\n"), std::string::npos);
    EXPECT_TRUE(EndsWith(lists.out, "\nWho Bid this Pairing Number\n006 <<< S BAKER\n")) << lists.out;

    // "Assign..." with S BAKER's line, then the pairings window tells where 8028 went.
    const auto assigned = RunTool(dir, {"whos-legal", Month(), "--pair", "28", "--day", "4", "--assign", "6"});
    ASSERT_EQ(assigned.exit, 0) << assigned.err;
    EXPECT_EQ(assigned.out, lists.out);
    const auto status = RunTool(dir, {"select-pairing", Month(), "--pair", "28", "--day", "4"});
    EXPECT_EQ(status.exit, 0);
    EXPECT_EQ(status.out, "Pair 8028 on the 5th assigned to S BAKER (6) - Filters Off\n");

    // M ANDERSON already flies 8017 from the 2nd: a bidder on the 3rd, but not a legal one.
    ASSERT_EQ(RunTool(dir, {"assign", Month(), "--crew", "17", "--pair", "17", "--day", "1", "--yes"}).exit, 0);
    const auto taken = RunTool(dir, {"whos-legal", Month(), "--pair", "17", "--day", "2"});
    EXPECT_TRUE(EndsWith(taken.out, "\nWho Bid this Pairing Number\n017 M ANDERSON\n")) << taken.out;
    EXPECT_EQ(taken.out.find("\n017 "), taken.out.rfind("\n017 "));
}

TEST_F(LwToolBuild, SelectionAndBadCalls) {
    const auto open = RunTool(dir, {"select-pairing", Month(), "--pair", "0", "--day", "12"});
    EXPECT_EQ(open.exit, 0);
    EXPECT_EQ(open.out,
              "Pair 8001   On 05:25   Off 14:55   Credit 12:40  Hard 12:40  Duty 19:35  Legal 1:55  CRA=0%   - Filters "
              "Off\n");

    const auto notShown = RunTool(dir, {"select-pairing", Month(), "--pair", "0", "--day", "3"});
    EXPECT_EQ(notShown.exit, 1);
    EXPECT_EQ(notShown.err, "lwtool select-pairing: the pairings window shows no pairing 0 starting on day 3\n");

    const auto noOne = RunTool(dir, {"whos-legal", Month(), "--pair", "0", "--day", "12", "--assign", "200"});
    EXPECT_EQ(noOne.exit, 1);
    EXPECT_EQ(noOne.err, "[Linewright] You have not Selected an Employee\n");

    const auto badPair = RunTool(dir, {"whos-legal", Month(), "--pair", "500", "--day", "12"});
    EXPECT_EQ(badPair.exit, 1);
    EXPECT_EQ(badPair.err, "lwtool whos-legal: no pairing with index 500\n");
    const auto badDay = RunTool(dir, {"whos-legal", Month(), "--pair", "0", "--day", "31"});
    EXPECT_EQ(badDay.exit, 1);
    EXPECT_EQ(badDay.err, "lwtool whos-legal: day 31 is not a day of the month\n");
    EXPECT_EQ(RunTool(dir, {"whos-legal", Month(), "--day", "12"}).exit, 2);
    EXPECT_EQ(RunTool(dir, {"build", Month(), "--bogus"}).exit, 2);
}

}  // namespace
