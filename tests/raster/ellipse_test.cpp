#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "raster/gdi.h"
#include "raster_test_util.h"

namespace {

using raster::Bitmap;
using raster::Rect;

constexpr raster::Color kPen = 0x000000;
constexpr raster::Color kBrush = 0x3366FF;
constexpr raster::Color kPaper = 0xFFFFFF;
constexpr int kSide = 140;

struct Size {
  int w, h;
};

Rect BoxOf(Size s) {
  return Rect{4, 3, 4 + s.w, 3 + s.h};
}

Bitmap Draw(Size s, const raster::OptionalPen& pen, const raster::OptionalBrush& brush) {
  Bitmap b(kSide, kSide, kPaper);
  raster::DrawEllipse(b, BoxOf(s), pen, brush);
  return b;
}

class EllipseSizeTest : public testing::TestWithParam<Size> {};

TEST_P(EllipseSizeTest, OutlineCoversExactlyTheBoxColumnsAndRows) {
  const Bitmap b = Draw(GetParam(), raster::Pen{1, kPen}, std::nullopt);
  EXPECT_EQ(raster_test::PaintedBounds(b, kPaper), BoxOf(GetParam()));
}

TEST_P(EllipseSizeTest, IsSymmetricAboutBothAxes) {
  const Size s = GetParam();
  const Bitmap b = Draw(s, raster::Pen{1, kPen}, kBrush);
  const Rect box = BoxOf(s);
  for (int y = 0; y < s.h; ++y) {
    for (int x = 0; x < s.w; ++x) {
      const auto at = [&](int px, int py) {
        return b.pixel(static_cast<int>(box.left) + px, static_cast<int>(box.top) + py);
      };
      ASSERT_EQ(at(x, y), at(s.w - 1 - x, y)) << x << "," << y;
      ASSERT_EQ(at(x, y), at(x, s.h - 1 - y)) << x << "," << y;
    }
  }
}

TEST_P(EllipseSizeTest, FillSpansEachRowBetweenTheOutlinesPixels) {
  const Size s = GetParam();
  const Bitmap outline = Draw(s, raster::Pen{1, kPen}, std::nullopt);
  const Bitmap both = Draw(s, raster::Pen{1, kPen}, kBrush);
  const Bitmap penless = Draw(s, std::nullopt, kBrush);
  for (int y = 0; y < kSide; ++y) {
    int first = kSide, last = -1;
    for (int x = 0; x < kSide; ++x) {
      if (outline.pixel(x, y) == kPen) {
        first = std::min(first, x);
        last = std::max(last, x);
      }
    }
    for (int x = 0; x < kSide; ++x) {
      const bool between = x >= first && x <= last;
      const raster::Color expected = outline.pixel(x, y) == kPen ? kPen : between ? kBrush : kPaper;
      ASSERT_EQ(both.pixel(x, y), expected) << x << "," << y;
      ASSERT_EQ(penless.pixel(x, y), between ? kBrush : kPaper) << x << "," << y;
    }
  }
}

TEST_P(EllipseSizeTest, OutlineIsOneConnectedCurve) {
  const Size s = GetParam();
  Bitmap b = Draw(s, raster::Pen{1, kPen}, std::nullopt);
  const std::size_t total = raster_test::Painted(b, kPaper).size();
  // Flood the curve from its first pixel through 8-connected neighbours.
  std::vector<raster::Point> stack = {raster_test::Painted(b, kPaper).front()};
  std::size_t reached = 0;
  while (!stack.empty()) {
    const raster::Point p = stack.back();
    stack.pop_back();
    if (!b.contains(p.x, p.y) || b.pixel(static_cast<int>(p.x), static_cast<int>(p.y)) != kPen) {
      continue;
    }
    b.setPixel(p.x, p.y, kPaper);
    ++reached;
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) stack.push_back({p.x + dx, p.y + dy});
    }
  }
  EXPECT_EQ(reached, total);
}

std::string SizeName(const testing::TestParamInfo<Size>& info) {
  return std::to_string(info.param.w) + "x" + std::to_string(info.param.h);
}

