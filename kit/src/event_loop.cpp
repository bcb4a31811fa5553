// Opening and closing the kit, the graphics window's procedure and the event loop.

#include <algorithm>
#include <climits>
#include <functional>
#include <utility>

#include "kit_state.h"
#include "pz417/kit.h"
#include "pz417/kit_tools.h"
#include "render.h"

namespace kit {
namespace {

constexpr const char* GraphicsClass = "DrawWndClass";
constexpr const char* ConsoleClass = "TextWndClass";
constexpr raster::Color ClassBackground = raster::Rgb(255, 255, 255);

// Only what the calls since the last copy may have changed.
void CopyCanvasToWindow() {
  FlushDrawing();
  const KitState& state = State();
  const raster::Rect view = win::GetClientRect(state.graphicsWindow);
  const raster::Rect canvasView{0, 0, std::min<std::int64_t>(view.right, CanvasWidth),
                                std::min<std::int64_t>(view.bottom, CanvasHeight)};
  for (const raster::Rect& box : TheKit().frameDamage.Take(canvasView)) {
    win::BitBlt(state.graphicsWindow, box.left, box.top, box.width(), box.height(), state.canvas,
                box.left, box.top);
  }
}

void SetOriginFromClient(win::WindowId window) {
  KitState& state = State();
  const raster::Rect client = win::GetClientRect(window);
  state.originX = static_cast<int>(client.left + (client.right - client.left) / 2);
  state.originY = static_cast<int>(client.top + (client.bottom - client.top) / 2);
}

void Repaint(win::WindowId window) {
  TheKit().frameDamage.Forget();
  win::BeginPaint(window);
  CopyCanvasToWindow();
  win::EndPaint(window);
  State().dirty = 0;
}

void MousePressed(std::intptr_t lParam) {
  KitState& state = State();
  const int pressX = static_cast<std::uint16_t>(lParam & 0xFFFF);
  const int pressY = static_cast<std::uint16_t>((lParam >> 16) & 0xFFFF);
  state.pendingKind = Mouse;
  state.eventX = pressX - state.originX;
  state.eventY = state.originY - pressY;
}

void CharacterTyped(std::uintptr_t character) {
  if (CtrlFlagSet()) return;
  State().pendingKind = Key;
  State().eventKey = static_cast<signed char>(character & 0xFF);
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
      TheKit().frameDamage.Forget();
      SetOriginFromClient(window);
      return 0;
    case win::Msg::Paint:
      Repaint(window);
      return 0;
    case win::Msg::Timer:
      State().tickFlag = 1;
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
      CarryOutMenuCommand(static_cast<int>(wParam));
      return 0;
    case win::Msg::Destroy:
      WindowDestroyed(window);
      return 0;
    default:
      return win::DefWindowProc(window, msg, wParam, lParam);
  }
}

// The kit examines no result of the platform: a class, window or timer that cannot be made
// leaves the kit with less to show, never stops it.
void RegisterClasses() {
  win::RegisterClass(GraphicsClass, GraphicsWindowProc, ClassBackground).IgnoreError();
  win::RegisterClass(ConsoleClass, ConsoleWindowProc, ClassBackground).IgnoreError();
}

void CreateWindows() {
  KitState& state = State();
  const win::Size screen = win::GetScreenSize();
  state.graphicsWindow = win::CreateWindow(GraphicsClass, "PZ417 Graphics", win::Style::Caption, 0,
                                           0, CanvasWidth, CanvasHeight)
                             .value_or(0);
  state.consoleWindow =
      win::CreateWindow(ConsoleClass, "PZ417 Text", win::Style::Overlapped, 0,
                        (2 * screen.height) / 3 + 1, screen.width, screen.height / 3)
          .value_or(0);
  HoldConsoleDrawing(state.consoleWindow);
}

// One pass: at most one message, then the canvas copy if drawing changed it.
void KitPumpOnce() {
  KitState& state = State();
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
  const KitState& state = State();
  return state.pendingKind == NoEvent || (state.pendingKind == Periodic && !state.tickFlag);
}

// A played event ends the wait at once. A Quit the pass just produced is never replaced.
bool PlayedEventReady() {
  KitState& state = State();
  if (state.pendingKind == Quit || !(state.playOne || state.playback)) return false;
  state.playOne = 0;
  if (ScriptPlayStep() == 1) return true;
  state.playOne = 0;
  state.playback = 0;
  return false;
}

void ArmPeriodic() {
  KitState& state = State();
  if ((state.oneFrame || state.animate) && state.pendingKind == NoEvent) {
    state.pendingKind = Periodic;
    state.tickFlag = 0;
    state.oneFrame = 0;
  }
}

void RecordEvent() {
  KitState& state = State();
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
  const KitState& state = State();
  while (Undecided()) {
    KitPumpOnce();
    if (PlayedEventReady()) return;
    ArmPeriodic();
    // Nothing left to take in this wait: sleep until input or the next tick instead of spinning.
    if (Undecided() && !(state.playOne || state.playback)) win::WaitMessage();
  }
}

}  // namespace

// Never destroyed at exit: a kit left open would end after the host its windows run on.
Kit* theKit = nullptr;

Kit& MakeKit() {
  theKit = new Kit;
  return *theKit;
}

void EndKit() {
  const Kit* ending = theKit;
  theKit = nullptr;
  delete ending;
}

}  // namespace kit

int KitOpen(KitInstance /*instance*/, KitInstance previousInstance, const char* /*commandLine*/,
            int showState) {
  kit::Kit& kit = kit::TheKit();
  if (!kit.windows) kit.windows = std::make_unique<win::WindowSystem>();
  kit::KitState& state = kit.state;
  if (previousInstance == nullptr) kit::RegisterClasses();
  state.animate = 0;
  state.oneFrame = 0;
  kit::CreateWindows();
  state.canvas = raster::Bitmap(kit::CanvasWidth, kit::CanvasHeight);
  state.heldFill.reset();
  kit.frameDamage.Forget();
  win::ShowWindow(state.consoleWindow, showState != 0);
  win::ShowWindow(state.graphicsWindow, showState != 0);
  win::SetTimer(state.graphicsWindow, kit::TimerId, kit::TimerPeriodMs).IgnoreError();
  return 1;
}

// Everything the kit made goes: the script file is closed, then the windows, the canvas and the
// rest of the kit's state. Tools that look at the windows after the program see them first.
int KitClose() {
  if (const auto onClose = kit::TheKit().hooks.close) onClose();
  kit::ScriptClose();
  kit::EndKit();
  return 1;
}

int KitWaitEvent(int* x, int* y, char* key) {
  kit::KitState& state = kit::State();
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
  const auto& onEvent = kit::TheKit().hooks.event;
  if (onEvent) onEvent(result, state.eventX, state.eventY, state.eventKey);
  return result;
}

void KitSetEventHook(std::function<void(int, int, int, signed char)> hook) {
  kit::TheKit().hooks.event = std::move(hook);
}

void KitSetCloseHook(std::function<void()> hook) {
  kit::TheKit().hooks.close = std::move(hook);
}

win::WindowId KitGraphicsWindow() {
  return kit::State().graphicsWindow;
}
win::WindowId KitConsoleWindow() {
  return kit::State().consoleWindow;
}
const raster::Bitmap& KitCanvas() {
  kit::FlushDrawing();
  return kit::State().canvas;
}
int KitOriginX() {
  return kit::State().originX;
}
int KitOriginY() {
  return kit::State().originY;
}
