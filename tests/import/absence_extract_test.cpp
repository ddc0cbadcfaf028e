#include "import/absence_extract.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "fake_interaction.h"
#include "import/extract_support.h"
#include "model/document.h"
#include "recording_log.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;
using lw::model::Document;
using lw::model::TPilot;
using lw::platform::Answer;
using lw::platform::Icon;
using lw::test::FakeInteraction;
using Call = FakeInteraction::Call;
using Kind = FakeInteraction::Kind;

const std::string kErase = "This will erase all conflicting Toolbox assignments. Proceed";
const std::string kNotAbsenceExtract =
    "This May Not Be a Valid Crew Absence Extract! Do You Want to Try Load it Anyway";
const std::string kFileError = "File Error - Unable to Load Crew Absences from this file.";
const std::string kNobody = "No Crew Member of this Roster was Found in this Crew Absence Extract.";
const std::string kWarningsTitle = "Warnings from Absences Extract Load";

Call Shown(const std::string& text, const std::string& title = "Linewright") { return {Kind::Message, title, text}; }
Call Asked(const std::string& text) { return {Kind::Ask, "Linewright", text}; }
Call Listed(const std::vector<std::string>& lines) {
    std::string joined;
    for (size_t i = 0; i < lines.size(); ++i) joined += (i ? "\n" : "") + lines[i];
    return {Kind::ShowList, kWarningsTitle, joined};
}

// One 14-character slot: code, first and last day, start and end in minutes.
std::string Slot(const std::string& code, int first, int last, int start, int end) {
    char text[32];
    std::snprintf(text, sizeof text, "%-2.2s%02d%02d%04d%04d", code.c_str(), first, last, start, end);
    return text;
}

// One employee's line: the number, the slots, blank slots to the normal 443 characters.
std::string Absences(const std::string& number, const std::vector<std::string>& slots) {
    std::string line = number;
    line.resize(9, ' ');
    for (const std::string& s : slots) line += s;
    if (line.size() < lw::import::kAbsenceLineLength) line.resize(lw::import::kAbsenceLineLength, ' ');
    return line;
}

std::string Lines(const std::vector<std::string>& lines, const std::string& end = "\n") {
    std::string out;
    for (const std::string& l : lines) out += l + end;
    return out;
}

// Every day of a block that holds something: day index, assignment, display and CrewTrac
// codes, and all ten activity values.
std::vector<std::string> Days(const TPilot& p) {
    std::vector<std::string> out;
    for (size_t d = 0; d < p.DayAssignment.size(); ++d) {
        const auto& v = p.DayActivity[d];
        bool values = false;
        for (int32_t x : v) values = values || x != 0;
        if (p.DayAssignment[d] == lw::model::kDayEmpty && p.DayCode[d].empty() && p.DayExtractCode[d].empty() &&
            !values)
            continue;
        std::string text = std::to_string(d) + ":" + std::to_string(p.DayAssignment[d]) + " [" + p.DayCode[d] +
                           "] [" + p.DayExtractCode[d] + "]";
        for (int32_t x : v) text += " " + std::to_string(x);
        out.push_back(text);
    }
    return out;
}

class AbsenceExtract : public ::testing::Test {
protected:
    void SetUp() override {
        doc_ = std::make_unique<Document>();
        doc_->RunLog = &log_;
        doc_->CrewGroup = lw::model::kCaptains;
        doc_->DayCount = 30;
        AddMember(12345, "J TREMBLAY");
        AddMember(23456, "M ROY");
        AddMember(34567, "P GAGNON");
        doc_->Modified = false;
    }

    void AddMember(int32_t number, const std::string& name) {
        TPilot& p = doc_->Crew[static_cast<size_t>(doc_->CrewCount++)];
        p.EmployeeNumber = number;
        p.Name = name;
    }

    fs::path Write(const std::string& bytes, const std::string& name = "0324absp.ext") {
        const fs::path path = dir_ / name;
        lw::test::WriteBytes(path, bytes);
        return path;
    }

