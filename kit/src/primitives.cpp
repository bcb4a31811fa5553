// The drawing primitives: argument checks with their notices, the drawing log, and the shapes
// handed to the renderer.

#include <climits>
#include <cstdarg>
#include <utility>

#include "colors.h"
#include "kit_state.h"
#include "pz417/kit.h"
#include "render.h"
#include "text_format.h"

namespace kit {

const NamedColor ColorTable[ColorCount] = {
    {"black", raster::Rgb(0, 0, 0)},
    {"white", raster::Rgb(255, 255, 255)},
    {"red", raster::Rgb(255, 0, 0)},
    {"green", raster::Rgb(0, 255, 0)},
    {"blue", raster::Rgb(0, 0, 255)},
    {"yellow", raster::Rgb(255, 255, 0)},
    {"magenta", raster::Rgb(255, 0, 255)},
    {"cyan", raster::Rgb(0, 255, 255)},
    {"purple", raster::Rgb(153, 0, 204)},
    {"navy blue", raster::Rgb(0, 51, 153)},
    {"dusty plum", raster::Rgb(153, 102, 153)},
    {"ice blue", raster::Rgb(153, 255, 255)},
    {"turquoise", raster::Rgb(153, 255, 204)},
    {"orange", raster::Rgb(255, 102, 0)},
    {"brown", raster::Rgb(153, 102, 51)},
    {"pink", raster::Rgb(255, 153, 204)},
    {"chalk", raster::Rgb(255, 255, 153)},
    {"gold", raster::Rgb(204, 153, 51)},
    {"peach", raster::Rgb(255, 153, 102)},
    {"forest green", raster::Rgb(0, 102, 51)},
    {"sea green", raster::Rgb(51, 204, 153)},
    {"olive", raster::Rgb(153, 153, 51)},
    {"50% gray", raster::Rgb(128, 128, 128)},
    {"20% gray", raster::Rgb(204, 204, 204)},
};

int CheckColor(int color) {
  if (color >= 0 && color < ColorCount) return color;
  KitPrint("Illegal color %d; using RED.\n", color);
  return KitColor::Red;
}

namespace {

constexpr int LargestTextSize = 127;

// The most negative int has no positive twin; the largest int stands in for it.
int Negated(int value) {
  return value == INT_MIN ? INT_MAX : -value;
}

int FixedWidth(int width) {
  if (width >= 0) return width;
  KitPrint("Width of %d not possible, using width %d\n", width, Negated(width));
  return Negated(width);
}

int FixedRadius(int radius) {
  if (radius >= 0) return radius;
  KitPrint("Radius of %d not possible, using radius %d\n", radius, Negated(radius));
  return Negated(radius);
}

int FixedTextSize(int ptsize) {
  if (ptsize < 0) {
    KitPrint("ptsize of %d not possible, using ptsize %d\n", ptsize, Negated(ptsize));
    ptsize = Negated(ptsize);
  }
  if (ptsize > LargestTextSize) {
    KitPrint("ptsize of %d not possible, using ptsize %d\n", ptsize, LargestTextSize);
    ptsize = LargestTextSize;
  }
  return ptsize;
}

// Upper-left corner first (smaller x, larger y), lower-right second.
void NormaliseCorners(int& x1, int& y1, int& x2, int& y2) {
  if (x1 > x2) std::swap(x1, x2);
  if (y1 < y2) std::swap(y1, y2);
}

const char* NameOf(int color) {
  return ColorTable[color].name;
}

// A figure given by two corners: a box, an oval's box or a line's ends.
Shape BoxShape(ShapeKind kind, int color, int width, std::int64_t x1, std::int64_t y1,
               std::int64_t x2, std::int64_t y2) {
  return {.kind = kind, .color = color, .width = width, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2};
}

// Rectangles and ovals log their normalised box, and the width only when outlined.
void LogBox(const char* filledFormat, const char* outlinedFormat, int color, int x1, int y1, int x2,
            int y2, int width) {
  if (!LoggingOn()) return;
  if (width == 0) {
    KitPrint(filledFormat, NameOf(color), x1, y1, x2, y2);
  } else {
    KitPrint(outlinedFormat, NameOf(color), x1, y1, x2, y2, width);
  }
}

}  // namespace
}  // namespace kit

