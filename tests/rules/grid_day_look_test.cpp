// How a day cell of the block grid looks: pairings by day type, purser and two-captain marks,
// activities and requests, the check frames, a proposed trip and the first day's marks.
#include <gtest/gtest.h>

#include "rules/engine_month.h"
#include "rules/grid_day_look.h"
#include "rules/pair_properties.h"

namespace lw::rules {
// Readable failures.
void PrintTo(const GridDayLook& l, std::ostream* os) {
    *os << "bar " << int(l.bar) << "/" << int(l.barColour) << " " << l.barFrom << "-" << l.barTo << " rest "
        << l.restMinutes << "/" << int(l.restColour) << " overDaysOff " << l.overDaysOff << " layovers '" << l.layovers
        << "' x" << l.nights << (l.fullLayovers ? " full" : "") << " text '" << l.text << "'/" << int(l.textColour)
        << (l.centred ? " centred" : "") << (l.locked ? " locked" : "") << " reserve " << l.reserveFrom << "+"
        << l.reserveMinutes << " proposed '" << l.proposed << "'" << (l.illegal ? " illegal" : "")
        << (l.warning ? " warning" : "") << " checkIn " << l.checkInBar << (l.fromLastMonth ? " fromLastMonth" : "");
}
}  // namespace lw::rules

