// lwtool end to end: the real binary, real files, exit codes and every line it prints.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "lw_version.h"
#include "run_tool.h"
#include "temp_folder.h"

namespace {

using lw::test::ReadBytes;
using lw::test::TempFolder;

using Result = lw::test::ToolResult;

Result Tool(const TempFolder& dir, const std::vector<std::string>& args) { return lw::test::RunTool(dir, args); }

class LwTool : public ::testing::Test {
protected:
    Result New(const std::string& name, const std::string& first = "2027-01-01", const std::string& last = "2027-01-30",
               const std::string& status = "capt") {
        return Tool(dir, {"new", (dir / name).string(), "--first", first, "--last", last, "--group", "YYZDH8CAZ",
                         "--status", status});
    }
    std::string Path(const std::string& name) const { return (dir / name).string(); }
    TempFolder dir;
};

TEST_F(LwTool, NewMonthIsDescribedByInfo) {
    const Result made = New("jan.lw2");
    ASSERT_EQ(made.exit, 0) << made.err;
    EXPECT_EQ(made.out, "Created " + Path("jan.lw2") + "\n");
    const Result info = Tool(dir, {"info", Path("jan.lw2")});
    EXPECT_EQ(info.exit, 0);
    EXPECT_EQ(info.err, "");
    EXPECT_EQ(info.out, "file: " + Path("jan.lw2") +
                            "\n"
                            "variant: 0 working file\n"
                            "group: YYZDH8CAZ (captains)\n"
                            "month: Jan 2027\n"
                            "dates: 2027-01-01 to 2027-01-30 (30 days)\n"
                            "crew: 0\n"
                            "pairings: 0 (from the pairing file: 0)\n"
                            "activities: built-in table\n"
                            "history: 0 transactions\n"
                            "blocks built: no\n"
                            "modified: no\n");
}

TEST_F(LwTool, NewFlightAttendantMonthGetsItsDefaults) {
    ASSERT_EQ(New("fa.lw2", "2027-01-31", "2027-03-01", "fa").exit, 0);
    const Result dump = Tool(dir, {"dump", Path("fa.lw2"), "--history"});
    ASSERT_EQ(dump.exit, 0) << dump.err;
    EXPECT_NE(dump.out.find("crew-group 2\n"), std::string::npos);
    EXPECT_NE(dump.out.find("rules avg 4650 max 4800 min 4500 days-off-holder 10 days-off-reserve 12 reduced-max 3000 "
                            "reduced-min 2400 reduced-min-days-off 12 check-pilot-max 5400 extra 0 0 0 0\n"),
              std::string::npos);
    EXPECT_NE(dump.out.find("day-count 30\nmonth-number 2\nmonth-title \"Feb\"\n"), std::string::npos);
    EXPECT_NE(dump.out.find("day 1 2027-01-31 \"SU\" weekend 1\n"), std::string::npos);
    EXPECT_NE(dump.out.find("day 30 2027-03-01 \"MO\" weekend 0\n"), std::string::npos);
    EXPECT_NE(dump.out.find("history 0\n"), std::string::npos);
    EXPECT_EQ(dump.out.find("\ncrew "), std::string::npos);
}

TEST_F(LwTool, NewRefusesWhatAPlannerWouldRegret) {
    ASSERT_EQ(New("jan.lw2").exit, 0);
    const std::string before = ReadBytes(dir / "jan.lw2");
    const Result again = New("jan.lw2");
    EXPECT_EQ(again.exit, 1);
    EXPECT_EQ(again.err, "[File Error] " + Path("jan.lw2") + " already exists. Use --force to replace it.\n");
    EXPECT_EQ(ReadBytes(dir / "jan.lw2"), before);

    const Result tooLong = New("long.lw2", "2027-01-01", "2027-02-01");
    EXPECT_EQ(tooLong.exit, 1);
    EXPECT_EQ(tooLong.err, "[Linewright] The new Month cannot contain more than 31 days.\n");
    EXPECT_EQ(ReadBytes(dir / "long.lw2"), "<missing>");

    const Result group = Tool(dir, {"new", Path("g.lw2"), "--first", "2027-01-01", "--last", "2027-01-30", "--group",
                                   "YYZDH8CA", "--status", "capt"});
    EXPECT_EQ(group.exit, 1);
    EXPECT_EQ(group.err, "[Linewright] YYZDH8CA Is Not a Valid Base/Eqp/Status/Pairing Combination\n");

    const Result date = New("d.lw2", "2027-02-30");
    EXPECT_EQ(date.exit, 2);
    EXPECT_EQ(date.err, "lwtool new: --first needs a date as YYYY-MM-DD, not 2027-02-30\n");

    const Result status = New("s.lw2", "2027-01-01", "2027-01-30", "pilot");
    EXPECT_EQ(status.exit, 2);
    EXPECT_EQ(status.err, "lwtool new: --status is capt, fo or fa, not pilot\n");
}

TEST_F(LwTool, SaveWritesEachKindAndKeepsEveryField) {
    ASSERT_EQ(New("jan.lw2").exit, 0);
    const Result saved = Tool(dir, {"save", Path("jan.lw2"), "-o", Path("final.lwv"), "--kind", "final"});
    ASSERT_EQ(saved.exit, 0) << saved.err;
    const std::string bytes = ReadBytes(dir / "final.lwv");
    EXPECT_EQ(bytes.substr(5, 18), std::string("\x0e\0\0\0LWView_Final29", 18));
    const Result info = Tool(dir, {"info", Path("final.lwv")});
    EXPECT_NE(info.out.find("variant: 3 final viewer\n"), std::string::npos);
    // Everything but the variant is what the working file held.
    const Result a = Tool(dir, {"dump", Path("jan.lw2")});
    const Result b = Tool(dir, {"dump", Path("final.lwv")});
    EXPECT_EQ("variant 3" + a.out.substr(std::string("variant 0").size()), b.out);

    // Saving in place rewrites the same bytes.
    const std::string original = ReadBytes(dir / "jan.lw2");
    ASSERT_EQ(Tool(dir, {"save", Path("jan.lw2")}).exit, 0);
    EXPECT_EQ(ReadBytes(dir / "jan.lw2"), original);
}

TEST_F(LwTool, BadFilesExitOneWithTheMessage) {
    const Result missing = Tool(dir, {"info", Path("nowhere.lw2")});
    EXPECT_EQ(missing.exit, 1);
    EXPECT_EQ(missing.err, "[Linewright - Cannot Open File] " + Path("nowhere.lw2") + "\n");

    lw::test::WriteBytes(dir / "notes.txt", "Dear planner,\nthis is not a month.\n");
    const Result foreign = Tool(dir, {"dump", Path("notes.txt")});
    EXPECT_EQ(foreign.exit, 1);
    EXPECT_EQ(foreign.err, "[This is Not a Valid Linewright 2 File.] " + Path("notes.txt") + "\n");
    EXPECT_EQ(foreign.out, "");

    const Result folder = Tool(dir, {"info", dir.Path().string()});
    EXPECT_EQ(folder.exit, 1);
    EXPECT_EQ(folder.err, "[Linewright - Cannot Open File] " + dir.Path().string() + "\n");

    ASSERT_EQ(New("jan.lw2").exit, 0);
    const std::string bytes = ReadBytes(dir / "jan.lw2");
    lw::test::WriteBytes(dir / "cut.lw2", bytes.substr(0, bytes.size() / 2));
    const Result cut = Tool(dir, {"save", Path("cut.lw2"), "-o", Path("out.lw2")});
    EXPECT_EQ(cut.exit, 1);
    EXPECT_EQ(cut.err, "[Linewright] This file may be currupt. No End Of File found. Consider loading Backup File\n");
    EXPECT_EQ(ReadBytes(dir / "out.lw2"), "<missing>");
}

TEST_F(LwTool, UsageErrorsExitTwo) {
    EXPECT_EQ(Tool(dir, {}).exit, 2);
    const Result unknown = Tool(dir, {"frobnicate"});
    EXPECT_EQ(unknown.exit, 2);
    EXPECT_EQ(unknown.err.substr(0, 34), "lwtool: unknown command frobnicate");
    const Result option = Tool(dir, {"info", "x.lw2", "--colour"});
    EXPECT_EQ(option.exit, 2);
    EXPECT_EQ(option.err, "lwtool info: unknown option --colour\n");
    const Result kind = Tool(dir, {"save", "x.lw2", "--kind", "draft"});
    EXPECT_EQ(kind.exit, 2);
    EXPECT_EQ(kind.err, "lwtool save: --kind is working, prebuild, presked or final, not draft\n");
    const Result help = Tool(dir, {"dump", "--help"});
    EXPECT_EQ(help.exit, 0);
    EXPECT_EQ(help.out.substr(0, 54), "lwtool dump FILE [--crew] [--pairings] [--history]\n\nPr");
}

}  // namespace

