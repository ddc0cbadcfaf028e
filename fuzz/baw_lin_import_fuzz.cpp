// The CrewTrac BAW and LIN block import, over a captains month with its roster and pairings.
#include "fuzz_support.h"
#include "import/baw_lin_import.h"

namespace lw::fuzz {

int BawLinImportTarget(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    model::Document doc(FuzzToday());
    SetUpBaseMonth(doc);
    const std::string before = Snapshot(doc);
    ScriptedInteraction ui(input);
    // One input holds both files, split at the separator byte: the BAW lines, then the LIN file.
    const auto [baw, lin] = SplitInput(input);
    const bool imported =
        import::ImportBawLinFiles(doc, ui, WriteScratch("MA27Z8CA.BAW", baw), WriteScratch("MA27Z8CA.LIN", lin));
    CheckInvariants(doc);
    if (!imported && Snapshot(doc) != before) Fail("a refused file changed the open month");
    return 0;
}

}  // namespace lw::fuzz

LW_FUZZ_ENTRY(BawLinImportTarget)
