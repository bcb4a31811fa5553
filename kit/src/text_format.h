#pragma once
// printf-style formatting into the kit's fixed 1024-byte buffers.

#include <cstdarg>
#include <cstddef>

namespace kit {

constexpr std::size_t FormatBufferSize = 1024;

// Formats into `buffer`; output past 1023 characters is cut. Returns the formatting routine's
// count, at most 1023 (what the buffer kept), or its negative result (the buffer then holds "").
int FormatCut(char (&buffer)[FormatBufferSize], const char* format, va_list args);

}  // namespace kit
