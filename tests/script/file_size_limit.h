#pragma once
// A write that fails as on a full disk, on any Linux machine: a limit on the size of the
// process's files, with SIGXFSZ ignored so that a write past it fails with EFBIG instead of
// ending the process. Meant for a child process (a death test); the limit goes with the object.

#include <gtest/gtest.h>

#ifdef _WIN32

#include <cstdint>

// Windows has no such limit: the tests that need one are skipped there.
#define SKIP_WITHOUT_FILE_SIZE_LIMIT() GTEST_SKIP() << "no file size limits on Windows"
class FileSizeLimit {
 public:
  explicit FileSizeLimit(std::uint64_t /*bytes*/) {}
};

#else

#include <sys/resource.h>

#include <csignal>

#define SKIP_WITHOUT_FILE_SIZE_LIMIT() static_cast<void>(0)
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &before_);
    const rlimit limited{bytes, before_.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &before_); }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit before_{};
};

#endif
