// lwtool import end to end on the bundled captains month's input files.
#include <gtest/gtest.h>

#include <filesystem>

#include "run_tool.h"

namespace {

namespace fs = std::filesystem;
using lw::test::RunTool;

const fs::path kInputs = fs::path(LW_SOURCE_DIR) / "samples" / "capt-yyz-dh8-2027-03";

class LwToolImport : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(RunTool(dir, {"new", Month(), "--month", "2027-03", "--group", "YYZDH8CAZ", "--status", "capt"}).exit,
                  0);
    }
    std::string Month() const { return (dir / "mar.lw2").string(); }
    static std::string Input(const std::string& name) { return (kInputs / name).string(); }
    std::string Info() const { return RunTool(dir, {"info", Month()}).out; }
    lw::test::TempFolder dir;
};

TEST_F(LwToolImport, EachLoaderFillsTheMonthInTurn) {
    EXPECT_EQ(RunTool(dir, {"import", "roster", Month(), Input("YYZ1perp.ext")}).exit, 0);
    EXPECT_NE(Info().find("crew: 120\n"), std::string::npos);
    EXPECT_EQ(RunTool(dir, {"import", "absences", Month(), Input("YYZ1absp.ext"), "--yes"}).exit, 0);
    EXPECT_EQ(RunTool(dir, {"import", "next-absences", Month(), Input("YYZ2absp.ext"), "--yes"}).exit, 0);
    EXPECT_EQ(RunTool(dir, {"import", "activity", Month(), Input("YYZ1actp.ext"), Input("YYZ1prgp.ext"), "--yes"}).exit,
              0);
    EXPECT_EQ(RunTool(dir, {"import", "pairings", Month(), Input("MAR2027.PRG"), "--yes"}).exit, 0);
    EXPECT_NE(Info().find("pairings: 78 (from the pairing file: 78)\n"), std::string::npos);
    EXPECT_EQ(RunTool(dir, {"import", "lis", Month(), Input("YYZ_PILOT_MAR2027.LIS"), "--yes"}).exit, 0);
    // The same steps as lwtool new runs them give the committed sample, but for the toolbox.
    const auto dumped = RunTool(dir, {"dump", Month()});
    EXPECT_NE(dumped.out.find("crew 120 name "), std::string::npos);
}

TEST_F(LwToolImport, ManualCodesPickAnotherBasesPairings) {
    const auto r = RunTool(dir, {"import", "pairings", Month(), Input("MAR2027.PRG"), "--manual", "M8", "--yes"});
    ASSERT_EQ(r.exit, 0) << r.err;
    const auto pairs = RunTool(dir, {"dump", Month(), "--pairings"});
    EXPECT_NE(pairs.out.find("base-eqp \"M8\""), std::string::npos);
    EXPECT_EQ(pairs.out.find("base-eqp \"Z8\""), std::string::npos);
}

// Every line lwtool prints for a list, as it shows the "Pairing Warnings and Report".
std::string ShownReport(const std::string& reportLines) {
    std::string shown = "[Pairing Warnings and Report]\n";
    for (size_t from = 0; from < reportLines.size();) {
        const size_t nl = reportLines.find('\n', from);
        shown += "  " + reportLines.substr(from, nl - from) + "\n";
        from = nl + 1;
    }
    return shown;
}

size_t Count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

TEST_F(LwToolImport, LoadedPairingsAreReportedAndSavedValid) {
    const auto imported = RunTool(dir, {"import", "pairings", Month(), Input("MAR2027.PRG")});
    ASSERT_EQ(imported.exit, 0) << imported.err;
    const auto report = RunTool(dir, {"report", "pairings", Month()});
    ASSERT_EQ(report.exit, 0);
    // Every pairing of the month passes: the warnings part is empty.
    EXPECT_EQ(report.out.substr(0, report.out.find("====== Begin Pairing Report")),
              "Number of Pairings 78  Average Pairing Credit per day is 5:43\n\n====== Pairing Warnings Report ======\n"
              "\n\n====== End of Pairing Warnings ======\n\n");
    EXPECT_EQ(imported.err, ShownReport(report.out));
    const std::string pairings = RunTool(dir, {"dump", Month(), "--pairings"}).out;
    EXPECT_EQ(Count(pairings, " valid 1 "), 78u);
    EXPECT_EQ(Count(pairings, " valid 0 "), 0u);

    // The new-month wizard's pairing step does the same.
    const std::string fresh = (dir / "fresh.lw2").string();
    const auto made = RunTool(dir, {"new", fresh, "--month", "2027-03", "--group", "YYZDH8CAZ", "--status", "capt",
                                    "--pairings", Input("MAR2027.PRG")});
    ASSERT_EQ(made.exit, 0) << made.err;
    EXPECT_EQ(made.err, ShownReport(report.out));
    EXPECT_EQ(RunTool(dir, {"dump", fresh, "--pairings"}).out, pairings);
}

TEST_F(LwToolImport, BadCallsAndBadFiles) {
    const auto unknown = RunTool(dir, {"import", "bids2", Month(), "x"});
    EXPECT_EQ(unknown.exit, 2);
    EXPECT_EQ(unknown.err, "lwtool import: unknown import kind bids2\n");
    const auto missingSecond = RunTool(dir, {"import", "activity", Month(), Input("YYZ1actp.ext")});
    EXPECT_EQ(missingSecond.exit, 2);
    EXPECT_EQ(missingSecond.err,
              "lwtool import: usage: lwtool import activity FILE ACTIVITY.ext PRIOR-PAIRINGS.ext [-o OUT]\n");
    const auto manual = RunTool(dir, {"import", "roster", Month(), Input("YYZ1perp.ext"), "--manual", "Z8"});
    EXPECT_EQ(manual.exit, 2);
    EXPECT_EQ(manual.err, "lwtool import: --manual is for pairings only\n");

    const std::string before = lw::test::ReadBytes(Month());
    lw::test::WriteBytes(dir / "junk.PRG", std::string("\x7f" "ELF\x02\x01\x01", 7) + std::string(4000, '\0'));
    const auto junk = RunTool(dir, {"import", "pairings", Month(), (dir / "junk.PRG").string()});
    EXPECT_EQ(junk.exit, 1);
    EXPECT_FALSE(junk.err.empty());
    EXPECT_EQ(lw::test::ReadBytes(Month()), before);
}

}  // namespace
