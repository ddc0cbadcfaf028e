// The selected blocks clipboard text: each chosen member's calendar, tab-separated, byte for
// byte, with and without the request lines and the full pairing texts.
#include "output/selected_blocks_text.h"

#include <gtest/gtest.h>

#include "output/publish_month.h"
#include "platform/profile.h"
#include "recording_log.h"
#include "temp_folder.h"

namespace {

using lw::output::SelectedBlocksOptions;
using lw::output::SelectedBlocksText;
using lw::test::FakeInteraction;

const std::string kTabs7 = "\t\t\t\t\t\t\t";

// One week: its lines, each with CR LF, then an empty line.
std::string Week(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) out += line + "\r\n";
    return out + "\r\n";
}

std::string Heading(const std::string& nameLine) {
    return nameLine + "\r\n\r\n\t\t     APR   2026\r\n\r\nSUN\tMON\tTUE\tWED\tTHU\tFRI\tSAT\r\n\r\n";
}

const std::string kW1 = "\t\t\t01 \t02 \t03 \t04 \t";
const std::string kW2 = "05 \t06 \t07 \t08 \t09 \t10 \t11 \t";
const std::string kW3 = "12 \t13 \t14 \t15 \t16 \t17 \t18 \t";
const std::string kW4 = "19 \t20 \t21 \t22 \t23 \t24 \t25 \t";
const std::string kW5 = "26 \t27 \t28 \t29 \t30 \t";

class SelectedBlocks : public ::testing::Test {
protected:
    std::unique_ptr<lw::model::Document> doc = lw::test::PublishPilotMonth("ROSTER.lw2");
};

// April 2026 starts on a Wednesday: three empty cells open the first week.
TEST_F(SelectedBlocks, RequestsAndFullPairings) {
    lw::output::StoreBlockSelection(*doc, {0, 4});
    const std::string smith =
        Heading("Name: J SMITH  Emp: 000123456  Credit 25:30 ") +
        Week({kW1, "\t\t\t\t\tP1001\t\t", kTabs7}) + Week({kW2, "\t\t\t\t\tVAC \tVAC \t", "\tX1 \t\t\t\t\t\t"}) +
        Week({kW3, "VAC \t\t\t\t\t\t\t", "\t\tGDO \t\t\t\t\t"}) + Week({kW4, "\tRB  \t\t\t\t\tXYZ \t", "\tXM \t\t\t\t\t\t"}) +
        Week({kW5, "\t\t\t\tRA  \t", "\t\t\t\t\t"}) + "\r\n" +
        "V1001 REPORT 08:00\r\n YYZ-YUL\r\n YUL-YVR\r\n YVR-YYZ\r\n\r\n\r\n" + "\r\n";
    const std::string lee = Heading("Name: B LEE, JR  Emp: 000345678  Credit 00:00 ") +
                            Week({kW1, kTabs7, kTabs7}) + Week({kW2, kTabs7, kTabs7}) + Week({kW3, kTabs7, kTabs7}) +
                            Week({kW4, kTabs7, kTabs7}) + Week({kW5, "\t\t\t\t\t", "\t\t\t\t\t"}) + "\r\n" + "\r\n";
    EXPECT_EQ(SelectedBlocksText(*doc, {true, true}), "Selected Blocks for Apr 2026.\r\n\r\n" + smith + lee);
}

// Without the options only the calendar; pairing texts keep a CR LF already there and gain one
// for a bare LF.
TEST_F(SelectedBlocks, CalendarOnlyAndPairingTexts) {
    lw::output::StoreBlockSelection(*doc, {3, 2});
    doc->Pairings[2].PairText = "V1003\n\nEND";
    doc->Pairings[3].PairText = "V1005 REPORT 22:00\r\n";
    doc->Pairings[4].PairText = "V1004\n";
    doc->Pairings[5].PairText = "";
    const std::string captHead = "Selected Blocks for Apr 2026.\r\n\r\n" +
                                 Heading("Name: CAPT PAIRINGS  Emp: -00000001  Credit 05:00 ") + Week({kW1, kTabs7}) +
                                 Week({kW2, "\t\t\tP1003\t\t\t\t"}) + Week({kW3, kTabs7}) + Week({kW4, kTabs7}) +
                                 Week({kW5, "\t\t\t\t\t"}) + "\r\n";
    const std::string jonesHead = Heading("Name: A JONES  Emp: 000234567  Credit 45:00 ") + Week({kW1, kTabs7}) +
                                  Week({kW2, "\t\tP1005\t\t\t\t\t"}) + Week({kW3, kTabs7}) +
                                  Week({kW4, "\t\tP1004\t\t\t\t\t"}) + Week({kW5, "\t\t\tP1006\t\t"}) + "\r\n";
    EXPECT_EQ(SelectedBlocksText(*doc, {}), captHead + "\r\n" + jonesHead + "\r\n");
    EXPECT_EQ(SelectedBlocksText(*doc, {false, true}),
              captHead + "V1003\r\n\r\nEND\r\n\r\n" + "\r\n" + jonesHead + "V1005 REPORT 22:00\r\n\r\n\r\n" +
                  "V1004\r\n\r\n\r\n" + "\r\n\r\n" + "\r\n");
}

