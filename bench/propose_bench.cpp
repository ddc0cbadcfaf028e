// Proposing blocks, best (which works out first fit too, to fall back on) against first fit, on the two sample months and the generator's large
// month (999 captains, about 3000 pairings, their bids imported). Budget: the large month
// proposed within 10 s, never with more open time than first fit. Each run also applies its
// proposal and checks that no block gained a flagged day and nothing on the board moved.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>

#include "model/document.h"
#include "persist/schedule_file.h"
#include "quiet_interaction.h"
#include "rules/assignment.h"
#include "rules/block_checks.h"
#include "rules/complement.h"
#include "rules/propose.h"

#ifdef LWGEN_PATH
namespace {

namespace fs = std::filesystem;
using lw::model::Document;

const fs::path kTools = fs::path(LWGEN_PATH).parent_path();

bool Shell(const std::string& cmd) { return std::system(cmd.c_str()) == 0; }

// The source folder, as the build folder's cache names it: the samples live there.
fs::path SourceDir() {
    std::ifstream cache(kTools / "CMakeCache.txt");
    const std::string key = "CMAKE_HOME_DIRECTORY:INTERNAL=";
    for (std::string line; std::getline(cache, line);)
        if (line.rfind(key, 0) == 0) return line.substr(key.size());
    return kTools.parent_path();
}

// lwtool new with the generator's files of one group in dir, bids imported for pilots, blocks built.
bool BuildMonth(const fs::path& dir, const std::string& title, const std::string& base, bool cabin,
                const std::string& month, const std::string& group, const fs::path& out) {
    const std::string l = cabin ? "c" : "p", listing = cabin ? "CABIN" : "PILOT";
    const std::string tool = (kTools / "lwtool").string();
    std::string cmd = "cd " + dir.string() + " && LWRIGHT_TODAY=2027-02-15 " + tool + " new " + out.string() +
                      " --force --month " + month + " --group " + group + " --status " + (cabin ? "fa" : "capt") +
                      " --toolbox " + title + ".box --roster " + base + "1per" + l + ".ext --absences " + base + "1abs" +
                      l + ".ext --next-absences " + base + "2abs" + l + ".ext --activity " + base + "1act" + l +
                      ".ext --prior-pairings " + base + "1prg" + l + ".ext --pairings " + title + ".PRG --lis " + base +
                      "_" + listing + "_" + title + ".LIS --yes >/dev/null 2>&1";
    if (!Shell(cmd)) return false;
    if (!cabin && !Shell(tool + " import bids " + out.string() + " " + (dir / (base + "_PILOT_BIDS_" + title + ".csv")).string() +
                         " --yes >/dev/null 2>&1"))
        return false;
    return Shell(tool + " build " + out.string() + " --yes >/dev/null 2>&1");
}

// The month file of a sample or of the large month, made once per run.
fs::path MonthFile(const std::string& which) {
    static std::map<std::string, fs::path> made;
    if (auto it = made.find(which); it != made.end()) return it->second;
    const fs::path dir = fs::temp_directory_path() / ("lwbench-propose-" + which);
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path out = dir / "month.lw2";
    bool ok = false;
    if (which == "large") {
        ok = Shell(std::string(LWGEN_PATH) + " --seed 1 --large --month 2027-04 --base YYZ --eqp DH8 --status capt --out " +
                   dir.string() + " >/dev/null") &&
             BuildMonth(dir, "APR2027", "YYZ", false, "2027-04", "YYZDH8CAZ", out);
    } else {
        const bool cabin = which == "fa";
        const std::string name = cabin ? "fa-yul-2027-03" : "capt-yyz-dh8-2027-03";
        fs::copy(SourceDir() / "samples" / name, dir, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        ok = BuildMonth(dir, "MAR2027", cabin ? "YUL" : "YYZ", cabin, "2027-03", cabin ? "YULDH8FAM" : "YYZDH8CAZ", out);
    }
    return made[which] = ok ? out : fs::path();
}

std::unique_ptr<Document> Board(const fs::path& file) {
    lw::bench::QuietInteraction ui;
    auto doc = std::make_unique<Document>(2461000);
    if (!lw::persist::LoadSchedule(*doc, ui, file)) return nullptr;
    lw::rules::FlagTwoCaptPairs(*doc);
    for (int c = 0; c < doc->CrewCount; ++c) lw::rules::ComputeCredit(*doc, c, false);
    lw::rules::CheckAllBlocks(*doc);
    lw::rules::ComputeReserveCutoff(*doc);
    return doc;
}

// The proposal applied through the engine breaks nothing that stood before.
std::string Verify(const Document& before, const lw::rules::Proposal& proposal) {
    Document after = before.Clone();
    lw::bench::QuietInteraction ui;
    lw::rules::Board board;
    if (lw::rules::ApplyProposal(after, board, ui, proposal).refused > 0) return "the engine refused a placement";
    lw::rules::CheckAllBlocks(after);
    for (int c = 0; c < before.CrewCount; ++c) {
        const auto& p = before.Crew[static_cast<size_t>(c)];
        const auto& a = after.Crew[static_cast<size_t>(c)];
        for (int d = 0; d <= before.DayCount + 5; ++d) {
            const size_t k = static_cast<size_t>(d);
            if (a.DayIllegal[k] && !p.DayIllegal[k]) return "row " + std::to_string(c + 1) + " gained a flagged day";
            if (p.DayAssignment[k] != lw::model::kDayEmpty && a.DayAssignment[k] != p.DayAssignment[k])
                return "row " + std::to_string(c + 1) + " lost what it held";
            if (a.DayLocked[k] != p.DayLocked[k] || a.DayFlagA[k] != p.DayFlagA[k]) return "a lock or request moved";
        }
    }
    return {};
}

void BM_Propose(benchmark::State& state, const std::string& which, lw::rules::ProposeStrategy strategy,
                double seconds = 0) {
    const fs::path file = MonthFile(which);
    if (file.empty()) return state.SkipWithError("the month could not be made (build lwgen and lwtool)");
    const auto doc = Board(file);
    if (!doc) return state.SkipWithError("the month did not load");
    lw::bench::QuietInteraction ui;
    lw::rules::ProposeOptions options;
    options.strategy = strategy;
    options.seconds = seconds;
    lw::rules::Proposal proposal;
    for (auto _ : state) proposal = lw::rules::Propose(*doc, options, ui);
    const lw::rules::ProposalFigures& f = proposal.figures;
    state.counters["open_before_h"] = f.openBefore / 60.0;
    state.counters["open_left_h"] = f.openAfter / 60.0;
    state.counters["bids"] = f.bidsGranted;
    state.counters["placed"] = static_cast<double>(proposal.placements.size());
    state.counters["in_range"] = f.inRangeAfter;
    state.counters["members"] = f.members;
    state.counters["best_kept"] = proposal.used == lw::rules::ProposeStrategy::Best ? 1 : 0;
    if (const std::string fault = Verify(*doc, proposal); !fault.empty()) state.SkipWithError(fault.c_str());
}

using lw::rules::ProposeStrategy;
BENCHMARK_CAPTURE(BM_Propose, capt_sample_first_fit, std::string("capt"), ProposeStrategy::FirstFit)
    ->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_Propose, capt_sample_best, std::string("capt"), ProposeStrategy::Best)
    ->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_Propose, fa_sample_first_fit, std::string("fa"), ProposeStrategy::FirstFit)
    ->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_Propose, fa_sample_best, std::string("fa"), ProposeStrategy::Best)
    ->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_Propose, large_month_first_fit, std::string("large"), ProposeStrategy::FirstFit)
    ->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_Propose, large_month_best, std::string("large"), ProposeStrategy::Best)
    ->Unit(benchmark::kMillisecond)->Iterations(1);
// With 4 seconds for exchanges between members on top.
BENCHMARK_CAPTURE(BM_Propose, large_month_best_exchanging, std::string("large"), ProposeStrategy::Best, 4.0)
    ->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
#endif
