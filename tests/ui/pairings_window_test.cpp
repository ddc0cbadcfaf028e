// The pairings window on the captains' March sample, built as Build Blocks leaves it, driven by
// mouse events: selecting, describing a taken instance, the pairing text window, who's legal
// and its "Assign...", the open-only switch, the double click beside the pairings and what
// the window paints. Each gesture is checked against the core call on a twin of the month.
#include <QApplication>
#include <QLabel>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "bids/filters.h"
#include "model/activity_codes.h"
#include "persist/schedule_file.h"
#include "rules/build_blocks.h"
#include "rules/engine_month.h"
#include "rules/whos_legal.h"
#include "rules/why_not.h"
#include "temp_folder.h"
#include "ui/pair_text_window.h"
#include "ui/pairings_window.h"
#include "ui/whos_legal_dialog.h"
#include "ui/workspace.h"

namespace lw::ui {
namespace {

using test::FakeInteraction;
using Call = FakeInteraction::Call;
using Calls = std::vector<Call>;
using Lines = std::vector<std::string>;

constexpr char kCaptains[] = LW_SOURCE_DIR "/samples/capt-yyz-dh8-2027-03/capt-yyz-dh8-2027-03.lw2";
constexpr char kCabin[] = LW_SOURCE_DIR "/samples/fa-yul-2027-03/fa-yul-2027-03.lw2";

std::unique_ptr<model::Document> LoadBuilt(const char* file, rules::Board& board, const platform::Profile& profile) {
    auto doc = std::make_unique<model::Document>();
    FakeInteraction quiet;
    EXPECT_TRUE(persist::LoadSchedule(*doc, quiet, file));
    EXPECT_TRUE(rules::BuildBlocks(*doc, board, quiet, profile, {}).built);
    return doc;
}

struct Place {
    int column = -1, row = -1, pair = -1;
};

Lines ListLines(const QListWidget* list) {
    Lines lines;
    for (int i = 0; i < list->count(); ++i) lines.push_back(list->item(i)->text().toStdString());
    return lines;
}

// Runs `act` on the who's-legal dialog once it is up; the dialog is closed afterwards in any case.
void OnWhosLegal(std::function<void(WhosLegalDialog&)> act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<WhosLegalDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr) << "the who's-legal dialog did not open";
        act(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
}

struct PairingsTest : ::testing::Test {
    FakeInteraction ui;
    test::TempFolder folder;
    platform::Profile profile{folder / "lwright.ini"};
    Workspace ws{ui, profile};
    rules::Board twinBoard;
    FakeInteraction twinUi;
    std::unique_ptr<model::Document> twin;
    std::unique_ptr<PairingsWindow> window;

    void Open(const char* file) {
        rules::Board built;
        auto doc = LoadBuilt(file, built, profile);
        ws.Replace(std::move(doc));
        twin = LoadBuilt(file, twinBoard, profile);
        window = std::make_unique<PairingsWindow>(ws);
        window->resize(1200, 700);
        window->show();
        ui.calls.clear();
    }
    void SetUp() override { Open(kCaptains); }

    model::Document& doc() { return ws.doc(); }
    const model::TPair& Pair(int index) { return doc().Pairings[static_cast<size_t>(index)]; }

    // The first start cell of the layout, row by row, that passes the test.
    Place Find(const std::function<bool(int pair, int column)>& want, int rows = rules::PairingsLayout::kMaxRows) {
        const rules::PairingsLayout& layout = window->Layout();
        for (int row = 0; row < std::min(rows, layout.rowCount); ++row)
            for (int column = 0; column <= 30; ++column) {
                const int pair = layout.Cell(column, row);
                if (pair >= 0 && want(pair, column)) return {column, row, pair};
            }
        ADD_FAILURE() << "no such pairing in the layout";
        return {};
    }
    QPoint At(const Place& p) {
        window->ScrollToRow(p.row);
        return window->CellRect(p.column, p.row).center();
    }
    void Click(const Place& p) { QTest::mouseClick(window->GridViewport(), Qt::LeftButton, {}, At(p)); }
    void DoubleClick(const Place& p) { QTest::mouseDClick(window->GridViewport(), Qt::LeftButton, {}, At(p)); }
    void DoubleClickAt(QPoint at) { QTest::mouseDClick(window->GridViewport(), Qt::LeftButton, {}, at); }
    // A point below the last row in use, where no pairing is.
    QPoint Beside() { return window->CellRect(33, window->Layout().rowCount + 1).center(); }

