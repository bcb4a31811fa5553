#include "text_format.h"

#include <cstdio>
#include <cstring>

namespace kit {

int FormatCut(char (&buffer)[FormatBufferSize], const char* format, va_list args) {
  const int formatted =
      std::vsnprintf(buffer, FormatBufferSize, format != nullptr ? format : "", args);
  if (formatted < 0) {
    buffer[0] = '\0';
    return formatted;
  }
  return static_cast<int>(std::strlen(buffer));
}

}  // namespace kit
