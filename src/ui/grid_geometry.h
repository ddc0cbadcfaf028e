#pragma once
// Where things are on the block grid: cell sizes from the block font and the planner's
// whitespace settings, which crew row and day lie under a pixel, and how far the grid scrolls.
// Plain arithmetic, so it can be checked without painting.
#include <algorithm>

#include "base/time_text.h"

namespace lw::ui {

struct GridMetrics {
    int charWidth = 5;   // the block font's average character width
    int charHeight = 14; // the block font's height
    int xPadding = 6;    // "XPadding"
    int yPadding = 3;    // "YPadding"
    // Measured in the block font where known (0: not measured), so that whatever face "Arial"
    // turns out to be, nothing is clipped or drawn over: the widest digit, the widest row
    // label, the credit figure "00:00", and the height of the header's small font.
    int digitWidth = 0;
    int labelWidth = 0;
    int creditWidth = 0;
    int smallHeight = 0;
};

enum class GridArea { None, Corner, Header, Name, Day };

// What lies under a pixel of the viewport. row is the display row (crew rows first, then the
// summary rows), column the scrolled column index; both -1 where they do not apply.
struct GridHit {
    GridArea area = GridArea::None;
    int row = -1;
    int column = -1;
    bool operator==(const GridHit&) const = default;
};

class GridGeometry {
public:
    static constexpr int kColumns = 62;      // the month and the 31 days after it
    static constexpr int kExtraRows = 10;    // summary rows and room below the crew
    static constexpr int kMinutesPerDay = base::kMinutesPerDay;

    GridGeometry() : GridGeometry(GridMetrics{}) {}
    explicit GridGeometry(const GridMetrics& m);

    int ColumnWidth() const { return column_; }
    int RowHeight() const { return row_; }
    int NameWidth() const { return name_; }
    int HeaderHeight() const { return header_; }
    int CreditOffset() const { return credit_; }
    int DaysOffOffset() const { return daysOff_; }
    // Where a row label must end: left of the marks drawn before the days-off figure.
    int LabelRight() const { return daysOff_ - kMarksWidth - 3; }
    // The header's three bands, top edges: weekday, day of month, balance figure.
    int WeekdayTop() const { return 1; }
    int DayNumberTop() const { return 1 + smallHeight_; }
    int BalanceTop() const { return header_ - 2 - smallHeight_; }
    // Left of a cell's text, from the whitespace setting.
    static int TextInset(int xPadding) { return xPadding / 2 + 2; }
    static constexpr int kMarksWidth = 12;  // medical, qualification and reserve-bid marks

    // A minute of a day (may run past 1440 into the following days) from the day's left edge.
    int MinuteX(int minutes) const { return static_cast<int>(static_cast<long long>(minutes) * column_ / kMinutesPerDay); }
    // Left edge of a column in the viewport when firstColumn is the first one shown.
    int ColumnLeft(int column, int firstColumn) const { return name_ + (column - firstColumn) * column_; }
    int RowTop(int row, int firstRow) const { return header_ + (row - firstRow) * row_; }

    // Whole or partly visible columns and rows in a viewport of that size.
    int VisibleColumns(int width) const { return std::max(0, (width - name_ + column_ - 1) / column_); }
    int VisibleRows(int height) const { return std::max(0, (height - header_ + row_ - 1) / row_); }
    // Rows the grid scrolls over for a crew of that size.
    static int TotalRows(int crewCount) { return crewCount + kExtraRows; }
    // Scroll limits: one step is one column or one row; the last column or row may sit at the top left.
    int MaxFirstColumn(int width) const { return std::max(0, kColumns - FullColumns(width)); }
    int MaxFirstRow(int crewCount, int height) const { return std::max(0, TotalRows(crewCount) - FullRows(height)); }
    int FullColumns(int width) const { return std::max(0, (width - name_) / column_); }
    int FullRows(int height) const { return std::max(0, (height - header_) / row_); }

    GridHit HitTest(int x, int y, int firstColumn, int firstRow) const;

private:
    int column_ = 0, row_ = 0, name_ = 0, header_ = 0, credit_ = 0, daysOff_ = 0, smallHeight_ = 0;
};

}  // namespace lw::ui
