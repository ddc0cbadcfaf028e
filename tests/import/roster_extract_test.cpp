#include "import/roster_extract.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <memory>
#include <string>
#include <vector>

#include "fake_interaction.h"
#include "model/document.h"
#include "recording_log.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;
using lw::model::Document;
using lw::model::TPilot;
using lw::platform::Answer;
using lw::test::FakeInteraction;
using Call = FakeInteraction::Call;
using Kind = FakeInteraction::Kind;

const std::string kNotEmployeeExtract =
    "This May Not Be a Valid Employee Record Extract! Do You Want to Try Load it Anyway";
const std::string kFileError = "File Error - Unable to Load Roster from this file.";

Call Shown(const std::string& text, const std::string& title = "Linewright") { return {Kind::Message, title, text}; }
Call Asked(const std::string& text) { return {Kind::Ask, "Linewright", text}; }

std::string Pad(std::string text, size_t width) {
    text.resize(width, ' ');
    return text;
}

// One employee record as CrewTrac writes it: number, surname, initial, group key, the
// columns between (hire dates and the like), the code field, and whatever follows.
std::string Employee(const std::string& number, const std::string& surname, char initial, const std::string& key,
                     const std::string& codes, size_t length = lw::import::kRosterLineLength) {
    std::string line = Pad(number, 9) + Pad(surname, 20) + initial + " " + Pad(key, 8);
    line += Pad("19980415 20240301 A1", 77 - line.size());
    line += Pad(codes, 12);
    line += "0000000123 END";
    line.resize(length, '9');
    return line;
}

std::string Lines(const std::vector<std::string>& lines, const std::string& end = "\n") {
    std::string out;
    for (const std::string& l : lines) out += l + end;
    return out;
}

// Every field the roster extract gives a member, and whether the rest is a new record's.
std::string Describe(const TPilot& p) {
    const TPilot fresh;
    const bool clean = p.DayAssignment == fresh.DayAssignment && p.DayCode == fresh.DayCode &&
                       p.DayActivity == fresh.DayActivity && p.BidsReserve == fresh.BidsReserve &&
                       p.QuickNotes.empty() && p.CreditCarriedIn == 0 && p.LegalCheckIn == 0;
    return std::to_string(p.EmployeeNumber) + "|" + p.Name + "|" + p.RosterStatus + "|Q" +
           std::to_string(p.Qualification) + " L" + std::to_string(p.LanguageBits) + " T" +
           std::to_string(p.TrainingFlag) + " TZ" + std::to_string(p.NoTz) + " YCG" + std::to_string(p.NoYcg) +
           " min" + std::to_string(p.MinBlock) + " max" + std::to_string(p.MaxBlock) + " off" +
           std::to_string(p.MinDaysOff) + (clean ? "" : " NOT-FRESH");
}

class RosterExtract : public ::testing::Test {
protected:
    void SetUp() override {
        doc_ = std::make_unique<Document>();
        doc_->RunLog = &log_;
        UsePilots("YYZDH8CAZ");
        // The month's reduced-block settings, distinct from the check-pilot limits.
        doc_->ReducedMin = 2400;
        doc_->ReducedMax = 2700;
        doc_->ReducedMinDaysOff = 21;
    }

    void UsePilots(const std::string& groupCode) {
        doc_->CrewGroup = lw::model::kCaptains;
        doc_->GroupCode = groupCode;
    }
    void UseCabin(const std::string& groupCode) {
        doc_->CrewGroup = lw::model::kFlightAttendants;
        doc_->GroupCode = groupCode;
    }

    fs::path Write(const std::string& bytes, const std::string& name = "0324perp.ext") {
        const fs::path path = dir_ / name;
        lw::test::WriteBytes(path, bytes);
        return path;
    }

    bool Load(const fs::path& file) { return lw::import::LoadRosterExtract(*doc_, ui_, file, &folder_); }

    std::vector<std::string> Roster() const {
        std::vector<std::string> out;
        for (int r = 0; r < doc_->CrewCount; ++r) out.push_back(Describe(doc_->Crew[static_cast<size_t>(r)]));
        return out;
    }