    bool Load(const fs::path& file, bool nextMonth = false) {
        return lw::import::LoadAbsenceExtract(*doc_, ui_, file, nextMonth, &folder_);
    }

    // What the user was shown or asked, without the busy cursor.
    std::vector<Call> Seen() const {
        std::vector<Call> out;
        for (const Call& c : ui_.calls)
            if (c.kind != Kind::SetBusy) out.push_back(c);
        return out;
    }

    std::vector<std::string> DaysOf(int row) const { return Days(doc_->Crew[static_cast<size_t>(row)]); }

    // A month already worked on: a vacation day and a pairing in the first block.
    void GiveBlocks() {
        TPilot& p = doc_->Crew[0];
        p.DayAssignment[2] = lw::model::kDayActivity;
        p.DayCode[2] = "GO";
        p.DayExtractCode[2] = "GO";
        p.DayActivity[2][0] = 720;
        p.DayAssignment[20] = 0;
        doc_->Pairings[0].PairLength = 1;
        doc_->FreshDocument = false;
        doc_->Modified = false;
        before_ = {DaysOf(0), DaysOf(1), DaysOf(2)};
    }
    void ExpectBlocksUnchanged() {
        EXPECT_EQ((std::vector<std::vector<std::string>>{DaysOf(0), DaysOf(1), DaysOf(2)}), before_);
        EXPECT_FALSE(doc_->FreshDocument);
        EXPECT_FALSE(doc_->Modified);
        for (int r = 0; r < 3; ++r) EXPECT_FALSE(doc_->Crew[static_cast<size_t>(r)].BidsReserve);
    }

    lw::test::TempFolder dir_;
    lw::test::RecordingLog log_;
    std::unique_ptr<Document> doc_;
    FakeInteraction ui_;
    fs::path folder_;
    std::vector<std::vector<std::string>> before_;
};

TEST_F(AbsenceExtract, PutsEachSlotOnItsDays) {
    const std::string file = Lines({
        Absences("000012345", {Slot("VC", 5, 7, 720, 960),     // vacation, three days
                               Slot("RB", 10, 10, 1320, 360),  // 22:00 to 06:00 the next morning
                               Slot("SM", 12, 12, 540, 900),   // simulator: duty and CARS duty
                               Slot("ZZ", 14, 15, 480, 600)}), // no such activity
        Absences("000088888", {Slot("VC", 1, 30, 0, 0)}),       // not on the roster
        Absences("   34567 ", {Slot("RK", 1, 1, 420, 1140), Slot("VC", 30, 30, 0, 1440)}),
        Absences("000099999", {}),                              // end of the data
        Absences("000023456", {Slot("VC", 1, 3, 0, 0)}),
    }, "\r\n");
    EXPECT_TRUE(Load(Write(file)));
    EXPECT_EQ(DaysOf(0), (std::vector<std::string>{
                             "4:-2 [VAC] [VC] 720 240 170 0 0 0 0 0 0 0",
                             "5:-2 [VAC] [VC] 720 240 170 0 0 0 0 0 0 0",
                             "6:-2 [VAC] [VC] 720 240 170 0 0 0 0 0 0 0",
                             "9:-2 [RB ] [RB] 1320 480 0 0 1 1 0 1 0 0",
                             "11:-2 [SIM] [SM] 540 360 240 0 0 1 0 1 0 0",
                             "13:-2 [ZZ] [ZZ] 480 120 0 0 0 0 0 0 0 0",
                             "14:-2 [ZZ] [ZZ] 480 120 0 0 0 0 0 0 0 0",
                         }));
    EXPECT_EQ(DaysOf(1), std::vector<std::string>{});
    EXPECT_EQ(DaysOf(2), (std::vector<std::string>{
                             "0:-2 [RCK] [RK] 420 720 0 0 1 1 0 1 0 0",
                             "29:-2 [VAC] [VC] 0 1440 170 0 0 0 0 0 0 0",
                         }));
    EXPECT_EQ(Seen(), std::vector<Call>{Listed({"No Matching Code for ZZ. No Credit or Duty Info Recorded"})});
    EXPECT_FALSE(doc_->FreshDocument);
    EXPECT_TRUE(doc_->Modified);
    EXPECT_EQ(folder_, dir_.Path());
    EXPECT_EQ(log_.lines,
              (std::vector<std::string>{"LoadCrewAbsencesBegin\n", "Loading Absenses for J TREMBLAY 12345\n",
                                        "Loading Absenses for P GAGNON 34567\n", "LoadCrewAbsencesEnd\n"}));
}

