#pragma once
// Figures with the classic GDI pixel rules: boxes leave out their right column and bottom row,
// a line leaves out its end pixel, solid wide pens straddle the figure's edge, polygons fill
// with the alternate rule. Everything is computed in full and clipped to the bitmap.

#include <optional>
#include <span>

#include "raster/bitmap.h"

namespace raster {

struct Pen {
  int width = 1;  // 0 and 1 both give the one-pixel pen
  Color color = 0;
};

// No pen draws no outline; no brush leaves the inside as it was.
using OptionalPen = std::optional<Pen>;
using OptionalBrush = std::optional<Color>;

void DrawRectangle(Bitmap& target, const Rect& box, const OptionalPen& pen,
                   const OptionalBrush& brush);
void DrawEllipse(Bitmap& target, const Rect& box, const OptionalPen& pen,
                 const OptionalBrush& brush);
void DrawPolygon(Bitmap& target, std::span<const Point> points, const OptionalPen& pen,
                 const OptionalBrush& brush);
// From `from` up to, and for the one-pixel pen not including, `to`.
void DrawLine(Bitmap& target, Point from, Point to, const Pen& pen);

}  // namespace raster
