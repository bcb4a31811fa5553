#include "keys.h"

#include <charconv>

#include "win/keyboard.h"
#include "win/window.h"

namespace webhost {
namespace {

struct KeyPlace {
  std::string_view code;
  int virtualKey;
};

// Places whose virtual-key code does not follow from a numbered name (KeyA, Digit0, F1, Numpad0).
constexpr KeyPlace NamedPlaces[] = {
    {"Backspace", win::vk::Back},
    {"Tab", win::vk::Tab},
    {"Enter", win::vk::Return},
    {"NumpadEnter", win::vk::Return},
    {"Escape", win::vk::Escape},
    {"Space", win::vk::Space},
    {"ShiftLeft", win::vk::Shift},
    {"ShiftRight", win::vk::Shift},
    {"ControlLeft", win::vk::Control},
    {"ControlRight", win::vk::Control},
    {"AltLeft", win::vk::Menu},
    {"AltRight", win::vk::Menu},
    {"ArrowLeft", win::vk::Left},
    {"ArrowUp", win::vk::Up},
    {"ArrowRight", win::vk::Right},
    {"ArrowDown", win::vk::Down},
    {"PageUp", win::vk::Prior},
    {"PageDown", win::vk::Next},
    {"End", win::vk::End},
    {"Home", win::vk::Home},
    {"Insert", win::vk::Insert},
    {"Delete", win::vk::Delete},
    {"CapsLock", win::vk::Capital},
    {"Pause", win::vk::Pause},
    {"Semicolon", win::vk::Oem1},
    {"Equal", win::vk::OemPlus},
    {"Comma", win::vk::OemComma},
    {"Minus", win::vk::OemMinus},
    {"Period", win::vk::OemPeriod},
    {"Slash", win::vk::Oem2},
    {"Backquote", win::vk::Oem3},
    {"BracketLeft", win::vk::Oem4},
    {"Backslash", win::vk::Oem5},
    {"BracketRight", win::vk::Oem6},
    {"Quote", win::vk::Oem7},
    {"NumpadDecimal", win::vk::Decimal},
};

// The number after a name's prefix ("F" and "10" for F10), or -1.
int NumberAfter(std::string_view code, std::string_view prefix) {
  if (!code.starts_with(prefix) || code.size() == prefix.size()) return -1;
  const std::string_view digits = code.substr(prefix.size());
  int number = -1;
  const auto [end, failure] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  return failure == std::errc() && end == digits.data() + digits.size() ? number : -1;
}

int NumberedPlace(std::string_view code) {
  if (code.size() == 4 && code.starts_with("Key") && code[3] >= 'A' && code[3] <= 'Z') {
    return code[3];
  }
  if (const int digit = NumberAfter(code, "Digit"); digit >= 0 && digit <= 9) return '0' + digit;
  if (const int digit = NumberAfter(code, "Numpad"); digit >= 0 && digit <= 9) {
    return win::vk::Numpad0 + digit;
  }
  if (const int function = NumberAfter(code, "F"); function >= 1 && function <= 12) {
    return win::vk::F1 + function - 1;
  }
  return 0;
}

// The code point of a key text that is one character rather than a key's name ("Enter",
// "Dead"); -1 for a name.
int OneCharacter(std::string_view text) {
  if (text.empty()) return -1;
  std::size_t at = 0;
  const int code = win::NextCodePoint(text, at);
  return at == text.size() ? code : -1;
}

int LatinLetter(std::string_view key) {
  if (key.size() != 1) return 0;
  const char c = key[0];
  if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
  return c >= 'A' && c <= 'Z' ? c : 0;
}

}  // namespace

int VirtualKeyOf(std::string_view code, std::string_view key) {
  const int place = NumberedPlace(code);
  const bool letterPlace = win::IsLetterKey(place);
  if (const int letter = LatinLetter(key); letter != 0 && (letterPlace || place == 0)) {
    return letter;
  }
  if (place != 0) return place;
  for (const KeyPlace& named : NamedPlaces) {
    if (named.code == code) return named.virtualKey;
  }
  return 0;
}

int CharacterOf(int virtualKey, std::string_view key, bool ctrl) {
  // A character without an 8-bit code yields none, as on the desktop.
  if (const int character = OneCharacter(key); !ctrl && character >= 0) {
    return character <= 0xFF ? character : -1;
  }
  return win::ControlCharacter(virtualKey, ctrl);
}

}  // namespace webhost
