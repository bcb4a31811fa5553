#include "keys.h"

#include <SDL_keycode.h>

#include "win/window.h"

namespace sdlhost {
namespace {

struct KeyCode {
  SDL_Keycode sdl;
  int virtualKey;
};

// Keys whose virtual-key code does not follow from a range of SDL keycodes.
constexpr KeyCode NamedKeys[] = {
    {SDLK_BACKSPACE, win::vk::Back},
    {SDLK_TAB, win::vk::Tab},
    {SDLK_RETURN, win::vk::Return},
    {SDLK_KP_ENTER, win::vk::Return},
    {SDLK_ESCAPE, win::vk::Escape},
    {SDLK_SPACE, win::vk::Space},
    {SDLK_LSHIFT, win::vk::Shift},
    {SDLK_RSHIFT, win::vk::Shift},
    {SDLK_LCTRL, win::vk::Control},
    {SDLK_RCTRL, win::vk::Control},
    {SDLK_LALT, win::vk::Menu},
    {SDLK_RALT, win::vk::Menu},
    {SDLK_LEFT, win::vk::Left},
    {SDLK_UP, win::vk::Up},
    {SDLK_RIGHT, win::vk::Right},
    {SDLK_DOWN, win::vk::Down},
    {SDLK_PAGEUP, 0x21},
    {SDLK_PAGEDOWN, 0x22},
    {SDLK_END, 0x23},
    {SDLK_HOME, 0x24},
    {SDLK_INSERT, 0x2D},
    {SDLK_DELETE, 0x2E},
    {SDLK_CAPSLOCK, 0x14},
    {SDLK_PAUSE, 0x13},
    {SDLK_SEMICOLON, 0xBA},
    {SDLK_EQUALS, 0xBB},
    {SDLK_COMMA, 0xBC},
    {SDLK_MINUS, 0xBD},
    {SDLK_PERIOD, 0xBE},
    {SDLK_SLASH, 0xBF},
    {SDLK_BACKQUOTE, 0xC0},
    {SDLK_LEFTBRACKET, 0xDB},
    {SDLK_BACKSLASH, 0xDC},
    {SDLK_RIGHTBRACKET, 0xDD},
    {SDLK_QUOTE, 0xDE},
    {SDLK_KP_PERIOD, 0x6E},
};

constexpr int FirstNumpadKey = 0x60;  // the classic code of keypad 0
constexpr int ControlA = 1;

bool InRange(SDL_Keycode key, SDL_Keycode first, SDL_Keycode last) {
  return key >= first && key <= last;
}

// SDL numbers F1..F12 and keypad 1..9 in a row, but keypad 0 follows keypad 9.
int RangedVirtualKey(SDL_Keycode key) {
  if (InRange(key, SDLK_a, SDLK_z)) return key - SDLK_a + 'A';
  if (InRange(key, SDLK_0, SDLK_9)) return key;
  if (InRange(key, SDLK_F1, SDLK_F12)) return key - SDLK_F1 + win::vk::F1;
  if (InRange(key, SDLK_KP_1, SDLK_KP_9)) return key - SDLK_KP_1 + FirstNumpadKey + 1;
  if (key == SDLK_KP_0) return FirstNumpadKey;
  return 0;
}

// Decodes the code point starting at `at` and moves past it; -1 for a malformed sequence,
// of which one byte is skipped.
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

}  // namespace

int VirtualKeyOf(std::int32_t sdlKeycode, int sdlScancode) {
  for (const KeyCode& key : NamedKeys) {
    if (key.sdl == sdlKeycode) return key.virtualKey;
  }
  const int ranged = RangedVirtualKey(sdlKeycode);
  if (ranged != 0 || (sdlKeycode & SDLK_SCANCODE_MASK) != 0) return ranged;
  // A character key that types no Latin letter: the letter key in its place, if it is one.
  if (sdlScancode >= SDL_SCANCODE_A && sdlScancode <= SDL_SCANCODE_Z) {
    return sdlScancode - SDL_SCANCODE_A + 'A';
  }
  return 0;
}

int CharacterOfKey(int virtualKey, bool ctrlHeld) {
  switch (virtualKey) {
    case win::vk::Return:
    case win::vk::Tab:
    case win::vk::Back:
    case win::vk::Escape:
      return virtualKey;
    default:
      break;
  }
  if (ctrlHeld && virtualKey >= 'A' && virtualKey <= 'Z') return virtualKey - 'A' + ControlA;
  return -1;
}

std::vector<int> CharactersOfText(std::string_view utf8) {
  std::vector<int> characters;
  std::size_t at = 0;
  while (at < utf8.size()) {
    const int code = NextCodePoint(utf8, at);
    if (code >= 0 && code <= 0xFF) characters.push_back(code);
  }
  return characters;
}

void KeyTranslator::KeyDown(std::int32_t sdlKeycode, int sdlScancode, std::uint16_t sdlModifiers,
                            bool repeat) {
  Flush();
  const bool ctrlHeld = (sdlModifiers & KMOD_CTRL) != 0;
  const int virtualKey = VirtualKeyOf(sdlKeycode, sdlScancode);
  held_ = HeldKey{virtualKey, CharacterOfKey(virtualKey, ctrlHeld), ctrlHeld, repeat};
}

void KeyTranslator::KeyUp(std::int32_t sdlKeycode, int sdlScancode) {
  Flush();
  const int virtualKey = VirtualKeyOf(sdlKeycode, sdlScancode);
  if (virtualKey != 0) sink_.KeyUp(virtualKey);
}

void KeyTranslator::Text(std::string_view utf8) {
  const std::vector<int> characters = CharactersOfText(utf8);
  std::size_t next = 0;
  if (held_) {
    if (held_->ctrlHeld) {
      Flush();
      return;
    }
    if (held_->virtualKey != 0 && !characters.empty()) held_->character = characters[next++];
    Flush();
  }
  for (; next < characters.size(); ++next) sink_.Char(characters[next]);
}

void KeyTranslator::Flush() {
  if (!held_) return;
  const HeldKey key = *held_;
  held_.reset();
  if (key.virtualKey != 0) sink_.KeyDown(key.virtualKey, key.character, key.repeat);
}

}  // namespace sdlhost
