// The training report of a real month: every line byte for byte, where a marked day counts
// and where it does not, and every message when the file cannot be written.
#include "output/training_report.h"

#include <gtest/gtest.h>

#include "persist/fault_loop.h"
#include "rules/engine_month.h"
#include "temp_folder.h"

namespace {

using lw::model::Document;
using lw::test::FakeInteraction;
using lw::test::ReadBytes;
using Call = FakeInteraction::Call;
using Calls = std::vector<Call>;

// April 2026 for the YYZ Dash 8 captains: pairing 123 marked INDOC on the 4th, 11th and
// 13th (the 13th left open), pairing 1302 a line check on the 6th and a recurrent check on
// the 8th, and a two-day pairing marked on its second day only.
std::unique_ptr<Document> TrainingMonth() {
    auto doc = lw::test::MakeMonth(lw::model::kCaptains);
    const int indoc = lw::test::AddPairing(*doc, {.number = 123, .dailyCredit = 330}, {3, 10, 12});
    const int check = lw::test::AddPairing(*doc, {.number = 1302, .dailyCredit = 412}, {5, 7});
    const int two = lw::test::AddPairing(*doc, {.number = 4410, .length = 2, .dailyCredit = 300}, {20});
    for (int d : {3, 10, 12}) doc->Pairings[static_cast<size_t>(indoc)].DayPairingType[static_cast<size_t>(d)] = 1;
    doc->Pairings[static_cast<size_t>(check)].DayPairingType[5] = 2;
    doc->Pairings[static_cast<size_t>(check)].DayPairingType[7] = 3;
    doc->Pairings[static_cast<size_t>(two)].DayPairingType[21] = 2;

    const int adams = lw::test::AddCrew(*doc, "ADAMS, ANN", 1234);
    const int baker = lw::test::AddCrew(*doc, "BAKER, BEN", 987654321);
    lw::test::AddCrew(*doc, "COLE, CAL", 55);
    lw::test::Hold(*doc, adams, indoc, 3);
    lw::test::Hold(*doc, adams, check, 7);
    lw::test::Hold(*doc, adams, two, 20);
    lw::test::Hold(*doc, baker, check, 5);
    lw::test::Hold(*doc, baker, indoc, 10);
    return doc;
}

TEST(TrainingReport, EveryMarkedBlockDayInCrewOrderThenDayOrder) {
    auto doc = TrainingMonth();
    EXPECT_EQ(lw::output::TrainingReportText(*doc),
              "Linewright Training Report\r\n"
              "YYZDH8CAZ,20260401,20260430\r\n"
              "INDOC,000001234,Z 123,20260404\r\n"
              "CHECK,987654321,Z1302,20260406\r\n"
              "INDOC,987654321,Z 123,20260411\r\n"
              "TOTAL CREDIT MINS,INDOC,00000660,CHECK,00000412\r\n");
}

TEST(TrainingReport, MonthWithoutMarksAndShortGroupCode) {
    auto doc = lw::test::MakeMonth(lw::model::kFlightAttendants, 1, 2, 2027, 28);
    doc->GroupCode = "DH8";
    const int pair = lw::test::AddPairing(*doc, {.number = 2001}, {0});
    lw::test::Hold(*doc, lw::test::AddCrew(*doc, "EVANS, EVE", 500001), pair, 0);
    // Without its ninth character the group code gives no base letter either.
    doc->Pairings[static_cast<size_t>(pair)].DayPairingType[0] = 2;
    EXPECT_EQ(lw::output::TrainingReportText(*doc),
              "Linewright Training Report\r\n"
              "      DH8,20270201,20270228\r\n"
              "CHECK,000500001, 2001,20270201\r\n"
              "TOTAL CREDIT MINS,INDOC,00000000,CHECK,00000300\r\n");
    doc->Pairings[static_cast<size_t>(pair)].DayPairingType[0] = 0;
    EXPECT_EQ(lw::output::TrainingReportText(*doc),
              "Linewright Training Report\r\n"
              "      DH8,20270201,20270228\r\n"
              "TOTAL CREDIT MINS,INDOC,00000000,CHECK,00000000\r\n");
}

// A block that names a pairing beyond the table (a damaged month) is passed over, not read.
TEST(TrainingReport, PairingOutsideTheTableIsPassedOver) {
    auto doc = TrainingMonth();
    doc->Crew[2].DayAssignment[1] = doc->LastPairIndex + 1;
    doc->Pairings[static_cast<size_t>(doc->LastPairIndex + 1)].DayPairingType[1] = 1;
    EXPECT_EQ(lw::output::TrainingReportText(*doc), lw::output::TrainingReportText(*TrainingMonth()));
}

class TrainingReportFile : public ::testing::Test {
protected:
    lw::test::TempFolder dir;
    FakeInteraction ui;
    std::unique_ptr<Document> doc = TrainingMonth();
};

TEST_F(TrainingReportFile, ChooserPicksTheFileAndCancelWritesNothing) {
    doc->CurrentFileName = (dir / "apr.lw2").string();
    ui.saveFiles = {std::nullopt, (dir / "training.csv").string()};
    EXPECT_FALSE(lw::output::GenerateTrainingReport(*doc, ui));
    EXPECT_FALSE(std::filesystem::exists(dir / "training.csv"));
    EXPECT_TRUE(lw::output::GenerateTrainingReport(*doc, ui));
    EXPECT_EQ(ReadBytes(dir / "training.csv"), lw::output::TrainingReportText(*doc));
    // Success is silent.
    const Call chooser{"ChooseSaveFile", "Export Training and Line Check Data", dir.Path().string()};
    EXPECT_EQ(ui.calls, (Calls{chooser, chooser}));
}

TEST_F(TrainingReportFile, FolderThatDoesNotExist) {
    EXPECT_FALSE(lw::output::WriteTrainingReport(*doc, ui, dir / "missing" / "training.csv"));
    EXPECT_EQ(ui.calls, (Calls{{"Message", "File Error", "Cant create file for Exporting Data"}}));
    EXPECT_EQ(ui.icons, std::vector<lw::platform::Icon>{lw::platform::Icon::Stop});
}

TEST_F(TrainingReportFile, EveryFailingStepKeepsTheOldReportAndSaysWhy) {
    const std::string fresh = lw::output::TrainingReportText(*doc);
    lw::test::FaultLoop loop;
    loop.folders = {dir.Path()};
    loop.reset = [&] {
        lw::test::WriteBytes(dir / "training.csv", "last month's report");
        ui.calls.clear();
    };
    loop.attempt = [&](lw::platform::FileOps& ops) {
        return lw::output::WriteTrainingReport(*doc, ui, dir / "training.csv", ops);
    };
    loop.failed = [&](const lw::test::FaultPoint& point) {
        EXPECT_EQ(ReadBytes(dir / "training.csv"), "last month's report");
        const std::string text = point.op == lw::platform::FileOp::Create ? "Cant create file for Exporting Data"
                                 : point.way == lw::test::FaultWay::DiskFull
                                     ? "Cannot Save CSV File to specified disk. Disk may be full"
                                     : "Can't Save CSV File!";
        EXPECT_EQ(ui.calls, (Calls{{"Message", "File Error", text}}));
    };
    loop.succeeded = [&](const lw::test::FaultPoint*) {
        EXPECT_EQ(ReadBytes(dir / "training.csv"), fresh);
        EXPECT_TRUE(ui.calls.empty());
    };
    EXPECT_EQ(loop.Run().points, 9);
}

}  // namespace
