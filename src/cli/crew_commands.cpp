// lwtool complement, roster and crew: the crew complement dialog, the roster dialog and the move
// dialog, and the employee information dialog, without a display. ROW and POS are 1-based
// roster positions as the planner sees them; LINE numbers count the lines `complement list` prints.
#include "cli/crew_commands.h"

#include <iostream>
#include <map>

#include "output/pairing_reports.h"
#include "platform/profile.h"
#include "rules/block_checks.h"
#include "rules/complement.h"
#include "rules/employee_edit.h"
#include "rules/roster_edit.h"

namespace lw::cli {

namespace {


int Fail(const std::string& command, const std::string& why) {
    std::cerr << "lwtool " << command << ": " << why << "\n";
    return kExitFailed;
}

int RequiredInt(const Args& args, const std::string& option) {
    args.Required(option);
    return *args.Int(option);
}

// Positionals: ACTION FILE.
std::pair<std::string, std::string> ActionAndFile(const Args& args, const char* usage) {
    const auto& pos = args.Positionals();
    if (pos.size() != 2) throw UsageError(usage);
    return {pos[0], pos[1]};
}

int Save(Context& ctx, model::Document& doc, const Args& args, const std::string& file) {
    return SaveScheduleTo(ctx, doc, args, file) ? kExitDone : kExitFailed;
}

platform::Profile UserProfile() { return platform::Profile(platform::Profile::DefaultPath()); }

// "1,4,7" as 1-based numbers; "" is none.
std::vector<int> NumberList(const std::string& option, const std::string& text) {
    std::vector<int> numbers;
    size_t from = 0;
    while (from < text.size()) {
        const size_t comma = std::min(text.find(',', from), text.size());
        const auto n = rules::ReadEmployeeNumber(text.substr(from, comma - from));
        if (!n || *n < 1 || comma == from)
            throw UsageError(option + " needs numbers from 1 separated by commas, not " + text);
        numbers.push_back(*n);
        from = comma + 1;
    }
    return numbers;
}

// ---------------------------------------------------------------- complement

int ComplementList(Context& ctx, const std::string& file) {
    auto doc = OpenSchedule(ctx, file);
    if (!doc) return kExitFailed;
    const rules::ComplementDialog dialog = rules::OpenCrewComplement(*doc);
    for (size_t k = 0; k < dialog.lines.size(); ++k)
        std::cout << (dialog.selected[k] ? "* " : "  ") << dialog.lines[k].text << "\n";
    return kExitDone;
}

int ComplementSet(Context& ctx, const Args& args, const std::string& file) {
    const std::vector<int> chosen = NumberList("--lines", args.Required("--lines"));
    auto doc = OpenSchedule(ctx, file);
    if (!doc) return kExitFailed;
    std::string problem;
    auto choose = [&](const rules::ComplementDialog& dialog) {
        std::vector<bool> selected(dialog.lines.size(), false);
        for (int n : chosen) {
            if (static_cast<size_t>(n) > dialog.lines.size()) {
                problem = "there is no line " + std::to_string(n) + " (the list has " +
                          std::to_string(dialog.lines.size()) + " lines)";
                return dialog.selected;
            }
            selected[static_cast<size_t>(n - 1)] = true;
        }
        return selected;
    };
    rules::Board board;
    rules::ChangeCrewComplement(*doc, board, ctx.ui, UserProfile(), choose, output::ShowPairingReport);
    if (!problem.empty()) return Fail("complement", problem);
    return Save(ctx, *doc, args, file);
}

// ---------------------------------------------------------------- roster

int RosterList(Context& ctx, const std::string& file) {
    const auto doc = OpenSchedule(ctx, file);
    if (!doc) return kExitFailed;
    for (const rules::RosterLine& line : rules::RosterLines(*doc)) std::cout << line.text << "\n";
    return kExitDone;
}

// Runs one change inside the roster dialog and saves when it was made.
template <class Edit>
int InRosterDialog(Context& ctx, const Args& args, const std::string& file, Edit edit) {
    auto doc = OpenSchedule(ctx, file);
    if (!doc) return kExitFailed;
    rules::Board board;
    bool changed = false;
    rules::EditRoster(*doc, board, ctx.ui, UserProfile(), [&] { changed = edit(*doc); }, output::ShowPairingReport);
    return changed ? Save(ctx, *doc, args, file) : kExitFailed;
}

int RosterMove(Context& ctx, const Args& args, const std::string& file) {
    const int row = RequiredInt(args, "--crew");
    const int to = RequiredInt(args, "--to");
    auto doc = OpenSchedule(ctx, file);
    if (!doc) return kExitFailed;
    const rules::MoveDialogContent dialog = rules::MoveDialogFor(*doc, row - 1);
    auto listed = [&dialog](int position) {
        for (const rules::RosterLine& line : dialog.lines)
            if (line.row == position - 1) return true;
        return false;
    };
    if (!listed(row)) return Fail("roster", "no movable crew member in row " + std::to_string(row));
    if (!listed(to)) return Fail("roster", "position " + std::to_string(to) + " is not in the list");
    if (!rules::MoveOnRoster(*doc, row - 1, to - 1)) {
        std::cout << "already at position " << to << "\n";
        return kExitDone;
    }
    return Save(ctx, *doc, args, file);
}

// ---------------------------------------------------------------- crew

const char* YesNo(bool b) { return b ? "yes" : "no"; }

std::string LanguageText(const model::Document& doc, int32_t bits) {
    if (doc.IsFlightAttendants()) return (bits == 1 || bits == 3) ? "FR" : "none";
    switch (bits) {
        case 1: return "65+";
        case 2: return "Med";
        case 3: return "65+,Med";
        default: return "none";
    }
}

void PrintFields(const model::Document& doc, const rules::EmployeeFields& f) {
    const auto names = rules::QualificationNames(doc);
    const size_t q = static_cast<size_t>(f.qualification);
    const std::string qualification = f.qualification >= 0 && q < names.size() ? names[q] : "?";
    std::cout << "Name: " << f.name << "\n"
              << "Emp #: " << f.employeeNumber << "\n"
              << "Phone 1: " << f.phone1 << "\n"
              << "Phone 2: " << f.phone2 << "\n"
              << "Quick Notes for this month: " << f.quickNotes << "\n"
              << "Credit Hours Carried In: " << f.creditCarriedIn << "\n"
              << "Extra Credits: " << f.extraCredits << "\n"
              << "Time Bank: " << f.timeBank << "\n"
              << "Training at Home: " << f.trainingAtHome << "\n"
              << "Day:Hr:Min Legal for Checkin at: " << f.legalCheckIn << "\n"
              << "Draft Credits: " << f.draftCredits << "\n"
              << "Min Block: " << f.minBlock << "\n"
              << "Max Block: " << f.maxBlock << "\n"
              << "Min Days Off: " << f.minDaysOff << "\n"
              << "Qualification: " << f.qualification << " " << qualification << "\n"
              << (doc.IsFlightAttendants() ? "F/A Language: " : "Language: ")
              << LanguageText(doc, f.languageBits) << "\n"
              << "TRN: " << YesNo(f.training) << "\n"
              << "No TZ: " << YesNo(f.noTz) << "\n"
              << "No YCG: " << YesNo(f.noYcg) << "\n"
              << "Check If Bid Reserve or LOA: " << YesNo(f.bidsReserve) << "\n"
              << "Blk Complete: " << YesNo(f.blockComplete) << "\n"
              << "OutsideW: " << YesNo(f.outsideW) << "\n"
              << "Previous Month Data: " << f.prevDay.date << " " << f.prevDay.code << "\n"
              << "  Hard Time: " << f.prevDay.hardTime << "\n"
              << "  Duty Start: " << f.prevDay.dutyStart << "\n"
              << "  Duty Length: " << f.prevDay.dutyLength << "\n"
              << "  Pair/Ass Start: " << f.prevDay.pairStart << "\n"
              << "  Pair/Ass TAFB: " << f.prevDay.pairTafb << "\n"
              << "  Worked This Day Gray = Res: " << f.prevDay.worked << "\n"
              << "  CARS Duty: " << YesNo(f.prevDay.carsDuty) << "\n"
              << "Illegalities: " << f.illegalities << "\n"
              << "Warnings: " << f.warnings << "\n"
              << "CARs 60/7 or 70/7 Rule Checking Results:\n";
    for (const std::string& line : f.ruleResults) std::cout << "  " << line << "\n";
}

bool YesNoArg(const std::string& option, const std::string& value) {
    if (value == "yes") return true;
    if (value == "no") return false;
    throw UsageError(option + " is yes or no, not " + value);
}

int32_t QualificationArg(const model::Document& doc, const std::string& value) {
    const auto names = rules::QualificationNames(doc);
    for (size_t i = 0; i < names.size(); ++i)
        if (value == names[i] || value == std::to_string(i)) return static_cast<int32_t>(i);
    throw UsageError("--qualification is 0-4 or one of None, Check B, " + names[2] + ", Checker, LTC and TP, not " +
                     value);
}

int32_t LanguageArg(const model::Document& doc, const std::string& value) {
    for (int32_t bits = 0; bits <= 3; ++bits) {
        // "FR" names 1; 3 is the same for flight attendants.
        const bool named = value == LanguageText(doc, bits) && !(doc.IsFlightAttendants() && bits == 3);
        if (value == std::to_string(bits) || named) return bits;
    }
    const char* names = doc.IsFlightAttendants() ? "FR or none" : "65+, Med, 65+,Med or none";
    throw UsageError(std::string("--languages is 0-3 or ") + names + ", not " + value);
}

// One lwtool option per dialog text field.
const std::map<std::string, std::string rules::EmployeeFields::*> kTextOptions = {
    {"--name", &rules::EmployeeFields::name},
    {"--emp", &rules::EmployeeFields::employeeNumber},
    {"--phone1", &rules::EmployeeFields::phone1},
    {"--phone2", &rules::EmployeeFields::phone2},
    {"--notes", &rules::EmployeeFields::quickNotes},
    {"--carried-in", &rules::EmployeeFields::creditCarriedIn},
    {"--extra-credits", &rules::EmployeeFields::extraCredits},
    {"--time-bank", &rules::EmployeeFields::timeBank},
    {"--training-at-home", &rules::EmployeeFields::trainingAtHome},
    {"--legal-checkin", &rules::EmployeeFields::legalCheckIn},
    {"--draft-credits", &rules::EmployeeFields::draftCredits},
    {"--min-block", &rules::EmployeeFields::minBlock},
    {"--max-block", &rules::EmployeeFields::maxBlock},
    {"--min-days-off", &rules::EmployeeFields::minDaysOff},
};
const std::map<std::string, bool rules::EmployeeFields::*> kBoxOptions = {
    {"--training", &rules::EmployeeFields::training},
    {"--no-tz", &rules::EmployeeFields::noTz},
    {"--no-ycg", &rules::EmployeeFields::noYcg},
    {"--bids-reserve", &rules::EmployeeFields::bidsReserve},
    {"--block-complete", &rules::EmployeeFields::blockComplete},
    {"--outside-w", &rules::EmployeeFields::outsideW},
};
const std::map<std::string, std::string rules::PrevDayFields::*> kPrevDayOptions = {
    {"--hard-time", &rules::PrevDayFields::hardTime},
    {"--duty-start", &rules::PrevDayFields::dutyStart},
    {"--duty-length", &rules::PrevDayFields::dutyLength},
    {"--pair-start", &rules::PrevDayFields::pairStart},
    {"--pair-tafb", &rules::PrevDayFields::pairTafb},
};

std::set<std::string> CrewEditOptions() {
    std::set<std::string> options = {"--crew", "--prev-day", "--qualification", "--languages", "--worked",
                                     "--cars-duty", "-o"};
    for (const auto& [option, field] : kTextOptions) options.insert(option);
    for (const auto& [option, field] : kBoxOptions) options.insert(option);
    for (const auto& [option, field] : kPrevDayOptions) options.insert(option);
    return options;
}

// --prev-day N counts back from the month: 1 is the day before the first day.
int PrevDayW(const Args& args) {
    const int back = args.Int("--prev-day").value_or(1);
    if (back < 1 || back > model::kPrevDays) throw UsageError("--prev-day is 1 to 31 days before the month");
    return model::kPrevDays - back;
}

int CrewShowOrEdit(Context& ctx, const Args& args, const std::string& action, const std::string& file) {
    const int row = RequiredInt(args, "--crew");
    const int w = PrevDayW(args);
    auto doc = OpenSchedule(ctx, file);
    if (!doc) return kExitFailed;
    if (row < 1 || row > doc->CrewCount || row >= model::kCrewRows)
        return Fail("crew", "no crew member in row " + std::to_string(row));
    // The file keeps no check results: the dialog shows them as they are now.
    if (action == "show") rules::CheckBlock(*doc, row - 1);
    rules::EmployeeFields fields = rules::ReadEmployeeFields(*doc, row - 1, w);
    if (action == "show") {
        PrintFields(*doc, fields);
        return kExitDone;
    }
    for (const auto& [option, field] : kTextOptions)
        if (const auto v = args.Value(option)) fields.*field = *v;
    for (const auto& [option, field] : kBoxOptions)
        if (const auto v = args.Value(option)) fields.*field = YesNoArg(option, *v);
    for (const auto& [option, field] : kPrevDayOptions)
        if (const auto v = args.Value(option)) fields.prevDay.*field = *v;
    if (const auto v = args.Value("--qualification")) fields.qualification = QualificationArg(*doc, *v);
    if (const auto v = args.Value("--languages")) fields.languageBits = LanguageArg(*doc, *v);
    if (const auto v = args.Value("--cars-duty")) fields.prevDay.carsDuty = YesNoArg("--cars-duty", *v);
    if (const auto v = args.Int("--worked")) {
        if (*v < 0 || *v > 2) throw UsageError("--worked is 0 (neither), 1 (worked) or 2 (reserve)");
        fields.prevDay.worked = *v;
    }
    rules::Board board;
    if (!rules::ApplyEmployeeEdit(*doc, board, ctx.ui, row - 1, fields)) return kExitFailed;
    return Save(ctx, *doc, args, file);
}

}  // namespace

int CommandComplement(Context& ctx, const CommandArgs& argv) {
    const Args args(argv, {"--lines", "-o"}, Flags({}));
    const auto [action, file] = ActionAndFile(args, "usage: lwtool complement list|set FILE [--lines N,N..] [-o OUT]");
    if (action == "list") return ComplementList(ctx, file);
    if (action == "set") return ComplementSet(ctx, args, file);
    throw UsageError("complement list or complement set, not complement " + action);
}

int CommandRoster(Context& ctx, const CommandArgs& argv) {
    const Args args(argv, {"--index", "--name", "--emp", "--crew", "--to", "-o"}, Flags({}));
    const auto [action, file] = ActionAndFile(
        args,
        "usage: lwtool roster list|insert|delete|move FILE [--index POS --name TEXT --emp N] [--crew ROW] [--to POS]");
    if (action == "list") return RosterList(ctx, file);
    if (action == "insert") {
        const std::string index = args.Required("--index");
        const std::string name = args.Required("--name");
        const std::string emp = args.Value("--emp").value_or("0");
        return InRosterDialog(ctx, args, file, [&](model::Document& doc) {
            return rules::InsertEmployee(doc, ctx.ui, index, name, emp).inserted;
        });
    }
    if (action == "delete") {
        const int row = RequiredInt(args, "--crew");
        return InRosterDialog(ctx, args, file,
                              [&](model::Document& doc) { return rules::DeleteEmployee(doc, ctx.ui, row - 1); });
    }
    if (action == "move") return RosterMove(ctx, args, file);
    throw UsageError("roster list, insert, delete or move, not roster " + action);
}

int CommandCrew(Context& ctx, const CommandArgs& argv) {
    const Args args(argv, CrewEditOptions(), Flags({}));
    const auto [action, file] =
        ActionAndFile(args, "usage: lwtool crew show|edit FILE --crew ROW [--prev-day N] [--FIELD VALUE]...");
    if (action != "show" && action != "edit") throw UsageError("crew show or crew edit, not crew " + action);
    return CrewShowOrEdit(ctx, args, action, file);
}

}  // namespace lw::cli
