// The employee information dialog: what it shows for a member, every check in its order with
// the exact message, nothing stored on a refusal, and what a stored edit changes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_interaction.h"
#include "rules/employee_edit.h"
#include "rules/engine_month.h"
#include "rules/history_undo.h"

namespace {

using lw::platform::Answer;
using lw::rules::EmployeeFields;
using lw::test::FakeInteraction;
using Calls = std::vector<FakeInteraction::Call>;

const std::string kHoursMinutes = "C/I Days > 5 or Hr:Min not correct on one field";

class EmployeeEdit : public ::testing::Test {
protected:
    // ADAMS holds 1001 (5:00 credit) on the 4th and worked the last day of March; BAKER; an
    // open-time line with employee number 0.
    void SetUp() override {
        doc = lw::test::MakeMonth(lw::model::kCaptains);
        doc->DaysOffBlockHolder = 12;
        doc->DaysOffReserve = 10;
        lw::test::AddCrew(*doc, "ADAMS, ANN");
        lw::test::AddCrew(*doc, "BAKER, BEN");
        lw::test::AddMember(*doc, "OPEN TIME", 0);
        lw::test::AddPairing(*doc, {.number = 1001}, {3});
        lw::test::Hold(*doc, 0, 0, 3);
        lw::model::TPilot& a = Adams();
        a.CreditCarriedIn = 90;
        a.TimeBank = -90;
        a.Qualification = 1;
        a.LanguageBits = 2;
        a.NoYcg = 1;
        a.QuickNotes = "WANTS WEEKENDS";
        lw::test::PutOutsideDay(*doc, 0, 30, {.pairStart = 420, .pairLength = 600, .dutyStart = 420, .dutyLength = 600,
                                              .credit = 330, .hard = 300, .code = "P1"});
        lw::test::Settle(*doc);
        doc->Modified = false;
    }
    lw::model::TPilot& Adams() { return doc->Crew[0]; }
    EmployeeFields Shown() const { return lw::rules::ReadEmployeeFields(*doc, 0); }
    bool Apply(const EmployeeFields& f) { return lw::rules::ApplyEmployeeEdit(*doc, board, ui, 0, f); }

