#include "import/pairing_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "fake_interaction.h"
#include "import/pairing_records.h"
#include "model/document.h"
#include "recording_log.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;
using lw::import::LoadPairingFile;
using lw::base::Date;
using lw::model::Document;
using lw::model::TPair;
using lw::test::FakeInteraction;
using Call = FakeInteraction::Call;
using namespace lw::test::prg;

const Call kNotPrg{"Message", "Linewright", "This does not appear to be a valid PRG file. The first char should be 1"};
const Call kNoPairings{"Message", "Linewright", "Unable to load pairings from this file"};
const Call kBroken{"Message", "Linewright",
                   "File Error - Unable to Load Pairings from this file. See Next Message Box for Progress"};
Call Progress(const std::string& trace) { return {"Message", "Pair Loading Progress", trace}; }

// One pairing flying one day: report, a segment, the duty, all on the given day of the month.
std::string Trip(const std::string& pairing, int day, int report = 360, int tafb = 600, int month = 3,
                 const std::string& complement = "CA01FO01") {
    const std::string codes = pairing.substr(0, 2);
    const Ymd date{2025, month, day};
    const Ymd dutyDate{2025, month, report % 1440 == 0 ? day + 1 : day};
    return Header{.pairing = pairing, .date = date, .report = report, .tafb = tafb, .complement = complement}.Line() +
           Segment{.codes = codes, .date = dutyDate}.Line() + Duty{.codes = codes, .date = dutyDate}.Line();
}

// The figures of one stored pairing, in one line.
std::string Figures(const TPair& p) {
    std::string out = p.BaseEqpCode + " " + std::to_string(p.PairNumber) + " " + p.PairType + " rep " +
                      std::to_string(p.ReportTime) + " rel " + std::to_string(p.ReleaseTime) + " len " +
                      std::to_string(p.PairLength) + " tafb " + std::to_string(p.Tafb) + " days";
    for (int d = 0; d < 31; ++d)
        if (p.DayStatus[static_cast<size_t>(d)]) out += " " + std::to_string(d) + ":" + std::to_string(p.DayStatus[d]);
    out += " credit " + std::to_string(p.TotalCredit);
    for (int d = 0; d < 3; ++d) out += "," + std::to_string(p.DailyCredit[static_cast<size_t>(d)]);
    out += " start " + std::to_string(p.DailyStart[0]) + " duty " + std::to_string(p.DailyDuty[0]) + " fat " +
           std::to_string(p.FatigueUnits) + " rest " + std::to_string(p.RestAfter) + " lay " + p.Layovers +
           (p.LateRelease ? " late" : "");
    return out;
}

class PairingLoader : public ::testing::Test {
protected:
    PairingLoader() { NewMonth(3, 31, "YYZDH8CAZ", lw::model::kCaptains); }

    void NewMonth(int month, int days, const std::string& group, int8_t crewGroup) {
        doc = std::make_unique<Document>();
        doc->SetMonthDates(lw::base::Date::FromDmy(1, month, 2025), lw::base::Date::FromDmy(days, month, 2025), ui);
        doc->GroupCode = group;
        doc->CrewGroup = crewGroup;
        doc->RunLog = &log;
        ui.calls.clear();
    }
    bool Load(const std::string& text, std::string_view manual = "", bool ignore = false) {
        lw::test::WriteBytes(prg, text);
        ui.calls.clear();
        log.lines.clear();
        return LoadPairingFile(*doc, ui, prg, manual, ignore, &folder);
    }
    std::vector<std::string> All() const {
        std::vector<std::string> out;
        for (int i = 0; i <= doc->LastPairIndex; ++i) out.push_back(Figures(doc->Pairings[static_cast<size_t>(i)]));
        return out;
    }
    std::string Designations() const {
        std::string out;
        for (int i = 0; i <= doc->LastPairIndex; ++i) {
            const TPair& p = doc->Pairings[static_cast<size_t>(i)];
            out += (i ? "," : "") + p.BaseEqpCode + std::to_string(p.PairNumber % 1000) + p.PairType;
        }
        return out;
    }

    lw::test::TempFolder dir;
    fs::path prg = dir / "month.PRG";
    fs::path folder;
    std::unique_ptr<Document> doc;
    FakeInteraction ui;
    lw::test::RecordingLog log;
};

