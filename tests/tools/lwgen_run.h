#pragma once
// Running the sample-month generator from tests, and reading back what it wrote.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "temp_folder.h"

namespace lw::test::lwgen {

struct GenResult {
    int exit = -1;
    std::string out, err;
};

inline std::filesystem::path GeneratorPath() { return std::filesystem::path(LWTOOL_PATH).parent_path() / "lwgen"; }

inline std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Runs lwgen with args; its output goes to files in scratch (which must exist).
inline GenResult Generate(const std::filesystem::path& scratch, const std::vector<std::string>& args) {
    if (!std::filesystem::exists(GeneratorPath())) {
        ADD_FAILURE() << GeneratorPath().string() << " is missing: build the lwgen target before the tests";
        return {};
    }
    std::string cmd = Quote(GeneratorPath().string());
    for (const std::string& a : args) cmd += " " + Quote(a);
    const auto out = scratch / "lwgen-stdout.txt";
    const auto err = scratch / "lwgen-stderr.txt";
    cmd += " >" + Quote(out.string()) + " 2>" + Quote(err.string());
    const int status = std::system(cmd.c_str());
    GenResult r;
    r.exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = ReadBytes(out);
    r.err = ReadBytes(err);
    return r;
}

// Lines without their line feed; a missing file gives none.
inline std::vector<std::string> Lines(const std::filesystem::path& file) {
    const std::string text = ReadBytes(file);
    std::vector<std::string> lines;
    if (text == "<missing>") return lines;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 1;
    }
    return lines;
}

// The decimal number in columns [pos, pos+len); -1 when any of them is not a digit.
inline int Num(const std::string& line, size_t pos, size_t len) {
    if (line.size() < pos + len) return -1;
    int v = 0;
    for (size_t i = pos; i < pos + len; ++i) {
        if (line[i] < '0' || line[i] > '9') return -1;
        v = v * 10 + (line[i] - '0');
    }
    return v;
}

// How many pairings a crew group stores from the pairing file: consecutive blocks of one
// pairing number make one pairing, and each pairing is stored once per position of the group.
// status is "CA", "FO" or "FA" (which counts pursers too); accepted lists the equipment
// characters, empty for every one.
inline int GroupPairings(const std::vector<std::string>& prg, char letter, const std::string& accepted,
                         const std::string& status) {
    int copies = 0, current = -1;
    for (const std::string& line : prg) {
        if (line.size() < 6 || line[0] != '1' || line[1] != letter) continue;
        if (!accepted.empty() && accepted.find(line[2]) == std::string::npos) continue;
        const int number = Num(line, 2, 4);
        if (number == current) continue;
        current = number;
        const std::string complement = line.substr(113, 32);
        auto count = [&](const std::string& code) {
            const size_t at = complement.find(code);
            return at == std::string::npos ? 0 : Num(complement, at + 2, 2);
        };
        copies += status == "FA" ? count("FA") + count("PU") : count(status);
    }
    return copies;
}

// The pairing file cut into blocks: a type 1 record and the detail records after it.
inline std::vector<std::vector<std::string>> PairingBlocks(const std::vector<std::string>& prg) {
    std::vector<std::vector<std::string>> blocks;
    for (const std::string& line : prg) {
        if (line.empty()) continue;
        if (line[0] == '1') blocks.emplace_back();
        if (!blocks.empty()) blocks.back().push_back(line);
    }
    return blocks;
}

// The US airports the generator flies to.
inline const std::set<std::string>& UsAirports() {
    static const std::set<std::string> codes = {"SEA", "PDX", "SFO", "DEN", "MSP", "ORD", "MKE", "STL", "BNA", "DTW",
                                                "CLE", "CMH", "IND", "CVG", "PIT", "ROC", "SYR", "ALB", "BTV", "BOS",
                                                "PWM", "BDL", "LGA", "EWR", "PHL", "BWI", "IAD", "DCA", "RDU", "CLT"};
    return codes;
}

inline std::string BaseOf(char letter) {
    switch (letter) {
    case 'V': return "YVR";
    case 'C': return "YYC";
    case 'Z': return "YYZ";
    case 'M': return "YUL";
    case 'H': return "YHZ";
    }
    return "???";
}

// One month generated once for all the tests of a suite (Tag tells the suites apart).
template <typename Tag>
class MonthSuite : public ::testing::Test {
protected:
    static void Make(std::vector<std::string> args) {
        folder_ = std::make_unique<TempFolder>();
        args.push_back("--out");
        args.push_back(Dir().string());
        run_ = Generate(folder_->Path(), args);
    }
    static void TearDownTestSuite() { folder_.reset(); }
    void SetUp() override { ASSERT_EQ(run_.exit, 0) << run_.err; }

    static std::filesystem::path Dir() { return folder_->Path() / "month"; }
    static std::vector<std::string> File(const std::string& name) { return Lines(Dir() / name); }

    static inline std::unique_ptr<TempFolder> folder_;
    static inline GenResult run_;
};

}  // namespace lw::test::lwgen
