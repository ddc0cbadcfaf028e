// How pairing instances look in the pairings window, the caption after the open-only switch,
// and the pairing text window's caption: built from small real months.
#include <gtest/gtest.h>

#include "rules/engine_month.h"
#include "rules/pair_text_caption.h"
#include "rules/pairings_look.h"

namespace {

using lw::rules::BarFill;
using lw::rules::InstanceLook;
using lw::rules::LookOfInstance;
using lw::rules::PairingsLookPrefs;

// A three-day trip 8101 (report 07:30, release 16:00 on the third day, 3 x 5:30 credit)
// operating on days 2 and 9, with nights at YOW and YUL.
int AddThreeDayTrip(lw::model::Document& doc, const std::string& marks = "") {
    lw::test::PairingPlan plan = lw::test::Trip(8101, 3, 450, 480, 300, 330);
    plan.release = 960;
    plan.operates = {2, 9};
    plan.marks = marks;
    const int index = lw::test::AddPairing(doc, plan);
    lw::model::TPair& q = doc.Pairings[static_cast<size_t>(index)];
    q.Layovers = "YOWYUL";
    q.Validate(doc.DayCount);
    return index;
}

TEST(PairingsLook, OpenTripShowsNumberBarAndLayoversAsThePlannerChose) {
    auto doc = lw::test::MakeMonth(lw::model::kCaptains);
    const int trip = AddThreeDayTrip(*doc);

    InstanceLook expected;
    expected.number = "101";
    expected.category = 1;
    expected.fill = BarFill::Category;
    expected.barFrom = 450;
    expected.barTo = 2 * 1440 + 960;
    expected.layovers = {"OW", "UL"};
    EXPECT_EQ(LookOfInstance(*doc, trip, 2, 1, PairingsLookPrefs{}), expected);

    expected.number = "8101";
    expected.layovers = {"YOW", "YUL"};
    EXPECT_EQ(LookOfInstance(*doc, trip, 2, 1, PairingsLookPrefs{true, true, true}), expected);

    // Without layovers an arrow runs over the second and third day.
    expected.number = "101";
    expected.layovers.clear();
    expected.arrowTo = 2;
    EXPECT_EQ(LookOfInstance(*doc, trip, 9, 1, PairingsLookPrefs{false, false, true}), expected);
}

TEST(PairingsLook, LayoversNeverRunPastTheTripNorReadPastTheStations) {
    auto doc = lw::test::MakeMonth(lw::model::kCaptains);
    const int trip = AddThreeDayTrip(*doc);
    lw::model::TPair& q = doc->Pairings[static_cast<size_t>(trip)];
    q.Layovers = "YOWYULYHZYVR";  // more stations than nights
    EXPECT_EQ(LookOfInstance(*doc, trip, 2, 1, {}).layovers, (std::vector<std::string>{"OW", "UL"}));
    q.Layovers = "YOWY";  // a damaged record: only whole stations show
    EXPECT_EQ(LookOfInstance(*doc, trip, 2, 1, {}).layovers, (std::vector<std::string>{"OW"}));

    // A day trip shows neither stations nor an arrow.
    const int day = lw::test::AddPairing(*doc, lw::test::DayTrip(8102, 420, 600));
    doc->Pairings[static_cast<size_t>(day)].Layovers = "YUL";
    doc->Pairings[static_cast<size_t>(day)].Validate(doc->DayCount);
    const InstanceLook look = LookOfInstance(*doc, day, 0, 1, {false, false, false});
    EXPECT_TRUE(look.layovers.empty());
    EXPECT_EQ(look.arrowTo, 0);
    EXPECT_EQ(look.barTo, 1020);
}

TEST(PairingsLook, BarFillFollowsTheMarkThenTheDayTypeThenTheTakenState) {
    auto doc = lw::test::MakeMonth(lw::model::kCaptains);
    const int trip = AddThreeDayTrip(*doc);
    const int crew = lw::test::AddCrew(*doc, "ADAMS, ANN");
    lw::model::TPair& q = doc->Pairings[static_cast<size_t>(trip)];
    auto fill = [&](int day) { return LookOfInstance(*doc, trip, day, 1, {}).fill; };
    auto boxed = [&](int day) { return LookOfInstance(*doc, trip, day, 1, {}).takenDays; };

    EXPECT_EQ(fill(2), BarFill::Category);
    EXPECT_EQ(boxed(2), 0);
    lw::test::Hold(*doc, crew, trip, 2);
    EXPECT_EQ(fill(2), BarFill::Taken);
    EXPECT_EQ(boxed(2), 3);
    q.DayPairingType[2] = 1;
    EXPECT_EQ(fill(2), BarFill::LineIndoc);
    q.DayPairingType[2] = 2;
    EXPECT_EQ(fill(2), BarFill::LineCheck);
    q.DayPairingType[2] = 3;
    EXPECT_EQ(fill(2), BarFill::RecurrentLck);
    EXPECT_EQ(boxed(2), 3);  // the type changes the bar, the taken box stays
    q.DayStatus[2] = -2;     // the two-captain mark whitens the bar whatever the type
    EXPECT_EQ(fill(2), BarFill::TransientMark);
    q.DayStatus[9] = -1;
    EXPECT_EQ(fill(9), BarFill::TransientMark);
    EXPECT_EQ(boxed(9), 0);

    // A day the pairing does not hold, or an index off the table, looks like nothing.
    EXPECT_EQ(LookOfInstance(*doc, trip, 31, 1, {}), InstanceLook{});
    EXPECT_EQ(LookOfInstance(*doc, trip + 1, 2, 1, {}), InstanceLook{});
    EXPECT_EQ(LookOfInstance(*doc, -1, 2, 1, {}), InstanceLook{});
}

TEST(PairingsLook, FrenchCabinPairingIsBoldUntilAFrenchSpeakerHoldsATwin) {
    auto doc = lw::test::MakeMonth(lw::model::kFlightAttendants);
    const int purser = AddThreeDayTrip(*doc, " FRENCH PAIRING\r\n");
    const int cabin = AddThreeDayTrip(*doc, " FRENCH PAIRING\r\n");
    doc->Pairings[static_cast<size_t>(purser)].PairType = "PU";
    doc->Pairings[static_cast<size_t>(cabin)].PairType = "FA";
    const int english = lw::test::AddCrew(*doc, "BAKER, BEN");
    const int french = lw::test::AddCrew(*doc, "CLOUTIER, CLAIRE");
    doc->Crew[static_cast<size_t>(french)].LanguageBits = 1;

    EXPECT_TRUE(LookOfInstance(*doc, purser, 2, 1, {}).purser);
    EXPECT_FALSE(LookOfInstance(*doc, cabin, 2, 1, {}).purser);

    // Both positions open: the twin may still go to a French speaker.
    EXPECT_FALSE(lw::rules::WantsFrenchSpeaker(*doc, cabin, 2));
    lw::test::Hold(*doc, english, purser, 2);
    EXPECT_TRUE(lw::rules::WantsFrenchSpeaker(*doc, cabin, 2));
    EXPECT_TRUE(LookOfInstance(*doc, cabin, 2, 1, {}).bold);
    EXPECT_FALSE(lw::rules::WantsFrenchSpeaker(*doc, purser, 2));  // its twin is still open
    lw::test::Hold(*doc, french, purser, 9);
    EXPECT_FALSE(lw::rules::WantsFrenchSpeaker(*doc, cabin, 9));
    EXPECT_FALSE(LookOfInstance(*doc, cabin, 9, 1, {}).bold);

    // Without the marker, or in a pilots' month, nothing is bold.
    doc->Pairings[static_cast<size_t>(cabin)].PairText = "V8101";
    EXPECT_FALSE(lw::rules::WantsFrenchSpeaker(*doc, cabin, 2));
    doc->Pairings[static_cast<size_t>(cabin)].PairText = "V8101 FRENCH PAIRING";
    doc->CrewGroup = lw::model::kCaptains;
    EXPECT_FALSE(lw::rules::WantsFrenchSpeaker(*doc, cabin, 2));
}

TEST(PairingsLook, OpenOnlyCaptionTellsTheFilterState) {
    auto pilots = lw::test::MakeMonth(lw::model::kFirstOfficers);
    EXPECT_EQ(lw::rules::OpenOnlyCaption(*pilots), "Filters Off");
    pilots->FiltersOn = true;
    pilots->FilterOwnerName = "ADAMS, ANN";
    EXPECT_EQ(lw::rules::OpenOnlyCaption(*pilots), "Filters On for ADAMS, ANN");

    auto cabin = lw::test::MakeMonth(lw::model::kFlightAttendants);
    cabin->ShowTakenPairings = true;
    EXPECT_EQ(lw::rules::OpenOnlyCaption(*cabin), "Filters Off");
    cabin->ShowTakenPairings = false;
    EXPECT_EQ(lw::rules::OpenOnlyCaption(*cabin), "");
    cabin->FiltersOn = true;
    EXPECT_EQ(lw::rules::OpenOnlyCaption(*cabin), "Filters On");
}

TEST(PairTextCaption, KeyFiguresWithTheLegalTimeOfTheCrewGroup) {
    auto doc = lw::test::MakeMonth(lw::model::kCaptains);
    const int trip = AddThreeDayTrip(*doc);
    lw::model::TPair& q = doc->Pairings[static_cast<size_t>(trip)];
    q.ReleaseTime = 1200;
    EXPECT_EQ(lw::rules::PairTextCaption(*doc, q),
              "ON 07:30 OFF 20:00 CREDIT 16:30 LEGAL AT 07:00 Type CA Fat Unit 30:00 Duty 24:00");
    q.ReleaseTime = 720;
    q.RestAfter = 780;
    q.FatigueUnits = 95;
    EXPECT_EQ(lw::rules::PairTextCaption(*doc, q),
              "ON 07:30 OFF 12:00 CREDIT 16:30 LEGAL AT 01:00 Type CA Fat Unit 01:35 Duty 24:00");
    q.RestAfter = 660;
    EXPECT_EQ(lw::rules::PairTextCaption(*doc, q),
              "ON 07:30 OFF 12:00 CREDIT 16:30 LEGAL AT 23:00 Type CA Fat Unit 01:35 Duty 24:00");

    // Flight attendants are legal twelve hours after the release; only six days count as duty.
    doc->CrewGroup = lw::model::kFlightAttendants;
    q.ReleaseTime = 1200;
    q.PairType = "FA";
    for (size_t d = 0; d < 8; ++d) q.DailyDuty[d] = 60;
    EXPECT_EQ(lw::rules::PairTextCaption(*doc, q),
              "ON 07:30 OFF 20:00 CREDIT 16:30 LEGAL AT 08:00 Type FA Fat Unit 01:35 Duty 06:00");
}

}  // namespace
