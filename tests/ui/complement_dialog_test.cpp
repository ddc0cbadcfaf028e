// "Change Pairing Crew Complement...": the planner marks pairing days in the crew-required
// dialog; the copies, the marks in the pairing texts and the rebuilt blocks follow, and the
// dialog opens again on the same marks.
#include <QLabel>
#include <QPushButton>

#include <string>
#include <vector>

#include "month_window.h"
#include "rules/complement.h"
#include "ui/commands.h"
#include "ui/month_dialogs.h"
#include "ui/pairings_window.h"

namespace lw::ui {
namespace {

using Texts = std::vector<std::string>;

// Every pairing copy after the loaded pairings: "number:day status" for its operating day.
Texts Copies(const model::Document& doc) {
    Texts out;
    for (int i = doc.LastLoadedPairIndex + 1; i <= doc.LastPairIndex; ++i) {
        const model::TPair& p = doc.Pairings[static_cast<size_t>(i)];
        std::string line = std::to_string(p.PairNumber) + " " + p.PairType + ":";
        for (int d = 0; d < doc.DayCount; ++d)
            if (p.DayStatus[static_cast<size_t>(d)] != 0)
                line += " " + std::to_string(d) + "=" + std::to_string(p.DayStatus[static_cast<size_t>(d)]);
        out.push_back(line);
    }
    return out;
}

QStringList SelectedTexts(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected()) out << list->item(i)->text();
    return out;
}

QString NoteOf(const QDialog& d) {
    QString out;
    for (const QLabel* label : d.findChildren<QLabel*>()) out += label->text();
    return out;
}

struct ComplementDialogTest : test::MonthWindowTest {};

TEST_F(ComplementDialogTest, MarkingTwoDaysOfACaptainPairingMakesTwoCopiesAndReopensOnThem) {
    Open(test::kCaptainsMonth, true);
    ASSERT_EQ(doc().LastPairIndex, doc().LastLoadedPairIndex) << "the sample starts without copies";
    const Texts before = Copies(doc());
    QStringList chosen;
    RunWith<CrewRequiredDialog>(kCmdComplement, [&](CrewRequiredDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Change Crew Required for Pairings");
        EXPECT_EQ(NoteOf(d), "Select All Pairings that have 2 Captains");
        EXPECT_EQ(d.List()->count(), 550);
        EXPECT_EQ(SelectedTexts(d.List()), QStringList{});
        EXPECT_FALSE(window->Pairings()->isVisible());
        // The Z8005 lines are pairing 5 on days 15 and 16 (Wed 17 and Thu 18 March).
        const QStringList lines = test::ListTexts(d.List());
        test::ClickLine(d.List(), static_cast<int>(lines.indexOf(" Z8005   Wed 17 Mar 2027               00515")));
        test::ClickLine(d.List(), static_cast<int>(lines.indexOf(" Z8005   Thu 18 Mar 2027               00516")));
        chosen = SelectedTexts(d.List());
        QTest::mouseClick(d.DoneButton(), Qt::LeftButton);
        return d.result();
    });
    EXPECT_EQ(chosen, (QStringList{" Z8005   Wed 17 Mar 2027               00515",
                                   " Z8005   Thu 18 Mar 2027               00516"}));
    EXPECT_EQ(Copies(doc()), (Texts{"8005 CA: 15=-1", "8005 CA: 16=-1"}));
    const model::TPair& base = doc().Pairings[5];
    ASSERT_GE(base.PairText.size(), 19u);
    EXPECT_EQ(base.PairText.substr(base.PairText.size() - 19), " TWO CAPTS ON 17 18");
    EXPECT_EQ(doc().Pairings[static_cast<size_t>(doc().LastPairIndex)].PairText, base.PairText);
    EXPECT_LT(base.DayStatus[15], 0);
    EXPECT_LT(base.DayStatus[16], 0);
    EXPECT_EQ(doc().BlocksBuilt, 1);
    EXPECT_TRUE(window->Pairings()->isVisible());

    // Opened again: the same two days are marked; Done with them keeps the month as it was.
    const std::string text = base.PairText;
    RunWith<CrewRequiredDialog>(kCmdComplement, [&](CrewRequiredDialog& d) {
        EXPECT_EQ(SelectedTexts(d.List()), chosen);
        QTest::mouseClick(d.DoneButton(), Qt::LeftButton);
        return d.result();
    });
    EXPECT_EQ(Copies(doc()), (Texts{"8005 CA: 15=-1", "8005 CA: 16=-1"}));
    EXPECT_EQ(doc().Pairings[5].PairText, text);

    // Unmarking both takes the copies and the marks away again.
    RunWith<CrewRequiredDialog>(kCmdComplement, [&](CrewRequiredDialog& d) {
        const QStringList lines = test::ListTexts(d.List());
        for (const QString& line : chosen) test::ClickLine(d.List(), static_cast<int>(lines.indexOf(line)));
        EXPECT_EQ(SelectedTexts(d.List()), QStringList{});
        QTest::mouseClick(d.DoneButton(), Qt::LeftButton);
        return d.result();
    });
    EXPECT_EQ(Copies(doc()), before);
    EXPECT_EQ(doc().Pairings[5].PairText.find("TWO CAPTS"), std::string::npos);
    EXPECT_GT(doc().Pairings[5].DayStatus[15], 0);
    EXPECT_EQ(dialogsRun, 3);
}

TEST_F(ComplementDialogTest, TheCabinMonthListsOnlyPurserPairings) {
    Open(test::kCabinMonth, true);
    RunWith<CrewRequiredDialog>(kCmdComplement, [&](CrewRequiredDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Change FA Crew Required for Pairings");
        EXPECT_EQ(NoteOf(d), "Select All PU Pairings that have an additional Flight Attendant");
        EXPECT_GT(d.List()->count(), 0);
        for (const QString& line : test::ListTexts(d.List())) {
            const int pair = line.mid(39, 3).toInt();
            EXPECT_EQ(doc().Pairings[static_cast<size_t>(pair)].PairType.substr(0, 2), "PU") << line.toStdString();
        }
        // The first purser day gets an extra attendant.
        test::ClickLine(d.List(), 0);
        QTest::mouseClick(d.DoneButton(), Qt::LeftButton);
        return d.result();
    });
    ASSERT_EQ(doc().LastPairIndex, doc().LastLoadedPairIndex + 1);
    const model::TPair& copy = doc().Pairings[static_cast<size_t>(doc().LastPairIndex)];
    EXPECT_EQ(copy.PairType, "FA");
    EXPECT_NE(copy.PairText.find(" EXTRA FA ON "), std::string::npos);
    EXPECT_EQ(doc().BlocksBuilt, 1);
}

}  // namespace
}  // namespace lw::ui
