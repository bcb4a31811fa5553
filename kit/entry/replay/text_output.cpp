#include "text_output.h"

#include <cerrno>
#include <cstring>

namespace replay {

TextOutput::~TextOutput() {
  if (file_ != nullptr) std::fclose(file_);
}

bool TextOutput::Open(const std::string& path) {
  errno = 0;
  file_ = std::fopen(path.c_str(), "wb");
  if (file_ == nullptr) Failed(errno);
  return file_ != nullptr;
}

void TextOutput::Write(std::string_view text) {
  if (file_ == nullptr || !error_.empty()) return;
  errno = 0;
  if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) Failed(errno);
}

bool TextOutput::Close() {
  if (file_ == nullptr) return error_.empty();
  errno = 0;
  if (std::fclose(file_) != 0) Failed(errno);
  file_ = nullptr;
  return error_.empty();
}

void TextOutput::Failed(int error) {
  if (!error_.empty()) return;
  error_ = "cannot write";
  if (error != 0) error_ += std::string(": ") + std::strerror(error);
}

}  // namespace replay
