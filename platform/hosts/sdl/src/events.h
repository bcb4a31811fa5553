#pragma once
// SDL's events as the window system's input: presses, releases and motion (at window pixels,
// the display scale undone), keys, characters, focus, close requests, exposes and resizes.

#include <SDL_events.h>

#include "keys.h"
#include "native_windows.h"

namespace sdlhost {

class EventRouter {
 public:
  explicit EventRouter(NativeWindows& windows);

  void Route(const SDL_Event& event);
  // Ends a pump pass: a key down still held back has no text coming, and a keyboard that left
  // our windows lets go of the keys held, as on the other hosts.
  void EndPass();

 private:
  // Keys go to the window with the keyboard focus, which the window system tracks.
  class WindowSystemKeys final : public KeySink {
   public:
    void KeyDown(int virtualKey, int character, bool repeat) override;
    void KeyUp(int virtualKey) override;
    void Char(int character) override;
  };

  // A pixel of a window, in screen pixels (scaled) or in window pixels.
  struct Point {
    win::WindowId window = 0;
    int x = 0;
    int y = 0;
  };
  Point InPressedWindow(win::WindowId window, int x, int y) const;
  Point Unscaled(const Point& screen) const;

  void RouteKeyUp(const SDL_Keysym& key);
  bool FocusLossFollows() const;
  void RouteWindowEvent(const SDL_WindowEvent& event);
  void RouteButton(const SDL_MouseButtonEvent& event);
  void RouteMotion(const SDL_MouseMotionEvent& event);
  void RouteResize(win::WindowId window, int width, int height);

  NativeWindows& windows_;
  win::WindowId pressed_ = 0;     // where the left button went down, while it is held
  bool keyboardLeaving_ = false;  // SDL let go of the keys held as one of our windows lost it
  WindowSystemKeys sink_;
  KeyTranslator keys_{sink_};
};

}  // namespace sdlhost
