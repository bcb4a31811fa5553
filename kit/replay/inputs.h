#pragma once
// The files the replay entry plays: drive files and the kit's own script files, read one command
// at a time, so that neither memory nor the time per line grows with a file's length.

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "drive_file.h"
#include "pz417/script_format.h"
#include "pz417/status.h"

namespace replay {

// A file is taken as a script file when its first non-empty line starts with "PZ417_", the
// prefix of every line the kit writes; any other file is a drive file.
class InputReader {
 public:
  // Opens every file at once, so a file that cannot be read stops the run before it starts. A
  // pipe is copied to a temporary file, so that it can be read twice like the others.
  explicit InputReader(const std::vector<std::string>& paths, const ClientArea& area = {});
  ~InputReader();
  InputReader(const InputReader&) = delete;
  InputReader& operator=(const InputReader&) = delete;

  // The next command of the files, in the order they were given, or nothing at the end. From
  // the first error on, that error: "FILE:LINE: what is wrong" (or "FILE: ..." for a file that
  // cannot be read).
  pz417::Result<std::optional<Command>> Next();
  // Back to the first command of the first file.
  void Rewind();
  // "FILE:LINE" of the last command Next gave.
  std::string Where() const;
  // Whether Next has failed: a file could not be read or held a line that is refused.
  bool Failed() const { return !error_; }

 private:
  struct Input;
  std::optional<Command> NextOf(Input& input);
  std::optional<Command> NextScriptCommand(Input& input);
  std::optional<Command> NextDriveCommand(Input& input);
  void Refuse(const Input& input, long line, const std::string& why);
  void RefuseUnreadable(const Input& input, int error);

  std::vector<std::unique_ptr<Input>> inputs_;
  std::size_t current_ = 0;
  ClientArea area_;
  pz417::Status error_;
  std::string line_;  // the drive line being read, kept to reuse its memory
};

struct InputsCheck {
  bool takesSnapshots = false;  // a drive file writes the canvas with `snapshot`
  bool mayRecord = false;       // a drive file may record a script: PZ417.SCR is written
};

// Reads every command once and rewinds: why the first bad line is refused, if one is.
pz417::Result<InputsCheck> CheckInputs(InputReader& inputs);

}  // namespace replay
