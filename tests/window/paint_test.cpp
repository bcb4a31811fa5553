// Drawing into client pixels: block copies and scrolling clip, text is opaque.

#include <cstdint>
#include <set>

#include "raster/text.h"
#include "window_test_util.h"

namespace {

using namespace window_test;

constexpr int ClientWidth = 10, ClientHeight = 8;

raster::Bitmap Numbered(int width, int height) {
  raster::Bitmap b(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) b.setPixel(x, y, static_cast<raster::Color>(100 * y + x + 1));
  }
  return b;
}

class Drawing : public WindowSystemTest {
 protected:
  // A window whose client area is ClientWidth x ClientHeight.
  win::WindowId SmallWindow() {
    return MakeWindow(win::Style::Caption, ClientWidth + 6, ClientHeight + 25);
  }
};

struct BlitCase {
  const char* name;
  std::int64_t dx, dy, width, height, sx, sy;
};

constexpr std::int64_t Far = std::int64_t{1} << 40;

const BlitCase blitCases[] = {
    {"Inside", 2, 2, 4, 3, 0, 0},
    {"OffTheLeftAndTop", -2, -1, 4, 3, 0, 0},
    {"OffTheRightAndBottom", 8, 6, 4, 3, 0, 0},
    {"PartOfTheSource", 0, 0, 2, 2, 1, 1},
    {"SourceStartsOutsideItsBitmap", 0, 0, 4, 3, -2, -1},
    {"LargerThanTheSource", 1, 1, 50, 50, 0, 0},
    {"EntirelyOutside", 100, 100, 4, 3, 0, 0},
    {"FarOffCoordinates", -Far, 0, 2 * Far, 3, 0, 0},
};

class Blit : public Drawing, public ::testing::WithParamInterface<BlitCase> {};

TEST_P(Blit, CopiesOnlyWhatLiesInBothBitmaps) {
  const BlitCase& c = GetParam();
  const win::WindowId window = SmallWindow();
  const raster::Bitmap source = Numbered(4, 3);
  win::BitBlt(window, c.dx, c.dy, c.width, c.height, source, c.sx, c.sy);
  const raster::Bitmap& client = win::ClientPixels(window);
  for (int y = 0; y < ClientHeight; ++y) {
    for (int x = 0; x < ClientWidth; ++x) {
      const bool inBlock = x >= c.dx && x < c.dx + c.width && y >= c.dy && y < c.dy + c.height;
      const std::int64_t fromX = x - c.dx + c.sx, fromY = y - c.dy + c.sy;
      const bool copied = inBlock && source.contains(fromX, fromY);
      const raster::Color expected =
          copied ? source.pixel(static_cast<int>(fromX), static_cast<int>(fromY)) : Background;
      ASSERT_EQ(client.pixel(x, y), expected) << "at " << x << "," << y;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Window, Blit, ::testing::ValuesIn(blitCases),
                         [](const auto& info) { return std::string(info.param.name); });

class Scroll : public Drawing, public ::testing::WithParamInterface<int> {};

TEST_P(Scroll, MovesTheWholeClientAreaAndLeavesUncoveredRows) {
  const int dy = GetParam();
  const win::WindowId window = SmallWindow();
  const raster::Bitmap before = Numbered(ClientWidth, ClientHeight);
  win::BitBlt(window, 0, 0, ClientWidth, ClientHeight, before, 0, 0);
  win::ScrollClient(window, dy);
  const raster::Bitmap& client = win::ClientPixels(window);
  for (int y = 0; y < ClientHeight; ++y) {
    const int from = y - dy >= 0 && y - dy < ClientHeight ? y - dy : y;
    for (int x = 0; x < ClientWidth; ++x) {
      ASSERT_EQ(client.pixel(x, y), before.pixel(x, from)) << "at " << x << "," << y;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Window, Scroll,
                         ::testing::Values(-3, -1, 0, 2, ClientHeight - 1, -ClientHeight,
                                           ClientHeight + 4),
                         [](const auto& info) {
                           const int dy = info.param;
                           return dy < 0 ? "Up" + std::to_string(-dy) : "Down" + std::to_string(dy);
                         });

TEST_F(Drawing, TextIsBlackOnAnOpaqueWhiteBox) {
  const win::WindowId window = MakeWindow();
  win::TextOut(window, 20, 30, "Hi", raster::Face::Sans, 16);
  const raster::TextExtent extent = raster::MeasureText(raster::Face::Sans, 16, "Hi");
  const raster::Bitmap& client = win::ClientPixels(window);
  std::set<raster::Color> inside;
  for (int y = 30; y < 30 + extent.height; ++y) {
    for (int x = 20; x < 20 + extent.width; ++x) inside.insert(client.pixel(x, y));
  }
  EXPECT_EQ(inside, (std::set<raster::Color>{0x000000, 0xFFFFFF}));
  EXPECT_EQ(client.pixel(19, 30), Background);
  EXPECT_EQ(client.pixel(20 + extent.width, 30), Background);
}

}  // namespace
