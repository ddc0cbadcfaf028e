// "Set Pairing Properties" on real months: what the dialog shows, which pairings take an
// excluded credit, every check, the confirmation, and what changes in the month.
#include "rules/pair_properties.h"

#include <gtest/gtest.h>

#include "rules/engine_month.h"

namespace lw::test {
namespace {

using Call = FakeInteraction::Call;
using Calls = std::vector<Call>;
using rules::ApplyPairProps;
using rules::OpenPairProps;
using rules::PairProps;

// April 2026 (30 days) for captains: pairings 1302 (a day trip, 6:00 credit) and 1202, and a
// three-day 1402 starting on the 30th, held by ADAMS.
class PairPropsMonth : public ::testing::Test {
protected:
    void SetUp() override {
        doc = MakeMonth(model::kCaptains);
        trip = AddPairing(*doc, {.number = 1302, .dailyCredit = 360}, {2, 9});
        other = AddPairing(*doc, {.number = 1202}, {2});
        late = AddPairing(*doc, {.number = 1402, .length = 3, .dailyCredit = 300}, {29});
        adams = AddCrew(*doc, "ADAMS, ANN", 1234);
        Hold(*doc, adams, trip, 2);
        Hold(*doc, adams, late, 29);
        Settle(*doc);
        before = Dump(*doc);
    }
    PairProps Open(int pair, int day) {
        const auto props = OpenPairProps(*doc, pair, day);
        EXPECT_TRUE(props.has_value());
        return props.value_or(PairProps{});
    }
    model::TPair& Pair(int index) { return doc->Pairings[static_cast<size_t>(index)]; }

