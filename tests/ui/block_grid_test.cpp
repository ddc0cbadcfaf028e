// The block grid on the captains' March sample, driven by mouse and key events: click
// assignment, drag to another row, right-click removals, the three dialogs, the view filters
// and the search. Each gesture is checked against the whole month: the grid must leave it as
// the core call for the cell under the mouse does on a twin of the month.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QSignalSpy>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <numeric>

#include "persist/schedule_file.h"
#include "rules/engine_month.h"
#include "rules/roster_edit.h"
#include "temp_folder.h"
#include "ui/block_grid_view.h"
#include "ui/grid_dialogs.h"
#include "ui/workspace.h"

namespace lw::ui {
namespace {

using platform::Answer;
using test::FakeInteraction;
using Call = FakeInteraction::Call;
using Calls = std::vector<Call>;
using Rows = std::vector<int>;

std::unique_ptr<model::Document> LoadSample() {
    auto doc = std::make_unique<model::Document>();
    FakeInteraction quiet;
    EXPECT_TRUE(persist::LoadSchedule(*doc, quiet,
                                      LW_SOURCE_DIR "/samples/capt-yyz-dh8-2027-03/capt-yyz-dh8-2027-03.lw2"));
    return doc;
}

struct Placement {
    int crew = -1, pair = -1, day = -1;
};

// The sample month in a grid, and a twin of it for the core calls the grid should make.
struct GridTest : ::testing::Test {
    FakeInteraction ui;
    test::TempFolder folder;
    platform::Profile profile{folder / "lwright.ini"};
    Workspace ws{ui, profile};
    std::unique_ptr<model::Document> twin = LoadSample();
    rules::Board twinBoard;
    FakeInteraction twinUi;
    std::unique_ptr<BlockGridView> view;

    void SetUp() override {
        ws.Replace(LoadSample());
        view = std::make_unique<BlockGridView>(ws);
        view->resize(1400, 1000);
        view->show();
    }
    model::Document& doc() { return ws.doc(); }
    const model::TPilot& Crew(int row) { return doc().Crew[static_cast<size_t>(row)]; }

    QPoint CellPoint(int crew, int day) {
        const GridGeometry& g = view->Geometry();
        const auto it = std::find(view->DisplayRows().begin(), view->DisplayRows().end(), crew);
        EXPECT_NE(it, view->DisplayRows().end()) << "crew " << crew << " not shown";
        const int row = static_cast<int>(it - view->DisplayRows().begin());
        const int shift = view->LastMonthView() ? model::kPrevDays : 0;
        return {g.ColumnLeft(day + shift, view->FirstColumn()) + g.ColumnWidth() / 2,
                g.RowTop(row, view->FirstRow()) + g.RowHeight() / 2};
    }
    QPoint NamePoint(int crew) { return {20, CellPoint(crew, 0).y()}; }
    void Click(Qt::MouseButton button, QPoint at, Qt::KeyboardModifiers keys = {}) {
        QTest::mouseClick(view->viewport(), button, keys, at);
    }

