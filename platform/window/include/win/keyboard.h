#pragma once
// The keyboard, in one table: for each virtual key the name drive files call it by and what it
// types on the classic desktop with a US layout, alone, with Shift and with Ctrl. The SDL and web
// hosts, the replay library's typing and the drive-file parser read it, so a key types the same
// everywhere; the Win32 host has the real desktop's translation.

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace win {

struct Key {
  int virtualKey = 0;
  std::string_view name;
  // The character typed alone, with Shift held and with Ctrl held; -1 for none.
  int plain = -1;
  int shifted = -1;
  int ctrl = -1;
};

std::span<const Key> Keys();
// Nullptr for a key that is not on the table.
const Key* FindKey(int virtualKey);
// By exact name ("Return", "F10", "A"); nullptr for an unknown name.
const Key* FindKeyNamed(std::string_view name);

// What the key types with these modifiers held (Ctrl before Shift); -1 for nothing.
int TypedCharacter(int virtualKey, bool shiftHeld, bool ctrlHeld);

// What a key types that a host's text input never carries: its control character (Return 13,
// Tab 9, Ctrl+letter 1..26...); -1 for a key that has none.
int ControlCharacter(int virtualKey, bool ctrlHeld);

// Decodes the UTF-8 code point a host's text has at `at` and moves past it; -1 for a malformed
// sequence, of which one byte is skipped. `at` must lie inside the text.
int NextCodePoint(std::string_view text, std::size_t& at);

// The key, and whether Shift is held, that types this character without Ctrl; nothing for a
// character no key types. Of two keys that type the same, the main block's comes first.
struct Keystroke {
  int virtualKey = 0;
  bool shift = false;
};
std::optional<Keystroke> KeystrokeFor(int character);

// Shift, Ctrl and Alt.
bool IsModifierKey(int virtualKey);
bool IsLetterKey(int virtualKey);

}  // namespace win