TEST_F(AbsenceExtract, NextMonthFollowsTheLastDay) {
    // Days 05 to 07 of the next month follow a 30-day month at indices 34 to 36; a 31-day
    // month's next month reaches the last of the 62 days.
    GiveBlocks();  // no longer fresh: the next month's days are loaded without asking
    EXPECT_TRUE(Load(Write(Lines({Absences("000023456", {Slot("VC", 5, 7, 720, 960)})})), true));
    EXPECT_EQ(DaysOf(1), (std::vector<std::string>{
                             "34:-2 [VAC] [VC] 720 240 170 0 0 0 0 0 0 0",
                             "35:-2 [VAC] [VC] 720 240 170 0 0 0 0 0 0 0",
                             "36:-2 [VAC] [VC] 720 240 170 0 0 0 0 0 0 0",
                         }));
    EXPECT_EQ(Seen(), std::vector<Call>{});

    doc_->DayCount = 31;
    EXPECT_TRUE(Load(Write(Lines({Absences("000034567", {Slot("LA", 1, 31, 720, 960)})})), true));
    const std::vector<std::string> days = DaysOf(2);
    ASSERT_EQ(days.size(), 31u);
    EXPECT_EQ(days.front(), "31:-2 [LOA] [LA] 720 240 170 0 0 0 0 0 0 0");
    EXPECT_EQ(days.back(), "61:-2 [LOA] [LA] 720 240 170 0 0 0 0 0 0 0");
    // Next month's leave says nothing about this month's long leave.
    EXPECT_EQ(doc_->Crew[2].OnLongLeave, 0);
    EXPECT_FALSE(doc_->Crew[2].BidsReserve);
    EXPECT_EQ(Seen(), std::vector<Call>{});
}

TEST_F(AbsenceExtract, TwoBlankCodesEndTheLinesSlots) {
    std::vector<std::string> slots = {Slot("VC", 1, 1, 0, 0), Slot("VC", 2, 2, 0, 0), std::string(14, ' '),
                                      Slot("VC", 4, 4, 0, 0)};
    // A slot whose code is a single letter and a blank is still a slot.
    slots[2].replace(2, 12, "050500000000");
    EXPECT_TRUE(Load(Write(Lines({Absences("000012345", slots),
                                  Absences("000023456", {Slot("VC", 1, 1, 0, 0), Slot("S ", 2, 2, 0, 0),
                                                         Slot("VC", 3, 3, 0, 0)})}))));
    EXPECT_EQ(DaysOf(0), (std::vector<std::string>{"0:-2 [VAC] [VC] 0 0 170 0 0 0 0 0 0 0",
                                                   "1:-2 [VAC] [VC] 0 0 170 0 0 0 0 0 0 0"}));
    EXPECT_EQ(DaysOf(1), (std::vector<std::string>{"0:-2 [VAC] [VC] 0 0 170 0 0 0 0 0 0 0",
                                                   "1:-2 [S ] [S ] 0 0 0 0 0 0 0 0 0 0",
                                                   "2:-2 [VAC] [VC] 0 0 170 0 0 0 0 0 0 0"}));
    EXPECT_EQ(Seen(), std::vector<Call>{Listed({"No Matching Code for S . No Credit or Duty Info Recorded"})});
}

