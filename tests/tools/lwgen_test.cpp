// lwgen, the sample-month generator: its command line, its promise of the same files from the
// same seed, and the shape of every file it writes.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "base/date.h"
#include "temp_folder.h"
#include "tools/lwgen_run.h"

namespace {

namespace fs = std::filesystem;
using lw::base::Date;
using lw::test::ReadBytes;
using lw::test::TempFolder;
using namespace lw::test::lwgen;

const std::vector<std::string> kMarchCaptains = {"--seed", "11",  "--month", "2027-03", "--base", "YYZ",
                                                 "--eqp",  "DH8", "--status", "capt",   "--crew", "80"};

std::vector<std::string> With(std::vector<std::string> args, const fs::path& out) {
    args.push_back("--out");
    args.push_back(out.string());
    return args;
}

std::vector<std::string> Sorted(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

lw::base::Date YmdAt(const std::string& line, size_t pos) {
    return lw::base::Date::FromDmy(Num(line, pos + 6, 2), Num(line, pos + 4, 2), Num(line, pos, 4));
}

// ---- the command line

TEST(LwgenCommandLine, BadArgumentsPrintTheUsageAndExitWith2) {
    TempFolder dir;
    const std::string out = (dir / "m").string();
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"--seed", "1", "--month", "2027-03"},
        {"--out", out, "--month", "2027-03"},
        {"--seed", "x1", "--out", out, "--month", "2027-03"},
        {"--seed", "1", "--out", out},
        {"--seed", "1", "--out", out, "--month", "2027-13"},
        {"--seed", "1", "--out", out, "--first", "2027-03-01"},
        {"--seed", "1", "--out", out, "--first", "2027-03-10", "--last", "2027-03-09"},
        {"--seed", "1", "--out", out, "--first", "2027-03-01", "--last", "2027-04-01"},
        {"--seed", "1", "--out", out, "--month", "2027-03", "--first", "2027-03-01", "--last", "2027-03-02"},
        {"--seed", "1", "--out", out, "--month", "2027-03", "--base", "YOW"},
        {"--seed", "1", "--out", out, "--month", "2027-03", "--eqp", "B737"},
        {"--seed", "1", "--out", out, "--month", "2027-03", "--status", "purser"},
        {"--seed", "1", "--out", out, "--month", "2027-03", "--crew", "1000"},
        {"--seed", "1", "--out", out, "--month", "2027-03", "--crew", "0"},
        {"--seed", "1", "--out", out, "--month", "2027-03", "--crew"},
        {"--seed", "1", "--out", out, "--month", "2027-03", "--frobnicate", "2"},
    };
    for (const auto& args : bad) {
        const GenResult r = Generate(dir.Path(), args);
        std::string joined;
        for (const auto& a : args) joined += a + " ";
        EXPECT_EQ(r.exit, 2) << joined;
        EXPECT_NE(r.err.find("usage: lwgen"), std::string::npos) << joined;
        EXPECT_EQ(r.out, "") << joined;
    }
    EXPECT_FALSE(fs::exists(dir / "m")) << "nothing is written after a bad command line";
}

TEST(LwgenCommandLine, HelpPrintsTheUsage) {
    TempFolder dir;
    const GenResult r = Generate(dir.Path(), {"--help"});
    EXPECT_EQ(r.exit, 0);
    EXPECT_EQ(r.out.rfind("usage: lwgen", 0), 0u);
}

// ---- the same seed, the same month

TEST(LwgenSeed, TheSameSeedWritesByteIdenticalFiles) {
    TempFolder dir;
    const std::vector<std::string> args = {"--seed", "4242", "--month", "2027-11", "--base", "YUL", "--status", "fo",
                                           "--eqp", "CRJ", "--crew", "40"};
    ASSERT_EQ(Generate(dir.Path(), With(args, dir / "a")).exit, 0);
    ASSERT_EQ(Generate(dir.Path(), With(args, dir / "b")).exit, 0);
    const std::vector<std::string> names = Sorted(dir / "a");
    ASSERT_EQ(names, Sorted(dir / "b"));
    ASSERT_EQ(names.size(), 18u);
    for (const std::string& name : names)
        EXPECT_TRUE(ReadBytes(dir / "a" / name) == ReadBytes(dir / "b" / name)) << name << " differs";
}

