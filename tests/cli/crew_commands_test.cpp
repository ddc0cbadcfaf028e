// lwtool complement, roster and crew end to end: the real binary on a month saved by the test,
// every line printed, the exit code and what the file holds afterwards.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "persist/schedule_file.h"
#include "rules/engine_month.h"
#include "run_tool.h"
#include "temp_folder.h"

namespace {

using lw::test::ReadBytes;
using Result = lw::test::ToolResult;

class LwToolCrew : public ::testing::Test {
protected:
    // Captains: ADAMS, BAKER, CLARK; pairing 0 is 1001 on the 4th and 13th of April, pairing 1
    // is 1002 on the 5th, held by BAKER.
    void SetUp() override {
        auto doc = lw::test::MakeMonth(lw::model::kCaptains);
        lw::test::AddCrew(*doc, "ADAMS, ANN");
        lw::test::AddCrew(*doc, "BAKER, BEN");
        lw::test::AddCrew(*doc, "CLARK, CAL");
        lw::test::AddPairing(*doc, {.number = 1001}, {3, 12});
        lw::test::AddPairing(*doc, {.number = 1002}, {4});
        lw::test::Hold(*doc, 1, 1, 4);
        lw::test::Settle(*doc);
        lw::test::FakeInteraction ui;
        ASSERT_TRUE(lw::persist::SaveSchedule(*doc, ui, dir / "apr.lw2", lw::model::kWorkingFile));
    }
    std::unique_ptr<lw::model::Document> Load() {
        auto doc = std::make_unique<lw::model::Document>(2461000);
        lw::test::FakeInteraction ui;
        EXPECT_TRUE(lw::persist::LoadSchedule(*doc, ui, dir / "apr.lw2"));
        return doc;
    }
    Result Tool(std::vector<std::string> args) {
        return lw::test::RunToolOn(dir, dir / "apr.lw2", std::move(args));
    }
    std::string Bytes() const { return ReadBytes(dir / "apr.lw2"); }
    lw::test::TempFolder dir;
};

TEST_F(LwToolCrew, ComplementListsSetsAndListsTheMarkedDaysAgain) {
    const std::string before = Bytes();
    const Result listed = Tool({"complement", "list", "F"});
    EXPECT_EQ(listed.exit, 0);
    EXPECT_EQ(listed.out,
              "   V1001   Sat 04 Apr 2026               00003\n"
              "   V1001   Mon 13 Apr 2026               00012\n"
              "   V1002   Sun 05 Apr 2026               00104\n");
    EXPECT_EQ(Bytes(), before);  // listing saves nothing

    const Result set = Tool({"complement", "set", "F", "--lines", "1,3"});
    EXPECT_EQ(set.exit, 0);
    EXPECT_EQ(set.out + set.err, "");
    const auto doc = Load();
    ASSERT_EQ(doc->LastPairIndex, 3);
    EXPECT_EQ(doc->BlocksBuilt, 1);
    // BAKER's 1002 on the 5th stays with BAKER; the copy on that day is open.
    EXPECT_EQ(doc->Crew[1].DayAssignment[4], 1);
    EXPECT_EQ(doc->Pairings[3].PairNumber, 1002);
    EXPECT_EQ(doc->Pairings[3].DayStatus[4], 1);
    const std::string& text = doc->Pairings[1].PairText;
    EXPECT_EQ(text.substr(text.rfind("\r\n") + 2), " TWO CAPTS ON 5");

    EXPECT_EQ(Tool({"complement", "list", "F"}).out,
              "*  V1001   Sat 04 Apr 2026               00003\n"
              "   V1001   Mon 13 Apr 2026               00012\n"
              "*  V1002   Sun 05 Apr 2026               00104\n");

    const std::string marked = Bytes();
    const Result bad = Tool({"complement", "set", "F", "--lines", "2,4"});
    EXPECT_EQ(bad.exit, 1);
    EXPECT_EQ(bad.err, "lwtool complement: there is no line 4 (the list has 3 lines)\n");
    const Result usage = Tool({"complement", "set", "F", "--lines", "0"});
    EXPECT_EQ(usage.exit, 2);
    EXPECT_EQ(usage.err, "lwtool complement: --lines needs numbers from 1 separated by commas, not 0\n");
    EXPECT_EQ(Bytes(), marked);
    EXPECT_EQ(Tool({"complement", "set", "F", "--lines", ""}).exit, 0);
    EXPECT_EQ(Load()->LastPairIndex, 1);
}

TEST_F(LwToolCrew, RosterInsertsMovesAndDeletes) {
    EXPECT_EQ(Tool({"roster", "list", "F"}).out,
              "001   ADAMS, ANN   100000\n002   BAKER, BEN   100001\n003   CLARK, CAL   100002\n");
    const Result inserted = Tool({"roster", "insert", "F", "--index", "4", "--name", "DAVIS, DON", "--emp", "0"});
    EXPECT_EQ(inserted.exit, 0);
    EXPECT_EQ(inserted.out + inserted.err, "");

    const std::string before = Bytes();
    const Result refused = Tool({"roster", "insert", "F", "--index", "6", "--name", "EVANS", "--emp", "5"});
    EXPECT_EQ(refused.exit, 1);
    EXPECT_EQ(refused.err, "[Oops] Invalid Roster Number!\n");
    const Result duplicate = Tool({"roster", "insert", "F", "--index", "1", "--name", "EVANS", "--emp", "100002"});
    EXPECT_EQ(duplicate.err, "[Oops] Duplicate Employee Number with CLARK, CAL\n");
    EXPECT_EQ(Bytes(), before);

    EXPECT_EQ(Tool({"roster", "move", "F", "--crew", "4", "--to", "1"}).exit, 0);
    EXPECT_EQ(Tool({"roster", "move", "F", "--crew", "1", "--to", "9"}).err,
              "lwtool roster: position 9 is not in the list\n");
    EXPECT_EQ(Tool({"roster", "list", "F"}).out,
              "001   DAVIS, DON   0\n002   ADAMS, ANN   100000\n003   BAKER, BEN   100001\n004   CLARK, CAL   100002\n");

    EXPECT_EQ(Tool({"roster", "delete", "F", "--crew", "3"}).exit, 0);
    EXPECT_EQ(Tool({"roster", "list", "F"}).out,
              "001   DAVIS, DON   0\n002   ADAMS, ANN   100000\n003   CLARK, CAL   100002\n");
    EXPECT_EQ(Load()->Pairings[1].DayStatus[4], 1);  // BAKER's 1002 is open again
    const Result nobody = Tool({"roster", "delete", "F", "--crew", "9"});
    EXPECT_EQ(nobody.exit, 1);
    EXPECT_EQ(nobody.err, "[Oops] I Don't know who to Delete!\n");
}

TEST_F(LwToolCrew, CrewShowsAndEditsTheEmployeeInformation) {
    const Result shown = Tool({"crew", "show", "F", "--crew", "1"});
    EXPECT_EQ(shown.exit, 0);
    const Result rules = Tool({"rules", "F", "--crew", "1"});
    std::string ruleLines;
    for (size_t from = 0, nl; (nl = rules.out.find('\n', from)) != std::string::npos; from = nl + 1)
        ruleLines += "  " + rules.out.substr(from, nl - from + 1);
    EXPECT_EQ(shown.out,
              "Name: ADAMS, ANN\n"
              "Emp #: 100000\n"
              "Phone 1: 416-555-1000\n"
              "Phone 2: \n"
              "Quick Notes for this month: \n"
              "Credit Hours Carried In: 00:00\n"
              "Extra Credits: 00:00\n"
              "Time Bank: 00:00\n"
              "Training at Home: 00:00\n"
              "Day:Hr:Min Legal for Checkin at: 0:00:00\n"
              "Draft Credits: 00:00\n"
              "Min Block: 75:00\n"
              "Max Block: 80:00\n"
              "Min Days Off: 0\n"
              "Qualification: 0 None\n"
              "Language: none\n"
              "TRN: no\n"
              "No TZ: no\n"
              "No YCG: no\n"
              "Check If Bid Reserve or LOA: no\n"
              "Blk Complete: no\n"
              "OutsideW: no\n"
              "Previous Month Data: 31/03/2026 \n"
              "  Hard Time: 00:00\n"
              "  Duty Start: 00:00\n"
              "  Duty Length: 00:00\n"
              "  Pair/Ass Start: 00:00\n"
              "  Pair/Ass TAFB: 00:00\n"
              "  Worked This Day Gray = Res: 0\n"
              "  CARS Duty: no\n"
              "Illegalities: \n"
              "Warnings: \n"
              "CARs 60/7 or 70/7 Rule Checking Results:\n" +
                  ruleLines);

    const std::string before = Bytes();
    const Result unanswered = Tool({"crew", "edit", "F", "--crew", "1", "--emp", "777"});
    EXPECT_EQ(unanswered.exit, 3);
    const std::string question =
        "[Linewright] You have entered a different Employee Number. Do you want to change the Employee Number\n";
    EXPECT_EQ(unanswered.err, question + "lwtool crew: answer the question above with --yes or --no\n");
    const Result no = Tool({"crew", "edit", "F", "--crew", "1", "--emp", "777", "--no"});
    EXPECT_EQ(no.exit, 1);
    EXPECT_EQ(no.err, question);
    const Result bad = Tool({"crew", "edit", "F", "--crew", "1", "--carried-in", "5:60"});
    EXPECT_EQ(bad.exit, 1);
    EXPECT_EQ(bad.err, "[Linewright] C/I Days > 5 or Hr:Min not correct on one field\n");
    EXPECT_EQ(Bytes(), before);

    const Result edited = Tool({"crew", "edit", "F", "--crew", "1", "--legal-checkin", "1:06:30", "--qualification",
                                "Checker", "--prev-day", "2", "--duty-start", "19:00", "--duty-length", "10:30",
                                "--worked", "1", "--no-ycg", "yes"});
    EXPECT_EQ(edited.exit, 0);
    EXPECT_EQ(edited.out + edited.err, "");
    const auto doc = Load();
    const lw::model::TPilot& adams = doc->Crew[0];
    EXPECT_EQ(adams.LegalCheckIn, 390);
    EXPECT_EQ(adams.Qualification, 3);
    EXPECT_EQ(adams.MinBlock, 4800);
    EXPECT_EQ(adams.MaxBlock, 5100);
    EXPECT_EQ(adams.NoYcg, 1);
    EXPECT_EQ(adams.PrevDayData[29][lw::model::kPrevDutyStart], 1140);
    EXPECT_EQ(adams.PrevDayData[29][lw::model::kPrevDutyLength], 630);
    EXPECT_EQ(adams.PrevDayData[29][lw::model::kPrevWorked], 1);

    const Result usage = Tool({"crew", "edit", "F", "--crew", "1", "--qualification", "Captain"});
    EXPECT_EQ(usage.exit, 2);
    EXPECT_EQ(usage.err,
              "lwtool crew: --qualification is 0-4 or one of None, Check B, LTC, Checker, LTC and TP, not Captain\n");
}

}  // namespace
