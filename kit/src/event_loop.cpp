// Opening and closing the kit, the graphics window's procedure and the event loop.

#include <climits>
#include <functional>
#include <utility>

#include "kit_state.h"
#include "pz417/kit.h"
#include "pz417/kit_tools.h"

namespace kit {
namespace {

constexpr const char* GraphicsClass = "DrawWndClass";
constexpr const char* ConsoleClass = "TextWndClass";
constexpr raster::Color ClassBackground = raster::Rgb(255, 255, 255);

KitState state;
std::function<void(int, int, int, signed char)> eventHook;

void CopyCanvasToWindow() {
  win::BitBlt(state.graphicsWindow, 0, 0, CanvasWidth, CanvasHeight, state.canvas, 0, 0);
}

void SetOriginFromClient(win::WindowId window) {
  const raster::Rect client = win::GetClientRect(window);
  state.originX = static_cast<int>(client.left + (client.right - client.left) / 2);
  state.originY = static_cast<int>(client.top + (client.bottom - client.top) / 2);
}

void Repaint(win::WindowId window) {
  win::BeginPaint(window);
  CopyCanvasToWindow();
  win::EndPaint(window);
  state.dirty = 0;
}

void MousePressed(std::intptr_t lParam) {
  const int pressX = static_cast<std::uint16_t>(lParam & 0xFFFF);
  const int pressY = static_cast<std::uint16_t>((lParam >> 16) & 0xFFFF);
  state.pendingKind = Mouse;
  state.eventX = pressX - state.originX;
  state.eventY = state.originY - pressY;
}

void CharacterTyped(std::uintptr_t character) {
  if (CtrlFlagSet()) return;
  state.pendingKind = Key;
  state.eventKey = static_cast<signed char>(character & 0xFF);
}

void WindowDestroyed(win::WindowId window) {
  win::KillTimer(window, TimerId);
  win::PostQuitMessage(0);
}

std::intptr_t GraphicsWindowProc(win::WindowId window, win::Msg msg, std::uintptr_t wParam,
                                 std::intptr_t lParam) {
  switch (msg) {
    case win::Msg::Create:
      BuildRunMenu(window);
      return 0;
    case win::Msg::Size:
      SetOriginFromClient(window);
      return 0;
    case win::Msg::Paint:
      Repaint(window);
      return 0;
    case win::Msg::Timer:
      state.tickFlag = 1;
      return 0;
    case win::Msg::LButtonDown:
      MousePressed(lParam);
      return 0;
    case win::Msg::Char:
      CharacterTyped(wParam);
      return 0;
    case win::Msg::KeyDown:
    case win::Msg::KeyUp:
      RunMenuKey(msg, static_cast<int>(wParam), win::IsKeyRepeat(lParam));
      return 0;
    case win::Msg::Command:
      RunMenuCommand(static_cast<int>(wParam));
      return 0;
    case win::Msg::Destroy:
      WindowDestroyed(window);
      return 0;
    default:
      return win::DefWindowProc(window, msg, wParam, lParam);
  }
}

void RegisterClasses() {
  win::RegisterClass(GraphicsClass, GraphicsWindowProc, ClassBackground);
  win::RegisterClass(ConsoleClass, ConsoleWindowProc, ClassBackground);
}

void CreateWindows() {
  const win::Size screen = win::GetScreenSize();
  state.graphicsWindow = win::CreateWindow(GraphicsClass, "PZ417 Graphics", win::Style::Caption, 0,
                                           0, CanvasWidth, CanvasHeight);
  state.consoleWindow =
      win::CreateWindow(ConsoleClass, "PZ417 Text", win::Style::Overlapped, 0,
                        (2 * screen.height) / 3 + 1, screen.width, screen.height / 3);
}

// One pass: at most one message, then the canvas copy if drawing changed it.
void KitPumpOnce() {
  win::Message message;
  if (win::PeekMessage(message)) {
    if (message.msg == win::Msg::Quit) {
      state.pendingKind = Quit;
      return;
    }
    win::TranslateMessage(message);
    win::DispatchMessage(message);
  }
  if (state.dirty) {
    CopyCanvasToWindow();
    state.dirty = 0;
  }
}

bool Undecided() {
  return state.pendingKind == NoEvent || (state.pendingKind == Periodic && !state.tickFlag);
}

// A played event ends the wait at once. A Quit the pass just produced is never replaced.
bool PlayedEventReady() {
  if (state.pendingKind == Quit || !(state.playOne || state.playback)) return false;
  state.playOne = 0;
  if (ScriptPlayStep() == 1) return true;
  state.playOne = 0;
  state.playback = 0;
  return false;
}

void ArmPeriodic() {
  if ((state.oneFrame || state.animate) && state.pendingKind == NoEvent) {
    state.pendingKind = Periodic;
    state.tickFlag = 0;
    state.oneFrame = 0;
  }
}

void RecordEvent() {
  if (!state.recording) return;
  if (state.pendingKind == Periodic) {
    if (state.periodicCount < INT_MAX) ++state.periodicCount;
    return;
  }
  if (state.periodicCount > 0) {
    ScriptWrite(Periodic, 0, 0, 0);
    state.periodicCount = 0;
  }
  ScriptWrite(state.pendingKind, state.eventX, state.eventY, state.eventKey);
}

void DecideEvent() {
  while (Undecided()) {
    KitPumpOnce();
    if (PlayedEventReady()) return;
    ArmPeriodic();
    // Nothing left to take in this wait: sleep until input or the next tick instead of spinning.
    if (Undecided() && !(state.playOne || state.playback)) win::WaitMessage();
  }
}

}  // namespace

KitState& State() {
  return state;
}

void ResetKitForTests() {
  state = KitState{};
  eventHook = nullptr;
  ResetRunMenuForTests();
  ResetConsoleForTests();
  ResetScriptForTests();
}

}  // namespace kit

