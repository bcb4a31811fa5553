// The keyboard table against the classic desktop's US layout: each key's name and what it types
// alone, with Shift and with Ctrl; and typing a character back to its key.

#include "win/keyboard.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "win/window.h"

namespace {

struct Typed {
  std::string name;
  int plain = -1;
  int shifted = -1;
  int ctrl = -1;
  friend bool operator==(const Typed&, const Typed&) = default;
};

void PrintTo(const Typed& t, std::ostream* out) {
  *out << t.name << " " << t.plain << "/" << t.shifted << "/" << t.ctrl;
}

// What every key should be, by virtual key, written out from the layout.
std::map<int, Typed> UsLayout() {
  std::map<int, Typed> keys = {
      {win::vk::Return, {"Return", 13, 13, 13}},
      {win::vk::Tab, {"Tab", 9, 9, 9}},
      {win::vk::Back, {"BackSpace", 8, 8, 8}},
      {win::vk::Escape, {"Escape", 27, 27, 27}},
      {win::vk::Space, {"Space", ' ', ' ', -1}},
      {win::vk::Shift, {"Shift"}},
      {win::vk::Control, {"Ctrl"}},
      {win::vk::Menu, {"Alt"}},
      {win::vk::Left, {"Left"}},
      {win::vk::Right, {"Right"}},
      {win::vk::Up, {"Up"}},
      {win::vk::Down, {"Down"}},
      {win::vk::Home, {"Home"}},
      {win::vk::End, {"End"}},
      {win::vk::Prior, {"PageUp"}},
      {win::vk::Next, {"PageDown"}},
      {win::vk::Insert, {"Insert"}},
      {win::vk::Delete, {"Delete"}},
      {win::vk::Pause, {"Pause"}},
      {win::vk::Capital, {"CapsLock"}},
      {win::vk::Oem1, {"Semicolon", ';', ':'}},
      {win::vk::OemPlus, {"Equal", '=', '+'}},
      {win::vk::OemComma, {"Comma", ',', '<'}},
      {win::vk::OemMinus, {"Minus", '-', '_'}},
      {win::vk::OemPeriod, {"Period", '.', '>'}},
      {win::vk::Oem2, {"Slash", '/', '?'}},
      {win::vk::Oem3, {"Grave", '`', '~'}},
      {win::vk::Oem4, {"BracketLeft", '[', '{'}},
      {win::vk::Oem5, {"Backslash", '\\', '|'}},
      {win::vk::Oem6, {"BracketRight", ']', '}'}},
      {win::vk::Oem7, {"Apostrophe", '\'', '"'}},
      {win::vk::Decimal, {"Decimal", '.'}},
      {'0', {"0", '0', ')'}},
      {'1', {"1", '1', '!'}},
      {'2', {"2", '2', '@'}},
      {'3', {"3", '3', '#'}},
      {'4', {"4", '4', '$'}},
      {'5', {"5", '5', '%'}},
      {'6', {"6", '6', '^'}},
      {'7', {"7", '7', '&'}},
      {'8', {"8", '8', '*'}},
      {'9', {"9", '9', '('}},
  };
  for (int i = 0; i < 26; ++i) {
    keys['A' + i] = {std::string(1, static_cast<char>('A' + i)), 'a' + i, 'A' + i, 1 + i};
  }
  // Appended, not concatenated: GCC 12 warns of an overlap that cannot happen in `"F" + s`.
  for (int i = 0; i < 10; ++i) {
    keys[win::vk::Numpad0 + i] = {std::string("Numpad").append(std::to_string(i)), '0' + i};
  }
  for (int i = 0; i < 12; ++i)
    keys[win::vk::F1 + i] = {std::string("F").append(std::to_string(i + 1))};
  return keys;
}

TEST(Keyboard, EveryKeyIsNamedAndTypesAsOnTheUsLayout) {
  std::map<int, Typed> expected = UsLayout();
  for (const win::Key& key : win::Keys()) {
    const Typed actual{std::string(key.name), key.plain, key.shifted, key.ctrl};
    ASSERT_TRUE(expected.contains(key.virtualKey)) << "an unexpected key " << key.virtualKey;
    EXPECT_EQ(actual, expected[key.virtualKey]);
    EXPECT_EQ(win::FindKeyNamed(key.name), &key) << key.name;
    EXPECT_EQ(win::TypedCharacter(key.virtualKey, true, true), key.ctrl) << "Ctrl comes first";
    expected.erase(key.virtualKey);
  }
  EXPECT_TRUE(expected.empty()) << expected.size() << " keys missing, the first "
                                << expected.begin()->second.name;
}

// Typing a character presses the key that types it; the main block's digits and full stop, not
// the keypad's.
TEST(Keyboard, ACharacterIsTypedByItsKey) {
  const struct {
    int character;
    int virtualKey;  // 0: no key types it
    bool shift;
  } cases[] = {{'a', 'A', false},
               {'A', 'A', true},
               {'7', '7', false},
               {'&', '7', true},
               {'.', win::vk::OemPeriod, false},
               {'\r', win::vk::Return, false},
               {' ', win::vk::Space, false},
               {'"', win::vk::Oem7, true},
               {0xE9, 0, false},
               {1, 0, false}};
  for (const auto& c : cases) {
    const std::optional<win::Keystroke> stroke = win::KeystrokeFor(c.character);
    ASSERT_EQ(stroke.has_value(), c.virtualKey != 0) << c.character;
    if (!stroke) continue;
    EXPECT_EQ(stroke->virtualKey, c.virtualKey) << c.character;
    EXPECT_EQ(stroke->shift, c.shift) << c.character;
  }
}

}  // namespace
