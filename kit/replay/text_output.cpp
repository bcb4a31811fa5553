#include "text_output.h"

#include <cerrno>
#include <cstring>

namespace replay {

TextOutput::~TextOutput() {
  if (file_ != nullptr) std::fclose(file_);
}

pz417::Status TextOutput::Open(const std::string& path) {
  errno = 0;
  file_ = std::fopen(path.c_str(), "wb");
  if (file_ == nullptr) Failed(errno);
  return Outcome();
}

void TextOutput::Write(std::string_view text) {
  if (file_ == nullptr || !error_.empty()) return;
  errno = 0;
  if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) Failed(errno);
}

pz417::Status TextOutput::Close() {
  if (file_ == nullptr) return Outcome();
  errno = 0;
  if (std::fclose(file_) != 0) Failed(errno);
  file_ = nullptr;
  return Outcome();
}

pz417::Status TextOutput::Outcome() const {
  return error_.empty() ? pz417::Status() : pz417::Failure(error_);
}

void TextOutput::Failed(int error) {
  if (!error_.empty()) return;
  error_ = "cannot write";
  if (error != 0) error_ += std::string(": ") + std::strerror(error);
}

}  // namespace replay
