// lwtool import KIND: each loader of the month's input files, the file argument standing in
// for its open-file chooser.
#include <functional>
#include <map>

#include "bids/bid_import.h"
#include "cli/commands.h"
#include "import/absence_extract.h"
#include "import/baw_lin_import.h"
#include "import/activity_extract.h"
#include "import/lis_scan.h"
#include "import/pairing_file.h"
#include "import/roster_extract.h"
#include "import/toolbox_file.h"
#include "output/pairing_reports.h"

namespace lw::cli {

namespace {

struct ImportKind {
    size_t inputs;  // input files after the schedule file; 0 for one or more
    const char* usage;
    std::function<bool(Context&, model::Document&, const std::vector<std::string>&)> load;
};

bool ScanLis(Context& ctx, model::Document& doc, const std::vector<std::string>& files) {
    const std::vector<std::filesystem::path> paths(files.begin(), files.end());
    return import::ScanLisFiles(doc, ctx.ui, paths);
}

// The wizard's pairing step: the group's own codes, equipment ignored for flight attendants.
// A load that stands is followed by the pairing warnings report, which validates every pairing.
bool LoadPairings(Context& ctx, model::Document& doc, const std::string& file, const std::string& manualCodes) {
    if (!import::LoadPairingFile(doc, ctx.ui, file, manualCodes, doc.IsFlightAttendants())) return false;
    output::ShowPairingReport(doc, ctx.ui);
    return true;
}

const std::map<std::string, ImportKind>& Kinds() {
    static const std::map<std::string, ImportKind> kinds = {
        {"toolbox",
         {1, "TOOLBOX.box",
          [](Context& ctx, model::Document& doc, const std::vector<std::string>& in) {
              return import::LoadToolboxFile(doc, ctx.ui, in[0]);
          }}},
        {"roster",
         {1, "ROSTER.ext",
          [](Context& ctx, model::Document& doc, const std::vector<std::string>& in) {
              return import::LoadRosterExtract(doc, ctx.ui, in[0]);
          }}},
        {"absences",
         {1, "ABSENCES.ext",
          [](Context& ctx, model::Document& doc, const std::vector<std::string>& in) {
              return import::LoadAbsenceExtract(doc, ctx.ui, in[0], false);
          }}},
        {"next-absences",
         {1, "ABSENCES.ext",
          [](Context& ctx, model::Document& doc, const std::vector<std::string>& in) {
              return import::LoadAbsenceExtract(doc, ctx.ui, in[0], true);
          }}},
        {"pairings", {1, "PAIRINGS.PRG [--manual CODES]", nullptr}},
        {"activity",
         {2, "ACTIVITY.ext PRIOR-PAIRINGS.ext",
          [](Context& ctx, model::Document& doc, const std::vector<std::string>& in) {
              return import::LoadLastMonthData(doc, ctx.ui, in[0], in[1]);
          }}},
        {"baw-lin",
         {2, "BLOCKS.BAW BLOCKS.LIN",
          [](Context& ctx, model::Document& doc, const std::vector<std::string>& in) {
              return import::ImportBawLinFiles(doc, ctx.ui, in[0], in[1]);
          }}},
        {"bids",
         {1, "BIDS.csv",
          [](Context& ctx, model::Document& doc, const std::vector<std::string>& in) {
              return bids::ImportPilotBids(doc, ctx.ui, in[0]);
          }}},
        {"lis",
         {0, "LIS-FILE...",
          [](Context& ctx, model::Document& doc, const std::vector<std::string>& in) {
              return ScanLis(ctx, doc, in);
          }}},
    };
    return kinds;
}

}  // namespace

int CommandImport(Context& ctx, const CommandArgs& argv) {
    const Args args(argv, {"-o", "--manual"}, {"--yes", "--no"});
    const auto& pos = args.Positionals();
    if (pos.empty()) throw UsageError("usage: lwtool import KIND FILE INPUT... [-o OUT]");
    const auto kind = Kinds().find(pos[0]);
    if (kind == Kinds().end()) throw UsageError("unknown import kind " + pos[0]);
    if (args.Has("--manual") && pos[0] != "pairings") throw UsageError("--manual is for pairings only");
    const bool sizeOk = kind->second.inputs == 0 ? pos.size() >= 3 : pos.size() == 2 + kind->second.inputs;
    if (!sizeOk)
        throw UsageError("usage: lwtool import " + pos[0] + " FILE " + kind->second.usage + " [-o OUT]");
    auto doc = OpenSchedule(ctx, pos[1]);
    if (!doc) return kExitFailed;
    const std::vector<std::string> inputs(pos.begin() + 2, pos.end());
    const bool loaded = pos[0] == "pairings" ? LoadPairings(ctx, *doc, inputs[0], args.Value("--manual").value_or(""))
                                             : kind->second.load(ctx, *doc, inputs);
    if (!loaded) return kExitFailed;
    return SaveScheduleTo(ctx, *doc, args, pos[1]) ? kExitDone : kExitFailed;
}

}  // namespace lw::cli
