// The grid as the table windows use it: sized, then written cell by cell
// through the current row and column.

#include "tests/forms/testwindow.h"

#include <gtest/gtest.h>

TEST(Grid, CellsAreWrittenAndReadThroughTheCurrentCell) {
    TestWindow w;
    forms::Grid& g = w.grid;
    g.setcols(4);
    g.setrows(21);
    for (int c = 0; c < 4; ++c)
        g.setcolwidth(c, 800 + 200 * c);
    EXPECT_EQ(g.columnWidth(3), 93);
    g.setrow(0);
    g.setcol(1);
    g.setText("  ADJ. SCORE");
    g.setrow(20);
    g.setcol(3);
    g.setText(" 12");
    EXPECT_EQ(g.text(), " 12");
    EXPECT_EQ(g.textat(0, 1), "  ADJ. SCORE");
    EXPECT_EQ(g.textat(5, 2), "");
    EXPECT_EQ(g.row(), 20);
    EXPECT_EQ(g.col(), 3);
    EXPECT_EQ(g.rows(), 21);
    EXPECT_EQ(g.cols(), 4);
}

TEST(Grid, CellsAreReadOnlyAndRedrawCanBeHeld) {
    TestWindow w;
    EXPECT_EQ(w.grid.editTriggers(), QAbstractItemView::NoEditTriggers);
    w.grid.setredraw(false);
    EXPECT_FALSE(w.grid.updatesEnabled());
    w.grid.setredraw(true);
    EXPECT_TRUE(w.grid.updatesEnabled());
}

TEST(Grid, CellsOutsideTheGridAreRefused) {
    TestWindow w;
    w.grid.setrows(3);
    w.grid.setcols(2);
    EXPECT_THROW(w.grid.setrow(3), std::out_of_range);
    EXPECT_THROW(w.grid.setcol(-1), std::out_of_range);
    EXPECT_THROW(w.grid.textat(0, 2), std::out_of_range);
    EXPECT_THROW(w.grid.setcolwidth(2, 100), std::out_of_range);
    // Shrinking keeps the current cell inside.
    w.grid.setrow(2);
    w.grid.setrows(1);
    EXPECT_EQ(w.grid.row(), 0);
}