    // A month that already has a roster with a block, to see what a refused load leaves.
    void GiveRoster() {
        TPilot& a = doc_->Crew[0];
        a.EmployeeNumber = 4711;
        a.Name = "K OLDHAND";
        a.DayAssignment[3] = lw::model::kDayActivity;
        a.DayCode[3] = "VAC";
        doc_->Crew[1].EmployeeNumber = 4712;
        doc_->Crew[1].Name = "L OLDTIMER";
        doc_->CrewCount = 2;
        doc_->Modified = false;
        before_ = Roster();
    }
    void ExpectRosterUnchanged() {
        EXPECT_EQ(Roster(), before_);
        EXPECT_EQ(doc_->Crew[0].DayCode[3], "VAC");
        EXPECT_FALSE(doc_->Modified);
    }

    lw::test::TempFolder dir_;
    lw::test::RecordingLog log_;
    std::unique_ptr<Document> doc_;
    FakeInteraction ui_;
    fs::path folder_;
    std::vector<std::string> before_;
};

TEST_F(RosterExtract, TakesTheGroupsMembersInSeniorityOrder) {
    GiveRoster();
    doc_->Crew[5].Name = "LEFT OVER";  // rows past the new roster are cleared too
    const std::string file = Lines({
        Employee("000012345", "TREMBLAY", 'J', "YYZDH8CA", "LA LC"),
        Employee("000023456", "ROY", 'M', "YYZE75CA", "LA"),  // other equipment
        Employee("000034567", "GAGNON", 'P', "YYZDH8FO", ""),  // other status
        Employee("000045678", "COTE", 'A', "YULDH8CA", ""),   // other base
        Employee("000056789", "BOUCHARD", 'L', "YYZDH8CA", "ZT PT", lw::import::kRosterLongLineLength),
        Employee("   67890 ", "O'NEIL-SMITH", 'R', "YYZDH8CA", "AR"),
    }, "\r\n");
    // The month already holds blocks (K OLDHAND's VAC): No keeps every one of them.
    ui_.answers = {Answer::No};
    EXPECT_FALSE(Load(Write(file)));
    EXPECT_EQ(doc_->Crew[5].Name, "LEFT OVER");
    ExpectRosterUnchanged();
    EXPECT_EQ(log_.lines, std::vector<std::string>{"BeginCreateNewRosterFromExtract\n"});
    log_.lines.clear();
    ui_.calls.clear();
    ui_.answers = {Answer::Yes};
    EXPECT_TRUE(Load(Write(file)));
    EXPECT_EQ(std::count(ui_.calls.begin(), ui_.calls.end(), Call{Kind::Ask, "Linewright", lw::import::kReplaceRosterQuestion}),
              1);
    EXPECT_EQ(Roster(), (std::vector<std::string>{
                            "12345|J TREMBLAY|LA LC       |Q4 L0 T0 TZ0 YCG0 min4800 max5100 off0",
                            "56789|L BOUCHARD|ZT PT       |Q0 L0 T1 TZ1 YCG0 min0 max0 off0",
                            "67890|R O'NEIL-SMITH|AR          |Q0 L1 T0 TZ0 YCG0 min0 max0 off0",
                        }));
    EXPECT_EQ(Describe(doc_->Crew[3]), Describe(TPilot{}));
    EXPECT_EQ(doc_->Crew[5].Name, "");
    EXPECT_TRUE(doc_->Modified);
    EXPECT_EQ(folder_, dir_.Path());
    EXPECT_EQ(ui_.Messages(), std::vector<Call>{});
    EXPECT_EQ(log_.lines, (std::vector<std::string>{"BeginCreateNewRosterFromExtract\n", "J TREMBLAY 12345 Loaded\n",
                                                    "L BOUCHARD 56789 Loaded\n", "R O'NEIL-SMITH 67890 Loaded\n",
                                                    "CreateNewRosterFromExtractComplete\n"}));
}

TEST_F(RosterExtract, CabinCrewAreChosenByBaseAlone) {
    UseCabin("YYZDH8FAZ");
    const std::string file = Lines({
        Employee("000000101", "LEBLANC", 'S', "YYZE75FA", "FR"),
        Employee("000000102", "PELLETIER", 'D', "YYZDH8PU", "IT"),
        Employee("000000103", "MARTIN", 'C', "YULDH8FA", "FR IT"),  // other base
        Employee("000000104", "GIRARD", 'E', "YYZ", "IT FR RB"),
        // Pilot codes mean nothing for cabin crew.
        Employee("000000105", "LAVOIE", 'F', "YYZCRJFA", "LA LC AR MR"),
    });
    EXPECT_TRUE(Load(Write(file, "0324perc.ext")));
    EXPECT_EQ(Roster(), (std::vector<std::string>{
                            "101|S LEBLANC|FR          |Q0 L1 T0 TZ0 YCG0 min0 max0 off0",
                            "102|D PELLETIER|IT          |Q2 L0 T0 TZ0 YCG0 min0 max0 off0",
                            "104|E GIRARD|IT FR RB    |Q2 L1 T0 TZ0 YCG0 min2400 max2700 off21",
                            "105|F LAVOIE|LA LC AR MR |Q0 L0 T0 TZ0 YCG0 min0 max0 off0",
                        }));
    EXPECT_EQ(ui_.Messages(), std::vector<Call>{});
}

