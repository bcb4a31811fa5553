#pragma once
// The PZ417 graphics kit: two windows, a 601 x 540 canvas, an event loop that hands out one
// event per call, a Run menu with Ctrl shortcuts, a text console, a script recorder and player,
// a 24-colour table and immediate-mode drawing primitives.
//
// Kit coordinates: origin at the centre of the graphics window's client area, x to the right,
// y upwards. Colours are indices 0..23 into the colour table.

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
// Every program on the kit defines this; the entry libraries (the desktop one and the replay
// one) supply main(), open their host and call it with the command line. Its result is the
// process's exit status.
int WinMain(KitInstance instance, KitInstance previousInstance, const char* commandLine,
            int showState);

enum EventKind { Mouse = 1, Key = 2, Periodic = 3, Quit = 4 };

// The argument of KitSetRunMode; scoped, since its Quit would clash with EventKind's.
enum class RunMode { Halt = 0, OneFrame = 1, Animate = 2, Quit = 5 };

// The 24 colours of the colour table by name: KitColor::Red is 2. Plain ints, so a name goes
// wherever a colour does; inside KitColor, so they do not clash with a program's own Red.
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
int KitOpen(KitInstance instance, KitInstance previousInstance, const char* commandLine,
            int showState);
int KitClose();
// Waits for exactly one event; x, y and key are set to 0 first and carry only its values.
int KitWaitEvent(int* x, int* y, char* key);

// ---- run control -----------------------------------------------------------------------
// Both return 0 before KitOpen, else 1. Any int is accepted as a mode (as the value of RunMode).
int KitSetRunMode(int mode);
int KitSetRunMode(RunMode mode);
int KitSetLogging(int on);

// ---- the console -----------------------------------------------------------------------
// printf-style; one console line per call. Text past 1023 characters is cut.
int KitPrint(const char* format, ...) PZ417_PRINTF_FORMAT(1, 2);
// Returns non-zero if the console was visible before the call.
int KitShowConsole(int show);

// ---- drawing ---------------------------------------------------------------------------
// Width 0 is a filled figure, a positive width an outline of that many pixels.
int KitCircle(int color, int x, int y, int radius);
int KitTriangle(int color, int x1, int y1, int x2, int y2, int x3, int y3, int width);
int KitRectangle(int color, int x1, int y1, int x2, int y2, int width);
int KitOval(int color, int x1, int y1, int x2, int y2, int width);
int KitLine(int color, int x1, int y1, int x2, int y2, int width);
int KitText(int color, int x, int y, int ptsize, const char* text);
int KitTextf(int color, int x, int y, int ptsize, const char* format, ...)
    PZ417_PRINTF_FORMAT(5, 6);
int KitClear();
