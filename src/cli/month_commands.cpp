// lwtool month and notes: the month's blocking rules ("Setup Month") and the shared notes kept
// in the month file.
#include <array>
#include <iostream>

#include "base/text.h"
#include "base/time_text.h"
#include "cli/commands.h"
#include "rules/month_setup.h"

namespace lw::cli {

namespace {

struct SettingOption {
    const char* option;
    const char* label;
    bool minutes;
    int32_t rules::MonthSettings::*field;
};
constexpr std::array<SettingOption, 9> kSettingOptions = {{
    {"--avg", "Avg", true, &rules::MonthSettings::avgBlock},
    {"--max", "Max", true, &rules::MonthSettings::maxBlock},
    {"--min", "Min", true, &rules::MonthSettings::minBlock},
    {"--check-pilot-max", "Check Pilot Max Hours", true, &rules::MonthSettings::checkPilotMax},
    {"--days-off-holder", "Days Off Required Block Holder", false, &rules::MonthSettings::daysOffBlockHolder},
    {"--days-off-reserve", "Days Off Required Reserve", false, &rules::MonthSettings::daysOffReserve},
    {"--reduced-max", "Reduced Blocks Max", true, &rules::MonthSettings::reducedMax},
    {"--reduced-min", "Reduced Blocks Min", true, &rules::MonthSettings::reducedMin},
    {"--reduced-days-off", "Reduced Blocks Min Days Off", false, &rules::MonthSettings::reducedMinDaysOff},
}};

std::string OneFile(const Args& args, const char* usage) {
    if (args.Positionals().size() != 1) throw UsageError(usage);
    return args.Positionals()[0];
}

}  // namespace

int CommandMonth(Context& ctx, const CommandArgs& argv) {
    std::set<std::string> valued = {"-o"};
    for (const SettingOption& s : kSettingOptions) valued.insert(s.option);
    const Args args(argv, valued, Flags({}));
    const std::string file = OneFile(args, "usage: lwtool month FILE [--avg H:MM] ... [-o OUT]");
    auto doc = OpenSchedule(ctx, file);
    if (!doc) return kExitFailed;
    rules::MonthSettings settings = rules::ReadMonthSettings(*doc);
    bool given = false;
    for (const SettingOption& s : kSettingOptions) {
        const auto text = args.Value(s.option);
        if (!text) continue;
        given = true;
        if (s.minutes) {
            const int32_t minutes = base::ParseTime(*text, false);
            if (minutes < 0 || minutes > rules::kMonthSettingMaxMinutes)
                throw UsageError(std::string(s.option) + " takes hours as H:MM up to 150:00, not " + *text);
            settings.*s.field = minutes;
        } else {
            const int days = *args.Int(s.option);
            if (days < 0 || days > rules::kMonthSettingMaxDays)
                throw UsageError(std::string(s.option) + " takes 0 to 31 days, not " + *text);
            settings.*s.field = days;
        }
    }
    if (given) {
        rules::ApplyMonthSettings(*doc, settings);
        if (!SaveScheduleTo(ctx, *doc, args, file)) return kExitFailed;
    }
    for (const SettingOption& s : kSettingOptions) {
        const int32_t v = settings.*s.field;
        std::cout << s.label << ": " << (s.minutes ? base::FormatTime(v) : std::to_string(v)) << "\n";
    }
    return kExitDone;
}

int CommandNotes(Context& ctx, const CommandArgs& argv) {
    const Args args(argv, {"--set", "--from", "-o"}, Flags({}));
    const std::string file = OneFile(args, "usage: lwtool notes FILE [--set TEXT | --from TEXTFILE] [-o OUT]");
    if (args.Has("--set") && args.Has("--from")) throw UsageError("--set and --from both give the notes: use one");
    auto doc = OpenSchedule(ctx, file);
    if (!doc) return kExitFailed;
    std::optional<std::string> notes = args.Value("--set");
    if (const auto from = args.Value("--from")) {
        std::string text;
        // A longer file gives its first part, as the editor keeps no more.
        if (base::ReadFileUpTo(*from, rules::kSharedNotesLimit, text) == base::BoundedRead::CannotOpen) {
            ctx.ui.Message("Unable to Open File " + *from, "Linewright", platform::Icon::Stop);
            return kExitFailed;
        }
        notes = text;
    }
    if (notes) {
        rules::SetSharedNotes(*doc, *notes);
        if (!SaveScheduleTo(ctx, *doc, args, file)) return kExitFailed;
    }
    std::cout << rules::SharedNotes(*doc);
    return kExitDone;
}

}  // namespace lw::cli