TEST_F(AbsenceExtract, PairingDaysKeepTheirPairings) {
    // A three-day pairing starting on day index 9 (the 10th) and a one-day pairing on the 20th;
    // the 12th, the three-day trip's last day, takes the vacation.
    TPilot& p = doc_->Crew[1];
    p.DayAssignment[9] = 4;
    doc_->Pairings[4].PairLength = 3;
    p.DayAssignment[19] = 7;
    doc_->Pairings[7].PairLength = 1;
    p.DayAssignment[25] = 99999;  // a damaged index is still a pairing, of one day
    EXPECT_TRUE(Load(Write(Lines({Absences("000023456", {Slot("VC", 9, 13, 720, 960), Slot("SM", 20, 21, 540, 900),
                                                         Slot("VC", 26, 27, 720, 960)})}))));
    EXPECT_EQ(DaysOf(1), (std::vector<std::string>{
                             "8:-2 [VAC] [VC] 720 240 170 0 0 0 0 0 0 0",
                             "9:4 [] [] 0 0 0 0 0 0 0 0 0 0",
                             "11:-2 [VAC] [VC] 720 240 170 0 0 0 0 0 0 0",
                             "12:-2 [VAC] [VC] 720 240 170 0 0 0 0 0 0 0",
                             "19:7 [] [] 0 0 0 0 0 0 0 0 0 0",
                             "20:-2 [SIM] [SM] 540 360 240 0 0 1 0 1 0 0",
                             "25:99999 [] [] 0 0 0 0 0 0 0 0 0 0",
                             "26:-2 [VAC] [VC] 720 240 170 0 0 0 0 0 0 0",
                         }));
    EXPECT_EQ(Seen(), std::vector<Call>{Listed({
                          "Cannot Assign Code VC in 2 M ROY on day 10 Due Pairing Assigned. ",
                          "Cannot Assign Code VC in 2 M ROY on day 11 Due Pairing Assigned. ",
                          "Cannot Assign Code SM in 2 M ROY on day 20 Due Pairing Assigned. ",
                          "Cannot Assign Code VC in 2 M ROY on day 26 Due Pairing Assigned. ",
                      })});
}

TEST_F(AbsenceExtract, TheLastDayOfATwoDayPairingTakesTheCode) {
    TPilot& p = doc_->Crew[2];
    p.DayAssignment[4] = 3;
    doc_->Pairings[3].PairLength = 2;
    EXPECT_TRUE(Load(Write(Lines({Absences("000034567", {Slot("VC", 6, 6, 720, 960)})}))));
    EXPECT_EQ(DaysOf(2), (std::vector<std::string>{
                             "4:3 [] [] 0 0 0 0 0 0 0 0 0 0",
                             "5:-2 [VAC] [VC] 720 240 170 0 0 0 0 0 0 0",
                         }));
    EXPECT_EQ(Seen(), std::vector<Call>{});
}

TEST_F(AbsenceExtract, OverwritingAWorkedMonthIsAskedFirst) {
    const std::string file = Lines({Absences("000012345", {Slot("VC", 3, 4, 720, 960)})});
    GiveBlocks();
    ui_.answers = {Answer::No};
    EXPECT_FALSE(Load(Write(file)));
    EXPECT_EQ(Seen(), std::vector<Call>{Asked(kErase)});
    EXPECT_EQ(ui_.icons, std::vector<Icon>{Icon::Stop});
    EXPECT_TRUE(folder_.empty());  // the file was not even opened
    ExpectBlocksUnchanged();

    ui_.calls.clear();
    ui_.answers = {Answer::Yes};
    EXPECT_TRUE(Load(Write(file)));
    EXPECT_EQ(Seen(), std::vector<Call>{Asked(kErase)});
    EXPECT_EQ(DaysOf(0), (std::vector<std::string>{
                             "2:-2 [VAC] [VC] 720 240 170 0 0 0 0 0 0 0",  // the day off is replaced
                             "3:-2 [VAC] [VC] 720 240 170 0 0 0 0 0 0 0",
                             "20:0 [] [] 0 0 0 0 0 0 0 0 0 0",
                         }));
    EXPECT_TRUE(doc_->Modified);

    // A fresh month is loaded without the question.
    doc_->FreshDocument = true;
    ui_.calls.clear();
    EXPECT_TRUE(Load(Write(file)));
    EXPECT_EQ(Seen(), std::vector<Call>{});
    EXPECT_FALSE(doc_->FreshDocument);
}

