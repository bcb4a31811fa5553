#include "inputs.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <memory>

#include "pz417/script_format.h"

namespace replay {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// False with errno set when the file cannot be opened or read (a folder, for one).
bool ReadWhole(const std::string& path, std::string& text) {
  const File file(std::fopen(path.c_str(), "rb"));
  if (!file) return false;
  char chunk[4096];
  std::size_t got = 0;
  while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) text.append(chunk, got);
  return std::ferror(file.get()) == 0;
}

// The line the reader's last character came from; the reader itself counts no lines.
int LineAt(const std::string& text, long offset) {
  const auto end = text.begin() + std::clamp<long>(offset - 1, 0, static_cast<long>(text.size()));
  return 1 + static_cast<int>(std::count(text.begin(), end, '\n'));
}

// "FILE:LINE: what", as compilers name a place.
std::string AtLine(const std::string& path, int line, const std::string& what) {
  std::string message = path;
  message += ':';
  message += std::to_string(line);
  message += ": ";
  message += what;
  return message;
}

// One script line as live input: a press, a typed character or a run of timer periods.
std::string ScriptCommand(const pz417::ScriptLine& line, const ClientArea& area, Command& command) {
  switch (line.kind) {
    case pz417::ScriptLineKind::Mouse: {
      const long long x = area.PixelX(line.x), y = area.PixelY(line.y);
      if (!area.Contains(x, y)) {
        return "press at (" + std::to_string(line.x) + ", " + std::to_string(line.y) +
               ") lies outside the client area";
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
      if (line.count > MaxTicks) return "a run of more than " + std::to_string(MaxTicks) + " ticks";
      command.op = Op::Tick;
      command.count = std::max(line.count, 1);  // the kit's player gives a run of 0 one tick too
      return {};
    default:
      return "not a script line: its seventh character is not M, K or P";
  }
}

InputsRead ReadScript(const std::string& path, const std::string& text, const ClientArea& area) {
  InputsRead result;
  const File file(std::fopen(path.c_str(), "r"));
  if (!file) {
    result.error = path + ": cannot read: " + std::strerror(errno);
    return result;
  }
  for (;;) {
    const pz417::ScriptLine line = pz417::ReadScriptLine(file.get());
    if (line.kind == pz417::ScriptLineKind::EndOfFile) return result;
    const int lineNumber = LineAt(text, std::ftell(file.get()));
    if (std::ferror(file.get()) != 0) {
      result.error = path + ": cannot read";
      return result;
    }
    Command command;
    command.line = lineNumber;
    if (std::string why = ScriptCommand(line, area, command); !why.empty()) {
      result.error = AtLine(path, lineNumber, why);
      return result;
    }
    result.commands.push_back(std::move(command));
  }
}

InputsRead ReadDrive(const std::string& path, const std::string& text, const ClientArea& area) {
  DriveParse parse = ParseDrive(text, area);
  InputsRead result{std::move(parse.commands), {}};
  if (parse.error) {
    result.error = AtLine(path, parse.error->line, parse.error->message);
  }
  return result;
}

}  // namespace

bool LooksLikeScript(std::string_view text) {
  const std::size_t start = text.find_first_not_of(" \t\r\n");
  return start != std::string_view::npos && text.substr(start).starts_with("PZ417_");
}

InputsRead ReadInputs(const std::vector<std::string>& paths, const ClientArea& area) {
  InputsRead all;
  for (const std::string& path : paths) {
    std::string text;
    if (!ReadWhole(path, text)) {
      all.error = path + ": cannot read: " + std::strerror(errno);
      return all;
    }
    InputsRead one =
        LooksLikeScript(text) ? ReadScript(path, text, area) : ReadDrive(path, text, area);
    std::move(one.commands.begin(), one.commands.end(), std::back_inserter(all.commands));
    if (!one.error.empty()) {
      all.error = std::move(one.error);
      return all;
    }
  }
  return all;
}

}  // namespace replay
