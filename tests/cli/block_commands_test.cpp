// lwtool's block commands end to end: the real binary on a month saved by the test, every
// line printed, the exit code and what the file holds afterwards.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "persist/schedule_file.h"
#include "rules/engine_month.h"
#include "rules/history_undo.h"
#include "run_tool.h"
#include "temp_folder.h"

namespace {

using lw::test::ReadBytes;

using Result = lw::test::ToolResult;

const std::string kRestQuestion =
    "[Linewright] This Assignment Provides Only  11:00 Crew Rest Before .  Do You want to Assign It Anyway\n";

class LwToolBlocks : public ::testing::Test {
protected:
    // ADAMS (row 1) and BAKER (row 2); pairing 0 is 1001 on days 4 and 13, pairing 1 is 1002
    // reporting 05:00 on day 5.
    void SetUp() override {
        auto doc = lw::test::MakeMonth(lw::model::kFirstOfficers);
        lw::test::AddCrew(*doc, "ADAMS, ANN");
        lw::test::AddCrew(*doc, "BAKER, BEN");
        lw::test::AddPairing(*doc, {.number = 1001}, {3, 12});
        lw::test::AddPairing(*doc, {.number = 1002, .report = 300}, {4});
        lw::test::Settle(*doc);
        lw::test::FakeInteraction ui;
        ASSERT_TRUE(lw::persist::SaveSchedule(*doc, ui, dir / "apr.lw2", lw::model::kWorkingFile));
    }
    std::unique_ptr<lw::model::Document> Load(const char* name = "apr.lw2") {
        auto doc = std::make_unique<lw::model::Document>(2461000);
        lw::test::FakeInteraction ui;
        EXPECT_TRUE(lw::persist::LoadSchedule(*doc, ui, dir / name));
        return doc;
    }
    // Runs lwtool; "F" stands for the month's file.
    Result Tool(std::vector<std::string> args) {
        return lw::test::RunToolOn(dir, dir / "apr.lw2", std::move(args));
    }
    Result Assign(const char* crew, const char* pair, const char* day, std::vector<std::string> more = {}) {
        std::vector<std::string> args = {"assign", "F", "--crew", crew, "--pair", pair, "--day", day};
        args.insert(args.end(), more.begin(), more.end());
        return Tool(args);
    }
    std::string Bytes() const { return ReadBytes(dir / "apr.lw2"); }
    std::string History() { return Tool({"report", "history", "F"}).out; }
    lw::test::TempFolder dir;
};

TEST_F(LwToolBlocks, AssignAsksRefusesListsAndUndoes) {
    const std::string original = lw::test::Dump(*Load());
    const Result assigned = Assign("1", "0", "4");
    EXPECT_EQ(assigned.exit, 0);
    EXPECT_EQ(assigned.out + assigned.err, "");
    const std::string before = Bytes();

    const Result unanswered = Assign("1", "1", "5");
    EXPECT_EQ(unanswered.exit, 3);
    EXPECT_EQ(unanswered.err, kRestQuestion + "lwtool assign: answer the question above with --yes or --no\n");
    const Result no = Assign("1", "1", "5", {"--no"});
    EXPECT_EQ(no.exit, 1);
    EXPECT_EQ(no.err, kRestQuestion + "[Linewright] Can't Assign. Previous Assignment that day\n");
    EXPECT_EQ(Bytes(), before);
    const Result yes = Assign("1", "1", "5", {"--yes", "-o", (dir / "yes.lw2").string()});
    EXPECT_EQ(yes.exit, 0);
    EXPECT_EQ(yes.err, kRestQuestion);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(Load("yes.lw2")->Crew[0].DayAssignment[4], 1);

    const std::vector<std::pair<Result, std::string>> refusals = {
        {Assign("2", "0", "4"), "[Linewright] Can't Assign. Pairing allready Assigned\n"},
        {Assign("1", "2", "4"), "[Linewright] Can't Assign. Pairing out of Range\n"},
        {Assign("3", "0", "13"), "[Linewright] Can't Assign. Employee out of Range\n"},
        {Assign("2", "0", "5"), "[Linewright] Can't Assign. Pairing not Operating that day\n"},
    };
    for (const auto& [r, err] : refusals) {
        EXPECT_EQ(r.exit, 1);
        EXPECT_EQ(r.err, err);
    }
    const Result usage = Tool({"assign", "F", "--crew", "one", "--pair", "0", "--day", "4"});
    EXPECT_EQ(usage.exit, 2);
    EXPECT_EQ(usage.err, "lwtool assign: --crew needs a whole number, not one\n");
    EXPECT_EQ(Bytes(), before);

    EXPECT_EQ(Assign("1", "1", "5", {"--skip-checks"}).err, "");
    EXPECT_EQ(History(), "Assign\t1002\t05/04/2026\tADAMS, ANN\nAssign\t1001\t04/04/2026\tADAMS, ANN\n");
    EXPECT_EQ(Tool({"undo", "F"}).exit, 0);
    EXPECT_EQ(Tool({"undo", "F"}).exit, 0);
    EXPECT_EQ(History(), "");
    EXPECT_EQ(lw::test::Dump(*Load()), original);
    const Result empty = Tool({"undo", "F"});
    EXPECT_EQ(empty.exit, 1);
    EXPECT_EQ(empty.err, "lwtool undo: the history is empty\n");
}

TEST_F(LwToolBlocks, RemoveAndARefusedUndo) {
    ASSERT_EQ(Assign("1", "0", "4").exit, 0);
    EXPECT_EQ(Tool({"remove", "F", "--crew", "1", "--day", "4"}).exit, 0);
    EXPECT_EQ(History(), "Remove\t1001\t04/04/2026\tADAMS, ANN\nAssign\t1001\t04/04/2026\tADAMS, ANN\n");
    EXPECT_EQ(Tool({"remove", "F", "--crew", "1", "--day", "4"}).err, "lwtool remove: no pairing starts on day 4 of row 1\n");
    EXPECT_EQ(Tool({"remove", "F", "--crew", "7", "--day", "4"}).err, "lwtool remove: no crew member in row 7\n");

    ASSERT_EQ(Tool({"activity", "F", "--crew", "1", "--day", "4", "--code", "VAC"}).exit, 0);
    const Result refused = Tool({"undo", "F"});
    EXPECT_EQ(refused.exit, 1);
    EXPECT_EQ(refused.err, "[Linewright] Unable to UNDO that Transaction\n");
    EXPECT_EQ(History(), "Assign\t1001\t04/04/2026\tADAMS, ANN\n");
}

TEST_F(LwToolBlocks, CheckRulesAndReportPrintTheirLines) {
    ASSERT_EQ(Assign("1", "0", "4").exit, 0);
    ASSERT_EQ(Assign("1", "1", "5", {"--yes"}).exit, 0);  // 11 hours of rest: a warning
    const auto doc = Load();
    lw::rules::CheckAllBlocks(*doc);
    ASSERT_NE(doc->Crew[0].WarningText, "");
    std::string expected = "------- EXCEPTIONS -------\n\n";
    for (int c = 0; c < 2; ++c)
        if (!doc->Crew[static_cast<size_t>(c)].IllegalText.empty())
            expected += std::to_string(c + 1) + "  " + doc->Crew[static_cast<size_t>(c)].Name + " " +
                        doc->Crew[static_cast<size_t>(c)].IllegalText + "\n";
    expected += "\n------ WARNINGS ------\n\n1  ADAMS, ANN Warning " + doc->Crew[0].WarningText + "\n";
    const std::string before = Bytes();
    const Result check = Tool({"check", "F"});
    EXPECT_EQ(check.exit, 0);
    EXPECT_EQ(check.out + check.err, expected);
    EXPECT_EQ(Bytes(), before);

    std::string rules;
    for (const std::string& line : lw::rules::SplitListText(doc->Crew[0].RuleLog)) rules += line + "\n";
    EXPECT_EQ(Tool({"rules", "F", "--crew", "1"}).out, rules);
    EXPECT_EQ(Tool({"rules", "F", "--crew", "3"}).err, "lwtool rules: no crew member in row 3\n");
    const Result unknown = Tool({"report", "totals", "F"});
    EXPECT_EQ(unknown.exit, 2);
    EXPECT_EQ(unknown.err, "lwtool report: unknown report kind totals\n");
}

TEST_F(LwToolBlocks, ActivitiesRequestsLocksAndClearingADay) {
    EXPECT_EQ(Tool({"activity", "F", "--crew", "2", "--day", "7", "--code", "VAC"}).out, "");
    EXPECT_EQ(Load()->Crew[1].DayActivity[6], (lw::model::DayValues{720, 240, 170, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Tool({"activity", "F", "--crew", "2", "--day", "7", "--code", "RB"}).err,
              "lwtool activity: day 7 of row 2 is not free\n");
    const Result unknown = Tool({"activity", "F", "--crew", "2", "--day", "8", "--code", "ZZZ"});
    EXPECT_EQ(unknown.exit, 2);
    EXPECT_EQ(unknown.err, "lwtool activity: no toolbox activity ZZZ (see lwtool toolbox FILE)\n");
    EXPECT_EQ(Tool({"request", "F", "--crew", "2", "--day", "8", "--code", "X3"}).out, "X3 marked on day 8 of row 2\n");
    EXPECT_EQ(Load()->Crew[1].DayFlagA[7], 3);
    EXPECT_EQ(Tool({"request", "F", "--crew", "2", "--day", "8", "--code", "X5"}).out, "request cleared on day 8 of row 2\n");

    ASSERT_EQ(Assign("1", "0", "4").exit, 0);
    EXPECT_EQ(Tool({"lock", "F", "--crew", "1", "--day", "4"}).out, "locked day 4 of row 1\n");
    EXPECT_EQ(Tool({"lock", "F", "--crew", "1", "--day", "5"}).err, "lwtool lock: no pairing starts on day 5 of row 1\n");
    const std::string locked = "[This Pairing is Locked In] Do you want to Send it to Open anyway\n";
    const std::string before = Bytes();
    const Result no = Tool({"clear-day", "F", "--crew", "1", "--day", "4", "--no"});
    EXPECT_EQ(no.exit, 1);
    EXPECT_EQ(no.err, locked);
    EXPECT_EQ(Bytes(), before);
    const Result yes = Tool({"clear-day", "F", "--crew", "1", "--day", "4", "--yes"});
    EXPECT_EQ(yes.exit, 0);
    EXPECT_EQ(yes.err, locked + "[Linewright] Confirm remove V1001 from ADAMS, ANN. Hold Ctrl Key down while Right "
                                "Clicking to avoid this message\n");
    const auto doc = Load();
    EXPECT_EQ(doc->Crew[0].DayAssignment[3], -1);
    EXPECT_EQ(doc->Pairings[0].DayStatus[3], 1);
    EXPECT_EQ(Tool({"clear-day", "F", "--crew", "2", "--day", "7", "--yes"}).err,
              "[Linewright] Confirm remove VAC from BAKER, BEN. Hold Shift Key down while Right Clicking to avoid this "
              "message\n");
    EXPECT_EQ(Tool({"clear-day", "F", "--crew", "2", "--day", "7"}).err,
              "lwtool clear-day: nothing to clear on day 7 of row 2\n");
}

}  // namespace