    // A pairing day a member holding nothing near it can take without a question.
    Placement FreePlacement(int firstCrew, int avoidCrew = -1) {
        const model::Document& d = doc();
        for (int day = 2; day < d.DayCount - 6; ++day)
            for (int q = 0; q <= d.LastPairIndex; ++q) {
                const model::TPair& pair = d.Pairings[static_cast<size_t>(q)];
                if (!pair.IsOpen(day) || day + pair.PairLength >= d.DayCount) continue;
                for (int c = firstCrew; c < firstCrew + 30 && c < d.CrewCount; ++c) {
                    const model::TPilot& p = d.Crew[static_cast<size_t>(c)];
                    if (c == avoidCrew || p.BidsReserve || p.EmployeeNumber <= 0) continue;
                    bool free = true;
                    for (int k = day - 2; k <= day + pair.PairLength + 1; ++k)
                        free = free && p.DayAssignment[static_cast<size_t>(k)] == model::kDayEmpty;
                    if (free && rules::TrialAssign(ws.doc(), c, q, day) == rules::kTrialLegal) return {c, q, day};
                }
            }
        ADD_FAILURE() << "no free placement";
        return {};
    }
    std::string Snap() { return test::Snapshot(doc()); }
    std::string TwinSnap() { return test::Snapshot(*twin); }
};

TEST_F(GridTest, ClickAssignsTheSelectedPairing) {
    const Placement at = FreePlacement(0);
    ws.board().Selected = {at.pair, at.day, -1};
    twinBoard.Selected = ws.board().Selected;
    QSignalSpy changed(&ws, &Workspace::documentChanged);

    Click(Qt::LeftButton, CellPoint(at.crew, at.day));

    ASSERT_EQ(rules::AssignPair(*twin, twinBoard, twinUi, at.crew, at.pair, at.day, false), rules::kAssignDone);
    ++twin->AssignsSinceBackup;
    EXPECT_EQ(Crew(at.crew).DayAssignment[static_cast<size_t>(at.day)], at.pair);
    EXPECT_TRUE(doc().Pairings[static_cast<size_t>(at.pair)].IsTaken(at.day));
    EXPECT_EQ(Snap(), TwinSnap());
    EXPECT_EQ(doc().AssignsSinceBackup, 1);
    EXPECT_EQ(ws.board().Selected.pair, -1);
    EXPECT_EQ(ws.board().LastAssigned, twinBoard.LastAssigned);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(ui.calls, Calls{});

    // The duty bar is drawn to scale from the report time, in the duty colour.
    QImage image(view->viewport()->size(), QImage::Format_RGB32);
    QPainter painter(&image);
    view->PaintGrid(painter, image.rect());
    painter.end();
    const GridGeometry& g = view->Geometry();
    const model::TPair& q = doc().Pairings[static_cast<size_t>(at.pair)];
    const QPoint cell = CellPoint(at.crew, at.day);
    const int left = g.ColumnLeft(at.day, 0);
    const int barY = cell.y() - g.RowHeight() / 2 + g.RowHeight() - 4;
    const QColor duty(0, 255, 0);
    EXPECT_EQ(image.pixelColor(left + g.MinuteX(q.ReportTime) + 1, barY), duty);
    EXPECT_NE(image.pixelColor(left + g.MinuteX(q.ReportTime) - 2, barY), duty);
}

TEST_F(GridTest, IllegalDayIsFramedAndTheNumberTakesItsCreditColour) {
    const Placement at = FreePlacement(0);
    ASSERT_EQ(rules::AssignPair(doc(), ws.board(), ui, at.crew, at.pair, at.day, false), rules::kAssignDone);
    const int crew = at.crew, day = at.day;
    doc().Crew[static_cast<size_t>(crew)].DayIllegal[static_cast<size_t>(day)] = 1;
    const model::TPair& q = doc().Pairings[static_cast<size_t>(Crew(crew).DayAssignment[static_cast<size_t>(day)])];

    QImage image(view->viewport()->size(), QImage::Format_RGB32);
    QPainter painter(&image);
    view->PaintGrid(painter, image.rect());
    painter.end();
    const GridGeometry& g = view->Geometry();
    const int left = g.ColumnLeft(day, 0);
    const int top = CellPoint(crew, day).y() - g.RowHeight() / 2;
    const int right = left + g.ColumnWidth() - 2;
    const int bottom = top + g.RowHeight() - 2;
    const QColor red(Qt::red);
    // A one-pixel red frame just inside the cell, corner to corner.
    for (const QPoint corner : {QPoint(left + 1, top + 1), QPoint(right, top + 1), QPoint(left + 1, bottom), QPoint(right, bottom)})
        EXPECT_EQ(image.pixelColor(corner), red) << corner.x() << "," << corner.y();
    EXPECT_NE(image.pixelColor(left, top + 1), red);
    EXPECT_NE(image.pixelColor(right + 1, bottom), red);

    // The pairing number is written in its credit class's colour, inside the frame.
    const platform::Rgb c = ws.prefs().Colours[static_cast<size_t>(std::clamp<int>(q.CreditClass(), 0, 3))];
    int inked = 0;
    for (int y = top + 2; y < bottom; ++y)
        for (int x = left + 2; x < right; ++x) inked += image.pixelColor(x, y) == QColor(c.r, c.g, c.b);
    EXPECT_GT(inked, 10);
}

TEST_F(GridTest, DragMovesAPairingToAnotherRow) {
    const Placement at = FreePlacement(0);
    int target = -1;
    for (int c = at.crew + 1; c < at.crew + 25 && target < 0; ++c) {
        bool free = Crew(c).EmployeeNumber > 0 && !Crew(c).BidsReserve;
        for (int k = at.day - 2; k <= at.day + 5; ++k) free = free && Crew(c).DayAssignment[static_cast<size_t>(k)] == -1;
        if (free && rules::TrialAssign(doc(), c, at.pair, at.day) == rules::kTrialLegal) target = c;
    }
    test::Hold(doc(), at.crew, at.pair, at.day);
    test::Hold(*twin, at.crew, at.pair, at.day);
    ASSERT_GE(target, 0);

    const QPoint from = CellPoint(at.crew, at.day);
    // Dropped a little later in the target row: the day never changes in a move.
    const QPoint to = CellPoint(target, at.day + 1);
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(view->viewport(), to);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, to);

