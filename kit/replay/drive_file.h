#pragma once
// Drive files: what a person does to the program, one command a line, for the replay entry.
// Parsing is a pure function from text to commands, so that every refusal names its line.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pz417/status.h"

namespace replay {

// The graphics window's client area and where kit (0, 0) lies in it: a 601 x 540 window
// with its caption, frame and menu bar leaves 595 x 496 pixels below the 19 rows of the bar.
struct ClientArea {
  int width = 595;
  int height = 496;
  int originX = 297;
  int originY = 248;
  int menuBarHeight = 19;

  bool Contains(long long pixelX, long long pixelY) const {
    return pixelX >= 0 && pixelY >= 0 && pixelX < width && pixelY < height;
  }
  // A pixel of the graphics window's content: the menu bar, then the client area.
  bool WindowContains(long long pixelX, long long pixelY) const {
    return pixelX >= 0 && pixelY >= 0 && pixelX < width && pixelY < menuBarHeight + height;
  }
  // The client pixel a kit point is drawn at, and that a press there gives back.
  long long PixelX(int kitX) const { return static_cast<long long>(originX) + kitX; }
  long long PixelY(int kitY) const { return static_cast<long long>(originY) - kitY; }
};

// The largest count of `tick` and `repeat`.
constexpr int MaxCount = 1000000;

enum class Op {
  Press,  // a left press at a client pixel
  // The mouse at a pixel of the graphics window's content, menu bar included:
  WindowPress,    // the left button goes down
  WindowRelease,  // the left button comes up
  Move,           // the mouse moves there
  Type,           // each character of `text` typed
  Char,           // `character` arrives as typed, whatever key made it (script files only)
  Key,            // a named key pressed and released
  Ctrl,           // Ctrl held while the letter `key` is pressed
  Down,           // `key` pressed and held
  Up,             // `key` released
  Repeat,         // `count` auto-repeated key-downs of the held `key`
  Menu,           // the Run menu item `count` chosen with the mouse
  Tick,           // `count` timer periods pass
  Close,          // the graphics window's close button
  Snapshot,       // the canvas written to `text`
};

struct Command {
  Op op = Op::Close;
  int x = 0;  // Press: client pixel; WindowPress, WindowRelease, Move: window pixel
  int y = 0;
  int key = 0;         // Key, Ctrl, Down, Up, Repeat: virtual-key code (letters upper case)
  int character = -1;  // Key: the character the key types alone, -1 for none; Char: 0..255
  int count = 0;       // Tick: periods; Menu: command id; Repeat: key-downs
  std::string text;    // Type: the characters; Snapshot: the file
  int line = 0;        // where it came from, for messages

  friend bool operator==(const Command&, const Command&) = default;
};

// Every command of a drive file's text, numbered by line; or "LINE: why" for the first line
// that is refused.
pz417::Result<std::vector<Command>> ParseDrive(std::string_view text, const ClientArea& area = {});

// One line of a drive file, without its line end: its command, nothing for a blank line or a
// comment, or why the line is refused.
pz417::Result<std::optional<Command>> ParseDriveLine(std::string_view line,
                                                     const ClientArea& area = {});

// One line per command, for --help.
std::string DriveSyntaxHelp();

}  // namespace replay
