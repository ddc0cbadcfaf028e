// lwtool commands that work blocks through the assignment engine and the grid gestures.
// ROW and DAY are 1-based as on the grid: ROW 1 is the most senior member, DAY 1 the first
// day of the schedule month.
#include "cli/block_commands.h"

#include <algorithm>
#include <charconv>
#include <iostream>

#include "model/activity_codes.h"
#include "output/crew_lines_text.h"
#include "output/exceptions_report.h"
#include "output/month_summary.h"
#include "output/pairing_reports.h"
#include "output/selected_blocks_text.h"
#include "rules/assignment.h"
#include "rules/block_checks.h"
#include "rules/gestures.h"
#include "rules/history_undo.h"

namespace lw::cli {

namespace {


std::string OneFile(const Args& args, const char* usage) {
    if (args.Positionals().size() != 1) throw UsageError(usage);
    return args.Positionals()[0];
}

// A failure of the command itself (not a message of the program).
int Fail(const char* command, const std::string& why) {
    std::cerr << "lwtool " << command << ": " << why << "\n";
    return kExitFailed;
}

int RequiredInt(const Args& args, const std::string& option) {
    args.Required(option);
    return *args.Int(option);
}

struct Cell {
    int crew = -1;  // crew table index
    int day = -1;   // day index
};

// --crew ROW --day DAY as table indexes; a row off the roster or a day off the grid is a failure.
std::optional<Cell> GridCell(const model::Document& doc, const Args& args, const char* command) {
    const int row = RequiredInt(args, "--crew");
    const int day = RequiredInt(args, "--day");
    if (row < 1 || row > doc.CrewCount) {
        Fail(command, "no crew member in row " + std::to_string(row));
        return std::nullopt;
    }
    if (day < 1 || day > doc.DayCount + 31 || day > model::kDayCells) {
        Fail(command, "day " + std::to_string(day) + " is not on the grid");
        return std::nullopt;
    }
    return Cell{row - 1, day - 1};
}

std::string Where(const Cell& c) {
    return "day " + std::to_string(c.day + 1) + " of row " + std::to_string(c.crew + 1);
}

int Save(Context& ctx, model::Document& doc, const Args& args, const std::string& file) {
    return SaveScheduleTo(ctx, doc, args, file) ? kExitDone : kExitFailed;
}

std::string Trimmed(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

// The toolbox button a planner names by its label or its code.
std::optional<model::ToolboxButton> FindButton(const model::Document& doc, const std::string& code, bool request) {
    for (const model::ToolboxButton& b : model::BuildToolbox(doc).buttons) {
        if ((b.value < 0) != request) continue;
        if (b.label == code || Trimmed(b.activity.Code) == code) return b;
    }
    return std::nullopt;
}

// Paints a toolbox button on a cell as a click with the button pressed would.
rules::GridOutcome PaintCell(Context& ctx, model::Document& doc, const Cell& cell, const model::ToolboxButton& b) {
    rules::Board board;
    rules::GridGestures grid(doc, board, ctx.ui);
    grid.ChooseTool(b);
    grid.LeftDown(cell.crew, cell.day, {});
    return grid.LeftUp(cell.crew, cell.day, {});
}

// --crew ROW,ROW.. as table indexes; anything but whole numbers is a usage error, a row off
// the roster a failure.
std::optional<std::vector<int>> CrewRows(const model::Document& doc, const std::string& list) {
    std::vector<int> rows;
    for (const int row : NumberList(list, "--crew takes crew rows ROW,ROW..")) {
        if (row < 1 || row > doc.CrewCount) {
            Fail("report", "no crew member in row " + std::to_string(row));
            return std::nullopt;
        }
        rows.push_back(row - 1);
    }
    return rows;
}

}  // namespace

int CommandAssign(Context& ctx, const CommandArgs& argv) {
    const Args args(argv, {"--crew", "--pair", "--day", "-o"}, Flags({"--skip-checks"}));
    const std::string file =
        OneFile(args, "usage: lwtool assign FILE --crew ROW --pair INDEX --day DAY [--skip-checks] [-o OUT]");
    const int row = RequiredInt(args, "--crew");
    const int pair = RequiredInt(args, "--pair");
    const int day = RequiredInt(args, "--day");
    auto doc = OpenSchedule(ctx, file);
    if (!doc) return kExitFailed;
    rules::Board board;
    const int result = rules::AssignPair(*doc, board, ctx.ui, row - 1, pair, day - 1, args.Has("--skip-checks"));
    if (result != rules::kAssignDone) {
        const std::string_view message = rules::AssignResultMessage(result);
        if (!message.empty()) ctx.ui.Message(message, "Linewright", platform::Icon::Stop);
        return kExitFailed;
    }
    return Save(ctx, *doc, args, file);
}

int CommandRemove(Context& ctx, const CommandArgs& argv) {
    const Args args(argv, {"--crew", "--day", "-o"}, Flags({}));
    const std::string file = OneFile(args, "usage: lwtool remove FILE --crew ROW --day DAY [-o OUT]");
    auto doc = OpenSchedule(ctx, file);
    if (!doc) return kExitFailed;
    const auto cell = GridCell(*doc, args, "remove");
    if (!cell) return kExitFailed;
    const int32_t pair = rules::PairOnDay(*doc, cell->crew, cell->day);
    if (pair < 0) return Fail("remove", "no pairing starts on " + Where(*cell));
    rules::Board board;
    const int result = rules::RemovePair(*doc, board, cell->crew, pair, cell->day);
    if (result == rules::kAssignNotOperating) return Fail("remove", "the pairing does not operate on " + Where(*cell));
    if (result == rules::kAssignAlreadyTaken) return Fail("remove", "the pairing is open on " + Where(*cell));
    if (result != rules::kAssignDone) return Fail("remove", "the pairing could not be removed");
    return Save(ctx, *doc, args, file);
}

int CommandUndo(Context& ctx, const CommandArgs& argv) {
    const Args args(argv, {"-o"}, Flags({}));
    const std::string file = OneFile(args, "usage: lwtool undo FILE [-o OUT]");
    auto doc = OpenSchedule(ctx, file);
    if (!doc) return kExitFailed;
    rules::Board board;
    switch (rules::Undo(*doc, board, ctx.ui, true)) {
        case rules::UndoOutcome::Empty: return Fail("undo", "the history is empty");
        case rules::UndoOutcome::Declined: return kExitFailed;
        case rules::UndoOutcome::Undone: return Save(ctx, *doc, args, file);
        case rules::UndoOutcome::Refused:
            // The refused transaction is gone from the history: that much is kept.
            Save(ctx, *doc, args, file);
            return kExitFailed;
    }
    return kExitFailed;
}

int CommandCheck(Context& ctx, const CommandArgs& argv) {
    const Args args(argv, {}, Flags({}));
    const std::string file = OneFile(args, "usage: lwtool check FILE");
    auto doc = OpenSchedule(ctx, file);
    if (!doc) return kExitFailed;
    for (const std::string& line : output::ExceptionsReport(*doc)) std::cout << line << "\n";
    return kExitDone;
}

int CommandReport(Context& ctx, const CommandArgs& argv) {
    const char* usage = "usage: lwtool report KIND FILE   (KIND: history, pairings, occurrences, summary, exceptions, "
                        "city-pairs, crew-lines, selected)";
    const Args args(argv, {"--crew"}, Flags({"--xes", "--full-pairings"}));
    const auto& pos = args.Positionals();
    if (pos.empty()) throw UsageError(usage);
    const std::string& kind = pos[0];
    const std::set<std::string> kinds = {"history",    "pairings",   "occurrences", "summary",
                                         "exceptions", "city-pairs", "crew-lines",  "selected"};
    if (kinds.count(kind) == 0) throw UsageError("unknown report kind " + kind);
    const bool selected = kind == "selected";
    if (pos.size() != 2 || selected != args.Has("--crew") ||
        (!selected && (args.Has("--xes") || args.Has("--full-pairings"))))
        throw UsageError("usage: lwtool report " + kind + " FILE" +
                         (selected ? " --crew ROW,ROW.. [--xes] [--full-pairings]" : ""));
    const auto doc = OpenSchedule(ctx, pos[1]);
    if (!doc) return kExitFailed;
    if (kind == "crew-lines") output::CopyCrewLines(*doc, ctx.ui);
    if (selected) {
        const std::optional<std::vector<int>> rows = CrewRows(*doc, args.Required("--crew"));
        if (!rows) return kExitFailed;
        output::StoreBlockSelection(*doc, *rows);
        output::CopySelectedBlocks(*doc, ctx.ui, {args.Has("--xes"), args.Has("--full-pairings")});
    }
    std::vector<std::string> lines;
    if (kind == "history") lines = rules::SplitListText(rules::ListText(*doc));
    if (kind == "pairings") lines = output::PairingWarningsReport(*doc);
    if (kind == "summary") lines = output::MonthSummary(*doc);
    if (kind == "exceptions") lines = output::ExceptionsReport(*doc);
    // Clipboard texts go out byte for byte.
    if (kind == "occurrences") output::CopyPairingReport(*doc, ctx.ui);
    if (kind == "city-pairs") std::cout << doc->DocTexts[model::kCityPairSummaryText];
    for (const std::string& line : lines) std::cout << line << "\n";
    return kExitDone;
}

int CommandRules(Context& ctx, const CommandArgs& argv) {
    const Args args(argv, {"--crew"}, Flags({}));
    const std::string file = OneFile(args, "usage: lwtool rules FILE --crew ROW");
    const int row = RequiredInt(args, "--crew");
    auto doc = OpenSchedule(ctx, file);
    if (!doc) return kExitFailed;
    if (row < 1 || row > doc->CrewCount) return Fail("rules", "no crew member in row " + std::to_string(row));
    rules::CheckBlock(*doc, row - 1);
    for (const std::string& line : rules::SplitListText(doc->Crew[static_cast<size_t>(row - 1)].RuleLog))
        std::cout << line << "\n";
    return kExitDone;
}

int CommandActivity(Context& ctx, const CommandArgs& argv) {
    const Args args(argv, {"--crew", "--day", "--code", "-o"}, Flags({}));
    const std::string file = OneFile(args, "usage: lwtool activity FILE --crew ROW --day DAY --code CODE [-o OUT]");
    const std::string code = args.Required("--code");
    auto doc = OpenSchedule(ctx, file);
    if (!doc) return kExitFailed;
    const auto button = FindButton(*doc, code, false);
    if (!button) throw UsageError("no toolbox activity " + code + " (see lwtool toolbox FILE)");
    const auto cell = GridCell(*doc, args, "activity");
    if (!cell) return kExitFailed;
    const rules::GridOutcome outcome = PaintCell(ctx, *doc, *cell, *button);
    if (outcome.effect == rules::GridEffect::Covered) return Fail("activity", "a pairing covers " + Where(*cell));
    if (outcome.effect != rules::GridEffect::Painted) return Fail("activity", Where(*cell) + " is not free");
    return Save(ctx, *doc, args, file);
}

int CommandRequest(Context& ctx, const CommandArgs& argv) {
    const Args args(argv, {"--crew", "--day", "--code", "-o"}, Flags({}));
    const std::string file = OneFile(args, "usage: lwtool request FILE --crew ROW --day DAY --code X1..XM [-o OUT]");
    const std::string code = args.Required("--code");
    auto doc = OpenSchedule(ctx, file);
    if (!doc) return kExitFailed;
    const auto button = FindButton(*doc, code, true);
    if (!button) throw UsageError("--code is a day-off request X1..X9, XA, XP or XM, not " + code);
    const auto cell = GridCell(*doc, args, "request");
    if (!cell) return kExitFailed;
    if (doc->Crew[static_cast<size_t>(cell->crew)].EmployeeNumber == -1)
        return Fail("request", "row " + std::to_string(cell->crew + 1) + " is a captain-pairings line");
    const rules::GridOutcome outcome = PaintCell(ctx, *doc, *cell, *button);
    if (outcome.effect == rules::GridEffect::RequestMarked) std::cout << code << " marked on " << Where(*cell) << "\n";
    else if (outcome.effect == rules::GridEffect::RequestCleared) std::cout << "request cleared on " << Where(*cell) << "\n";
    else return Fail("request", Where(*cell) + " is not free");
    return Save(ctx, *doc, args, file);
}

int CommandClearDay(Context& ctx, const CommandArgs& argv) {
    const Args args(argv, {"--crew", "--day", "-o"}, Flags({}));
    const std::string file = OneFile(args, "usage: lwtool clear-day FILE --crew ROW --day DAY [-o OUT] [--yes|--no]");
    auto doc = OpenSchedule(ctx, file);
    if (!doc) return kExitFailed;
    const auto cell = GridCell(*doc, args, "clear-day");
    if (!cell) return kExitFailed;
    rules::Board board;
    rules::GridGestures grid(*doc, board, ctx.ui);
    const rules::GridOutcome outcome = grid.RightClick(cell->crew, cell->day, {});
    if (outcome.effect == rules::GridEffect::Declined) return kExitFailed;
    if (outcome.effect == rules::GridEffect::Dialog) return Fail("clear-day", "nothing to clear on " + Where(*cell));
    if (outcome.effect != rules::GridEffect::Removed)
        return Fail("clear-day", "pairings of a captain-pairings line are not cleared by hand");
    return Save(ctx, *doc, args, file);
}

int CommandLock(Context& ctx, const CommandArgs& argv) {
    const Args args(argv, {"--crew", "--day", "-o"}, Flags({}));
    const std::string file = OneFile(args, "usage: lwtool lock FILE --crew ROW --day DAY [-o OUT]");
    auto doc = OpenSchedule(ctx, file);
    if (!doc) return kExitFailed;
    const auto cell = GridCell(*doc, args, "lock");
    if (!cell) return kExitFailed;
    rules::Board board;
    rules::GridGestures grid(*doc, board, ctx.ui);
    const rules::Keys ctrl{false, true};
    const rules::GridOutcome outcome = grid.LeftDown(cell->crew, cell->day, ctrl);
    grid.LeftUp(cell->crew, cell->day, ctrl);
    if (outcome.effect != rules::GridEffect::LockToggled) return Fail("lock", "no pairing starts on " + Where(*cell));
    const bool locked = doc->Crew[static_cast<size_t>(cell->crew)].DayLocked[static_cast<size_t>(cell->day)] != 0;
    std::cout << (locked ? "locked " : "unlocked ") << Where(*cell) << "\n";
    return Save(ctx, *doc, args, file);
}

}  // namespace lw::cli
