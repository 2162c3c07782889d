// The stitch-grid view of the main window: its size, the colour of every
// cell and grid line, and panning by scroll bar and by dragging.
#include "Form1Harness.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"

#include <gtest/gtest.h>

namespace tessaline::testing {
namespace {

constexpr Color kGrid = 0x202020;

// A colour that tells every cell of the matrix apart.
Color cellColor(int column, int row) {
    return rgb(column, row, 7);
}

class MatrixViewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        harness = std::make_unique<Form1Harness>(false);
        Form1& form = *harness->form;
        for (int row = 0; row < CellMatrix::kSize; ++row) {
            for (int column = 0; column < CellMatrix::kSize; ++column) {
                harness->state.patternMatrix(column, row) = cellColor(column, row);
            }
        }
        form.picW = 117;
        form.picH = 132;
        form.viewX = 0;
        form.viewY = 0;
    }

    Form1& form() { return *harness->form; }
    PictureBox& view() { return *harness->form->Picture1; }

    // Press at (x0, y0), release at (x1, y1) on the view itself.
    void drag(double x0, double y0, double x1, double y1) {
        sendMouse(&view(), QEvent::MouseButtonPress, QPointF(x0, y0));
        sendMouse(&view(), QEvent::MouseButtonRelease, QPointF(x1, y1));
    }

    std::unique_ptr<Form1Harness> harness;
};

TEST_F(MatrixViewTest, PatternOf117By132GivesA468By528ViewAtTheViewportCorner) {
    view().move(-40, -30);
    form().drawMatrixS();
    EXPECT_EQ(view().geometry(), QRect(0, 0, 468, 528));
    EXPECT_EQ(view().image().size(), QSize(468, 528));
}

TEST_F(MatrixViewTest, EveryCellShowsItsColourInsideGridLinesOnItsTopAndLeft) {
    form().drawMatrixS();
    const PictureBox& box = view();
    int wrong = 0;
    for (int row = 0; row < 132; ++row) {
        for (int column = 0; column < 117; ++column) {
            const int left = column * 4;
            const int top = row * 4;
            for (int d = 0; d < 4; ++d) {
                wrong += box.point(left + d, top) != kGrid;
                wrong += box.point(left, top + d) != kGrid;
            }
            for (int dy = 1; dy < 4; ++dy) {
                for (int dx = 1; dx < 4; ++dx) {
                    wrong += box.point(left + dx, top + dy) != cellColor(column, row);
                }
            }
        }
    }
    EXPECT_EQ(wrong, 0);
    // The last column and row have no closing line: their colour reaches the edge.
    EXPECT_EQ(box.point(467, 527), cellColor(116, 131));
}

TEST_F(MatrixViewTest, ViewOriginOffsetsTheCellsAndBlanksThoseBeyondTheLargestPattern) {
    form().viewX = 10;
    form().drawMatrixS();
    EXPECT_EQ(view().point(1, 1), cellColor(10, 0));
    EXPECT_EQ(view().point(4 * 5 + 2, 4 * 3 + 2), cellColor(15, 3));

    // With the origin at 200, view column 29 is matrix column 229, the last
    // one a pattern can have; view column 30 is column 230 and stays white.
    form().viewX = 200;
    form().drawMatrixS();
    EXPECT_EQ(view().point(29 * 4 + 1, 1), cellColor(229, 0));
    EXPECT_EQ(view().point(30 * 4 + 1, 1), kWhite);
    EXPECT_EQ(view().point(116 * 4 + 3, 131 * 4 + 3), kWhite);
    EXPECT_EQ(view().point(30 * 4, 1), kGrid);

    // Rows from 250 on are white as well.
    form().viewX = 0;
    form().viewY = 200;
    form().drawMatrixS();
    EXPECT_EQ(view().point(1, 49 * 4 + 1), cellColor(0, 249));
    EXPECT_EQ(view().point(1, 50 * 4 + 1), kWhite);
}

TEST_F(MatrixViewTest, ScrollBarsMoveTheViewWithoutChangingItsOrigin) {
    form().drawMatrixS();
    form().wMatrix->setValue(40);
    form().Hmatrix->setValue(24);
    EXPECT_EQ(view().pos(), QPoint(-40, -24));
    EXPECT_EQ(form().viewX, 0);
    EXPECT_EQ(form().viewY, 0);
    EXPECT_EQ(form().wMatrix->maximum(), 1380);
    EXPECT_EQ(form().Hmatrix->maximum(), 1500);
}

TEST_F(MatrixViewTest, DraggingLeftByTenAddsFiveAndMovesTheView) {
    form().drawMatrixS();
    drag(100, 50, 90, 50);
    EXPECT_EQ(form().viewX, 5);
    EXPECT_EQ(view().pos(), QPoint(-5, 0));
}

TEST_F(MatrixViewTest, DraggingByThreeRoundsOneAndAHalfToTwoAndMoves) {
    form().drawMatrixS();
    drag(100, 50, 97, 50);
    EXPECT_EQ(form().viewX, 2);
    EXPECT_EQ(view().pos(), QPoint(-2, 0));
}

TEST_F(MatrixViewTest, DraggingByTwoAddsOneButLeavesTheViewInPlace) {
    form().drawMatrixS();
    drag(100, 50, 98, 50);
    EXPECT_EQ(form().viewX, 1);
    EXPECT_EQ(view().pos(), QPoint(0, 0));
}

TEST_F(MatrixViewTest, HalvesRoundToEven) {
    form().drawMatrixS();
    drag(100, 50, 95, 50); // 2.5 rounds to 2
    EXPECT_EQ(form().viewX, 2);
    drag(100, 50, 93, 50); // 3.5 rounds to 4
    EXPECT_EQ(form().viewX, 6);
    EXPECT_EQ(view().pos(), QPoint(-6, 0));
}

TEST_F(MatrixViewTest, DraggingRightPastTheOriginStopsAtZero) {
    form().drawMatrixS();
    drag(100, 50, 90, 50);
    ASSERT_EQ(form().viewX, 5);
    drag(40, 50, 100, 50); // -30 would take the origin to -25
    EXPECT_EQ(form().viewX, 0);
    EXPECT_EQ(view().pos(), QPoint(0, 0));

    drag(100, 40, 100, 100);
    EXPECT_EQ(form().viewY, 0);
}

TEST_F(MatrixViewTest, OnlyTheHorizontalMovementDecidesWhetherTheViewFollows) {
    form().drawMatrixS();
    drag(100, 100, 100, 40);
    EXPECT_EQ(form().viewY, 30);
    EXPECT_EQ(view().pos(), QPoint(0, 0));

    // The next horizontal drag brings the vertical change along.
    drag(100, 100, 90, 100);
    EXPECT_EQ(form().viewX, 5);
    EXPECT_EQ(view().pos(), QPoint(-5, -30));
}

TEST_F(MatrixViewTest, RedrawPutsTheViewBackAtTheCornerAndDrawsFromTheOrigin) {
    form().drawMatrixS();
    drag(100, 100, 80, 60);
    ASSERT_EQ(view().pos(), QPoint(-10, -20));
    form().drawMatrixS();
    EXPECT_EQ(view().pos(), QPoint(0, 0));
    EXPECT_EQ(view().point(1, 1), cellColor(10, 20));
}

} // namespace
} // namespace tessaline::testing
