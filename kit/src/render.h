#pragma once
// Turning drawing requests into canvas pixels.

#include <cstdint>
#include <functional>

#include "raster/text.h"

namespace kit {

constexpr raster::Face TextFace = raster::Face::Sans;

enum ShapeKind { Triangle = 0, Rectangle = 1, Oval = 2, Line = 3, Pixel = 4, Text = 5 };

// What a primitive hands to the renderer. Coordinates are kit coordinates, held 64 bits wide so
// that corners such as x + radius never overflow. For Text, x2 is the character height and
// `text` the string, which the caller owns for the duration of the call.
struct Shape {
  int kind = Triangle;
  int color = 0;
  int width = 0;
  std::int64_t x1 = 0;
  std::int64_t y1 = 0;
  std::int64_t x2 = 0;
  std::int64_t y2 = 0;
  std::int64_t x3 = 0;
  std::int64_t y3 = 0;
  const char* text = nullptr;
};

void RenderShape(const Shape& shape);
// A tool that draws the same frame through another renderer (the comparison benchmark) is
// shown every shape as it is rendered; an empty listener stops that.
void SetShapeListener(std::function<void(const Shape&)> listener);
// Puts on the canvas what drawing calls have left held back. Whatever looks at the canvas
// calls this first.
void FlushDrawing();
// White canvas inside a one-pixel black frame.
void FillCanvas();

}  // namespace kit
