// Pictures of the main window with the pairings window and the toolbox over both sample
// months, for review: written to LW_SCREENSHOT_DIR as PNG files.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QComboBox>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>

#include "fake_interaction.h"
#include "temp_folder.h"
#include "ui/bids_window.h"
#include "ui/block_grid_view.h"
#include "ui/commands.h"
#include "ui/employee_dialog.h"
#include "ui/filter_editor_dialog.h"
#include "ui/filter_number_grid.h"
#include "ui/filter_wizard.h"
#include "ui/filters_window.h"
#include "ui/main_window.h"
#include "ui/pairings_window.h"
#include "ui/toolbox_window.h"

namespace lw::ui {
namespace {

// The frame with its two tool windows laid over it where a planner would keep them.
QImage Composite(MainWindow& window) {
    QImage image(window.size(), QImage::Format_RGB32);
    QPainter painter(&image);
    painter.drawPixmap(0, 0, window.grab());
    const QPixmap pairings = window.Pairings()->grab();
    const QPixmap toolbox = window.Toolbox()->grab();
    painter.drawPixmap(0, window.height() - pairings.height(), pairings);
    painter.drawPixmap(window.width() - toolbox.width(), window.height() - pairings.height() - toolbox.height(), toolbox);
    painter.setPen(Qt::black);
    painter.drawRect(QRect(QPoint(0, window.height() - pairings.height()), pairings.size()).adjusted(0, 0, -1, -1));
    return image;
}

void Shoot(const char* sample, const char* name) {
    test::FakeInteraction ui;
    test::TempFolder folder;
    platform::Profile profile(folder / "lwright.ini");
    platform::FixedClock clock({7, 9, 2026, 14, 30, 0});
    const std::filesystem::path month = folder.Path() / std::filesystem::path(sample).filename();
    std::filesystem::copy_file(sample, month);

    MainWindow window(ui, profile, clock);
    window.resize(1600, 1000);
    window.show();
    ASSERT_TRUE(window.OpenFile(month.string()));
    window.RunCommand(kCmdBuildBlocks);
    window.Pairings()->resize(1100, 380);
    window.Toolbox()->resize(window.Toolbox()->sizeHint());
    window.Pairings()->show();
    window.Toolbox()->show();
    QApplication::processEvents();

    QDir().mkpath(LW_SCREENSHOT_DIR);
    const QString base = QString(LW_SCREENSHOT_DIR) + "/" + name;
    const QImage whole = Composite(window);
    ASSERT_TRUE(whole.save(base + "-main.png"));
    ASSERT_TRUE(window.Pairings()->grab().save(base + "-pairings.png"));
    ASSERT_TRUE(window.Toolbox()->grab().save(base + "-toolbox.png"));

    const QImage read(base + "-main.png");
    EXPECT_EQ(read.size(), window.size());
    // The month is drawn: the block window shows its background colour, not an empty frame.
    const QImage grid = window.Grid()->viewport()->grab().toImage();
    const QColor background(192, 192, 192);
    int backgroundPixels = 0, otherPixels = 0;
    for (int y = 0; y < grid.height(); y += 7)
        for (int x = 0; x < grid.width(); x += 7) (grid.pixelColor(x, y) == background ? backgroundPixels : otherPixels)++;
    EXPECT_GT(backgroundPixels, 0);
    EXPECT_GT(otherPixels, 0);
    EXPECT_EQ(ui.Messages(), std::vector<test::FakeInteraction::Call>{});
}

// The bids window and the dialogs it opens, with the captains' bids read in, and the cabin's
// filters window with a filter applied.
void ShootFilterWindows(const char* sample, const char* bidsFile, const char* name) {
    test::FakeInteraction ui;
    test::TempFolder folder;
    platform::Profile profile(folder / "lwright.ini");
    platform::FixedClock clock({7, 9, 2026, 14, 30, 0});
    const std::filesystem::path month = folder.Path() / std::filesystem::path(sample).filename();
    std::filesystem::copy_file(sample, month);
    MainWindow window(ui, profile, clock);
    window.resize(1600, 1000);
    window.show();
    ASSERT_TRUE(window.OpenFile(month.string()));
    window.RunCommand(kCmdBuildBlocks);
    const QString base = QString(LW_SCREENSHOT_DIR) + "/" + name;
    QDir().mkpath(LW_SCREENSHOT_DIR);
    auto shoot = [&](QWidget& w, const char* what) {
        w.show();
        QApplication::processEvents();
        EXPECT_TRUE(w.grab().save(base + "-" + what + ".png")) << what;
    };
    if (bidsFile) {
        ui.openFiles.push_back(std::string(bidsFile));
        window.RunCommand(kCmdPilotBids);
        BidsWindow& bids = *window.Bids();
        bids.resize(720, 420);
        bids.show();
        bids.Tabs()->setCurrentIndex(3);
        shoot(bids, "bids");
        bids.Pages()->setCurrentIndex(1);
        shoot(bids, "bids-guess");
        bids.Button("SET FILTERS")->click();
        bids.Pages()->setCurrentIndex(2);
        shoot(bids, "bids-filters");
        const int crew = bids.ShownCrew();
        FilterEditorDialog editor(window.workspace(), crew);
        shoot(editor, "filter-editor");
        EmployeeDialog employee(window.workspace(), crew);
        shoot(employee, "employee");
    } else {
        window.RunCommand(kCmdFiltersWindow);
        FiltersWindow& filters = *window.Filters();
        filters.show();
        for (size_t i : {2u, 5u, 21u}) QTest::mouseClick(filters.Grid(), Qt::LeftButton, {}, filters.Grid()->CellRect(i).center());
        filters.TextBox()->setEditText("DH1;");
        filters.Button("Apply Filters")->click();
        shoot(filters, "filters");
        shoot(*window.Pairings(), "pairings-filtered");
        FilterWizardDialog wizard(ui);
        shoot(wizard, "filter-wizard");
    }
}

TEST(Screenshots, CaptainsBids) {
    ShootFilterWindows(LW_SOURCE_DIR "/samples/capt-yyz-dh8-2027-03/capt-yyz-dh8-2027-03.lw2",
                       LW_SOURCE_DIR "/samples/capt-yyz-dh8-2027-03/YYZ_PILOT_BIDS_MAR2027.csv", "captains");
}

TEST(Screenshots, CabinFilters) {
    ShootFilterWindows(LW_SOURCE_DIR "/samples/fa-yul-2027-03/fa-yul-2027-03.lw2", nullptr, "cabin");
}

TEST(Screenshots, CaptainsMonth) { Shoot(LW_SOURCE_DIR "/samples/capt-yyz-dh8-2027-03/capt-yyz-dh8-2027-03.lw2", "captains"); }

TEST(Screenshots, CabinMonth) { Shoot(LW_SOURCE_DIR "/samples/fa-yul-2027-03/fa-yul-2027-03.lw2", "cabin"); }

}  // namespace
}  // namespace lw::ui
