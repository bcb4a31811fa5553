#pragma once
// The script file's line formats and the reader that the kit's player and the replay entry share.
//
// A script file holds one event, or one run of periodic ticks, per line. Every line the writer
// produces has six characters before its kind letter, so the reader looks at index 6 only and
// then scans for the numbers; it never trusts a value or a length it reads.

#include <cstdio>
#include <string_view>

namespace pz417 {

inline constexpr const char* ScriptFileName = "PZ417.SCR";

// What the writer produces, as printf formats.
inline constexpr const char* MouseLineFormat = "PZ417_MOUSE(%d, %d);\n";
inline constexpr const char* KeyLineFormat = "PZ417_KBD(%d);\n";
inline constexpr const char* PeriodicLineFormat = "PZ417_PERIODIC(%d);\n";

// A line is read into this many bytes, so at most one less at a time; longer lines come in
// pieces, each taken as a line of its own.
inline constexpr int ScriptLineBufferSize = 512;

enum class ScriptLineKind {
  Mouse,      // x and y
  Key,        // key: the low 8 bits of the number, its sign kept
  Periodic,   // count: that many periodic ticks (0 is possible and means one tick to the kit)
  Other,      // a line whose kind letter is none of the above, or too short to have one
  EndOfFile,  // the stream's end-of-file indicator was set by this read
};

struct ScriptLine {
  ScriptLineKind kind = ScriptLineKind::Other;
  int x = 0;
  int y = 0;
  signed char key = 0;
  int count = 0;
};

// Where a reader is in its file, for messages that name a line. Counting as the reader goes
// keeps naming a line cheap however long the file is.
struct ScriptFilePosition {
  long line = 0;      // the line the last ScriptLine came from, 1 for the first
  long lineEnds = 0;  // line ends read so far
};

// Reads the next line that is not empty and interprets it. A last line without a line end sets
// the end-of-file indicator while it is read and so comes back as EndOfFile, not as its kind.
// A read that fails before the end of the file comes back as Other; std::ferror tells it apart.
// `position`, when given, is moved on past what was read.
ScriptLine ReadScriptLine(std::FILE* file, ScriptFilePosition* position = nullptr);

// Interprets one line as read (NUL-terminated, its line end still on). Numbers missing where the
// scan looks are 0; values past the 32-bit range saturate.
ScriptLine ParseScriptLine(const char* line);

// Whether a whole file's text holds only lines the writer makes (a mouse, key or periodic line,
// its numbers as the writer prints them) and blank lines, with either line ending: what a file
// offered as a script file must be before it replaces one. A picture, a text or a file of
// another program's lines is not.
bool IsScriptText(std::string_view text);

// Each writes one whole line into the stream's buffer; false if the stream reported an error.
bool WriteMouseLine(std::FILE* file, int x, int y);
bool WriteKeyLine(std::FILE* file, signed char key);
bool WritePeriodicLine(std::FILE* file, int count);

}  // namespace pz417
