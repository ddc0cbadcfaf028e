// The CrewTrac hand-over written for real months: both files byte for byte, every summary
// line and every message.
#include "output/crewtrac_export.h"

#include <gtest/gtest.h>

#include "crewtrac_month.h"
#include "persist/failing_file_ops.h"
#include "temp_folder.h"

namespace {

using lw::output::CrewTracCrewType;
using lw::output::CrewTracInputs;
using lw::output::ExportCrewTrac;
using lw::test::FakeInteraction;
using lw::test::k14;
using lw::test::k20;
using lw::test::kNoNotes;
using lw::test::LinLine;
using lw::test::ReadBytes;
using Call = FakeInteraction::Call;
using Lines = std::vector<std::string>;

const CrewTracInputs kCaptains{"AP26V8CAXYZ", "V", "8", CrewTracCrewType::Captain};

class CrewTracExport : public ::testing::Test {
protected:
    std::string File(const char* name) const { return ReadBytes(dir / "Export" / name); }
    lw::test::TempFolder dir;
    FakeInteraction ui;
};

TEST_F(CrewTracExport, PilotMonthBothFilesByteForByte) {
    auto doc = lw::test::CrewTracPilotMonth((dir / "apr.lw2").string());
    const auto result = ExportCrewTrac(*doc, ui, kCaptains);
    EXPECT_TRUE(result.completed);
    EXPECT_EQ(result.summary, (Lines{"Blk 2 is Exported as OpenTime. Emp Num is 0",
                                     "Blk 3 Capt Pairings-LineIndoc. Not Exported",
                                     "DAVIS, DON No Draft Credit Code Inserted", "Export Completed"}));
    EXPECT_EQ(ui.calls, (std::vector<Call>{{"Message", "Linewright", "Finished Exporting to CrewTrac format"}}));
    EXPECT_EQ(File("AP26V8CA.BAW"),
              "000123456 PV8001CA\r\n"
              "000000000 PV8002CA\r\n"
              "000234567 PV8003CA\r\n"
              "000345678 PV8004CA\r\n"
              "000456789 PV8005CA\r\n");
    const std::string lin =
        LinLine("0ZJ 2604PV8") +
        LinLine("1PV8001P07800750CA" + kNoNotes + "10ZJ  V1001 260403" + k20 + "99VC" + k14 + "26041007202604120960" +
                "R2ZJ" + k14 + "26042012002604210360" + "R1ZJ" + k14 + "26042512002604251440") +
        LinLine("1PV8000O02400000CA" + kNoNotes + "10ZJ  V1002 260405" + k20) +
        LinLine("1PV8003L00000000CA" + kNoNotes + "99DC" + k14 + "26040207202604020721") +
        LinLine("1PV8004P04800000CA" + kNoNotes + "10ZJ  V1003 260404" + k20 + "R2ZJ" + k14 +
                "26040612002604070360" + "99DC" + k14 + "26040807202604080721") +
        LinLine("1PV8005L00000000CA" + kNoNotes + "99VC" + k14 + "26040107202604300960");
    EXPECT_EQ(File("AP26V8CA.LIN"), lin);
    // Only the export marks change; the draft credit day stays on the copy.
    EXPECT_EQ(doc->Crew[2].ExportMark, 0);
    EXPECT_EQ(doc->Crew[3].DayAssignment[1], lw::model::kDayEmpty);
}

TEST_F(CrewTracExport, CabinMonthReserveOnlyAndAllBlocks) {
    auto doc = lw::test::MakeMonth(lw::model::kFlightAttendants);
    doc->CurrentFileName = (dir / "apr.lw2").string();
    const int a = lw::test::AddPairing(*doc, {.number = 2001}, {0});
    const int b = lw::test::AddPairing(*doc, {.number = 2002}, {1});
    doc->Pairings[static_cast<size_t>(b)].PairType = "FA";
    lw::test::Hold(*doc, lw::test::AddCrew(*doc, "EVANS, EVE", 500001), a, 0);
    const int fox = lw::test::AddCrew(*doc, "FOX, FAY", 500002);
    lw::test::Hold(*doc, fox, b, 1);
    lw::test::PutTableActivity(*doc, fox, 10, "RB", 1200, 600, true);
    doc->Crew[static_cast<size_t>(fox)].DraftCredits = 2;
    doc->Crew[static_cast<size_t>(lw::test::AddCrew(*doc, "GRAY, GUS", 500003))].BidsReserve = true;

    ui.answers = {lw::platform::Answer::Yes};
    const CrewTracInputs in{"AP26V8FA", "V", "8", CrewTracCrewType::FlightAttendant};
    auto result = ExportCrewTrac(*doc, ui, in);
    EXPECT_EQ(result.summary, (Lines{"EVANS, EVE. Not Exported", "Export Completed"}));
    EXPECT_EQ(ui.calls, (std::vector<Call>{
                            {"Ask", "Linewright", "Do you want to Export ONLY Reserve and Partial Blocks"},
                            {"Message", "Linewright", "Finished Exporting to CrewTrac format"}}));
    EXPECT_EQ(File("AP26V8FA.BAW"), "000500002 FV8001PU\r\n000500003 FV8002PU\r\n");
    // A cabin B reserve past midnight ends at 1440 on its own day; no draft credit for cabin crew.
    EXPECT_EQ(File("AP26V8FA.LIN"),
              LinLine("0ZJ 2604FV8") +
                  LinLine("1FV8001P02400000PU" + kNoNotes + "10ZJFAV2002 260402" + k20 + "R2ZJ" + k14 +
                          "26041112002604111440") +
                  LinLine("1FV8002L00000000PU" + kNoNotes));

    ui.answers = {lw::platform::Answer::No};
    result = ExportCrewTrac(*doc, ui, {"AP26V8FA", "V", "8", CrewTracCrewType::Captain});
    EXPECT_EQ(result.summary, Lines{"Export Completed"});
    EXPECT_EQ(File("AP26V8FA.BAW"), "000500001 PV8001CA\r\n000500002 PV8002CA\r\n000500003 PV8003CA\r\n");
    EXPECT_EQ(File("AP26V8FA.LIN").substr(1322, 18), "1PV8001L02400000PU");
}

TEST_F(CrewTracExport, EmptyRosterGivesHeaderOnly) {
    auto doc = lw::test::MakeMonth(lw::model::kFirstOfficers);
    doc->CurrentFileName = (dir / "apr.lw2").string();
    EXPECT_TRUE(ExportCrewTrac(*doc, ui, {"E", "V", "8", CrewTracCrewType::FirstOfficer}).completed);
    EXPECT_EQ(File("E.BAW"), "");
    EXPECT_EQ(File("E.LIN"), LinLine("0ZJ 2604PV8"));
}

TEST_F(CrewTracExport, DecemberLastDayReserveEndsInNewYear) {
    auto doc = lw::test::MakeMonth(lw::model::kFirstOfficers, 1, 12, 2026, 31);
    doc->CurrentFileName = (dir / "dec.lw2").string();
    const int row = lw::test::AddCrew(*doc, "HILL, HAL", 7);
    lw::test::PutTableActivity(*doc, row, 30, "RB", 1200, 600, true);
    doc->DayDate[5].month = 0;
    lw::test::PutTableActivity(*doc, row, 5, "RA", 600, 60, true);
    const auto result = ExportCrewTrac(*doc, ui, {"D", "V", "8", CrewTracCrewType::FirstOfficer});
    EXPECT_EQ(result.summary, (Lines{"Date Error in Line 1", "Export Completed"}));
    EXPECT_EQ(File("D.LIN"), LinLine("0ZJ 2612PV8") + LinLine("1PV8001P00000000FO" + kNoNotes + "R1ZJ" + k14 +
                                                              "26000606002600060660" + "R2ZJ" + k14 +
                                                              "26123112002701010360"));
}

TEST_F(CrewTracExport, EveryRefusal) {
    auto doc = lw::test::CrewTracPilotMonth((dir / "apr.lw2").string());
    const std::string all =
        "FileName needs to be 1-8 char long. Base Code needs to be 1 char long. Eqp Code needs to be 1 char long. ";
    EXPECT_EQ(ExportCrewTrac(*doc, ui, {"", "", "", CrewTracCrewType::Captain}).summary, Lines{all});
    EXPECT_FALSE(std::filesystem::exists(dir / "Export"));

    doc->CurrentFileName.clear();
    EXPECT_TRUE(ExportCrewTrac(*doc, ui, kCaptains).summary.empty());
    doc->CurrentFileName = (dir / "apr.lw2").string();

    lw::test::WriteBytes(dir / "Export", "not a folder");
    EXPECT_EQ(ExportCrewTrac(*doc, ui, kCaptains).summary, Lines{"Cant create BAW file for Exporting Blocks"});
    std::filesystem::remove(dir / "Export");

    // Operations 1-5 write the new BAW file beside the old one (create, write, flush, sync,
    // close), 6-10 the LIN file, 11-17 the journal naming both, 18 and 19 put them in place.
    using lw::test::FailingFileOps;
    using lw::test::FaultWay;
    const Lines notes = {"Blk 2 is Exported as OpenTime. Emp Num is 0", "Blk 3 Capt Pairings-LineIndoc. Not Exported",
                         "DAVIS, DON No Draft Credit Code Inserted"};
    auto with = [&notes](const std::string& last) {
        Lines lines = notes;
        lines.push_back(last);
        return lines;
    };
    FailingFileOps bawDiskFull(2, FaultWay::DiskFull);
    EXPECT_EQ(ExportCrewTrac(*doc, ui, kCaptains, bawDiskFull).summary,
              with("Cannot Save BAW File to specified disk. Disk may be full"));
    FailingFileOps bawRename(18);
    EXPECT_EQ(ExportCrewTrac(*doc, ui, kCaptains, bawRename).summary, with("Can't Save BAW File!"));
    EXPECT_FALSE(std::filesystem::exists(dir / "Export" / "AP26V8CA.BAW"));
    EXPECT_FALSE(std::filesystem::exists(dir / "Export" / "AP26V8CA.LIN"));

    // A LIN file that cannot be written takes the new BAW file back with it.
    std::filesystem::create_directories(dir / "Export" / "AP26V8CA.LIN");
    EXPECT_EQ(ExportCrewTrac(*doc, ui, kCaptains).summary, Lines{"Cant create LIN file for Exporting Blocks"});
    EXPECT_FALSE(std::filesystem::exists(dir / "Export" / "AP26V8CA.BAW"));
    std::filesystem::remove(dir / "Export" / "AP26V8CA.LIN");

    FailingFileOps linDiskFull(7, FaultWay::DiskFull);
    Lines summary = ExportCrewTrac(*doc, ui, kCaptains, linDiskFull).summary;
    EXPECT_EQ(summary.back(), "Cannot Save LIN file to specified disk. Disk may be full");
    FailingFileOps linSync(9);
    summary = ExportCrewTrac(*doc, ui, kCaptains, linSync).summary;
    EXPECT_EQ(summary.back(), "Cant Save LIN File!");
    EXPECT_EQ(summary.size(), 4u);
    EXPECT_FALSE(std::filesystem::exists(dir / "Export" / "AP26V8CA.LIN"));
    EXPECT_FALSE(std::filesystem::exists(dir / "Export" / "AP26V8CA.BAW"));

    const std::vector<Call> boxes = {
        {"Message", "Export Error", all},
        {"Message", "File Error", "File Must be Named First, Select Save As"},
        {"Message", "File Error", "Cant create BAW file for Exporting Blocks"},
        {"Message", "File Error", "Cannot Save BAW File to specified disk. Disk may be full"},
        {"Message", "File Error", "Can't Save BAW File!"},
        {"Message", "File Error", "Cant create LIN file for Exporting Blocks"},
        {"Message", "File Error", "Cannot Save LIN file to specified disk. Disk may be full"},
        {"Message", "File Error", "Cant Save LIN File!"},
    };
    EXPECT_EQ(ui.calls, boxes);
    EXPECT_EQ(ui.icons[1], lw::platform::Icon::Information);
    EXPECT_EQ(ui.icons[7], lw::platform::Icon::Stop);
}

TEST_F(CrewTracExport, DialogDefaults) {
    auto doc = lw::test::MakeMonth(lw::model::kCaptains);
    EXPECT_EQ(lw::output::CrewTracDefaults(*doc), (CrewTracInputs{"AP26CA", "?", "?", CrewTracCrewType::Captain}));
    lw::test::AddPairing(*doc, {.number = 2001}, {0});
    EXPECT_EQ(lw::output::CrewTracDefaults(*doc), (CrewTracInputs{"AP26V7CA", "V", "7", CrewTracCrewType::Captain}));
    doc->CrewGroup = lw::model::kFirstOfficers;
    doc->Pairings[0].BaseEqpCode = "Y9";
    EXPECT_EQ(lw::output::CrewTracDefaults(*doc),
              (CrewTracInputs{"AP26Y9FO", "Y", "9", CrewTracCrewType::FirstOfficer}));
    doc->CrewGroup = lw::model::kFlightAttendants;
    doc->Pairings[0].BaseEqpCode = "V2";
    EXPECT_EQ(lw::output::CrewTracDefaults(*doc),
              (CrewTracInputs{"AP26V8FA", "V", "8", CrewTracCrewType::FlightAttendant}));
}

}  // namespace
