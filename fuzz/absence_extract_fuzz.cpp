// The crew absence extract reader, over a month with a roster and pairings.
#include "fuzz_support.h"
#include "import/absence_extract.h"

namespace lw::fuzz {

int AbsenceExtractTarget(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    model::Document doc(FuzzToday());
    SetUpBaseMonth(doc);
    const std::string before = Snapshot(doc);
    ScriptedInteraction ui(input);
    // The first byte picks this month or the next, so both placements are reached.
    const bool nextMonth = size > 0 && data[0] % 2 == 1;
    const bool loaded = import::LoadAbsenceExtract(doc, ui, WriteScratch("YYZ1absp.ext", input), nextMonth);
    CheckInvariants(doc);
    if (!loaded && Snapshot(doc) != before) Fail("a refused file changed the open month");
    return 0;
}

}  // namespace lw::fuzz

LW_FUZZ_ENTRY(AbsenceExtractTarget)
