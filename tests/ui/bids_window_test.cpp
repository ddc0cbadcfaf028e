// The bids window on the captains' sample month with its bids read in: one pilot's bid becomes
// the pilot's filter and day-off marks, the filter is switched on and off in the pairings
// window, the bid is edited, and the pilot's information is changed from the bid page.
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>

#include <algorithm>
#include <set>
#include <string>

#include "bids/bids.h"
#include "bids/filters.h"
#include "month_window.h"
#include "output/document_dump.h"
#include "base/time_text.h"
#include "rules/assignment.h"
#include "rules/history_undo.h"
#include "rules/grid_day_look.h"
#include "rules/view_filter.h"
#include "ui/bids_window.h"
#include "ui/block_grid_view.h"
#include "ui/employee_dialog.h"
#include "ui/filter_editor_dialog.h"
#include "ui/filter_number_grid.h"
#include "ui/pairings_window.h"
#include "ui/text.h"

namespace lw::ui {
namespace {

using Calls = std::vector<lw::test::FakeInteraction::Call>;
constexpr char kCaptainsBids[] = LW_SOURCE_DIR "/samples/capt-yyz-dh8-2027-03/YYZ_PILOT_BIDS_MAR2027.csv";

struct BidsWindowTest : test::MonthWindowTest {
    BidsWindow& bids() { return *window->Bids(); }

    void OpenWithBids() {
        Open(test::kCaptainsMonth, true);
        ui.openFiles.push_back(std::string(kCaptainsBids));
        window->RunCommand(kCmdPilotBids);
        if (!bids().isVisible()) QTest::keyClick(window.get(), Qt::Key_Insert);
        ASSERT_TRUE(bids().isVisible());
        ui.calls.clear();
    }

    // The first pilot whose bid asks for days off and for pairings.
    int Bidder() {
        for (int c = 0; c < doc().CrewCount; ++c) {
            const bids::GuessedBid g = bids::GuessBid(doc(), doc().Crew[static_cast<size_t>(c)].BidText);
            auto any = [](const auto& requests) {
                return std::any_of(requests.begin(), requests.end(), [](const auto& r) { return !r.empty(); });
            };
            if (any(g.days) && any(g.pairings)) return c;
        }
        return -1;
    }

    void Choose(int crew) {
        QTabBar* tabs = bids().Tabs();
        const model::TPilot& m = doc().Crew[static_cast<size_t>(crew)];
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->tabText(i) == QString("%1. %2").arg(crew + 1).arg(FromDocText(m.Name))) {
                tabs->setCurrentIndex(i);
                return;
            }
        ADD_FAILURE() << "no tab for row " << crew + 1;
    }

    void Click(const char* button) {
        QPushButton* b = bids().Button(button);
        ASSERT_NE(b, nullptr) << button;
        QTest::mouseClick(b, Qt::LeftButton);
    }

