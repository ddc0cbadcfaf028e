#include "import/activity_extract.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fake_interaction.h"
#include "model/document.h"
#include "base/log_sink.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;
using lw::base::Date;
using lw::model::DayValues;
using lw::model::Document;
using lw::model::TPilot;
using lw::platform::Answer;
using lw::test::FakeInteraction;
using Call = FakeInteraction::Call;
using Kind = FakeInteraction::Kind;

struct Ymd {
    int y, m, d;
};

std::string Digits(int value, int width) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%0*d", width, value);
    return buf;
}
std::string DateField(Ymd date) { return Digits(date.y, 4) + Digits(date.m, 2) + Digits(date.d, 2); }

// A fixed-column line written field by field: (column, text) pairs.
struct Columns {
    std::string s;
    void Put(std::initializer_list<std::pair<int, std::string>> fields) {
        for (const auto& [column, text] : fields) s.replace(static_cast<size_t>(column), text.size(), text);
    }
};

// A crew member's line of the activity extract, columns as CrewTrac writes them.
struct CrewLine : Columns {
    explicit CrewLine(int employee) : Columns{std::string(1605, ' ')} { Put({{0, Digits(employee, 9)}}); }
    CrewLine& Pairing(int slot, const std::string& number, Ymd start) {
        Put({{9 + 40 * slot + 2, number}, {9 + 40 * slot + 8, DateField(start)}});
        return *this;
    }
    CrewLine& Activity(int slot, const std::string& code, Ymd first, int start, Ymd last, int end) {
        const int v = 9 + 40 * slot;
        Put({{v, code},
             {v + 16, DateField(first)},
             {v + 24, Digits(start, 4)},
             {v + 28, DateField(last)},
             {v + 36, Digits(end, 4)}});
        return *this;
    }
    CrewLine& Block(int w, int minutes) {
        Put({{1601 - 4 * (30 - w), Digits(minutes, 4)}});
        return *this;
    }
};

// One pairing's line of the prior-period pairing extract.
struct PairingLine : Columns {
    PairingLine(const std::string& number, Ymd start, Ymd firstDay, int report, int tafb, int credit, int rest)
        : Columns{std::string(1178, ' ')} {
        Put({{0, number},
             {6, DateField(start)},
             {14, DateField(firstDay)},
             {22, Digits(report, 4)},
             {44, Digits(credit, 6)},
             {50, Digits(tafb, 8)},
             {66, Digits(rest, 4)}});
    }
    PairingLine& Duty(int k, Ymd date, int start, int end) {
        Put({{70 + 24 * k, DateField(date)}, {78 + 24 * k, Digits(start, 4)}, {90 + 24 * k, Digits(end, 4)}});
        return *this;
    }
    PairingLine& Daily(int k, const std::string& station, int block, int credit) {
        Put({{814 + 11 * k, station}, {817 + 11 * k, Digits(block, 4)}, {821 + 11 * k, Digits(credit, 4)}});
        return *this;
    }
};

// PrevDayData of one day: [0] pairing start, [1] time away, [2] duty start, [3] duty length,
// [4] credit, [5] block, [6] worked/reserve, [8] CARS duty.
DayValues Day(int pairStart, int tafb, int dutyStart, int dutyLength, int credit, int block, int worked, int cars = 0) {
    return {pairStart, tafb, dutyStart, dutyLength, credit, block, worked, 0, cars, 0};
}

struct RecordingLog : lw::base::LogSink {
    std::vector<std::string> lines;
    void Write(std::string_view line) override { lines.emplace_back(line); }
};

// Last month is March 2024: w = day of March - 1; 1 April is w = 31.
constexpr Ymd Mar(int d) { return {2024, 3, d}; }
constexpr Ymd Apr(int d) { return {2024, 4, d}; }

const std::string kNotValid = "This May Not Be a Valid Crew Activity Extract! Do You Want to Try Load it Anyway";
const std::string kErrorsTitle = "Errors from Overlap Info Extract Load";

