#pragma once
// Kit-wide state shared by the kit's modules: the windows, the canvas, the event being decided
// and the run flags. One instance, living for the whole process.

#include <cstdint>

#include "raster/bitmap.h"
#include "win/window.h"

namespace kit {

constexpr int CanvasWidth = 601;
constexpr int CanvasHeight = 540;
constexpr int TimerId = 2;
constexpr int TimerPeriodMs = 100;
constexpr int NoEvent = -1;

struct KitState {
  win::WindowId graphicsWindow = 0;
  win::WindowId consoleWindow = 0;
  raster::Bitmap canvas;  // made by KitOpen; undefined content until first filled
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

KitState& State();

// The Run menu's command ids.
enum RunMenuCommand {
  AnimateCommand = 1,
  HaltCommand = 2,
  OneFrameCommand = 3,
  LoggingCommand = 4,
  RecordCommand = 5,
  PlaybackCommand = 6,
  PlayOneCommand = 7,
  QuitCommand = 8,
  InfoCommand = 9,
};

// Run menu and Ctrl shortcuts.
void BuildRunMenu(win::WindowId window);
void RunMenuCommand(int commandId);
void RunMenuKey(win::Msg msg, int virtualKey, bool repeat);
void SetMenuCheck(int commandId, bool checked);
bool CtrlFlagSet();
bool LoggingOn();

// The console.
std::intptr_t ConsoleWindowProc(win::WindowId window, win::Msg msg, std::uintptr_t wParam,
                                std::intptr_t lParam);
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

// Back to the state at program start, for tests that run the kit more than once in a process.
// Each module resets its own state; ResetKitForTests calls them all.
void ResetKitForTests();
void ResetRunMenuForTests();
void ResetConsoleForTests();
void ResetScriptForTests();

}  // namespace kit