    // The numbers of the pairings the pairings window shows.
    std::set<int> ShownNumbers() {
        std::set<int> out;
        for (const auto& row : window->Pairings()->Layout().cells)
            for (int32_t cell : row)
                if (cell >= 0) out.insert(doc().Pairings[static_cast<size_t>(cell)].PairNumber);
        return out;
    }
};

TEST_F(BidsWindowTest, BidBecomesTheFilterAndTheDayOffMarks) {
    OpenWithBids();
    const int crew = Bidder();
    ASSERT_GE(crew, 0);
    model::TPilot& m = doc().Crew[static_cast<size_t>(crew)];
    Choose(crew);
    const bids::GuessedBid guess = bids::GuessBid(doc(), m.BidText);
    EXPECT_EQ(bids().BidPage()->toPlainText(), FromDocText(m.BidText));
    EXPECT_EQ(bids().GuessPage()->toPlainText(), FromDocText(bids::GuessText(guess)));
    EXPECT_EQ(bids().FiltersPage()->toPlainText(), "--- Pairing Filters: ---\nNo Filters. Click to Edit\n");
    const std::set<int> everything = ShownNumbers();

    // SET FILTERS: the bid's pairings of this month become the pilot's filter.
    std::set<int> asked;
    std::string numbers;
    for (const auto& request : guess.pairings)
        for (int n : request)
            if (everything.count(n)) {
                asked.insert(n);
                numbers += QString::asprintf("%04d", n).toStdString();
            }
    ASSERT_FALSE(asked.empty());
    Click("SET FILTERS");
    EXPECT_EQ(m.SavedFilters, numbers + "TEXT");
    EXPECT_EQ(bids().FiltersPage()->toPlainText(), FromDocText(bids::RenderSavedFilter(m.SavedFilters)));

    // Filters on: the pairings window shrinks to the pilot's pairings.
    Click("SET FILTERS ON");
    EXPECT_TRUE(doc().FiltersOn);
    EXPECT_NE(bids().Button("SET FILTERS OFF"), nullptr);
    EXPECT_EQ(window->Pairings()->windowTitle(), "Filters On for " + FromDocText(m.Name));
    EXPECT_EQ(ShownNumbers(), asked);

    // A click on the filter page opens the member filter editor: one more number, and the
    // pairings window follows at once.
    int extra = 0;
    for (int n : everything)
        if (!asked.count(n) && extra == 0) extra = n;
    window->SetDialogRunner([&](QDialog& d) {
        auto& editor = dynamic_cast<FilterEditorDialog&>(d);
        d.show();
        EXPECT_EQ(editor.windowTitle(), "Filters for " + FromDocText(m.Name));
        const auto& cells = editor.Grid()->Cells();
        for (size_t i = 0; i < cells.size(); ++i)
            if (cells[i].number == extra) QTest::mouseClick(editor.Grid(), Qt::LeftButton, {}, editor.Grid()->CellRect(i).center());
        QTest::mouseClick(editor.Button("OK"), Qt::LeftButton);
        return d.result();
    });
    bids().Pages()->setCurrentIndex(2);
    QTest::mouseClick(bids().FiltersPage()->viewport(), Qt::LeftButton);
    asked.insert(extra);
    EXPECT_EQ(ShownNumbers(), asked);
    EXPECT_EQ(bids().FiltersPage()->toPlainText(), FromDocText(bids::RenderSavedFilter(m.SavedFilters)));

    // SET DAY OFF REQ: every requested day of the month is marked, and only those; twice is once.
    std::set<int> daysAsked;
    for (const auto& request : guess.days) daysAsked.insert(request.begin(), request.end());
    Click("SET DAY OFF REQ");
    const std::string once = output::DumpDocument(doc(), {false, false, true, false});
    Click("SET DAY OFF REQ");
    EXPECT_EQ(output::DumpDocument(doc(), {false, false, true, false}), once);
    const rules::GridLookPrefs prefs;
    for (int d = 0; d < doc().DayCount; ++d) {
        const base::CalendarDate date = doc().DayDate[static_cast<size_t>(d)];
        const bool wanted = date.month == doc().MonthNumber && daysAsked.count(date.day);
        EXPECT_EQ(m.DayFlagA[static_cast<size_t>(d)] >= bids::kFirstRequestGroup, wanted) << "day " << d;
        if (m.DayAssignment[static_cast<size_t>(d)] == model::kDayEmpty) {
            EXPECT_EQ(rules::LookOfDay(doc(), crew, d, prefs).text, wanted ? "X" : "") << "day " << d;
        }
    }

    // Filters off: every pairing again.
    Click("SET FILTERS OFF");
    EXPECT_FALSE(doc().FiltersOn);
    EXPECT_EQ(window->Pairings()->windowTitle(), "Filters Off");
    EXPECT_EQ(ShownNumbers(), everything);

    // An edit of the bid is kept, upper case, when the planner leaves the pilot and says Yes.
    const std::string before = m.BidText;
    bids().BidPage()->moveCursor(QTextCursor::End);
    QTest::keyClicks(bids().BidPage(), "(8). off 28");
    QTest::keyClick(bids().BidPage(), Qt::Key_Return);
    ui.answers.push_back(platform::Answer::Yes);
    Choose(crew == 0 ? 1 : 0);
    EXPECT_EQ(ui.calls, (Calls{{"Ask", "Linewright", "Save Changes to Bid for " + m.Name}}));
    EXPECT_EQ(m.BidText, before + "(8). OFF 28\n");
    EXPECT_TRUE(doc().Modified);
    Choose(crew);
    EXPECT_TRUE(bids().GuessPage()->toPlainText().contains("28, "));
}

TEST_F(BidsWindowTest, PilotInfoChangesTheLimitsAndARefusedEditChangesNothing) {
    OpenWithBids();
    const int crew = 1;  // bids for pairings, not reserve
    ASSERT_FALSE(doc().Crew[1].BidsReserve);
    model::TPilot& m = doc().Crew[static_cast<size_t>(crew)];
    Choose(crew);
    // Two trips on the block, far apart.
    int placed = 0;
    for (int pair = 0; pair <= doc().LastPairIndex && placed < 2; ++pair) {
        const int day = placed == 0 ? 2 : 15;
        if (doc().Pairings[static_cast<size_t>(pair)].DayStatus[static_cast<size_t>(day)] != 1) continue;
        if (rules::AssignPair(doc(), window->workspace().board(), ui, crew, pair, day, true) == rules::kAssignDone)
            ++placed;
    }
    ASSERT_EQ(placed, 2);
    const int32_t credit = m.CreditTotal();
    ASSERT_EQ(rules::CreditShadeOf(doc(), m), rules::CreditShade::OutsideRange);  // far below the month's minimum

    // A double click on the member's name in the grid opens the dialog too; Cancel keeps all.
    const std::string untouched = output::DumpDocument(doc(), {});
    BlockGridView* grid = window->Grid();
    const auto& rows = grid->DisplayRows();
    const int row = static_cast<int>(std::find(rows.begin(), rows.end(), crew) - rows.begin());
    const QPoint name(20, grid->Geometry().RowTop(row, grid->FirstRow()) + grid->Geometry().RowHeight() / 2);
    QString title;
    window->SetDialogRunner([&](QDialog& d) {
        title = d.windowTitle();
        return int(QDialog::Rejected);
    });
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, name);
    EXPECT_EQ(title, "Employee Information - " + FromDocText(m.Name));
    EXPECT_EQ(output::DumpDocument(doc(), {}), untouched);

