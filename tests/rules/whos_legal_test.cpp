// Working the board pairing by pairing: the status text of a click in the pairings window,
// the who's-legal and who-bid lists and "Assign..." from them.
#include "rules/whos_legal.h"

#include <gtest/gtest.h>

#include "engine_month.h"

namespace {

using lw::model::Document;
using lw::rules::PickKind;
using lw::rules::PickOutcome;
using lw::test::FakeInteraction;
using Call = FakeInteraction::Call;

constexpr int kThe22nd = 21;  // day index of 22 April

// An evening trip released at 23:30, flying every day of April 2026.
class PairingsWindow : public ::testing::Test {
protected:
    void SetUp() override { Fill(lw::model::kCaptains); }
    void Fill(int8_t group) {
        doc = lw::test::MakeMonth(group);
        pair = lw::test::AddPairing(*doc, {.number = 8101, .report = 900, .release = 1410, .dailyCredit = 330}, {});
        auto& q = doc->Pairings[static_cast<size_t>(pair)];
        q.DayStatus.fill(0);
        for (int d = 0; d < doc->DayCount; ++d) q.DayStatus[static_cast<size_t>(d)] = 1;
        q.PairText = "  TOTALS  TAFB 8:30\n *** CRA=0% *** ";
        q.Validate(doc->DayCount);
        one = lw::test::AddCrew(*doc, "A ONE");
        two = lw::test::AddCrew(*doc, "B TWO");
    }
    PickOutcome Click(int day) {
        lw::rules::LayoutPairings(*doc, layout);
        return lw::rules::SelectPairing(*doc, board, layout, day, lw::rules::FindRow(layout, pair, day));
    }
    std::unique_ptr<Document> doc;
    lw::rules::Board board;
    lw::rules::PairingsLayout layout;
    FakeInteraction ui;
    int pair = -1, one = -1, two = -1;
};

TEST_F(PairingsWindow, AnOpenPairingIsSelectedWithItsKeyFiguresAndTheFilterNote) {
    const PickOutcome first = Click(4);
    EXPECT_EQ(first.kind, PickKind::Selected);
    EXPECT_EQ(first.status,
              "Pair 8101   On 15:00   Off 23:30   Credit 5:30  Hard 04:00  Duty 08:30  Legal 10:30  CRA=0%   - Filters Off");
    EXPECT_TRUE(first.stopPainting);
    EXPECT_EQ(board.Selected, (lw::rules::PairingPick{pair, 4, 0}));

    doc->FiltersOn = true;
    doc->FilterOwnerName = "J SCHMIDT";
    doc->Pairings[static_cast<size_t>(pair)].PairMark = 1;
    doc->Pairings[static_cast<size_t>(pair)].PairText = "no crew rest code";
    EXPECT_EQ(Click(5).status,
              "Pair 8101   On 15:00   Off 23:30   Credit 5:30  Hard 04:00  Duty 08:30  Legal 10:30  CRA?  - Filters On "
              "for J SCHMIDT");
    // Too short to hold a code after the stars.
    doc->Pairings[static_cast<size_t>(pair)].PairText = "x *** CRA=0";
    EXPECT_EQ(Click(6).status,
              "Pair 8101   On 15:00   Off 23:30   Credit 5:30  Hard 04:00  Duty 08:30  Legal 10:30  CRA?  - Filters On "
              "for J SCHMIDT");
}

TEST_F(PairingsWindow, FlightAttendantsMayReportTwelveHoursAfterRelease) {
    Fill(lw::model::kFlightAttendants);
    EXPECT_EQ(Click(0).status,
              "Pair 8101   On 15:00   Off 23:30   Credit 5:30  Hard 04:00  Duty 08:30  Legal 11:30  CRA=0%   - Filters Off");
    doc->FiltersOn = true;
    doc->FilterOwnerName = "whoever";
    doc->Pairings[static_cast<size_t>(pair)].PairMark = 1;
    EXPECT_EQ(Click(1).status,
              "Pair 8101   On 15:00   Off 23:30   Credit 5:30  Hard 04:00  Duty 08:30  Legal 11:30  CRA=0%   Filters On");
}

TEST_F(PairingsWindow, SecondClicksOpenThePairingTextAndTakenInstancesAreDescribed) {
    ASSERT_EQ(Click(kThe22nd).kind, PickKind::Selected);
    const lw::rules::PairingPick selected = board.Selected;
    const PickOutcome again = Click(kThe22nd);
    EXPECT_EQ(again.kind, PickKind::OpenText);
    EXPECT_EQ(again.pair, pair);
    EXPECT_EQ(again.day, kThe22nd);
    EXPECT_EQ(again.status, "");
    EXPECT_EQ(board.Selected, selected);

    // Assigned by a click on the grid: the next click on it opens its text.
    ASSERT_EQ(lw::rules::AssignPair(*doc, board, ui, two, pair, kThe22nd, false), lw::rules::kAssignDone);
    EXPECT_EQ(board.LastAssigned, selected);
    doc->ShowTakenPairings = true;
    EXPECT_EQ(Click(kThe22nd).kind, PickKind::OpenText);

    // Another taken instance is only described; the selection stays.
    ASSERT_EQ(Click(2).kind, PickKind::Selected);
    lw::test::Hold(*doc, one, pair, 1);
    const PickOutcome described = Click(1);
    EXPECT_EQ(described.kind, PickKind::Described);
    EXPECT_EQ(described.status, "Pair 8101 on the 2nd assigned to A ONE (1) - Filters Off");
    EXPECT_FALSE(described.stopPainting);
    EXPECT_EQ(board.Selected.day, 2);

    board.LastAssigned = {};
    EXPECT_EQ(Click(kThe22nd).status, "Pair 8101 on the 22nd assigned to B TWO (2) - Filters Off");

    // Nothing under the mouse: nothing happens.
    lw::rules::LayoutPairings(*doc, layout);
    EXPECT_EQ(lw::rules::SelectPairing(*doc, board, layout, 3, layout.rowCount).kind, PickKind::Nothing);
    EXPECT_EQ(lw::rules::SelectPairing(*doc, board, layout, 31, 0).kind, PickKind::Nothing);
    EXPECT_EQ(lw::rules::SelectPairing(*doc, board, layout, -1, 0).kind, PickKind::Nothing);
    EXPECT_EQ(board.Selected.day, 2);
}

TEST(DaySuffix, OrdinalsOfTheMonth) {
    std::string all;
    for (int d = 1; d <= 31; ++d) all += std::to_string(d) + lw::rules::DaySuffix(d) + " ";
    EXPECT_EQ(all,
              "1st 2nd 3rd 4th 5th 6th 7th 8th 9th 10th 11th 12th 13th 14th 15th 16th 17th 18th 19th 20th 21st 22nd "
              "23rd 24th 25th 26th 27th 28th 29th 30th 31st ");
}

// Five captains around pairing 8101 on 22 April.
class WhosLegalTest : public ::testing::Test {
protected:
    void SetUp() override {
        pair = lw::test::AddPairing(*doc, {.number = 8101, .report = 900, .release = 1410}, {kThe22nd});
        busy = lw::test::AddPairing(*doc, {.number = 8200, .report = 600, .release = 1000}, {kThe22nd});
        heavy = lw::test::AddPairing(*doc, {.number = 8300, .report = 480, .release = 1080}, {kThe22nd - 1});
        doc->Pairings[static_cast<size_t>(pair)].FatigueUnits = 3000;
        doc->Pairings[static_cast<size_t>(heavy)].FatigueUnits = 3100;
        Member("A ONE", "81018102TEXT");
        Member("B RES", "8101TEXT").BidsReserve = true;
        Member("C BUSY", "81018101TEXTZ;");
        Member("D HEAVY", "8101");
        Member("E LINE", "77778101TEXTABC;").ReserveLine = 1;
        Member("F NOBID", "09990998TEXT8101");
        lw::test::Hold(*doc, 2, busy, kThe22nd);
        lw::test::Hold(*doc, 3, heavy, kThe22nd - 1);
        for (int c = 0; c < doc->CrewCount; ++c) lw::rules::CheckBlock(*doc, c);
    }
    lw::model::TPilot& Member(const char* name, const char* saved) {
        const int row = lw::test::AddCrew(*doc, name);
        doc->Crew[static_cast<size_t>(row)].SavedFilters = saved;
        return doc->Crew[static_cast<size_t>(row)];
    }
    std::unique_ptr<Document> doc = lw::test::MakeMonth(lw::model::kCaptains);
    lw::rules::Board board;
    FakeInteraction ui;
    int pair = -1, busy = -1, heavy = -1;
};

TEST_F(WhosLegalTest, LegalMembersInSeniorityAndTheBiddersMarkedWhenLegal) {
    const std::string before = lw::test::Snapshot(*doc);
    const lw::rules::WhosLegalLists lists = lw::rules::WhosLegal(*doc, pair, kThe22nd);
    EXPECT_EQ(lists.caption, "Linewright - 8101 on 22 APR");
    // B bids reserve and E holds a reserve line: never offered. C's day is taken. D would pass
    // 100 fatigue units over the two days.
    EXPECT_EQ(lists.legal, (std::vector<std::string>{"001 A ONE", "004 Exception-> D HEAVY", "006 F NOBID"}));
    EXPECT_EQ(lists.bidders, (std::vector<std::string>{"001 <<< A ONE", "002 B RES", "003 C BUSY", "005 E LINE"}));
    EXPECT_EQ(lw::test::Snapshot(*doc), before);

    // Out of the month or the table: nothing to list.
    EXPECT_EQ(lw::rules::WhosLegal(*doc, pair, 30).caption, "");
    EXPECT_EQ(lw::rules::WhosLegal(*doc, 3, kThe22nd).caption, "");
    EXPECT_TRUE(lw::rules::WhosLegal(*doc, -1, kThe22nd).legal.empty());
}

TEST_F(WhosLegalTest, ATakenInstanceStillListsWhoCouldFlyItButIsNotAssignedAgain) {
    lw::test::Hold(*doc, 0, pair, kThe22nd);
    lw::rules::CheckBlock(*doc, 0);
    const lw::rules::WhosLegalLists lists = lw::rules::WhosLegal(*doc, pair, kThe22nd);
    EXPECT_EQ(lists.legal, (std::vector<std::string>{"004 Exception-> D HEAVY", "006 F NOBID"}));

    const std::string before = lw::test::Snapshot(*doc);
    EXPECT_FALSE(lw::rules::AssignFromWhosLegal(*doc, board, ui, "006 F NOBID", pair, kThe22nd));
    EXPECT_EQ(ui.calls, (std::vector<Call>{
                            {FakeInteraction::Kind::Message, "Linewright", "Can't Assign. Pairing allready Assigned"}}));
    EXPECT_EQ(lw::test::Snapshot(*doc), before);
}

TEST_F(WhosLegalTest, AssignNeedsASelectedMemberWhoCanTakeIt) {
    const std::string before = lw::test::Snapshot(*doc);
    EXPECT_FALSE(lw::rules::AssignFromWhosLegal(*doc, board, ui, "", pair, kThe22nd));
    EXPECT_FALSE(lw::rules::AssignFromWhosLegal(*doc, board, ui, "003 C BUSY", pair, kThe22nd));
    EXPECT_FALSE(lw::rules::AssignFromWhosLegal(*doc, board, ui, "Who Is Legal", pair, kThe22nd));
    EXPECT_EQ(ui.calls, (std::vector<Call>{
                            {FakeInteraction::Kind::Message, "Linewright", "You have not Selected an Employee"},
                            {FakeInteraction::Kind::Message, "Linewright", "Can't Assign. Previous Assignment that day"},
                            {FakeInteraction::Kind::Message, "Linewright", "Can't Assign. Employee out of Range"},
                        }));
    EXPECT_EQ(lw::test::Snapshot(*doc), before);

    ui.calls.clear();
    EXPECT_TRUE(lw::rules::AssignFromWhosLegal(*doc, board, ui, "004 Exception-> D HEAVY", pair, kThe22nd));
    EXPECT_TRUE(ui.calls.empty());
    EXPECT_EQ(doc->Crew[3].DayAssignment[kThe22nd], pair);
    EXPECT_EQ(doc->Pairings[static_cast<size_t>(pair)].DayStatus[kThe22nd], 2);
    EXPECT_TRUE(doc->Modified);
}

}  // namespace
