// The bundled sample months: the generator still writes their input files byte for byte,
// lwtool new still builds the same month file from them, and that file reads back whole.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;
using lw::test::ReadBytes;

struct Sample {
    std::string name, seed, month, base, eqp, status, crew, group, title, letter, listing;
};

const Sample kSamples[] = {
    {"capt-yyz-dh8-2027-03", "20270301", "2027-03", "YYZ", "DH8", "capt", "120", "YYZDH8CAZ", "MAR2027", "p", "PILOT"},
    {"fa-yul-2027-03", "20270302", "2027-03", "YUL", "DH8", "fa", "110", "YULDH8FAM", "MAR2027", "c", "CABIN"},
};

int Shell(const std::string& cmd) {
    const int status = std::system(cmd.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Lwgen() { return (fs::path(LWTOOL_PATH).parent_path() / "lwgen").string(); }

TEST(SampleMonths, RebuildByteForByteAndReadBack) {
    for (const Sample& s : kSamples) {
        SCOPED_TRACE(s.name);
        const fs::path committed = fs::path(LW_SOURCE_DIR) / "samples" / s.name;
        lw::test::TempFolder dir;
        ASSERT_EQ(Shell(Lwgen() + " --seed " + s.seed + " --out " + dir.Path().string() + " --month " + s.month +
                        " --base " + s.base + " --eqp " + s.eqp + " --status " + s.status + " --crew " + s.crew +
                        " >/dev/null"),
                  0);
        const std::string b = s.base, l = s.letter, t = s.title;
        const std::string inputs[] = {t + ".PRG",           t + ".box",           b + "_" + s.listing + "_" + t + ".LIS",
                                      b + "1per" + l + ".ext", b + "1abs" + l + ".ext", b + "2abs" + l + ".ext",
                                      b + "1act" + l + ".ext", b + "1prg" + l + ".ext"};
        for (const std::string& input : inputs)
            EXPECT_TRUE(ReadBytes(dir / input) == ReadBytes(committed / input)) << input << " differs from the generator's";
        if (s.status != "fa") {
            const std::string bids = b + "_PILOT_BIDS_" + t + ".csv";
            EXPECT_TRUE(ReadBytes(dir / bids) == ReadBytes(committed / bids)) << bids << " differs from the generator's";
        }

        const std::string month = (dir / "month.lw2").string();
        const std::string cmd = "cd " + dir.Path().string() + " && LWRIGHT_TODAY=2027-02-15 " + LWTOOL_PATH +
                                " new month.lw2 --month " + s.month + " --group " + s.group + " --status " + s.status +
                                " --toolbox " + inputs[1] + " --roster " + inputs[3] + " --absences " + inputs[4] +
                                " --next-absences " + inputs[5] + " --activity " + inputs[6] + " --prior-pairings " +
                                inputs[7] + " --pairings " + inputs[0] + " --lis " + inputs[2] + " --yes >/dev/null 2>&1";
        ASSERT_EQ(Shell(cmd), 0);
        const std::string built = ReadBytes(month);
        EXPECT_TRUE(built == ReadBytes(committed / (s.name + ".lw2"))) << "the month file differs from the committed one";

        ASSERT_EQ(Shell(std::string(LWTOOL_PATH) + " save " + month + " -o " + (dir / "again.lw2").string()), 0);
        EXPECT_TRUE(ReadBytes(dir / "again.lw2") == built) << "reading the month back changed it";
    }
}

}  // namespace
