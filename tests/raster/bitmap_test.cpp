#include "raster/bitmap.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "int128.h"
#include "raster_test_util.h"

namespace {

using raster::Bitmap;
using raster::Color;
using raster::Rect;
using raster::detail::Int128;
using raster_test::Numbered;

constexpr std::int64_t kMin = INT64_MIN;
constexpr std::int64_t kMax = INT64_MAX;
constexpr Color kInk = 0x123456;

bool Inside(const Rect& r, std::int64_t x, std::int64_t y) {
  return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

class FillRectTest : public testing::TestWithParam<Rect> {};

TEST_P(FillRectTest, PaintsExactlyTheVisiblePartOfTheBox) {
  const Rect box = GetParam();
  Bitmap b(13, 9);
  b.fillRect(box, kInk);
  for (int y = 0; y < b.height(); ++y) {
    for (int x = 0; x < b.width(); ++x) {
      EXPECT_EQ(b.pixel(x, y), Inside(box, x, y) ? kInk : 0u) << x << "," << y;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Boxes, FillRectTest,
                         testing::Values(Rect{2, 3, 5, 7}, Rect{-4, -4, 3, 2}, Rect{10, 6, 40, 40},
                                         Rect{0, 0, 13, 9}, Rect{5, 5, 5, 9}, Rect{6, 6, 2, 2},
                                         Rect{kMin, kMin, kMax, kMax}, Rect{kMin, 2, 4, kMax},
                                         Rect{kMax - 1, 0, kMax, 5}, Rect{-3, kMin, 20, -1}));

struct CopyCase {
  std::int64_t sx, sy, w, h, dx, dy;
};

// Copies pixel by pixel what copyFrom should move, reading every source pixel before writing.
Bitmap NaiveCopy(const Bitmap& src, Bitmap dst, const CopyCase& c) {
  const Bitmap from = src;
  for (std::int64_t j = 0; j < std::min<std::int64_t>(c.h, 64); ++j) {
    for (std::int64_t i = 0; i < std::min<std::int64_t>(c.w, 64); ++i) {
      const Int128 x = Int128{c.sx} + i, y = Int128{c.sy} + j;
      const Int128 tx = Int128{c.dx} + i, ty = Int128{c.dy} + j;
      if (x < 0 || y < 0 || x >= from.width() || y >= from.height()) continue;
      if (tx < 0 || ty < 0 || tx >= dst.width() || ty >= dst.height()) continue;
      dst.setPixel(static_cast<std::int64_t>(tx), static_cast<std::int64_t>(ty),
                   from.pixel(static_cast<int>(x), static_cast<int>(y)));
    }
  }
  return dst;
}

class CopyFromTest : public testing::TestWithParam<CopyCase> {};

TEST_P(CopyFromTest, MatchesPixelByPixelCopyBetweenBitmaps) {
  const CopyCase c = GetParam();
  const Bitmap src = Numbered(11, 7);
  Bitmap dst(9, 8, 7);
  const Bitmap expected = NaiveCopy(src, dst, c);
  dst.copyFrom(src, c.sx, c.sy, c.w, c.h, c.dx, c.dy);
  EXPECT_EQ(dst, expected);
}

TEST_P(CopyFromTest, MatchesPixelByPixelCopyWithinOneBitmap) {
  const CopyCase c = GetParam();
  Bitmap b = Numbered(11, 7);
  const Bitmap expected = NaiveCopy(b, b, c);
  b.copyFrom(b, c.sx, c.sy, c.w, c.h, c.dx, c.dy);
  EXPECT_EQ(b, expected);
}

INSTANTIATE_TEST_SUITE_P(Blocks, CopyFromTest,
                         testing::Values(CopyCase{0, 0, 11, 7, 0, 0}, CopyCase{1, 1, 4, 3, 2, 3},
                                         CopyCase{0, 0, 11, 7, 2, 1}, CopyCase{2, 2, 11, 7, -1, -2},
                                         CopyCase{-3, -2, 6, 6, 0, 0}, CopyCase{0, 0, 5, 5, -3, 6},
                                         CopyCase{3, 0, 5, 7, 1, 0}, CopyCase{1, 0, 5, 7, 3, 0},
                                         CopyCase{0, 0, 0, 5, 1, 1}, CopyCase{0, 0, 5, -2, 1, 1},
                                         CopyCase{kMin, kMin, kMax, kMax, 0, 0},
                                         CopyCase{0, 0, kMax, kMax, kMin, kMin},
                                         CopyCase{kMax, kMax, kMax, kMax, kMin, kMin},
                                         CopyCase{-2, -1, kMax, kMax, 1, 0},
                                         CopyCase{kMin + 2, 0, kMax, 3, kMax, 0}));

class ScrollRowsTest : public testing::TestWithParam<int> {};

TEST_P(ScrollRowsTest, MovesRowsAndLeavesUncoveredRowsAsTheyWere) {
  const int dy = GetParam();
  const Bitmap before = Numbered(5, 6);
  Bitmap b = before;
  b.scrollRows(dy);
  for (int y = 0; y < 6; ++y) {
    const std::int64_t from = std::int64_t{y} - dy;
    const int source = from >= 0 && from < 6 ? static_cast<int>(from) : y;
    for (int x = 0; x < 5; ++x) EXPECT_EQ(b.pixel(x, y), before.pixel(x, source)) << x << "," << y;
  }
}

INSTANTIATE_TEST_SUITE_P(Shifts, ScrollRowsTest,
                         testing::Values(0, 1, 2, 5, 6, 7, -1, -3, -5, -6, INT_MAX, INT_MIN));

struct ResizeCase {
  int w, h;
};

class ResizeTest : public testing::TestWithParam<ResizeCase> {};

TEST_P(ResizeTest, KeepsWhatFitsAndFillsTheRest) {
  const ResizeCase c = GetParam();
  const Bitmap before = Numbered(4, 3);
  Bitmap b = before;
  b.resize(c.w, c.h, kInk);
  ASSERT_EQ(b.width(), std::max(c.w, 0));
  ASSERT_EQ(b.height(), std::max(c.h, 0));
  for (int y = 0; y < b.height(); ++y) {
    for (int x = 0; x < b.width(); ++x) {
      EXPECT_EQ(b.pixel(x, y), before.contains(x, y) ? before.pixel(x, y) : kInk);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, ResizeTest,
                         testing::Values(ResizeCase{4, 3}, ResizeCase{6, 5}, ResizeCase{2, 2},
                                         ResizeCase{0, 0}, ResizeCase{-5, 3}, ResizeCase{7, 1}));

struct ClipCase {
  Rect box;
  Rect expected;
};

class ClipToBitmapTest : public testing::TestWithParam<ClipCase> {};

TEST_P(ClipToBitmapTest, KeepsThePartOnTheBitmap) {
  EXPECT_EQ(raster::ClipToBitmap(GetParam().box, 20, 10), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Boxes, ClipToBitmapTest,
                         testing::Values(ClipCase{{2, 3, 5, 7}, {2, 3, 5, 7}},
                                         ClipCase{{-5, -5, 5, 5}, {0, 0, 5, 5}},
                                         ClipCase{{15, 8, 30, 30}, {15, 8, 20, 10}},
                                         ClipCase{{kMin, kMin, kMax, kMax}, {0, 0, 20, 10}},
                                         ClipCase{{20, 0, 30, 5}, {}}, ClipCase{{-9, -9, 0, 0}, {}},
                                         ClipCase{{5, 5, 3, 8}, {}}));

TEST(BitmapTest, NegativeSizesGiveAnEmptyBitmap) {
  const Bitmap b(-3, 7, kInk);
  EXPECT_EQ(b.width(), 0);
  EXPECT_TRUE(b.pixels().empty());
}

TEST(BitmapTest, SetPixelIgnoresPointsOffTheBitmap) {
  Bitmap b(3, 3);
  for (std::int64_t v : {kMin, std::int64_t{-1}, std::int64_t{3}, kMax}) {
    b.setPixel(v, 1, kInk);
    b.setPixel(1, v, kInk);
  }
  EXPECT_EQ(b, Bitmap(3, 3));
  b.setPixel(2, 1, kInk);
  EXPECT_EQ(b.pixel(2, 1), kInk);
}

}  // namespace
