// The main window on the sample months, driven as the planner does: menus in both states,
// open, Build Blocks, assigning from the pairings window onto the grid, dragging, F1, right-click
// removals, a view filter and the search, the closing question, the preferences and colours
// dialogs, the backup dialog and the timed copy. Each step is checked against the whole month.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <numeric>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "output/crew_lines_text.h"
#include "output/csv_publish.h"
#include "output/html_publish.h"
#include "output/pairing_reports.h"
#include "import/toolbox_file.h"
#include "persist/backup.h"
#include "persist/month_lock.h"
#include "persist/schedule_file.h"
#include "rules/block_checks.h"
#include "rules/complement.h"
#include "rules/history_undo.h"
#include "rules/propose.h"
#include "rules/engine_month.h"
#include "rules/view_filter.h"
#include "temp_folder.h"
#include "ui/backup_dialog.h"
#include "ui/bids_window.h"
#include "ui/block_grid_view.h"
#include "ui/command_line.h"
#include "ui/commands.h"
#include "ui/filters_window.h"
#include "ui/main_window.h"
#include "ui/pairings_window.h"
#include "ui/propose_dialog.h"
#include "ui/settings_dialogs.h"
#include "ui/toolbox_window.h"
#include "ui/workspace.h"

namespace lw::ui {
namespace {

using platform::Answer;
using test::FakeInteraction;
using Call = FakeInteraction::Call;
using Calls = std::vector<Call>;
using Texts = std::vector<std::string>;

constexpr char kCaptains[] = LW_SOURCE_DIR "/samples/capt-yyz-dh8-2027-03/capt-yyz-dh8-2027-03.lw2";
constexpr char kCabin[] = LW_SOURCE_DIR "/samples/fa-yul-2027-03/fa-yul-2027-03.lw2";

// The menu bar as the planner reads it: each menu's title and its items ("-" for a separator).
Texts ListLines(const QListWidget* list) {
    Texts out;
    for (int i = 0; i < list->count(); ++i) out.push_back(list->item(i)->text().toStdString());
    return out;
}

Texts MenuTexts(QMenuBar* bar) {
    Texts out;
    for (QAction* menu : bar->actions()) {
        std::string line = menu->text().toStdString() + ":";
        for (QAction* item : menu->menu()->actions()) line += " " + (item->isSeparator() ? "-" : item->text().toStdString()) + ";";
        out.push_back(line);
    }
    return out;
}

struct MainWindowTest : ::testing::Test {
    FakeInteraction ui;
    test::TempFolder folder;
    platform::Profile profile{folder / "lwright.ini"};
    platform::FixedClock clock{{7, 9, 2026, 14, 30, 0}};
    std::unique_ptr<MainWindow> window;
    std::filesystem::path month;

