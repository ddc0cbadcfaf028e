// The pairing file reader, over a month with a roster and pairings already loaded.
#include "fuzz_support.h"
#include "import/pairing_file.h"

namespace lw::fuzz {

int PairingFileTarget(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    model::Document doc(FuzzToday());
    SetUpBaseMonth(doc);
    const std::string before = Snapshot(doc);
    ScriptedInteraction ui(input);
    const bool loaded = import::LoadPairingFile(doc, ui, WriteScratch("MAR2027.PRG", input), "", false);
    CheckInvariants(doc);
    if (!loaded && Snapshot(doc) != before) Fail("a refused file changed the open month");
    return 0;
}

}  // namespace lw::fuzz

LW_FUZZ_ENTRY(PairingFileTarget)
