#include "typing.h"

#include <optional>

#include "win/host.h"
#include "win/keyboard.h"

namespace replay {

void TypeCharacter(char c) {
  const int character = c == '\n' ? '\r' : static_cast<unsigned char>(c);
  const std::optional<win::Keystroke> stroke = win::KeystrokeFor(character);
  if (!stroke) {
    win::InputChar(character);
    return;
  }
  win::InputKeyDown(stroke->virtualKey, character);
  win::InputKeyUp(stroke->virtualKey);
}

}  // namespace replay