    void SetUp() override { Start(kCaptains); }
    void Start(const char* sample) {
        month = folder.Path() / std::filesystem::path(sample).filename();
        std::filesystem::copy_file(sample, month, std::filesystem::copy_options::overwrite_existing);
        window = std::make_unique<MainWindow>(ui, profile, clock);
        window->resize(1400, 900);
        window->show();
        // Function keys reach the window's shortcuts only while it is the active window.
        QApplication::setActiveWindow(window.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    model::Document& doc() { return window->workspace().doc(); }
    bool Enabled(int id) { return window->Command(id)->isEnabled(); }
    void OpenAndBuild() {
        ASSERT_TRUE(window->OpenFile(month.string()));
        window->RunCommand(kCmdBuildBlocks);
        ASSERT_EQ(doc().BlocksBuilt, 1);
        ui.calls.clear();
    }
    // The month as a twin, opened and built as the window does.
    std::unique_ptr<model::Document> Twin(rules::Board& board) {
        auto twin = std::make_unique<model::Document>(clock.Today().Number());
        FakeInteraction quiet;
        EXPECT_TRUE(persist::LoadSchedule(*twin, quiet, month));
        rules::FlagTwoCaptPairs(*twin);
        EXPECT_TRUE(rules::BuildBlocks(*twin, board, quiet, profile, {}).built);
        return twin;
    }

    QPoint GridPoint(int crew, int day) {
        BlockGridView* grid = window->Grid();
        grid->ScrollToCrew(crew, day);
        const GridGeometry& g = grid->Geometry();
        const auto& rows = grid->DisplayRows();
        const int row = static_cast<int>(std::find(rows.begin(), rows.end(), crew) - rows.begin());
        EXPECT_LT(row, static_cast<int>(rows.size())) << "crew " << crew << " not shown";
        return {g.ColumnLeft(day, grid->FirstColumn()) + g.ColumnWidth() / 2,
                g.RowTop(row, grid->FirstRow()) + g.RowHeight() / 2};
    }
    // A pairing start in the pairings window's layout that the member can take without a question.
    struct Pick {
        int column = -1, row = -1, pair = -1, crew = -1;
    };
    bool FreeFor(int c, int pair, int column) {
        const model::TPilot& p = doc().Crew[static_cast<size_t>(c)];
        if (p.BidsReserve || p.EmployeeNumber <= 0) return false;
        for (int k = column - 2; k <= column + doc().Pairings[static_cast<size_t>(pair)].PairLength + 1; ++k)
            if (p.DayAssignment[static_cast<size_t>(k)] != model::kDayEmpty) return false;
        return rules::TrialAssign(doc(), c, pair, column) == rules::kTrialLegal;
    }
    // Another member who could take the same instance.
    int OtherFreeCrew(const Pick& p) {
        for (int c = 0; c < doc().CrewCount; ++c)
            if (c != p.crew && FreeFor(c, p.pair, p.column)) return c;
        ADD_FAILURE() << "nobody else is free";
        return -1;
    }
    // A change through the engine, as a click assignment makes it.
    void MakeAChange() {
        const Pick p = FreePick();
        ASSERT_EQ(rules::AssignPair(doc(), window->workspace().board(), ui, p.crew, p.pair, p.column, false),
                  rules::kAssignDone);
        window->workspace().NotifyChanged();
        ASSERT_TRUE(doc().Modified);
    }
    Pick FreePick() {
        const rules::PairingsLayout& layout = window->Pairings()->Layout();
        for (int row = 0; row < layout.rowCount; ++row)
            for (int column = 2; column < doc().DayCount - 6; ++column) {
                const int pair = layout.Cell(column, row);
                if (pair < 0 || !doc().Pairings[static_cast<size_t>(pair)].IsOpen(column)) continue;
                for (int c = 0; c < doc().CrewCount; ++c)
                    if (FreeFor(c, pair, column)) return {column, row, pair, c};
            }
        ADD_FAILURE() << "no free pairing";
        return {};
    }
    void SelectInPairingsWindow(const Pick& p) {
        PairingsWindow* w = window->Pairings();
        w->ScrollToRow(p.row);
        QTest::mouseClick(w->GridViewport(), Qt::LeftButton, {}, w->CellRect(p.column, p.row).center());
    }
};

TEST_F(MainWindowTest, MenusAndCommandsFollowTheFileState) {
    EXPECT_EQ(window->windowTitle(), "Linewright");
    EXPECT_FALSE(window->WorkingMenuShown());
    EXPECT_EQ(MenuTexts(window->menuBar()), (Texts{"&File: &New...; &Open...; -; E&xit;",
                                                   "&Help: &About Linewright and Support...;"}));
    for (int id : {kCmdNew, kCmdOpen, kCmdExit, kCmdAbout}) EXPECT_TRUE(Enabled(id)) << id;
    for (int id : {kCmdSave, kCmdSaveAs, kCmdBackup, kCmdMail, kCmdBuildBlocks, kCmdUndo, kCmdPairingsWindow})
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_EQ(window->Gauge()->size(), QSize(200, 20));
    EXPECT_EQ(window->TimeBank()->text(), " TB 0:00");
    EXPECT_EQ(window->SafetyTimer()->interval(), 30000);
    EXPECT_TRUE(window->SafetyTimer()->isActive());

    ASSERT_TRUE(window->OpenFile(month.string()));
    EXPECT_TRUE(window->WorkingMenuShown());
    EXPECT_EQ(window->windowTitle(), "Linewright - capt-yyz-dh8-2027-03.lw2");
    EXPECT_EQ(MenuTexts(window->menuBar()).size(), 7u);
    EXPECT_EQ(MenuTexts(window->menuBar())[1],
              "&Import: &Roster from Extract...; &Crew Absences from Extract...; &Next Month's Absences from "
              "Extract...; Last Month's Data from  Extract...; This Month's Pairings...; AC Type and &French Data "
              "from LIS Files...; Pilot Bids...; Crew Blocks from BAW and LIN...; &ToolBox Items...;");
    // Every command of the table is on the working menus exactly once.
    std::string all;
    for (const std::string& m : MenuTexts(window->menuBar())) all += m;
    for (const CommandText& c : CommandTexts()) {
        if (c.id == kCmdUndo) continue;  // names the history entry it takes back
        const std::string item = " " + std::string(c.text) + ";";
        EXPECT_NE(all.find(item), std::string::npos) << c.text;
        EXPECT_EQ(all.find(item), all.rfind(item)) << c.text;
    }
    for (int id : {kCmdSave, kCmdSaveAs, kCmdBackup, kCmdBuildBlocks, kCmdUndo, kCmdHistory, kCmdPilotBids,
                   kCmdFiltersWindow, kCmdPairingEditor})
        EXPECT_TRUE(Enabled(id)) << id;
    // Before Build Blocks: no window toggles, no view filters; never: commands without their window yet.
    for (int id : {kCmdPairingsWindow, kCmdToolbox, kCmdBidsWindow, kCmdHideCompleted, kCmdSearchFilter,
                   kCmdPrintBlocks, kCmdPrintPairings, kCmdRosterExtract, kCmdMonth, kCmdCrewTracExport})
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_TRUE(Enabled(kCmdPrintSetup));

    window->RunCommand(kCmdBuildBlocks);
    for (int id : {kCmdPairingsWindow, kCmdToolbox, kCmdHideCheckPilots, kCmdHideCompleted, kCmdOnlyLtc})
        EXPECT_TRUE(Enabled(id)) << id;
    EXPECT_TRUE(Enabled(kCmdBidsWindow));
    EXPECT_TRUE(Enabled(kCmdPrintBlocks));
    EXPECT_TRUE(Enabled(kCmdPrintPairings));
    EXPECT_EQ(window->Command(kCmdPairingsWindow)->isChecked(), window->Pairings()->isVisible());
    EXPECT_EQ(window->Command(kCmdToolbox)->isChecked(), window->Toolbox()->isVisible());

    // The filters window of a pilots' month is reached from the bids window.
    ui.calls.clear();
    QTest::keyClick(window.get(), Qt::Key_F6);
    EXPECT_EQ(ui.calls, (Calls{{"Message", "Linewright", "Please Select the Filter Window from the Bids Window"}}));

    // F4 and F5 show and hide their windows and their check marks follow.
    const bool pairingsShown = window->Pairings()->isVisible();
    QTest::keyClick(window.get(), Qt::Key_F4);
    EXPECT_EQ(window->Pairings()->isVisible(), !pairingsShown);
    EXPECT_EQ(window->Command(kCmdPairingsWindow)->isChecked(), !pairingsShown);
    const bool toolboxShown = window->Toolbox()->isVisible();
    QTest::keyClick(window.get(), Qt::Key_F5);
    EXPECT_EQ(window->Toolbox()->isVisible(), !toolboxShown);
    EXPECT_EQ(window->Command(kCmdToolbox)->isChecked(), !toolboxShown);
    // Insert shows and hides the bids window, whose check mark follows.
    const bool bidsShown = window->Bids()->isVisible();
    QTest::keyClick(window.get(), Qt::Key_Insert);
    EXPECT_EQ(window->Bids()->isVisible(), !bidsShown);
    EXPECT_EQ(window->Command(kCmdBidsWindow)->isChecked(), !bidsShown);
}

TEST_F(MainWindowTest, CabinMonthHasNoCheckPilotFilterAndBidsAreForPilots) {
    Start(kCabin);
    OpenAndBuild();
    EXPECT_FALSE(Enabled(kCmdHideCheckPilots));
    EXPECT_TRUE(Enabled(kCmdHideCompleted));
    EXPECT_FALSE(Enabled(kCmdPilotBids));
    EXPECT_TRUE(Enabled(kCmdFiltersWindow));
    QTest::keyClick(window.get(), Qt::Key_Insert);
    EXPECT_EQ(ui.calls, (Calls{{"Message", "Linewright", "This Feauture is for Pilot use only."}}));
    EXPECT_FALSE(window->Bids()->isVisible());
    // F6 shows and hides the cabin's filters window.
    QTest::keyClick(window.get(), Qt::Key_F6);
    EXPECT_TRUE(window->Filters()->isVisible());
    QTest::keyClick(window.get(), Qt::Key_F6);
    EXPECT_FALSE(window->Filters()->isVisible());
}

TEST_F(MainWindowTest, OpenThroughTheChooserAndRefuseADamagedFile) {
    ui.openFiles.push_back(month.string());
    window->RunCommand(kCmdOpen);
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_EQ(ui.fileRequests[0].title, "Open");
    EXPECT_EQ(ui.fileRequests[0].filter,
              "Linewright (*.lw2)|*.lw2|Linewright Viewer(*.lwv)|*.lwv| Company Blocks(*.skd)|*.skd|All Files (*.*)|*.*");
    EXPECT_EQ(ui.fileRequests[0].folder, "");
    EXPECT_EQ(profile.GetString("LW", "LastBlkPath", "-"), folder.Path().string());
    EXPECT_EQ(doc().CurrentFileName, month.string());
    EXPECT_EQ(doc().CrewCount, 120);

    // A file that is no month leaves the open one as it was.
    const std::string before = test::Snapshot(doc());
    test::WriteBytes(folder / "junk.lw2", "not a month");
    ui.openFiles.push_back((folder / "junk.lw2").string());
    ui.calls.clear();
    window->RunCommand(kCmdOpen);
    EXPECT_EQ(ui.fileRequests[1].folder, folder.Path().string());
    EXPECT_EQ(test::Snapshot(doc()), before);
    EXPECT_EQ(window->windowTitle(), "Linewright - capt-yyz-dh8-2027-03.lw2");
    ASSERT_EQ(ui.Messages().size(), 1u);
}

TEST_F(MainWindowTest, AssignDragUndoAndRemoveWithTheMouseAndKeys) {
    OpenAndBuild();
    rules::Board twinBoard;
    auto twin = Twin(twinBoard);
    FakeInteraction twinUi;
    window->Pairings()->show();
    window->Pairings()->resize(1200, 600);
    ASSERT_EQ(test::Snapshot(doc()), test::Snapshot(*twin));

    // Select in the pairings window, click a free day of a crew row: the pairing is on the block.
    const Pick p = FreePick();
    SelectInPairingsWindow(p);
    EXPECT_EQ(window->workspace().board().Selected.pair, p.pair);
    QTest::mouseClick(window->Grid()->viewport(), Qt::LeftButton, {}, GridPoint(p.crew, p.column));
    twinBoard.Selected = {p.pair, p.column, p.row};
    ASSERT_EQ(rules::AssignPair(*twin, twinBoard, twinUi, p.crew, p.pair, p.column, false), rules::kAssignDone);
    ++twin->AssignsSinceBackup;
    EXPECT_EQ(test::Snapshot(doc()), test::Snapshot(*twin));
    EXPECT_EQ(window->Gauge()->format().toStdString(), output::HoursInOpen(*twin).text);
    EXPECT_EQ(window->TimeBank()->text().toStdString(), rules::CrewTimeBankText(*twin));

    // F1 takes it back.
    QTest::keyClick(window.get(), Qt::Key_F1);
    ASSERT_EQ(rules::Undo(*twin, twinBoard, twinUi, true), rules::UndoOutcome::Undone);
    EXPECT_EQ(test::Snapshot(doc()), test::Snapshot(*twin));
    EXPECT_EQ(doc().Crew[static_cast<size_t>(p.crew)].DayAssignment[static_cast<size_t>(p.column)], model::kDayEmpty);
    // Nothing left to undo: a beep.
    ASSERT_TRUE(doc().History.Empty());
    ui.calls.clear();
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(ui.calls, (Calls{{"Beep", "", ""}}));

    const int target = OtherFreeCrew(p);
    ASSERT_GE(target, 0);
    // Assign again, then drag it to another member's row: the grid's gestures as the core makes them.
    rules::GridGestures twinHands(*twin, twinBoard, twinUi, rules::ReadGridPrefs(profile));
    SelectInPairingsWindow(p);
    QTest::mouseClick(window->Grid()->viewport(), Qt::LeftButton, {}, GridPoint(p.crew, p.column));
    twinBoard.Selected = {p.pair, p.column, p.row};
    ASSERT_EQ(rules::AssignPair(*twin, twinBoard, twinUi, p.crew, p.pair, p.column, false), rules::kAssignDone);
    ++twin->AssignsSinceBackup;
    const QPoint from = GridPoint(p.crew, p.column);
    QTest::mousePress(window->Grid()->viewport(), Qt::LeftButton, {}, from);
    const QPoint to = GridPoint(target, p.column);
    QTest::mouseRelease(window->Grid()->viewport(), Qt::LeftButton, {}, to);
    twinHands.LeftDown(p.crew, p.column, {});
    twinHands.LeftUp(target, p.column, {});
    EXPECT_EQ(doc().Crew[static_cast<size_t>(target)].DayAssignment[static_cast<size_t>(p.column)], p.pair);
    EXPECT_EQ(test::Snapshot(doc()), test::Snapshot(*twin));

    // Right click with Ctrl held removes without a question.
    ui.calls.clear();
    twinUi.calls.clear();
    QTest::mouseClick(window->Grid()->viewport(), Qt::RightButton, Qt::ControlModifier, GridPoint(target, p.column));
    twinHands.RightClick(target, p.column, {false, true});
    EXPECT_EQ(doc().Crew[static_cast<size_t>(target)].DayAssignment[static_cast<size_t>(p.column)], model::kDayEmpty);
    EXPECT_EQ(test::Snapshot(doc()), test::Snapshot(*twin));
    EXPECT_EQ(ui.Messages(), twinUi.Messages());

    // Without Ctrl the planner is asked; No keeps it, Yes removes it.
    SelectInPairingsWindow(p);
    QTest::mouseClick(window->Grid()->viewport(), Qt::LeftButton, {}, GridPoint(p.crew, p.column));
    twinBoard.Selected = {p.pair, p.column, p.row};
    ASSERT_EQ(rules::AssignPair(*twin, twinBoard, twinUi, p.crew, p.pair, p.column, false), rules::kAssignDone);
    ++twin->AssignsSinceBackup;
    ui.calls.clear();
    twinUi.calls.clear();
    ui.answers = {Answer::No};
    twinUi.answers = {Answer::No};
    QTest::mouseClick(window->Grid()->viewport(), Qt::RightButton, {}, GridPoint(p.crew, p.column));
    twinHands.RightClick(p.crew, p.column, {});
    EXPECT_EQ(doc().Crew[static_cast<size_t>(p.crew)].DayAssignment[static_cast<size_t>(p.column)], p.pair);
    ui.answers = {Answer::Yes};
    twinUi.answers = {Answer::Yes};
    QTest::mouseClick(window->Grid()->viewport(), Qt::RightButton, {}, GridPoint(p.crew, p.column));
    twinHands.RightClick(p.crew, p.column, {});
    EXPECT_EQ(doc().Crew[static_cast<size_t>(p.crew)].DayAssignment[static_cast<size_t>(p.column)], model::kDayEmpty);
    EXPECT_EQ(test::Snapshot(doc()), test::Snapshot(*twin));
    ASSERT_EQ(ui.calls.size(), 2u);
    EXPECT_EQ(ui.calls[0].kind, "Ask");
    EXPECT_EQ(ui.calls, twinUi.calls);
}

TEST_F(MainWindowTest, ViewFiltersAndTheSearchChooseTheRowsShown) {
    OpenAndBuild();
    std::vector<int> everyone(static_cast<size_t>(doc().CrewCount));
    std::iota(everyone.begin(), everyone.end(), 0);
    EXPECT_EQ(window->Grid()->DisplayRows(), everyone);

    window->RunCommand(kCmdHideBlockHolders);
    rules::ViewSettings v;
    v.HideBlockHolders = true;
    EXPECT_TRUE(window->Command(kCmdHideBlockHolders)->isChecked());
    EXPECT_EQ(window->Grid()->DisplayRows(), rules::SelectDisplayRows(doc(), v));
    EXPECT_LT(window->Grid()->DisplayRows().size(), everyone.size());

    // "Show Only Blockholders" excludes the hiding one: the check marks follow the grid.
    window->RunCommand(kCmdOnlyBlockHolders);
    EXPECT_FALSE(window->Command(kCmdHideBlockHolders)->isChecked());
    EXPECT_TRUE(window->Command(kCmdOnlyBlockHolders)->isChecked());
    window->RunCommand(kCmdOnlyBlockHolders);
    EXPECT_EQ(window->Grid()->DisplayRows(), everyone);

    // The search: only the member with that employee number.
    window->Grid()->SetSearchOptions(false, true, false, false);
    window->Grid()->SetSearchText(QString::number(doc().Crew[5].EmployeeNumber));
    window->RunCommand(kCmdSearchFilter);
    EXPECT_TRUE(window->Command(kCmdSearchFilter)->isChecked());
    EXPECT_EQ(window->Grid()->DisplayRows(), std::vector<int>{5});
    window->RunCommand(kCmdSearchFilter);
    EXPECT_EQ(window->Grid()->DisplayRows(), everyone);

    // The settings are kept for the next run when the window closes.
    window->RunCommand(kCmdHideCompleted);
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(rules::ReadViewSettings(profile).HideCompleted);
}

TEST_F(MainWindowTest, ClosingAsksOnlyAboutUnsavedWork) {
    // No file open, or a file without changes: closes without a word.
    EXPECT_TRUE(window->close());
    EXPECT_EQ(ui.calls, Calls{});
    Start(kCaptains);
    ASSERT_TRUE(window->OpenFile(month.string()));
    ui.calls.clear();
    EXPECT_TRUE(window->close());
    EXPECT_EQ(ui.calls, Calls{});

    const std::string original = test::ReadBytes(month);
    const Call question{"Ask", "Quitting Linewright!", "File has been modified. DO YOU WANT TO SAVE IT?"};
    Start(kCaptains);
    OpenAndBuild();
    MakeAChange();
    ui.calls.clear();

    ui.answers = {Answer::Cancel};
    EXPECT_FALSE(window->close());
    EXPECT_EQ(ui.calls, Calls{question});
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(test::ReadBytes(month), original);

    ui.calls.clear();
    ui.answers = {Answer::No};
    EXPECT_TRUE(window->close());
    EXPECT_EQ(ui.calls, Calls{question});
    EXPECT_EQ(test::ReadBytes(month), original);

    Start(kCaptains);
    OpenAndBuild();
    MakeAChange();
    ui.calls.clear();
    ui.answers = {Answer::Yes};
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(doc().Modified);
    EXPECT_EQ(test::ReadBytes(month), persist::EncodeSchedule(doc(), model::kWorkingFile));
    EXPECT_NE(test::ReadBytes(month), original);
}

TEST_F(MainWindowTest, ASaveThatFailsKeepsTheProgramRunning) {
    OpenAndBuild();
    MakeAChange();
    ui.calls.clear();
    std::filesystem::remove(month);
    std::filesystem::create_directory(month);  // the name is taken by a folder: the save must fail
    ui.answers = {Answer::Yes};
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(doc().Modified);
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0].title, "File Error");
}

TEST_F(MainWindowTest, NewAsksAndEmptiesTheMonth) {
    OpenAndBuild();
    MakeAChange();
    ui.calls.clear();
    ui.answers = {Answer::No};
    window->RunCommand(kCmdNew);
    EXPECT_EQ(ui.calls, (Calls{{"Ask", "Caution!", "All changes to file will be lost. Delete Anyway"}}));
    EXPECT_EQ(doc().CrewCount, 120);

    ui.calls.clear();
    ui.answers = {Answer::Yes};
    window->RunCommand(kCmdNew);
    EXPECT_EQ(ui.calls, (Calls{{"Ask", "Caution!", "All changes to file will be lost. Delete Anyway"}}));
    EXPECT_EQ(doc().CrewCount, 0);
    EXPECT_EQ(doc().LastPairIndex, -1);
    EXPECT_EQ(window->windowTitle(), "Linewright - untitled.blk");
    EXPECT_FALSE(window->WorkingMenuShown());
    EXPECT_FALSE(window->Pairings()->isVisible());

    ui.calls.clear();
    ui.answers = {Answer::Yes};
    window->RunCommand(kCmdNew);
    EXPECT_EQ(ui.calls, (Calls{{"Ask", "Linewright", "Would you like to create a new file"}}));
    EXPECT_TRUE(window->close());  // nothing to save
}

TEST_F(MainWindowTest, ReportsAndLists) {
    OpenAndBuild();
    window->RunCommand(kCmdHistory);
    EXPECT_EQ(ui.calls, (Calls{{"ShowList", "Pairing Transaction History. Use F1 to Undo these Items", ""}}));
    ui.calls.clear();
    window->RunCommand(kCmdPairingReportClipboard);
    EXPECT_EQ(ui.clipboard, output::PairingReportClipboardText(doc()));
    ui.calls.clear();
    window->RunCommand(kCmdShortcuts);
    ASSERT_EQ(ui.calls.size(), 1u);
    EXPECT_EQ(ui.calls[0].title, "Keyboard Shortcuts");
    EXPECT_EQ(std::count(ui.calls[0].text.begin(), ui.calls[0].text.end(), '\n'), 19);
    // After the function keys, the desktop's own (the offscreen platform spells them as Windows does).
    const std::string standard = "=\tpairing report to the clipboard\nCtrl+N\tNew\nCtrl+O\tOpen\nCtrl+S\tSave\n"
                                 "Ctrl+Shift+S\tSave As\nCtrl+Q\tExit\nCtrl+Z, Alt+Backspace\tUndo\nCtrl+P\tPrint Blocks";
    EXPECT_EQ(ui.calls[0].text.substr(ui.calls[0].text.size() - std::min(standard.size(), ui.calls[0].text.size())),
              standard);

    // F3 and Tab switch the pairings window between open instances and all of them.
    const bool all = doc().ShowTakenPairings;
    QTest::keyClick(window.get(), Qt::Key_F3);
    EXPECT_EQ(doc().ShowTakenPairings, !all);
    EXPECT_EQ(window->Command(kCmdOpenOnly)->isChecked(), all);
    QTest::keyClick(window.get(), Qt::Key_Tab);
    EXPECT_EQ(doc().ShowTakenPairings, all);
}

TEST_F(MainWindowTest, PreferencesAndColoursAreWrittenAndTakeEffect) {
    OpenAndBuild();
    window->SetDialogRunner([](QDialog& d) {
        auto* prefs = qobject_cast<PreferencesDialog*>(&d);
        if (!prefs) return int(QDialog::Rejected);
        EXPECT_FALSE(prefs->Box("AllowIllegal")->isEnabled());
        EXPECT_EQ(prefs->Box("Grid")->text(), " Display Grid for Weekdays");
        prefs->Box("Grid")->setChecked(true);
        prefs->Box("DebugFile")->setChecked(true);
        prefs->XPaddingEdit()->setText("4");
        return int(QDialog::Accepted);
    });
    window->RunCommand(kCmdPreferences);
    EXPECT_EQ(ui.calls,
              (Calls{{"Message", "Linewright", "Debug File will not be saved until Linewright is Restarted"}}));
    platform::Preferences expected;
    expected.Grid = true;
    expected.DebugFile = true;
    expected.XPadding = 4;
    EXPECT_EQ(window->workspace().prefs(), expected);
    EXPECT_EQ(platform::ReadPreferences(profile), expected);

    ui.calls.clear();
    window->SetDialogRunner([](QDialog& d) {
        auto* prefs = qobject_cast<PreferencesDialog*>(&d);
        prefs->Box("DebugFile")->setChecked(false);
        return int(QDialog::Accepted);
    });
    window->RunCommand(kCmdPreferences);
    EXPECT_EQ(ui.calls,
              (Calls{{"Message", "Linewright", "Debug File will continue to be saved until Linewright is Restarted"}}));

    // Colours: Apply changes the windows only, OK also writes, Restore Defaults writes the defaults.
    ColoursDialog colours(window->workspace());
    ASSERT_EQ(colours.List()->count(), 13);
    EXPECT_EQ(colours.List()->item(9)->text(), "Blk Total in Specified Range");
    colours.SetColour(11, {10, 20, 30});
    colours.ApplyColours();
    EXPECT_EQ(window->workspace().prefs().Colours[11], (platform::Rgb{10, 20, 30}));
    EXPECT_EQ(profile.Find("LW", "CustomColors"), platform::FormatCustomColors(expected.Colours));
    colours.Accept();
    EXPECT_EQ(profile.Find("LW", "CustomColors"), platform::FormatCustomColors(window->workspace().prefs().Colours));
    colours.RestoreDefaults();
    EXPECT_EQ(window->workspace().prefs().Colours, platform::Preferences::DefaultColours());
    EXPECT_EQ(profile.Find("LW", "CustomColors"), platform::FormatCustomColors(platform::Preferences::DefaultColours()));
}

TEST_F(MainWindowTest, BackupDialogAndTheTimedCopy) {
    OpenAndBuild();
    MakeAChange();
    ui.calls.clear();
    test::TempFolder stick;
    window->SetDialogRunner([&stick](QDialog& d) {
        auto* backup = qobject_cast<BackupDialog*>(&d);
        if (!backup) return int(QDialog::Rejected);
        EXPECT_EQ(backup->windowTitle(), "Backup File");
        EXPECT_EQ(backup->List()->item(backup->List()->count() - 1)->text(), "Browse...");
        backup->AddFolder(stick.Path());
        backup->NewFileBox()->setChecked(true);
        return int(QDialog::Accepted);
    });
    QTest::keyClick(window.get(), Qt::Key_F8);
    const auto copy = stick / "Backup Sept 7 2026 at 1430 capt-yyz-dh8-2027-03.lw2";
    EXPECT_EQ(test::ReadBytes(copy), persist::EncodeSchedule(doc(), model::kWorkingFile));
    EXPECT_TRUE(doc().Modified);  // the working file itself is still unsaved
    EXPECT_EQ(profile.GetInt("LW", "LastBackupDateTimeOpt", -1), 1);

    // The timer: the 20th tick after opening writes the .BAK copy beside the file.
    const auto bak = folder / "capt-yyz-dh8-2027-03.BAK";
    for (int tick = 1; tick < persist::kBackupTicks; ++tick) window->TimerTick();
    EXPECT_FALSE(std::filesystem::exists(bak));
    window->TimerTick();
    EXPECT_EQ(test::ReadBytes(bak), persist::EncodeSchedule(doc(), model::kWorkingFile));
    EXPECT_TRUE(doc().Modified);
}

TEST_F(MainWindowTest, GridKeysImportsAndTheDesktopPrograms) {
    OpenAndBuild();
    // "H" and "=" on the grid: the history list and the pairing report on the clipboard.
    window->Grid()->setFocus();
    QTest::keyClick(window->Grid(), Qt::Key_H);
    QTest::keyClick(window->Grid(), Qt::Key_Equal);
    ASSERT_GE(ui.calls.size(), 2u);
    EXPECT_EQ(ui.calls[0], (Call{"ShowList", "Pairing Transaction History. Use F1 to Undo these Items", ""}));
    EXPECT_EQ(ui.clipboard, output::PairingReportClipboardText(doc()));

    // The toolbox file through its chooser, as the loader itself does it; the folder is kept.
    const std::string box = LW_SOURCE_DIR "/samples/capt-yyz-dh8-2027-03/MAR2027.box";
    rules::Board twinBoard;
    auto twin = Twin(twinBoard);
    FakeInteraction twinUi;
    ASSERT_TRUE(import::LoadToolboxFile(*twin, twinUi, box));
    ui.calls.clear();
    ui.openFiles.push_back(box);
    window->RunCommand(kCmdToolboxItems);
    EXPECT_EQ(test::Snapshot(doc()), test::Snapshot(*twin));
    EXPECT_EQ(ui.Messages(), twinUi.Messages());
    EXPECT_EQ(profile.GetString("LW", "LastBoxPath", ""), LW_SOURCE_DIR "/samples/capt-yyz-dh8-2027-03");

    // e-mail: saved first, then the question, then the hand-over; a missing mail program is reported.
    ui.calls.clear();
    ui.mailStarts = false;
    ui.answers = {Answer::Yes};
    doc().Modified = true;
    window->RunCommand(kCmdMail);
    EXPECT_FALSE(doc().Modified);
    EXPECT_EQ(ui.Messages(),
              (Calls{{"Message", "Linewright",
                      "No mail program could be started (xdg-email is missing). Attach " + month.string() +
                          " to a message by hand."}}));
    const auto asked = std::find_if(ui.calls.begin(), ui.calls.end(), [](const Call& c) { return c.kind == "Ask"; });
    ASSERT_NE(asked, ui.calls.end());
    EXPECT_EQ(asked->text, "This email file will include all personal data.\n Use Export feature for Saving without "
                           "personal data.\n Do you want to Continue?");

    // No calculator on the path: the planner is told which ones would do.
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", folder.Path().string().c_str());
    ui.calls.clear();
    window->RunCommand(kCmdCalculator);
    qputenv("PATH", path);
    EXPECT_EQ(ui.calls, (Calls{{"Message", "Linewright",
                               "No desk calculator was found. Install gnome-calculator, kcalc, galculator or xcalc."}}));
}

TEST_F(MainWindowTest, ClipboardAndPublishingCommandsReachTheCore) {
    OpenAndBuild();
    window->RunCommand(kCmdPrintBlocksClipboard);
    EXPECT_EQ(ui.clipboard, output::CrewLinesText(doc()));

    ui.calls.clear();
    ui.answers = {Answer::No};  // leaves the folder closed
    window->RunCommand(kCmdPublish);
    const output::PublishFiles files = output::PublishFilesFor(doc());
    EXPECT_EQ(files.page.parent_path(), folder.Path());
    EXPECT_EQ(test::ReadBytes(files.page), output::PublishPageText(doc()));
    EXPECT_EQ(test::ReadBytes(files.blockList), output::BlockListCsv(doc()));
}

// The file keeps neither the block checks nor the reserve lines: opening the built month works
// them out again and brings the pairings window back.
TEST_F(MainWindowTest, ABuiltMonthOpensAsItWasBuilt) {
    OpenAndBuild();
    window->Pairings()->show();
    window->RunCommand(kCmdSave);
    ASSERT_FALSE(doc().Modified);
    const std::string built = test::Snapshot(doc());
    window->Pairings()->hide();
    ASSERT_TRUE(window->OpenFile(month.string()));
    EXPECT_EQ(test::Changes(built, test::Snapshot(doc())), test::Lines{});
    EXPECT_TRUE(window->Pairings()->isVisible());
}

TEST_F(MainWindowTest, SettingsThatCannotBeWrittenAreReported) {
    platform::Profile unwritable(folder / "no-such-folder-file" / "lwright.ini");
    std::filesystem::create_directories(folder / "no-such-folder-file");
    std::filesystem::create_directory(folder / "no-such-folder-file" / "lwright.ini");  // a folder in the file's place
    window = std::make_unique<MainWindow>(ui, unwritable, clock);
    ASSERT_TRUE(window->OpenFile(month.string()));
    ui.calls.clear();
    window->SetDialogRunner([](QDialog&) { return int(QDialog::Accepted); });
    window->RunCommand(kCmdPreferences);
    const std::string where = (folder / "no-such-folder-file" / "lwright.ini").string();
    EXPECT_EQ(ui.calls, (Calls{{"Message", "Linewright", "The preferences could not be written to " + where}}));
    ui.calls.clear();
    ColoursDialog colours(window->workspace());
    colours.Accept();
    EXPECT_EQ(ui.calls, (Calls{{"Message", "Linewright", "The colours could not be written to " + where}}));
}

// The File menu's item with this text, as the planner picks it.
QAction* FileMenuItem(QMenuBar* bar, const std::string& text) {
    for (QAction* item : bar->actions().front()->menu()->actions())
        if (item->text().toStdString() == text) return item;
    ADD_FAILURE() << "no File menu item " << text;
    return nullptr;
}

TEST_F(MainWindowTest, RecentFilesOnTheFileMenuOpenAsOpenDoes) {
    const std::string working = "&File: &New...; &Open...; &Save; Save &As...; e-&mail to...; &Backup...; -; "
                                "&Print Blocks...; Print Blocks to Clipboard; Print Pairin&gs...; P&rint Setup...; "
                                "Print Pairing Report to Clipboard; -; Save &Internet .htm and .csv files; "
                                "&Export Schedules for Vandrel CrewTrac; Finalize and Save &for Company...; "
                                "Save for Viewer...; Generate Training Report...; -; Shared Notes for File...; "
                                "Se&tup Preferences...; -; ";
    const std::string second = (folder / "second.lw2").string();
    // What the planner was told or asked (opening a built month also shows the busy cursor).
    auto said = [this] {
        Calls out;
        for (const Call& c : ui.calls)
            if (c.kind != FakeInteraction::Kind::SetBusy) out.push_back(c);
        return out;
    };
    ui.openFiles.push_back(month.string());
    window->RunCommand(kCmdOpen);
    ASSERT_EQ(doc().CurrentFileName, month.string());
    EXPECT_EQ(MenuTexts(window->menuBar())[0], working + "&1 " + month.string() + "; -; E&xit;");

    ui.saveFiles.push_back(second);
    window->RunCommand(kCmdSaveAs);
    ASSERT_EQ(doc().CurrentFileName, second);
    EXPECT_EQ(MenuTexts(window->menuBar())[0],
              working + "&1 " + second + "; &2 " + month.string() + "; -; E&xit;");
    EXPECT_EQ(profile.GetString("MRU", "File1", "-"), second);
    EXPECT_EQ(profile.GetString("MRU", "File2", "-"), month.string());
    EXPECT_EQ(profile.GetString("MRU", "File3", "-"), "");

    // Choosing an entry opens that month and brings it to the front.
    ui.calls.clear();
    FileMenuItem(window->menuBar(), "&2 " + month.string())->trigger();
    EXPECT_EQ(doc().CurrentFileName, month.string());
    EXPECT_EQ(window->windowTitle(), "Linewright - capt-yyz-dh8-2027-03.lw2");
    EXPECT_EQ(doc().CrewCount, 120);
    EXPECT_EQ(said(), Calls{});
    EXPECT_EQ(MenuTexts(window->menuBar())[0],
              working + "&1 " + month.string() + "; &2 " + second + "; -; E&xit;");

    // Unsaved work is asked about first: Cancel stays, No opens the other month.
    window->RunCommand(kCmdBuildBlocks);
    MakeAChange();
    const std::string changed = test::Snapshot(doc());
    ui.calls.clear();
    ui.answers = {Answer::Cancel};
    FileMenuItem(window->menuBar(), "&2 " + second)->trigger();
    const Call question{"Ask", "Linewright", "File has been modified. DO YOU WANT TO SAVE IT?"};
    EXPECT_EQ(said(), Calls{question});
    EXPECT_EQ(doc().CurrentFileName, month.string());
    EXPECT_EQ(test::Snapshot(doc()), changed);
    ui.calls.clear();
    ui.answers = {Answer::No};
    FileMenuItem(window->menuBar(), "&2 " + second)->trigger();
    EXPECT_EQ(said(), Calls{question});
    EXPECT_EQ(doc().CurrentFileName, second);
    EXPECT_FALSE(doc().Modified);
    EXPECT_EQ(window->windowTitle(), "Linewright - second.lw2");

    // A month that has gone is reported and stays on the list.
    std::filesystem::remove(month);
    const std::string before = test::Snapshot(doc());
    ui.calls.clear();
    FileMenuItem(window->menuBar(), "&2 " + month.string())->trigger();
    EXPECT_EQ(said(), (Calls{{"Message", "Linewright", "Unable to open file " + month.string()}}));
    EXPECT_EQ(test::Snapshot(doc()), before);
    EXPECT_EQ(MenuTexts(window->menuBar())[0],
              working + "&1 " + second + "; &2 " + month.string() + "; -; E&xit;");

    // The menu without a file lists them too, and so does the next run.
    ui.answers = {Answer::Yes};
    window->RunCommand(kCmdNew);
    const Texts noFile{"&File: &New...; &Open...; -; &1 " + second + "; &2 " + month.string() + "; -; E&xit;",
                       "&Help: &About Linewright and Support...;"};
    EXPECT_EQ(MenuTexts(window->menuBar()), noFile);
    Start(kCaptains);  // puts the month back in place
    EXPECT_EQ(MenuTexts(window->menuBar()), noFile);
    ui.calls.clear();
    FileMenuItem(window->menuBar(), "&2 " + month.string())->trigger();
    EXPECT_EQ(said(), Calls{});
    EXPECT_TRUE(window->WorkingMenuShown());
    EXPECT_EQ(doc().CurrentFileName, month.string());
    EXPECT_EQ(doc().CrewCount, 120);
}

TEST(CommandLine, OneFileNameFromTheArguments) {
    EXPECT_EQ(FileFromCommandLine(""), std::nullopt);
    EXPECT_EQ(FileFromCommandLine("x"), std::nullopt);  // one character is ignored
    EXPECT_EQ(FileFromCommandLine("ab"), "ab");
    EXPECT_EQ(FileFromCommandLine("\"/months/March 2027.lw2\""), "/months/March 2027.lw2");
    EXPECT_EQ(FileFromCommandLine("\"/months/open.lw2"), "/months/open.lw2");  // no closing quote
    EXPECT_EQ(FileFromCommandLine("\"\""), std::nullopt);
    EXPECT_EQ(JoinCommandLine({"/months/March", "2027.lw2"}), "/months/March 2027.lw2");
    EXPECT_EQ(JoinCommandLine({}), "");
}

TEST_F(MainWindowTest, ProposeBlocksIsReviewedMarkedAppliedAndUndoneInOneStep) {
    OpenAndBuild();
    rules::Board twinBoard;
    auto twin = Twin(twinBoard);
    FakeInteraction quiet;
    const rules::Proposal expected = rules::Propose(*twin, {}, quiet);
    ASSERT_FALSE(expected.placements.empty());
    const std::string before = test::Dump(doc());

    // Cancel: the grid showed the proposal, nothing changed.
    bool reviewed = false;
    window->SetDialogRunner([&](QDialog& d) {
        auto* dialog = qobject_cast<ProposeDialog*>(&d);
        EXPECT_NE(dialog, nullptr);
        if (!dialog) return int(QDialog::Rejected);
        reviewed = true;
        EXPECT_EQ(ListLines(dialog->SummaryList()), rules::ProposalSummary(*twin, expected));
        EXPECT_EQ(ListLines(dialog->PlacementList()), rules::PlacementLines(*twin, expected));
        EXPECT_EQ(ListLines(dialog->LeftOpenList()), rules::LeftOpenLines(*twin, expected));
        return int(QDialog::Rejected);
    });
    window->RunCommand(kCmdProposeBlocks);
    EXPECT_TRUE(reviewed);
    EXPECT_EQ(test::Dump(doc()), before);

    // Apply: the same blocks as the engine gives the twin; one Undo takes them all back.
    window->SetDialogRunner([](QDialog&) { return int(QDialog::Accepted); });
    window->RunCommand(kCmdProposeBlocks);
    EXPECT_EQ(rules::ApplyProposal(*twin, twinBoard, quiet, expected).refused, 0);
    EXPECT_EQ(test::Dump(doc()), test::Dump(*twin));
    EXPECT_EQ(doc().History.NewestStepSize(), expected.placements.size());
    window->RunCommand(kCmdUndo);
    doc().Modified = false;
    EXPECT_EQ(test::Dump(doc()), before);
}

}  // namespace
}  // namespace lw::ui

