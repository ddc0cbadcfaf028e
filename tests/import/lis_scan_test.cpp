#include "import/lis_scan.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "fake_interaction.h"
#include "model/document.h"
#include "base/log_sink.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;
using lw::base::Date;
using lw::model::Document;
using lw::platform::Answer;
using lw::test::FakeInteraction;
using Call = FakeInteraction::Call;
using Kind = FakeInteraction::Kind;

const std::string kUnreadable =
    "Unable to Read Data from one or more LIS File(s). Try opening file(s) in WordPad and Save as Type Text Document.";
const std::string kErrorsTitle = "Flag CRA and French Pairings Errors";
const std::string kSummaryTitle = "Flag French Pairings from LIS Summary";
const std::string kMeals = "MEALS US: B L D   MEALS CAD: B L D  \n";
const std::string kNoUsMeals = "MEALS CAD: B L D  \n";
// A listing page rule far longer than any real line; it also makes the listing long enough.
const std::string kRule = std::string(100000, '-') + "\n";

// A leg of the listing: its flight number stands 71 characters (63 in cabin listings) before
// the aircraft type mark.
std::string Leg(std::string_view flight, std::string_view type = "", size_t offset = 71) {
    std::string line = std::string(flight) + std::string(offset - flight.size(), ' ');
    return line + (type.empty() ? "     " : std::string(type) + " [") + " 0700 1020 ]\n";
}

// A leg of the pairing's own text, and the same leg with its type tag 35 characters after
// the flight number.
std::string TextLeg(std::string_view flight) { return " " + std::string(flight) + std::string(40, '.') + "\n"; }
std::string TaggedLeg(std::string_view flight, std::string_view type) {
    return " " + std::string(flight) + std::string(31, '.') + "  " + std::string(type) + std::string(9, '.') + "\n";
}

struct RecordingLog : lw::base::LogSink {
    std::vector<std::string> lines;
    void Write(std::string_view line) override { lines.emplace_back(line); }
};

class LisScan : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(doc->SetMonthDates(lw::base::Date::FromDmy(1, 4, 2024), lw::base::Date::FromDmy(30, 4, 2024), ui));
        ui.calls.clear();
    }

    void AddPairing(char base, int number, const std::string& text) {
        lw::model::TPair& p = doc->Pairings[static_cast<size_t>(++doc->LastPairIndex)];
        p.BaseEqpCode = std::string(1, base) + "8";
        p.PairNumber = number;
        p.PairText = text;
        p.DayStatus[0] = 1;
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> out;
        for (int i = 0; i <= doc->LastPairIndex; ++i) out.push_back(doc->Pairings[static_cast<size_t>(i)].PairText);
        return out;
    }

    fs::path Write(const std::string& name, const std::string& bytes) {
        lw::test::WriteBytes(dir / name, bytes);
        return dir / name;
    }

    // Pilot pairings V1001..V1005 and a listing of two files that holds the first three.
    std::vector<fs::path> PilotMonth() {
        AddPairing('V', 1001, "V1001\n" + TextLeg("1101") + TextLeg("1102") + TextLeg("1103") + TextLeg("1104"));
        AddPairing('V', 1002, "V1002\n" + TextLeg("1201") + TextLeg("1202") + TextLeg("1203"));
        AddPairing('V', 1003, "V1003\n" + TextLeg("1301"));
        AddPairing('V', 1004, "V1004\n");
        AddPairing('V', 1005, "V1005\n");
        return {Write("apr_1.lis", kRule + "INDEX V1003 V1001\n" + "V1001 REPORT 0700\n" + Leg("1101", "CRA") +
                                       Leg("1102", "CRA") + Leg("1103", "E75") + Leg("1104", "CRA") + kMeals),
                Write("APR_2.LIS", "V1002 REPORT 0800\n" + Leg("1201", "CRJ") + Leg("1202", "DH1") +
                                       Leg("1203", "E75") + Leg("1299", "CRA") + kNoUsMeals +
                                       // A mark too close to the block's start for a flight number.
                                       "V1003 CRA [\n" + Leg("1301") + kNoUsMeals + "V1005 LAST PAGE\n")};
    }

    lw::test::TempFolder dir;
    std::unique_ptr<Document> doc = std::make_unique<Document>();
    FakeInteraction ui;
};

