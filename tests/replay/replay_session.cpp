#include "replay_session.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "raster/png.h"

namespace replay_test {
namespace {

constexpr std::string_view RedrawStart =
    "white rectangle with bounding box (-300,250) to (300,-250), filled";
constexpr int OriginX = 297;
constexpr int OriginY = 248;

// Ignored signals stay ignored across exec, so a write past the limit fails with EFBIG.
bool LimitFileSize(rlim_t bytes) {
  if (bytes == RLIM_INFINITY) return true;
  const rlimit limit{bytes, bytes};
  return std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

[[noreturn]] void ExecReplay(const std::vector<std::string>& arguments,
                             const std::filesystem::path& workingDir,
                             const std::filesystem::path& errorFile, rlim_t fileSizeLimit) {
  const int errors = ::open(errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (errors < 0 || ::dup2(errors, STDERR_FILENO) < 0 || ::chdir(workingDir.c_str()) != 0 ||
      !LimitFileSize(fileSizeLimit)) {
    ::_exit(127);
  }
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(FROSTY_REPLAY));
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  ::execv(FROSTY_REPLAY, argv.data());
  ::_exit(127);
}

}  // namespace

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "frosty-replay-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a folder");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

Run RunReplay(const std::vector<std::string>& arguments, const std::filesystem::path& workingDir,
              rlim_t fileSizeLimit) {
  const std::filesystem::path errorFile = workingDir / "stderr.txt";
  const pid_t child = ::fork();
  if (child == 0) ExecReplay(arguments, workingDir, errorFile, fileSizeLimit);
  Run run;
  int status = 0;
  if (child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status)) {
    run.exitCode = WEXITSTATUS(status);
  }
  run.errors = ReadFile(errorFile);
  return run;
}

void RunDrive(std::string_view drive, Session& session) {
  const std::filesystem::path& dir = session.dir.path();
  WriteFile(dir / "session.drive", drive);
  session.run = RunReplay(
      {"session.drive", "--log", "log.txt", "--events", "events.txt", "--canvas", "canvas.png"},
      dir);
  session.log = ReadFile(dir / "log.txt");
  session.events = ReadFile(dir / "events.txt");
  if (session.run.exitCode != 0) return;
  frosty::Result<raster::Bitmap> canvas = raster::ReadPng((dir / "canvas.png").string());
  if (canvas) {
    session.canvas = *std::move(canvas);
  } else {
    ADD_FAILURE() << "canvas.png: " << canvas.error();
  }
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFile(const std::filesystem::path& path, std::string_view text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::vector<std::string> Lines(std::string_view text) {
  std::vector<std::string> lines;
  std::istringstream in{std::string(text)};
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> LastRedraw(std::string_view log) {
  std::vector<std::string> lines = Lines(log);
  const auto start = std::find(lines.rbegin(), lines.rend(), RedrawStart);
  if (start == lines.rend()) return {};
  return {std::prev(start.base()), lines.end()};
}

int RedrawCount(std::string_view log) {
  return CountOf(Lines(log), RedrawStart);
}

int CountOf(const std::vector<std::string>& lines, std::string_view line) {
  return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

raster::Color KitPixel(const raster::Bitmap& canvas, int x, int y) {
  const int px = OriginX + x;
  const int py = OriginY - y;
  return canvas.contains(px, py) ? canvas.pixel(px, py) : 0xFFFFFFFFu;
}

}  // namespace replay_test
