// Cell sizes of the block grid from the font and the whitespace settings, what lies under a
// pixel, and how far the grid scrolls.
#include <gtest/gtest.h>

#include <array>

#include "ui/grid_geometry.h"

namespace lw::ui {
namespace {

struct Sizes {
    int column, row, name, header, credit, daysOff;
    bool operator==(const Sizes&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Sizes& s) {
    return os << "{" << s.column << ", " << s.row << ", " << s.name << ", " << s.header << ", " << s.credit << ", "
              << s.daysOff << "}";
}

Sizes Of(const GridGeometry& g) {
    return {g.ColumnWidth(), g.RowHeight(), g.NameWidth(), g.HeaderHeight(), g.CreditOffset(), g.DaysOffOffset()};
}

TEST(GridGeometryTest, SizesFollowTheFontAndWhitespace) {
    // An 8-pixel font with XPadding 6: columns of 34, a name area of six columns.
    EXPECT_EQ(Of(GridGeometry({8, 16, 6, 3})), (Sizes{34, 21, 204, 45, 154, 123}));
    // The built-in block font: the header and the name area are bigger than two rows and six columns need.
    EXPECT_EQ(Of(GridGeometry({5, 14, 6, 3})), (Sizes{25, 19, 150, 41, 118, 96}));
    // Narrow cells: the name area, header and both columns stop at their smallest.
    EXPECT_EQ(Of(GridGeometry({5, 10, 0, 0})), (Sizes{19, 12, 120, 40, 90, 75}));
    EXPECT_EQ(Of(GridGeometry({2, 6, 0, 0})), (Sizes{10, 8, 120, 40, 106, 93}));
    // More vertical whitespace only makes the rows (and so the header) taller.
    EXPECT_EQ(Of(GridGeometry({8, 16, 6, 9})), (Sizes{34, 27, 204, 57, 154, 123}));
}

TEST(GridGeometryTest, MinutesAreDrawnToScale) {
    const GridGeometry g({8, 16, 6, 3});  // 34 pixels a day
    EXPECT_EQ(g.MinuteX(0), 0);
    EXPECT_EQ(g.MinuteX(720), 17);
    EXPECT_EQ(g.MinuteX(1440), 34);
    EXPECT_EQ(g.MinuteX(1440 * 3 + 360), 110);  // a three-day trip released at 06:00
    EXPECT_EQ(g.ColumnLeft(5, 0), 204 + 5 * 34);
    EXPECT_EQ(g.ColumnLeft(5, 3), 204 + 2 * 34);
    EXPECT_EQ(g.RowTop(10, 4), 45 + 6 * 21);
}

TEST(GridGeometryTest, PixelsMapToRowsAndDays) {
    const GridGeometry g({8, 16, 6, 3});  // name 204, header 45, column 34, row 21
    using A = GridArea;
    const std::array<std::pair<std::array<int, 2>, GridHit>, 12> cases = {{
        {{0, 0}, {A::Corner, -1, -1}},
        {{203, 44}, {A::Corner, -1, -1}},
        {{204, 0}, {A::Header, -1, 0}},
        {{237, 44}, {A::Header, -1, 0}},
        {{238, 44}, {A::Header, -1, 1}},
        {{0, 45}, {A::Name, 0, -1}},
        {{203, 65}, {A::Name, 0, -1}},
        {{203, 66}, {A::Name, 1, -1}},
        {{204, 45}, {A::Day, 0, 0}},
        {{204 + 34 * 61 + 33, 45 + 21 * 7 + 20}, {A::Day, 7, 61}},
        {{204 + 34 * 62, 50}, {A::None, -1, -1}},  // past the last day
        {{-1, 50}, {A::None, -1, -1}},
    }};
    for (const auto& [xy, hit] : cases) EXPECT_EQ(g.HitTest(xy[0], xy[1], 0, 0), hit) << xy[0] << "," << xy[1];

    // Scrolled three columns and ten rows: the name and header stay put.
    EXPECT_EQ(g.HitTest(204, 45, 3, 10), (GridHit{A::Day, 10, 3}));
    EXPECT_EQ(g.HitTest(10, 45 + 21 * 2, 3, 10), (GridHit{A::Name, 12, -1}));
    EXPECT_EQ(g.HitTest(204 + 34, 10, 3, 10), (GridHit{A::Header, -1, 4}));
    EXPECT_EQ(g.HitTest(204 + 34 * 59, 50, 3, 10), (GridHit{A::None, -1, -1}));
}

TEST(GridGeometryTest, ScrollingStopsWithTheLastColumnAndRowInView) {
    const GridGeometry g({8, 16, 6, 3});
    // 1920 wide: (1920 - 204) / 34 = 50 whole columns, so 12 more to scroll.
    EXPECT_EQ(g.FullColumns(1920), 50);
    EXPECT_EQ(g.VisibleColumns(1920), 51);
    EXPECT_EQ(g.MaxFirstColumn(1920), 12);
    EXPECT_EQ(g.MaxFirstColumn(204 + 34 * 62), 0);
    // 1080 high: (1080 - 45) / 21 = 49 whole rows; 999 crew and the 10 rows below them.
    EXPECT_EQ(g.FullRows(1080), 49);
    EXPECT_EQ(g.VisibleRows(1080), 50);
    EXPECT_EQ(GridGeometry::TotalRows(999), 1009);
    EXPECT_EQ(g.MaxFirstRow(999, 1080), 960);
    EXPECT_EQ(g.MaxFirstRow(20, 1080), 0);
    // A window smaller than the fixed parts shows no cells and scrolls over all of them.
    EXPECT_EQ(g.FullColumns(100), 0);
    EXPECT_EQ(g.MaxFirstColumn(100), 62);
}

}  // namespace
}  // namespace lw::ui
