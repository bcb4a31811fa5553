#pragma once
// The seam between the window system and what really shows windows and takes input.
// A host turns native input into the Input* calls below and puts composed pixels on screen;
// everything else (queue order, timers, menus, painting, pixels) is decided by the window system.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <utility>

#include "pz417/status.h"
#include "raster/bitmap.h"
#include "win/window.h"

namespace win {

class Host {
 public:
  virtual ~Host() = default;

  virtual Size ScreenSize() = 0;
  // A monotonic clock in milliseconds.
  virtual std::int64_t NowMs() = 0;
  // Feeds whatever native input is ready through the Input* calls; never blocks.
  virtual void PumpInput() = 0;
  // Blocks until native input is ready or the clock reaches deadlineMs (none: no deadline).
  virtual void WaitForInput(std::optional<std::int64_t> deadlineMs) = 0;

  // Window life and looks, for hosts that show real windows. A window the host cannot make is
  // kept in the window system, unseen, and the failure reported.
  virtual pz417::Status WindowCreated(WindowId /*window*/) { return {}; }
  virtual void WindowShown(WindowId /*window*/, bool /*visible*/) {}
  virtual void WindowDestroyed(WindowId /*window*/) {}
  // The window's content (menu bar, client area, dropdown) changed within `damage` (content
  // pixels, a few boxes); `pixels` is the whole of what to show, and outside those boxes equals
  // what was presented last. A new size, or the first present, damages all of it.
  virtual void Present(WindowId /*window*/, const raster::Bitmap& /*pixels*/,
                       std::span<const raster::Rect> /*damage*/) {}
  // False for a host that shows nothing: no picture is composed for it to present.
  virtual bool ShowsWindows() { return true; }

  // Each window pixel is shown as scale x scale screen pixels, nearest neighbour, for screens too
  // dense to read the windows at their own size; the host maps input back, and reports its screen
  // size in window pixels. Nothing else sees it: window, kit and program pixels stay as they are.
  // Set before any window is made; 1 is as drawn. Hosts that show nothing keep 1.
  virtual void SetScale(int /*scale*/) {}
  virtual int Scale() { return 1; }

  // Where what goes wrong in the host goes (a window it cannot make, an error of the display it
  // lets pass): to the program's entry, which tells the user under the program's own name.
  // Library code never prints. None: failures go unseen.
  void SetFailureReport(std::function<void(const pz417::Status&)> report) {
    report_ = std::move(report);
  }
  void Report(const pz417::Status& failure) const {
    if (!failure && report_) report_(failure);
  }

 private:
  std::function<void(const pz417::Status&)> report_;
};

// The host the next window system runs on, chosen by the program's entry before the program
// starts (the kit makes its window system inside KitOpen, whose arguments name no host). Null:
// a built-in host with a 1024 x 768 screen, a clock that stands still and no input.
void SetHost(Host* host);

namespace detail {
struct SystemState;
}

// Every class, window, menu, timer and message, on one host, which must outlive it. While it
// lives, the calls of window.h and the Input* calls below act on it; while none lives they act on
// nothing (no window exists, nothing is queued or made). The newest one lives; when it ends, the
// one made before it lives again (so end them in the reverse order, as scopes do). Ending it
// drops its windows without a message to their procedures and tells the host they are gone.
class WindowSystem {
 public:
  WindowSystem();  // on the host chosen with SetHost
  explicit WindowSystem(Host& host);
  ~WindowSystem();
  WindowSystem(const WindowSystem&) = delete;
  WindowSystem& operator=(const WindowSystem&) = delete;

 private:
  std::unique_ptr<detail::SystemState> state_;
  detail::SystemState* previous_;
};

// ---- input, as hosts report it ----------------------------------------------------------
// A left press at a pixel of the window's content (menu bar rows first, then the client area).
void InputPress(WindowId window, int contentX, int contentY);
// The mouse moved to, or the left button came up at, a pixel of the window's content (outside
// it too, while the button is held). Only the menus look at them: programs are never sent them.
void InputMouseMove(WindowId window, int contentX, int contentY);
void InputRelease(WindowId window, int contentX, int contentY);
// A key went down or up in the window with the keyboard focus. `character` is the character the
// key yields on the classic desktop (13 for Enter, 1..26 for Ctrl+letter), or -1 for none.
// `repeat` marks a key-down that auto-repeat sends while the key is held; a key-down of a key that
// is already down is marked so whatever the host says.
void InputKeyDown(int virtualKey, int character, bool repeat = false);
void InputKeyUp(int virtualKey);
// A character typed with no key of its own (a character not on the keyboard layout).
void InputChar(int character);
void InputClose(WindowId window);
// The window got the keyboard focus; ctrlHeld says whether Ctrl is down at that moment. Keys
// held while the focus moves between the program's windows stay held.
void InputFocus(WindowId window, bool ctrlHeld);
// The keyboard went to another program: the keys held now may be let go there, unseen, so none
// counts as held any more.
void InputFocusLeft();
void InputResize(WindowId window, int clientWidth, int clientHeight);
// Part of the window must be drawn again (the screen lost it): it is erased and painted.
void InputExpose(WindowId window);

WindowId FocusedWindow();

}  // namespace win