TEST_F(PairingLoader, OnePairingPerBlockRunWithItsOperatingDates) {
    const std::string first = Trip("Z8101", 3);
    const std::string repeat = Header{.date = {2025, 3, 10}}.Line() + Segment{.flight = "0999"}.Line() +
                               Duty{.credit = 999}.Line();
    ASSERT_TRUE(Load(first + repeat + Trip("Z8102", 5) + Trip("Z8101", 20)));
    EXPECT_EQ(All(), (std::vector<std::string>{
                         "Z8 8101 CA rep 360 rel 960 len 1 tafb 600 days 2:1 9:1 credit 300,300,0,0 start 360 duty "
                         "300 fat 360 rest 660 lay ",
                         "Z8 8102 CA rep 360 rel 960 len 1 tafb 600 days 4:1 credit 300,300,0,0 start 360 duty 300 "
                         "fat 360 rest 660 lay ",
                         "Z8 8101 CA rep 360 rel 960 len 1 tafb 600 days 19:1 credit 300,300,0,0 start 360 duty 300 "
                         "fat 360 rest 660 lay "}));
    EXPECT_EQ(doc->Pairings[0].SourceLine, first);
    EXPECT_EQ(doc->LastLoadedPairIndex, 2);
    EXPECT_TRUE(doc->Modified);
    EXPECT_EQ(folder, dir.Path());
    EXPECT_TRUE(ui.Messages().empty());
    EXPECT_EQ(log.Text(),
              "BeginLoadPRGPairs\nLoading Pair 8101  Index is -1\nLoading Pair 8101  Index is 0\n"
              "Loading Pair 8102  Index is 0\nLoading Pair 8101  Index is 1\nZeroDataBegin\nZeroDataEnd\n");
    const auto begin = std::find(ui.calls.begin(), ui.calls.end(), Call{"BeginProgress", "Loading PRG Pairings", "100"});
    ASSERT_NE(begin, ui.calls.end());
    const auto end = std::find(begin, ui.calls.end(), Call{"EndProgress", "", ""});
    ASSERT_NE(end, ui.calls.end());
    EXPECT_EQ(*(end - 1), (Call{"Progress", "100", "Completed 100 of 100"}));
    EXPECT_EQ(*(end + 2), (Call{"BeginProgress", "Scanning for USA Segments", "100"}));
    EXPECT_EQ(ui.statusTexts, (std::vector<std::string>{"Loading Pairs", ""}));
}

