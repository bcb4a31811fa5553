// The canvas renderer: shapes onto the 601 x 540 canvas with the classic pixel rules.

#include "render.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>

#include "colors.h"
#include "kit_state.h"
#include "raster/gdi.h"
#include "raster/text.h"

namespace kit {
namespace {

raster::Point ToCanvas(std::int64_t x, std::int64_t y) {
  const KitState& s = State();
  return {s.originX + x, s.originY - y};
}

// The box from the upper-left corner to the lower-right one, both included.
raster::Rect CanvasBox(const Shape& shape) {
  const raster::Point upperLeft = ToCanvas(shape.x1, shape.y1);
  const raster::Point lowerRight = ToCanvas(shape.x2, shape.y2);
  return {upperLeft.x, upperLeft.y, lowerRight.x + 1, lowerRight.y + 1};
}

// A filled figure (width 0) is also outlined, by a pen of width 0, which draws as 1, of its own
// colour; an outlined one is not filled.
raster::OptionalBrush FigureBrush(const Shape& shape, raster::Color rgb) {
  return shape.width == 0 ? raster::OptionalBrush{rgb} : raster::OptionalBrush{};
}

void DrawTriangle(const Shape& shape, raster::Color rgb) {
  const raster::Point corners[] = {ToCanvas(shape.x1, shape.y1), ToCanvas(shape.x2, shape.y2),
                                   ToCanvas(shape.x3, shape.y3)};
  raster::DrawPolygon(State().canvas, corners, raster::Pen{shape.width, rgb},
                      FigureBrush(shape, rgb));
}

// Each line of the text is one cell height lower; the first sits directly above the anchor.
void DrawTextLines(const Shape& shape, raster::Color rgb) {
  const std::string_view text = shape.text != nullptr ? shape.text : "";
  const int size = shape.textSize;
  // The extent's height is the cell's, whatever the text: measure none of it.
  const int h = raster::MeasureText(TextFace, size, {}).height;
  const raster::Point anchor = ToCanvas(shape.x1, shape.y1);
  std::int64_t top = anchor.y - h;
  for (std::size_t start = 0;; top += h) {
    const std::size_t end = text.find('\n', start);
    raster::DrawText(State().canvas, TextFace, size, anchor.x, top,
                     text.substr(start, end == std::string_view::npos ? end : end - start), rgb);
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
}

// The box a filled rectangle paints in its one colour, when it is one; other shapes give none.
std::optional<raster::Rect> SolidBox(const Shape& shape) {
  if (shape.kind != ShapeKind::Rectangle || shape.width != 0) return std::nullopt;
  const raster::Rect box = CanvasBox(shape);
  const raster::Rect solid{std::min(box.left, box.right), std::min(box.top, box.bottom),
                           std::max(box.left, box.right), std::max(box.top, box.bottom)};
  // A one-pixel box is drawn as nothing.
  if (solid.right - solid.left <= 1 && solid.bottom - solid.top <= 1) return std::nullopt;
  return solid;
}

// Paints the held box but for what `next` paints over anyway: the rows above and below it, and
// beside it the columns to its left and right. A backdrop under a panel, or a box inside a rim,
// is then painted once.
void PaintHeldAround(const raster::Rect& next) {
  KitState& state = State();
  const raster::Rect h = state.heldFill->box;
  const raster::Color color = state.heldFill->color;
  state.heldFill.reset();
  const std::int64_t top = std::clamp(next.top, h.top, h.bottom);
  const std::int64_t bottom = std::clamp(next.bottom, top, h.bottom);
  const std::int64_t left = std::clamp(next.left, h.left, h.right);
  const std::int64_t right = std::clamp(next.right, left, h.right);
  state.canvas.fillRect({h.left, h.top, h.right, top}, color);
  state.canvas.fillRect({h.left, top, left, bottom}, color);
  state.canvas.fillRect({right, top, h.right, bottom}, color);
  state.canvas.fillRect({h.left, bottom, h.right, h.bottom}, color);
}

}  // namespace

void FlushDrawing() {
  KitState& state = State();
  if (!state.heldFill) return;
  state.canvas.fillRect(state.heldFill->box, state.heldFill->color);
  state.heldFill.reset();
}

void RenderShape(const Shape& shape) {
  TheKit().frameDamage.Drawn(shape, State().originX, State().originY);
  const bool validColor = shape.color >= 0 && shape.color < ColorCount;
  const raster::Color rgb =
      validColor ? ColorTable[shape.color].rgb : ColorTable[KitColor::Red].rgb;
  const std::optional<raster::Rect> solid = SolidBox(shape);
  if (solid && State().heldFill) PaintHeldAround(*solid);
  FlushDrawing();
  State().dirty = 1;
  if (solid) {
    State().heldFill = HeldFill{*solid, rgb};
    return;
  }
  switch (shape.kind) {
    case ShapeKind::Triangle:
      DrawTriangle(shape, rgb);
      break;
    case ShapeKind::Rectangle:
      raster::DrawRectangle(State().canvas, CanvasBox(shape), raster::Pen{shape.width, rgb},
                            FigureBrush(shape, rgb));
      break;
    case ShapeKind::Oval:
      raster::DrawEllipse(State().canvas, CanvasBox(shape), raster::Pen{shape.width, rgb},
                          FigureBrush(shape, rgb));
      break;
    case ShapeKind::Line:
      raster::DrawLine(State().canvas, ToCanvas(shape.x1, shape.y1), ToCanvas(shape.x2, shape.y2),
                       raster::Pen{shape.width, rgb});
      break;
    case ShapeKind::Text:
      DrawTextLines(shape, rgb);
      break;
  }
}

void FillCanvas() {
  TheKit().frameDamage.CanvasFilled();
  FlushDrawing();
  raster::DrawRectangle(State().canvas, {0, 0, CanvasWidth, CanvasHeight},
                        raster::Pen{1, ColorTable[KitColor::Black].rgb},
                        ColorTable[KitColor::White].rgb);
  State().dirty = 1;
}

}  // namespace kit
