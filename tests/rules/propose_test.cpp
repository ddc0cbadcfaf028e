// Proposing blocks on small real months: seniority and bids decide, requests and what is
// already on the board stay, the summary tells the truth, one Undo takes it all back, and
// why-not names the check in the way.
#include "rules/propose.h"

#include <gtest/gtest.h>

#include "engine_month.h"
#include "rules/history_undo.h"
#include "rules/why_not.h"

namespace {

using lw::model::Document;
using lw::rules::LeftOpen;
using lw::rules::Placement;
using lw::rules::ProposeOptions;
using lw::rules::ProposeStrategy;
using lw::rules::ReasonCount;
using lw::test::FakeInteraction;

// Five captains and a handful of one-day trips worth 5:00 each; a block runs from 10:00 to 15:00.
class ProposeMonth : public ::testing::Test {
protected:
    void SetUp() override {
        doc = lw::test::MakeMonth(lw::model::kCaptains);
        doc->MinBlock = 600;
        doc->MaxBlock = 900;
        doc->AvgBlock = 750;
        doc->BlocksBuilt = 1;
        wanted = lw::test::AddPairing(*doc, {.number = 2000, .report = 480, .release = 1080}, {4});
        early = lw::test::AddPairing(*doc, {.number = 2100, .report = 480, .release = 1080}, {0, 2, 9, 12});
        requested = lw::test::AddPairing(*doc, {.number = 2200, .report = 480, .release = 1080}, {6});
        senior = lw::test::AddCrew(*doc, "A SENIOR");
        junior = lw::test::AddCrew(*doc, "B JUNIOR");
        reserve = lw::test::AddCrew(*doc, "C RESERVE");
        busy = lw::test::AddCrew(*doc, "D BUSY");
        // Both ask for 2000; seniority decides.
        Row(senior).SavedFilters = "2000TEXT";
        Row(junior).SavedFilters = "2000TEXT";
        Row(reserve).BidsReserve = true;
        // The junior asks for the 7th off; 2200 flies only that day and the senior's block is full at 10:00.
        Row(junior).DayFlagA[6] = 20;
        Row(senior).MaxBlock = 600;
        // Already on the board: a locked trip and an office day.
        held = lw::test::AddPairing(*doc, {.number = 2300, .report = 480, .release = 1080}, {20});
        lw::test::Hold(*doc, busy, held, 20);
        Row(busy).DayLocked[20] = 1;
        lw::test::PutActivity(*doc, busy, 22, "OF", 480, 480, true);
        Row(busy).MaxBlock = 300;
        lw::test::Settle(*doc);
    }
    lw::model::TPilot& Row(int c) { return doc->Crew[static_cast<size_t>(c)]; }
    lw::rules::Proposal Propose(ProposeStrategy strategy) {
        ProposeOptions options;
        options.strategy = strategy;
        return lw::rules::Propose(*doc, options, ui);
    }