TEST_F(PairingLoader, TripTimesLayoversCreditAndRest) {
    const Header longTrip{.pairing = "Z8105", .tafb = 4000, .credit = 1500};
    std::string file = Trip("Z8101", 3, 360, 1080) + Trip("Z8102", 3, 360, 2000) + Trip("Z8103", 5, 1440) +
                       Trip("Z8104", 5, 0) + Trip("Z8106", 3, 1380, 150) + longTrip.Line();
    // Duties on trip days 1 (twice), 2 and 4: each day keeps its last station, the gap repeats one.
    for (auto [day, station] : {std::pair{3, "YUL"}, {3, "YOW"}, {4, "YUL"}, {6, "YYZ"}})
        file += Duty{.date = {2025, 3, day}, .station = station}.Line();
    // Credits that do not add up: the difference goes to the last day that has credit.
    file += Header{.pairing = "Z8107", .credit = 330}.Line() + Duty{}.Line();
    file += Header{.pairing = "Z8108", .tafb = 2000, .credit = 330}.Line() + Duty{}.Line() +
            Duty{.date = {2025, 3, 4}, .credit = 0}.Line();
    file += Header{.pairing = "Z8109", .tafb = 2000, .credit = 450}.Line() + Duty{}.Line() +
            Duty{.date = {2025, 3, 4}, .credit = 100}.Line();
    // Three time zones crossed on a duty: 9 hours elapsed for 6 on duty.
    file += Header{.pairing = "Z8110"}.Line() + Duty{.end = 900, .duty = 360, .credit = 300}.Line();
    file += Header{.pairing = "Z8111"}.Line() + Duty{.end = 900, .duty = 540, .credit = 300}.Line();
    file += Header{.pairing = "Z8112"}.Line() + Duty{.start = 1200, .end = 300, .credit = 300}.Line();
    ASSERT_TRUE(Load(file));
    const std::string tail = " start 360 duty 300 fat 360 rest 660 lay ";
    EXPECT_EQ(All(), (std::vector<std::string>{
                         "Z8 8101 CA rep 360 rel 1440 len 1 tafb 1080 days 2:1 credit 300,300,0,0" + tail,
                         "Z8 8102 CA rep 360 rel 920 len 2 tafb 2000 days 2:1 credit 300,300,0,0" + tail,
                         "Z8 8103 CA rep 0 rel 600 len 1 tafb 600 days 5:1 credit 300,300,0,0" + tail,
                         "Z8 8104 CA rep 0 rel 600 len 1 tafb 600 days 5:1 credit 300,300,0,0" + tail,
                         "Z8 8106 CA rep 1380 rel 90 len 2 tafb 150 days 2:1 credit 300,300,0,0" + tail + " late",
                         "Z8 8105 CA rep 360 rel 40 len 4 tafb 4000 days 2:1 credit 1500,600,300,0 start 360 duty "
                         "300 fat 1200 rest 660 lay YOWYULYUL",
                         "Z8 8107 CA rep 360 rel 960 len 1 tafb 600 days 2:1 credit 330,330,0,0 start 360 duty 300 "
                         "fat 300 rest 660 lay ",
                         "Z8 8108 CA rep 360 rel 920 len 2 tafb 2000 days 2:1 credit 330,330,0,0 start 360 duty 300 "
                         "fat 600 rest 660 lay YOW",
                         "Z8 8109 CA rep 360 rel 920 len 2 tafb 2000 days 2:1 credit 450,300,150,0 start 360 duty "
                         "300 fat 600 rest 660 lay YOW",
                         "Z8 8110 CA rep 360 rel 960 len 1 tafb 600 days 2:1 credit 300,300,0,0 start 360 duty 360 "
                         "fat 360 rest 780 lay ",
                         "Z8 8111 CA rep 360 rel 960 len 1 tafb 600 days 2:1 credit 300,300,0,0 start 360 duty 540 "
                         "fat 540 rest 660 lay ",
                         "Z8 8112 CA rep 360 rel 960 len 1 tafb 600 days 2:1 credit 300,300,0,0 start 1200 duty 300 "
                         "fat 300 rest 780 lay "}));
}

TEST_F(PairingLoader, CopiesPerCrewGroupAndEquipmentSelection) {
    std::string file;
    for (const char* p : {"Z8101", "Z2102", "ZX103", "V8104", "Z7105", "M7106", "M2107", "MX108"})
        file += Trip(p, 3, 360, 600, 3, "CA02FO01FA02PU01");
    file += Trip("Z8109", 3, 360, 600, 3, "CA01") + Trip("Z8110", 3, 360, 600, 3, "FA01");
    auto loaded = [&](const std::string& group, int8_t crew, std::string_view manual = "", bool ignore = false) {
        NewMonth(3, 31, group, crew);
        return Load(file, manual, ignore) ? Designations() : "refused";
    };
    using lw::model::kCaptains, lw::model::kFirstOfficers, lw::model::kFlightAttendants;
    EXPECT_EQ(loaded("YYZDH8CAZ", kCaptains), "Z8101CA,Z8101CA,ZX103CA,ZX103CA,Z8109CA");
    EXPECT_EQ(loaded("YYZDH8FOZ", kFirstOfficers), "Z8101FO,ZX103FO");
    EXPECT_EQ(loaded("YULCRJCAM", kCaptains), "M7106CA,M7106CA,M2107CA,M2107CA");
    EXPECT_EQ(loaded("YULCRJ", kFirstOfficers), "M7106FO,M2107FO");
    EXPECT_EQ(loaded("YYZDH8FAZ", kFlightAttendants),
              "Z8101PU,Z8101FA,Z8101FA,Z2102PU,Z2102FA,Z2102FA,ZX103PU,ZX103FA,ZX103FA,Z7105PU,Z7105FA,Z7105FA,Z8110FA");
    EXPECT_EQ(loaded("YYZDH8FAZ", kFlightAttendants, "Z7"), "ZX103PU,ZX103FA,ZX103FA,Z7105PU,Z7105FA,Z7105FA");
    EXPECT_EQ(loaded("YYZDH8FOZ", kFirstOfficers, "V"), "V8104FO");
    EXPECT_EQ(loaded("YYZDH8FOZ", kFirstOfficers, "Z8", true), "Z8101FO,Z2102FO,ZX103FO,Z7105FO");
    EXPECT_EQ(loaded("YYZDH8FOZ", kFirstOfficers, "Q"), "refused");
    EXPECT_EQ(ui.Messages(), std::vector<Call>{kNoPairings});
}

