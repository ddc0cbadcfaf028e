// "Roster..." on the captains' sample month: inserting, refusing, deleting and dragging in the
// EDIT ROSTER dialog, each checked against the whole roster and the blocks afterwards.
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include <string>
#include <vector>

#include "month_window.h"
#include "rules/assignment.h"
#include "ui/commands.h"
#include "ui/roster_dialog.h"

namespace lw::ui {
namespace {

using Calls = std::vector<lw::test::FakeInteraction::Call>;
using Texts = std::vector<std::string>;

// The crew table as "NAME/EMPLOYEE", in table order.
Texts Roster(const model::Document& doc) {
    Texts out;
    for (int c = 0; c < doc.CrewCount; ++c) {
        const model::TPilot& p = doc.Crew[static_cast<size_t>(c)];
        out.push_back(p.Name + "/" + std::to_string(p.EmployeeNumber));
    }
    return out;
}

// The dialog's lines for a roster of listed members: "%03d   %s   %ld".
QStringList Listed(const Texts& roster) {
    QStringList out;
    for (size_t i = 0; i < roster.size(); ++i) {
        const size_t slash = roster[i].rfind('/');
        out << QString::asprintf("%03d   %s   %s", static_cast<int>(i + 1), roster[i].substr(0, slash).c_str(),
                                 roster[i].substr(slash + 1).c_str());
    }
    return out;
}

// Every pairing day a member holds: "pair@day".
Texts Held(const model::Document& doc, int crew) {
    Texts out;
    const model::TPilot& p = doc.Crew[static_cast<size_t>(crew)];
    for (int d = 0; d < doc.DayCount; ++d)
        if (p.DayAssignment[static_cast<size_t>(d)] >= 0)
            out.push_back(std::to_string(p.DayAssignment[static_cast<size_t>(d)]) + "@" + std::to_string(d));
    return out;
}

int RowOf(const model::Document& doc, const std::string& name) {
    for (int c = 0; c < doc.CrewCount; ++c)
        if (doc.Crew[static_cast<size_t>(c)].Name == name) return c;
    return -1;
}

void Type(QLineEdit* field, const char* text) {
    field->clear();
    QTest::keyClicks(field, text);
}

void SendMouse(QWidget* to, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), QPointF(to->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(to, &event);
}

struct RosterDialogTest : test::MonthWindowTest {};

TEST_F(RosterDialogTest, InsertRefuseAndDeleteThenTheBlocksAreBuiltAgain) {
    Open(test::kCaptainsMonth, true);
    Texts expected = Roster(doc());
    ASSERT_EQ(expected.size(), 120u);
    ASSERT_EQ(expected[1], "M TURNER/100894");
    const int richardson = RowOf(doc(), "S RICHARDSON");
    // Three open pairings on S RICHARDSON's block, well apart.
    std::vector<std::pair<int, int>> starts;
    for (int pair = 0; pair <= doc().LastPairIndex && starts.size() < 3; ++pair) {
        const model::TPair& q = doc().Pairings[static_cast<size_t>(pair)];
        const int after = starts.empty() ? 0 : starts.back().second + 8;
        for (int day = after; day + q.PairLength < doc().DayCount; ++day) {
            if (!q.IsOpen(day)) continue;
            ASSERT_EQ(rules::AssignPair(doc(), window->workspace().board(), ui, richardson, pair, day, true),
                      rules::kAssignDone);
            starts.emplace_back(pair, day);
            break;
        }
    }
    ASSERT_EQ(starts.size(), 3u);
    const Texts richardsonHeld = Held(doc(), richardson);
    ASSERT_GE(richardsonHeld.size(), 3u);
    ui.calls.clear();

    RunWith<RosterDialog>(kCmdRoster, [&](RosterDialog& d) {
        EXPECT_EQ(d.windowTitle(), "EDIT ROSTER");
        EXPECT_FALSE(d.AddFromFileButton()->isEnabled());
        EXPECT_EQ(d.AddFromFileButton()->text(), "Add to roster From another Linewright File");
        EXPECT_EQ(test::ListTexts(d.List()), Listed(expected));
        EXPECT_EQ(doc().BlocksBuilt, 0) << "the blocks are down while the roster changes";

        // A number M TURNER already holds: refused, the fields stay for correcting.
        Type(d.IndexEdit(), "2");
        Type(d.NameEdit(), "A NEWCOMER");
        Type(d.EmployeeEdit(), "100894");
        QTest::mouseClick(d.InsertButton(), Qt::LeftButton);
        EXPECT_EQ(ui.Messages(), (Calls{{"Message", "Oops", "Duplicate Employee Number with M TURNER"}}));
        EXPECT_TRUE(d.EmployeeEdit()->hasFocus());
        EXPECT_EQ(d.NameEdit()->text(), "A NEWCOMER");
        EXPECT_EQ(test::ListTexts(d.List()), Listed(expected));

        // One past the listed members is the most an index may say.
        Type(d.IndexEdit(), "122");
        Type(d.EmployeeEdit(), "555000111");
        QTest::mouseClick(d.InsertButton(), Qt::LeftButton);
        EXPECT_TRUE(d.IndexEdit()->hasFocus());

        Type(d.IndexEdit(), "2");
        QTest::mouseClick(d.InsertButton(), Qt::LeftButton);
        expected.insert(expected.begin() + 1, "A NEWCOMER/555000111");
        EXPECT_EQ(test::ListTexts(d.List()), Listed(expected));
        EXPECT_EQ(d.IndexEdit()->text() + d.NameEdit()->text() + d.EmployeeEdit()->text(), "");
        EXPECT_TRUE(d.IndexEdit()->hasFocus());

        QTest::mouseClick(d.DeleteButton(), Qt::LeftButton);  // nothing selected yet
        test::ClickLine(d.List(), richardson + 1);
        QTest::mouseClick(d.DeleteButton(), Qt::LeftButton);
        expected.erase(expected.begin() + richardson + 1);
        EXPECT_EQ(test::ListTexts(d.List()), Listed(expected));
        QTest::mouseClick(d.OkButton(), Qt::LeftButton);
        return d.result();
    });

    EXPECT_EQ(ui.Messages(), (Calls{{"Message", "Oops", "Duplicate Employee Number with M TURNER"},
                                    {"Message", "Oops", "Invalid Roster Number!"},
                                    {"Message", "Oops", "I Don't know who to Delete!"}}));
    EXPECT_EQ(Roster(doc()), expected);
    EXPECT_EQ(Held(doc(), 1), Texts{}) << "the newcomer starts with an empty block";
    // S RICHARDSON's three pairings are open again, held by nobody.
    for (const auto& [pair, day] : starts) EXPECT_TRUE(doc().Pairings[static_cast<size_t>(pair)].IsOpen(day)) << pair;
    for (const std::string& held : richardsonHeld) {
        const int pair = std::stoi(held.substr(0, held.find('@')));
        const int day = std::stoi(held.substr(held.find('@') + 1));
        for (int c = 0; c < doc().CrewCount; ++c)
            EXPECT_NE(doc().Crew[static_cast<size_t>(c)].DayAssignment[static_cast<size_t>(day)], pair) << held;
    }
    EXPECT_TRUE(doc().History.Empty());
    EXPECT_EQ(doc().BlocksBuilt, 1);
}

TEST_F(RosterDialogTest, DraggingALineMovesTheMemberWithTheBlock) {
    Open(test::kCaptainsMonth, false);
    Texts expected = Roster(doc());
    ASSERT_EQ(expected[4], "J ROY/100941");
    for (int day = 0; day < doc().DayCount; ++day)
        if (doc().Pairings[0].IsOpen(day)) {
            ASSERT_EQ(rules::AssignPair(doc(), window->workspace().board(), ui, 4, 0, day, true), rules::kAssignDone);
            break;
        }
    const Texts royHeld = Held(doc(), 4);
    ASSERT_FALSE(royHeld.empty());
    ui.calls.clear();

    RunWith<RosterDialog>(kCmdRoster, [&](RosterDialog& d) {
        QListWidget* list = d.List();
        QWidget* port = list->viewport();
        const QPoint from = list->visualItemRect(list->item(4)).center();
        const QPoint over = list->visualItemRect(list->item(2)).center();
        const QPoint to = list->visualItemRect(list->item(1)).center();
        SendMouse(port, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        SendMouse(port, QEvent::MouseMove, over, Qt::NoButton, Qt::LeftButton);
        EXPECT_EQ(d.Status()->text(), "MOVE J ROY TO POSITION 003");
        SendMouse(port, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        EXPECT_EQ(d.Status()->text(), "MOVE J ROY TO POSITION 002");
        SendMouse(port, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
        EXPECT_EQ(d.Status()->text(), "J ROY MOVED TO POSITION 002");
        expected.insert(expected.begin() + 1, expected[4]);
        expected.erase(expected.begin() + 5);
        EXPECT_EQ(test::ListTexts(list), Listed(expected));

        // A line dropped where it started moves nobody.
        const QPoint same = list->visualItemRect(list->item(7)).center();
        SendMouse(port, QEvent::MouseButtonPress, same, Qt::LeftButton, Qt::LeftButton);
        SendMouse(port, QEvent::MouseButtonRelease, same, Qt::LeftButton, Qt::NoButton);
        EXPECT_EQ(test::ListTexts(list), Listed(expected));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(list, &leave);
        EXPECT_EQ(d.Status()->text(), "");
        return int(QDialog::Accepted);
    });

    EXPECT_EQ(Roster(doc()), expected);
    EXPECT_EQ(Held(doc(), 1), royHeld);
    EXPECT_EQ(ui.Messages(), Calls{});
    EXPECT_EQ(doc().BlocksBuilt, 0) << "blocks that were not built stay down";
}

}  // namespace
}  // namespace lw::ui