    ASSERT_EQ(rules::RemovePair(*twin, twinBoard, at.crew, at.pair, at.day), rules::kAssignDone);
    ASSERT_EQ(rules::AssignPair(*twin, twinBoard, twinUi, target, at.pair, at.day, false), rules::kAssignDone);
    EXPECT_EQ(Crew(at.crew).DayAssignment[static_cast<size_t>(at.day)], -1);
    EXPECT_EQ(Crew(target).DayAssignment[static_cast<size_t>(at.day)], at.pair);
    EXPECT_EQ(Snap(), TwinSnap());
    EXPECT_EQ(ui.calls, Calls{});

    // A locked pairing stays where it is.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier, CellPoint(target, at.day));
    EXPECT_EQ(Crew(target).DayLocked[static_cast<size_t>(at.day)], 1);
    const std::string locked = Snap();
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, CellPoint(target, at.day));
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, CellPoint(at.crew, at.day));
    EXPECT_EQ(Snap(), locked);
    EXPECT_EQ(ui.calls, (Calls{{FakeInteraction::Kind::Message, "Linewright", "Can't Drag a Locked in Pairing"}}));
}

TEST_F(GridTest, RightClickSendsAPairingBackToOpenTime) {
    const Placement at = FreePlacement(0);
    for (model::Document* d : {&doc(), twin.get()}) test::Hold(*d, at.crew, at.pair, at.day);
    const std::string held = Snap();
    const model::TPilot& p = Crew(at.crew);
    const model::TPair& q = doc().Pairings[static_cast<size_t>(at.pair)];
    char question[300];
    std::snprintf(question, sizeof question,
                  "Confirm remove %c%d from %s. Hold Ctrl Key down while Right Clicking to avoid this message",
                  q.BaseEqpCode[0], q.PairNumber, p.Name.c_str());

    // Without Ctrl the planner is asked; No keeps everything.
    ui.answers = {Answer::No};
    Click(Qt::RightButton, CellPoint(at.crew, at.day));
    EXPECT_EQ(Snap(), held);
    EXPECT_EQ(ui.calls, (Calls{{FakeInteraction::Kind::Ask, "Linewright", question}}));

    // With Ctrl held nobody is asked.
    ui.calls.clear();
    Click(Qt::RightButton, CellPoint(at.crew, at.day), Qt::ControlModifier);
    rules::GridGestures twinGestures(*twin, twinBoard, twinUi);
    ASSERT_EQ(twinGestures.RightClick(at.crew, at.day, {false, true}).effect, rules::GridEffect::Removed);
    EXPECT_EQ(p.DayAssignment[static_cast<size_t>(at.day)], -1);
    EXPECT_TRUE(q.IsOpen(at.day));
    EXPECT_EQ(Snap(), TwinSnap());
    EXPECT_EQ(ui.calls, Calls{});
}

