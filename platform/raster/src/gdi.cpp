#include "raster/gdi.h"

#include <algorithm>
#include <utility>

namespace raster {
namespace {

Rect Normalised(const Rect& box) {
  return Rect{std::min(box.left, box.right), std::min(box.top, box.bottom),
              std::max(box.left, box.right), std::max(box.top, box.bottom)};
}

}  // namespace

void DrawRectangle(Bitmap& target, const Rect& box, const OptionalPen& pen,
                   const OptionalBrush& brush) {
  const Rect b = Normalised(box);
  if (b.width() < 2 && b.height() < 2) return;
  if (brush) target.fillRect(Rect{b.left + 1, b.top + 1, b.right - 1, b.bottom - 1}, *brush);
  if (!pen) return;
  target.fillRect(Rect{b.left, b.top, b.right, b.top + 1}, pen->color);
  target.fillRect(Rect{b.left, b.bottom - 1, b.right, b.bottom}, pen->color);
  target.fillRect(Rect{b.left, b.top, b.left + 1, b.bottom}, pen->color);
  target.fillRect(Rect{b.right - 1, b.top, b.right, b.bottom}, pen->color);
}

void DrawEllipse(Bitmap& target, const Rect& box, const OptionalPen& pen,
                 const OptionalBrush& brush) {
  DrawRectangle(target, box, pen, brush);
}

void DrawPolygon(Bitmap&, std::span<const Point>, const OptionalPen&, const OptionalBrush&) {}

void DrawLine(Bitmap&, Point, Point, const Pen&) {}

}  // namespace raster
