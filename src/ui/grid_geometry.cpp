#include "ui/grid_geometry.h"

namespace lw::ui {

GridGeometry::GridGeometry(const GridMetrics& m) {
    const int w = std::max(1, m.charWidth);
    const int h = std::max(1, m.charHeight);
    // A font whose digits run wider than its average character still fits a pairing's three digits.
    column_ = std::max(3 * w + m.xPadding + 4, TextInset(m.xPadding) + 3 * m.digitWidth + 1);
    row_ = h + m.yPadding + 2;
    smallHeight_ = m.smallHeight;
    // The weekday, the day of month and the balance figure stacked without touching.
    header_ = std::max({40, 2 * row_ + 3, 2 * m.smallHeight + h + 4});
    // The credit figure needs its own width; the longest label in the roster widens the whole area.
    const int creditRoom = std::max(6 * w, m.creditWidth + 2);
    const int daysOffRoom = 3 * w + 7;
    const int forLabel = m.labelWidth > 0 ? 2 + m.labelWidth + kMarksWidth + 3 + 2 + daysOffRoom + creditRoom + 2 : 0;
    name_ = std::max({120, 6 * column_, forLabel});
    credit_ = std::max(90, name_ - creditRoom - 2);
    daysOff_ = std::max(75, credit_ - daysOffRoom);
}

GridHit GridGeometry::HitTest(int x, int y, int firstColumn, int firstRow) const {
    if (x < 0 || y < 0) return {};
    const bool inName = x < name_;
    const bool inHeader = y < header_;
    const int column = inName ? -1 : firstColumn + (x - name_) / column_;
    const int row = inHeader ? -1 : firstRow + (y - header_) / row_;
    if (column >= kColumns) return {};
    if (inName && inHeader) return {GridArea::Corner, -1, -1};
    if (inHeader) return {GridArea::Header, -1, column};
    if (inName) return {GridArea::Name, row, -1};
    return {GridArea::Day, row, column};
}

}  // namespace lw::ui