// Common sizes, the kit's circles (radius 57, 15, 8), and tall narrow boxes whose tips the
// walk along the sides alone would miss.
INSTANTIATE_TEST_SUITE_P(Boxes, EllipseSizeTest,
                         testing::Values(Size{3, 3}, Size{4, 4}, Size{5, 5}, Size{6, 3},
                                         Size{3, 10}, Size{4, 30}, Size{5, 40}, Size{6, 25},
                                         Size{8, 60}, Size{17, 17}, Size{31, 31}, Size{115, 115},
                                         Size{40, 40}, Size{41, 20}, Size{20, 41}, Size{100, 7},
                                         Size{7, 100}, Size{64, 37}),
                         SizeName);

class SmallEllipseTest : public testing::TestWithParam<Size> {};

TEST_P(SmallEllipseTest, IsTheRectangleOfTheSameBox) {
  const Size s = GetParam();
  for (const raster::OptionalPen& pen : {raster::OptionalPen({1, kPen}), raster::OptionalPen()}) {
    Bitmap rect(kSide, kSide, kPaper);
    raster::DrawRectangle(rect, BoxOf(s), pen, kBrush);
    EXPECT_EQ(Draw(s, pen, kBrush), rect);
  }
}

INSTANTIATE_TEST_SUITE_P(Boxes, SmallEllipseTest,
                         testing::Values(Size{1, 1}, Size{2, 2}, Size{2, 7}, Size{9, 2},
                                         Size{1, 30}, Size{30, 1}),
                         SizeName);

TEST(EllipseTest, ThreeByThreeIsAPlusSign) {
  const Bitmap b = Draw({3, 3}, raster::Pen{1, kPen}, kPen);
  const std::vector<raster::Point> plus = {{5, 3}, {4, 4}, {5, 4}, {6, 4}, {5, 5}};
  EXPECT_EQ(raster_test::Painted(b, kPaper), plus);
}

TEST(EllipseTest, FortyByFortyHasFlatRunsOfEightOnEverySide) {
  const Bitmap b = Draw({40, 40}, raster::Pen{1, kPen}, std::nullopt);
  const auto run = [&](int x0, int y0, int dx, int dy) {
    int n = 0;
    for (int i = 0; i < 40; ++i) n += b.pixel(x0 + i * dx, y0 + i * dy) == kPen ? 1 : 0;
    return n;
  };
  EXPECT_EQ(run(4, 3, 1, 0), 8);   // top row
  EXPECT_EQ(run(4, 42, 1, 0), 8);  // bottom row
  EXPECT_EQ(run(4, 3, 0, 1), 8);   // left column
  EXPECT_EQ(run(43, 3, 0, 1), 8);  // right column
}

struct RecordedCount {
  Size size;
  int penWidth;
  bool brush;
  std::size_t painted;
};

class EllipseReferenceTest : public testing::TestWithParam<RecordedCount> {};

TEST_P(EllipseReferenceTest, PaintsAsManyPixelsAsTheReference) {
  const RecordedCount& c = GetParam();
  const raster::OptionalBrush brush = c.brush ? raster::OptionalBrush(kBrush) : std::nullopt;
  const raster::OptionalPen pen =
      c.penWidth > 0 ? raster::OptionalPen({c.penWidth, kPen}) : std::nullopt;
  EXPECT_EQ(raster_test::Painted(Draw(c.size, pen, brush), kPaper).size(), c.painted);
}

INSTANTIATE_TEST_SUITE_P(Counts, EllipseReferenceTest,
                         testing::Values(RecordedCount{{115, 115}, 1, false, 324},
                                         RecordedCount{{31, 31}, 1, false, 84},
                                         RecordedCount{{17, 17}, 1, false, 44},
                                         RecordedCount{{115, 115}, 0, true, 10365},
                                         RecordedCount{{115, 115}, 3, false, 1284},
                                         RecordedCount{{31, 31}, 5, false, 518}));

}  // namespace
