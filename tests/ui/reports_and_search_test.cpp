// What the planner sees every minute on the captains' March sample: the report lists with
// their buttons and double-click, the grid search bar, and the measures that keep names,
// header digits and pairing texts whole whatever fonts the desktop has.
#include <QCheckBox>
#include <QDir>
#include <QFontInfo>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "month_window.h"
#include "output/exceptions_report.h"
#include "output/pairing_reports.h"
#include "persist/schedule_file.h"
#include "rules/view_filter.h"
#include "ui/block_grid_view.h"
#include "ui/pair_editor_dialog.h"
#include "ui/pair_text_window.h"
#include "ui/pairings_window.h"
#include "ui/toolbox_window.h"
#include "ui/report_list_dialog.h"
#include "ui/search_bar.h"

namespace lw::ui::test {
namespace {

using Call = lw::test::FakeInteraction::Call;

// Shows every list in the desktop's own dialog and lets the test play the planner in it.
struct ListPlayingInteraction : lw::test::FakeInteraction {
    std::function<void(ReportListDialog&)> play;
    using FakeInteraction::ShowList;
    void ShowList(std::string_view title, const std::vector<std::string>& lines,
                  const platform::ListOptions& options) override {
        FakeInteraction::ShowList(title, lines, options);
        ReportListDialog dialog(title, lines, options);
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        if (play) play(dialog);
    }
};

std::vector<std::string> Buttons(const QDialog& d) {
    std::vector<std::string> out;
    for (const QPushButton* b : d.findChildren<QPushButton*>()) out.push_back(b->text().toStdString());
    return out;
}

std::vector<std::string> Lines(const QListWidget* list) {
    std::vector<std::string> out;
    for (const QString& line : ListTexts(list)) out.push_back(line.toStdString());
    return out;
}

void Shoot(QWidget& w, const char* name) {
    QDir().mkpath(LW_SCREENSHOT_DIR);
    EXPECT_TRUE(w.grab().save(QString(LW_SCREENSHOT_DIR) + "/" + name));
}

struct ReportsAndSearch : ::testing::Test {
    ListPlayingInteraction ui;
    lw::test::TempFolder folder;
    platform::Profile profile{folder / "lwright.ini"};
    platform::FixedClock clock{{7, 9, 2026, 14, 30, 0}};
    std::unique_ptr<MainWindow> window;
    std::filesystem::path month;

