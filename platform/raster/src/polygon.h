#pragma once
// Polygon interiors with the alternate (even-odd) rule.

#include <span>

#include "spans.h"

namespace raster::detail {

// A pixel is inside when its integer point is: on each row every edge crosses at an exact
// rational x and spans run [ceil(left), ceil(right)), so left and top edges are in and
// right and bottom edges out. Only rows on the sink's bitmap are visited.
// Painting sinks get an overload of their own, which calls them directly.
void FillPolygon(SpanSink& sink, std::span<const Point> points);
void FillPolygon(PaintSink& sink, std::span<const Point> points);

}  // namespace raster::detail
