#pragma once
// The selected blocks: a calendar of each chosen crew member's month, tab-separated so that a
// word processor or spreadsheet lines the weeks up, with the full pairing texts when asked.
#include <string>
#include <vector>

#include "model/document.h"
#include "platform/interaction.h"

namespace lw::platform { class Profile; }

namespace lw::output {

// The dialog's two check boxes.
struct SelectedBlocksOptions {
    bool includeXes = false;    // "Include X's": a line of day-off requests under each week
    bool fullPairings = false;  // "Include Full Pairings": each pairing's text after the calendar
    bool operator==(const SelectedBlocksOptions&) const = default;
};

// "ClipXes" and "ClipPairs" of section "CLIPBOARD" (default off), and back.
SelectedBlocksOptions ReadClipboardOptions(const platform::Profile& profile);
bool WriteClipboardOptions(platform::Profile& profile, const SelectedBlocksOptions& options);

// The dialog's OK: exactly the given crew rows (0-based) carry the selection mark. Rows off
// the roster are ignored.
void StoreBlockSelection(model::Document& doc, const std::vector<int>& rows);

// The text for every member carrying the selection mark, in roster order; CR LF line ends.
std::string SelectedBlocksText(const model::Document& doc, const SelectedBlocksOptions& options);

// The request code of a day-off mark: X1..X9, XA, XP, XM; GDO and PDO for the bid's guaranteed
// and preferred days; a bid's request group as its number. Empty for no mark.
std::string RequestCodeText(int8_t mark);

// "Copy selected blocks to the clipboard" after the dialog: places the text, noting it in the
// run log.
void CopySelectedBlocks(const model::Document& doc, platform::Interaction& ui, const SelectedBlocksOptions& options);

}  // namespace lw::output