TEST_F(RosterExtract, PilotCodesSetQualificationLanguagesAndLimits) {
    const std::vector<std::string> codes = {
        "LA LC RB",      // reduced block wins over the check-pilot limits
        "RB LC LA",      // the order in the field does not matter
        "LA",            // check pilot
        "LC",            // check B
        "LB",            // LTC
        "LB LC",         // LC without LA
        "LA LB",         // LA without LC
        "AR MR ZT PC",   // both languages, training, no YCG
        "MR",            // medical only
        "la lc pt",      // read upper-cased
        "          LA",  // the last two columns of the field
        "XLAX",          // a code is found anywhere in the field
        "FR IT",         // cabin codes mean nothing for pilots
        "",
    };
    std::vector<std::string> lines;
    for (size_t i = 0; i < codes.size(); ++i)
        lines.push_back(Employee(std::to_string(1000 + i), "PILOT", 'A', "YYZDH8CA", codes[i]));
    // Codes past column 88 are not the employee's codes.
    std::string late = Employee("2000", "LATE", 'B', "YYZDH8CA", "", lw::import::kRosterLongLineLength);
    late.replace(89, 2, "LA");
    lines.push_back(late);
    EXPECT_TRUE(Load(Write(Lines(lines))));
    EXPECT_EQ(Roster(), (std::vector<std::string>{
                            "1000|A PILOT|LA LC RB    |Q4 L0 T0 TZ0 YCG0 min2400 max2700 off21",
                            "1001|A PILOT|RB LC LA    |Q4 L0 T0 TZ0 YCG0 min2400 max2700 off21",
                            "1002|A PILOT|LA          |Q3 L0 T0 TZ0 YCG0 min4800 max5100 off0",
                            "1003|A PILOT|LC          |Q1 L0 T0 TZ0 YCG0 min0 max0 off0",
                            "1004|A PILOT|LB          |Q2 L0 T0 TZ0 YCG0 min0 max0 off0",
                            "1005|A PILOT|LB LC       |Q1 L0 T0 TZ0 YCG0 min0 max0 off0",
                            "1006|A PILOT|LA LB       |Q3 L0 T0 TZ0 YCG0 min4800 max5100 off0",
                            "1007|A PILOT|AR MR ZT PC |Q0 L3 T1 TZ0 YCG1 min0 max0 off0",
                            "1008|A PILOT|MR          |Q0 L2 T0 TZ0 YCG0 min0 max0 off0",
                            "1009|A PILOT|LA LC PT    |Q4 L0 T0 TZ1 YCG0 min4800 max5100 off0",
                            "1010|A PILOT|          LA|Q3 L0 T0 TZ0 YCG0 min4800 max5100 off0",
                            "1011|A PILOT|XLAX        |Q3 L0 T0 TZ0 YCG0 min4800 max5100 off0",
                            "1012|A PILOT|FR IT       |Q0 L0 T0 TZ0 YCG0 min0 max0 off0",
                            "1013|A PILOT|            |Q0 L0 T0 TZ0 YCG0 min0 max0 off0",
                            "2000|B LATE|            |Q0 L0 T0 TZ0 YCG0 min0 max0 off0",
                        }));
}

