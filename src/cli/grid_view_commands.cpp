// lwtool grid-view FILE: the crew rows the block grid shows with the given view filters and
// search, each with its label, days off and credit, then the crew balance and the reserve
// summary rows per day of the month.
#include "cli/grid_view_commands.h"

#include <algorithm>
#include <iostream>
#include <set>
#include <string>
#include <utility>

#include "rules/gestures.h"
#include "rules/view_filter.h"

namespace lw::cli {

namespace {

constexpr const char* kUsage =
    "usage: lwtool grid-view FILE [--hide-leave] [--hide-completed] [--hide-check-pilots] [--hide-block-holders]\n"
    "       [--show-block-holders] [--show-ccp] [--show-ltc] [--search TEXT] [--only-matching]\n"
    "       [--no-name] [--no-emp-num] [--no-pair] [--no-bid]";

const char* ShadeName(rules::CreditShade shade) {
    switch (shade) {
        case rules::CreditShade::Reserve: return "reserve";
        case rules::CreditShade::OutsideRange: return "outside-range";
        case rules::CreditShade::InRange: return "in-range";
    }
    return "?";
}

std::string DayFigures(const int32_t* figures, int days) {
    std::string line;
    for (int d = 0; d < days; ++d) line += " " + std::to_string(figures[d]);
    return line;
}

}  // namespace

int CommandGridView(Context& ctx, const CommandArgs& argv) {
    // Switches are turned on in this order, as the menu would: a "Show Only" switch turns the
    // "Hide" switches off.
    static const std::pair<const char*, rules::ViewSwitch> kSwitches[] = {
        {"--hide-leave", rules::ViewSwitch::HideLeaveBlocks},
        {"--hide-completed", rules::ViewSwitch::HideCompleted},
        {"--hide-check-pilots", rules::ViewSwitch::HideCheckPilots},
        {"--hide-block-holders", rules::ViewSwitch::HideBlockHolders},
        {"--show-block-holders", rules::ViewSwitch::ShowBlockHolders},
        {"--show-ccp", rules::ViewSwitch::ShowCCP},
        {"--show-ltc", rules::ViewSwitch::ShowLTC},
        {"--only-matching", rules::ViewSwitch::FilterSearch},
    };
    std::set<std::string> flags = {"--no-name", "--no-emp-num", "--no-pair", "--no-bid"};
    for (const auto& [flag, which] : kSwitches) flags.insert(flag);
    const Args args(argv, {"--search"}, flags);
    if (args.Positionals().size() != 1) throw UsageError(kUsage);
    auto doc = OpenSchedule(ctx, args.Positionals()[0]);
    if (!doc) return kExitFailed;

    rules::ViewSettings view;
    for (const auto& [flag, which] : kSwitches)
        if (args.Has(flag) && !rules::SwitchOn(view, which)) rules::ToggleViewSwitch(view, which);
    view.NameCheck = !args.Has("--no-name");
    view.EmpNumCheck = !args.Has("--no-emp-num");
    view.PairCheck = !args.Has("--no-pair");
    view.BidCheck = !args.Has("--no-bid");
    const std::vector<std::string> words = rules::SplitSearchText(args.Value("--search").value_or(""), ctx.ui);
    rules::MarkSearchMatches(*doc, words, view);

    const std::vector<int> rows = rules::SelectDisplayRows(*doc, view);
    std::cout << "rows " << rows.size() << "\n";
    for (int crew : rows) {
        const model::TPilot& p = doc->Crew[static_cast<size_t>(crew)];
        std::cout << rules::RowLabel(*doc, crew) << " | days-off " << rules::DaysOffCount(*doc, p) << " of "
                  << doc->EffectiveMinDaysOff(p) << " | credit " << rules::CreditText(p) << " "
                  << ShadeName(rules::CreditShadeOf(*doc, p)) << "\n";
    }
    const int days = std::clamp(doc->DayCount, 0, model::kMonthDays);
    std::cout << "balance" << DayFigures(rules::CrewBalance(*doc).data(), days) << "\n";
    const rules::ReserveSummary reserves = rules::CountReserveDays(*doc);
    for (size_t k = 0; k < reserves.size(); ++k)
        std::cout << rules::kReserveSummaryLabels[k] << DayFigures(reserves[k].data(), days) << "\n";
    return kExitDone;
}

}  // namespace lw::cli
