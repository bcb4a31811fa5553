#pragma once
// The desktop host: the window system's windows as real windows, through SDL2.
//
// Implements:
//  - ScreenSize: the desktop size of the first display, in window pixels.
//  - SetScale / Scale: each window pixel shown as scale x scale screen pixels, nearest
//    neighbour. Open picks it from the display (GDK_SCALE, else the Xft.dpi resource, else
//    SDL's display density; never so large that the windows do not fit); SetScale overrides.
//  - NowMs: SDL's millisecond ticks.
//  - PumpInput: SDL's events as Input* calls (left presses, releases and motion at content
//    pixels, keys with their virtual-key codes and classic characters, focus, close requests,
//    exposes, resizes).
//  - WaitForInput: sleeps in SDL_WaitEventTimeout until input or the deadline, so an idle
//    program costs no CPU.
//  - NativeWindowSet (native_windows.h): one SDL window each, hidden until shown; a present
//    copies the damaged boxes of the composed pixels into the window's surface and shows them
//    with SDL_UpdateWindowSurfaceRects, all of them into a surface SDL remade.
//  - Failures (a window SDL will not make, an X error let pass) go to the failure report.
// Not here: queue order, menus, painting and every pixel, which the window system decides.

#include <memory>
#include <string>

#include "pz417/status.h"
#include "win/native_host.h"

namespace sdlhost {

class SdlHost final : public win::NativeWindowsHost {
 public:
  // Opens SDL's video on a real display, or says why there is none; it never settles for an
  // offscreen or dummy driver.
  static pz417::Result<std::unique_ptr<SdlHost>> Open();
  ~SdlHost() override;

  win::Size ScreenSize() override;
  std::int64_t NowMs() override;
  void PumpInput() override;
  void WaitForInput(std::optional<std::int64_t> deadlineMs) override;

 private:
  struct State;
  explicit SdlHost(std::unique_ptr<State> state);

  std::unique_ptr<State> state_;
};

}  // namespace sdlhost
