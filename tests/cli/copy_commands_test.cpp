// lwtool export viewer|company|training, pair-props and pair-edit end to end on a saved captains' April.
#include <gtest/gtest.h>

#include "output/exceptions_report.h"
#include "persist/schedule_file.h"
#include "rules/engine_month.h"
#include "run_tool.h"
#include "temp_folder.h"

namespace {

using lw::test::ReadBytes;

class LwToolCopies : public ::testing::Test {
protected:
    void SetUp() override {
        using namespace lw::test;
        std::filesystem::create_directories(dir / "SKED");
        auto doc = MakeMonth(lw::model::kCaptains);
        const int trip = AddPairing(*doc, {.number = 1302, .dailyCredit = 360}, {2, 9});
        AddPairing(*doc, {.number = 1202}, {4});
        const int ann = AddCrew(*doc, "ADAMS, ANN", 1234);
        Hold(*doc, ann, trip, 2);
        doc->Crew[static_cast<size_t>(ann)].BidText = "P1302";
        doc->Pairings[static_cast<size_t>(trip)].DayPairingType[2] = 1;
        Settle(*doc);
        FakeInteraction ui;
        ASSERT_TRUE(lw::persist::SaveSchedule(*doc, ui, file, lw::model::kWorkingFile));
    }
    lw::test::ToolResult Tool(std::vector<std::string> args) {
        return lw::test::RunToolOn(dir, file, std::move(args));
    }
    std::unique_ptr<lw::model::Document> Load(const std::filesystem::path& path) {
        auto doc = std::make_unique<lw::model::Document>(2461000);
        lw::test::FakeInteraction ui;
        EXPECT_TRUE(lw::persist::LoadSchedule(*doc, ui, path));
        return doc;
    }
    // The exceptions report as lwtool prints the list.
    std::string Report() {
        std::string text = "[Linewright Exceptions and Warnings Report]\n";
        for (const std::string& line : lw::output::ExceptionsReport(*Load(file))) text += "  " + line + "\n";
        return text;
    }
    lw::test::TempFolder dir;
    std::filesystem::path file = dir / "SKED" / "MAR.lw2";
};

TEST_F(LwToolCopies, ViewerCopyAtTheChosenStage) {
    const std::filesystem::path copy = dir / "SKED" / "Viewer" / "Presked_MAR.lwv";
    auto r = Tool({"export", "viewer", "F", "--stage", "presked"});
    EXPECT_EQ(r.exit, 0);
    EXPECT_EQ(r.out, copy.string() + "\n");
    // Without --yes the offer to mail it is declined.
    EXPECT_EQ(r.err, Report() + "[Linewright] Viewer File Saved as " + copy.string() +
                         " without personal data.\nDo you want to e-mail the lwv file now.\n");
    const auto viewer = Load(copy);
    EXPECT_EQ(viewer->FileVariant, lw::model::kScheduleViewer);
    EXPECT_EQ(viewer->Crew[0].BidText, "");
    EXPECT_EQ(Load(file)->Crew[0].BidText, "P1302");

    r = Tool({"export", "viewer", "F"});
    EXPECT_EQ(r.out, (dir / "SKED" / "Viewer" / "PreBuild_MAR.lwv").string() + "\n");
}

TEST_F(LwToolCopies, CompanyCopyMailedOnYes) {
    const std::filesystem::path copy = dir / "SKED" / "Company" / "MAR.lw2";
    const auto r = Tool({"export", "company", "F", "--yes"});
    EXPECT_EQ(r.exit, 0);
    EXPECT_EQ(r.out, copy.string() + "\n");
    EXPECT_EQ(r.err, Report() + "[Linewright] File Saved as " + copy.string() +
                         " without personal data.\nDo you want to e-mail the lw2 file now.\n[Mail] MAR.lw2: attach " +
                         copy.string() + "\n");
    EXPECT_EQ(Load(copy)->FileVariant, lw::model::kWorkingFile);
}

TEST_F(LwToolCopies, CopyUsageAndFailures) {
    EXPECT_EQ(Tool({"export", "viewer", "F", "--stage", "draft"}).exit, 2);
    EXPECT_EQ(Tool({"export", "company", "F", "--stage", "final"}).exit, 2);
    EXPECT_EQ(Tool({"export", "viewer"}).exit, 2);
    lw::test::WriteBytes(dir / "SKED" / "Company", "a file, not a folder");
    const auto r = Tool({"export", "company", "F", "--no"});
    EXPECT_EQ(r.exit, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, Report() +
                         "[File Error] Unable to create file. File may be Read Only or In use by Another Application. "
                         "Use Save As to Save as a new name\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "SKED" / "Viewer"));
}

TEST_F(LwToolCopies, TrainingReport) {
    auto r = Tool({"export", "training", "F", (dir / "training.csv").string()});
    EXPECT_EQ(r.exit, 0);
    EXPECT_EQ(r.out + r.err, "");
    EXPECT_EQ(ReadBytes(dir / "training.csv"),
              "Linewright Training Report\r\nYYZDH8CAZ,20260401,20260430\r\nINDOC,000001234,Z1302,20260403\r\n"
              "TOTAL CREDIT MINS,INDOC,00000360,CHECK,00000000\r\n");

    r = Tool({"export", "training", "F", (dir / "missing" / "training.csv").string()});
    EXPECT_EQ(r.exit, 1);
    EXPECT_EQ(r.err, "[File Error] Cant create file for Exporting Data\n");
    EXPECT_EQ(Tool({"export", "training", "F"}).exit, 2);
}

TEST_F(LwToolCopies, PairPropsShowAndSet) {
    const std::string caption = "ON 08:00 OFF 18:00 CREDIT 06:00 LEGAL AT 05:00 Type CA Fat Unit 12:00 Duty 10:00\n";
    auto r = Tool({"pair-props", "F", "--pair", "0", "--day", "3"});
    EXPECT_EQ(r.exit, 0);
    EXPECT_EQ(r.out, "Properties for Z1302 on APR 03\nPairing Type for This Day of Ops: Line Indoc\nExclude Credit: 00:00\n" +
                         caption);

    r = Tool({"pair-props", "F", "--pair", "0", "--day", "3", "--type", "check", "--exclude", "1:30", "--yes"});
    EXPECT_EQ(r.exit, 0);
    EXPECT_EQ(r.err, "[Linewright] Confirm - Total Pairing Credit 06:00.  Excluded 01:30.  Included 04:30\n");
    EXPECT_EQ(r.out, "Properties for Z1302 on APR 03\nPairing Type for This Day of Ops: Line Check\nExclude Credit: 01:30\n" +
                         caption);
    auto doc = Load(file);
    EXPECT_EQ(doc->Pairings[0].ExcludedCredit[2], 90);
    EXPECT_EQ(doc->Crew[0].CreditTotal(), 270);

    // No to the confirmation: the dialog would stay open; the type chosen is kept.
    r = Tool({"pair-props", "F", "--pair", "0", "--day", "3", "--type", "recurrent", "--exclude", "2:00", "--no"});
    EXPECT_EQ(r.exit, 1);
    doc = Load(file);
    EXPECT_EQ(doc->Pairings[0].DayPairingType[2], 3);
    EXPECT_EQ(doc->Pairings[0].ExcludedCredit[2], 90);
}

TEST_F(LwToolCopies, PairPropsRefusals) {
    auto r = Tool({"pair-props", "F", "--pair", "1", "--day", "5", "--exclude", "1:00"});
    EXPECT_EQ(r.exit, 1);
    EXPECT_EQ(r.err, "lwtool pair-props: pairing index 1 takes no excluded credit\n");
    r = Tool({"pair-props", "F", "--pair", "1", "--day", "6"});
    EXPECT_EQ(r.exit, 1);
    EXPECT_EQ(r.err, "lwtool pair-props: pairing index 1 does not start on day 6 of this month\n");
    EXPECT_EQ(Tool({"pair-props", "F", "--pair", "0", "--day", "3", "--exclude", "1:00"}).exit, 3);
    EXPECT_EQ(Tool({"pair-props", "F", "--pair", "0", "--day", "3", "--type", "trainee"}).exit, 2);
    EXPECT_EQ(Tool({"pair-props", "F", "--day", "3"}).exit, 2);
}

TEST_F(LwToolCopies, PairEditCorrectsAPairingAndTakesUncheckedDaysFromTheirHolder) {
    const std::string shown = "1 of 2\nPair number: 1302\n";
    auto r = Tool({"pair-edit", "F", "--pair", "0"});
    EXPECT_EQ(r.exit, 0);
    EXPECT_EQ(r.out, shown + "Time On: 08:00  Time Off: 18:00  Credit: 06:00  Length: 1  TAFB: 010:00\nDays: 03 10\n");

    r = Tool({"pair-edit", "F", "--pair", "0", "--days", "10,12", "--time-on", "22:00", "--tafb", "026:00"});
    EXPECT_EQ(r.exit, 0);
    EXPECT_EQ(r.err, "[Change made to Days of Operation!] Removing Pairing 1302 from ADAMS, ANN\n");
    EXPECT_EQ(r.out, shown + "Time On: 22:00  Time Off: 24:00  Credit: 06:00  Length: 2  TAFB: 026:00\nDays: 10 12\n");
    auto doc = Load(file);
    const auto& q = doc->Pairings[0];
    EXPECT_EQ((std::vector<int>{q.DayStatus[2], q.DayStatus[9], q.DayStatus[11]}), (std::vector<int>{0, 1, 1}));
    EXPECT_EQ(doc->Crew[0].DayAssignment[2], lw::model::kDayEmpty);
    EXPECT_EQ(doc->History.Size(), 1u);

    r = Tool({"pair-edit", "F", "--pair", "0", "--day", "2", "--daily-credit", "06:00"});
    EXPECT_EQ(r.exit, 0);
    EXPECT_EQ(Load(file)->Pairings[0].DailyCredit[1], 360);
}

TEST_F(LwToolCopies, PairEditRefusalsChangeNothing) {
    const auto before = ReadBytes(file);
    auto r = Tool({"pair-edit", "F", "--pair", "0", "--time-on", "24:00"});
    EXPECT_EQ(r.exit, 3);
    for (const char* answer : {"--yes", "--no"}) {
        r = Tool({"pair-edit", "F", "--pair", "0", "--time-on", "24:00", "--number", "0", answer});
        EXPECT_EQ(r.exit, 1);
        EXPECT_EQ(r.err, "[Errors in this Pairing at Index 000!] Time On ? Pair Number Not Valid 1-9999- Fix Now?\n");
    }
    r = Tool({"pair-edit", "F", "--pair", "0", "--day", "1", "--duty", "18:01"});
    EXPECT_EQ(r.exit, 1);
    EXPECT_EQ(r.err, "[Linewright] Daily Data Invalid. Please Correct the Data\n");
    EXPECT_EQ(Tool({"pair-edit", "F", "--pair", "0", "--days", "31"}).exit, 2);
    EXPECT_EQ(Tool({"pair-edit", "F", "--pair", "0", "--duty", "10:00"}).exit, 2);
    EXPECT_EQ(Tool({"pair-edit", "F", "--pair", "2"}).exit, 1);
    EXPECT_EQ(ReadBytes(file), before);
}

}  // namespace