TEST_F(LisScan, MarksTypesShareAndMealsAndListsTheRest) {
    const std::vector<fs::path> files = PilotMonth();
    RecordingLog log;
    doc->RunLog = &log;
    lw::import::LisScanDetails details;
    ASSERT_TRUE(lw::import::ScanLisFiles(*doc, ui, files, &details));
    doc->RunLog = nullptr;

    const std::vector<std::string> expected = {
        "V1001\n" + TaggedLeg("1101", "CRA") + TaggedLeg("1102", "CRA") + TaggedLeg("1103", "E75") +
            TaggedLeg("1104", "CRA") + " *** CRA>74% CRA>49% CRA>24% CRA>0% *** " +
            "\n   MEALS US: B L D   MEALS CAD: B L D",
        "V1002\n" + TaggedLeg("1201", "CRJ") + TaggedLeg("1202", "DH1") + TaggedLeg("1203", "E75") +
            " *** CRA>24% CRA>0% *** ",
        "V1003\n" + TextLeg("1301") + " *** CRA100% CRA>74% CRA>49% CRA>24% CRA>0% *** ",
        "V1004\n",
        "V1005\n",
    };
    EXPECT_EQ(Texts(), expected);
    EXPECT_TRUE(doc->Modified);
    EXPECT_FALSE(details.chooseAgain);
    EXPECT_EQ(details.folder, dir.Path());
    EXPECT_EQ(ui.calls, (std::vector<Call>{
                            {Kind::BeginProgress, "Scanning LIS Pairings", "5"},
                            {Kind::Progress, "1", "Scanning Pairing 1 of 5"},
                            {Kind::Progress, "2", "Scanning Pairing 2 of 5"},
                            {Kind::Progress, "3", "Scanning Pairing 3 of 5"},
                            {Kind::Progress, "4", "Scanning Pairing 4 of 5"},
                            {Kind::Progress, "5", "Scanning Pairing 5 of 5"},
                            {Kind::EndProgress, "", ""},
                            {Kind::ShowList, kErrorsTitle,
                             "V1002 Flight Number not Located\n"
                             "V1004 Not Found in LIS File.\n"
                             "V1005Incomplete in LIS File. Can't Locate MEALS CAD:"},
                            {Kind::ShowList, kSummaryTitle,
                             "Total Pairings 5.0 Pairings Flagged as French.\n"
                             "V1001 is CRA > 74%.\n"
                             "V1002 is CRA > 24%.\n"
                             "V1003 is CRA 100%."},
                        }));
    EXPECT_EQ(log.lines, (std::vector<std::string>{
                             "Scanning Pairing V1001 for CRA legs\n", "Scanning Pairing V1002 for CRA legs\n",
                             "Scanning Pairing V1003 for CRA legs\n", "Scanning Pairing V1004 for CRA legs\n",
                             "Scanning Pairing V1005 for CRA legs\n"}));

    // The same files again: tags, share and meals note are replaced, not added twice.
    doc->Modified = false;
    ASSERT_TRUE(lw::import::ScanLisFiles(*doc, ui, files));
    EXPECT_EQ(Texts(), expected);
    EXPECT_FALSE(doc->Modified);
}

// Cabin pairings: 63-character flight numbers and the French marker, set once and taken away
// when the listing no longer says FRENCH. A through flight keeps its number on both legs.
TEST_F(LisScan, FlagsFrenchCabinPairingsOnce) {
    doc->CrewGroup = lw::model::kFlightAttendants;
    AddPairing('Y', 2001, "Y2001\n" + TextLeg("2101") + TextLeg("2101"));
    AddPairing('Y', 2002, "Y2002\n" + TextLeg("2201") + " FRENCH PAIRING");
    const fs::path file =
        Write("cabin apr.lis", kRule + "Y2001 FRENCH CREW REQUIRED\n" + Leg("2101", "CRA", 63) +
                                   Leg("2101", "CRA", 63) + "MEALS US: B L D SNACK   MEALS CAD: B L D  \n" + "Y2002\n" +
                                   Leg("2201", "E75", 63) + kNoUsMeals);
    const std::vector<std::string> expected = {
        "Y2001\n" + TaggedLeg("2101", "CRA") + TaggedLeg("2101", "CRA") + " FRENCH PAIRING" +
            " *** CRA100% CRA>74% CRA>49% CRA>24% CRA>0% *** " + "\n   MEALS US: B L D SNACK   MEALS CAD: B L D",
        "Y2002\n" + TaggedLeg("2201", "E75") + " *** CRA=0% *** ",
    };
    for (int scan = 1; scan <= 2; ++scan) {
        SCOPED_TRACE(scan);
        ui.calls.clear();
        ASSERT_TRUE(lw::import::ScanLisFiles(*doc, ui, {file}));
        EXPECT_EQ(Texts(), expected);
        EXPECT_EQ(ui.calls.back(), (Call{Kind::ShowList, kSummaryTitle,
                                         "Total Pairings 2.1 Pairings Flagged as French.\n"
                                         "Y2001 is French Pairing.\n"
                                         "Y2001 is CRA 100%.\n"
                                         "Y2002 is CRA 0%."}));
    }
}

