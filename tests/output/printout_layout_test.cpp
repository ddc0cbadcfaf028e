// The printed pages of a month: which crew rows go on which page, what each day cell of a row
// says, the reserves and open pairings at the end, and the visual pairings pages.
#include "output/printout_layout.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "output/pairing_reports.h"

#include "output/publish_month.h"

namespace {

using namespace lw;
using output::BlockCell;

TEST(BlockPrintout, PageCountLeavesRoomForTheOpenListAndTheReserves) {
    EXPECT_EQ(output::BlockPageCount(56, 0), 3);
    EXPECT_EQ(output::BlockPageCount(26, 0), 1);
    EXPECT_EQ(output::BlockPageCount(27, 0), 2);
    EXPECT_EQ(output::BlockPageCount(20, 24), 2);  // eight rows of open numbers
    EXPECT_EQ(output::BlockPageCount(0, 0), 1);
}

TEST(BlockPrintout, PilotsOnLeaveAllMonthAreLeftOutAndVacationNeverGoesNegative) {
    auto doc = test::PublishPilotMonth("/home/planner/months/ROSTER.lw2");
    const int leave = test::AddCrew(*doc, "ON LEAVE", 456789);
    const int almost = test::AddCrew(*doc, "ALMOST", 567890);
    const auto put = [&doc](int crew, int day, const char* code) {
        model::TPilot& p = doc->Crew[static_cast<size_t>(crew)];
        p.DayAssignment[static_cast<size_t>(day)] = model::kDayActivity;
        p.DayCode[static_cast<size_t>(day)] = code;
    };
    for (int d = 0; d < doc->DayCount; ++d) {
        put(leave, d, "LOA");
        if (d > 0) put(almost, d, "MED");
    }
    const int vau = test::AddCrew(*doc, "VAU MAN", 678901);
    for (int d = 3; d <= 5; ++d) put(vau, d, "VAU");
    model::TPilot& v = doc->Crew[static_cast<size_t>(vau)];
    v.CreditHours = 10;
    v.CreditMinutes = 0;

    const std::vector<int> rows = output::BlockPrintRows(*doc, {});
    EXPECT_EQ(rows, (std::vector<int>{0, 1, 2, 3, 4, 6, 7}));
    const output::BlockPrintout out = output::LayoutBlockPrintout(*doc, rows, false, false);
    ASSERT_EQ(out.pages.size(), 1u);
    const output::BlockPage& page = out.pages[0];
    EXPECT_EQ(page.header, "Linewright Apr 2026 FINAL. Page 1 ROSTER.lw2");
    std::vector<std::string> labels, credits;
    for (const auto& row : page.rows) {
        labels.push_back(row.label);
        credits.push_back(row.credit);
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"1 J SMITH  ", "2 OPEN TIME", "3 CAPT PAIR", "4 A JONES  ",
                                                "5 B LEE, JR", "6 ALMOST   ", "7 VAU MAN  "}));
    EXPECT_EQ(credits[6], "00:00 0:00");
    EXPECT_EQ(credits[3].substr(5), " 5:00");  // carried in
    EXPECT_EQ(credits[0].substr(5), " 2:00");  // draft credits
}