namespace lw::ui {
namespace {

// Another planner's session holds the month: it opens read-only and Save refuses; once that
// session is gone the month opens normally, and a month a colleague changed on disk is not saved
// over without asking. A newer timed copy is offered when the month is opened.
TEST_F(MainWindowTest, SharedMonthHeldChangedAndNewerCopy) {
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t holder = fork();
    if (holder == 0) {
        std::unique_ptr<persist::MonthLock> lock;
        persist::LockHolder seen;
        const char taken = persist::MonthLock::Take(month, lock, seen) == persist::MonthLock::Outcome::Taken ? 't' : 'f';
        (void)!write(ready[1], &taken, 1);
        pause();
        _exit(0);
    }
    char taken = 0;
    ASSERT_EQ(read(ready[0], &taken, 1), 1);
    ASSERT_EQ(taken, 't');
    const std::string original = test::ReadBytes(month);

    ui.answers = {Answer::Yes};  // Open Read-Only
    ASSERT_TRUE(window->OpenFile(month.string()));
    ASSERT_EQ(ui.calls.size() >= 1, true);
    EXPECT_EQ(ui.calls[0].kind, "Ask");
    const std::string named = month.string() + " is open by ";
    EXPECT_EQ(ui.calls[0].text.substr(0, named.size()), named);
    EXPECT_NE(ui.calls[0].text.find("(process " + std::to_string(holder) + ")"), std::string::npos);
    const std::string choices = "\n\nYes: Open Read-Only\nNo: Open Anyway\nCancel: do not open it";
    ASSERT_GT(ui.calls[0].text.size(), choices.size());
    EXPECT_EQ(ui.calls[0].text.substr(ui.calls[0].text.size() - choices.size()), choices);
    ui.calls.clear();
    doc().Modified = true;
    window->RunCommand(kCmdSave);
    EXPECT_EQ(ui.Messages(), (Calls{{"Message", "File Error",
                                     month.string() + " was opened read-only: another planner has it open. Use Save "
                                                      "As to keep your changes under another name."}}));
    EXPECT_EQ(test::ReadBytes(month), original);

    kill(holder, SIGKILL);
    waitpid(holder, nullptr, 0);
    close(ready[0]);
    close(ready[1]);

    // The holder's session was killed: its lock is stale and the month opens without a question.
    doc().Modified = false;
    ui.calls.clear();
    ASSERT_TRUE(window->OpenFile(month.string()));
    EXPECT_TRUE(std::none_of(ui.calls.begin(), ui.calls.end(), [](const Call& c) { return c.kind == "Ask"; }));
    // A colleague saves the month (forcing past the lock) meanwhile.
    {
        model::Document theirs(clock.Today().Number());
        FakeInteraction quiet;
        ASSERT_TRUE(persist::LoadSchedule(theirs, quiet, month));
        theirs.Crew[0].QuickNotes = "colleague";
        ASSERT_TRUE(persist::SaveSchedule(theirs, quiet, month, model::kWorkingFile));
    }
    const std::string colleagues = test::ReadBytes(month);
    doc().Modified = true;
    ui.calls.clear();
    ui.answers = {Answer::Cancel};
    window->RunCommand(kCmdSave);
    ASSERT_EQ(ui.calls.size() >= 1, true);
    const std::string changed = month.string() + " was changed on disk by someone else since it was read.";
    EXPECT_EQ(ui.calls[0].kind, "Ask");
    EXPECT_EQ(ui.calls[0].text.substr(0, changed.size()), changed);
    EXPECT_EQ(test::ReadBytes(month), colleagues);
    EXPECT_TRUE(doc().Modified);

    // A timed copy newer than the month is offered when the month is opened.
    const auto copy = persist::TimedCopyName(month);
    test::WriteBytes(copy, original);
    const timespec older[2] = {{1700000000, 0}, {1700000000, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, month.c_str(), older, 0), 0);
    doc().Modified = false;
    ui.calls.clear();
    ui.answers = {Answer::No};
    ASSERT_TRUE(window->OpenFile(month.string()));
    EXPECT_EQ(ui.calls[0], (Call{"Ask", "Linewright",
                                 "The backup copy " + copy.string() + " is newer than " + month.string() +
                                     ". Open the backup copy instead?"}));
}

}  // namespace
}  // namespace lw::ui
