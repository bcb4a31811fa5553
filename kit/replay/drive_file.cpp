#include "drive_file.h"

#include <array>
#include <charconv>
#include <cstdint>

#include "pz417/kit_tools.h"
#include "win/keyboard.h"

namespace replay {
namespace {

using pz417::Failure;
using pz417::Status;

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// Splits off the first blank-separated word; `s` keeps the rest, its leading blanks dropped.
std::string_view TakeWord(std::string_view& s) {
  std::size_t end = 0;
  while (end < s.size() && !IsBlank(s[end])) ++end;
  const std::string_view word = s.substr(0, end);
  s = Trim(s.substr(end));
  return word;
}

// A word of the file as a message shows it: a file may hold anything, and a terminal must not
// take its bytes for control sequences nor a message run to megabytes.
std::string Quoted(std::string_view s) {
  constexpr std::size_t MostShown = 40;
  std::string quoted(1, '"');
  for (const char c : s.substr(0, MostShown)) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
      quoted += c;
    } else if (c == '"' || c == '\\') {
      quoted += {'\\', c};
    } else {
      constexpr std::string_view Hex = "0123456789abcdef";
      quoted += {'\\', 'x', Hex[byte >> 4], Hex[byte & 15]};
    }
  }
  quoted += '"';
  if (s.size() > MostShown) quoted += "... (" + std::to_string(s.size()) + " bytes)";
  return quoted;
}

// Exactly `count` words, or an error naming what was wrong.
Status TakeWords(std::string_view rest, std::size_t count, std::array<std::string_view, 2>& words) {
  std::size_t found = 0;
  while (!rest.empty()) {
    const std::string_view word = TakeWord(rest);
    if (found == count) return Failure("too many arguments");
    words[found++] = word;
  }
  if (found < count) return Failure("missing argument");
  return {};
}

Status ParseNumber(std::string_view word, int& value) {
  const char* end = word.data() + word.size();
  const auto [stop, failure] = std::from_chars(word.data(), end, value);
  if (failure == std::errc::result_out_of_range) return Failure(Quoted(word) + " is out of range");
  if (failure != std::errc() || stop != end)
    return Failure(Quoted(word) + " is not a whole number");
  return {};
}

Status ParseTwoNumbers(std::string_view rest, int& first, int& second) {
  std::array<std::string_view, 2> words;
  if (Status s = TakeWords(rest, 2, words); !s) return s;
  if (Status s = ParseNumber(words[0], first); !s) return s;
  return ParseNumber(words[1], second);
}

Status ParseOneWord(std::string_view rest, std::string_view& word) {
  std::array<std::string_view, 2> words;
  if (Status s = TakeWords(rest, 1, words); !s) return s;
  word = words[0];
  return {};
}

Status PressAt(long long pixelX, long long pixelY, const ClientArea& area, Command& command) {
  if (!area.Contains(pixelX, pixelY)) {
    return Failure("client pixel (" + std::to_string(pixelX) + ", " + std::to_string(pixelY) +
                   ") is outside the " + std::to_string(area.width) + " x " +
                   std::to_string(area.height) + " client area");
  }
  command.op = Op::Press;
  command.x = static_cast<int>(pixelX);
  command.y = static_cast<int>(pixelY);
  return {};
}

Status MouseAt(std::string_view rest, const ClientArea& area, Op op, Command& command) {
  if (Status s = ParseTwoNumbers(rest, command.x, command.y); !s) return s;
  if (!area.WindowContains(command.x, command.y)) {
    return pz417::Failure("window pixel (" + std::to_string(command.x) + ", " +
                          std::to_string(command.y) + ") is outside the " +
                          std::to_string(area.width) + " x " +
                          std::to_string(area.menuBarHeight + area.height) + " graphics window");
  }
  command.op = op;
  return {};
}

Status ParseWindowPress(std::string_view rest, const ClientArea& area, Command& command) {
  return MouseAt(rest, area, Op::WindowPress, command);
}

Status ParseWindowRelease(std::string_view rest, const ClientArea& area, Command& command) {
  return MouseAt(rest, area, Op::WindowRelease, command);
}

Status ParseMove(std::string_view rest, const ClientArea& area, Command& command) {
  return MouseAt(rest, area, Op::Move, command);
}

Status ParseClick(std::string_view rest, const ClientArea& area, Command& command) {
  int x = 0, y = 0;
  if (Status s = ParseTwoNumbers(rest, x, y); !s) return s;
  return PressAt(area.PixelX(x), area.PixelY(y), area, command);
}

