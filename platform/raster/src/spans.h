#pragma once
// Row spans: what every figure is broken into before it reaches the pixels.

#include <algorithm>
#include <cstdint>

#include "int128.h"
#include "raster/bitmap.h"

namespace raster::detail {

// Wide enough for any sum or difference of two 64-bit coordinates.
using Wide = Int128;
using UWide = UInt128;

// Takes spans that are already clipped to a width x height bitmap.
class SpanSink {
 public:
  SpanSink(int width, int height) : width_(width), height_(height) {}
  virtual ~SpanSink() = default;
  SpanSink(const SpanSink&) = delete;
  SpanSink& operator=(const SpanSink&) = delete;

  int width() const { return width_; }
  int height() const { return height_; }

  // Columns x0..x1-1 of row y, given in any range; the part on the bitmap is handed on.
  void Add(Wide y, Wide x0, Wide x1) { Clip<Wide>(y, x0, x1); }
  // The same for coordinates known to lie within 64 bits, in fewer instructions.
  void AddNear(std::int64_t y, std::int64_t x0, std::int64_t x1) { Clip<std::int64_t>(y, x0, x1); }

 protected:
  virtual void Take(int y, int x0, int x1) = 0;

 private:
  template <typename Int>
  void Clip(Int y, Int x0, Int x1) {
    if (y < 0 || y >= height_) return;
    x0 = std::max<Int>(x0, 0);
    x1 = std::min<Int>(x1, width_);
    if (x0 < x1) Take(static_cast<int>(y), static_cast<int>(x0), static_cast<int>(x1));
  }

  int width_;
  int height_;
};

// Paints each span straight into a bitmap. Final, so that code given a PaintSink calls it
// directly.
class PaintSink final : public SpanSink {
 public:
  PaintSink(Bitmap& target, Color color)
      : SpanSink(target.width(), target.height()), target_(target), color_(color) {}

 protected:
  void Take(int y, int x0, int x1) final {
    FillPixels(target_.row(y) + x0, static_cast<std::size_t>(x1 - x0), color_);
  }

 private:
  Bitmap& target_;
  Color color_;
};

}  // namespace raster::detail
