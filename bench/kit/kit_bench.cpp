// What the program pays per event: the kit's primitives and one whole editing-screen redraw.

#include <benchmark/benchmark.h>

#include "busy_state.h"
#include "open_kit.h"
#include "pz417/kit.h"

namespace {

void BM_EditingScreenRedraw(benchmark::State& state) {
  OpenKitOnce();
  const PreviewState s = BusyState();
  for (auto _ : state) RedrawScene(s);
}
BENCHMARK(BM_EditingScreenRedraw);

void BM_KitCircle57(benchmark::State& state) {
  OpenKitOnce();
  for (auto _ : state) KitCircle(11, 0, 25, 57);
}
BENCHMARK(BM_KitCircle57);

void BM_KitRectangleFullCanvas(benchmark::State& state) {
  OpenKitOnce();
  for (auto _ : state) KitRectangle(1, -300, -250, 300, 250, 0);
}
BENCHMARK(BM_KitRectangleFullCanvas);

void BM_KitRectangleOutline(benchmark::State& state) {
  OpenKitOnce();
  for (auto _ : state) KitRectangle(22, -280, -210, -260, -190, 3);
}
BENCHMARK(BM_KitRectangleOutline);

void BM_KitTriangleCone(benchmark::State& state) {
  OpenKitOnce();
  for (auto _ : state) KitTriangle(14, 0, -175, -60, 25, 60, 25, 0);
}
BENCHMARK(BM_KitTriangleCone);

void BM_KitLine(benchmark::State& state) {
  OpenKitOnce();
  for (auto _ : state) KitLine(0, -60, 25, 60, -15, 1);
}
BENCHMARK(BM_KitLine);

void BM_KitTextLabel(benchmark::State& state) {
  OpenKitOnce();
  for (auto _ : state) KitTextf(0, -285, 127, 12, "Change Topping");
}
BENCHMARK(BM_KitTextLabel);

}  // namespace
