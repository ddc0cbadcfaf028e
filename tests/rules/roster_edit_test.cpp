// Roster editing: insert, delete, drag and the move dialog on a small captains' month. Members
// move with their blocks; pairings of a deleted member go back to open time.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_interaction.h"
#include "rules/complement.h"
#include "rules/engine_month.h"
#include "rules/roster_edit.h"
#include "platform/profile.h"
#include "temp_folder.h"

namespace {

using lw::rules::RosterField;
using lw::rules::RosterLine;
using lw::test::FakeInteraction;
using Calls = std::vector<FakeInteraction::Call>;
using Lines = std::vector<std::string>;

Lines Texts(const std::vector<RosterLine>& lines) {
    Lines out;
    for (const RosterLine& l : lines) out.push_back(l.text);
    return out;
}

Lines Names(const lw::model::Document& doc) {
    Lines out;
    for (int c = 0; c < doc.CrewCount; ++c) out.push_back(doc.Crew[static_cast<size_t>(c)].Name);
    return out;
}

FakeInteraction::Call Oops(const std::string& text) { return {"Message", "Oops", text}; }

class RosterEdit : public ::testing::Test {
protected:
    // Five members (employee numbers 100000..100004) and a "CAPT PAIRINGS" line at the end;
    // EVANS holds pairing 0 (1001) on the 4th; one transaction in the history.
    void SetUp() override {
        doc = lw::test::MakeMonth(lw::model::kCaptains);
        for (const char* name : {"ADAMS", "BAKER", "CLARK", "DAVIS", "EVANS"}) lw::test::AddCrew(*doc, name);
        lw::test::AddMember(*doc, "CAPT PAIRINGS", -1);
        lw::test::AddPairing(*doc, {.number = 1001}, {3, 12, 20});
        lw::test::AddPairing(*doc, {.number = 1002}, {5});
        lw::test::Settle(*doc);
        lw::rules::Board board;
        ASSERT_EQ(lw::rules::AssignPair(*doc, board, ui, 4, 0, 3, false), lw::rules::kAssignDone);
        doc->Modified = false;
    }
    lw::model::TPilot& Member(int row) { return doc->Crew[static_cast<size_t>(row)]; }
    std::unique_ptr<lw::model::Document> doc;
    FakeInteraction ui;
};

TEST_F(RosterEdit, ListsEveryMemberButTheCaptPairingsLines) {
    EXPECT_EQ(Texts(lw::rules::RosterLines(*doc)), (Lines{"001   ADAMS   100000", "002   BAKER   100001",
                                                          "003   CLARK   100002", "004   DAVIS   100003",
                                                          "005   EVANS   100004"}));
    const auto move = lw::rules::MoveDialogFor(*doc, 4);
    EXPECT_EQ(move.caption, "Linewright Move Employee on Roster");
    EXPECT_EQ(move.prompt, "Select Position to Move EVANS to.");
    EXPECT_EQ(Texts(move.lines), (Lines{"001 ADAMS", "002 BAKER", "003 CLARK", "004 DAVIS", "005 EVANS"}));
    EXPECT_EQ(move.lines[4].row, 4);
}

TEST_F(RosterEdit, InsertRefusesEachBadFieldAndNamesItForTheFocus) {
    struct Case {
        const char *index, *name, *emp;
        std::string message;
        RosterField focus;
    };
    const std::vector<Case> cases = {
        {"7", "FOX", "0", "Invalid Roster Number!", RosterField::Index},
        {"0", "FOX", "0", "Invalid Roster Number!", RosterField::Index},
        {"x", "FOX", "0", "Invalid Roster Number!", RosterField::Index},
        {"6", "", "0", "Name must be 1 + letters!", RosterField::Name},
        {"6", "ABCDEFGHIJKLMNOPQRSTU", "0", "Name too long!", RosterField::Name},
        {"6", "FOX", "-5", "Invalid Employee Number!", RosterField::EmployeeNumber},
        {"6", "FOX", "12a", "Invalid Employee Number!", RosterField::EmployeeNumber},
        {"6", "FOX", "1000000000", "Invalid Employee Number!", RosterField::EmployeeNumber},
        {"6", "FOX", "100003", "Duplicate Employee Number with DAVIS", RosterField::EmployeeNumber},
    };
    const std::string before = lw::test::Snapshot(*doc);
    for (const Case& c : cases) {
        FakeInteraction oops;
        const auto outcome = lw::rules::InsertEmployee(*doc, oops, c.index, c.name, c.emp);
        EXPECT_EQ(outcome, (lw::rules::InsertOutcome{false, c.focus})) << c.message;
        EXPECT_EQ(oops.calls, Calls{Oops(c.message)});
    }
    EXPECT_EQ(lw::test::Snapshot(*doc), before);
    EXPECT_EQ(doc->History.Size(), 1u);
}

TEST_F(RosterEdit, InsertAfterTheLastListedMemberAndInTheMiddle) {
    // Position 6 is one past the five listed members: before the captain-pairings line.
    EXPECT_EQ(lw::rules::InsertEmployee(*doc, ui, "6", "ABCDEFGHIJKLMNOPQRST", "0"),
              (lw::rules::InsertOutcome{true, RosterField::Index}));
    EXPECT_EQ(Names(*doc), (Lines{"ADAMS", "BAKER", "CLARK", "DAVIS", "EVANS", "ABCDEFGHIJKLMNOPQRST", "CAPT PAIRINGS"}));
    EXPECT_TRUE(doc->History.Empty());
    EXPECT_TRUE(doc->Modified);
    // A second employee number 0 is fine; the new member starts with an empty block.
    EXPECT_TRUE(lw::rules::InsertEmployee(*doc, ui, "2", "FOX", "").inserted);
    EXPECT_EQ(Texts(lw::rules::RosterLines(*doc)),
              (Lines{"001   ADAMS   100000", "002   FOX   0", "003   BAKER   100001", "004   CLARK   100002",
                     "005   DAVIS   100003", "006   EVANS   100004", "007   ABCDEFGHIJKLMNOPQRST   0"}));
    const lw::model::TPilot& fox = Member(1);
    EXPECT_EQ(fox.DayAssignment, lw::model::TPilot().DayAssignment);
    EXPECT_EQ(fox.LegalCheckIn, 0);
    // EVANS took the pairing along.
    EXPECT_EQ(Member(5).DayAssignment[3], 0);
    EXPECT_EQ(doc->Pairings[0].DayStatus[3], 2);
    EXPECT_TRUE(ui.calls.empty());
    // Seven listed now: 8 is the last free position, 9 is refused.
    EXPECT_FALSE(lw::rules::InsertEmployee(*doc, ui, "9", "GRANT", "0").inserted);
    EXPECT_EQ(ui.calls, Calls{Oops("Invalid Roster Number!")});
}

TEST_F(RosterEdit, InsertIntoAFullTableIsRefused) {
    while (doc->CrewCount < lw::model::kCrewRows - 1) lw::test::AddMember(*doc, "FILLER", 0);
    EXPECT_EQ(lw::rules::InsertEmployee(*doc, ui, "1", "FOX", "0"), (lw::rules::InsertOutcome{false, RosterField::Index}));
    EXPECT_EQ(ui.calls, Calls{Oops("The Roster is Full. No more than 999 Employees can be Listed")});
    EXPECT_EQ(doc->CrewCount, lw::model::kCrewRows - 1);
}

TEST_F(RosterEdit, DeleteSendsEveryPairingBackToOpenKeepingTheTwoCaptainMark) {
    lw::rules::Board board;
    ASSERT_EQ(lw::rules::AssignPair(*doc, board, ui, 1, 0, 12, false), lw::rules::kAssignDone);
    ASSERT_EQ(lw::rules::AssignPair(*doc, board, ui, 1, 0, 20, false), lw::rules::kAssignDone);
    ASSERT_EQ(lw::rules::AssignPair(*doc, board, ui, 1, 1, 5, false), lw::rules::kAssignDone);
    doc->Pairings[0].DayStatus[20] = -2;  // the 21st has a second captain
    const int32_t openBefore = lw::rules::OpenTimeTotal(*doc);

    EXPECT_TRUE(lw::rules::DeleteEmployee(*doc, ui, 1));
    EXPECT_EQ(Names(*doc), (Lines{"ADAMS", "CLARK", "DAVIS", "EVANS", "CAPT PAIRINGS"}));
    lw::model::MonthArray first{};
    first[3] = 2;
    first[12] = 1;
    first[20] = -1;
    EXPECT_EQ(doc->Pairings[0].DayStatus, first);
    EXPECT_EQ(doc->Pairings[1].DayStatus[5], 1);
    EXPECT_EQ(lw::rules::OpenTimeTotal(*doc), openBefore + 3 * 300);
    EXPECT_EQ(Member(3).DayAssignment[3], 0);  // EVANS moved up with the pairing
    EXPECT_EQ(Member(5).Name, "");              // the old last row is cleared
    EXPECT_EQ(Member(5).DayAssignment, lw::model::TPilot().DayAssignment);
    EXPECT_TRUE(doc->History.Empty());
    EXPECT_TRUE(ui.calls.empty());
}

TEST_F(RosterEdit, DeleteRefusesNoSelectionAndCaptPairingsLines) {
    const std::string before = lw::test::Snapshot(*doc);
    EXPECT_FALSE(lw::rules::DeleteEmployee(*doc, ui, std::nullopt));
    EXPECT_FALSE(lw::rules::DeleteEmployee(*doc, ui, 5));
    EXPECT_EQ(ui.calls, (Calls{Oops("I Don't know who to Delete!"),
                               {"Message", "Linewright", "Cannot delete Capt Pairings Lines. Use Edit.. Setup Crew Types"}}));
    EXPECT_EQ(lw::test::Snapshot(*doc), before);
}

TEST_F(RosterEdit, DraggingFiveToTwoMovesTwoToFourDown) {
    EXPECT_EQ(lw::rules::DragStatusText(*doc, 4, 2), "MOVE EVANS TO POSITION 002");
    EXPECT_EQ(lw::rules::DropRosterLine(*doc, 4, 2), std::optional<std::string>("EVANS MOVED TO POSITION 002"));
    EXPECT_EQ(Names(*doc), (Lines{"ADAMS", "EVANS", "BAKER", "CLARK", "DAVIS", "CAPT PAIRINGS"}));
    EXPECT_EQ(Member(1).DayAssignment[3], 0);
    EXPECT_EQ(Member(1).EmployeeNumber, 100004);
    EXPECT_TRUE(doc->History.Empty());
    // Dropped where it was, or a captain-pairings line: nothing happens.
    EXPECT_EQ(lw::rules::DropRosterLine(*doc, 1, 2), std::nullopt);
    EXPECT_EQ(lw::rules::DropRosterLine(*doc, 5, 1), std::nullopt);
    EXPECT_EQ(Names(*doc), (Lines{"ADAMS", "EVANS", "BAKER", "CLARK", "DAVIS", "CAPT PAIRINGS"}));
    // Two to five: the members between move up.
    EXPECT_TRUE(lw::rules::DropRosterLine(*doc, 1, 5));
    EXPECT_EQ(Names(*doc), (Lines{"ADAMS", "BAKER", "CLARK", "DAVIS", "EVANS", "CAPT PAIRINGS"}));
}

TEST_F(RosterEdit, TheMoveDialogMovesRecomputesTheReserveLinesAndClearsTheHistory) {
    // No open time left once everything is held: the first member short of the minimum
    // starts the reserve lines. EVANS is the only one with a full block.
    lw::rules::Board board;
    for (int c = 0; c < 5; ++c) Member(c).CreditHours = 0;
    Member(4).CreditHours = 78;
    for (int d : {12, 20}) ASSERT_EQ(lw::rules::AssignPair(*doc, board, ui, 5, 0, d, true), lw::rules::kAssignDone);
    ASSERT_EQ(lw::rules::AssignPair(*doc, board, ui, 5, 1, 5, true), lw::rules::kAssignDone);
    lw::rules::ComputeReserveCutoff(*doc);
    ASSERT_EQ(Member(4).ReserveLine, 1);

    EXPECT_FALSE(lw::rules::MoveOnRoster(*doc, 4, 4));
    EXPECT_FALSE(lw::rules::MoveOnRoster(*doc, 5, 0));
    EXPECT_EQ(doc->History.Size(), 4u);
    EXPECT_TRUE(lw::rules::MoveOnRoster(*doc, 4, 0));
    EXPECT_EQ(Names(*doc), (Lines{"EVANS", "ADAMS", "BAKER", "CLARK", "DAVIS", "CAPT PAIRINGS"}));
    std::vector<int> reserve;
    for (int c = 0; c < doc->CrewCount; ++c) reserve.push_back(Member(c).ReserveLine);
    EXPECT_EQ(reserve, (std::vector<int>{0, 1, 1, 1, 1, 1}));
    EXPECT_TRUE(doc->History.Empty());
    EXPECT_TRUE(doc->Modified);
}

TEST_F(RosterEdit, TheRosterCommandBuildsAgainOnlyWhenTheBlocksHadBeenBuilt) {
    lw::test::TempFolder dir;
    const lw::platform::Profile profile(dir / "lwright.ini");
    lw::rules::Board board;
    int edits = 0;
    EXPECT_EQ(lw::rules::EditRoster(*doc, board, ui, profile, [&] { ++edits; }), std::nullopt);
    EXPECT_EQ(doc->BlocksBuilt, 0);
    doc->BlocksBuilt = 1;
    const auto outcome = lw::rules::EditRoster(*doc, board, ui, profile, [&] {
        EXPECT_EQ(doc->BlocksBuilt, 0);
        ++edits;
    });
    ASSERT_TRUE(outcome.has_value());
    EXPECT_TRUE(outcome->built);
    EXPECT_EQ(doc->BlocksBuilt, 1);
    EXPECT_EQ(edits, 2);
}

}  // namespace
