// The open-time grid of the pairings window: credit categories, grouping by length, rows and
// the gaps between groups, what is hidden when taken pairings or filters are off.
#include "rules/pairings_layout.h"

#include <gtest/gtest.h>

#include "engine_month.h"

namespace {

using lw::rules::LayoutPairings;
using lw::rules::PairingsLayout;
using lw::test::Lines;
using lw::test::PairingShape;

// A pairing as the loader leaves it: validated, so its work days and late release are known.
int Add(lw::model::Document& doc, const PairingShape& shape, const std::vector<int>& days) {
    const int index = lw::test::AddPairing(doc, shape, days);
    doc.Pairings[static_cast<size_t>(index)].Validate(doc.DayCount);
    return index;
}

// The first `columns` cells of every row: "." free, "=" covered, else the pairing index.
Lines Grid(const PairingsLayout& layout, int columns) {
    Lines rows;
    for (int r = 0; r < layout.rowCount; ++r) {
        std::string row;
        for (int c = 0; c < columns; ++c) {
            const int32_t cell = layout.Cell(c, r);
            row += cell == -1 ? "." : cell == -2 ? "=" : std::to_string(cell);
        }
        rows.push_back(row);
    }
    return rows;
}

TEST(CreditCategory, CreditPerWorkingDayDecidesTheStars) {
    auto doc = lw::test::MakeMonth(lw::model::kCaptains);
    const int three300 = Add(*doc, {.number = 1001, .length = 3, .dailyCredit = 300}, {0});
    const int three299 = Add(*doc, {.number = 1002, .length = 3, .dailyCredit = 299}, {0});
    const int two360 = Add(*doc, {.number = 1003, .length = 2, .dailyCredit = 360}, {0});
    const int one419 = Add(*doc, {.number = 1004, .dailyCredit = 419}, {0});
    const int one420 = Add(*doc, {.number = 1005, .dailyCredit = 420}, {0});
    const auto& q = doc->Pairings;
    EXPECT_EQ(q[three300].TotalCredit, 900);
    EXPECT_EQ(lw::rules::CreditCategory(q[three300]), 1);
    EXPECT_EQ(lw::rules::CreditCategory(q[three299]), 0);
    EXPECT_EQ(lw::rules::CreditCategory(q[two360]), 2);
    EXPECT_EQ(lw::rules::CreditCategory(q[one419]), 2);
    EXPECT_EQ(lw::rules::CreditCategory(q[one420]), 3);

    // A continuous duty counts its whole credit as one day's; no working days gives 0.
    lw::model::TPair cd = q[three299];
    cd.LateRelease = true;
    EXPECT_EQ(lw::rules::CreditCategory(cd), 3);
    lw::model::TPair none = q[one420];
    none.WorkDays = 0;
    EXPECT_EQ(lw::rules::CreditCategory(none), 0);

    PairingsLayout layout;
    LayoutPairings(*doc, layout);
    EXPECT_EQ(layout.category, (std::vector<uint8_t>{1, 0, 2, 2, 3}));
}

TEST(LayoutPairings, OneDayTripsStackAndTheNextLengthStartsAfterAnEmptyRow) {
    auto doc = lw::test::MakeMonth(lw::model::kCaptains);
    // Table order deliberately not display order: the sort groups by length, then report time.
    const int two = Add(*doc, {.number = 2001, .report = 420, .release = 1000, .length = 2}, {1});
    const int late = Add(*doc, {.number = 1001, .report = 600}, {0, 2});
    const int early = Add(*doc, {.number = 1002, .report = 300}, {0});
    PairingsLayout layout;
    LayoutPairings(*doc, layout);
    EXPECT_EQ(layout.order, (std::vector<int32_t>{early, late, two}));
    EXPECT_EQ(Grid(layout, 5), (Lines{
                                   "2.1..",  // the earlier report takes the first row
                                   "1....",
                                   ".....",  // one empty row between groups
                                   ".0=..",
                               }));
    EXPECT_EQ(layout.rowCount, 4);
    EXPECT_EQ(lw::rules::FindRow(layout, late, 0), 1);
    EXPECT_EQ(lw::rules::FindRow(layout, late, 2), 0);
    EXPECT_EQ(lw::rules::FindRow(layout, two, 1), 3);
    EXPECT_EQ(lw::rules::FindRow(layout, two, 2), -1);  // covered, not started there
    EXPECT_EQ(layout.Cell(-1, 0), -1);
    EXPECT_EQ(layout.Cell(PairingsLayout::kColumns, 0), -1);
    EXPECT_EQ(layout.Cell(0, layout.rowCount), -1);
}

TEST(LayoutPairings, TripsOnFollowingDaysShareRowsWhereTheyFit) {
    auto doc = lw::test::MakeMonth(lw::model::kCaptains);
    const int three = Add(*doc, {.number = 3001, .length = 3}, {0, 1, 2, 3, 5});
    PairingsLayout layout;
    LayoutPairings(*doc, layout);
    EXPECT_EQ(Grid(layout, 9), (Lines{
                                   "0==0==...",
                                   ".0==.0==.",
                                   "..0==....",
                               }));
    (void)three;
}

TEST(LayoutPairings, ContinuousDutiesNeedTheNextDayAndLongTripsComeLast) {
    auto doc = lw::test::MakeMonth(lw::model::kCaptains);
    const int week = Add(*doc, {.number = 7001, .report = 300, .length = 7}, {0});
    // Reports 20:00, released 08:00 the next morning: a continuous duty.
    const int cd = Add(*doc, {.number = 5001, .report = 1200, .release = 480, .length = 2}, {0, 1});
    const int one = Add(*doc, {.number = 1001}, {1});
    ASSERT_TRUE(doc->Pairings[static_cast<size_t>(cd)].LateRelease);
    PairingsLayout layout;
    LayoutPairings(*doc, layout);
    EXPECT_EQ(layout.order, (std::vector<int32_t>{one, cd, week}));
    EXPECT_EQ(Grid(layout, 9), (Lines{
                                   ".2.......",
                                   ".........",
                                   "1=.......",  // a C/D: its morning release is its second day
                                   ".1=......",
                                   ".........",
                                   "0======..",  // placed once, in the last group
                               }));
}

TEST(LayoutPairings, TakenAndFilteredInstancesFollowTheWindowSwitches) {
    auto doc = lw::test::MakeMonth(lw::model::kCaptains);
    const int gone = Add(*doc, {.number = 1001}, {0, 1});
    const int half = Add(*doc, {.number = 1002, .report = 600}, {0, 1});
    const int crew = lw::test::AddCrew(*doc, "A ONE");
    const int other = lw::test::AddCrew(*doc, "B TWO");
    lw::test::Hold(*doc, crew, gone, 0);
    lw::test::Hold(*doc, other, gone, 1);
    lw::test::Hold(*doc, crew, half, 1);
    PairingsLayout layout;

    doc->ShowTakenPairings = true;
    LayoutPairings(*doc, layout);
    EXPECT_EQ(Grid(layout, 3), (Lines{"00.", "11."}));

    // Every day of 1001 taken: no bar left at all.
    doc->ShowTakenPairings = false;
    LayoutPairings(*doc, layout);
    EXPECT_EQ(Grid(layout, 3), (Lines{"1.."}));

    doc->ShowTakenPairings = true;
    doc->FiltersOn = true;
    doc->Pairings[static_cast<size_t>(half)].PairMark = 1;
    LayoutPairings(*doc, layout);
    EXPECT_EQ(Grid(layout, 3), (Lines{"11."}));

    doc->Pairings[static_cast<size_t>(half)].PairMark = 0;
    LayoutPairings(*doc, layout);
    EXPECT_EQ(layout.rowCount, 0);
    EXPECT_TRUE(layout.cells.empty());
}

TEST(LayoutPairings, APairingRunningPastTheGridIsCutAtItsEdge) {
    auto doc = lw::test::MakeMonth(lw::model::kCaptains, 1, 1, 2027, 31);
    Add(*doc, {.number = 7001, .length = 7}, {30});
    PairingsLayout layout;
    LayoutPairings(*doc, layout);
    ASSERT_EQ(layout.rowCount, 1);
    EXPECT_EQ(layout.Cell(30, 0), 0);
    for (int c = 31; c < PairingsLayout::kColumns; ++c) EXPECT_EQ(layout.Cell(c, 0), -2) << c;
}

}  // namespace
