// What a Linux desktop expects of a Qt program: the standard keys beside the function keys, an
// Undo item that says what it undoes, window places kept in the settings file, status tips, and
// the folder offered after files are written.
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

#include <map>

#include "month_window.h"
#include "output/html_publish.h"
#include "rules/assignment.h"
#include "ui/pairings_window.h"

namespace lw::ui {
namespace {

using platform::Answer;
using Call = lw::test::FakeInteraction::Call;
using Calls = std::vector<Call>;

struct DesktopHabitsTest : test::MonthWindowTest {
    std::vector<QUrl> opened;
    bool openerWorks = true;

    void Open(const char* sample, bool build) {
        MonthWindowTest::Open(sample, build);
        window->SetUrlOpener([this](const QUrl& url) {
            opened.push_back(url);
            return openerWorks;
        });
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    std::string UndoText() { return window->Command(kCmdUndo)->text().toStdString(); }
    // The first open pairing day that a member can take without a question, as a click would.
    struct Placement {
        int crew = -1, pair = -1, day = -1;
    };
    Placement LegalPlacement() {
        for (int pair = 0; pair <= doc().LastPairIndex; ++pair)
            for (int day = 2; day < doc().DayCount - 6; ++day) {
                if (!doc().Pairings[static_cast<size_t>(pair)].IsOpen(day)) continue;
                for (int c = 0; c < doc().CrewCount; ++c) {
                    const model::TPilot& p = doc().Crew[static_cast<size_t>(c)];
                    bool free = !p.BidsReserve && p.EmployeeNumber > 0;
                    for (int k = day - 2; free && k <= day + doc().Pairings[static_cast<size_t>(pair)].PairLength + 1; ++k)
                        free = p.DayAssignment[static_cast<size_t>(k)] == model::kDayEmpty;
                    if (free && rules::TrialAssign(doc(), c, pair, day) == rules::kTrialLegal) return {c, pair, day};
                }
            }
        ADD_FAILURE() << "no legal placement";
        return {};
    }
    void Assign(const Placement& at) {
        ASSERT_EQ(rules::AssignPair(doc(), window->workspace().board(), ui, at.crew, at.pair, at.day, false),
                  rules::kAssignDone);
        window->workspace().NotifyChanged();
    }
    Call FolderOffer(const std::filesystem::path& where) {
        return {"Ask", "Linewright", "The files are saved in " + where.string() + ".\nDo you want to open that folder?"};
    }
};

TEST_F(DesktopHabitsTest, StandardKeysWorkBesideTheFunctionKeysAndNoKeyIsAmbiguous) {
    Open(test::kCaptainsMonth, true);
    // Every key sequence of the window belongs to one action only.
    std::map<QString, int> owners;
    for (const QAction* action : window->actions())
        for (const QKeySequence& key : action->shortcuts()) ++owners[key.toString()];
    for (const auto& [key, count] : owners) EXPECT_EQ(count, 1) << key.toStdString();
    // The function keys come first: they are the ones the menus show.
    const QList<QKeySequence> undoKeys = window->Command(kCmdUndo)->shortcuts();
    EXPECT_EQ(undoKeys, QList<QKeySequence>{Qt::Key_F1} + QKeySequence::keyBindings(QKeySequence::Undo));
    EXPECT_TRUE(undoKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Z)));
    EXPECT_EQ(window->Command(kCmdBackup)->shortcut(), QKeySequence(Qt::Key_F8));
    // Save As and Quit have their keys whatever the key scheme says.
    EXPECT_EQ(window->Command(kCmdSaveAs)->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    EXPECT_EQ(window->Command(kCmdExit)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));

    // Ctrl+Z takes back an assignment as F1 does.
    const size_t entries = doc().History.Size();
    const Placement at = LegalPlacement();
    Assign(at);
    ASSERT_EQ(doc().Crew[static_cast<size_t>(at.crew)].DayAssignment[static_cast<size_t>(at.day)], at.pair);
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(doc().Crew[static_cast<size_t>(at.crew)].DayAssignment[static_cast<size_t>(at.day)], model::kDayEmpty);
    EXPECT_EQ(doc().History.Size(), entries);

    // Ctrl+S saves the changed month; Ctrl+O asks about nothing more and opens the chooser.
    doc().Modified = true;
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(doc().Modified);
    ui.calls.clear();
    ui.openFiles.push_back(std::nullopt);
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(ui.calls.size(), 1u);
    EXPECT_EQ(ui.calls[0].kind, std::string("ChooseOpenFile"));
    EXPECT_EQ(ui.calls[0].title, "Open");

