#include "keys.h"

#include <SDL_keycode.h>

#include "win/keyboard.h"
#include "win/window.h"

namespace sdlhost {
namespace {

struct KeyCode {
  SDL_Keycode sdl;
  int virtualKey;
};

// Keys whose virtual-key code does not follow from a range of SDL keycodes.
constexpr KeyCode NamedKeys[] = {
    {SDLK_BACKSPACE, win::vk::Back},   {SDLK_TAB, win::vk::Tab},
    {SDLK_RETURN, win::vk::Return},    {SDLK_KP_ENTER, win::vk::Return},
    {SDLK_ESCAPE, win::vk::Escape},    {SDLK_SPACE, win::vk::Space},
    {SDLK_LSHIFT, win::vk::Shift},     {SDLK_RSHIFT, win::vk::Shift},
    {SDLK_LCTRL, win::vk::Control},    {SDLK_RCTRL, win::vk::Control},
    {SDLK_LALT, win::vk::Menu},        {SDLK_RALT, win::vk::Menu},
    {SDLK_LEFT, win::vk::Left},        {SDLK_UP, win::vk::Up},
    {SDLK_RIGHT, win::vk::Right},      {SDLK_DOWN, win::vk::Down},
    {SDLK_PAGEUP, win::vk::Prior},     {SDLK_PAGEDOWN, win::vk::Next},
    {SDLK_END, win::vk::End},          {SDLK_HOME, win::vk::Home},
    {SDLK_INSERT, win::vk::Insert},    {SDLK_DELETE, win::vk::Delete},
    {SDLK_CAPSLOCK, win::vk::Capital}, {SDLK_PAUSE, win::vk::Pause},
    {SDLK_SEMICOLON, win::vk::Oem1},   {SDLK_EQUALS, win::vk::OemPlus},
    {SDLK_COMMA, win::vk::OemComma},   {SDLK_MINUS, win::vk::OemMinus},
    {SDLK_PERIOD, win::vk::OemPeriod}, {SDLK_SLASH, win::vk::Oem2},
    {SDLK_BACKQUOTE, win::vk::Oem3},   {SDLK_LEFTBRACKET, win::vk::Oem4},
    {SDLK_BACKSLASH, win::vk::Oem5},   {SDLK_RIGHTBRACKET, win::vk::Oem6},
    {SDLK_QUOTE, win::vk::Oem7},       {SDLK_KP_PERIOD, win::vk::Decimal},
};

bool InRange(SDL_Keycode key, SDL_Keycode first, SDL_Keycode last) {
  return key >= first && key <= last;
}

// SDL numbers F1..F12 and keypad 1..9 in a row, but keypad 0 follows keypad 9.
int RangedVirtualKey(SDL_Keycode key) {
  if (InRange(key, SDLK_a, SDLK_z)) return key - SDLK_a + 'A';
  if (InRange(key, SDLK_0, SDLK_9)) return key;
  if (InRange(key, SDLK_F1, SDLK_F12)) return key - SDLK_F1 + win::vk::F1;
  if (InRange(key, SDLK_KP_1, SDLK_KP_9)) return key - SDLK_KP_1 + win::vk::Numpad0 + 1;
  if (key == SDLK_KP_0) return win::vk::Numpad0;
  return 0;
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

std::vector<int> CharactersOfText(std::string_view utf8) {
  std::vector<int> characters;
  std::size_t at = 0;
  while (at < utf8.size()) {
    const int code = win::NextCodePoint(utf8, at);
    if (code >= 0 && code <= 0xFF) characters.push_back(code);
  }
  return characters;
}

void KeyTranslator::KeyDown(std::int32_t sdlKeycode, int sdlScancode, std::uint16_t sdlModifiers,
                            bool repeat) {
  Flush();
  const bool ctrlHeld = (sdlModifiers & KMOD_CTRL) != 0;
  const int virtualKey = VirtualKeyOf(sdlKeycode, sdlScancode);
  held_ = HeldKey{virtualKey, win::ControlCharacter(virtualKey, ctrlHeld), ctrlHeld, repeat};
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
