// lwtool pair-edit FILE --pair INDEX [fields] [--yes|--no]: corrects one pairing as the
// editor stores it when the planner moves on; without fields it shows the pairing.
#include "cli/pair_edit_commands.h"

#include <iostream>
#include <sstream>

#include "rules/pair_editor.h"

namespace lw::cli {

namespace {

void PrintEditor(const rules::PairEditor& editor) {
    const rules::PairEditorFields& f = editor.fields;
    std::cout << editor.PositionText() << "\n";
    std::cout << "Pair number: " << f.number << "\n";
    std::cout << "Time On: " << f.timeOn << "  Time Off: " << f.timeOff << "  Credit: " << f.credit
              << "  Length: " << f.length << "  TAFB: " << f.tafb << "\n";
    std::cout << "Days:";
    for (int d = 0; d < model::kMonthDays; ++d)
        if (f.days[static_cast<size_t>(d)]) std::cout << " " << editor.DayLabel(d);
    std::cout << "\n";
}

// "3,8,12": days of the month, 1-based, as the day boxes are labelled.
std::array<bool, model::kMonthDays> ParseDays(const std::string& text, int dayCount) {
    std::array<bool, model::kMonthDays> days{};
    std::stringstream in(text);
    std::string item;
    while (std::getline(in, item, ',')) {
        if (item.empty()) continue;
        int day = 0;
        try {
            day = std::stoi(item);
        } catch (const std::exception&) {
            throw UsageError("--days takes days of the month like 3,8,12, not " + text);
        }
        if (day < 1 || day > dayCount) throw UsageError("--days: no day " + item + " in this month");
        days[static_cast<size_t>(day - 1)] = true;
    }
    return days;
}

}  // namespace

int CommandPairEdit(Context& ctx, const CommandArgs& argv) {
    const Args args(argv,
                    {"--pair", "--time-on", "--credit", "--tafb", "--number", "--days", "--day", "--start", "--duty",
                     "--hard", "--daily-credit", "-o"},
                    {"--yes", "--no"});
    if (args.Positionals().size() != 1)
        throw UsageError(
            "usage: lwtool pair-edit FILE --pair INDEX [--time-on HH:MM] [--credit HH:MM] [--tafb HHH:MM] "
            "[--number N] [--days D,D..] [--day N [--start HH:MM] [--duty HH:MM] [--hard HH:MM] "
            "[--daily-credit HH:MM]] [--yes|--no] [-o OUT]");
    const std::string file = args.Positionals()[0];
    args.Required("--pair");
    const int pair = *args.Int("--pair");
    const bool daily = args.Has("--start") || args.Has("--duty") || args.Has("--hard") || args.Has("--daily-credit");
    if (daily && !args.Has("--day")) throw UsageError("--start, --duty, --hard and --daily-credit need --day");

    auto doc = OpenSchedule(ctx, file);
    if (!doc) return kExitFailed;
    if (doc->LastPairIndex < 0) {
        ctx.ui.Message("You must have a minimum of 1 Pairing! Set up Month first", "Pairing Editor Error", platform::Icon::Stop);
        return kExitFailed;
    }
    if (pair < 0 || pair > doc->LastPairIndex) {
        std::cerr << "lwtool pair-edit: no pairing at index " << pair << "\n";
        return kExitFailed;
    }
    rules::Board board;
    rules::PairEditor editor(*doc, board, ctx.ui, true, pair);
    bool changed = false;
    if (args.Has("--day")) {
        const int day = *args.Int("--day");
        if (day < 1 || day > editor.LastDay() + 1) {
            std::cerr << "lwtool pair-edit: the pairing has no day " << day << "\n";
            return kExitFailed;
        }
        if (!editor.ChangeDay(day - 1)) return kExitFailed;
    }
    auto set = [&](const char* option, std::string& field) {
        if (const auto value = args.Value(option)) {
            field = *value;
            changed = true;
        }
    };
    set("--time-on", editor.fields.timeOn);
    set("--credit", editor.fields.credit);
    set("--tafb", editor.fields.tafb);
    set("--number", editor.fields.number);
    set("--start", editor.fields.start);
    set("--duty", editor.fields.duty);
    set("--hard", editor.fields.hard);
    set("--daily-credit", editor.fields.dailyCredit);
    if (const auto days = args.Value("--days")) {
        editor.fields.days = ParseDays(*days, doc->DayCount);
        changed = true;
    }
    if (!changed) {
        PrintEditor(editor);
        return kExitDone;
    }
    editor.Close();
    if (editor.Refused()) return kExitFailed;
    if (doc->Modified && !SaveScheduleTo(ctx, *doc, args, file)) return kExitFailed;
    rules::PairEditor shown(*doc, board, ctx.ui, false, pair);
    PrintEditor(shown);
    return kExitDone;
}

}  // namespace lw::cli
