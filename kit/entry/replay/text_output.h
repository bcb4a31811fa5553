#pragma once
// A text file written as the run goes, so that none of it is held in memory however long the
// run; the first failure is kept with its reason.

#include <cstdio>
#include <string>
#include <string_view>

namespace replay {

class TextOutput {
 public:
  TextOutput() = default;
  ~TextOutput();
  TextOutput(const TextOutput&) = delete;
  TextOutput& operator=(const TextOutput&) = delete;

  // False, with Error() set, when the file cannot be made.
  bool Open(const std::string& path);
  bool IsOpen() const { return file_ != nullptr; }
  void Write(std::string_view text);
  // Writes out what is buffered; false, with Error() set, if anything could not be written.
  bool Close();
  // "cannot write: " and the system's reason; empty while all is well.
  const std::string& Error() const { return error_; }

 private:
  void Failed(int error);

  std::FILE* file_ = nullptr;
  std::string error_;
};

}  // namespace replay
