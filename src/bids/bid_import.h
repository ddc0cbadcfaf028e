#pragma once
// Pilot bids from the outside bidding system's CSV file: each member's bid text, phones,
// guaranteed and personal days off, and the reserve choice.
#include <filesystem>
#include <string>
#include <string_view>

#include "model/document.h"
#include "platform/interaction.h"

namespace lw::bids {

inline constexpr const char* kBidWarningsTitle = "Missing Bids / Warnings.  List Copied to Windows Clipboard";

// Marks the days of a GDO (13) or PDO (14) list on the member's block. Empty when the whole
// list was marked, else the text shown after the field in the bid: " ERROR! " or
// " ERROR! TO MANY GDOs " / " ERROR! TO MANY PDOs ".
std::string MarkBidDays(model::Document& doc, int crew, std::string_view list, int8_t mark);

// Whether the month's crew hand in bids; for cabin crew "This Feature is for Pilot Use Only"
// and false, before any file is asked for.
bool PilotBidsOffered(const model::Document& doc, platform::Interaction& ui);

// The import behind "Pilot Bids...", the file standing for the chooser's answer. False when
// the command ended early (a cabin month, Cancel, a file that cannot be read).
bool ImportPilotBids(model::Document& doc, platform::Interaction& ui, const std::filesystem::path& file);

}  // namespace lw::bids
