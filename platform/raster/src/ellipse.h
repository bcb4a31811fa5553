#pragma once
// The ellipse curve inscribed in a pixel box: symmetric, covering exactly the box's columns
// and rows. Boxes of side 2 or less are rectangles and are not handled here.

#include <cstdint>
#include <vector>

#include "spans.h"

namespace raster::detail {

// Boxes up to this side are walked exactly; larger ones (far beyond any screen) are drawn
// from a square-root approximation, one visible row at a time.
constexpr std::int64_t kExactEllipseSide = std::int64_t{1} << 20;

// Wide pens follow the curve of boxes up to this side; larger ones are outlined with the
// one-pixel curve.
constexpr std::int64_t kWideOutlineSide = std::int64_t{1} << 16;

// Row spans of the curve (`outline`) and of everything between its two sides (`fill`);
// either sink may be null. `box` is normalised with both sides at least 3. Painting sinks
// get an overload of their own, which calls them directly.
void EllipseSpans(const Rect& box, SpanSink* fill, SpanSink* outline);
void EllipseSpans(const Rect& box, PaintSink* fill, PaintSink* outline);

// One row of the curve's lower right quarter, in columns from the box's left: the curve's
// pixels on the row run from `inner` to `outer`, and `diagonal` tells whether the curve
// leaves the row with a diagonal step (to inner - 1 on the next row).
struct QuarterRow {
  std::int32_t inner;
  std::int32_t outer;
  bool diagonal;
};

// The quarter's rows `first` up to `end` (box rows from the middle one, height / 2, to the
// bottom one), for boxes with sides of 3 up to kWideOutlineSide. The other quarters mirror them.
void QuarterRows(const Rect& box, std::int64_t first, std::int64_t end,
                 std::vector<QuarterRow>& rows);

}  // namespace raster::detail
