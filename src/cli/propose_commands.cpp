// lwtool propose and why. ROW and DAY are 1-based as on the grid, INDEX the pairing table index.
#include "cli/propose_commands.h"

#include <charconv>
#include <cstdio>
#include <iostream>

#include "rules/assignment.h"
#include "platform/profile.h"
#include "rules/block_checks.h"
#include "rules/build_blocks.h"
#include "rules/propose.h"
#include "rules/why_not.h"

namespace lw::cli {

namespace {

int Fail(const char* command, const std::string& why) {
    std::cerr << "lwtool " << command << ": " << why << "\n";
    return kExitFailed;
}

// The board as the planner sees it after opening the month: credits, checks and the reserve
// lines, none of which the file keeps.
void SetUpBoard(model::Document& doc) {
    for (int c = 0; c < doc.CrewCount; ++c) rules::ComputeCredit(doc, c, false);
    rules::CheckAllBlocks(doc);
    if (doc.CrewGroup == model::kCaptains) rules::CheckTwoCaptains(doc);
    rules::ComputeReserveCutoff(doc);
}

std::vector<int> Rows(const model::Document& doc, const std::string& list) {
    std::vector<int> rows;
    for (const int row : NumberList(list, "--rows takes crew rows R1,R2..")) {
        if (row < 1 || row > doc.CrewCount) throw UsageError("no crew member in row " + std::to_string(row));
        rows.push_back(row - 1);
    }
    return rows;
}

}  // namespace

int CommandPropose(Context& ctx, const CommandArgs& argv) {
    const Args args(argv, {"--rows", "--seconds", "--strategy", "-o"}, Flags({"--dry-run"}));
    if (args.Positionals().size() != 1)
        throw UsageError(
            "usage: lwtool propose FILE [--rows R1,R2..] [--seconds N] [--strategy best|first-fit] [--dry-run] [-o OUT]");
    const std::string file = args.Positionals()[0];
    rules::ProposeOptions options;
    const std::string strategy = args.Value("--strategy").value_or("best");
    if (strategy == "first-fit") options.strategy = rules::ProposeStrategy::FirstFit;
    else if (strategy != "best") throw UsageError("--strategy is best or first-fit, not " + strategy);
    if (const auto seconds = args.Int("--seconds")) {
        if (*seconds < 0) throw UsageError("--seconds cannot be negative");
        options.seconds = *seconds;
    }
    auto doc = OpenSchedule(ctx, file);
    if (!doc) return kExitFailed;
    if (!doc->BlocksBuilt) {
        // Proposing works on the board the planner would see, so an unbuilt month is built first.
        rules::Board board;
        const platform::Profile profile(platform::Profile::DefaultPath());
        if (!rules::BuildBlocks(*doc, board, ctx.ui, profile, {}).built)
            return Fail("propose", "the blocks could not be built (lwtool build tells why)");
        std::cout << "Blocks built first\n";
    }
    if (const auto rows = args.Value("--rows")) options.rows = Rows(*doc, *rows);
    SetUpBoard(*doc);

    const rules::Proposal proposal = rules::Propose(*doc, options, ctx.ui);
    if (proposal.cancelled) return Fail("propose", "cancelled");
    for (const std::string& line : rules::ProposalSummary(*doc, proposal)) std::cout << line << "\n";
    for (const std::string& line : rules::PlacementLines(*doc, proposal)) std::cout << "Place " << line << "\n";
    for (const std::string& line : rules::LeftOpenLines(*doc, proposal)) std::cout << line << "\n";
    if (args.Has("--dry-run") || proposal.placements.empty()) return kExitDone;

    rules::Board board;
    const rules::ApplyOutcome applied = rules::ApplyProposal(*doc, board, ctx.ui, proposal);
    if (applied.refused > 0)
        return Fail("propose", std::to_string(applied.refused) + " placements were refused; nothing saved");
    return SaveScheduleTo(ctx, *doc, args, file) ? kExitDone : kExitFailed;
}

int CommandWhy(Context& ctx, const CommandArgs& argv) {
    const Args args(argv, {"--crew", "--pair", "--day"}, Flags({}));
    if (args.Positionals().size() != 1) throw UsageError("usage: lwtool why FILE --crew ROW --pair INDEX --day DAY");
    args.Required("--crew");
    args.Required("--pair");
    args.Required("--day");
    const int row = *args.Int("--crew");
    const int pair = *args.Int("--pair");
    const int day = *args.Int("--day");
    auto doc = OpenSchedule(ctx, args.Positionals()[0]);
    if (!doc) return kExitFailed;
    if (row < 1 || row > doc->CrewCount) return Fail("why", "no crew member in row " + std::to_string(row));
    if (pair < 0 || pair > doc->LastPairIndex) return Fail("why", "no pairing with index " + std::to_string(pair));
    if (day < 1 || day > doc->DayCount || day > model::kMonthDays)
        return Fail("why", "day " + std::to_string(day) + " is not a day of the month");
    SetUpBoard(*doc);
    const model::TPair& q = doc->Pairings[static_cast<size_t>(pair)];
    char head[160];
    std::snprintf(head, sizeof head, "%03d %s  %c%04d on %02d", row, doc->Crew[static_cast<size_t>(row - 1)].Name.c_str(),
                  q.BaseEqpCode.empty() ? ' ' : q.BaseEqpCode[0], q.PairNumber,
                  doc->DayDate[static_cast<size_t>(day - 1)].day);
    std::cout << head << "\n";
    const std::vector<rules::WhyReason> reasons = rules::WhyNot(*doc, row - 1, pair, day - 1);
    if (reasons.empty()) std::cout << "  nothing stands in the way\n";
    for (const rules::WhyReason& r : reasons) std::cout << "  " << r.text << "\n";
    return kExitDone;
}

}  // namespace lw::cli