    std::unique_ptr<Document> doc;
    FakeInteraction ui;
    int wanted = -1, early = -1, requested = -1, held = -1;
    int senior = -1, junior = -1, reserve = -1, busy = -1;
};

TEST_F(ProposeMonth, SeniorBidsFirstRequestsKeptBoardUntouchedAndOneUndo) {
    const std::string before = lw::test::Dump(*doc);
    const lw::rules::Proposal p = Propose(ProposeStrategy::Best);
    EXPECT_EQ(lw::test::Dump(*doc), before) << "proposing alone changes nothing";
    EXPECT_EQ(p.used, ProposeStrategy::Best);
    // The senior's bid, then the first legal trips up to the maximum; the junior never on the 7th.
    const std::vector<Placement> expected = {
        {senior, wanted, 4, true},   {senior, early, 0, false}, {junior, early, 2, false},
        {junior, early, 9, false},   {junior, early, 12, false},
    };
    EXPECT_EQ(p.placements, expected);
    EXPECT_EQ(p.figures, (lw::rules::ProposalFigures{.openBefore = 6 * 300, .openAfter = 300, .members = 3,
                                                     .inRangeBefore = 0, .inRangeAfter = 2, .bidsGranted = 1}));
    ASSERT_EQ(p.leftOpen.size(), 1u);
    EXPECT_EQ(p.leftOpen[0].pair, requested);
    EXPECT_EQ(p.leftOpen[0].reasons,
              (std::vector<ReasonCount>{{"block over the maximum", 2}, {"bid reserve", 1}, {"day-off request", 1}}));
    EXPECT_EQ(lw::rules::ProposalSummary(*doc, p),
              (std::vector<std::string>{"Strategy: best", "Open time before 0030:00  after 0005:00",
                                        "Pairings placed 5  left open 1",
                                        "Members inside the credit range before 0  after 2  of 3", "Bids granted 1",
                                        "  001 A SENIOR  1 bid granted"}));

    lw::rules::Board board;
    const lw::rules::ApplyOutcome applied = lw::rules::ApplyProposal(*doc, board, ui, p);
    EXPECT_EQ(applied.applied, 5);
    EXPECT_EQ(applied.refused, 0);
    for (const FakeInteraction::Call& c : ui.calls) EXPECT_NE(c.kind, "Ask") << "a proposal never needs an answer";
    EXPECT_TRUE(ui.Messages().empty());
    EXPECT_EQ(lw::rules::OpenTimeTotal(*doc), 300);
    EXPECT_EQ(Row(busy).DayAssignment[20], held);
    EXPECT_EQ(Row(busy).DayLocked[20], 1);

    EXPECT_EQ(lw::rules::Undo(*doc, board, ui), lw::rules::UndoOutcome::Undone);
    doc->Modified = false;
    EXPECT_EQ(lw::test::Dump(*doc), before) << "one Undo takes the whole proposal back";
}

TEST_F(ProposeMonth, FirstFitStopsAtTheMinimumAndBestNeverLeavesMore) {
    const lw::rules::Proposal first = Propose(ProposeStrategy::FirstFit);
    const std::vector<Placement> expected = {
        {senior, early, 0, false}, {senior, early, 2, false}, {junior, wanted, 4, true}, {junior, early, 9, false}};
    EXPECT_EQ(first.placements, expected);
    EXPECT_EQ(first.figures.openAfter, 2 * 300);
    const lw::rules::Proposal best = Propose(ProposeStrategy::Best);
    EXPECT_LE(best.figures.openAfter, first.figures.openAfter);
    EXPECT_GE(best.figures.bidsGranted, first.figures.bidsGranted);

    // Only the rows asked for are filled.
    ProposeOptions onlyJunior;
    onlyJunior.rows = {junior};
    const lw::rules::Proposal rows = lw::rules::Propose(*doc, onlyJunior, ui);
    for (const Placement& pl : rows.placements) EXPECT_EQ(pl.crew, junior);
    EXPECT_EQ(rows.figures.members, 1);
}

TEST_F(ProposeMonth, NothingOpenSaysSoAndCancelGivesNothing) {
    for (int i = 0; i <= doc->LastPairIndex; ++i) doc->Pairings[static_cast<size_t>(i)].DayStatus.fill(0);
    const lw::rules::Proposal none = Propose(ProposeStrategy::Best);
    EXPECT_TRUE(none.placements.empty());
    EXPECT_TRUE(none.leftOpen.empty());
    EXPECT_EQ(lw::rules::ProposalSummary(*doc, none)[1], "Nothing is open: the proposal changes nothing");

    SetUp();
    ui.keepGoing = false;
    EXPECT_TRUE(Propose(ProposeStrategy::Best).cancelled);
}

TEST_F(ProposeMonth, WhyNotNamesEveryCheckInTheWay) {
    // A trip the evening before 2000 on the 5th leaves too little rest; the 5th is also asked off.
    const int late = lw::test::AddPairing(*doc, {.number = 2400, .report = 1200, .release = 1430}, {3});
    lw::test::Hold(*doc, senior, late, 3);
    Row(senior).DayFlagA[4] = 21;
    Row(senior).NoTz = 1;
    doc->Pairings[static_cast<size_t>(wanted)].PairText += " YTZ";
    lw::test::Settle(*doc);
    EXPECT_EQ(lw::rules::WhyNot(*doc, senior, wanted, 4),
              (std::vector<lw::rules::WhyReason>{{lw::rules::WhyKind::DayOffRequest, "day-off request"},
                                                 {lw::rules::WhyKind::RestBefore, "rest before"}}));
    // Without the late trip only the airport qualification stands in the way.
    doc->Crew[static_cast<size_t>(senior)].DayAssignment[3] = lw::model::kDayEmpty;
    Row(senior).DayFlagA[4] = 0;
    EXPECT_EQ(lw::rules::WhyNot(*doc, senior, wanted, 4),
              (std::vector<lw::rules::WhyReason>{{lw::rules::WhyKind::BlockCheck, "Not Qualified for YTZ on"}}));
    EXPECT_EQ(lw::rules::WhyNot(*doc, reserve, wanted, 4).front().text, "bid reserve");
    EXPECT_TRUE(lw::rules::WhyNot(*doc, junior, wanted, 4).empty());
}

TEST(ProposeExchanges, TimeToExchangeTradesASmallTripForABiggerOneAndNeverWorsens) {
    auto doc = lw::test::MakeMonth(lw::model::kCaptains);
    doc->MinBlock = 300;
    doc->MaxBlock = 600;
    doc->AvgBlock = 450;
    const int small = lw::test::AddPairing(*doc, {.number = 3000, .report = 480, .release = 1080}, {5});
    const int big = lw::test::AddPairing(
        *doc, {.number = 3100, .report = 480, .release = 1080, .length = 2, .dailyCredit = 270}, {5});
    const int only = lw::test::AddCrew(*doc, "A ONLY");
    lw::test::Settle(*doc);
    FakeInteraction ui;
    ProposeOptions options;
    const lw::rules::Proposal plain = lw::rules::Propose(*doc, options, ui);
    EXPECT_EQ(plain.placements, (std::vector<Placement>{{only, small, 5, false}}));
    EXPECT_EQ(plain.figures.openAfter, 540);
    options.seconds = 5;
    const lw::rules::Proposal exchanged = lw::rules::Propose(*doc, options, ui);
    EXPECT_EQ(exchanged.used, ProposeStrategy::Best);
    EXPECT_EQ(exchanged.placements, (std::vector<Placement>{{only, big, 5, false}}));
    EXPECT_EQ(exchanged.figures.openAfter, 300);
}

TEST(ProposalHistory, AGroupIsOneStepAndIsNeverCutByTheLimit) {
    lw::model::History h;
    h.Record(1, 1, 1, lw::model::History::kAssigned);
    h.BeginGroup();
    for (int i = 0; i < 250; ++i) h.Record(2, i, 3, lw::model::History::kAssigned);
    h.EndGroup();
    EXPECT_EQ(h.NewestStepSize(), 250u);
    h.Record(4, 4, 4, lw::model::History::kAssigned);
    EXPECT_EQ(h.Size(), 251u) << "the group reaching into the limit stays whole, the older lone step goes";
    EXPECT_EQ(h.NewestStepSize(), 1u);
    // The file keeps the newest 201 as it always did.
    lw::model::History read;
    ASSERT_TRUE(read.LoadText(h.SaveText()));
    EXPECT_EQ(read.Size(), lw::model::History::kLimit);
    EXPECT_EQ(read[0], h[0]);
    EXPECT_EQ(read[200], h[200]);
}

}  // namespace
