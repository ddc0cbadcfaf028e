// lwtool pair-props FILE --pair INDEX --day DAY: shows the dialog's values for the pairing's
// instance starting on DAY (1-based), or sets them with --type and --exclude as OK does.
#include "cli/pair_props_commands.h"

#include <iostream>

#include "rules/pair_properties.h"
#include "rules/pair_text_caption.h"

namespace lw::cli {

namespace {

void PrintProps(const model::Document& doc, const rules::PairProps& props) {
    std::cout << props.caption << "\n";
    std::cout << "Pairing Type for This Day of Ops: " << rules::PairingDayTypeName(props.type) << "\n";
    std::cout << "Exclude Credit: " << (props.creditInUse ? props.creditText : "(not for this pairing)") << "\n";
    std::cout << rules::PairTextCaption(doc, doc.Pairings[static_cast<size_t>(props.pair)]) << "\n";
}

int32_t ParseType(const std::string& text) {
    if (text == "normal") return rules::kNormalDay;
    if (text == "indoc") return rules::kLineIndocDay;
    if (text == "check") return rules::kLineCheckDay;
    if (text == "recurrent") return rules::kRecurrentCheckDay;
    throw UsageError("--type is normal, indoc, check or recurrent, not " + text);
}

}  // namespace

int CommandPairProps(Context& ctx, const CommandArgs& argv) {
    const Args args(argv, {"--pair", "--day", "--type", "--exclude", "-o"}, {"--yes", "--no"});
    if (args.Positionals().size() != 1)
        throw UsageError(
            "usage: lwtool pair-props FILE --pair INDEX --day DAY [--type normal|indoc|check|recurrent] "
            "[--exclude HH:MM] [-o OUT]");
    const std::string file = args.Positionals()[0];
    args.Required("--pair");
    args.Required("--day");
    const int pair = *args.Int("--pair");
    const int day = *args.Int("--day");
    const std::optional<int32_t> type =
        args.Value("--type") ? std::optional<int32_t>(ParseType(*args.Value("--type"))) : std::nullopt;

    auto doc = OpenSchedule(ctx, file);
    if (!doc) return kExitFailed;
    const std::optional<rules::PairProps> props = rules::OpenPairProps(*doc, pair, day - 1);
    if (!props) {
        std::cerr << "lwtool pair-props: pairing index " << pair << " does not start on day " << day
                  << " of this month\n";
        return kExitFailed;
    }
    if (!type && !args.Has("--exclude")) {
        PrintProps(*doc, *props);
        return kExitDone;
    }
    if (args.Has("--exclude") && !props->creditInUse) {
        std::cerr << "lwtool pair-props: pairing index " << pair << " takes no excluded credit\n";
        return kExitFailed;
    }
    // Like the dialog: a refused credit keeps the type chosen, and that change is kept.
    const int chosenType = type.has_value() ? *type : props->type;
    const bool closed = rules::ApplyPairProps(*doc, ctx.ui, *props, chosenType,
                                              args.Value("--exclude").value_or(props->creditText));
    if (doc->Modified && !SaveScheduleTo(ctx, *doc, args, file)) return kExitFailed;
    PrintProps(*doc, *rules::OpenPairProps(*doc, pair, day - 1));
    return closed ? kExitDone : kExitFailed;
}

}  // namespace lw::cli