TEST_F(PairingLoader, PairingsAcrossTheClockChangeAreShifted) {
    // Second Sunday of March 2025 is the 9th: the clock goes forward at 02:00 on day index 8.
    ASSERT_TRUE(Load(Trip("Z8101", 9, 60) + Trip("Z8102", 8, 1200, 1000) + Trip("Z8103", 9, 180) +
                     Trip("Z8104", 3, 1200, 1000) + Header{.pairing = "Z8104", .date = {2025, 3, 8}}.Line() +
                     Trip("Z8105", 9, 60, 1380)));
    EXPECT_EQ(doc->DstChangeTime, 8 * 1440 + 120);
    std::vector<std::string> got;
    for (const std::string& f : All()) got.push_back(f.substr(0, f.find(" credit")));
    EXPECT_EQ(got, (std::vector<std::string>{"Z8 8101 CA rep 60 rel 720 len 1 tafb 600 days 8:1",
                                             "Z8 8102 CA rep 1200 rel 820 len 2 tafb 1000 days 7:1",
                                             "Z8 8103 CA rep 180 rel 780 len 1 tafb 600 days 8:1",
                                             "Z8 8104 CA rep 1200 rel 760 len 2 tafb 1000 days 2:1 7:1",
                                             "Z8 8105 CA rep 60 rel 60 len 2 tafb 1380 days 8:1"}));

    // November 2025: back at 02:00 on Sunday the 2nd, day index 1.
    NewMonth(11, 30, "YYZDH8CAZ", lw::model::kCaptains);
    ASSERT_TRUE(Load(Trip("Z8101", 1, 1380, 300, 11) + Trip("Z8102", 1, 1000, 1910, 11)));
    EXPECT_EQ(doc->DstShift, -60);
    got.clear();
    for (const std::string& f : All()) got.push_back(f.substr(0, f.find(" credit")));
    EXPECT_EQ(got, (std::vector<std::string>{"Z8 8101 CA rep 1380 rel 180 len 2 tafb 300 days 0:1",
                                             "Z8 8102 CA rep 1000 rel 1410 len 2 tafb 1910 days 0:1"}));
}

TEST_F(PairingLoader, ReloadKeepsAssignmentsThatStillFitAndAsksBeforeDroppingTheRest) {
    ASSERT_TRUE(Load(Trip("Z8101", 3) + Header{.date = {2025, 3, 10}}.Line() + Trip("Z8102", 5) + Trip("Z8103", 7)));
    doc->CrewCount = 2;
    doc->Crew[0].Name = "SMITH J";
    doc->Crew[0].EmployeeNumber = 12345;
    doc->Crew[1].Name = "JONES K";
    doc->Crew[1].EmployeeNumber = 23456;
    auto assign = [&](int row, int day, int index) {
        doc->Crew[static_cast<size_t>(row)].DayAssignment[static_cast<size_t>(day)] = index;
        doc->Pairings[static_cast<size_t>(index)].DayStatus[static_cast<size_t>(day)] = 2;
    };
    assign(0, 2, 0);
    assign(0, 4, 1);
    assign(1, 6, 2);
    assign(1, 9, 0);
    // The undo history names the pairings by table index, oldest first here.
    doc->History.Record(0, 0, 2, 1);
    doc->History.Record(0, 1, 4, 1);
    doc->History.Record(1, 2, 6, 1);
    doc->History.Record(1, 0, 9, 1);
    const std::vector<lw::model::TAction> history = doc->History.Actions();
    doc->Modified = false;
    const std::vector<std::string> before = All();

    // Z8102 moves to the front, Z8101 no longer flies the 10th, Z8103 moves to the 8th.
    const std::string reload = Trip("Z8102", 5) + Trip("Z8101", 3) + Trip("Z8103", 8);
    const Call question{"Ask", "Linewright",
                        "These crew assignments do not fit the new pairings and will be removed:\n"
                        "  Z8103 on MAR.07 - JONES K (23456)\n  Z8101 on MAR.10 - JONES K (23456)\n"
                        "Load the new pairings?"};
    ui.answers = {lw::platform::Answer::No};
    EXPECT_FALSE(Load(reload));
    EXPECT_EQ(ui.calls.back(), question);
    EXPECT_EQ(All(), before);
    EXPECT_EQ(doc->Crew[1].DayAssignment[6], 2);
    EXPECT_EQ(doc->History.Actions(), history);
    EXPECT_FALSE(doc->Modified);

    ui.answers = {lw::platform::Answer::Yes};
    ASSERT_TRUE(Load(reload));
    EXPECT_EQ(ui.Messages(), std::vector<Call>{});
    EXPECT_EQ(std::vector<int>(doc->Crew[0].DayAssignment.begin(), doc->Crew[0].DayAssignment.begin() + 10),
              (std::vector<int>{-1, -1, 1, -1, 0, -1, -1, -1, -1, -1}));
    EXPECT_EQ(doc->Crew[1].DayAssignment[6], -1);
    EXPECT_EQ(doc->Crew[1].DayAssignment[9], -1);
    EXPECT_EQ(Designations(), "Z8102CA,Z8101CA,Z8103CA");
    EXPECT_EQ(doc->Pairings[0].DayStatus[4], 2);
    EXPECT_EQ(doc->Pairings[1].DayStatus[2], 2);
    EXPECT_EQ(doc->Pairings[2].DayStatus[7], 1);
    // Undo follows each pairing to its new index; the two whose day is gone cannot be undone.
    EXPECT_EQ(doc->History.Actions(), (std::vector<lw::model::TAction>{{.Kind = 1, .Day = 4, .Crew = 0, .Pair = 0},
                                                                        {.Kind = 1, .Day = 2, .Crew = 0, .Pair = 1}}));
}

