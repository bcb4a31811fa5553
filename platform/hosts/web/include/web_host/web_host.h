#pragma once
// The web host: the window system's windows as frames on a page, in a browser, through
// emscripten. The program's loop blocks as on the desktop: the wait is a promise that Asyncify
// suspends the program on, so the page runs on while the program waits.
//
// Implements:
//  - ScreenSize: the page's place for windows (the element "pz417-desktop"), in window pixels.
//  - SetScale / Scale: each window pixel shown as scale x scale device pixels, nearest
//    neighbour (image-rendering: pixelated); Open picks it from the device pixel ratio;
//    SetScale overrides it. Input is mapped back.
//  - NowMs: the page's monotonic clock (performance.now()).
//  - PumpInput: the page's input records as Input* calls (left presses, moves and releases at
//    content pixels, the pointer captured while held; keys with their virtual-key codes and
//    classic characters; the keyboard for a frame pressed on, leaving the page and back; close
//    boxes; the sizable frame's grips).
//  - WaitForInput: awaits a promise that the next input resolves, or a timer at the deadline;
//    nothing runs while the program waits. The idle hook runs first.
//  - NativeWindowSet (src/page_windows.h): one frame each with a title the page draws, hidden
//    until shown, the frame with the keyboard drawn active; a present puts only the damaged
//    boxes on the window's canvas (putImageData).
// Not here: queue order, menus, painting and every pixel, which the window system decides.

#include <functional>
#include <memory>

#include "pz417/status.h"
#include "win/native_host.h"

namespace webhost {

class WebHost final : public win::NativeWindowsHost {
 public:
  // Takes the page's place for windows, or says why there is none.
  static pz417::Result<std::unique_ptr<WebHost>> Open();
  ~WebHost() override;

  win::Size ScreenSize() override;
  std::int64_t NowMs() override;
  void PumpInput() override;
  void WaitForInput(std::optional<std::int64_t> deadlineMs) override;

  // Called each time the program is about to wait: the moments the page may be closed at, since
  // the page runs only while the program waits.
  void SetIdleHook(std::function<void()> hook);

 private:
  struct State;
  explicit WebHost(std::unique_ptr<State> state);

  std::unique_ptr<State> state_;
};

}  // namespace webhost
