// Canvas rendering through the kit's calls: where figures land, their edges, text placement.

#include "colors.h"
#include "canvas_session.h"
#include "raster/text.h"

namespace {

constexpr raster::Color White = 0xFFFFFF, Black = 0x000000, Red = 0xFF0000, Blue = 0x0000FF;

using Render = CanvasSession;

TEST_F(Render, FillCanvasIsWhiteInsideABlackFrame) {
  kit::State().canvas = raster::Bitmap(601, 540, Blue);  // so that the frame must be drawn
  KitClear();
  const raster::Bitmap& c = KitCanvas();
  EXPECT_EQ(c.pixel(0, 0), Black);
  EXPECT_EQ(c.pixel(1, 1), White);
  EXPECT_EQ(c.pixel(600, 539), Black);
  EXPECT_EQ(c.pixel(600, 1), Black);
  EXPECT_EQ(c.pixel(599, 538), White);
  EXPECT_EQ(CountAll(Black), 2 * 601 + 2 * 538);
}

TEST_F(Render, FilledRectangleCoversBothCorners) {
  KitRectangle(2, -10, 10, 10, -10, 0);
  const int ox = KitOriginX(), oy = KitOriginY();
  EXPECT_EQ(Count(Red, ox - 10, oy - 10, ox + 11, oy + 11), 21 * 21);
  EXPECT_EQ(CountAll(Red), 21 * 21);
}

// A filled box, then a second one over part, all or none of it, or inside it: the canvas is what
// painting both in turn gives, whichever columns or rows the second one covers.
struct TwoBoxes {
  const char* name;
  int first[4];  // kit corners: left, top, right, bottom
  int second[4];
};
constexpr TwoBoxes kTwoBoxes[] = {
    {"RightPart", {-20, 10, 20, -10}, {5, 10, 30, -10}},
    {"LeftPart", {-20, 10, 20, -10}, {-30, 12, 0, -12}},
    {"All", {-20, 10, 20, -10}, {-20, 10, 20, -10}},
    {"Middle", {-20, 10, 20, -10}, {-5, 10, 5, -10}},
    {"Inside", {-20, 10, 20, -10}, {-19, 9, 19, -9}},
    {"Corner", {-20, 10, 20, -10}, {10, 20, 30, 5}},
    {"BottomRows", {-20, 10, 20, -10}, {-30, -5, 30, -20}},
    {"Below", {-20, 10, 20, -10}, {-20, -11, 20, -20}},
    {"SomeRowsOnly", {-20, 10, 20, -10}, {5, 9, 30, -10}},
    {"Apart", {-20, 10, 20, -10}, {25, 10, 30, -10}},
    {"TouchingTheRightEdge", {-20, 10, 20, -10}, {20, 10, 30, -10}},
    {"OnePixelSecond", {-20, 10, 20, -10}, {0, 0, 0, 0}},
    {"OffTheCanvas", {-400, 300, 400, -300}, {0, 300, 500, -300}},
};

class FilledBoxes : public Render, public testing::WithParamInterface<TwoBoxes> {};

TEST_P(FilledBoxes, CanvasIsBothPaintedInTurn) {
  raster::Bitmap expected = KitCanvas();
  const auto paint = [&](const int* c, int color) {
    KitRectangle(color, c[0], c[1], c[2], c[3], 0);
    const raster::Rect box{KitOriginX() + c[0], KitOriginY() - c[1], KitOriginX() + c[2] + 1,
                           KitOriginY() - c[3] + 1};
    if (box.width() > 1 || box.height() > 1) expected.fillRect(box, kit::ColorTable[color].rgb);
  };
  paint(GetParam().first, 2);
  paint(GetParam().second, 4);
  EXPECT_TRUE(KitCanvas() == expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, FilledBoxes, testing::ValuesIn(kTwoBoxes),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Render, OneWideRectangleIsAFrameOfFiveByFive) {
  KitRectangle(4, 0, 0, 4, -4, 1);
  EXPECT_EQ(CountAll(Blue), 16);
  EXPECT_EQ(At(0, 0), Blue);
  EXPECT_EQ(At(4, -4), Blue);
  EXPECT_EQ(At(2, -2), White);
}

TEST_F(Render, LineLeavesOutItsEndPixel) {
  KitLine(2, 0, 0, 10, 0, 1);
  EXPECT_EQ(CountAll(Red), 10);
  EXPECT_EQ(At(0, 0), Red);
  EXPECT_EQ(At(9, 0), Red);
  EXPECT_EQ(At(10, 0), White);
}

TEST_F(Render, CircleOfRadiusZeroIsTheOnePixelBoxAndDrawsNothing) {
  KitCircle(2, 0, 0, 0);
  EXPECT_EQ(CountAll(Red), 0);
}

TEST_F(Render, CircleIsSymmetricAndSpansItsBox) {
  KitCircle(2, 20, -30, 15);
  EXPECT_EQ(At(20, -30), Red);
  for (int d : {-15, 15}) {
    EXPECT_EQ(At(20 + d, -30), Red) << d;
    EXPECT_EQ(At(20, -30 + d), Red) << d;
    EXPECT_EQ(At(20 + d + (d > 0 ? 1 : -1), -30), White) << d;
  }
  const raster::Bitmap& c = KitCanvas();
  const int cx = KitOriginX() + 20, cy = KitOriginY() + 30;
  for (int dy = -16; dy <= 16; ++dy)
    for (int dx = -16; dx <= 16; ++dx)
      ASSERT_EQ(c.pixel(cx + dx, cy + dy), c.pixel(cx - dx, cy - dy)) << dx << "," << dy;
}

TEST_F(Render, TextSitsDirectlyAboveItsAnchor) {
  KitText(0, -50, 0, 20, "Hg");
  const int h = raster::MeasureText(raster::Face::Sans, 20, "Hg").height;
  const int top = KitOriginY() - h, left = KitOriginX() - 50;
  const int inside = Count(Black, left, top, left + 40, KitOriginY());
  EXPECT_GT(inside, 20);
  EXPECT_EQ(CountAll(Black) - 2 * 601 - 2 * 538, inside);
}

TEST_F(Render, SecondLineStartsAtTheAnchorRow) {
  KitText(0, 0, 0, 16, "\nX");
  const int h = raster::MeasureText(raster::Face::Sans, 16, "\nX").height;
  const int ox = KitOriginX(), oy = KitOriginY();
  EXPECT_EQ(Count(Black, ox, oy - h, ox + 30, oy), 0);
  EXPECT_GT(Count(Black, ox, oy, ox + 30, oy + h), 10);
}

TEST_F(Render, TrailingLineFeedAddsNothing) {
  KitText(2, 0, 0, 16, "Line");
  const raster::Bitmap without = KitCanvas();
  KitClear();
  KitText(2, 0, 0, 16, "Line\n");
  EXPECT_TRUE(KitCanvas() == without);
}

}  // namespace
