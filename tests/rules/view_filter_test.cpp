// Which crew rows the block grid shows: each view switch on a month with one member of every
// kind, the switches clearing each other, the search words and what they match, and the
// per-day figures drawn beside the rows.
#include <gtest/gtest.h>

#include "engine_month.h"
#include "rules/view_filter.h"

namespace lw::rules {
namespace {

using test::FakeInteraction;
using Call = FakeInteraction::Call;
using Rows = std::vector<int>;

// First officers' April with one member of each kind the switches pick out.
struct Roster {
    std::unique_ptr<model::Document> doc = test::MakeMonth(model::kFirstOfficers);
    int holder, reserve, line, complete, checker, ltc, leave;
    int trip;

    Roster() {
        model::Document& d = *doc;
        holder = test::AddCrew(d, "ADAMS, ANNE", 1234);
        reserve = test::AddCrew(d, "BAKER, BOB");
        d.Crew[static_cast<size_t>(reserve)].BidsReserve = true;
        line = test::AddCrew(d, "CLARK, CARL");
        d.Crew[static_cast<size_t>(line)].ReserveLine = 1;
        complete = test::AddCrew(d, "DAVIS, DORA");
        d.Crew[static_cast<size_t>(complete)].BlockComplete = 1;
        checker = test::AddCrew(d, "EVANS, ED");
        d.Crew[static_cast<size_t>(checker)].Qualification = 3;
        ltc = test::AddCrew(d, "FORD, FAY");
        d.Crew[static_cast<size_t>(ltc)].Qualification = 1;
        d.Crew[static_cast<size_t>(ltc)].BidsReserve = true;
        leave = test::AddCrew(d, "GRANT, GUS");
        for (int day = 0; day < d.DayCount; ++day) test::PutActivity(d, leave, day, "LOA", 0, 0, false);
        d.Crew[static_cast<size_t>(leave)].UpdateLongLeave(d.DayCount);
        trip = test::AddPairing(d, {.number = 4321, .length = 2, .text = "YYZ YHZ LAYOVER"}, {5, 9});
        test::Hold(d, checker, trip, 5);
        test::PutActivity(d, holder, 12, "SIM", 540, 240, true);
        d.Crew[static_cast<size_t>(reserve)].BidText = "WANTS WEEKENDS OFF";
    }
    Rows Select(const ViewSettings& v) const { return SelectDisplayRows(*doc, v); }
};

TEST(ViewFilterTest, EachSwitchShowsItsRows) {
    Roster r;
    const Rows all{0, 1, 2, 3, 4, 5, 6};
    EXPECT_EQ(r.Select({}), all);

    ViewSettings v;
    v.HideLeaveBlocks = true;
    EXPECT_EQ(r.Select(v), (Rows{0, 1, 2, 3, 4, 5}));
    v = {};
    v.HideCompleted = true;
    EXPECT_EQ(r.Select(v), (Rows{0, 1, 2, 4, 5, 6}));
    v = {};
    v.HideCheckPilots = true;
    EXPECT_EQ(r.Select(v), (Rows{0, 1, 2, 3, 5, 6}));
    v = {};
    v.HideBlockHolders = true;  // left: bidding reserve or below the reserve line
    EXPECT_EQ(r.Select(v), (Rows{1, 2, 5}));
    v = {};
    v.ShowBlockHolders = true;
    EXPECT_EQ(r.Select(v), (Rows{0, 3, 4, 6}));
    v = {};
    v.ShowCCP = true;
    EXPECT_EQ(r.Select(v), (Rows{4}));
    v = {};
    v.ShowLTC = true;
    EXPECT_EQ(r.Select(v), (Rows{5}));
    v.ShowCCP = true;  // show-only switches add up
    EXPECT_EQ(r.Select(v), (Rows{4, 5}));
    v = {};
    v.HideLeaveBlocks = v.HideCompleted = v.HideBlockHolders = true;  // hide switches each take their own
    EXPECT_EQ(r.Select(v), (Rows{1, 2, 5}));
}

TEST(ViewFilterTest, CheckPilotSwitchHidesNobodyInCabinMonths) {
    Roster r;
    r.doc->CrewGroup = model::kFlightAttendants;
    ViewSettings v;
    v.HideCheckPilots = true;
    EXPECT_EQ(r.Select(v), (Rows{0, 1, 2, 3, 4, 5, 6}));
}

TEST(ViewFilterTest, HideAndShowOnlySwitchesClearEachOther) {
    ViewSettings v;
    ToggleViewSwitch(v, ViewSwitch::HideCompleted);
    ViewSettings expected;
    expected.HideCompleted = true;
    EXPECT_EQ(v, expected);

    ToggleViewSwitch(v, ViewSwitch::ShowLTC);
    expected = {};
    expected.ShowLTC = true;
    EXPECT_EQ(v, expected);

    ToggleViewSwitch(v, ViewSwitch::ShowCCP);
    ToggleViewSwitch(v, ViewSwitch::FilterSearch);  // the search stands apart
    expected.ShowCCP = expected.FilterSearch = true;
    EXPECT_EQ(v, expected);

    ToggleViewSwitch(v, ViewSwitch::HideLeaveBlocks);
    expected = {};
    expected.HideLeaveBlocks = expected.FilterSearch = true;
    EXPECT_EQ(v, expected);
    EXPECT_TRUE(SwitchOn(v, ViewSwitch::HideLeaveBlocks));
    EXPECT_FALSE(SwitchOn(v, ViewSwitch::ShowCCP));

    ToggleViewSwitch(v, ViewSwitch::HideLeaveBlocks);
    expected.HideLeaveBlocks = false;
    EXPECT_EQ(v, expected);
}

TEST(ViewFilterTest, SearchTextSplitsIntoUpperCaseWords) {
    FakeInteraction ui;
    EXPECT_EQ(SplitSearchText("adam, 1234", ui), (std::vector<std::string>{"ADAM", "1234"}));
    EXPECT_EQ(SplitSearchText("   ", ui), std::vector<std::string>{});
    EXPECT_EQ(SplitSearchText(",,a,,b  c", ui), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_TRUE(ui.calls.empty());

    // Beyond the hundredth character nothing is read.
    EXPECT_EQ(SplitSearchText(std::string(99, ' ') + "ab", ui), std::vector<std::string>{"A"});
}

TEST(ViewFilterTest, TwentyWordsAreTheMost) {
    FakeInteraction ui;
    std::string text;
    std::vector<std::string> twenty;
    for (int i = 1; i <= 21; ++i) {
        text += std::to_string(i) + " ";
        if (i <= 20) twenty.push_back(std::to_string(i));
    }
    EXPECT_EQ(SplitSearchText(text, ui), twenty);
    EXPECT_EQ(ui.calls, (std::vector<Call>{{FakeInteraction::Kind::Message, "Linewright",
                                            "Maximun of 20 Search Strings allowed"}}));

    // Exactly twenty: accepted, and the planner is told it was the last.
    FakeInteraction ui2;
    text.resize(text.find("21"));
    EXPECT_EQ(SplitSearchText(text, ui2), twenty);
    EXPECT_EQ(ui2.Messages().size(), 1u);
}

TEST(ViewFilterTest, SearchMatchesWhatItsOptionsAllow) {
    Roster r;
    model::Document& d = *r.doc;
    FakeInteraction ui;
    ViewSettings v;
    v.FilterSearch = true;
    auto shown = [&](std::string_view text) {
        MarkSearchMatches(d, SplitSearchText(text, ui), v);
        return SelectDisplayRows(d, v);
    };
    // A name fragment and four digits: the digits are ADAMS's number 001234.
    EXPECT_EQ(shown("gran, 1234"), (Rows{r.holder, r.leave}));
    EXPECT_TRUE(d.MarkedOnlyView);
    EXPECT_EQ(shown("weekends"), (Rows{r.reserve}));         // bid text
    EXPECT_EQ(shown("YHZ"), (Rows{r.checker}));              // pairing text
    EXPECT_EQ(shown("SIM"), (Rows{r.holder}));               // activity code
    EXPECT_EQ(shown("SI"), Rows{});                          // codes must be equal, not contain
    EXPECT_EQ(shown(""), (Rows{0, 1, 2, 3, 4, 5, 6}));       // no words: everybody

    v.EmpNumCheck = false;
    EXPECT_EQ(shown("1234"), Rows{});
    v.NameCheck = false;
    EXPECT_EQ(shown("GRANT"), Rows{});
    v.BidCheck = false;
    EXPECT_EQ(shown("WEEKENDS"), Rows{});
    v.PairCheck = false;
    EXPECT_EQ(shown("YHZ SIM"), Rows{});

    // Without the search switch the marks are kept but every row shows.
    v.FilterSearch = false;
    MarkSearchMatches(d, SplitSearchText("GRANT", ui), v);
    EXPECT_FALSE(d.MarkedOnlyView);
    EXPECT_EQ(SelectDisplayRows(d, v), (Rows{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(ui.calls.empty());
}

TEST(ViewFilterTest, SearchAppliesOnTopOfTheOtherSwitches) {
    Roster r;
    FakeInteraction ui;
    ViewSettings v;
    v.FilterSearch = true;
    v.HideLeaveBlocks = true;
    MarkSearchMatches(*r.doc, SplitSearchText("GRANT ADAMS DAVIS", ui), v);
    EXPECT_EQ(SelectDisplayRows(*r.doc, v), (Rows{r.holder, r.complete}));
}

TEST(ViewFilterTest, DayFiguresBesideTheRows) {
    Roster r;
    model::Document& d = *r.doc;
    // Reserve days of each kind on two members.
    test::PutActivity(d, r.reserve, 3, "RE ", 0, 0, false);
    test::PutActivity(d, r.line, 3, "ER", 0, 0, false);
    test::PutActivity(d, r.line, 4, "RB ", 0, 0, false);
    test::PutActivity(d, r.reserve, 4, "AR", 0, 0, false);
    test::PutActivity(d, r.reserve, 29, "RK", 0, 0, false);
    const ReserveSummary counts = CountReserveDays(d);
    ReserveSummary expected{};
    expected[0][3] = 2;
    expected[1][4] = 1;
    expected[2][4] = 1;
    expected[3][29] = 1;
    EXPECT_EQ(counts, expected);

    // Days off: the two-day trip and the simulator day are work, the leave days are not.
    EXPECT_EQ(DaysOffCount(d, d.Crew[static_cast<size_t>(r.checker)]), 28);
    EXPECT_EQ(DaysOffCount(d, d.Crew[static_cast<size_t>(r.holder)]), 29);
    test::PutDayActivity(d, r.complete, 7, {.code = "RB ", .extractCode = "RB", .reserve = true});
    EXPECT_EQ(DaysOffCount(d, d.Crew[static_cast<size_t>(r.complete)]), 29);

    EXPECT_EQ(RequestCodeText(0), "");
    EXPECT_EQ(RequestCodeText(1), "X1");
    EXPECT_EQ(RequestCodeText(12), "XM");
    EXPECT_EQ(RequestCodeText(13), "GDO");
    EXPECT_EQ(RequestCodeText(14), "PDO");
}

}  // namespace
}  // namespace lw::rules
