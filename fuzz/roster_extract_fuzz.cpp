// The employee record extract reader, over a month with a roster already loaded.
#include "fuzz_support.h"
#include "import/roster_extract.h"

namespace lw::fuzz {

int RosterExtractTarget(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    model::Document doc(FuzzToday());
    SetUpBaseMonth(doc);
    const std::string before = Snapshot(doc);
    ScriptedInteraction ui(input);
    const bool loaded = import::LoadRosterExtract(doc, ui, WriteScratch("YYZ1perp.ext", input));
    CheckInvariants(doc);
    if (!loaded && Snapshot(doc) != before) Fail("a refused file changed the open month");
    return 0;
}

}  // namespace lw::fuzz

LW_FUZZ_ENTRY(RosterExtractTarget)
