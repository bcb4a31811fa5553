#include "text_format.h"

#include <cstdio>
#include <cstring>

namespace kit {

int FormatCut(char (&buffer)[FormatBufferSize], const char* format, va_list args) {
  if (format == nullptr) format = "";
  if (std::strchr(format, '%') == nullptr) {
    // No conversion: the text is the format itself, copied without the formatting machinery
    // (most of the program's texts are plain).
    const std::size_t length = std::strlen(format);
    const std::size_t kept = length < FormatBufferSize ? length : FormatBufferSize - 1;
    std::memcpy(buffer, format, kept);
    buffer[kept] = '\0';
    return static_cast<int>(kept);
  }
  const int formatted = std::vsnprintf(buffer, FormatBufferSize, format, args);
  if (formatted < 0) buffer[0] = '\0';
  constexpr int Longest = static_cast<int>(FormatBufferSize) - 1;
  return formatted > Longest ? Longest : formatted;
}

}  // namespace kit