TEST_F(GridTest, RightClickOnAFreeDayOpensTheQuickEmployeeDialog) {
    const Placement at = FreePlacement(0);
    QStringList shown;
    view->SetDialogRunner([&](QDialog& dialog) {
        auto* quick = dynamic_cast<QuickEmployeeDialog*>(&dialog);
        EXPECT_NE(quick, nullptr);
        if (!quick) return int(QDialog::Rejected);
        shown << dialog.windowTitle() << QString::number(quick->bidsReserveBox()->isChecked())
              << QString::number(quick->blockCompleteBox()->isChecked());
        quick->bidsReserveBox()->setChecked(true);
        quick->blockCompleteBox()->setChecked(true);
        return int(QDialog::Accepted);
    });
    Click(Qt::RightButton, CellPoint(at.crew, at.day));
    EXPECT_EQ(shown, (QStringList{"", "0", "0"}));
    rules::GridGestures twinGestures(*twin, twinBoard, twinUi);
    twinGestures.StoreQuickEmployeeInfo(at.crew, true, true);
    EXPECT_TRUE(Crew(at.crew).BidsReserve);
    EXPECT_EQ(Crew(at.crew).BlockComplete, 1);
    EXPECT_EQ(Snap(), TwinSnap());

    // Cancel stores nothing.
    const std::string before = Snap();
    view->SetDialogRunner([](QDialog& dialog) {
        static_cast<QuickEmployeeDialog&>(dialog).bidsReserveBox()->setChecked(false);
        return int(QDialog::Rejected);
    });
    Click(Qt::RightButton, CellPoint(at.crew, at.day));
    EXPECT_EQ(Snap(), before);
}

TEST_F(GridTest, ClickOnAnActivityEditsItsDetails) {
    // A member with an activity day from the absence extract.
    int crew = -1, day = -1;
    for (int c = 0; c < 30 && crew < 0; ++c)
        for (int d = 0; d < doc().DayCount && crew < 0; ++d)
            if (Crew(c).DayAssignment[static_cast<size_t>(d)] == model::kDayActivity) crew = c, day = d;
    ASSERT_GE(crew, 0);
    rules::ActivityDetails shown;
    view->SetDialogRunner([&](QDialog& dialog) {
        auto& details = dynamic_cast<ActivityDetailsDialog&>(dialog);
        shown = details.Details();
        EXPECT_EQ(dialog.windowTitle().toStdString(), Crew(crew).Name + " Assignment Details");
        details.field(ActivityDetailsDialog::kCredit)->setText("2:30");
        details.field(ActivityDetailsDialog::kStart)->setText("nonsense");
        details.box(ActivityDetailsDialog::kCarsDuty)->setChecked(true);
        return int(QDialog::Accepted);
    });
    Click(Qt::LeftButton, CellPoint(crew, day));
    EXPECT_EQ(shown, rules::ReadActivityDetails(*twin, crew, day));

    rules::GridGestures twinGestures(*twin, twinBoard, twinUi);
    rules::ActivityDetails entered = shown;
    entered.credit = "2:30";
    entered.start = "nonsense";
    entered.carsDuty = true;
    ASSERT_TRUE(twinGestures.StoreActivityDetails(crew, day, entered));
    EXPECT_EQ(Crew(crew).DayActivity[static_cast<size_t>(day)][model::kActCredit], 150);
    EXPECT_EQ(Snap(), TwinSnap());
    EXPECT_EQ(ui.calls, Calls{});
}

