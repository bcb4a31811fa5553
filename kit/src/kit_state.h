#pragma once
// The kit's state, all of it in one object: the windows, the canvas, the event being decided and
// the run flags; the Run menu's, the console's and the script file's own; the tools' hooks; and
// the window system the kit runs on. Made on first use (a message printed or a hook set before
// KitOpen is kept) and ended by KitClose, so a kit opened again starts afresh.

#include <array>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "frame_damage.h"
#include "pz417/kit_tools.h"
#include "raster/bitmap.h"
#include "win/host.h"
#include "win/window.h"

namespace kit {

constexpr int CanvasWidth = 601;
constexpr int CanvasHeight = 540;
constexpr int TimerId = 2;
constexpr int TimerPeriodMs = 100;
constexpr int NoEvent = -1;

// A box filled in one colour, held back until the next drawing call or look at the canvas.
struct HeldFill {
  raster::Rect box;
  raster::Color color = 0;
};

struct KitState {
  win::WindowId graphicsWindow = 0;
  win::WindowId consoleWindow = 0;
  raster::Bitmap canvas;             // made by KitOpen; undefined content until first filled
  std::optional<HeldFill> heldFill;  // not yet on the canvas: see FlushDrawing
  int originX = 0;
  int originY = 0;
  int dirty = 1;
  int pendingKind = 0;
  int eventX = 0;
  int eventY = 0;
  signed char eventKey = 0;
  int tickFlag = 0;
  std::uint8_t animate = 0;
  std::uint8_t oneFrame = 0;
  std::uint8_t quitRequest = 0;
  std::uint8_t recording = 0;
  std::uint8_t playback = 0;
  std::uint8_t playOne = 0;
  int periodicCount = 0;
};

struct RunMenuState {
  win::MenuId runMenu = 0;
  int ctrlFlag = 0;
  std::uint8_t loggingFlag = 1;
};

constexpr int ConsoleRingSize = 25;

// The console's last messages, oldest first from `first`.
struct ConsoleRing {
  // Each slot owns one message, allocated with exactly its length + 1 bytes.
  std::array<std::unique_ptr<char[]>, ConsoleRingSize> slots;
  int first = -1;
  int next = 0;
};

// Lines printed but not yet drawn: drawing them together scrolls the console once, not once per
// line. Only the newest lines that can still show are kept; `count` says how many there were.
struct ConsoleBacklog {
  std::deque<std::string> lines;
  std::size_t count = 0;
};

struct KitHooks {
  std::function<void(std::string_view)> print;
  std::function<void(int, int, int, signed char)> event;
  std::function<void()> close;
};

struct Kit {
  KitState state;
  RunMenuState runMenu;
  ConsoleRing console;
  ConsoleBacklog backlog;
  FrameDamage frameDamage;
  // Opened on first use, in the direction of whichever of recorder and player needs it.
  std::FILE* scriptFile = nullptr;
  KitHooks hooks;
  std::unique_ptr<win::WindowSystem> windows;  // made by KitOpen
};

// The kit, made on first use. Inline: every drawing call asks for it several times.
extern Kit* theKit;
Kit& MakeKit();
inline Kit& TheKit() {
  return theKit != nullptr ? *theKit : MakeKit();
}
inline KitState& State() {
  return TheKit().state;
}
// Ends the kit: its window system, windows and all. The script file must be closed first.
void EndKit();

// Run menu and Ctrl shortcuts.
void BuildRunMenu(win::WindowId window);
void CarryOutMenuCommand(int commandId);
void RunMenuKey(win::Msg msg, int virtualKey, bool repeat);
void SetMenuCheck(int commandId, bool checked);
bool CtrlFlagSet();
bool LoggingOn();

// The console.
std::intptr_t ConsoleWindowProc(win::WindowId window, win::Msg msg, std::uintptr_t wParam,
                                std::intptr_t lParam);
// Draws the console's backlog when the window system needs its pixels.
void HoldConsoleDrawing(win::WindowId console);
// So the user sees what the kit tells them: logging switched on by the user, script messages.
void ShowConsoleIfHidden();

// The script file: recording, playback and the three script commands.
void ScriptWrite(int kind, int x, int y, signed char key);
int ScriptPlayStep();
void ScriptStopPlayback();
void ScriptClose();
void RecordScriptCommand();
void PlaybackScriptCommand();
void PlayOneScriptCommand();

}  // namespace kit
