// The planner's month reports end to end: lwtool report on a small first-officer April saved by
// the test, every line compared; then the same month in memory for what a file does not keep.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "output/month_summary.h"
#include "output/pairing_reports.h"
#include "persist/schedule_file.h"
#include "rules/engine_month.h"
#include "run_tool.h"
#include "temp_folder.h"

namespace {

using lw::test::Lines;

const char* const kCityPairs = "        ----- V1 ----- \nYYZ-YUL     01:15  DH  0\n";

// April 2026 (30 days from a Wednesday), limits 75:00 to 85:00 around 80:00.
// Pairings: 1001 (1 day, 5:00) on days 1 and 21; 3003 (3 days, 15:00) on days 5 and 30;
// 2002 (2 days, 20:00 to 03:00, a C/D) on days 11 and 12; 4004 never operates; 2005 (2 days)
// on day 11. Open: 1001/21, 3003/30 (5:00 inside the month), 2002 both days, 2005: 36:00.
std::unique_ptr<lw::model::Document> April() {
    using namespace lw::test;
    auto doc = MakeMonth(lw::model::kFirstOfficers);
    doc->MaxBlock = 5100, doc->MinBlock = 4500, doc->AvgBlock = 4800;
    AddPairing(*doc, {.number = 1001}, {0, 20});
    AddPairing(*doc, {.number = 3003, .length = 3}, {4, 29});
    AddPairing(*doc, {.number = 2002, .report = 1200, .release = 180, .length = 2, .dailyCredit = 240}, {10, 11});
    AddPairing(*doc, {.number = 4004}, {});
    AddPairing(*doc, {.number = 2005, .length = 2}, {10});
    auto& crew = doc->Crew;
    AddCrew(*doc, "ADAMS, ANN");  // 95:00, above the maximum: 15:00 back to open
    Hold(*doc, 0, 0, 0);
    crew[0].CreditCarriedIn = 5400;
    crew[0].LegalCheckIn = 600;  // reports 08:00 on day 1: short rest
    AddCrew(*doc, "BAKER, BEN");  // 85:00, a completed regular block
    Hold(*doc, 1, 1, 4);
    crew[1].CreditCarriedIn = 4200;
    crew[1].LegalCheckIn = 4 * 1440 + 450;  // reports 30 minutes after rest ends: a warning
    AddCrew(*doc, "CLARK, CAL");  // bids reserve: left out of the walk
    crew[2].BidsReserve = true;
    AddCrew(*doc, "DAVIS, DAN");  // 64:00: open time still fills the block
    crew[3].DraftCredits = 3600;
    PutActivity(*doc, 3, 1, "SIM", 480, 240, false, 240);
    AddCrew(*doc, "EVANS, EVE");  // 55:00 of a 50:00..57:00 reduced block
    crew[4].MinBlock = 3000, crew[4].MaxBlock = 3420, crew[4].CreditCarriedIn = 3300;
    AddCrew(*doc, "FRASER, FAY");  // check pilot, 83:20 of 80:00..90:00
    crew[5].Qualification = 3, crew[5].MinBlock = 4800, crew[5].MaxBlock = 5400, crew[5].ExtraCredits = 5000;
    AddCrew(*doc, "GRANT, GUS");  // 4:00: the open time cannot fill this one
    PutActivity(*doc, 6, 2, "SIM", 480, 240, false, 240);
    PutActivity(*doc, 6, 5, "VAC", 0, 0, false, 0);
    doc->DocTexts[lw::model::kCityPairSummaryText] = kCityPairs;
    Settle(*doc);
    return doc;
}

const Lines kPairingReport = {
    "Number of Pairings 5  Average Pairing Credit per day is 4:42",
    "",
    "====== Pairing Warnings Report ======",
    "",
    "Pair 4004  Never Operates ",
    "",
    "====== End of Pairing Warnings ======",
    "",
    "====== Begin Pairing Report ======",
    "Pairing Report for Apr 2026 Carry Over Removed from Running Total",
    "Pair 1001  Credit 05:00  Hard 04:00  OPER 02  Running Total 10:00",
    "Pair 3003  Credit 15:00  Hard 12:00  OPER 02  Running Total 30:00",
    "Pair 2002  Credit 08:00  Hard 08:00  OPER 02  Running Total 46:00",
    "Pair 4004  Credit 05:00  Hard 04:00  OPER 00  Running Total 46:00",
    "Pair 2005  Credit 10:00  Hard 08:00  OPER 01  Running Total 56:00",
    "Total Hours including Carry Over 66:00",
};

const Lines kSummary = {
    "   56:00  Pairing Credit for Current Month",
    "    0:00  Pairing Credit Reserved for Two Capt Pairings",
    "   66:00  Pairing Credit for Month with Overlap",
    "   36:00  Hours currently in Open",
    "Last Blockholder is FRASER, FAY with 35:00 in open",
    "",
    "   85:00  Avg for Completed Regular Blocks",
    "   55:00  Avg for Completed Reduced Blocks",
    "   83:20  Avg for Non-Reduced Completed CCP Blocks",
    "  215:00  Carry In",
    "   60:00  Draft Credits",
    "   83:20  Misc Hours",
    "    8:00 in 002 Occurrences of SIM",
    "    0:00 in 001 Occurrences of VAC",
    "--------",
    "  422:20  Total Credits for Month",
    "   48:00  Total Hard Time",
    "Average Pairing Credit per day is 4:42",
};

std::string Joined(const Lines& lines, const char* end = "\n") {
    std::string text;
    for (const std::string& line : lines) text += line + end;
    return text;
}

class LwToolReports : public ::testing::Test {
protected:
    void SetUp() override {
        lw::test::FakeInteraction ui;
        ASSERT_TRUE(lw::persist::SaveSchedule(*April(), ui, dir / "apr.lw2", lw::model::kWorkingFile));
    }
    lw::test::ToolResult Report(const char* kind) {
        return lw::test::RunTool(dir, {"report", kind, (dir / "apr.lw2").string()});
    }
    lw::test::TempFolder dir;
};

TEST_F(LwToolReports, PairingWarningsAndReport) {
    const auto r = Report("pairings");
    EXPECT_EQ(r.exit, 0);
    EXPECT_EQ(r.out + r.err, Joined(kPairingReport));
}

TEST_F(LwToolReports, ClipboardReportWithOccurrencesAndCityPairs) {
    Lines expected = {
        "Pairing Report for Apr 2026 Carry Over Removed from Running Total",
        "",
        "Pair 1001  Credit 05:00  Hard 04:00  OP 02  RT 10:00",
        "Pair 3003  Credit 15:00  Hard 12:00  OP 02  RT 30:00",
        "Pair 2002  Credit 08:00  Hard 08:00  OP 02  RT 46:00",
        "Pair 4004  Credit 05:00  Hard 04:00  OP 00  RT 46:00",
        "Pair 2005  Credit 10:00  Hard 08:00  OP 01  RT 56:00",
        "",
        "Total Hours including Carry Over 66:00",
        "",
        "",
        "Pairing Occurances Report",
        "",
        "",
        "        One    Two    Three  Four   Five   Six    C/D    Seven+",
        " 01 WE    1      0      0      0      0      0      0      0    ",
    };
    // Day by day: 1001 under One, 3003 under Three, 2005 under Two, the late-release 2002 under C/D.
    const char* labels[] = {"WE", "TH", "FR", "SA", "SU", "MO", "TU"};
    for (int d = 1; d < 30; ++d) {
        int counts[8] = {};
        if (d == 20) counts[0] = 1;
        if (d == 4 || d == 29) counts[2] = 1;
        if (d == 10) counts[1] = counts[6] = 1;
        if (d == 11) counts[6] = 1;
        char row[128];
        std::snprintf(row, sizeof row, " %02d %s  ", d + 1, labels[d % 7]);
        std::string line = row;
        for (int c : counts) line += std::string(c ? "  1" : "  0") + "    ";
        expected.push_back(line);
    }
    expected.push_back("");
    const auto r = Report("occurrences");
    EXPECT_EQ(r.exit, 0);
    EXPECT_EQ(r.out, Joined(expected, "\r\n") + "\n\n" + kCityPairs);
    EXPECT_EQ(r.err,
              "[Linewright] Pairing Report Copied to Windows Clipboard. To view select Edit, Paste from your Word "
              "Processing program.\n");
    EXPECT_EQ(Report("city-pairs").out, kCityPairs);
}

TEST_F(LwToolReports, MonthSummary) {
    const auto r = Report("summary");
    EXPECT_EQ(r.exit, 0);
    EXPECT_EQ(r.out + r.err, Joined(kSummary));
}

TEST_F(LwToolReports, ExceptionsAndCheckShareOneReport) {
    const std::string expected = Joined({"------- EXCEPTIONS -------", "", "1  ADAMS, ANN  Rest  1", "",
                                         "------ WARNINGS ------", "", "2  BAKER, BEN Warning  Rest  5"});
    const auto r = Report("exceptions");
    EXPECT_EQ(r.exit, 0);
    EXPECT_EQ(r.out + r.err, expected);
    EXPECT_EQ(lw::test::RunTool(dir, {"check", (dir / "apr.lw2").string()}).out, expected);
    EXPECT_EQ(Report("nonsense").exit, 2);
}

// The two-captain mark is not kept in the file: the first officers' reserved credit is seen
// only on the working board.
TEST(MonthSummaryBoard, TwoCaptainInstancesOnlyCountAsReserved) {
    auto doc = April();
    doc->Pairings[0].DayStatus[20] = -1;
    Lines expected = kSummary;
    expected[0] = "   51:00  Pairing Credit for Current Month";
    expected[1] = "    5:00  Pairing Credit Reserved for Two Capt Pairings";
    expected[2] = "   61:00  Pairing Credit for Month with Overlap";
    expected[15] = "  417:20  Total Credits for Month";
    expected[16] = "   44:00  Total Hard Time";
    lw::test::FakeInteraction ui;
    lw::output::ShowMonthSummary(*doc, ui);
    ASSERT_EQ(ui.calls.size(), 1u);
    EXPECT_EQ(ui.calls[0].title, "Global Info");
    EXPECT_EQ(ui.calls[0].text + "\n", Joined(expected));
}

TEST(MonthSummaryBoard, LastBlockholderWalk) {
    auto doc = April();
    // 10:00 open, ADAMS at 95:00 against 85:00 and 80:00: 25:00 before BAKER.
    doc->CrewCount = 2;
    EXPECT_EQ(lw::output::FindLastBlockholder(*doc, 600).open, 1500);
    // DAVIS then takes 16:00; GRANT cannot be filled, so FRASER is the last.
    doc->CrewCount = 7;
    const auto last = lw::output::FindLastBlockholder(*doc, 600);
    EXPECT_EQ(last.row, 5);
    EXPECT_EQ(last.open, 540);
    doc->CrewCount = 0;
    EXPECT_EQ(lw::output::MonthSummary(*doc)[4], "No Blocks");
}

TEST(PairingReportBoard, DoubleClickFindsThePairingAndOpenHoursFeedTheGauge) {
    auto doc = April();
    EXPECT_EQ(lw::output::PairingForReportLine(*doc, kPairingReport[12]), 2);
    EXPECT_EQ(lw::output::PairingForReportLine(*doc, kPairingReport[4]), 3);
    EXPECT_EQ(lw::output::PairingForReportLine(*doc, kPairingReport[9]), -1);
    EXPECT_EQ(lw::output::PairingForReportLine(*doc, "Pair 9999  Credit"), -1);
    const auto open = lw::output::HoursInOpen(*doc);
    EXPECT_EQ(open.text, "0036:00");
    EXPECT_EQ(open.gaugeValue, 2);   // 2160 / 1000
    EXPECT_EQ(open.gaugeRange, 3);   // 3360 / 1000
    doc->LastPairIndex = -1;
    EXPECT_EQ(lw::output::PairingWarningsReport(*doc)[0], "Number of Pairings 0  Average Pairing Credit per day is 0:00");
}

}  // namespace
