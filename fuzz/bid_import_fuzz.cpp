// The pilot bids CSV import, over a captains month whose roster the bids are searched for.
#include "bids/bid_import.h"
#include "fuzz_support.h"

namespace lw::fuzz {

int BidImportTarget(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    model::Document doc(FuzzToday());
    SetUpBaseMonth(doc);
    // A bid already held, so the delete-current-bids questions are asked and answered.
    doc.Crew[0].BidText = "OFF 3 PLEASE";
    const std::string before = Snapshot(doc);
    ScriptedInteraction ui(input);
    const bool imported = bids::ImportPilotBids(doc, ui, WriteScratch("YYZ_PILOT_BIDS.csv", input));
    CheckInvariants(doc);
    if (!imported && Snapshot(doc) != before) Fail("a refused file changed the open month");
    return 0;
}

}  // namespace lw::fuzz

LW_FUZZ_ENTRY(BidImportTarget)
