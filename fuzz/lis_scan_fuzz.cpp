// The LIS listing scan, over a month with pairings loaded.
#include "fuzz_support.h"
#include "import/lis_scan.h"

namespace lw::fuzz {

int LisScanTarget(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    model::Document doc(FuzzToday());
    SetUpBaseMonth(doc);
    const std::string before = Snapshot(doc);
    ScriptedInteraction ui(input);
    // A separator byte splits the input into two listing files, read in order.
    const auto [first, second] = SplitInput(input);
    std::vector<std::filesystem::path> files{WriteScratch("YYZ_PILOT_MAR2027.LIS", first)};
    if (input.find('\x1e') != std::string_view::npos)
        files.push_back(WriteScratch("YYZ_CABIN_MAR2027.LIS", second));
    const bool loaded = import::ScanLisFiles(doc, ui, files);
    CheckInvariants(doc);
    if (!loaded && Snapshot(doc) != before) Fail("a refused file changed the open month");
    return 0;
}

}  // namespace lw::fuzz

LW_FUZZ_ENTRY(LisScanTarget)
