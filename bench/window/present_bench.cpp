// What a frame costs from the kit's canvas to the screen: the copy into the graphics window,
// composing the window's picture and presenting it to a host that copies what it is given into
// a surface, as the desktop host does. Two real frames of the editing screen, drawn through the
// kit, differ only where the bouncing title moved; a full change inverts every pixel. The old
// path copies everything, composes a fresh picture and presents all of it.

#include <benchmark/benchmark.h>

#include <array>
#include <span>

#include "busy_state.h"
#include "open_kit.h"
#include "pz417/kit.h"
#include "pz417/kit_tools.h"
#include "win/host.h"
#include "win/window.h"

namespace {

class SurfaceHost final : public win::Host {
 public:
  win::Size ScreenSize() override { return {1024, 768}; }
  std::int64_t NowMs() override { return 0; }
  // A press for the kit's every wait, so that each wait is one pass: the copy, then the present.
  void PumpInput() override {
    if (pressing) win::InputPress(KitGraphicsWindow(), 100, 100);
  }
  void WaitForInput(std::optional<std::int64_t> /*deadlineMs*/) override {}
  void Present(win::WindowId /*window*/, const raster::Bitmap& pixels,
               std::span<const raster::Rect> damage) override {
    if (surface.width() != pixels.width() || surface.height() != pixels.height()) {
      surface = raster::Bitmap(pixels.width(), pixels.height());
    }
    for (const raster::Rect& box : damage) {
      surface.copyFrom(pixels, box.left, box.top, box.width(), box.height(), box.left, box.top);
    }
  }
  raster::Bitmap surface;
  bool pressing = false;
};

// The kit runs on a screen of this kind for the whole run.
SurfaceHost& KitScreen() {
  static SurfaceHost screen;
  return screen;
}

raster::Bitmap EditingFrame(int titleX) {
  PreviewState s = BusyState();
  s.titleX = titleX;
  RedrawScene(s);
  return KitCanvas();
}

raster::Bitmap Inverted(raster::Bitmap frame) {
  for (int y = 0; y < frame.height(); ++y) {
    for (int x = 0; x < frame.width(); ++x) frame.row(y)[x] ^= 0xFFFFFF;
  }
  return frame;
}

// Two frames to alternate between: the title moved by one step of its bounce, or every pixel.
std::array<raster::Bitmap, 2> Frames(bool titleOnly) {
  OpenKitOnce(&KitScreen());
  raster::Bitmap first = EditingFrame(70);
  if (!titleOnly) return {first, Inverted(first)};
  return {first, EditingFrame(68)};
}

std::intptr_t Quiet(win::WindowId window, win::Msg msg, std::uintptr_t wParam,
                    std::intptr_t lParam) {
  return win::DefWindowProc(window, msg, wParam, lParam);
}

// The graphics window as the kit makes it, with its Run menu bar, on a host of its own.
struct GraphicsWindow {
  SurfaceHost host;
  win::WindowSystem system{host};
  win::WindowId window = 0;

  GraphicsWindow() {
    (void)win::RegisterClass("Bench", Quiet, 0xFFFFFF);
    window =
        win::CreateWindow("Bench", "Graphics", win::Style::Caption, 0, 0, 601, 540).value_or(0);
    const win::MenuId bar = win::CreateMenu();
    const win::MenuId run = win::CreatePopupMenu();
    (void)win::AppendMenu(run, win::mf::String, 1, "&Animate\tCtrl+A");
    (void)win::AppendMenu(run, win::mf::String, 2, "&Halt animation\tCtrl+H");
    (void)win::AppendMenu(bar, win::mf::Popup, static_cast<int>(run), "&Run");
    (void)win::SetMenu(window, bar);
    win::ShowWindow(window, true);
    Settle();
  }
  // Takes what waits, and presents what changed, as the kit's loop does each pass.
  void Settle() {
    win::Message message;
    while (win::PeekMessage(message)) win::DispatchMessage(message);
  }
};

void BM_PresentDamage(benchmark::State& state) {
  const std::array<raster::Bitmap, 2> frames = Frames(state.range(0) != 0);
  GraphicsWindow graphics;
  std::size_t next = 0;
  for (auto _ : state) {
    win::BitBlt(graphics.window, 0, 0, 601, 540, frames[next], 0, 0);
    graphics.Settle();
    next ^= 1;
  }
}
BENCHMARK(BM_PresentDamage)->ArgName("title_only")->Arg(0)->Arg(1);

// As every frame was shown before damage was tracked: a whole copy, a fresh composed picture,
// all of it presented.
void BM_PresentWhole(benchmark::State& state) {
  const std::array<raster::Bitmap, 2> frames = Frames(state.range(0) != 0);
  GraphicsWindow graphics;
  raster::Bitmap client(595, 496);
  std::size_t next = 0;
  for (auto _ : state) {
    client.copyFrom(frames[next], 0, 0, 601, 540, 0, 0);
    const raster::Bitmap picture = win::ComposeWindow(graphics.window);
    const raster::Rect whole{0, 0, picture.width(), picture.height()};
    graphics.host.Present(graphics.window, picture, {&whole, 1});
    benchmark::DoNotOptimize(client.row(0));
    next ^= 1;
  }
}
BENCHMARK(BM_PresentWhole)->ArgName("title_only")->Arg(0)->Arg(1);

// The kit's own way: the calls since the last copy say what to copy, then what changed is
// composed and presented. Only the copy and present are timed, not the drawing.
void BM_PresentKitFrame(benchmark::State& state) {
  OpenKitOnce(&KitScreen());
  KitScreen().pressing = true;
  const bool titleOnly = state.range(0) != 0;
  PreviewState scene = BusyState();
  bool second = false;
  for (auto _ : state) {
    state.PauseTiming();
    scene.titleX = second ? 68 : 70;
    if (second && !titleOnly) {
      KitRectangle(4, -300, -250, 300, 250, 0);
    } else {
      RedrawScene(scene);
    }
    second = !second;
    state.ResumeTiming();
    KitWaitEvent(nullptr, nullptr, nullptr);
  }
  KitScreen().pressing = false;
}
BENCHMARK(BM_PresentKitFrame)->ArgName("title_only")->Arg(0)->Arg(1);

}  // namespace
