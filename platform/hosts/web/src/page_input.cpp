#include "page_input.h"

#include "keys.h"
#include "win/host.h"

namespace webhost {
namespace {

bool Has(int flags, int flag) {
  return (flags & flag) != 0;
}

// A key without a virtual-key code that types a character gives the character alone.
void RouteKeyDown(const PageRecord& record) {
  const int virtualKey = VirtualKeyOf(record.code, record.key);
  const int character = CharacterOf(virtualKey, record.key, Has(record.a, key_flags::Ctrl));
  if (virtualKey != 0) {
    win::InputKeyDown(virtualKey, character);
  } else if (character >= 0) {
    win::InputChar(character);
  }
}

void RouteKeyUp(const PageRecord& record) {
  if (const int virtualKey = VirtualKeyOf(record.code, record.key); virtualKey != 0) {
    win::InputKeyUp(virtualKey);
  }
}

// A press on a frame that does not have the keyboard gives it the keyboard first, as a click
// activates a window on the desktop; window 0 is the page getting the keyboard back.
void RouteFocus(const PageRecord& record) {
  const win::WindowId window = record.window != 0 ? record.window : win::FocusedWindow();
  if (record.window != 0 && window == win::FocusedWindow()) return;
  win::InputFocus(window, record.a != 0);
}

// The canvas is the window's content, menu bar included; the client area is what lies below.
void RouteResize(const PageRecord& record) {
  win::InputResize(record.window, record.a, record.b - win::MenuBarRows(record.window));
}

}  // namespace

void RouteInput(const PageRecord& record) {
  switch (record.kind) {
    case PageInput::Press:
      win::InputPress(record.window, record.a, record.b);
      break;
    case PageInput::Move:
      win::InputMouseMove(record.window, record.a, record.b);
      break;
    case PageInput::Release:
      win::InputRelease(record.window, record.a, record.b);
      break;
    case PageInput::KeyDown:
      RouteKeyDown(record);
      break;
    case PageInput::KeyUp:
      RouteKeyUp(record);
      break;
    case PageInput::Close:
      win::InputClose(record.window);
      break;
    case PageInput::Resize:
      RouteResize(record);
      break;
    case PageInput::Focus:
      RouteFocus(record);
      break;
    case PageInput::FocusLeft:
      win::InputFocusLeft();
      break;
  }
}

}  // namespace webhost
