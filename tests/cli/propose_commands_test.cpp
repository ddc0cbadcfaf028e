// lwtool propose on the two sample months, judged from the saved files: no block gains a
// flagged day, nothing already on the board moves, requests stay free, and every figure of
// the printed summary is worked out again here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "bids/bids.h"
#include "bids/filters.h"
#include "fake_interaction.h"
#include "persist/schedule_file.h"
#include "rules/assignment.h"
#include "rules/block_checks.h"
#include "rules/complement.h"
#include "run_tool.h"

namespace {

namespace fs = std::filesystem;
using lw::model::Document;

std::unique_ptr<Document> Board(const fs::path& file) {
    lw::test::FakeInteraction ui;
    auto doc = std::make_unique<Document>();
    EXPECT_TRUE(lw::persist::LoadSchedule(*doc, ui, file));
    lw::rules::FlagTwoCaptPairs(*doc);
    for (int c = 0; c < doc->CrewCount; ++c) lw::rules::ComputeCredit(*doc, c, false);
    lw::rules::CheckAllBlocks(*doc);
    lw::rules::ComputeReserveCutoff(*doc);
    return doc;
}

bool Asked(const Document& doc, const lw::model::TPilot& p, const lw::model::TPair& q) {
    std::vector<int> numbers;
    if (!doc.IsFlightAttendants())
        for (const auto& request : lw::bids::GuessBid(doc, p.BidText).pairings)
            numbers.insert(numbers.end(), request.begin(), request.end());
    const lw::bids::SavedFilter saved = lw::bids::ParseSavedFilter(p.SavedFilters);
    numbers.insert(numbers.end(), saved.numbers.begin(), saved.numbers.end());
    if (std::find(numbers.begin(), numbers.end(), q.PairNumber) != numbers.end()) return true;
    const lw::bids::TextFilter text = lw::bids::SplitTextFilter(saved.text, lw::bids::kMemberItems);
    return saved.present && !text.include.empty() && lw::bids::MatchesTextFilter(q, text);
}

std::string Hhmm(int32_t minutes) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d:%02d", minutes / 60, minutes % 60);
    return buf;
}

bool HasLine(const std::string& out, const std::string& line) { return out.find(line + "\n") != std::string::npos; }

