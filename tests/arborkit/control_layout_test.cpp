// The layout: cell, header-edge and picture rectangles, and the hit tests
// that must agree with them. The fixture's control is 400 x 300, with
// headers 24 high, rows 20 high, Name 150 wide and Size 60 wide.
#include "small_tree.h"

#include <gtest/gtest.h>

#include <limits>

using namespace ArborkitLib;
using namespace arborkit_test;

namespace {

constexpr std::int32_t kHeader = 24;
constexpr std::int32_t kRow = 20;

class Layout : public SmallTree {
protected:
    // Every point of every cell's edges and corners finds that cell, and the
    // points just past its right and bottom edges do not.
    void expectHitTestsAgreeWithCellRects() {
        const BoundsRect client = tree.GetControlRect();
        for (std::int32_t node : visibleNodes()) {
            for (std::int32_t col = 0; col < tree.GetColumnCount(); ++col) {
                const BoundsRect r = tree.GetCellRect(node, col);
                SCOPED_TRACE(testing::Message() << "node " << node << " column " << col);
                if (r.width == 0 || r.y < tree.GetColumnHeaderHeight() ||
                    r.y + r.height > client.height) {
                    continue; // hidden column, or a row scrolled out
                }
                const std::int32_t right = r.x + r.width - 1;
                const std::int32_t bottom = r.y + r.height - 1;
                for (auto [x, y] : {std::pair{r.x, r.y}, std::pair{right, bottom},
                                    std::pair{r.x + r.width / 2, r.y + r.height / 2}}) {
                    EXPECT_EQ(tree.GetRowByPoint(x, y), node) << x << "," << y;
                    EXPECT_EQ(tree.GetColByPoint(x, y), col) << x << "," << y;
                }
                EXPECT_NE(tree.GetColByPoint(right + 1, r.y), col);
                EXPECT_NE(tree.GetRowByPoint(r.x, bottom + 1), node);
            }
        }
    }
};

TEST_F(Layout, CellsSitBelowTheHeadersInVisibleOrder) {
    EXPECT_EQ(tree.GetCellRect(docs, nameColumn), (BoundsRect{0, kHeader, 150, kRow}));
    EXPECT_EQ(tree.GetCellRect(readme, sizeColumn),
              (BoundsRect{150, kHeader + 2 * kRow, 60, kRow}));
    EXPECT_EQ(tree.GetCellRect(aTxt, nameColumn), BoundsRect{}) << "below a collapsed node";

    tree.SetColumnVisibleIndex(sizeColumn, 0);
    tree.SetRowHeight(30);
    EXPECT_EQ(tree.GetCellRect(src, nameColumn), (BoundsRect{60, kHeader + 30, 150, 30}));
    tree.SetColumnVisibleIndex(nameColumn, -1);
    EXPECT_EQ(tree.GetCellRect(src, nameColumn), BoundsRect{}) << "a hidden column";

    tree.SetBounds({500, 600, 400, 300});
    EXPECT_EQ(tree.GetCellRect(src, sizeColumn), (BoundsRect{0, kHeader + 30, 60, 30}))
        << "client coordinates: the control's place in its parent does not count";
}

TEST_F(Layout, HitTestsAgreeWithCellRects) {
    tree.ExpandTlistAll();
    expectHitTestsAgreeWithCellRects();

    tree.SetColumnVisibleIndex(sizeColumn, 0);
    tree.ShowRowIndicator(true);
    tree.SetRowHeight(7);
    tree.SetColumnHeaderHeight(11);
    tree.SetTopVisibleNodeIndex(2);
    expectHitTestsAgreeWithCellRects();

    tree.SetViewOptions(0, false); // no headers
    EXPECT_EQ(tree.GetCellRect(img, nameColumn).y, 0) << "the top visible node starts at 0";
    expectHitTestsAgreeWithCellRects();
}

TEST_F(Layout, HeaderEdgesSumTheWidthsByIndexWhileTheOrderIsTheIndexOrder) {
    // What the facade's header rectangle computes: the right edge of column
    // c is the sum of the widths of columns 0 to c, the bottom the header
    // height. It matches the cells as long as no column is moved or hidden
    // and the row indicator is off.
    std::int32_t sum = 0;
    for (std::int32_t col = 0; col < tree.GetColumnCount(); ++col) {
        sum += tree.GetColumnWidth(col);
        const BoundsRect cell = tree.GetCellRect(docs, col);
        EXPECT_EQ(cell.x + cell.width, sum) << col;
        EXPECT_EQ(tree.GetColByPoint(sum - 1, tree.GetColumnHeaderHeight() - 1), col);
        EXPECT_EQ(tree.GetRowByPoint(sum - 1, tree.GetColumnHeaderHeight() - 1), -1);
    }
}

TEST_F(Layout, PointsOnNothingFindNothing) {
    struct Case {
        std::int32_t x, y, row, col;
        const char* where;
    };
    const Case cases[] = {
        {10, 5, -1, nameColumn, "a header"},
        {250, 30, docs, -1, "right of the last column"},
        {10, kHeader + 3 * kRow, -1, nameColumn, "below the last row"},
        {-1, 30, -1, -1, "left of the control"},
        {400, 30, -1, -1, "right of the control"},
        {10, 300, -1, -1, "below the control"},
        {std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(), -1, -1,
         "far off"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(tree.GetRowByPoint(c.x, c.y), c.row) << c.where;
        EXPECT_EQ(tree.GetColByPoint(c.x, c.y), c.col) << c.where;
    }
    tree.ShowRowIndicator(true);
    EXPECT_EQ(tree.GetRowByPoint(3, 30), docs) << "the indicator belongs to its row";
    EXPECT_EQ(tree.GetColByPoint(3, 30), -1) << "but to no column";
    EXPECT_EQ(tree.GetCellRect(docs, nameColumn).x, 12);
}

TEST_F(Layout, ScrollingMovesRowsUpAndOutOfReach) {
    tree.ExpandTlistAll();
    tree.SetTopVisibleNodeIndex(3);
    EXPECT_EQ(tree.GetRowByPoint(10, kHeader), bPng);
    EXPECT_EQ(tree.GetCellRect(bPng, nameColumn).y, kHeader);
    EXPECT_EQ(tree.GetCellRect(docs, nameColumn).y, kHeader - 3 * kRow) << "above the top";
    EXPECT_EQ(tree.GetRowByPoint(10, kHeader - 1), -1);

    tree.SetBounds({0, 0, 400, kHeader + 2 * kRow}); // room for two rows
    EXPECT_EQ(tree.GetRowByPoint(10, kHeader + 2 * kRow - 1), src);
    EXPECT_EQ(tree.GetRowByPoint(10, kHeader + 2 * kRow), -1) << "below the bottom edge";
}

TEST_F(Layout, APictureSitsAfterTheIndentAndTheButtonCutToItsCell) {
    tree.ExpandTlistAll();
    tree.AddImage(5, 77, 0, 16, 16);
    tree.AddImage(6, 78, 1, 32, 32);
    tree.SetCellPicture(bPng, nameColumn, 5);
    const std::int32_t rowTop = kHeader + 3 * kRow;
    // Level 2: two indents, then the button, then the picture.
    EXPECT_EQ(tree.GetPictureRect(bPng), (BoundsRect{48, rowTop + 2, 16, 16}));

    tree.SetColumnImageIndent(nameColumn, 4);
    EXPECT_EQ(tree.GetPictureRect(bPng).x, 52);
    tree.SetColPicHCenter(nameColumn, true);
    EXPECT_EQ(tree.GetPictureRect(bPng).x, 48 + (150 - 48 - 16) / 2);
    tree.SetColPicHCenter(nameColumn, false);
    tree.SetColumnWidth(nameColumn, 54);
    EXPECT_EQ(tree.GetPictureRect(bPng), (BoundsRect{52, rowTop + 2, 2, 16})) << "cut";
    tree.SetColumnWidth(nameColumn, 52);
    EXPECT_EQ(tree.GetPictureRect(bPng), BoundsRect{}) << "no room left";

    tree.SetCellPicture(docs, nameColumn, 6);
    EXPECT_EQ(tree.GetPictureRect(docs), (BoundsRect{16 + 4, kHeader, 32, kRow}))
        << "taller than its row: cut to the row";
    tree.SetCellPicture(src, nameColumn, 9);
    EXPECT_EQ(tree.GetPictureRect(src), BoundsRect{}) << "an id without an image";
    EXPECT_EQ(tree.GetPictureRect(readme), BoundsRect{}) << "no picture";
    tree.AddImage(9, 79, 0, 8, 8);
    EXPECT_EQ(tree.GetPictureRect(src).width, 8) << "the image may come after the id";
}

TEST_F(Layout, HugeSizesAreHeldAtTheLimitsInsteadOfOverflowing) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    tree.SetColumnWidth(nameColumn, kMax);
    tree.SetColumnWidth(sizeColumn, kMax);
    tree.SetRowHeight(kMax);
    tree.SetBounds({0, 0, kMax, kMax});
    EXPECT_EQ(tree.GetCellRect(readme, sizeColumn), (BoundsRect{kMax, kMax, kMax, kMax}));
    EXPECT_EQ(tree.GetColByPoint(kMax - 1, 0), nameColumn);
    EXPECT_EQ(tree.GetRowByPoint(0, kMax - 1), docs);
}

} // namespace
