// The duty rule checker on real April 2026 months (day index 0 is 1 April, extended day 31).
#include <gtest/gtest.h>

#include <array>

#include "check_results.h"
#include "fake_interaction.h"
#include "rules/block_checks.h"
#include "rules/duty_rules.h"
#include "support/block_builder.h"

namespace lw::test {
namespace {

using base::Date;
using Lines = std::vector<std::string>;

const std::string kPassed60 = " PASSED 2LNR 60/7 4SDFD";

class DutyRule : public ::testing::Test {
protected:
    FakeInteraction ui;
    std::unique_ptr<model::Document> doc = NewMonth(base::Date::FromDmy(1, 4, 2026), 30, model::kCaptains, ui);
    model::TPilot& P(int row) { return doc->Crew[static_cast<size_t>(row)]; }

    // A pilot rested since early March flying a six-day trip from 11 to 16 April.
    int SixDays(const std::string& name, std::vector<DutyDay> days) {
        PairingPlan plan;
        plan.number = 8100 + doc->CrewCount;
        plan.days = std::move(days);
        const int row = AddMember(*doc, name, 300000 + doc->CrewCount);
        PutPairing(*doc, row, AddPairing(*doc, plan), 10);
        rules::CheckBlock(*doc, row);
        return row;
    }
};

// "Checking dd/04/2026" followed by the result, for the days given.
Lines Checked(std::initializer_list<int> days, const std::string& result) {
    Lines lines;
    for (int day : days) lines.push_back("Checking " + std::string(day < 10 ? "0" : "") + std::to_string(day) + "/04/2026" + result);
    return lines;
}

Lines operator+(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const DutyDay k0800For10{480, 600, 300, 330};

TEST_F(DutyRule, SixtyHoursInSevenDays) {
    const int at3600 = SixDays("60:00 IN 7 DAYS", std::vector<DutyDay>(6, k0800For10));
    const int at3601 = SixDays("60:01 IN 7 DAYS", {k0800For10, k0800For10, k0800For10, k0800For10, k0800For10, {480, 601, 300, 330}});

    EXPECT_EQ(TraceLines(P(at3600).RuleLog), (Checked({11, 12, 13, 14, 15, 16}, kPassed60)));
    EXPECT_EQ(P(at3600).RuleWindow[46], (std::array<int32_t, 3>{600, 3600, 3600}));
    // Over 60 hours: the five free days before the trip let it be judged under 70/7, where it holds.
    EXPECT_EQ(TraceLines(P(at3601).RuleLog), (Checked({11, 12, 13, 14, 15}, kPassed60) +
                                                 Lines{"Checking 16/04/2026 FAIL 60HR/7D",
                                                       "ATTEMPT LOGIC CHANGE to 70/7 on 10/4/2026."} +
                                                 Checked({11, 12, 13, 14, 15, 16}, " PASSED 70/7.")));
    EXPECT_EQ(P(at3601).RuleWindow[46], (std::array<int32_t, 3>{601, 3601, 3601}));
    EXPECT_EQ(P(at3601).IllegalText, "");
}

TEST_F(DutyRule, SeventyInSevenDailyLimits) {
    const DutyDay k1400To2400{840, 600, 300, 330}, k1401To2401{841, 600, 300, 330}, k1000To2001{600, 601, 300, 330};
    // Each trip goes over 60 hours on its sixth day and is judged under 70/7 from 11 April.
    const int duty720 = SixDays("12:00 DUTY", {k0800For10, k0800For10, k0800For10, k0800For10, k0800For10, {480, 720}});
    const int duty721 = SixDays("12:01 DUTY", {k0800For10, k0800For10, k0800For10, k0800For10, k0800For10, {480, 721}});
    const int start0700 = SixDays("07:00 START", {k0800For10, k0800For10, k0800For10, k0800For10, k0800For10, {420, 660}});
    const int start0659 = SixDays("06:59 START", {k0800For10, k0800For10, k0800For10, k0800For10, k0800For10, {419, 661}});
    const int end2400 = SixDays("24:00 END", {k0800For10, k0800For10, k0800For10, k0800For10, k1400To2400, k1000To2001});
    const int end2401 = SixDays("24:01 END", {k0800For10, k0800For10, k0800For10, k0800For10, k1401To2401, k1000To2001});

    const Lines switched = Checked({11, 12, 13, 14, 15}, kPassed60) +
                           Lines{"Checking 16/04/2026 FAIL 60HR/7D", "ATTEMPT LOGIC CHANGE to 70/7 on 10/4/2026."};
    const Lines allHold = switched + Checked({11, 12, 13, 14, 15, 16}, " PASSED 70/7.");
    EXPECT_EQ(TraceLines(P(duty720).RuleLog), (allHold));
    EXPECT_EQ(TraceLines(P(start0700).RuleLog), (allHold));
    EXPECT_EQ(TraceLines(P(end2400).RuleLog), (allHold));
    for (int row : {duty720, start0700, end2400}) EXPECT_EQ(MarksOf(P(row)), (Marks{})) << P(row).Name;

    EXPECT_EQ(TraceLines(P(duty721).RuleLog), (switched + Checked({11, 12, 13, 14, 15}, " PASSED 70/7.") +
                  Lines{"Checking 16/04/2026 FAIL 12HR DUTY FAILED 70/7.", "ATTEMPT LOGIC CHANGE FAIL. "}));
    EXPECT_EQ(MarksOf(P(duty721)), (Marks{" 60h/7d 2LNR Rules 16", "", {15}, {}}));
    EXPECT_EQ(TraceLines(P(start0659).RuleLog), (switched + Checked({11, 12, 13, 14, 15}, " PASSED 70/7.") +
                  Lines{"Checking 16/04/2026 FAIL EARLY/LATE DUTY FAILED 70/7.", "ATTEMPT LOGIC CHANGE FAIL. "}));
    EXPECT_EQ(MarksOf(P(start0659)), (Marks{" 60h/7d 2LNR Rules 16", "", {15}, {}}));
    // The failure on 15 April sends the walk back to 16 April under 60/7.
    EXPECT_EQ(TraceLines(P(end2401).RuleLog), (switched + Checked({11, 12, 13, 14}, " PASSED 70/7.") +
                  Lines{"Checking 15/04/2026 FAIL EARLY/LATE DUTY FAILED 70/7.", "ATTEMPT LOGIC CHANGE FAIL. ",
                        "Checking 16/04/2026 FAIL 60HR/7D"}));
    EXPECT_EQ(MarksOf(P(end2401)), (Marks{" 60h/7d 2LNR Rules 15 16", "", {14, 15}, {}}));
}

TEST_F(DutyRule, TwentyFourHoursInFortyEight) {
    // Three twelve-hour days in a row inside seven working days, once flown and once on reserve.
    const DutyDay k1200To2400{720, 720, 300, 400}, k0700To1900{420, 720, 300, 400};
    PairingPlan twoDays;
    twoDays.number = 8201;
    twoDays.days = {k0800For10, k0800For10};
    PairingPlan threeLong;
    threeLong.number = 8202;
    threeLong.days = {k1200To2400, k0700To1900, k0700To1900};
    const int first = AddPairing(*doc, twoDays);
    const int middle = AddPairing(*doc, threeLong);
    const int single = AddPairing(*doc, DayTrip(8203, 480, 600));

    const int flown = AddMember(*doc, "THREE LONG DAYS FLOWN", 1);
    PutPairing(*doc, flown, first, 10);
    PutPairing(*doc, flown, middle, 12);
    PutPairing(*doc, flown, single, 15);
    PutPairing(*doc, flown, single, 16);
    const int reserve = AddMember(*doc, "THREE LONG DAYS ON RESERVE", 2);
    twoDays.number = 8204;
    PutPairing(*doc, reserve, AddPairing(*doc, twoDays), 10);
    PutDayActivity(*doc, reserve, 12, ActivityPlan{"RA ", "RA", 720, 720, 0, 0, true, true, false, true});
    for (int d : {13, 14}) PutDayActivity(*doc, reserve, d, ActivityPlan{"RA ", "RA", 420, 720, 0, 0, true, true, false, true});
    const int single2 = AddPairing(*doc, DayTrip(8205, 480, 600));
    PutPairing(*doc, reserve, single2, 15);
    PutPairing(*doc, reserve, single2, 16);
    rules::CheckAllBlocks(*doc);

    // Flown: over 60 hours on 16 April; under 70/7 the third long day has more than 24 hours of
    // duty in the 48 hours before its start.
    EXPECT_EQ(TraceLines(P(flown).RuleLog), (Checked({11, 12, 13, 14, 15}, kPassed60) +
                  Lines{"Checking 16/04/2026 FAIL 60HR/7D", "ATTEMPT LOGIC CHANGE to 70/7 on 10/4/2026."} +
                  Checked({11, 12, 13, 14}, " PASSED 70/7.") +
                  Lines{"Checking 15/04/2026 FAIL 24DUTY in 48HR FAILED 70/7.", "ATTEMPT LOGIC CHANGE FAIL. ",
                        "Checking 16/04/2026 FAIL 60HR/7D", "Checking 17/04/2026 FAIL 60HR/7D FAIL 2LNR"}));
    // The day after three twelve-hour duties is also one duty too many.
    EXPECT_EQ(P(flown).IllegalText, " 3+ 12 Hr Duty on 16 60h/7d 2LNR Rules 15 16 17");
    EXPECT_EQ(TableLine(P(flown).RuleLog, "15/04/2026"), "15/04/2026  DUTY   >2448  ");
    EXPECT_EQ(TableLine(P(flown).RuleLog, "14/04/2026"), "14/04/2026  DUTY   ");
    // On reserve a third of the duty counts: no 60 hours, and 70/7 holds once the seventh day
    // without a day off asks for it.
    EXPECT_EQ(TraceLines(P(reserve).RuleLog), (Checked({11, 12, 13, 14, 15, 16}, kPassed60) +
                  Lines{"Checking 17/04/2026 FAIL 2LNR", "ATTEMPT LOGIC CHANGE to 70/7 on 10/4/2026."} +
                  Checked({11, 12, 13, 14, 15, 16, 17}, " PASSED 70/7.")));
    EXPECT_EQ(P(reserve).IllegalText, "");
    EXPECT_EQ(TableLine(P(reserve).RuleLog, "15/04/2026"), "15/04/2026  DUTY   ");
}

TEST_F(DutyRule, ReserveCountsAThird) {
    const ActivityPlan ra = TableActivity(*doc, "RA");  // 03:00-17:00
    const ActivityPlan rb = TableActivity(*doc, "RB");  // 12:00-02:00
    ActivityPlan worked = rb;
    worked.reserve = false;
    const int onReserve = AddMember(*doc, "RA AND RB", 1);
    PutDayActivity(*doc, onReserve, 5, ra);
    PutDayActivity(*doc, onReserve, 8, rb);
    const int working = AddMember(*doc, "RB WORKED AS DUTY", 2);
    PutDayActivity(*doc, working, 8, worked);
    rules::CheckAllBlocks(*doc);

    using Day = std::array<int32_t, 3>;
    const std::vector<Day> reserveDays(P(onReserve).RuleWindow.begin() + 36, P(onReserve).RuleWindow.begin() + 42);
    EXPECT_EQ(reserveDays, (std::vector<Day>{{280, 280, 280}, {0, 280, 280}, {0, 280, 280}, {240, 520, 520},
                                             {40, 560, 560}, {0, 560, 560}}));
    const std::vector<Day> workedDays(P(working).RuleWindow.begin() + 38, P(working).RuleWindow.begin() + 42);
    EXPECT_EQ(workedDays, (std::vector<Day>{{0, 0, 0}, {720, 720, 720}, {120, 840, 840}, {0, 840, 840}}));
}

TEST_F(DutyRule, LocalNightRestStartsAt0730) {
    const int at0730 = AddMember(*doc, "REPORT 07:30", 1);
    PutPairing(*doc, at0730, AddPairing(*doc, DayTrip(8301, 450, 600)), 10);
    const int at0729 = AddMember(*doc, "REPORT 07:29", 2);
    PutPairing(*doc, at0729, AddPairing(*doc, DayTrip(8302, 449, 600)), 10);
    rules::CheckAllBlocks(*doc);

    EXPECT_EQ(TableLine(P(at0730).RuleLog, "11/04/2026"), "11/04/2026  DUTY   LNR   ");
    EXPECT_EQ(TableLine(P(at0730).RuleLog, "10/04/2026"), "10/04/2026  LNR   2LNSDFD  5LNR   ");
    EXPECT_EQ(TableLine(P(at0729).RuleLog, "11/04/2026"), "11/04/2026  DUTY   ");
    EXPECT_EQ(TableLine(P(at0729).RuleLog, "10/04/2026"), "10/04/2026  LNR   ");
    EXPECT_EQ(TableLine(P(at0729).RuleLog, "09/04/2026"), "09/04/2026  LNR   2LNSDFD  5LNR   ");
}

TEST_F(DutyRule, FailureWithoutARunOfFive) {
    // March flown three eight-hour days on, one off: never five free days to change to 70/7.
    const int row = AddMember(*doc, "THREE ON ONE OFF", 1);
    for (int w = 0; w <= 30; ++w)
        if (w % 4 != 3)
            PutOutsideDay(*doc, row, w, {.pairStart = 480, .pairLength = 480, .dutyStart = 480, .dutyLength = 480, .hard = 200});
    P(row).LegalCheckIn = -480 + 660;
    PairingPlan six;
    six.number = 8401;
    six.days = {k0800For10, k0800For10, k0800For10, k0800For10, k0800For10, {480, 601, 300, 330}};
    PutPairing(*doc, row, AddPairing(*doc, six), 1);

    EXPECT_FALSE(rules::CheckDutyRules(*doc, row));
    EXPECT_EQ(TraceLines(P(row).RuleLog), (Lines{"Checking 29/03/2026" + kPassed60, "Checking 30/03/2026" + kPassed60,
                                                 "Checking 31/03/2026" + kPassed60} +
                                           Checked({2, 3, 4, 5, 6}, kPassed60) + Lines{"Checking 07/04/2026 FAIL 60HR/7D"}));
    EXPECT_EQ(Judge(*doc, row), (Marks{" 60h/7d 2LNR Rules 7", "", {6}, {}}));
}

TEST(DutyRuleSwitchBack, FailedChangeFlagsTheDayThatFirstFailed) {
    // January 2027, nothing flown in December: an early RA reserve on the 1st, office days on
    // the 2nd to the 6th. The 6th has no free day in its seven; 70/7 from 30 December then
    // fails on the RA's early start, the first day judged after the change: the 6th is flagged,
    // once, and the walk goes on after it.
    FakeInteraction ui;
    auto doc = NewMonth(Date::FromDmy(1, 1, 2027), 30, model::kCaptains, ui);
    const int row = AddMember(*doc, "RA THEN OFFICE", 1);
    PutDayActivity(*doc, row, 0, TableActivity(*doc, "RA"));
    for (int d = 1; d <= 5; ++d) PutDayActivity(*doc, row, d, TableActivity(*doc, "OC"));

    EXPECT_EQ(Judge(*doc, row), (Marks{" 60h/7d 2LNR Rules 6", "", {5}, {}}));
    const Lines trace = TraceLines(doc->Crew[0].RuleLog);
    EXPECT_EQ(trace, (Lines{"Checking 01/01/2027" + kPassed60, "Checking 02/01/2027" + kPassed60,
                            "Checking 03/01/2027" + kPassed60, "Checking 04/01/2027" + kPassed60,
                            "Checking 05/01/2027" + kPassed60, "Checking 06/01/2027 FAIL 2LNR",
                            "ATTEMPT LOGIC CHANGE to 70/7 on 30/12/2026.",
                            "Checking 01/01/2027 FAIL EARLY/LATE DUTY FAILED 70/7.", "ATTEMPT LOGIC CHANGE FAIL. "}));
}

}  // namespace
}  // namespace lw::test
