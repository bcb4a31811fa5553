#pragma once
// Solid wide pens: the stroke of a whole figure is one region, painted once.

#include <span>
#include <vector>

#include "spans.h"

namespace raster::detail {

// Collects spans, then paints their union so no pixel is painted twice.
class Region final : public SpanSink {
 public:
  struct Span {
    int y, x0, x1;
  };

  Region(int width, int height);
  // The union as disjoint spans, sorted by row and column.
  const std::vector<Span>& Merged();
  void Paint(Bitmap& target, Color color);

 protected:
  void Take(int y, int x0, int x1) override;

 private:
  std::vector<Span>& spans_;
  int firstRow_;  // the rows spans were taken on: firstRow_ up to endRow_
  int endRow_;
};

// The stroke of a pen `width` wide (2 or more) along the polyline through `points`: a band
// or widened quadrilateral along each segment and a round disc at every point.
void StrokePolyline(Region& region, std::span<const Point> points, bool closed, int width);

// The same stroke for the closed path around an axis-aligned rectangle, topLeft.x <
// bottomRight.x and topLeft.y < bottomRight.y, worked out row by row without collecting spans:
// the outlines of boxes are the commonest wide strokes.
void StrokeRectangle(Bitmap& target, Point topLeft, Point bottomRight, int width, Color color);

// The same stroke for the closed path through an ellipse's curve pixels (its one-pixel
// outline, in order around it), for boxes with sides of 3 up to kWideOutlineSide. Worked out
// per row of the bitmap, so its cost follows the bitmap's height and the pen's width, not the
// length of the curve.
void StrokeEllipse(Bitmap& target, const Rect& box, int width, Color color);

}  // namespace raster::detail
