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
  void Add(Wide y, Wide x0, Wide x1) {
    if (y < 0 || y >= height_) return;
    x0 = std::max<Wide>(x0, 0);
    x1 = std::min<Wide>(x1, width_);
    if (x0 < x1) Take(static_cast<int>(y), static_cast<int>(x0), static_cast<int>(x1));
  }

 protected:
  virtual void Take(int y, int x0, int x1) = 0;

 private:
  int width_;
  int height_;
};

// Paints each span straight into a bitmap.
class PaintSink final : public SpanSink {
 public:
  PaintSink(Bitmap& target, Color color)
      : SpanSink(target.width(), target.height()), target_(target), color_(color) {}

 protected:
  void Take(int y, int x0, int x1) override {
    Color* r = target_.row(y);
    std::fill(r + x0, r + x1, color_);
  }

 private:
  Bitmap& target_;
  Color color_;
};

}  // namespace raster::detail
