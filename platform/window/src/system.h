#pragma once
// The window system's state and the helpers every part of it shares. The state belongs to the
// live WindowSystem; Sys() hands it to the rest of the layer.

#include <bitset>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "pz417/status.h"
#include "raster/bitmap.h"
#include "win/damage.h"
#include "win/host.h"
#include "win/window.h"

namespace win::detail {

struct WindowClassRec {
  std::string name;
  WindowProc proc = nullptr;
  raster::Color background = 0;
};

struct WindowRec {
  std::string title;
  Style style = Style::Caption;
  raster::Rect outer;
  WindowProc proc = nullptr;
  raster::Color background = 0;
  raster::Bitmap client;
  std::function<void()> finishDrawing;  // the owner's held-back drawing, put in the client
  MenuId menu = 0;
  bool visible = false;
  bool invalid = false;     // a Paint is owed
  bool erase = false;       // BeginPaint erases first
  DamageList damage;        // where the content differs from what the host was last shown
  raster::Bitmap composed;  // what the host was last shown, kept to be brought up to date
  bool destroying = false;
};

// The rows of the window's content above its client area.
inline int MenuBarRows(const WindowRec& rec) {
  return rec.menu != 0 ? MenuBarHeight : 0;
}

struct MenuRec {
  bool bar = false;
  std::vector<MenuItemInfo> items;
};

struct TimerRec {
  WindowId window = 0;
  int id = 0;
  int periodMs = 0;
  std::int64_t dueMs = 0;
};

// Which menu bar is active and how: highlighted from the keyboard, or with a dropdown open.
struct MenuTracking {
  WindowId window = 0;  // 0: no menu is active
  int barItem = -1;
  bool dropped = false;
  int selected = -1;            // the highlighted dropdown item, by keyboard or mouse; -1: none
  bool closeOnRelease = false;  // the open bar item was pressed again: its release closes it
};

struct SystemState {
  Host* host = nullptr;
  std::vector<WindowClassRec> classes;
  std::map<WindowId, WindowRec> windows;  // ordered by id, so by creation
  WindowId lastWindowId = 0;
  std::vector<MenuRec> menus;  // MenuId n is menus[n - 1]
  std::vector<TimerRec> timers;
  std::deque<Message> posted;
  // Raw input in the order it happened. A press keeps its content coordinates in
  // wParam (x) and lParam (y) until it is taken and routed to the menu or the client area.
  std::deque<Message> input;
  WindowId focus = 0;
  // By virtual key, whichever window it went to: went down and has not come up since.
  std::bitset<256> keysDown;
  bool altAlone = false;      // Alt or F10 went down and nothing else happened since
  bool lastCtrlDown = false;  // the last Ctrl message delivered was a key-down
  MenuTracking tracking;
};

// The live system's state. While none lives, an empty state on the built-in host, to which
// nothing is ever added: the calls that make things check SystemLives() first.
SystemState& Sys();
bool SystemLives();
Host& CurrentHost();
WindowRec* FindWindow(WindowId window);
// Puts whatever drawing the window's owner holds back into its client pixels.
void FinishDrawing(WindowRec& rec);
MenuRec* FindMenu(MenuId menu);

// Calls the window's procedure at once; 0 if there is no such window.
std::intptr_t SendMessage(WindowId window, Msg msg, std::uintptr_t wParam, std::intptr_t lParam);
// The failure of a call made while no window system lives.
pz417::Status NoSystem(std::string_view call);

std::intptr_t PackPoint(int low, int high);

// windows
int FrameThickness(Style style);
// Gives the window's client area the size its frame and menu leave; sends Size if it changed.
void FitClientToFrame(WindowId window);
void ResizeClient(WindowId window, Size size);
void SetFocusToNewestVisible();

// painting
// Parts of a window's content (menu bar rows first) that changed; nothing for no window.
void DamageContent(WindowId window, const raster::Rect& box);
// The whole content changed, or took a new size.
void DamageWholeWindow(WindowId window);
void PresentChangedWindows();
bool PaintWaits();

// the queue
void DropMessagesOf(WindowId window);
void KillTimersOf(WindowId window);
bool AnythingWaits();

}  // namespace win::detail
