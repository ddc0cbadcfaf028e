// Pilot block checks on real April 2026 months (1 April is day index 0; day 29 is 30 April).
#include <gtest/gtest.h>

#include "support/block_builder.h"
#include "check_results.h"
#include "fake_interaction.h"
#include "rules/block_checks.h"

namespace lw::test {
namespace {

using base::Date;

class BlockCheckPilot : public ::testing::Test {
protected:
    FakeInteraction ui;
    std::unique_ptr<model::Document> doc = NewMonth(base::Date::FromDmy(1, 4, 2026), 30, model::kCaptains, ui);

    int Pilot(const std::string& name) { return AddMember(*doc, name, 100000 + doc->CrewCount); }
    int Add(const PairingPlan& plan) { return AddPairing(*doc, plan); }
    // A trip given day by day.
    int AddTrip(int32_t number, std::vector<DutyDay> days) {
        PairingPlan plan;
        plan.number = number;
        plan.days = std::move(days);
        return Add(plan);
    }
    model::TPilot& P(int row) { return doc->Crew[static_cast<size_t>(row)]; }
};

TEST_F(BlockCheckPilot, RestAroundTheLimits) {
    const int release18 = Add(DayTrip(8101, 480, 600));  // 08:00-18:00
    PairingPlan longHaul = DayTrip(8102, 480, 600);
    longHaul.restAfter = 780;  // three time zones: 13 hours
    const int release18Long = Add(longHaul);
    const int at0459 = Add(DayTrip(8111, 299, 540));
    const int at0500 = Add(DayTrip(8112, 300, 540));
    const int at0559 = Add(DayTrip(8113, 359, 540));
    const int at0600 = Add(DayTrip(8114, 360, 540));
    const int at0659 = Add(DayTrip(8115, 419, 540));
    const int at0759 = Add(DayTrip(8116, 479, 540));

    const int rest659 = Pilot("REST 10:59");
    const int rest660 = Pilot("REST 11:00");
    const int rest719 = Pilot("REST 11:59");
    const int rest720 = Pilot("REST 12:00");
    const int long779 = Pilot("LONG HAUL 12:59");
    const int long839 = Pilot("LONG HAUL 13:59");
    for (auto [row, next] : {std::pair{rest659, at0459}, {rest660, at0500}, {rest719, at0559}, {rest720, at0600}}) {
        PutPairing(*doc, row, release18, 4);
        PutPairing(*doc, row, next, 5);
    }
    PutPairing(*doc, long779, release18Long, 4);
    PutPairing(*doc, long779, at0659, 5);
    PutPairing(*doc, long839, release18Long, 4);
    PutPairing(*doc, long839, at0759, 5);

    EXPECT_EQ(Judge(*doc, rest659), (Marks{" Rest  6", "", {5}, {}}));
    EXPECT_EQ(Judge(*doc, rest660), (Marks{"", " Rest  6", {}, {5}}));
    EXPECT_EQ(Judge(*doc, rest719), (Marks{"", " Rest  6", {}, {5}}));
    EXPECT_EQ(Judge(*doc, rest720), (Marks{}));
    EXPECT_EQ(Judge(*doc, long779), (Marks{" Rest  6", "", {5}, {}}));
    EXPECT_EQ(Judge(*doc, long839), (Marks{"", " Rest  6", {}, {5}}));
}

TEST(BlockCheckPilotSpring, RestAcrossTheClockChangeIsAnHourShorter) {
    // March 2026: the clocks go forward at 02:00 on Sunday 8 March (day index 7).
    FakeInteraction ui;
    auto doc = NewMonth(base::Date::FromDmy(1, 3, 2026), 31, model::kCaptains, ui);
    ASSERT_TRUE(doc->SetupDaylightSaving());
    const int evening = AddPairing(*doc, DayTrip(8101, 720, 600));  // 12:00-22:00
    const int at1000 = AddPairing(*doc, DayTrip(8102, 600, 540));
    const int at0959 = AddPairing(*doc, DayTrip(8103, 599, 540));
    const int warned = AddMember(*doc, "SUNDAY 10:00", 1);
    PutPairing(*doc, warned, evening, 6);
    PutPairing(*doc, warned, at1000, 7);  // 12 hours on the clock, 11 slept
    const int illegal = AddMember(*doc, "SUNDAY 09:59", 2);
    PutPairing(*doc, illegal, evening, 6);
    PutPairing(*doc, illegal, at0959, 7);

    EXPECT_EQ(Judge(*doc, warned), (Marks{"", " Rest  8", {}, {7}}));
    EXPECT_EQ(Judge(*doc, illegal), (Marks{" Rest  8", "", {7}, {}}));
}

TEST_F(BlockCheckPilot, RestOfReservesAndNextMonth) {
    const int release18 = Add(DayTrip(8101, 480, 600));
    const int late = Add(DayTrip(8120, 720, 660));  // 12:00-23:00
    const ActivityPlan ra = TableActivity(*doc, "RA");  // 03:00-17:00
    ActivityPlan raEarly = ra;
    raEarly.start = 178;

    // Called 2:00 inside the rest: a reserve may be; 2:02 inside it may not.
    const int called = Pilot("RESERVE CALLED EARLY");
    PutPairing(*doc, called, release18, 4);
    PutDayActivity(*doc, called, 5, ra);
    const int tooEarly = Pilot("RESERVE CALLED TOO EARLY");
    PutPairing(*doc, tooEarly, release18, 4);
    PutDayActivity(*doc, tooEarly, 5, raEarly);
    // Last month ended on reserve: no allowance on the first day (RB to 02:00, then 8:59 rest).
    const int afterReserve = Pilot("RESERVE AFTER RESERVE");
    PutOutsideDay(*doc, afterReserve, 30, {.dutyStart = 720, .dutyLength = 840, .worked = 2, .code = "RB"});
    P(afterReserve).LegalCheckIn = 120 + 539;
    ActivityPlan rbAt1000 = TableActivity(*doc, "RB");
    rbAt1000.start = 600;
    PutDayActivity(*doc, afterReserve, 0, rbAt1000);
    // An office day on 1 May after a late release on 30 April.
    const int nextMonth = Pilot("OFFICE ON 1 MAY");
    PutPairing(*doc, nextMonth, late, 29);
    PutDayActivity(*doc, nextMonth, 30, TableActivity(*doc, "OC"));

    EXPECT_EQ(Judge(*doc, called), (Marks{}));
    EXPECT_EQ(Judge(*doc, tooEarly), (Marks{" Rest  6", "", {5}, {}}));
    EXPECT_EQ(Judge(*doc, afterReserve), (Marks{" Rest  1", "", {0}, {}}));
    EXPECT_EQ(Judge(*doc, nextMonth), (Marks{" Rest  1+", "", {30}, {}}));
}

TEST_F(BlockCheckPilot, FatigueAt6000And6001) {
    PairingPlan at3000 = Trip(8201, 4, 480, 540);
    at3000.fatigue = 3000;
    PairingPlan at3001 = Trip(8202, 4, 480, 540);
    at3001.fatigue = 3001;
    const int trip3000 = Add(at3000);
    const int trip3001 = Add(at3001);
    // The end of last month's two-day trip brings 3000 units into the month.
    auto carryIn = [&](int row) {
        PutOutsideDay(*doc, row, 29, {.pairStart = 480, .pairLength = 1440 + 600, .dutyStart = 480, .dutyLength = 600});
        PutOutsideDay(*doc, row, 30, {.dutyStart = 480, .dutyLength = 600});
        P(row).ReservedSettingsA[0] = 3000;
        P(row).LegalCheckIn = -360 + 660;
    };
    const int sum6000 = Pilot("FATIGUE 6000");
    carryIn(sum6000);
    PutPairing(*doc, sum6000, trip3000, 0);
    const int sum6001 = Pilot("FATIGUE 6001");
    carryIn(sum6001);
    PutPairing(*doc, sum6001, trip3001, 0);
    const int dayOffFirst = Pilot("FATIGUE RESET BY A DAY OFF");
    carryIn(dayOffFirst);
    PutPairing(*doc, dayOffFirst, trip3001, 1);

    EXPECT_EQ(Judge(*doc, sum6000), (Marks{}));
    EXPECT_EQ(Judge(*doc, sum6001), (Marks{" 100+ Fatigue Units on 1", "", {0}, {}}));
    EXPECT_EQ(Judge(*doc, dayOffFirst), (Marks{}));
}

TEST_F(BlockCheckPilot, HardTimeIn28Days) {
    const int hard420 = Add(Trip(8301, 4, 480, 600, 420));
    const int hard421 = AddTrip(8302, {{480, 600, 420}, {480, 600, 420}, {480, 600, 420}, {480, 600, 421}});
    const int dayHard421 = Add(DayTrip(8303, 480, 600, 421));

    const int at6720 = Pilot("HARD 112:00");
    const int at6721 = Pilot("HARD 112:01");
    for (int d : {0, 7, 14}) {
        PutPairing(*doc, at6720, hard420, d);
        PutPairing(*doc, at6721, hard420, d);
    }
    PutPairing(*doc, at6720, hard420, 21);
    PutPairing(*doc, at6721, hard421, 21);
    // Over the limit only with the first day of May.
    const int carryOut = Pilot("HARD OVER ON 1 MAY");
    for (int d : {3, 10, 17}) PutPairing(*doc, carryOut, hard420, d);
    PutPairing(*doc, carryOut, hard421, 27);
    // Last month's block hours count.
    const int outside = Pilot("HARD WITH LAST MONTH");
    PutOutsideDay(*doc, outside, 28, {.pairStart = 480, .pairLength = 2 * 1440 + 600, .dutyStart = 480, .dutyLength = 600, .hard = 420});
    PutOutsideDay(*doc, outside, 29, {.dutyStart = 480, .dutyLength = 600, .hard = 420});
    PutOutsideDay(*doc, outside, 30, {.dutyStart = 480, .dutyLength = 600, .hard = 420});
    P(outside).LegalCheckIn = -360 + 660;
    for (int d : {4, 11, 18}) PutPairing(*doc, outside, hard420, d);
    PutPairing(*doc, outside, dayHard421, 23);

    EXPECT_EQ(Judge(*doc, at6720), (Marks{}));
    EXPECT_EQ(Judge(*doc, at6721), (Marks{" 112+ Hours Hard in 28 on 25 26 27 28", "", {24, 25, 26, 27}, {}}));
    EXPECT_EQ(Judge(*doc, carryOut), (Marks{" 112+ Hours Hard in 28 on C/Out", "", {30}, {}}));
    EXPECT_EQ(Judge(*doc, outside), (Marks{" 112+ Hours Hard in 28 on 24 25", "", {23, 24}, {}}));
}

TEST_F(BlockCheckPilot, TwelveHourDutiesInARow) {
    const int four720 = Add(Trip(8401, 4, 480, 720));
    const int three720 = AddTrip(8402, {{480, 720, 300}, {480, 720, 300}, {480, 720, 300}, {480, 600, 300}});
    const int first719 = AddTrip(8403, {{480, 719, 300}, {480, 720, 300}, {480, 720, 300}, {480, 720, 300}});

    const int fourLong = Pilot("FOUR 12 HOUR DUTIES");
    PutPairing(*doc, fourLong, four720, 10);
    const int threeThenShort = Pilot("THREE 12 HOUR DUTIES THEN A SHORT ONE");
    PutPairing(*doc, threeThenShort, three720, 10);
    const int shortFirst = Pilot("11:59 THEN THREE 12 HOUR DUTIES");
    PutPairing(*doc, shortFirst, first719, 10);
    const int intoMay = Pilot("FOURTH 12 HOUR DUTY IN MAY");
    PutPairing(*doc, intoMay, four720, 28);

    EXPECT_EQ(Judge(*doc, fourLong), (Marks{" 3+ 12 Hr Duty on 14", "", {13}, {}}));
    EXPECT_EQ(Judge(*doc, threeThenShort), (Marks{" 3+ 12 Hr Duty on 14", "", {13}, {}}));
    EXPECT_EQ(Judge(*doc, shortFirst), (Marks{}));
    EXPECT_EQ(Judge(*doc, intoMay), (Marks{" 3+ 12 Hr Duty on C/O", "", {31}, {}}));
}

TEST_F(BlockCheckPilot, DutyIn28Days) {
    // Five on, two off all month: twenty duty days in every 28.
    const int duty576 = Add(Trip(8501, 5, 480, 576));
    const int duty577 = Add(Trip(8502, 5, 480, 577));
    const int at11520 = Pilot("DUTY 192:00 IN 28 DAYS");
    const int at11540 = Pilot("DUTY 192:20 IN 28 DAYS");
    for (int d : {0, 7, 14, 21, 28}) {
        PutPairing(*doc, at11520, duty576, d);
        PutPairing(*doc, at11540, duty577, d);
    }

    EXPECT_EQ(Judge(*doc, at11520), (Marks{}));
    EXPECT_EQ(Judge(*doc, at11540), (Marks{" 192h+/28d On 26 27 28 29 30 C/O.", "", {25, 26, 27, 28, 29, 30}, {}}));
}

TEST_F(BlockCheckPilot, ConsecutiveWorkDays) {
    const int four = Add(Trip(8601, 4, 480, 600));
    const int three = Add(Trip(8602, 3, 480, 600));
    const int two = Add(Trip(8603, 2, 480, 600));
    const int one = Add(DayTrip(8604, 480, 600));

    const int seven = Pilot("SEVEN DAYS IN A ROW");
    PutPairing(*doc, seven, four, 10);
    PutPairing(*doc, seven, three, 14);
    const int six = Pilot("SIX DAYS IN A ROW");
    PutPairing(*doc, six, four, 10);
    PutPairing(*doc, six, two, 14);
    // Seven days at the end of March, and 1 April on top.
    const int fromMarch = Pilot("SEVEN DAYS IN MARCH");
    PutOutsideDay(*doc, fromMarch, 24, {.pairStart = 480, .pairLength = 3 * 1440 + 600, .dutyStart = 480, .dutyLength = 600});
    for (int w = 25; w <= 27; ++w) PutOutsideDay(*doc, fromMarch, w, {.dutyStart = 480, .dutyLength = 600});
    PutOutsideDay(*doc, fromMarch, 28, {.pairStart = 480, .pairLength = 2 * 1440 + 600, .dutyStart = 480, .dutyLength = 600});
    for (int w = 29; w <= 30; ++w) PutOutsideDay(*doc, fromMarch, w, {.dutyStart = 480, .dutyLength = 600});
    P(fromMarch).LegalCheckIn = -360 + 660;
    PutPairing(*doc, fromMarch, one, 0);

    // The seventh day is 1 May.
    const int intoMay = Pilot("SEVENTH DAY ON 1 MAY");
    PutPairing(*doc, intoMay, four, 24);
    PutPairing(*doc, intoMay, three, 28);

    EXPECT_EQ(Judge(*doc, seven), (Marks{"", " Con Days On 17", {}, {16}}));
    EXPECT_EQ(Judge(*doc, intoMay), (Marks{"", " Con Days On NextMonth.", {}, {30}}));
    EXPECT_EQ(Judge(*doc, six), (Marks{}));
    EXPECT_EQ(Judge(*doc, fromMarch), (Marks{"", " Con Days On <- 31 MAR  1", {}, {0}}));
}

TEST_F(BlockCheckPilot, ReserveRuns) {
    const ActivityPlan rb = TableActivity(*doc, "RB");  // 12:00-02:00
    const int one = Add(DayTrip(8604, 480, 600));

    // Five reserve days two days after a trip: the day after them is warned.
    const int fiveAfterTrip = Pilot("FIVE RB AFTER A TRIP");
    PutPairing(*doc, fiveAfterTrip, one, 3);
    for (int d = 5; d <= 9; ++d) PutDayActivity(*doc, fiveAfterTrip, d, rb);
    // Eight reserve days: the eighth is illegal; the seventh warned as a seventh working day.
    // 70/7 from 6 April fails at once on the late end of the first RB: the 12th, the day that
    // failed 60/7, is flagged, not the 6th.
    const int eight = Pilot("EIGHT RB IN A ROW");
    for (int d = 5; d <= 12; ++d) PutDayActivity(*doc, eight, d, rb);

    EXPECT_EQ(Judge(*doc, fiveAfterTrip), (Marks{"", " Con Days On 11", {}, {10}}));
    EXPECT_EQ(Judge(*doc, eight), (Marks{" 100+ Fatigue Units on 13 60h/7d 2LNR Rules 12 13 14 Con Days On 13",
                                         " Con Days On 11 12", {11, 12, 13}, {10, 11}}));
}

TEST_F(BlockCheckPilot, ReserveTypeMix) {
    const ActivityPlan ra = TableActivity(*doc, "RA");
    const ActivityPlan rb = TableActivity(*doc, "RB");
    const ActivityPlan re{"RE ", "RE", 300, 720, 0, 0, true, true, false, true};

    const int mixed = Pilot("RESERVE MIX");
    PutDayActivity(*doc, mixed, 2, rb);
    PutDayActivity(*doc, mixed, 4, ra);  // RB, one day off, RA
    PutDayActivity(*doc, mixed, 10, ra);
    PutDayActivity(*doc, mixed, 11, re);  // RA then RE the next day
    PutDayActivity(*doc, mixed, 20, ra);
    PutDayActivity(*doc, mixed, 22, re);  // RA, one day off, RE
    PutDayActivity(*doc, mixed, 25, rb);
    PutDayActivity(*doc, mixed, 28, ra);  // RB, two days off, RA
    // Reserve early on 30 March, reserve B on 1 April.
    const int fromMarch = Pilot("RE IN MARCH");
    P(fromMarch).DayText[29] = "RE ";
    PutDayActivity(*doc, fromMarch, 0, rb);

    EXPECT_EQ(Judge(*doc, mixed), (Marks{" RA RB RE Mix On 5 12", "", {4, 11}, {}}));
    EXPECT_EQ(Judge(*doc, fromMarch), (Marks{" RA RB RE Mix On 1", "", {0}, {}}));
}

TEST_F(BlockCheckPilot, CheckPilotCredit) {
    const int credit1350 = AddTrip(8701, {{480, 600, 300, 337}, {480, 600, 300, 338}, {480, 600, 300, 338}, {480, 600, 300, 337}});
    const int credit1600 = Add(Trip(8702, 4, 480, 600, 300, 400));
    auto checker = [&](const std::string& name, int32_t carriedIn) {
        const int row = Pilot(name);
        P(row).Qualification = 3;
        P(row).CreditCarriedIn = carriedIn;
        for (int d : {0, 7, 14}) PutPairing(*doc, row, credit1350, d);
        return row;
    };
    const int at5400 = checker("CHECK PILOT 90:00", 1350);
    const int at5401 = checker("CHECK PILOT 90:01", 1351);
    // Only 30 April's half of a trip into May counts: 4050 + 800 + 550.
    const int intoMay = checker("CHECK PILOT TRIP INTO MAY", 550);
    PutPairing(*doc, intoMay, credit1600, 28);
    const int linePilot = Pilot("LINE PILOT 90:01");
    P(linePilot).CreditCarriedIn = 1351;
    for (int d : {0, 7, 14}) PutPairing(*doc, linePilot, credit1350, d);

    EXPECT_EQ(Judge(*doc, at5400), (Marks{}));
    EXPECT_EQ(Judge(*doc, at5401), (Marks{"Check Pilot Pair Credit > 90:00", "", {}, {}}));
    EXPECT_EQ(Judge(*doc, intoMay), (Marks{}));
    EXPECT_EQ(Judge(*doc, linePilot), (Marks{}));
}

TEST_F(BlockCheckPilot, AirportsAndUsa) {
    PairingPlan island = DayTrip(8801, 480, 600);
    island.route = "YTZ YOW YTZ";
    PairingPlan peterborough = DayTrip(8802, 480, 600);
    peterborough.route = "YYZ YCG YYZ";
    PairingPlan usa = DayTrip(8803, 480, 600);
    usa.route = "YYZ BOS YYZ";
    usa.marks = "USA SEGMENTS";
    const int ytz = Add(island), ycg = Add(peterborough), bos = Add(usa);

    const int restricted = Pilot("NO YTZ NO YCG 65+");
    P(restricted).NoTz = 1;
    P(restricted).NoYcg = 1;
    P(restricted).LanguageBits = 1;
    PutPairing(*doc, restricted, ytz, 5);
    PutPairing(*doc, restricted, ytz, 12);
    PutPairing(*doc, restricted, ycg, 19);
    PutPairing(*doc, restricted, bos, 8);
    const int medical = Pilot("MED ONLY");
    P(medical).LanguageBits = 2;
    PutPairing(*doc, medical, ytz, 6);
    PutPairing(*doc, medical, ycg, 20);
    PutPairing(*doc, medical, bos, 9);

    EXPECT_EQ(Judge(*doc, restricted),
              (Marks{" Not Qualified for YTZ on 6 13 Not Qualified for YCG on 20 USA Pairing on  9", "", {5, 8, 12, 19}, {}}));
    EXPECT_EQ(Judge(*doc, medical), (Marks{}));
}

TEST_F(BlockCheckPilot, CaptainPairingsLineIsLeftAlone) {
    const int early = Add(DayTrip(8111, 299, 540));
    const int release18 = Add(DayTrip(8101, 480, 600));
    const int line = AddMember(*doc, "CAPTAIN PAIRINGS", -1);
    PutPairing(*doc, line, release18, 4);
    PutPairing(*doc, line, early, 5);
    rules::CheckAllBlocks(*doc);
    EXPECT_EQ(MarksOf(P(line)), (Marks{}));
    EXPECT_EQ(P(line).RuleLog, "");
}

TEST_F(BlockCheckPilot, TwoCaptainsPairsRestrictedCaptains) {
    const int p8150 = Add(DayTrip(8150, 480, 600));
    const int p8160 = Add(DayTrip(8160, 480, 600));
    const int copy8150 = Add(DayTrip(8150, 480, 600));
    const int copy8160 = Add(DayTrip(8160, 480, 600));
    doc->LastLoadedPairIndex = p8160;  // the copies are the second captains' seats

    auto captain = [&](const std::string& name, int32_t bits) {
        const int row = Pilot(name);
        P(row).LanguageBits = bits;
        return row;
    };
    const int a = captain("A 65+", 1), b = captain("B 65+ MED", 3), c = captain("C", 0), d = captain("D MED", 2);
    const int e = captain("E MED", 2), f = captain("F 65+", 1), g = captain("G 65+ MED", 3), h = captain("H 65+ MED", 3);
    PutPairing(*doc, a, p8150, 5);
    PutPairing(*doc, b, copy8150, 5);   // both 65+
    PutPairing(*doc, d, p8160, 12);
    PutPairing(*doc, b, copy8160, 12);  // both MED, later: MED stands
    PutPairing(*doc, f, p8150, 20);
    PutPairing(*doc, e, copy8150, 20);  // 65+ with MED: nothing shared
    PutPairing(*doc, h, p8150, 25);
    PutPairing(*doc, g, copy8150, 25);  // both both: MED
    PutPairing(*doc, d, p8160, 3);
    PutPairing(*doc, c, copy8160, 3);   // no restriction

    rules::CheckAllBlocks(*doc);
    rules::CheckTwoCaptains(*doc);
    rules::CheckTwoCaptains(*doc);  // a second run does not repeat the finding

    EXPECT_EQ(P(b).IllegalText, " Both MED on 2 Capt Pair ");
    EXPECT_EQ(P(g).IllegalText, " Both MED on 2 Capt Pair ");
    for (int row : {a, c, d, e, f, h}) EXPECT_EQ(P(row).IllegalText, "") << P(row).Name;

    PutPairing(*doc, b, copy8150, 5);
    P(b).DayAssignment[12] = model::kDayEmpty;
    rules::CheckTwoCaptains(*doc);
    EXPECT_EQ(P(b).IllegalText, " Both 60 on 2 Capt Pair ");
}

}  // namespace
}  // namespace lw::test