TEST_F(AbsenceExtract, AnUnusualFirstLineIsQuestioned) {
    const std::string slots = Absences("000012345", {Slot("VC", 3, 3, 720, 960)});
    const std::vector<std::string> files = {
        slots.substr(0, 9 + 14) + "\n",  // only the slots used
        slots + "  \n",
        Lines({std::string(100000, '0'), slots}),
        "",
    };
    for (size_t i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(i);
        GiveBlocks();
        doc_->FreshDocument = true;
        ui_.calls.clear();
        ui_.answers = {Answer::No};
        EXPECT_FALSE(Load(Write(files[i])));
        EXPECT_EQ(Seen(), std::vector<Call>{Asked(kNotAbsenceExtract)});
        EXPECT_TRUE(doc_->FreshDocument);
        doc_->FreshDocument = false;
        ExpectBlocksUnchanged();
    }
    // Yes reads them: the short line and the long one are read like any other, a line of
    // zeros is nobody's, and an empty file has nobody in it.
    const std::vector<std::vector<Call>> told = {
        {Asked(kNotAbsenceExtract)},
        {Asked(kNotAbsenceExtract)},
        {Asked(kNotAbsenceExtract)},
        {Asked(kNotAbsenceExtract), Shown(kNobody)},
    };
    for (size_t i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(i);
        doc_->Crew[0].Reset();
        doc_->Crew[0].EmployeeNumber = 12345;
        doc_->FreshDocument = true;
        ui_.calls.clear();
        ui_.answers = {Answer::Yes};
        EXPECT_TRUE(Load(Write(files[i])));
        EXPECT_EQ(Seen(), told[i]);
        EXPECT_EQ(DaysOf(0), i == 3 ? std::vector<std::string>{}
                                    : std::vector<std::string>{"2:-2 [VAC] [VC] 720 240 170 0 0 0 0 0 0 0"});
    }
}

TEST_F(AbsenceExtract, LongLeaveAllMonthMakesAReserveBidder) {
    EXPECT_TRUE(Load(Write(Lines({
        Absences("000012345", {Slot("LA", 1, 15, 720, 960), Slot("MD", 16, 30, 720, 960)}),  // leave, then sick
        Absences("000023456", {Slot("LA", 1, 29, 720, 960)}),                                // back on the 30th
    }))));
    EXPECT_EQ(doc_->Crew[0].OnLongLeave, 1);
    EXPECT_TRUE(doc_->Crew[0].BidsReserve);
    EXPECT_EQ(doc_->Crew[1].OnLongLeave, 0);
    EXPECT_FALSE(doc_->Crew[1].BidsReserve);
    EXPECT_EQ(doc_->Crew[2].OnLongLeave, 0);
    EXPECT_FALSE(doc_->Crew[2].BidsReserve);
}

