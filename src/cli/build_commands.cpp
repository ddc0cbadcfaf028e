// lwtool commands of the block build and the pairings window. DAY is 1-based as the planner
// sees it; INDEX is the pairing table index.
#include "cli/build_commands.h"

#include <iostream>

#include "base/time_text.h"
#include "output/pairing_reports.h"
#include "platform/profile.h"
#include "rules/build_blocks.h"
#include "rules/pairings_layout.h"
#include "rules/whos_legal.h"

namespace lw::cli {

namespace {

// Each command here takes one schedule file; --yes and --no answer the questions on the way.
Args Parse(const CommandArgs& argv, const std::set<std::string>& valued, std::set<std::string> flags,
           const char* usage, std::string& file) {
    flags.insert({"--yes", "--no"});
    Args args(argv, valued, flags);
    if (args.Positionals().size() != 1) throw UsageError(usage);
    file = args.Positionals().front();
    return args;
}

int Refuse(const char* command, const std::string& why) {
    std::cerr << "lwtool " << command << ": " << why << "\n";
    return kExitFailed;
}

struct Instance {
    int pair = -1;
    int day = -1;  // day index
};

// --pair INDEX --day DAY of a pairing instance inside the month; null after telling why not.
std::optional<Instance> PairingInstance(const model::Document& doc, const Args& args, const char* command) {
    args.Required("--pair");
    args.Required("--day");
    const int pair = *args.Int("--pair");
    const int day = *args.Int("--day");
    if (pair < 0 || pair > doc.LastPairIndex) {
        Refuse(command, "no pairing with index " + std::to_string(pair));
        return std::nullopt;
    }
    if (day < 1 || day > doc.DayCount || day > model::kMonthDays) {
        Refuse(command, "day " + std::to_string(day) + " is not a day of the month");
        return std::nullopt;
    }
    return Instance{pair, day - 1};
}

std::string WindowList(const rules::BuildOutcome& outcome) {
    std::string list;
    if (outcome.showPairings) list += " pairings";
    if (outcome.showBids) list += " bids";
    if (outcome.showToolbox) list += " toolbox";
    return list.empty() ? " none" : list;
}

// The legal line of the member in that roster position; empty when the member is not listed.
std::string LegalLineOf(const std::vector<std::string>& legal, int row) {
    for (const std::string& line : legal)
        if (base::LeadingInt(std::string_view(line).substr(0, 3)) == row) return line;
    return {};
}

}  // namespace

int CommandBuild(Context& ctx, const CommandArgs& argv) {
    std::string file;
    const Args args = Parse(argv, {"-o"}, {"--no-pairings", "--no-bids", "--no-toolbox"},
                            "usage: lwtool build FILE [--no-pairings] [--no-bids] [--no-toolbox] [-o OUT]", file);
    auto doc = OpenSchedule(ctx, file);
    if (!doc) return kExitFailed;
    if (doc->BlocksBuilt) {
        std::cout << "blocks already built\n";
        return kExitDone;
    }
    rules::BuildOptions options;
    options.showPairings = !args.Has("--no-pairings");
    options.showBids = !args.Has("--no-bids");
    options.showToolbox = !args.Has("--no-toolbox");
    rules::Board board;
    const platform::Profile profile(platform::Profile::DefaultPath());
    const rules::BuildOutcome outcome = rules::BuildBlocks(*doc, board, ctx.ui, profile, options, output::ShowPairingReport);
    if (!outcome.built) {
        const model::TPair& q = doc->Pairings[static_cast<size_t>(outcome.editPair)];
        std::cout << "not built: the pairing editor would open on pairing " << outcome.editPair << " ("
                  << q.Designation() << ")\n";
        return kExitFailed;
    }
    std::cout << "blocks built\n"
              << "reserve cut-off: row " << outcome.reserveCutoff + 1 << "\n"
              << "open time: " << rules::OpenTimeText(board.OpenTime) << "\n"
              << "windows:" << WindowList(outcome) << "\n";
    return SaveScheduleTo(ctx, *doc, args, file) ? kExitDone : kExitFailed;
}

int CommandSelectPairing(Context& ctx, const CommandArgs& argv) {
    std::string file;
    const Args args =
        Parse(argv, {"--pair", "--day"}, {}, "usage: lwtool select-pairing FILE --pair INDEX --day DAY", file);
    auto doc = OpenSchedule(ctx, file);
    if (!doc) return kExitFailed;
    const auto at = PairingInstance(*doc, args, "select-pairing");
    if (!at) return kExitFailed;
    rules::PairingsLayout layout;
    rules::LayoutPairings(*doc, layout);
    const int32_t row = rules::FindRow(layout, at->pair, at->day);
    if (row < 0)
        return Refuse("select-pairing", "the pairings window shows no pairing " + std::to_string(at->pair) +
                                          " starting on day " + std::to_string(at->day + 1));
    rules::Board board;
    const rules::PickOutcome pick = rules::SelectPairing(*doc, board, layout, at->day, row);
    std::cout << pick.status << "\n";
    return kExitDone;
}

int CommandWhosLegal(Context& ctx, const CommandArgs& argv) {
    std::string file;
    const Args args = Parse(argv, {"--pair", "--day", "--assign", "-o"}, {},
                            "usage: lwtool whos-legal FILE --pair INDEX --day DAY [--assign ROW] [-o OUT]", file);
    const std::optional<int> assign = args.Int("--assign");
    auto doc = OpenSchedule(ctx, file);
    if (!doc) return kExitFailed;
    const auto at = PairingInstance(*doc, args, "whos-legal");
    if (!at) return kExitFailed;
    const rules::WhosLegalLists lists = rules::WhosLegal(*doc, at->pair, at->day);
    std::cout << lists.caption << "\nWho Is Legal\n";
    for (const std::string& line : lists.legal) std::cout << line << "\n";
    std::cout << "Who Bid this Pairing Number\n";
    for (const std::string& line : lists.bidders) std::cout << line << "\n";
    if (!assign) return kExitDone;

    rules::Board board;
    const std::string selected = LegalLineOf(lists.legal, *assign);
    if (!rules::AssignFromWhosLegal(*doc, board, ctx.ui, selected, at->pair, at->day)) return kExitFailed;
    return SaveScheduleTo(ctx, *doc, args, file) ? kExitDone : kExitFailed;
}

}  // namespace lw::cli
