#include <gtest/gtest.h>

#include <array>
#include <random>
#include <vector>

#include "ellipse.h"
#include "raster/gdi.h"
#include "raster_test_util.h"
#include "stroke.h"

namespace {

using raster::Bitmap;
using raster::Point;
using raster::Rect;

constexpr raster::Color kInk = 0x000000;
constexpr raster::Color kPaper = 0xFFFFFF;

struct BoundsCase {
  const char* what;
  int width;
  std::vector<Point> points;  // a line (2 points), or a rectangle's two corners with `box`
  bool box;
  Rect covered;
  std::size_t painted;  // 0: not recorded
};

class WideBoundsTest : public testing::TestWithParam<BoundsCase> {};

TEST_P(WideBoundsTest, CoversWhatTheReferenceCovers) {
  const BoundsCase& c = GetParam();
  Bitmap b(601, 540, kPaper);
  const raster::Pen pen{c.width, kInk};
  if (c.box) {
    raster::DrawRectangle(b, Rect{c.points[0].x, c.points[0].y, c.points[1].x, c.points[1].y}, pen,
                          std::nullopt);
  } else if (c.points.size() == 2) {
    raster::DrawLine(b, c.points[0], c.points[1], pen);
  } else {
    raster::DrawPolygon(b, c.points, pen, std::nullopt);
  }
  EXPECT_EQ(raster_test::PaintedBounds(b, kPaper), c.covered) << c.what;
  if (c.painted != 0) {
    EXPECT_EQ(raster_test::Painted(b, kPaper).size(), c.painted) << c.what;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Strokes, WideBoundsTest,
    testing::Values(
        BoundsCase{
            "width 5 keeps the end pixel", 5, {{40, 10}, {60, 10}}, false, {38, 8, 63, 13}, 0},
        BoundsCase{"rounded corners", 8, {{100, 10}, {120, 26}}, true, {96, 6, 123, 29}, 0},
        BoundsCase{
            "even width: extra row on top", 4, {{10, 20}, {30, 20}}, false, {8, 18, 32, 22}, 0},
        BoundsCase{
            "even width: extra column left", 4, {{20, 10}, {20, 30}}, false, {18, 8, 22, 32}, 0},
        BoundsCase{
            "zero length: the tip alone", 5, {{80, 10}, {80, 10}}, false, {78, 8, 83, 13}, 21},
        BoundsCase{"1 x 1 box: the tip alone", 5, {{10, 10}, {11, 11}}, true, {8, 8, 13, 13}, 21},
        BoundsCase{"zero-width box: nothing", 5, {{30, 10}, {30, 20}}, true, {}, 0},
        BoundsCase{"cone, width 3",
                   3,
                   {{300, 425}, {240, 225}, {360, 225}},
                   false,
                   {239, 224, 362, 427},
                   1670},
        BoundsCase{"cone, width 4",
                   4,
                   {{300, 425}, {240, 225}, {360, 225}},
                   false,
                   {238, 223, 362, 427},
                   2306}));

TEST(WideStrokeTest, ThreePixelTipIsAPlusSign) {
  Bitmap b(10, 10, kPaper);
  raster::DrawLine(b, {4, 4}, {4, 4}, raster::Pen{3, kInk});
  const std::vector<Point> plus = {{4, 3}, {3, 4}, {4, 4}, {5, 4}, {4, 5}};
  EXPECT_EQ(raster_test::Painted(b, kPaper), plus);
}

TEST(WideStrokeTest, OddWidthRectangleOutlineIsSymmetric) {
  // The border's pixels run over columns 20..60 and rows 25..51: the centre is (40, 38).
  Bitmap b(81, 77, kPaper);
  raster::DrawRectangle(b, Rect{20, 25, 61, 52}, raster::Pen{7, kInk}, std::nullopt);
  for (int y = 0; y < 77; ++y) {
    for (int x = 0; x < 81; ++x) ASSERT_EQ(b.pixel(x, y), b.pixel(80 - x, 76 - y)) << x << "," << y;
  }
}

TEST(WideStrokeTest, FillOfAWideFigureLeavesTheStrokeInThePenColour) {
  Bitmap b(80, 80, kPaper);
  raster::DrawEllipse(b, Rect{10, 10, 60, 50}, raster::Pen{6, kInk}, 0x00FF00);
  Bitmap stroke(80, 80, kPaper);
  raster::DrawEllipse(stroke, Rect{10, 10, 60, 50}, raster::Pen{6, kInk}, std::nullopt);
  for (const Point& p : raster_test::Painted(stroke, kPaper)) {
    EXPECT_EQ(b.pixel(static_cast<int>(p.x), static_cast<int>(p.y)), kInk);
  }
  EXPECT_EQ(b.pixel(35, 30), 0x00FF00u);
}

struct PolylineCase {
  std::vector<Point> points;
  bool closed;
  int width;
};

class StrokeRegionTest : public testing::TestWithParam<PolylineCase> {};

TEST_P(StrokeRegionTest, IsPaintedAsDisjointSpans) {
  // Every piece of the stroke overlaps its neighbours; the region must still paint each
  // pixel once.
  const PolylineCase& c = GetParam();
  raster::detail::Region region(120, 100);
  raster::detail::StrokePolyline(region, c.points, c.closed, c.width);
  const auto& spans = region.Merged();
  ASSERT_FALSE(spans.empty());
  for (std::size_t i = 0; i < spans.size(); ++i) {
    EXPECT_LT(spans[i].x0, spans[i].x1);
    if (i == 0) continue;
    EXPECT_GE(spans[i].y, spans[i - 1].y);
    if (spans[i].y == spans[i - 1].y) {
      EXPECT_GT(spans[i].x0, spans[i - 1].x1);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Polylines, StrokeRegionTest,
    testing::Values(PolylineCase{{{10, 10}, {100, 80}}, false, 9},
                    PolylineCase{{{10, 10}, {100, 10}, {100, 80}, {10, 80}}, true, 12},
                    PolylineCase{{{60, 5}, {20, 90}, {110, 60}}, true, 5},
                    PolylineCase{{{60, 50}, {61, 51}, {62, 51}, {63, 52}}, false, 6},
                    PolylineCase{{{-50, -40}, {300, 200}}, false, 30}));

}  // namespace

// The row-by-row stroke of a rectangle must equal the general stroke of its closed path, for
// every small box size and pen width, on the bitmap and partly off it.
struct RectangleStrokeCase {
  int width;
  Point offset;
};

class RectangleStrokeTest : public testing::TestWithParam<RectangleStrokeCase> {};

TEST_P(RectangleStrokeTest, EqualsTheGeneralStrokeOfItsPath) {
  const RectangleStrokeCase& c = GetParam();
  for (int w = 2; w <= 24; ++w) {
    for (int h = 2; h <= 24; ++h) {
      const Point topLeft{c.offset.x, c.offset.y};
      const Point bottomRight{c.offset.x + w - 1, c.offset.y + h - 1};
      raster::Bitmap general(60, 50, 0xFFFFFF), direct(60, 50, 0xFFFFFF);
      raster::detail::Region region(60, 50);
      const std::array<Point, 4> path = {topLeft, Point{bottomRight.x, topLeft.y}, bottomRight,
                                         Point{topLeft.x, bottomRight.y}};
      raster::detail::StrokePolyline(region, path, true, c.width);
      region.Paint(general, 0x0000FF);
      raster::detail::StrokeRectangle(direct, topLeft, bottomRight, c.width, 0x0000FF);
      ASSERT_TRUE(direct == general) << w << " x " << h;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    WidthsAndPlaces, RectangleStrokeTest,
    testing::Values(RectangleStrokeCase{2, {10, 10}}, RectangleStrokeCase{3, {10, 10}},
                    RectangleStrokeCase{4, {20, 15}}, RectangleStrokeCase{5, {-3, -4}},
                    RectangleStrokeCase{7, {40, 30}}, RectangleStrokeCase{8, {-10, 30}},
                    RectangleStrokeCase{9, {12, -6}}, RectangleStrokeCase{16, {20, 20}}));

// The row-by-row stroke of an ellipse must equal the general stroke of the curve's closed path
// (its pixels in order around it), for every small box and pen width, on the bitmap and partly
// off it, including pens far wider than the box.
namespace {

// The lower right quarter row by row from the middle of the right side, each row from its
// outermost pixel in, then its mirrors in the order a walk around the curve meets them.
std::vector<Point> CurvePath(const Rect& box) {
  std::vector<raster::detail::QuarterRow> rows;
  raster::detail::QuarterRows(box, box.height() / 2, box.height(), rows);
  std::vector<Point> quarter;
  std::int64_t y = box.height() / 2;
  for (const raster::detail::QuarterRow& row : rows) {
    for (std::int64_t x = row.outer; x >= row.inner; --x) quarter.push_back({x, y});
    ++y;
  }
  const std::int64_t a = box.width() - 1, b = box.height() - 1;
  std::vector<Point> path = quarter;
  for (auto p = quarter.rbegin(); p != quarter.rend(); ++p) path.push_back({a - p->x, p->y});
  for (const Point& p : quarter) path.push_back({a - p.x, b - p.y});
  for (auto p = quarter.rbegin(); p != quarter.rend(); ++p) path.push_back({p->x, b - p->y});
  for (Point& p : path) p = {p.x + box.left, p.y + box.top};
  return path;
}

void ExpectStrokeOfThePath(const Rect& box, int width, int bitmapWidth, int bitmapHeight) {
  Bitmap general(bitmapWidth, bitmapHeight, kPaper), direct(bitmapWidth, bitmapHeight, kPaper);
  raster::detail::Region region(bitmapWidth, bitmapHeight);
  raster::detail::StrokePolyline(region, CurvePath(box), true, width);
  region.Paint(general, kInk);
  raster::detail::StrokeEllipse(direct, box, width, kInk);
  ASSERT_TRUE(direct == general) << "box " << box.left << "," << box.top << " " << box.width()
                                 << " x " << box.height() << ", pen " << width;
}

struct EllipseStrokeCase {
  int width;
  Point offset;
};

class EllipseStrokeTest : public testing::TestWithParam<EllipseStrokeCase> {};

TEST_P(EllipseStrokeTest, EqualsTheGeneralStrokeOfItsPath) {
  const EllipseStrokeCase& c = GetParam();
  for (int w = 3; w <= 26; ++w) {
    for (int h = 3; h <= 26; ++h) {
      ExpectStrokeOfThePath(Rect{c.offset.x, c.offset.y, c.offset.x + w, c.offset.y + h}, c.width,
                            64, 52);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    WidthsAndPlaces, EllipseStrokeTest,
    testing::Values(EllipseStrokeCase{2, {10, 10}}, EllipseStrokeCase{3, {10, 10}},
                    EllipseStrokeCase{4, {20, 15}}, EllipseStrokeCase{5, {-3, -4}},
                    EllipseStrokeCase{6, {30, 20}}, EllipseStrokeCase{7, {40, 30}},
                    EllipseStrokeCase{8, {-10, 30}}, EllipseStrokeCase{9, {12, -6}},
                    EllipseStrokeCase{12, {20, 20}}, EllipseStrokeCase{17, {25, 40}},
                    EllipseStrokeCase{40, {20, 12}}, EllipseStrokeCase{90, {-30, 50}}));

TEST(EllipseStrokeTest, LargeBoxesAndPensEqualTheGeneralStroke) {
  // Boxes up to 700 pixels, pens up to 300, somewhere across the bitmap's edges.
  std::mt19937 random(417);
  const auto pick = [&random](int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(random);
  };
  for (int i = 0; i < 40; ++i) {
    const int w = pick(3, 700), h = pick(3, 700), width = pick(2, 300);
    const int left = pick(-w - width / 2, 200), top = pick(-h - width / 2, 150);
    ExpectStrokeOfThePath(Rect{left, top, left + w, top + h}, width, 200, 150);
  }
}

}  // namespace