    QAction* info = nullptr;
    for (QAction* a : bids().OptionsMenu()->actions())
        if (a->text() == "Pilot Info Dialog") info = a;
    ASSERT_NE(info, nullptr);
    auto run = [&](std::function<int(EmployeeDialog&)> drive) {
        window->SetDialogRunner([&, drive](QDialog& d) {
            ++dialogsRun;
            auto* dialog = dynamic_cast<EmployeeDialog*>(&d);
            EXPECT_NE(dialog, nullptr);
            if (!dialog) return int(QDialog::Rejected);
            d.show();
            return drive(*dialog);
        });
        info->trigger();
    };

    // The limits around the block: the block is re-checked and its total is in range.
    run([&](EmployeeDialog& d) {
        EXPECT_EQ(d.Edit("Name")->text(), FromDocText(m.Name));
        EXPECT_EQ(d.Illegalities()->toPlainText(), FromDocText(m.IllegalText));
        EXPECT_EQ(d.RuleResults()->count(), static_cast<int>(rules::SplitListText(m.RuleLog).size()));
        d.Choice("Min Block")->setEditText("00:30");
        d.Choice("Max Block")->setEditText(QString::fromStdString(base::FormatTime(credit + 60)));
        QTest::mouseClick(test::ButtonOf(d, "OK"), Qt::LeftButton);
        EXPECT_EQ(d.result(), QDialog::Accepted);
        return d.result();
    });
    EXPECT_EQ(m.MinBlock, 30);
    EXPECT_EQ(m.MaxBlock, credit + 60);
    EXPECT_EQ(rules::CreditShadeOf(doc(), m), rules::CreditShade::InRange);
    EXPECT_TRUE(doc().Modified);

    // Another pilot's number is refused after the question; Cancel then leaves the month as it was.
    const std::string dump = output::DumpDocument(doc(), {});
    const model::TPilot& other = doc().Crew[static_cast<size_t>(crew == 1 ? 2 : 1)];
    ui.calls.clear();
    ui.answers.push_back(platform::Answer::Yes);
    run([&](EmployeeDialog& d) {
        d.Choice("Max Block")->setEditText("01:00");
        d.Edit("Emp #")->setText(QString::number(other.EmployeeNumber));
        QTest::mouseClick(test::ButtonOf(d, "OK"), Qt::LeftButton);
        EXPECT_TRUE(d.isVisible());
        d.reject();
        return int(QDialog::Rejected);
    });
    EXPECT_EQ(ui.calls,
              (Calls{{"Ask", "Linewright",
                      "You have entered a different Employee Number. Do you want to change the Employee Number"},
                     {"Message", "Linewright",
                      "You Have Entered an Employee Number that is being used by " + other.Name +
                          ". Enter a Valid Number"}}));
    EXPECT_EQ(output::DumpDocument(doc(), {}), dump);
    EXPECT_EQ(dialogsRun, 2);
}

TEST_F(BidsWindowTest, EMailPilotWritesToThePilotOrElseToTheCrewOffice) {
    OpenWithBids();
    profile.WriteString("LW", "PilotMailAddress", "crew.office@example.com");
    QStringList sent;
    bids().SetMailer([&](const QString& to, const QString& subject) {
        sent << to << subject;
        return sent.size() < 4;
    });
    int withoutBid = 0;
    while (!doc().Crew[static_cast<size_t>(withoutBid)].BidText.empty()) ++withoutBid;
    for (int crew : {1, withoutBid}) {
        Choose(crew);
        for (QAction* a : bids().OptionsMenu()->actions())
            if (a->text() == "eMail Pilot") a->trigger();
    }
    auto subject = [&](int crew) {
        const model::TPilot& m = doc().Crew[static_cast<size_t>(crew)];
        return QString("Bid of %1 (%2)").arg(FromDocText(m.Name)).arg(m.EmployeeNumber);
    };
    EXPECT_EQ(sent, (QStringList{"megan.turner@example.com", subject(1), "crew.office@example.com", subject(withoutBid)}));
    ASSERT_EQ(ui.Messages().size(), 1u);  // the second found no mail program: the planner is told
    EXPECT_EQ(ui.Messages()[0].text, "No mail program could be started (xdg-email is missing). Write to " +
                                         doc().Crew[static_cast<size_t>(withoutBid)].Name + " from your mail program.");
}

}  // namespace
}  // namespace lw::ui
