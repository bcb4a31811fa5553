// Reading and writing the lines of a script file.
//
// Every value read here comes from a file that anybody may have edited, so the scans stop at the
// end of the line, numbers saturate instead of overflowing, and nothing is read past the buffer.

#include "pz417/script_format.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>

namespace pz417 {
namespace {

constexpr int KindLetterIndex = 6;
// One past the largest magnitude a 32-bit value can hold, so both limits can be reached.
constexpr long long MagnitudeLimit = static_cast<long long>(INT_MAX) + 1;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsDigitOrMinus(char c) {
  return IsDigit(c) || c == '-';
}

// How atoi would take the run: an optional leading minus, then digits; the rest is ignored.
int RunValue(const char* begin, const char* end) {
  const bool negative = begin != end && *begin == '-';
  long long magnitude = 0;
  for (const char* p = begin + (negative ? 1 : 0); p != end && IsDigit(*p); ++p) {
    magnitude = std::min(magnitude * 10 + (*p - '0'), MagnitudeLimit);
  }
  const long long value = negative ? -magnitude : magnitude;
  return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

struct Number {
  int value;
  const char* runEnd;  // where a scan for the next number starts
};

// Skips to the first character that may start a run, then takes the whole run. A line with no
// such character gives 0 and leaves the scan at the line's end.
template <typename InRun>
Number FindNumber(const char* from, InRun inRun) {
  const char* begin = from;
  while (*begin != '\0' && !inRun(*begin)) ++begin;
  const char* end = begin;
  while (*end != '\0' && inRun(*end)) ++end;
  return {RunValue(begin, end), end};
}

bool ShorterThanKindLetter(const char* line) {
  for (int i = 0; i <= KindLetterIndex; ++i) {
    if (line[i] == '\0') return true;
  }
  return false;
}

// A file written where lines end in CR LF reads the same as one with plain line feeds.
void FoldCarriageReturn(char* piece) {
  const std::size_t length = std::strlen(piece);
  if (length >= 2 && piece[length - 2] == '\r' && piece[length - 1] == '\n') {
    piece[length - 2] = '\n';
    piece[length - 1] = '\0';
  }
}

// fgets tells no length and a line may hold NUL bytes, so the buffer is filled with something
// else first: the last NUL in it is then the terminator, right after the last byte read.
bool PieceEndsLine(const char* buffer) {
  const char* end = buffer + ScriptLineBufferSize;
  while (end != buffer && end[-1] != '\0') --end;
  return end - buffer >= 2 && end[-2] == '\n';
}

bool ReadPiece(std::FILE* file, char* buffer, ScriptFilePosition& position) {
  std::memset(buffer, '\n', ScriptLineBufferSize);
  if (std::fgets(buffer, ScriptLineBufferSize, file) == nullptr) return false;
  position.line = position.lineEnds + 1;
  if (PieceEndsLine(buffer)) ++position.lineEnds;
  FoldCarriageReturn(buffer);
  return true;
}

// The line the writer makes for what a line holds, line end included; empty for none.
std::string WrittenLine(const ScriptLine& line) {
  char text[ScriptLineBufferSize];
  switch (line.kind) {
    case ScriptLineKind::Mouse:
      std::snprintf(text, sizeof text, MouseLineFormat, line.x, line.y);
      return text;
    case ScriptLineKind::Key:
      std::snprintf(text, sizeof text, KeyLineFormat, static_cast<int>(line.key));
      return text;
    case ScriptLineKind::Periodic:
      std::snprintf(text, sizeof text, PeriodicLineFormat, line.count);
      return text;
    default:
      return {};
  }
}

bool IsWrittenLine(std::string_view line) {
  if (line.size() + 2 > ScriptLineBufferSize || line.find('\0') != std::string_view::npos) {
    return false;
  }
  const std::string read = std::string(line) + '\n';
  return WrittenLine(ParseScriptLine(read.c_str())) == read;
}

}  // namespace

bool IsScriptText(std::string_view text) {
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (!line.empty() && !IsWrittenLine(line)) return false;
  }
  return true;
}

ScriptLine ParseScriptLine(const char* line) {
  ScriptLine result;
  if (ShorterThanKindLetter(line)) return result;
  const char* scanFrom = line + KindLetterIndex;
  switch (line[KindLetterIndex]) {
    // The writer gives characters above 127 as negative keys, so the sign is read as a mouse
    // number's is: character 233, written as -23, comes back as -23.
    case 'K':
      result.kind = ScriptLineKind::Key;
      result.key = static_cast<signed char>(FindNumber(scanFrom, IsDigitOrMinus).value & 0xFF);
      break;
    case 'M': {
      result.kind = ScriptLineKind::Mouse;
      const Number first = FindNumber(scanFrom, IsDigitOrMinus);
      result.x = first.value;
      result.y = FindNumber(first.runEnd, IsDigitOrMinus).value;
      break;
    }
    case 'P':
      result.kind = ScriptLineKind::Periodic;
      result.count = FindNumber(scanFrom, IsDigit).value;
      break;
    default:
      break;
  }
  return result;
}

ScriptLine ReadScriptLine(std::FILE* file, ScriptFilePosition* position) {
  char buffer[ScriptLineBufferSize];
  ScriptFilePosition ignored;
  ScriptFilePosition& at = position != nullptr ? *position : ignored;
  bool read = false;
  do {
    read = ReadPiece(file, buffer, at);
  } while (read && std::feof(file) == 0 && buffer[0] == '\n');
  // The end-of-file test is on the indicator, so an unfinished last line is never played.
  if (std::feof(file) != 0) return {.kind = ScriptLineKind::EndOfFile};
  if (!read) return {};
  return ParseScriptLine(buffer);
}

bool WriteMouseLine(std::FILE* file, int x, int y) {
  return std::fprintf(file, MouseLineFormat, x, y) >= 0;
}

bool WriteKeyLine(std::FILE* file, signed char key) {
  return std::fprintf(file, KeyLineFormat, static_cast<int>(key)) >= 0;
}

bool WritePeriodicLine(std::FILE* file, int count) {
  return std::fprintf(file, PeriodicLineFormat, count) >= 0;
}

}  // namespace pz417
