#pragma once
// Typing as a person does it on the keyboard of the window layer's table: each character as its
// key going down and up, the key carrying the character; a character no key types arrives alone.

namespace replay {

// A line end types Return.
void TypeCharacter(char c);

}  // namespace replay