TEST(LwgenSeed, AnotherSeedWritesAnotherMonth) {
    TempFolder dir;
    std::vector<std::string> args = kMarchCaptains;
    ASSERT_EQ(Generate(dir.Path(), With(args, dir / "a")).exit, 0);
    args[1] = "12";
    ASSERT_EQ(Generate(dir.Path(), With(args, dir / "b")).exit, 0);
    for (const char* name : {"MAR2027.PRG", "YYZ1perp.ext", "YYZ1absp.ext", "YYZ1actp.ext", "YYZ_PILOT_MAR2027.LIS"})
        EXPECT_FALSE(ReadBytes(dir / "a" / name) == ReadBytes(dir / "b" / name)) << name << " did not change";
}

TEST(LwgenSeed, CrLfChangesOnlyTheLineEnds) {
    TempFolder dir;
    ASSERT_EQ(Generate(dir.Path(), With(kMarchCaptains, dir / "lf")).exit, 0);
    std::vector<std::string> args = kMarchCaptains;
    args.push_back("--crlf");
    ASSERT_EQ(Generate(dir.Path(), With(args, dir / "crlf")).exit, 0);
    for (const std::string& name : Sorted(dir / "lf")) {
        std::string crlf = ReadBytes(dir / "crlf" / name), lf;
        for (size_t i = 0; i < crlf.size(); ++i) {
            if (crlf[i] == '\r') {
                ASSERT_TRUE(i + 1 < crlf.size() && crlf[i + 1] == '\n') << name << ": a CR without its LF";
                continue;
            }
            ASSERT_FALSE(crlf[i] == '\n' && (i == 0 || crlf[i - 1] != '\r')) << name << ": an LF without its CR";
            lf += crlf[i];
        }
        EXPECT_TRUE(lf == ReadBytes(dir / "lf" / name)) << name;
    }
}

// ---- the pairing file of one generated month

struct LwgenPairingTag {};
class LwgenPairingFile : public MonthSuite<LwgenPairingTag> {
protected:
    static void SetUpTestSuite() { Make(kMarchCaptains); }
    const lw::base::Date first_ = lw::base::Date::FromDmy(2, 3, 2027);  // the schedule month of March
    const lw::base::Date last_ = lw::base::Date::FromDmy(31, 3, 2027);
};

TEST_F(LwgenPairingFile, ListsEveryFileItWrote) {
    std::vector<std::string> listed;
    for (const std::string& line : Lines(folder_->Path() / "lwgen-stdout.txt"))
        listed.push_back(fs::path(line).filename().string());
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, Sorted(Dir()));
    const std::vector<std::string> expected = {
        "MAR2027.PRG",           "MAR2027.box",           "YHZ_CABIN_MAR2027.LIS", "YHZ_PILOT_MAR2027.LIS",
        "YUL_CABIN_MAR2027.LIS", "YUL_PILOT_MAR2027.LIS", "YVR_CABIN_MAR2027.LIS", "YVR_PILOT_MAR2027.LIS",
        "YYC_CABIN_MAR2027.LIS", "YYC_PILOT_MAR2027.LIS", "YYZ1absp.ext",          "YYZ1actp.ext",
        "YYZ1perp.ext",          "YYZ1prgp.ext",          "YYZ2absp.ext",          "YYZ_CABIN_MAR2027.LIS",
        "YYZ_PILOT_BIDS_MAR2027.csv", "YYZ_PILOT_MAR2027.LIS"};
    EXPECT_EQ(listed, expected);
}

TEST_F(LwgenPairingFile, RecordsHaveTheirWidthsAndSelectionCodes) {
    const std::vector<std::string> prg = File("MAR2027.PRG");
    ASSERT_FALSE(prg.empty());
    EXPECT_EQ(prg[0][0], '1');
    const size_t widths[6] = {0, 303, 80, 134, 86, 80};
    for (const std::string& line : prg) {
        ASSERT_TRUE(line[0] >= '1' && line[0] <= '5') << line;
        EXPECT_EQ(line.size(), widths[line[0] - '0']) << line;
        EXPECT_NE(std::string("VCZMH").find(line[1]), std::string::npos) << line;
        EXPECT_NE(std::string("85472").find(line[2]), std::string::npos) << line;
        EXPECT_GT(Num(line, 2, 4), 0) << line;
    }
}

