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
  // Ends a pump pass: a key down still held back has no text coming.
  void EndPass() { keys_.Flush(); }

 private:
  // Keys go to the window with the keyboard focus, which the window system tracks.
  class WindowSystemKeys final : public KeySink {
   public:
    void KeyDown(int virtualKey, int character, bool repeat) override;
    void KeyUp(int virtualKey) override;
    void Char(int character) override;
  };

  void RouteWindowEvent(const SDL_WindowEvent& event);
  void RouteButton(const SDL_MouseButtonEvent& event);
  void RouteMotion(const SDL_MouseMotionEvent& event);
  void RouteResize(win::WindowId window, int width, int height);

  NativeWindows& windows_;
  WindowSystemKeys sink_;
  KeyTranslator keys_{sink_};
};

}  // namespace sdlhost
