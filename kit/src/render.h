#pragma once
// Turning drawing requests into canvas pixels.

#include <cstdint>

#include "raster/text.h"

namespace kit {

constexpr raster::Face TextFace = raster::Face::Sans;

enum class ShapeKind { Triangle, Rectangle, Oval, Line, Text };

// What a primitive hands to the renderer. Coordinates are kit coordinates, held 64 bits wide so
// that corners such as x + radius never overflow. A text's `text` is owned by the caller for the
// duration of the call.
struct Shape {
  ShapeKind kind = ShapeKind::Triangle;
  int color = 0;
  int width = 0;     // 0: filled; else the outline's pen width
  int textSize = 0;  // Text: the character height
  std::int64_t x1 = 0;
  std::int64_t y1 = 0;
  std::int64_t x2 = 0;
  std::int64_t y2 = 0;
  std::int64_t x3 = 0;
  std::int64_t y3 = 0;
  const char* text = nullptr;
};

void RenderShape(const Shape& shape);
// Puts on the canvas what drawing calls have left held back. Whatever looks at the canvas
// calls this first.
void FlushDrawing();
// White canvas inside a one-pixel black frame.
void FillCanvas();

}  // namespace kit