TEST_F(LwgenPairingFile, EveryBlockHangsTogether) {
    int spanningTheChange = 0;
    for (const std::vector<std::string>& block : PairingBlocks(File("MAR2027.PRG"))) {
        const std::string& head = block[0];
        SCOPED_TRACE(head.substr(0, 6) + " " + head.substr(70, 8));
        const lw::base::Date date = YmdAt(head, 70);
        ASSERT_TRUE(date >= first_ && date <= last_);
        // The operating period: the date lies in it, on a flagged weekday, and is no exception.
        const lw::base::Date from = lw::base::Date::FromDmy(Num(head, 21, 2), Num(head, 19, 2), 2027);
        const lw::base::Date to = lw::base::Date::FromDmy(Num(head, 29, 2), Num(head, 27, 2), 2027);
        EXPECT_TRUE(from <= date && date <= to);
        EXPECT_EQ(head[31 + (date.Weekday() + 6) % 7], 'Y');
        for (size_t k = 0; k < 4; ++k)
            EXPECT_FALSE(Num(head, 38 + 4 * k, 2) == date.Month() && Num(head, 40 + 4 * k, 2) == date.Day());

        const int report = Num(head, 78, 4), tafb = Num(head, 107, 5), credit = Num(head, 299, 4);
        EXPECT_TRUE(report >= 285 && report < 1440) << "nobody reports before 04:45";
        EXPECT_GT(tafb, 0);
        EXPECT_TRUE(head[112] == 'Y' || head[112] == 'N');
        EXPECT_TRUE(Num(head, 145, 4) == 660 || Num(head, 145, 4) == 780);
        int dayBlocks = 0;
        for (size_t d = 0; d < 6; ++d) dayBlocks += Num(head, 150 + 4 * d, 4);

        std::string at = BaseOf(head[1]);
        int flown = 0, dutyBlocks = 0, dutyCredits = 0, duties = 0;
        for (size_t i = 1; i < block.size(); ++i) {
            const std::string& line = block[i];
            EXPECT_EQ(line.substr(1, 5), head.substr(1, 5));
            if (line[0] == '2') {
                EXPECT_EQ(YmdAt(line, 7), date);
                EXPECT_EQ(line.substr(28, 3), at) << "a leg leaves from where the last one landed";
                at = line.substr(43, 3);
                const int minutes = Num(line, 64, 4);
                EXPECT_TRUE(minutes >= 40 && minutes <= 180) << line;
                EXPECT_TRUE(Num(line, 39, 4) < 1440 && Num(line, 54, 4) < 1440) << line;
                if (line[61] != 'D') flown += minutes;
            } else if (line[0] == '4') {
                EXPECT_EQ(line.substr(34, 3), at);
                at = line.substr(49, 3);
            } else if (line[0] == '5') {
                EXPECT_EQ(line.substr(29, 3), at);
                at = line.substr(44, 3);
            } else if (line[0] == '3') {
                const bool lastDuty = i + 1 == block.size();
                EXPECT_EQ(line.substr(56, 3), at) << "the duty ends where its last segment does";
                const int duty = Num(line, 47, 4), dayCredit = Num(line, 126, 4);
                EXPECT_TRUE(duty >= 360 && duty <= 780) << line;
                EXPECT_TRUE(dayCredit >= 240 && dayCredit <= 480) << line;
                EXPECT_EQ(Num(line, 114, 4), flown) << "the duty's block is its flown legs";
                // Local start and end differ from the duty time by whole or half time zones.
                EXPECT_EQ(((Num(line, 42, 4) - Num(line, 30, 4) - duty) % 30 + 30) % 30, 0) << line;
                const bool hotel = line.substr(59, 15) != std::string(15, ' ');
                EXPECT_EQ(hotel, !lastDuty) << "a hotel after every duty but the last";
                if (lastDuty) {
                    EXPECT_EQ(at, BaseOf(head[1])) << "the trip ends at its base";
                    // Report plus time away is the release, give or take a clock change.
                    const int off = ((report + tafb - Num(line, 42, 4)) % 1440 + 1440) % 1440;
                    EXPECT_TRUE(off == 0 || off == 60 || off == 1380) << off;
                    spanningTheChange += off != 0;
                } else {
                    EXPECT_TRUE(Num(line, 51, 5) >= 660 && Num(line, 51, 5) <= 2200) << "rest of 11 hours or more";
                }
                dutyBlocks += flown;
                dutyCredits += dayCredit;
                flown = 0;
                ++duties;
            }
        }
        EXPECT_TRUE(duties >= 1 && duties <= 5);
        EXPECT_EQ(block.back()[0], '3');
        EXPECT_EQ(dayBlocks, dutyBlocks);
        EXPECT_GE(credit, dutyCredits);
        EXPECT_LE(credit, dutyCredits + tafb / 3);
    }
    EXPECT_GT(spanningTheChange, 0) << "a March month has trips across the clock change";
}