TEST_F(RosterExtract, AShortLineEndsTheRoster) {
    // 50 characters is still a record (its codes lie past its end); 49 ends the data.
    const std::string file = Lines({
        Employee("1", "FIRST", 'A', "YYZDH8CA", "LA"),
        Employee("3", "THIRD", 'C', "YYZDH8CA", "LC"),
        Employee("2", "SHORT", 'B', "YYZDH8CA", "", 50),
        Employee("4", "CUT", 'D', "YYZDH8CA", "", 49),
        Employee("5", "AFTER", 'E', "YYZDH8CA", "LC"),
    });
    EXPECT_TRUE(Load(Write(file)));
    EXPECT_EQ(Roster(), (std::vector<std::string>{
                            "1|A FIRST|LA          |Q3 L0 T0 TZ0 YCG0 min4800 max5100 off0",
                            "3|C THIRD|LC          |Q1 L0 T0 TZ0 YCG0 min0 max0 off0",
                            "2|B SHORT||Q0 L0 T0 TZ0 YCG0 min0 max0 off0",
                        }));
    EXPECT_EQ(ui_.Messages(), std::vector<Call>{});
}

TEST_F(RosterExtract, AnUnusualSecondLineIsQuestioned) {
    const std::string good = Employee("1", "FIRST", 'A', "YYZDH8CA", "LA");
    const std::string odd = Employee("2", "ODD", 'B', "YYZDH8CA", "", 120);
    const std::vector<std::string> files = {
        Lines({good, odd}),
        Lines({good}),  // no second line
        good + "\n" + Employee("2", "ODD", 'B', "YYZDH8CA", "", 100000) + "\n",
    };
    for (size_t i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(i);
        GiveRoster();
        ui_.calls.clear();
        ui_.answers = {Answer::No};
        EXPECT_FALSE(Load(Write(files[i])));
        EXPECT_EQ(ui_.calls, std::vector<Call>{Asked(kNotEmployeeExtract)});
        ExpectRosterUnchanged();

        ui_.calls.clear();
        ui_.answers = {Answer::Yes, Answer::Yes};  // load it anyway; replace the month's roster
        EXPECT_TRUE(Load(Write(files[i])));
        EXPECT_EQ(ui_.calls.front(), Asked(kNotEmployeeExtract));
        EXPECT_EQ(ui_.Messages(), std::vector<Call>{});
        EXPECT_EQ(Roster().front(), "1|A FIRST|LA          |Q3 L0 T0 TZ0 YCG0 min4800 max5100 off0");
    }
    // The 100 000-character line is a member like any other.
    EXPECT_EQ(Roster(), (std::vector<std::string>{
                            "1|A FIRST|LA          |Q3 L0 T0 TZ0 YCG0 min4800 max5100 off0",
                            "2|B ODD|            |Q0 L0 T0 TZ0 YCG0 min0 max0 off0",
                        }));
}