    std::unique_ptr<lw::model::Document> doc;
    lw::rules::Board board;
    FakeInteraction ui;
};

TEST_F(EmployeeEdit, ShowsEveryFieldAsTheDialogDoes) {
    EmployeeFields expected;
    expected.name = "ADAMS, ANN";
    expected.employeeNumber = "100000";
    expected.phone1 = "416-555-1000";
    expected.quickNotes = "WANTS WEEKENDS";
    expected.creditCarriedIn = "01:30";
    expected.extraCredits = "00:00";
    expected.timeBank = "-1:-30";
    expected.trainingAtHome = "00:00";
    expected.legalCheckIn = "0:00:00";
    expected.draftCredits = "00:00";
    expected.minBlock = "75:00";
    expected.maxBlock = "80:00";
    expected.minDaysOff = "10";  // below the reserve cut-off: a reserve's days off
    expected.qualification = 1;
    expected.languageBits = 2;
    expected.noYcg = true;
    expected.prevDay = {30, "31/03/2026", "P1", "05:00", "07:00", "10:00", "07:00", "10:00", 1, true};
    expected.illegalities = Adams().IllegalText;
    expected.warnings = Adams().WarningText;
    expected.ruleResults = lw::rules::SplitListText(Adams().RuleLog);
    EXPECT_EQ(Shown(), expected);
    EXPECT_EQ(lw::rules::QualificationNames(*doc),
              (std::vector<std::string>{"None", "Check B", "LTC", "Checker", "LTC and TP"}));
    doc->CrewGroup = lw::model::kFlightAttendants;
    EXPECT_EQ(lw::rules::QualificationNames(*doc)[2], "No Fams");
}

TEST_F(EmployeeEdit, OkWithoutChangesKeepsEvenWhatTheTextsCannotCarry) {
    const std::string before = lw::test::Dump(*doc);
    EXPECT_TRUE(Apply(Shown()));
    EXPECT_EQ(lw::test::Dump(*doc), before);
    EXPECT_EQ(Adams().TimeBank, -90);
    EXPECT_EQ(Adams().LegalCheckIn, -1440);
    EXPECT_TRUE(doc->Modified);
    EXPECT_TRUE(ui.calls.empty());
}

TEST_F(EmployeeEdit, EveryRefusalShowsItsMessageAndStoresNothing) {
    struct Case {
        std::string message;
        void (*change)(EmployeeFields&);
    };
    const std::vector<Case> cases = {
        {"Pilot Name Error", [](EmployeeFields& f) { f.name.clear(); }},
        {"Hard Time Error ,Pair/Ass TAFB Time Error",
         [](EmployeeFields& f) {
             f.prevDay.hardTime = "24:00";
             f.prevDay.pairTafb = "12";
         }},
        {" ,Duty Start Time Error", [](EmployeeFields& f) { f.prevDay.dutyStart = "0730"; }},
        {" ,Duty Length Time Error ,Pair/Ass Start Time Error",
         [](EmployeeFields& f) {
             f.prevDay.dutyLength = "";
             f.prevDay.pairStart = "25:00";
         }},
        {kHoursMinutes, [](EmployeeFields& f) { f.creditCarriedIn = "5:60"; }},
        {kHoursMinutes, [](EmployeeFields& f) { f.timeBank = "-1:30"; }},
        {kHoursMinutes, [](EmployeeFields& f) { f.extraCredits = "ab:cd"; }},
        {kHoursMinutes, [](EmployeeFields& f) { f.legalCheckIn = "1:24:00"; }},
        {kHoursMinutes, [](EmployeeFields& f) { f.legalCheckIn = "1:06"; }},
        {kHoursMinutes, [](EmployeeFields& f) { f.draftCredits = "1:75"; }},
        {"Min and Max Block must be chosen from 00:01 to 120:00", [](EmployeeFields& f) { f.minBlock = "00:00"; }},
        {"Min and Max Block must be chosen from 00:01 to 120:00", [](EmployeeFields& f) { f.maxBlock = "120:01"; }},
        {"Min Days Off must be chosen from 8 to 30", [](EmployeeFields& f) { f.minDaysOff = "7"; }},
        {"Qualification must be chosen from the list", [](EmployeeFields& f) { f.qualification = 5; }},
        {"Language must be chosen from the list", [](EmployeeFields& f) { f.languageBits = -1; }},
        {"Invalid Employee Number. -1 - 999999999 only", [](EmployeeFields& f) { f.employeeNumber = "1000000000"; }},
        {"Invalid Employee Number. -1 - 999999999 only", [](EmployeeFields& f) { f.employeeNumber = "-2"; }},
        {"Invalid Employee Number. -1 - 999999999 only", [](EmployeeFields& f) { f.employeeNumber = "12x"; }},
    };
    const std::string before = lw::test::Snapshot(*doc);
    for (const Case& c : cases) {
        FakeInteraction refused;
        EmployeeFields f = Shown();
        f.quickNotes = "CHANGED";
        c.change(f);
        EXPECT_FALSE(lw::rules::ApplyEmployeeEdit(*doc, board, refused, 0, f)) << c.message;
        EXPECT_EQ(refused.calls, (Calls{{"Message", "Linewright", c.message}}));
        EXPECT_EQ(lw::test::Snapshot(*doc), before) << c.message;
    }
}

TEST_F(EmployeeEdit, HoursFieldsAndTheCheckInTime) {
    struct Case {
        std::string checkIn;
        int32_t stored;
    };
    for (const Case& c : std::vector<Case>{{"1:06:30", 390}, {"0:06:30", 390}, {"2:00:00", 1440}, {"3/23/59", 4319}}) {
        EmployeeFields f = Shown();
        f.legalCheckIn = c.checkIn;
        ASSERT_TRUE(Apply(f)) << c.checkIn;
        EXPECT_EQ(Adams().LegalCheckIn, c.stored) << c.checkIn;
    }
    EXPECT_EQ(Shown().legalCheckIn, "3:23:59");

    EmployeeFields f = Shown();
    f.creditCarriedIn = "5:3";  // fewer than 4 characters: nothing carried in
    f.extraCredits = "12.45";   // any separator
    f.timeBank = "0:00";
    f.trainingAtHome = "10:05";
    f.draftCredits = "2.5";
    ASSERT_TRUE(Apply(f));
    EXPECT_EQ(Adams().CreditCarriedIn, 0);
    EXPECT_EQ(Adams().ExtraCredits, 765);
    EXPECT_EQ(Adams().TimeBank, 0);
    EXPECT_EQ(Adams().TrainingAtHome, 605);
    EXPECT_EQ(Adams().DraftCredits, 150);
    EXPECT_TRUE(ui.calls.empty());
}

TEST_F(EmployeeEdit, StoresThePreviousMonthDayAndReChecksTheBlock) {
    Adams().CreditHours = 0;
    Adams().CreditMinutes = 0;
    EmployeeFields f = Shown();
    f.creditCarriedIn = "02:00";
    f.prevDay = {30, "", "", "06:15", "23:30", "14:00", "23:30", "30:00", 2, false};
    ASSERT_TRUE(Apply(f));
    lw::model::DayValues expected{};
    expected[lw::model::kPrevPairStart] = 1410;
    expected[lw::model::kPrevPairTafb] = 1800;
    expected[lw::model::kPrevDutyStart] = 1410;
    expected[lw::model::kPrevDutyLength] = 840;
    expected[4] = 330;
    expected[lw::model::kPrevHardTime] = 375;
    expected[lw::model::kPrevWorked] = 2;
    EXPECT_EQ(Adams().PrevDayData[30], expected);
    // 5:00 of 1001 + 2:00 carried in - 1:30 time bank.
    EXPECT_EQ(Adams().CreditTotal(), 330);
    EXPECT_TRUE(doc->Modified);
}

TEST_F(EmployeeEdit, ChangingTheEmployeeNumberIsConfirmedAndMustBeFree) {
    const std::string before = lw::test::Snapshot(*doc);
    EmployeeFields f = Shown();
    f.employeeNumber = "100001";
    ui.answers = {Answer::Yes};
    EXPECT_FALSE(Apply(f));
    const FakeInteraction::Call question{
        "Ask", "Linewright", "You have entered a different Employee Number. Do you want to change the Employee Number"};
    EXPECT_EQ(ui.calls,
              (Calls{question,
                     {"Message", "Linewright",
                      "You Have Entered an Employee Number that is being used by BAKER, BEN. Enter a Valid Number"}}));
    EXPECT_EQ(lw::test::Snapshot(*doc), before);

    ui.calls.clear();
    f.employeeNumber = "555";
    ui.answers = {Answer::No};
    EXPECT_FALSE(Apply(f));
    EXPECT_EQ(ui.calls, Calls{question});
    EXPECT_EQ(lw::test::Snapshot(*doc), before);

    // 0 is no employee: the open-time line has it too.
    ui.calls.clear();
    f.employeeNumber = "0";
    ui.answers = {Answer::Yes};
    EXPECT_TRUE(Apply(f));
    EXPECT_EQ(ui.calls, Calls{question});
    EXPECT_EQ(Adams().EmployeeNumber, 0);
}

TEST_F(EmployeeEdit, LimitsEqualToTheMonthsDefaultsFollowTheDefaults) {
    Adams().MaxBlock = 5000;
    EmployeeFields f = Shown();
    ASSERT_EQ(f.maxBlock, "83:20");
    f.minBlock = "70:00";
    f.maxBlock = "80:00";
    f.minDaysOff = "10";  // as shown: still the month's
    ASSERT_TRUE(Apply(f));
    EXPECT_EQ(Adams().MinBlock, 4200);
    EXPECT_EQ(Adams().MaxBlock, 0);
    EXPECT_EQ(Adams().MinDaysOff, 0);
    doc->MaxBlock = 4900;
    EXPECT_EQ(Shown().maxBlock, "81:40");
    f = Shown();
    f.minDaysOff = "12";
    ASSERT_TRUE(Apply(f));
    EXPECT_EQ(Adams().MinDaysOff, 12);
}

TEST_F(EmployeeEdit, CheckPilotsGetTheirLimitsOrAreAsked) {
    EmployeeFields f = Shown();
    f.qualification = 3;
    ASSERT_TRUE(Apply(f));
    EXPECT_TRUE(ui.calls.empty());
    EXPECT_EQ(Adams().MinBlock, 4800);
    EXPECT_EQ(Adams().MaxBlock, 5100);

    const FakeInteraction::Call question{
        "Ask", "Linewright", "Do you want to Override the Default Min and Max Block Time for this Check Pilot."};
    f = Shown();
    f.maxBlock = "90:00";
    ui.answers = {Answer::Yes};
    ASSERT_TRUE(Apply(f));
    EXPECT_EQ(ui.calls, Calls{question});
    EXPECT_EQ(Adams().MinBlock, 4800);
    EXPECT_EQ(Adams().MaxBlock, 5400);

    ui.calls.clear();
    f = Shown();
    f.minBlock = "75:00";
    ui.answers = {Answer::No};
    ASSERT_TRUE(Apply(f));
    EXPECT_EQ(ui.calls, Calls{question});
    EXPECT_EQ(Adams().MinBlock, 4800);
    EXPECT_EQ(Adams().MaxBlock, 5100);
}

}  // namespace
