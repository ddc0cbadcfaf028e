// The crew lines clipboard text: every member's five lines under the month's ruler, byte for
// byte, for a captains' month and a cabin month.
#include "output/crew_lines_text.h"

#include <gtest/gtest.h>

#include "output/publish_month.h"

namespace {

using lw::output::CrewLinesText;
using lw::test::FakeInteraction;

std::string F(int days) { return std::string(static_cast<size_t>(4 * days), ' '); }
std::string Times(int count, const std::string& column) {
    std::string out;
    for (int i = 0; i < count; ++i) out += column;
    return out;
}

const std::string kAprilDays =
    "01  02  03  04  05  06  07  08  09  10  11  12  13  14  15  16  17  18  19  20  21  22  23  24  25  26  27  "
    "28  29  30  ";
const std::string kAprilWeekdays =
    "WE  TH  FR  SA  SU  MO  TU  WE  TH  FR  SA  SU  MO  TU  WE  TH  FR  SA  SU  MO  TU  WE  TH  FR  SA  SU  MO  "
    "TU  WE  TH  ";

std::string Member(const std::string& nameField, const std::string& days, const std::string& weekdays,
                   const std::vector<std::string>& lines) {
    std::string out = nameField + " " + days + "\r\n" + std::string(12, ' ') + weekdays + "\r\n";
    for (const std::string& line : lines) out += line + "\r\n";
    return out + "\r\n";
}

TEST(CrewLines, CaptainsMonthWholeText) {
    auto doc = lw::test::PublishPilotMonth("/home/planner/months/ROSTER.lw2");
    const std::string vac1 = Times(3, " V|1"), vac2 = Times(3, " A|2"), vac3 = Times(3, " C|:"), vac4 = Times(3, "  |0");
    const std::string smith = Member(
        "J SMITH     ", kAprilDays, kAprilWeekdays,
        {"IN  25:30  " + F(2) + " V|0" + " Y  " + " Y  " + F(4) + vac1 + F(7) + " R|1" + F(4) + " X|1" + F(4) + " R|2",
         "OUT 25:30  " + F(2) + " 1|8" + " U  " + " V  " + F(4) + vac2 + F(7) + " B|2" + F(4) + " Y|0" + F(4) + " A|0",
         "OFF 21     " + F(2) + " 0|:" + " L  " + " R  " + F(4) + vac3 + F(7) + "  |:" + F(4) + " Z|:" + F(4) + "  |:",
         "C/I 00:00  " + F(2) + " 0|0" + F(2) + F(4) + vac4 + F(7) + "  |0" + F(4) + "  |0" + F(4) + "  |0",
         "DC  02:00  " + F(2) + " 1|0" + F(2) + F(4) + vac4 + F(7) + "  |0" + F(4) + "  |0" + F(4) + "  |0"});
    const std::string open =
        Member("OPEN TIME   ", kAprilDays, kAprilWeekdays,
               {"IN  05:00  " + F(4) + " V|0" + F(25), "OUT  5:00  " + F(4) + " 1|8" + F(25),
                "OFF 29     " + F(4) + " 0|:" + F(25), "C/I 00:00  " + F(4) + " 0|0" + F(25),
                "DC  00:00  " + F(4) + " 2|0" + F(25)});
    const std::string captains =
        Member("CAPT PAIRIN ", kAprilDays, kAprilWeekdays,
               {"IN  05:00  " + F(7) + " V|0" + F(22), "OUT  5:00  " + F(7) + " 1|8" + F(22),
                "OFF 29     " + F(7) + " 0|:" + F(22), "C/I 00:00  " + F(7) + " 0|0" + F(22),
                "DC  00:00  " + F(7) + " 3|0" + F(22)});
    // Two days of last month's work; the night trip's morning as an arrow; the four-day trip's
    // two stations and a blank fourth day; the trip past the month end keeps only April.
    const std::string jones = Member(
        "A JONES     ", kAprilDays, kAprilWeekdays,
        {"IN  45:00  " + Times(2, " C  ") + F(4) + " V|2 -> " + F(12) + " V|0 Y   Y  " + F(5) + " W|0 Y  ",
         "OUT 45:00  " + Times(2, " /  ") + F(4) + " 1|2 -> " + F(12) + " 1|8 H   Q  " + F(5) + " 1|8 Y  ",
         "OFF 20     " + Times(2, " I  ") + F(4) + " 0|: -> " + F(12) + " 0|: Z   B  " + F(5) + " 0|: C  ",
         "C/I 05:00  " + Times(2, "->  ") + F(4) + " 0|0 -> " + F(12) + " 0|0" + F(2) + F(5) + " 0|0" + F(1),
         "DC  00:00  " + Times(2, "->  ") + F(4) + " 5|0 -> " + F(12) + " 4|0" + F(2) + F(5) + " 6|0" + F(1)});
    const std::string lee = Member("B LEE, JR   ", kAprilDays, kAprilWeekdays,
                                   {"IN  00:00  " + F(30), "OUT  0:00  " + F(30), "OFF 30     " + F(30),
                                    "C/I 00:00  " + F(30), "DC  00:00  " + F(30)});
    EXPECT_EQ(CrewLinesText(*doc), "Crew Lines for Apr 2026  ROSTER\n\r\n" + smith + open + captains + jones + lee);
    EXPECT_EQ(lw::output::DaysOffInMonth(*doc, doc->Crew[3]), 20);
}

// A purser's trip carries a star; cabin crew's carried-in work is reckoned an hour shorter; an
// activity without a start time shows its code down the first three lines.
TEST(CrewLines, CabinMonth) {
    auto doc = lw::test::MakeMonth(lw::model::kFlightAttendants, 1, 7, 2026, 5);
    doc->CurrentFileName = "JULY.FA.lw2";
    const int purser = lw::test::AddPairing(*doc, {.number = 2001, .report = 420, .length = 2}, {1});
    doc->Pairings[static_cast<size_t>(purser)].PairType = "PU";
    lw::test::SetLayovers(*doc, purser, "YVR");
    const int cabin = lw::test::AddPairing(*doc, {.number = 2002, .report = 1000, .release = 1400}, {3});
    doc->Pairings[static_cast<size_t>(cabin)].PairType = "FA";

    const int a = lw::test::AddCrew(*doc, "C PURSER-LONGNAME", 500001);
    doc->Crew[static_cast<size_t>(a)].LegalCheckIn = 1440 + 700;
    lw::test::Hold(*doc, a, purser, 1);
    lw::test::PutDayActivity(*doc, a, 4, lw::test::ActivityPlan{"GO", "GO"});
    const int b = lw::test::AddCrew(*doc, "D CREW", 500002);
    lw::test::PutDayActivity(*doc, b, 0, lw::test::ActivityPlan{"TRN", "TN", 540, 480, 240});
    lw::test::Hold(*doc, b, cabin, 3);
    doc->Crew[static_cast<size_t>(b)].DraftCredits = 150;
    for (int c = 0; c < doc->CrewCount; ++c) lw::rules::ComputeCredit(*doc, c, false);

    const std::string days = "01  02  03  04  05  ", weekdays = "WE  TH  FR  SA  SU  ";
    EXPECT_EQ(CrewLinesText(*doc),
              "Crew Lines for Jul 2026  JULY.FA\n\r\n" +
                  Member("C PURSER-LO ", days, weekdays,
                         {"IN  10:00  " + std::string(" C  *V|0 Y  ") + F(1) + " G  ",
                          "OUT 10:00  " + std::string(" /   2|7 V  ") + F(1) + " O  ",
                          "OFF 01     " + std::string(" I   0|: R  ") + F(2),
                          "C/I 00:00  " + std::string("->   0|0") + F(3), "DC  00:00  " + std::string("->   1|0") + F(3)}) +
                  Member("D CREW      ", days, weekdays,
                         {"IN  11:30  " + std::string(" T|0") + F(2) + " V|1" + F(1),
                          "OUT 11:30  " + std::string(" R|9") + F(2) + " 2|6" + F(1),
                          "OFF 03     " + std::string(" N|:") + F(2) + " 0|:" + F(1),
                          "C/I 00:00  " + std::string("  |0") + F(2) + " 0|4" + F(1),
                          "DC  02:30  " + std::string("  |0") + F(2) + " 2|0" + F(1)}));
}

TEST(CrewLines, HeaderAgainBeforeEverySixthMemberAfterTheFirstSix) {
    auto doc = lw::test::MakeMonth(lw::model::kCaptains, 1, 4, 2026, 1);
    doc->CurrentFileName = "one.lw2";
    std::string members[14];
    for (int c = 1; c <= 13; ++c) {
        const std::string name = "M" + std::string(c < 10 ? "0" : "") + std::to_string(c);
        lw::test::AddCrew(*doc, name, 1000 + c);
        members[c] = Member(name + "         ", "01  ", "WE  ",
                            {"IN  00:00      ", "OUT  0:00      ", "OFF 01         ", "C/I 00:00      ",
                             "DC  00:00      "});
    }
    const std::string header = "Crew Lines for Apr 2026  one\n\r\n";
    std::string expected = header;
    for (int c = 1; c <= 13; ++c) expected += (c == 7 || c == 13 ? header : "") + members[c];
    EXPECT_EQ(CrewLinesText(*doc), expected);
}

TEST(CrewLines, CopiedToTheClipboardWithItsMessage) {
    auto doc = lw::test::PublishPilotMonth("ROSTER.lw2");
    FakeInteraction ui;
    lw::output::CopyCrewLines(*doc, ui);
    EXPECT_EQ(ui.calls,
              (std::vector<FakeInteraction::Call>{
                  {"SetClipboard", "", CrewLinesText(*doc)},
                  {"Message", "Linewright",
                   "Blocks copied to Windows Clipboard. To view select Edit, Paste from your Word Processing program."}}));
}

}  // namespace
