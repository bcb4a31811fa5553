// Input as hosts report it: queued in the order it happened, routed when a peek takes it.

#include "menu_internal.h"
#include "system.h"

namespace win {
namespace {

using detail::Sys;

void QueueInput(WindowId window, Msg msg, std::uintptr_t wParam, std::intptr_t lParam) {
  if (!IsWindow(window)) return;
  Sys().input.push_back({window, msg, wParam, lParam});
}

std::uintptr_t AsWParam(int value) {
  return static_cast<std::uintptr_t>(static_cast<std::intptr_t>(value));
}

bool IsCharacter(int character) {
  return character >= 0 && character <= 255;
}

// Notes whether the key is down, as the input said last, whichever window it went to; returns
// whether it was down before.
bool NoteKeyDown(int virtualKey, bool down) {
  if (virtualKey < 0 || static_cast<std::size_t>(virtualKey) >= Sys().keysDown.size()) return false;
  const auto key = static_cast<std::size_t>(virtualKey);
  const bool wasDown = Sys().keysDown[key];
  Sys().keysDown[key] = down;
  return wasDown;
}

bool Held(int virtualKey) {
  return Sys().keysDown[static_cast<std::size_t>(virtualKey)];
}

}  // namespace

void InputPress(WindowId window, int contentX, int contentY) {
  QueueInput(window, Msg::LButtonDown, AsWParam(contentX), contentY);
}

void InputMouseMove(WindowId window, int contentX, int contentY) {
  QueueInput(window, Msg::MouseMove, AsWParam(contentX), contentY);
}

void InputRelease(WindowId window, int contentX, int contentY) {
  QueueInput(window, Msg::LButtonUp, AsWParam(contentX), contentY);
}

// Alt and Ctrl are tracked here: as on the classic desktop, a key is a system key only while Alt
// is held without Ctrl, and F10 is one without Ctrl. So Ctrl's own messages always reach the
// window, and its Ctrl tracking never misses a release.
bool SystemKey(int virtualKey) {
  return !Held(vk::Control) && (Held(vk::Menu) || virtualKey == vk::F10);
}

// A key-down of a key that is already down is a repeat, as the classic desktop marks it, whether
// or not the host said so.
void InputKeyDown(int virtualKey, int character, bool repeat) {
  repeat = NoteKeyDown(virtualKey, true) || repeat;
  const Msg msg = SystemKey(virtualKey) ? Msg::SysKeyDown : Msg::KeyDown;
  QueueInput(Sys().focus, msg, AsWParam(virtualKey), KeyLParam(character, repeat));
}

void InputKeyUp(int virtualKey) {
  const Msg msg = SystemKey(virtualKey) ? Msg::SysKeyUp : Msg::KeyUp;
  NoteKeyDown(virtualKey, false);
  QueueInput(Sys().focus, msg, AsWParam(virtualKey), KeyLParam(-1, false));
}

void InputChar(int character) {
  if (IsCharacter(character)) QueueInput(Sys().focus, Msg::Char, AsWParam(character), 0);
}

void InputClose(WindowId window) {
  QueueInput(window, Msg::Close, 0, 0);
}

// A window that lost the focus while Ctrl was down never saw Ctrl go up; it is told now, so
// that a plain letter typed next is not taken as a shortcut.
void InputFocus(WindowId window, bool ctrlHeld) {
  if (!IsWindow(window)) return;
  if (Sys().tracking.window != 0 && Sys().tracking.window != window) detail::CloseMenu();
  Sys().focus = window;
  NoteKeyDown(vk::Control, ctrlHeld);
  if (ctrlHeld || !Sys().lastCtrlDown) return;
  Sys().lastCtrlDown = false;
  QueueInput(window, Msg::KeyUp, AsWParam(vk::Control), KeyLParam(-1, false));
}

void InputFocusLeft() {
  Sys().keysDown.reset();
}

void InputResize(WindowId window, int clientWidth, int clientHeight) {
  QueueInput(window, Msg::Size, AsWParam(clientWidth), clientHeight);
}

// The host may have lost any of the window's pixels: all of them are presented again. As on the
// classic desktop, the part uncovered is erased before the window paints it, so a procedure that
// paints only part of its area leaves the rest blank.
void InputExpose(WindowId window) {
  detail::DamageWholeWindow(window);
  InvalidateWindow(window, true);
}

WindowId FocusedWindow() {
  return Sys().focus;
}

}  // namespace win
