#include "model/activity_codes.h"

#include <gtest/gtest.h>

#include "recording_log.h"

#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "model/document.h"
#include "base/time_text.h"
#include "base/log_sink.h"

namespace lw::model {
static void PrintTo(const TAbsence& a, std::ostream* os) {
    *os << "{" << a.Code << "|" << a.ExtractCode << "|" << a.Caption << "|" << a.StartTime << "|" << a.EndTime << "|"
        << a.Credit << "|" << a.HardTime << "|" << a.ContainsDuty << a.CarsDuty << a.CreditCounts << a.InToolbox << "}";
}
static void PrintTo(const OutsideCodeMatch& m, std::ostream* os) {
    *os << "{" << m.code << "|" << m.credit << "|" << m.hardTime << "|" << m.containsDuty << m.carsDuty << m.reserve
        << m.creditCounts << "}";
}
static void PrintTo(const ToolboxButton& b, std::ostream* os) {
    *os << "{" << b.label << "|" << b.value << "|" << b.caption << "|" << b.reserve << b.excludeCredit << "|"
        << b.rect.left << "," << b.rect.top << "," << b.rect.width << "," << b.rect.height << "|";
    PrintTo(b.activity, os);
    *os << "}";
}
}  // namespace lw::model

namespace {

using lw::model::BuildToolbox;
using lw::model::Document;
using lw::model::LookupOutsideCode;
using lw::model::OutsideCodeMatch;
using lw::model::TAbsence;
using lw::model::Toolbox;
using lw::model::ToolboxButton;
using lw::model::ToolboxRect;

using lw::test::RecordingLog;

std::unique_ptr<Document> NewDocument(lw::model::CrewGroupKind group) {
    auto doc = std::make_unique<Document>();
    doc->CrewGroup = group;
    return doc;
}

// "h:mm" as typed in the planners' table; empty is no time.
int Minutes(std::string_view hm) {
    if (hm.empty()) return 0;
    const size_t colon = hm.find(':');
    return std::stoi(std::string(hm.substr(0, colon))) * 60 + std::stoi(std::string(hm.substr(colon + 1)));
}

// ---------------------------------------------------------------- built-in table

constexpr char kCabin = 'C';
constexpr char kPilot = 'P';

struct ExpectedRow {
    std::string_view code;
    char crew;
    std::string_view credit;  // "" = none
    char creditMark;
    bool duty;
    bool cars;
    std::string_view description;
    std::string_view outsideCode;
    std::string_view start;
    std::string_view end;
};

// The activity table as the planners keep it.
const ExpectedRow kExpectedRows[] = {
    {"5HS", kCabin, "5:00", 'I', true, false, "HEALTH AND SAFETY 5", "5H", "8:00", "18:00"},
    {"4HS", kPilot, "4:30", 'I', true, false, "HEALTH AND SAFETY", "4H", "8:00", "16:00"},
    {"ALP", kPilot, "4:30", 'I', true, false, "ALPA Day", "AL", "9:00", "17:00"},
    {"ALU", kPilot, "", 'I', false, false, "ALPA Unpaid Day", "--", "9:00", "17:00"},
    {"ATJ", kCabin, "4:00", 'I', true, false, "", "AJ", "9:00", "17:00"},
    {"LW", kCabin, "5:00", 'I', true, false, "Linewright Day", "LW", "8:00", "18:00"},
    {"LW", kPilot, "4:30", 'I', true, false, "Linewright Day", "LW", "9:00", "17:00"},
    {"BRG", kCabin, "5:00", 'I', true, false, "Bargaining Commitee", "BR", "8:00", "18:00"},
    {"BST", kCabin, "2:50", 'I', false, false, "Bid Award Stat Day.", "BT", "12:00", "16:00"},
    {"COB", kCabin, "4:00", 'I', true, false, "Company Business", "CB", "8:00", "16:00"},
    {"COB", kPilot, "4:30", 'I', true, false, "Company Business", "CB", "8:00", "16:00"},
    {"CPT", kPilot, "4:00", 'I', true, true, "Cockpit Pro. Trn", "CP", "8:00", "12:00"},
    {"CBT", kPilot, "4:00", 'I', true, true, "Computer Based Train", "CT", "8:00", "17:00"},
    {"CIR", kPilot, "4:00", 'I', true, true, "Circuits Company Use", "CR", "9:00", "17:00"},
    {"CRI", kPilot, "5:18", 'I', true, true, "CRM Instructor", "CI", "8:00", "18:00"},
    {"CRM", kCabin, "4:00", 'E', true, true, "CREW RESOURCE MGMT", "CM", "10:00", "18:00"},
    {"CRM", kPilot, "4:00", 'I', true, true, "Crew Resource Mgmt", "CM", "10:00", "18:00"},
    {"DFD", kPilot, "2:00", 'I', false, false, "Duty Free Day", "DD", "12:00", "16:00"},
    {"DOR", kCabin, "", 'I', false, false, "Day Off Required", "--", "12:00", "16:00"},
    {"FAT", kCabin, "4:45", 'I', true, false, "FIRST AID", "FT", "9:00", "16:00"},
    {"FLS", kPilot, "5:00", 'I', true, true, "Flight Safety", "FS", "9:00", "17:00"},
    {"FOC", kCabin, "4:00", 'I', true, false, "FOCUS GROUP", "FC", "8:00", "17:00"},
    {"FRN", kCabin, "4:00", 'I', true, false, "FRENCH TRAINING", "FN", "8:30", "15:30"},
    {"FSA", kCabin, "5:00", 'I', true, false, "F/A Special Assignmt", "FA", "8:00", "18:00"},
    {"GO", kCabin, "", 'I', false, false, "Guaranteed Day Off", "GO", "12:00", "16:00"},
    {"GO", kPilot, "", 'I', false, false, "Guaranteed Day Off", "GO", "12:00", "16:00"},
    {"GS", kPilot, "4:00", 'I', true, true, "Ground School", "GS", "8:00", "17:00"},
    {"GSI", kPilot, "5:18", 'I', true, true, "GRS Instructor", "GI", "8:00", "18:00"},
    {"HTL", kCabin, "5:00", 'I', true, false, "Hotel Commitee", "HO", "8:00", "18:00"},
    {"IDO", kPilot, "5:00", 'I', true, false, "CRM Inst on Day Off", "I8", "9:00", "17:00"},
    {"INS", kCabin, "5:00", 'I', true, false, "F/A TRNG INSTRUCTOR", "IS", "8:00", "16:00"},
    {"IPT", kPilot, "4:00", 'I', true, true, "Inst Procedures Trn", "IP", "8:00", "12:00"},
    {"ITR", kPilot, "4:00", 'I', true, true, "Initial Training", "IT", "9:00", "17:00"},
    {"LDS", kCabin, "4:00", 'I', false, false, "Leadership Training", "LS", "10:00", "17:00"},
    {"LOA", kCabin, "2:50", 'I', false, false, "Leave of Absence", "LA", "12:00", "16:00"},
    {"LOA", kPilot, "2:50", 'I', false, false, "Leave of Absence", "LA", "12:00", "16:00"},
    {"MAT", kCabin, "2:50", 'I', false, false, "Maternity Leave", "MT", "12:00", "16:00"},
    {"MAT", kPilot, "2:50", 'I', false, false, "Maternity Leave", "MT", "12:00", "16:00"},
    {"MED", kCabin, "2:50", 'I', false, false, "Medical Leave", "MD", "12:00", "16:00"},
    {"MED", kPilot, "2:50", 'I', false, false, "Medical Leave", "MD", "12:00", "16:00"},
    {"MOV", kCabin, "4:00", 'I', false, false, "Moving Days", "MV", "12:00", "16:00"},
    {"MOV", kPilot, "2:50", 'I', false, false, "Moving Days", "MV", "12:00", "16:00"},
    {"MOD", kCabin, "2:30", 'I', false, false, "Modified Work", "MW", "12:00", "13:00"},
    {"OF", kCabin, "4:00", 'I', true, true, "OFFICE DAY", "OC", "8:00", "16:00"},
    {"OF", kPilot, "4:30", 'I', true, true, "Office Day", "OC", "8:00", "17:00"},
    {"REC", kCabin, "4:00", 'E', true, false, "F/A RECURENT TRNG", "RT", "9:00", "17:00"},
    {"RA", kCabin, "4:00", 'I', true, false, "Reserve A", "RA", "4:00", "18:00"},
    {"RA", kPilot, "", 'I', true, true, "Reserve A", "RA", "3:00", "17:00"},
    {"RB", kCabin, "4:00", 'I', true, false, "Reserve B", "RB", "12:00", "02:00"},
    {"RB", kPilot, "", 'I', true, true, "Reserve B", "RB", "12:00", "02:00"},
    {"RE", kCabin, "4:00", 'I', true, false, "Reserve Early", "RE", "3:00", "17:00"},
    {"RCK", kPilot, "", 'D', true, true, "Check Pilot Reserve", "RK", "7:00", "19:00"},
    {"SDO", kPilot, "", 'I', false, false, "DAY OFF IN STAT WK", "SO", "12:00", "16:00"},
    {"SEC", kCabin, "4:00", 'I', true, true, "Security Training", "SC", "8:00", "17:00"},
    {"SEC", kPilot, "4:00", 'I', true, true, "Security Train I/W", "SC", "8:00", "17:00"},
    {"SEW", kPilot, "4:00", 'E', true, true, "Secur Train OutWin", "SW", "8:00", "17:00"},
    {"SIM", kPilot, "4:00", 'I', true, true, "Simulator Day", "SM", "9:00", "15:00"},
    {"STA", kPilot, "4:00", 'I', false, false, "STAT", "SA", "12:00", "16:00"},
    {"STA", kCabin, "4:00", 'I', false, false, "STAT", "SA", "12:00", "16:00"},
    {"STT", kPilot, "4:00", 'I', false, false, "STAT", "ST", "12:00", "16:00"},
    {"STT", kCabin, "4:00", 'I', false, false, "Stat Day - Operation", "ST", "12:00", "16:00"},
    {"TBK", kCabin, "2:50", 'I', false, false, "TIME BANK", "TK", "12:00", "16:00"},
    {"TEA", kCabin, "5:00", 'I', true, false, "Teamster Day", "TE", "8:00", "18:00"},
    {"TRN", kCabin, "4:00", 'I', true, false, "Training", "TN", "9:00", "17:00"},
    {"TRN", kPilot, "4:00", 'I', true, true, "TRAINING", "TN", "9:00", "17:00"},
    {"TVL", kCabin, "4:00", 'I', true, true, "Travel Day", "TL", "12:00", "16:00"},
    {"TVL", kPilot, "4:30", 'I', true, true, "Travel Day", "TL", "9:00", "17:00"},
    {"TVU", kCabin, "", 'I', false, false, "Travel Day Unpaid", "TU", "12:00", "12:01"},
    {"TVU", kPilot, "", 'I', false, false, "Travel Day Unpaid", "TU", "12:00", "12:01"},
    {"TVS", kPilot, "4:00", 'I', true, true, "Travel and Sim Day", "TS", "8:00", "16:00"},
    {"UNF", kCabin, "5:00", 'I', true, false, "Uniform Commitee", "UN", "8:00", "18:00"},
    {"UTF", kCabin, "", 'I', false, false, "Unable to Fly", "UF", "8:00", "16:00"},
    {"UTF", kPilot, "", 'I', false, false, "Unable to Fly", "UF", "8:00", "16:00"},
    {"VAC", kCabin, "2:50", 'I', false, false, "Vacation", "VC", "12:00", "16:00"},
    {"VAC", kPilot, "2:50", 'I', false, false, "Vacation", "VC", "12:00", "16:00"},
    {"VAU", kPilot, "2:50", 'I', false, false, "Vacation Unpaid", "VU", "12:00", "16:00"},
    {"VAU", kCabin, "2:50", 'I', false, false, "Vacation Unpaid", "VU", "12:00", "16:00"},
    {"SIW", kPilot, "4:00", 'E', true, true, "Simulator Day OutWin", "74", "9:00", "15:00"},
    {"CRW", kPilot, "4:00", 'E', true, true, "Crew Rsc Mgmt OutWin", "CW", "10:00", "18:00"},
    {"GRW", kPilot, "4:00", 'E', true, true, "Ground School OutWin", "GW", "8:00", "17:00"},
    {"LCK", kPilot, "5:18", 'I', false, false, "Line Check Day", "LC", "7:00", "19:00"},
    {"SMI", kPilot, "5:18", 'I', true, true, "Simulator Inst Day", "SI", "9:00", "15:00"},
    {"VTP", kPilot, "5:18", 'I', false, false, "Check Pilot Vac Day", "VT", "12:00", "16:00"},
    {"WCB", kCabin, "", 'U', false, false, "WORKERS COMPENSATION", "64", "12:00", "12:01"},
    {"WCB", kPilot, "", 'U', false, false, "WORKERS COMPENSATION", "64", "12:00", "12:01"},
    {"LTD", kCabin, "", 'U', false, false, "Long Term Disability", "LD", "12:00", "12:01"},
    {"LTD", kPilot, "", 'U', false, false, "Long Term Disability", "LD", "12:00", "12:01"},
    {"PSD", kCabin, "", 'U', false, false, "Preplanned STD", "PD", "12:00", "12:01"},
    {"PSD", kPilot, "", 'U', false, false, "Preplanned STD", "PD", "12:00", "12:01"},
    {"IPW", kPilot, "4:00", 'E', true, true, "Inst ProcTrng OutWin", "IW", "8:00", "17:00"},
    {"CPW", kPilot, "4:00", 'E', true, true, "Ckpit ProcTrn OutWin", "68", "8:00", "17:00"},
    {"CBW", kPilot, "4:00", 'E', true, true, "Comp BsdTrn OutWin", "BW", "8:00", "17:00"},
    {"SEW", kPilot, "4:00", 'E', true, true, "SEC OutWin", "SW", "8:00", "17:00"},
    {"TVW", kPilot, "4:00", 'E', true, true, "Travl Sim Day OutWin", "TW", "8:00", "17:00"},
    {"ALP", kPilot, "4:30", 'G', false, false, "ALPA Day", "53", "9:00", "17:00"},
    {"SCK", kPilot, "4:00", 'G', false, false, "SICK", "54", "0:00", "0:00"},
    {"LCK", kPilot, "", 'U', false, false, "", "62", "0:01", "0:02"},
    {"LCP", kPilot, "", 'U', false, false, "Line Check Pending", "59", "1:00", "2:00"},
    {"SMI", kPilot, "4:00", 'D', false, false, "Sim Instruction", "SU", "9:00", "17:00"},
    {"LPC", kPilot, "", 'P', true, true, "CONDUCTING LINE CK", "LC", "0:00", "0:00"},
    {"GDV", kPilot, "", 'U', false, false, "G-Day w/Vacation", "GV", "12:00", "12:01"},
    {"DDT", kPilot, "4:30", 'D', false, false, "Double Training Duty", "49", "0:00", "0:00"},
    {"IPI", kPilot, "4:00", 'G', false, false, "IPT Instructor", "56", "8:00", "17:00"},
    {"RSF", kCabin, "4:00", 'D', true, true, "Reserve Call First", "67", "0:01", "23:59"},
    {"RSF", kPilot, "", 'D', true, true, "Reserve Call First", "67", "12:00", "12:01"},
    {"OWP", kCabin, "", 'P', false, false, "OFF WITH PAY", "H9", "12:00", "12:01"},
    {"OWP", kPilot, "", 'P', false, false, "OFF WITH PAY", "52", "12:00", "12:01"},
    {"ONP", kCabin, "", 'U', false, false, "OFF NO PAY", "OP", "12:00", "12:01"},
    {"ONP", kPilot, "", 'U', false, false, "OFF NO PAY", "OP", "12:00", "12:01"},
    {"FPG", kCabin, "", 'P', true, false, "FLT PAY GUARANTEE", "FG", "12:00", "12:01"},
    {"FPG", kPilot, "", 'P', false, false, "FLT PAY GUARANTEE", "FG", "12:00", "12:01"},
    {"BEV", kCabin, "", 'P', false, false, "Bereavement", "BV", "0:00", "0:00"},
    {"BEV", kPilot, "", 'P', false, false, "Bereavement", "BV", "0:00", "0:00"},
    {"SKU", kCabin, "", 'U', false, false, "Sick Unpaid", "61", "0:00", "0:00"},
    {"SKU", kPilot, "", 'U', false, false, "Sick Unpaid", "61", "0:00", "0:00"},
    {"RTA", kCabin, "", 'U', true, false, "Res Trade Add", "69", "0:00", "0:00"},
    {"RTA", kPilot, "", 'U', true, false, "RES TTRADE ADD", "69", "0:00", "0:00"},
};

// Reads an "h:mm" field whose hours start at pos; also checks the colon sits where it belongs.
int RowMinutes(std::string_view row, size_t pos, bool mayBeBlank) {
    if (mayBeBlank && row.substr(pos, 5) == "     ") return 0;
    EXPECT_EQ(row[pos + 2], ':') << "at column " << pos + 2 << " of: " << row;
    return lw::base::GetInt(row, static_cast<int>(pos), 2) * 60 + lw::base::GetInt(row, static_cast<int>(pos) + 3, 2);
}

TEST(ActivityTable, EveryRowHoldsItsValuesInTheReadColumns) {
    ASSERT_EQ(std::size(kExpectedRows), lw::model::kBuiltInActivities.size());
    for (size_t i = 0; i < std::size(kExpectedRows); ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        const std::string_view row = lw::model::kBuiltInActivities[i];
        const ExpectedRow& want = kExpectedRows[i];
        ASSERT_LE(row.size(), lw::model::kBuiltInRowMaxLength);
        ASSERT_GE(row.size(), 132u);

        std::string code(want.code);
        code.resize(3, ' ');  // a two-letter code keeps its blank
        std::string description(want.description);
        description.resize(20, ' ');
        EXPECT_EQ(row.substr(0, 3), code);
        EXPECT_EQ(row[6], want.crew);
        EXPECT_EQ(row[23], want.creditMark);
        EXPECT_EQ(RowMinutes(row, 26, true), Minutes(want.credit));
        EXPECT_EQ(row.substr(26, 5) == "     ", want.credit.empty());
        EXPECT_EQ(row[42], want.duty ? 'D' : ' ');
        EXPECT_EQ(row[43], want.cars ? 'D' : ' ');
        EXPECT_EQ(row.substr(50, 20), description);
        EXPECT_EQ(row.substr(71, 2), want.outsideCode);
        EXPECT_EQ(RowMinutes(row, 121, false), Minutes(want.start));
        EXPECT_EQ(RowMinutes(row, 127, false), Minutes(want.end));
    }
}

// ---------------------------------------------------------------- CrewTrac code lookup

OutsideCodeMatch Match(std::string code, int credit, bool duty, bool cars, bool reserve) {
    return {std::move(code), credit, 0, duty, cars, reserve, true};
}

TEST(ActivityLookup, PilotCodesFromTheBuiltInTable) {
    for (auto group : {lw::model::kCaptains, lw::model::kFirstOfficers}) {
        SCOPED_TRACE(static_cast<int>(group));
        auto doc = NewDocument(group);
        // Reserves: two-letter codes keep their blank; "RK" is the check pilot reserve.
        EXPECT_EQ(LookupOutsideCode(*doc, "RB"), Match("RB ", 0, true, true, true));
        EXPECT_EQ(LookupOutsideCode(*doc, "RA"), Match("RA ", 0, true, true, true));
        EXPECT_EQ(LookupOutsideCode(*doc, "RK"), Match("RCK", 0, true, true, true));
        EXPECT_EQ(LookupOutsideCode(*doc, "VC"), Match("VAC", 170, false, false, false));
        EXPECT_EQ(LookupOutsideCode(*doc, "SM"), Match("SIM", 240, true, true, false));
        EXPECT_EQ(LookupOutsideCode(*doc, "LW"), Match("LW ", 270, true, false, false));
        // The credit mark does not matter here: an excluded row still counts its credit.
        EXPECT_EQ(LookupOutsideCode(*doc, "SW"), Match("SEW", 240, true, true, false));
        // The first row wins: "LC" is both the line check day and conducting a line check.
        EXPECT_EQ(LookupOutsideCode(*doc, "LC"), Match("LCK", 318, false, false, false));
        EXPECT_EQ(LookupOutsideCode(*doc, "--"), Match("ALU", 0, false, false, false));
        EXPECT_EQ(LookupOutsideCode(*doc, "69"), Match("RTA", 0, true, false, false));
        // Cabin-only codes, reserve codes without a row, and partial codes are not found.
        EXPECT_EQ(LookupOutsideCode(*doc, "5H"), std::nullopt);
        EXPECT_EQ(LookupOutsideCode(*doc, "RE"), std::nullopt);
        EXPECT_EQ(LookupOutsideCode(*doc, "R"), std::nullopt);
        EXPECT_EQ(LookupOutsideCode(*doc, "RBX"), std::nullopt);
        EXPECT_EQ(LookupOutsideCode(*doc, ""), std::nullopt);
    }
}

TEST(ActivityLookup, CabinCodesFromTheBuiltInTable) {
    auto doc = NewDocument(lw::model::kFlightAttendants);
    EXPECT_EQ(LookupOutsideCode(*doc, "VC"), Match("VAC", 170, false, false, false));
    // Reserve by display code; never a CARS mark, even where the row has one.
    EXPECT_EQ(LookupOutsideCode(*doc, "RA"), Match("RA ", 240, true, false, true));
    EXPECT_EQ(LookupOutsideCode(*doc, "RB"), Match("RB ", 240, true, false, true));
    EXPECT_EQ(LookupOutsideCode(*doc, "RE"), Match("RE ", 240, true, false, true));
    EXPECT_EQ(LookupOutsideCode(*doc, "OC"), Match("OF ", 240, true, false, false));
    EXPECT_EQ(LookupOutsideCode(*doc, "67"), Match("RSF", 240, true, false, false));
    EXPECT_EQ(LookupOutsideCode(*doc, "H9"), Match("OWP", 0, false, false, false));
    EXPECT_EQ(LookupOutsideCode(*doc, "--"), Match("DOR", 0, false, false, false));
    EXPECT_EQ(LookupOutsideCode(*doc, "RC"), std::nullopt);
    EXPECT_EQ(LookupOutsideCode(*doc, "RK"), std::nullopt);
    EXPECT_EQ(LookupOutsideCode(*doc, "SM"), std::nullopt);
}

TEST(ActivityLookup, ToolboxActivitiesReplaceTheBuiltInTable) {
    auto doc = NewDocument(lw::model::kCaptains);
    doc->Activities[0] = {"VAC", "VC", "Vacation", 720, 960, 200, 15, false, false, false, true};
    doc->Activities[1] = {"STB", "16", "Standby", 300, 900, 240, 0, true, true, true, true};
    doc->Activities[2] = {"RTB", "RB", "Return to base", 0, 0, 100, 0, true, false, true, true};
    doc->Activities[3] = {"VA2", "VC", "Second vacation", 0, 0, 999, 0, false, false, true, true};
    doc->Activities[4] = {"OLD", "OD", "Beyond the count", 0, 0, 60, 0, false, false, true, true};
    doc->ActivityCount = 4;

    EXPECT_EQ(LookupOutsideCode(*doc, "VC"), (OutsideCodeMatch{"VAC", 200, 15, false, false, false, false}));
    EXPECT_EQ(LookupOutsideCode(*doc, "16"), (OutsideCodeMatch{"STB", 240, 0, true, true, true, true}));
    EXPECT_EQ(LookupOutsideCode(*doc, "RB"), (OutsideCodeMatch{"RTB", 100, 0, true, false, false, true}));
    EXPECT_EQ(LookupOutsideCode(*doc, "OD"), std::nullopt);
    EXPECT_EQ(LookupOutsideCode(*doc, "SM"), std::nullopt);  // in the built-in table only

    // Flight attendants: "16" is not one of their reserve codes, "RC" is.
    doc->CrewGroup = lw::model::kFlightAttendants;
    doc->Activities[1].ExtractCode = "16";
    doc->Activities[3] = {"RC", "RC", "Reserve C", 0, 0, 240, 0, true, false, true, true};
    EXPECT_EQ(LookupOutsideCode(*doc, "16"), (OutsideCodeMatch{"STB", 240, 0, true, true, false, true}));
    EXPECT_EQ(LookupOutsideCode(*doc, "RC"), (OutsideCodeMatch{"RC", 240, 0, true, false, true, true}));
}

TEST(ActivityLookup, ShortPilotRowsAreLoggedAndSkipped) {
    const std::string good = std::string(lw::model::kBuiltInActivities[47]);  // "RA" pilot
    const std::string cabinGood = std::string(lw::model::kBuiltInActivities[46]);  // "RA" cabin
    const std::vector<std::string_view> rows = {"ZZ    P  too short", "ZZ    C  too short", good, cabinGood,
                                                "YY    P  also short"};
    RecordingLog log;
    auto doc = NewDocument(lw::model::kCaptains);
    doc->RunLog = &log;
    EXPECT_EQ(LookupOutsideCode(*doc, "RA", rows), Match("RA ", 0, true, true, true));
    EXPECT_EQ(log.lines, std::vector<std::string>{"Vandrel Codes Data Error\n"});

    log.lines.clear();
    EXPECT_EQ(LookupOutsideCode(*doc, "XX", rows), std::nullopt);
    EXPECT_EQ(log.lines, std::vector<std::string>(2, "Vandrel Codes Data Error\n"));

    log.lines.clear();
    doc->CrewGroup = lw::model::kFlightAttendants;
    EXPECT_EQ(LookupOutsideCode(*doc, "RA", rows), Match("RA ", 240, true, false, true));
    EXPECT_TRUE(log.lines.empty());
}

// ---------------------------------------------------------------- toolbox

ToolboxRect At(int column, int row) { return {column * 37, row * 22, 35, 20}; }

std::vector<std::string> Labels(const Toolbox& box, size_t from) {
    std::vector<std::string> out;
    for (size_t i = from; i < box.buttons.size(); ++i) out.push_back(box.buttons[i].label);
    return out;
}

TEST(ToolboxButtons, TwelveRequestButtonsOnTheFirstRow) {
    struct Want {
        const char* label;
        int value;
        const char* caption;
    };
    const Want want[] = {
        {"X1", -1, "X1 First Request"},   {"X2", -2, "X2 Second Request"},   {"X3", -3, "X3 Third Request"},
        {"X4", -4, "X4 Forth Request"},   {"X5", -5, "X5 Fifth Request"},    {"X6", -6, "X6 Sixth Request"},
        {"X7", -7, "X7 Seventh Request"}, {"X8", -8, "X8 Eighth Request"},   {"X9", -9, "X9 Nineth Request"},
        {"XA", -10, "XA Off in the AM"},  {"XP", -11, "XP Off in the PM"}, {"XM", -12, "XM Off in the Middle of Day"},
    };
    for (auto group : {lw::model::kCaptains, lw::model::kFlightAttendants}) {
        auto doc = NewDocument(group);
        for (int count : {0, 1}) {
            doc->ActivityCount = count;
            const Toolbox box = BuildToolbox(*doc);
            ASSERT_GE(box.buttons.size(), 12u);
            for (int i = 0; i < 12; ++i) {
                ToolboxButton expected;
                expected.label = want[i].label;
                expected.value = want[i].value;
                expected.caption = want[i].caption;
                expected.activity.Code = want[i].label;
                expected.activity.Caption = want[i].caption;
                expected.activity.Credit = want[i].value;
                expected.activity.InToolbox = true;
                expected.rect = At(i, 0);
                EXPECT_EQ(box.buttons[static_cast<size_t>(i)], expected) << "button " << i;
            }
        }
    }
}

TEST(ToolboxButtons, DefaultPilotToolboxFromTheFirst89Rows) {
    auto doc = NewDocument(lw::model::kFirstOfficers);
    const Toolbox box = BuildToolbox(*doc);
    EXPECT_EQ(box.title, "Default ToolBox");
    const std::vector<std::string> labels = {
        "4HS", "ALP", "ALU", "LW",  "COB", "CPT", "CBT", "CIR", "CRI", "CRM", "DFD", "FLS", "GO",  "GS",  "GSI", "IDO",
        "IPT", "ITR", "LOA", "MAT", "MED", "MOV", "OF",  "RA",  "RB",  "RCK", "SDO", "SEC", "SEW", "SIM", "STA", "STT",
        "TRN", "TVL", "TVU", "TVS", "UTF", "VAC", "VAU", "SIW", "CRW", "GRW", "LCK", "SMI", "VTP", "WCB", "LTD", "PSD"};
    EXPECT_EQ(Labels(box, 12), labels);

    auto button = [&](size_t n, std::string label, int credit, std::string caption, bool reserve, bool excluded,
                      std::string outside, int start, int end, bool duty, bool cars) {
        ToolboxButton b;
        b.label = label;
        b.value = credit;
        b.caption = caption;
        b.reserve = reserve;
        b.activity = {label, outside, caption, start, end, credit, 0, duty, cars, !excluded, true};
        b.excludeCredit = excluded;
        b.rect = At(static_cast<int>(n % 12), static_cast<int>(n / 12));
        return b;
    };
    EXPECT_EQ(box.buttons[12], button(12, "4HS", 270, "HEALTH AND SAFETY", false, false, "4H", 480, 960, true, false));
    EXPECT_EQ(box.buttons[14], button(14, "ALU", 0, "ALPA Unpaid Day", false, false, "--", 540, 1020, false, false));
    EXPECT_EQ(box.buttons[15], button(15, "LW", 270, "Linewright Day", false, false, "LW", 540, 1020, true, false));
    EXPECT_EQ(box.buttons[35], button(35, "RA", 0, "Reserve A", true, false, "RA", 180, 1020, true, true));
    EXPECT_EQ(box.buttons[36], button(36, "RB", 0, "Reserve B", true, false, "RB", 720, 120, true, true));
    EXPECT_EQ(box.buttons[37], button(37, "RCK", 0, "Check Pilot Reserve", true, false, "RK", 420, 1140, true, true));
    EXPECT_EQ(box.buttons[40], button(40, "SEW", 240, "Secur Train OutWin", false, true, "SW", 480, 1020, true, true));
    EXPECT_EQ(box.buttons[59], button(59, "PSD", 0, "Preplanned STD", false, false, "PD", 720, 721, false, false));
    // Reserve B runs past midnight: 12:00 to 02:00 is 14 hours away from base.
    EXPECT_EQ(box.buttons[36].activity.Tafb(), 840);
}

TEST(ToolboxButtons, DefaultCabinToolbox) {
    auto doc = NewDocument(lw::model::kFlightAttendants);
    const Toolbox box = BuildToolbox(*doc);
    EXPECT_EQ(box.title, "Default ToolBox");
    const std::vector<std::string> labels = {
        "5HS", "ATJ", "LW",  "BRG", "BST", "COB", "CRM", "DOR", "FAT", "FOC", "FRN", "FSA", "GO",  "HTL",
        "INS", "LDS", "LOA", "MAT", "MED", "MOV", "MOD", "OF",  "REC", "RA",  "RB",  "RE",  "SEC", "STA",
        "STT", "TBK", "TEA", "TRN", "TVL", "TVU", "UNF", "UTF", "VAC", "VAU", "WCB", "LTD", "PSD"};
    EXPECT_EQ(Labels(box, 12), labels);

    auto check = [&](size_t n, const ToolboxButton& want) {
        ToolboxButton w = want;
        w.rect = At(static_cast<int>(n % 12), static_cast<int>(n / 12));
        EXPECT_EQ(box.buttons[n], w) << "button " << n;
    };
    ToolboxButton atj;  // no description in the table
    atj.label = "ATJ";
    atj.value = 240;
    atj.activity = {"ATJ", "AJ", "", 540, 1020, 240, 0, true, false, true, true};
    check(13, atj);
    ToolboxButton crm;  // credit excluded; cabin buttons carry the row's CARS mark
    crm.label = "CRM";
    crm.value = 240;
    crm.caption = "CREW RESOURCE MGMT";
    crm.excludeCredit = true;
    crm.activity = {"CRM", "CM", "CREW RESOURCE MGMT", 600, 1080, 240, 0, true, true, false, true};
    check(18, crm);
    ToolboxButton re;
    re.label = "RE";
    re.value = 240;
    re.caption = "Reserve Early";
    re.reserve = true;
    re.activity = {"RE", "RE", "Reserve Early", 180, 1020, 240, 0, true, false, true, true};
    check(37, re);
}

TEST(ToolboxButtons, ToolboxActivitiesInTableOrder) {
    auto doc = NewDocument(lw::model::kCaptains);
    doc->DocTexts[lw::model::kToolboxDateText] = "MAR 2024";
    const TAbsence vac{"VAC", "VC", "Vacation", 720, 960, 170, 0, false, false, true, true};
    const TAbsence hidden{"HID", "HD", "Not on the toolbox", 0, 0, 60, 0, false, false, true, false};
    const TAbsence rck{"RCK", "RK", "Check Pilot Reserve", 420, 1140, 0, 0, true, true, true, true};
    const TAbsence rtb{"RTB", "RB", "Return to base", 0, 0, 60, 0, true, false, true, true};
    const TAbsence standby{"STB", "16", "Standby", 300, 900, 240, 30, true, true, false, true};
    const TAbsence early{"RE", "RE", "Reserve Early", 180, 1020, 240, 0, true, false, true, true};
    doc->Activities[0] = vac;
    doc->Activities[1] = hidden;
    doc->Activities[2] = rck;
    doc->Activities[3] = rtb;
    doc->Activities[4] = standby;
    doc->Activities[5] = early;
    doc->Activities[6] = vac;  // beyond the count
    doc->ActivityCount = 6;

    auto button = [](const TAbsence& a, std::string label, bool reserve, int n) {
        ToolboxButton b;
        b.label = label;
        b.value = a.Credit;
        b.caption = a.Caption;
        b.reserve = reserve;
        b.activity = a;
        b.excludeCredit = !a.CreditCounts;
        b.rect = At(n % 12, n / 12);
        return b;
    };
    Toolbox box = BuildToolbox(*doc);
    EXPECT_EQ(box.title, "ToolBox Date MAR 2024");
    ASSERT_EQ(box.buttons.size(), 17u);
    EXPECT_EQ(box.buttons[12], button(vac, "VAC", false, 12));
    EXPECT_EQ(box.buttons[13], button(rck, "RK", true, 13));
    EXPECT_EQ(box.buttons[14], button(rtb, "RTB", false, 14));
    // "16" marks a pilot reserve day in the extracts but is not a reserve button.
    EXPECT_EQ(box.buttons[15], button(standby, "STB", false, 15));
    EXPECT_EQ(box.buttons[16], button(early, "RE", true, 16));

    doc->CrewGroup = lw::model::kFlightAttendants;
    box = BuildToolbox(*doc);
    ASSERT_EQ(box.buttons.size(), 17u);
    EXPECT_EQ(box.buttons[13], button(rck, "RCK", false, 13));
    EXPECT_EQ(box.buttons[16], button(early, "RE", true, 16));
}

}  // namespace
