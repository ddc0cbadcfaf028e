// Crew complement: marked pairing days become copies (captains, flight attendants) or
// "CAPT PAIRINGS" assignments (first officers), the dialog rebuilds them from what it finds,
// and the marks come back after the file is read again.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "fake_interaction.h"
#include "persist/schedule_file.h"
#include "platform/profile.h"
#include "recording_log.h"
#include "rules/complement.h"
#include "rules/engine_month.h"
#include "temp_folder.h"

namespace {

using lw::model::MonthArray;
using lw::rules::ComplementDialog;
using lw::test::FakeInteraction;
using Lines = std::vector<std::string>;

MonthArray Statuses(std::vector<std::pair<int, int32_t>> days) {
    MonthArray a{};
    for (const auto& [d, s] : days) a[static_cast<size_t>(d)] = s;
    return a;
}

Lines Texts(const ComplementDialog& dialog) {
    Lines out;
    for (const auto& line : dialog.lines) out.push_back(line.text);
    return out;
}

const lw::model::TPair& Pair(const lw::model::Document& doc, int i) { return doc.Pairings[static_cast<size_t>(i)]; }
const lw::model::TPilot& Crew(const lw::model::Document& doc, int i) { return doc.Crew[static_cast<size_t>(i)]; }

// ADAMS and BAKER; pairing 0 is 1001 on days 4 and 13 of April, pairing 1 is 1002 on the 5th.
std::unique_ptr<lw::model::Document> PilotMonth(lw::model::CrewGroupKind group) {
    auto doc = lw::test::MakeMonth(group);
    lw::test::AddCrew(*doc, "ADAMS, ANN");
    lw::test::AddCrew(*doc, "BAKER, BEN");
    lw::test::AddPairing(*doc, {.number = 1001}, {3, 12});
    lw::test::AddPairing(*doc, {.number = 1002}, {4});
    lw::test::Settle(*doc);
    return doc;
}

const std::string kLine1001Sat = " V1001   Sat 04 Apr 2026               00003";
const std::string kLine1001Mon = " V1001   Mon 13 Apr 2026               00012";
const std::string kLine1002Sun = " V1002   Sun 05 Apr 2026               00104";

// Encodes and decodes the month as a save and an open would, then restores the marks.
std::unique_ptr<lw::model::Document> Reopened(lw::model::Document& doc, lw::test::RecordingLog& log) {
    const std::string bytes = lw::persist::EncodeSchedule(doc, lw::model::kWorkingFile);
    auto back = std::make_unique<lw::model::Document>(doc.Today());
    EXPECT_EQ(lw::persist::DecodeSchedule(bytes, *back).status, lw::persist::LoadStatus::Ok);
    back->RunLog = &log;
    lw::rules::FlagTwoCaptPairs(*back);
    return back;
}

TEST(CaptainsComplement, MarkedDaysBecomeCopiesAndReopeningFreesTheirHoldersUntilDone) {
    auto doc = PilotMonth(lw::model::kCaptains);
    FakeInteraction ui;
    lw::rules::Board board;
    const std::string plain = Pair(*doc, 0).PairText;
    const ComplementDialog dialog = lw::rules::OpenCrewComplement(*doc);
    EXPECT_EQ(Texts(dialog), (Lines{kLine1001Sat, kLine1001Mon, kLine1002Sun}));
    EXPECT_EQ(dialog.selected, (std::vector<bool>{false, false, false}));
    lw::rules::CloseCrewComplement(*doc, board, ui, dialog, {true, true, false});
    ASSERT_EQ(doc->LastPairIndex, 3);
    EXPECT_EQ(Pair(*doc, 0).DayStatus, Statuses({{3, -1}, {12, -1}}));
    EXPECT_EQ(Pair(*doc, 2).DayStatus, Statuses({{3, -1}}));
    EXPECT_EQ(Pair(*doc, 3).DayStatus, Statuses({{12, -1}}));
    EXPECT_EQ(Pair(*doc, 1).DayStatus, Statuses({{4, 1}}));
    for (int i : {0, 2, 3}) EXPECT_EQ(Pair(*doc, i).PairText, plain + " TWO CAPTS ON 4 13") << "pairing " << i;
    EXPECT_EQ(Pair(*doc, 3).SourceLine, Pair(*doc, 0).SourceLine);

    ASSERT_EQ(lw::rules::AssignPair(*doc, board, ui, 1, 2, 3, false), lw::rules::kAssignDone);
    const ComplementDialog reopened = lw::rules::OpenCrewComplement(*doc);
    EXPECT_EQ(Texts(reopened), (Lines{kLine1001Sat + "001", kLine1001Mon, kLine1002Sun}));
    EXPECT_EQ(reopened.selected, (std::vector<bool>{true, true, false}));
    // While the dialog is open the copies are gone, the holder's day is free and the base
    // pairing is plain again; the transaction on the dropped copy cannot be undone any more.
    EXPECT_EQ(doc->LastPairIndex, 1);
    EXPECT_EQ(Crew(*doc, 1).DayAssignment[3], -1);
    EXPECT_EQ(Pair(*doc, 0).DayStatus, Statuses({{3, 1}, {12, 1}}));
    EXPECT_EQ(Pair(*doc, 0).PairText, plain);
    EXPECT_TRUE(doc->History.Empty());

    lw::rules::CloseCrewComplement(*doc, board, ui, reopened, reopened.selected);
    ASSERT_EQ(doc->LastPairIndex, 3);
    EXPECT_EQ(Crew(*doc, 1).DayAssignment[3], 2);
    EXPECT_EQ(Pair(*doc, 2).DayStatus, Statuses({{3, -2}}));
    EXPECT_EQ(Pair(*doc, 0).DayStatus, Statuses({{3, -1}, {12, -1}}));
    EXPECT_EQ(Pair(*doc, 0).PairText, plain + " TWO CAPTS ON 4 13");
    EXPECT_TRUE(ui.calls.empty());
}

TEST(CaptainsComplement, MarksComeBackAfterTheFileIsReadAgain) {
    auto doc = PilotMonth(lw::model::kCaptains);
    FakeInteraction ui;
    lw::rules::Board board;
    lw::rules::CloseCrewComplement(*doc, board, ui, lw::rules::OpenCrewComplement(*doc), {true, false, true});
    ASSERT_EQ(lw::rules::AssignPair(*doc, board, ui, 0, 3, 4, false), lw::rules::kAssignDone);
    lw::test::RecordingLog log;
    auto back = Reopened(*doc, log);
    // A second run (the viewer export after an open) leaves the marks as they are.
    lw::rules::FlagTwoCaptPairs(*back);
    EXPECT_EQ(log.Text(), "FlagTwoCaptPairsBegin\nFlagTwoCaptPairsEnd\nFlagTwoCaptPairsBegin\nFlagTwoCaptPairsEnd\n");
    ASSERT_EQ(back->LastPairIndex, 3);
    for (int i = 0; i <= 3; ++i) EXPECT_EQ(Pair(*back, i).DayStatus, Pair(*doc, i).DayStatus) << "pairing " << i;
    EXPECT_EQ(lw::rules::OpenCrewComplement(*back).selected, (std::vector<bool>{true, false, true}));
}

TEST(CaptainsComplement, TwoPairingsSharingANumberKeepOneCopyEachThroughReopening) {
    auto doc = PilotMonth(lw::model::kCaptains);
    lw::test::AddPairing(*doc, {.number = 1002, .report = 600, .release = 1200}, {4});
    FakeInteraction ui;
    lw::rules::Board board;
    const ComplementDialog dialog = lw::rules::OpenCrewComplement(*doc);
    ASSERT_EQ(Texts(dialog), (Lines{kLine1001Sat, kLine1001Mon, kLine1002Sun,
                                    " V1002   Sun 05 Apr 2026               00204"}));
    lw::rules::CloseCrewComplement(*doc, board, ui, dialog, {false, false, false, true});
    for (int round = 0; round < 2; ++round) {
        const ComplementDialog again = lw::rules::OpenCrewComplement(*doc);
        EXPECT_EQ(again.selected, (std::vector<bool>{false, false, false, true}));
        lw::rules::CloseCrewComplement(*doc, board, ui, again, again.selected);
        ASSERT_EQ(doc->LastPairIndex, 3);
        EXPECT_EQ(Pair(*doc, 3).SourceLine, Pair(*doc, 2).SourceLine);
    }
    // The marks go to the first pairing of that number.
    EXPECT_EQ(Pair(*doc, 1).DayStatus, Statuses({{4, -1}}));
    EXPECT_EQ(Pair(*doc, 2).DayStatus, Statuses({{4, 1}}));
}

TEST(CaptainsComplement, AFullPairingTableStopsTheCopiesWithAMessage) {
    auto doc = PilotMonth(lw::model::kCaptains);
    // Loaded pairings fill the table up to the spare slot; only pairings 0 and 1 operate.
    doc->LastLoadedPairIndex = doc->LastPairIndex = lw::model::kPairSlots - 2;
    FakeInteraction ui;
    lw::rules::Board board;
    const ComplementDialog dialog = lw::rules::OpenCrewComplement(*doc);
    ASSERT_EQ(Texts(dialog), (Lines{kLine1001Sat, kLine1001Mon, kLine1002Sun}));
    lw::rules::CloseCrewComplement(*doc, board, ui, dialog, {true, true, true});
    EXPECT_EQ(ui.calls, (std::vector<FakeInteraction::Call>{
                            {"Message", "Linewright", "Maximum Number of Pairings Reached. Not all Crew Complement Copies Made"}}));
    ASSERT_EQ(doc->LastPairIndex, lw::model::kPairSlots - 1);
    EXPECT_EQ(Pair(*doc, lw::model::kPairSlots - 1).DayStatus, Statuses({{3, -1}}));
    EXPECT_EQ(Pair(*doc, 0).DayStatus, Statuses({{3, -1}, {12, 1}}));
    EXPECT_EQ(Pair(*doc, 1).DayStatus, Statuses({{4, 1}}));
}

TEST(FirstOfficersComplement, AMarkedDayGoesToACaptPairingsLineAndComesBackWhenUnmarked) {
    auto doc = PilotMonth(lw::model::kFirstOfficers);
    FakeInteraction ui;
    lw::rules::Board board;
    lw::test::Hold(*doc, 1, 0, 3);
    doc->Crew[1].DayLocked[3] = 1;
    const std::string plain = Pair(*doc, 0).PairText;
    const ComplementDialog dialog = lw::rules::OpenCrewComplement(*doc);
    EXPECT_EQ(Texts(dialog), (Lines{kLine1001Sat, kLine1001Mon, kLine1002Sun}));
    EXPECT_EQ(dialog.selected, (std::vector<bool>{false, false, false}));

    lw::rules::CloseCrewComplement(*doc, board, ui, dialog, {true, false, false});
    ASSERT_EQ(doc->CrewCount, 3);
    EXPECT_EQ(Crew(*doc, 2).Name, "CAPT PAIRINGS");
    EXPECT_EQ(Crew(*doc, 2).EmployeeNumber, -1);
    EXPECT_EQ(Crew(*doc, 2).DayAssignment[3], 0);
    EXPECT_EQ(Crew(*doc, 1).DayAssignment[3], -1);
    EXPECT_EQ(Crew(*doc, 1).DayLocked[3], 0);
    EXPECT_EQ(Pair(*doc, 0).DayStatus, Statuses({{3, -2}, {12, 1}}));
    EXPECT_EQ(Pair(*doc, 0).PairText, plain + " TWO CAPTS ON 4");
    EXPECT_EQ(lw::rules::OpenTimeTotal(*doc), 2 * 300);  // the 13th and 1002 are all that is open

    const ComplementDialog reopened = lw::rules::OpenCrewComplement(*doc);
    EXPECT_EQ(reopened.selected, (std::vector<bool>{true, false, false}));
    EXPECT_EQ(doc->CrewCount, 2);
    EXPECT_EQ(Pair(*doc, 0).DayStatus, Statuses({{3, 1}, {12, 1}}));
    lw::rules::CloseCrewComplement(*doc, board, ui, reopened, {false, false, false});
    EXPECT_EQ(doc->CrewCount, 2);
    EXPECT_EQ(Pair(*doc, 0).PairText, plain);
    EXPECT_TRUE(ui.calls.empty());
}

TEST(FirstOfficersComplement, ADayNoLineCanTakeGetsAnotherLineAndTheMarksSurviveAReload) {
    auto doc = PilotMonth(lw::model::kFirstOfficers);
    lw::test::AddPairing(*doc, {.number = 1003, .report = 600, .release = 1200}, {3});
    FakeInteraction ui;
    lw::rules::Board board;
    const ComplementDialog dialog = lw::rules::OpenCrewComplement(*doc);
    ASSERT_EQ(dialog.lines.size(), 4u);
    EXPECT_EQ(dialog.lines[3].text, " V1003   Sat 04 Apr 2026               00203");
    lw::rules::CloseCrewComplement(*doc, board, ui, dialog, {true, true, false, true});
    // The first line holds the 4th and the 13th; 1003 on the 4th needs a second line.
    ASSERT_EQ(doc->CrewCount, 4);
    EXPECT_EQ(Crew(*doc, 2).DayAssignment[3], 0);
    EXPECT_EQ(Crew(*doc, 2).DayAssignment[12], 0);
    EXPECT_EQ(Crew(*doc, 3).DayAssignment[3], 2);
    EXPECT_EQ(Crew(*doc, 3).Name, "CAPT PAIRINGS");

    lw::test::RecordingLog log;
    auto back = Reopened(*doc, log);
    EXPECT_EQ(Pair(*back, 0).DayStatus, Statuses({{3, -2}, {12, -2}}));
    EXPECT_EQ(Pair(*back, 2).DayStatus, Statuses({{3, -2}}));
    EXPECT_EQ(Pair(*back, 1).DayStatus, Statuses({{4, 1}}));
    const ComplementDialog again = lw::rules::OpenCrewComplement(*back);
    EXPECT_EQ(again.selected, (std::vector<bool>{true, true, false, true}));
    EXPECT_EQ(back->CrewCount, 2);
}

TEST(FirstOfficersComplement, AFullCrewTableLeavesTheDayWithItsHolder) {
    auto doc = PilotMonth(lw::model::kFirstOfficers);
    lw::test::Hold(*doc, 1, 0, 3);
    while (doc->CrewCount < lw::model::kCrewRows - 1) lw::test::AddCrew(*doc, "FILLER", 0);
    FakeInteraction ui;
    lw::rules::Board board;
    const std::string textBefore = Pair(*doc, 0).PairText;
    lw::rules::CloseCrewComplement(*doc, board, ui, lw::rules::OpenCrewComplement(*doc), {true, true, false});
    EXPECT_EQ(ui.calls, (std::vector<FakeInteraction::Call>{
                            {"Message", "Linewright", "The Crew Table is Full. No Room for another CAPT PAIRINGS Line"}}));
    EXPECT_EQ(doc->CrewCount, lw::model::kCrewRows - 1);
    EXPECT_EQ(Crew(*doc, 1).DayAssignment[3], 0);
    EXPECT_EQ(Pair(*doc, 0).DayStatus, Statuses({{3, 2}, {12, 1}}));
    EXPECT_EQ(Pair(*doc, 0).PairText, textBefore);
}

TEST(CabinComplement, OnlyPurserPairingsAreListedAndEveryCabinPositionIsMarked) {
    auto doc = lw::test::MakeMonth(lw::model::kFlightAttendants);
    lw::test::AddCrew(*doc, "CARON, CLAIRE");
    const int purser = lw::test::AddPairing(*doc, {.number = 2001}, {3, 5});
    const int attendant = lw::test::AddPairing(*doc, {.number = 2001}, {3, 5});
    const int other = lw::test::AddPairing(*doc, {.number = 2002}, {3});
    doc->Pairings[static_cast<size_t>(purser)].PairType = "PU";
    doc->Pairings[static_cast<size_t>(attendant)].PairType = "FA";
    doc->Pairings[static_cast<size_t>(other)].PairType = "FA";
    lw::test::Settle(*doc);
    FakeInteraction ui;
    lw::rules::Board board;
    const std::string plain = Pair(*doc, purser).PairText;
    ASSERT_EQ(Pair(*doc, attendant).PairText, plain);

    const ComplementDialog dialog = lw::rules::OpenCrewComplement(*doc);
    EXPECT_EQ(dialog.caption, "Change FA Crew Required for Pairings");
    EXPECT_EQ(dialog.note, "Select All PU Pairings that have an additional Flight Attendant");
    EXPECT_EQ(Texts(dialog), (Lines{" V2001   Sat 04 Apr 2026               00003",
                                    " V2001   Mon 06 Apr 2026               00005"}));
    lw::rules::CloseCrewComplement(*doc, board, ui, dialog, {false, true});
    ASSERT_EQ(doc->LastPairIndex, 3);
    EXPECT_EQ(Pair(*doc, 3).PairType, "FA");
    EXPECT_EQ(Pair(*doc, 3).DayStatus, Statuses({{5, -1}}));
    EXPECT_EQ(Pair(*doc, purser).DayStatus, Statuses({{3, 1}, {5, -1}}));
    EXPECT_EQ(Pair(*doc, attendant).DayStatus, Statuses({{3, 1}, {5, -1}}));
    EXPECT_EQ(Pair(*doc, other).DayStatus, Statuses({{3, 1}}));
    for (int i : {purser, attendant, 3}) EXPECT_EQ(Pair(*doc, i).PairText, plain + " EXTRA FA ON 6") << "pairing " << i;

    // Reopened with the copy held: the holder is noted and given back on Done.
    lw::test::Hold(*doc, 0, 3, 5);
    const ComplementDialog reopened = lw::rules::OpenCrewComplement(*doc);
    EXPECT_EQ(Texts(reopened), (Lines{" V2001   Sat 04 Apr 2026               00003",
                                      " V2001   Mon 06 Apr 2026               00005000"}));
    EXPECT_EQ(reopened.selected, (std::vector<bool>{false, true}));
    EXPECT_EQ(doc->LastPairIndex, 2);
    EXPECT_EQ(Pair(*doc, attendant).PairText, plain);
    lw::rules::CloseCrewComplement(*doc, board, ui, reopened, reopened.selected);
    EXPECT_EQ(Crew(*doc, 0).DayAssignment[5], 3);
    EXPECT_EQ(Pair(*doc, 3).DayStatus, Statuses({{5, -2}}));
}

TEST(ChangeCrewComplement, TakesTheBlocksDownLetsThePlannerChooseAndBuildsThemAgain) {
    auto doc = PilotMonth(lw::model::kCaptains);
    doc->BlocksBuilt = 1;
    lw::test::TempFolder dir;
    const lw::platform::Profile profile(dir / "lwright.ini");
    FakeInteraction ui;
    lw::rules::Board board;
    board.Selected = {1, 4, 0};
    Lines shown;
    std::vector<bool> preselected;
    const auto outcome = lw::rules::ChangeCrewComplement(*doc, board, ui, profile, [&](const ComplementDialog& d) {
        shown = Texts(d);
        shown.insert(shown.begin(), {d.caption, d.note});
        preselected = d.selected;
        EXPECT_EQ(doc->BlocksBuilt, 0);
        return std::vector<bool>{false, true, false};
    });
    EXPECT_EQ(shown, (Lines{"Change Crew Required for Pairings", "Select All Pairings that have 2 Captains",
                            kLine1001Sat, kLine1001Mon, kLine1002Sun}));
    EXPECT_EQ(preselected, (std::vector<bool>{false, false, false}));
    EXPECT_TRUE(outcome.built);
    EXPECT_TRUE(outcome.showPairings);
    EXPECT_TRUE(outcome.showBids);
    EXPECT_FALSE(outcome.showToolbox);
    EXPECT_EQ(doc->BlocksBuilt, 1);
    EXPECT_EQ(board.Selected, lw::rules::PairingPick{});
    EXPECT_EQ(doc->LastPairIndex, 2);
    EXPECT_EQ(Pair(*doc, 2).DayStatus, Statuses({{12, -1}}));
}

}  // namespace