class ActivityExtract : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(doc->SetMonthDates(lw::base::Date::FromDmy(1, 4, 2024), lw::base::Date::FromDmy(30, 4, 2024), ui));
        AddCrew("SMITH J", 100001);
        AddCrew("JONES A", 100002);
        AddCrew("OPEN", 0);
        doc->Modified = false;
        ui.calls.clear();
    }

    void AddCrew(const std::string& name, int number) {
        TPilot& p = doc->Crew[static_cast<size_t>(doc->CrewCount++)];
        p.Name = name;
        p.EmployeeNumber = number;
    }

    fs::path Write(const std::string& name, const std::vector<std::string>& lines) {
        std::string bytes;
        for (const std::string& l : lines) bytes += l + "\n";
        lw::test::WriteBytes(dir / name, bytes);
        return dir / name;
    }

    bool Load(const std::vector<std::string>& crew, const std::vector<std::string>& pairings) {
        return lw::import::LoadLastMonthData(*doc, ui, Write("0424actp.ext", crew), Write("0424prgp.ext", pairings));
    }

    // Every one of the 62 days of a member's carried-in data.
    void ExpectCarryIn(int row, const std::map<int, DayValues>& days, const std::map<int, std::string>& texts,
                       int legalCheckIn, int creditCarriedIn) {
        const TPilot& p = doc->Crew[static_cast<size_t>(row)];
        SCOPED_TRACE(p.Name);
        for (int w = 0; w < lw::model::kDayCells; ++w) {
            EXPECT_EQ(p.PrevDayData[static_cast<size_t>(w)], days.count(w) ? days.at(w) : DayValues{}) << "day " << w;
            EXPECT_EQ(p.DayText[static_cast<size_t>(w)], texts.count(w) ? texts.at(w) : "") << "day " << w;
        }
        EXPECT_EQ(p.LegalCheckIn, legalCheckIn);
        EXPECT_EQ(p.CreditCarriedIn, creditCarriedIn);
    }

    // The messages, questions and lists shown, in order.
    std::vector<Call> Shown() const {
        std::vector<Call> out;
        for (const Call& c : ui.calls)
            if (c.kind == Kind::Message || c.kind == Kind::Ask || c.kind == Kind::ShowList) out.push_back(c);
        return out;
    }

    lw::test::TempFolder dir;
    std::unique_ptr<Document> doc = std::make_unique<Document>();
    FakeInteraction ui;
};

// A three-day trip from 29 March releasing 1 April 15:00, a pilot's reserve and office days.
TEST_F(ActivityExtract, LoadsTripsAndActivitiesOfLastMonth) {
    const std::string trip = PairingLine("V1234", Mar(29), Mar(29), 480, 4740, 1000, 660)
                                 .Duty(0, Mar(29), 480, 1080)
                                 .Duty(1, Mar(30), 600, 1320)
                                 .Duty(2, Apr(1), 300, 900)
                                 .Daily(0, "   ", 0, 0)
                                 .Daily(1, "YUL", 240, 300)
                                 .Daily(2, "YYZ", 300, 330)
                                 .Daily(3, "YVR", 0, 0)
                                 .Daily(4, "YUL", 200, 250)
                                 .s;
    // A day trip inside last month carries no credit in, however its total compares.
    const std::string dayTrip = PairingLine("V2222", Mar(10), Mar(10), 600, 600, 500, 660).Daily(1, "YUL", 100, 400).s;
    const std::string smith =
        CrewLine(100001).Pairing(0, "V1234", Mar(29)).Pairing(1, "V2222", Mar(10)).Block(28, 245).Block(29, 305).s;
    const std::string jones = CrewLine(100002)
                                  .Activity(0, "OC", Mar(20), 540, Mar(21), 1020)  // two days
                                  .Activity(1, "OC", Mar(25), 1320, Mar(26), 360)  // overnight: one day
                                  .Activity(2, "RB", Mar(31), 180, Mar(31), 1020)
                                  .s;
    doc->Crew[1].DayText[40] = "VAC";  // a day of the month from the absences
    ASSERT_TRUE(Load({smith, jones}, {trip, dayTrip}));

    // Release 1 Apr 15:00 plus 11:00 rest is 2 Apr 02:00; credit of 1 Apr plus the trip's
    // credit beyond its daily figures (1000 - 880).
    ExpectCarryIn(0,
                  {{9, Day(600, 600, 0, 0, 400, 0, 1)},
                   {28, Day(480, 4740, 480, 600, 300, 245, 1)},
                   {29, Day(0, 0, 600, 720, 330, 305, 1)},
                   {30, Day(0, 0, 0, 0, 0, 0, 1)},
                   {31, Day(0, 0, 300, 600, 250, 200, 1)}},
                  {{9, "V2222"}, {28, "V1234"}}, 1560, 370);
    // A reserve on the day before the month: 14 hours long, check-in from 03:00 less 61 minutes.
    ExpectCarryIn(1,
                  {{19, Day(0, 0, 540, 480, 270, 0, 1, 1)},
                   {20, Day(0, 0, 540, 480, 270, 0, 1, 1)},
                   {24, Day(0, 0, 1320, 480, 270, 0, 1, 1)},
                   {30, Day(0, 0, 180, 840, 0, 0, 2, 1)}},
                  {{19, "OF "}, {20, "OF "}, {24, "OF "}, {30, "RB "}, {40, "VAC"}}, 119, 0);
    ExpectCarryIn(2, {}, {}, 0, 0);
    EXPECT_FALSE(doc->FreshDocument);
    EXPECT_TRUE(doc->Modified);
    EXPECT_EQ(ui.calls, (std::vector<Call>{{Kind::SetBusy, "", "1"},
                                           {Kind::BeginProgress, "Loading Last Month's Data", "3"},
                                           {Kind::Progress, "1", "Completed 1 of 3"},
                                           {Kind::Progress, "2", "Completed 2 of 3"},
                                           {Kind::EndProgress, "", ""},
                                           {Kind::SetBusy, "", "0"}}));
}

