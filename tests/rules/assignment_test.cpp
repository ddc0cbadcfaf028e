// The assignment engine on real months: hard limits, the planner's questions, what a placement
// or a removal changes in the whole document, and the who's-legal trial.
#include <gtest/gtest.h>

#include "engine_month.h"
#include "recording_log.h"
#include "rules/assignment.h"

namespace lw::rules {
namespace {

using platform::Answer;
using test::Changes;
using test::FakeInteraction;
using test::Lines;
using Calls = std::vector<FakeInteraction::Call>;

Calls Asked(const std::string& title, const std::string& text) { return {{FakeInteraction::Kind::Ask, title, text}}; }
Calls ShortRest(const std::string& texts) {
    return texts.empty() ? Calls{}
                         : Asked("Linewright", "This Assignment Provides Only " + texts + ".  Do You want to Assign It Anyway");
}

enum class Before { Trip, DayOff, DutyDay };

TEST(AssignPairRest, LimitsWarningsClockChangesAndWhoIsAsked) {
    struct Case {
        const char* name;
        int32_t report, release;  // the new pairing, the day after work ending 18:00
        int expected;
        const char* rest;         // the short rests asked about
        int8_t group = model::kFirstOfficers;
        int month = 4, firstDay = 1, heldDay = 4;
        Before before = Before::Trip;
        bool laterTrip = false;   // a trip at 05:00 the day after
        bool openLine = false;    // employee number 0
        bool shift = false;
        Answer answer = Answer::Yes;
    };
    constexpr int8_t kFo = model::kFirstOfficers;
    constexpr int8_t kFa = model::kFlightAttendants;
    const Before trip = Before::Trip;
    const Case cases[] = {
        {"pilots at 11:00", 300, 1000, kAssignDone, " 11:00 Crew Rest Before "},
        {"pilots at 10:59", 299, 1000, kAssignDayTaken, ""},
        {"cabin at 10:00", 240, 1000, kAssignDone, " 10:00 Crew Rest Before ", kFa},
        {"cabin at 9:59", 239, 1000, kAssignDayTaken, "", kFa},
        {"11:59 is short", 359, 1000, kAssignDone, " 11:59 Crew Rest Before "},
        {"12:00 is not", 360, 1000, kAssignDone, ""},
        {"after at 11:00", 600, 1080, kAssignDone, " 11:00 Crew Rest After ", kFo, 4, 1, 4, trip, true},
        {"after at 10:59", 600, 1081, kAssignDayTaken, "", kFo, 4, 1, 4, trip, true},
        {"both, No", 300, 1080, kAssignDayTaken, " 11:00 Crew Rest Before  11:00 Crew Rest After ", kFo, 4, 1, 4, trip,
         true, false, false, Answer::No},
        {"day off before", 300, 1000, kAssignDone, "", kFo, 4, 1, 4, Before::DayOff},
        {"duty day before", 300, 1000, kAssignDone, " 11:00 Crew Rest Before ", kFo, 4, 1, 4, Before::DutyDay},
        {"open line", 300, 1000, kAssignDone, "", kFo, 4, 1, 4, trip, false, true},
        {"Shift at 7 hours", 60, 1000, kAssignDone, "", kFo, 4, 1, 4, trip, false, false, true},
        // 8 March 2026 at 02:00 clocks go forward: a 05:00 report counts as 04:00.
        {"spring 05:00", 300, 1000, kAssignDayTaken, "", kFo, 3, 1, 6},
        {"spring 06:00", 360, 1000, kAssignDone, " 11:00 Crew Rest Before ", kFo, 3, 1, 6},
        // 1 November 2026 at 02:00 clocks go back: the night before it gains an hour.
        {"autumn", 480, 1080, kAssignDone, "", kFo, 10, 20, 10, trip, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto doc = test::MakeMonth(c.group, c.firstDay, c.month);
        const int crew = test::AddCrew(*doc, "ADAMS, ANN");
        if (c.openLine) doc->Crew[0].EmployeeNumber = 0;
        const int day = c.heldDay + 1;
        if (c.before == Before::Trip) test::Hold(*doc, crew, test::AddPairing(*doc, {.number = 1001}, {c.heldDay}), c.heldDay);
        if (c.before == Before::DayOff) test::PutActivity(*doc, crew, c.heldDay, "GO ", 1080, 0, false);
        if (c.before == Before::DutyDay) test::PutActivity(*doc, crew, c.heldDay, "OF ", 480, 600, true);
        if (c.laterTrip) test::Hold(*doc, crew, test::AddPairing(*doc, {.number = 1003, .report = 300}, {day + 1}), day + 1);
        const int pair = test::AddPairing(*doc, {.number = 1002, .report = c.report, .release = c.release}, {day});
        test::Settle(*doc);
        Board board;
        FakeInteraction ui;
        ui.answers = {c.answer};
        const std::string before = test::Snapshot(*doc);

        EXPECT_EQ(AssignPair(*doc, board, ui, crew, pair, day, c.shift), c.expected);

        EXPECT_EQ(ui.calls, ShortRest(c.rest));
        if (c.expected == kAssignDone) {
            EXPECT_EQ(doc->Crew[0].DayAssignment[static_cast<size_t>(day)], pair);
        } else {
            EXPECT_EQ(test::Snapshot(*doc), before);
        }
    }
}

TEST(AssignPairRest, PlacementChangesExactlyTheBlockThePairingAndTheHistory) {
    auto doc = test::MakeMonth(model::kCaptains);
    test::RecordingLog log;
    doc->RunLog = &log;
    const int crew = test::AddCrew(*doc, "JONES, JO");
    const int pair = test::AddPairing(*doc, {.number = 8101, .dailyCredit = 330}, {3, 4});
    test::AddPairing(*doc, {.number = 8102, .length = 2}, {29});
    doc->Pairings[static_cast<size_t>(pair)].DayStatus[3] = -1;  // two-captain mark
    test::Settle(*doc);
    Board board;
    board.Selected = {pair, 3, 17};
    FakeInteraction ui;
    const model::TPair open = doc->Pairings[static_cast<size_t>(pair)];
    const std::string before = test::Dump(*doc);

    ASSERT_EQ(AssignPair(*doc, board, ui, crew, pair, 3, false), kAssignDone);

    EXPECT_EQ(Changes(before, test::Dump(*doc)),
              (Lines{"-history 0", "+history 1", "+action 0 assign day 3 crew 0 pair 0", "-" + test::StatusLine(open),
                     "+" + test::StatusLine(open, 3, -2), "-" + test::Credits(0, 0), "+" + test::Credits(5, 30),
                     "+" + test::PairCell(3, pair)}));
    EXPECT_TRUE(doc->Modified);
    EXPECT_EQ(log.Text(), "AssignPair 8101 to JONES, JO on 4\n");
    EXPECT_EQ(board.Selected, PairingPick{});
    EXPECT_EQ(board.LastAssigned, (PairingPick{pair, 3, 17}));
    EXPECT_EQ(OpenTimeText(board.OpenTime), "0010:30");  // 8101 on the 5th, 8102's first day on the 30th
    EXPECT_EQ(ui.calls, Calls{});
    doc->RunLog = nullptr;
}

TEST(AssignPairRefusals, HardLimitsAndTheReserveQuestion) {
    auto doc = test::MakeMonth(model::kCaptains);
    const int crew = test::AddCrew(*doc, "GRANT, GUS");
    const int other = test::AddCrew(*doc, "HILL, HAL");
    const int pair = test::AddPairing(*doc, {.number = 1001}, {3, 7, 10});
    test::PutActivity(*doc, crew, 7, "VAC", 720, 240, false);
    test::Hold(*doc, other, pair, 10);
    doc->Pairings[static_cast<size_t>(pair)].DayStatus[30] = 1;  // a status past the month's last day
    test::Settle(*doc);
    const std::string before = test::Snapshot(*doc);
    struct Case {
        int crew, pair, day, expected;
    };
    const Case cases[] = {{crew, pair, 7, kAssignDayTaken},     {crew, pair, 4, kAssignNotOperating},
                          {crew, pair, 10, kAssignAlreadyTaken}, {-1, pair, 3, kAssignCrewOutOfRange},
                          {2, pair, 3, kAssignCrewOutOfRange},   {crew, -1, 3, kAssignPairOutOfRange},
                          {crew, 1, 3, kAssignPairOutOfRange},   {crew, pair, -1, kAssignNotOperating},
                          {crew, pair, 30, kAssignNotOperating}, {crew, pair, 62, kAssignNotOperating}};
    FakeInteraction ui;
    Board board;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.crew << " " << c.pair << " " << c.day);
        EXPECT_EQ(AssignPair(*doc, board, ui, c.crew, c.pair, c.day, false), c.expected);
        EXPECT_EQ(test::Snapshot(*doc), before);
    }
    EXPECT_EQ(ui.calls, Calls{});

