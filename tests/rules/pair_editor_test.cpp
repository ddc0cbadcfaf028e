// The pairing editor on real months: what a stored correction changes in the whole document,
// the complaints that keep a pairing unchanged, and view mode keeping nothing.
#include <gtest/gtest.h>

#include "engine_month.h"
#include "rules/pair_editor.h"

namespace lw::rules {
namespace {

using platform::Answer;
using test::Changes;
using test::FakeInteraction;
using test::Lines;
using Calls = std::vector<FakeInteraction::Call>;

struct EditorMonth {
    std::unique_ptr<model::Document> doc = test::MakeMonth(model::kFirstOfficers);
    int king = test::AddCrew(*doc, "KING, KAY");
    int lake = test::AddCrew(*doc, "LAKE, LEE");
    int pair = test::AddPairing(*doc, {.number = 1001}, {3, 8, 12});
    int other = test::AddPairing(*doc, {.number = 1002}, {5});
    EditorMonth() {
        test::Hold(*doc, king, pair, 3);
        test::Hold(*doc, lake, pair, 8);
        test::Settle(*doc);
        doc->Modified = false;
    }
};

TEST(PairEditor, UncheckingAHeldDayTakesItFromItsHolderOnly) {
    EditorMonth m;
    FakeInteraction ui;
    Board board;
    PairEditor editor(*m.doc, board, ui, true, m.pair);
    EXPECT_EQ(editor.fields.timeOn, "08:00");
    EXPECT_EQ(editor.fields.timeOff, "18:00");
    EXPECT_EQ(editor.fields.number, "1001");
    EXPECT_EQ(editor.PositionText(), "1 of 2");
    EXPECT_EQ(editor.DayText(), "Day 1");

    const std::string before = test::Dump(*m.doc);
    editor.fields.days[8] = false;
    editor.fields.timeOn = "07:30";
    editor.fields.tafb = "010:30";
    ASSERT_TRUE(editor.Next());
    EXPECT_EQ(editor.Index(), m.other);
    EXPECT_EQ(ui.calls, (Calls{{FakeInteraction::Kind::Message, "Change made to Days of Operation!",
                                "Removing Pairing 1001 from LAKE, LEE"}}));
    const std::string was = "pair 0 number 1001 base-eqp \"V1\" type \"CA\" report ";
    const std::string rest = " valid 1 fatigue 720 rest-after 660 stamp 2461132";
    EXPECT_EQ(Changes(before, test::Dump(*m.doc)),
              (Lines{"-history 0", "-" + was + "480 release 1080 credit 300 length 1 tafb 600" + rest,
                     "-  status 0 0 0 2 0 0 0 0 2 0 0 0 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0", "+history 1",
                     "+action 0 remove day 8 crew 1 pair 0",
                     "+" + was + "450 release 1080 credit 300 length 1 tafb 630" + rest,
                     "+  status 0 0 0 2 0 0 0 0 0 0 0 0 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0",
                     "-" + test::Credits(5, 0), "-" + test::PairCell(8, m.pair), "+" + test::Credits(0, 0)}));
    EXPECT_TRUE(m.doc->Modified);
    // The undo knows the removal: it belongs to LAKE, the only holder on day 8.
    EXPECT_EQ(m.doc->Crew[static_cast<size_t>(m.king)].DayAssignment[3], m.pair);
}

TEST(PairEditor, ATakenDayNoBlockHoldsIsAnInternalErrorAndStillStopsOperating) {
    EditorMonth m;
    m.doc->Pairings[static_cast<size_t>(m.pair)].DayStatus[12] = -2;
    FakeInteraction ui;
    Board board;
    PairEditor editor(*m.doc, board, ui, true, m.pair);
    editor.fields.days[12] = false;
    ASSERT_TRUE(editor.Close());
    EXPECT_EQ(ui.calls, (Calls{{FakeInteraction::Kind::Message, "Internal Error in PairDialog::StorePairInfo",
                                "MisMatch in Dops and Block?"}}));
    EXPECT_EQ(m.doc->Pairings[static_cast<size_t>(m.pair)].DayStatus[12], 0);
    EXPECT_EQ(m.doc->History.Size(), 0u);
}

TEST(PairEditor, BadValuesInEveryFieldAreRefusedAndChangeNothing) {
    struct Case {
        const char* name;
        void (*edit)(PairEditorFields&);
        const char* complaints;
    };
    const Case cases[] = {
        {"time on hours", [](PairEditorFields& f) { f.timeOn = "24:00"; }, "Time On ? "},
        {"time on minutes", [](PairEditorFields& f) { f.timeOn = "08:60"; }, "Time On ? "},
        {"credit hours", [](PairEditorFields& f) { f.credit = "86:00"; }, "Credit ? "},
        {"credit minutes", [](PairEditorFields& f) { f.credit = "05:75"; }, "Credit ? "},
        {"tafb hours", [](PairEditorFields& f) { f.tafb = "145:00"; }, "TAFB?  Calculated Length?"},
        {"tafb minutes", [](PairEditorFields& f) { f.tafb = "010:60"; }, "TAFB?  "},
        {"no day", [](PairEditorFields& f) { f.days = {}; }, "Never Operates? "},
        {"number 0", [](PairEditorFields& f) { f.number = "0"; }, "Pair Number Not Valid 1-9999"},
        {"number 10000", [](PairEditorFields& f) { f.number = "10000"; }, "Pair Number Not Valid 1-9999"},
        {"number empty", [](PairEditorFields& f) { f.number = ""; }, "Pair Number Not Valid 1-9999"},
        {"seven days", [](PairEditorFields& f) { f.tafb = "144:00"; }, "Calculated Length?"},
        {"two at once", [](PairEditorFields& f) { f.timeOn = "25:00"; f.credit = "99:00"; }, "Time On ? Credit ? "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const Answer answer : {Answer::Yes, Answer::No}) {
            EditorMonth m;
            const std::string before = test::Snapshot(*m.doc);
            FakeInteraction ui;
            ui.answers = {answer};
            Board board;
            PairEditor editor(*m.doc, board, ui, true, m.pair);
            c.edit(editor.fields);
            // Yes keeps the planner on the pairing to fix it; No moves on. Neither stores.
            EXPECT_EQ(editor.Next(), answer == Answer::No);
            EXPECT_EQ(editor.Index(), answer == Answer::No ? m.other : m.pair);
            EXPECT_EQ(ui.calls, (Calls{{FakeInteraction::Kind::Ask, "Errors in this Pairing at Index 000!",
                                        std::string(c.complaints) + "- Fix Now?"}}));
            EXPECT_EQ(test::Snapshot(*m.doc), before);
        }
    }
    // Complaints too long for the question move on without asking, and store nothing.
    EditorMonth m;
    const std::string before = test::Snapshot(*m.doc);
    FakeInteraction ui;
    Board board;
    PairEditor editor(*m.doc, board, ui, true, m.pair);
    editor.fields.days = {};
    editor.fields.timeOn = "25:00";
    editor.fields.credit = "99:00";
    editor.fields.tafb = "200:00";
    editor.fields.number = "0";
    EXPECT_TRUE(editor.Next());
    EXPECT_EQ(editor.Index(), m.other);
    EXPECT_TRUE(ui.calls.empty());
    EXPECT_EQ(test::Snapshot(*m.doc), before);
}

TEST(PairEditor, DailyFiguresAreCheckedWhenTheDayChanges) {
    EditorMonth m;
    m.doc->Pairings[static_cast<size_t>(m.pair)].PairLength = 2;
    FakeInteraction ui;
    Board board;
    PairEditor editor(*m.doc, board, ui, true, m.pair);
    EXPECT_EQ(editor.LastDay(), 1);
    const std::string before = test::Snapshot(*m.doc);
    for (const char* bad : {"24:00", "08:60", "xx:yy"}) {
        for (std::string PairEditorFields::* field :
             {&PairEditorFields::start, &PairEditorFields::duty, &PairEditorFields::hard, &PairEditorFields::dailyCredit}) {
            SCOPED_TRACE(bad);
            const PairEditorFields shown = editor.fields;
            editor.fields.*field = bad;
            EXPECT_FALSE(editor.ChangeDay(1));
            EXPECT_EQ(editor.Day(), 0);
            editor.fields = shown;
        }
    }
    editor.fields.duty = "18:01";
    EXPECT_FALSE(editor.ChangeDay(1));
    EXPECT_EQ(ui.calls.size(), 13u);
    EXPECT_EQ(ui.calls.back(), (FakeInteraction::Call{FakeInteraction::Kind::Message, "Linewright",
                                                      "Daily Data Invalid. Please Correct the Data"}));
    EXPECT_EQ(test::Snapshot(*m.doc), before);

    editor.fields.duty = "18:00";
    editor.fields.dailyCredit = "04:15";
    ASSERT_TRUE(editor.ChangeDay(1));
    EXPECT_EQ(editor.DayText(), "Day 2");
    const model::TPair& q = m.doc->Pairings[static_cast<size_t>(m.pair)];
    EXPECT_EQ(q.DailyDuty[0], 1080);
    EXPECT_EQ(q.DailyCredit[0], 255);
    EXPECT_EQ(editor.fields.dailyCredit, "00:00");
    EXPECT_FALSE(editor.ChangeDay(2));
}

TEST(PairEditor, LengthAndReleaseFollowReportAndTimeAway) {
    struct Case {
        const char* timeOn;
        const char* tafb;
        int length;
        int32_t release;
    };
    for (const Case& c : {Case{"22:00", "026:00", 2, 1440}, Case{"23:00", "121:00", 6, 1440},
                          Case{"06:00", "018:00", 1, 1440}, Case{"06:00", "018:01", 2, 1}}) {
        SCOPED_TRACE(std::string(c.timeOn) + " " + c.tafb);
        EditorMonth m;
        FakeInteraction ui;
        Board board;
        PairEditor editor(*m.doc, board, ui, true, m.pair);
        editor.fields.timeOn = c.timeOn;
        editor.fields.tafb = c.tafb;
        ASSERT_TRUE(editor.Close());
        const model::TPair& q = m.doc->Pairings[static_cast<size_t>(m.pair)];
        EXPECT_EQ(q.PairLength, c.length);
        EXPECT_EQ(q.ReleaseTime, c.release);
        EXPECT_TRUE(ui.calls.empty());
    }
}

TEST(PairEditor, ViewModeKeepsNothingAndABlankSlotShowsBlank) {
    EditorMonth m;
    const std::string before = test::Snapshot(*m.doc);
    FakeInteraction ui;
    Board board;
    PairEditor editor(*m.doc, board, ui, false, m.other);
    editor.fields.days = {};
    editor.fields.start = "99:99";
    editor.fields.number = "0";
    EXPECT_TRUE(editor.ChangeDay(0));
    EXPECT_TRUE(editor.Previous());
    EXPECT_EQ(editor.Index(), m.pair);
    EXPECT_TRUE(editor.Previous());
    EXPECT_EQ(editor.Index(), m.pair);
    EXPECT_TRUE(editor.Close());
    EXPECT_TRUE(ui.calls.empty());
    EXPECT_EQ(test::Snapshot(*m.doc), before);

    m.doc->Pairings[static_cast<size_t>(m.other)].TotalCredit = 0;
    PairEditor blank(*m.doc, board, ui, false, m.other);
    EXPECT_EQ(blank.fields.number, "1002");
    EXPECT_EQ(blank.fields.timeOn, "");
    EXPECT_EQ(blank.fields.days, (std::array<bool, model::kMonthDays>{}));
    EXPECT_EQ(blank.PositionText(), "2 of 2");
    EXPECT_EQ(blank.DayLabel(0), "01");
}

}  // namespace
}  // namespace lw::rules