TEST_F(GridTest, LastMonthDaysOpenReadOnly) {
    const int crew = 3;
    const std::string before = Snap();
    bool readOnly = false;
    std::string date;
    view->SetDialogRunner([&](QDialog& dialog) {
        auto& details = dynamic_cast<ActivityDetailsDialog&>(dialog);
        readOnly = details.field(ActivityDetailsDialog::kCredit)->isReadOnly() &&
                   !details.box(ActivityDetailsDialog::kReserve)->isEnabled();
        date = details.Details().date;
        details.field(ActivityDetailsDialog::kCredit)->setText("9:99");
        return int(QDialog::Accepted);
    });
    view->setFocus();
    QTest::keyPress(view.get(), Qt::Key_Left);
    ASSERT_TRUE(view->LastMonthView());
    Click(Qt::LeftButton, CellPoint(crew, -3));  // the month begins on 2 March
    QTest::keyRelease(view.get(), Qt::Key_Left);
    EXPECT_FALSE(view->LastMonthView());
    EXPECT_TRUE(readOnly);
    EXPECT_EQ(date, "27 2 2027");
    EXPECT_EQ(Snap(), before);
}

TEST_F(GridTest, ClickOnAPairingAsksForItsText) {
    const Placement at = FreePlacement(0);
    test::Hold(doc(), at.crew, at.pair, at.day);
    QSignalSpy spy(view.get(), &BlockGridView::pairingTextRequested);
    const std::string before = Snap();
    Click(Qt::LeftButton, CellPoint(at.crew, at.day));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0), (QVariantList{at.pair, at.day}));
    EXPECT_EQ(Snap(), before);
}

TEST_F(GridTest, RightClickOnTheNameMovesTheMemberOnTheRoster) {
    const std::string name = Crew(4).Name;
    QStringList lines;
    QString title;
    view->SetDialogRunner([&](QDialog& dialog) {
        auto& move = dynamic_cast<MoveDialog&>(dialog);
        title = dialog.windowTitle();
        lines = move.Lines();
        EXPECT_EQ(move.ChosenRow(), 4);
        move.list()->setCurrentRow(1);
        return int(QDialog::Accepted);
    });
    Click(Qt::RightButton, NamePoint(4));
    EXPECT_EQ(title, "Linewright Move Employee on Roster");
    QStringList expected;
    for (const rules::RosterLine& line : rules::MoveDialogFor(*twin, 4).lines) expected << QString::fromStdString(line.text);
    EXPECT_EQ(lines, expected);
    ASSERT_TRUE(rules::MoveOnRoster(*twin, 4, 1));
    EXPECT_EQ(Crew(1).Name, name);
    EXPECT_EQ(Snap(), TwinSnap());
}

TEST_F(GridTest, ViewFiltersChooseTheRowsAndAreSaved) {
    model::Document& d = doc();
    for (int c = 0; c < d.CrewCount; ++c) {
        d.Crew[static_cast<size_t>(c)].BlockComplete = 0;
        d.Crew[static_cast<size_t>(c)].Qualification = 0;
    }
    d.Crew[2].BlockComplete = 1;
    d.Crew[5].Qualification = 1;
    d.Crew[7].Qualification = 1;
    d.Crew[7].BlockComplete = 1;
    Rows all(static_cast<size_t>(d.CrewCount));
    std::iota(all.begin(), all.end(), 0);
    view->Refresh();
    EXPECT_EQ(view->DisplayRows(), all);

    view->ToggleViewSwitch(rules::ViewSwitch::HideCompleted);
    Rows notComplete = all;
    std::erase_if(notComplete, [](int c) { return c == 2 || c == 7; });
    EXPECT_EQ(view->DisplayRows(), notComplete);

    // Showing only LTC turns the hide switch off.
    view->ToggleViewSwitch(rules::ViewSwitch::ShowLTC);
    EXPECT_FALSE(view->ViewSwitchOn(rules::ViewSwitch::HideCompleted));
    EXPECT_EQ(view->DisplayRows(), (Rows{5, 7}));

    ASSERT_TRUE(view->WriteViewSettings());
    EXPECT_EQ(profile.Find("LW", "ShowLTC"), "1");
    EXPECT_EQ(profile.Find("LW", "HideCompleted"), "0");
    view->ToggleViewSwitch(rules::ViewSwitch::ShowLTC);
    EXPECT_EQ(view->DisplayRows(), all);
    view->ReadViewSettings();
    EXPECT_EQ(view->DisplayRows(), (Rows{5, 7}));
    EXPECT_EQ(ui.calls, Calls{});
}