using kit::state;

int KitOpen(KitInstance /*instance*/, KitInstance previousInstance, const char* /*commandLine*/,
            int showState) {
  if (previousInstance == nullptr) kit::RegisterClasses();
  state.animate = 0;
  state.oneFrame = 0;
  kit::CreateWindows();
  state.canvas = raster::Bitmap(kit::CanvasWidth, kit::CanvasHeight);
  win::ShowWindow(state.consoleWindow, showState != 0);
  win::ShowWindow(state.graphicsWindow, showState != 0);
  win::SetTimer(state.graphicsWindow, kit::TimerId, kit::TimerPeriodMs);
  return 1;
}

int KitClose() {
  kit::ScriptClose();
  return 1;
}

int KitWaitEvent(int* x, int* y, char* key) {
  state.pendingKind = kit::NoEvent;
  state.eventKey = 0;
  state.eventY = 0;
  state.eventX = 0;
  // Without windows there is nothing to wait for; end the caller's loop rather than hang.
  if (state.graphicsWindow == 0) state.pendingKind = Quit;
  kit::DecideEvent();
  kit::RecordEvent();
  if (x != nullptr) *x = state.eventX;
  if (y != nullptr) *y = state.eventY;
  if (key != nullptr) *key = static_cast<char>(state.eventKey);
  const int result = state.quitRequest ? Quit : state.pendingKind;
  if (kit::eventHook) kit::eventHook(result, state.eventX, state.eventY, state.eventKey);
  return result;
}

void KitSetEventHook(std::function<void(int, int, int, signed char)> hook) {
  kit::eventHook = std::move(hook);
}

win::WindowId KitGraphicsWindow() {
  return state.graphicsWindow;
}
win::WindowId KitConsoleWindow() {
  return state.consoleWindow;
}
const raster::Bitmap& KitCanvas() {
  return state.canvas;
}
int KitOriginX() {
  return state.originX;
}
int KitOriginY() {
  return state.originY;
}
