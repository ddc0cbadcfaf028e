#pragma once
// The open-time grid of the pairings window: every pairing instance of the month as a bar on
// a day grid, grouped by length and ordered by report time. The window and the visual
// pairings printout draw it; a click maps a day and a row back to a pairing.
#include <array>
#include <cstdint>
#include <vector>

#include "model/document.h"

namespace lw::rules {

struct PairingsLayout {
    static constexpr int kColumns = 36;
    static constexpr int kMaxRows = 6000;
    static constexpr int32_t kFree = -1;
    static constexpr int32_t kCovered = -2;
    std::vector<uint8_t> category;   // per pairing index 0..LastPairIndex: credit category 0..3
    std::vector<int32_t> order;      // display order of pairing indexes
    std::vector<std::array<int32_t, kColumns>> cells;  // rows in use; -1 free, index = start, -2 covered
    int32_t rowCount = 0;
    // What the cell holds; -1 outside the grid.
    int32_t Cell(int column, int row) const;
};

// Credit per day class 0..3: below 5:00, below 6:00, below 7:00, 7:00 and up.
uint8_t CreditCategory(const model::TPair& pair);
// Sort and lay out the pairing instances as the pairings window shows them (open only when
// ShowTakenPairings is off, marked pairings only when FiltersOn).
void LayoutPairings(const model::Document& doc, PairingsLayout& layout);
// Row of the pairing starting in the column, -1 when none (re-finding a selection after a layout).
int32_t FindRow(const PairingsLayout& layout, int32_t pair, int column);

}  // namespace lw::rules
