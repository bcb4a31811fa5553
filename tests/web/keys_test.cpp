// The page's key events (KeyboardEvent.code and .key) as the classic desktop's keys and
// characters.

#include "keys.h"

#include <gtest/gtest.h>

#include <string>

#include "win/window.h"

namespace webhost {
namespace {

struct KeyCase {
  const char* name;
  const char* code;
  const char* key;
  bool shift;
  bool ctrl;
  int virtualKey;
  int character;
};

void PrintTo(const KeyCase& c, std::ostream* os) {
  *os << c.code << " / \"" << c.key << "\"";
}

class PageKey : public testing::TestWithParam<KeyCase> {};

TEST_P(PageKey, IsTheClassicKeyAndCharacter) {
  const KeyCase& c = GetParam();
  const int virtualKey = VirtualKeyOf(c.code, c.key);
  EXPECT_EQ(virtualKey, c.virtualKey);
  EXPECT_EQ(CharacterOf(virtualKey, c.key, c.shift, c.ctrl), c.character);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, PageKey,
    testing::Values(
        KeyCase{"Letter", "KeyA", "a", false, false, 'A', 'a'},
        KeyCase{"ShiftedLetter", "KeyA", "A", true, false, 'A', 'A'},
        KeyCase{"CtrlLetterTypesItsControlCode", "KeyL", "l", false, true, 'L', 12},
        KeyCase{"CtrlShiftLetter", "KeyR", "R", true, true, 'R', 18},
        // A letter key goes by the letter its layout types, so the shortcuts follow the labels.
        KeyCase{"AzertyA", "KeyQ", "a", false, false, 'A', 'a'},
        KeyCase{"AzertyCtrlQ", "KeyA", "q", false, true, 'Q', 17},
        KeyCase{"AzertyMOnThePunctuationPlace", "Semicolon", "m", false, false, 'M', 'm'},
        // A layout without Latin letters goes by the place.
        KeyCase{"CyrillicByPlace", "KeyF", "\xD0\xB0", false, true, 'F', 6},
        KeyCase{"CyrillicTypesNothingOf8Bits", "KeyF", "\xD0\xB0", false, false, 'F', -1},
        KeyCase{"LatinOneCharacter", "KeyE", "\xC3\xA9", false, false, 'E', 0xE9},
        KeyCase{"Digit", "Digit7", "7", false, false, '7', '7'},
        KeyCase{"ShiftedDigitTypesItsSign", "Digit1", "!", true, false, '1', '!'},
        KeyCase{"Keypad", "Numpad5", "5", false, false, win::vk::Numpad0 + 5, '5'},
        KeyCase{"Space", "Space", " ", false, false, win::vk::Space, ' '},
        KeyCase{"Enter", "Enter", "Enter", false, false, win::vk::Return, 13},
        KeyCase{"KeypadEnter", "NumpadEnter", "Enter", false, false, win::vk::Return, 13},
        KeyCase{"Backspace", "Backspace", "Backspace", false, false, win::vk::Back, 8},
        KeyCase{"Tab", "Tab", "Tab", false, false, win::vk::Tab, 9},
        KeyCase{"Escape", "Escape", "Escape", false, false, win::vk::Escape, 27},
        KeyCase{"F10", "F10", "F10", false, false, win::vk::F10, -1},
        KeyCase{"F12", "F12", "F12", false, false, win::vk::F12, -1},
        KeyCase{"ArrowDown", "ArrowDown", "ArrowDown", false, false, win::vk::Down, -1},
        KeyCase{"AltAlone", "AltLeft", "Alt", false, false, win::vk::Menu, -1},
        KeyCase{"RightControl", "ControlRight", "Control", false, true, win::vk::Control, -1},
        KeyCase{"Punctuation", "Slash", "/", false, false, win::vk::Oem2, '/'},
        KeyCase{"DeadKeyTypesWhatTheTableSays", "Quote", "Dead", false, false, win::vk::Oem7, '\''},
        KeyCase{"UnknownPlace", "IntlYen", "\xC2\xA5", false, false, 0, 0xA5},
        KeyCase{"Function13IsNone", "F13", "F13", false, false, 0, -1}),
    [](const testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace webhost
