#pragma once
// The main window on a copy of a sample month, for the dialogs its commands open: the test
// answers each dialog through the window's dialog runner, with the dialog shown.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

#include "fake_interaction.h"
#include "platform/clock.h"
#include "platform/profile.h"
#include "temp_folder.h"
#include "ui/commands.h"
#include "ui/main_window.h"

namespace lw::ui::test {

inline constexpr char kCaptainsMonth[] = LW_SOURCE_DIR "/samples/capt-yyz-dh8-2027-03/capt-yyz-dh8-2027-03.lw2";
inline constexpr char kCabinMonth[] = LW_SOURCE_DIR "/samples/fa-yul-2027-03/fa-yul-2027-03.lw2";

struct MonthWindowTest : ::testing::Test {
    lw::test::FakeInteraction ui;
    lw::test::TempFolder folder;
    platform::Profile profile{folder / "lwright.ini"};
    platform::FixedClock clock{{7, 9, 2026, 14, 30, 0}};
    std::unique_ptr<MainWindow> window;
    std::filesystem::path month;
    int dialogsRun = 0;

    // A copy of the sample in the test's folder, opened, and built when asked.
    void Open(const char* sample, bool build) {
        month = folder.Path() / std::filesystem::path(sample).filename();
        std::filesystem::copy_file(sample, month, std::filesystem::copy_options::overwrite_existing);
        window = std::make_unique<MainWindow>(ui, profile, clock);
        window->resize(1200, 800);
        window->show();
        ASSERT_TRUE(window->OpenFile(month.string()));
        if (build) {
            window->RunCommand(kCmdBuildBlocks);
            ASSERT_EQ(doc().BlocksBuilt, 1);
        }
        ui.calls.clear();
    }
    model::Document& doc() { return window->workspace().doc(); }

    // Runs the command; `drive` plays the planner in the dialog it opens (already shown) and
    // returns how the dialog ends.
    template <class Dialog>
    void RunWith(int command, std::function<int(Dialog&)> drive) {
        window->SetDialogRunner([this, drive](QDialog& d) {
            ++dialogsRun;
            auto* dialog = dynamic_cast<Dialog*>(&d);
            EXPECT_NE(dialog, nullptr) << "another dialog opened";
            if (!dialog) return int(QDialog::Rejected);
            d.show();
            QApplication::setActiveWindow(&d);
            EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
            const int result = drive(*dialog);
            d.hide();
            return result;
        });
        ASSERT_TRUE(window->Command(command)->isEnabled());
        window->RunCommand(command);
    }
};

// Clicks a list line as the planner does (toggles it in a multiple-selection list).
inline void ClickLine(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    ASSERT_NE(item, nullptr) << "no line " << row;
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

// The dialog's push button with that caption.
inline QPushButton* ButtonOf(QDialog& d, const char* text) {
    for (QPushButton* b : d.findChildren<QPushButton*>())
        if (b->text() == text) return b;
    ADD_FAILURE() << "no button " << text;
    return nullptr;
}

// Clicks a check box or radio button on its indicator.
inline void ClickBox(QAbstractButton* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2)); }

inline QStringList ListTexts(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

}  // namespace lw::ui::test