TEST_F(PairingLoader, TableHoldsThreeThousandPairingsAndRefusesMore) {
    std::string file;
    for (int n = 0; n < 1000; ++n)
        file += Header{.pairing = "Z8" + std::string(3 - std::to_string(n).size(), '0') + std::to_string(n),
                       .complement = "CA03"}
                    .Line();
    ASSERT_TRUE(Load(file));
    EXPECT_EQ(doc->LastPairIndex, 2999);
    EXPECT_EQ(doc->Pairings[2999].PairNumber, 8999);
    doc->Modified = false;
    EXPECT_FALSE(Load(file + Header{.pairing = "ZX001"}.Line()));
    EXPECT_EQ(ui.Messages(), (std::vector<Call>{{"Message", "Linewright",
                                                 "Maximum Number of Pairings Reached. Not all Pairings Loaded"}}));
    EXPECT_EQ(doc->LastPairIndex, 2999);
    EXPECT_EQ(doc->Pairings[2999].PairNumber, 8999);
    EXPECT_FALSE(doc->Modified);
}

TEST_F(PairingLoader, BadFilesLeaveTheDocumentAsItWas) {
    ASSERT_TRUE(Load(Trip("Z8101", 3)));
    doc->Modified = false;
    const std::vector<std::string> before = All();
    const std::string good = Trip("Z8101", 3) + Trip("Z8102", 4);
    const std::string junk("\x00\xff\x13\n1\x00\x7f", 7);
    struct Case {
        std::string name, text;
        std::vector<Call> shown;
    };
    const std::vector<Case> cases = {
        {"empty", "", {kNotPrg}},
        {"starts with 2", Segment{}.Line() + good, {kNotPrg}},
        {"binary", junk, {kNotPrg}},
        {"binary after a 1", "1" + junk + junk, {kNoPairings}},
        {"other base only", Trip("V8101", 3), {kNoPairings}},
        {"unknown complement", Trip("Z8101", 3, 360, 600, 3, "XX02YY01"), {kNoPairings}},
        {"header too short", good + Header{.pairing = "Z8103"}.Line().substr(0, 144) + "\n", {kBroken, Progress("8101 8102 8103 ")}},
        {"segment too short", good + Header{.pairing = "Z8103"}.Line() + Segment{}.Line().substr(0, 50), {kBroken, Progress("8101 8102 8103 ")}},
        {"hotel cut off", good + Header{.pairing = "Z8103"}.Line() + Duty{}.Line().substr(0, 80), {kBroken, Progress("8101 8102 8103 ")}},
        {"duty before the trip", good + Header{.pairing = "Z8103"}.Line() + Duty{.date = {2025, 3, 2}}.Line(), {kBroken, Progress("8101 8102 8103 ")}},
        {"duty date impossible", Header{}.Line() + Duty{.date = {2025, 2, 30}}.Line(), {kBroken, Progress("8101 ")}},
        {"pairing number 0", Header{.pairing = "ZX000"}.Line(), {kBroken, Progress("0 ")}},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(Load(c.text)) << c.name;
        EXPECT_EQ(ui.Messages(), c.shown) << c.name;
        EXPECT_EQ(All(), before) << c.name;
        EXPECT_FALSE(doc->Modified) << c.name;
    }

    EXPECT_FALSE(LoadPairingFile(*doc, ui, dir / "missing.PRG", "", false));
    EXPECT_EQ(ui.calls.back(), (Call{"Message", "Unable to Open File", (dir / "missing.PRG").string()}));
    EXPECT_FALSE(LoadPairingFile(*doc, ui, dir.Path(), "", false));
    EXPECT_EQ(ui.calls.back(), (Call{"Message", "Unable to Open File", dir.Path().string()}));

    ui.keepGoing = false;  // the planner stops the progress window
    EXPECT_FALSE(Load(good));
    EXPECT_TRUE(ui.Messages().empty());
    EXPECT_EQ(All(), before);
}