Status ParsePixel(std::string_view rest, const ClientArea& area, Command& command) {
  int x = 0, y = 0;
  if (Status s = ParseTwoNumbers(rest, x, y); !s) return s;
  return PressAt(x, y, area, command);
}

Status ParseText(std::string_view rest, Op op, Command& command) {
  if (rest.empty()) return Failure("missing argument");
  command.op = op;
  command.text = rest;
  return {};
}

Status ParseType(std::string_view rest, const ClientArea&, Command& command) {
  return ParseText(rest, Op::Type, command);
}

Status ParseSnapshot(std::string_view rest, const ClientArea&, Command& command) {
  return ParseText(rest, Op::Snapshot, command);
}

bool IsLetter(std::string_view word) {
  return word.size() == 1 &&
         ((word[0] >= 'a' && word[0] <= 'z') || (word[0] >= 'A' && word[0] <= 'Z'));
}

// A key by its name on the keyboard table, a letter in either case.
const win::Key* FindNamedKey(std::string_view name) {
  if (IsLetter(name)) return win::FindKey(name[0] & ~0x20);
  return win::FindKeyNamed(name);
}

Status ParseKey(std::string_view rest, const ClientArea&, Command& command) {
  std::string_view name;
  if (Status s = ParseOneWord(rest, name); !s) return s;
  const win::Key* key = FindNamedKey(name);
  if (key == nullptr) return Failure("unknown key " + Quoted(name) + "; --help names the keys");
  command.op = Op::Key;
  command.key = key->virtualKey;
  command.character = key->plain;
  return {};
}

Status ParseCtrl(std::string_view rest, const ClientArea&, Command& command) {
  std::string_view letter;
  if (Status s = ParseOneWord(rest, letter); !s) return s;
  if (!IsLetter(letter)) return Failure(Quoted(letter) + " is not a letter");
  command.op = Op::Ctrl;
  command.key = FindNamedKey(letter)->virtualKey;
  return {};
}

Status ParseHeld(std::string_view rest, Op op, Command& command) {
  std::string_view name;
  if (Status s = ParseOneWord(rest, name); !s) return s;
  const win::Key* key = FindNamedKey(name);
  const bool holdable =
      key != nullptr && (win::IsModifierKey(key->virtualKey) || win::IsLetterKey(key->virtualKey));
  if (!holdable) {
    return Failure("unknown key " + Quoted(name) + "; keys: Ctrl, Alt, Shift or a letter");
  }
  command.op = op;
  command.key = key->virtualKey;
  return {};
}

Status ParseDown(std::string_view rest, const ClientArea&, Command& command) {
  return ParseHeld(rest, Op::Down, command);
}

Status ParseUp(std::string_view rest, const ClientArea&, Command& command) {
  return ParseHeld(rest, Op::Up, command);
}

Status ParseCount(std::string_view rest, int low, int high, Command& command) {
  std::string_view word;
  if (Status s = ParseOneWord(rest, word); !s) return s;
  if (Status s = ParseNumber(word, command.count); !s) return s;
  if (command.count < low || command.count > high) {
    return Failure(std::to_string(command.count) + " is not in " + std::to_string(low) + ".." +
                   std::to_string(high));
  }
  return {};
}

// `repeat NAME [N]`: a held key and how often auto-repeat sends its key-down again.
Status ParseRepeat(std::string_view rest, const ClientArea&, Command& command) {
  const std::string_view name = TakeWord(rest);
  if (Status s = ParseHeld(name, Op::Repeat, command); !s) return s;
  command.count = 1;
  return rest.empty() ? Status() : ParseCount(rest, 1, MaxCount, command);
}

Status ParseMenu(std::string_view rest, const ClientArea&, Command& command) {
  command.op = Op::Menu;
  return ParseCount(rest, kit::FirstMenuCommand, kit::LastMenuCommand, command);
}

Status ParseTick(std::string_view rest, const ClientArea&, Command& command) {
  command.op = Op::Tick;
  command.count = 1;
  return rest.empty() ? Status() : ParseCount(rest, 1, MaxCount, command);
}

Status ParseClose(std::string_view rest, const ClientArea&, Command& command) {
  command.op = Op::Close;
  return rest.empty() ? Status() : Failure("too many arguments");
}

struct CommandSyntax {
  std::string_view name;
  std::string_view usage;
  Status (*parse)(std::string_view rest, const ClientArea& area, Command& command);
};

