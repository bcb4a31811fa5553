// Composed pixels shown at a whole scale: each one a block of its own colour, cut to the surface.

#include "scaled_copy.h"

#include <SDL_surface.h>
#include <gtest/gtest.h>

#include <memory>

namespace sdlhost {
namespace {

struct ScaleCase {
  int scale;
  int surfaceWidth, surfaceHeight;  // smaller than the scaled picture: it is cut
  raster::Rect box;                 // the part of the picture copied
};

constexpr raster::Rect Whole{0, 0, 3, 2};

class CopyScaled : public testing::TestWithParam<ScaleCase> {};

TEST_P(CopyScaled, MakesEachPixelABlockOfItsColour) {
  const ScaleCase& c = GetParam();
  raster::Bitmap pixels(3, 2);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x)
      pixels.setPixel(x, y, 0x102030u * static_cast<unsigned>(1 + x + 3 * y));
  }
  const std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> surface(
      SDL_CreateRGBSurfaceWithFormat(0, c.surfaceWidth, c.surfaceHeight, 32,
                                     SDL_PIXELFORMAT_ARGB8888),
      SDL_FreeSurface);
  ASSERT_NE(surface, nullptr) << SDL_GetError();
  SDL_FillRect(surface.get(), nullptr, 0xFFABCDEFu);
  const SDL_Rect written = sdlhost::CopyScaled(pixels, c.scale, surface.get(), c.box);
  const raster::Rect onPicture = raster::ClipToBitmap(c.box, 3, 2);
  for (int y = 0; y < c.surfaceHeight; ++y) {
    const auto* row = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(surface->pixels) +
                                                      y * surface->pitch);
    for (int x = 0; x < c.surfaceWidth; ++x) {
      const bool inside = x >= onPicture.left * c.scale && x < onPicture.right * c.scale &&
                          y >= onPicture.top * c.scale && y < onPicture.bottom * c.scale;
      const bool reported = x >= written.x && x < written.x + written.w && y >= written.y &&
                            y < written.y + written.h;
      ASSERT_EQ(reported, inside) << "at " << x << ", " << y;
      const Uint32 expected =
          inside ? 0xFF000000u | pixels.pixel(x / c.scale, y / c.scale) : 0xFFABCDEFu;
      ASSERT_EQ(row[x], expected) << "at " << x << ", " << y;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Scales, CopyScaled,
                         testing::Values(ScaleCase{1, 4, 3, Whole}, ScaleCase{2, 6, 4, Whole},
                                         ScaleCase{3, 10, 7, Whole}, ScaleCase{3, 5, 4, Whole},
                                         ScaleCase{1, 4, 3, {1, 1, 3, 2}},
                                         ScaleCase{2, 6, 4, {1, 0, 2, 1}},
                                         ScaleCase{3, 10, 7, {-5, 1, 9, 9}},
                                         ScaleCase{2, 6, 4, {3, 0, 5, 2}}));

}  // namespace
}  // namespace sdlhost
