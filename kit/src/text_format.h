#pragma once
// printf-style formatting into the kit's fixed 1024-byte buffers.

#include <cstdarg>
#include <cstddef>

namespace kit {

constexpr std::size_t FormatBufferSize = 1024;

// Formats into `buffer`; output past 1023 characters is cut. Returns the length of what the
// buffer holds, or the formatting routine's negative result (the buffer then holds "").
int FormatCut(char (&buffer)[FormatBufferSize], const char* format, va_list args);

}  // namespace kit