constexpr CommandSyntax Commands[] = {
    {"click", "click X Y", ParseClick},
    {"pixel", "pixel PX PY", ParsePixel},
    {"press", "press PX PY", ParseWindowPress},
    {"release", "release PX PY", ParseWindowRelease},
    {"move", "move PX PY", ParseMove},
    {"type", "type TEXT", ParseType},
    {"key", "key NAME", ParseKey},
    {"ctrl", "ctrl LETTER", ParseCtrl},
    {"down", "down NAME", ParseDown},
    {"up", "up NAME", ParseUp},
    {"repeat", "repeat NAME [N]", ParseRepeat},
    {"menu", "menu N", ParseMenu},
    {"tick", "tick [N]", ParseTick},
    {"close", "close", ParseClose},
    {"snapshot", "snapshot FILE.png", ParseSnapshot},
};

Status ParseLine(std::string_view line, const ClientArea& area, Command& command) {
  const std::string_view name = TakeWord(line);
  for (const CommandSyntax& syntax : Commands) {
    if (syntax.name != name) continue;
    if (const Status parsed = syntax.parse(line, area, command); !parsed) {
      return Failure(parsed.error() + " (" + std::string(syntax.usage) + ")");
    }
    return {};
  }
  return Failure("unknown command " + Quoted(name));
}

}  // namespace

namespace {

// Every key's name, wrapped to the help text's width.
std::string KeyNames() {
  constexpr std::size_t Width = 78;
  std::vector<std::string_view> words = {"Key", "names:"};
  for (const win::Key& key : win::Keys()) words.push_back(key.name);
  for (const std::string_view word : {"(letters", "in", "either", "case)."}) words.push_back(word);
  std::string names = " ";
  std::size_t lineStart = 0;
  for (const std::string_view word : words) {
    if (names.size() - lineStart + 1 + word.size() > Width) {
      names += "\n ";
      lineStart = names.size() - 2;
    }
    names += ' ';
    names += word;
  }
  return names + "\n";
}

constexpr const char* CommandHelp =
    "  click X Y          left press at kit coordinates (origin at the client area's centre, y "
    "up)\n"
    "  pixel PX PY        left press at a client pixel (0 0 is the top-left corner)\n"
    "  press PX PY        the left button goes down at a pixel of the graphics window: 0 0 is\n"
    "                     the top-left corner of its menu bar, the client area starts 19 rows\n"
    "                     down (\"Run\" is at 15 9)\n"
    "  release PX PY      the left button comes up there (press, move, release drags)\n"
    "  move PX PY         the mouse moves there: an open menu highlights the item under it\n"
    "  type TEXT          each character typed: key down, character, key up\n"
    "  key NAME           a key pressed and released, by its name (below): Alt alone or F10\n"
    "                     selects the menu bar; Down, Return or its letter then opens the menu\n"
    "  ctrl L             Ctrl held while the letter L is pressed (Ctrl+L switches the log)\n"
    "  down NAME, up NAME Ctrl, Alt, Shift or a letter pressed and held, or released\n"
    "  repeat NAME [N]    N auto-repeated key-downs (default 1) of NAME, held with `down`,\n"
    "                     as holding a key down a while sends them (Ctrl+R and Ctrl+P act\n"
    "                     on the first key-down only, other shortcuts on every one)\n"
    "  menu N             the Run menu item with command id N (1 to 9) chosen with the mouse:\n"
    "                     a click on \"Run\", then one on the item\n"
    "  tick [N]           N timer periods pass (default 1); while the menu bar is selected\n"
    "                     or open the program waits, as on the classic desktop, and its\n"
    "                     animation goes on once the menu closes\n"
    "  close              the graphics window's close button\n"
    "  snapshot FILE.png  the canvas as it is now\n"
    "  A '#' starts a comment that runs to the end of the line, also after `type`;\n"
    "  blank lines are skipped.\n";

}  // namespace

std::string DriveSyntaxHelp() {
  return CommandHelp + KeyNames();
}

pz417::Result<std::optional<Command>> ParseDriveLine(std::string_view line,
                                                     const ClientArea& area) {
  line = Trim(line.substr(0, line.find('#')));
  if (line.empty()) return std::optional<Command>();
  Command command;
  if (Status parsed = ParseLine(line, area, command); !parsed) return parsed;
  return std::optional<Command>(std::move(command));
}

pz417::Result<std::vector<Command>> ParseDrive(std::string_view text, const ClientArea& area) {
  std::vector<Command> commands;
  int lineNumber = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    pz417::Result<std::optional<Command>> parsed = ParseDriveLine(line, area);
    ++lineNumber;
    if (!parsed) return Failure(std::to_string(lineNumber) + ": " + parsed.error());
    if (!parsed->has_value()) continue;
    (*parsed)->line = lineNumber;
    commands.push_back(std::move(**parsed));
  }
  return commands;
}

}  // namespace replay