    // A reserve bidder is asked even with Shift held; No changes nothing.
    doc->Crew[0].BidsReserve = true;
    const std::string reserve = test::Snapshot(*doc);
    ui.answers = {Answer::No, Answer::Yes};
    bool declined = false;
    EXPECT_EQ(AssignPair(*doc, board, ui, crew, pair, 3, true, &declined), kAssignReserveDeclined);
    EXPECT_TRUE(declined);
    EXPECT_EQ(test::Snapshot(*doc), reserve);
    EXPECT_EQ(AssignPair(*doc, board, ui, crew, pair, 3, true, &declined), kAssignDone);
    EXPECT_FALSE(declined);
    const Calls question = Asked("", "Employee Bidding Reserve. Do you want to assign this pairing anyways");
    EXPECT_EQ(ui.calls, (Calls{question[0], question[0]}));

}

TEST(AssignPairFrench, OneCabinMemberMustBeFrench) {
    const std::string junior =
        "Employee MIDDLE, MAX is not French Qualified and is the Junior Cabin Member. One Cabin Member must be French "
        "for this pairing. Do you want to assign it anyway";
    const std::string senior =
        "Employee MIDDLE, MAX is not French Qualified and is Senior to JUNIOR, JAY. One Cabin Member must be French for "
        "this pairing. Do you want to assign it anyway";
    struct Case {
        const char* name;
        int positions;  // cabin positions of trip 2001; MIDDLE takes the last
        int holder;     // row holding the first, -1 none
        int holderLanguage, candidateLanguage;
        std::string question;
        std::string text = "FRENCH PAIRING";
        bool shift = false;
        Answer answer = Answer::Yes;
    };
    const Case cases[] = {
        {"senior non-French holder", 2, 0, 0, 0, junior},
        {"junior non-French holder", 2, 2, 0, 0, senior},
        {"French holder", 2, 0, 1, 0, ""},
        {"French candidate", 2, 0, 0, 3, ""},
        {"a position still open", 3, 2, 0, 0, ""},
        {"the only position", 1, -1, 0, 0, junior},
        {"not a French pairing", 2, 0, 0, 0, "", "YYZ YUL"},
        {"Shift held", 2, 0, 0, 0, "", "FRENCH PAIRING", true},
        {"No", 2, 0, 0, 0, junior, "FRENCH PAIRING", false, Answer::No},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto doc = test::MakeMonth(model::kFlightAttendants);
        for (const char* name : {"SENIOR, SUE", "MIDDLE, MAX", "JUNIOR, JAY"}) test::AddCrew(*doc, name);
        std::vector<int> positions;
        for (int i = 0; i < c.positions; ++i) positions.push_back(test::AddPairing(*doc, {.number = 2001, .text = c.text}, {3}));
        test::AddPairing(*doc, {.number = 2001, .text = c.text, .base = 'Y'}, {3});  // another base's trip
        if (c.holder >= 0) test::Hold(*doc, c.holder, positions[0], 3);
        if (c.holder >= 0) doc->Crew[static_cast<size_t>(c.holder)].LanguageBits = c.holderLanguage;
        doc->Crew[1].LanguageBits = c.candidateLanguage;
        test::Settle(*doc);
        Board board;
        FakeInteraction ui;
        ui.answers = {c.answer};
        const std::string before = test::Snapshot(*doc);

        const int result = AssignPair(*doc, board, ui, 1, positions.back(), 3, c.shift);

        EXPECT_EQ(ui.calls, c.question.empty() ? Calls{} : Asked("Linewright", c.question));
        if (c.answer == Answer::No) {
            EXPECT_EQ(result, kAssignDayTaken);
            EXPECT_EQ(test::Snapshot(*doc), before);
            continue;
        }
        EXPECT_EQ(result, kAssignDone);
        for (int r = 0; r < 3; ++r) EXPECT_EQ(doc->Crew[static_cast<size_t>(r)].RulesChecked, 1);
    }
}

TEST(RemovePair, SendsThePairingBackToOpenTimeOrRefuses) {
    auto doc = test::MakeMonth(model::kFirstOfficers);
    test::RecordingLog log;
    doc->RunLog = &log;
    const int crew = test::AddCrew(*doc, "KING, KAY");
    const int pair = test::AddPairing(*doc, {.number = 1001}, {3, 5});
    const int other = test::AddPairing(*doc, {.number = 1002}, {3});
    test::Hold(*doc, crew, pair, 3);
    doc->Crew[0].DayLocked[3] = 1;
    doc->Pairings[static_cast<size_t>(pair)].DayStatus[3] = -2;
    doc->Crew[0].DayAssignment[5] = pair;  // a damaged block: open that day
    doc->Crew[0].DayAssignment[9] = pair;  // and not operating that day
    test::Settle(*doc);
    const std::string damaged = test::Snapshot(*doc);
    Board board;
    struct Case {
        int crew, pair, day, expected;
    };
    for (const Case& c : {Case{crew, pair, 4, kAssignDayTaken}, Case{crew, other, 3, kAssignDayTaken},
                          Case{crew, pair, 5, kAssignAlreadyTaken}, Case{crew, pair, 9, kAssignNotOperating},
                          Case{1, pair, 3, kAssignCrewOutOfRange}, Case{crew, 2, 3, kAssignPairOutOfRange},
                          Case{crew, pair, 62, kAssignDayTaken}}) {
        SCOPED_TRACE(testing::Message() << c.crew << " " << c.pair << " " << c.day);
        EXPECT_EQ(RemovePair(*doc, board, c.crew, c.pair, c.day), c.expected);
        EXPECT_EQ(test::Snapshot(*doc), damaged);
    }

    board.Selected = {pair, 3, 4};
    const model::TPair taken = doc->Pairings[static_cast<size_t>(pair)];
    const std::string before = test::Dump(*doc);
    EXPECT_EQ(RemovePair(*doc, board, crew, pair, 3), kAssignDone);
    EXPECT_EQ(Changes(before, test::Dump(*doc)),
              (Lines{"-history 0", "+history 1", "+action 0 remove day 3 crew 0 pair 0", "-" + test::StatusLine(taken),
                     "+" + test::StatusLine(taken, 3, -1), "-" + test::Credits(15, 0), "-" + test::PairCell(3, pair, 1),
                     "+" + test::Credits(10, 0)}));
    EXPECT_TRUE(doc->Modified);
    EXPECT_EQ(board.Selected, PairingPick{});
    EXPECT_EQ(board.LastAssigned, (PairingPick{pair, 3, 4}));
    EXPECT_EQ(log.Text(), "Remove Pair 1001 from KING, KAY on 4\n");
    doc->RunLog = nullptr;
}

TEST(TrialAssign, JudgesEveryMemberWithoutChangingAnything) {
    auto doc = test::MakeMonth(model::kFirstOfficers);
    for (const char* name : {"FREE", "RESERVE", "TIRED", "BUSY", "OFF", "DUTY", "LATE", "HOLDER", "STRICT"})
        test::AddCrew(*doc, name);
    doc->Crew[1].BidsReserve = true;
    const int pair = test::AddPairing(*doc, {.number = 1001}, {5});                                  // 08:00-18:00
    const int overnight = test::AddPairing(*doc, {.number = 1004, .report = 1200, .release = 120, .length = 2}, {5});
    const int later = test::AddPairing(*doc, {.number = 1005, .report = 600}, {5});
    const int taken = test::AddPairing(*doc, {.number = 1003}, {5});
    test::Hold(*doc, 2, test::AddPairing(*doc, {.number = 1002, .report = 1200, .release = 1380}, {4}), 4);  // 9 h before
    test::PutActivity(*doc, 3, 5, "VAC", 720, 240, false);
    test::PutActivity(*doc, 4, 6, "GO ", 720, 240, false);   // while the overnight trip is still away
    test::PutActivity(*doc, 5, 6, "OF ", 299, 480, true);    // 10:59 after an 18:00 release
    doc->Crew[6].LegalCheckIn = 5 * 1440 + 481;
    test::Hold(*doc, 7, taken, 5);
    // STRICT flies a trip needing 15 hours of rest, then 08:00 is 14 hours later.
    const int longRest = test::AddPairing(*doc, {.number = 1006}, {4});
    doc->Pairings[static_cast<size_t>(longRest)].RestAfter = 900;
    test::Hold(*doc, 8, longRest, 4);
    test::Settle(*doc);
    const std::string before = test::Snapshot(*doc);

    const std::vector<int> expected = {kTrialLegal,   kTrialRefused, kTrialRefused, kTrialRefused, kTrialLegal,
                                       kTrialRefused, kTrialRefused, kTrialRefused, kTrialException};
    for (int c = 0; c < 9; ++c) EXPECT_EQ(TrialAssign(*doc, c, pair, 5), expected[static_cast<size_t>(c)]) << c;
    EXPECT_EQ(TrialAssign(*doc, 8, later, 5), kTrialLegal);
    EXPECT_EQ(TrialAssign(*doc, 4, overnight, 5), kTrialRefused);
    // Who holds the instance is Assign's concern, not the trial's.
    EXPECT_EQ(TrialAssign(*doc, 0, taken, 5), kTrialLegal);
    EXPECT_EQ(TrialAssign(*doc, 0, pair, 30), kTrialRefused);
    EXPECT_EQ(TrialAssign(*doc, 9, pair, 5), kTrialRefused);
    EXPECT_EQ(Changes(before, test::Snapshot(*doc)), Lines{});
    EXPECT_EQ(doc->Crew[999].Name, "");
}

}  // namespace
}  // namespace lw::rules