// The rest after last month's work: a pilot rests 11:00, or the pairing's rest less 59 minutes
// from 12:00 up; a flight attendant 12:00 whatever the pairing says.
TEST_F(ActivityExtract, LegalCheckInFollowsTheRestAfterLastMonthsWork) {
    struct Case {
        const char* what;
        lw::model::CrewGroupKind group;
        std::string crew;
        std::vector<std::string> pairings;
        int expected;
    };
    auto trip = [](const std::string& number, Ymd day, int report, int tafb, int rest) {
        return PairingLine(number, day, day, report, tafb, 0, rest).s;
    };
    const std::string onDay30 = CrewLine(100001).Pairing(0, "V0001", Mar(31)).s;
    const std::string office = CrewLine(100001).Activity(0, "OC", Mar(31), 480, Mar(31), 1020).s;
    const std::string unused = trip("V9999", Mar(1), 0, 0, 0);
    const auto pilot = lw::model::kCaptains;
    const auto cabin = lw::model::kFlightAttendants;
    const Case cases[] = {
        {"pilot, rest 11:00", pilot, onDay30, {trip("V0001", Mar(31), 600, 600, 660)}, 420},
        {"pilot, rest 13:00", pilot, onDay30, {trip("V0001", Mar(31), 600, 600, 780)}, 481},
        {"pilot, rest 12:00", pilot, onDay30, {trip("V0001", Mar(31), 600, 600, 720)}, 421},
        {"pilot released 02:00 on 31 March",
         pilot,
         CrewLine(100001).Pairing(0, "V0001", Mar(30)).s,
         {trip("V0001", Mar(30), 1080, 480, 660)},
         0},
        {"flight attendant", cabin, onDay30, {trip("V0001", Mar(31), 600, 600, 780)}, 480},
        {"pilot office day", pilot, office, {unused}, 240},
        {"flight attendant office day", cabin, office, {unused}, 300},
        {"flight attendant reserve at 00:30",
         cabin,
         CrewLine(100001).Activity(0, "RB", Mar(31), 30, Mar(31), 1020).s,
         {unused},
         0},
        // Listed before a trip that ends earlier, the later work still decides.
        {"slots out of order",
         pilot,
         CrewLine(100001).Pairing(0, "V0001", Mar(31)).Pairing(1, "V0002", Mar(30)).s,
         {trip("V0001", Mar(31), 600, 600, 660), trip("V0002", Mar(30), 1200, 1080, 660)},
         420},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        doc->CrewGroup = c.group;
        doc->Crew[0].LegalCheckIn = 9999;
        ASSERT_TRUE(Load({c.crew}, c.pairings));
        EXPECT_EQ(doc->Crew[0].LegalCheckIn, c.expected);
    }
}

