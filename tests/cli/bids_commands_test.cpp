// lwtool import bids, bids and filter end to end on the bundled captains month.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "run_tool.h"

namespace {

namespace fs = std::filesystem;
using lw::test::RunTool;

class LwToolBids : public ::testing::Test {
protected:
    void SetUp() override {
        fs::copy_file(fs::path(LW_SOURCE_DIR) / "samples" / "capt-yyz-dh8-2027-03" / "capt-yyz-dh8-2027-03.lw2",
                      dir / "mar.lw2");
    }
    std::string Month() const { return (dir / "mar.lw2").string(); }
    lw::test::TempFolder dir;
};

TEST_F(LwToolBids, ImportGuessMarkAndFilterJasonSchmidtsBid) {
    std::string record = "\"100833";
    const char* fields[] = {"Jason", "Schmidt", "js@example.com", "416-555-0101", "", "", "", "3", "", "", "3", "", "",
                            "", "", "", "", "", "Pairings", "", "OFF 5-9", "Z8001 Z8002", "", "", "", "", "", "",
                            "", "", "", "", "2027-02-10", "09:15:00"};
    for (const char* f : fields) record += std::string("\",\"") + f;
    lw::test::WriteBytes(dir / "bids.csv", "EMPLOYEE,FIRST,LAST\r\n" + record + "\",\"end_x_bid\"\r\n");

    const auto imported = RunTool(dir, {"import", "bids", Month(), (dir / "bids.csv").string()});
    ASSERT_EQ(imported.exit, 0) << imported.err;
    EXPECT_EQ(imported.out.find("100833"), std::string::npos);
    EXPECT_NE(imported.out.find("No Bid Found for M TURNER  Emp Number 100894.\r\n"), std::string::npos);

    const auto guess = RunTool(dir, {"bids", "guess", Month(), "--crew", "1"});
    EXPECT_EQ(guess.out, "--- Requested Days Off ---\n05, 06, 07, 08, 09, \n\n--- Requested Pairings ---\n8001, 8002, \n");

    const auto days = RunTool(dir, {"bids", "set-days-off", Month(), "--crew", "1"});
    ASSERT_EQ(days.exit, 0) << days.err;
    EXPECT_EQ(days.out,
              "2027-03-05 group 20\n2027-03-06 group 20\n2027-03-07 group 20\n2027-03-08 group 20\n"
              "2027-03-09 group 20\n");

    const auto filters = RunTool(dir, {"bids", "set-filters", Month(), "--crew", "1"});
    EXPECT_EQ(filters.out, "--- Pairing Filters: ---\nAlways Show:\n8001, 8002, \n");

    const auto on = RunTool(dir, {"filter", "on", Month(), "--employee", "100833"});
    EXPECT_EQ(on.out,
              "filters: on\ncaption: \npairings caption: Filters On for J SCHMIDT\nedit: \nZ8001 picked\nZ8002 picked\n"
              "Z8002 picked\n");  // 8002 flies twice under one number

    const auto shown = RunTool(dir, {"bids", "show", Month(), "--crew", "1"});
    EXPECT_EQ(shown.out.substr(0, 20), "JASON SCHMIDT    100");
}

TEST_F(LwToolBids, TheBundledBidsFileOnTheCaptainsMonth) {
    const fs::path bids = fs::path(LW_SOURCE_DIR) / "samples" / "capt-yyz-dh8-2027-03" / "YYZ_PILOT_BIDS_MAR2027.csv";
    const auto r = RunTool(dir, {"import", "bids", Month(), bids.string()});
    ASSERT_EQ(r.exit, 0) << r.err;
    // Days off asked on days that already hold an absence, ten GDOs, a 35th, and a record cut off.
    std::string others;
    int missing = 0;
    std::istringstream lines(r.err);
    for (std::string line; std::getline(lines, line);) {
        if (line.find("No Bid Found for ") == 2) ++missing;
        else others += line + "\n";
    }
    EXPECT_EQ(missing, 22);
    EXPECT_EQ(others,
              "[Missing Bids / Warnings.  List Copied to Windows Clipboard]\n"
              "  * GDO Load Error for S RICHARDSON  Emp Number 100933.\n"
              "  S RICHARDSON Flagged as Bidding Reserve.\n"
              "  * PDO1 Load Error for S BAKER  Emp Number 100959.\n"
              "  E ROY Flagged as Bidding Reserve.\n"
              "  * PDO1 Load Error for R KOWALSKI  Emp Number 101127.\n"
              "  J KIM Flagged as Bidding Reserve.\n"
              "  * GDO Load Error for N JOHNSTON  Emp Number 101527.\n"
              "  T PATTERSON Flagged as Bidding Reserve.\n"
              "  A D'AMOURS Flagged as Bidding Reserve.\n"
              "  * GDO Load Error for R ESPOSITO  Emp Number 101724.\n"
              "  G SINCLAIR Flagged as Bidding Reserve.\n"
              "  J GRAHAM Flagged as Bidding Reserve.\n"
              "  * GDO Load Error for O GAUTHIER  Emp Number 101985.\n"
              "  * GDO Load Error for P CAMPBELL  Emp Number 102158.\n"
              "  P BOUCHARD Flagged as Bidding Reserve.\n"
              "  * PDO1 Load Error for H NELSON  Emp Number 103029.\n"
              "  * PDO1 Load Error for H TAYLOR  Emp Number 103224.\n"
              "  J MULLER Flagged as Bidding Reserve.\n"
              "  N MITCHELL Flagged as Bidding Reserve.\n"
              "  G MORRISON Flagged as Bidding Reserve.\n"
              "  * PDO1 Load Error for J KOWALSKI  Emp Number 105176.\n"
              "  * Bid Found but Unable to Extract Bid Data for M DAWSON  Emp Number 105437.\n");
    const auto guess = RunTool(dir, {"bids", "guess", Month(), "--crew", "2"});
    EXPECT_EQ(guess.out, "--- Requested Days Off ---\n17, \n03, 09, \n\n--- Requested Pairings ---\n");
    const auto mail = RunTool(dir, {"bids", "mail-to", Month(), "--crew", "2"});
    EXPECT_EQ(mail.out, "megan.turner@example.com\n");  // the address the bid carries
}

TEST_F(LwToolBids, FilterWindowCallsAndBadCalls) {
    const auto wizard = RunTool(dir, {"filter", "wizard", "--left", "Z", "--right", "YTZ"});
    EXPECT_EQ(wizard.out, "Z,!YTZ;\n");
    const auto rightOnly = RunTool(dir, {"filter", "wizard", "--right", "YTZ"});
    EXPECT_EQ(rightOnly.exit, 1);
    EXPECT_EQ(rightOnly.err, "[Linewright] You need at least 1 Key word or Letter in a left edit box\n");

    const auto declined = RunTool(dir, {"filter", "apply", Month(), "--pick", "8001", "--text", "YTZ", "--no"});
    EXPECT_EQ(declined.exit, 0);
    EXPECT_EQ(declined.out, "filters: off\ncaption: \npairings caption: \nedit: YTZ\nZ8001 picked\n");

    const auto badRow = RunTool(dir, {"bids", "guess", Month(), "--crew", "999"});
    EXPECT_EQ(badRow.exit, 2);
    EXPECT_EQ(badRow.err, "lwtool bids: no crew member in row 999\n");
    const auto badPick = RunTool(dir, {"filter", "invert", Month(), "--pick", "12x"});
    EXPECT_EQ(badPick.exit, 2);
}

}  // namespace
