// "Crew Blocks from BAW and LIN...": the dialog asks for the BAW file, lists the blocks of the
// file pair, and "Import" puts only the selected ones back on their crew members.
#include <QPushButton>

#include <string>
#include <vector>

#include "month_window.h"
#include "output/crewtrac_export.h"
#include "output/crewtrac_month.h"
#include "rules/assignment.h"
#include "ui/commands.h"
#include "ui/month_dialogs.h"
#include "ui/workspace.h"

namespace lw::ui {
namespace {

using Call = lw::test::FakeInteraction::Call;
using Calls = std::vector<Call>;

// A member's days as the planner sees them: "day:pairing[code]" for every day holding something.
std::vector<std::string> Days(const model::Document& doc, int crew) {
    std::vector<std::string> out;
    const model::TPilot& p = doc.Crew[static_cast<size_t>(crew)];
    for (int d = 0; d < doc.DayCount; ++d) {
        const size_t i = static_cast<size_t>(d);
        if (p.DayAssignment[i] != model::kDayEmpty)
            out.push_back(std::to_string(d) + ":" + std::to_string(p.DayAssignment[i]) + "[" + p.DayCode[i] + "]");
    }
    return out;
}

void ClearBlock(model::Document& doc, rules::Board& board, int crew) {
    model::TPilot& p = doc.Crew[static_cast<size_t>(crew)];
    for (int d = 0; d < doc.DayCount; ++d) {
        const size_t i = static_cast<size_t>(d);
        if (p.DayAssignment[i] >= 0) {
            ASSERT_EQ(rules::RemovePair(doc, board, crew, p.DayAssignment[i], d), 0);
        }
        p.DayAssignment[i] = model::kDayEmpty;
        p.DayCode[i].clear();
        p.DayExtractCode[i].clear();
        p.DayActivity[i] = {};
    }
}

struct BawLinDialogTest : ::testing::Test {
    lw::test::FakeInteraction ui;
    lw::test::TempFolder folder;
    platform::Profile profile{folder / "lwright.ini"};
    Workspace ws{ui, profile};
    std::filesystem::path baw, lin;

    // April's captains exported to CrewTrac, then ADAMS's block taken off again.
    void SetUp() override {
        auto doc = lw::test::CrewTracPilotMonth((folder / "apr.lw2").string());
        lw::test::FakeInteraction quiet;
        const output::CrewTracResult exported =
            output::ExportCrewTrac(*doc, quiet, {"APR", "V", "8", output::CrewTracCrewType::Captain});
        ASSERT_TRUE(exported.completed);
        baw = exported.bawPath;
        lin = exported.linPath;
        ws.Replace(std::move(doc));
        profile.WriteString("LW", "LastBAWPath", baw.parent_path().string());
    }
};

TEST_F(BawLinDialogTest, OnlyTheSelectedBlockComesBack) {
    const std::vector<std::string> adams = Days(ws.doc(), 0);
    const std::vector<std::string> cole = Days(ws.doc(), 4);
    ClearBlock(ws.doc(), ws.board(), 0);
    ClearBlock(ws.doc(), ws.board(), 4);
    ASSERT_TRUE(Days(ws.doc(), 0).empty());

    ui.openFiles = {baw.string()};
    ImportBawLinDialog d(ws);
    ASSERT_TRUE(d.LoadFiles());
    EXPECT_EQ(d.windowTitle(), "Import BAW and LIN Blocks");
    EXPECT_EQ(ui.calls, (Calls{{"ChooseOpenFile", "Load BAW Data", baw.parent_path().string()}}));
    EXPECT_EQ(ui.fileRequests[0].filter, "Baw Files(*.baw)|*.baw|All Files (*.*)|*.*");
    EXPECT_EQ(test::ListTexts(d.List()), (QStringList{"001 000123456 PV8CA P  4 entries  ADAMS, ANN",
                                                      "002 000000000 PV8CA O  1 entries  open time",
                                                      "003 000234567 PV8CA L  1 entries  BAKER, BEN",
                                                      "004 000345678 PV8CA P  3 entries  COLE, CAL",
                                                      "005 000456789 PV8CA L  1 entries  DAVIS, DON"}));
    d.show();
    ui.calls.clear();
    QTest::mouseClick(d.ImportButton(), Qt::LeftButton);  // nothing selected: nothing happens
    EXPECT_FALSE(d.Imported());
    test::ClickLine(d.List(), 0);
    QTest::mouseClick(d.ImportButton(), Qt::LeftButton);
    EXPECT_TRUE(d.Imported());
    EXPECT_EQ(ui.calls, Calls{});
    // The day without a CrewTrac code (27) never went over; everything else is back.
    std::vector<std::string> expected = adams;
    std::erase_if(expected, [](const std::string& s) { return s.rfind("27:", 0) == 0; });
    EXPECT_EQ(Days(ws.doc(), 0), expected);
    EXPECT_EQ(Days(ws.doc(), 4), std::vector<std::string>{}) << "COLE was not selected";
    ASSERT_FALSE(cole.empty());
    EXPECT_TRUE(d.List()->selectedItems().isEmpty());
}

TEST_F(BawLinDialogTest, AMissingPartnerIsAskedForAndAnUnreadableFileIsRefused) {
    const std::filesystem::path missing = folder / "GONE.BAW";
    ui.openFiles = {missing.string(), lin.string()};
    ImportBawLinDialog d(ws);
    EXPECT_FALSE(d.LoadFiles());
    EXPECT_EQ(ui.calls, (Calls{{"ChooseOpenFile", "Load BAW Data", baw.parent_path().string()},
                               {"ChooseOpenFile", "Load LIN Data", folder.Path().string()},
                               {"Message", "Linewright", "File Error - Unable to Load Roster from this file."}}));
    EXPECT_EQ(ui.fileRequests[1].filter, "Line Files(*.lin)|*.lin|All Files (*.*)|*.*");
    EXPECT_EQ(d.List()->count(), 0);

    ui.calls.clear();
    ui.openFiles = {std::nullopt};
    EXPECT_FALSE(d.LoadFiles());
    EXPECT_EQ(ui.calls, (Calls{{"ChooseOpenFile", "Load BAW Data", baw.parent_path().string()}}));
}

struct BawLinCommandTest : test::MonthWindowTest {};

TEST_F(BawLinCommandTest, TheCommandAsksForTheBawFileAndCancelLeavesTheDialogEmpty) {
    Open(test::kCaptainsMonth, true);
    ui.openFiles = {std::nullopt};
    RunWith<ImportBawLinDialog>(kCmdBawLin, [](ImportBawLinDialog& d) {
        EXPECT_EQ(d.List()->count(), 0);
        return int(QDialog::Rejected);
    });
    EXPECT_EQ(dialogsRun, 1);
    EXPECT_EQ(ui.calls, (Calls{{"ChooseOpenFile", "Load BAW Data", ""}}));
}

}  // namespace
}  // namespace lw::ui
