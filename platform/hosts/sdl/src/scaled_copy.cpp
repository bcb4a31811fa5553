#include "scaled_copy.h"

#include <algorithm>
#include <vector>

namespace sdlhost {
namespace {

// Our bitmaps hold 0x00RRGGBB in 32-bit words, which is SDL's RGB888.
constexpr Uint32 BitmapFormat = SDL_PIXELFORMAT_RGB888;
constexpr int BytesPerPixel = 4;

// A source row with each pixel repeated `scale` times, cut to `width`.
void Widen(const raster::Color* row, int scale, int width, std::vector<raster::Color>& wide) {
  for (int x = 0; x < width; ++x) wide[static_cast<std::size_t>(x)] = row[x / scale];
}

}  // namespace

void CopyScaled(const raster::Bitmap& pixels, int scale, SDL_Surface* surface) {
  const int width = std::min(surface->w, pixels.width() * scale);
  const int height = std::min(surface->h, pixels.height() * scale);
  if (width <= 0 || height <= 0 || SDL_LockSurface(surface) != 0) return;
  std::vector<raster::Color> wide(static_cast<std::size_t>(width));
  auto* target = static_cast<Uint8*>(surface->pixels);
  for (int y = 0; y < height; ++y) {
    if (y % scale == 0) Widen(pixels.row(y / scale), scale, width, wide);
    SDL_ConvertPixels(width, 1, BitmapFormat, wide.data(), width * BytesPerPixel,
                      surface->format->format,
                      target + static_cast<std::ptrdiff_t>(y) * surface->pitch, surface->pitch);
  }
  SDL_UnlockSurface(surface);
}

}  // namespace sdlhost
