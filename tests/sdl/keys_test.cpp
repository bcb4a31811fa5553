// SDL's key and text-input events rebuilt into the classic desktop's keys and characters.

#include "keys.h"

#include <SDL_keycode.h>
#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

namespace sdlhost {
namespace {

// ---- virtual-key codes -------------------------------------------------------------------

struct KeyCase {
  SDL_Keycode sdl;
  int virtualKey;
  SDL_Scancode scancode = SDL_SCANCODE_UNKNOWN;
};

void PrintTo(const KeyCase& c, std::ostream* os) {
  *os << "SDL key " << c.sdl << " is virtual key " << c.virtualKey;
}

std::string KeyCaseName(const testing::TestParamInfo<KeyCase>& info) {
  const KeyCase& c = info.param;
  std::string name = "Sdl" + std::to_string(c.sdl);
  if (c.scancode != SDL_SCANCODE_UNKNOWN) name += "Scancode" + std::to_string(c.scancode);
  return name + "IsVk" + std::to_string(c.virtualKey);
}

class VirtualKeyTest : public testing::TestWithParam<KeyCase> {};

TEST_P(VirtualKeyTest, MatchesTheClassicCode) {
  EXPECT_EQ(VirtualKeyOf(GetParam().sdl, GetParam().scancode), GetParam().virtualKey);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, VirtualKeyTest,
    testing::Values(KeyCase{SDLK_a, 'A'}, KeyCase{SDLK_q, 'Q'}, KeyCase{SDLK_z, 'Z'},
                    KeyCase{SDLK_0, '0'}, KeyCase{SDLK_9, '9'}, KeyCase{SDLK_SPACE, 32},
                    KeyCase{SDLK_RETURN, 13}, KeyCase{SDLK_KP_ENTER, 13}, KeyCase{SDLK_TAB, 9},
                    KeyCase{SDLK_BACKSPACE, 8}, KeyCase{SDLK_ESCAPE, 27}, KeyCase{SDLK_LSHIFT, 16},
                    KeyCase{SDLK_RSHIFT, 16}, KeyCase{SDLK_LCTRL, 17}, KeyCase{SDLK_RCTRL, 17},
                    KeyCase{SDLK_LALT, 18}, KeyCase{SDLK_RALT, 18}, KeyCase{SDLK_LEFT, 37},
                    KeyCase{SDLK_UP, 38}, KeyCase{SDLK_RIGHT, 39}, KeyCase{SDLK_DOWN, 40},
                    KeyCase{SDLK_F1, 112}, KeyCase{SDLK_F12, 123}, KeyCase{SDLK_KP_0, 0x60},
                    KeyCase{SDLK_KP_1, 0x61}, KeyCase{SDLK_KP_9, 0x69},
                    KeyCase{SDLK_SEMICOLON, 0xBA}, KeyCase{SDLK_QUOTE, 0xDE},
                    KeyCase{SDLK_DELETE, 0x2E}, KeyCase{SDLK_UNKNOWN, 0}, KeyCase{SDLK_F13, 0},
                    KeyCase{SDLK_AUDIOPLAY, 0},
                    // A French keyboard: the letter follows the layout, not the place.
                    KeyCase{SDLK_a, 'A', SDL_SCANCODE_Q},
                    // A Russian keyboard: the Cyrillic letter goes by the Latin key in its place.
                    KeyCase{0x439, 'Q', SDL_SCANCODE_Q}, KeyCase{0x44F, 'Z', SDL_SCANCODE_Z},
                    // A Cyrillic letter on a punctuation key has no code; nor has a special key.
                    KeyCase{0x445, 0, SDL_SCANCODE_LEFTBRACKET},
                    KeyCase{SDLK_MUTE, 0, SDL_SCANCODE_A}),
    KeyCaseName);

// ---- characters of text input ------------------------------------------------------------

struct TextCase {
  const char* name;
  std::string utf8;
  std::vector<int> characters;
};

void PrintTo(const TextCase& c, std::ostream* os) {
  *os << c.name;
}

class TextTest : public testing::TestWithParam<TextCase> {};

TEST_P(TextTest, KeepsTheEightBitCharacters) {
  EXPECT_EQ(CharactersOfText(GetParam().utf8), GetParam().characters);
}

INSTANTIATE_TEST_SUITE_P(Texts, TextTest,
                         testing::Values(TextCase{"Ascii", "a", {'a'}},
                                         TextCase{"TwoLetters", "ab", {'a', 'b'}},
                                         TextCase{"LatinOne", "\xC3\xA9", {0xE9}},
                                         TextCase{"HighestLatinOne", "\xC3\xBF", {0xFF}},
                                         TextCase{"EuroSignDropped", "\xE2\x82\xAC", {}},
                                         TextCase{"EmojiDropped", "x\xF0\x9F\x8D\xA6y", {'x', 'y'}},
                                         TextCase{"CutShortSequence", "\xC3", {}},
                                         TextCase{"StrayContinuation", "\x80z", {'z'}},
                                         TextCase{"BadContinuation", "\xC3(", {'('}},
                                         TextCase{"Empty", "", {}}),
                         [](const auto& info) { return info.param.name; });

// ---- sequences of events -------------------------------------------------------------------

struct Down {
  int key;
  int character;
  bool repeat = false;
  friend bool operator==(const Down&, const Down&) = default;
};
struct Up {
  int key;
  friend bool operator==(const Up&, const Up&) = default;
};
struct Char {
  int character;
  friend bool operator==(const Char&, const Char&) = default;
};
using Delivered = std::variant<Down, Up, Char>;

void PrintTo(const Down& d, std::ostream* os) {
  *os << "Down(" << d.key << ", " << d.character << (d.repeat ? ", repeat)" : ")");
}
void PrintTo(const Up& u, std::ostream* os) {
  *os << "Up(" << u.key << ")";
}
void PrintTo(const Char& c, std::ostream* os) {
  *os << "Char(" << c.character << ")";
}

class Recorder final : public KeySink {
 public:
  void KeyDown(int virtualKey, int character, bool repeat) override {
    seen.push_back(Down{virtualKey, character, repeat});
  }
  void KeyUp(int virtualKey) override { seen.push_back(Up{virtualKey}); }
  void Char(int character) override { seen.push_back(sdlhost::Char{character}); }
  std::vector<Delivered> seen;
};

// What SDL reports, in order; a pass ends after the last one.
struct SdlKeyDown {
  SDL_Keycode key;
  Uint16 mods;
  SDL_Scancode scancode = SDL_SCANCODE_UNKNOWN;
  bool repeat = false;
};
struct SdlKeyUp {
  SDL_Keycode key;
  SDL_Scancode scancode = SDL_SCANCODE_UNKNOWN;
};
struct SdlText {
  const char* utf8;
};
struct EndOfPass {};
using Reported = std::variant<SdlKeyDown, SdlKeyUp, SdlText, EndOfPass>;

struct SequenceCase {
  const char* name;
  std::vector<Reported> reported;
  std::vector<Delivered> delivered;
};

void PrintTo(const SequenceCase& c, std::ostream* os) {
  *os << c.name;
}

class SequenceTest : public testing::TestWithParam<SequenceCase> {};

TEST_P(SequenceTest, DeliversWhatTheClassicDesktopWould) {
  Recorder recorder;
  KeyTranslator keys(recorder);
  for (const Reported& r : GetParam().reported) {
    if (const auto* down = std::get_if<SdlKeyDown>(&r)) {
      keys.KeyDown(down->key, down->scancode, down->mods, down->repeat);
    }
    if (const auto* up = std::get_if<SdlKeyUp>(&r)) keys.KeyUp(up->key, up->scancode);
    if (const auto* text = std::get_if<SdlText>(&r)) keys.Text(text->utf8);
    if (std::holds_alternative<EndOfPass>(r)) keys.Flush();
  }
  keys.Flush();
  EXPECT_EQ(recorder.seen, GetParam().delivered);
}

constexpr Uint16 None = KMOD_NONE, Ctrl = KMOD_LCTRL, Shift = KMOD_LSHIFT, Alt = KMOD_LALT;

INSTANTIATE_TEST_SUITE_P(
    Sequences, SequenceTest,
    testing::Values(
        SequenceCase{"Letter",
                     {SdlKeyDown{SDLK_a, None}, SdlText{"a"}, SdlKeyUp{SDLK_a}},
                     {Down{'A', 'a'}, Up{'A'}}},
        SequenceCase{"ShiftLetter",
                     {SdlKeyDown{SDLK_LSHIFT, None}, SdlKeyDown{SDLK_a, Shift}, SdlText{"A"},
                      SdlKeyUp{SDLK_a}, SdlKeyUp{SDLK_LSHIFT}},
                     {Down{16, -1}, Down{'A', 'A'}, Up{'A'}, Up{16}}},
        SequenceCase{"EnterMakesItsOwnCharacter",
                     {SdlKeyDown{SDLK_RETURN, None}, SdlKeyUp{SDLK_RETURN}},
                     {Down{13, 13}, Up{13}}},
        SequenceCase{
            "EscapeAloneInAPass", {SdlKeyDown{SDLK_ESCAPE, None}, EndOfPass{}}, {Down{27, 27}}},
        SequenceCase{"CtrlQMakesAControlCode",
                     {SdlKeyDown{SDLK_LCTRL, Ctrl}, SdlKeyDown{SDLK_q, Ctrl}, SdlKeyUp{SDLK_q},
                      SdlKeyUp{SDLK_LCTRL}},
                     {Down{17, -1}, Down{'Q', 17}, Up{'Q'}, Up{17}}},
        SequenceCase{
            "CtrlShiftLetterIsTheSameCode", {SdlKeyDown{SDLK_z, Ctrl | Shift}}, {Down{'Z', 26}}},
        SequenceCase{"CtrlDigitTypesNothing",
                     {SdlKeyDown{SDLK_2, Ctrl}, SdlText{"2"}, SdlKeyUp{SDLK_2}},
                     {Down{'2', -1}, Up{'2'}}},
        SequenceCase{"AltLetterKeepsItsCharacterForTheMenu",
                     {SdlKeyDown{SDLK_LALT, Alt}, SdlKeyDown{SDLK_r, Alt}, SdlText{"r"},
                      SdlKeyUp{SDLK_r}, SdlKeyUp{SDLK_LALT}},
                     {Down{18, -1}, Down{'R', 'r'}, Up{'R'}, Up{18}}},
        SequenceCase{"ArrowsTypeNothing",
                     {SdlKeyDown{SDLK_LEFT, None}, SdlKeyDown{SDLK_RIGHT, None}},
                     {Down{37, -1}, Down{39, -1}}},
        SequenceCase{
            "AutoRepeatGivesEveryKeyDownMarkedAsARepeat",
            {SdlKeyDown{SDLK_b, None}, SdlText{"b"},
             SdlKeyDown{SDLK_b, None, SDL_SCANCODE_UNKNOWN, true}, SdlText{"b"}, SdlKeyUp{SDLK_b}},
            {Down{'B', 'b'}, Down{'B', 'b', true}, Up{'B'}}},
        SequenceCase{"TextWithoutAKey", {SdlText{"\xC3\xA9"}}, {Char{0xE9}}},
        SequenceCase{"TextAfterAKeyWithoutACode",
                     {SdlKeyDown{SDLK_UNKNOWN, None}, SdlText{"\xC3\xA9"}, SdlKeyUp{SDLK_UNKNOWN}},
                     {Char{0xE9}}},
        SequenceCase{"LatinOneOnAKey",
                     {SdlKeyDown{SDLK_SEMICOLON, None}, SdlText{"\xC3\xB6"}},
                     {Down{0xBA, 0xF6}}},
        SequenceCase{"CharacterOutsideTheEightBitSet",
                     {SdlKeyDown{SDLK_e, None}, SdlText{"\xE2\x82\xAC"}},
                     {Down{'E', -1}}},
        SequenceCase{"TextOfSeveralCharacters",
                     {SdlKeyDown{SDLK_a, None}, SdlText{"ab"}},
                     {Down{'A', 'a'}, Char{'b'}}},
        SequenceCase{"TextInALaterPassIsItsOwnCharacter",
                     {SdlKeyDown{SDLK_x, None}, EndOfPass{}, SdlText{"x"}},
                     {Down{'X', -1}, Char{'x'}}},
        SequenceCase{"ReleaseOfAnUnknownKeyIsDropped", {SdlKeyUp{SDLK_AUDIOPLAY}}, {}},
        SequenceCase{"CtrlShortcutOnACyrillicLayout",
                     {SdlKeyDown{SDLK_LCTRL, Ctrl}, SdlKeyDown{0x439, Ctrl, SDL_SCANCODE_Q},
                      SdlKeyUp{0x439, SDL_SCANCODE_Q}, SdlKeyUp{SDLK_LCTRL}},
                     {Down{17, -1}, Down{'Q', 17}, Up{'Q'}, Up{17}}},
        SequenceCase{"CyrillicLetterTypesNoEightBitCharacter",
                     {SdlKeyDown{0x439, None, SDL_SCANCODE_Q}, SdlText{"\xD0\xB9"}},
                     {Down{'Q', -1}}}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace sdlhost
