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
  EXPECT_EQ(CharacterOf(virtualKey, c.key, c.ctrl), c.character);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, PageKey,
    testing::Values(
        KeyCase{"Letter", "KeyA", "a", false, 'A', 'a'},
        KeyCase{"ShiftedLetter", "KeyA", "A", false, 'A', 'A'},
        KeyCase{"CtrlLetterTypesItsControlCode", "KeyL", "l", true, 'L', 12},
        KeyCase{"CtrlShiftLetter", "KeyR", "R", true, 'R', 18},
        // A letter key goes by the letter its layout types, so the shortcuts follow the labels.
        KeyCase{"AzertyA", "KeyQ", "a", false, 'A', 'a'},
        KeyCase{"AzertyCtrlQ", "KeyA", "q", true, 'Q', 17},
        KeyCase{"AzertyMOnThePunctuationPlace", "Semicolon", "m", false, 'M', 'm'},
        // A layout without Latin letters goes by the place.
        KeyCase{"CyrillicByPlace", "KeyF", "\xD0\xB0", true, 'F', 6},
        KeyCase{"CyrillicTypesNothingOf8Bits", "KeyF", "\xD0\xB0", false, 'F', -1},
        KeyCase{"LatinOneCharacter", "KeyE", "\xC3\xA9", false, 'E', 0xE9},
        KeyCase{"Digit", "Digit7", "7", false, '7', '7'},
        KeyCase{"ShiftedDigitTypesItsSign", "Digit1", "!", false, '1', '!'},
        KeyCase{"Keypad", "Numpad5", "5", false, win::vk::Numpad0 + 5, '5'},
        KeyCase{"Space", "Space", " ", false, win::vk::Space, ' '},
        KeyCase{"Enter", "Enter", "Enter", false, win::vk::Return, 13},
        KeyCase{"KeypadEnter", "NumpadEnter", "Enter", false, win::vk::Return, 13},
        KeyCase{"Backspace", "Backspace", "Backspace", false, win::vk::Back, 8},
        KeyCase{"Tab", "Tab", "Tab", false, win::vk::Tab, 9},
        KeyCase{"Escape", "Escape", "Escape", false, win::vk::Escape, 27},
        KeyCase{"F10", "F10", "F10", false, win::vk::F10, -1},
        KeyCase{"F12", "F12", "F12", false, win::vk::F12, -1},
        KeyCase{"ArrowDown", "ArrowDown", "ArrowDown", false, win::vk::Down, -1},
        KeyCase{"AltAlone", "AltLeft", "Alt", false, win::vk::Menu, -1},
        KeyCase{"RightControl", "ControlRight", "Control", true, win::vk::Control, -1},
        KeyCase{"Punctuation", "Slash", "/", false, win::vk::Oem2, '/'},
        // The character a dead key makes comes with the next key.
        KeyCase{"DeadKeyTypesNothing", "Quote", "Dead", false, win::vk::Oem7, -1},
        KeyCase{"KeypadWithoutNumLockTypesNothing", "Numpad4", "ArrowLeft", false,
                win::vk::Numpad0 + 4, -1},
        KeyCase{"UnknownPlace", "IntlYen", "\xC2\xA5", false, 0, 0xA5},
        KeyCase{"Function13IsNone", "F13", "F13", false, 0, -1}),
    [](const testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace webhost
