#pragma once
// The window system the kit runs on: window classes with a procedure each, top-level windows,
// one message queue with the classic ordering, a repeating timer, painting, client drawing and
// menus. It is portable: hosts (headless, desktop) only feed it input and show its pixels.
//
// Queue order of a peek: posted messages in the order posted; then input (presses, keys, close
// requests, resizes) in the order it happened; then a paint message for a window that needs one;
// then a timer message whose period has passed (never more than one pending per timer).

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "pz417/status.h"
#include "raster/bitmap.h"
#include "raster/text.h"

namespace win {

using WindowId = int;  // 0: no window
using MenuId = int;    // 0: no menu

enum class Msg {
  Create,       // sent while the window is created
  Size,         // sent when the client size changes; lParam = width | height << 16
  Paint,        // the window needs repainting
  Timer,        // wParam = timer id
  LButtonDown,  // lParam = client x | client y << 16 (each unsigned 16-bit)
  Char,         // wParam = character code 0..255
  KeyDown,      // wParam = virtual-key code; lParam = KeyLParam(character, repeat)
  KeyUp,        // wParam = virtual-key code; lParam = KeyLParam(-1, false)
  SysKeyDown,   // a key pressed while Alt is held (Alt itself included)
  SysKeyUp,
  SysChar,  // the character of a key pressed while Alt is held
  Command,  // wParam = menu command id
  Close,    // the frame's close button
  Destroy,  // sent while the window is destroyed
  Quit,     // wParam = exit code; never dispatched
  // The mouse beyond presses, as hosts report it: wParam = content x, lParam = content y. The
  // window system tracks its menus with them and never dispatches them.
  MouseMove,
  LButtonUp,
};

struct Message {
  WindowId window = 0;
  Msg msg = Msg::Quit;
  std::uintptr_t wParam = 0;
  std::intptr_t lParam = 0;
};

using WindowProc = std::intptr_t (*)(WindowId, Msg, std::uintptr_t, std::intptr_t);

// A key message's lParam: the character the key yields (-1 for none) in the low 16 bits, and in
// bit 30, as the classic desktop keeps the previous key state there, whether the key was already
// down: an auto-repeat while the key is held.
constexpr std::intptr_t KeyRepeatBit = std::intptr_t{1} << 30;
constexpr std::intptr_t KeyNoCharacter = 0xFFFF;
constexpr std::intptr_t KeyLParam(int character, bool repeat) {
  const std::intptr_t low = character >= 0 && character <= 255 ? character : KeyNoCharacter;
  return low | (repeat ? KeyRepeatBit : 0);
}
constexpr int KeyCharacter(std::intptr_t lParam) {
  const std::intptr_t low = lParam & 0xFFFF;
  return low == KeyNoCharacter ? -1 : static_cast<int>(low);
}
constexpr bool IsKeyRepeat(std::intptr_t lParam) {
  return (lParam & KeyRepeatBit) != 0;
}

// Virtual-key codes the layer and the hosts use, by their classic names. A letter key's code is
// its upper-case letter ('A'..'Z') and a digit key's its digit ('0'..'9'); the keypad's digits
// follow Numpad0 in a row, as F1..F12 do.
namespace vk {
constexpr int Back = 0x08, Tab = 0x09, Return = 0x0D, Shift = 0x10, Control = 0x11, Menu = 0x12,
              Pause = 0x13, Capital = 0x14, Escape = 0x1B, Space = 0x20;
constexpr int Prior = 0x21, Next = 0x22, End = 0x23, Home = 0x24;  // Prior: Page Up; Next: Down
constexpr int Left = 0x25, Up = 0x26, Right = 0x27, Down = 0x28, Insert = 0x2D, Delete = 0x2E;
constexpr int Numpad0 = 0x60, Decimal = 0x6E;
constexpr int F1 = 0x70, F2 = 0x71, F3 = 0x72, F4 = 0x73, F5 = 0x74, F6 = 0x75, F7 = 0x76,
              F8 = 0x77, F9 = 0x78, F10 = 0x79, F11 = 0x7A, F12 = 0x7B;
// The punctuation keys, named by what they type on a US keyboard.
constexpr int Oem1 = 0xBA,  // ; :
    OemPlus = 0xBB,         // = +
    OemComma = 0xBC,        // , <
    OemMinus = 0xBD,        // - _
    OemPeriod = 0xBE,       // . >
    Oem2 = 0xBF,            // / ?
    Oem3 = 0xC0,            // ` ~
    Oem4 = 0xDB,            // [ {
    Oem5 = 0xDC,            // \ |
    Oem6 = 0xDD,            // ] }
    Oem7 = 0xDE;            // ' "
}  // namespace vk

// Window styles, with the frame sizes they imply around the client area.
enum class Style {
  Caption,     // title bar and close button, fixed size (3-pixel frame)
  Overlapped,  // title bar, sizing frame (4 pixels), minimise and maximise boxes
};
constexpr int CaptionHeight = 19;
constexpr int MenuBarHeight = 19;

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// ---- classes and windows -------------------------------------------------------------------
// The calls that can fail for a reason hand it back; the others act on nothing when given a
// window or menu that does not exist.
pz417::Status RegisterClass(std::string_view name, WindowProc proc, raster::Color background);
// x, y, width and height are the outer frame. Sends Create, then Size.
pz417::Result<WindowId> CreateWindow(std::string_view className, std::string_view title,
                                     Style style, int x, int y, int width, int height);
void DestroyWindow(WindowId window);  // sends Destroy
bool IsWindow(WindowId window);
// Returns whether the window was visible before the call. Showing it asks for a paint.
bool ShowWindow(WindowId window, bool show);
bool IsWindowVisible(WindowId window);
raster::Rect GetClientRect(WindowId window);  // left and top are always 0
raster::Rect GetWindowRect(WindowId window);  // the outer frame on the screen
std::string GetWindowTitle(WindowId window);
Style GetWindowStyle(WindowId window);  // Style::Caption for no window
Size GetScreenSize();

// ---- the queue ---------------------------------------------------------------------------
// Takes at most one message without waiting; false when nothing waits.
bool PeekMessage(Message& out);
// A key-down posts the character message of its key, which a later peek takes.
void TranslateMessage(const Message& message);
std::intptr_t DispatchMessage(const Message& message);
// Closes a window on Close, drives the menu bar from the keyboard (Alt, access letters),
// validates on Paint; 0 for everything else.
std::intptr_t DefWindowProc(WindowId window, Msg msg, std::uintptr_t wParam, std::intptr_t lParam);
void PostMessage(WindowId window, Msg msg, std::uintptr_t wParam, std::intptr_t lParam);
void PostQuitMessage(int exitCode);
// Blocks until input arrives or the next timer is due; returns at once if anything waits.
void WaitMessage();

pz417::Status SetTimer(WindowId window, int id, int periodMs);
void KillTimer(WindowId window, int id);

// ---- painting and drawing into a window's client area ---------------------------------------
// BeginPaint erases the client area with the class background if it was invalidated with
// erase; EndPaint validates the window.
void BeginPaint(WindowId window);
void EndPaint(WindowId window);
void InvalidateWindow(WindowId window, bool erase);

void BitBlt(WindowId window, std::int64_t dx, std::int64_t dy, std::int64_t width,
            std::int64_t height, const raster::Bitmap& source, std::int64_t sx, std::int64_t sy);
// Moves the whole client area by dy (negative: up); uncovered rows keep their pixels.
void ScrollClient(WindowId window, int dy);
void FillClientRect(WindowId window, const raster::Rect& box, raster::Color color);
// The device context's defaults: black text on an opaque white background.
void TextOut(WindowId window, std::int64_t x, std::int64_t y, std::string_view text,
             raster::Face face, int size);
// An owner that batches its drawing into a window hands over the call that finishes it; the
// layer makes that call before the client's pixels are shown, read or resized, so nobody sees a
// window with drawing held back. None: an empty function.
void SetDrawingFinisher(WindowId window, std::function<void()> finish);
const raster::Bitmap& ClientPixels(WindowId window);
// What the window shows inside its frame: menu bar (if any), client area, an open dropdown.
raster::Bitmap ComposeWindow(WindowId window);
// The size of that content, without composing it; 0 x 0 for no window.
Size ContentSize(WindowId window);

// ---- menus ---------------------------------------------------------------------------------
namespace mf {
constexpr unsigned String = 0, Grayed = 1, Checked = 8, Popup = 0x10, Separator = 0x800,
                   Unchecked = 0;
}
MenuId CreateMenu();
MenuId CreatePopupMenu();
// For mf::Popup, `idOrPopup` is the popup's MenuId. "&" marks the access letter; "\t" starts
// the right-aligned shortcut text.
pz417::Status AppendMenu(MenuId menu, unsigned flags, int idOrPopup, std::string_view text);
pz417::Status SetMenu(WindowId window, MenuId menu);
void DrawMenuBar(WindowId window);
// Returns the previous state (mf::Checked or mf::Unchecked), or -1 if no item has that id.
int CheckMenuItem(MenuId menu, int id, unsigned check);

struct MenuItemInfo {
  std::string text;
  int id = 0;
  bool separator = false;
  bool grayed = false;
  bool checked = false;
  MenuId popup = 0;
};
int GetMenuItemCount(MenuId menu);
MenuItemInfo GetMenuItem(MenuId menu, int position);
MenuId GetMenu(WindowId window);
// The rows of the window's content above its client area: MenuBarHeight with a menu bar, else 0.
int MenuBarRows(WindowId window);
bool IsMenuOpen(WindowId window);
// Where item `position` of the window's menu bar, and of its open dropdown, lie in window
// content coordinates (menu bar at the top); empty if not shown.
raster::Rect GetMenuBarItemRect(WindowId window, int position);
raster::Rect GetDropdownItemRect(WindowId window, int position);

}  // namespace win