TEST_F(LwgenPairingFile, TheWholeAirlineIsThere) {
    std::set<char> letters, types;
    std::set<std::string> complements;
    int deadheads = 0, otherCarriers = 0, ground = 0, usLegs = 0, late = 0;
    for (const std::string& line : File("MAR2027.PRG")) {
        letters.insert(line[1]);
        types.insert(line[2]);
        if (line[0] == '1') {
            complements.insert(line.substr(113, 8));
            late += line[112] == 'Y';
        }
        if (line[0] == '2') {
            deadheads += line[61] == 'D';
            usLegs += UsAirports().count(line.substr(28, 3)) > 0;
        }
        otherCarriers += line[0] == '4';
        ground += line[0] == '5';
    }
    EXPECT_EQ(letters, (std::set<char>{'V', 'C', 'Z', 'M', 'H'}));
    EXPECT_EQ(types, (std::set<char>{'8', '5', '4', '7'}));
    for (const char* c : {"CA01FO01", "CA02FO01", "FA01    ", "FA01PU01", "FA02PU01"}) EXPECT_TRUE(complements.count(c)) << c;
    EXPECT_GT(deadheads, 0);
    EXPECT_GT(otherCarriers, 0);
    EXPECT_GT(ground, 0);
    EXPECT_GT(usLegs, 0);
    EXPECT_GT(late, 0);
    const int captains = GroupPairings(File("MAR2027.PRG"), 'Z', "8X", "CA");
    EXPECT_TRUE(captains >= 30 && captains <= 3000) << captains;
}

// ---- a month for benchmarks

TEST(LwgenLarge, OneGroupNearlyFillsThePairingTableAndTheCrewTable) {
    TempFolder dir;
    const GenResult r = Generate(dir.Path(), {"--seed", "5", "--month", "2027-05", "--base", "YHZ", "--eqp", "DH4",
                                              "--status", "fo", "--large", "--out", (dir / "m").string()});
    ASSERT_EQ(r.exit, 0) << r.err;
    const std::vector<std::string> prg = Lines(dir / "m" / "MAY2027.PRG");
    const int firstOfficers = GroupPairings(prg, 'H', "4X", "FO");
    EXPECT_TRUE(firstOfficers >= 2900 && firstOfficers <= 3000) << firstOfficers;
    EXPECT_LE(GroupPairings(prg, 'H', "4X", "CA"), 3000);
    EXPECT_LE(GroupPairings(prg, 'H', "", "FA"), 3000);
    int crew = 0;
    for (const std::string& line : Lines(dir / "m" / "YHZ1perp.ext")) crew += line.substr(31, 8) == "YHZDH4FO";
    EXPECT_EQ(crew, 999);
    // Short of numbers, trips fly again under their own number: still one block in the listing.
    std::map<std::string, int> listed;
    for (const std::string& line : Lines(dir / "m" / "YHZ_PILOT_MAY2027.LIS"))
        if (line.size() > 5 && line[0] == 'H' && Num(line, 1, 4) > 0) ++listed[line.substr(0, 5)];
    std::set<std::string> numbers;
    for (const std::string& line : prg)
        if (line[0] == '1' && line[1] == 'H' && line[2] == '4' && line.substr(113, 2) == "CA") numbers.insert(line.substr(1, 5));
    for (const std::string& designation : numbers) EXPECT_EQ(listed[designation], 1) << designation;
}

TEST(LwgenLarge, ACabinGroupNearlyFillsThePairingTableAcrossItsTypes) {
    TempFolder dir;
    const GenResult r = Generate(dir.Path(), {"--seed", "6", "--month", "2027-06", "--base", "YYZ", "--status", "fa",
                                              "--large", "--out", (dir / "m").string()});
    ASSERT_EQ(r.exit, 0) << r.err;
    const int cabin = GroupPairings(Lines(dir / "m" / "JUN2027.PRG"), 'Z', "", "FA");
    EXPECT_TRUE(cabin >= 2900 && cabin <= 3000) << cabin;
    EXPECT_EQ(Lines(dir / "m" / "YYZ1perc.ext").size(), 999u);
}

}  // namespace
