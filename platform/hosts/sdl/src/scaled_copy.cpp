#include "scaled_copy.h"

#include <algorithm>
#include <vector>

namespace sdlhost {
namespace {

// Our bitmaps hold 0x00RRGGBB in 32-bit words, which is SDL's RGB888.
constexpr Uint32 BitmapFormat = SDL_PIXELFORMAT_RGB888;
constexpr int BytesPerPixel = 4;

// The screen box the part of `box` on the picture covers, cut to the surface.
SDL_Rect ScreenBox(const raster::Bitmap& pixels, int scale, const SDL_Surface* surface,
                   const raster::Rect& box) {
  const raster::Rect inside = raster::ClipToBitmap(box, pixels.width(), pixels.height());
  if (inside.empty()) return {};
  const auto left = static_cast<int>(inside.left) * scale;
  const auto top = static_cast<int>(inside.top) * scale;
  const int right = std::min(surface->w, static_cast<int>(inside.right) * scale);
  const int bottom = std::min(surface->h, static_cast<int>(inside.bottom) * scale);
  if (right <= left || bottom <= top) return {};
  return {left, top, right - left, bottom - top};
}

Uint8* SurfaceAt(SDL_Surface* surface, int x, int y) {
  return static_cast<Uint8*>(surface->pixels) + static_cast<std::ptrdiff_t>(y) * surface->pitch +
         static_cast<std::ptrdiff_t>(x) * surface->format->BytesPerPixel;
}

// Screen columns from `left` on of a source row, each pixel repeated `scale` times.
void Widen(const raster::Color* row, int scale, int left, std::vector<raster::Color>& wide) {
  for (std::size_t i = 0; i < wide.size(); ++i) {
    wide[i] = row[(left + static_cast<int>(i)) / scale];
  }
}

void CopyWidened(const raster::Bitmap& pixels, int scale, SDL_Surface* surface,
                 const SDL_Rect& screen) {
  std::vector<raster::Color> wide(static_cast<std::size_t>(screen.w));
  for (int y = screen.y; y < screen.y + screen.h; ++y) {
    if (y == screen.y || y % scale == 0) Widen(pixels.row(y / scale), scale, screen.x, wide);
    SDL_ConvertPixels(screen.w, 1, BitmapFormat, wide.data(), screen.w * BytesPerPixel,
                      surface->format->format, SurfaceAt(surface, screen.x, y), surface->pitch);
  }
}

}  // namespace

SDL_Rect CopyScaled(const raster::Bitmap& pixels, int scale, SDL_Surface* surface,
                    const raster::Rect& box) {
  const SDL_Rect screen = ScreenBox(pixels, scale, surface, box);
  if (screen.w <= 0 || SDL_LockSurface(surface) != 0) return {};
  if (scale == 1) {
    SDL_ConvertPixels(screen.w, screen.h, BitmapFormat, pixels.row(screen.y) + screen.x,
                      pixels.width() * BytesPerPixel, surface->format->format,
                      SurfaceAt(surface, screen.x, screen.y), surface->pitch);
  } else {
    CopyWidened(pixels, scale, surface, screen);
  }
  SDL_UnlockSurface(surface);
  return screen;
}

}  // namespace sdlhost
