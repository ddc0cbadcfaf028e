// The file choosers' filter lists as Qt takes them, and the decoding of month texts.
#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QStatusBar>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "ui/qt_interaction.h"
#include "ui/text.h"

namespace lw::ui {
namespace {

TEST(QtFileFilter, PairsOfCaptionAndPatternBecomeQtFilters) {
    EXPECT_EQ(QtFileFilter("Name(*.box)|*.box|All Files (*.*)|*.*").toStdString(), "Name(*.box);;All Files (*.*)");
    EXPECT_EQ(QtFileFilter("Linewright (*.lw2)|*.lw2|Linewright Viewer(*.lwv)|*.lwv| Company Blocks(*.skd)|*.skd|All "
                           "Files (*.*)|*.*")
                  .toStdString(),
              "Linewright (*.lw2);;Linewright Viewer(*.lwv);;Company Blocks(*.skd);;All Files (*.*)");
    // A caption without its pattern gets it; several patterns are parted by blanks; a lone caption is dropped.
    EXPECT_EQ(QtFileFilter("Extracts|*perp.ext;*perc.ext|Lonely").toStdString(), "Extracts (*perp.ext *perc.ext)");
    EXPECT_EQ(QtFileFilter("Lists (*.txt)|*.LIS").toStdString(), "Lists (*.LIS)");
    EXPECT_EQ(QtFileFilter("").toStdString(), "");
}

TEST(DocText, Utf8WhenValidElseLatin1) {
    EXPECT_EQ(FromDocText("J\xC3\xA9r\xC3\xB4me"), QString::fromUtf8("J\xC3\xA9r\xC3\xB4me"));
    EXPECT_EQ(FromDocText("J\xE9r\xF4me"), QString::fromUtf8("J\xC3\xA9r\xC3\xB4me"));
    EXPECT_EQ(ToDocText(QString::fromUtf8("J\xC3\xA9r\xC3\xB4me")), "J\xC3\xA9r\xC3\xB4me");
}

// The held-month question names its answers on its buttons; closing it is never an answer.
TEST(QtInteractionChoice, ButtonsCarryTheCallersWords) {
    QtInteraction ui;
    const platform::ChoiceWords words{"Open Read-Only", "Open Anyway", "do not open it"};
    auto answer = [&](const std::function<void(QMessageBox&)>& play) {
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            std::vector<std::string> texts;
            for (QAbstractButton* b : box->buttons()) texts.push_back(b->text().remove('&').toStdString());
            std::sort(texts.begin(), texts.end());
            EXPECT_EQ(texts, (std::vector<std::string>{"Cancel", "Open Anyway", "Open Read-Only"}));
            EXPECT_EQ(box->text().toStdString(), "held by ann");
            play(*box);
        });
        return ui.AskChoice("held by ann", "Linewright", words, platform::Icon::Warning);
    };
    auto click = [](const char* text) {
        return [text](QMessageBox& box) {
            for (QAbstractButton* b : box.buttons())
                if (b->text().remove('&') == text) b->click();
        };
    };
    EXPECT_EQ(answer(click("Open Read-Only")), platform::Answer::Yes);
    EXPECT_EQ(answer(click("Open Anyway")), platform::Answer::No);
    EXPECT_EQ(answer([](QMessageBox& box) { box.reject(); }), platform::Answer::Cancel);
}

// Long work names itself on the main window's status bar and clears it after.
TEST(QtInteractionStatus, TextGoesToTheMainWindowsStatusBar) {
    QMainWindow main;
    QtInteraction ui(&main);
    {
        platform::StatusScope status(ui, "Loading Pairs");
        EXPECT_EQ(main.statusBar()->currentMessage().toStdString(), "Loading Pairs");
    }
    EXPECT_EQ(main.statusBar()->currentMessage().toStdString(), "");
}

}  // namespace
}  // namespace lw::ui
