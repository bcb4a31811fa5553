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
};

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
  sdlhost::CopyScaled(pixels, c.scale, surface.get());
  for (int y = 0; y < c.surfaceHeight; ++y) {
    const auto* row = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(surface->pixels) +
                                                      y * surface->pitch);
    for (int x = 0; x < c.surfaceWidth; ++x) {
      const bool inside = x < 3 * c.scale && y < 2 * c.scale;
      const Uint32 expected =
          inside ? 0xFF000000u | pixels.pixel(x / c.scale, y / c.scale) : 0xFFABCDEFu;
      ASSERT_EQ(row[x], expected) << "at " << x << ", " << y;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Scales, CopyScaled,
                         testing::Values(ScaleCase{1, 4, 3}, ScaleCase{2, 6, 4},
                                         ScaleCase{3, 10, 7}, ScaleCase{3, 5, 4}));

}  // namespace
}  // namespace sdlhost
