// Cost of each figure kind on the 601 x 540 canvas, and of one whole redraw of the scene.

#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "raster/gdi.h"
#include "raster/text.h"

namespace {

using raster::Bitmap;
using raster::Point;
using raster::Rect;

constexpr int kWidth = 601;
constexpr int kHeight = 540;
constexpr Point kOrigin{300, 250};
const raster::Pen kThin{1, raster::Rgb(10, 10, 10)};

Rect Circle(Point centre, int radius) {
  return Rect{centre.x - radius, centre.y - radius, centre.x + radius + 1, centre.y + radius + 1};
}

// The cone's triangle (0,-175), (-60,25), (60,25) in kit coordinates, y up.
std::array<Point, 3> Cone() {
  return {Point{kOrigin.x, kOrigin.y + 175}, Point{kOrigin.x - 60, kOrigin.y - 25},
          Point{kOrigin.x + 60, kOrigin.y - 25}};
}

template <typename Draw>
void Run(benchmark::State& state, Draw draw) {
  Bitmap canvas(kWidth, kHeight, 0xFFFFFF);
  for (auto _ : state) {
    draw(canvas);
    benchmark::DoNotOptimize(canvas.row(0));
  }
}

void FilledRectangle(benchmark::State& state) {
  Run(state, [](Bitmap& c) { raster::DrawRectangle(c, {100, 100, 220, 190}, kThin, 0x3366FF); });
}
BENCHMARK(FilledRectangle);

void OutlinedRectangle(benchmark::State& state) {
  Run(state, [](Bitmap& c) {
    raster::DrawRectangle(c, {100, 100, 220, 190}, kThin, std::nullopt);
  });
}
BENCHMARK(OutlinedRectangle);

// A palette swatch's frame: outlines 3 and 2 pixels wide around a 21 x 21 box.
void SwatchFrame(benchmark::State& state) {
  Run(state, [](Bitmap& c) {
    raster::DrawRectangle(c, {100, 100, 121, 121}, raster::Pen{3, 0x808080}, std::nullopt);
    raster::DrawRectangle(c, {100, 100, 121, 121}, raster::Pen{2, 0xCCCCCC}, std::nullopt);
  });
}
BENCHMARK(SwatchFrame);

void FilledCircle(benchmark::State& state) {
  const auto radius = static_cast<int>(state.range(0));
  Run(state,
      [radius](Bitmap& c) { raster::DrawEllipse(c, Circle(kOrigin, radius), kThin, 0xFF8080); });
}
BENCHMARK(FilledCircle)->Arg(57)->Arg(15);

void OutlinedCircle(benchmark::State& state) {
  const auto radius = static_cast<int>(state.range(0));
  Run(state, [radius](Bitmap& c) {
    raster::DrawEllipse(c, Circle(kOrigin, radius), kThin, std::nullopt);
  });
}
BENCHMARK(OutlinedCircle)->Arg(57)->Arg(15);

void WideOutlinedCircle(benchmark::State& state) {
  Run(state, [](Bitmap& c) {
    raster::DrawEllipse(c, Circle(kOrigin, 57), raster::Pen{3, 0}, std::nullopt);
  });
}
BENCHMARK(WideOutlinedCircle);

void FilledTriangle(benchmark::State& state) {
  const auto cone = Cone();
  Run(state, [&cone](Bitmap& c) { raster::DrawPolygon(c, cone, kThin, 0xC08040); });
}
BENCHMARK(FilledTriangle);

void ThinLine(benchmark::State& state) {
  Run(state, [](Bitmap& c) { raster::DrawLine(c, {200, 200}, {320, 270}, kThin); });
}
BENCHMARK(ThinLine);

// The control panel's edge: a one-pixel line down the whole canvas.
void TallLine(benchmark::State& state) {
  Run(state, [](Bitmap& c) { raster::DrawLine(c, {119, 0}, {119, 501}, kThin); });
}
BENCHMARK(TallLine);

void WideLine(benchmark::State& state) {
  Run(state, [](Bitmap& c) { raster::DrawLine(c, {200, 200}, {320, 270}, raster::Pen{5, 0}); });
}
BENCHMARK(WideLine);

void Text(benchmark::State& state) {
  Run(state,
      [](Bitmap& c) { raster::DrawText(c, raster::Face::Sans, 12, 40, 40, "Add Topping!", 0); });
}
BENCHMARK(Text);

// One full repaint of a busy scene, the way the program redraws after every event.
void Redraw(Bitmap& c) {
  raster::DrawRectangle(c, {0, 0, kWidth, kHeight}, kThin, 0xFFFFFF);
  raster::DrawRectangle(c, {0, 0, kWidth, kHeight}, raster::Pen{1, 0xE0E0FF}, 0xE0E0FF);
  for (int i = 0; i < 100; ++i) {
    const std::int64_t x = 10 + (i % 10) * 58, y = 10 + (i / 10) * 52;
    raster::DrawRectangle(c, {x, y, x + 24, y + 14}, raster::Pen{1, 0x404040}, 0xFFCC00);
  }
  for (int i = 0; i < 4; ++i) {
    raster::DrawEllipse(c, Circle({300, 250 - 57 * i}, 57), raster::Pen{1, 0xFF99CC}, 0xFF99CC);
  }
  for (int i = 0; i < 12; ++i) {
    raster::DrawEllipse(c, Circle({60 + 40 * i, 480}, 15), raster::Pen{1, 0x8080FF}, 0x8080FF);
  }
  const auto cone = Cone();
  raster::DrawPolygon(c, cone, raster::Pen{1, 0xC08040}, 0xC08040);
  for (int i = 0; i < 16; ++i) {
    raster::DrawLine(c, {20 + 30 * i, 60}, {20 + 30 * i + 100, 60 + 66}, kThin);
  }
  static const std::array<const char*, 10> kLabels = {
      "Add Scoop",      "Remove Scoop",   "Add Topping",   "Change Color",     "Change Topping",
      "Select Topping", "Add Good Stuff", "Pick a colour", "GLoBBo O' FRoSTy", "Scoops: 3"};
  for (std::size_t i = 0; i < kLabels.size(); ++i) {
    raster::DrawText(c, raster::Face::Sans, 12, 480, 20 + 20 * static_cast<int>(i), kLabels[i], 0);
  }
}

void WholeRedraw(benchmark::State& state) {
  Run(state, Redraw);
}
BENCHMARK(WholeRedraw)->Unit(benchmark::kMicrosecond);

}  // namespace
