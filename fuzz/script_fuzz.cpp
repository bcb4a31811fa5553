// Feeds arbitrary bytes to the script reader, as a whole file and as one line. A file that the
// check for script files accepts must play with no line of another kind.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "pz417/script_format.h"

namespace {

void ReadWholeFile(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return;  // a memory stream needs at least one byte
  // fmemopen wants a writable buffer even for reading.
  auto* copy = new char[size];
  std::memcpy(copy, data, size);
  const bool accepted = pz417::IsScriptText(std::string_view(copy, size));
  std::FILE* file = fmemopen(copy, size, "r");
  if (file != nullptr) {
    // Every read takes at least one byte or reports the end, so this bound is never reached
    // unless the reader stops making progress, which would be a bug.
    std::size_t reads = 0;
    pz417::ScriptLineKind kind;
    while ((kind = pz417::ReadScriptLine(file).kind) != pz417::ScriptLineKind::EndOfFile) {
      if (++reads > size + 1) __builtin_trap();
      if (accepted && kind == pz417::ScriptLineKind::Other) __builtin_trap();
    }
    std::fclose(file);
  }
  delete[] copy;
}

void ParseOneLine(const std::uint8_t* data, std::size_t size) {
  char line[pz417::ScriptLineBufferSize];
  const std::size_t length = size < sizeof line - 1 ? size : sizeof line - 1;
  std::memcpy(line, data, length);
  line[length] = '\0';
  pz417::ParseScriptLine(line);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ReadWholeFile(data, size);
  ParseOneLine(data, size);
  return 0;
}
