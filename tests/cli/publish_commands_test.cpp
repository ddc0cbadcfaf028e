// lwtool export publish, report crew-lines and report selected end to end on a saved month.
#include <gtest/gtest.h>

#include "output/crew_lines_text.h"
#include "output/csv_publish.h"
#include "output/html_publish.h"
#include "output/publish_month.h"
#include "output/selected_blocks_text.h"
#include "persist/schedule_file.h"
#include "run_tool.h"
#include "temp_folder.h"

namespace {

using lw::test::ReadBytes;

class LwToolPublish : public ::testing::Test {
protected:
    void SetUp() override {
        month = lw::test::PublishPilotMonth("");
        lw::test::FakeInteraction ui;
        ASSERT_TRUE(lw::persist::SaveSchedule(*month, ui, dir / "apr.lw2", lw::model::kWorkingFile));
        month->CurrentFileName = (dir / "apr.lw2").string();
    }
    lw::test::ToolResult Tool(std::vector<std::string> args) {
        return lw::test::RunToolOn(dir, dir / "apr.lw2", std::move(args));
    }
    lw::test::TempFolder dir;
    std::unique_ptr<lw::model::Document> month;
};

TEST_F(LwToolPublish, ExportPublishBesideTheFileOrIntoAFolder) {
    auto r = Tool({"export", "publish", "F"});
    EXPECT_EQ(r.exit, 0);
    const std::string d = dir.Path().string();
    EXPECT_EQ(r.out, d + "/apr.htm\n" + d + "/apr.csv\n" + d + "/apr_Month_Layout.csv\n" + d +
                         "/apr CT Planned Absences.csv\n");
    EXPECT_EQ(r.err, "[Linewright] HTML and Various CVS Files Saved to folder " + d + "\n");
    EXPECT_EQ(ReadBytes(dir / "apr.htm"), lw::output::PublishPageText(*month));
    EXPECT_EQ(ReadBytes(dir / "apr.csv"), lw::output::BlockListCsv(*month));
    EXPECT_EQ(ReadBytes(dir / "apr_Month_Layout.csv"), lw::output::MonthLayoutCsv(*month));
    EXPECT_EQ(ReadBytes(dir / "apr CT Planned Absences.csv"), lw::output::PlannedAbsencesCsv(*month));
    EXPECT_EQ(ReadBytes(dir / "apr CT Planned Absences.csv").substr(0, 31), "CNTL,20260401,20260430,PILOT,\r\n");

    r = Tool({"export", "publish", "F", "--folder", (dir / "web").string()});
    EXPECT_EQ(r.exit, 0);
    EXPECT_EQ(r.err, "[Linewright] HTML and Various CVS Files Saved to folder " + d + "/web\n");
    EXPECT_EQ(ReadBytes(dir / "web" / "apr.htm"), lw::output::PublishPageText(*month));

    lw::test::WriteBytes(dir / "plain", "a file");
    r = Tool({"export", "publish", "F", "--folder", (dir / "plain" / "web").string()});
    EXPECT_EQ(r.exit, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "[File Error] Cant create file for Internet Publishing\n");

    r = Tool({"export", "publish"});
    EXPECT_EQ(r.exit, 2);
    EXPECT_EQ(r.err, "lwtool export: usage: lwtool export publish FILE [--folder DIR]\n");
}

TEST_F(LwToolPublish, ClipboardReportsOnStdout) {
    auto r = Tool({"report", "crew-lines", "F"});
    EXPECT_EQ(r.exit, 0);
    EXPECT_EQ(r.out, lw::output::CrewLinesText(*month));
    EXPECT_EQ(r.out.substr(0, 31), "Crew Lines for Apr 2026  apr\n\r\n");
    EXPECT_EQ(r.err,
              "[Linewright] Blocks copied to Windows Clipboard. To view select Edit, Paste from your Word Processing "
              "program.\n");

    r = Tool({"report", "selected", "F", "--crew", "4,1", "--xes", "--full-pairings"});
    EXPECT_EQ(r.exit, 0);
    lw::output::StoreBlockSelection(*month, {0, 3});
    EXPECT_EQ(r.out, lw::output::SelectedBlocksText(*month, {true, true}));
    EXPECT_EQ(r.err, "");

    r = Tool({"report", "selected", "F", "--crew", "5"});
    EXPECT_EQ(r.exit, 0);
    lw::output::StoreBlockSelection(*month, {4});
    EXPECT_EQ(r.out, lw::output::SelectedBlocksText(*month, {}));
}

TEST_F(LwToolPublish, ReportUsageErrors) {
    const std::string selectedUsage =
        "lwtool report: usage: lwtool report selected FILE --crew ROW,ROW.. [--xes] [--full-pairings]\n";
    auto r = Tool({"report", "selected", "F"});
    EXPECT_EQ(r.exit, 2);
    EXPECT_EQ(r.err, selectedUsage);
    r = Tool({"report", "crew-lines", "F", "--xes"});
    EXPECT_EQ(r.exit, 2);
    EXPECT_EQ(r.err, "lwtool report: usage: lwtool report crew-lines FILE\n");
    r = Tool({"report", "selected", "F", "--crew", "1,,2"});
    EXPECT_EQ(r.exit, 2);
    EXPECT_EQ(r.err, "lwtool report: --crew takes crew rows ROW,ROW.., not 1,,2\n");
    r = Tool({"report", "selected", "F", "--crew", "1,9"});
    EXPECT_EQ(r.exit, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "lwtool report: no crew member in row 9\n");
}

}  // namespace
