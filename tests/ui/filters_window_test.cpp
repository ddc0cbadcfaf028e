// The pairing filters window of the cabin sample month, as a planner uses it: F6, a number
// picked, a key word typed and applied, the wizard, saving to and recalling from a crew member,
// the member filter editor, and removing the filters. The pairings window follows each step.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <set>
#include <sstream>
#include <string>

#include "bids/filters.h"
#include "month_window.h"
#include "ui/filter_editor_dialog.h"
#include "ui/filter_number_grid.h"
#include "ui/filter_wizard.h"
#include "ui/filters_window.h"
#include "ui/pairings_window.h"
#include "ui/text.h"
#include "ui/workspace.h"

namespace lw::ui {
namespace {

using Calls = std::vector<lw::test::FakeInteraction::Call>;

struct FiltersWindowTest : test::MonthWindowTest {
    std::set<int> ShownNumbers() {
        std::set<int> out;
        for (const auto& row : window->Pairings()->Layout().cells)
            for (int32_t cell : row)
                if (cell >= 0) out.insert(doc().Pairings[static_cast<size_t>(cell)].PairNumber);
        return out;
    }
    // The numbers of the pairings whose text holds the key.
    std::set<int> Holding(const std::string& key) {
        std::set<int> out;
        for (int i = 0; i <= doc().LastPairIndex; ++i)
            if (doc().Pairings[static_cast<size_t>(i)].PairText.find(key) != std::string::npos)
                out.insert(doc().Pairings[static_cast<size_t>(i)].PairNumber);
        return out;
    }
    // A word of the pairing texts that some pairings hold and most do not.
    std::string SomeKey() {
        const int count = doc().LastPairIndex + 1;
        for (int i = 0; i <= doc().LastPairIndex; ++i) {
            std::istringstream words(doc().Pairings[static_cast<size_t>(i)].PairText);
            for (std::string w; words >> w;) {
                if (w.size() != 3 || !std::isupper(static_cast<unsigned char>(w[0]))) continue;
                const size_t n = Holding(w).size();
                if (n >= 2 && static_cast<int>(n) < count / 4) return w;
            }
        }
        return {};
    }
    void ClickNumber(FilterNumberGrid* grid, int number) {
        for (size_t i = 0; i < grid->Cells().size(); ++i)
            if (grid->Cells()[i].number == number) {
                QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(i).center());
                return;
            }
        ADD_FAILURE() << "no cell " << number;
    }
};

TEST_F(FiltersWindowTest, CabinPlannerFiltersSavesRecallsAndRemoves) {
    Open(test::kCabinMonth, true);
    const std::set<int> everything = ShownNumbers();
    // Function keys reach the window's shortcuts only while it is the active window.
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_F6);
    EXPECT_EQ(ui.calls, Calls{});
    FiltersWindow& w = *window->Filters();
    ASSERT_TRUE(w.isVisible());
    const std::string key = SomeKey();
    ASSERT_FALSE(key.empty());
    int picked = 0;  // a number the key does not bring in
    for (const bids::FilterCell& c : w.Grid()->Cells())
        if (!Holding(key).count(c.number)) picked = c.number;
    ClickNumber(w.Grid(), picked);

