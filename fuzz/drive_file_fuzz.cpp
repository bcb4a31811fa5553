// Feeds arbitrary bytes to the replay library's drive-file parser.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "drive_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto parse = replay::ParseDrive(text);
  // Every command and every refusal names a line of the text.
  if (!parse) {
    if (std::atoi(parse.error().c_str()) < 1) __builtin_trap();
    return 0;
  }
  for (const replay::Command& command : *parse) {
    if (command.line < 1) __builtin_trap();
  }
  return 0;
}