using kit::CheckColor;

int KitCircle(int color, int x, int y, int radius) {
  color = CheckColor(color);
  radius = kit::FixedRadius(radius);
  if (kit::LoggingOn())
    KitPrint("%s circle at (%d,%d), radius %d\n", kit::NameOf(color), x, y, radius);
  // A disc is the oval in its square, which may reach past the int range.
  kit::RenderShape(kit::BoxShape(kit::ShapeKind::Oval, color, 0, std::int64_t{x} - radius,
                                 std::int64_t{y} + radius, std::int64_t{x} + radius,
                                 std::int64_t{y} - radius));
  return 1;
}

int KitTriangle(int color, int x1, int y1, int x2, int y2, int x3, int y3, int width) {
  color = CheckColor(color);
  width = kit::FixedWidth(width);
  if (kit::LoggingOn()) {
    KitPrint("%s triangle at (%d,%d), (%d,%d), (%d,%d)\n", kit::NameOf(color), x1, y1, x2, y2, x3,
             y3);
  }
  kit::RenderShape({.kind = kit::ShapeKind::Triangle,
                    .color = color,
                    .width = width,
                    .x1 = x1,
                    .y1 = y1,
                    .x2 = x2,
                    .y2 = y2,
                    .x3 = x3,
                    .y3 = y3});
  return 1;
}

int KitRectangle(int color, int x1, int y1, int x2, int y2, int width) {
  kit::NormaliseCorners(x1, y1, x2, y2);
  color = CheckColor(color);
  width = kit::FixedWidth(width);
  kit::LogBox("%s rectangle with bounding box (%d,%d) to (%d,%d), filled\n",
              "%s rectangle with bounding box (%d,%d) to (%d,%d) with line width %d\n", color, x1,
              y1, x2, y2, width);
  kit::RenderShape(kit::BoxShape(kit::ShapeKind::Rectangle, color, width, x1, y1, x2, y2));
  return 1;
}

int KitOval(int color, int x1, int y1, int x2, int y2, int width) {
  kit::NormaliseCorners(x1, y1, x2, y2);
  width = kit::FixedWidth(width);
  color = CheckColor(color);
  kit::LogBox("%s oval with bounding box (%d,%d) to (%d,%d), filled\n",
              "%s oval with bounding box (%d,%d) to (%d,%d), line width %d\n", color, x1, y1, x2,
              y2, width);
  kit::RenderShape(kit::BoxShape(kit::ShapeKind::Oval, color, width, x1, y1, x2, y2));
  return 1;
}

int KitLine(int color, int x1, int y1, int x2, int y2, int width) {
  width = kit::FixedWidth(width);
  color = CheckColor(color);
  if (kit::LoggingOn()) {
    KitPrint("%s line from (%d,%d) to (%d,%d), width %d\n", kit::NameOf(color), x1, y1, x2, y2,
             width);
  }
  kit::RenderShape(
      kit::BoxShape(kit::ShapeKind::Line, color, width > 0 ? width : 1, x1, y1, x2, y2));
  return 1;
}

int KitText(int color, int x, int y, int ptsize, const char* text) {
  if (text == nullptr) text = "";
  ptsize = kit::FixedTextSize(ptsize);
  color = CheckColor(color);
  if (kit::LoggingOn()) KitPrint("%s text at (%d,%d), \"%s\"\n", kit::NameOf(color), x, y, text);
  kit::RenderShape({.kind = kit::ShapeKind::Text,
                    .color = color,
                    .textSize = ptsize,
                    .x1 = x,
                    .y1 = y,
                    .text = text});
  return 1;
}

int KitTextf(int color, int x, int y, int ptsize, const char* format, ...) {
  char buffer[kit::FormatBufferSize];
  va_list args;
  va_start(args, format);
  const int count = kit::FormatCut(buffer, format, args);
  va_end(args);
  KitText(color, x, y, ptsize, buffer);
  return count;
}

int KitClear() {
  if (kit::LoggingOn()) KitPrint("Clearing the graphics window\n");
  kit::FillCanvas();
  return 1;
}