namespace {

const char* const kPilotBox =
    "LWToolBox\r\n"
    "Nov 2026\r\n"
    "3\r\n"
    "SIM\nPilot\nSM\nSimulator Day\n09:00\n15:00\n04:00\n01:30\nY\nY\nY\nY\n"
    "VAC\nCabin\nVC\nVacation\n12:00\n16:00\n02:50\n00:00\nN\nN\nY\nY\n"
    "RB\nPilot\nRB\nReserve B\n12:00\n02:00\n00:00\n00:00\nY\nY\nN\nY\n";

TEST_F(LwTool, ToolboxFileReplacesTheBuiltInButtons) {
    ASSERT_EQ(New("jan.lw2").exit, 0);
    lw::test::WriteBytes(dir / "pilots.box", kPilotBox);
    const Result imported = Tool(dir, {"import", "toolbox", Path("jan.lw2"), Path("pilots.box")});
    ASSERT_EQ(imported.exit, 0) << imported.err;
    const Result toolbox = Tool(dir, {"toolbox", Path("jan.lw2")});
    ASSERT_EQ(toolbox.exit, 0);
    const std::string requests =
        "X1      -1 at   0,  0  request  \"X1 First Request\"\n"
        "X2      -2 at  37,  0  request  \"X2 Second Request\"\n"
        "X3      -3 at  74,  0  request  \"X3 Third Request\"\n"
        "X4      -4 at 111,  0  request  \"X4 Forth Request\"\n"
        "X5      -5 at 148,  0  request  \"X5 Fifth Request\"\n"
        "X6      -6 at 185,  0  request  \"X6 Sixth Request\"\n"
        "X7      -7 at 222,  0  request  \"X7 Seventh Request\"\n"
        "X8      -8 at 259,  0  request  \"X8 Eighth Request\"\n"
        "X9      -9 at 296,  0  request  \"X9 Nineth Request\"\n"
        "XA     -10 at 333,  0  request  \"XA Off in the AM\"\n"
        "XP     -11 at 370,  0  request  \"XP Off in the PM\"\n"
        "XM     -12 at 407,  0  request  \"XM Off in the Middle of Day\"\n";
    EXPECT_EQ(toolbox.out,
              "ToolBox Date Nov 2026\n" + requests +
                  "SIM    240 at   0, 22  start 09:00 tafb 06:00 credit 04:00 hard 01:30 duty cars  \"Simulator Day\"\n"
                  "RB       0 at  37, 22  start 12:00 tafb 14:00 credit 00:00 hard 00:00 reserve duty cars excluded  "
                  "\"Reserve B\"\n");
    const Result info = Tool(dir, {"info", Path("jan.lw2")});
    EXPECT_NE(info.out.find("activities: 2 (ToolBox Date Nov 2026)\n"), std::string::npos);

    // The same file given to a new month.
    const Result made = Tool(dir, {"new", Path("feb.lw2"), "--first", "2027-01-31", "--last", "2027-03-01", "--group",
                                   "YYZDH8CAZ", "--status", "fo", "--toolbox", Path("pilots.box")});
    ASSERT_EQ(made.exit, 0) << made.err;
    EXPECT_EQ(Tool(dir, {"toolbox", Path("feb.lw2")}).out, toolbox.out);
}

TEST_F(LwTool, BadToolboxLeavesTheMonthFileAlone) {
    ASSERT_EQ(New("jan.lw2").exit, 0);
    const std::string before = ReadBytes(dir / "jan.lw2");
    lw::test::WriteBytes(dir / "bad.box", "ToolBox\n");
    const Result bad = Tool(dir, {"import", "toolbox", Path("jan.lw2"), Path("bad.box")});
    EXPECT_EQ(bad.exit, 1);
    EXPECT_EQ(bad.err, "[Linewright] Not a Valid ToolBox. Using default ToolBox. Import new ToolBox File.\n");
    EXPECT_EQ(ReadBytes(dir / "jan.lw2"), before);
    const Result missing = Tool(dir, {"import", "toolbox", Path("jan.lw2"), Path("none.box")});
    EXPECT_EQ(missing.exit, 1);
    EXPECT_EQ(missing.err, "[Linewright] Unable to Open File " + Path("none.box") + "\n");
}

// The names of the commands that `lwtool --help` lists, in its order.
std::vector<std::string> ListedCommands(const std::string& help) {
    std::vector<std::string> names;
    size_t at = help.find("\ncommands:\n");
    while ((at = help.find("\n  ", at)) != std::string::npos) {
        at += 3;
        if (help[at] == ' ') continue;  // a continuation line of the command above
        names.push_back(help.substr(at, help.find_first_of(" \n", at) - at));
    }
    return names;
}

TEST_F(LwTool, VersionAndHelpForTheToolAndEveryCommand) {
    const Result version = Tool(dir, {"--version"});
    EXPECT_EQ(version.exit, 0);
    EXPECT_EQ(version.out, std::string("lwtool ") + LW_VERSION + "\n");

    const Result help = Tool(dir, {"--help"});
    EXPECT_EQ(help.exit, 0);
    EXPECT_EQ(Tool(dir, {"-h"}).out, help.out);
    EXPECT_EQ(Tool(dir, {"help"}).out, help.out);
    const Result bare = Tool(dir, {});
    EXPECT_EQ(bare.exit, 2);
    EXPECT_EQ(bare.err, help.out);
    const std::string head = "usage: lwtool COMMAND [options] [--yes|--no]\n       lwtool COMMAND --help   (one command)\n"
                             "       lwtool --version\n\ncommands:\n  new OUT.lw2 ";
    EXPECT_EQ(help.out.substr(0, head.size()), head);

    const std::vector<std::string> names = ListedCommands(help.out);
    EXPECT_EQ(names, (std::vector<std::string>{
                         "new", "info", "dump", "save", "import", "toolbox", "month", "notes", "build", "select-pairing", "pairings-view",
                         "grid-view", "whos-legal", "propose", "why", "assign", "remove", "undo", "check", "report", "rules", "activity",
                         "request", "clear-day", "lock", "print", "export", "pair-props", "pair-edit", "filter", "bids",
                         "complement",
                         "roster", "crew", "backup", "autosave-tick", "prefs"}));
    const std::string answers =
        "\n--yes or --no answers a question the command asks; without either, a question ends it with exit code 3.\n";
    for (const std::string& name : names) {
        if (name == "dump") continue;  // explains its dump format instead
        const Result one = Tool(dir, {name, "--help"});
        EXPECT_EQ(one.exit, 0) << name;
        EXPECT_EQ(one.err, "") << name;
        // The command's own lines from the list, nothing of another command's.
        const size_t from = help.out.find("\n  " + name + " ") + 3;
        const size_t to = help.out.find_first_of("\n", help.out.find_first_not_of(' ', from));
        std::string own = help.out.substr(from, to - from) + "\n";
        for (size_t next = to; help.out.compare(next, 7, "\n      ") == 0;) {
            const size_t end = help.out.find('\n', next + 1);
            own += help.out.substr(next + 1, end - next);
            next = end;
        }
        EXPECT_EQ(one.out, "usage: lwtool " + own + answers) << name;
        EXPECT_EQ(Tool(dir, {name, "-h"}).out, one.out) << name;
        EXPECT_EQ(Tool(dir, {"help", name}).out, one.out) << name;
    }
    // --help anywhere after the command answers instead of running it.
    const Result late = Tool(dir, {"assign", Path("none.lw2"), "--crew", "3", "--help"});
    EXPECT_EQ(late.exit, 0);
    EXPECT_EQ(late.out, "usage: lwtool assign FILE --crew ROW --pair INDEX --day DAY [--skip-checks] [-o OUT]\n" + answers);
    EXPECT_FALSE(std::filesystem::exists(dir / "none.lw2"));
}

}  // namespace
