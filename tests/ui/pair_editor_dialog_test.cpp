// The pairing editor through the desktop: a build that finds an invalid pairing, Yes to
// correcting it, the pass word, the correction, and a build that no longer asks.
#include <QDir>
#include <QInputDialog>
#include <QLineEdit>

#include "month_window.h"
#include "ui/pair_editor_dialog.h"

namespace lw::ui::test {
namespace {

using platform::Answer;
using Kind = lw::test::FakeInteraction::Kind;

struct PairEditorWindow : MonthWindowTest {};

TEST_F(PairEditorWindow, YesToTheBuildQuestionCorrectsThePairingAndTheNextBuildGoesThrough) {
    Open(kCaptainsMonth, false);
    model::TPair& q = doc().Pairings[3];
    const int32_t credit = q.TotalCredit;
    q.TotalCredit = credit + 1;
    const std::string correct = QString::asprintf("%02d:%02d", credit / 60, credit % 60).toStdString();

    std::vector<std::string> opened;
    window->SetDialogRunner([&](QDialog& d) {
        d.show();
        if (auto* prompt = dynamic_cast<QInputDialog*>(&d)) {
            opened.push_back(prompt->windowTitle().toStdString());
            // A wrong word is told and asked again; the right one grants edit mode.
            prompt->setTextValue(opened.size() == 1 ? QStringLiteral("Marble") : QStringLiteral("MARBLE"));
            return int(QDialog::Accepted);
        }
        auto* editor = dynamic_cast<PairEditorDialog*>(&d);
        EXPECT_NE(editor, nullptr);
        if (!editor) return int(QDialog::Rejected);
        opened.push_back(editor->windowTitle().toStdString());
        EXPECT_EQ(editor->Editor().Index(), 3);
        EXPECT_EQ(editor->Credit()->text().toStdString(),
                  QString::asprintf("%02d:%02d", (credit + 1) / 60, (credit + 1) % 60).toStdString());
        QDir().mkpath(LW_SCREENSHOT_DIR);
        EXPECT_TRUE(editor->grab().save(QString(LW_SCREENSHOT_DIR) + "/pairing-editor.png"));
        editor->Credit()->selectAll();
        QTest::keyClicks(editor->Credit(), QString::fromStdString(correct));
        editor->accept();
        return editor->result();
    });
    ui.answers = {Answer::Yes};
    window->RunCommand(kCmdBuildBlocks);
    EXPECT_EQ(doc().BlocksBuilt, 0);
    EXPECT_EQ(opened, (std::vector<std::string>{"Edit Pairings", "Edit Pairings", "Edit Pairings - Caution No Cancel"}));
    EXPECT_EQ(q.TotalCredit, credit);
    EXPECT_TRUE(doc().Modified);
    std::vector<std::string> asked;
    for (const auto& call : ui.calls)
        if (call.kind == Kind::Ask || call.kind == Kind::Message) asked.push_back(call.text);
    EXPECT_EQ(asked, (std::vector<std::string>{
                         "Not all Pairings are Valid. Do you want to edit the pairings to correct the errors as noted.",
                         "Incorrect Password, Leave Password Field Blank or Enter Correct Password"}));

    ui.calls.clear();
    window->RunCommand(kCmdBuildBlocks);
    EXPECT_EQ(doc().BlocksBuilt, 1);
    for (const auto& call : ui.calls) EXPECT_NE(call.kind, Kind::Ask) << call.text;
}

}  // namespace
}  // namespace lw::ui::test
