#pragma once
// Keys as the classic desktop reports them, from the page's key events: KeyboardEvent.code names
// the key's place on the keyboard ("KeyA", "Enter", "ShiftLeft"), KeyboardEvent.key what it
// types in the user's layout ("a", "Enter", "é").

#include <string_view>

namespace webhost {

// The virtual-key code of a key (letters by their upper-case code); 0 for a key without one.
// A letter key goes by the Latin letter its layout types, as on the desktop, so that the Ctrl
// shortcuts follow the letters on the keys; a key that types none goes by its place.
int VirtualKeyOf(std::string_view code, std::string_view key);

// The character a key down yields. With Ctrl up, a key that types a character in the layout
// yields it if its code fits in 8 bits, and none if not, as on the desktop; with Ctrl held, or
// for a key whose text is no character ("Enter", "Tab", "Dead"), its control character (Enter
// 13, Ctrl+letter 1..26, ...); -1 for none.
int CharacterOf(int virtualKey, std::string_view key, bool ctrl);

}  // namespace webhost
