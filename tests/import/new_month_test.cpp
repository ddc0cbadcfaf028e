#include "import/new_month.h"

#include <gtest/gtest.h>

#include <memory>

#include "fake_interaction.h"
#include "platform/profile.h"
#include "temp_folder.h"

namespace lw::import {
namespace {

using base::Date;
using test::FakeInteraction;

std::string Span(const MonthSpan& s) {
    const auto a = s.first.Split(), b = s.last.Split();
    return std::to_string(a.day) + "/" + std::to_string(a.month) + "/" + std::to_string(a.year) + "-" +
           std::to_string(b.day) + "/" + std::to_string(b.month) + "/" + std::to_string(b.year);
}

TEST(NewMonthDates, ScheduleMonthsFollowTheDatesDialogRule) {
    EXPECT_EQ(Span(ScheduleMonthSpan(1, 2027)), "1/1/2027-30/1/2027");
    EXPECT_EQ(Span(ScheduleMonthSpan(2, 2028)), "31/1/2028-1/3/2028");  // leap year: 31 days
    EXPECT_EQ(Span(ScheduleMonthSpan(2, 2027)), "31/1/2027-1/3/2027");  // 30 days
    EXPECT_EQ(Span(ScheduleMonthSpan(3, 2027)), "2/3/2027-31/3/2027");
    EXPECT_EQ(Span(ScheduleMonthSpan(4, 2027)), "1/4/2027-30/4/2027");
    EXPECT_EQ(Span(ScheduleMonthSpan(12, 2027)), "1/12/2027-31/12/2027");
    // The dialog opens on the month after today's, across the year end.
    EXPECT_EQ(Span(NextScheduleMonth(base::Date::FromDmy(8, 12, 2026))), "1/1/2027-30/1/2027");
    EXPECT_EQ(Span(NextScheduleMonth(base::Date::FromDmy(31, 1, 2028))), "31/1/2028-1/3/2028");
}

TEST(NewMonthGroup, ChoicesMakeTheGroupCodeAndTheQuestion) {
    const auto yul = FindGroupChoice("YUL", "E75", "FO");
    ASSERT_TRUE(yul);
    EXPECT_EQ(yul->GroupCode(), "YULE75FOM");
    EXPECT_EQ(yul->CrewGroup(), model::kFirstOfficers);
    EXPECT_EQ(yul->ConfirmText(), "Confirm You Would Like to Create a New File for YUL E75 FO");
    const auto yvr = FindGroupChoice("YVR", "DH8", "FA");
    ASSERT_TRUE(yvr);
    EXPECT_EQ(yvr->ConfirmText(), "Confirm You Would Like to Create a New File for YVR FA");
    EXPECT_EQ(yvr->CrewGroup(), model::kFlightAttendants);
    EXPECT_FALSE(FindGroupChoice("YOW", "DH8", "CA"));
    EXPECT_FALSE(FindGroupChoice("YYZ", "737", "CA"));
}

TEST(NewMonthGroup, LastChoiceIsReadAndWrittenInTheSettings) {
    test::TempFolder dir;
    platform::Profile profile(dir / "lwright.ini");
    const GroupChoice fresh = ReadGroupChoice(profile);
    EXPECT_EQ(fresh.GroupCode(), "YYZDH8CAZ");  // nothing stored yet

    WriteGroupChoice(profile, *FindGroupChoice("YUL", "E75", "FO"));
    EXPECT_EQ(test::ReadBytes(dir / "lwright.ini"), "[LW]\nBuildingBase=6\nBuildingStatus=1\nBuildingEqp=2\n");
    EXPECT_EQ(ReadGroupChoice(profile).GroupCode(), "YULE75FOM");

    profile.WriteString("LW", "BuildingBase", "8");
    profile.WriteString("LW", "BuildingEqp", "9");  // not a choice: the default stands
    EXPECT_EQ(ReadGroupChoice(profile).GroupCode(), "YHZDH8FOH");
}

TEST(NewMonthGroup, TypedGroupCodeNeedsNineCharacters) {
    FakeInteraction ui;
    EXPECT_TRUE(CheckTypedGroupCode("YOWATRCAO", ui));
    EXPECT_FALSE(CheckTypedGroupCode("YOWATRCA", ui));
    EXPECT_EQ(ui.Messages(), (std::vector<FakeInteraction::Call>{
                                 {FakeInteraction::Kind::Message, "Linewright",
                                  "YOWATRCA Is Not a Valid Base/Eqp/Status/Pairing Combination"}}));
}

TEST(NewMonthSetup, NewFileGetsTheGroupsMonthDefaults) {
    FakeInteraction ui;
    auto fa = std::make_unique<model::Document>();
    ASSERT_TRUE(SetUpNewMonth(*fa, ui, base::Date::FromDmy(1, 4, 2027), base::Date::FromDmy(30, 4, 2027), model::kFlightAttendants,
                              "YVRDH8FAV"));
    EXPECT_EQ(fa->DayCount, 30);
    EXPECT_EQ(fa->GroupCode, "YVRDH8FAV");
    EXPECT_EQ(fa->GroupLetter(), 'V');
    EXPECT_EQ((std::array<int32_t, 5>{fa->DaysOffBlockHolder, fa->DaysOffReserve, fa->ReducedMin, fa->ReducedMax,
                                      fa->ReducedMinDaysOff}),
              (std::array<int32_t, 5>{10, 12, 2400, 3000, 12}));
    EXPECT_TRUE(fa->Modified);

    auto capt = std::make_unique<model::Document>();
    ASSERT_TRUE(SetUpNewMonth(*capt, ui, base::Date::FromDmy(1, 4, 2027), base::Date::FromDmy(30, 4, 2027), model::kCaptains,
                              "YYZDH8CAZ"));
    EXPECT_EQ((std::array<int32_t, 5>{capt->DaysOffBlockHolder, capt->DaysOffReserve, capt->ReducedMin,
                                      capt->ReducedMax, capt->ReducedMinDaysOff}),
              (std::array<int32_t, 5>{12, 12, 2400, 2700, 21}));
    EXPECT_TRUE(ui.Messages().empty());

    auto refused = std::make_unique<model::Document>();
    EXPECT_FALSE(SetUpNewMonth(*refused, ui, base::Date::FromDmy(1, 4, 2027), base::Date::FromDmy(2, 5, 2027), model::kCaptains,
                               "YYZDH8CAZ"));
    EXPECT_EQ(refused->GroupCode, "");
    EXPECT_FALSE(refused->Modified);
}

}  // namespace
}  // namespace lw::import
