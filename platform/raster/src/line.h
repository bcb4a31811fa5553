#pragma once
// The one-pixel line: GDI's Bresenham, start pixel in, end pixel out.

#include "raster/bitmap.h"

namespace raster::detail {

void DrawThinLine(Bitmap& target, Point from, Point to, Color color);

}  // namespace raster::detail
