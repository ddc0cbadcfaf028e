// The pairing text window on the captains' March sample: its text and caption, one window for
// every request, and the right click that sets the day's pairing properties, with every
// message the planner can get from a bad excluded credit.
#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

#include "persist/schedule_file.h"
#include "rules/build_blocks.h"
#include "rules/engine_month.h"
#include "rules/pair_properties.h"
#include "temp_folder.h"
#include "ui/pair_props_dialog.h"
#include "ui/pair_text_window.h"
#include "ui/workspace.h"

namespace lw::ui {
namespace {

using platform::Answer;
using test::FakeInteraction;
using Call = FakeInteraction::Call;
using Calls = std::vector<Call>;

std::unique_ptr<model::Document> LoadBuilt(const platform::Profile& profile) {
    auto doc = std::make_unique<model::Document>();
    FakeInteraction quiet;
    rules::Board board;
    EXPECT_TRUE(persist::LoadSchedule(*doc, quiet,
                                      LW_SOURCE_DIR "/samples/capt-yyz-dh8-2027-03/capt-yyz-dh8-2027-03.lw2"));
    EXPECT_TRUE(rules::BuildBlocks(*doc, board, quiet, profile, {}).built);
    return doc;
}

// Runs `act` on the properties dialog once it is up; the dialog is closed afterwards in any case.
void OnProperties(std::function<void(PairPropsDialog&)> act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<PairPropsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr) << "the properties dialog did not open";
        act(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
}

// On the round button itself: the label may not reach the middle of a wide row.
void Choose(PairPropsDialog& dialog, int32_t type) {
    QRadioButton* radio = dialog.TypeButton(type);
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
}

void PressOk(PairPropsDialog& dialog) {
    QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

struct PairTextTest : ::testing::Test {
    FakeInteraction ui;
    test::TempFolder folder;
    platform::Profile profile{folder / "lwright.ini"};
    Workspace ws{ui, profile};
    std::unique_ptr<PairTextWindow> text;
    const QRect mainWindow{0, 0, 1600, 1000};

    void SetUp() override {
        ws.Replace(LoadBuilt(profile));
        text = std::make_unique<PairTextWindow>(ws);
    }
    model::TPair& Pair(int index) { return ws.doc().Pairings[static_cast<size_t>(index)]; }
    void RightClick() { QTest::mouseClick(text.get(), Qt::RightButton, {}, QPoint(300, 20)); }
};

TEST_F(PairTextTest, ShowsTheTextUnderItsKeyFiguresAndReplacesItForTheNextPairing) {
    text->ShowPairing(7, 0, QPoint(800, 500), mainWindow);
    EXPECT_TRUE(text->isVisible());
    EXPECT_EQ(text->windowTitle().toStdString(),
              "ON 07:00 OFF 18:10 CREDIT 06:40 LEGAL AT 05:10 Type CA Fat Unit 17:10 Duty 11:10");
    const QStringList expected = {
        "    Z8007   BSE REPT:07:00L   OPERATES - MAR.2-MAR.31 TUE WED",
        "    CA01FO01                        EXCEPT MAR.03 MAR.16  ",
        " ",
        "  1    2754   YYZ-YSB   08:00 09:05   1:05  DH1",
        "  1    2756   YSB-YYZ   09:35 10:40   1:05  DH1",
        "  1    2757   YYZ-YUY   11:15 12:45   1:30",
        "  1    2760   YUY-YYB   13:25 14:15   0:50",
        "  1    2764   YYB-YOW   15:10 16:10   1:00  DH1",
        "  1    2765   YOW-YYZ   16:45 17:55   1:10  6:40   0:00   6:40  11:10 ",
        "    REPT: 07:00 D-END: 18:10",
        "   TOTALS  TAFB 11:10   BLOCK  6:40   CREDIT  6:40   FAT UNITS: 17:10   DUTY: 11:10 ",
        " *** CRA=0% *** ",
    };
    EXPECT_EQ(text->Lines(), expected);
    // Eleven line feeds: 11 pixels a line and 41 more.
    EXPECT_EQ(text->size(), QSize(635, 11 * 11 + 41));
    EXPECT_EQ(text->Pair(), 7);
    EXPECT_EQ(text->Day(), 0);

    text->ShowPairing(8, 3, QPoint(800, 500), mainWindow);
    EXPECT_EQ(text->Pair(), 8);
    EXPECT_EQ(text->Day(), 3);
    EXPECT_EQ(text->windowTitle().toStdString().substr(0, 19), "ON 13:40 OFF 23:10 ");

    // A pairing or day off the month shows nothing new.
    text->ShowPairing(ws.doc().LastPairIndex + 1, 0, QPoint(800, 500), mainWindow);
    text->ShowPairing(7, 31, QPoint(800, 500), mainWindow);
    EXPECT_EQ(text->Pair(), 8);
    EXPECT_TRUE(ui.calls.empty());
}

TEST_F(PairTextTest, RightClickSetsThePairingTypeOfThatDayAndTheWindowTakesItsColour) {
    text->ShowPairing(7, 7, QPoint(800, 500), mainWindow);
    QSignalSpy changes(&ws, &Workspace::documentChanged);
    bool seen = false;
    OnProperties([&](PairPropsDialog& dialog) {
        seen = true;
        EXPECT_EQ(dialog.windowTitle().toStdString(), "Properties for Z8007 on MAR 09");
        EXPECT_TRUE(dialog.TypeButton(rules::kNormalDay)->isChecked());
        EXPECT_FALSE(dialog.CreditEdit()->isEnabled());  // 8007 carries no excluded credit
        Choose(dialog, rules::kLineCheckDay);
        PressOk(dialog);
        EXPECT_FALSE(dialog.isVisible());
    });
    RightClick();
    EXPECT_TRUE(seen);
    model::MonthArray types{};
    types[7] = rules::kLineCheckDay;
    EXPECT_EQ(Pair(7).DayPairingType, types);
    EXPECT_GE(changes.count(), 1);
    EXPECT_TRUE(ui.calls.empty());
    const QImage shown = text->grab().toImage();
    EXPECT_EQ(shown.pixelColor(630, 2), QColor(255, 51, 153));
}

TEST_F(PairTextTest, BadExcludedCreditsKeepTheDialogOpenUntilConfirmed) {
    // A pairing whose number has 3 as its second digit takes an excluded credit.
    Pair(7).PairNumber = 8307;
    text->ShowPairing(7, 0, QPoint(800, 500), mainWindow);
    ui.answers = {Answer::No, Answer::Yes};
    OnProperties([&](PairPropsDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle().toStdString(), "Properties for Z8307 on MAR 02");
        ASSERT_TRUE(dialog.CreditEdit()->isEnabled());
        EXPECT_EQ(dialog.CreditEdit()->text(), QStringLiteral("00:00"));
        Choose(dialog, rules::kLineIndocDay);

        dialog.CreditEdit()->setText(QStringLiteral("00:75"));  // the mask lets only digits through
        PressOk(dialog);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(Pair(7).DayPairingType[0], rules::kLineIndocDay);  // stored at once

        dialog.CreditEdit()->setText(QStringLiteral("07:00"));
        PressOk(dialog);
        EXPECT_TRUE(dialog.isVisible());

        dialog.CreditEdit()->setText(QStringLiteral("01:30"));
        PressOk(dialog);  // No to the confirmation
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(Pair(7).ExcludedCredit[0], 0);

        PressOk(dialog);  // Yes
        EXPECT_FALSE(dialog.isVisible());
    });
    RightClick();
    EXPECT_EQ(ui.calls, (Calls{
                            {"Message", "Linewright", "Invalid Excluded Credits Entry. Please Correct"},
                            {"Message", "Linewright",
                             "Excluded Credits is More Than Total Pairing Credits in this Month. Please Correct Entry"},
                            {"Ask", "Linewright", "Confirm - Total Pairing Credit 06:40.  Excluded 01:30.  Included 05:10"},
                            {"Ask", "Linewright", "Confirm - Total Pairing Credit 06:40.  Excluded 01:30.  Included 05:10"},
                        }));
    EXPECT_EQ(Pair(7).ExcludedCredit[0], 90);
    EXPECT_EQ(Pair(7).DayPairingType[0], rules::kLineIndocDay);
    EXPECT_EQ(text->grab().toImage().pixelColor(630, 2), QColor(0, 0, 255));
}

}  // namespace
}  // namespace lw::ui
