#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>

#include "raster/gdi.h"
#include "raster_test_util.h"

namespace {

using raster::Bitmap;
using raster::Point;
using raster::Rect;

constexpr raster::Color kPen = 0x202020;
constexpr raster::Color kBrush = 0xE08040;
constexpr raster::Color kPaper = 0xFFFFFF;

// Draws one figure with its geometry moved by (dx, dy).
using Figure = std::function<void(Bitmap&, std::int64_t dx, std::int64_t dy)>;

struct FigureCase {
  const char* name;
  Figure draw;
};

std::string NameOf(const testing::TestParamInfo<FigureCase>& info) {
  return info.param.name;
}

Rect Moved(Rect r, std::int64_t dx, std::int64_t dy) {
  return Rect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

const std::array<Point, 3> kTriangle = {Point{60, 5}, Point{5, 110}, Point{118, 80}};

std::array<Point, 3> MovedTriangle(std::int64_t dx, std::int64_t dy) {
  std::array<Point, 3> t = kTriangle;
  for (Point& p : t) p = Point{p.x + dx, p.y + dy};
  return t;
}

const FigureCase kFigures[] = {
    {"FilledRectangle",
     [](Bitmap& b, std::int64_t dx, std::int64_t dy) {
       raster::DrawRectangle(b, Moved({10, 12, 110, 100}, dx, dy), raster::Pen{1, kPen}, kBrush);
     }},
    {"WideRectangle",
     [](Bitmap& b, std::int64_t dx, std::int64_t dy) {
       raster::DrawRectangle(b, Moved({10, 12, 110, 100}, dx, dy), raster::Pen{9, kPen},
                             std::nullopt);
     }},
    {"FilledEllipse",
     [](Bitmap& b, std::int64_t dx, std::int64_t dy) {
       raster::DrawEllipse(b, Moved({3, 4, 118, 119}, dx, dy), raster::Pen{1, kPen}, kBrush);
     }},
    {"WideEllipse",
     [](Bitmap& b, std::int64_t dx, std::int64_t dy) {
       raster::DrawEllipse(b, Moved({8, 10, 112, 81}, dx, dy), raster::Pen{5, kPen}, kBrush);
     }},
    {"FilledTriangle",
     [](Bitmap& b, std::int64_t dx, std::int64_t dy) {
       raster::DrawPolygon(b, MovedTriangle(dx, dy), raster::Pen{1, kPen}, kBrush);
     }},
    {"WideTriangle",
     [](Bitmap& b, std::int64_t dx, std::int64_t dy) {
       raster::DrawPolygon(b, MovedTriangle(dx, dy), raster::Pen{4, kPen}, std::nullopt);
     }},
    {"ThinLine",
     [](Bitmap& b, std::int64_t dx, std::int64_t dy) {
       raster::DrawLine(b, {2 + dx, 117 + dy}, {119 + dx, 3 + dy}, raster::Pen{1, kPen});
     }},
    {"WideLine",
     [](Bitmap& b, std::int64_t dx, std::int64_t dy) {
       raster::DrawLine(b, {5 + dx, 20 + dy}, {115 + dx, 95 + dy}, raster::Pen{7, kPen});
     }},
};

class FigureTest : public testing::TestWithParam<FigureCase> {};

TEST_P(FigureTest, DrawingPartlyOutsideEqualsCroppingALargerDrawing) {
  Bitmap large(130, 130, kPaper);
  GetParam().draw(large, 0, 0);
  ASSERT_FALSE(raster_test::Painted(large, kPaper).empty());
  // Windows onto each corner and the middle of the figure.
  const std::array<Point, 5> origins = {Point{-5, -5}, Point{70, -5}, Point{-5, 70}, Point{70, 70},
                                        Point{40, 33}};
  for (const Point& o : origins) {
    Bitmap small(60, 60, kPaper);
    GetParam().draw(small, -o.x, -o.y);
    Bitmap crop(60, 60, kPaper);
    crop.copyFrom(large, o.x, o.y, 60, 60, 0, 0);
    EXPECT_EQ(small, crop) << "window at " << o.x << "," << o.y;
  }
}

TEST_P(FigureTest, FarAwayDrawsNothing) {
  for (std::int64_t far :
       {std::int64_t{-1} << 40, std::int64_t{1} << 40, INT64_MAX / 2, INT64_MIN / 2}) {
    Bitmap b(50, 50, kPaper);
    GetParam().draw(b, far, 0);
    GetParam().draw(b, 0, far);
    EXPECT_EQ(b, Bitmap(50, 50, kPaper)) << far;
  }
}

INSTANTIATE_TEST_SUITE_P(Figures, FigureTest, testing::ValuesIn(kFigures), NameOf);

TEST(FigureTest, ReversedBoxesAreNormalised) {
  for (const raster::OptionalPen& pen :
       {raster::OptionalPen({1, kPen}), raster::OptionalPen({6, kPen})}) {
    Bitmap forward(90, 90, kPaper), reversed(90, 90, kPaper);
    raster::DrawRectangle(forward, {10, 20, 70, 60}, pen, kBrush);
    raster::DrawRectangle(reversed, {70, 60, 10, 20}, pen, kBrush);
    raster::DrawEllipse(forward, {15, 5, 80, 40}, pen, kBrush);
    raster::DrawEllipse(reversed, {80, 5, 15, 40}, pen, kBrush);
    EXPECT_EQ(forward, reversed);
  }
}

TEST(FigureTest, BoxesSpanningTheWholeCoordinateRangeFinishAndCoverTheBitmap) {
  const Rect everything{INT64_MIN, INT64_MIN, INT64_MAX, INT64_MAX};
  Bitmap b(40, 30, kPaper);
  raster::DrawRectangle(b, everything, raster::Pen{3, kPen}, kBrush);
  EXPECT_EQ(b, Bitmap(40, 30, kBrush));
  Bitmap e(40, 30, kPaper);
  raster::DrawEllipse(e, everything, raster::Pen{3, kPen}, kBrush);
  EXPECT_EQ(e, Bitmap(40, 30, kBrush));
  // A huge circle whose edge crosses the bitmap: drawn from the approximation, still a curve.
  Bitmap c(40, 30, kPaper);
  raster::DrawEllipse(
      c, Rect{20 - (std::int64_t{1} << 40), -(std::int64_t{1} << 39), 21, std::int64_t{1} << 39},
      raster::Pen{1, kPen}, kBrush);
  EXPECT_EQ(c.pixel(20, 15), kPen);
  EXPECT_EQ(c.pixel(10, 15), kBrush);
  EXPECT_EQ(c.pixel(30, 15), kPaper);
}

TEST(FigureTest, SillyPenWidthsAreSafe) {
  Bitmap b(30, 30, kPaper);
  for (int width : {INT32_MIN, -7, 0, 1 << 20, INT32_MAX}) {
    raster::DrawLine(b, {5, 5}, {25, 20}, raster::Pen{width, kPen});
    raster::DrawEllipse(b, {5, 5, 25, 20}, raster::Pen{width, kPen}, std::nullopt);
  }
  EXPECT_EQ(b.pixel(15, 12), kPen);
}

}  // namespace
