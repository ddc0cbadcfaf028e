// lwtool pairings-view end to end: the real binary on a small month saved by the test, built
// and worked with lwtool itself; every line printed is checked.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "persist/schedule_file.h"
#include "rules/engine_month.h"
#include "run_tool.h"
#include "temp_folder.h"

namespace {

class LwToolPairingsView : public ::testing::Test {
protected:
    // April 2026: 1001, a day trip 08:00-18:00 (5:00 credit) on days 4 and 13, and 1302, a
    // three-day trip from 07:00 to 16:00 on the third day (7:00 a day) on day 6, with nights at
    // YOW and YUL.
    void SetUp() override {
        auto doc = lw::test::MakeMonth(lw::model::kCaptains);
        lw::test::AddCrew(*doc, "ADAMS, ANN");
        lw::test::AddCrew(*doc, "BAKER, BEN");
        lw::test::AddPairing(*doc, {.number = 1001, .report = 480, .release = 1080}, {3, 12});
        const int trip =
            lw::test::AddPairing(*doc, {.number = 1302, .report = 420, .release = 960, .length = 3, .dailyCredit = 420}, {5});
        doc->Pairings[static_cast<size_t>(trip)].Layovers = "YOWYUL";
        lw::test::FakeInteraction ui;
        ASSERT_TRUE(lw::persist::SaveSchedule(*doc, ui, dir / "apr.lw2", lw::model::kWorkingFile));
    }
    lw::test::ToolResult Tool(std::vector<std::string> args) {
        return lw::test::RunToolOn(dir, dir / "apr.lw2", std::move(args));
    }
    lw::test::TempFolder dir;
};

TEST_F(LwToolPairingsView, ShowsWhatTheWindowDrawsOnceTheBlocksAreBuilt) {
    lw::test::ToolResult r = Tool({"pairings-view", "F"});
    EXPECT_EQ(r.exit, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "lwtool pairings-view: the blocks of this month are not built yet (lwtool build)\n");

    ASSERT_EQ(Tool({"build", "F"}).exit, 0);
    ASSERT_EQ(Tool({"assign", "F", "--crew", "2", "--pair", "0", "--day", "13"}).exit, 0);

    r = Tool({"pairings-view", "F"});
    EXPECT_EQ(r.exit, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              "rows 3\n"
              "row 1 day 4 pair 0 001 category 1 bar +0 08:00 to +0 18:00 fill category-colour\n"
              "row 1 day 13 pair 0 001 category 1 bar +0 08:00 to +0 18:00 fill grey taken-box 1\n"
              "row 3 day 6 pair 1 302 category 3 bar +0 07:00 to +2 16:00 fill category-colour layovers OW UL\n");

    r = Tool({"pairings-view", "F", "--open-only", "--full-pair", "--full-layovers"});
    EXPECT_EQ(r.exit, 0);
    EXPECT_EQ(r.out,
              "rows 3\n"
              "row 1 day 4 pair 0 1001 category 1 bar +0 08:00 to +0 18:00 fill category-colour\n"
              "row 3 day 6 pair 1 1302 category 3 bar +0 07:00 to +2 16:00 fill category-colour layovers YOW YUL\n");

    r = Tool({"pairings-view", "F", "--no-layovers"});
    EXPECT_EQ(r.exit, 0);
    EXPECT_EQ(r.out,
              "rows 3\n"
              "row 1 day 4 pair 0 001 category 1 bar +0 08:00 to +0 18:00 fill category-colour\n"
              "row 1 day 13 pair 0 001 category 1 bar +0 08:00 to +0 18:00 fill grey taken-box 1\n"
              "row 3 day 6 pair 1 302 category 3 bar +0 07:00 to +2 16:00 fill category-colour arrow 2\n");

    r = Tool({"pairings-view", "F", "--wide"});
    EXPECT_EQ(r.exit, 2);
}

}  // namespace
