// "Copy Blocks to Clipboard": the crew chosen in "Select Blocks to Copy to the Windows
// Clipboard" and its two check boxes decide the text, the selection marks and the profile.
#include <QCheckBox>
#include <QPushButton>

#include <string>
#include <vector>

#include "month_window.h"
#include "output/selected_blocks_text.h"
#include "persist/schedule_file.h"
#include "ui/commands.h"
#include "ui/month_dialogs.h"

namespace lw::ui {
namespace {

std::vector<int> SelectedRows(const model::Document& doc) {
    std::vector<int> out;
    for (int c = 0; c < doc.CrewCount; ++c)
        if (doc.Crew[static_cast<size_t>(c)].Selected) out.push_back(c);
    return out;
}

struct CopyBlocksDialogTest : test::MonthWindowTest {};

TEST_F(CopyBlocksDialogTest, TheChosenCrewAndBoxesGiveTheTextAndAreKept) {
    Open(test::kCaptainsMonth, true);
    ASSERT_TRUE(output::WriteClipboardOptions(profile, {true, false}));
    QStringList names;
    for (int c = 0; c < doc().CrewCount; ++c) names << QString::fromStdString(doc().Crew[static_cast<size_t>(c)].Name);

    RunWith<CopyBlocksDialog>(kCmdCopyBlocks, [&](CopyBlocksDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Select Blocks to Copy to the Windows Clipboard");
        EXPECT_EQ(test::ListTexts(d.List()), names);
        EXPECT_EQ(d.XesBox()->text(), "Include X's");
        EXPECT_TRUE(d.XesBox()->isChecked());
        EXPECT_EQ(d.PairingsBox()->text(), "Include Full Pairings");
        EXPECT_FALSE(d.PairingsBox()->isChecked());
        test::ClickLine(d.List(), 2);
        test::ClickLine(d.List(), 0);
        test::ClickLine(d.List(), 5);
        test::ClickLine(d.List(), 5);  // and changes the planner's mind
        test::ClickBox(d.PairingsBox());
        QTest::mouseClick(test::ButtonOf(d, "OK"), Qt::LeftButton);
        return d.result();
    });

    EXPECT_EQ(SelectedRows(doc()), (std::vector<int>{0, 2}));
    EXPECT_EQ(output::ReadClipboardOptions(profile), (output::SelectedBlocksOptions{true, true}));
    // The same month read afresh with the same two members marked gives the same text.
    model::Document twin(clock.Today().Number());
    lw::test::FakeInteraction quiet;
    ASSERT_TRUE(persist::LoadSchedule(twin, quiet, month));
    output::StoreBlockSelection(twin, {0, 2});
    const std::string expected = output::SelectedBlocksText(twin, {true, true});
    EXPECT_NE(expected.find("Name: " + doc().Crew[2].Name), std::string::npos);
    EXPECT_EQ(ui.calls, (std::vector<lw::test::FakeInteraction::Call>{{"SetClipboard", "", expected}}));

    // Reopened: the marks and the boxes are where the planner left them; Cancel changes nothing.
    ui.calls.clear();
    RunWith<CopyBlocksDialog>(kCmdCopyBlocks, [&](CopyBlocksDialog& d) {
        EXPECT_EQ(d.SelectedRows(), (std::vector<int>{0, 2}));
        EXPECT_TRUE(d.PairingsBox()->isChecked());
        test::ClickLine(d.List(), 1);
        test::ClickBox(d.XesBox());
        QTest::mouseClick(test::ButtonOf(d, "Cancel"), Qt::LeftButton);
        return d.result();
    });
    EXPECT_EQ(SelectedRows(doc()), (std::vector<int>{0, 2}));
    EXPECT_EQ(output::ReadClipboardOptions(profile), (output::SelectedBlocksOptions{true, true}));
    EXPECT_TRUE(ui.calls.empty());
}

TEST_F(CopyBlocksDialogTest, SettingsThatCannotBeKeptAreToldButTheTextIsStillCopied) {
    Open(test::kCaptainsMonth, false);
    // A folder where the settings file should be: nothing can be written there.
    std::filesystem::remove(profile.File());  // opening the month wrote the recent-files list
    std::filesystem::create_directory(profile.File());
    RunWith<CopyBlocksDialog>(kCmdCopyBlocks, [&](CopyBlocksDialog& d) {
        test::ClickLine(d.List(), 1);
        QTest::mouseClick(test::ButtonOf(d, "OK"), Qt::LeftButton);
        return d.result();
    });
    EXPECT_EQ(ui.Messages(), (std::vector<lw::test::FakeInteraction::Call>{
                                 {"Message", "Linewright",
                                  "The clipboard settings could not be written to " + profile.File().string()}}));
    EXPECT_EQ(SelectedRows(doc()), std::vector<int>{1});
    EXPECT_NE(ui.clipboard.find("Name: " + doc().Crew[1].Name), std::string::npos);
}

}  // namespace
}  // namespace lw::ui