    // The wizard's text replaces the box; typed without ";" it is asked for.
    window->SetDialogRunner([&](QDialog& d) {
        auto& wizard = dynamic_cast<FilterWizardDialog&>(d);
        d.show();
        QTest::keyClicks(wizard.Edit(4), "ZZZZ");  // a right-hand key alone is refused
        QTest::mouseClick(test::ButtonOf(d, "OK"), Qt::LeftButton);
        EXPECT_TRUE(d.isVisible());
        QTest::keyClicks(wizard.Edit(0), QString::fromStdString(key));
        QTest::mouseClick(test::ButtonOf(d, "OK"), Qt::LeftButton);
        return d.result();
    });
    QTest::mouseClick(w.Button("Wizard"), Qt::LeftButton);
    EXPECT_EQ(w.TextBox()->currentText(), QString::fromStdString(key + ",!ZZZZ;"));
    w.TextBox()->setEditText(QString::fromStdString(key));
    ui.answers.push_back(platform::Answer::Yes);
    QTest::mouseClick(w.Button("Apply Filters"), Qt::LeftButton);
    std::set<int> expected = Holding(key);
    expected.insert(picked);
    EXPECT_EQ(ui.calls, (Calls{{"Message", "Linewright", "You need at least 1 Key word or Letter in a left edit box"},
                               {"Ask", "Linewright",
                                "Text Filter List must end in semi-colon ;. Do you want to Add semi-colon"}}));
    EXPECT_TRUE(doc().FiltersOn);
    EXPECT_EQ(window->Pairings()->windowTitle(), "Filters On");
    EXPECT_EQ(ShownNumbers(), expected);
    EXPECT_EQ(w.TextBox()->itemText(0), QString::fromStdString(key + ";"));

    // Saved to the third crew member, then everything removed, then recalled from that member.
    QTest::mouseClick(w.Button("Save"), Qt::LeftButton);
    EXPECT_EQ(ui.Messages().back().text, "You have not selected the name to Save Filters to");
    w.CrewList()->setCurrentRow(2);
    QTest::mouseClick(w.Button("Save"), Qt::LeftButton);
    const model::TPilot& member = doc().Crew[2];
    std::string saved;  // once per pairing that carries the number
    for (int i = 0; i <= doc().LastPairIndex; ++i)
        if (doc().Pairings[static_cast<size_t>(i)].PairNumber == picked) saved += QString::asprintf("%04d", picked).toStdString();
    EXPECT_EQ(member.SavedFilters, saved + "TEXT" + key + ";");
    EXPECT_EQ(w.windowTitle(), "Filters Saved to " + FromDocText(member.Name));
    EXPECT_EQ(w.CrewList()->item(2)->text(), "3 " + FromDocText(member.Name));

    QTest::mouseClick(w.Button("Remove Filters"), Qt::LeftButton);
    EXPECT_FALSE(doc().FiltersOn);
    EXPECT_EQ(window->Pairings()->windowTitle(), "");
    EXPECT_EQ(ShownNumbers(), everything);
    EXPECT_EQ(w.TextBox()->currentText(), "");
    QTest::mouseClick(w.Button("Recall"), Qt::LeftButton);
    EXPECT_EQ(w.TextBox()->currentText(), QString::fromStdString(key + ";"));
    EXPECT_EQ(w.windowTitle(), "Filters Recalled from " + FromDocText(member.Name));
    int pickedNow = 0;
    for (int i = 0; i <= doc().LastPairIndex; ++i)
        if (doc().Pairings[static_cast<size_t>(i)].PairMark == bids::kMarkPicked)
            pickedNow = doc().Pairings[static_cast<size_t>(i)].PairNumber;
    EXPECT_EQ(pickedNow, picked);

    // The member filter editor on the same member: invert, unpick one more, new text, OK.
    const auto& cells = w.Grid()->Cells();
    const int unpicked = cells.front().number == picked ? cells.back().number : cells.front().number;
    FilterEditorDialog editor(window->workspace(), 2);
    editor.show();
    EXPECT_EQ(editor.windowTitle(), "Filters for " + FromDocText(member.Name));
    EXPECT_EQ(editor.TextBox()->currentText(), QString::fromStdString(key + ";"));
    QTest::mouseClick(editor.Button("Invert"), Qt::LeftButton);
    ClickNumber(editor.Grid(), unpicked);
    editor.TextBox()->setEditText("YUL");
    QTest::mouseClick(editor.Button("OK"), Qt::LeftButton);
    std::string numbers;
    for (const bids::FilterCell& c : cells)
        if (c.number != picked && c.number != unpicked) numbers += QString::asprintf("%04d", c.number).toStdString();
    EXPECT_EQ(member.SavedFilters, numbers + "TEXTYUL;");
    EXPECT_EQ(bids::RecentTexts(doc()).front(), "YUL;");
}

}  // namespace
}  // namespace lw::ui
