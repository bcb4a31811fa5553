#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "raster/gdi.h"
#include "raster_test_util.h"

namespace {

using raster::Bitmap;
using raster::Point;

constexpr raster::Color kBrush = 0xFF0000;
constexpr raster::Color kPen = 0x000000;
constexpr raster::Color kPaper = 0xFFFFFF;

Bitmap Filled(std::span<const Point> points, int w = 64, int h = 64) {
  Bitmap b(w, h, kPaper);
  raster::DrawPolygon(b, points, std::nullopt, kBrush);
  return b;
}

// The integer point (x, y) is inside when an odd number of edges cross row y at or left of x;
// an edge crosses rows ymin..ymax-1, and a crossing at x' counts when ceil(x') <= x.
bool InsideByCrossings(std::span<const Point> p, std::int64_t x, std::int64_t y) {
  bool inside = false;
  for (std::size_t i = 0; i < p.size(); ++i) {
    Point a = p[i], c = p[(i + 1) % p.size()];
    if (a.y > c.y) std::swap(a, c);
    if (y < a.y || y >= c.y) continue;
    // ceil(a.x + (y - a.y)(c.x - a.x)/(c.y - a.y)) <= x  <=>  crossing <= x
    const std::int64_t num = (y - a.y) * (c.x - a.x), den = c.y - a.y;
    if (num <= (x - a.x) * den) inside = !inside;
  }
  return inside;
}

using Triangle = std::array<Point, 3>;

class TriangleFillTest : public testing::TestWithParam<Triangle> {};

TEST_P(TriangleFillTest, FillsExactlyThePixelsWhosePointIsInside) {
  const Triangle& t = GetParam();
  const Bitmap b = Filled(t);
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      EXPECT_EQ(b.pixel(x, y) == kBrush, InsideByCrossings(t, x, y)) << x << "," << y;
    }
  }
}

TEST_P(TriangleFillTest, OutlineDrawsEveryVertexOnTopOfTheFill) {
  const Triangle& t = GetParam();
  Bitmap b(64, 64, kPaper);
  raster::DrawPolygon(b, t, raster::Pen{1, kPen}, kBrush);
  for (const Point& p : t) EXPECT_EQ(b.pixel(static_cast<int>(p.x), static_cast<int>(p.y)), kPen);
  Bitmap lines(64, 64, kPaper);
  for (std::size_t i = 0; i < 3; ++i) raster::DrawLine(lines, t[i], t[(i + 1) % 3], {1, kPen});
  for (const Point& p : raster_test::Painted(lines, kPaper)) {
    EXPECT_EQ(b.pixel(static_cast<int>(p.x), static_cast<int>(p.y)), kPen);
  }
}

TEST_P(TriangleFillTest, TrianglesSharingAnEdgeTileWithNoGapOrOverlap) {
  // Each triangle and its mirror across the edge from its first to its second corner.
  const Triangle& t = GetParam();
  const Point a = t[0], c = t[1];
  const Triangle mirror = {a, c, Point{a.x + c.x - t[2].x, a.y + c.y - t[2].y}};
  const std::array<Point, 4> quad = {a, t[2], c, mirror[2]};
  const Bitmap one = Filled(t), two = Filled(mirror);
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      const bool inOne = one.pixel(x, y) == kBrush, inTwo = two.pixel(x, y) == kBrush;
      EXPECT_FALSE(inOne && inTwo) << "overlap at " << x << "," << y;
      if (InsideByCrossings(quad, x, y)) {
        EXPECT_TRUE(inOne || inTwo) << "gap at " << x << "," << y;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Triangles, TriangleFillTest,
                         testing::Values(Triangle{{{10, 5}, {50, 30}, {20, 55}}},
                                         Triangle{{{32, 2}, {2, 40}, {60, 40}}},
                                         Triangle{{{5, 5}, {58, 6}, {31, 59}}},
                                         Triangle{{{30, 10}, {31, 50}, {29, 30}}},
                                         Triangle{{{3, 33}, {60, 31}, {40, 32}}},
                                         Triangle{{{20, 20}, {40, 20}, {30, 40}}},
                                         Triangle{{{20, 20}, {20, 44}, {44, 44}}},
                                         Triangle{{{17, 49}, {44, 11}, {52, 58}}}));

TEST(PolygonTest, ConeTriangleMatchesTheReference) {
  // The kit's cone: (0,-175), (-60,25), (60,25) around (300,250), as the reference draws it.
  Bitmap b(601, 540, kPaper);
  const std::array<Point, 3> cone = {Point{300, 425}, Point{240, 225}, Point{360, 225}};
  raster::DrawPolygon(b, cone, std::nullopt, kBrush);
  const std::vector<Point> painted = raster_test::Painted(b, kPaper);
  EXPECT_EQ(painted.size(), 12060u);
  EXPECT_EQ(raster_test::PaintedBounds(b, kPaper), (raster::Rect{240, 225, 360, 425}));
}

TEST(PolygonTest, SelfIntersectingPolygonUsesTheAlternateRule) {
  // A five-pointed star: with the alternate rule its centre stays empty.
  const std::array<Point, 5> star = {Point{32, 2}, Point{50, 60}, Point{2, 22}, Point{62, 22},
                                     Point{14, 60}};
  const Bitmap b = Filled(star);
  EXPECT_EQ(b.pixel(32, 34), kPaper);
  EXPECT_EQ(b.pixel(32, 10), kBrush);
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) EXPECT_EQ(b.pixel(x, y) == kBrush, InsideByCrossings(star, x, y));
  }
}

TEST(PolygonTest, HugeCoordinatesFillWhatIsVisibleWithoutHanging) {
  const std::array<Point, 3> huge = {Point{INT64_MIN, INT64_MIN}, Point{INT64_MAX, INT64_MIN},
                                     Point{0, INT64_MAX}};
  Bitmap b(40, 30, kPaper);
  raster::DrawPolygon(b, huge, raster::Pen{1, kPen}, kBrush);
  EXPECT_EQ(b, Bitmap(40, 30, kBrush));
  const std::array<Point, 3> far = {Point{INT64_MAX, 0}, Point{INT64_MAX - 5, 9},
                                    Point{INT64_MAX, 20}};
  Bitmap c(40, 30, kPaper);
  raster::DrawPolygon(c, far, raster::Pen{7, kPen}, kBrush);
  EXPECT_EQ(c, Bitmap(40, 30, kPaper));
}

TEST(PolygonTest, DegeneratePolygonsDrawOnlyTheirOutline) {
  Bitmap b(20, 20, kPaper);
  const std::array<Point, 3> dot = {Point{5, 5}, Point{5, 5}, Point{5, 5}};
  raster::DrawPolygon(b, dot, raster::Pen{1, kPen}, kBrush);
  EXPECT_EQ(b, Bitmap(20, 20, kPaper));
  const std::array<Point, 2> segment = {Point{2, 9}, Point{8, 9}};
  raster::DrawPolygon(b, segment, raster::Pen{1, kPen}, kBrush);
  EXPECT_EQ(raster_test::PaintedBounds(b, kPaper), (raster::Rect{2, 9, 9, 10}));
  raster::DrawPolygon(b, std::span<const Point>(), raster::Pen{3, kPen}, kBrush);
}

}  // namespace
