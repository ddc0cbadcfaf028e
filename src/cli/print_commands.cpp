// lwtool print: the block printout or the visual pairings as a PDF file, the same pages the
// desktop prints, made without a display so that a month's printouts can be made in batch.
#include "cli/print_commands.h"

#include <QGuiApplication>
#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "output/printout_layout.h"
#include "platform/profile.h"
#include "print/printout_painter.h"

namespace lw::cli {

namespace {

constexpr const char* kUsage =
    "usage: lwtool print blocks|pairings FILE -o OUT.pdf [--crew ROWS] [--page-size A4|Letter] [--yes|--no]\n"
    "       ROWS: 1-based crew rows, as 1,4,10-20; --yes prints the draft header, --no the final one";

// "1,4,10-20" as 0-based crew rows.
std::vector<int> ParseRows(const std::string& text) {
    std::vector<int> rows;
    std::stringstream list(text);
    std::string item;
    while (std::getline(list, item, ',')) {
        const size_t dash = item.find('-');
        try {
            const int from = std::stoi(item.substr(0, dash));
            const int to = dash == std::string::npos ? from : std::stoi(item.substr(dash + 1));
            if (from < 1 || to < from) throw UsageError(kUsage);
            for (int r = from; r <= to; ++r) rows.push_back(r - 1);
        } catch (const std::logic_error&) {
            throw UsageError(kUsage);
        }
    }
    return rows;
}

}  // namespace

int CommandPrint(Context& ctx, const CommandArgs& argv) {
    const Args args(argv, {"-o", "--crew", "--page-size"}, Flags({}));
    if (args.Positionals().size() != 2 || !args.Has("-o")) throw UsageError(kUsage);
    const std::string& kind = args.Positionals()[0];
    if (kind != "blocks" && kind != "pairings") throw UsageError(kUsage);
    const std::string size = args.Value("--page-size").value_or("A4");
    if (size != "A4" && size != "Letter") throw UsageError(kUsage);
    auto doc = OpenSchedule(ctx, args.Positionals()[1]);
    if (!doc) return kExitFailed;
    if (doc->BlocksBuilt == 0) {
        ctx.ui.Message("Run Build Blocks before printing.", "Linewright", platform::Icon::Stop);
        return kExitFailed;
    }

    // A batch run has no display: Qt paints into the PDF on the offscreen platform.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgc = 1;
    char name[] = "lwtool";
    char* qtArgv[] = {name, nullptr};
    QGuiApplication app(qtArgc, qtArgv);

    const QPageSize::PageSizeId page = size == "A4" ? QPageSize::A4 : QPageSize::Letter;
    const QString out = QString::fromStdString(*args.Value("-o"));
    bool written = false;
    if (kind == "blocks") {
        const output::DraftQuestion q = output::BlockDraftQuestion(*doc);
        const bool draft = static_cast<platform::Interaction&>(ctx.ui).Ask(q.text, q.title) == platform::Answer::Yes;
        std::vector<int> all;
        for (int c = 0; c < doc->CrewCount; ++c) all.push_back(c);
        std::vector<int> rows = output::BlockPrintRows(*doc, all);
        if (args.Has("--crew")) {
            const std::vector<int> wanted = ParseRows(*args.Value("--crew"));
            std::erase_if(rows, [&](int r) { return std::find(wanted.begin(), wanted.end(), r) == wanted.end(); });
        }
        const platform::Profile profile(platform::Profile::DefaultPath());
        const bool printXes = profile.GetInt("LW", "PrintXes", 0) != 0;
        written = print::WritePdf(*doc, print::Printout::Blocks, rows, draft, printXes, out, page);
    } else {
        written = print::WritePdf(*doc, print::Printout::Pairings, {}, false, false, out, page);
    }
    if (!written) {
        ctx.ui.Message("Cannot write " + out.toStdString(), "File Error", platform::Icon::Stop);
        return kExitFailed;
    }
    return kExitDone;
}

}  // namespace lw::cli
