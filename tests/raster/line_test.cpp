#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "raster/gdi.h"
#include "raster_test_util.h"

namespace {

using raster::Bitmap;
using raster::Point;

constexpr raster::Color kInk = 0x00AA00;
const raster::Pen kThin{1, kInk};

// The rule as written: octants 1..8 clockwise from +x with y down, a bias of 1 in
// octants 3, 5, 6 and 8, one plotted pixel per major step, the end pixel left out.
std::vector<Point> LiteralLine(Point from, Point to) {
  const std::int64_t dx = to.x - from.x, dy = to.y - from.y;
  int octant = 0;
  if (dy > 0) {
    octant = dx > 0 ? (dx > dy ? 1 : 2) : (-dx > dy ? 4 : 3);
  } else {
    octant = dx < 0 ? (-dx > -dy ? 5 : 6) : (dx > -dy ? 8 : 7);
  }
  const bool xMajor = octant == 1 || octant == 4 || octant == 5 || octant == 8;
  const int bias = octant == 3 || octant == 5 || octant == 6 || octant == 8 ? 1 : 0;
  const std::int64_t major = xMajor ? std::llabs(dx) : std::llabs(dy);
  const std::int64_t minor = xMajor ? std::llabs(dy) : std::llabs(dx);
  const std::int64_t sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
  std::vector<Point> out;
  Point p = from;
  std::int64_t err = 2 * minor - major;
  for (std::int64_t i = 0; i < major; ++i) {
    out.push_back(p);
    if (err + bias > 0) {
      (xMajor ? p.y : p.x) += xMajor ? sy : sx;
      err += 2 * minor - 2 * major;
    } else {
      err += 2 * minor;
    }
    (xMajor ? p.x : p.y) += xMajor ? sx : sy;
  }
  return out;
}

Bitmap Expected(int w, int h, const std::vector<Point>& points) {
  Bitmap b(w, h);
  for (const Point& p : points) b.setPixel(p.x, p.y, kInk);
  return b;
}

struct LineCase {
  Point from, to;
};

class ThinLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(ThinLineTest, FollowsTheBresenhamRuleWithGdiTieBreaking) {
  const auto [from, to] = GetParam();
  Bitmap b(64, 64);
  raster::DrawLine(b, from, to, kThin);
  EXPECT_EQ(b, Expected(64, 64, LiteralLine(from, to)));
}

TEST_P(ThinLineTest, StartingFarOffGivesTheVisiblePixelsOfTheWholeLine) {
  // The same line moved so that it starts about 100000 pixels off the bitmap.
  const auto [from, to] = GetParam();
  const std::int64_t sx = to.x >= from.x ? -1 : 1, sy = to.y >= from.y ? -1 : 1;
  const std::int64_t scale =
      1 + 100000 / (std::llabs(to.x - from.x) + std::llabs(to.y - from.y) + 1);
  const Point far{from.x + sx * (to.x - from.x == 0 ? 0 : 1) * scale * std::llabs(to.x - from.x),
                  from.y + sy * (to.y - from.y == 0 ? 0 : 1) * scale * std::llabs(to.y - from.y)};
  Bitmap b(64, 64);
  raster::DrawLine(b, far, to, kThin);
  EXPECT_EQ(b, Expected(64, 64, LiteralLine(far, to)));
}

// One line into each octant and onto each axis and diagonal, including slopes that hit ties.
INSTANTIATE_TEST_SUITE_P(Octants, ThinLineTest,
                         testing::Values(LineCase{{10, 30}, {50, 38}}, LineCase{{10, 30}, {18, 60}},
                                         LineCase{{50, 30}, {42, 60}}, LineCase{{50, 30}, {10, 38}},
                                         LineCase{{50, 30}, {10, 22}}, LineCase{{50, 30}, {42, 2}},
                                         LineCase{{10, 30}, {18, 2}}, LineCase{{10, 30}, {50, 22}},
                                         LineCase{{10, 30}, {50, 30}}, LineCase{{50, 30}, {10, 30}},
                                         LineCase{{30, 10}, {30, 50}}, LineCase{{30, 50}, {30, 10}},
                                         LineCase{{10, 10}, {40, 40}}, LineCase{{40, 40}, {10, 10}},
                                         LineCase{{40, 10}, {10, 40}}, LineCase{{10, 40}, {40, 10}},
                                         LineCase{{0, 0}, {4, 2}}, LineCase{{4, 2}, {0, 0}},
                                         LineCase{{0, 2}, {4, 0}}, LineCase{{4, 0}, {0, 2}},
                                         LineCase{{0, 0}, {2, 4}}, LineCase{{2, 4}, {0, 0}},
                                         LineCase{{2, 0}, {0, 4}}, LineCase{{0, 4}, {2, 0}},
                                         LineCase{{3, 3}, {63, 33}}, LineCase{{60, 61}, {1, 2}}));

// Pixels recorded from the reference renderer.
struct RecordedLine {
  Point from, to;
  std::vector<Point> pixels;
};

class RecordedLineTest : public testing::TestWithParam<RecordedLine> {};

TEST_P(RecordedLineTest, MatchesTheReference) {
  const RecordedLine& c = GetParam();
  Bitmap b(8, 8);
  raster::DrawLine(b, c.from, c.to, kThin);
  EXPECT_EQ(raster_test::Painted(b, 0), c.pixels);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RecordedLineTest,
    testing::Values(RecordedLine{{0, 0}, {4, 2}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
                    RecordedLine{{4, 2}, {0, 0}, {{1, 0}, {2, 1}, {3, 1}, {4, 2}}},
                    RecordedLine{{0, 0}, {2, 4}, {{0, 0}, {0, 1}, {1, 2}, {1, 3}}},
                    RecordedLine{{2, 4}, {0, 0}, {{0, 1}, {1, 2}, {1, 3}, {2, 4}}},
                    RecordedLine{{3, 3}, {3, 3}, {}},
                    RecordedLine{{1, 1}, {5, 1}, {{1, 1}, {2, 1}, {3, 1}, {4, 1}}},
                    RecordedLine{{0, 3}, {3, 0}, {{2, 1}, {1, 2}, {0, 3}}},
                    RecordedLine{{3, 0}, {0, 3}, {{3, 0}, {2, 1}, {1, 2}}},
                    RecordedLine{{0, 0}, {3, 3}, {{0, 0}, {1, 1}, {2, 2}}},
                    RecordedLine{{3, 3}, {0, 0}, {{1, 1}, {2, 2}, {3, 3}}},
                    RecordedLine{{6, 1}, {0, 4}, {{5, 1}, {6, 1}, {3, 2}, {4, 2}, {1, 3}, {2, 3}}},
                    RecordedLine{
                        {1, 6}, {4, 0}, {{3, 1}, {3, 2}, {2, 3}, {2, 4}, {1, 5}, {1, 6}}}));

TEST(ThinLineTest, DiagonalAcrossTheWholeCoordinateRangePaintsTheMainDiagonal) {
  Bitmap b(20, 12);
  raster::DrawLine(b, {INT64_MIN, INT64_MIN}, {INT64_MAX, INT64_MAX}, kThin);
  std::vector<Point> diagonal;
  for (int i = 0; i < 12; ++i) diagonal.push_back({i, i});
  EXPECT_EQ(raster_test::Painted(b, 0), diagonal);
}

TEST(ThinLineTest, ExtremeEndpointsNeitherCrashNorHang) {
  const std::int64_t values[] = {INT64_MIN, INT64_MIN + 1, -1, 0, 7, INT64_MAX - 1, INT64_MAX};
  Bitmap b(16, 16);
  for (std::int64_t a : values) {
    for (std::int64_t c : values) {
      raster::DrawLine(b, {a, c}, {c, a}, kThin);
      raster::DrawLine(b, {a, 3}, {c, 9}, kThin);
      raster::DrawLine(b, {5, a}, {11, c}, raster::Pen{5, kInk});
    }
  }
  EXPECT_FALSE(raster_test::Painted(b, 0).empty());
}

}  // namespace
