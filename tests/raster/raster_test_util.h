#pragma once
// Small views of a bitmap that the raster tests compare against.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "raster/bitmap.h"

namespace raster_test {

// Every pixel that is not `background`, as (x, y) pairs in row order.
inline std::vector<raster::Point> Painted(const raster::Bitmap& b, raster::Color background) {
  std::vector<raster::Point> out;
  for (int y = 0; y < b.height(); ++y) {
    for (int x = 0; x < b.width(); ++x) {
      if (b.pixel(x, y) != background) out.push_back({x, y});
    }
  }
  return out;
}

// The smallest box holding every pixel that is not `background`; empty if there is none.
inline raster::Rect PaintedBounds(const raster::Bitmap& b, raster::Color background) {
  raster::Rect box{INT64_MAX, INT64_MAX, INT64_MIN, INT64_MIN};
  for (const raster::Point& p : Painted(b, background)) {
    box.left = std::min(box.left, p.x);
    box.top = std::min(box.top, p.y);
    box.right = std::max(box.right, p.x + 1);
    box.bottom = std::max(box.bottom, p.y + 1);
  }
  return box.empty() ? raster::Rect{} : box;
}

// A bitmap whose every pixel differs, so moved pixels can be traced.
inline raster::Bitmap Numbered(int w, int h) {
  raster::Bitmap b(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) b.setPixel(x, y, static_cast<raster::Color>(y * 1000 + x + 1));
  }
  return b;
}

}  // namespace raster_test
