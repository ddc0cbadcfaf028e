// Last month's activity and prior-pairing extract readers, over a month with a roster and pairings.
#include "fuzz_support.h"
#include "import/activity_extract.h"

namespace lw::fuzz {

int ActivityExtractTarget(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    model::Document doc(FuzzToday());
    SetUpBaseMonth(doc);
    const std::string before = Snapshot(doc);
    ScriptedInteraction ui(input);
    // One input holds both extracts, split at the separator byte.
    const auto [activity, prior] = SplitInput(input);
    const bool loaded = import::LoadLastMonthData(doc, ui, WriteScratch("YYZ1actp.ext", activity),
                                                  WriteScratch("YYZ1prgp.ext", prior));
    CheckInvariants(doc);
    if (!loaded && Snapshot(doc) != before) Fail("a refused file changed the open month");
    return 0;
}

}  // namespace lw::fuzz

LW_FUZZ_ENTRY(ActivityExtractTarget)