TEST_F(AbsenceExtract, ToolboxActivitiesAndCabinCodes) {
    // With a toolbox loaded its activities give the codes; a flight attendant's built-in
    // reserve carries no CARS duty.
    doc_->Activities[0] = {"TRN", "TN", "Training", 540, 1020, 240, 120, true, true, false, true};
    doc_->Activities[1] = {"RTB", "RB", "Return", 0, 0, 0, 0, false, false, true, true};
    doc_->ActivityCount = 2;
    EXPECT_TRUE(Load(Write(Lines({Absences("000012345", {Slot("TN", 2, 2, 540, 1020), Slot("RB", 3, 3, 0, 60),
                                                         Slot("VC", 4, 4, 0, 0)})}))));
    EXPECT_EQ(DaysOf(0), (std::vector<std::string>{
                             "1:-2 [TRN] [TN] 540 480 240 120 0 1 1 1 0 0",
                             "2:-2 [RTB] [RB] 0 60 0 0 0 0 0 0 0 0",
                             "3:-2 [VC] [VC] 0 0 0 0 0 0 0 0 0 0",
                         }));
    EXPECT_EQ(Seen(), std::vector<Call>{Listed({"No Matching Code for VC. No Credit or Duty Info Recorded"})});

    auto cabin = std::make_unique<Document>();
    cabin->CrewGroup = lw::model::kFlightAttendants;
    cabin->DayCount = 30;
    cabin->Crew[0].EmployeeNumber = 777;
    cabin->Crew[0].Name = "S LEBLANC";
    cabin->CrewCount = 1;
    ui_.calls.clear();
    EXPECT_TRUE(lw::import::LoadAbsenceExtract(
        *cabin, ui_, Write(Lines({Absences("000000777", {Slot("RB", 1, 1, 720, 120), Slot("SM", 2, 2, 0, 0)})})),
        false));
    EXPECT_EQ(Days(cabin->Crew[0]), (std::vector<std::string>{
                                        "0:-2 [RB ] [RB] 720 840 240 0 1 1 0 0 0 0",
                                        "1:-2 [SM] [SM] 0 0 0 0 0 0 0 0 0 0",
                                    }));
    EXPECT_EQ(Seen(), std::vector<Call>{Listed({"No Matching Code for SM. No Credit or Duty Info Recorded"})});
}

TEST_F(AbsenceExtract, SlotsThatCannotBeRecordedAreListed) {
    std::vector<std::string> slots = {
        Slot("VC", 0, 2, 0, 0),        // day 0 is before the month
        Slot("VC", 9, 8, 0, 0),        // ends before it starts
        Slot("VC", 61, 62, 720, 960),  // the last two days a block holds
        Slot("VC", 62, 63, 720, 960),  // past them
        Slot("VC", 3, 3, 1441, 960),   // not a time of day
        Slot("VC", 4, 4, 720, 960),
        Slot("VC", 5, 5, 720, 960),
        Slot("VC", 6, 6, 720, 960),
    };
    slots[5].replace(2, 2, "0A");
    slots[6].replace(0, 2, std::string("\x01\xff", 2));
    slots[7].replace(10, 4, "-100");
    std::string cut = Absences("000023456", {Slot("VC", 1, 1, 0, 0), Slot("VC", 2, 2, 0, 0)});
    cut.resize(9 + 14 + 10);  // the line ends inside its second slot
    EXPECT_TRUE(Load(Write(Lines({Absences("000012345", slots), cut}))));
    EXPECT_EQ(DaysOf(0), (std::vector<std::string>{"60:-2 [VAC] [VC] 720 240 170 0 0 0 0 0 0 0",
                                                   "61:-2 [VAC] [VC] 720 240 170 0 0 0 0 0 0 0"}));
    EXPECT_EQ(DaysOf(1), (std::vector<std::string>{"0:-2 [VAC] [VC] 0 0 170 0 0 0 0 0 0 0"}));
    EXPECT_EQ(Seen(), std::vector<Call>{Listed({
                          "Cannot Record Code VC in 1 J TREMBLAY on days 00 to 02. Days not in the Schedule. ",
                          "Cannot Record Code VC in 1 J TREMBLAY on days 09 to 08. Days not in the Schedule. ",
                          "Cannot Record Code VC in 1 J TREMBLAY on days 62 to 63. Days not in the Schedule. ",
                          "Cannot Record Code VC in 1 J TREMBLAY. Slot 5 of the Extract Line is Unreadable. ",
                          "Cannot Record Code VC in 1 J TREMBLAY. Slot 6 of the Extract Line is Unreadable. ",
                          "Cannot Record Code ?? in 1 J TREMBLAY. Slot 7 of the Extract Line is Unreadable. ",
                          "Cannot Record Code VC in 1 J TREMBLAY. Slot 8 of the Extract Line is Unreadable. ",
                          "Cannot Record Code VC in 2 M ROY. Slot 2 of the Extract Line is Unreadable. ",
                      })});

    // The next month's days must fit after the month too.
    ui_.calls.clear();
    EXPECT_TRUE(Load(Write(Lines({Absences("000034567", {Slot("VC", 32, 33, 0, 0), Slot("VC", 33, 33, 0, 0),
                                                         Slot("VC", 31, 32, 0, 0)})})),
                     true));
    EXPECT_EQ(DaysOf(2), (std::vector<std::string>{"60:-2 [VAC] [VC] 0 0 170 0 0 0 0 0 0 0",
                                                   "61:-2 [VAC] [VC] 0 0 170 0 0 0 0 0 0 0"}));
    EXPECT_EQ(Seen(), std::vector<Call>{Listed({
                          "Cannot Record Code VC in 3 P GAGNON on days 32 to 33. Days not in the Schedule. ",
                          "Cannot Record Code VC in 3 P GAGNON on days 33 to 33. Days not in the Schedule. ",
                      })});
}

