#include "text_format.h"

#include <cstdio>

namespace kit {

int FormatCut(char (&buffer)[FormatBufferSize], const char* format, va_list args) {
  const int formatted =
      std::vsnprintf(buffer, FormatBufferSize, format != nullptr ? format : "", args);
  if (formatted < 0) buffer[0] = '\0';
  constexpr int Longest = static_cast<int>(FormatBufferSize) - 1;
  return formatted > Longest ? Longest : formatted;
}

}  // namespace kit
