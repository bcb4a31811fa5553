#include "events.h"

#include <SDL_keyboard.h>
#include <SDL_mouse.h>

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
      keys_.KeyUp(event.key.keysym.sym, event.key.keysym.scancode);
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

void EventRouter::RouteButton(const SDL_MouseButtonEvent& event) {
  const win::WindowId window = windows_.Find(event.windowID);
  if (event.button != SDL_BUTTON_LEFT || window == 0) return;
  const int x = win::Unscaled(event.x, windows_.Scale());
  const int y = win::Unscaled(event.y, windows_.Scale());
  if (event.state == SDL_PRESSED) {
    win::InputPress(window, x, y);
  } else {
    win::InputRelease(window, x, y);
  }
}

void EventRouter::RouteMotion(const SDL_MouseMotionEvent& event) {
  if (const win::WindowId window = windows_.Find(event.windowID)) {
    win::InputMouseMove(window, win::Unscaled(event.x, windows_.Scale()),
                        win::Unscaled(event.y, windows_.Scale()));
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
  const win::Size content = windows_.Unscaled({width, height});
  const int barRows = win::GetMenu(window) != 0 ? win::MenuBarHeight : 0;
  win::InputResize(window, content.width, content.height - barRows);
}

}  // namespace sdlhost
