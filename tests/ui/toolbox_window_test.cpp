// The toolbox window on the captains' March sample: its buttons as the month's toolbox gives
// them, pressing a button to paint and again (or Esc) to stop, a pairing selection switching
// painting off, and the buttons following a change of the month's activities.
#include <QAbstractButton>
#include <QTest>
#include <gtest/gtest.h>

#include "model/activity_codes.h"
#include "persist/schedule_file.h"
#include "rules/build_blocks.h"
#include "fake_interaction.h"
#include "temp_folder.h"
#include "ui/pairings_window.h"
#include "ui/toolbox_window.h"
#include "ui/workspace.h"

namespace lw::ui {
namespace {

using test::FakeInteraction;

struct ToolboxTest : ::testing::Test {
    FakeInteraction ui;
    test::TempFolder folder;
    platform::Profile profile{folder / "lwright.ini"};
    Workspace ws{ui, profile};
    std::unique_ptr<ToolboxWindow> window;

    void SetUp() override {
        auto doc = std::make_unique<model::Document>();
        FakeInteraction quiet;
        ASSERT_TRUE(persist::LoadSchedule(
            *doc, quiet, LW_SOURCE_DIR "/samples/capt-yyz-dh8-2027-03/capt-yyz-dh8-2027-03.lw2"));
        ws.Replace(std::move(doc));
        ASSERT_TRUE(rules::BuildBlocks(ws.doc(), ws.board(), quiet, profile, {}).built);
        window = std::make_unique<ToolboxWindow>(ws);
        window->show();
    }
    void Press(int index) { QTest::mouseClick(window->ButtonAt(index), Qt::LeftButton); }
    std::vector<int> Checked() {
        std::vector<int> out;
        for (int i = 0; window->ButtonAt(i); ++i)
            if (window->ButtonAt(i)->isChecked()) out.push_back(i);
        return out;
    }
};

TEST_F(ToolboxTest, OneButtonPerEntryWithItsLabelCaptionAndPlace) {
    const model::Toolbox expected = model::BuildToolbox(ws.doc());
    EXPECT_EQ(window->windowTitle().toStdString(), "ToolBox Date Feb 16 2027");
    // Twelve requests and the month's toolbox activities.
    ASSERT_EQ(expected.buttons.size(), 12u + 14u);
    for (size_t i = 0; i < expected.buttons.size(); ++i) {
        const model::ToolboxButton& b = expected.buttons[i];
        const QAbstractButton* shown = window->ButtonAt(static_cast<int>(i));
        ASSERT_NE(shown, nullptr) << i;
        EXPECT_EQ(shown->text().toStdString(), b.label) << i;
        EXPECT_EQ(shown->toolTip().toStdString(), b.caption) << i;
        EXPECT_EQ(shown->geometry(), QRect(2 + b.rect.left, 2 + b.rect.top, b.rect.width, b.rect.height)) << i;
    }
    EXPECT_EQ(window->ButtonAt(static_cast<int>(expected.buttons.size())), nullptr);
    EXPECT_EQ(window->ButtonAt(0)->text(), QStringLiteral("X1"));
    EXPECT_EQ(window->ButtonAt(0)->toolTip(), QStringLiteral("X1 First Request"));
    EXPECT_EQ(window->ButtonAt(12)->geometry(), QRect(2, 24, 35, 20));
    EXPECT_EQ(window->size(), QSize(11 * 37 + 35 + 4, 2 * 22 + 20 + 4));
}

TEST_F(ToolboxTest, PressChoosesThePaintingToolAndPressAgainOrEscStopsIt) {
    const model::Toolbox toolbox = model::BuildToolbox(ws.doc());
    EXPECT_FALSE(ws.gestures().Tool().has_value());
    EXPECT_EQ(window->PressedIndex(), -1);

    Press(13);
    ASSERT_TRUE(ws.gestures().Tool().has_value());
    EXPECT_EQ(*ws.gestures().Tool(), toolbox.buttons[13]);
    EXPECT_EQ(Checked(), std::vector<int>{13});

    Press(2);  // another button takes over
    EXPECT_EQ(*ws.gestures().Tool(), toolbox.buttons[2]);
    EXPECT_EQ(Checked(), std::vector<int>{2});

    Press(2);
    EXPECT_FALSE(ws.gestures().Tool().has_value());
    EXPECT_EQ(Checked(), std::vector<int>{});

    Press(20);
    EXPECT_EQ(*ws.gestures().Tool(), toolbox.buttons[20]);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(ws.gestures().Tool().has_value());
    EXPECT_EQ(Checked(), std::vector<int>{});
    EXPECT_TRUE(ui.calls.empty());
}

TEST_F(ToolboxTest, SelectingAPairingSwitchesPaintingOffInTheToolbox) {
    Press(14);
    ASSERT_TRUE(ws.gestures().Tool().has_value());
    PairingsWindow pairings(ws);
    pairings.resize(1200, 400);
    pairings.show();
    int column = 0;
    auto open = [&](int c) {
        const int pair = pairings.Layout().Cell(c, 0);
        return pair >= 0 && ws.doc().Pairings[static_cast<size_t>(pair)].IsOpen(c);
    };
    while (column <= 30 && !open(column)) ++column;
    ASSERT_LE(column, 30);
    QTest::mouseClick(pairings.GridViewport(), Qt::LeftButton, {}, pairings.CellRect(column, 0).center());
    ASSERT_EQ(ws.board().Selected.pair, pairings.Layout().Cell(column, 0));
    EXPECT_FALSE(ws.gestures().Tool().has_value());
    EXPECT_EQ(Checked(), std::vector<int>{});
    EXPECT_EQ(window->PressedIndex(), -1);
}

TEST_F(ToolboxTest, ButtonsFollowTheMonthsActivities) {
    Press(25);
    // Without toolbox activities the built-in table of the crew kind applies.
    ws.doc().ActivityCount = 0;
    ws.NotifyChanged();
    const model::Toolbox builtIn = model::BuildToolbox(ws.doc());
    EXPECT_EQ(window->windowTitle().toStdString(), "Default ToolBox");
    EXPECT_EQ(window->Buttons().buttons, builtIn.buttons);
    ASSERT_NE(window->ButtonAt(static_cast<int>(builtIn.buttons.size()) - 1), nullptr);
    EXPECT_EQ(window->ButtonAt(static_cast<int>(builtIn.buttons.size())), nullptr);
    // The activity being painted is no longer offered: painting stops.
    EXPECT_FALSE(ws.gestures().Tool().has_value());
    EXPECT_EQ(Checked(), std::vector<int>{});

    // A request button is offered by every toolbox: it stays chosen through a change.
    Press(3);
    ws.NotifyChanged();
    EXPECT_EQ(*ws.gestures().Tool(), builtIn.buttons[3]);
    EXPECT_EQ(Checked(), std::vector<int>{3});

    // Another month: the gestures start afresh, nothing pressed.
    ws.Replace(std::make_unique<model::Document>());
    EXPECT_FALSE(ws.gestures().Tool().has_value());
    EXPECT_EQ(Checked(), std::vector<int>{});
}

}  // namespace
}  // namespace lw::ui
