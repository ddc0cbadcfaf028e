// One pilot's April 2026 month, start to finish: the whole duty rule log, derived by hand from
// the rules (which days carry duty, where the local night rests and single free days fall, the
// one run of five free days, and the evaluation walk with its change to 70/7).
#include <gtest/gtest.h>

#include "check_results.h"
#include "fake_interaction.h"
#include "rules/block_checks.h"
#include "support/block_builder.h"

namespace lw::test {
namespace {

using base::Date;

TEST(DutyRuleMonth, WholeLogOfAFirstOfficersApril) {
    FakeInteraction ui;
    auto doc = NewMonth(base::Date::FromDmy(1, 4, 2026), 30, model::kFirstOfficers, ui);
    const int row = AddMember(*doc, "GAUTHIER, M", 611203);
    model::TPilot& p = doc->Crew[static_cast<size_t>(row)];

    // 28 to 30 March: the last trip of March, 10:00 on the 28th to 17:00 on the 30th.
    PutOutsideDay(*doc, row, 27, {.pairStart = 600, .pairLength = 3300, .dutyStart = 600, .dutyLength = 540, .hard = 300});
    PutOutsideDay(*doc, row, 28, {.dutyStart = 465, .dutyLength = 600, .hard = 300});
    PutOutsideDay(*doc, row, 29, {.dutyStart = 480, .dutyLength = 540, .hard = 300});
    p.LegalCheckIn = -2 * 1440 + 1020 + 660;

    PairingPlan early;  // 3 to 5 April, reporting 06:15
    early.number = 8311;
    early.days = {{375, 525, 300, 330}, {540, 630, 300, 360}, {450, 510, 300, 300}};
    PairingPlan evenings;  // 12 to 15 April, the third duty ending 00:30
    evenings.number = 8342;
    evenings.days = {{810, 615, 300, 360}, {720, 600, 300, 330}, {840, 630, 300, 360}, {600, 480, 300, 300}};
    PairingPlan twoDays;  // 22 and 23 April
    twoDays.number = 8375;
    twoDays.days = {{420, 600, 300, 330}, {480, 480, 300, 300}};
    PutPairing(*doc, row, AddPairing(*doc, early), 2);
    PutDayActivity(*doc, row, 7, TableActivity(*doc, "RB"));
    PutDayActivity(*doc, row, 8, TableActivity(*doc, "RB"));
    PutPairing(*doc, row, AddPairing(*doc, evenings), 11);
    PutDayActivity(*doc, row, 17, TableActivity(*doc, "VC"));
    PutDayActivity(*doc, row, 18, TableActivity(*doc, "VC"));
    PutPairing(*doc, row, AddPairing(*doc, twoDays), 21);
    PutDayActivity(*doc, row, 23, TableActivity(*doc, "SM"));
    PutPairing(*doc, row, AddPairing(*doc, Trip(8390, 4, 480, 600)), 24);

    rules::CheckBlock(*doc, row);

    const std::vector<std::string> expected = {
        "Checking 28/03/2026 PASSED 2LNR 60/7 4SDFD",
        "Checking 29/03/2026 PASSED 2LNR 60/7 4SDFD",
        "Checking 30/03/2026 PASSED 2LNR 60/7 4SDFD",
        "Checking 03/04/2026 PASSED 2LNR 60/7 4SDFD",
        "Checking 04/04/2026 PASSED 2LNR 60/7 4SDFD",
        "Checking 05/04/2026 PASSED 2LNR 60/7 4SDFD",
        "Checking 08/04/2026 PASSED 2LNR 60/7 4SDFD",
        "Checking 09/04/2026 PASSED 2LNR 60/7 4SDFD",
        "Checking 10/04/2026 PASSED 2LNR 60/7 4SDFD",
        "Checking 12/04/2026 PASSED 2LNR 60/7 4SDFD",
        "Checking 13/04/2026 PASSED 2LNR 60/7 4SDFD",
        "Checking 14/04/2026 PASSED 2LNR 60/7 4SDFD",
        "Checking 15/04/2026 PASSED 2LNR 60/7 4SDFD",
        "Checking 22/04/2026 PASSED 2LNR 60/7 4SDFD",
        "Checking 23/04/2026 PASSED 2LNR 60/7 4SDFD",
        "Checking 24/04/2026 PASSED 2LNR 60/7 4SDFD",
        "Checking 25/04/2026 PASSED 2LNR 60/7 4SDFD",
        "Checking 26/04/2026 PASSED 2LNR 60/7 4SDFD",
        "Checking 27/04/2026 FAIL 2LNR",
        "ATTEMPT LOGIC CHANGE to 70/7 on 20/4/2026.",
        "Checking 22/04/2026 PASSED 70/7.",
        "Checking 23/04/2026 PASSED 70/7.",
        "Checking 24/04/2026 PASSED 70/7.",
        "Checking 25/04/2026 PASSED 70/7.",
        "Checking 26/04/2026 PASSED 70/7.",
        "Checking 27/04/2026 PASSED 70/7.",
        "Checking 28/04/2026 PASSED 70/7.",
        "--------------------------------------------------------------------------------",
        "RULE CHECKING DATA ARRAYS",
        "--------------------------------------------------------------------------------",
        "DUTY IS ANY QUALIFING DUTY THAT DAY",
        "LNR IS LOCAL NIGHT REST PROCEEDING NIGHT",
        "2LNR&SDFD IS A SDFFD WITH A LNR ON EACH SIDE",
        "5LNR IS 5 LNR AND 5 DAYS OFF TO SWAP 70/7 OR 60/6",
        "BELOW POPULATED IF 70/7 AND DUTY <= 12 PASS",
        ">2448 IS OVER 24 HR DUTY IN 48.",
        "ELN IS EARLY LATE OT NIGHT DUTY",
        "--------------------------------------------------------------------------------",
        "01/03/2026  LNR   2LNSDFD  ", "02/03/2026  LNR   2LNSDFD  ", "03/03/2026  LNR   2LNSDFD  ",
        "04/03/2026  LNR   2LNSDFD  ", "05/03/2026  LNR   2LNSDFD  5LNR   ", "06/03/2026  LNR   2LNSDFD  5LNR   ",
        "07/03/2026  LNR   2LNSDFD  5LNR   ", "08/03/2026  LNR   2LNSDFD  5LNR   ", "09/03/2026  LNR   2LNSDFD  5LNR   ",
        "10/03/2026  LNR   2LNSDFD  5LNR   ", "11/03/2026  LNR   2LNSDFD  5LNR   ", "12/03/2026  LNR   2LNSDFD  5LNR   ",
        "13/03/2026  LNR   2LNSDFD  5LNR   ", "14/03/2026  LNR   2LNSDFD  5LNR   ", "15/03/2026  LNR   2LNSDFD  5LNR   ",
        "16/03/2026  LNR   2LNSDFD  5LNR   ", "17/03/2026  LNR   2LNSDFD  5LNR   ", "18/03/2026  LNR   2LNSDFD  5LNR   ",
        "19/03/2026  LNR   2LNSDFD  5LNR   ", "20/03/2026  LNR   2LNSDFD  5LNR   ", "21/03/2026  LNR   2LNSDFD  5LNR   ",
        "22/03/2026  LNR   2LNSDFD  5LNR   ", "23/03/2026  LNR   2LNSDFD  5LNR   ", "24/03/2026  LNR   2LNSDFD  5LNR   ",
        "25/03/2026  LNR   2LNSDFD  5LNR   ", "26/03/2026  LNR   2LNSDFD  5LNR   ", "27/03/2026  LNR   2LNSDFD  5LNR   ",
        "28/03/2026  DUTY   LNR   ", "29/03/2026  DUTY   ", "30/03/2026  DUTY   ",
        "31/03/2026  LNR   2LNSDFD  ", "01/04/2026  LNR   2LNSDFD  ", "02/04/2026  LNR   ",
        "03/04/2026  DUTY   ELN   ", "04/04/2026  DUTY   ", "05/04/2026  DUTY   ",
        "06/04/2026  LNR   2LNSDFD  ", "07/04/2026  LNR   2LNSDFD  ", "08/04/2026  DUTY   LNR   ",
        "09/04/2026  DUTY   ", "10/04/2026  DUTY   ", "11/04/2026  LNR   2LNSDFD  ",
        "12/04/2026  DUTY   LNR   ELN   ", "13/04/2026  DUTY   ", "14/04/2026  DUTY   ",
        "15/04/2026  DUTY   ", "16/04/2026  LNR   2LNSDFD  ", "17/04/2026  LNR   2LNSDFD  ",
        "18/04/2026  LNR   2LNSDFD  ", "19/04/2026  LNR   2LNSDFD  ", "20/04/2026  LNR   2LNSDFD  5LNR   ",
        "21/04/2026  LNR   ", "22/04/2026  DUTY   ", "23/04/2026  DUTY   ",
        "24/04/2026  DUTY   LNR   ", "25/04/2026  DUTY   LNR   ", "26/04/2026  DUTY   ",
        "27/04/2026  DUTY   ", "28/04/2026  DUTY   ", "29/04/2026  ",
        "30/04/2026  ", "01/05/2026  ", "02/05/2026  ",
        "03/05/2026  ", "04/05/2026  ", "05/05/2026  ",
        "06/05/2026  ", "07/05/2026  ", "08/05/2026  ",
        "09/05/2026  ", "10/05/2026  ", "11/05/2026  ",
        "12/05/2026  ", "13/05/2026  ", "14/05/2026  ",
        "15/05/2026  ", "16/05/2026  ", "17/05/2026  ",
        "18/05/2026  ", "19/05/2026  ", "20/05/2026  ",
        "21/05/2026  ", "22/05/2026  ", "23/05/2026  ",
        "24/05/2026  ", "25/05/2026  ", "26/05/2026  ",
        "27/05/2026  ", "28/05/2026  ", "29/05/2026  ",
        "30/05/2026  ", "31/05/2026  ", "01/06/2026  ",
    };
    const std::vector<std::string> lines = LogLines(p.RuleLog);
    ASSERT_EQ(lines.size(), expected.size());
    for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << "line " << i;
    EXPECT_EQ(p.RuleLog.back(), '+');
    // Seven working days from 22 April; nothing illegal.
    EXPECT_EQ(MarksOf(p), (Marks{"", " Con Days On 28", {}, {27}}));
}

}  // namespace
}  // namespace lw::test
