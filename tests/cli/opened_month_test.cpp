// lwtool on a built month read back from its file: what the file does not keep (the block
// checks, the reserve lines, long leave) is there again for every command.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "persist/schedule_file.h"
#include "rules/engine_month.h"
#include "run_tool.h"
#include "temp_folder.h"

namespace {

using Result = lw::test::ToolResult;

// Captains' April, built: A SCHMIDT (no YTZ qualification) flies the Island trip 8101 on the
// 5th and may still fly; B LEAVE is on LTD all month; C and D have nothing, and with only
// 8102 of 11 April in open they hold the reserve lines.
class LwToolOpenedMonth : public ::testing::Test {
protected:
    void SetUp() override {
        auto doc = lw::test::MakeMonth(lw::model::kCaptains);
        doc->DaysOffBlockHolder = 12;
        doc->DaysOffReserve = 13;
        const int schmidt = lw::test::AddCrew(*doc, "A SCHMIDT", 1001);
        const int leave = lw::test::AddCrew(*doc, "B LEAVE", 1002);
        lw::test::AddCrew(*doc, "C RESERVE", 1003);
        lw::test::AddCrew(*doc, "D RESERVE", 1004);
        lw::model::TPilot& a = doc->Crew[static_cast<size_t>(schmidt)];
        a.NoTz = 1;
        a.MinBlock = 60;
        const int island = lw::test::AddPairing(*doc, {.number = 8101, .text = "YYZ YTZ YYZ"}, {4});
        lw::test::AddPairing(*doc, {.number = 8102, .dailyCredit = 330}, {10});
        lw::test::Hold(*doc, schmidt, island, 4);
        for (int d = 0; d < doc->DayCount; ++d) lw::test::PutActivity(*doc, leave, d, "LTD", 0, 0, false);
        doc->Crew[static_cast<size_t>(leave)].BidsReserve = true;
        lw::test::Settle(*doc);
        for (int c = 0; c < doc->CrewCount; ++c) doc->Crew[static_cast<size_t>(c)].UpdateLongLeave(doc->DayCount);
        doc->BlocksBuilt = 1;
        // What the build leaves, so the test knows the month it reads back.
        ASSERT_EQ(a.IllegalText, " Not Qualified for YTZ on 5");
        ASSERT_EQ(doc->Crew[2].ReserveLine, 1);
        ASSERT_EQ(doc->Crew[1].OnLongLeave, 1);
        lw::test::FakeInteraction ui;
        ASSERT_TRUE(lw::persist::SaveSchedule(*doc, ui, dir / "apr.lw2", lw::model::kWorkingFile));
    }
    Result Tool(std::vector<std::string> args) {
        args.insert(args.begin() + 1, (dir / "apr.lw2").string());
        return lw::test::RunTool(dir, args);
    }
    lw::test::TempFolder dir;
};

// One figure per day of April: `rest`, but where a (day of month, figure) is given.
std::string Days(const std::vector<std::pair<int, int>>& figures, int rest) {
    std::string line;
    for (int day = 1; day <= 30; ++day) {
        int value = rest;
        for (const auto& [at, figure] : figures)
            if (at == day) value = figure;
        line += " " + std::to_string(value);
    }
    return line + "\n";
}

TEST_F(LwToolOpenedMonth, ChecksReserveLinesAndLongLeaveAreWorkedOutAgain) {
    // A SCHMIDT's block keeps its one flagged day with 8102 in it: legal, not an exception.
    const Result legal = Tool({"whos-legal", "--pair", "1", "--day", "11"});
    EXPECT_EQ(legal.exit, 0) << legal.err;
    EXPECT_EQ(legal.out, "Linewright - 8102 on 11 APR\nWho Is Legal\n001 A SCHMIDT\nWho Bid this Pairing Number\n");

    const std::string schmidt = "1 A SCHMIDT | days-off 29 of 12 | credit 05:00 in-range\n";
    const std::string leave = "2 B LEAVE | days-off 30 of 13 | credit 00:00 reserve\n";
    const std::string c = "3 C RESERVE | days-off 30 of 13 | credit 00:00 reserve\n";
    const std::string d = "4 D RESERVE | days-off 30 of 13 | credit 00:00 reserve\n";
    // Nobody needs work (A SCHMIDT's credit is within his range, the others hold reserve lines)
    // and 8102 is open on the 11th.
    const std::string tail = "balance" + Days({{11, -1}}, 0) + "E RESERVE DAYS" + Days({}, 0) +
                             "A RESERVE DAYS" + Days({}, 0) + "B RESERVE DAYS" + Days({}, 0) + "RK RESERVE DAY" +
                             Days({}, 0);
    EXPECT_EQ(Tool({"grid-view"}).out, "rows 4\n" + schmidt + leave + c + d + tail);
    EXPECT_EQ(Tool({"grid-view", "--hide-block-holders"}).out, "rows 3\n" + leave + c + d + tail);
    EXPECT_EQ(Tool({"grid-view", "--hide-leave"}).out, "rows 3\n" + schmidt + c + d + tail);
}

}  // namespace
