#pragma once
// The month's credit summary ("&Global Info..."): pairing credit, open time, the last
// blockholder the open time can still fill, completed block averages, carry-in and activities.
#include <cstdint>
#include <string>
#include <vector>

#include "model/document.h"
#include "platform/interaction.h"

namespace lw::output {

inline constexpr const char* kMonthSummaryTitle = "Global Info";

// The last member whose block the open time can still bring to the minimum.
struct LastBlockholder {
    int row = -1;       // crew row; -1 when there is none ("No Blocks")
    int32_t open = 0;   // open time left at that point, minutes, never below 0
};
LastBlockholder FindLastBlockholder(const model::Document& doc, int32_t openMinutes);

std::vector<std::string> MonthSummary(const model::Document& doc);
void ShowMonthSummary(const model::Document& doc, platform::Interaction& ui);

}  // namespace lw::output
