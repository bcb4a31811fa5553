#include "raster/gdi.h"

#include <algorithm>
#include <array>

#include "ellipse.h"
#include "line.h"
#include "polygon.h"
#include "spans.h"
#include "stroke.h"

namespace raster {
namespace {

using detail::PaintSink;
using detail::Region;
using detail::Wide;

// Far wider than any bitmap; keeps the pen's tip table small.
constexpr int kMaxPenWidth = 1 << 14;

int WidthOf(const Pen& pen) {
  return std::clamp(pen.width, 1, kMaxPenWidth);
}

Rect Normalised(const Rect& box) {
  return Rect{std::min(box.left, box.right), std::min(box.top, box.bottom),
              std::max(box.left, box.right), std::max(box.top, box.bottom)};
}

// Box sides in full: a box may span the whole 64-bit range.
Wide WidthOf(const Rect& b) {
  return Wide{b.right} - b.left;
}
Wide HeightOf(const Rect& b) {
  return Wide{b.bottom} - b.top;
}

// Whether a box, grown by a pen's reach, can touch the bitmap at all.
bool MayTouch(const Bitmap& target, const Rect& box, int penWidth) {
  return Wide{box.right} + penWidth > 0 && Wide{box.bottom} + penWidth > 0 &&
         Wide{box.left} - penWidth < target.width() && Wide{box.top} - penWidth < target.height();
}

void StrokeClosed(Bitmap& target, std::span<const Point> path, const Pen& pen) {
  Region region(target.width(), target.height());
  detail::StrokePolyline(region, path, true, WidthOf(pen));
  region.Paint(target, pen.color);
}

// The border of the box's pixels: its outermost columns and rows.
void ThinBorder(Bitmap& target, const Rect& b, Color color) {
  target.fillRect(Rect{b.left, b.top, b.right, b.top + 1}, color);
  target.fillRect(Rect{b.left, b.bottom - 1, b.right, b.bottom}, color);
  target.fillRect(Rect{b.left, b.top + 1, b.left + 1, b.bottom - 1}, color);
  target.fillRect(Rect{b.right - 1, b.top + 1, b.right, b.bottom - 1}, color);
}

}  // namespace

void DrawRectangle(Bitmap& target, const Rect& box, const OptionalPen& pen,
                   const OptionalBrush& brush) {
  const Rect b = Normalised(box);
  if (!pen) {
    // Without a pen the inside reaches one pixel less to the right and bottom.
    if (brush) target.fillRect(Rect{b.left, b.top, b.right - 1, b.bottom - 1}, *brush);
    return;
  }
  if (b.empty()) return;
  if (WidthOf(*pen) == 1 && brush == pen->color && (WidthOf(b) > 1 || HeightOf(b) > 1)) {
    // Border and inside in one colour: the whole box.
    target.fillRect(b, *brush);
    return;
  }
  if (brush) target.fillRect(Rect{b.left + 1, b.top + 1, b.right - 1, b.bottom - 1}, *brush);
  if (WidthOf(*pen) == 1) {
    // A 1 x 1 box has no border pixels: its path starts and ends on the same point.
    if (WidthOf(b) > 1 || HeightOf(b) > 1) ThinBorder(target, b, pen->color);
    return;
  }
  const Point topLeft{b.left, b.top}, bottomRight{b.right - 1, b.bottom - 1};
  if (WidthOf(b) > 1 && HeightOf(b) > 1) {
    detail::StrokeRectangle(target, topLeft, bottomRight, WidthOf(*pen), pen->color);
    return;
  }
  const std::array<Point, 4> path = {topLeft, Point{bottomRight.x, topLeft.y}, bottomRight,
                                     Point{topLeft.x, bottomRight.y}};
  StrokeClosed(target, path, *pen);
}

void DrawEllipse(Bitmap& target, const Rect& box, const OptionalPen& pen,
                 const OptionalBrush& brush) {
  const Rect b = Normalised(box);
  if (WidthOf(b) <= 2 || HeightOf(b) <= 2) {
    DrawRectangle(target, b, pen, brush);
    return;
  }
  if (!MayTouch(target, b, pen ? WidthOf(*pen) : 0)) return;
  const bool thin = pen && WidthOf(*pen) == 1;
  // A thin outline in the brush's colour lies within the fill's spans.
  const bool outlineInFill = thin && brush && *brush == pen->color;
  // Wide pens follow the curve only up to a size; beyond it they draw the one-pixel curve.
  const bool wide = pen && !thin && WidthOf(b) <= detail::kWideOutlineSide &&
                    HeightOf(b) <= detail::kWideOutlineSide;
  PaintSink fill(target, brush.value_or(0));
  PaintSink outline(target, pen ? pen->color : 0);
  detail::EllipseSpans(b, brush ? &fill : nullptr,
                       pen && !wide && !outlineInFill ? &outline : nullptr);
  if (wide) detail::StrokeEllipse(target, b, WidthOf(*pen), pen->color);
}

void DrawPolygon(Bitmap& target, std::span<const Point> points, const OptionalPen& pen,
                 const OptionalBrush& brush) {
  if (brush) {
    PaintSink fill(target, *brush);
    detail::FillPolygon(fill, points);
  }
  if (!pen || points.empty()) return;
  if (WidthOf(*pen) > 1) {
    StrokeClosed(target, points, *pen);
    return;
  }
  for (std::size_t i = 0; i < points.size(); ++i) {
    detail::DrawThinLine(target, points[i], points[(i + 1) % points.size()], pen->color);
  }
}

void DrawLine(Bitmap& target, Point from, Point to, const Pen& pen) {
  if (WidthOf(pen) == 1) {
    detail::DrawThinLine(target, from, to, pen.color);
    return;
  }
  Region region(target.width(), target.height());
  const std::array<Point, 2> path = {from, to};
  detail::StrokePolyline(region, path, false, WidthOf(pen));
  region.Paint(target, pen.color);
}

}  // namespace raster
