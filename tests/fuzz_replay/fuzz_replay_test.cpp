// Every seed and every input that once broke a reader, run again through its fuzz target: a
// crash found once stays fixed. A failed check inside a target aborts the test.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "fuzz_support.h"

namespace lw::fuzz {
// Names the target in test listings rather than dumping its bytes.
inline void PrintTo(const Target& target, std::ostream* os) { *os << target.name; }
}  // namespace lw::fuzz

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> InputsIn(const fs::path& folder) {
    std::vector<fs::path> files;
    if (!fs::is_directory(folder)) return files;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().filename().string()[0] != '.') files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

class FuzzReplay : public ::testing::TestWithParam<lw::fuzz::Target> {};

TEST_P(FuzzReplay, CorpusAndPastCrashesRunClean) {
    const lw::fuzz::Target target = GetParam();
    const fs::path root = LW_FUZZ_DIR;
    std::vector<fs::path> files = InputsIn(root / "corpus" / target.name);
    ASSERT_FALSE(files.empty()) << "no seed inputs for " << target.name;
    for (const fs::path& crash : InputsIn(root / "crashes" / target.name)) files.push_back(crash);
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.string());
        std::ifstream in(file, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(target.run(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Readers, FuzzReplay, ::testing::ValuesIn(lw::fuzz::kTargets),
                         [](const ::testing::TestParamInfo<lw::fuzz::Target>& target) { return std::string(target.param.name); });

}  // namespace