    void Open(bool build) {
        month = folder.Path() / "capt.lw2";
        std::filesystem::copy_file(kCaptainsMonth, month);
        window = std::make_unique<MainWindow>(ui, profile, clock);
        window->resize(1400, 800);
        window->show();
        ASSERT_TRUE(window->OpenFile(month.string()));
        if (build) window->RunCommand(kCmdBuildBlocks);
        ui.calls.clear();
    }
    model::Document& doc() { return window->workspace().doc(); }
};

TEST_F(ReportsAndSearch, DoubleClickOnAPairingWarningOpensTheEditorAndTheReportComesBackCorrected) {
    Open(false);
    model::TPair& q = doc().Pairings[3];
    const int32_t credit = q.TotalCredit;
    q.TotalCredit = credit + 1;  // pairing 3 now fails its checks
    std::vector<int> editedPairs;
    window->SetDialogRunner([&](QDialog& d) {
        if (auto* prompt = dynamic_cast<QInputDialog*>(&d)) {
            prompt->setTextValue("MARBLE");
            return int(QDialog::Accepted);
        }
        auto* editor = dynamic_cast<PairEditorDialog*>(&d);
        EXPECT_NE(editor, nullptr);
        if (!editor) return int(QDialog::Rejected);
        editedPairs.push_back(editor->Editor().Index());
        editor->Credit()->setText(QString::asprintf("%02d:%02d", credit / 60, credit % 60));
        editor->accept();
        return editor->result();
    });
    std::vector<std::string> before, after;
    ui.play = [&](ReportListDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Pairing Warnings and Report");
        EXPECT_EQ(Buttons(d), (std::vector<std::string>{"OK", "Help"}));
        EXPECT_EQ(d.findChild<QLabel*>("ReportHint")->text(), "DoubleClick on any one of the pairings to edit it.");
        EXPECT_TRUE(QFontInfo(d.List()->font()).fixedPitch());
        before = Lines(d.List());
        Shoot(d, "pairing-report.png");
        auto doubleClick = [&](int row) {
            d.List()->scrollToItem(d.List()->item(row));
            const QPoint at = d.List()->visualItemRect(d.List()->item(row)).center();
            QTest::mouseClick(d.List()->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(d.List()->viewport(), Qt::LeftButton, {}, at);
        };
        doubleClick(2);  // a heading names no pairing
        int warning = 0;
        while (warning < static_cast<int>(before.size()) && before[static_cast<size_t>(warning)].rfind("Pair ", 0) != 0) ++warning;
        ASSERT_EQ(warning, 4);
        doubleClick(warning);
        after = Lines(d.List());
    };
    window->RunCommand(kCmdBuildBlocks);

    ASSERT_GT(before.size(), 4u);
    EXPECT_EQ(before[4], QString::asprintf("Pair %04d  Credit for each Day does not add up to Total Credit", q.PairNumber).toStdString());
    EXPECT_EQ(editedPairs, std::vector<int>{3});
    EXPECT_EQ(q.TotalCredit, credit);
    // The list now holds the report of the corrected month, and the build went on without asking.
    std::vector<std::string> expected = output::PairingWarningsReport(doc());
    EXPECT_EQ(after, expected);
    EXPECT_EQ(after.size(), before.size() - 1);
    EXPECT_EQ(doc().BlocksBuilt, 1);
    std::vector<std::string> kinds;
    for (const Call& c : ui.calls)
        if (c.kind != "SetBusy") kinds.push_back(c.kind);
    EXPECT_EQ(kinds, (std::vector<std::string>{"ShowList", "Beep"}));
}

TEST_F(ReportsAndSearch, ExceptionsReportCopiesEveryLineAndSaysSo) {
    Open(true);
    std::vector<std::string> shown;
    ui.play = [&](ReportListDialog& d) {
        EXPECT_EQ(Buttons(d), (std::vector<std::string>{"OK", "Cancel", "Copy to Windows Clipboard"}));
        shown = Lines(d.List());
        QTest::mouseClick(d.CopyButton(), Qt::LeftButton);
    };
    window->RunCommand(kCmdExceptions);
    std::string text;
    for (const std::string& line : shown) text += line + "\r\n";
    EXPECT_GT(shown.size(), 6u);
    EXPECT_EQ(ui.clipboard, text);
    EXPECT_EQ(ui.Messages(), (std::vector<Call>{{"Message", "Linewright", "Copied to Windows Clipboard."}}));
}

// The rows `lwtool grid-view --search TEXT --only-matching` lists, from the saved month.
std::vector<int> CoreRows(const std::filesystem::path& file, const std::string& text, bool name) {
    model::Document doc;
    lw::test::FakeInteraction quiet;
    EXPECT_TRUE(persist::LoadSchedule(doc, quiet, file.string()));
    rules::ViewSettings view;
    rules::ToggleViewSwitch(view, rules::ViewSwitch::FilterSearch);
    view.NameCheck = name;
    rules::MarkSearchMatches(doc, rules::SplitSearchText(text, quiet), view);
    return rules::SelectDisplayRows(doc, view);
}

TEST_F(ReportsAndSearch, SearchTextAndOptionsChooseTheRowsAndTheOptionsAreKept) {
    Open(true);
    auto* bar = window->findChild<SearchBar*>();
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(bar->Text()->isEnabled());
    // A name fragment of one member and another one's employee number.
    const std::string name = doc().Crew[2].Name.substr(0, 4);
    const std::string text = name + ", " + std::to_string(doc().Crew[7].EmployeeNumber);

    QTest::mouseClick(bar->OnlyMatchingButton(), Qt::LeftButton);
    EXPECT_TRUE(window->Command(kCmdSearchFilter)->isChecked());
    QTest::keyClicks(bar->Text(), QString::fromStdString(text));
    const std::vector<int> both = window->Grid()->DisplayRows();
    EXPECT_EQ(both, CoreRows(month, text, true));
    ClickBox(bar->NameBox());
    const std::vector<int> numberOnly = window->Grid()->DisplayRows();
    EXPECT_EQ(numberOnly, CoreRows(month, text, false));
    EXPECT_LT(numberOnly.size(), both.size());
    EXPECT_FALSE(numberOnly.empty());
    EXPECT_LT(both.size(), static_cast<size_t>(doc().CrewCount));
    Shoot(*window, "search-main.png");

    window->close();
    EXPECT_EQ(profile.GetString("LW", "NameCheck", ""), "0");
    EXPECT_EQ(profile.GetString("LW", "PairCheck", ""), "1");
    EXPECT_EQ(profile.GetString("LW", "FilterSearch", ""), "1");
}

TEST_F(ReportsAndSearch, NamesHeaderDigitsAndPairingTextsAreNeverCutOrDrawnOver) {
    Open(true);
    model::TPilot& longest = doc().Crew[0];
    longest.Name = "WWWWWWWWWWWWWWWWWWWW";
    longest.BlockComplete = 1;
    window->workspace().NotifyChanged();
    BlockGridView& grid = *window->Grid();
    std::vector<std::string> faults;
    for (const char* face : {"Arial", "DejaVu Serif"}) {
        for (int size : {14, 20}) {
            QFont font(face);
            font.setPixelSize(size);
            grid.SetBlockFont(font);
            const GridGeometry& g = grid.Geometry();
            const QFontMetrics fm(grid.BlockFont());
            const std::string where = std::string(face) + " " + std::to_string(size) + ": ";
            for (int c = 0; c < doc().CrewCount; ++c)
                if (2 + fm.horizontalAdvance(QString::fromStdString(rules::RowLabel(doc(), c))) > g.LabelRight())
                    faults.push_back(where + "label " + std::to_string(c + 1));
            if (g.CreditOffset() + fm.horizontalAdvance("00:00") >= g.NameWidth()) faults.push_back(where + "credit");
            // Weekday, day of month and balance stacked in the header, none on another or on its bottom line.
            QFont small = grid.BlockFont();
            small.setPixelSize(std::max(6, fm.height() * 3 / 4));
            const int smallHeight = QFontMetrics(small).height();
            if (g.WeekdayTop() + smallHeight > g.DayNumberTop()) faults.push_back(where + "weekday over day");
            if (g.DayNumberTop() + fm.height() > g.BalanceTop()) faults.push_back(where + "day over balance");
            if (g.BalanceTop() + smallHeight > g.HeaderHeight() - 1) faults.push_back(where + "balance");
            if (GridGeometry::TextInset(6) + 3 * fm.horizontalAdvance("0") > g.ColumnWidth()) faults.push_back(where + "digits");
        }
    }
    EXPECT_EQ(faults, std::vector<std::string>{});

    // Every line of every pairing's text inside the 635-pixel window, on the 7-pixel measure.
    const QFontMetrics text(PairTextWindow::TextFont());
    int widest = 0;
    for (int i = 0; i <= doc().LastPairIndex; ++i)
        for (const QString& line : QString::fromStdString(doc().Pairings[static_cast<size_t>(i)].PairText).split('\n')) {
            widest = std::max(widest, static_cast<int>(line.size()));
            for (QChar ch : line)
                if (text.horizontalAdvance(ch) > PairTextWindow::kGlyphWidth) faults.push_back("glyph " + QString(ch).toStdString());
        }
    EXPECT_EQ(faults, std::vector<std::string>{});
    EXPECT_LE(1 + widest * PairTextWindow::kGlyphWidth, PairTextWindow::kWidth) << widest;
    PairTextWindow* window_text = window->PairText();
    window_text->ShowPairing(7, 0, window->geometry().center(), window->frameGeometry());
    QApplication::processEvents();
    Shoot(*window_text, "pairing-text.png");
}

TEST_F(ReportsAndSearch, ToolWindowsOpenOverTheGridBelowTheMenusAndTheCornerIconsFollowThem) {
    Open(true);
    BlockGridView& grid = *window->Grid();
    const QRect area(grid.mapToGlobal(QPoint(0, 0)), grid.size());
    for (QWidget* tool : {static_cast<QWidget*>(window->Pairings()), static_cast<QWidget*>(window->Toolbox())}) {
        ASSERT_TRUE(tool->isVisible());
        EXPECT_TRUE(area.contains(tool->frameGeometry())) << tool->objectName().toStdString();
    }
    auto icons = [&] { return std::vector<bool>{grid.ToolWindowOpen(0), grid.ToolWindowOpen(1)}; };
    EXPECT_EQ(icons(), (std::vector<bool>{true, true}));
    window->RunCommand(kCmdPairingsWindow);  // F4
    EXPECT_EQ(icons(), (std::vector<bool>{false, true}));
    EXPECT_FALSE(window->Command(kCmdPairingsWindow)->isChecked());
    EXPECT_NE(profile.GetString("LW", "PairingsWindowPlace", ""), "");  // kept as it was last seen
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.ToolIconRect(1).center());
    EXPECT_EQ(icons(), (std::vector<bool>{false, false}));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.ToolIconRect(0).center());
    EXPECT_EQ(icons(), (std::vector<bool>{true, false}));
    EXPECT_TRUE(window->Command(kCmdPairingsWindow)->isChecked());
}

}  // namespace
}  // namespace lw::ui::test