TEST_F(GridTest, SearchShowsTheMatchingMembers) {
    model::Document& d = doc();
    const std::string fragment = Crew(10).Name.substr(2, 4);
    for (int c = 0; c < d.CrewCount; ++c) {
        d.Crew[static_cast<size_t>(c)].EmployeeNumber = 200000 + c;
        d.Crew[static_cast<size_t>(c)].BidText.clear();
    }
    d.Crew[20].EmployeeNumber = 1234;
    Rows byName;
    for (int c = 0; c < d.CrewCount; ++c)
        if (Crew(c).Name.find(fragment) != std::string::npos || c == 20) byName.push_back(c);

    view->ToggleViewSwitch(rules::ViewSwitch::FilterSearch);
    view->SetSearchText(QString::fromStdString(fragment).toLower() + ", 1234");
    EXPECT_EQ(view->DisplayRows(), byName);
    EXPECT_TRUE(d.MarkedOnlyView);

    // Only the numbers: the name no longer counts.
    view->SetSearchOptions(false, true, false, false);
    EXPECT_EQ(view->DisplayRows(), (Rows{20}));

    // Switched off, every member shows again and "next" walks the matches.
    view->ToggleViewSwitch(rules::ViewSwitch::FilterSearch);
    EXPECT_EQ(view->DisplayRows().size(), static_cast<size_t>(d.CrewCount));
    EXPECT_EQ(view->SearchNext(), 20);
    EXPECT_EQ(view->FirstRow(), std::min(20, view->verticalScrollBar()->maximum()));
    EXPECT_EQ(ui.calls, Calls{});
}

TEST_F(GridTest, GridKeys) {
    QSignalSpy history(view.get(), &BlockGridView::historyRequested);
    QSignalSpy report(view.get(), &BlockGridView::pairingReportRequested);
    view->setFocus();
    QTest::keyClick(view.get(), Qt::Key_Down);
    QTest::keyClick(view.get(), Qt::Key_Down);
    QTest::keyClick(view.get(), Qt::Key_Up);
    EXPECT_EQ(view->FirstRow(), 1);

    QTest::keyPress(view.get(), Qt::Key_Escape);
    EXPECT_TRUE(view->CreditsHighlighted());
    QTest::keyRelease(view.get(), Qt::Key_Escape);
    EXPECT_FALSE(view->CreditsHighlighted());

    // While last month shows, only scrolling answers.
    QTest::keyPress(view.get(), Qt::Key_Left);
    QTest::keyClick(view.get(), Qt::Key_H);
    QTest::keyClick(view.get(), Qt::Key_Down);
    EXPECT_EQ(history.count(), 0);
    EXPECT_EQ(view->FirstRow(), 2);
    QTest::keyRelease(view.get(), Qt::Key_Left);

    QTest::keyClick(view.get(), Qt::Key_H);
    QTest::keyClick(view.get(), Qt::Key_Equal);
    EXPECT_EQ(history.count(), 1);
    EXPECT_EQ(report.count(), 1);
}

}  // namespace
}  // namespace lw::ui
