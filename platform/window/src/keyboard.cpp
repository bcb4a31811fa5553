// The keyboard table: the classic desktop's virtual keys on a US layout.

#include "win/keyboard.h"

#include <array>
#include <cstddef>

#include "win/window.h"

namespace win {
namespace {

constexpr Key Named(int virtualKey, std::string_view name, int plain = -1, int shifted = -1,
                    int ctrl = -1) {
  return {virtualKey, name, plain, shifted, ctrl};
}

// Keys that type the same whatever is held.
constexpr Key Typing(int virtualKey, std::string_view name, int character) {
  return {virtualKey, name, character, character, character};
}

constexpr std::string_view LetterNames[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I",
                                            "J", "K", "L", "M", "N", "O", "P", "Q", "R",
                                            "S", "T", "U", "V", "W", "X", "Y", "Z"};
constexpr std::string_view DigitNames[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
constexpr std::string_view NumpadNames[] = {"Numpad0", "Numpad1", "Numpad2", "Numpad3", "Numpad4",
                                            "Numpad5", "Numpad6", "Numpad7", "Numpad8", "Numpad9"};
constexpr std::string_view FunctionNames[] = {"F1", "F2", "F3", "F4",  "F5",  "F6",
                                              "F7", "F8", "F9", "F10", "F11", "F12"};
constexpr std::string_view ShiftedDigits = ")!@#$%^&*(";

constexpr Key Fixed[] = {
    Typing(vk::Return, "Return", '\r'),
    Typing(vk::Tab, "Tab", '\t'),
    Typing(vk::Back, "BackSpace", '\b'),
    Typing(vk::Escape, "Escape", 0x1B),
    Named(vk::Space, "Space", ' ', ' '),
    Named(vk::Shift, "Shift"),
    Named(vk::Control, "Ctrl"),
    Named(vk::Menu, "Alt"),
    Named(vk::Left, "Left"),
    Named(vk::Right, "Right"),
    Named(vk::Up, "Up"),
    Named(vk::Down, "Down"),
    Named(vk::Home, "Home"),
    Named(vk::End, "End"),
    Named(vk::Prior, "PageUp"),
    Named(vk::Next, "PageDown"),
    Named(vk::Insert, "Insert"),
    Named(vk::Delete, "Delete"),
    Named(vk::Pause, "Pause"),
    Named(vk::Capital, "CapsLock"),
    Named(vk::Oem1, "Semicolon", ';', ':'),
    Named(vk::OemPlus, "Equal", '=', '+'),
    Named(vk::OemComma, "Comma", ',', '<'),
    Named(vk::OemMinus, "Minus", '-', '_'),
    Named(vk::OemPeriod, "Period", '.', '>'),
    Named(vk::Oem2, "Slash", '/', '?'),
    Named(vk::Oem3, "Grave", '`', '~'),
    Named(vk::Oem4, "BracketLeft", '[', '{'),
    Named(vk::Oem5, "Backslash", '\\', '|'),
    Named(vk::Oem6, "BracketRight", ']', '}'),
    Named(vk::Oem7, "Apostrophe", '\'', '"'),
};

constexpr std::size_t KeyCount = std::size(Fixed) + std::size(LetterNames) + std::size(DigitNames) +
                                 std::size(NumpadNames) + 1 + std::size(FunctionNames);

// Letters, digits, the keypad and the function keys follow from their ranges. The main
// block's keys come before the keypad's, so that typing a digit or a full stop uses them.
constexpr std::array<Key, KeyCount> BuildTable() {
  std::array<Key, KeyCount> table{};
  std::size_t at = 0;
  for (const Key& key : Fixed) table[at++] = key;
  for (int i = 0; i < std::ssize(LetterNames); ++i) {
    table[at++] = Named('A' + i, LetterNames[i], 'a' + i, 'A' + i, 1 + i);
  }
  for (int i = 0; i < std::ssize(DigitNames); ++i) {
    table[at++] =
        Named('0' + i, DigitNames[i], '0' + i, ShiftedDigits[static_cast<std::size_t>(i)]);
  }
  for (int i = 0; i < std::ssize(NumpadNames); ++i) {
    table[at++] = Named(vk::Numpad0 + i, NumpadNames[i], '0' + i);
  }
  table[at++] = Named(vk::Decimal, "Decimal", '.');
  for (int i = 0; i < std::ssize(FunctionNames); ++i) {
    table[at++] = Named(vk::F1 + i, FunctionNames[i]);
  }
  return table;
}

constexpr std::array<Key, KeyCount> Table = BuildTable();

}  // namespace

std::span<const Key> Keys() {
  return Table;
}

const Key* FindKey(int virtualKey) {
  for (const Key& key : Table) {
    if (key.virtualKey == virtualKey) return &key;
  }
  return nullptr;
}

const Key* FindKeyNamed(std::string_view name) {
  for (const Key& key : Table) {
    if (key.name == name) return &key;
  }
  return nullptr;
}

int TypedCharacter(int virtualKey, bool shiftHeld, bool ctrlHeld) {
  const Key* key = FindKey(virtualKey);
  if (key == nullptr) return -1;
  if (ctrlHeld) return key->ctrl;
  return shiftHeld ? key->shifted : key->plain;
}

int ControlCharacter(int virtualKey, bool ctrlHeld) {
  const int character = TypedCharacter(virtualKey, false, ctrlHeld);
  return character >= 0 && character < 0x20 ? character : -1;
}

int NextCodePoint(std::string_view text, std::size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at++]);
  if (lead < 0x80) return lead;
  const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
  if (extra < 0 || at + static_cast<std::size_t>(extra) > text.size()) return -1;
  int code = lead & (0x3F >> extra);
  for (int i = 0; i < extra; ++i) {
    const auto next = static_cast<unsigned char>(text[at]);
    if ((next & 0xC0) != 0x80) return -1;
    code = (code << 6) | (next & 0x3F);
    ++at;
  }
  return code;
}

std::optional<Keystroke> KeystrokeFor(int character) {
  for (const Key& key : Table) {
    if (key.plain == character) return Keystroke{key.virtualKey, false};
    if (key.shifted == character) return Keystroke{key.virtualKey, true};
  }
  return std::nullopt;
}

bool IsModifierKey(int virtualKey) {
  return virtualKey == vk::Shift || virtualKey == vk::Control || virtualKey == vk::Menu;
}

bool IsLetterKey(int virtualKey) {
  return virtualKey >= 'A' && virtualKey <= 'Z';
}

}  // namespace win
