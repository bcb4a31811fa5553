#pragma once
// A text file written as the run goes, so that none of it is held in memory however long the
// run; the first failure is kept with its reason.

#include <cstdio>
#include <string>
#include <string_view>

#include "pz417/status.h"

namespace replay {

class TextOutput {
 public:
  TextOutput() = default;
  ~TextOutput();
  TextOutput(const TextOutput&) = delete;
  TextOutput& operator=(const TextOutput&) = delete;

  // A failure is "cannot write: " and the system's reason.
  pz417::Status Open(const std::string& path);
  bool IsOpen() const { return file_ != nullptr; }
  // A failure is kept, and Close reports it.
  void Write(std::string_view text);
  // Writes out what is buffered; fails if anything could not be written.
  pz417::Status Close();

 private:
  void Failed(int error);
  pz417::Status Outcome() const;

  std::FILE* file_ = nullptr;
  std::string error_;
};

}  // namespace replay
