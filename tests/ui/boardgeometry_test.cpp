// How the board's cell grows with the widget.

#include "ui/boardgeometry.h"

#include <gtest/gtest.h>

TEST(BoardGeometry, ALargerWidgetNeverHasASmallerCell) {
    for (int h = 200; h < 720; h += 13) {
        int last = 0;
        for (int w = 200; w < 720; w += 3) {
            const BoardLayout l = LayoutFor(w, h), taller = LayoutFor(w, h + 1);
            ASSERT_GE(l.cell, last) << w << " x " << h;
            ASSERT_GE(taller.cell, l.cell) << w << " x " << h;
            // A cell above the smallest fits the grid and its margins.
            if (l.cell > kCellSize) {
                ASSERT_TRUE(9 * l.cell <= w && 9 * l.cell + l.strip <= h);
            }
            last = l.cell;
        }
    }
}