TEST_F(AbsenceExtract, FailuresLeaveTheBlocksAsTheyWere) {
    const fs::path missing = dir_ / "none-absp.ext";
    struct Case {
        std::string name;
        fs::path file;
        std::vector<Call> calls;
    };
    const std::vector<Case> cases = {
        {"missing file", missing, {Asked(kErase), Shown(missing.string(), "Unable to Open File")}},
        {"a folder", dir_.Path(), {Asked(kErase), Shown(kFileError)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GiveBlocks();
        ui_.calls.clear();
        ui_.answers = {Answer::Yes};
        EXPECT_FALSE(Load(c.file));
        EXPECT_EQ(Seen(), c.calls);
        ExpectBlocksUnchanged();
    }
}

TEST_F(AbsenceExtract, JunkFindsNobody) {
    // Binary junk, numbers that are not numbers, the open-time line's 0: nobody's absences.
    doc_->Crew[3].EmployeeNumber = 0;
    doc_->Crew[3].Name = "OPEN";
    doc_->CrewCount = 4;
    std::string junk = std::string("\x7f" "ELF\x02\x01\x01\0\0\0\0\0\0\0", 14) + std::string(600, '\xfe') + "\n";
    junk += Absences("000000000", {Slot("VC", 1, 1, 0, 0)}) + "\n";
    junk += Absences("12345ABCD", {Slot("VC", 1, 1, 0, 0)}) + "\n";
    junk += Absences("-00012345", {Slot("VC", 1, 1, 0, 0)}) + "\n";
    junk += std::string(100000, '\0') + "\n";
    junk += "123456789\n";  // shorter than 10: the end
    junk += Absences("000012345", {Slot("VC", 1, 1, 0, 0)}) + "\n";
    ui_.answers = {Answer::Yes};
    EXPECT_TRUE(Load(Write(junk)));
    EXPECT_EQ(Seen(), (std::vector<Call>{Asked(kNotAbsenceExtract), Shown(kNobody)}));
    EXPECT_EQ(ui_.icons.back(), Icon::Information);
    for (int r = 0; r < 4; ++r) EXPECT_EQ(DaysOf(r), std::vector<std::string>{});
    EXPECT_FALSE(doc_->Modified);
}

TEST_F(AbsenceExtract, OpenDialogStartsInTheLastFolder) {
    const lw::platform::FileRequest request = lw::import::AbsenceExtractRequest("/data/crewtrac");
    EXPECT_EQ(request.title, "Load Crew Absences Extract");
    EXPECT_EQ(request.filter, "CrewTrac Extract Files (*absp.ext *absc.ext)|*absp.ext;*absc.ext|All Files (*.*)|*.*");
    EXPECT_EQ(request.folder, "/data/crewtrac");
    EXPECT_EQ(lw::import::kLastCrewAbsPathSetting, "LastCrewAbsPath");
}

TEST(AbsenceWarningList, SaysEachWarningOnceAndCountsWhatItLeavesOut) {
    lw::import::WarningList list(3);
    for (const char* w : {"A", "B", "A", "C", "D", "E", "B"}) list.Add(w);
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"A", "B", "C", "2 further Warnings not Shown"}));
    EXPECT_TRUE(lw::import::WarningList().Empty());
}

}  // namespace