TEST_F(PairingLoader, LongShortAndForeignLinesAreReadSafely) {
    std::string longSegment = Segment{}.Line();
    longSegment.pop_back();
    longSegment.resize(100000, 'x');
    // The tail of an overlong line is skipped, even where it looks like a record.
    std::string longJunk = "#" + std::string(997, 'j') + Trip("Z8999", 3);
    std::replace(longJunk.begin(), longJunk.end(), '\n', ' ');
    longJunk.resize(300000, 'j');  // longer than the reader's buffer
    const std::string shortHeader = Header{.credit = 999}.Line().substr(0, 200) + "\n";
    const std::string shortSegment = Segment{}.Line().substr(0, 66) + "\n";
    const std::string file = Header{.pairing = "V8101"}.Line() + Duty{}.Line() + shortHeader + longSegment + "\n" + shortSegment + "7Z8 unknown record\n" +
                             "\n" + Duty{}.Line() + longJunk + "\n" + Trip("Z8102", 4);
    ASSERT_TRUE(Load(file));
    std::string source = shortHeader + longSegment.substr(0, 998) + "\n" + shortSegment + Duty{}.Line();
    EXPECT_EQ(doc->Pairings[0].SourceLine, source);
    EXPECT_EQ(Designations(), "Z8101CA,Z8102CA");
    EXPECT_EQ(doc->Pairings[1].SourceLine, Trip("Z8102", 4));
    EXPECT_EQ(doc->Pairings[0].TotalCredit, 0);
    EXPECT_EQ(log.Text(),
              "BeginLoadPRGPairs\nLoading Pair 8101  Index is -1\nCannot GetInt. String too Short\n"
              "Cannot GetInt. String too Short\nLoading Pair 8102  Index is 0\nZeroDataBegin\nZeroDataEnd\n");

    // The same file with Windows line ends reads the same.
    const std::string text = doc->Pairings[0].PairText + doc->Pairings[1].PairText;
    std::string crlf;
    for (char c : file) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    ASSERT_TRUE(Load(crlf));
    EXPECT_EQ(doc->Pairings[0].SourceLine, source);
    EXPECT_EQ(doc->Pairings[0].PairText + doc->Pairings[1].PairText, text);
    EXPECT_EQ(doc->Pairings[1].SourceLine, Trip("Z8102", 4));
}

TEST_F(PairingLoader, DialogCodes) {
    EXPECT_EQ(lw::import::DialogPairingCodes(*doc, ui, true, "", "8"), std::nullopt);
    EXPECT_EQ(ui.Messages(), (std::vector<Call>{{"Message", "Linewright", "You have not entered a Base Code."}}));
    auto codes = [&](bool manual, std::string_view base, std::string_view eqp) {
        const auto c = lw::import::DialogPairingCodes(*doc, ui, manual, base, eqp);
        return c ? c->manualCodes + (c->ignoreEquipment ? " any" : "") : "none";
    };
    EXPECT_EQ(codes(true, "z", "8"), "Z8");
    EXPECT_EQ(codes(true, "Z", ""), "Z any");
    EXPECT_EQ(codes(false, "Z", "8"), "");
    doc->CrewGroup = lw::model::kFlightAttendants;
    EXPECT_EQ(codes(false, "", ""), " any");
}

}  // namespace