    rules::PickOutcome TwinPick(const Place& p) {
        rules::PairingsLayout layout;
        rules::LayoutPairings(*twin, layout);
        return rules::SelectPairing(*twin, twinBoard, layout, p.column, p.row);
    }
    // A crew member with nothing on the days of the instance.
    int FreeCrew(const Place& p) {
        for (int c = 0; c < doc().CrewCount; ++c) {
            bool free = true;
            for (int d = p.column; d < p.column + Pair(p.pair).PairLength + 1; ++d)
                free = free && doc().Crew[static_cast<size_t>(c)].DayAssignment[static_cast<size_t>(d)] == -1;
            if (free) return c;
        }
        ADD_FAILURE() << "nobody is free for the pairing";
        return -1;
    }
    // Gives the instance to the member on the month and on its twin, as the engine would leave it.
    void Hold(int crew, const Place& p) {
        test::Hold(doc(), crew, p.pair, p.column);
        rules::RecheckAfterChange(doc(), ws.board(), crew);
        test::Hold(*twin, crew, p.pair, p.column);
        rules::RecheckAfterChange(*twin, twinBoard, crew);
        ws.NotifyChanged();
    }
    bool Shown(int pair) {
        const rules::PairingsLayout& layout = window->Layout();
        for (int row = 0; row < layout.rowCount; ++row)
            for (int column = 0; column < rules::PairingsLayout::kColumns; ++column)
                if (layout.Cell(column, row) == pair) return true;
        return false;
    }
};

TEST_F(PairingsTest, ClickSelectsTheOpenPairingStopsPaintingAndAgainShowsItsText) {
    const Place open = Find([&](int pair, int column) { return Pair(pair).IsOpen(column); });
    ws.gestures().ChooseTool(model::BuildToolbox(doc()).buttons.at(12));
    QSignalSpy textRequests(window.get(), &PairingsWindow::pairTextRequested);
    QSignalSpy selections(&ws, &Workspace::selectionChanged);

    Click(open);
    const rules::PickOutcome expected = TwinPick(open);
    EXPECT_EQ(expected.kind, rules::PickKind::Selected);
    EXPECT_EQ(window->StatusText().toStdString(), expected.status);
    // The month's first instance: 8007 on March 2.
    ASSERT_EQ(open.pair, 7);
    ASSERT_EQ(open.column, 0);
    EXPECT_EQ(window->StatusText().toStdString(),
              "Pair 8007   On 07:00   Off 18:10   Credit 6:40  Hard 06:40  Duty 11:10  Legal 5:10  CRA=0%   - Filters Off");
    EXPECT_EQ(ws.board().Selected, (rules::PairingPick{open.pair, open.column, open.row}));
    EXPECT_EQ(ws.board().Selected, twinBoard.Selected);
    EXPECT_FALSE(ws.gestures().Tool().has_value());
    EXPECT_EQ(selections.count(), 1);
    EXPECT_EQ(textRequests.count(), 0);
    EXPECT_EQ(test::Dump(doc()), test::Dump(*twin));

    // The same cell again: the text window, nothing else changes.
    PairTextWindow text(ws);
    QObject::connect(window.get(), &PairingsWindow::pairTextRequested, &text,
            [&](int pair, int day, QPoint at) { text.ShowPairing(pair, day, at, QRect(0, 0, 1600, 1000)); });
    Click(open);
    ASSERT_EQ(textRequests.count(), 1);
    EXPECT_EQ(textRequests.at(0).at(0).toInt(), open.pair);
    EXPECT_EQ(textRequests.at(0).at(1).toInt(), open.column);
    EXPECT_EQ(window->StatusText().toStdString(), expected.status);
    EXPECT_EQ(ws.board().Selected, (rules::PairingPick{open.pair, open.column, open.row}));
    EXPECT_TRUE(text.isVisible());
    EXPECT_EQ(text.windowTitle().toStdString(),
              "ON 07:00 OFF 18:10 CREDIT 06:40 LEGAL AT 05:10 Type CA Fat Unit 17:10 Duty 11:10");
    EXPECT_EQ(text.Pair(), open.pair);
    EXPECT_EQ(text.Day(), open.column);
    const std::string& body = Pair(open.pair).PairText;
    const qsizetype feeds = std::count(body.begin(), body.end(), '\n');
    EXPECT_EQ(text.size(), QSize(PairTextWindow::kWidth, 11 * static_cast<int>(feeds) + 41));
    QString joined = text.Lines().join(QLatin1Char('\n'));
    EXPECT_EQ(joined.toStdString(), QString::fromLatin1(body.c_str()).remove(QLatin1Char('\r')).toStdString());
    EXPECT_TRUE(ui.calls.empty());
}

TEST_F(PairingsTest, ClickOnATakenInstanceOnlyTellsWhoHoldsIt) {
    const Place first = Find([&](int pair, int column) { return Pair(pair).IsOpen(column); });
    Click(first);
    const Place taken = Find([&](int pair, int column) { return pair != first.pair && Pair(pair).IsOpen(column); });
    const int crew = FreeCrew(taken);
    Hold(crew, taken);
    ASSERT_TRUE(Pair(taken.pair).IsTaken(taken.column));

    Click(taken);
    const rules::PickOutcome expected = TwinPick(taken);
    ASSERT_EQ(expected.kind, rules::PickKind::Described);
    EXPECT_EQ(window->StatusText().toStdString(), expected.status);
    const base::CalendarDate date = doc().DayDate[static_cast<size_t>(taken.column)];
    EXPECT_EQ(window->StatusText().toStdString(),
              "Pair " + std::to_string(Pair(taken.pair).PairNumber) + " on the " + std::to_string(date.day) +
                  rules::DaySuffix(date.day) + " assigned to " + doc().Crew[static_cast<size_t>(crew)].Name + " (" +
                  std::to_string(crew + 1) + ") - Filters Off");
    // The selection stays with the first pairing.
    EXPECT_EQ(ws.board().Selected, (rules::PairingPick{first.pair, first.column, first.row}));
    EXPECT_EQ(test::Dump(doc()), test::Dump(*twin));
}

TEST_F(PairingsTest, WhosLegalListsTheCoreListsAndAssignGivesThePairing) {
    const Place open = Find([&](int pair, int column) {
        return Pair(pair).IsOpen(column) && !rules::WhosLegal(*twin, pair, column).legal.empty();
    });
    const rules::WhosLegalLists expected = rules::WhosLegal(*twin, open.pair, open.column);
    const std::string chosen = expected.legal.front();

    bool seen = false;
    OnWhosLegal([&](WhosLegalDialog& dialog) {
        seen = true;
        EXPECT_EQ(dialog.windowTitle().toStdString(), expected.caption);
        EXPECT_EQ(ListLines(dialog.LegalList()), expected.legal);
        EXPECT_EQ(ListLines(dialog.BiddersList()), expected.bidders);
        // Nobody picked yet: the planner is told and the dialog stays.
        QTest::mouseClick(dialog.AssignButton(), Qt::LeftButton);
        EXPECT_EQ(ui.Messages(), (Calls{{"Message", "Linewright", "You have not Selected an Employee"}}));
        EXPECT_TRUE(dialog.isVisible());
        dialog.LegalList()->setCurrentRow(0);
        QTest::mouseClick(dialog.AssignButton(), Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
    });
    DoubleClick(open);
    EXPECT_TRUE(seen);

    ASSERT_TRUE(rules::AssignFromWhosLegal(*twin, twinBoard, twinUi, chosen, open.pair, open.column));
    EXPECT_EQ(test::Dump(doc()), test::Dump(*twin));
    const int crew = std::stoi(chosen.substr(0, 3)) - 1;
    EXPECT_EQ(doc().Crew[static_cast<size_t>(crew)].DayAssignment[static_cast<size_t>(open.column)], open.pair);
    EXPECT_TRUE(Pair(open.pair).IsTaken(open.column));
    EXPECT_TRUE(doc().Modified);
    // The window laid out again: the instance is still shown (taken ones are), now described.
    EXPECT_EQ(window->Layout().Cell(open.column, open.row), open.pair);
    Click(open);
    EXPECT_EQ(window->StatusText().toStdString(), TwinPick(open).status);
}

TEST_F(PairingsTest, WhyNotTellsTheReasonsOfAMemberWhoIsNotListed) {
    const Place open = Find([&](int pair, int column) { return Pair(pair).IsOpen(column); });
    const std::string before = test::Dump(doc());
    bool seen = false;
    OnWhosLegal([&](WhosLegalDialog& dialog) {
        ASSERT_GT(dialog.WhyNotMembers()->count(), 0);
        for (int i = 0; i < dialog.WhyNotMembers()->count(); ++i) {
            const int crew = dialog.WhyNotMembers()->itemData(i).toInt();
            for (const std::string& line : ListLines(dialog.LegalList()))
                EXPECT_NE(std::stoi(line.substr(0, 3)), crew + 1) << "a listed member is offered";
        }
        dialog.WhyNotMembers()->setCurrentIndex(dialog.WhyNotMembers()->count() - 1);
        const int crew = dialog.WhyNotMembers()->currentData().toInt();
        QTest::mouseClick(dialog.WhyNotButton(), Qt::LeftButton);
        Lines expected;
        for (const rules::WhyReason& r : rules::WhyNot(*twin, crew, open.pair, open.column)) expected.push_back(r.text);
        if (expected.empty()) expected.push_back("nothing stands in the way");
        EXPECT_EQ(ListLines(dialog.WhyNotList()), expected);
        seen = true;
    });
    DoubleClick(open);
    EXPECT_TRUE(seen);
    EXPECT_EQ(test::Dump(doc()), before) << "asking why changes nothing";
}

TEST_F(PairingsTest, CancelAssignsNothing) {
    const Place open = Find([&](int pair, int column) { return Pair(pair).IsOpen(column); });
    const std::string before = test::Dump(doc());
    OnWhosLegal([&](WhosLegalDialog& dialog) {
        if (dialog.LegalList()->count() > 0) dialog.LegalList()->setCurrentRow(0);
        QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
    });
    DoubleClick(open);
    EXPECT_EQ(test::Dump(doc()), before);
    EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(PairingsTest, OpenOnlyHidesEveryTakenInstanceAndBringsThemBack) {
    // A pairing of few days, every instance handed out.
    const Place some = Find([&](int pair, int) {
        int days = 0;
        for (int d = 0; d < doc().DayCount; ++d) days += Pair(pair).IsOpen(d);
        return days >= 2 && days <= 6;
    });
    for (int d = 0; d < doc().DayCount; ++d) {
        if (!Pair(some.pair).IsOpen(d)) continue;
        Hold(FreeCrew({d, -1, some.pair}), {d, -1, some.pair});
    }
    const int partly = Find([&](int pair, int column) { return pair != some.pair && Pair(pair).IsOpen(column); }).pair;
    ASSERT_TRUE(Shown(some.pair));

    window->ToggleOpenOnly();
    EXPECT_FALSE(doc().ShowTakenPairings);
    EXPECT_FALSE(Shown(some.pair));
    EXPECT_TRUE(Shown(partly));
    EXPECT_EQ(window->windowTitle().toStdString(), "Filters Off");
    rules::PairingsLayout expected;
    twin->ShowTakenPairings = false;
    rules::LayoutPairings(*twin, expected);
    EXPECT_EQ(window->Layout().cells, expected.cells);
    EXPECT_EQ(window->Layout().rowCount, expected.rowCount);

    window->ToggleOpenOnly();
    EXPECT_TRUE(doc().ShowTakenPairings);
    EXPECT_TRUE(Shown(some.pair));
}

TEST_F(PairingsTest, SelectionFollowsItsPairingToItsNewRow) {
    // A pairing placed in a later row once the taken instances leave the layout.
    const Place later = Find([&](int pair, int column) { return Pair(pair).IsOpen(column); });
    const Place before = Find([&](int pair, int column) {
        return pair != later.pair && column == later.column && Pair(pair).IsOpen(column);
    });
    Place target = before.row > later.row ? before : later;
    Place blocker = before.row > later.row ? later : before;
    Click(target);
    Hold(FreeCrew(blocker), blocker);
    window->ToggleOpenOnly();
    const int row = rules::FindRow(window->Layout(), target.pair, target.column);
    ASSERT_GE(row, 0);
    EXPECT_EQ(ws.board().Selected, (rules::PairingPick{target.pair, target.column, row}));
}

TEST_F(PairingsTest, DoubleClickBesidePilotPairingsTurnsFiltersOffOrAsksForTheBidsFilter) {
    QSignalSpy bidsRequests(window.get(), &PairingsWindow::bidsFilterRequested);
    QSignalSpy filterWindow(window.get(), &PairingsWindow::filtersWindowToggleRequested);
    // Filters on: picked numbers only, then the double click takes them off.
    const Place picked = Find([&](int pair, int column) { return Pair(pair).IsOpen(column); });
    char number[8];
    std::snprintf(number, sizeof number, "%04d", Pair(picked.pair).PairNumber);
    doc().Crew[0].SavedFilters = std::string(number) + "TEXT";
    std::string caption;
    ASSERT_TRUE(bids::EmployeeFilterOn(doc(), ui, doc().Crew[0].EmployeeNumber, caption));
    ws.NotifyChanged();
    for (int row = 0; row < window->Layout().rowCount; ++row) {
        for (int column = 0; column < rules::PairingsLayout::kColumns; ++column) {
            const int pair = window->Layout().Cell(column, row);
            if (pair >= 0) {
                ASSERT_EQ(Pair(pair).PairNumber, Pair(picked.pair).PairNumber);
            }
        }
    }

    DoubleClickAt(Beside());
    EXPECT_FALSE(doc().FiltersOn);
    EXPECT_EQ(window->windowTitle().toStdString(), "Filters Off");
    EXPECT_TRUE(Shown(Find([&](int pair, int) { return Pair(pair).PairNumber != Pair(picked.pair).PairNumber; }).pair));
    EXPECT_EQ(bidsRequests.count(), 0);

    DoubleClickAt(Beside());
    EXPECT_EQ(bidsRequests.count(), 1);
    EXPECT_EQ(filterWindow.count(), 0);
    EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(PairingsTest, DoubleClickBesideCabinPairingsTogglesTheFiltersWindow) {
    Open(kCabin);
    QSignalSpy bidsRequests(window.get(), &PairingsWindow::bidsFilterRequested);
    QSignalSpy filterWindow(window.get(), &PairingsWindow::filtersWindowToggleRequested);
    const std::string before = test::Dump(doc());
    DoubleClickAt(Beside());
    EXPECT_EQ(filterWindow.count(), 1);
    EXPECT_EQ(bidsRequests.count(), 0);
    EXPECT_EQ(test::Dump(doc()), before);

    // The open-only caption of a cabin month with filters off is blank, then "Filters Off" again.
    window->ToggleOpenOnly();
    EXPECT_EQ(window->windowTitle().toStdString(), "");
    window->ToggleOpenOnly();
    EXPECT_EQ(window->windowTitle().toStdString(), "Filters Off");
}

TEST_F(PairingsTest, PaintsBackgroundTakenBoxAndBarsInThePlannersColours) {
    ws.prefs().Colours[platform::kPairingBackgroundColour] = {10, 20, 30};
    ws.prefs().Colours[platform::kLowCreditColour] = {200, 0, 0};
    ws.prefs().Colours[platform::kMediumCreditColour] = {0, 200, 0};
    ws.prefs().Colours[platform::kHighCreditColour] = {0, 0, 200};
    ws.prefs().Colours[platform::kVeryHighCreditColour] = {200, 200, 0};
    // Cells of the first rows and first days, so that all of them are on screen unscrolled.
    const int rows = 10;
    auto dayTrip = [&](int pair, int column) {
        const model::TPair& q = Pair(pair);
        return column < 20 && q.IsOpen(column) && q.PairLength == 1 && q.ReleaseTime > q.ReportTime;
    };
    const Place open = Find(dayTrip, rows);
    const Place taken = Find([&](int pair, int column) { return pair != open.pair && dayTrip(pair, column); }, rows);
    const Place free = [&] {
        for (int row = 0; row < rows; ++row)
            for (int column = 0; column < 20; ++column)
                if (window->Layout().Cell(column, row) == rules::PairingsLayout::kFree) return Place{column, row, -1};
        ADD_FAILURE() << "no free cell";
        return Place{};
    }();
    Hold(FreeCrew(taken), taken);
    window->ScrollToRow(0);
    const QImage image = window->GridViewport()->grab().toImage();

    EXPECT_EQ(image.pixelColor(window->CellRect(free.column, free.row).center()), QColor(10, 20, 30));

    // The middle of a bar, from report to release.
    auto barPoint = [&](const Place& p) {
        const QRect cell = window->CellRect(p.column, p.row);
        const model::TPair& q = Pair(p.pair);
        return QPoint(cell.left() + (q.ReportTime + q.ReleaseTime) / 2 * cell.width() / 1440, cell.bottom() - 2);
    };
    const platform::Rgb ink = ws.prefs().Colours[window->Layout().category[static_cast<size_t>(open.pair)]];
    EXPECT_EQ(image.pixelColor(barPoint(open)), QColor(ink.r, ink.g, ink.b));

    const QRect takenCell = window->CellRect(taken.column, taken.row);
    EXPECT_EQ(image.pixelColor(takenCell.right() - 1, takenCell.top() + 2), QColor(160, 160, 160));
    EXPECT_EQ(image.pixelColor(barPoint(taken)), QColor(128, 128, 128));
}

TEST(PairTextWindowPlacement, CentredOnTheMouseAndKeptInsideTheMainWindow) {
    const QRect main(0, 0, 1280, 800);
    const QSize size(635, 184);
    EXPECT_EQ(PairTextWindow::PlaceOnMouse({640, 400}, size, main), QPoint(323, 308));
    EXPECT_EQ(PairTextWindow::PlaceOnMouse({1200, 780}, size, main), QPoint(645, 616));
    EXPECT_EQ(PairTextWindow::PlaceOnMouse({100, 20}, size, main), QPoint(1, 1));
    // A main window narrower than the text: the left edge still stays on screen.
    EXPECT_EQ(PairTextWindow::PlaceOnMouse({300, 300}, size, QRect(0, 0, 500, 300)), QPoint(1, 116));
}

}  // namespace
}  // namespace lw::ui