// Whatever stops the scan leaves every pairing's text as it was.
TEST_F(LisScan, RefusedOrUnreadableListingChangesNothing) {
    const std::vector<fs::path> good = PilotMonth();
    const std::vector<std::string> before = Texts();
    doc->Modified = false;
    const fs::path missing = dir / "missing_apr.lis";
    struct Case {
        const char* what;
        std::vector<fs::path> files;
        std::vector<Answer> answers;
        std::vector<Call> calls;
        bool chooseAgain = false;
        bool keepGoing = true;
    };
    const Case cases[] = {
        {"no files", {}, {}, {}},
        {"name without the month, No",
         {good[0], Write("listing.lis", "x")},
         {Answer::No},
         {{Kind::Ask, "Linewright",
           "listing.lis does not contain APR in the File Name. Are you sure this is the correct LIS File"}},
         true},
        {"empty file", {Write("empty_apr.lis", "")}, {}, {{Kind::Message, "Linewright", kUnreadable}}},
        {"binary file",
         {Write("junk_apr.lis", std::string(9000, '\0') + "V1001 MEALS CAD:")},
         {},
         {{Kind::Message, "Linewright", kUnreadable}}},
        {"too little text",
         {Write("short_apr.lis", "V1001 MEALS CAD: B L D\n")},
         {},
         {{Kind::Message, "Linewright", kUnreadable}}},
        {"one good file, one empty",
         {good[0], Write("empty2_apr.lis", "")},
         {},
         {{Kind::Message, "Linewright", kUnreadable}}},
        {"missing file",
         {missing},
         {},
         {{Kind::Message, "Linewright", "Unable to Open File " + missing.string()},
          {Kind::Message, "Linewright", kUnreadable}}},
        {"progress stopped", good, {}, {}, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ui.calls.clear();
        ui.answers.assign(c.answers.begin(), c.answers.end());
        ui.keepGoing = c.keepGoing;
        lw::import::LisScanDetails details;
        EXPECT_FALSE(lw::import::ScanLisFiles(*doc, ui, c.files, &details));
        std::vector<Call> shown;
        for (const Call& call : ui.calls)
            if (call.kind == Kind::Message || call.kind == Kind::Ask || call.kind == Kind::ShowList)
                shown.push_back(call);
        EXPECT_EQ(shown, c.calls);
        EXPECT_EQ(details.chooseAgain, c.chooseAgain);
        EXPECT_EQ(Texts(), before);
        EXPECT_FALSE(doc->Modified);
    }
}

// What each file gives: a file that cannot be opened is skipped, a binary header is passed
// over, a name without the month is used once confirmed, and a listing beyond the buffer is cut.
TEST_F(LisScan, ReadsWhatTheFilesHold) {
    AddPairing('V', 1001, "V1001\n" + TextLeg("1101"));
    const std::string block = "V1001\n" + Leg("1101", "CRA") + kNoUsMeals;
    const std::string marked =
        "V1001\n" + TaggedLeg("1101", "CRA") + " *** CRA100% CRA>74% CRA>49% CRA>24% CRA>0% *** ";
    const std::string header = std::string(500, '\x01') + std::string(500, '\0');  // NULs up to offset 999
    const fs::path missing = dir / "gone_apr.lis";
    const fs::path big = Write("big_apr.lis", std::string(lw::import::kLisBufferSize - 3, 'x') + "\n" + block);

    ui.answers = {Answer::Yes};
    ASSERT_TRUE(lw::import::ScanLisFiles(*doc, ui, {missing, Write("listing.lis", header + kRule + block)}));
    EXPECT_EQ(doc->Pairings[0].PairText, marked);
    std::vector<Call> shown;
    for (const Call& call : ui.calls)
        if (call.kind == Kind::Message || call.kind == Kind::Ask || call.kind == Kind::ShowList) shown.push_back(call);
    EXPECT_EQ(
        shown,
        (std::vector<Call>{
            {Kind::Ask, "Linewright",
             "listing.lis does not contain APR in the File Name. Are you sure this is the correct LIS File"},
            {Kind::Message, "Linewright", "Unable to Open File " + missing.string()},
            {Kind::ShowList, kSummaryTitle, "Total Pairings 1.0 Pairings Flagged as French.\nV1001 is CRA 100%."}}));

    ui.calls.clear();
    ASSERT_TRUE(lw::import::ScanLisFiles(*doc, ui, {big}));
    EXPECT_EQ(
        ui.Messages(),
        (std::vector<Call>{{Kind::Message, "Linewright", "LIS File is Larger than buffer. Some data was not Loaded"}}));
    EXPECT_EQ(ui.calls.back(), (Call{Kind::ShowList, kSummaryTitle, "Total Pairings 1.0 Pairings Flagged as French."}));
    EXPECT_EQ(ui.calls[ui.calls.size() - 2], (Call{Kind::ShowList, kErrorsTitle, "V1001 Not Found in LIS File."}));
    EXPECT_EQ(doc->Pairings[0].PairText, marked);
}

}  // namespace
