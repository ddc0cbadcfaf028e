// Flight attendants' block checks on real April 2026 months (day index 0 is 1 April).
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "check_results.h"
#include "fake_interaction.h"
#include "rules/block_checks.h"
#include "support/block_builder.h"

namespace lw::test {
namespace {

using base::Date;

class BlockCheckCabin : public ::testing::Test {
protected:
    FakeInteraction ui;
    std::unique_ptr<model::Document> doc = NewMonth(base::Date::FromDmy(1, 4, 2026), 30, model::kFlightAttendants, ui);

    int Attendant(const std::string& name) { return AddMember(*doc, name, 200000 + doc->CrewCount); }
    int Add(PairingPlan plan) {
        plan.type = "FA";
        return AddPairing(*doc, plan);
    }
    // A pairing reporting at `report` for `length` minutes of duty, releasing after midnight
    // when the duty runs past 24:00.
    int AddLate(int32_t number, int32_t report, int32_t length, bool lateRelease) {
        PairingPlan plan = DayTrip(number, report, length);
        plan.lateRelease = lateRelease;
        return Add(plan);
    }
    model::TPilot& P(int row) { return doc->Crew[static_cast<size_t>(row)]; }
};

TEST_F(BlockCheckCabin, RestWithLateReleases) {
    const int lateA = AddLate(8201, 1140, 540, true);     // 19:00 to 04:00
    const int lateAt1400 = AddLate(8202, 840, 750, true);  // 14:00 to 02:30
    const int lateAt1359 = AddLate(8203, 839, 750, true);
    const int normalAt1400 = AddLate(8204, 840, 540, false);
    const int day0800 = Add(DayTrip(8205, 480, 720));  // 08:00 to 20:00
    const int day0759 = Add(DayTrip(8206, 479, 540));
    const int lateAt1500 = AddLate(8207, 900, 690, true);

    // Two late releases in a row: the second may report two hours inside the 12-hour rest.
    const int twoLate = Attendant("TWO LATE RELEASES");
    PutPairing(*doc, twoLate, lateA, 3);
    PutPairing(*doc, twoLate, lateAt1400, 4);
    const int twoLateEarly = Attendant("TWO LATE RELEASES ONE MINUTE EARLY");
    PutPairing(*doc, twoLateEarly, lateA, 3);
    PutPairing(*doc, twoLateEarly, lateAt1359, 4);
    const int lateThenNormal = Attendant("LATE RELEASE THEN A DAY TRIP");
    PutPairing(*doc, lateThenNormal, lateA, 3);
    PutPairing(*doc, lateThenNormal, normalAt1400, 4);
    // Plain 12:00 and 11:59.
    const int rest720 = Attendant("REST 12:00");
    PutPairing(*doc, rest720, day0800, 10);
    PutPairing(*doc, rest720, day0800, 11);
    const int rest719 = Attendant("REST 11:59");
    PutPairing(*doc, rest719, day0800, 10);
    PutPairing(*doc, rest719, day0759, 11);
    // Last month ended with a late trip (19:00, 10 hours): the first late release of April
    // gets the two hours too, unless 1 April already carries credit from outside.
    auto lateMarch = [&](const std::string& name, int32_t firstDayCredit) {
        const int row = Attendant(name);
        PutOutsideDay(*doc, row, 30, {.pairStart = 1140, .pairLength = 600, .dutyStart = 1140, .dutyLength = 600});
        P(row).PrevDayData[31][4] = firstDayCredit;
        P(row).LegalCheckIn = -1440 + 1140 + 600 + 720;
        PutPairing(*doc, row, lateAt1500, 0);
        return row;
    };
    const int fromMarch = lateMarch("LATE TRIP ON 31 MARCH", 0);
    const int creditedFirst = lateMarch("LATE TRIP ON 31 MARCH, CREDIT ON 1 APRIL", 240);

    EXPECT_EQ(Judge(*doc, twoLate), (Marks{}));
    EXPECT_EQ(Judge(*doc, twoLateEarly), (Marks{" Rest  5", "", {4}, {}}));
    EXPECT_EQ(Judge(*doc, lateThenNormal), (Marks{" Rest  5", "", {4}, {}}));
    EXPECT_EQ(Judge(*doc, rest720), (Marks{}));
    EXPECT_EQ(Judge(*doc, rest719), (Marks{" Rest  12", "", {11}, {}}));
    EXPECT_EQ(Judge(*doc, fromMarch), (Marks{}));
    EXPECT_EQ(Judge(*doc, creditedFirst), (Marks{" Rest  1", "", {0}, {}}));
}

TEST_F(BlockCheckCabin, DaysOnAndOff) {
    // Seven days on, one off, then work again.
    const int lineHolder = Attendant("LINE HOLDER SEVEN ON ONE OFF");
    PutPairing(*doc, lineHolder, Add(Trip(8301, 3, 480, 600)), 2);
    PutPairing(*doc, lineHolder, Add(Trip(8302, 4, 480, 600)), 5);
    PutPairing(*doc, lineHolder, Add(DayTrip(8303, 480, 600)), 10);
    // A reserve: back to work after a single day off, and a sixth day in a row.
    const int reserve = Attendant("BIDS RESERVE");
    P(reserve).BidsReserve = true;
    const int standby = Add(DayTrip(8304, 480, 600));
    PutPairing(*doc, reserve, standby, 2);
    PutPairing(*doc, reserve, standby, 4);
    for (int d = 10; d <= 15; ++d) PutPairing(*doc, reserve, standby, d);
    // The seventh day falls on 1 May.
    const int intoMay = Attendant("SEVENTH DAY IN MAY");
    const int four = Add(Trip(8305, 4, 480, 600));
    PutPairing(*doc, intoMay, four, 24);
    PutPairing(*doc, intoMay, four, 28);
    // Six days on is fine for a line holder.
    const int six = Attendant("LINE HOLDER SIX ON");
    const int three = Add(Trip(8306, 3, 480, 600));
    PutPairing(*doc, six, three, 2);
    PutPairing(*doc, six, three, 5);
    PutPairing(*doc, six, Add(DayTrip(8307, 480, 600)), 9);

    EXPECT_EQ(Judge(*doc, lineHolder), (Marks{"", "Con Days On/Off 9 10", {}, {8, 9}}));
    EXPECT_EQ(Judge(*doc, reserve), (Marks{"", "Con Days On/Off 5 16", {}, {4, 15}}));
    EXPECT_EQ(Judge(*doc, intoMay), (Marks{"", "Con Days On/Off C/Out.", {}, {30}}));
    EXPECT_EQ(Judge(*doc, six), (Marks{}));
}

TEST_F(BlockCheckCabin, FrenchPairings) {
    PairingPlan french = DayTrip(8401, 480, 600);
    french.route = "YYZ YUL YQB";
    french.marks = "FRENCH PAIRING";
    const int firstSeat = Add(french);
    const int secondSeat = Add(french);  // the other cabin position of the same trip
    PairingPlan alone = DayTrip(8402, 480, 600);
    alone.marks = "FRENCH PAIRING";
    const int singleSeat = Add(alone);

    const int frenchSenior = Attendant("FRENCH SENIOR");
    P(frenchSenior).LanguageBits = 1;
    const int senior = Attendant("SENIOR");
    const int middle = Attendant("MIDDLE");
    const int junior = Attendant("JUNIOR");
    PutPairing(*doc, senior, firstSeat, 6);
    PutPairing(*doc, junior, secondSeat, 6);  // nobody French on 7 April: the junior answers
    PutPairing(*doc, frenchSenior, firstSeat, 12);
    PutPairing(*doc, middle, secondSeat, 12);  // a French colleague on 13 April
    PutPairing(*doc, middle, singleSeat, 20);  // alone on a French trip on 21 April
    rules::CheckAllBlocks(*doc);

    EXPECT_EQ(MarksOf(P(junior)), (Marks{" French Pair  7", "", {6}, {}}));
    EXPECT_EQ(MarksOf(P(senior)), (Marks{}));
    EXPECT_EQ(MarksOf(P(middle)), (Marks{" French Pair  21", "", {20}, {}}));
    EXPECT_EQ(MarksOf(P(frenchSenior)), (Marks{}));
    for (int row : {frenchSenior, senior, middle, junior}) EXPECT_EQ(P(row).RulesChecked, 1);
}

TEST_F(BlockCheckCabin, FrenchRuleSameForWholeCrewMemberByMemberAndTrialCopy) {
    // Montreal day trips with three cabin positions each, every third day, flown by 42
    // attendants, one in five French.
    std::vector<std::array<int, 3>> trips;
    for (int t = 0; t < 12; ++t) {
        PairingPlan plan = DayTrip(8700 + t, 420 + 30 * t, 540);
        plan.marks = "FRENCH PAIRING";
        trips.push_back({Add(plan), Add(plan), Add(plan)});
    }
    for (int c = 0; c < 42; ++c) P(Attendant("MONTREAL " + std::to_string(c))).LanguageBits = c % 5 == 0 ? 1 : 0;
    for (int d = 0; d < 28; d += 3)
        for (int t = 0; t < 12; ++t)
            for (int seat = 0; seat < 3; ++seat)
                PutPairing(*doc, (3 * t + seat + 7 * d) % 42, trips[static_cast<size_t>(t)][static_cast<size_t>(seat)], d);
    rules::CheckAllBlocks(*doc);
    std::vector<Marks> whole;
    int flagged = 0;
    for (int row = 0; row < doc->CrewCount; ++row) {
        whole.push_back(MarksOf(P(row)));
        flagged += P(row).IllegalText.find(" French Pair ") != std::string::npos;
    }
    EXPECT_GT(flagged, 0);
    for (int row = 0; row < doc->CrewCount; ++row) EXPECT_EQ(Judge(*doc, row), whole[static_cast<size_t>(row)]) << row;
    // The legality trial judges a copy in the last row as the member it was taken from.
    for (int row : {8, 20, 38}) {
        model::TPilot& trial = doc->Crew[model::kCrewRows - 1];
        trial.CopyFrom(P(row));
        EXPECT_EQ(Judge(*doc, model::kCrewRows - 1), whole[static_cast<size_t>(row)]) << row;
    }
}

TEST_F(BlockCheckCabin, FamPairings) {
    PairingPlan fam = DayTrip(8501, 480, 600);
    fam.marks = "EXTRA FA ON YYZ-YOW";
    const int famTrip = Add(fam);
    const int noFams = Attendant("NO FAMS");
    P(noFams).Qualification = 2;
    PutPairing(*doc, noFams, famTrip, 8);
    const int anyone = Attendant("FAMS ALLOWED");
    PutPairing(*doc, anyone, famTrip, 9);

    EXPECT_EQ(Judge(*doc, noFams), (Marks{"", "Fam Pairing in Block on 9", {}, {8}}));
    EXPECT_EQ(Judge(*doc, anyone), (Marks{}));
}

TEST_F(BlockCheckCabin, ReducedBlockReserve) {
    const ActivityPlan rb = TableActivity(*doc, "RB");  // 12:00 to 02:00
    const int one = Add(DayTrip(8601, 480, 600));

    const int reduced = Attendant("REDUCED BLOCK");
    P(reduced).MaxBlock = 4200;
    PutDayActivity(*doc, reduced, 9, rb);  // alone
    PutDayActivity(*doc, reduced, 15, rb);
    PutDayActivity(*doc, reduced, 16, rb);  // a pair
    const int full = Attendant("FULL BLOCK");
    PutPairing(*doc, full, one, 7);
    PutDayActivity(*doc, full, 9, rb);  // one day off before it, then the trip
    PutDayActivity(*doc, full, 20, rb);  // two days off on each side
    // A lone RB on 28 March with work on 26 March.
    const int fromMarch = Attendant("FULL BLOCK RB IN MARCH");
    PutOutsideDay(*doc, fromMarch, 25, {.pairStart = 480, .pairLength = 600, .dutyStart = 480, .dutyLength = 600});
    PutOutsideDay(*doc, fromMarch, 27, {.dutyStart = 720, .dutyLength = 840, .worked = 2, .code = "RB "});
    PutPairing(*doc, fromMarch, one, 7);
    PutDayActivity(*doc, fromMarch, 9, rb);

    EXPECT_EQ(Judge(*doc, reduced), (Marks{" RB Days Must be Grouped in 2s for Reduced Block on  11", "", {10}, {}}));
    EXPECT_EQ(Judge(*doc, full), (Marks{" Must Have 2 Days Off before and after RB periods on 10", "", {9}, {}}));
    EXPECT_EQ(Judge(*doc, fromMarch),
              (Marks{" Must Have 2 Days Off before and after RB periods on Last Month 10", "", {9}, {}}));
}

}  // namespace
}  // namespace lw::test
