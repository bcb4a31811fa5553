#include "raster/text.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <string_view>

#include "raster_test_util.h"

namespace {

using raster::Bitmap;
using raster::Face;

constexpr raster::Color kPaper = 0xFFFFFF;
constexpr raster::Color kInk = 0x0000FF;

struct FaceSize {
  Face face;
  int size;
};

std::string Name(const testing::TestParamInfo<FaceSize>& info) {
  const char* names[] = {"Sans", "Menu", "Fixed"};
  return names[static_cast<int>(info.param.face)] + std::to_string(info.param.size);
}

class TextSizeTest : public testing::TestWithParam<FaceSize> {};

TEST_P(TextSizeTest, MetricsDescribeACellAboutTheEmHeight) {
  const auto [face, size] = GetParam();
  const raster::FontMetrics m = raster::GetFontMetrics(face, size);
  EXPECT_GE(m.height, size);
  EXPECT_LE(m.height, size * 3 / 2 + 1);
  EXPECT_GT(m.ascent, m.height / 2);
  EXPECT_LT(m.ascent, m.height);
  EXPECT_GE(m.externalLeading, 0);
  EXPECT_GT(m.averageCharWidth, 0);
  EXPECT_LT(m.averageCharWidth, size);
}

TEST_P(TextSizeTest, ExtentIsTheSumOfCharacterWidthsAndTheCellHeight) {
  const auto [face, size] = GetParam();
  const std::string_view text = "Add Scoop \x80\t!";
  int sum = 0;
  for (char c : text) sum += raster::MeasureText(face, size, std::string_view(&c, 1)).width;
  const raster::TextExtent extent = raster::MeasureText(face, size, text);
  EXPECT_EQ(extent.width, sum);
  EXPECT_EQ(extent.height, raster::GetFontMetrics(face, size).height);
  EXPECT_EQ(raster::MeasureText(face, size, "").width, 0);
  EXPECT_EQ(raster::MeasureText(face, size, "").height, extent.height);
}

TEST_P(TextSizeTest, GlyphPixelsStayInsideTheExtentInTheTextColourOnly) {
  const auto [face, size] = GetParam();
  const std::string_view text = "Hg|jy_[W]@";
  Bitmap b(400, 120, kPaper);
  const int advance = raster::DrawText(b, face, size, 20, 30, text, kInk);
  const raster::TextExtent extent = raster::MeasureText(face, size, text);
  EXPECT_EQ(advance, extent.width);
  const auto painted = raster_test::Painted(b, kPaper);
  ASSERT_FALSE(painted.empty());
  for (const raster::Point& p : painted) {
    EXPECT_EQ(b.pixel(static_cast<int>(p.x), static_cast<int>(p.y)), kInk);
    EXPECT_GE(p.x, 20);
    EXPECT_LT(p.x, 20 + extent.width);
    EXPECT_GE(p.y, 30);
    EXPECT_LT(p.y, 30 + extent.height);
  }
}

TEST_P(TextSizeTest, BaselineSitsAtTheAscentBelowTheCellTop) {
  const auto [face, size] = GetParam();
  Bitmap b(200, 200, kPaper);
  raster::DrawText(b, face, size, 10, 10, "H", kInk);
  const raster::Rect bounds = raster_test::PaintedBounds(b, kPaper);
  EXPECT_EQ(bounds.bottom, 10 + raster::GetFontMetrics(face, size).ascent);
}

TEST_P(TextSizeTest, OpaqueTextFillsItsExtentAndDrawsTheSameGlyphs) {
  const auto [face, size] = GetParam();
  const std::string_view text = "m 3.5";
  Bitmap plain(200, 100, kPaper);
  raster::DrawText(plain, face, size, 7, 9, text, kInk);
  Bitmap opaque(200, 100, kPaper);
  raster::DrawTextOpaque(opaque, face, size, 7, 9, text, kInk, 0x00FF00);
  const raster::TextExtent extent = raster::MeasureText(face, size, text);
  for (int y = 0; y < 100; ++y) {
    for (int x = 0; x < 200; ++x) {
      const bool inExtent = x >= 7 && x < 7 + extent.width && y >= 9 && y < 9 + extent.height;
      const raster::Color expected =
          plain.pixel(x, y) == kInk ? kInk : (inExtent ? 0x00FF00 : kPaper);
      ASSERT_EQ(opaque.pixel(x, y), expected) << x << "," << y;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Faces, TextSizeTest,
                         testing::Values(FaceSize{Face::Sans, 6}, FaceSize{Face::Sans, 12},
                                         FaceSize{Face::Sans, 16}, FaceSize{Face::Sans, 24},
                                         FaceSize{Face::Menu, 13}, FaceSize{Face::Fixed, 13},
                                         FaceSize{Face::Sans, 127}),
                         Name);

// The bitmap faces have the classic cells whatever size is asked for: the menu face's 13-pixel
// cell, the fixed face's 8 x 13 with no external leading.
struct BitmapFace {
  Face face;
  raster::FontMetrics metrics;
  int widthOfM;
};

TEST(TextTest, BitmapFacesHaveTheClassicCellsAtEverySize) {
  const BitmapFace faces[] = {{Face::Menu, {13, 11, 0, 5}, 9}, {Face::Fixed, {13, 11, 0, 8}, 8}};
  for (const BitmapFace& f : faces) {
    for (int size : {0, 1, 8, 13, 24, 1000}) {
      const raster::FontMetrics m = raster::GetFontMetrics(f.face, size);
      EXPECT_EQ(m.height, f.metrics.height) << size;
      EXPECT_EQ(m.ascent, f.metrics.ascent) << size;
      EXPECT_EQ(m.externalLeading, f.metrics.externalLeading) << size;
      EXPECT_EQ(m.averageCharWidth, f.metrics.averageCharWidth) << size;
      EXPECT_EQ(raster::MeasureText(f.face, size, "M").width, f.widthOfM) << size;
    }
  }
}

// Console text is Windows-1252: every byte is one 8-pixel cell, and every printable character
// has a glyph of its own rather than the one drawn for control characters.
TEST(TextTest, FixedFaceDrawsEveryWindows1252CharacterInOneCell) {
  const auto drawn = [](unsigned char byte) {
    Bitmap b(20, 20, kPaper);
    const char c = static_cast<char>(byte);
    EXPECT_EQ(raster::DrawText(b, Face::Fixed, 0, 2, 2, std::string_view(&c, 1), kInk), 8) << +byte;
    return b;
  };
  const Bitmap box = drawn(0x01);
  for (int byte = 0x20; byte < 0x100; ++byte) {
    const bool control = byte == 0x7F || byte == 0x81 || byte == 0x8D || byte == 0x8F ||
                         byte == 0x90 || byte == 0x9D;  // DEL and the five unassigned bytes
    if (control) continue;
    EXPECT_NE(drawn(static_cast<unsigned char>(byte)), box) << byte;
  }
}

// Pixels of one character drawn alone at the left of a fresh bitmap.
Bitmap Glyph(char c) {
  Bitmap b(40, 40, kPaper);
  raster::DrawText(b, Face::Sans, 20, 5, 5, std::string_view(&c, 1), kInk);
  return b;
}

TEST(TextTest, ControlCharactersDrawTheMissingGlyphBox) {
  const Bitmap box = Glyph('\t');
  EXPECT_FALSE(raster_test::Painted(box, kPaper).empty());
  EXPECT_EQ(Glyph('\r'), box);
  EXPECT_EQ(Glyph('\x01'), box);
  EXPECT_EQ(Glyph('\x81'), box);  // unassigned in Windows-1252
  EXPECT_NE(Glyph('A'), box);
}

TEST(TextTest, HighBytesFollowWindows1252) {
  // 0x80 is the euro sign, 0xE9 e-acute; neither is the missing-glyph box nor each other.
  const Bitmap box = Glyph('\t');
  EXPECT_NE(Glyph('\x80'), box);
  EXPECT_NE(Glyph('\xE9'), box);
  EXPECT_NE(Glyph('\x80'), Glyph('\xE9'));
  EXPECT_NE(Glyph('\xE9'), Glyph('e'));
}

TEST(TextTest, SillySizesAreClampedAndSizeZeroIsTheDefault) {
  const auto height = [](int size) { return raster::GetFontMetrics(Face::Sans, size).height; };
  EXPECT_EQ(height(0), height(raster::DefaultTextSize));
  EXPECT_EQ(height(-40), height(1));
  EXPECT_EQ(height(INT_MIN), height(1));
  EXPECT_EQ(height(INT_MAX), height(1000));
  EXPECT_GT(height(1000), height(500));
}

TEST(TextTest, TextFarOffTheBitmapDrawsNothingButStillAdvances) {
  const std::string_view text = "far away";
  const int width = raster::MeasureText(Face::Sans, 12, text).width;
  for (std::int64_t v : {INT64_MIN, std::int64_t{-100000}, std::int64_t{100000}, INT64_MAX}) {
    Bitmap b(50, 50, kPaper);
    EXPECT_EQ(raster::DrawText(b, Face::Sans, 12, v, 10, text, kInk), width);
    EXPECT_EQ(raster::DrawTextOpaque(b, Face::Sans, 12, 10, v, text, kInk, 0), width);
    EXPECT_EQ(b, Bitmap(50, 50, kPaper)) << v;
  }
}

TEST(TextTest, TextPartlyOffTheBitmapMatchesACropOfTheWholeText) {
  Bitmap large(300, 100, kPaper);
  raster::DrawText(large, Face::Sans, 24, 100, 40, "Clip Me", kInk);
  Bitmap small(60, 30, kPaper);
  raster::DrawText(small, Face::Sans, 24, -10, -5, "Clip Me", kInk);
  Bitmap crop(60, 30, kPaper);
  crop.copyFrom(large, 110, 45, 60, 30, 0, 0);
  EXPECT_EQ(small, crop);
}

// Whole glyphs and glyphs cut by the bitmap's edge are painted by different code; at 100
// pixels some glyphs are too large for the whole-glyph code and the rest are not.
TEST(TextTest, GlyphsCutAtTheBottomMatchTheTopOfWholeGlyphs) {
  for (const int size : {12, 24, 100}) {
    const int cut = raster::GetFontMetrics(Face::Sans, size).ascent - 2;
    Bitmap whole(size * 5, size * 2, kPaper);
    const int width = raster::DrawText(whole, Face::Sans, size, 0, 0, "Clip Me", kInk);
    Bitmap top(width, cut, kPaper);
    raster::DrawText(top, Face::Sans, size, 0, 0, "Clip Me", kInk);
    Bitmap crop(width, cut, kPaper);
    crop.copyFrom(whole, 0, 0, width, cut, 0, 0);
    EXPECT_EQ(top, crop) << size;
  }
}

}  // namespace
