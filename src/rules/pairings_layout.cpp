#include "rules/pairings_layout.h"

#include <algorithm>

#include "bids/filters.h"

namespace lw::rules {

namespace {

using model::Document;
using model::TPair;

constexpr int kGroups = 8;
constexpr int kContinuousDutyGroup = 6;
constexpr int kLongTripGroup = 7;

// One-day trips first, then two to six days, then continuous duties, then the long trips.
int LengthGroup(const TPair& q) {
    if (q.LateRelease) return kContinuousDutyGroup;
    if (q.WorkDays >= 1 && q.WorkDays <= 6) return q.WorkDays - 1;
    return kLongTripGroup;
}

void SortForDisplay(const Document& doc, PairingsLayout& layout) {
    const int count = std::min(doc.LastPairIndex + 1, model::kPairSlots);
    layout.category.assign(static_cast<size_t>(std::max(count, 0)), 0);
    std::array<std::vector<int32_t>, kGroups> groups;
    for (int i = 0; i < count; ++i) {
        const TPair& q = doc.Pairings[static_cast<size_t>(i)];
        layout.category[static_cast<size_t>(i)] = CreditCategory(q);
        groups[static_cast<size_t>(LengthGroup(q))].push_back(i);
    }
    layout.order.clear();
    layout.order.reserve(static_cast<size_t>(std::max(count, 0)));
    for (auto& group : groups) {
        // Stable: pairings reporting at the same time keep their table order.
        std::stable_sort(group.begin(), group.end(), [&](int32_t a, int32_t b) {
            return doc.Pairings[static_cast<size_t>(a)].ReportTime < doc.Pairings[static_cast<size_t>(b)].ReportTime;
        });
        layout.order.insert(layout.order.end(), group.begin(), group.end());
    }
}

bool Shown(const Document& doc, int index, int day) {
    const TPair& q = doc.Pairings[static_cast<size_t>(index)];
    if (!q.Operates(day)) return false;
    if (!doc.ShowTakenPairings && q.IsTaken(day)) return false;
    return bids::PairingShown(doc, index);
}

// Cells a bar needs from its first day: its working days, and at least the release day of a
// continuous duty.
int CellsNeeded(const TPair& q) {
    const int span = std::max<int>(q.WorkDays, 1);
    return q.LateRelease ? std::max(span, 2) : span;
}

}  // namespace

int32_t PairingsLayout::Cell(int column, int row) const {
    if (column < 0 || column >= kColumns || row < 0 || row >= static_cast<int>(cells.size())) return kFree;
    return cells[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

uint8_t CreditCategory(const TPair& pair) { return static_cast<uint8_t>(pair.CreditClass()); }

void LayoutPairings(const Document& doc, PairingsLayout& layout) {
    SortForDisplay(doc, layout);
    layout.cells.clear();
    layout.rowCount = 0;

    std::array<int32_t, PairingsLayout::kColumns> freeRow;
    freeRow.fill(PairingsLayout::kFree);
    // Per column, the first row of the group that may still be free there: every row above it
    // is taken in that column, so a search need not look there again.
    std::array<int32_t, PairingsLayout::kColumns> firstFree{};
    const int days = std::min(doc.DayCount, model::kMonthDays);
    int groupStart = 0;
    int lastUsed = -1;
    bool placedSinceBreak = false;
    int previousWorkDays = -1;

    for (const int32_t index : layout.order) {
        const TPair& q = doc.Pairings[static_cast<size_t>(index)];
        if (previousWorkDays >= 0 && q.WorkDays != previousWorkDays && placedSinceBreak) {
            // One empty row between groups.
            groupStart = lastUsed + 2;
            placedSinceBreak = false;
            firstFree.fill(groupStart);
        }
        previousWorkDays = q.WorkDays;
        const int needed = CellsNeeded(q);
        for (int day = 0; day < days; ++day) {
            if (!Shown(doc, index, day)) continue;
            const int width = std::min(needed, PairingsLayout::kColumns - day);
            int row = groupStart;
            for (int k = 0; k < width; ++k) row = std::max(row, firstFree[static_cast<size_t>(day + k)]);
            for (; row < PairingsLayout::kMaxRows; ++row) {
                if (row >= static_cast<int>(layout.cells.size())) break;  // fresh rows are free
                const auto& cells = layout.cells[static_cast<size_t>(row)];
                bool fits = true;
                for (int k = 0; k < width && fits; ++k)
                    fits = cells[static_cast<size_t>(day + k)] == PairingsLayout::kFree;
                if (fits) break;
            }
            // The window holds no more rows: what does not fit is not shown.
            if (row >= PairingsLayout::kMaxRows) continue;
            while (static_cast<int>(layout.cells.size()) <= row) layout.cells.push_back(freeRow);
            auto& cells = layout.cells[static_cast<size_t>(row)];
            cells[static_cast<size_t>(day)] = index;
            for (int k = 1; k < width; ++k) cells[static_cast<size_t>(day + k)] = PairingsLayout::kCovered;
            for (int k = 0; k < width; ++k) {
                int32_t& hint = firstFree[static_cast<size_t>(day + k)];
                while (hint < static_cast<int>(layout.cells.size()) &&
                       layout.cells[static_cast<size_t>(hint)][static_cast<size_t>(day + k)] != PairingsLayout::kFree)
                    ++hint;
            }
            lastUsed = std::max(lastUsed, row);
            placedSinceBreak = true;
        }
    }
    layout.rowCount = lastUsed + 1;
    layout.cells.resize(static_cast<size_t>(layout.rowCount));
}

int32_t FindRow(const PairingsLayout& layout, int32_t pair, int column) {
    if (pair < 0) return -1;
    for (int row = 0; row < layout.rowCount; ++row)
        if (layout.Cell(column, row) == pair) return row;
    return -1;
}

}  // namespace lw::rules
