#include "ui/grid_geometry.h"

namespace lw::ui {

GridGeometry::GridGeometry(const GridMetrics& m) {
    const int w = std::max(1, m.charWidth);
    const int h = std::max(1, m.charHeight);
    column_ = 3 * w + m.xPadding + 4;
    row_ = h + m.yPadding + 2;
    name_ = std::max(120, 6 * column_);
    header_ = std::max(40, 2 * row_ + 3);
    credit_ = std::max(90, name_ - 6 * w - 2);
    daysOff_ = std::max(75, credit_ - 3 * w - 7);
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
