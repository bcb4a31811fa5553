#include "raster/bitmap.h"

#include <algorithm>
#include <cstring>
#include <cwchar>

#include "int128.h"

namespace raster {
namespace {

using detail::Int128;

int NonNegative(int v) {
  return v < 0 ? 0 : v;
}

}  // namespace

Bitmap::Bitmap(int width, int height, Color fill)
    : width_(NonNegative(width)),
      height_(NonNegative(height)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

void Bitmap::setPixel(std::int64_t x, std::int64_t y, Color c) {
  if (contains(x, y)) pixels_[Index(static_cast<int>(x), static_cast<int>(y))] = c;
}

void Bitmap::fillRect(const Rect& box, Color c) {
  const Rect clip = ClipToBitmap(box, width_, height_);
  if (clip.empty()) return;
  const auto cols = static_cast<std::size_t>(clip.width());
  Color* first = row(static_cast<int>(clip.top)) + clip.left;
  for (std::int64_t y = clip.top; y < clip.bottom; ++y, first += width_) FillPixels(first, cols, c);
}

void Bitmap::copyFrom(const Bitmap& src, std::int64_t sx, std::int64_t sy, std::int64_t w,
                      std::int64_t h, std::int64_t dx, std::int64_t dy) {
  if (w <= 0 || h <= 0) return;
  // Work in 128 bits: a source and destination offset can each be near the 64-bit limits.
  Int128 x0 = sx, y0 = sy, x1 = Int128{sx} + w, y1 = Int128{sy} + h;
  const Int128 shiftX = Int128{dx} - sx, shiftY = Int128{dy} - sy;
  // Clip the source block to the source and, shifted, to this bitmap.
  x0 = std::max<Int128>({x0, 0, -shiftX});
  y0 = std::max<Int128>({y0, 0, -shiftY});
  x1 = std::min<Int128>({x1, src.width_, width_ - shiftX});
  y1 = std::min<Int128>({y1, src.height_, height_ - shiftY});
  if (x0 >= x1 || y0 >= y1) return;
  const auto cols = static_cast<std::size_t>(x1 - x0);
  const auto firstSrc = static_cast<int>(y0);
  const auto lastSrc = static_cast<int>(y1) - 1;
  const auto srcX = static_cast<int>(x0);
  const auto dstX = static_cast<int>(x0 + shiftX);
  const auto rowShift = static_cast<int>(shiftY);
  // Same bitmap moved down: copy bottom-up so rows are read before they are overwritten.
  const bool bottomUp = &src == this && rowShift > 0;
  for (int i = 0; i <= lastSrc - firstSrc; ++i) {
    const int y = bottomUp ? lastSrc - i : firstSrc + i;
    std::memmove(row(y + rowShift) + dstX, src.row(y) + srcX, cols * sizeof(Color));
  }
}

void Bitmap::scrollRows(int dy) {
  const std::int64_t shift = dy;
  if (shift == 0 || shift >= height_ || -shift >= height_) return;
  const auto w = static_cast<std::size_t>(width_);
  const auto moved = static_cast<std::size_t>(height_ - (shift > 0 ? shift : -shift)) * w;
  const auto offset = static_cast<std::size_t>(shift > 0 ? shift : -shift) * w;
  if (shift > 0) {
    std::memmove(pixels_.data() + offset, pixels_.data(), moved * sizeof(Color));
  } else {
    std::memmove(pixels_.data(), pixels_.data() + offset, moved * sizeof(Color));
  }
}

void Bitmap::resize(int width, int height, Color fill) {
  Bitmap next(width, height, fill);
  next.copyFrom(*this, 0, 0, width_, height_, 0, 0);
  *this = std::move(next);
}

void FillLongRun(Color* first, std::size_t count, Color c) {
#if defined(__GLIBC__)
  // glibc's wmemset stores with the widest vectors the processor has; wchar_t is 32 bits there.
  static_assert(sizeof(wchar_t) == sizeof(Color));
  std::wmemset(reinterpret_cast<wchar_t*>(first), static_cast<wchar_t>(c), count);
#else
  std::fill(first, first + count, c);
#endif
}

Rect ClipToBitmap(const Rect& box, int width, int height) {
  Rect clip{std::max<std::int64_t>(box.left, 0), std::max<std::int64_t>(box.top, 0),
            std::min<std::int64_t>(box.right, width), std::min<std::int64_t>(box.bottom, height)};
  if (clip.empty()) return Rect{};
  return clip;
}

}  // namespace raster
