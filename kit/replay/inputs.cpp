#include "inputs.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "pz417/kit_tools.h"
#include "win/window.h"

namespace replay {
namespace {

constexpr std::string_view ScriptPrefix = "PZ417_";
// Bounds on what is held at once: a drive line (a `type` line may be long, but not endless) and
// a pipe's copy (a pipe is copied so that it can be checked before it is played).
constexpr std::size_t MostDriveLineBytes = std::size_t{64} << 20;
constexpr long MostSpooledBytes = long{256} << 20;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// A copy of what is left in `from` in a temporary file, which goes away when closed; nothing,
// with errno set or with `tooLong`, when it cannot be made.
File Spooled(std::FILE* from, bool& tooLong) {
  File copy(std::tmpfile());
  if (!copy) return nullptr;
  char chunk[65536];
  std::size_t got = 0;
  while ((got = std::fread(chunk, 1, sizeof chunk, from)) > 0) {
    if (std::fwrite(chunk, 1, got, copy.get()) != got) return nullptr;
    tooLong = std::ftell(copy.get()) > MostSpooledBytes;
    if (tooLong) return nullptr;
  }
  if (std::ferror(from) != 0 || std::fflush(copy.get()) != 0) return nullptr;
  std::rewind(copy.get());
  return copy;
}

// A regular file or a folder as it is (reading a folder fails later, with its own reason);
// anything else, such as a pipe, copied so that it can be read twice.
File OpenRewindable(const std::string& path, bool& tooLong) {
  File file(std::fopen(path.c_str(), "rb"));
  struct stat status {};
  if (!file || ::fstat(::fileno(file.get()), &status) != 0) return nullptr;
  if (S_ISREG(status.st_mode) || S_ISDIR(status.st_mode)) return file;
  return Spooled(file.get(), tooLong);
}

// Taking the stream's lock for every byte would cost more than the reading itself.
int NextByte(std::FILE* file) {
#ifdef _WIN32
  return _getc_nolock(file);
#else
  return getc_unlocked(file);
#endif
}

enum class LineRead { Line, End, TooLong, Failed };

// One line without its line end. Read byte by byte, as a line may hold NUL bytes and must not
// grow without bound.
LineRead ReadLine(std::FILE* file, std::string& line) {
  line.clear();
  int c = 0;
  while ((c = NextByte(file)) != EOF && c != '\n') {
    if (line.size() == MostDriveLineBytes) return LineRead::TooLong;
    line += static_cast<char>(c);
  }
  if (std::ferror(file) != 0) return LineRead::Failed;
  return c == EOF && line.empty() ? LineRead::End : LineRead::Line;
}

bool IsBlankOrLineEnd(int c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Whether the first non-empty line starts with the kit's prefix; the file is rewound after.
bool StartsAsScript(std::FILE* file) {
  int c = 0;
  while (IsBlankOrLineEnd(c = std::getc(file))) {
  }
  std::size_t matched = 0;
  while (matched < ScriptPrefix.size() && c == ScriptPrefix[matched]) {
    ++matched;
    c = std::getc(file);
  }
  std::rewind(file);
  return matched == ScriptPrefix.size();
}

// Whether the line last read goes on past the piece the reader took of it: a script line is read
// into a buffer of a fixed size, and the kit's player takes what follows as lines of its own.
bool GoesOnPastThePiece(std::FILE* file, const pz417::ScriptFilePosition& at) {
  if (at.lineEnds >= at.line) return false;
  const int next = std::getc(file);
  if (next == EOF) return false;
  std::ungetc(next, file);
  return next != '\n' && next != '\r';
}

// One script line as live input: a press, a typed character or a run of timer periods.
pz417::Status ScriptCommand(const pz417::ScriptLine& line, const ClientArea& area,
                            Command& command) {
  switch (line.kind) {
    case pz417::ScriptLineKind::Mouse: {
      const long long x = area.PixelX(line.x), y = area.PixelY(line.y);
      if (!area.Contains(x, y)) {
        return pz417::Failure("press at (" + std::to_string(line.x) + ", " +
                              std::to_string(line.y) + ") lies outside the client area");
      }
      command.op = Op::Press;
      command.x = static_cast<int>(x);
      command.y = static_cast<int>(y);
      return {};
    }
    case pz417::ScriptLineKind::Key:
      command.op = Op::Char;
      command.character = static_cast<unsigned char>(line.key);
      return {};
    case pz417::ScriptLineKind::Periodic:
      if (line.count > MaxCount) {
        return pz417::Failure("a run of more than " + std::to_string(MaxCount) + " ticks");
      }
      command.op = Op::Tick;
      command.count = std::max(line.count, 1);  // the kit's player gives a run of 0 one tick too
      return {};
    default:
      return pz417::Failure("not a script line: its seventh character is not M, K or P");
  }
}

}  // namespace

struct InputReader::Input {
  std::string path;
  File file;
  bool script = false;
  pz417::ScriptFilePosition scriptPosition;
  long driveLine = 0;
  long lastLine = 0;  // of the last command given

