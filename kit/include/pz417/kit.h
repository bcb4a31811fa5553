#pragma once
// The PZ417 graphics kit: two windows, a 601 x 540 canvas, an event loop that hands out one
// event per call, a Run menu with Ctrl shortcuts, a text console, a script recorder and player,
// a 24-colour table and immediate-mode drawing primitives. `man 3 pz417` is the overview; each
// call has its own page, named below.
//
// Kit coordinates: origin at the centre of the graphics window's client area (client pixel
// 297, 248), x to the right, y upwards. Colours are indices 0..23 into the colour table.
// No call fails for its arguments: a bad colour, width, radius or size is replaced, with a notice
// on the console; a null text counts as empty, and an unknown run mode changes nothing.

// Valid C++17 and C++20: programs on the kit need no particular standard.

// Checks KitPrint's and KitTextf's arguments against their format where the compiler can.
#if defined(__GNUC__) || defined(__clang__)
#define PZ417_PRINTF_FORMAT(formatIndex, firstArgument) \
  __attribute__((format(printf, formatIndex, firstArgument)))
#else
#define PZ417_PRINTF_FORMAT(formatIndex, firstArgument)
#endif

// What the program's entry receives and hands to KitOpen unchanged.
using KitInstance = const void*;

// ---- the program's entry -----------------------------------------------------------------
// Every program on the kit defines this; the entry it links (PZ417::desktop, PZ417::replay,
// PZ417::web) supplies main() and calls it. Its result is the exit status. man 3 WinMain
int WinMain(KitInstance instance, KitInstance previousInstance, const char* commandLine,
            int showState);

// What KitWaitEvent returns. man 3 KitWaitEvent
enum EventKind { Mouse = 1, Key = 2, Periodic = 3, Quit = 4 };

// The argument of KitSetRunMode; scoped, since its Quit would clash with EventKind's.
// man 3 KitSetRunMode
enum class RunMode { Halt = 0, OneFrame = 1, Animate = 2, Quit = 5 };

// The 24 colours of the colour table by name: KitColor::Red is 2. Plain ints, so a name goes
// wherever a colour does; inside KitColor, so they do not clash with a program's own Red.
// Their bytes and logged names: man 3 pz417
namespace KitColor {
enum Name : int {
  Black = 0,
  White = 1,  // the canvas's background
  Red = 2,    // what a bad colour is drawn in
  Green = 3,
  Blue = 4,
  Yellow = 5,
  Magenta = 6,
  Cyan = 7,
  Purple = 8,
  NavyBlue = 9,
  DustyPlum = 10,
  IceBlue = 11,
  Turquoise = 12,
  Orange = 13,
  Brown = 14,
  Pink = 15,
  Chalk = 16,
  Gold = 17,
  Peach = 18,
  ForestGreen = 19,
  SeaGreen = 20,
  Olive = 21,
  Gray50 = 22,
  Gray20 = 23,
};
}  // namespace KitColor

// ---- windows and the event loop ---------------------------------------------------------
// Opens the graphics window, the console, the canvas and the 100 ms timer; halted, logging on.
// Called first, once, with WinMain's four values. Returns 1. man 3 KitOpen
int KitOpen(KitInstance instance, KitInstance previousInstance, const char* commandLine,
            int showState);
// Closes the script file and ends everything KitOpen made. Returns 1. man 3 KitClose
int KitClose();
// Waits for exactly one event and returns its kind; x, y and key are set to 0 first and carry
// only its values (null pointers are skipped). Quit before KitOpen. man 3 KitWaitEvent
int KitWaitEvent(int* x, int* y, char* key);

// ---- run control -----------------------------------------------------------------------
// Animate, Halt, OneFrame, or Quit: every later event comes back as Quit. Any int is accepted
// as a mode (other values change nothing). 0 before KitOpen, else 1. man 3 KitSetRunMode
int KitSetRunMode(int mode);
int KitSetRunMode(RunMode mode);
// The log of every drawing call on the console: on (non-zero, also showing the console) or
// off. On when the kit opens. 0 before KitOpen, else 1. man 3 KitSetLogging
int KitSetLogging(int on);

// ---- the console -----------------------------------------------------------------------
// printf-style; one console line per call, a final line feed dropped; past 1023 characters
// cut. Returns the characters formatted (at most 1023). man 3 KitPrint
int KitPrint(const char* format, ...) PZ417_PRINTF_FORMAT(1, 2);
// Shows the console (non-zero) or hides it (0). Returns 1 if it was visible before, else 0.
// man 3 KitShowConsole
int KitShowConsole(int show);

// ---- drawing ---------------------------------------------------------------------------
// Each draws onto the canvas at once (the window shows it from the next KitWaitEvent), prints
// a notice for each bad argument and, while logging, one line about itself, and returns 1.
// Width 0 is a filled figure, a positive width an outline of that many pixels.

// A filled disc, 2 x radius + 1 pixels across. man 3 KitCircle
int KitCircle(int color, int x, int y, int radius);
// A triangle through three points, filled (width 0) or outlined. man 3 KitTriangle
int KitTriangle(int color, int x1, int y1, int x2, int y2, int x3, int y3, int width);
// A box with both corners included, given in any order. man 3 KitRectangle
int KitRectangle(int color, int x1, int y1, int x2, int y2, int width);
// The ellipse in a box taken as KitRectangle takes it. man 3 KitOval
int KitOval(int color, int x1, int y1, int x2, int y2, int width);
// A line from (x1, y1) to (x2, y2); one pixel wide, it leaves out its end pixel. Width 0 is
// drawn 1 wide. man 3 KitLine
int KitLine(int color, int x1, int y1, int x2, int y2, int width);
// Text whose first line rests on (x, y); ptsize 0..127 pixels, 0 the default. man 3 KitText
int KitText(int color, int x, int y, int ptsize, const char* text);
// KitText of the printf-formatted text (at most 1023 characters); returns the characters
// formatted. man 3 KitTextf
int KitTextf(int color, int x, int y, int ptsize, const char* format, ...)
    PZ417_PRINTF_FORMAT(5, 6);
// The whole canvas white inside a one-pixel black frame. man 3 KitClear
int KitClear();
