// Guessing bids and turning them into filters and day-off marks, on February and March
// schedules that run across calendar months.
#include "bids/bids.h"

#include <gtest/gtest.h>

#include <map>

#include "../fake_interaction.h"
#include "../support/block_builder.h"
#include "bids/filters.h"
#include "output/document_dump.h"

namespace {

using lw::platform::Answer;
using lw::test::FakeInteraction;
using Call = FakeInteraction::Call;

std::unique_ptr<lw::model::Document> Month(FakeInteraction& ui, int day, int month, int year) {
    auto doc = lw::test::NewMonth(lw::base::Date::FromDmy(day, month, year), 31, lw::model::kCaptains, ui);
    for (int n : {8101, 8102, 8103, 8104}) lw::test::AddPairing(*doc, lw::test::DayTrip(n, 420, 600));
    lw::test::AddMember(*doc, "ADAMS J", 100827);
    ui.calls.clear();
    return doc;
}

// Marks of day indexes 0..30 that are set.
std::map<int, int> Flags(const lw::model::TPilot& p) {
    std::map<int, int> out;
    for (int d = 0; d < 31; ++d)
        if (p.DayFlagA[static_cast<size_t>(d)] != 0) out[d] = p.DayFlagA[static_cast<size_t>(d)];
    return out;
}

// February schedule: 31 January to 1 March 2028.
TEST(BidGuess, EveryRequestFormOnAFebruarySchedule) {
    FakeInteraction ui;
    auto doc = Month(ui, 31, 1, 2028);
    const std::string bid =
        "ADAMS J    100827\n"
        "(1). OFF 5-9, 12\n"
        "(2). OFF WEEKENDS\n"
        "(3). Z8101 Z8102 PLEASE\n"
        "(4). OFF 20-17\n"
        "(5). 3 4 Z8103\n"
        "(6). OFF 31-3\n"
        "(7). off 5, 14\n"
        "(8). OFF 12 Z8101 Z9999";
    const lw::bids::GuessedBid guess = lw::bids::GuessBid(*doc, bid);
    EXPECT_EQ(lw::bids::GuessText(guess),
              "--- Requested Days Off ---\n"
              "05, 06, 07, 08, 09, 12, \n"
              "13, 19, 20, 26, 27, \n"
              "18, 17, \n"
              "31, 01, 02, 03, \n"
              "14, \n"
              "\n"
              "--- Requested Pairings ---\n"
              "8101, 8102, \n"
              "8103, \n");
    EXPECT_TRUE(ui.calls.empty());
}

TEST(BidGuess, ShortLinesMissingMarkersAndLongRequests) {
    FakeInteraction ui;
    auto doc = Month(ui, 1, 3, 2027);
    EXPECT_EQ(lw::bids::GuessText(lw::bids::GuessBid(*doc, "(1).\n(2). X\n(3). OFF 40 0 -5\n")),
              "--- Requested Days Off ---\n\n--- Requested Pairings ---\n");
    // A long range and the weekends fill the 32 slots of a request.
    // The weekends come first, then the slots left run from 31 down to 8; repeats drop after.
    const auto full = lw::bids::GuessBid(*doc, "(1). OFF 31-1 WEEKENDS\n");
    EXPECT_EQ(full.days[0].size(), 26u);
    EXPECT_EQ(full.days[0].front(), 6);
    EXPECT_EQ(full.days[0].back(), 8);
}

TEST(BidStore, AsksOnlyWhenTheLengthChanges) {
    FakeInteraction ui;
    auto doc = Month(ui, 1, 3, 2027);
    doc->Crew[0].BidText = "(1). OFF 5";
    doc->Modified = false;
    ui.answers = {Answer::No};
    EXPECT_FALSE(lw::bids::StoreBid(*doc, ui, 0, "(1). OFF 5-9"));
    EXPECT_EQ(doc->Crew[0].BidText, "(1). OFF 5");
    EXPECT_FALSE(doc->Modified);
    EXPECT_TRUE(lw::bids::StoreBid(*doc, ui, 0, "(1). off 6"));  // same length: no question
    EXPECT_EQ(doc->Crew[0].BidText, "(1). OFF 6");
    EXPECT_TRUE(doc->Modified);
    ui.answers = {Answer::Yes};
    EXPECT_TRUE(lw::bids::StoreBid(*doc, ui, 0, "(1). off 6-7"));
    EXPECT_EQ(doc->Crew[0].BidText, "(1). OFF 6-7");
    EXPECT_EQ(ui.calls, (std::vector<Call>{{"Ask", "Linewright", "Save Changes to Bid for ADAMS J"},
                                           {"Ask", "Linewright", "Save Changes to Bid for ADAMS J"}}));
}

TEST(BidSetFilters, RequestedPairingsReplaceThePicksAndKeepTheText) {
    FakeInteraction ui;
    auto doc = Month(ui, 1, 3, 2027);
    lw::model::TPilot& member = doc->Crew[0];
    member.SavedFilters = "8104TEXTZ,!YTZ;";
    std::string caption;
    lw::bids::GuessedBid bid;
    bid.pairings[0] = {8102, 9999};
    bid.pairings[2] = {8101};
    lw::bids::SetFiltersFromBid(*doc, ui, 0, bid, caption);
    EXPECT_EQ(member.SavedFilters, "81028101TEXTZ,!YTZ;");
    EXPECT_EQ(ui.calls, (std::vector<Call>{{"Message", "Linewright",
                                           "The following Pair Numbers were Not Found in the Pairings. They Will Not "
                                           "be Added to the Filters. 9999 "}}));
    EXPECT_EQ(caption, "");

    // With filters on, the member's filter follows at once.
    doc->FiltersOn = true;
    member.SavedFilters = "8104";
    bid = lw::bids::GuessBid(*doc, "(1). Z8103\n");
    lw::bids::SetFiltersFromBid(*doc, ui, 0, bid, caption);
    EXPECT_EQ(member.SavedFilters, "8103TEXT");
    EXPECT_EQ(caption, "Filters On for ADAMS J");
    EXPECT_EQ(doc->Pairings[2].PairMark, 1);
    EXPECT_EQ(doc->Pairings[3].PairMark, 0);

    member.SavedFilters = "8104TEXT";
    lw::bids::SetFiltersFromBid(*doc, ui, 0, lw::bids::GuessedBid{}, caption);
    EXPECT_EQ(member.SavedFilters, "");
}

TEST(BidDaysOff, FebruaryScheduleAsksAboutTheFirst) {
    for (const Answer answer : {Answer::Yes, Answer::No}) {
        FakeInteraction ui;
        auto doc = Month(ui, 31, 1, 2028);
        lw::model::TPilot& member = doc->Crew[0];
        member.DayFlagA[5] = 25;  // an earlier guess, cleared
        member.DayFlagA[4] = 7;   // an X7 request, kept
        member.DayFlagA[8] = 13;  // a GDO, kept
        const auto bid = lw::bids::GuessBid(*doc, "(1). OFF 31-2\n(2). OFF 10, 8, 4\n(3). OFF 15\n");
        ui.answers = {answer, answer};
        lw::bids::SetDayOffRequests(*doc, ui, 0, bid);
        const int first = answer == Answer::Yes ? 1 : 30;  // 1 February or 1 March
        const std::map<int, int> expected = {{0, 20}, {first, 20}, {2, 20}, {4, 7}, {8, 13}, {10, 21}, {15, 24}};
        EXPECT_EQ(Flags(member), expected);
        // Twice gives the same marks.
        lw::bids::SetDayOffRequests(*doc, ui, 0, bid);
        EXPECT_EQ(Flags(member), expected);
        EXPECT_EQ(ui.calls, (std::vector<Call>{{"Ask", "Linewright", "Is this request Feb 1st Off"},
                                               {"Ask", "Linewright", "Is this request Feb 1st Off"}}));
    }
}

TEST(BidDaysOff, MarchScheduleWithoutTheFirst) {
    FakeInteraction ui;
    auto doc = Month(ui, 2, 3, 2028);  // 2 March to 1 April
    const auto bid = lw::bids::GuessBid(*doc, "(1). OFF 1, 2, 31\n(2). OFF 12, 11\n");
    lw::bids::SetDayOffRequests(*doc, ui, 0, bid);
    EXPECT_EQ(Flags(doc->Crew[0]), (std::map<int, int>{{0, 20}, {29, 20}, {10, 21}, {9, 22}}));
    EXPECT_EQ(ui.calls, (std::vector<Call>{{"Message", "Linewright",
                                           "March 1st Is Not in This Schedule Period. Ignoring request for March 1st"}}));

    // A calendar March holds the first: no message, every day where it is.
    FakeInteraction ui2;
    auto calendar = Month(ui2, 1, 3, 2027);
    const std::string before = lw::output::DumpDocument(*calendar, {});
    lw::bids::SetDayOffRequests(*calendar, ui2, 0, lw::bids::GuessBid(*calendar, "(1). OFF 1, 31\n"));
    EXPECT_EQ(Flags(calendar->Crew[0]), (std::map<int, int>{{0, 20}, {30, 20}}));
    EXPECT_TRUE(ui2.calls.empty());
    calendar->Crew[0].DayFlagA[0] = calendar->Crew[0].DayFlagA[30] = 0;
    calendar->Modified = false;
    EXPECT_EQ(lw::output::DumpDocument(*calendar, {}), before);
}

}  // namespace
