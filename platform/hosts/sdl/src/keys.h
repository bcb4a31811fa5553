#pragma once
// Keys as the classic desktop reports them, rebuilt from SDL's key and text-input events.
//
// The classic desktop reports one key down that carries the character the key types. SDL
// reports the key down and then, for keys that type something, a separate text-input event
// without modifiers. So a key down is held back until the next event shows whether text
// follows it. SDL types nothing for Enter, Tab, Backspace, Escape and Ctrl+letter; their
// characters are made from the key. Text that SDL types while Ctrl is held (Ctrl+digit) is
// dropped, since the classic desktop types nothing there.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace sdlhost {

// The virtual-key code of an SDL key (letters by their upper-case code); 0 for a key without
// one. A letter key of a non-Latin layout goes by the Latin letter in its place, as on the
// classic desktop, so that its Ctrl shortcuts still work.
int VirtualKeyOf(std::int32_t sdlKeycode, int sdlScancode);
// The characters of a text-input event that have an 8-bit code; the others are dropped.
std::vector<int> CharactersOfText(std::string_view utf8);

// Where translated keys go: the window system, or a test's record.
class KeySink {
 public:
  virtual ~KeySink() = default;
  // `repeat`: sent by auto-repeat while the key is held.
  virtual void KeyDown(int virtualKey, int character, bool repeat) = 0;
  virtual void KeyUp(int virtualKey) = 0;
  virtual void Char(int character) = 0;
};

class KeyTranslator {
 public:
  explicit KeyTranslator(KeySink& sink) : sink_(sink) {}

  // `sdlModifiers` is the key event's SDL_Keymod; `repeat` its repeat field.
  void KeyDown(std::int32_t sdlKeycode, int sdlScancode, std::uint16_t sdlModifiers, bool repeat);
  void KeyUp(std::int32_t sdlKeycode, int sdlScancode);
  void Text(std::string_view utf8);
  // Hands on a held-back key down with the character it has so far. Called before every
  // event that is not text input, and when a pump pass ends.
  void Flush();

 private:
  struct HeldKey {
    int virtualKey = 0;  // 0: a key without a code, held only for its modifiers
    int character = -1;
    bool ctrlHeld = false;
    bool repeat = false;
  };

  KeySink& sink_;
  std::optional<HeldKey> held_;
};

}  // namespace sdlhost