TEST(BlockPrintout, DayCellsOfALineWithCarriedInWorkAndLayovers) {
    auto doc = test::PublishPilotMonth("/home/planner/months/ROSTER.lw2");
    const output::BlockPrintout out = output::LayoutBlockPrintout(*doc, {3}, true, true);
    ASSERT_EQ(out.pages.size(), 1u);
    EXPECT_EQ(out.pages[0].header, "*** Apr 2026 DRAFT COPY *** Page 1 ROSTER.lw2");
    const output::BlockRow& jones = out.pages[0].rows.at(0);
    EXPECT_EQ(jones.carryInWidth, (2 * 1440 + 300 - 660) * 30 / 1440);
    std::vector<BlockCell> expected(30);
    expected[6].text = "1005";
    expected[7].lateStroke = true;
    expected[20].text = "1004";
    expected[21].text = "HZ";
    expected[22].text = "QB";
    expected[28].text = "1006";
    expected[29].text = "YC";  // the second station falls after the month
    EXPECT_EQ(jones.days, expected);

    const output::BlockPrintout smith = output::LayoutBlockPrintout(*doc, {0}, false, true);
    const std::vector<BlockCell>& s = smith.pages[0].rows.at(0).days;
    EXPECT_EQ(s[2], (BlockCell{"1001", false, false, ""}));
    EXPECT_EQ(s[3].text, "UL");
    EXPECT_EQ(s[4].text, "VR");
    EXPECT_EQ(s[5].request, "X1");
    EXPECT_EQ(s[9].text, "VAC");
    EXPECT_EQ(output::LayoutBlockPrintout(*doc, {0}, false, false).pages[0].rows[0].days[5].request, "");

    // The month ruler: Apr 2026 starts on a Wednesday.
    EXPECT_EQ(out.days[0], (output::DayHeading{"01", "WE", output::DayLine::Solid}));
    EXPECT_EQ(out.days[3], (output::DayHeading{"04", "SA", output::DayLine::Dotted}));
    EXPECT_EQ(out.days[4], (output::DayHeading{"05", "SU", output::DayLine::None}));
    EXPECT_EQ(out.days[5], (output::DayHeading{"06", "MO", output::DayLine::Dotted}));
}

TEST(BlockPrintout, LastPageCountsReservesAndListsOpenPairings) {
    auto doc = test::PublishPilotMonth("/home/planner/months/ROSTER.lw2");
    const int open = test::AddPairing(*doc, {.number = 2001}, {4, 5});
    const int second = test::AddPairing(*doc, {.number = 2002}, {4});
    (void)open;
    (void)second;
    const output::BlockPrintout out = output::LayoutBlockPrintout(*doc, output::BlockPrintRows(*doc, {}), false, false);
    EXPECT_EQ(out.open[4], (std::vector<std::string>{"2001", "2002"}));
    EXPECT_EQ(out.open[5], (std::vector<std::string>{"2001"}));
    EXPECT_TRUE(out.open[2].empty());  // taken
    EXPECT_EQ(out.reserves[19], 1);    // the B reserve
    EXPECT_EQ(out.reserves[29], 1);
    EXPECT_EQ(out.reserves[0], 0);
    EXPECT_EQ(out.summaryY, output::kBlockFirstRowY + 5 * output::kBlockRowHeight);
}

TEST(PairsPrintout, RowsCarryNumbersStarsLayoversAndTheContinuousDutyMark) {
    auto doc = test::PublishPilotMonth("/home/planner/months/ROSTER.lw2");
    doc->Pairings[4].WorkDays = 4;  // 1004 over two layovers
    doc->Pairings[5].WorkDays = 3;  // 1006, running past the month end
    rules::PairingsLayout layout;
    rules::LayoutPairings(*doc, layout);
    const output::PairsPrintout out = output::LayoutPairsPrintout(*doc, layout);
    ASSERT_EQ(out.pages.size(), 1u);
    const output::PairsPage& page = out.pages[0];
    EXPECT_EQ(page.header[0], "Linewright Visual Pairings. Apr 2026  Quick Reference Only. See Pairings");
    EXPECT_EQ(page.header[1], "Avg Pair Credit " + output::AveragePairingCreditText(*doc) + " per/day.  File ROSTER.lw2  Page 1");
    ASSERT_EQ(static_cast<int>(page.rows.size()), layout.rowCount);
    std::vector<std::string> seen;
    for (const auto& row : page.rows)
        for (const auto& cell : row) seen.push_back(std::to_string(cell.column) + ":" + cell.text + cell.stars);
    const std::string late = "6:1005" + output::StarMark(layout.category[3]);
    EXPECT_NE(std::find(seen.begin(), seen.end(), late), seen.end());
    EXPECT_NE(std::find(seen.begin(), seen.end(), "7:--"), seen.end());
    std::string all;
    for (const std::string& w : seen) all += w + " ";
    EXPECT_NE(std::find(seen.begin(), seen.end(), "21:HZ"), seen.end()) << all;
    EXPECT_NE(std::find(seen.begin(), seen.end(), "30:EG"), seen.end());  // past the month, still on paper
    EXPECT_EQ(output::StarMark(0), "*");
    EXPECT_EQ(output::StarMark(3), "****");
}

}  // namespace
