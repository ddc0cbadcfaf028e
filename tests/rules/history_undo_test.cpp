// Undo of the newest transaction and the history list, on real months and through a saved file.
#include <gtest/gtest.h>

#include "engine_month.h"
#include "persist/schedule_file.h"
#include "recording_log.h"
#include "rules/gestures.h"
#include "rules/history_undo.h"
#include "temp_folder.h"

namespace lw::rules {
namespace {

using platform::Answer;
using test::FakeInteraction;
using test::Lines;
using Calls = std::vector<FakeInteraction::Call>;
using Actions = std::vector<model::TAction>;

// ADAMS and BAKER; 1001 open on days 3 and 12, 1002 at 05:00 on day 4.
struct Month {
    std::unique_ptr<model::Document> doc = test::MakeMonth(model::kFirstOfficers);
    Board board;
    FakeInteraction ui;
    int adams = test::AddCrew(*doc, "ADAMS, ANN");
    int baker = test::AddCrew(*doc, "BAKER, BEN");
    int pair = test::AddPairing(*doc, {.number = 1001}, {3, 12});
    int early = test::AddPairing(*doc, {.number = 1002, .report = 300}, {4});
    Month() { test::Settle(*doc); }
    void Assign(int crew, int p, int day) { ASSERT_EQ(AssignPair(*doc, board, ui, crew, p, day, true), kAssignDone); }
};

TEST(UndoAssignment, LeavesNoTraceOfEitherStep) {
    Month m;
    m.Assign(m.baker, m.pair, 12);
    const std::string before = test::Dump(*m.doc);
    m.Assign(m.adams, m.pair, 3);
    EXPECT_EQ(Undo(*m.doc, m.board, m.ui), UndoOutcome::Undone);
    EXPECT_EQ(test::Dump(*m.doc), before);
    EXPECT_EQ(m.doc->History.Actions(), (Actions{{1, 12, m.baker, m.pair}}));
    EXPECT_EQ(m.ui.calls, Calls{});
}

TEST(UndoRemoval, AsksWhatAnAssignmentAsksAndNoChangesNothing) {
    for (const Answer answer : {Answer::Yes, Answer::No}) {
        Month m;
        m.Assign(m.adams, m.pair, 3);
        m.Assign(m.adams, m.early, 4);  // 11 hours after 1001
        const std::string assigned = test::Dump(*m.doc);
        ASSERT_EQ(RemovePair(*m.doc, m.board, m.adams, m.early, 4), kAssignDone);
        m.ui.answers = {answer};
        const std::string removed = test::Snapshot(*m.doc);

        EXPECT_EQ(Undo(*m.doc, m.board, m.ui), answer == Answer::Yes ? UndoOutcome::Undone : UndoOutcome::Declined);

        EXPECT_EQ(m.ui.calls, (Calls{{FakeInteraction::Kind::Ask, "Linewright",
                                      "This Assignment Provides Only  11:00 Crew Rest Before .  Do You want to Assign It "
                                      "Anyway"}}));
        EXPECT_EQ(answer == Answer::Yes ? test::Dump(*m.doc) : test::Snapshot(*m.doc),
                  answer == Answer::Yes ? assigned : removed);
    }
}

TEST(UndoRefused, TellsThePlannerAndDropsTheTransaction) {
    Month m;
    m.Assign(m.baker, m.pair, 12);
    m.Assign(m.adams, m.pair, 3);
    ASSERT_EQ(RemovePair(*m.doc, m.board, m.adams, m.pair, 3), kAssignDone);
    test::PutActivity(*m.doc, m.adams, 3, "VAC", 720, 240, false);  // the day got a vacation meanwhile
    m.doc->Modified = false;
    const std::string before = test::Dump(*m.doc);

    EXPECT_EQ(Undo(*m.doc, m.board, m.ui), UndoOutcome::Refused);

    EXPECT_EQ(m.ui.calls, (Calls{{FakeInteraction::Kind::Message, "Linewright", "Unable to UNDO that Transaction"}}));
    EXPECT_EQ(test::Changes(before, test::Dump(*m.doc)),
              (Lines{"-history 3", "-action 0 remove day 3 crew 0 pair 0", "-action 1 assign day 3 crew 0 pair 0",
                     "-action 2 assign day 12 crew 1 pair 0", "+history 2", "+action 0 assign day 3 crew 0 pair 0",
                     "+action 1 assign day 12 crew 1 pair 0"}));
    EXPECT_TRUE(m.doc->Modified);

    // An empty history only beeps; the menu command traces itself.
    test::RecordingLog log;
    m.doc->RunLog = &log;
    m.doc->History.Clear();
    m.ui.calls.clear();
    EXPECT_EQ(Undo(*m.doc, m.board, m.ui, true), UndoOutcome::Empty);
    EXPECT_EQ(m.ui.calls, (Calls{{FakeInteraction::Kind::Beep, "", ""}}));
    EXPECT_EQ(log.Text(), "Undo\n");
    m.doc->RunLog = nullptr;
}

TEST(UndoFullHistory, KeepsTheNewest201AndUndoLosesNoOlderOne) {
    auto doc = test::MakeMonth(model::kFirstOfficers);
    std::vector<int> days(28);
    for (int d = 0; d < 28; ++d) days[static_cast<size_t>(d)] = d;
    for (int i = 0; i < 9; ++i) {
        test::AddCrew(*doc, "CREW " + std::to_string(i));
        test::AddPairing(*doc, {.number = 3000 + i, .dailyCredit = 60}, days);
    }
    Board board;
    FakeInteraction ui;
    Actions made;  // newest first; member i flies pairing i
    for (int n = 0; n < 250; ++n) {
        ASSERT_EQ(AssignPair(*doc, board, ui, n / 28, n / 28, n % 28, false), kAssignDone);
        made.insert(made.begin(), {1, n % 28, n / 28, n / 28});
    }
    EXPECT_EQ(doc->History.Actions(), Actions(made.begin(), made.begin() + 201));
    EXPECT_EQ(Undo(*doc, board, ui), UndoOutcome::Undone);
    EXPECT_EQ(doc->History.Actions(), Actions(made.begin() + 1, made.begin() + 201));
    EXPECT_EQ(ui.calls, Calls{});
}

TEST(HistoryList, NewestFirstAndTheSameAfterSavingAndLoading) {
    Month m;
    m.Assign(m.adams, m.pair, 3);
    m.Assign(m.baker, m.pair, 12);
    ASSERT_EQ(RemovePair(*m.doc, m.board, m.adams, m.pair, 3), kAssignDone);
    EXPECT_EQ(ListText(*m.doc),
              "Remove\t1001\t04/04/2026\tADAMS, ANN+Assign\t1001\t13/04/2026\tBAKER, BEN+Assign\t1001\t04/04/2026\tADAMS, "
              "ANN+");
    test::TempFolder dir;
    ASSERT_TRUE(persist::SaveSchedule(*m.doc, m.ui, dir / "apr.lw2", model::kWorkingFile));
    model::Document loaded(2461000);
    ASSERT_TRUE(persist::LoadSchedule(loaded, m.ui, dir / "apr.lw2"));
    EXPECT_EQ(SplitListText(ListText(loaded)),
              (Lines{"Remove\t1001\t04/04/2026\tADAMS, ANN", "Assign\t1001\t13/04/2026\tBAKER, BEN",
                     "Assign\t1001\t04/04/2026\tADAMS, ANN"}));

    // Entries naming rows, pairings or days the month does not have still list.
    loaded.History.Record(4000, 9999, 99, 0);
    EXPECT_EQ(SplitListText(ListText(loaded))[0], "Remove\t0\t00/00/0000\t");
    EXPECT_EQ(SplitListText("one++two"), (Lines{"one", "", "two"}));
    EXPECT_EQ(SplitListText(""), Lines{});
}

}  // namespace
}  // namespace lw::rules