    FakeInteraction ui;
    std::unique_ptr<model::Document> doc;
    int trip = -1, other = -1, late = -1, adams = -1;
    std::string before;
};

std::string Line(const char* name, const model::MonthArray& values) {
    std::string s = std::string("  ") + name;
    for (int32_t v : values) s += " " + std::to_string(v);
    return s;
}

TEST_F(PairPropsMonth, DialogShowsTheDaysValues) {
    Pair(trip).ExcludedCredit[9] = 90;
    Pair(trip).DayPairingType[9] = 2;
    const PairProps props = Open(trip, 9);
    EXPECT_EQ(props.caption, "Properties for Z1302 on APR 10");
    EXPECT_EQ(props.type, 2);
    EXPECT_TRUE(props.creditInUse);
    EXPECT_EQ(props.shownCredit, 90);
    EXPECT_EQ(props.creditText, "01:30");

    const PairProps plain = Open(other, 2);
    EXPECT_EQ(plain.caption, "Properties for Z1202 on APR 03");
    EXPECT_FALSE(plain.creditInUse);
    EXPECT_EQ(plain.creditText, "");
    EXPECT_EQ(Open(late, 29).caption, "Properties for Z1402 on APR 30");

    EXPECT_EQ(rules::PairingDayTypeName(0), "Normal");
    EXPECT_EQ(rules::PairingDayTypeName(1), "Line Indoc");
    EXPECT_EQ(rules::PairingDayTypeName(2), "Line Check");
    EXPECT_EQ(rules::PairingDayTypeName(3), "Recurrent LCK");
    EXPECT_EQ(rules::PairingDayTypeName(7), "Recurrent LCK");
}

TEST_F(PairPropsMonth, OnlyPilotPairingsWithThreeOrFourSecondTakeCredit) {
    EXPECT_TRUE(rules::TakesExcludedCredit(*doc, Pair(trip)));
    EXPECT_FALSE(rules::TakesExcludedCredit(*doc, Pair(other)));
    EXPECT_TRUE(rules::TakesExcludedCredit(*doc, Pair(late)));
    Pair(other).PairNumber = 30;  // "0030": the second digit is 0
    EXPECT_FALSE(rules::TakesExcludedCredit(*doc, Pair(other)));
    Pair(other).PairNumber = 340;  // "0340"
    EXPECT_TRUE(rules::TakesExcludedCredit(*doc, Pair(other)));
    doc->CrewGroup = model::kFlightAttendants;
    EXPECT_FALSE(rules::TakesExcludedCredit(*doc, Pair(trip)));
    EXPECT_FALSE(Open(trip, 2).creditInUse);
}

TEST_F(PairPropsMonth, OnlyAnOperatingDayOfTheMonthOpens) {
    EXPECT_FALSE(OpenPairProps(*doc, -1, 2));
    EXPECT_FALSE(OpenPairProps(*doc, doc->LastPairIndex + 1, 2));
    EXPECT_FALSE(OpenPairProps(*doc, trip, 3));   // 1302 does not operate on the 4th
    EXPECT_FALSE(OpenPairProps(*doc, trip, -1));
    doc->Pairings[static_cast<size_t>(trip)].DayStatus[30] = 1;
    EXPECT_FALSE(OpenPairProps(*doc, trip, 30));  // past the 30 days of April
}

TEST_F(PairPropsMonth, TypeAloneIsStoredAndMarksTheMonthChanged) {
    EXPECT_TRUE(ApplyPairProps(*doc, ui, Open(other, 2), rules::kLineIndocDay, "12:00"));
    EXPECT_TRUE(ui.calls.empty());
    EXPECT_TRUE(doc->Modified);
    model::MonthArray types{};
    types[2] = 1;
    EXPECT_EQ(Changes(before, Dump(*doc)), (Lines{"-" + Line("day-type", {}), "+" + Line("day-type", types)}));

    // OK without a change changes nothing, not even the Modified mark.
    doc->Modified = false;
    EXPECT_TRUE(ApplyPairProps(*doc, ui, Open(other, 2), rules::kLineIndocDay, ""));
    EXPECT_FALSE(doc->Modified);
    // A value outside the four types shows as a recurrent check, and OK stores it as one.
    Pair(other).DayPairingType[2] = 9;
    const PairProps odd = Open(other, 2);
    EXPECT_EQ(rules::PairingDayTypeName(odd.type), "Recurrent LCK");
    EXPECT_TRUE(ApplyPairProps(*doc, ui, odd, odd.type, ""));
    EXPECT_EQ(Pair(other).DayPairingType[2], 3);
}

TEST_F(PairPropsMonth, ConfirmedCreditIsExcludedFromTheHoldersTotal) {
    EXPECT_EQ(Open(trip, 2).creditText, "00:00");
    ui.answers = {platform::Answer::Yes};
    EXPECT_TRUE(ApplyPairProps(*doc, ui, Open(trip, 2), rules::kLineCheckDay, "1:30"));
    EXPECT_EQ(ui.calls, (Calls{{"Ask", "Linewright", "Confirm - Total Pairing Credit 06:00.  Excluded 01:30.  Included 04:30"}}));
    EXPECT_TRUE(doc->Modified);
    model::MonthArray excluded{}, types{};
    excluded[2] = 90;
    types[2] = 2;
    // ADAMS held 6:00 and the 5:00 of the 30th (the rest of 1402 falls in May): 11:00 less 1:30.
    EXPECT_EQ(Changes(before, Dump(*doc)),
              (Lines{"-" + Line("excluded", {}), "-" + Line("day-type", {}), "+" + Line("excluded", excluded),
                     "+" + Line("day-type", types), "-" + Credits(11, 0), "+" + Credits(9, 30)}));
}

TEST_F(PairPropsMonth, NoToTheConfirmationKeepsTheDialogOpenWithTheTypeStored) {
    ui.answers = {platform::Answer::No};
    EXPECT_FALSE(ApplyPairProps(*doc, ui, Open(trip, 2), rules::kLineIndocDay, "02:00"));
    EXPECT_EQ(ui.calls, (Calls{{"Ask", "Linewright", "Confirm - Total Pairing Credit 06:00.  Excluded 02:00.  Included 04:00"}}));
    EXPECT_EQ(Pair(trip).ExcludedCredit[2], 0);
    EXPECT_EQ(Pair(trip).DayPairingType[2], 1);
}

TEST_F(PairPropsMonth, UnreadableCreditKeepsTheDialogOpenButTheTypeIsAlreadyStored) {
    // Texts without a separator, minutes past 59, negative hours.
    for (const char* text : {"", "0130", "12", "1:75", "-1:00"}) {
        SCOPED_TRACE(text);
        ui.calls.clear();
        Pair(trip).DayPairingType[2] = 0;
        EXPECT_FALSE(ApplyPairProps(*doc, ui, Open(trip, 2), rules::kLineCheckDay, text));
        EXPECT_EQ(ui.calls, (Calls{{"Message", "Linewright", "Invalid Excluded Credits Entry. Please Correct"}}));
        EXPECT_EQ(Pair(trip).DayPairingType[2], 2);
        EXPECT_EQ(Pair(trip).ExcludedCredit[2], 0);
    }
}

TEST_F(PairPropsMonth, InstanceRunningIntoNextMonthTakesAtMostItsCreditInTheMonth) {
    const PairProps props = Open(late, 29);
    EXPECT_FALSE(ApplyPairProps(*doc, ui, props, rules::kNormalDay, "05:01"));
    EXPECT_EQ(ui.calls,
              (Calls{{"Message", "Linewright",
                      "Excluded Credits is More Than Total Pairing Credits in this Month. Please Correct Entry"}}));
    EXPECT_EQ(Dump(*doc), before);

    ui.calls.clear();
    ui.answers = {platform::Answer::Yes};
    EXPECT_TRUE(ApplyPairProps(*doc, ui, props, rules::kNormalDay, "05:00"));
    EXPECT_EQ(ui.calls, (Calls{{"Ask", "Linewright", "Confirm - Total Pairing Credit 15:00.  Excluded 05:00.  Included 10:00"}}));
    EXPECT_EQ(Pair(late).ExcludedCredit[29], 300);
    EXPECT_EQ(doc->Crew[static_cast<size_t>(adams)].CreditTotal(), 6 * 60);
}

TEST_F(PairPropsMonth, SameCreditAsShownAsksNothing) {
    Pair(trip).ExcludedCredit[9] = 45;
    const PairProps props = Open(trip, 9);
    EXPECT_TRUE(ApplyPairProps(*doc, ui, props, rules::kNormalDay, "00:45"));
    // The edit holds five characters; what is typed past them is not read.
    EXPECT_TRUE(ApplyPairProps(*doc, ui, props, rules::kNormalDay, "00:459"));
    EXPECT_TRUE(ui.calls.empty());
    EXPECT_FALSE(doc->Modified);
}

// A credit edit without the hour limit: a pairing of more than a day takes more than 23 hours.
TEST_F(PairPropsMonth, CreditAboveADayOfHours) {
    const int longTrip = AddPairing(*doc, {.number = 1350, .length = 5, .dailyCredit = 330}, {1});
    ui.answers = {platform::Answer::Yes};
    EXPECT_TRUE(ApplyPairProps(*doc, ui, Open(longTrip, 1), rules::kNormalDay, "25:30"));
    EXPECT_EQ(ui.calls, (Calls{{"Ask", "Linewright", "Confirm - Total Pairing Credit 27:30.  Excluded 25:30.  Included 02:00"}}));
    EXPECT_EQ(Pair(longTrip).ExcludedCredit[1], 25 * 60 + 30);
}

}  // namespace
}  // namespace lw::test
