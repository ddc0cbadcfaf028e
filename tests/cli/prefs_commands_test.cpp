// lwtool prefs end to end: the preference set as the desktop program reads it, and changes
// written to the INI file as the dialogs write them.
#include <gtest/gtest.h>

#include "run_tool.h"

namespace {

using lw::test::ReadBytes;
using lw::test::RunTool;
using lw::test::TempFolder;
using lw::test::WriteBytes;

std::string ColourLines(const std::string& block, const std::string& pairing) {
    return "colour 0 000,000,000 Low Credit Pairings\n"
           "colour 1 000,000,255 Medium Credit Pairings\n"
           "colour 2 255,000,000 High Credit Pairings\n"
           "colour 3 128,000,128 Very High Credit Pairings\n"
           "colour 4 000,255,000 Duty Time\n"
           "colour 5 255,255,000 Rest Time\n"
           "colour 6 128,255,255 Pair Over Requested Day Off\n"
           "colour 7 000,000,000 Block Holder\n"
           "colour 8 000,000,255 Reserve\n"
           "colour 9 000,000,000 Blk Total in Specified Range\n"
           "colour 10 255,000,000 Blk Total outside Specified Range\n"
           "colour 11 " + block + " Block Window Background\n"
           "colour 12 " + pairing + " Pairing Window Background\n";
}

TEST(LwtoolPrefs, ShowsDefaultsAndOlderFilesAndWritesChanges) {
    TempFolder dir;
    const std::string ini = (dir / "lwright.ini").string();
    // Eleven colours, as a file from before the two backgrounds, and a two-digit padding.
    std::string eleven = "000,000,000,000,000,255,255,000,000,128,000,128,000,255,000,255,255,000,128,255,255,000,000,"
                         "000,000,000,255,000,000,000,255,000,000,";
    WriteBytes(dir / "lwright.ini", "[LW]\nXPadding=12\nCustomColors=" + eleven + "\n");
    auto r = RunTool(dir, {"prefs", "--ini", ini});
    EXPECT_EQ(r.exit, 0) << r.err;
    const std::string switches = "Grid 0\nLayovers 1\nAutoSave 1\nRemindBackup 1\nPrintXes 1\nShowFullPair 0\n"
                                 "ShowFullLayOver 0\nHoldCtrlKey 1\nAllowIllegal 1\nDisableFTP 0\nDebugFile 0\n";
    EXPECT_EQ(r.out, switches + "XPadding 1\nYPadding 3\n" + ColourLines("192,192,192", "192,192,192") +
                         "Font none (Arial 14)\n");

    r = RunTool(dir, {"prefs", "--ini", ini, "--set", "grid=1", "--set", "YPadding=5", "--set",
                      "CustomColors=" + eleven + "001,002,003,004,005,006"});
    EXPECT_EQ(r.exit, 0) << r.err;
    EXPECT_EQ(r.out, "Grid 1\nLayovers 1\nAutoSave 1\nRemindBackup 1\nPrintXes 1\nShowFullPair 0\n"
                     "ShowFullLayOver 0\nHoldCtrlKey 1\nAllowIllegal 1\nDisableFTP 0\nDebugFile 0\n"
                     "XPadding 1\nYPadding 5\n" + ColourLines("001,002,003", "004,005,006") + "Font none (Arial 14)\n");
    EXPECT_EQ(ReadBytes(dir / "lwright.ini"),
              "[LW]\nXPadding=1\nCustomColors=" + eleven + "001,002,003,004,005,006,\nGrid=1\nLayovers=1\n"
              "AutoSave=1\nRemindBackup=1\nPrintXes=1\nShowFullPair=0\nShowFullLayOver=0\nHoldCtrlKey=1\n"
              "AllowIllegal=1\nDisableFTP=0\nDebugFile=0\nYPadding=5\n");
}

TEST(LwtoolPrefs, RefusesWhatTheDialogsCannotStore) {
    TempFolder dir;
    const std::string ini = (dir / "lwright.ini").string();
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Grid=2", "Grid is 0 or 1, not 2"},
        {"XPadding=12", "XPadding is one digit, not 12"},
        {"Colour=1", "unknown preference Colour"},
        {"Grid", "--set needs KEY=VALUE, not Grid"},
    };
    for (const auto& [set, message] : cases) {
        const auto r = RunTool(dir, {"prefs", "--ini", ini, "--set", set});
        EXPECT_EQ(r.exit, 2) << set;
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    }
    EXPECT_EQ(ReadBytes(dir / "lwright.ini"), "<missing>");  // nothing written
}

}  // namespace