// Everything that cannot be placed is listed once the file is read; the rest of the line loads.
TEST_F(ActivityExtract, ListsWhatCannotBePlaced) {
    const std::string smith = CrewLine(100001)
                                  .Pairing(0, "V4321", Mar(10))
                                  .Pairing(1, "V5555", {2024, 2, 15})
                                  .Activity(2, "VC", Apr(2), 720, Apr(5), 960)
                                  .Activity(3, "VC", {2024, 13, 13}, 720, Mar(1), 960)
                                  .Activity(4, "ZZ", Mar(10), 600, Mar(11), 900)
                                  .Activity(5, "VC", Mar(5), 720, Mar(3), 960)
                                  .s;
    const std::string stranger = CrewLine(999999).Pairing(0, "V4321", Mar(10)).s;
    const std::string noNumber = CrewLine(0).Activity(0, "VC", Mar(1), 720, Mar(1), 960).s;
    ASSERT_TRUE(
        Load({stranger, smith, noNumber}, {PairingLine("V5555", {2024, 2, 15}, {2024, 2, 15}, 600, 2000, 500, 660).s}));
    EXPECT_EQ(
        Shown(),
        (std::vector<Call>{{Kind::ShowList, kErrorsTitle,
                            "Could not find Pairing V4321 to Assign to SMITH J.\n"
                            "Could not assign Pairing V5555 to SMITH J from 15 02 2024 to 16 02 2024 Last Month.\n"
                            "Could not assign VC code to SMITH J from 02 04 2024 to 05 04 2024 Last Month.\n"
                            "Could not assign VC code to SMITH J from 13 13 2024 to 01 03 2024 Last Month.\n"
                            "No Matching Code for ZZ Last Month SMITH J day 10 - No Duty Info loaded.\n"
                            "No Matching Code for ZZ Last Month SMITH J day 11 - No Duty Info loaded.\n"
                            "Could not assign VC code to SMITH J from 05 03 2024 to 03 03 2024 Last Month."}}));
    ExpectCarryIn(0, {{9, Day(0, 0, 600, 300, 0, 0, 0)}, {10, Day(0, 0, 600, 300, 0, 0, 0)}}, {{9, "ZZ"}, {10, "ZZ"}},
                  0, 0);
    ExpectCarryIn(2, {}, {}, 0, 0);  // the open-time line is never an employee's
}

