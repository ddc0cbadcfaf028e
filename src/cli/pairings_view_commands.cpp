// lwtool pairings-view FILE: every pairing instance the pairings window shows, in its row and
// day column, with what the window draws for it. DAY and ROW are 1-based, PAIR is the pairing
// table index.
#include "cli/pairings_view_commands.h"

#include <iostream>
#include <string>

#include "base/time_text.h"
#include "rules/pairings_layout.h"
#include "rules/pairings_look.h"

namespace lw::cli {

namespace {

const char* FillName(rules::BarFill fill) {
    switch (fill) {
        case rules::BarFill::Category: return "category-colour";
        case rules::BarFill::Taken: return "grey";
        case rules::BarFill::TransientMark: return "white";
        case rules::BarFill::LineIndoc: return "light-blue";
        case rules::BarFill::LineCheck: return "pink";
        case rules::BarFill::RecurrentLck: return "light-green";
    }
    return "?";
}

// Minutes from the start of the first day as "+D hh:mm", D the day after the start.
std::string BarEnd(int32_t minutes) {
    return "+" + std::to_string(minutes / base::kMinutesPerDay) + " " + base::FormatTime(minutes % base::kMinutesPerDay);
}

}  // namespace

int CommandPairingsView(Context& ctx, const CommandArgs& argv) {
    const Args args(argv, {}, {"--open-only", "--full-pair", "--no-layovers", "--full-layovers", "--yes", "--no"});
    if (args.Positionals().size() != 1)
        throw UsageError("usage: lwtool pairings-view FILE [--open-only] [--full-pair] [--no-layovers] [--full-layovers]");
    auto doc = OpenSchedule(ctx, args.Positionals()[0]);
    if (!doc) return kExitFailed;
    // The window opens with Build Blocks, which checks the pairings and works out their days.
    if (!doc->BlocksBuilt) {
        std::cerr << "lwtool pairings-view: the blocks of this month are not built yet (lwtool build)\n";
        return kExitFailed;
    }
    if (args.Has("--open-only")) doc->ShowTakenPairings = false;
    const rules::PairingsLookPrefs prefs{args.Has("--full-pair"), !args.Has("--no-layovers"), args.Has("--full-layovers")};

    rules::PairingsLayout layout;
    rules::LayoutPairings(*doc, layout);
    std::cout << "rows " << layout.rowCount << "\n";
    for (int row = 0; row < layout.rowCount; ++row) {
        for (int day = 0; day < rules::PairingsLayout::kColumns; ++day) {
            const int32_t pair = layout.Cell(day, row);
            if (pair < 0) continue;
            const uint8_t category = static_cast<size_t>(pair) < layout.category.size() ? layout.category[static_cast<size_t>(pair)] : 0;
            const rules::InstanceLook look = rules::LookOfInstance(*doc, pair, day, category, prefs);
            std::cout << "row " << row + 1 << " day " << day + 1 << " pair " << pair << " " << look.number
                      << " category " << int{look.category} << " bar " << BarEnd(look.barFrom) << " to "
                      << BarEnd(look.barTo) << " fill " << FillName(look.fill);
            if (look.takenDays > 0) std::cout << " taken-box " << look.takenDays;
            if (look.bold) std::cout << " bold";
            if (look.purser) std::cout << " purser";
            if (!look.layovers.empty()) {
                std::cout << " layovers";
                for (const std::string& station : look.layovers) std::cout << " " << station;
            }
            if (look.arrowTo > 0) std::cout << " arrow " << look.arrowTo;
            std::cout << "\n";
        }
    }
    return kExitDone;
}

}  // namespace lw::cli
