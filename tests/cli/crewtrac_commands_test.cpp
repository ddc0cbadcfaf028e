// lwtool export crewtrac and import baw-lin end to end on a saved month.
#include <gtest/gtest.h>

#include "output/crewtrac_export.h"
#include "output/crewtrac_month.h"
#include "persist/schedule_file.h"
#include "run_tool.h"
#include "temp_folder.h"

namespace {

using lw::test::ReadBytes;

class LwToolCrewTrac : public ::testing::Test {
protected:
    void SetUp() override {
        auto doc = lw::test::CrewTracPilotMonth("");
        lw::test::FakeInteraction ui;
        ASSERT_TRUE(lw::persist::SaveSchedule(*doc, ui, dir / "apr.lw2", lw::model::kWorkingFile));
    }
    lw::test::ToolResult Tool(std::vector<std::string> args) {
        return lw::test::RunToolOn(dir, dir / "apr.lw2", std::move(args));
    }
    std::unique_ptr<lw::model::Document> Load(const std::string& name) {
        auto doc = std::make_unique<lw::model::Document>(2461000);
        lw::test::FakeInteraction ui;
        EXPECT_TRUE(lw::persist::LoadSchedule(*doc, ui, dir / name));
        return doc;
    }
    lw::test::TempFolder dir;
};

TEST_F(LwToolCrewTrac, ExportWritesBothFilesAndPrintsTheSummary) {
    auto r = Tool({"export", "crewtrac", "F", "--stem", "AP26V8CA", "--base", "V", "--eqp", "8", "--type", "capt"});
    EXPECT_EQ(r.exit, 0);
    EXPECT_EQ(r.out,
              "Blk 2 is Exported as OpenTime. Emp Num is 0\nBlk 3 Capt Pairings-LineIndoc. Not Exported\n"
              "DAVIS, DON No Draft Credit Code Inserted\nExport Completed\n");
    EXPECT_EQ(r.err, "[Linewright] Finished Exporting to CrewTrac format\n");
    EXPECT_EQ(ReadBytes(dir / "Export" / "AP26V8CA.BAW"),
              "000123456 PV8001CA\r\n000000000 PV8002CA\r\n000234567 PV8003CA\r\n000345678 PV8004CA\r\n"
              "000456789 PV8005CA\r\n");
    EXPECT_EQ(ReadBytes(dir / "Export" / "AP26V8CA.LIN").size(), 6u * 1322);

    // Left out, the dialog's defaults: the first pairing's base and equipment.
    r = Tool({"export", "crewtrac", "F", "--type", "fo"});
    EXPECT_EQ(r.exit, 0);
    EXPECT_EQ(ReadBytes(dir / "Export" / "AP26V1CA.BAW").substr(0, 20), "000123456 PV1001FO\r\n");

    r = Tool({"export", "crewtrac", "F", "--stem", "", "--base", "V", "--eqp", "8"});
    EXPECT_EQ(r.exit, 1);
    EXPECT_EQ(r.out, "FileName needs to be 1-8 char long. \n");
    EXPECT_EQ(r.err, "[Export Error] FileName needs to be 1-8 char long. \n");
}

TEST_F(LwToolCrewTrac, ExportUsageErrors) {
    auto r = Tool({"export", "pdf", "F"});
    EXPECT_EQ(r.exit, 2);
    EXPECT_EQ(r.err, "lwtool export: unknown export kind pdf\n");
    EXPECT_EQ(Tool({"export", "crewtrac", "F", "--stem", "ap26"}).exit, 2);
    EXPECT_EQ(Tool({"export", "crewtrac", "F", "--eqp", "V"}).exit, 2);
    EXPECT_EQ(Tool({"export", "crewtrac", "F", "--type", "purser"}).exit, 2);
    EXPECT_FALSE(std::filesystem::exists(dir / "Export"));
}

TEST_F(LwToolCrewTrac, ImportPutsExportedBlocksBack) {
    ASSERT_EQ(Tool({"export", "crewtrac", "F", "--stem", "APR", "--base", "V", "--eqp", "8"}).exit, 0);
    auto cleared = lw::test::CrewTracPilotMonth("");
    for (int c : {0, 1, 4, 5}) {
        lw::model::TPilot& p = cleared->Crew[static_cast<size_t>(c)];
        for (int d = 0; d < cleared->DayCount; ++d) {
            const size_t i = static_cast<size_t>(d);
            if (p.DayAssignment[i] >= 0) cleared->Pairings[static_cast<size_t>(p.DayAssignment[i])].ReleaseInstance(d);
            p.DayAssignment[i] = lw::model::kDayEmpty;
        }
    }
    lw::test::FakeInteraction ui;
    ASSERT_TRUE(lw::persist::SaveSchedule(*cleared, ui, dir / "cleared.lw2", lw::model::kWorkingFile));
    const auto r = Tool({"import", "baw-lin", (dir / "cleared.lw2").string(), (dir / "Export" / "APR.BAW").string(),
                         (dir / "Export" / "APR.LIN").string(), "-o", (dir / "out.lw2").string()});
    EXPECT_EQ(r.exit, 0) << r.err;
    EXPECT_EQ(r.err,
              "[Import BAW and LIN Blocks]\n"
              "  001 000123456 PV8CA P  4 entries  ADAMS, ANN\n"
              "  002 000000000 PV8CA O  1 entries  open time\n"
              "  003 000234567 PV8CA L  1 entries  BAKER, BEN\n"
              "  004 000345678 PV8CA P  3 entries  COLE, CAL\n"
              "  005 000456789 PV8CA L  1 entries  DAVIS, DON\n");
    const auto out = Load("out.lw2");
    const auto original = lw::test::CrewTracPilotMonth("");
    for (int c : {0, 1, 4, 5})
        for (int d = 0; d < original->DayCount; ++d) {
            const size_t i = static_cast<size_t>(d);
            const lw::model::TPilot& want = original->Crew[static_cast<size_t>(c)];
            if (d == 27 && c == 0) continue;  // no CrewTrac code: never went over
            EXPECT_EQ(out->Crew[static_cast<size_t>(c)].DayAssignment[i], want.DayAssignment[i]) << c << " " << d;
            EXPECT_EQ(out->Crew[static_cast<size_t>(c)].DayExtractCode[i], want.DayExtractCode[i]) << c << " " << d;
        }
    EXPECT_TRUE(out->Pairings[0].IsTaken(2));
}

}  // namespace
