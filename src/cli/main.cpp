// lwtool: the Linewright core without a display, for scripts, batch runs and tests.
#include <algorithm>
#include <cstring>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "cli/backup_commands.h"
#include "cli/bids_commands.h"
#include "cli/block_commands.h"
#include "cli/build_commands.h"
#include "cli/commands.h"
#include "cli/crew_commands.h"
#include "cli/export_commands.h"
#include "cli/pair_edit_commands.h"
#include "cli/pair_props_commands.h"
#include "cli/grid_view_commands.h"
#include "cli/pairings_view_commands.h"
#include "cli/prefs_commands.h"
#include "cli/print_commands.h"
#include "cli/propose_commands.h"
#include "lw_version.h"

namespace {

using lw::cli::Context;

struct CommandEntry {
    const char* name;
    const char* summary;
    int (*run)(Context&, const lw::cli::CommandArgs&);
    bool ownHelp = false;  // the command explains itself at --help
};

const CommandEntry kCommands[] = {
    {"new",
     "new OUT.lw2 (--first DATE --last DATE | --month YYYY-MM) --group CODE9 --status capt|fo|fa [--force]\n"
     "      [--toolbox F.box] [--roster F] [--absences F [--next-absences F]]\n"
     "      [--activity F --prior-pairings F] [--pairings F] [--lis F]...   (the wizard's steps, in its order)",
     lw::cli::CommandNew},
    {"info", "info FILE", lw::cli::CommandInfo},
    {"dump", "dump FILE [--crew] [--pairings] [--history]   (dump --help: the format)", lw::cli::CommandDump, true},
    {"save", "save FILE [-o OUT] [--kind working|prebuild|presked|final]", lw::cli::CommandSave},
    {"import",
     "import KIND FILE INPUT... [-o OUT]   KIND: toolbox, roster, absences, next-absences,\n"
     "      activity (ACTIVITY PRIOR-PAIRINGS), pairings [--manual CODES], lis (one or more files),\n"
     "      bids (BIDS.csv), baw-lin (X.BAW X.LIN)",
     lw::cli::CommandImport},
    {"toolbox", "toolbox FILE   (the toolbox buttons of the month)", lw::cli::CommandToolbox},
    {"build", "build FILE [--no-pairings] [--no-bids] [--no-toolbox] [-o OUT]   (Build Blocks)", lw::cli::CommandBuild},
    {"select-pairing", "select-pairing FILE --pair INDEX --day DAY   (the pairings window's status text of a click)",
     lw::cli::CommandSelectPairing},
    {"pairings-view",
     "pairings-view FILE [--open-only] [--full-pair] [--no-layovers] [--full-layovers]\n"
     "      (every instance the pairings window shows: its row, day, number, bar and marks)",
     lw::cli::CommandPairingsView},
    {"grid-view",
     "grid-view FILE [--hide-leave] [--hide-completed] [--hide-check-pilots] [--hide-block-holders] [--show-block-holders]\n"
     "      [--show-ccp] [--show-ltc] [--search TEXT] [--only-matching] [--no-name] [--no-emp-num] [--no-pair] [--no-bid]\n"
     "      (the rows the block grid shows, the crew balance and the reserve days per day)",
     lw::cli::CommandGridView},
    {"whos-legal", "whos-legal FILE --pair INDEX --day DAY [--assign ROW] [-o OUT]   (who may take it, who bid it)",
     lw::cli::CommandWhosLegal},
    {"propose",
     "propose FILE [--rows R1,R2..] [--seconds N] [--strategy best|first-fit] [--dry-run] [-o OUT]\n"
     "      (fills the open time legally, by seniority and bids; prints the summary, the placements and what stays open)",
     lw::cli::CommandPropose},
    {"why", "why FILE --crew ROW --pair INDEX --day DAY   (why the member cannot take that pairing instance)",
     lw::cli::CommandWhy},
    {"assign", "assign FILE --crew ROW --pair INDEX --day DAY [--skip-checks] [-o OUT]", lw::cli::CommandAssign},
    {"remove", "remove FILE --crew ROW --day DAY [-o OUT]", lw::cli::CommandRemove},
    {"undo", "undo FILE [-o OUT]   (takes back the newest assignment or removal)", lw::cli::CommandUndo},
    {"check", "check FILE   (the exceptions and warnings of every block)", lw::cli::CommandCheck},
    {"report",
     "report history|pairings|occurrences|summary|exceptions|city-pairs|crew-lines FILE\n"
     "      report selected FILE --crew ROW,ROW.. [--xes] [--full-pairings]   (clipboard texts go to stdout)",
     lw::cli::CommandReport},
    {"rules", "rules FILE --crew ROW   (the duty rule results of one member)", lw::cli::CommandRules},
    {"activity", "activity FILE --crew ROW --day DAY --code CODE [-o OUT]", lw::cli::CommandActivity},
    {"request", "request FILE --crew ROW --day DAY --code X1..XM [-o OUT]   (marks or clears)", lw::cli::CommandRequest},
    {"clear-day", "clear-day FILE --crew ROW --day DAY [-o OUT]", lw::cli::CommandClearDay},
    {"lock", "lock FILE --crew ROW --day DAY [-o OUT]   (locks or unlocks the pairing)", lw::cli::CommandLock},
    {"print",
     "print blocks|pairings FILE -o OUT.pdf [--crew ROWS] [--page-size A4|Letter]   (the printouts as PDF; --yes: draft)",
     lw::cli::CommandPrint},
    {"export",
     "export crewtrac FILE [--stem S] [--base L] [--eqp D] [--type capt|fo|fapu]   (BAW and LIN files)\n"
     "      export publish FILE [--folder DIR]   (the .htm page and three .csv files, beside FILE by default)\n"
     "      export viewer FILE [--stage prebuild|presked|final] [--yes]   (Viewer/<Stage>_NAME.lwv; --yes mails it)\n"
     "      export company FILE [--yes]   (Company/NAME.lw2 without personal data; --yes mails it)\n"
     "      export training FILE OUT   (the training and line check CSV report)",
     lw::cli::CommandExport},
    {"pair-props",
     "pair-props FILE --pair INDEX --day DAY [--type normal|indoc|check|recurrent] [--exclude HH:MM] [-o OUT]\n"
     "      (the pairing's properties for that day of operation; without --type and --exclude it shows them)",
     lw::cli::CommandPairProps},
    {"pair-edit",
     "pair-edit FILE --pair INDEX [--time-on HH:MM] [--credit HH:MM] [--tafb HHH:MM] [--number N] [--days D,D..]\n"
     "      [--day N [--start HH:MM] [--duty HH:MM] [--hard HH:MM] [--daily-credit HH:MM]] [--yes|--no] [-o OUT]\n"
     "      (corrects the pairing as the pairing editor does; without fields it shows it)",
     lw::cli::CommandPairEdit},
    {"filter",
     "filter apply|remove|invert|toggle|save|recall|on|off|render FILE [--pick N,N..] [--text T] [--crew ROW]\n"
     "      [--number N] [--employee N] [-o OUT];  filter wizard [--left KEY]... [--right KEY]...",
     lw::cli::CommandFilter},
    {"bids",
     "bids show|guess|edit|set-filters|set-days-off|mail-to FILE --crew ROW [--text BID] [-o OUT]\n"
     "      (mail-to: where eMail Pilot writes)",
     lw::cli::CommandBids},
    {"complement", "complement list|set FILE [--lines N,N..] [-o OUT]   (pairing days with two captains or an extra FA)",
     lw::cli::CommandComplement},
    {"roster",
     "roster list|insert|delete|move FILE [--index POS --name TEXT --emp N] [--crew ROW] [--to POS] [-o OUT]",
     lw::cli::CommandRoster},
    {"crew", "crew show|edit FILE --crew ROW [--prev-day N] [--FIELD VALUE]... [-o OUT]   (employee information)",
     lw::cli::CommandCrew},
    {"backup", "backup FILE --to DIR [--new-file]  |  backup FILE --folders   (the Backup command)",
     lw::cli::CommandBackup},
    {"autosave-tick", "autosave-tick FILE --ticks N   (the timed .BAK copy, N ticks of 30 seconds)",
     lw::cli::CommandAutosaveTick},
    {"prefs", "prefs [--ini FILE] [--set KEY=VALUE]...   (the display and safety preferences of lwright.ini)",
     lw::cli::CommandPrefs},
};

void PrintUsage(std::ostream& out) {
    out << "usage: lwtool COMMAND [options] [--yes|--no]\n"
           "       lwtool COMMAND --help   (one command)\n"
           "       lwtool --version\n\ncommands:\n";
    for (const CommandEntry& c : kCommands) out << "  " << c.summary << "\n";
    out << "\n--force: write the month even though another planner holds its lock\n";
    out << "\nexit codes: 0 done, 1 failed, 2 usage error, 3 a question needed --yes or --no\n";
}

const CommandEntry* Find(const std::string& name) {
    for (const CommandEntry& c : kCommands)
        if (name == c.name) return &c;
    return nullptr;
}

void PrintCommandUsage(const CommandEntry& c) {
    std::cout << "usage: lwtool " << c.summary << "\n";
    std::cout << "\n--yes or --no answers a question the command asks; without either, a question ends it "
                 "with exit code 3.\n";
}

bool IsHelp(const char* a) { return std::strcmp(a, "--help") == 0 || std::strcmp(a, "-h") == 0; }

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || IsHelp(argv[1]) || std::strcmp(argv[1], "help") == 0) {
        // "help COMMAND" is that command's --help.
        if (argc >= 3 && std::strcmp(argv[1], "help") == 0) {
            if (const CommandEntry* c = Find(argv[2])) {
                PrintCommandUsage(*c);
                return lw::cli::kExitDone;
            }
        }
        PrintUsage(argc < 2 ? std::cerr : std::cout);
        return argc < 2 ? lw::cli::kExitUsage : lw::cli::kExitDone;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::cout << "lwtool " << LW_VERSION << "\n";
        return lw::cli::kExitDone;
    }
    const std::string name = argv[1];
    std::vector<std::string> args(argv + 2, argv + argc);
    const bool wantsHelp =
        std::find(args.begin(), args.end(), "--help") != args.end() || (!args.empty() && args.front() == "-h");
    if (const CommandEntry* c = Find(name); c && !c->ownHelp && wantsHelp) {
        PrintCommandUsage(*c);
        return lw::cli::kExitDone;
    }
    std::optional<lw::platform::Answer> answer;
    for (const std::string& a : args) {
        if (a == "--yes") answer = lw::platform::Answer::Yes;
        if (a == "--no") answer = lw::platform::Answer::No;
    }
    for (const CommandEntry& c : kCommands) {
        if (name != c.name) continue;
        lw::cli::CliInteraction ui(answer);
        const lw::platform::SystemClock clock = lw::platform::SystemClock::FromEnvironment();
        Context ctx{ui, clock};
        // --force is every writing command's; "new" also reads it as "replace the file".
        ctx.force = std::find(args.begin(), args.end(), "--force") != args.end();
        if (name != "new") std::erase(args, std::string("--force"));
        try {
            return c.run(ctx, args);
        } catch (const lw::cli::UsageError& e) {
            std::cerr << "lwtool " << name << ": " << e.what() << "\n";
            return lw::cli::kExitUsage;
        } catch (const lw::cli::QuestionNeeded&) {
            std::cerr << "lwtool " << name << ": answer the question above with --yes or --no\n";
            return lw::cli::kExitQuestion;
        } catch (const std::exception& e) {
            std::cerr << "lwtool " << name << ": " << e.what() << "\n";
            return lw::cli::kExitFailed;
        }
    }
    std::cerr << "lwtool: unknown command " << name << "\n";
    PrintUsage(std::cerr);
    return lw::cli::kExitUsage;
}
