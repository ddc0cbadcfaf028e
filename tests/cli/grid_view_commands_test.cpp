// lwtool grid-view end to end: the rows the block grid shows under the view filters and the
// search, with the per-day figures below them, every line printed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "persist/schedule_file.h"
#include "rules/engine_month.h"
#include "run_tool.h"
#include "temp_folder.h"

namespace {

using Result = lw::test::ToolResult;

class LwToolGridView : public ::testing::Test {
protected:
    // First officers' April: ADAMS (001234) holds 1001 on day 4; BAKER has a completed block
    // and is an LTC; CLARK bids reserve and has a B reserve day on day 2.
    void SetUp() override {
        auto doc = lw::test::MakeMonth(lw::model::kFirstOfficers);
        doc->DaysOffBlockHolder = 12;
        doc->DaysOffReserve = 13;
        const int adams = lw::test::AddCrew(*doc, "ADAMS, ANN", 1234);
        const int baker = lw::test::AddCrew(*doc, "BAKER, BEN");
        const int clark = lw::test::AddCrew(*doc, "CLARK, CY");
        doc->Crew[static_cast<size_t>(baker)].BlockComplete = 1;
        doc->Crew[static_cast<size_t>(baker)].Qualification = 1;
        doc->Crew[static_cast<size_t>(clark)].BidsReserve = true;
        lw::test::PutActivity(*doc, clark, 1, "RB ", 720, 600, true);
        const int trip = lw::test::AddPairing(*doc, {.number = 1001, .dailyCredit = 300}, {3, 12});
        lw::test::Hold(*doc, adams, trip, 3);
        lw::test::Settle(*doc);
        lw::test::FakeInteraction ui;
        ASSERT_TRUE(lw::persist::SaveSchedule(*doc, ui, dir / "apr.lw2", lw::model::kWorkingFile));
    }
    Result Tool(std::vector<std::string> args) {
        args.insert(args.begin() + 1, (dir / "apr.lw2").string());
        return lw::test::RunTool(dir, args);
    }
    static std::string Days(std::vector<std::pair<int, int>> figures, int rest) {
        std::string line;
        for (int d = 0; d < 30; ++d) {
            int value = rest;
            for (const auto& [day, figure] : figures)
                if (day == d) value = figure;
            line += " " + std::to_string(value);
        }
        return line + "\n";
    }
    std::string Tail() const {
        // ADAMS and BAKER need work every free day; 1001 is open on day 13.
        std::vector<std::pair<int, int>> balance = {{3, 1}, {12, 1}};
        return "balance" + Days(balance, 2) + "E RESERVE DAYS" + Days({}, 0) + "A RESERVE DAYS" + Days({}, 0) +
               "B RESERVE DAYS" + Days({{1, 1}}, 0) + "RK RESERVE DAY" + Days({}, 0);
    }
    lw::test::TempFolder dir;
};

const std::string kAdams = "1 ADAMS, ANN | days-off 29 of 12 | credit 05:00 outside-range\n";
const std::string kBaker = "2 BAKER, BEN * | days-off 30 of 12 | credit 00:00 outside-range\n";
const std::string kClark = "3 CLARK, CY | days-off 29 of 13 | credit 00:00 reserve\n";

TEST_F(LwToolGridView, ViewFiltersChooseTheRows) {
    const Result all = Tool({"grid-view"});
    EXPECT_EQ(all.exit, 0);
    EXPECT_EQ(all.out, "rows 3\n" + kAdams + kBaker + kClark + Tail());
    EXPECT_EQ(all.err, "");

    EXPECT_EQ(Tool({"grid-view", "--hide-completed"}).out, "rows 2\n" + kAdams + kClark + Tail());
    EXPECT_EQ(Tool({"grid-view", "--hide-block-holders"}).out, "rows 1\n" + kClark + Tail());
    // Showing only LTC blocks turns the hide switch off again.
    EXPECT_EQ(Tool({"grid-view", "--hide-completed", "--show-ltc"}).out, "rows 1\n" + kBaker + Tail());
    EXPECT_EQ(Tool({"grid-view", "--show-block-holders"}).out, "rows 2\n" + kAdams + kBaker + Tail());
}

TEST_F(LwToolGridView, SearchNarrowsTheRows) {
    EXPECT_EQ(Tool({"grid-view", "--only-matching", "--search", "clar, 1234"}).out,
              "rows 2\n" + kAdams + kClark + Tail());
    EXPECT_EQ(Tool({"grid-view", "--only-matching", "--search", "1234", "--no-emp-num"}).out, "rows 0\n" + Tail());
    EXPECT_EQ(Tool({"grid-view", "--only-matching", "--search", "RB"}).out, "rows 1\n" + kClark + Tail());
    // Without --only-matching the search marks members but hides nobody.
    EXPECT_EQ(Tool({"grid-view", "--search", "CLARK"}).out, "rows 3\n" + kAdams + kBaker + kClark + Tail());

    std::string many;
    for (int i = 1; i <= 21; ++i) many += "W" + std::to_string(i) + " ";
    const Result limited = Tool({"grid-view", "--only-matching", "--search", many});
    EXPECT_EQ(limited.exit, 0);
    EXPECT_EQ(limited.err, "[Linewright] Maximun of 20 Search Strings allowed\n");
    EXPECT_EQ(limited.out, "rows 0\n" + Tail());

    const Result usage = Tool({"grid-view", "--show-everything"});
    EXPECT_EQ(usage.exit, 2);
}

}  // namespace