    // Ctrl+Q closes the window, asking only about unsaved work.
    ui.calls.clear();
    QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(ui.calls, Calls{});
}

TEST_F(DesktopHabitsTest, TheUndoItemNamesTheNewestEntry) {
    Open(test::kCaptainsMonth, true);
    doc().History.Clear();
    window->workspace().NotifyChanged();
    EXPECT_EQ(UndoText(), "&Undo");
    const Placement at = LegalPlacement();
    Assign(at);
    EXPECT_EQ(UndoText(), "&Undo Assign Z8001 on 13/03 to J SCHMIDT");
    ASSERT_EQ(rules::RemovePair(doc(), window->workspace().board(), at.crew, at.pair, at.day), rules::kAssignDone);
    window->workspace().NotifyChanged();
    EXPECT_EQ(UndoText(), "&Undo Remove Z8001 on 13/03 from J SCHMIDT");
    // The Edit menu as the planner sees it, for review.
    QMenu* edit = window->menuBar()->actions()[2]->menu();
    ASSERT_EQ(edit->title(), "&Edit");
    edit->popup(window->mapToGlobal(QPoint(80, 30)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(edit));
    QDir().mkpath(LW_SCREENSHOT_DIR);
    EXPECT_TRUE(edit->grab().save(QString(LW_SCREENSHOT_DIR) + "/edit-menu.png"));
    edit->hide();

    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(UndoText(), "&Undo Assign Z8001 on 13/03 to J SCHMIDT");
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(UndoText(), "&Undo");
}

TEST_F(DesktopHabitsTest, EveryActionHasItsOwnStatusTip) {
    Open(test::kCaptainsMonth, false);
    std::map<QString, int> uses;
    for (const CommandText& c : CommandTexts()) {
        QAction* action = window->Command(c.id);
        EXPECT_FALSE(action->statusTip().isEmpty()) << c.text;
        ++uses[action->statusTip()];
    }
    for (const auto& [tip, count] : uses) EXPECT_EQ(count, 1) << tip.toStdString();
    for (const QAction* action : window->actions()) EXPECT_FALSE(action->statusTip().isEmpty()) << action->text().toStdString();
    ASSERT_EQ(window->RecentFileActions().size(), 1u);
    EXPECT_EQ(window->RecentFileActions()[0]->statusTip().toStdString(), "Open " + month.string());
    // Pointing at the item puts its tip on the status bar.
    window->Command(kCmdBuildBlocks)->showStatusText(window.get());
    EXPECT_EQ(window->statusBar()->currentMessage(), "Check the pairings and build the blocks");
}

TEST_F(DesktopHabitsTest, WindowPlacesAreKeptInTheSettingsFile) {
    Open(test::kCaptainsMonth, true);
    EXPECT_FALSE(window->RestorePlaces());  // nothing saved yet
    window->setGeometry(60, 70, 1100, 720);
    PairingsWindow* pairings = window->Pairings();
    if (!pairings->isVisible()) window->RunCommand(kCmdPairingsWindow);
    ASSERT_TRUE(pairings->isVisible());
    pairings->setGeometry(300, 420, 800, 260);
    window->close();
    EXPECT_NE(profile.GetString("LW", "MainWindowPlace", ""), "");
    EXPECT_NE(profile.GetString("LW", "PairingsWindowPlace", ""), "");

    MainWindow next(ui, profile, clock);
    ASSERT_TRUE(next.RestorePlaces());
    next.show();
    EXPECT_EQ(next.geometry(), QRect(60, 70, 1100, 720));
    next.Pairings()->show();
    EXPECT_EQ(next.Pairings()->geometry(), QRect(300, 420, 800, 260));
}

TEST_F(DesktopHabitsTest, WrittenFilesOfferTheirFolder) {
    Open(test::kCaptainsMonth, true);
    ui.answers = {Answer::Yes};
    window->RunCommand(kCmdPublish);
    EXPECT_TRUE(std::filesystem::exists(output::PublishFilesFor(doc()).page));
    EXPECT_EQ(ui.calls, (Calls{{"Message", "Linewright", "HTML and Various CVS Files Saved to folder " + folder.Path().string()},
                               FolderOffer(folder.Path())}));
    EXPECT_EQ(opened, std::vector<QUrl>{QUrl::fromLocalFile(QString::fromStdString(folder.Path().string()))});

    // No opens nothing; a report in another folder offers that one; a desktop without a file
    // manager is reported.
    std::filesystem::create_directory(folder / "training");
    const std::filesystem::path report = folder / "training" / "march.csv";
    ui.calls.clear();
    ui.saveFiles.push_back(report.string());
    ui.answers = {Answer::No};
    window->RunCommand(kCmdTrainingReport);
    EXPECT_TRUE(std::filesystem::exists(report));
    EXPECT_EQ(ui.calls.back(), FolderOffer(folder / "training"));
    EXPECT_EQ(opened.size(), 1u);

    ui.calls.clear();
    ui.saveFiles.push_back(report.string());
    ui.answers = {Answer::Yes};
    openerWorks = false;
    window->RunCommand(kCmdTrainingReport);
    EXPECT_EQ(opened.back(), QUrl::fromLocalFile(QString::fromStdString((folder / "training").string())));
    EXPECT_EQ(ui.calls.back(), (Call{"Message", "Linewright",
                                     "No file manager could be started to show " + (folder / "training").string()}));

    // The company copy: the mail offer, then the folder of the copy.
    ui.calls.clear();
    ui.answers = {Answer::No, Answer::Yes};
    openerWorks = true;
    window->RunCommand(kCmdCompanyExport);
    EXPECT_EQ(ui.calls.back(), FolderOffer(folder / "Company"));
    EXPECT_EQ(opened.back(), QUrl::fromLocalFile(QString::fromStdString((folder / "Company").string())));

    // A cancelled report offers nothing.
    ui.calls.clear();
    ui.saveFiles.push_back(std::nullopt);
    window->RunCommand(kCmdTrainingReport);
    EXPECT_EQ(ui.calls.size(), 1u);
    EXPECT_EQ(ui.calls[0].kind, std::string("ChooseSaveFile"));
}

}  // namespace
}  // namespace lw::ui
