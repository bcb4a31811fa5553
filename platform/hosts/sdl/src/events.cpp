#include "events.h"

#include <SDL_keyboard.h>
#include <SDL_mouse.h>

#include <iterator>

#include "win/host.h"
#include "win/scale.h"

namespace sdlhost {

void EventRouter::WindowSystemKeys::KeyDown(int virtualKey, int character, bool repeat) {
  win::InputKeyDown(virtualKey, character, repeat);
}

void EventRouter::WindowSystemKeys::KeyUp(int virtualKey) {
  win::InputKeyUp(virtualKey);
}

void EventRouter::WindowSystemKeys::Char(int character) {
  win::InputChar(character);
}

EventRouter::EventRouter(NativeWindows& windows) : windows_(windows) {}

void EventRouter::Route(const SDL_Event& event) {
  if (event.type == SDL_TEXTINPUT) {
    keys_.Text(event.text.text);
    return;
  }
  keys_.Flush();
  switch (event.type) {
    case SDL_KEYDOWN:
      keys_.KeyDown(event.key.keysym.sym, event.key.keysym.scancode, event.key.keysym.mod,
                    event.key.repeat != 0);
      break;
    case SDL_KEYUP:
      RouteKeyUp(event.key.keysym);
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      RouteButton(event.button);
      break;
    case SDL_MOUSEMOTION:
      RouteMotion(event.motion);
      break;
    case SDL_WINDOWEVENT:
      RouteWindowEvent(event.window);
      break;
    default:
      break;
  }
}

// While the left button is held, its moves and its release belong to the window it went down
// in, as the classic desktop captures the mouse there. SDL captures it for the window with the
// keyboard instead, which reports them in its own coordinates: they are moved to the pressed
// window's through the screen.
EventRouter::Point EventRouter::InPressedWindow(win::WindowId window, int x, int y) const {
  if (pressed_ == 0 || pressed_ == window) return {window, x, y};
  const SDL_Point from = windows_.Origin(window);
  const SDL_Point to = windows_.Origin(pressed_);
  return {pressed_, x + from.x - to.x, y + from.y - to.y};
}

EventRouter::Point EventRouter::Unscaled(const Point& screen) const {
  return {screen.window, win::Unscaled(screen.x, windows_.Scale()),
          win::Unscaled(screen.y, windows_.Scale())};
}

// When a window of ours loses the keyboard, SDL lets go of every key held, and the key-ups it
// sends come just before the loss. They are no key-ups of the user's: keys held while the
// keyboard moves to our other window are still the same held keys (their auto-repeats are no
// fresh presses), and when the pass ends with none of our windows gaining it, the keyboard went
// to another program, where the keys may be let go of (the window layer is told so, and no
// lone Alt-up reaches the menu bar).
void EventRouter::RouteKeyUp(const SDL_Keysym& key) {
  if (FocusLossFollows()) {
    keyboardLeaving_ = true;
    return;
  }
  keys_.KeyUp(key.sym, key.scancode);
}

bool EventRouter::FocusLossFollows() const {
  SDL_Event queued[64];
  const int count = SDL_PeepEvents(queued, static_cast<int>(std::size(queued)), SDL_PEEKEVENT,
                                   SDL_FIRSTEVENT, SDL_LASTEVENT);
  for (int i = 0; i < count; ++i) {
    if (queued[i].type == SDL_KEYUP) continue;
    return queued[i].type == SDL_WINDOWEVENT &&
           queued[i].window.event == SDL_WINDOWEVENT_FOCUS_LOST &&
           windows_.Find(queued[i].window.windowID) != 0;
  }
  return false;
}

void EventRouter::EndPass() {
  keys_.Flush();
  if (keyboardLeaving_) win::InputFocusLeft();
  keyboardLeaving_ = false;
}

void EventRouter::RouteButton(const SDL_MouseButtonEvent& event) {
  const win::WindowId window = windows_.Find(event.windowID);
  if (event.button != SDL_BUTTON_LEFT || window == 0) return;
  if (event.state == SDL_PRESSED) {
    pressed_ = window;
    const Point at = Unscaled({window, event.x, event.y});
    win::InputPress(at.window, at.x, at.y);
  } else {
    const Point at = Unscaled(InPressedWindow(window, event.x, event.y));
    pressed_ = 0;
    win::InputRelease(at.window, at.x, at.y);
  }
}

void EventRouter::RouteMotion(const SDL_MouseMotionEvent& event) {
  if (const win::WindowId window = windows_.Find(event.windowID)) {
    const Point at = Unscaled(InPressedWindow(window, event.x, event.y));
    win::InputMouseMove(at.window, at.x, at.y);
  }
}

void EventRouter::RouteWindowEvent(const SDL_WindowEvent& event) {
  const win::WindowId window = windows_.Find(event.windowID);
  if (window == 0) return;
  switch (event.event) {
    case SDL_WINDOWEVENT_CLOSE:
      win::InputClose(window);
      break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      keyboardLeaving_ = false;  // it moved between our windows: the keys are still held
      win::InputFocus(window, (SDL_GetModState() & KMOD_CTRL) != 0);
      break;
    case SDL_WINDOWEVENT_EXPOSED:
      // The screen keeps no copy of the window (no backing store): show the last pixels at
      // once, and let the program paint, as the classic desktop asks it to.
      windows_.Refresh(window);
      win::InputExpose(window);
      break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      RouteResize(window, event.data1, event.data2);
      break;
    default:
      break;
  }
}

// Only a size the user gave the window is news; the window system's own sizes come back
// here too, once SDL has applied them.
void EventRouter::RouteResize(win::WindowId window, int width, int height) {
  if (!windows_.NoteContentSize(window, {width, height})) return;
  const win::Size content = windows_.ContentSize({width, height});
  win::InputResize(window, content.width, content.height - win::MenuBarRows(window));
}

}  // namespace sdlhost
