// The planner's mouse on the block grid, on real months: click assignment and its backup
// reminder, drag-and-drop moves, locks, painting, right-click removals, the activity details
// of a day, the quick employee flags and the crew balance per day.
#include <gtest/gtest.h>

#include "engine_month.h"
#include "recording_log.h"
#include "rules/gestures.h"

namespace lw::rules {
namespace {

using platform::Answer;
using test::Changes;
using test::FakeInteraction;
using test::Lines;
using Call = FakeInteraction::Call;
using Calls = std::vector<Call>;

constexpr const char* kAsk = FakeInteraction::Kind::Ask;
const Keys kNone{};
const Keys kShift{true, false};
const Keys kCtrl{false, true};
const char* const kReminder =
    "You have assigned a lot of pairings without backing up your work. You should select Backup from the File menu to "
    "Backup the Current file to an external device such as a USB memory stick. This message may be disabled in Setup "
    "Preferences.";

model::ToolboxButton Button(const model::Document& doc, const std::string& label) {
    for (const model::ToolboxButton& b : model::BuildToolbox(doc).buttons)
        if (b.label == label) return b;
    ADD_FAILURE() << "no toolbox button " << label;
    return {};
}

// First officers' April: ADAMS holds 1001 on day 3, BAKER is free; 1001 is open on day 12.
struct Grid {
    std::unique_ptr<model::Document> doc = test::MakeMonth(model::kFirstOfficers);
    Board board;
    FakeInteraction ui;
    int adams = test::AddCrew(*doc, "ADAMS, ANN");
    int baker = test::AddCrew(*doc, "BAKER, BEN");
    int pseudo = test::AddCrew(*doc, "CAPTAIN PAIRINGS", -1);
    int pair = test::AddPairing(*doc, {.number = 1001}, {3, 12});
    explicit Grid(void (*setUp)(Grid&) = nullptr) {
        test::Hold(*doc, adams, pair, 3);
        if (setUp) setUp(*this);
        test::Settle(*doc);
    }
    GridOutcome Click(GridGestures& g, int crew, int day, Keys keys = {}) {
        g.LeftDown(crew, day, keys);
        return g.LeftUp(crew, day, keys);
    }
};

TEST(GestureClick, FreeDayTakesTheSelectedPairingCellsOpenTheirDialogs) {
    Grid b([](Grid& g) { test::PutActivity(*g.doc, g.baker, 6, "VAC", 720, 240, false); });
    GridGestures grid(*b.doc, b.board, b.ui);
    const auto balance = grid.Balance();
    b.board.Selected = {b.pair, 12, 0};
    const model::TPair open = b.doc->Pairings[0];
    const std::string before = test::Dump(*b.doc);

    EXPECT_EQ(b.Click(grid, b.pseudo, 12), GridOutcome{});  // no click assignment on a pseudo line
    EXPECT_EQ(b.Click(grid, b.baker, 12), (GridOutcome{GridEffect::Assigned, GridDialog::None, 0, b.baker, 12, b.pair}));

    EXPECT_EQ(Changes(before, test::Dump(*b.doc)),
              (Lines{"-history 0", "+history 1", "+action 0 assign day 12 crew 1 pair 0", "-" + test::StatusLine(open),
                     "+" + test::StatusLine(open, 12, 2), "-" + test::Credits(0, 0), "+" + test::Credits(5, 0),
                     "+" + test::PairCell(12, b.pair)}));
    EXPECT_EQ(b.doc->AssignsSinceBackup, 1);
    EXPECT_EQ(b.board.LastAssigned, (PairingPick{b.pair, 12, 0}));
    EXPECT_NE(grid.Balance(), balance);
    EXPECT_EQ(grid.Balance(), CrewBalance(*b.doc));

    const std::string after = test::Snapshot(*b.doc);
    b.board.Selected = {b.pair, 3, 0};  // taken: refused, and not counted
    EXPECT_EQ(b.Click(grid, b.baker, 3), (GridOutcome{GridEffect::AssignRefused, GridDialog::None, 3, b.baker, 3, b.pair}));
    EXPECT_EQ(b.Click(grid, b.adams, 3), (GridOutcome{GridEffect::Dialog, GridDialog::PairingText, -1, b.adams, 3, b.pair}));
    EXPECT_EQ(b.Click(grid, b.baker, 6), (GridOutcome{GridEffect::Dialog, GridDialog::ActivityDetails, -1, b.baker, 6, -1}));
    EXPECT_EQ(b.Click(grid, b.baker, -2), (GridOutcome{GridEffect::Dialog, GridDialog::ActivityDetails, -1, b.baker, -2, -1}));
    EXPECT_EQ(b.Click(grid, 7, 12), GridOutcome{});  // below the roster
    EXPECT_EQ(test::Snapshot(*b.doc), after);
    EXPECT_EQ(b.doc->AssignsSinceBackup, 1);
    EXPECT_EQ(b.ui.calls, Calls{});
}

TEST(GestureClick, The81stClickAssignmentRemindsOfTheBackup) {
    for (const bool remind : {true, false}) {
        SCOPED_TRACE(remind);
        auto doc = test::MakeMonth(model::kFirstOfficers);
        std::vector<int> days(30);
        for (int d = 0; d < 30; ++d) days[static_cast<size_t>(d)] = d;
        for (int i = 0; i < 6; ++i) {
            test::AddCrew(*doc, "CREW " + std::to_string(i));
            test::AddPairing(*doc, {.number = 2000 + i, .dailyCredit = 60}, days);
        }
        Board board;
        FakeInteraction ui;
        GridGestures grid(*doc, board, ui, {true, remind});
        std::vector<int> remindedAt;
        for (int n = 1; n <= 162; ++n) {
            const int crew = (n - 1) / 30, day = (n - 1) % 30;
            board.Selected = {crew, day, 0};  // each member's own pairing, made in row order
            grid.LeftDown(crew, day, kNone);
            ASSERT_EQ(grid.LeftUp(crew, day, kNone).effect, GridEffect::Assigned) << n;
            if (!ui.calls.empty()) {
                remindedAt.push_back(n);
                EXPECT_EQ(ui.calls, (Calls{{FakeInteraction::Kind::Message, "Linewright", kReminder}}));
            }
            ui.calls.clear();
            if (n == 80 || n == 81) {
                EXPECT_EQ(doc->AssignsSinceBackup, n == 80 ? 80 : 0);
            }
        }
        EXPECT_EQ(remindedAt, (remind ? std::vector<int>{81, 162} : std::vector<int>{}));
    }
}

TEST(GestureDrag, MovesToAnotherRowOnTheSameDay) {
    Grid b;
    GridGestures grid(*b.doc, b.board, b.ui);
    const std::string before = test::Dump(*b.doc);
    EXPECT_EQ(grid.LeftDown(b.pseudo, 12, kNone), GridOutcome{});  // nothing there to drag
    EXPECT_EQ(grid.LeftDown(b.adams, 3, kNone), (GridOutcome{GridEffect::DragStarted, GridDialog::None, -1, b.adams, 3, b.pair}));
    EXPECT_EQ(grid.LeftUp(b.baker, 20, kNone), (GridOutcome{GridEffect::Moved, GridDialog::None, 0, b.baker, 3, b.pair}));
    EXPECT_EQ(Changes(before, test::Dump(*b.doc)),
              (Lines{"-history 0", "+history 2", "+action 0 assign day 3 crew 1 pair 0",
                     "+action 1 remove day 3 crew 0 pair 0", "-" + test::Credits(5, 0), "-" + test::PairCell(3, b.pair),
                     "+" + test::Credits(0, 0), "-" + test::Credits(0, 0), "+" + test::Credits(5, 0),
                     "+" + test::PairCell(3, b.pair)}));
    EXPECT_EQ(b.ui.calls, Calls{});
    EXPECT_EQ(b.doc->AssignsSinceBackup, 0);
}

TEST(GestureDrag, ALockedPairingOrOneTheTargetCannotTakeStaysPut) {
    struct Case {
        const char* name;
        void (*setUp)(Grid&);
        Calls calls;
    };
    const Case cases[] = {
        {"locked", [](Grid& g) { g.doc->Crew[0].DayLocked[3] = 1; },
         {{FakeInteraction::Kind::Message, "Linewright", "Can't Drag a Locked in Pairing"}}},
        {"day taken", [](Grid& g) { test::PutActivity(*g.doc, g.baker, 3, "VAC", 720, 240, false); },
         {{FakeInteraction::Kind::Beep, "", ""}}},
        {"No to the rest question",  // BAKER released 21:00 the evening before
         [](Grid& g) { test::Hold(*g.doc, g.baker, test::AddPairing(*g.doc, {.number = 1002, .report = 600, .release = 1260}, {2}), 2); },
         {{kAsk, "Linewright", "This Assignment Provides Only  11:00 Crew Rest Before .  Do You want to Assign It Anyway"},
          {FakeInteraction::Kind::Beep, "", ""}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Grid b(c.setUp);
        b.ui.answers = {Answer::No};
        b.doc->History.Record(b.adams, b.pair, 3, model::History::kAssigned);
        b.board.Selected = {b.pair, 12, 4};
        GridGestures grid(*b.doc, b.board, b.ui);
        const std::string before = test::Snapshot(*b.doc);
        grid.LeftDown(b.adams, 3, kNone);
        const GridOutcome out = grid.LeftUp(b.baker, 3, kNone);
        EXPECT_EQ(out.effect, b.doc->Crew[0].DayLocked[3] ? GridEffect::LockedNoDrag : GridEffect::MovedBack);
        EXPECT_EQ(out.crew, b.adams);
        EXPECT_EQ(b.ui.calls, c.calls);
        EXPECT_EQ(test::Snapshot(*b.doc), before);
        EXPECT_EQ(b.board.Selected, (PairingPick{b.pair, 12, 4}));
    }
}

TEST(GesturePaint, LocksActivitiesAndRequestsGoOnTheirDays) {
    Grid b([](Grid& g) { test::Hold(*g.doc, g.baker, test::AddPairing(*g.doc, {.number = 3001, .length = 3}, {8}), 8); });
    GridGestures grid(*b.doc, b.board, b.ui);
    const std::string before = test::Dump(*b.doc);

    EXPECT_EQ(grid.LeftDown(b.adams, 3, kCtrl), (GridOutcome{GridEffect::LockToggled, GridDialog::None, -1, b.adams, 3, b.pair}));
    EXPECT_EQ(grid.LeftUp(b.adams, 3, kCtrl), GridOutcome{});  // no pairing text after a lock
    grid.ChooseTool(Button(*b.doc, "VAC"));
    EXPECT_EQ(b.Click(grid, b.baker, 9), (GridOutcome{GridEffect::Covered, GridDialog::None, -1, b.baker, 9, -1}));
    EXPECT_EQ(b.Click(grid, b.baker, 10).effect, GridEffect::Painted);  // the trip's last day
    grid.ChooseTool(Button(*b.doc, "RB"));
    EXPECT_EQ(b.Click(grid, b.baker, 11).effect, GridEffect::Painted);
    grid.ChooseTool(Button(*b.doc, "X3"));
    EXPECT_EQ(b.Click(grid, b.baker, 13).effect, GridEffect::RequestMarked);
    EXPECT_EQ(b.Click(grid, b.baker, 14).effect, GridEffect::RequestMarked);
    EXPECT_EQ(b.Click(grid, b.baker, 14).effect, GridEffect::RequestCleared);
    EXPECT_EQ(b.Click(grid, b.pseudo, 13), GridOutcome{});

    auto cell = [](int day, int assignment, int request, const char* code, const char* extract, const char* values) {
        char buf[300];
        std::snprintf(buf, sizeof buf,
                      "  cell %d assignment %d request %d locked 0 code \"%s\" extract \"%s\" text \"\" activity %s prev 0 0 "
                      "0 0 0 0 0 0 0 0",
                      day, assignment, request, code, extract, values);
        return std::string(buf);
    };
    EXPECT_EQ(Changes(before, test::Dump(*b.doc)),
              (Lines{"-" + test::PairCell(3, b.pair), "+" + test::PairCell(3, b.pair, 1), "-" + test::Credits(15, 0),
                     "+" + test::Credits(17, 50), "+" + cell(10, -2, 0, "VAC", "VC", "720 240 170 0 0 0 0 0 0 0"),
                     "+" + cell(11, -2, 0, "RB", "RB", "720 840 0 0 1 1 0 1 0 0"),
                     "+" + cell(13, -1, 3, "", "", "0 0 0 0 0 0 0 0 0 0")}));
    EXPECT_TRUE(b.doc->Modified);
    EXPECT_EQ(grid.LeftDown(b.adams, 3, kCtrl).effect, GridEffect::LockToggled);
    EXPECT_EQ(b.doc->Crew[0].DayLocked[3], 0);
    EXPECT_EQ(b.ui.calls, Calls{});
}

TEST(GestureRightClick, RemovesAPairingAfterItsQuestions) {
    const std::string confirm =
        "Confirm remove V1001 from ADAMS, ANN. Hold Ctrl Key down while Right Clicking to avoid this message";
    const std::string locked = "Do you want to Send it to Open anyway";
    struct Case {
        const char* name;
        bool lock;
        Keys keys;
        bool holdCtrl;
        std::vector<Answer> answers;
        Calls asked;
        bool removed;
    };
    const Case cases[] = {
        {"confirmed", false, kNone, true, {Answer::Yes}, {{kAsk, "Linewright", confirm}}, true},
        {"not confirmed", false, kNone, true, {Answer::No}, {{kAsk, "Linewright", confirm}}, false},
        {"Ctrl held", false, kCtrl, true, {}, {}, true},
        {"no confirmation wanted", false, kNone, false, {}, {}, true},
        {"locked, kept", true, kCtrl, true, {Answer::No}, {{kAsk, "This Pairing is Locked In", locked}}, false},
        {"locked, then not confirmed", true, kNone, true, {Answer::Yes, Answer::No},
         {{kAsk, "This Pairing is Locked In", locked}, {kAsk, "Linewright", confirm}}, false},
        {"locked, sent to open", true, kNone, true, {Answer::Yes, Answer::Yes},
         {{kAsk, "This Pairing is Locked In", locked}, {kAsk, "Linewright", confirm}}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Grid b;
        test::RecordingLog log;
        b.doc->RunLog = &log;
        b.doc->Crew[0].DayLocked[3] = c.lock ? 1 : 0;
        b.ui.answers.assign(c.answers.begin(), c.answers.end());
        GridGestures grid(*b.doc, b.board, b.ui, {c.holdCtrl, true});
        const std::string before = test::Snapshot(*b.doc);
        const std::string dump = test::Dump(*b.doc);
        const model::TPair taken = b.doc->Pairings[0];

        const GridOutcome out = grid.RightClick(b.adams, 3, c.keys);

        EXPECT_EQ(b.ui.calls, c.asked);
        if (!c.removed) {
            EXPECT_EQ(out.effect, GridEffect::Declined);
            EXPECT_EQ(test::Snapshot(*b.doc), before);
            EXPECT_EQ(log.Text(), "");
        } else {
            EXPECT_EQ(out, (GridOutcome{GridEffect::Removed, GridDialog::None, -1, b.adams, 3, b.pair}));
            EXPECT_EQ(Changes(dump, test::Dump(*b.doc)),
                      (Lines{"-history 0", "+history 1", "+action 0 remove day 3 crew 0 pair 0",
                             "-" + test::StatusLine(taken), "+" + test::StatusLine(taken, 3, 1), "-" + test::Credits(5, 0),
                             "-" + test::PairCell(3, b.pair, c.lock ? 1 : 0), "+" + test::Credits(0, 0)}));
            EXPECT_EQ(log.Text(), "RemovePair 1001 ADAMS, ANN 4 RC\n");
            EXPECT_EQ(b.board.OpenTime, 600);
        }
        b.doc->RunLog = nullptr;
    }
}

TEST(GestureRightClick, ActivitiesFreeDaysNamesAndPseudoLines) {
    const std::string confirm =
        "Confirm remove VAC from BAKER, BEN. Hold Shift Key down while Right Clicking to avoid this message";
    for (const Keys keys : {kNone, kShift}) {
        Grid b([](Grid& g) { test::PutActivity(*g.doc, g.baker, 6, "VAC", 720, 240, false, 170); });
        b.ui.answers = {Answer::No, Answer::Yes};
        GridGestures grid(*b.doc, b.board, b.ui);
        const std::string before = test::Snapshot(*b.doc);
        const std::string dump = test::Dump(*b.doc);
        if (!keys.shift) {
            EXPECT_EQ(grid.RightClick(b.baker, 6, keys).effect, GridEffect::Declined);
            EXPECT_EQ(test::Snapshot(*b.doc), before);
        }
        EXPECT_EQ(grid.RightClick(b.baker, 6, keys), (GridOutcome{GridEffect::Removed, GridDialog::None, -1, b.baker, 6, -1}));
        EXPECT_EQ(b.ui.calls, keys.shift ? Calls{} : (Calls{{kAsk, "Linewright", confirm}, {kAsk, "Linewright", confirm}}));
        EXPECT_EQ(Changes(dump, test::Dump(*b.doc)),
                  (Lines{"-" + test::Credits(2, 50),
                         "-  cell 6 assignment -2 request 0 locked 0 code \"VAC\" extract \"VA\" text \"\" activity 720 "
                         "240 170 0 0 0 0 0 0 0 prev 0 0 0 0 0 0 0 0 0 0",
                         "+" + test::Credits(0, 0)}));
    }
    Grid b([](Grid& g) { test::Hold(*g.doc, g.pseudo, g.pair, 12); });
    GridGestures grid(*b.doc, b.board, b.ui);
    const std::string before = test::Snapshot(*b.doc);
    EXPECT_EQ(grid.RightClick(b.baker, 3, kNone), (GridOutcome{GridEffect::Dialog, GridDialog::QuickEmployeeInfo, -1, b.baker, 3, -1}));
    EXPECT_EQ(grid.RightClickName(b.baker), (GridOutcome{GridEffect::Dialog, GridDialog::MoveOnRoster, -1, b.baker, -1, -1}));
    EXPECT_EQ(grid.RightClickName(b.pseudo), GridOutcome{});
    EXPECT_EQ(grid.RightClick(b.pseudo, 12, kNone), GridOutcome{});
    EXPECT_EQ(test::Snapshot(*b.doc), before);
}

TEST(GestureRightClick, RemovingACabinMemberJudgesTheRestOfTheCabinAgain) {
    auto doc = test::MakeMonth(model::kFlightAttendants);
    test::AddCrew(*doc, "SENIOR, SUE");
    test::AddCrew(*doc, "JUNIOR, JAY");
    for (int row : {0, 1}) test::Hold(*doc, row, test::AddPairing(*doc, {.number = 2001, .text = "FRENCH PAIRING"}, {3}), 3);
    test::Settle(*doc);
    ASSERT_NE(doc->Crew[1].IllegalText.find("French Pair"), std::string::npos);
    Board board;
    FakeInteraction ui;
    GridGestures grid(*doc, board, ui);
    EXPECT_EQ(grid.RightClick(0, 3, kCtrl).effect, GridEffect::Removed);
    EXPECT_EQ(doc->Crew[1].IllegalText, "");
}

TEST(GestureDetails, OneActivityDayIsShownAndStoredLastMonthsIsOnlyShown) {
    Grid b([](Grid& g) {
        test::PutActivity(*g.doc, g.baker, 5, "OF ", 480, 510, true, 270);
        g.doc->Crew[1].DayText[29] = "RB ";
        g.doc->Crew[1].PrevDayData[29] = {300, 900, 360, 600, 330, 120, 2, 0, 1, 0};
    });
    GridGestures grid(*b.doc, b.board, b.ui);
    const ActivityDetails shown = ReadActivityDetails(*b.doc, b.baker, 5);
    EXPECT_EQ(shown, (ActivityDetails{"BAKER, BEN Assignment Details", "Apr 6", "OF ", "OF", "08:00", "08:30", "04:30",
                                      "00:00", false, true, false, false, false}));
    EXPECT_EQ(ReadActivityDetails(*b.doc, b.baker, -2),
              (ActivityDetails{"BAKER, BEN Assignment Details", "30 3 2026", "RB ", "", "06:00", "10:00", "05:30", "02:00",
                               true, true, false, true, true}));
    struct Case {
        const char *start, *atWork, *credit, *hard;
        model::DayValues stored;
    };
    for (const Case& c : {Case{"07:15", "09:00", "30:00", "02:10", {435, 540, 1800, 130, 1, 0, 1, 0, 0, 0}},
                          Case{"07:75", "25:00", "ab", "24:00", {0, 0, 0, 0, 1, 0, 1, 0, 0, 0}}}) {
        SCOPED_TRACE(c.start);
        ActivityDetails edit = shown;
        edit.start = c.start, edit.atWork = c.atWork, edit.credit = c.credit, edit.hardTime = c.hard;
        edit.reserve = true, edit.containsDuty = false, edit.excludeCredit = true;
        b.doc->Modified = false;
        EXPECT_TRUE(grid.StoreActivityDetails(b.baker, 5, edit));
        EXPECT_EQ(b.doc->Crew[1].DayActivity[5], c.stored);
        EXPECT_TRUE(b.doc->Modified);
    }
    const std::string before = test::Snapshot(*b.doc);
    EXPECT_FALSE(grid.StoreActivityDetails(b.baker, -2, shown));
    EXPECT_FALSE(grid.StoreActivityDetails(b.adams, 3, shown));  // a pairing day has no details
    EXPECT_EQ(test::Snapshot(*b.doc), before);
}

TEST(GestureQuickInfo, StoresBothFlags) {
    Grid b;
    GridGestures grid(*b.doc, b.board, b.ui);
    const std::string before = test::Dump(*b.doc);
    grid.StoreQuickEmployeeInfo(b.baker, true, true);
    std::string zeros;
    for (int i = 0; i < 15; ++i) zeros += " 0";
    EXPECT_EQ(Changes(before, test::Dump(*b.doc)),
              (Lines{"-  settings 0 -1440 0 0 0" + zeros, "-" + test::Credits(0, 0), "+  settings 0 -1440 0 0 1" + zeros,
                     "+" + test::Credits(0, 0, 1)}));
    EXPECT_TRUE(b.doc->Modified);
    EXPECT_EQ(grid.Balance(), CrewBalance(*b.doc));
}

TEST(GestureBalance, OpenDaysAgainstLineHoldersWhoStillNeedWork) {
    auto doc = test::MakeMonth(model::kFirstOfficers);
    for (const char* name : {"NEEDS WORK", "BIDS RESERVE", "RESERVE LINE", "IN RANGE", "AT MINIMUM"}) test::AddCrew(*doc, name);
    doc->Crew[0].LegalCheckIn = 0;
    test::AddPairing(*doc, {.number = 1001, .length = 2}, {0, 10});
    test::AddPairing(*doc, {.number = 1002}, {29});
    test::Hold(*doc, 0, test::AddPairing(*doc, {.number = 1003, .length = 2}, {5}), 5);
    doc->Crew[0].DayFlagA[8] = 1;
    test::PutActivity(*doc, 0, 9, "VAC", 720, 240, false);
    doc->Crew[1].BidsReserve = true;
    doc->Crew[2].ReserveLine = 1;
    doc->Crew[3].CreditHours = 77;
    doc->Crew[4].CreditHours = 75;
    doc->Crew[4].LegalCheckIn = 2 * 1440 + 841;
    std::array<int32_t, model::kMonthDays> expected{0, 0, 1, 2, 2, 1, 1, 2, 1, 1, 1, 1};
    for (int d = 12; d < 29; ++d) expected[static_cast<size_t>(d)] = 2;
    expected[29] = 1;
    EXPECT_EQ(CrewBalance(*doc), expected);
}

}  // namespace
}  // namespace lw::rules
