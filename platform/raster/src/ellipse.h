#pragma once
// The ellipse curve inscribed in a pixel box: symmetric, covering exactly the box's columns
// and rows. Boxes of side 2 or less are rectangles and are not handled here.

#include <vector>

#include "spans.h"

namespace raster::detail {

// Boxes up to this side are walked exactly; larger ones (far beyond any screen) are drawn
// from a square-root approximation, one visible row at a time.
constexpr std::int64_t kExactEllipseSide = std::int64_t{1} << 20;

// Row spans of the curve (`outline`) and of everything between its two sides (`fill`);
// either sink may be null. `box` is normalised with both sides at least 3.
void EllipseSpans(const Rect& box, SpanSink* fill, SpanSink* outline);

// The curve's pixels in order around the ellipse, for a wide pen's centre line. Returns
// false, leaving `path` empty, for boxes wider or taller than 65536 pixels; those are
// outlined with the one-pixel curve.
bool EllipsePath(const Rect& box, std::vector<Point>& path);

}  // namespace raster::detail
