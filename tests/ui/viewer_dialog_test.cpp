// "Save for Viewer...": the stage dialog picks the copy's name and kind; the month on screen
// keeps every personal detail; Cancel writes nothing.
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>

#include <string>
#include <vector>

#include "month_window.h"
#include "output/viewer_export.h"
#include "persist/schedule_file.h"
#include "ui/commands.h"
#include "ui/month_dialogs.h"

namespace lw::ui {
namespace {

using Call = lw::test::FakeInteraction::Call;

// Phones, notes and bids of every member, and the shared notes.
std::string PersonalData(const model::Document& doc) {
    std::string out = doc.DocTexts[model::kSharedNotesText] + "\n";
    for (int c = 0; c < doc.CrewCount; ++c) {
        const model::TPilot& p = doc.Crew[static_cast<size_t>(c)];
        out += p.Phone1 + "|" + p.Phone2 + "|" + p.QuickNotes + "|" + p.BidText + "\n";
    }
    return out;
}

std::vector<Call> Questions(const lw::test::FakeInteraction& ui) {
    std::vector<Call> out;
    for (const Call& c : ui.calls)
        if (c.kind == "Ask" || c.kind == "Message" || c.kind == "MailFile") out.push_back(c);
    return out;
}

struct ViewerDialogTest : test::MonthWindowTest {};

TEST_F(ViewerDialogTest, PreSkedStageWritesThePreskedCopyAndKeepsTheMonth) {
    Open(test::kCaptainsMonth, false);
    doc().Crew[0].Phone1 = "416-555-0100";
    doc().Crew[1].Phone2 = "905-555-0199";
    doc().Crew[2].QuickNotes = "Upgrade course in April";
    doc().Crew[3].BidText = "WEEKENDS OFF";
    doc().DocTexts[model::kSharedNotesText] = "Hangar move on the 20th";
    const std::string personal = PersonalData(doc());
    const std::filesystem::path copy = folder.Path() / "Viewer" / "Presked_capt-yyz-dh8-2027-03.lwv";
    ui.answers = {platform::Answer::Yes, platform::Answer::No};  // mail it; leave its folder closed

    RunWith<ExportToViewerDialog>(kCmdViewerExport, [&](ExportToViewerDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Linewright - Export for  LW Viewer");
        EXPECT_TRUE(d.StageButton(output::kViewerPreBuild)->isChecked());
        EXPECT_EQ(d.StageButton(output::kViewerPreSked)->text(), "Pre-Sked");
        EXPECT_EQ(d.StageButton(output::kViewerFinal)->text(), "Final");
        test::ClickBox(d.StageButton(output::kViewerPreSked));
        QTest::mouseClick(test::ButtonOf(d, "OK"), Qt::LeftButton);
        return d.result();
    });

    ASSERT_TRUE(std::filesystem::exists(copy));
    const std::vector<Call> questions = Questions(ui);
    ASSERT_GE(questions.size(), 3u);
    EXPECT_EQ(questions.back(), (Call{"Ask", "Linewright",
                                      "The files are saved in " + copy.parent_path().string() +
                                          ".\nDo you want to open that folder?"}));
    EXPECT_EQ(questions[questions.size() - 2], (Call{"MailFile", questions[questions.size() - 2].title, copy.string()}));
    EXPECT_EQ(questions[questions.size() - 3],
              (Call{"Ask", "Linewright",
                    "Viewer File Saved as " + copy.string() +
                        " without personal data.\nDo you want to e-mail the lwv file now."}));
    EXPECT_EQ(PersonalData(doc()), personal);

    model::Document saved(clock.Today().Number());
    lw::test::FakeInteraction quiet;
    ASSERT_TRUE(persist::LoadSchedule(saved, quiet, copy));
    EXPECT_EQ(saved.FileVariant, model::kScheduleViewer);
    EXPECT_EQ(PersonalData(saved), std::string("\n") + [&] {
        std::string blank;
        for (int c = 0; c < saved.CrewCount; ++c) blank += "|||\n";
        return blank;
    }());
}

TEST_F(ViewerDialogTest, CancelOrAnUnnamedMonthWritesNothing) {
    Open(test::kCaptainsMonth, false);
    RunWith<ExportToViewerDialog>(kCmdViewerExport, [&](ExportToViewerDialog& d) {
        test::ClickBox(d.StageButton(output::kViewerFinal));
        EXPECT_EQ(d.Stage(), output::kViewerFinal);
        QTest::mouseClick(test::ButtonOf(d, "Cancel"), Qt::LeftButton);
        return d.result();
    });
    EXPECT_EQ(dialogsRun, 1);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "Viewer"));
    EXPECT_EQ(Questions(ui), std::vector<Call>{});

    // A month that was never named is refused before the stage is asked.
    doc().CurrentFileName.clear();
    RunWith<ExportToViewerDialog>(kCmdViewerExport, [](ExportToViewerDialog& d) { return d.result(); });
    EXPECT_EQ(dialogsRun, 1);
    EXPECT_EQ(Questions(ui), (std::vector<Call>{{"Message", "File Error", "File Must be Named First, Select Save As"}}));
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "Viewer"));
}

}  // namespace
}  // namespace lw::ui