TEST_F(RosterExtract, FailuresLeaveTheRosterAsItWas) {
    const std::string good = Lines({Employee("1", "FIRST", 'A', "YYZDH8CA", "LA"),
                                    Employee("2", "SECOND", 'B', "YYZDH8CA", "")});
    struct Case {
        std::string name;
        std::string groupCode;
        fs::path file;
        std::vector<Answer> answers;
        std::vector<Call> calls;
    };
    const fs::path missing = dir_ / "none-perp.ext";
    const std::vector<Case> cases = {
        {"group code too short", "YYZDH8CA", Write(good),  {},
         {Shown("The Crew Group Code \"YYZDH8CA\" is not 9 Characters. Roster not Loaded.")}},
        {"group code too long", "YYZDH8CAZZ", Write(good), {},
         {Shown("The Crew Group Code \"YYZDH8CAZZ\" is not 9 Characters. Roster not Loaded.")}},
        {"missing file", "YYZDH8CAZ", missing, {}, {Shown(missing.string(), "Unable to Open File")}},
        {"a folder", "YYZDH8CAZ", dir_.Path(), {}, {Shown(kFileError)}},
        {"empty file", "YYZDH8CAZ", Write("", "empty"), {Answer::Yes},
         {Asked(kNotEmployeeExtract),
          Shown("No Crew Members for YYZDH8CA Found in this Roster Extract. Roster not Loaded.")}},
        {"another group's file", "YYZE75FOY", Write(good), {},
         {Shown("No Crew Members for YYZE75FO Found in this Roster Extract. Roster not Loaded.")}},
        {"binary junk", "YYZDH8CAZ", Write(std::string("\x7f" "ELF\x02\x01\x01\0\0\0\n\xff\xfe", 14) +
                                               std::string(300, '\0') + "\n" + std::string(5000, '\x9c'), "junk"),
         {Answer::Yes},
         {Asked(kNotEmployeeExtract),
          Shown("No Crew Members for YYZDH8CA Found in this Roster Extract. Roster not Loaded.")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GiveRoster();
        doc_->GroupCode = c.groupCode;
        ui_.calls.clear();
        ui_.answers.assign(c.answers.begin(), c.answers.end());
        EXPECT_FALSE(Load(c.file));
        std::vector<Call> seen;
        for (const Call& call : ui_.calls)
            if (call.kind != Kind::SetBusy) seen.push_back(call);
        EXPECT_EQ(seen, c.calls);
        ExpectRosterUnchanged();
    }
}

TEST_F(RosterExtract, HoldsAtMost999Members) {
    // Row 999 is the legality trial's scratch copy: 999 members fit, a thousandth refuses
    // the whole file rather than cutting off the most junior.
    std::string file;
    for (int i = 1; i <= 999; ++i) file += Employee(std::to_string(i), "CREW", 'A', "YYZDH8CA", "") + "\n";
    EXPECT_TRUE(Load(Write(file)));
    EXPECT_EQ(doc_->CrewCount, 999);
    EXPECT_EQ(Describe(doc_->Crew[998]), "999|A CREW|            |Q0 L0 T0 TZ0 YCG0 min0 max0 off0");
    EXPECT_EQ(Describe(doc_->Crew[999]), Describe(TPilot{}));

    GiveRoster();
    file += Employee("1000", "JUNIOR", 'Z', "YYZDH8CA", "") + "\n";
    EXPECT_FALSE(Load(Write(file)));
    const std::string tooMany = "The Roster Extract holds more than 999 Crew Members for YYZDH8CA. Roster not Loaded.";
    EXPECT_EQ(ui_.Messages(), std::vector<Call>{Shown(tooMany)});
    ExpectRosterUnchanged();
}

TEST_F(RosterExtract, LinesThatCannotMakeAMemberAreListed) {
    const std::string file = Lines({
        Employee("000000011", "FIRST", 'A', "YYZDH8CA", ""),
        Employee("         ", "NONUMBER", 'B', "YYZDH8CA", ""),   // would be the open-time line
        Employee("-00000001", "NEGATIVE", 'C', "YYZDH8CA", ""),   // would be the captain-pairings line
        Employee("000000000", "ZERO", 'D', "YYZDH8CA", ""),
        Employee("0000012AB", "LETTERS", 'E', "YYZDH8CA", ""),
        Employee("000000011", "TWIN", 'F', "YYZDH8CA", ""),       // numbers are unique
        Employee("000000022", std::string("BAD\x01\tNAME"), 'G', "YYZDH8CA", ""),
        Employee("0000012AB", "OTHERGROUP", 'H', "YULDH8CA", ""),  // not ours: not listed
    });
    EXPECT_TRUE(Load(Write(file)));
    EXPECT_EQ(Roster(), (std::vector<std::string>{
                            "11|A FIRST|            |Q0 L0 T0 TZ0 YCG0 min0 max0 off0",
                            "22|G BAD  NAME|            |Q0 L0 T0 TZ0 YCG0 min0 max0 off0",
                        }));
    EXPECT_EQ(ui_.calls.back(), (Call{Kind::ShowList, "Warnings from Roster Extract Load",
                                      "Line 2: Employee Number of B NONUMBER is not Valid. Not Loaded.\n"
                                      "Line 3: Employee Number of C NEGATIVE is not Valid. Not Loaded.\n"
                                      "Line 4: Employee Number of D ZERO is not Valid. Not Loaded.\n"
                                      "Line 5: Employee Number of E LETTERS is not Valid. Not Loaded.\n"
                                      "Line 6: Employee Number 11 of F TWIN is already on the Roster for A FIRST. "
                                      "Not Loaded."}));
    EXPECT_EQ(ui_.Messages(), std::vector<Call>{});
}

TEST_F(RosterExtract, OpenDialogStartsInTheLastFolder) {
    const lw::platform::FileRequest request = lw::import::RosterExtractRequest("/data/crewtrac");
    EXPECT_EQ(request.title, "Load Crew Roster from Extract");
    EXPECT_EQ(request.filter, "CrewTrac Extract Files (*perp.ext *perc.ext)|*perp.ext;*perc.ext|All Files (*.*)|*.*");
    EXPECT_EQ(request.folder, "/data/crewtrac");
    EXPECT_EQ(request.suggestedName, "");
    EXPECT_EQ(lw::import::kLastRosterPathSetting, "LastRosterPath");
}

}  // namespace
