#pragma once
// For tools and tests that watch or drive a program run on the kit (the replay entry, end-to-end
// tests).
// Programs use kit.h alone.

#include <functional>
#include <string_view>

#include "raster/bitmap.h"
#include "win/window.h"

// The hooks may be set before KitOpen; KitClose ends them with the rest of the kit.
// Called with every console message, exactly as printed, in order.
void KitSetPrintHook(std::function<void(std::string_view message)> hook);
// Called with every event KitWaitEvent returns, as it returns it.
void KitSetEventHook(std::function<void(int kind, int x, int y, signed char key)> hook);
// Called at the start of KitClose, while the windows and the canvas below still exist: KitClose
// ends them, so a tool keeps what it wants to show of the program's end here.
void KitSetCloseHook(std::function<void()> hook);

win::WindowId KitGraphicsWindow();
win::WindowId KitConsoleWindow();
const raster::Bitmap& KitCanvas();
// Where kit (0, 0) lies in the graphics window's client area.
int KitOriginX();
int KitOriginY();

namespace kit {

// The Run menu's command ids, as its entries carry them and a drive file's `menu N` names them.
enum RunMenuCommand {
  AnimateCommand = 1,
  HaltCommand = 2,
  OneFrameCommand = 3,
  LoggingCommand = 4,
  RecordCommand = 5,
  PlaybackCommand = 6,
  PlayOneCommand = 7,
  QuitCommand = 8,
  InfoCommand = 9,  // the greyed lines at the menu's end
};
constexpr int FirstMenuCommand = AnimateCommand;
constexpr int LastMenuCommand = InfoCommand;

}  // namespace kit