namespace {

using lw::rules::DutyBar;
using lw::rules::GridColour;
using lw::rules::GridDayLook;
using lw::rules::GridLookPrefs;
using lw::rules::LookOfDay;

// A three-day trip 8101 (report 07:30, release 16:00 on the third day, 5:30 credit a day)
// with nights at YOW and YUL.
int AddThreeDayTrip(lw::model::Document& doc, const std::string& type = "CA") {
    lw::test::PairingPlan plan = lw::test::Trip(8101, 3, 450, 480, 300, 330);
    plan.release = 960;
    plan.type = type;
    const int index = lw::test::AddPairing(doc, plan);
    lw::model::TPair& q = doc.Pairings[static_cast<size_t>(index)];
    q.Layovers = "YOWYUL";
    q.Validate(doc.DayCount);
    return index;
}

// The trip as the grid shows it starting on a day, with the default switches.
GridDayLook TripLook() {
    GridDayLook look;
    look.bar = DutyBar::Solid;
    look.barColour = GridColour::DutyTime;
    look.barFrom = 450;
    look.barTo = 2 * 1440 + 960;
    look.restMinutes = 660;
    look.restColour = GridColour::RestTime;
    look.layovers = "YOWYUL";
    look.nights = 2;
    look.text = "101";
    look.textColour = GridColour::Credit1;
    return look;
}

TEST(GridDayLook, PairingShowsBarRestNumberLayoversAndRequestedDaysOffItCovers) {
    auto doc = lw::test::MakeMonth(lw::model::kCaptains);
    const int trip = AddThreeDayTrip(*doc);
    const int crew = lw::test::AddCrew(*doc, "ADAMS, ANN");
    lw::test::Hold(*doc, crew, trip, 4);
    lw::model::TPilot& m = doc->Crew[static_cast<size_t>(crew)];
    m.DayFlagA[5] = 1;  // X1 asked for on the trip's second day
    m.DayLocked[4] = 1;

    GridDayLook expected = TripLook();
    expected.overDaysOff = 0b10;
    expected.locked = true;
    const GridDayLook look = LookOfDay(*doc, crew, 4, GridLookPrefs{});
    EXPECT_EQ(look, expected);
    EXPECT_EQ(lw::rules::LayoverAfter(look, 1), "OW");
    EXPECT_EQ(lw::rules::LayoverAfter(look, 2), "UL");
    EXPECT_EQ(lw::rules::LayoverAfter(look, 3), "");

    // Full numbers and stations.
    expected.text = "8101";
    expected.fullLayovers = true;
    const GridDayLook full = LookOfDay(*doc, crew, 4, GridLookPrefs{true, true, true});
    EXPECT_EQ(full, expected);
    EXPECT_EQ(lw::rules::LayoverAfter(full, 1), "YOW");

    // Layovers switched off: no stations at all.
    expected.text = "101";
    expected.fullLayovers = false;
    expected.layovers = {};
    expected.nights = 0;
    EXPECT_EQ(LookOfDay(*doc, crew, 4, GridLookPrefs{false, false, false}), expected);
}

TEST(GridDayLook, DayTypeTwoCaptainMarkAndPurserColourTheBar) {
    auto doc = lw::test::MakeMonth(lw::model::kCaptains);
    const int trip = AddThreeDayTrip(*doc);
    const int crew = lw::test::AddCrew(*doc, "ADAMS, ANN");
    for (int d : {0, 10, 20, 25}) lw::test::Hold(*doc, crew, trip, d);
    lw::model::TPair& q = doc->Pairings[static_cast<size_t>(trip)];
    q.DayPairingType[0] = lw::rules::kLineIndocDay;
    q.DayPairingType[10] = lw::rules::kLineCheckDay;
    q.DayPairingType[20] = lw::rules::kRecurrentCheckDay;
    q.DayPairingType[25] = lw::rules::kLineCheckDay;
    q.DayStatus[25] = -2;  // taken, carrying the two-captain mark

    GridDayLook expected = TripLook();
    expected.barColour = GridColour::LineIndoc;
    EXPECT_EQ(LookOfDay(*doc, crew, 0, {}), expected);
    expected.barColour = GridColour::LineCheck;
    EXPECT_EQ(LookOfDay(*doc, crew, 10, {}), expected);
    expected.barColour = GridColour::RecurrentLck;
    EXPECT_EQ(LookOfDay(*doc, crew, 20, {}), expected);
    expected.bar = DutyBar::Transient;
    expected.barColour = GridColour::LineCheck;
    EXPECT_EQ(LookOfDay(*doc, crew, 25, {}), expected);

    // A purser's trip in a cabin month: purple bar, the longer cabin rest in the duty colour.
    auto cabin = lw::test::MakeMonth(lw::model::kFlightAttendants);
    const int purser = AddThreeDayTrip(*cabin, "PU");
    const int fa = lw::test::AddCrew(*cabin, "BAKER, BEA");
    lw::test::Hold(*cabin, fa, purser, 3);
    cabin->Pairings[static_cast<size_t>(purser)].DayPairingType[3] = lw::rules::kLineCheckDay;
    expected = TripLook();
    expected.barColour = GridColour::Purser;
    expected.restMinutes = 720;
    expected.restColour = GridColour::DutyTime;
    EXPECT_EQ(LookOfDay(*cabin, fa, 3, {}), expected);
}

TEST(GridDayLook, ActivitiesAndRequestsShowTheirCodes) {
    auto doc = lw::test::MakeMonth(lw::model::kFlightAttendants);
    const int crew = lw::test::AddCrew(*doc, "BAKER, BEA");
    lw::test::PutActivity(*doc, crew, 2, "RB ", 360, 720, false);
    lw::test::PutActivity(*doc, crew, 3, "GDO", 0, 0, false);
    lw::test::PutActivity(*doc, crew, 4, "GDO", 0, 0, false);
    lw::test::PutActivity(*doc, crew, 5, "VAC", 0, 0, false);
    lw::model::TPilot& m = doc->Crew[static_cast<size_t>(crew)];
    m.DayFlagA[3] = 13;  // the GDO the member asked for
    m.DayFlagA[4] = 1;   // X1 asked for, a GDO given
    m.DayFlagA[6] = 2;   // X2 on a free day
    m.DayFlagA[7] = 14;  // PDO on a free day

    GridDayLook rb;
    rb.text = "RB";
    rb.centred = true;
    rb.reserveFrom = 360;
    rb.reserveMinutes = 720;
    EXPECT_EQ(LookOfDay(*doc, crew, 2, {}), rb);

    GridDayLook own;
    own.text = "GDO";
    EXPECT_EQ(LookOfDay(*doc, crew, 3, {}), own);
    GridDayLook unmet = own;
    unmet.textColour = GridColour::Red;
    EXPECT_EQ(LookOfDay(*doc, crew, 4, {}), unmet);
    GridDayLook vac;
    vac.text = "VAC";
    EXPECT_EQ(LookOfDay(*doc, crew, 5, {}), vac);

    GridDayLook x2;
    x2.text = "X2";
    x2.textColour = GridColour::DarkGray;
    EXPECT_EQ(LookOfDay(*doc, crew, 6, {}), x2);
    GridDayLook pdo;
    pdo.text = "PDO";
    pdo.textColour = GridColour::DarkGray;
    EXPECT_EQ(LookOfDay(*doc, crew, 7, {}), pdo);
    EXPECT_EQ(LookOfDay(*doc, crew, 8, {}), GridDayLook{});

    // A pilot's RB has no reserve bar.
    auto pilots = lw::test::MakeMonth(lw::model::kCaptains);
    const int pilot = lw::test::AddCrew(*pilots, "ADAMS, ANN");
    lw::test::PutActivity(*pilots, pilot, 2, "RB ", 360, 720, false);
    rb.reserveFrom = rb.reserveMinutes = 0;
    EXPECT_EQ(LookOfDay(*pilots, pilot, 2, {}), rb);
}

TEST(GridDayLook, ProposedTripShowsOnlyOnAFreeDay) {
    auto doc = lw::test::MakeMonth(lw::model::kCaptains);
    const int trip = AddThreeDayTrip(*doc);
    const int crew = lw::test::AddCrew(*doc, "ADAMS, ANN");
    lw::test::Hold(*doc, crew, trip, 10);
    doc->Crew[static_cast<size_t>(crew)].DayFlagA[2] = 1;

    GridDayLook expected;
    expected.proposed = "8101";
    EXPECT_EQ(LookOfDay(*doc, crew, 3, GridLookPrefs{true, true, false}, trip), expected);
    // Over a requested day off, both show.
    expected.proposed = "101";
    expected.text = "X1";
    expected.textColour = GridColour::DarkGray;
    EXPECT_EQ(LookOfDay(*doc, crew, 2, {}, trip), expected);
    EXPECT_EQ(LookOfDay(*doc, crew, 10, {}, trip), TripLook());
}

TEST(GridDayLook, ChecksFrameTheDaysAndMarkARunFromLastMonthOnTheFirstDay) {
    auto doc = lw::test::MakeMonth(lw::model::kCaptains);
    const int one = lw::test::AddPairing(*doc, lw::test::DayTrip(8604, 480, 600));
    const int crew = lw::test::AddCrew(*doc, "SEVEN DAYS IN MARCH");
    lw::test::PutOutsideDay(*doc, crew, 24, {.pairStart = 480, .pairLength = 3 * 1440 + 600, .dutyStart = 480, .dutyLength = 600});
    for (int w = 25; w <= 27; ++w) lw::test::PutOutsideDay(*doc, crew, w, {.dutyStart = 480, .dutyLength = 600});
    lw::test::PutOutsideDay(*doc, crew, 28, {.pairStart = 480, .pairLength = 2 * 1440 + 600, .dutyStart = 480, .dutyLength = 600});
    for (int w = 29; w <= 30; ++w) lw::test::PutOutsideDay(*doc, crew, w, {.dutyStart = 480, .dutyLength = 600});
    lw::model::TPilot& m = doc->Crew[static_cast<size_t>(crew)];
    m.LegalCheckIn = -360 + 660;
    lw::test::Hold(*doc, crew, one, 0);
    lw::test::Settle(*doc);
    ASSERT_EQ(m.WarningText, " Con Days On <- 31 MAR  1");

    GridDayLook first;
    first.bar = DutyBar::Solid;
    first.barFrom = 480;
    first.barTo = 1080;
    first.restMinutes = 660;
    first.text = "604";
    first.textColour = GridColour::Credit0;  // its credit not worked out: the lowest category
    first.warning = true;
    first.checkInBar = 300;
    first.fromLastMonth = true;
    EXPECT_EQ(LookOfDay(*doc, crew, 0, {}), first);

    // Checked again without last month's run: no arrow, no warning.
    for (int w = 24; w <= 30; ++w) lw::test::PutOutsideDay(*doc, crew, w, {.worked = 0});
    m.LegalCheckIn = -1440;
    lw::test::Settle(*doc);
    first.warning = first.fromLastMonth = false;
    first.checkInBar = 0;
    EXPECT_EQ(LookOfDay(*doc, crew, 0, {}), first);

    m.DayIllegal[6] = 1;
    m.DayWarning[6] = 1;
    GridDayLook framed;
    framed.illegal = framed.warning = true;
    EXPECT_EQ(LookOfDay(*doc, crew, 6, {}), framed);
}

}  // namespace