// A refused or failed load leaves every member's carried-in data and the document's state as
// they were.
TEST_F(ActivityExtract, FailedLoadChangesNothing) {
    TPilot& smith = doc->Crew[0];
    smith.PrevDayData[30] = Day(1, 2, 3, 4, 5, 6, 1, 1);
    smith.DayText[30] = "OLD";
    smith.LegalCheckIn = 77;
    smith.CreditCarriedIn = 88;
    smith.ReservedSettingsA = {5, 6};
    const TPilot before = smith;
    const std::string good = CrewLine(100001).Activity(0, "OC", Mar(31), 480, Mar(31), 1020).s;
    const std::string prg = PairingLine("V0001", Mar(31), Mar(31), 600, 600, 0, 660).s;
    const fs::path goodActs = Write("good_actp.ext", {good});
    const fs::path goodPrg = Write("good_prgp.ext", {prg});
    const fs::path big = dir / "big_actp.ext";
    lw::test::WriteBytes(big, good + "\n");
    fs::resize_file(big, lw::import::kExtractSizeLimit + 1);

    struct Case {
        const char* what;
        fs::path acts, prg;
        std::vector<Answer> answers;
        std::vector<Call> shown;
        bool keepGoing = true;
    };
    const fs::path missing = dir / "missing.ext";
    const Case cases[] = {
        {"no activity file", missing, goodPrg, {}, {{Kind::Message, "Unable to Open File", missing.string()}}},
        {"no pairing file", goodActs, missing, {}, {{Kind::Message, "Unable to Open File", missing.string()}}},
        {"a folder", dir.Path(), goodPrg, {}, {{Kind::Message, "Unable to Open File", dir.Path().string()}}},
        {"empty activity file",
         Write("empty_actp.ext", {"", "  "}),
         goodPrg,
         {},
         {{Kind::Message, "File Error",
           (dir / "empty_actp.ext").string() + " is empty. Last Month's Data not Loaded."}}},
        {"too large",
         big,
         goodPrg,
         {},
         {{Kind::Message, "File Error", big.string() + " is larger than 64 MB and cannot be a CrewTrac Extract."}}},
        {"short activity line, No",
         Write("short_actp.ext", {good.substr(0, 1604)}),
         goodPrg,
         {Answer::No},
         {{Kind::Ask, "Linewright", kNotValid}}},
        {"long pairing line, No",
         goodActs,
         Write("long_prgp.ext", {prg + " "}),
         {Answer::No},
         {{Kind::Ask, "Linewright", kNotValid}}},
        {"binary activity file, No",
         Write("junk_actp.ext", {std::string("\0\x01\xff\x7f junk", 10)}),
         goodPrg,
         {Answer::No},
         {{Kind::Ask, "Linewright", kNotValid}}},
        {"progress stopped", goodActs, goodPrg, {}, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ui.calls.clear();
        ui.answers.assign(c.answers.begin(), c.answers.end());
        ui.keepGoing = c.keepGoing;
        fs::path folder;
        EXPECT_FALSE(lw::import::LoadLastMonthData(*doc, ui, c.acts, c.prg, &folder));
        EXPECT_EQ(Shown(), c.shown);
        EXPECT_EQ(smith.PrevDayData, before.PrevDayData);
        EXPECT_EQ(smith.DayText, before.DayText);
        EXPECT_EQ(smith.LegalCheckIn, 77);
        EXPECT_EQ(smith.CreditCarriedIn, 88);
        EXPECT_EQ(smith.ReservedSettingsA, before.ReservedSettingsA);
        EXPECT_TRUE(doc->FreshDocument);
        EXPECT_FALSE(doc->Modified);
        // The folder is kept once the activity extract could be opened.
        EXPECT_EQ(folder, c.acts == missing || c.acts == dir.Path() ? fs::path() : dir.Path());
    }

    // Without the month's dates nothing can be placed: refused before any file is read.
    auto blank = std::make_unique<Document>();
    ui.calls.clear();
    EXPECT_FALSE(lw::import::LoadLastMonthData(*blank, ui, goodActs, goodPrg));
    EXPECT_EQ(ui.calls, (std::vector<Call>{{Kind::Message, "Linewright",
                                            "Set the Month's Start and End Dates before loading Last Month's Data."}}));
}

// Answering Yes loads what the lines hold; fields beyond the end of a line are not data.
TEST_F(ActivityExtract, OddLinesLoadWhatTheyHold) {
    const std::string trip = PairingLine("V0001", Mar(31), Mar(31), 600, 600, 0, 660).Daily(1, "YUL", 300, 330).s;
    const std::string smith =
        CrewLine(100001).Pairing(0, "V0001", Mar(31)).Activity(1, "OC", Mar(29), 480, Mar(29), 1020).Block(29, 111).s;
    // Yes twice: a 1604-character crew line (the last block time cut) and a pairing file whose
    // first line is short, so it holds no pairing lines at all: the full line after the blank
    // one is never searched.
    ui.answers = {Answer::Yes, Answer::Yes};
    ASSERT_TRUE(Load({smith.substr(0, 1604) + std::string("\r")}, {"V0001 short", "", trip}));
    const Call question{Kind::Ask, "Linewright", kNotValid};
    EXPECT_EQ(Shown(), (std::vector<Call>{question, question,
                                          {Kind::ShowList, kErrorsTitle, "Could not find Pairing V0001 to Assign to SMITH J."}}));
    const DayValues officeDay = Day(0, 0, 480, 540, 270, 0, 1, 1);
    ExpectCarryIn(0, {{28, officeDay}, {29, Day(0, 0, 0, 0, 0, 111, 0)}}, {{28, "OF "}}, 0, 0);

    // A 100 000-character line reads its columns like a normal one; junk, a line too short to
    // hold a slot for another member, and a cut line for a member do not stop the file.
    RecordingLog log;
    doc->RunLog = &log;
    const std::string jones = CrewLine(100002)
                                  .Activity(0, "OC", Mar(29), 480, Mar(29), 1020)
                                  .Activity(3, "OC", Mar(30), 480, Mar(30), 1020)
                                  .s;
    ui.calls.clear();
    ui.answers = {Answer::Yes, Answer::Yes};
    ASSERT_TRUE(Load({smith + std::string(100000 - 1605, 'x'), std::string("\0\x01\xfe\x80", 4), "100002  junk",
                      jones.substr(0, 9 + 40 * 3 + 39)},
                     {trip + std::string(100000 - 1178, '9')}));
    // This time the line holds the last block time, blank: the extract's 0 stands.
    ExpectCarryIn(0, {{28, officeDay}, {29, Day(0, 0, 0, 0, 0, 111, 0)}, {30, Day(600, 600, 0, 0, 330, 0, 1)}},
                  {{28, "OF "}, {30, "V0001"}}, 420, 0);
    // Slots 0-2 of the cut line load; slot 3 lacks its end time.
    ExpectCarryIn(1, {{28, officeDay}}, {{28, "OF "}}, 0, 0);
    EXPECT_EQ(Shown(),
              (std::vector<Call>{question,
                                 question,
                                 {Kind::ShowList, kErrorsTitle,
                                  "Crew Activity Line for JONES A is too Short. Last Month's Data not Loaded."}}));
    const std::string wrongLength = "Crew Activity Record Line Not Correct Length\n";
    EXPECT_EQ(log.lines,
              (std::vector<std::string>{"LoadLastMonthsDataFromExtractBegin\n", "Progress Dialog Created\n",
                                        wrongLength, "LoadingLastMonthsDataFor SMITH J 100001\n", wrongLength,
                                        wrongLength, wrongLength, "LoadingLastMonthsDataFor JONES A 100002\n",
                                        "Substring out of Range\n", "LoadLastMonthsData Finished...\n"}));
    doc->RunLog = nullptr;
}

// The pairing lines end at the first short one: a trip listed after an "END" line is not found.
TEST_F(ActivityExtract, PairingsAfterAShortLineAreNotSearched) {
    const std::string before = PairingLine("V0001", Mar(20), Mar(20), 600, 600, 0, 660).Daily(1, "YUL", 300, 330).s;
    const std::string after = PairingLine("V0002", Mar(31), Mar(31), 600, 600, 0, 660).Daily(1, "YUL", 300, 330).s;
    const std::string smith = CrewLine(100001).Pairing(0, "V0001", Mar(20)).Pairing(1, "V0002", Mar(31)).s;
    ASSERT_TRUE(Load({smith}, {before, "END", after}));
    EXPECT_EQ(Shown(), (std::vector<Call>{
                           {Kind::ShowList, kErrorsTitle, "Could not find Pairing V0002 to Assign to SMITH J."}}));
    ExpectCarryIn(0, {{19, Day(600, 600, 0, 0, 330, 0, 1)}}, {{19, "V0001"}}, 0, 0);
}

// Loading again replaces last month's data: a member no longer in the extract carries nothing
// in, while the month's own day codes stay.
TEST_F(ActivityExtract, ReloadClearsWhatTheExtractNoLongerHolds) {
    TPilot& jones = doc->Crew[1];
    jones.PrevDayData[5] = Day(1, 2, 3, 4, 5, 6, 1, 1);
    jones.PrevDayData[45] = Day(1, 2, 3, 4, 5, 6, 1, 1);
    jones.DayText[5] = "OLD";
    jones.DayText[45] = "VAC";
    jones.LegalCheckIn = 500;
    jones.CreditCarriedIn = 600;
    jones.ReservedSettingsA = {1, 2};
    ASSERT_TRUE(Load({CrewLine(100001).s}, {PairingLine("V0001", Mar(31), Mar(31), 600, 600, 0, 660).s}));
    ExpectCarryIn(1, {}, {{45, "VAC"}}, 0, 0);
    EXPECT_EQ(jones.ReservedSettingsA, (std::array<int32_t, 2>{0, 0}));
}

// A trip that starts on the oldest day: its daily entries keep their one-day offset, the entry
// of the day before it is dropped, and nothing lands a day late.
TEST_F(ActivityExtract, TripOnTheOldestDayKeepsItsDailyFigures) {
    const std::string trip = PairingLine("V0007", Mar(1), Mar(1), 600, 2000, 800, 660)
                                 .Daily(0, "XXX", 999, 999)
                                 .Daily(1, "YUL", 300, 400)
                                 .Daily(2, "YYZ", 250, 350)
                                 .s;
    ASSERT_TRUE(Load({CrewLine(100001).Pairing(0, "V0007", Mar(1)).s}, {trip}));
    ExpectCarryIn(0, {{0, Day(600, 2000, 0, 0, 400, 0, 1)}, {1, Day(0, 0, 0, 0, 350, 0, 1)}}, {{0, "V0007"}}, 0, 0);
}

}  // namespace