// A month ending on a Saturday closes its last full week, then writes the empty partial week.
TEST(SelectedBlocksWeeks, MonthEndingOnASaturday) {
    auto doc = lw::test::MakeMonth(lw::model::kFirstOfficers, 1, 4, 2026, 4);
    lw::test::AddCrew(*doc, "E FOUR", 7);
    doc->Crew[0].Selected = 1;
    EXPECT_EQ(SelectedBlocksText(*doc, {true, false}),
              "Selected Blocks for Apr 2026.\r\n\r\n" + Heading("Name: E FOUR  Emp: 000000007  Credit 00:00 ") +
                  Week({kW1, kTabs7, kTabs7}) + Week({"", "", ""}) + "\r\n" + "\r\n");
    doc->Crew[0].Selected = 0;
    EXPECT_EQ(SelectedBlocksText(*doc, {true, true}), "Selected Blocks for Apr 2026.\r\n\r\n");
}

TEST_F(SelectedBlocks, CopiedWithTheRunLog) {
    doc->Crew[2].Selected = 1;
    lw::output::StoreBlockSelection(*doc, {3, 0, 99, -1});
    lw::test::RecordingLog log;
    doc->RunLog = &log;
    FakeInteraction ui;
    lw::output::CopySelectedBlocks(*doc, ui, {true, false});
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Copying Blocks To Clipboard\n", "Adding Employee J SMITH to Clipboard\n",
                                                   "Adding Employee A JONES to Clipboard\n"}));
    std::vector<int> marks;
    for (int c = 0; c < doc->CrewCount; ++c) marks.push_back(doc->Crew[static_cast<size_t>(c)].Selected);
    EXPECT_EQ(marks, (std::vector<int>{1, 0, 0, 1, 0}));
    EXPECT_EQ(ui.calls, (std::vector<FakeInteraction::Call>{
                            {"SetClipboard", "", SelectedBlocksText(*doc, {true, false})}}));
}

TEST(SelectedBlocksOptions, KeptInTheClipboardSection) {
    lw::test::TempFolder dir;
    lw::platform::Profile profile(dir / "lwright.ini");
    EXPECT_EQ(lw::output::ReadClipboardOptions(profile), (SelectedBlocksOptions{false, false}));
    EXPECT_TRUE(lw::output::WriteClipboardOptions(profile, {true, false}));
    EXPECT_EQ(lw::test::ReadBytes(dir / "lwright.ini"), "[CLIPBOARD]\nClipXes=1\nClipPairs=0\n");
    EXPECT_EQ(lw::output::ReadClipboardOptions(profile), (SelectedBlocksOptions{true, false}));
    EXPECT_TRUE(lw::output::WriteClipboardOptions(profile, {false, true}));
    EXPECT_EQ(lw::output::ReadClipboardOptions(profile), (SelectedBlocksOptions{false, true}));
}

TEST(SelectedBlocksOptions, RequestCodes) {
    using lw::output::RequestCodeText;
    const std::vector<std::string> codes = {RequestCodeText(0),  RequestCodeText(1),  RequestCodeText(9),
                                            RequestCodeText(10), RequestCodeText(12), RequestCodeText(13),
                                            RequestCodeText(14), RequestCodeText(21), RequestCodeText(-3)};
    EXPECT_EQ(codes, (std::vector<std::string>{"", "X1", "X9", "XA", "XM", "GDO", "PDO", "21", ""}));
}

}  // namespace
