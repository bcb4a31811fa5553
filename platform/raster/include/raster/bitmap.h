#pragma once
// A 32-bit RGB bitmap: the surface every window, the canvas and every shape draw into.

#include <cstddef>
#include <cstdint>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace raster {

// 0x00RRGGBB.
using Color = std::uint32_t;

constexpr Color Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return (Color{r} << 16) | (Color{g} << 8) | Color{b};
}
constexpr std::uint8_t RedOf(Color c) {
  return static_cast<std::uint8_t>(c >> 16);
}
constexpr std::uint8_t GreenOf(Color c) {
  return static_cast<std::uint8_t>(c >> 8);
}
constexpr std::uint8_t BlueOf(Color c) {
  return static_cast<std::uint8_t>(c);
}

// Coordinates are 64-bit so callers can hand over far-off figures without overflow; every
// operation clips to the bitmap itself.
struct Point {
  std::int64_t x = 0;
  std::int64_t y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// Half-open box: columns left..right-1, rows top..bottom-1.
struct Rect {
  std::int64_t left = 0;
  std::int64_t top = 0;
  std::int64_t right = 0;
  std::int64_t bottom = 0;
  std::int64_t width() const { return right - left; }
  std::int64_t height() const { return bottom - top; }
  bool empty() const { return right <= left || bottom <= top; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(int width, int height, Color fill = 0);

  int width() const { return width_; }
  int height() const { return height_; }
  bool contains(std::int64_t x, std::int64_t y) const {
    return x >= 0 && y >= 0 && x < width_ && y < height_;
  }

  // Precondition: contains(x, y).
  Color pixel(int x, int y) const { return pixels_[Index(x, y)]; }
  Color* row(int y) { return pixels_.data() + Index(0, y); }
  const Color* row(int y) const { return pixels_.data() + Index(0, y); }
  const std::vector<Color>& pixels() const { return pixels_; }

  // All of the following clip to the bitmap.
  void setPixel(std::int64_t x, std::int64_t y, Color c);
  void fillRect(const Rect& box, Color c);
  // Copies the w x h block at (sx, sy) of src to (dx, dy) of this bitmap.
  void copyFrom(const Bitmap& src, std::int64_t sx, std::int64_t sy, std::int64_t w, std::int64_t h,
                std::int64_t dx, std::int64_t dy);
  // Moves every row by dy (negative: up). Rows the move uncovers keep their old pixels.
  void scrollRows(int dy);
  // New size; what fits of the old content stays, the rest is `fill`.
  void resize(int width, int height, Color fill);

  friend bool operator==(const Bitmap&, const Bitmap&) = default;

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }

  int width_ = 0;
  int height_ = 0;
  std::vector<Color> pixels_;
};

// The part of `box` that lies on a bitmap of the given size.
Rect ClipToBitmap(const Rect& box, int width, int height);

// Sets `count` pixels from `first` on to `c`. Every figure's spans end here, most of them a
// few dozen pixels long: those in four-pixel stores, the last one overlapping the one before
// rather than finishing pixel by pixel; long runs through the C library's widest fill.
void FillLongRun(Color* first, std::size_t count, Color c);
inline void FillPixels(Color* first, std::size_t count, Color c) {
  constexpr std::size_t LongRun = 64;
  if (count >= LongRun) {
    FillLongRun(first, count, c);
    return;
  }
#if defined(__SSE2__)
  if (count >= 4) {
    const __m128i four = _mm_set1_epi32(static_cast<int>(c));
    for (std::size_t i = 0; i + 4 < count; i += 4) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(first + i), four);
    }
    _mm_storeu_si128(reinterpret_cast<__m128i*>(first + count - 4), four);
    return;
  }
#endif
  for (std::size_t i = 0; i < count; ++i) first[i] = c;
}

}  // namespace raster