TEST(ProposeCommand, SampleMonthsFilledLegallyWithTheSummaryRecomputed) {
    for (const char* name : {"capt-yyz-dh8-2027-03", "fa-yul-2027-03"}) {
        SCOPED_TRACE(name);
        lw::test::TempFolder dir;
        const fs::path file = dir / "month.lw2";
        fs::copy_file(fs::path(LW_SOURCE_DIR) / "samples" / name / (std::string(name) + ".lw2"), file);
        auto before = Board(file);
        if (!before->BlocksBuilt) {
            ASSERT_EQ(lw::test::RunToolOn(dir, file, {"build", "F"}).exit, 0);
            before = Board(file);
        }
        const std::string bytes = lw::test::ReadBytes(file);
        const lw::test::ToolResult dry = lw::test::RunToolOn(dir, file, {"propose", "F", "--dry-run"});
        ASSERT_EQ(dry.exit, 0) << dry.err;
        EXPECT_TRUE(lw::test::ReadBytes(file) == bytes) << "--dry-run saved the month";

        const lw::test::ToolResult run = lw::test::RunToolOn(dir, file, {"propose", "F"});
        ASSERT_EQ(run.exit, 0) << run.err;
        EXPECT_EQ(run.out, dry.out) << "the same month gives the same proposal";
        const auto after = Board(file);

        int32_t members = 0, inBefore = 0, inAfter = 0, bids = 0, placed = 0;
        for (int c = 0; c < before->CrewCount; ++c) {
            const auto& p = before->Crew[static_cast<size_t>(c)];
            const auto& a = after->Crew[static_cast<size_t>(c)];
            const bool fillable = p.EmployeeNumber > 0 && !p.BidsReserve && !p.ReserveLine && p.BlockComplete != 1;
            for (int d = 0; d <= before->DayCount + 5; ++d) {
                const size_t k = static_cast<size_t>(d);
                EXPECT_FALSE(a.DayIllegal[k] && !p.DayIllegal[k]) << "row " << c + 1 << " day " << d + 1 << " newly flagged";
                EXPECT_EQ(a.DayLocked[k], p.DayLocked[k]);
                EXPECT_EQ(a.DayCode[k], p.DayCode[k]);
                EXPECT_EQ(a.DayFlagA[k], p.DayFlagA[k]);
                if (a.DayAssignment[k] == p.DayAssignment[k]) continue;
                ASSERT_EQ(p.DayAssignment[k], lw::model::kDayEmpty) << "row " << c + 1 << " day " << d + 1 << " moved";
                ASSERT_TRUE(fillable) << "row " << c + 1 << " may not be filled";
                const auto& q = after->Pairings[static_cast<size_t>(a.DayAssignment[k])];
                EXPECT_EQ(p.DayFlagA[k], 0) << "a day asked off was filled";
                ++placed;
                bids += Asked(*before, p, q) ? 1 : 0;
            }
            if (!fillable) continue;
            ++members;
            auto inside = [&](const Document& doc, const lw::model::TPilot& m) {
                return m.CreditTotal() >= doc.EffectiveMinBlock(m) && m.CreditTotal() <= doc.EffectiveMaxBlock(m);
            };
            inBefore += inside(*before, p) ? 1 : 0;
            inAfter += inside(*after, a) ? 1 : 0;
        }
        EXPECT_GT(placed, 0);
        EXPECT_LT(lw::rules::OpenTimeTotal(*after), lw::rules::OpenTimeTotal(*before));
        EXPECT_TRUE(HasLine(run.out, "Open time before " + Hhmm(lw::rules::OpenTimeTotal(*before)) + "  after " +
                                         Hhmm(lw::rules::OpenTimeTotal(*after))))
            << run.out.substr(0, 400);
        EXPECT_TRUE(HasLine(run.out, "Members inside the credit range before " + std::to_string(inBefore) + "  after " +
                                         std::to_string(inAfter) + "  of " + std::to_string(members)));
        EXPECT_TRUE(HasLine(run.out, "Bids granted " + std::to_string(bids)));
        EXPECT_NE(run.out.find("Pairings placed " + std::to_string(placed) + "  left open "), std::string::npos);

    }
}

TEST(ProposeCommand, WhyNamesTheReasonsAndRefusesBadArguments) {
    lw::test::TempFolder dir;
    const fs::path file = dir / "month.lw2";
    fs::copy_file(fs::path(LW_SOURCE_DIR) / "samples/capt-yyz-dh8-2027-03/capt-yyz-dh8-2027-03.lw2", file);
    // An unbuilt month is built first, then proposed.
    const lw::test::ToolResult proposed = lw::test::RunToolOn(dir, file, {"propose", "F", "--yes"});
    ASSERT_EQ(proposed.exit, 0) << proposed.err;
    EXPECT_EQ(proposed.out.substr(0, 19), "Blocks built first\n");
    const auto doc = Board(file);
    // The first pairing instance someone holds: nobody else can take it.
    int pair = -1, day = -1, holder = -1;
    for (int c = 0; c < doc->CrewCount && holder < 0; ++c)
        for (int d = 0; d < doc->DayCount && holder < 0; ++d)
            if (doc->Crew[static_cast<size_t>(c)].DayAssignment[static_cast<size_t>(d)] >= 0)
                holder = c, day = d, pair = doc->Crew[static_cast<size_t>(c)].DayAssignment[static_cast<size_t>(d)];
    ASSERT_GE(holder, 0);
    const int other = holder == 0 ? 2 : 1;
    const lw::test::ToolResult why = lw::test::RunToolOn(
        dir, file, {"why", "F", "--crew", std::to_string(other), "--pair", std::to_string(pair), "--day", std::to_string(day + 1)});
    ASSERT_EQ(why.exit, 0) << why.err;
    EXPECT_NE(why.out.find("\n  pairing already assigned\n"), std::string::npos) << why.out;
    EXPECT_EQ(lw::test::RunToolOn(dir, file, {"why", "F", "--crew", "9999", "--pair", "0", "--day", "1"}).exit, 1);
    EXPECT_EQ(lw::test::RunToolOn(dir, file, {"propose", "F", "--strategy", "random"}).exit, 2);
}

}  // namespace