  void Restart() {
    std::rewind(file.get());
    scriptPosition = {};
    driveLine = 0;
    lastLine = 0;
  }
};

InputReader::InputReader(const std::vector<std::string>& paths, const ClientArea& area)
    : area_(area) {
  for (const std::string& path : paths) {
    auto input = std::make_unique<Input>();
    input->path = path;
    errno = 0;
    bool tooLong = false;
    input->file = OpenRewindable(path, tooLong);
    if (tooLong) {
      error_ = pz417::Failure(path + ": cannot read: longer than " +
                              std::to_string(MostSpooledBytes >> 20) +
                              " MiB, which only a regular file may be");
      return;
    }
    if (!input->file) {
      RefuseUnreadable(*input, errno);
      return;
    }
    input->script = StartsAsScript(input->file.get());
    inputs_.push_back(std::move(input));
  }
}

InputReader::~InputReader() = default;

pz417::Result<std::optional<Command>> InputReader::Next() {
  while (error_ && current_ < inputs_.size()) {
    if (std::optional<Command> command = NextOf(*inputs_[current_])) return command;
    if (error_) ++current_;
  }
  if (!error_) return error_;
  return std::optional<Command>();
}

void InputReader::Rewind() {
  for (const auto& input : inputs_) input->Restart();
  current_ = 0;
}

std::string InputReader::Where() const {
  if (current_ >= inputs_.size()) return {};
  const Input& input = *inputs_[current_];
  return input.path + ":" + std::to_string(input.lastLine);
}

std::optional<Command> InputReader::NextOf(Input& input) {
  std::optional<Command> command =
      input.script ? NextScriptCommand(input) : NextDriveCommand(input);
  if (command) input.lastLine = command->line;
  return command;
}

std::optional<Command> InputReader::NextScriptCommand(Input& input) {
  std::FILE* file = input.file.get();
  errno = 0;
  const pz417::ScriptLine line = pz417::ReadScriptLine(file, &input.scriptPosition);
  if (std::ferror(file) != 0) {
    RefuseUnreadable(input, errno);
    return std::nullopt;
  }
  if (line.kind == pz417::ScriptLineKind::EndOfFile) return std::nullopt;
  if (GoesOnPastThePiece(file, input.scriptPosition)) {
    Refuse(input, input.scriptPosition.line,
           "line longer than " + std::to_string(pz417::ScriptLineBufferSize - 1) + " characters");
    return std::nullopt;
  }
  Command command;
  command.line = static_cast<int>(input.scriptPosition.line);
  if (const pz417::Status made = ScriptCommand(line, area_, command); !made) {
    Refuse(input, input.scriptPosition.line, made.error());
    return std::nullopt;
  }
  return command;
}

std::optional<Command> InputReader::NextDriveCommand(Input& input) {
  for (;;) {
    errno = 0;
    const LineRead read = ReadLine(input.file.get(), line_);
    if (read == LineRead::Failed) RefuseUnreadable(input, errno);
    if (read == LineRead::End || read == LineRead::Failed) return std::nullopt;
    ++input.driveLine;
    if (read == LineRead::TooLong) {
      Refuse(input, input.driveLine,
             "line longer than " + std::to_string(MostDriveLineBytes >> 20) + " MiB");
      return std::nullopt;
    }
    pz417::Result<std::optional<Command>> parsed = ParseDriveLine(line_, area_);
    if (!parsed) {
      Refuse(input, input.driveLine, parsed.error());
      return std::nullopt;
    }
    if (parsed->has_value()) {
      (*parsed)->line = static_cast<int>(input.driveLine);
      return *std::move(parsed);
    }
  }
}

// "FILE:LINE: what", as compilers name a place.
void InputReader::Refuse(const Input& input, long line, const std::string& why) {
  error_ = pz417::Failure(input.path + ":" + std::to_string(line) + ": " + why);
}

void InputReader::RefuseUnreadable(const Input& input, int error) {
  std::string why = input.path + ": cannot read";
  if (error != 0) why += std::string(": ") + std::strerror(error);
  error_ = pz417::Failure(why);
}

namespace {

// Whether the command may switch Record Script on: its shortcut Ctrl+R (or Ctrl held for a later
// R), its entry chosen by mouse, or the mouse or keyboard reaching the menu bar, from where any
// entry can be chosen.
bool MayRecord(const Command& command) {
  switch (command.op) {
    case Op::Ctrl:
    case Op::Down:
    case Op::Repeat:
      return command.key == 'R' || command.key == win::vk::Control || command.key == win::vk::Menu;
    case Op::Menu:
      return command.count == kit::RecordCommand;
    case Op::Key:
      return command.key == win::vk::F10 || command.key == win::vk::Menu;
    case Op::WindowPress:
    case Op::WindowRelease:
    case Op::Move:
      return true;
    default:
      return false;
  }
}

}  // namespace

pz417::Result<InputsCheck> CheckInputs(InputReader& inputs) {
  InputsCheck check;
  pz417::Result<std::optional<Command>> next = inputs.Next();
  for (; next && next->has_value(); next = inputs.Next()) {
    if ((*next)->op == Op::Snapshot) check.takesSnapshots = true;
    if (MayRecord(**next)) check.mayRecord = true;
  }
  inputs.Rewind();
  if (!next) return next.status();
  return check;
}

}  // namespace replay
