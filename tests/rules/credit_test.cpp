// The block credit total in both modes, on a real April 2026 month.
#include <gtest/gtest.h>

#include "fake_interaction.h"
#include "recording_log.h"
#include "rules/block_checks.h"
#include "support/block_builder.h"

namespace lw::test {
namespace {

using base::Date;

struct Credit {
    int32_t returned;
    int hours, minutes;
    int32_t timeBankCodes, alb;
    bool operator==(const Credit&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Credit& c) {
    return os << "{returned " << c.returned << ", " << c.hours << ":" << c.minutes << ", TBB " << c.timeBankCodes
              << ", ALB " << c.alb << "}";
}

class CreditTotal : public ::testing::Test {
protected:
    FakeInteraction ui;
    std::unique_ptr<model::Document> doc = NewMonth(base::Date::FromDmy(1, 4, 2026), 30, model::kFirstOfficers, ui);
    model::TPilot& P(int row) { return doc->Crew[static_cast<size_t>(row)]; }

    Credit Compute(int row, bool includeExcluded) {
        const int32_t returned = rules::ComputeCredit(*doc, row, includeExcluded);
        const model::TPilot& p = P(row);
        return {returned, p.CreditHours, p.CreditMinutes, p.TimeBankCodeTotal, p.AlbTotal};
    }
};

TEST_F(CreditTotal, TotalInBothModes) {
    PairingPlan three;
    three.number = 8101;
    three.days = {{480, 600, 300, 300}, {480, 600, 300, 330}, {480, 600, 300, 360}};
    const int tripA = AddPairing(*doc, three);
    PairingPlan intoMay;
    intoMay.number = 8102;
    intoMay.days = {{480, 600, 300, 300}, {480, 600, 300, 310}, {480, 600, 300, 320}, {480, 600, 300, 330}};
    const int tripB = AddPairing(*doc, intoMay);
    doc->Pairings[static_cast<size_t>(tripA)].ExcludedCredit[2] = 100;  // a training leg flown on 3 April

    const int row = AddMember(*doc, "CREDIT, FIRST OFFICER", 123456);
    model::TPilot& p = P(row);
    p.CreditCarriedIn = 120;
    p.DraftCredits = 60;
    p.ExtraCredits = 30;
    p.TimeBank = 90;
    p.TrainingAtHome = 45;
    p.OutsideW = true;
    PutPairing(*doc, row, tripA, 2);
    PutPairing(*doc, row, tripB, 28);  // 30 April's and 1 May's credit of 29 and 30 April only
    PutDayActivity(*doc, row, 10, TableActivity(*doc, "VC"));  // VAC 2:50
    PutDayActivity(*doc, row, 11, TableActivity(*doc, "LA"));  // LOA 2:50, leave
    ActivityPlan sim = TableActivity(*doc, "SM");
    sim.excludeCredit = true;
    PutDayActivity(*doc, row, 12, sim);  // SIM 4:00 outside the block
    PutDayActivity(*doc, row, 13, ActivityPlan{"TBB", "TB", 720, 240, 120});
    PutDayActivity(*doc, row, 14, ActivityPlan{"ALB", "AB", 720, 240, 60});
    ActivityPlan med = TableActivity(*doc, "MD");
    med.excludeCredit = true;
    PutDayActivity(*doc, row, 15, med);  // MED 2:50 outside the block

    // 300 base + 890 + 610 pairings + 170 VAC + 170 LOA + 120 TBB + 60 ALB = 38:40, less 170 leave.
    EXPECT_EQ(Compute(row, false), (Credit{2150, 38, 40, 120, 60}));
    // 345 base with training at home + 990 + 610 + 170 + 170 + 240 + 120 + 60 + 170 = 47:55, less 340 leave.
    EXPECT_EQ(Compute(row, true), (Credit{2535, 47, 55, 120, 60}));
    // Inside the W: training at home counts in both modes.
    p.OutsideW = false;
    EXPECT_EQ(Compute(row, false), (Credit{2195, 39, 25, 120, 60}));
    EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(CreditTotal, AboveWhatTheBlockCanShow) {
    const int row = AddMember(*doc, "CARRIED IN 133:20", 123457);
    P(row).CreditCarriedIn = 8000;
    EXPECT_EQ(Compute(row, false), (Credit{8000, 127, 59, 0, 0}));
    P(row).CreditCarriedIn = -8000;
    EXPECT_EQ(Compute(row, false), (Credit{-8000, -127, -59, 0, 0}));
}

TEST_F(CreditTotal, StopsAtAPairingOutsideTheTable) {
    const int trip = AddPairing(*doc, DayTrip(8101, 480, 600, 300, 330));
    const int row = AddMember(*doc, "DAMAGED BLOCK", 123458);
    PutPairing(*doc, row, trip, 2);
    P(row).DayAssignment[5] = 3005;
    P(row).DayAssignment[9] = 4000;
    PutPairing(*doc, row, trip, 12);  // after the damage: not counted
    PutDayActivity(*doc, row, 20, TableActivity(*doc, "VC"));

    EXPECT_EQ(rules::ComputeCredit(*doc, row, false, ui), 330 + 170);
    EXPECT_EQ(ui.Messages(), (std::vector<FakeInteraction::Call>{{"Message", "Internal Error", "Pairing Number out of RANGE"}}));

    RecordingLog log;
    doc->RunLog = &log;
    EXPECT_EQ(rules::ComputeCredit(*doc, row, true), 330 + 170);
    EXPECT_EQ(log.lines, std::vector<std::string>{"Pairing Number out of RANGE\n"});
    doc->RunLog = nullptr;
}

TEST_F(CreditTotal, TimeBankOfTheCrew) {
    const int first = AddMember(*doc, "TIME BANK ONE", 1);
    P(first).TimeBank = 90;
    PutDayActivity(*doc, first, 3, ActivityPlan{"TBB", "TB", 720, 240, 120});
    const int second = AddMember(*doc, "TIME BANK TWO", 2);
    P(second).TimeBank = 45;
    for (int row : {first, second}) rules::ComputeCredit(*doc, row, false);
    EXPECT_EQ(rules::CrewTimeBank(*doc), 255);
    EXPECT_EQ(rules::CrewTimeBankText(*doc), " TB 4:15");
}

}  // namespace
}  // namespace lw::test
