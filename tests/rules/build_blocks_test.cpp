// Build Blocks on small real months: the assignment repair and its notes, invalid pairings,
// the clock change, the reserve cut-off and the view settings read from the INI file.
#include "rules/build_blocks.h"

#include <gtest/gtest.h>

#include "engine_month.h"
#include "output/pairing_reports.h"
#include "platform/profile.h"
#include "recording_log.h"
#include "temp_folder.h"

namespace {

using lw::model::Document;
using lw::platform::Answer;
using lw::platform::Icon;
using lw::rules::BuildBlocks;
using lw::rules::BuildOptions;
using lw::rules::BuildOutcome;
using lw::test::FakeInteraction;
using Call = FakeInteraction::Call;

int32_t Cell(const Document& doc, int crew, int day) {
    return doc.Crew[static_cast<size_t>(crew)].DayAssignment[static_cast<size_t>(day)];
}
int32_t Status(const Document& doc, int pair, int day) {
    return doc.Pairings[static_cast<size_t>(pair)].DayStatus[static_cast<size_t>(day)];
}

class BuildBlocksTest : public ::testing::Test {
protected:
    BuildOutcome Build(Document& doc, BuildOptions options = {}) {
        return BuildBlocks(doc, board, ui, profile, options, lw::output::ShowPairingReport);
    }
    lw::test::TempFolder dir;
    lw::platform::Profile profile{dir / "lwright.ini"};
    lw::rules::Board board;
    FakeInteraction ui;
};

TEST_F(BuildBlocksTest, RepairSetsEveryBlockStraightWithThePairingTable) {
    auto doc = lw::test::MakeMonth(lw::model::kCaptains);
    const int trip = lw::test::AddPairing(*doc, {.number = 1001}, {2, 5});
    const int other = lw::test::AddPairing(*doc, {.number = 1002}, {4});
    const int senior = lw::test::AddCrew(*doc, "A SENIOR");
    const int junior = lw::test::AddCrew(*doc, "B JUNIOR");
    const int wrong = lw::test::AddCrew(*doc, "C WRONGDAY");
    const int broken = lw::test::AddCrew(*doc, "D BROKEN");
    auto& crew = doc->Crew;
    // Both hold 1001 on day index 2; the status says open, as a stale file could.
    crew[senior].DayAssignment[2] = trip;
    crew[junior].DayAssignment[2] = trip;
    crew[junior].DayLocked[2] = 1;
    // 1002 does not fly on day index 3.
    crew[wrong].DayAssignment[3] = other;
    crew[broken].DayAssignment[6] = 9999;
    crew[broken].DayAssignment[7] = -7;
    crew[broken].DayAssignment[8] = lw::model::kDayActivity;
    // Taken on day index 5 by nobody, and the two-captain mark on 1002's day.
    doc->Pairings[trip].DayStatus[5] = 2;
    doc->Pairings[other].DayStatus[4] = -2;
    crew[wrong].DayAssignment[4] = other;

    EXPECT_TRUE(lw::rules::RepairAssignments(*doc, ui));

    EXPECT_EQ(ui.calls, (std::vector<Call>{{FakeInteraction::Kind::Message, "Linewright",
                                            "Error 101 Emp B JUNIOR Day 3"
                                            "Error 101 Emp C WRONGDAY Day 4"
                                            "Error 100 Emp D BROKEN Error 100 Emp D BROKEN "
                                            " Errors Corrected OK to proceed"}}));
    EXPECT_EQ(ui.icons, (std::vector<Icon>{Icon::Information}));
    EXPECT_EQ(Cell(*doc, senior, 2), trip);
    EXPECT_EQ(Cell(*doc, junior, 2), -1);
    EXPECT_EQ(crew[junior].DayLocked[2], 0);
    EXPECT_EQ(Cell(*doc, wrong, 3), -1);
    EXPECT_EQ(Cell(*doc, wrong, 4), other);
    EXPECT_EQ(Cell(*doc, broken, 6), -1);
    EXPECT_EQ(Cell(*doc, broken, 7), -1);
    EXPECT_EQ(Cell(*doc, broken, 8), lw::model::kDayActivity);
    EXPECT_EQ(Status(*doc, trip, 2), 2);
    EXPECT_EQ(Status(*doc, trip, 5), 1);
    EXPECT_EQ(Status(*doc, other, 4), -2);
    EXPECT_TRUE(doc->Modified);
}

TEST_F(BuildBlocksTest, ASoundBoardIsLeftAloneAndNothingIsShown) {
    auto doc = lw::test::MakeMonth(lw::model::kCaptains);
    const int trip = lw::test::AddPairing(*doc, {.number = 1001}, {2});
    const int crew = lw::test::AddCrew(*doc, "A ONE");
    lw::test::Hold(*doc, crew, trip, 2);
    const std::string before = lw::test::Dump(*doc);
    EXPECT_FALSE(lw::rules::RepairAssignments(*doc, ui));
    EXPECT_TRUE(ui.calls.empty());
    EXPECT_EQ(lw::test::Dump(*doc), before);
    EXPECT_FALSE(doc->Modified);
}

TEST_F(BuildBlocksTest, BuildsTheBoardInOrderAndReadsTheViewSettings) {
    lw::test::WriteBytes(dir / "lwright.ini", "[LW]\nHideCompleted=1\nShowLTC=1\nBidCheck=0\n");
    auto doc = lw::test::MakeMonth(lw::model::kCaptains);
    lw::test::RecordingLog log;
    doc->RunLog = &log;
    const int trip = lw::test::AddPairing(*doc, {.number = 1001, .dailyCredit = 300}, {2, 3});
    const int crew = lw::test::AddCrew(*doc, "A ONE");
    lw::test::AddCrew(*doc, "B TWO");
    lw::test::Hold(*doc, crew, trip, 2);
    board.Selected = {trip, 3, 0};
    board.LastAssigned = {trip, 2, 0};

    const BuildOutcome out = Build(*doc, {.showPairings = true, .showBids = false, .showToolbox = true});

    EXPECT_TRUE(out.built);
    EXPECT_EQ(out.editPair, -1);
    EXPECT_TRUE(out.showPairings);
    EXPECT_FALSE(out.showBids);
    EXPECT_TRUE(out.showToolbox);
    lw::rules::ViewSettings view;
    view.HideCompleted = true;
    view.ShowLTC = true;
    view.BidCheck = false;
    EXPECT_EQ(out.view, view);
    EXPECT_EQ(out.gridColumns, 62);
    EXPECT_EQ(out.gridRows, 12);
    EXPECT_EQ(doc->BlocksBuilt, 1);
    EXPECT_EQ(log.Text(), "BuildBlocksBegin\nBuildBlocksEnd\n");
    EXPECT_TRUE(ui.calls.empty());
    EXPECT_EQ(board.Selected, lw::rules::PairingPick{});
    EXPECT_EQ(board.LastAssigned, lw::rules::PairingPick{});
    EXPECT_EQ(board.OpenTime, 300);
    // 5:00 of credit against a 75:00 minimum and 5:00 left in open: the first line is the last full one.
    EXPECT_EQ(doc->Crew[crew].CreditTotal(), 300);
    EXPECT_EQ(out.reserveCutoff, -1);
    EXPECT_EQ(doc->Crew[0].ReserveLine, 1);
    EXPECT_EQ(doc->Crew[1].ReserveLine, 1);

    // Building again changes nothing and says nothing.
    const std::string before = lw::test::Snapshot(*doc);
    const BuildOutcome again = Build(*doc);
    EXPECT_TRUE(again.built);
    EXPECT_FALSE(again.showPairings);
    EXPECT_EQ(lw::test::Snapshot(*doc), before);
    EXPECT_EQ(log.Text(), "BuildBlocksBegin\nBuildBlocksEnd\n");
    doc->RunLog = nullptr;

    lw::rules::TakeDownBlocks(*doc, board);
    EXPECT_EQ(doc->BlocksBuilt, 0);
}

TEST_F(BuildBlocksTest, FlightAttendantsGetNoToolboxAndTheDefaultViewWithoutAnIniFile) {
    auto doc = lw::test::MakeMonth(lw::model::kFlightAttendants);
    lw::test::AddPairing(*doc, {.number = 1001}, {2});
    lw::test::AddCrew(*doc, "A ONE");
    const BuildOutcome out = Build(*doc);
    EXPECT_TRUE(out.built);
    EXPECT_TRUE(out.showPairings);
    EXPECT_TRUE(out.showBids);
    EXPECT_FALSE(out.showToolbox);
    EXPECT_EQ(out.view, lw::rules::ViewSettings{});
}

TEST_F(BuildBlocksTest, InvalidPairingsAreReportedAndYesStopsToEditTheFirst) {
    auto doc = lw::test::MakeMonth(lw::model::kCaptains);
    lw::test::AddPairing(*doc, {.number = 1001}, {2});
    const int bad = lw::test::AddPairing(*doc, {.number = 1002}, {3});
    lw::test::AddPairing(*doc, {.number = 1003}, {});  // never operates
    doc->Pairings[bad].TotalCredit += 1;
    lw::test::AddCrew(*doc, "A ONE");
    ui.answers = {Answer::Yes};

    const BuildOutcome out = Build(*doc);

    EXPECT_FALSE(out.built);
    EXPECT_EQ(out.editPair, bad);
    EXPECT_EQ(doc->BlocksBuilt, 0);
    const std::vector<std::string> report = lw::output::PairingWarningsReport(*doc);
    std::string shown;
    for (size_t i = 0; i < report.size(); ++i) shown += (i == 0 ? "" : "\n") + report[i];
    EXPECT_EQ(ui.calls,
              (std::vector<Call>{
                  {FakeInteraction::Kind::ShowList, "Pairing Warnings and Report", shown},
                  {FakeInteraction::Kind::Ask, "Linewright",
                   "Not all Pairings are Valid. Do you want to edit the pairings to correct the errors as noted."}}));
    EXPECT_NE(shown.find("Pair 1002  Credit for each Day does not add up to Total Credit\n"), std::string::npos);
    EXPECT_NE(shown.find("Pair 1003  Never Operates "), std::string::npos);
}

TEST_F(BuildBlocksTest, InvalidPairingsWithNoBuildAnyway) {
    auto doc = lw::test::MakeMonth(lw::model::kCaptains);
    const int bad = lw::test::AddPairing(*doc, {.number = 1002}, {3});
    doc->Pairings[bad].TotalCredit += 1;
    lw::test::AddCrew(*doc, "A ONE");
    ui.answers = {Answer::No};
    const BuildOutcome out = Build(*doc);
    EXPECT_TRUE(out.built);
    EXPECT_EQ(out.editPair, -1);
    EXPECT_EQ(doc->BlocksBuilt, 1);
    ASSERT_EQ(ui.calls.size(), 2u);
    EXPECT_EQ(ui.calls[1].kind, FakeInteraction::Kind::Ask);
}

TEST_F(BuildBlocksTest, AMarchMonthWithoutItsClockChangeIsBuiltAfterANote) {
    // 1 to 10 March 2027: the second Sunday (the 14th) lies outside the month.
    auto doc = lw::test::MakeMonth(lw::model::kCaptains, 1, 3, 2027, 10);
    lw::test::AddPairing(*doc, {.number = 1001}, {2});
    const BuildOutcome out = Build(*doc);
    EXPECT_TRUE(out.built);
    EXPECT_EQ(ui.calls, (std::vector<Call>{{FakeInteraction::Kind::Message, "Linewright",
                                            "Problem occured in Setting up Daylight Savings Time Data. Please contact "
                                            "support. You may continue to Build Blocks"}}));
    EXPECT_EQ(ui.icons, (std::vector<Icon>{Icon::Information}));
    EXPECT_EQ(doc->DstShift, 0);

    // The whole of March finds the 14th quietly.
    FakeInteraction quiet;
    auto march = lw::test::MakeMonth(lw::model::kCaptains, 1, 3, 2027, 31);
    lw::test::AddPairing(*march, {.number = 1001}, {2});
    lw::rules::Board other;
    EXPECT_TRUE(BuildBlocks(*march, other, quiet, profile, {}).built);
    EXPECT_TRUE(quiet.calls.empty());
    EXPECT_EQ(march->DstChangeTime, 13 * 1440 + 120);
    EXPECT_EQ(march->DstShift, 60);
}

TEST_F(BuildBlocksTest, ViewSettingsWrittenAreReadBack) {
    lw::rules::ViewSettings v;
    v.HideLeaveBlocks = v.ShowCCP = v.FilterSearch = true;
    v.NameCheck = v.PairCheck = false;
    EXPECT_TRUE(lw::rules::WriteViewSettings(v, profile));
    EXPECT_EQ(lw::rules::ReadViewSettings(profile), v);
    EXPECT_EQ(lw::test::ReadBytes(dir / "lwright.ini"),
              "[LW]\nHideLeaveBlocks=1\nHideBlockHolders=0\nHideCompleted=0\nHideCheckPilots=0\nShowBlockHolders=0\n"
              "ShowCCP=1\nShowLTC=0\nFilterSearch=1\nNameCheck=0\nEmpNumCheck=1\nPairCheck=0\nBidCheck=1\n");
}

// The reserve cut-off as the build leaves it.
class ReserveCutoff : public ::testing::Test {
protected:
    int Member(const char* name, int32_t credit, bool bidsReserve = false) {
        const int row = lw::test::AddCrew(*doc, name);
        auto& p = doc->Crew[static_cast<size_t>(row)];
        p.CreditHours = static_cast<int8_t>(credit / 60);
        p.CreditMinutes = static_cast<int8_t>(credit % 60);
        p.BidsReserve = bidsReserve;
        return row;
    }
    std::vector<int> Lines() const {
        std::vector<int> marks;
        for (int c = 0; c < doc->CrewCount; ++c) marks.push_back(doc->Crew[static_cast<size_t>(c)].ReserveLine);
        return marks;
    }
    std::unique_ptr<Document> doc = lw::test::MakeMonth(lw::model::kCaptains);
};

TEST_F(ReserveCutoff, WithNoOpenTimeTheFirstShortBlockAndTheReserveBiddersAboveItAreReserves) {
    Member("A FULL", 4650);
    Member("B RES", 0, true);
    Member("C FULL", 4800);
    Member("D RES", 0, true);
    Member("E RES", 0, true);
    Member("F SHORT", 3000);
    Member("G", 4600);
    EXPECT_EQ(lw::rules::ComputeReserveCutoff(*doc), 2);
    EXPECT_EQ(Lines(), (std::vector<int>{0, 0, 0, 1, 1, 1, 1}));
}

TEST_F(ReserveCutoff, OpenTimeFillsShortBlocksUntilItRunsOut) {
    // 30:00 open on day index 0: one instance of a pairing of 1800 minutes.
    lw::test::AddPairing(*doc, {.number = 1001, .dailyCredit = 1800}, {0});
    Member("A OVER", 5000);   // 83:20 over an 80:00 maximum: 5000 - 4650 back into open -> 35:50
    Member("B SHORT", 3000);  // needs 25:00 of 35:50, takes 27:30 (to the 77:30 average) -> 8:20
    Member("C RES", 0, true);
    Member("D SHORT", 4000);  // needs 8:20 of 8:20: still enough, takes 10:50 -> -2:30
    Member("E SHORT", 4400);  // needs 1:40 of -2:30: the first reserve line
    Member("F", 4700);
    EXPECT_EQ(lw::rules::ComputeReserveCutoff(*doc), 3);
    EXPECT_EQ(Lines(), (std::vector<int>{0, 0, 0, 0, 1, 1}));

    // A member's own limits: the average becomes the mean of the own minimum and maximum.
    doc->Crew[1].MinBlock = 2400;
    doc->Crew[1].MaxBlock = 3000;  // B at 3000 is within: the pool stays 35:50
    // D needs 8:20 of 35:50, takes 10:50 -> 25:00; E needs 1:40, takes 4:10 -> 20:50.
    EXPECT_EQ(lw::rules::ComputeReserveCutoff(*doc), 5);
    EXPECT_EQ(Lines(), (std::vector<int>{0, 0, 0, 0, 0, 0}));
}

}  // namespace
